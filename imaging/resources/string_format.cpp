#include "imaging/resources/string_format.h"

namespace charart::imaging {
namespace {

using gdiplus::GpStringFormat;
using gdiplus::LANGID;

static_assert(sizeof(CharacterRange) == sizeof(gdiplus::CharacterRange));

}  // namespace

StringFormat& StringFormat::operator=(StringFormat&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
  }
  return *this;
}

void StringFormat::Destroy() {
  Delete();
}

std::unique_ptr<GdiplusObject> StringFormat::Copy() const {
  auto copy = std::make_unique<StringFormat>();
  copy->SetHandle(formatHandle);
  copy->MarkBorrowed();
  return copy;
}

void StringFormat::OnHandleSet(Handle handle) {
  formatHandle = handle;
}

bool StringFormat::Delete() {
  return DeleteNative(formatHandle, [&] {
    return Gdip().GdipDeleteStringFormat(As<GpStringFormat>(formatHandle));
  });
}

bool StringFormat::Create(std::optional<std::int32_t> formatFlags,
                          std::optional<std::int32_t> language) {
  return FinishCreate(Gdip().GdipCreateStringFormat(formatFlags.value_or(0),
                                                    static_cast<LANGID>(language.value_or(0)),
                                                    OutHandle<GpStringFormat>(formatHandle)),
                      formatHandle);
}

bool StringFormat::GetGenericDefault() {
  return FinishCreate(
      Gdip().GdipStringFormatGetGenericDefault(OutHandle<GpStringFormat>(formatHandle)),
      formatHandle);
}

bool StringFormat::GetGenericTypographic() {
  return FinishCreate(
      Gdip().GdipStringFormatGetGenericTypographic(OutHandle<GpStringFormat>(formatHandle)),
      formatHandle);
}

bool StringFormat::Clone(StringFormat& target) {
  Handle local = 0;
  return HandOver(Gdip().GdipCloneStringFormat(As<GpStringFormat>(formatHandle),
                                               OutHandle<GpStringFormat>(local)),
                  local, target);
}

bool StringFormat::SetFlags(std::int32_t formatFlags) {
  return Record(Gdip().GdipSetStringFormatFlags(As<GpStringFormat>(formatHandle), formatFlags));
}

std::int32_t StringFormat::GetFlags() {
  gdiplus::INT flags = 0;
  Record(Gdip().GdipGetStringFormatFlags(As<GpStringFormat>(formatHandle), &flags));
  return flags;
}

bool StringFormat::SetAlignment(std::int32_t alignment) {
  return Record(Gdip().GdipSetStringFormatAlign(As<GpStringFormat>(formatHandle), alignment));
}

std::int32_t StringFormat::GetAlignment() {
  gdiplus::INT alignment = 0;
  Record(Gdip().GdipGetStringFormatAlign(As<GpStringFormat>(formatHandle), &alignment));
  return alignment;
}

bool StringFormat::SetLineAlignment(std::int32_t alignment) {
  return Record(Gdip().GdipSetStringFormatLineAlign(As<GpStringFormat>(formatHandle), alignment));
}

std::int32_t StringFormat::GetLineAlignment() {
  gdiplus::INT alignment = 0;
  Record(Gdip().GdipGetStringFormatLineAlign(As<GpStringFormat>(formatHandle), &alignment));
  return alignment;
}

bool StringFormat::SetTrimming(std::int32_t trimming) {
  return Record(Gdip().GdipSetStringFormatTrimming(As<GpStringFormat>(formatHandle), trimming));
}

std::int32_t StringFormat::GetTrimming() {
  gdiplus::INT trimming = 0;
  Record(Gdip().GdipGetStringFormatTrimming(As<GpStringFormat>(formatHandle), &trimming));
  return trimming;
}

bool StringFormat::SetHotkeyPrefix(std::int32_t prefix) {
  return Record(Gdip().GdipSetStringFormatHotkeyPrefix(As<GpStringFormat>(formatHandle), prefix));
}

std::int32_t StringFormat::GetHotkeyPrefix() {
  gdiplus::INT prefix = 0;
  Record(Gdip().GdipGetStringFormatHotkeyPrefix(As<GpStringFormat>(formatHandle), &prefix));
  return prefix;
}

bool StringFormat::SetTabStops(float firstTabOffset, const values::ValueArray<float>& tabStops) {
  return Record(Gdip().GdipSetStringFormatTabStops(
      As<GpStringFormat>(formatHandle), firstTabOffset, tabStops.Count(),
      tabStops.Count() > 0 ? tabStops.Data() : nullptr));
}

std::int32_t StringFormat::GetTabStops(float& firstTabOffset, values::ValueArray<float>& tabStops) {
  gdiplus::INT count = 0;
  if (!Record(Gdip().GdipGetStringFormatTabStopCount(As<GpStringFormat>(formatHandle), &count))) {
    return 0;
  }
  tabStops = values::ValueArray<float>::WithDimensions({count < 0 ? 0 : count});
  Record(Gdip().GdipGetStringFormatTabStops(As<GpStringFormat>(formatHandle), tabStops.Count(),
                                            &firstTabOffset,
                                            tabStops.Count() > 0 ? tabStops.Data() : nullptr));
  return count;
}

bool StringFormat::SetDigitSubstitution(std::int32_t substitute,
                                        std::optional<std::int32_t> language) {
  return Record(Gdip().GdipSetStringFormatDigitSubstitution(
      As<GpStringFormat>(formatHandle), static_cast<LANGID>(language.value_or(0)), substitute));
}

bool StringFormat::GetDigitSubstitution(std::int32_t& substitute, std::int32_t* language) {
  LANGID languageId = 0;
  const bool ok = Record(Gdip().GdipGetStringFormatDigitSubstitution(
      As<GpStringFormat>(formatHandle), language != nullptr ? &languageId : nullptr, &substitute));
  if (ok && language != nullptr) *language = languageId;
  return ok;
}

bool StringFormat::SetMeasurableCharacterRanges(const values::ValueArray<CharacterRange>& ranges) {
  const std::int32_t count = ranges.Count();
  return Record(Gdip().GdipSetStringFormatMeasurableCharacterRanges(
      As<GpStringFormat>(formatHandle), count,
      count > 0 ? reinterpret_cast<const gdiplus::CharacterRange*>(ranges.Data()) : nullptr));
}

std::int32_t StringFormat::GetMeasurableCharacterRangeCount() {
  gdiplus::INT count = 0;
  Record(Gdip().GdipGetStringFormatMeasurableCharacterRangeCount(As<GpStringFormat>(formatHandle),
                                                                 &count));
  return count;
}

}  // namespace charart::imaging
