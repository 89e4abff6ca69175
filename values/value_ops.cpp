#include "values/value_ops.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace charart::values {

std::int32_t CompareText(const Text& a, const Text& b) {
  if (a.IsMissing()) return b.IsEmpty() ? 0 : -1;
  if (b.IsMissing()) return a.IsEmpty() ? 0 : 1;
  const std::string_view x = a.View();
  const std::string_view y = b.View();
  const std::size_t common = std::min(x.size(), y.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto p = static_cast<unsigned char>(x[i]);
    const auto q = static_cast<unsigned char>(y[i]);
    if (p != q) return p < q ? -1 : 1;
  }
  // The shorter text meets its NUL first, and NUL is below every byte.
  if (x.size() == y.size()) return 0;
  return x.size() < y.size() ? -1 : 1;
}

std::int32_t TextLength(const Text& t) {
  return t.Length();
}

Text ConcatTexts(std::initializer_list<const Text*> parts) {
  std::size_t total = 0;
  for (const Text* part : parts) total += part == nullptr ? 0 : part->View().size();
  std::string joined;
  joined.reserve(total);
  for (const Text* part : parts) {
    if (part != nullptr) joined.append(part->View());
  }
  return Text(std::string_view(joined));
}

std::int32_t CompareBytes(const void* a, const void* b, std::uint32_t n) {
  if (n == 0) return 0;
  const int result = std::memcmp(a, b, n);  // memcmp compares unsigned bytes
  return result < 0 ? -1 : (result > 0 ? 1 : 0);
}

ByteSet ConcatByteSets(std::initializer_list<const ByteSet*> parts) {
  std::size_t total = 0;
  for (const ByteSet* part : parts) total += part == nullptr ? 0 : part->Bytes().size();
  if (total == 0) return ByteSet();
  std::vector<std::uint8_t> joined;
  joined.reserve(total);
  for (const ByteSet* part : parts) {
    if (part == nullptr) continue;
    const auto bytes = part->Bytes();
    joined.insert(joined.end(), bytes.begin(), bytes.end());
  }
  return ByteSet(std::move(joined));
}

std::int64_t TruncateToInteger(double x) {
  if (std::isnan(x)) return 0;
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (x >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (x <= -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(x);  // C++ converts toward zero
}

std::int32_t LowInt32(std::int64_t x) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(x)));
}

std::int32_t StoreInt32(double x) {
  return LowInt32(TruncateToInteger(x));
}

}  // namespace charart::values
