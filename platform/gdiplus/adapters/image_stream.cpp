// Images from and to COM streams. libgdiplus answers NotImplemented for the
// stream functions of GDI+ and offers delegate entry points instead: plain
// callbacks without a user pointer. The adapters bind the caller's IStream to
// this thread for the duration of one call and drive it through its interface
// table. libgdiplus decodes the whole picture inside the load call (measured
// for PNG, BMP, GIF, JPEG and TIFF), so the stream is not touched afterwards.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/image_codec_internal.h"
#include "platform/gdiplus/adapters/loaded_picture.h"
#include "platform/win32/com_stream.h"

namespace charart::gdiplus::adapters {
namespace {

using LoadFromDelegate = Status (*)(GetHeaderDelegate, GetBytesDelegate, PutBytesDelegate,
                                    SeekDelegate, CloseDelegate, SizeDelegate, GpImage**);
using SaveToDelegate = Status (*)(GpImage*, GetBytesDelegate, PutBytesDelegate, SeekDelegate,
                                  CloseDelegate, SizeDelegate, const CLSID*,
                                  const EncoderParameters*);

// The stream a delegate call works on. Positions the codecs see are relative
// to where the stream stood when the call began, as GDI+ reads an image from
// the stream's current position on.
struct BoundStream {
  IStream* stream = nullptr;
  std::uint64_t base = 0;
  // What a read that got nothing answers (see Load).
  INT nothingRead = -1;
};

thread_local BoundStream* t_bound = nullptr;

// Binds `stream` to this thread while alive; nests (a codec never calls back
// into GDI+, but a nested binding must not lose the outer one).
class StreamBinding {
 public:
  explicit StreamBinding(IStream* stream) : previous_(t_bound) {
    bound_.stream = stream;
    std::uint64_t position = 0;
    if (win32::VtblOf(stream)->Seek(stream, 0, win32::STREAM_SEEK_CUR, &position) == win32::S_OK) {
      bound_.base = position;
    }
    t_bound = &bound_;
  }
  ~StreamBinding() { t_bound = previous_; }
  void AnswerZeroWhenNothingIsRead() { bound_.nothingRead = 0; }
  StreamBinding(const StreamBinding&) = delete;
  StreamBinding& operator=(const StreamBinding&) = delete;

 private:
  BoundStream bound_;
  BoundStream* previous_;
};

bool Position(IStream* stream, std::uint64_t& position) {
  return win32::VtblOf(stream)->Seek(stream, 0, win32::STREAM_SEEK_CUR, &position) == win32::S_OK;
}

bool SeekTo(IStream* stream, std::uint64_t position) {
  return win32::VtblOf(stream)->Seek(stream, static_cast<std::int64_t>(position),
                                     win32::STREAM_SEEK_SET, nullptr) == win32::S_OK;
}

std::int64_t StreamSize(IStream* stream) {
  win32::StreamStat stat{};
  if (win32::VtblOf(stream)->Stat(stream, &stat, 1) != win32::S_OK) return -1;
  return static_cast<std::int64_t>(stat.size);
}

// Reads up to `size` bytes; a null buffer skips them. When nothing at all
// could be read: -1, so that every codec's read loop ends at the stream's
// end, or 0 for the codecs that take the answer as a count (see Load).
INT GetBytes(BYTE* buffer, INT size, BOOL peek) {
  if (t_bound == nullptr || size < 0) return -1;
  if (size == 0) return 0;
  const INT nothing = t_bound->nothingRead;
  IStream* stream = t_bound->stream;
  std::uint64_t start = 0;
  if (!Position(stream, start)) return nothing;
  if (buffer == nullptr) {
    if (peek) return nothing;
    const std::int64_t total = StreamSize(stream);
    const std::int64_t left = total < 0 ? 0 : total - static_cast<std::int64_t>(start);
    const std::int64_t skip = left < size ? (left < 0 ? 0 : left) : size;
    if (skip == 0 || !SeekTo(stream, start + static_cast<std::uint64_t>(skip))) return nothing;
    return static_cast<INT>(skip);
  }
  std::uint32_t read = 0;
  const win32::HRESULT result =
      win32::VtblOf(stream)->Read(stream, buffer, static_cast<std::uint32_t>(size), &read);
  if (peek) SeekTo(stream, start);
  if (result != win32::S_OK && result != win32::S_FALSE) return nothing;
  return read == 0 ? nothing : static_cast<INT>(read);
}

// The signature peek: the first bytes without consuming them; never negative.
INT GetHeader(BYTE* buffer, INT size) {
  const INT read = GetBytes(buffer, size, 1);
  return read < 0 ? 0 : read;
}

INT PutBytes(BYTE* buffer, INT size) {
  if (t_bound == nullptr || buffer == nullptr || size < 0) return -1;
  std::uint32_t written = 0;
  if (win32::VtblOf(t_bound->stream)
          ->Write(t_bound->stream, buffer, static_cast<std::uint32_t>(size), &written) !=
      win32::S_OK) {
    return -1;
  }
  return static_cast<INT>(written);
}

// whence follows stdio: 0 from the start, 1 from here, 2 from the end.
std::int64_t Seek(INT offset, INT whence) {
  if (t_bound == nullptr) return -1;
  IStream* stream = t_bound->stream;
  std::int64_t move = offset;
  std::uint32_t origin = 0;
  switch (whence) {
    case 0:
      move += static_cast<std::int64_t>(t_bound->base);
      origin = win32::STREAM_SEEK_SET;
      break;
    case 1:
      origin = win32::STREAM_SEEK_CUR;
      break;
    case 2:
      origin = win32::STREAM_SEEK_END;
      break;
    default:
      return -1;
  }
  if (move < 0 && origin == win32::STREAM_SEEK_SET) return -1;
  std::uint64_t position = 0;
  if (win32::VtblOf(stream)->Seek(stream, move, origin, &position) != win32::S_OK) return -1;
  return static_cast<std::int64_t>(position) - static_cast<std::int64_t>(t_bound->base);
}

// The caller owns the stream; a codec's close must not release it.
void Close() {}

std::int64_t Size() {
  if (t_bound == nullptr) return -1;
  const std::int64_t total = StreamSize(t_bound->stream);
  return total < 0 ? -1 : total - static_cast<std::int64_t>(t_bound->base);
}

// The picture's first bytes (where a JPEG keeps its EXIF block), read from
// where the load began; the stream's position is left as the load left it.
std::vector<std::uint8_t> Head(IStream* stream) {
  constexpr std::int64_t kHead = 256 * 1024;
  std::uint64_t position = 0;
  if (t_bound == nullptr || !Position(stream, position)) return {};
  const std::int64_t available = StreamSize(stream) - static_cast<std::int64_t>(t_bound->base);
  if (available < 4 || !SeekTo(stream, t_bound->base)) return {};
  std::vector<std::uint8_t> head(static_cast<std::size_t>(std::min(available, kHead)));
  std::uint32_t read = 0;
  win32::VtblOf(stream)->Read(stream, head.data(), static_cast<std::uint32_t>(head.size()), &read);
  head.resize(read);
  SeekTo(stream, position);
  return head;
}

// Whether the picture starts with a TIFF signature, "II*\0" (little-endian)
// or "MM\0*" (big-endian); the stream's position is left where it was.
bool StartsAsTiff(IStream* stream) {
  std::uint64_t position = 0;
  if (!Position(stream, position)) return false;
  std::uint8_t head[4] = {};
  std::uint32_t read = 0;
  win32::VtblOf(stream)->Read(stream, head, sizeof head, &read);
  SeekTo(stream, position);
  return read == sizeof head &&
         ((head[0] == 'I' && head[1] == 'I' && head[2] == 42 && head[3] == 0) ||
          (head[0] == 'M' && head[1] == 'M' && head[2] == 0 && head[3] == 42));
}

Status Load(IStream* stream, GpBitmap** bitmap) {
  static const auto load = Raw<LoadFromDelegate>("GdipLoadImageFromDelegate_linux");
  if (load == nullptr) return Status::NotImplemented;
  if (stream == nullptr || bitmap == nullptr) return Status::InvalidParameter;
  StreamBinding binding(stream);
  // libtiff adds what a read answers to the bytes it has, as read(2)'s
  // count: a -1 at the stream's end made it clear memory from one byte
  // before its strip buffer (a heap overflow, found by fuzzing with a strip
  // placed past the end). TIFF reads get read(2)'s 0 there instead.
  if (StartsAsTiff(stream)) binding.AnswerZeroWhenNothingIsRead();
  GpImage* image = nullptr;
  const Status status = RefuseEmptyPicture(
      load(&GetHeader, &GetBytes, &PutBytes, &Seek, &Close, &Size, &image), &image);
  *bitmap = status == Status::Ok ? reinterpret_cast<GpBitmap*>(image) : nullptr;
  if (status == Status::Ok) AddExifProperties(image, Head(stream));
  return status;
}

}  // namespace

Status CreateBitmapFromStream(IStream* stream, GpBitmap** bitmap) {
  return Load(stream, bitmap);
}

// libgdiplus has no colour management; the ICM variant decodes the same way.
Status CreateBitmapFromStreamICM(IStream* stream, GpBitmap** bitmap) {
  return Load(stream, bitmap);
}

Status EncodeToStream(GpImage* image, IStream* stream, const CLSID* clsidEncoder,
                      const EncoderParameters* params) {
  static const auto save = Raw<SaveToDelegate>("GdipSaveImageToDelegate_linux");
  if (save == nullptr) return Status::NotImplemented;
  if (image == nullptr || stream == nullptr || clsidEncoder == nullptr) {
    return Status::InvalidParameter;
  }
  StreamBinding binding(stream);
  return save(image, &GetBytes, &PutBytes, &Seek, &Close, &Size, clsidEncoder, params);
}

Status SaveImageToStream(GpImage* image, IStream* stream, const CLSID* clsidEncoder,
                         const EncoderParameters* params) {
  if (image != nullptr && stream != nullptr && BeginsMultiFrameSave(clsidEncoder, params)) {
    return BeginMultiFrameSaveToStream(image, stream, clsidEncoder, params);
  }
  return EncodeToStream(image, stream, clsidEncoder, params);
}

}  // namespace charart::gdiplus::adapters
