// ByteSet: a length-prefixed byte value (UTF-16 strings, encoded pictures,
// GUIDs). A missing byte set reads as empty; two byte sets are equal when their
// lengths and bytes are, so a missing one equals an empty one.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace charart::values {

class ByteSet {
 public:
  ByteSet() = default;  // the missing byte set
  explicit ByteSet(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  ByteSet(const void* data, std::size_t length);
  // A zero-filled byte set of `length` bytes; missing when length <= 0.
  static ByteSet Zeroed(std::int64_t length);

  bool IsMissing() const { return !bytes_.has_value(); }
  std::int32_t Length() const { return bytes_ ? static_cast<std::int32_t>(bytes_->size()) : 0; }
  bool IsEmpty() const { return Length() == 0; }
  // The first data byte; null when the byte set is empty or missing.
  std::uint8_t* Data() { return IsEmpty() ? nullptr : bytes_->data(); }
  const std::uint8_t* Data() const { return IsEmpty() ? nullptr : bytes_->data(); }
  std::span<const std::uint8_t> Bytes() const {
    return bytes_ ? std::span<const std::uint8_t>(*bytes_) : std::span<const std::uint8_t>();
  }
  // The data as UTF-16 code units (for byte sets that hold UTF-16 text).
  const char16_t* Wide() const { return reinterpret_cast<const char16_t*>(Data()); }

  // The block as the value model lays it out: 32-bit dimension count 1,
  // 32-bit length, then the data (all little-endian).
  std::vector<std::uint8_t> Block() const;

  // Equality of the value model: lengths first, then the bytes.
  friend bool operator==(const ByteSet& a, const ByteSet& b);

 private:
  std::optional<std::vector<std::uint8_t>> bytes_;
};

}  // namespace charart::values
