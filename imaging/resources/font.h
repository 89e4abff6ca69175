// Font: owns one GDI+ font. It is made from a FontFamily, from a family name
// (Text or UTF-16), from the system's default GUI font, from a device context,
// an HFONT or a LOGFONT, or as a clone, and answers its LOGFONT, family,
// style, size, unit and line height. Style and unit are passed on as given:
// omitted, they mean 0 (regular, world units). A create does not delete a
// font the object already holds; Destroy deletes the one it holds.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "imaging/core/gdiplus_object.h"
#include "platform/gdiplus/gdiplus_types.h"
#include "values/byte_set.h"
#include "values/text.h"

namespace charart::imaging {

class FontFamily;

class Font : public GdiplusObject {
 public:
  Font() = default;
  Font(Font&& other) noexcept { TakeFrom(other); }
  Font& operator=(Font&& other) noexcept;
  ~Font() override { Font::Destroy(); }

  // 0: deletes the font still held.
  void Destroy() override;
  // 1
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 4
  void OnHandleSet(Handle handle) override;
  // 7: false without a call, LastStatus untouched, when empty.
  virtual bool Delete();
  // 8
  virtual bool Create(const FontFamily& family, float emSize,
                      std::optional<std::int32_t> style = std::nullopt,
                      std::optional<std::int32_t> unit = std::nullopt);
  // 9: 宋体 at height -12 through the stock GUI font and the screen DC.
  // False without a GDI+ call (LastStatus untouched) when the stock font
  // cannot be read.
  virtual bool CreateFromDefaultGuiFont();
  // 10, 11: through a temporary family made by name in no collection. The
  // result and LastStatus report the font's creation: an unknown family ends
  // in GdipCreateFont's refusal of the null family.
  virtual bool CreateFromName(const values::Text& name, float emSize,
                              std::optional<std::int32_t> style = std::nullopt,
                              std::optional<std::int32_t> unit = std::nullopt);
  virtual bool CreateFromNameW(const values::ByteSet& name, float emSize,
                               std::optional<std::int32_t> style = std::nullopt,
                               std::optional<std::int32_t> unit = std::nullopt);
  // 12
  virtual bool CreateFromDC(gdiplus::HDC dc);
  // 13: font 0 means "the DC's font".
  virtual bool CreateFromHFONT(gdiplus::HDC dc, gdiplus::HFONT font);
  // 14, 15: a null logFont means "the DC's font".
  virtual bool CreateFromLogfontA(gdiplus::HDC dc, const gdiplus::LOGFONTA* logFont);
  virtual bool CreateFromLogfontW(gdiplus::HDC dc, const gdiplus::LOGFONTW* logFont);
  // 16: the target receives the clone's handle, 0 when GDI+ fails.
  virtual bool Clone(Font& target);
  // 17, 18: `graphics` is any object holding a GDI+ graphics.
  virtual bool GetLogFontA(const GdiplusObject& graphics, gdiplus::LOGFONTA* logFont);
  virtual bool GetLogFontW(const GdiplusObject& graphics, gdiplus::LOGFONTW* logFont);
  // 19: the target receives a family of its own (0 when GDI+ fails).
  virtual bool GetFamily(FontFamily& target);
  // 20-24
  [[nodiscard]] virtual std::int32_t GetStyle();
  [[nodiscard]] virtual float GetSize();
  [[nodiscard]] virtual std::int32_t GetUnit();
  [[nodiscard]] virtual float GetHeight(const GdiplusObject& graphics);
  [[nodiscard]] virtual float GetHeightGivenDPI(float dpi);

  Handle fontHandle = 0;

 private:
  // The rest of CreateFromName(W) once the temporary family exists: the font
  // from it, then the family given back; the font's status is the result.
  bool CreateFromTemporaryFamily(FontFamily& family, float emSize,
                                 std::optional<std::int32_t> style,
                                 std::optional<std::int32_t> unit);
};

}  // namespace charart::imaging
