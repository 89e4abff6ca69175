// Bitmap: palette, frames and property items.
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "imaging/core/bitmap.h"
#include "imaging/core/bitmap_internal.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using bitmap_detail::GpImage;

// GDI+'s palette block: Flags and Count, then the entries.
constexpr std::size_t kPaletteEntries = offsetof(gdiplus::ColorPalette, Entries);
// GDI+'s property item header; the value follows it in the block.
constexpr std::size_t kPropertyHeader = sizeof(gdiplus::PropertyItem);
constexpr std::int32_t kFrameDelayTag = 0x5100;

values::ByteSet GuidOf(const values::Text& text) {
  return values::TextToGuid(text);
}

const gdiplus::GUID* AsGuid(const values::ByteSet& guid) {
  return reinterpret_cast<const gdiplus::GUID*>(guid.Data());
}

}  // namespace

bool Bitmap::GetPalette(ColorPalette& palette) {
  gdiplus::INT size = 0;
  if (!Record(Gdip().GdipGetImagePaletteSize(As<GpImage>(imageHandle), &size))) return false;
  values::ByteSet block = values::ByteSet::Zeroed(size);
  if (!Record(Gdip().GdipGetImagePalette(As<GpImage>(imageHandle),
                                         reinterpret_cast<gdiplus::ColorPalette*>(block.Data()),
                                         size))) {
    return false;
  }
  if (block.Length() < static_cast<std::int32_t>(kPaletteEntries)) return true;
  gdiplus::UINT flags = 0;
  gdiplus::UINT count = 0;
  std::memcpy(&flags, block.Data(), sizeof flags);
  std::memcpy(&count, block.Data() + sizeof flags, sizeof count);
  palette.Flags = static_cast<std::int32_t>(flags);
  palette.Count = static_cast<std::int32_t>(count);
  palette.Entries.Redim(palette.Count);
  // Entries beyond the block (a count GDI+ could not hold) stay 0.
  const std::size_t held = (static_cast<std::size_t>(block.Length()) - kPaletteEntries) / 4;
  const std::size_t copied = std::min<std::size_t>(count, held);
  if (copied > 0) {
    std::memcpy(palette.Entries.Data(), block.Data() + kPaletteEntries, copied * 4);
  }
  return true;
}

bool Bitmap::SetPalette(const ColorPalette& palette) {
  const auto& entries = palette.Entries.Elements();
  const auto count = static_cast<gdiplus::UINT>(
      std::clamp<std::int64_t>(palette.Count, 0, static_cast<std::int64_t>(entries.size())));
  values::ByteSet block =
      values::ByteSet::Zeroed(static_cast<std::int64_t>(kPaletteEntries + count * 4u + 4u));
  const auto flags = static_cast<gdiplus::UINT>(palette.Flags);
  std::memcpy(block.Data(), &flags, sizeof flags);
  std::memcpy(block.Data() + sizeof flags, &count, sizeof count);
  if (count > 0) std::memcpy(block.Data() + kPaletteEntries, entries.data(), count * 4u);
  return Record(Gdip().GdipSetImagePalette(
      As<GpImage>(imageHandle), reinterpret_cast<const gdiplus::ColorPalette*>(block.Data())));
}

std::int32_t Bitmap::GetFrameCount(const values::Text& dimension) {
  const values::ByteSet guid = GuidOf(dimension);
  gdiplus::UINT count = 0;
  Record(Gdip().GdipImageGetFrameCount(As<GpImage>(imageHandle), AsGuid(guid), &count));
  return static_cast<std::int32_t>(count);
}

std::int32_t Bitmap::GetFrameDimensionsList(values::ValueArray<values::Text>& dimensions) {
  gdiplus::UINT count = 0;
  if (!Record(Gdip().GdipImageGetFrameDimensionsCount(As<GpImage>(imageHandle), &count))) {
    return 0;
  }
  values::ByteSet block = values::ByteSet::Zeroed(std::int64_t{count} * 16);
  dimensions.Redim(static_cast<std::int32_t>(count));
  Record(Gdip().GdipImageGetFrameDimensionsList(
      As<GpImage>(imageHandle), reinterpret_cast<gdiplus::GUID*>(block.Data()), count));
  for (gdiplus::UINT i = 0; i < count; ++i) {
    dimensions[std::int64_t{i} + 1] =
        values::GuidToText(values::ByteSet(block.Data() + i * 16, 16));
  }
  return static_cast<std::int32_t>(count);
}

bool Bitmap::SelectActiveFrame(const values::Text& dimension, std::int32_t index) {
  const values::ByteSet guid = GuidOf(dimension);
  return Record(Gdip().GdipImageSelectActiveFrame(As<GpImage>(imageHandle), AsGuid(guid),
                                                  static_cast<gdiplus::UINT>(index)));
}

bool Bitmap::GetFrameDelays(values::ValueArray<std::int32_t>& delays) {
  PropertyItem item;
  if (!GetPropertyItem(kFrameDelayTag, item)) return false;
  const std::int32_t n = std::min(item.Length, item.Value.Length()) / 4;
  delays.Redim(n);
  if (n > 0) std::memcpy(delays.Data(), item.Value.Data(), static_cast<std::size_t>(n) * 4);
  return true;
}

bool Bitmap::GetPropertyItem(std::int32_t id, PropertyItem& item) {
  const auto tag = static_cast<gdiplus::PROPID>(id);
  gdiplus::UINT size = 0;
  if (!Record(Gdip().GdipGetPropertyItemSize(As<GpImage>(imageHandle), tag, &size))) return false;
  values::ByteSet block = values::ByteSet::Zeroed(size);
  const bool ok = Record(Gdip().GdipGetPropertyItem(
      As<GpImage>(imageHandle), tag, size, reinterpret_cast<gdiplus::PropertyItem*>(block.Data())));
  if (block.Length() < static_cast<std::int32_t>(kPropertyHeader)) return ok;
  gdiplus::PropertyItem header;
  std::memcpy(&header, block.Data(), sizeof header);
  item.Id = static_cast<std::int32_t>(header.id);
  item.Length = static_cast<std::int32_t>(header.length);
  item.Type = header.type;
  // The value lies right after the header; never read past the block.
  const std::size_t room = static_cast<std::size_t>(block.Length()) - kPropertyHeader;
  const std::size_t length = std::min<std::size_t>(header.length, room);
  item.Value =
      length > 0 ? values::ByteSet(block.Data() + kPropertyHeader, length) : values::ByteSet();
  return ok;
}

bool Bitmap::SetPropertyItem(const PropertyItem& item) {
  // GDI+ would read Length bytes from the value: a Length the value does not
  // hold is refused before any call.
  if (item.Length < 0 || item.Length > item.Value.Length()) {
    return Record(gdiplus::Status::InvalidParameter);
  }
  gdiplus::PropertyItem flat{};
  flat.id = static_cast<gdiplus::PROPID>(item.Id);
  flat.length = static_cast<gdiplus::ULONG>(item.Length);
  flat.type = static_cast<gdiplus::WORD>(item.Type);
  flat.value = const_cast<std::uint8_t*>(item.Value.Data());
  return Record(Gdip().GdipSetPropertyItem(As<GpImage>(imageHandle), &flat));
}

bool Bitmap::RemovePropertyItem(std::int32_t id) {
  return Record(
      Gdip().GdipRemovePropertyItem(As<GpImage>(imageHandle), static_cast<gdiplus::PROPID>(id)));
}

std::int32_t Bitmap::GetPropertyIdList(values::ValueArray<std::int32_t>& ids) {
  gdiplus::UINT count = 0;
  if (!Record(Gdip().GdipGetPropertyCount(As<GpImage>(imageHandle), &count))) return 0;
  ids.Redim(static_cast<std::int32_t>(count));
  Record(Gdip().GdipGetPropertyIdList(As<GpImage>(imageHandle), count,
                                      reinterpret_cast<gdiplus::PROPID*>(ids.Data())));
  return static_cast<std::int32_t>(count);
}

}  // namespace charart::imaging
