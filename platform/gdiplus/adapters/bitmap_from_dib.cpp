// GdipCreateBitmapFromGdiDib, absent from libgdiplus: a new bitmap of the
// DIB's size receives a copy of its pixels, so the caller may free the DIB
// afterwards. Uncompressed (BI_RGB) DIBs of 24 and 32 bits per pixel are
// read, bottom-up (positive height) and top-down (negative height), giving
// PixelFormat24bppRGB and PixelFormat32bppRGB bitmaps as GDI+ does; the
// fourth byte of a 32-bit pixel is ignored. Palette and bit-field DIBs are
// NotImplemented; a malformed header is InvalidParameter.
#include <cstdint>
#include <cstring>
#include <limits>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr DWORD kBiRgb = 0;
constexpr PixelFormat kFormat24bppRgb = 0x00021808;
constexpr PixelFormat kFormat32bppRgb = 0x00022009;
constexpr PixelFormat kFormat32bppArgb = 0x0026200A;
constexpr UINT kLockWrite = 2;

}  // namespace

Status CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits, GpBitmap** bitmap) {
  static const auto create =
      Raw<decltype(FunctionTable::GdipCreateBitmapFromScan0)>("GdipCreateBitmapFromScan0");
  static const auto dispose = Raw<decltype(FunctionTable::GdipDisposeImage)>("GdipDisposeImage");
  if (create == nullptr || dispose == nullptr) {
    return Status::NotImplemented;
  }
  if (info == nullptr || bits == nullptr || bitmap == nullptr) return Status::InvalidParameter;
  *bitmap = nullptr;

  const BITMAPINFOHEADER& header = info->bmiHeader;
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biWidth <= 0 || header.biHeight == 0 ||
      header.biHeight == std::numeric_limits<std::int32_t>::min() || header.biPlanes != 1) {
    return Status::InvalidParameter;
  }
  if (header.biCompression != kBiRgb) return Status::NotImplemented;
  PixelFormat format = 0;
  switch (header.biBitCount) {
    case 24:
      format = kFormat24bppRgb;
      break;
    case 32:
      format = kFormat32bppRgb;
      break;
    default:
      return Status::NotImplemented;
  }

  const bool topDown = header.biHeight < 0;
  const std::int64_t width = header.biWidth;
  const std::int64_t height = topDown ? -static_cast<std::int64_t>(header.biHeight)
                                      : static_cast<std::int64_t>(header.biHeight);
  const std::int64_t bytesPerPixel = header.biBitCount / 8;
  // DIB rows are padded to whole 32-bit words.
  const std::int64_t dibStride = ((width * header.biBitCount + 31) / 32) * 4;
  if (dibStride * height > std::numeric_limits<std::int32_t>::max() ||
      width * 4 * height > std::numeric_limits<std::int32_t>::max()) {
    return Status::OutOfMemory;
  }

  GpBitmap* result = nullptr;
  Status status =
      create(static_cast<INT>(width), static_cast<INT>(height), 0, format, nullptr, &result);
  if (status != Status::Ok) return status;

  const GpRect area{0, 0, static_cast<INT>(width), static_cast<INT>(height)};
  BitmapData data{};
  status = BitmapLockBits(result, &area, kLockWrite, kFormat32bppArgb, &data);
  if (status != Status::Ok) {
    dispose(reinterpret_cast<GpImage*>(result));
    return status;
  }
  const auto* source = static_cast<const BYTE*>(bits);
  auto* target = static_cast<BYTE*>(data.Scan0);
  for (std::int64_t y = 0; y < height; ++y) {
    const BYTE* row = source + (topDown ? y : height - 1 - y) * dibStride;
    auto* out = reinterpret_cast<ARGB*>(target + y * data.Stride);
    for (std::int64_t x = 0; x < width; ++x) {
      const BYTE* pixel = row + x * bytesPerPixel;
      out[x] = 0xFF000000u | (ARGB{pixel[2]} << 16) | (ARGB{pixel[1]} << 8) | ARGB{pixel[0]};
    }
  }
  status = BitmapUnlockBits(result, &data);
  if (status != Status::Ok) {
    dispose(reinterpret_cast<GpImage*>(result));
    return status;
  }
  *bitmap = result;
  return Status::Ok;
}

}  // namespace charart::gdiplus::adapters
