#include "imaging/resources/font.h"

#include "imaging/resources/font_collection.h"
#include "imaging/resources/font_family.h"
#include "platform/win32/gdi_emulation.h"

namespace charart::imaging {
namespace {

using gdiplus::GpFont;
using gdiplus::GpFontFamily;
using gdiplus::GpGraphics;
using gdiplus::LOGFONTA;

constexpr std::int32_t kLogFontASize = sizeof(LOGFONTA);

}  // namespace

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
  }
  return *this;
}

void Font::Destroy() {
  Delete();
}

std::unique_ptr<GdiplusObject> Font::Copy() const {
  auto copy = std::make_unique<Font>();
  copy->SetHandle(fontHandle);
  copy->MarkBorrowed();
  return copy;
}

void Font::OnHandleSet(Handle handle) {
  fontHandle = handle;
}

bool Font::Delete() {
  return DeleteNative(fontHandle, [&] { return Gdip().GdipDeleteFont(As<GpFont>(fontHandle)); });
}

bool Font::Create(const FontFamily& family, float emSize, std::optional<std::int32_t> style,
                  std::optional<std::int32_t> unit) {
  return FinishCreate(
      Gdip().GdipCreateFont(As<GpFontFamily>(family.GetHandle()), emSize, style.value_or(0),
                            unit.value_or(0), OutHandle<GpFont>(fontHandle)),
      fontHandle);
}

bool Font::CreateFromDefaultGuiFont() {
  void* stockFont = win32::GetStockObject(win32::DEFAULT_GUI_FONT);
  void* buffer = Alloc(kLogFontASize);
  if (buffer == nullptr) return false;
  if (win32::GetObjectA(stockFont, kLogFontASize, buffer) == 0) {
    Free(buffer);
    return false;
  }
  gdiplus::HDC screen = win32::GetDC(nullptr);
  const Status status = Gdip().GdipCreateFontFromLogfontA(
      screen, static_cast<const LOGFONTA*>(buffer), OutHandle<GpFont>(fontHandle));
  win32::ReleaseDC(nullptr, screen);
  Free(buffer);
  return FinishCreate(status, fontHandle);
}

bool Font::CreateFromName(const values::Text& name, float emSize, std::optional<std::int32_t> style,
                          std::optional<std::int32_t> unit) {
  FontFamily family;
  {
    const FontCollection noCollection;
    family.CreateFromName(name, noCollection);
  }
  return CreateFromTemporaryFamily(family, emSize, style, unit);
}

bool Font::CreateFromNameW(const values::ByteSet& name, float emSize,
                           std::optional<std::int32_t> style, std::optional<std::int32_t> unit) {
  FontFamily family;
  {
    const FontCollection noCollection;
    family.CreateFromNameW(name, noCollection);
  }
  return CreateFromTemporaryFamily(family, emSize, style, unit);
}

bool Font::CreateFromTemporaryFamily(FontFamily& family, float emSize,
                                     std::optional<std::int32_t> style,
                                     std::optional<std::int32_t> unit) {
  const Status status =
      Gdip().GdipCreateFont(As<GpFontFamily>(family.GetHandle()), emSize, style.value_or(0),
                            unit.value_or(0), OutHandle<GpFont>(fontHandle));
  SetHandle(fontHandle);
  family.Delete();
  return Record(status);
}

bool Font::CreateFromDC(gdiplus::HDC dc) {
  return FinishCreate(Gdip().GdipCreateFontFromDC(dc, OutHandle<GpFont>(fontHandle)), fontHandle);
}

bool Font::CreateFromHFONT(gdiplus::HDC dc, gdiplus::HFONT font) {
  Status status;
  if (font == nullptr) {
    status = Gdip().GdipCreateFontFromDC(dc, OutHandle<GpFont>(fontHandle));
  } else {
    void* buffer = Alloc(kLogFontASize);
    if (buffer != nullptr && win32::GetObjectA(font, kLogFontASize, buffer) != 0) {
      status = Gdip().GdipCreateFontFromLogfontA(dc, static_cast<const LOGFONTA*>(buffer),
                                                 OutHandle<GpFont>(fontHandle));
    } else {
      status = Gdip().GdipCreateFontFromDC(dc, OutHandle<GpFont>(fontHandle));
    }
    if (buffer != nullptr) Free(buffer);
  }
  return FinishCreate(status, fontHandle);
}

bool Font::CreateFromLogfontA(gdiplus::HDC dc, const gdiplus::LOGFONTA* logFont) {
  const Status status =
      logFont != nullptr
          ? Gdip().GdipCreateFontFromLogfontA(dc, logFont, OutHandle<GpFont>(fontHandle))
          : Gdip().GdipCreateFontFromDC(dc, OutHandle<GpFont>(fontHandle));
  return FinishCreate(status, fontHandle);
}

bool Font::CreateFromLogfontW(gdiplus::HDC dc, const gdiplus::LOGFONTW* logFont) {
  const Status status =
      logFont != nullptr
          ? Gdip().GdipCreateFontFromLogfontW(dc, logFont, OutHandle<GpFont>(fontHandle))
          : Gdip().GdipCreateFontFromDC(dc, OutHandle<GpFont>(fontHandle));
  return FinishCreate(status, fontHandle);
}

bool Font::Clone(Font& target) {
  Handle local = 0;
  return HandOver(Gdip().GdipCloneFont(As<GpFont>(fontHandle), OutHandle<GpFont>(local)), local,
                  target);
}

bool Font::GetLogFontA(const GdiplusObject& graphics, gdiplus::LOGFONTA* logFont) {
  return Record(Gdip().GdipGetLogFontA(As<GpFont>(fontHandle), As<GpGraphics>(graphics.GetHandle()),
                                       logFont));
}

bool Font::GetLogFontW(const GdiplusObject& graphics, gdiplus::LOGFONTW* logFont) {
  return Record(Gdip().GdipGetLogFontW(As<GpFont>(fontHandle), As<GpGraphics>(graphics.GetHandle()),
                                       logFont));
}

bool Font::GetFamily(FontFamily& target) {
  Handle local = 0;
  return HandOver(Gdip().GdipGetFamily(As<GpFont>(fontHandle), OutHandle<GpFontFamily>(local)),
                  local, target);
}

std::int32_t Font::GetStyle() {
  gdiplus::INT style = 0;
  Record(Gdip().GdipGetFontStyle(As<GpFont>(fontHandle), &style));
  return style;
}

float Font::GetSize() {
  float size = 0;
  Record(Gdip().GdipGetFontSize(As<GpFont>(fontHandle), &size));
  return size;
}

std::int32_t Font::GetUnit() {
  gdiplus::INT unit = 0;
  Record(Gdip().GdipGetFontUnit(As<GpFont>(fontHandle), &unit));
  return unit;
}

float Font::GetHeight(const GdiplusObject& graphics) {
  float height = 0;
  Record(Gdip().GdipGetFontHeight(As<GpFont>(fontHandle), As<GpGraphics>(graphics.GetHandle()),
                                  &height));
  return height;
}

float Font::GetHeightGivenDPI(float dpi) {
  float height = 0;
  Record(Gdip().GdipGetFontHeightGivenDPI(As<GpFont>(fontHandle), dpi, &height));
  return height;
}

}  // namespace charart::imaging
