// ValueArray<T>: an array value with dimension sizes and 1-based checked
// indexing. An index below 1 is fatal run-time error 4, one above the element
// count fatal error 1; both end the program through the forms run time.
// Records are stored by value: the array owns them, copies are deep.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <numeric>
#include <vector>

#include "platform/forms/fatal_error.h"

namespace charart::values {

template <typename T>
class ValueArray {
 public:
  // The empty array the system creates: one dimension of size 0.
  ValueArray() : sizes_{0} {}
  // One dimension holding `elements`.
  ValueArray(std::initializer_list<T> elements)
      : sizes_{static_cast<std::int32_t>(elements.size())}, elements_(elements) {}
  explicit ValueArray(std::vector<T> elements)
      : sizes_{static_cast<std::int32_t>(elements.size())}, elements_(std::move(elements)) {}
  // An array of the given dimension sizes, elements value-initialised (0).
  static ValueArray WithDimensions(std::vector<std::int32_t> sizes) {
    ValueArray array;
    array.sizes_ = std::move(sizes);
    array.elements_.assign(ElementCountOf(array.sizes_), T{});
    return array;
  }

  // The element count: the product of the dimension sizes (0 with none).
  std::int32_t Count() const { return static_cast<std::int32_t>(elements_.size()); }
  const std::vector<std::int32_t>& Dimensions() const { return sizes_; }

  // Re-dimensions to one dimension of n elements, all value-initialised.
  void Redim(std::int32_t n) {
    sizes_ = {n < 0 ? 0 : n};
    elements_.assign(static_cast<std::size_t>(sizes_[0]), T{});
  }

  // 1-based, bounds-checked element access.
  T& operator[](std::int64_t index) { return elements_[CheckedOffset(index)]; }
  const T& operator[](std::int64_t index) const { return elements_[CheckedOffset(index)]; }

  // The elements in storage order (contiguous).
  T* Data() { return elements_.data(); }
  const T* Data() const { return elements_.data(); }
  std::vector<T>& Elements() { return elements_; }
  const std::vector<T>& Elements() const { return elements_; }

  bool operator==(const ValueArray&) const = default;

 private:
  static std::size_t ElementCountOf(const std::vector<std::int32_t>& sizes) {
    if (sizes.empty()) return 0;
    std::int64_t count = 1;
    for (auto size : sizes) count *= size < 0 ? 0 : size;
    return static_cast<std::size_t>(count);
  }
  std::size_t CheckedOffset(std::int64_t index) const {
    if (index < 1) forms::FatalError(4, forms::kIndexBelowOneMessage);
    if (index > Count()) forms::FatalError(1, forms::kIndexAboveRangeMessage);
    return static_cast<std::size_t>(index - 1);
  }

  std::vector<std::int32_t> sizes_;
  std::vector<T> elements_;
};

}  // namespace charart::values
