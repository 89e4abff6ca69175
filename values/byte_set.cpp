#include "values/byte_set.h"

#include <cstring>

namespace charart::values {

ByteSet::ByteSet(const void* data, std::size_t length) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  bytes_.emplace(bytes, bytes + (data == nullptr ? 0 : length));
}

ByteSet ByteSet::Zeroed(std::int64_t length) {
  if (length <= 0) return ByteSet();
  return ByteSet(std::vector<std::uint8_t>(static_cast<std::size_t>(length), 0));
}

std::vector<std::uint8_t> ByteSet::Block() const {
  const std::int32_t length = Length();
  std::vector<std::uint8_t> block(8 + static_cast<std::size_t>(length));
  const std::int32_t header[2] = {1, length};
  std::memcpy(block.data(), header, sizeof header);  // our platform is little-endian
  if (length > 0) std::memcpy(block.data() + 8, bytes_->data(), static_cast<std::size_t>(length));
  return block;
}

bool operator==(const ByteSet& a, const ByteSet& b) {
  const std::int32_t length = a.Length();
  if (length != b.Length()) return false;
  if (length == 0) return true;
  return std::memcmp(a.Data(), b.Data(), static_cast<std::size_t>(length)) == 0;
}

}  // namespace charart::values
