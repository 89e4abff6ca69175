// FontFamily: owns one GDI+ font family, made from a family name (Text or
// UTF-16), one of the three generic families, or a clone; answers the name
// and the design metrics. Destroying a FontFamily leaves the native family
// alive: its owner gives it back with Delete (Font's CreateFromName does so
// with its temporary family). Families handed out by FontCollection's
// GetFamilyList may be given back with Delete too: libgdiplus allocates each
// one it lists.
#pragma once

#include <cstdint>
#include <memory>

#include "imaging/core/gdiplus_object.h"
#include "values/byte_set.h"
#include "values/text.h"

namespace charart::imaging {

class FontCollection;

class FontFamily : public GdiplusObject {
 public:
  FontFamily() = default;
  FontFamily(FontFamily&& other) noexcept { TakeFrom(other); }
  FontFamily& operator=(FontFamily&& other) noexcept;
  ~FontFamily() override { FontFamily::Destroy(); }

  // 0: nothing on the GDI+ side.
  void Destroy() override {}
  // 1
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 4
  void OnHandleSet(Handle handle) override;
  // 7: false without a call, LastStatus untouched, when empty.
  virtual bool Delete();
  // 8: the name goes to GDI+ as UTF-16 (ANSI code page). A collection object
  // that holds no collection passes a null collection: the installed fonts.
  virtual bool CreateFromName(const values::Text& name, const FontCollection& collection);
  // 9: `name` holds a zero-terminated UTF-16 name; an empty byte set passes
  // a null name.
  virtual bool CreateFromNameW(const values::ByteSet& name, const FontCollection& collection);
  // 10-12
  virtual bool GetGenericSansSerif();
  virtual bool GetGenericSerif();
  virtual bool GetGenericMonospace();
  // 13: the target receives the clone's handle, 0 when GDI+ fails.
  virtual bool Clone(FontFamily& target);
  // 14: the neutral-language name; the empty text on failure.
  [[nodiscard]] virtual values::Text GetFamilyName();
  // 15: the name as exactly 64 bytes of UTF-16, zero-padded.
  [[nodiscard]] virtual values::ByteSet GetFamilyNameW();
  // 16
  [[nodiscard]] virtual bool IsStyleAvailable(std::int32_t style);
  // 17-20: design units; GDI+ answers 16 bits, returned zero-extended.
  [[nodiscard]] virtual std::int32_t GetEmHeight(std::int32_t style);
  [[nodiscard]] virtual std::int32_t GetCellAscent(std::int32_t style);
  [[nodiscard]] virtual std::int32_t GetCellDescent(std::int32_t style);
  [[nodiscard]] virtual std::int32_t GetLineSpacing(std::int32_t style);

  Handle familyHandle = 0;
};

}  // namespace charart::imaging
