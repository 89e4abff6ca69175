// StringFormat: owns one GDI+ string format, the layout rules the graphics
// text operations apply: flags, alignment, line alignment, trimming, hotkey
// prefix, tab stops, digit substitution and measurable character ranges.
// Optional values are passed on as given (omitted means 0). The digit
// substitution operations take the method first and the language second,
// the other way round from GDI+.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "imaging/core/gdiplus_object.h"
#include "imaging/core/records.h"
#include "values/value_array.h"

namespace charart::imaging {

class StringFormat : public GdiplusObject {
 public:
  StringFormat() = default;
  StringFormat(StringFormat&& other) noexcept { TakeFrom(other); }
  StringFormat& operator=(StringFormat&& other) noexcept;
  ~StringFormat() override { StringFormat::Destroy(); }

  // 0: deletes the format still held.
  void Destroy() override;
  // 1
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 4
  void OnHandleSet(Handle handle) override;
  // 7: false without a call, LastStatus untouched, when empty.
  virtual bool Delete();
  // 8
  virtual bool Create(std::optional<std::int32_t> formatFlags = std::nullopt,
                      std::optional<std::int32_t> language = std::nullopt);
  // 9, 10: GDI+'s generic formats, given back with Delete like any other.
  virtual bool GetGenericDefault();
  virtual bool GetGenericTypographic();
  // 11: the target receives the clone's handle, 0 when GDI+ fails.
  virtual bool Clone(StringFormat& target);
  // 12-21
  virtual bool SetFlags(std::int32_t formatFlags);
  [[nodiscard]] virtual std::int32_t GetFlags();
  virtual bool SetAlignment(std::int32_t alignment);
  [[nodiscard]] virtual std::int32_t GetAlignment();
  virtual bool SetLineAlignment(std::int32_t alignment);
  [[nodiscard]] virtual std::int32_t GetLineAlignment();
  virtual bool SetTrimming(std::int32_t trimming);
  [[nodiscard]] virtual std::int32_t GetTrimming();
  virtual bool SetHotkeyPrefix(std::int32_t prefix);
  [[nodiscard]] virtual std::int32_t GetHotkeyPrefix();
  // 22
  virtual bool SetTabStops(float firstTabOffset, const values::ValueArray<float>& tabStops);
  // 23: replaces `tabStops` by an array of the tab-stop count and fills it
  // and firstTabOffset. Returns the count; 0, with both left as they were,
  // when the count cannot be read.
  virtual std::int32_t GetTabStops(float& firstTabOffset, values::ValueArray<float>& tabStops);
  // 24
  virtual bool SetDigitSubstitution(std::int32_t substitute,
                                    std::optional<std::int32_t> language = std::nullopt);
  // 25: `language`, when given, receives the 16-bit language identifier
  // (zero-extended); it is written only when GDI+ succeeds.
  virtual bool GetDigitSubstitution(std::int32_t& substitute, std::int32_t* language = nullptr);
  // 26: an empty array passes count 0 and a null buffer.
  virtual bool SetMeasurableCharacterRanges(const values::ValueArray<CharacterRange>& ranges);
  // 27
  [[nodiscard]] virtual std::int32_t GetMeasurableCharacterRangeCount();

  Handle formatHandle = 0;
};

}  // namespace charart::imaging
