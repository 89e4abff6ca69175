#include "platform/gdiplus/adapters/loaded_picture.h"

#include <vector>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

using CreateFromFile = Status (*)(const WCHAR*, GpBitmap**);

constexpr INT kImageTypeBitmap = 1;

// Whether every frame dimension of a bitmap holds at least one frame. The
// queries used here read only the frame list, never the active frame.
bool HasFrames(GpImage* image) {
  static const auto dimensionsCount =
      Raw<decltype(FunctionTable::GdipImageGetFrameDimensionsCount)>(
          "GdipImageGetFrameDimensionsCount");
  static const auto dimensionsList = Raw<decltype(FunctionTable::GdipImageGetFrameDimensionsList)>(
      "GdipImageGetFrameDimensionsList");
  static const auto frameCount =
      Raw<decltype(FunctionTable::GdipImageGetFrameCount)>("GdipImageGetFrameCount");
  if (dimensionsCount == nullptr || dimensionsList == nullptr || frameCount == nullptr) return true;
  UINT dimensions = 0;
  if (dimensionsCount(image, &dimensions) != Status::Ok || dimensions == 0) return false;
  std::vector<GUID> ids(dimensions);
  if (dimensionsList(image, ids.data(), dimensions) != Status::Ok) return false;
  for (const GUID& id : ids) {
    UINT count = 0;
    if (frameCount(image, &id, &count) != Status::Ok || count == 0) return false;
  }
  return true;
}

Status LoadFile(const char* rawName, const WCHAR* fileName, GpBitmap** bitmap) {
  const auto raw = Raw<CreateFromFile>(rawName);
  if (raw == nullptr) return Status::NotImplemented;
  const Status status = raw(fileName, bitmap);
  if (bitmap == nullptr) return status;
  return RefuseEmptyPicture(status, reinterpret_cast<GpImage**>(bitmap));
}

}  // namespace

Status RefuseEmptyPicture(Status status, GpImage** image) {
  static const auto type = Raw<decltype(FunctionTable::GdipGetImageType)>("GdipGetImageType");
  static const auto width = Raw<decltype(FunctionTable::GdipGetImageWidth)>("GdipGetImageWidth");
  static const auto height = Raw<decltype(FunctionTable::GdipGetImageHeight)>("GdipGetImageHeight");
  static const auto dispose = Raw<decltype(FunctionTable::GdipDisposeImage)>("GdipDisposeImage");
  if (status != Status::Ok || image == nullptr || *image == nullptr || type == nullptr ||
      width == nullptr || height == nullptr || dispose == nullptr) {
    return status;
  }
  INT kind = 0;
  UINT w = 0;
  UINT h = 0;
  // A bitmap without frames has no pixels to ask the size of: the size
  // queries would read through a null pointer.
  const bool usable =
      type(*image, &kind) == Status::Ok && (kind != kImageTypeBitmap || HasFrames(*image)) &&
      width(*image, &w) == Status::Ok && height(*image, &h) == Status::Ok && w > 0 && h > 0;
  if (usable) return status;
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
