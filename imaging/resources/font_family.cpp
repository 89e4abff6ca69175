#include "imaging/resources/font_family.h"

#include "imaging/resources/font_collection.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using gdiplus::GpFontCollection;
using gdiplus::GpFontFamily;

// Room for 32 UTF-16 code units, the Windows face-name limit.
constexpr std::int64_t kFamilyNameBytes = 64;

}  // namespace

FontFamily& FontFamily::operator=(FontFamily&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
  }
  return *this;
}

std::unique_ptr<GdiplusObject> FontFamily::Copy() const {
  auto copy = std::make_unique<FontFamily>();
  copy->SetHandle(familyHandle);
  copy->MarkBorrowed();
  return copy;
}

void FontFamily::OnHandleSet(Handle handle) {
  familyHandle = handle;
}

bool FontFamily::Delete() {
  return DeleteNative(familyHandle,
                      [&] { return Gdip().GdipDeleteFontFamily(As<GpFontFamily>(familyHandle)); });
}

bool FontFamily::CreateFromName(const values::Text& name, const FontCollection& collection) {
  const values::ByteSet wide = values::TextToWide(name);
  return FinishCreate(
      Gdip().GdipCreateFontFamilyFromName(wide.Wide(), As<GpFontCollection>(collection.GetHandle()),
                                          OutHandle<GpFontFamily>(familyHandle)),
      familyHandle);
}

bool FontFamily::CreateFromNameW(const values::ByteSet& name, const FontCollection& collection) {
  return FinishCreate(
      Gdip().GdipCreateFontFamilyFromName(name.Wide(), As<GpFontCollection>(collection.GetHandle()),
                                          OutHandle<GpFontFamily>(familyHandle)),
      familyHandle);
}

bool FontFamily::GetGenericSansSerif() {
  return FinishCreate(
      Gdip().GdipGetGenericFontFamilySansSerif(OutHandle<GpFontFamily>(familyHandle)),
      familyHandle);
}

bool FontFamily::GetGenericSerif() {
  return FinishCreate(Gdip().GdipGetGenericFontFamilySerif(OutHandle<GpFontFamily>(familyHandle)),
                      familyHandle);
}

bool FontFamily::GetGenericMonospace() {
  return FinishCreate(
      Gdip().GdipGetGenericFontFamilyMonospace(OutHandle<GpFontFamily>(familyHandle)),
      familyHandle);
}

bool FontFamily::Clone(FontFamily& target) {
  Handle local = 0;
  return HandOver(
      Gdip().GdipCloneFontFamily(As<GpFontFamily>(familyHandle), OutHandle<GpFontFamily>(local)),
      local, target);
}

values::Text FontFamily::GetFamilyName() {
  values::ByteSet name = values::ByteSet::Zeroed(kFamilyNameBytes);
  Record(Gdip().GdipGetFamilyName(As<GpFontFamily>(familyHandle),
                                  reinterpret_cast<char16_t*>(name.Data()), 0));
  // The last unit stays zero whatever GDI+ wrote, so the name always ends.
  name.Data()[kFamilyNameBytes - 2] = 0;
  name.Data()[kFamilyNameBytes - 1] = 0;
  return values::WideToText(name.Wide());
}

values::ByteSet FontFamily::GetFamilyNameW() {
  values::ByteSet name = values::ByteSet::Zeroed(kFamilyNameBytes);
  Record(Gdip().GdipGetFamilyName(As<GpFontFamily>(familyHandle),
                                  reinterpret_cast<char16_t*>(name.Data()), 0));
  return name;
}

bool FontFamily::IsStyleAvailable(std::int32_t style) {
  gdiplus::BOOL available = 0;
  Record(Gdip().GdipIsStyleAvailable(As<GpFontFamily>(familyHandle), style, &available));
  return available != 0;
}

std::int32_t FontFamily::GetEmHeight(std::int32_t style) {
  std::uint16_t value = 0;
  Record(Gdip().GdipGetEmHeight(As<GpFontFamily>(familyHandle), style, &value));
  return value;
}

std::int32_t FontFamily::GetCellAscent(std::int32_t style) {
  std::uint16_t value = 0;
  Record(Gdip().GdipGetCellAscent(As<GpFontFamily>(familyHandle), style, &value));
  return value;
}

std::int32_t FontFamily::GetCellDescent(std::int32_t style) {
  std::uint16_t value = 0;
  Record(Gdip().GdipGetCellDescent(As<GpFontFamily>(familyHandle), style, &value));
  return value;
}

std::int32_t FontFamily::GetLineSpacing(std::int32_t style) {
  std::uint16_t value = 0;
  Record(Gdip().GdipGetLineSpacing(As<GpFontFamily>(familyHandle), style, &value));
  return value;
}

}  // namespace charart::imaging
