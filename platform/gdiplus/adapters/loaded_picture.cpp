#include "platform/gdiplus/adapters/loaded_picture.h"

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

using CreateFromFile = Status (*)(const WCHAR*, GpBitmap**);

Status LoadFile(const char* rawName, const WCHAR* fileName, GpBitmap** bitmap) {
  const auto raw = Raw<CreateFromFile>(rawName);
  if (raw == nullptr) return Status::NotImplemented;
  const Status status = raw(fileName, bitmap);
  if (bitmap == nullptr) return status;
  return RefuseEmptyPicture(status, reinterpret_cast<GpImage**>(bitmap));
}

}  // namespace

Status RefuseEmptyPicture(Status status, GpImage** image) {
  static const auto width = Raw<decltype(FunctionTable::GdipGetImageWidth)>("GdipGetImageWidth");
  static const auto height = Raw<decltype(FunctionTable::GdipGetImageHeight)>("GdipGetImageHeight");
  static const auto dispose = Raw<decltype(FunctionTable::GdipDisposeImage)>("GdipDisposeImage");
  if (status != Status::Ok || image == nullptr || *image == nullptr || width == nullptr ||
      height == nullptr || dispose == nullptr) {
    return status;
  }
  UINT w = 0;
  UINT h = 0;
  if (width(*image, &w) == Status::Ok && height(*image, &h) == Status::Ok && w > 0 && h > 0) {
    return status;
  }
  dispose(*image);
  *image = nullptr;
  return Status::InvalidParameter;
}

Status CreateBitmapFromFile(const WCHAR* fileName, GpBitmap** bitmap) {
  return LoadFile("GdipCreateBitmapFromFile", fileName, bitmap);
}

Status CreateBitmapFromFileICM(const WCHAR* fileName, GpBitmap** bitmap) {
  return LoadFile("GdipCreateBitmapFromFileICM", fileName, bitmap);
}

}  // namespace charart::gdiplus::adapters
