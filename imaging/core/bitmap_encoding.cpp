// Bitmap: the installed encoders, encoder parameter lists and saving.
#include <algorithm>
#include <cstddef>
#include <cstring>

#include "imaging/core/bitmap.h"
#include "imaging/core/bitmap_internal.h"
#include "values/conversions.h"

namespace charart::imaging {
namespace {

using bitmap_detail::AsStream;
using bitmap_detail::GpImage;

using FlatCodec = gdiplus::ImageCodecInfo;
using FlatParameter = gdiplus::EncoderParameter;

// Where the first parameter entry starts in GDI+'s EncoderParameters block
// (the count is followed by padding up to the entries' alignment).
constexpr std::size_t kFirstParameter = offsetof(gdiplus::EncoderParameters, Parameter);

values::ByteSet GuidBytes(const gdiplus::GUID& guid) {
  return values::ByteSet(&guid, sizeof guid);
}

// Bytes per value of an EncoderParameterValueType; 0 for a type GDI+ does
// not define, whose values are then not copied.
std::int64_t ValueSize(std::int32_t type) {
  switch (type) {
    case 1:
    case 2:
    case 7:
      return 1;
    case 3:
      return 2;
    case 4:
      return 4;
    case 5:
    case 6:
      return 8;
    case 8:
      return 16;
    default:
      return 0;
  }
}

values::ByteSet CopyOf(const void* address, std::int64_t length) {
  if (address == nullptr || length <= 0) return values::ByteSet();
  return values::ByteSet(address, static_cast<std::size_t>(length));
}

}  // namespace

std::int32_t GetImageEncoders(values::ValueArray<ImageCodecInfo>& list) {
  gdiplus::UINT count = 0;
  gdiplus::UINT size = 0;
  if (!Record(Gdip().GdipGetImageEncodersSize(&count, &size))) return 0;
  list.Redim(static_cast<std::int32_t>(count));
  values::ByteSet block = values::ByteSet::Zeroed(size);
  Record(Gdip().GdipGetImageEncoders(count, size, reinterpret_cast<FlatCodec*>(block.Data())));
  // Never read past the block, whatever count GDI+ announced.
  const std::size_t entries = std::min<std::size_t>(count, size / sizeof(FlatCodec));
  for (std::size_t i = 0; i < entries; ++i) {
    FlatCodec entry;
    std::memcpy(&entry, block.Data() + i * sizeof(FlatCodec), sizeof entry);
    ImageCodecInfo& info = list[static_cast<std::int64_t>(i) + 1];
    info.Clsid = values::GuidToText(GuidBytes(entry.Clsid));
    info.FormatID = values::GuidToText(GuidBytes(entry.FormatID));
    info.CodecName = values::WideToText(entry.CodecName);
    info.DllName = values::WideToText(entry.DllName);
    info.FormatDescription = values::WideToText(entry.FormatDescription);
    info.FilenameExtension = values::WideToText(entry.FilenameExtension);
    info.MimeType = values::WideToText(entry.MimeType);
    info.Flags = static_cast<std::int32_t>(entry.Flags);
    info.Version = static_cast<std::int32_t>(entry.Version);
    info.SigCount = static_cast<std::int32_t>(entry.SigCount);
    info.SigSize = static_cast<std::int32_t>(entry.SigSize);
    const std::int64_t signatureBytes = std::int64_t{entry.SigCount} * entry.SigSize;
    info.SigPattern = CopyOf(entry.SigPattern, signatureBytes);
    info.SigMask = CopyOf(entry.SigMask, signatureBytes);
  }
  return static_cast<std::int32_t>(count);
}

values::Text FindEncoderClsid(const values::Text& format) {
  values::ValueArray<ImageCodecInfo> list;
  const std::int32_t count = GetImageEncoders(list);
  for (std::int32_t i = 1; i <= count && i <= list.Count(); ++i) {
    if (list[i].FormatID.View() == format.View()) return list[i].Clsid;
  }
  return values::Text("");
}

values::ByteSet BuildEncoderParameters(const EncoderParameters& params) {
  const auto& elements = params.Parameter.Elements();
  const std::size_t held = elements.size();
  values::ByteSet block = values::ByteSet::Zeroed(
      static_cast<std::int64_t>(kFirstParameter + held * sizeof(FlatParameter)));
  // GDI+ reads Count entries: the block never claims more than it holds.
  const auto count =
      static_cast<gdiplus::UINT>(std::clamp<std::int64_t>(params.Count, 0, std::int64_t(held)));
  std::memcpy(block.Data(), &count, sizeof count);
  for (std::size_t i = 0; i < held; ++i) {
    const EncoderParameter& element = elements[i];
    FlatParameter entry{};
    const values::ByteSet guid = values::TextToGuid(element.Guid);
    if (guid.Length() == sizeof entry.Guid)
      std::memcpy(&entry.Guid, guid.Data(), sizeof entry.Guid);
    entry.NumberOfValues = static_cast<gdiplus::ULONG>(element.NumberOfValues);
    entry.Type = static_cast<gdiplus::ULONG>(element.Type);
    entry.Value = const_cast<std::uint8_t*>(element.Value.Data());
    std::memcpy(block.Data() + kFirstParameter + i * sizeof(FlatParameter), &entry, sizeof entry);
  }
  return block;
}

bool Bitmap::GetEncoderParameterList(const values::Text& format, EncoderParameters& params) {
  const values::ByteSet clsid = values::TextToGuid(FindEncoderClsid(format));
  const auto* encoder = reinterpret_cast<const gdiplus::CLSID*>(clsid.Data());
  gdiplus::UINT size = 0;
  if (!Record(Gdip().GdipGetEncoderParameterListSize(As<GpImage>(imageHandle), encoder, &size))) {
    return false;
  }
  values::ByteSet block = values::ByteSet::Zeroed(size);
  if (!Record(Gdip().GdipGetEncoderParameterList(
          As<GpImage>(imageHandle), encoder, size,
          reinterpret_cast<gdiplus::EncoderParameters*>(block.Data())))) {
    return false;
  }
  if (block.Length() < static_cast<std::int32_t>(sizeof(gdiplus::UINT))) return true;
  gdiplus::UINT count = 0;
  std::memcpy(&count, block.Data(), sizeof count);
  params.Count = static_cast<std::int32_t>(count);
  // Entries that would lie beyond the block are not read.
  const std::size_t room =
      block.Length() < static_cast<std::int32_t>(kFirstParameter)
          ? 0
          : (static_cast<std::size_t>(block.Length()) - kFirstParameter) / sizeof(FlatParameter);
  const std::size_t entries = std::min<std::size_t>(count, room);
  params.Parameter.Redim(static_cast<std::int32_t>(count));
  for (std::size_t i = 0; i < entries; ++i) {
    FlatParameter entry;
    std::memcpy(&entry, block.Data() + kFirstParameter + i * sizeof(FlatParameter), sizeof entry);
    EncoderParameter& element = params.Parameter[static_cast<std::int64_t>(i) + 1];
    element.Guid = values::GuidToText(GuidBytes(entry.Guid));
    element.NumberOfValues = static_cast<std::int32_t>(entry.NumberOfValues);
    element.Type = static_cast<std::int32_t>(entry.Type);
    element.Value =
        CopyOf(entry.Value, std::int64_t{entry.NumberOfValues} * ValueSize(element.Type));
  }
  return true;
}

gdiplus::Status Bitmap::SaveWithEncoder(const values::Text& clsidText,
                                        const std::optional<EncoderParameters>& params,
                                        const values::ByteSet* fileName, gdiplus::IStream* stream) {
  const values::ByteSet clsid = values::TextToGuid(clsidText);
  const auto* encoder = reinterpret_cast<const gdiplus::CLSID*>(clsid.Data());
  values::ByteSet block;
  if (params) block = BuildEncoderParameters(*params);
  const auto* flat =
      params ? reinterpret_cast<const gdiplus::EncoderParameters*>(block.Data()) : nullptr;
  if (fileName != nullptr) {
    return Gdip().GdipSaveImageToFile(As<GpImage>(imageHandle), fileName->Wide(), encoder, flat);
  }
  return Gdip().GdipSaveImageToStream(As<GpImage>(imageHandle), stream, encoder, flat);
}

namespace {

// The encoder choice: the Clsid text for `format`, or the empty text with
// LastStatus as it was before the search.
values::Text ChooseEncoder(const values::Text& format) {
  const std::int32_t before = LastStatus;
  values::Text clsid = FindEncoderClsid(format);
  if (clsid.IsEmpty()) LastStatus = before;
  return clsid;
}

}  // namespace

bool Bitmap::SaveToFile(const values::Text& fileName, std::optional<values::Text> format,
                        const std::optional<EncoderParameters>& params) {
  const values::ByteSet wide = values::TextToWide(fileName);
  return SaveToFileW(wide, std::move(format), params);
}

bool Bitmap::SaveToFileW(const values::ByteSet& fileName, std::optional<values::Text> format,
                         const std::optional<EncoderParameters>& params) {
  const values::Text clsid = ChooseEncoder(format.value_or(values::Text(kImageFormatBmp)));
  if (clsid.IsEmpty()) return false;
  return Record(SaveWithEncoder(clsid, params, &fileName, nullptr));
}

values::ByteSet Bitmap::SaveToBytes(std::optional<values::Text> format,
                                    const std::optional<EncoderParameters>& params) {
  MemoryStream stream;
  const values::Text clsid = ChooseEncoder(format ? *format : GetRawFormat());
  if (clsid.IsEmpty()) return values::ByteSet();
  stream.CreateFromBytes();
  Record(SaveWithEncoder(clsid, params, nullptr, AsStream(stream.GetStream())));
  return stream.GetBytes();
}

bool Bitmap::SaveAdd(const EncoderParameters& params) {
  const values::ByteSet block = BuildEncoderParameters(params);
  return Record(Gdip().GdipSaveAdd(
      As<GpImage>(imageHandle), reinterpret_cast<const gdiplus::EncoderParameters*>(block.Data())));
}

bool Bitmap::SaveAddImage(const Bitmap& image, const EncoderParameters& params) {
  const values::ByteSet block = BuildEncoderParameters(params);
  return Record(
      Gdip().GdipSaveAddImage(As<GpImage>(imageHandle), As<GpImage>(image.GetHandle()),
                              reinterpret_cast<const gdiplus::EncoderParameters*>(block.Data())));
}

}  // namespace charart::imaging
