// EXIF fields of a JPEG decoded from a stream. libgdiplus reads them only
// when it loads a JPEG from a file; from a stream it drops them. After a
// stream load, the adapter reads the APP1 "Exif" block itself and gives the
// image one property item per field of the main directory and of its EXIF
// and GPS directories (values in little-endian order, as GDI+ hands them
// out). The thumbnail directory is not read.
#include <algorithm>
#include <cstring>
#include <set>
#include <vector>

#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/image_codec_internal.h"
#include "platform/gdiplus/adapters/tiff_field_types.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr std::uint16_t kExifDirectory = 0x8769;
constexpr std::uint16_t kGpsDirectory = 0x8825;

class Fields {
 public:
  Fields(const std::uint8_t* tiff, std::size_t size) : tiff_(tiff), size_(size) {}

  bool Read(std::vector<PropertyItem>& items, std::vector<std::vector<BYTE>>& values) {
    if (size_ < 8) return false;
    if (tiff_[0] == 'I' && tiff_[1] == 'I') {
      little_ = true;
    } else if (!(tiff_[0] == 'M' && tiff_[1] == 'M')) {
      return false;
    }
    if (U16(2) != 42) return false;
    Directory(U32(4), items, values);
    return true;
  }

 private:
  // Bytes per number to put in little-endian order (rationals are two).
  static std::uint32_t SwapUnit(std::uint16_t type) {
    switch (type) {
      case 3:
      case 8:
        return 2;
      case 4:
      case 9:
      case 11:
      case 5:
      case 10:
        return 4;
      case 12:
        return 8;
      default:
        return 1;
    }
  }
  std::uint16_t U16(std::size_t at) const {
    return little_ ? static_cast<std::uint16_t>(tiff_[at] | tiff_[at + 1] << 8)
                   : static_cast<std::uint16_t>(tiff_[at] << 8 | tiff_[at + 1]);
  }
  std::uint32_t U32(std::size_t at) const {
    const std::uint32_t b0 = tiff_[at], b1 = tiff_[at + 1], b2 = tiff_[at + 2], b3 = tiff_[at + 3];
    return little_ ? (b0 | b1 << 8 | b2 << 16 | b3 << 24) : (b0 << 24 | b1 << 16 | b2 << 8 | b3);
  }

  void Directory(std::uint32_t at, std::vector<PropertyItem>& items,
                 std::vector<std::vector<BYTE>>& values) {
    if (!visited_.insert(at).second || std::uint64_t{at} + 2 > size_) return;
    const std::uint16_t count = U16(at);
    if (std::uint64_t{at} + 2 + 12ull * count > size_) return;
    for (std::uint16_t i = 0; i < count; ++i) {
      const std::size_t entry = at + 2 + 12u * i;
      const std::uint16_t tag = U16(entry);
      const std::uint16_t type = U16(entry + 2);
      const std::uint32_t n = U32(entry + 4);
      if (tag == kExifDirectory || tag == kGpsDirectory) {
        Directory(U32(entry + 8), items, values);
        continue;
      }
      // A directory offset of a directory not followed is no property.
      if (type == kTiffIfdType) continue;
      const std::uint64_t length = std::uint64_t{TiffFieldTypeSize(type)} * n;
      if (length == 0 || length > 0xFFFF) continue;
      const std::uint64_t from = length > 4 ? U32(entry + 8) : entry + 8;
      if (from + length > size_) continue;
      std::vector<BYTE> value(tiff_ + from, tiff_ + from + length);
      const std::uint32_t unit = SwapUnit(type);
      if (!little_ && unit > 1) {
        for (std::size_t k = 0; k + unit <= value.size(); k += unit) {
          std::reverse(value.begin() + static_cast<std::ptrdiff_t>(k),
                       value.begin() + static_cast<std::ptrdiff_t>(k + unit));
        }
      }
      values.push_back(std::move(value));
      items.push_back(PropertyItem{tag, static_cast<ULONG>(length), type, nullptr});
    }
  }

  const std::uint8_t* tiff_;
  std::size_t size_;
  bool little_ = false;
  std::set<std::uint32_t> visited_;
};

// The TIFF block of the first APP1 "Exif" segment, if any.
bool FindExif(const std::vector<std::uint8_t>& jpeg, std::size_t& start, std::size_t& size) {
  if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return false;
  std::size_t at = 2;
  while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
    const std::uint8_t marker = jpeg[at + 1];
    if (marker == 0xDA || marker == 0xD9) return false;  // image data: no more headers
    const std::size_t length = jpeg[at + 2] << 8 | jpeg[at + 3];
    if (length < 2 || at + 2 + length > jpeg.size()) return false;
    if (marker == 0xE1 && length >= 8 && std::memcmp(&jpeg[at + 4], "Exif\0\0", 6) == 0) {
      start = at + 10;
      size = length - 8;
      return true;
    }
    at += 2 + length;
  }
  return false;
}

}  // namespace

void AddExifProperties(GpImage* image, const std::vector<std::uint8_t>& jpeg) {
  static const auto count =
      Raw<decltype(FunctionTable::GdipGetPropertyCount)>("GdipGetPropertyCount");
  static const auto set = Raw<decltype(FunctionTable::GdipSetPropertyItem)>("GdipSetPropertyItem");
  if (count == nullptr || set == nullptr || image == nullptr) return;
  UINT existing = 0;
  if (count(image, &existing) != Status::Ok || existing != 0) return;  // read already
  std::size_t start = 0;
  std::size_t size = 0;
  if (!FindExif(jpeg, start, size)) return;
  std::vector<PropertyItem> items;
  std::vector<std::vector<BYTE>> values;
  if (!Fields(jpeg.data() + start, size).Read(items, values)) return;
  for (std::size_t i = 0; i < items.size(); ++i) {
    items[i].value = values[i].data();
    set(image, &items[i]);
  }
}

}  // namespace charart::gdiplus::adapters
