// GdipCreateRegionRgnData. libgdiplus serialises a region of several
// rectangles as one rectangle record followed by all of them, but reads back
// only the first, so a region read from its own data lost every rectangle
// after the first. The adapter lets libgdiplus validate the data (header,
// checksum) and make the region of the first rectangle, then unites the
// rest, which gives back the region that was serialised.
#include <cstring>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr std::size_t kHeaderSize = 16;  // size, checksum, magic, combining ops
constexpr std::uint32_t kRectRecord = 0x10000000;
constexpr INT kCombineUnion = 2;

}  // namespace

Status CreateRegionRgnData(const BYTE* regionData, INT size, GpRegion** region) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipCreateRegionRgnData)>("GdipCreateRegionRgnData");
  static const auto combine =
      Raw<decltype(FunctionTable::GdipCombineRegionRect)>("GdipCombineRegionRect");
  static const auto remove = Raw<decltype(FunctionTable::GdipDeleteRegion)>("GdipDeleteRegion");
  if (raw == nullptr || combine == nullptr || remove == nullptr) return Status::NotImplemented;
  const Status status = raw(regionData, size, region);
  if (status != Status::Ok) return status;
  // Valid data: the checksum covered all `size` bytes.
  std::uint32_t record = 0;
  if (static_cast<std::size_t>(size) < kHeaderSize + sizeof record) return status;
  std::memcpy(&record, regionData + kHeaderSize, sizeof record);
  if (record != kRectRecord) return status;
  const std::size_t rects =
      (static_cast<std::size_t>(size) - kHeaderSize - sizeof record) / sizeof(GpRectF);
  for (std::size_t i = 1; i < rects; ++i) {
    GpRectF rect;
    std::memcpy(&rect, regionData + kHeaderSize + sizeof record + i * sizeof(GpRectF), sizeof rect);
    if (Status united = combine(*region, &rect, kCombineUnion); united != Status::Ok) {
      remove(*region);
      *region = nullptr;
      return united;
    }
  }
  return Status::Ok;
}

}  // namespace charart::gdiplus::adapters
