// The point-array buffer pass: how a Graphics operation hands an array of
// point or rectangle records to GDI+. The records are copied, in storage
// order, into one contiguous buffer of `count` records (nothing is allocated
// for an empty array); GDI+ is called with the buffer and the record count;
// the buffer is then copied back into the records (GDI+ writes converted
// coordinates there for the transform operations and leaves it alone for the
// drawing ones) and released.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>

#include "imaging/core/records.h"
#include "platform/gdiplus/gdiplus_types.h"
#include "values/value_array.h"

namespace charart::imaging {

// The flat record GDI+ reads for each of ours.
template <typename Record>
struct FlatRecord;
template <>
struct FlatRecord<PointF> {
  using Type = gdiplus::GpPointF;
};
template <>
struct FlatRecord<Point> {
  using Type = gdiplus::GpPoint;
};
template <>
struct FlatRecord<RectF> {
  using Type = gdiplus::GpRectF;
};
template <>
struct FlatRecord<Rect> {
  using Type = gdiplus::GpRect;
};

template <typename Record>
class PointArrayBuffer {
 public:
  using Flat = typename FlatRecord<Record>::Type;
  static_assert(sizeof(Flat) == sizeof(Record) && std::is_trivially_copyable_v<Record>);

  // Copies the array's records in; the array must outlive the buffer.
  explicit PointArrayBuffer(values::ValueArray<Record>& array)
      : array_(array), count_(array.Count()) {
    if (count_ == 0) return;
    buffer_ = std::make_unique<Flat[]>(static_cast<std::size_t>(count_));
    std::memcpy(buffer_.get(), array_.Data(), Bytes());
  }
  // Copies the buffer back into the records, then releases it.
  ~PointArrayBuffer() {
    if (count_ != 0) std::memcpy(static_cast<void*>(array_.Data()), buffer_.get(), Bytes());
  }
  PointArrayBuffer(const PointArrayBuffer&) = delete;
  PointArrayBuffer& operator=(const PointArrayBuffer&) = delete;

  // The buffer GDI+ receives: null when the array is empty.
  Flat* Data() { return buffer_.get(); }
  // The number of records (not bytes).
  std::int32_t Count() const { return count_; }

 private:
  std::size_t Bytes() const { return static_cast<std::size_t>(count_) * sizeof(Flat); }

  values::ValueArray<Record>& array_;
  std::int32_t count_;
  std::unique_ptr<Flat[]> buffer_;
};

// One pass: `call(buffer, count)` makes the GDI+ call and returns its Status;
// the records have been copied back when this returns it.
template <typename Record, typename Call>
gdiplus::Status PassPointArray(values::ValueArray<Record>& array, Call&& call) {
  PointArrayBuffer<Record> buffer(array);
  return call(buffer.Data(), buffer.Count());
}

}  // namespace charart::imaging
