// Multi-frame files. libgdiplus answers NotImplemented for GdipSaveAdd and
// GdipSaveAddImage and writes one frame for a save that asks for
// MultiFrame. Here a save of a GIF or TIFF whose save flag is MultiFrame
// begins a session for the image: each frame (the image's active frame, or
// the added image's) is encoded alone by libgdiplus, and the file or stream
// is rewritten with all frames joined (an animated GIF, a multi-page TIFF)
// after every addition, so it is complete at each step; Flush ends the
// session. A GIF frame's delay is the first value of its image's frame-delay
// property (0x5100), 0 without one.
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/canvas_memory.h"
#include "platform/gdiplus/adapters/frame_stitching.h"
#include "platform/gdiplus/adapters/image_codec_internal.h"
#include "platform/win32/code_pages.h"
#include "platform/win32/com_stream.h"
#include "platform/win32/global_memory.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr GUID kEncoderSaveFlag = {
    0x292266FC, 0xAC40, 0x47BF, {0x8C, 0xFC, 0xA8, 0x5B, 0x89, 0xA6, 0x55, 0xDE}};
constexpr CLSID kGifEncoder = {
    0x557CF402, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
constexpr CLSID kTiffEncoder = {
    0x557CF405, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

// EncoderValue numbers of the save flag.
constexpr std::int32_t kMultiFrame = 18;
constexpr std::int32_t kFlush = 20;
constexpr std::int32_t kFrameDimensionTime = 21;
constexpr std::int32_t kFrameDimensionResolution = 22;
constexpr std::int32_t kFrameDimensionPage = 23;

constexpr PixelFormat kFormat32bppArgb = 0x0026200A;
constexpr PROPID kFrameDelayTag = 0x5100;
constexpr ULONG kValueTypeLong = 4;

bool SameGuid(const GUID& a, const GUID& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::optional<std::int32_t> SaveFlag(const EncoderParameters* params) {
  if (params == nullptr) return std::nullopt;
  for (UINT i = 0; i < params->Count; ++i) {
    const EncoderParameter& parameter = params->Parameter[i];
    if (SameGuid(parameter.Guid, kEncoderSaveFlag) && parameter.Type == kValueTypeLong &&
        parameter.NumberOfValues >= 1 && parameter.Value != nullptr) {
      std::int32_t value = 0;
      std::memcpy(&value, parameter.Value, sizeof value);
      return value;
    }
  }
  return std::nullopt;
}

bool AddsAFrame(std::optional<std::int32_t> flag) {
  return flag == kFrameDimensionPage || flag == kFrameDimensionTime ||
         flag == kFrameDimensionResolution;
}

struct Session {
  bool gif = false;
  CLSID encoder{};
  std::string path;           // the file, UTF-8; empty for a stream
  IStream* stream = nullptr;  // one reference held while the session lasts
  std::uint64_t start = 0;    // where the file begins in the stream
  std::vector<GifFrame> gifFrames;
  std::vector<Bytes> tiffPages;

  void Release() {
    if (stream != nullptr) win32::VtblOf(stream)->Release(stream);
    stream = nullptr;
  }
};

std::mutex g_mutex;
std::map<GpImage*, Session>& Sessions() {
  static std::map<GpImage*, Session> sessions;
  return sessions;
}

// The first frame delay of `image`, 0 when it has none.
std::uint16_t FirstDelay(GpImage* image) {
  static const auto size =
      Raw<decltype(FunctionTable::GdipGetPropertyItemSize)>("GdipGetPropertyItemSize");
  static const auto item = Raw<decltype(FunctionTable::GdipGetPropertyItem)>("GdipGetPropertyItem");
  if (size == nullptr || item == nullptr) return 0;
  UINT bytes = 0;
  if (size(image, kFrameDelayTag, &bytes) != Status::Ok || bytes < sizeof(PropertyItem) + 4) {
    return 0;
  }
  std::vector<std::uint64_t> buffer((bytes + 7) / 8);
  auto* property = reinterpret_cast<PropertyItem*>(buffer.data());
  if (item(image, kFrameDelayTag, bytes, property) != Status::Ok || property->length < 4 ||
      property->value == nullptr) {
    return 0;
  }
  std::uint32_t delay = 0;
  std::memcpy(&delay, property->value, sizeof delay);
  return static_cast<std::uint16_t>(delay > 0xFFFF ? 0xFFFF : delay);
}

// `image`'s active frame, encoded alone.
Status EncodeFrame(GpImage* image, const CLSID& encoder, const EncoderParameters* params,
                   Bytes& out) {
  static const auto width = Raw<decltype(FunctionTable::GdipGetImageWidth)>("GdipGetImageWidth");
  static const auto height = Raw<decltype(FunctionTable::GdipGetImageHeight)>("GdipGetImageHeight");
  static const auto dispose = Raw<decltype(FunctionTable::GdipDisposeImage)>("GdipDisposeImage");
  if (width == nullptr || height == nullptr || dispose == nullptr) return Status::NotImplemented;
  UINT w = 0;
  UINT h = 0;
  if (Status status = width(image, &w); status != Status::Ok) return status;
  if (Status status = height(image, &h); status != Status::Ok) return status;
  GpBitmap* frame = nullptr;
  if (Status status =
          CloneBitmapAreaI(0, 0, static_cast<INT>(w), static_cast<INT>(h), kFormat32bppArgb,
                           reinterpret_cast<GpBitmap*>(image), &frame);
      status != Status::Ok) {
    return status;
  }
  IStream* stream = nullptr;
  Status status = Status::OutOfMemory;
  if (win32::CreateStreamOnHGlobal(nullptr, true, &stream) == win32::S_OK) {
    status = EncodeToStream(reinterpret_cast<GpImage*>(frame), stream, &encoder, params);
    HGLOBAL block = nullptr;
    if (status == Status::Ok && win32::GetHGlobalFromStream(stream, &block) == win32::S_OK) {
      const auto* bytes = static_cast<const std::uint8_t*>(win32::GlobalLock(block));
      const std::size_t length = win32::GlobalSize(block);
      if (bytes != nullptr) out.assign(bytes, bytes + length);
      win32::GlobalUnlock(block);
    }
    win32::VtblOf(stream)->Release(stream);
  }
  dispose(reinterpret_cast<GpImage*>(frame));
  return status;
}

Status AddFrame(Session& session, GpImage* source, const EncoderParameters* params) {
  Bytes encoded;
  if (Status status = EncodeFrame(source, session.encoder, params, encoded); status != Status::Ok) {
    return status;
  }
  if (session.gif) {
    session.gifFrames.push_back({std::move(encoded), FirstDelay(source)});
  } else {
    session.tiffPages.push_back(std::move(encoded));
  }
  return Status::Ok;
}

Status WriteOut(Session& session) {
  const std::optional<Bytes> joined =
      session.gif ? StitchGif(session.gifFrames) : StitchTiff(session.tiffPages);
  if (!joined) return Status::GenericError;
  if (session.stream != nullptr) {
    const win32::IStreamVtbl* table = win32::VtblOf(session.stream);
    std::uint32_t written = 0;
    if (table->Seek(session.stream, static_cast<std::int64_t>(session.start),
                    win32::STREAM_SEEK_SET, nullptr) != win32::S_OK ||
        table->Write(session.stream, joined->data(), static_cast<std::uint32_t>(joined->size()),
                     &written) != win32::S_OK ||
        written != joined->size() ||
        table->SetSize(session.stream, session.start + joined->size()) != win32::S_OK) {
      return Status::Win32Error;
    }
    return Status::Ok;
  }
  std::FILE* file = std::fopen(session.path.c_str(), "wb");
  if (file == nullptr) return Status::Win32Error;
  const bool ok = std::fwrite(joined->data(), 1, joined->size(), file) == joined->size();
  return (std::fclose(file) == 0 && ok) ? Status::Ok : Status::Win32Error;
}

// Starts (or restarts) the session of `image` with its active frame.
Status Begin(GpImage* image, Session session, const EncoderParameters* params) {
  if (Status status = AddFrame(session, image, params); status != Status::Ok) {
    session.Release();
    return status;
  }
  const Status status = WriteOut(session);
  std::lock_guard lock(g_mutex);
  auto found = Sessions().find(image);
  if (found != Sessions().end()) {
    found->second.Release();
    Sessions().erase(found);
  }
  if (status == Status::Ok) {
    Sessions().emplace(image, std::move(session));
  } else {
    session.Release();
  }
  return status;
}

std::string Utf8Path(const WCHAR* name) {
  const std::int32_t bytes =
      win32::WideCharToMultiByte(win32::CP_UTF8, 0, name, -1, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string path(static_cast<std::size_t>(bytes), '\0');
  win32::WideCharToMultiByte(win32::CP_UTF8, 0, name, -1, path.data(), bytes, nullptr, nullptr);
  path.resize(static_cast<std::size_t>(bytes) - 1);
  return path;
}

// Adds `frame`'s active frame to the session of `image`.
Status Add(GpImage* image, GpImage* frame, const EncoderParameters* params) {
  std::lock_guard lock(g_mutex);
  const auto found = Sessions().find(image);
  if (found == Sessions().end()) return Status::WrongState;
  if (Status status = AddFrame(found->second, frame, params); status != Status::Ok) return status;
  return WriteOut(found->second);
}

}  // namespace

bool BeginsMultiFrameSave(const CLSID* clsidEncoder, const EncoderParameters* params) {
  return clsidEncoder != nullptr && SaveFlag(params) == kMultiFrame &&
         (SameGuid(*clsidEncoder, kGifEncoder) || SameGuid(*clsidEncoder, kTiffEncoder));
}

Status BeginMultiFrameSaveToStream(GpImage* image, IStream* stream, const CLSID* clsidEncoder,
                                   const EncoderParameters* params) {
  Session session;
  session.gif = SameGuid(*clsidEncoder, kGifEncoder);
  session.encoder = *clsidEncoder;
  if (win32::VtblOf(stream)->Seek(stream, 0, win32::STREAM_SEEK_CUR, &session.start) !=
      win32::S_OK) {
    return Status::Win32Error;
  }
  win32::VtblOf(stream)->AddRef(stream);
  session.stream = stream;
  return Begin(image, std::move(session), params);
}

Status SaveImageToFile(GpImage* image, const WCHAR* filename, const CLSID* clsidEncoder,
                       const EncoderParameters* params) {
  static const auto raw = Raw<decltype(FunctionTable::GdipSaveImageToFile)>("GdipSaveImageToFile");
  if (raw == nullptr) return Status::NotImplemented;
  if (image == nullptr || filename == nullptr || !BeginsMultiFrameSave(clsidEncoder, params)) {
    return raw(image, filename, clsidEncoder, params);
  }
  Session session;
  session.gif = SameGuid(*clsidEncoder, kGifEncoder);
  session.encoder = *clsidEncoder;
  session.path = Utf8Path(filename);
  if (session.path.empty()) return Status::InvalidParameter;
  return Begin(image, std::move(session), params);
}

Status SaveAdd(GpImage* image, const EncoderParameters* params) {
  if (image == nullptr || params == nullptr) return Status::InvalidParameter;
  const std::optional<std::int32_t> flag = SaveFlag(params);
  if (flag == kFlush) {
    std::lock_guard lock(g_mutex);
    const auto found = Sessions().find(image);
    if (found == Sessions().end()) return Status::WrongState;
    found->second.Release();
    Sessions().erase(found);
    return Status::Ok;
  }
  if (!AddsAFrame(flag)) return Status::InvalidParameter;
  return Add(image, image, params);
}

Status SaveAddImage(GpImage* image, GpImage* newImage, const EncoderParameters* params) {
  if (image == nullptr || newImage == nullptr || params == nullptr) {
    return Status::InvalidParameter;
  }
  if (!AddsAFrame(SaveFlag(params))) return Status::InvalidParameter;
  return Add(image, newImage, params);
}

Status DisposeImage(GpImage* image) {
  static const auto raw = Raw<decltype(FunctionTable::GdipDisposeImage)>("GdipDisposeImage");
  if (raw == nullptr) return Status::NotImplemented;
  {
    // A session never outlives its image: the file is complete already.
    std::lock_guard lock(g_mutex);
    if (!Sessions().empty()) {
      const auto found = Sessions().find(image);
      if (found != Sessions().end()) {
        found->second.Release();
        Sessions().erase(found);
      }
    }
  }
  ForgetActiveFrame(image);
  ForgetZeroBitmap(image);
  return raw(image);
}

}  // namespace charart::gdiplus::adapters
