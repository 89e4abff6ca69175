// Text: a multibyte string value (GBK on this system), owned and deep-copied.
// A missing text is distinct from an empty one only where an operation tells
// them apart (CompareText, ConcatTexts); everywhere else it reads as "".
// A text holds no NUL byte: whatever follows the first NUL is cut off.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace charart::values {

class Text {
 public:
  Text() = default;  // the missing text
  // From bytes, cut at the first NUL. A null pointer gives the missing text.
  Text(const char* bytes);  // NOLINT(google-explicit-constructor): literals read naturally
  explicit Text(std::string_view bytes);
  static Text Missing() { return Text(); }

  bool IsMissing() const { return !bytes_.has_value(); }
  bool IsEmpty() const { return !bytes_ || bytes_->empty(); }
  // The bytes before the terminator; "" for a missing text.
  std::string_view View() const { return bytes_ ? std::string_view(*bytes_) : std::string_view(); }
  const char* CStr() const { return bytes_ ? bytes_->c_str() : ""; }
  std::int32_t Length() const { return static_cast<std::int32_t>(View().size()); }

  bool operator==(const Text& other) const = default;

 private:
  std::optional<std::string> bytes_;
};

}  // namespace charart::values
