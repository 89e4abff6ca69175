// Bitmap: owns one GDI+ image (always a bitmap here) and offers the GDI+
// image and bitmap interface: creation and loading, cloning, queries,
// window-system handles, locked bits and single pixels, the installed
// encoders and saving, palettes, frames and properties, effects and free
// rotation.
//
// The class has two levels. The image level mirrors the handle in
// imageHandle, which every image call passes; the bitmap level mirrors it in
// bitmapHandle, which the creation calls write and every bitmap call passes.
// After any SetHandle the three handle members agree. Two memory streams are
// member objects: bitmapStream keeps the encoded bytes behind a bitmap made by
// CreateFromStream until Dispose, the next CreateFromStream or Destroy;
// imageStream is kept for the layout and stays empty.
//
// Output bitmaps (the targets of Clone, GetThumbnail, CloneArea, CloneAreaI
// and Rotate) receive the new handle through their SetHandle, also when GDI+
// failed. A target may be the source itself: the object then holds the new
// bitmap. A target that owned an image before (itself included) disposes
// that image once the new handle is in place, so nothing is leaked and the
// old image is never used again. A create operation, as for every class,
// overwrites the handle without disposing what the object held.
//
// Copy() returns a borrowing copy: it names the same native image but never
// disposes it, and its stream members are empty, so the source alone
// releases the image and the stream behind it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "imaging/core/effect.h"
#include "imaging/core/gdiplus_object.h"
#include "imaging/core/memory_stream.h"
#include "imaging/core/records.h"
#include "platform/gdiplus/gdiplus_types.h"
#include "values/byte_set.h"
#include "values/text.h"
#include "values/value_array.h"

namespace charart::imaging {

// A 32-bit colour 0xAARRGGBB as GDI+ takes it.
using ArgbColor = std::uint32_t;

// GDI+'s 32 bits per pixel ARGB format: the default of CreateFromSize.
inline constexpr std::int32_t kPixelFormat32bppArgb = 0x26200A;

// The image-format identifiers the system itself names.
inline constexpr const char* kImageFormatPng = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* kImageFormatBmp = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";

class Bitmap : public GdiplusObject {
 public:
  Bitmap();
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  ~Bitmap() override;

  // 0: disposes the image, then releases both stream members.
  void Destroy() override;
  // 1: a borrowing copy (see above).
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 4: writes imageHandle, then OnDerivedHandleSet.
  void OnHandleSet(Handle handle) override;
  // 7: writes bitmapHandle.
  virtual void OnDerivedHandleSet(Handle handle);
  // 8: releases bitmapStream, then disposes the image. False without any
  // call, LastStatus untouched, when the object holds no bitmap.
  virtual bool Dispose();
  // 9: the colour-managed function when useIcm is true; the name goes to
  // GDI+ in UTF-16 through the ANSI code page.
  virtual bool CreateFromFile(const values::Text& fileName,
                              std::optional<bool> useIcm = std::nullopt);
  // 10: fileName holds a NUL-terminated UTF-16 string.
  virtual bool CreateFromFileW(const values::ByteSet& fileName,
                               std::optional<bool> useIcm = std::nullopt);
  // 11: decodes `bytes` through bitmapStream, which keeps them afterwards.
  virtual bool CreateFromStream(const values::ByteSet& bytes,
                                std::optional<bool> useIcm = std::nullopt);
  // 12
  virtual bool Clone(Bitmap& target);
  // 13: the parameters the encoder of `format` (a GUID text) accepts.
  virtual bool GetEncoderParameterList(const values::Text& format, EncoderParameters& params);
  // 14, 15: format defaults to BMP. A format no installed encoder writes
  // gives false without a GDI+ call and leaves LastStatus alone.
  virtual bool SaveToFile(const values::Text& fileName,
                          std::optional<values::Text> format = std::nullopt,
                          const std::optional<EncoderParameters>& params = std::nullopt);
  virtual bool SaveToFileW(const values::ByteSet& fileName,
                           std::optional<values::Text> format = std::nullopt,
                           const std::optional<EncoderParameters>& params = std::nullopt);
  // 16: the encoded image; format defaults to the image's own. Empty when no
  // encoder writes the format (LastStatus untouched) or GDI+ failed.
  [[nodiscard]] virtual values::ByteSet SaveToBytes(
      std::optional<values::Text> format = std::nullopt,
      const std::optional<EncoderParameters>& params = std::nullopt);
  // 17, 18: continue a multi-frame file begun by SaveToFile.
  virtual bool SaveAdd(const EncoderParameters& params);
  virtual bool SaveAddImage(const Bitmap& image, const EncoderParameters& params);
  // 19-28: queries; 0 (or empty) when GDI+ fails.
  [[nodiscard]] virtual std::int32_t GetType();
  [[nodiscard]] virtual SizeF GetDimension();
  // The Status itself; `unit`, when given, receives the bounds' unit.
  virtual std::int32_t GetBounds(RectF& rect, std::int32_t* unit = nullptr);
  [[nodiscard]] virtual std::int32_t GetWidth();
  [[nodiscard]] virtual std::int32_t GetHeight();
  [[nodiscard]] virtual float GetHorizontalResolution();
  [[nodiscard]] virtual float GetVerticalResolution();
  [[nodiscard]] virtual std::int32_t GetFlags();
  // The format GUID text, e.g. kImageFormatPng; empty when GDI+ fails.
  [[nodiscard]] virtual values::Text GetRawFormat();
  [[nodiscard]] virtual std::int32_t GetPixelFormat();
  // 29: the image's palette; false (palette untouched) when GDI+ fails.
  virtual bool GetPalette(ColorPalette& palette);
  // 30: GDI+ gets Flags, Count and the entries; Count never claims more
  // entries than the record holds.
  virtual bool SetPalette(const ColorPalette& palette);
  // 31
  virtual bool GetThumbnail(std::int32_t width, std::int32_t height, Bitmap& target);
  // 32-34: frame dimensions are GUID texts; a text that is none passes the
  // all-zero GUID.
  [[nodiscard]] virtual std::int32_t GetFrameCount(const values::Text& dimension);
  virtual std::int32_t GetFrameDimensionsList(values::ValueArray<values::Text>& dimensions);
  virtual bool SelectActiveFrame(const values::Text& dimension, std::int32_t index);
  // 35: GDI+ RotateFlipType.
  virtual bool RotateFlip(std::int32_t type);
  // 36: one delay per frame, in hundredths of a second (property 0x5100);
  // false, delays untouched, without that property.
  virtual bool GetFrameDelays(values::ValueArray<std::int32_t>& delays);
  // 37-40: property items (EXIF fields and the like). SetPropertyItem
  // refuses, with InvalidParameter and no GDI+ call, an item whose Length
  // is negative or larger than its Value.
  virtual bool GetPropertyItem(std::int32_t id, PropertyItem& item);
  virtual bool SetPropertyItem(const PropertyItem& item);
  virtual bool RemovePropertyItem(std::int32_t id);
  virtual std::int32_t GetPropertyIdList(values::ValueArray<std::int32_t>& ids);
  // 41: scan0 omitted lets GDI+ allocate and clear the pixels.
  virtual bool CreateFromScan0(std::int32_t width, std::int32_t height, std::int32_t stride,
                               std::int32_t format, std::optional<void*> scan0 = std::nullopt);
  // 42: format defaults to kPixelFormat32bppArgb; the pixels start cleared.
  virtual bool CreateFromSize(std::int32_t width, std::int32_t height,
                              std::optional<std::int32_t> format = std::nullopt);
  // 43: a bitmap with the resolution of `graphics`.
  virtual bool CreateFromGraphics(std::int32_t width, std::int32_t height,
                                  const GdiplusObject& graphics);
  // 44: `info` is a BITMAPINFO, `bits` its pixels; they are copied.
  virtual bool CreateFromGdiDib(const void* info, void* bits);
  // 45, 46: only handles made by CreateHBITMAP / CreateHICON are accepted.
  virtual bool CreateFromHBITMAP(gdiplus::HBITMAP hbitmap,
                                 std::optional<gdiplus::HPALETTE> palette = std::nullopt);
  virtual bool CreateFromHICON(gdiplus::HICON icon);
  // 47: name is a resource number or the address of a UTF-16 name.
  virtual bool CreateFromResource(gdiplus::HINSTANCE instance, std::uintptr_t name);
  // 48, 49: new handles owned by the caller (win32::DeleteObject,
  // win32::DestroyIcon); null when GDI+ fails.
  [[nodiscard]] virtual gdiplus::HBITMAP CreateHBITMAP(
      std::optional<ArgbColor> background = std::nullopt);
  [[nodiscard]] virtual gdiplus::HICON CreateHICON();
  // 50, 51
  virtual bool CloneArea(const RectF& rect, std::int32_t format, Bitmap& target);
  virtual bool CloneAreaI(const Rect& rect, std::int32_t format, Bitmap& target);
  // 52, 53: GDI+ fills `data` in place; UnlockBits takes the same record.
  virtual bool LockBits(const Rect& rect, std::int32_t flags, std::int32_t format,
                        BitmapData& data);
  virtual bool UnlockBits(BitmapData& data);
  // 54-56
  [[nodiscard]] virtual ArgbColor GetPixel(std::int32_t x, std::int32_t y);
  virtual bool SetPixel(std::int32_t x, std::int32_t y, ArgbColor color);
  virtual bool SetResolution(float dpiX, float dpiY);
  // 57: frees the effect's previous auxiliary data with GdipFree, applies it
  // to `area` (left, top, right, bottom) or the whole bitmap, and leaves the
  // new auxiliary data with the effect.
  virtual bool ApplyEffect(Effect& effect, std::optional<gdiplus::RECT> area = std::nullopt);
  // 58: the picture rotated by `angle` degrees (clockwise) about its centre
  // into a new 32-bit ARGB bitmap handed to `target` (which may be this
  // bitmap), on a canvas of `size` or GetRotatedSize's; the canvas is
  // cleared or filled with `background` first.
  virtual bool Rotate(float angle, Bitmap& target,
                      std::optional<ArgbColor> background = std::nullopt,
                      std::optional<std::int32_t> interpolation = std::nullopt,
                      std::optional<SizeF> size = std::nullopt);
  // 59: the canvas a rotation by whole degrees needs, measured between the
  // centres of the corner pixels. LastStatus is not touched.
  virtual void GetRotatedSize(float width, float height, std::int32_t angle, float& newWidth,
                              float& newHeight);

  Handle imageHandle = 0;
  std::unique_ptr<MemoryStream> imageStream;
  Handle bitmapHandle = 0;
  std::unique_ptr<MemoryStream> bitmapStream;

 private:
  // The output convention, disposing what an owning target held before.
  // `local` is read only after the call in the same expression has written it.
  static bool HandTo(gdiplus::Status status, const Handle& local, Bitmap& target);
  // Encodes into `stream` or a file; shared by the three savers.
  gdiplus::Status SaveWithEncoder(const values::Text& clsidText,
                                  const std::optional<EncoderParameters>& params,
                                  const values::ByteSet* fileName, gdiplus::IStream* stream);
};

// The installed encoders; their number (0 when the size query fails, `list`
// then untouched).
std::int32_t GetImageEncoders(values::ValueArray<ImageCodecInfo>& list);
// The Clsid text of the first encoder writing `format` (compared exactly,
// case included), or the empty text.
values::Text FindEncoderClsid(const values::Text& format);
// GDI+'s EncoderParameters block for `params`. It refers to the Value byte
// sets by address: `params` must outlive its use. The block never claims
// more entries than it holds.
values::ByteSet BuildEncoderParameters(const EncoderParameters& params);

}  // namespace charart::imaging
