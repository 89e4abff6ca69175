// Frame delays of animations. GDI+ keeps one frame-delay property (0x5100)
// holding every frame's delay; libgdiplus keeps one per frame, holding that
// frame's delay only, on whichever frame is active. The adapters answer
// 0x5100 of an image of several time frames with all the delays, read frame
// by frame, and leave the active frame as it was; for that they remember
// which frame the caller selected last.
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/image_codec_internal.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr GUID kDimensionTime = {
    0x6AEDBD6D, 0x3FB5, 0x418A, {0x83, 0xA6, 0x7F, 0x45, 0x22, 0x9D, 0xC8, 0x72}};
constexpr PROPID kFrameDelay = 0x5100;
constexpr WORD kTypeLong = 4;

std::mutex g_mutex;
std::map<GpImage*, UINT>& ActiveTimeFrames() {
  static std::map<GpImage*, UINT> active;
  return active;
}

UINT ActiveTimeFrame(GpImage* image) {
  std::lock_guard lock(g_mutex);
  const auto found = ActiveTimeFrames().find(image);
  return found == ActiveTimeFrames().end() ? 0 : found->second;
}

// Every frame's delay, when `image` has more than one time frame.
std::optional<std::vector<std::uint32_t>> AllDelays(GpImage* image) {
  static const auto count =
      Raw<decltype(FunctionTable::GdipImageGetFrameCount)>("GdipImageGetFrameCount");
  static const auto select =
      Raw<decltype(FunctionTable::GdipImageSelectActiveFrame)>("GdipImageSelectActiveFrame");
  static const auto size =
      Raw<decltype(FunctionTable::GdipGetPropertyItemSize)>("GdipGetPropertyItemSize");
  static const auto item = Raw<decltype(FunctionTable::GdipGetPropertyItem)>("GdipGetPropertyItem");
  if (count == nullptr || select == nullptr || size == nullptr || item == nullptr) {
    return std::nullopt;
  }
  UINT frames = 0;
  if (image == nullptr || count(image, &kDimensionTime, &frames) != Status::Ok || frames < 2) {
    return std::nullopt;
  }
  std::vector<std::uint32_t> delays(frames, 0);
  for (UINT i = 0; i < frames; ++i) {
    if (select(image, &kDimensionTime, i) != Status::Ok) return std::nullopt;
    UINT bytes = 0;
    if (size(image, kFrameDelay, &bytes) != Status::Ok || bytes < sizeof(PropertyItem) + 4) {
      continue;
    }
    std::vector<std::uint64_t> buffer((bytes + 7) / 8);
    auto* property = reinterpret_cast<PropertyItem*>(buffer.data());
    if (item(image, kFrameDelay, bytes, property) == Status::Ok && property->length >= 4 &&
        property->value != nullptr) {
      std::memcpy(&delays[i], property->value, 4);
    }
  }
  select(image, &kDimensionTime, ActiveTimeFrame(image));
  return delays;
}

}  // namespace

void ForgetActiveFrame(GpImage* image) {
  std::lock_guard lock(g_mutex);
  if (!ActiveTimeFrames().empty()) ActiveTimeFrames().erase(image);
}

Status ImageSelectActiveFrame(GpImage* image, const GUID* dimensionID, UINT frameIndex) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipImageSelectActiveFrame)>("GdipImageSelectActiveFrame");
  if (raw == nullptr) return Status::NotImplemented;
  const Status status = raw(image, dimensionID, frameIndex);
  if (status == Status::Ok && dimensionID != nullptr &&
      std::memcmp(dimensionID, &kDimensionTime, sizeof(GUID)) == 0) {
    std::lock_guard lock(g_mutex);
    ActiveTimeFrames()[image] = frameIndex;
  }
  return status;
}

Status GetPropertyItemSize(GpImage* image, PROPID propId, UINT* size) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipGetPropertyItemSize)>("GdipGetPropertyItemSize");
  if (raw == nullptr) return Status::NotImplemented;
  if (propId == kFrameDelay && size != nullptr) {
    if (const auto delays = AllDelays(image)) {
      *size = static_cast<UINT>(sizeof(PropertyItem) + 4 * delays->size());
      return Status::Ok;
    }
  }
  return raw(image, propId, size);
}

Status GetPropertyItem(GpImage* image, PROPID propId, UINT size, PropertyItem* buffer) {
  static const auto raw = Raw<decltype(FunctionTable::GdipGetPropertyItem)>("GdipGetPropertyItem");
  if (raw == nullptr) return Status::NotImplemented;
  if (propId == kFrameDelay && buffer != nullptr) {
    if (const auto delays = AllDelays(image)) {
      const std::size_t length = 4 * delays->size();
      if (size != sizeof(PropertyItem) + length) return Status::InvalidParameter;
      PropertyItem header{};
      header.id = kFrameDelay;
      header.length = static_cast<ULONG>(length);
      header.type = kTypeLong;
      header.value = reinterpret_cast<BYTE*>(buffer) + sizeof(PropertyItem);
      std::memcpy(buffer, &header, sizeof header);
      std::memcpy(header.value, delays->data(), length);
      return Status::Ok;
    }
  }
  return raw(image, propId, size, buffer);
}

}  // namespace charart::gdiplus::adapters
