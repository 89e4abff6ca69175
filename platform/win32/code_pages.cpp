#include "platform/win32/code_pages.h"

#include <iconv.h>

#include <bit>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <optional>
#include <utility>

namespace charart::win32 {
namespace {

static_assert(std::endian::native == std::endian::little,
              "char16_t arrays are handed to iconv as UTF-16LE");

enum class Charset { Gbk, Utf8 };
enum class Direction { ToWide, FromWide };

std::optional<Charset> CharsetOf(std::uint32_t codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_THREAD_ACP:
    case CP_GBK:
      return Charset::Gbk;
    case CP_UTF8:
      return Charset::Utf8;
    default:
      return std::nullopt;
  }
}

// One iconv descriptor; move-only, closed with its owner.
class IconvConverter {
 public:
  static std::optional<IconvConverter> Open(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    return IconvConverter(cd);
  }
  IconvConverter(IconvConverter&& other) noexcept : cd_(std::exchange(other.cd_, nullptr)) {}
  IconvConverter& operator=(IconvConverter&&) = delete;
  IconvConverter(const IconvConverter&) = delete;
  ~IconvConverter() {
    if (cd_ != nullptr) iconv_close(cd_);
  }

  // Back to the initial shift state, forgetting a half-read character.
  void Reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }
  std::size_t Convert(char** in, std::size_t* inLeft, char** out, std::size_t* outLeft) {
    return iconv(cd_, in, inLeft, out, outLeft);
  }

 private:
  explicit IconvConverter(iconv_t cd) : cd_(cd) {}
  iconv_t cd_;
};

// This thread's converters, opened on first use. Null when iconv lacks one.
IconvConverter* ConverterFor(Charset charset, Direction direction) {
  struct Slot {
    std::optional<IconvConverter> converter;
    bool tried = false;
  };
  thread_local Slot slots[2][2];
  Slot& slot = slots[static_cast<int>(charset)][static_cast<int>(direction)];
  if (!slot.tried) {
    slot.tried = true;
    const char* name = charset == Charset::Gbk ? "CP936" : "UTF-8";
    std::optional<IconvConverter> opened = direction == Direction::ToWide
                                               ? IconvConverter::Open("UTF-16LE", name)
                                               : IconvConverter::Open(name, "UTF-16LE");
    if (opened) slot.converter.emplace(std::move(*opened));
  }
  if (!slot.converter) return nullptr;
  slot.converter->Reset();
  return &*slot.converter;
}

// Where converted units go: into the caller's buffer, or only counted when
// the caller asks for the size. Overflow makes the conversion fail.
template <typename Unit>
class Sink {
 public:
  Sink(Unit* output, std::int32_t capacity) : output_(output), capacity_(capacity) {}

  void Put(const Unit* units, std::size_t count) {
    if (failed_) return;
    const std::size_t limit = capacity_ == 0 ? INT32_MAX : static_cast<std::size_t>(capacity_);
    if (count > limit - used_) {
      failed_ = true;
      return;
    }
    if (capacity_ != 0) std::memcpy(output_ + used_, units, count * sizeof(Unit));
    used_ += count;
  }
  void Fail() { failed_ = true; }
  bool Failed() const { return failed_; }
  std::int32_t Result() const { return failed_ ? 0 : static_cast<std::int32_t>(used_); }

 private:
  Unit* output_;
  std::int32_t capacity_;
  std::size_t used_ = 0;
  bool failed_ = false;
};

constexpr std::size_t kChunkBytes = 8192;

// Runs iconv over [in, in + inBytes) into `sink`. At each position where iconv
// stops on input it cannot take, `skip` says how many input bytes the bad
// character spans and `substitute` emits its replacement (or fails the sink).
template <typename Unit, typename Skip, typename Substitute>
void ConvertRun(IconvConverter& converter, const char* in, std::size_t inBytes, Sink<Unit>& sink,
                Skip skip, Substitute substitute) {
  alignas(Unit) char chunk[kChunkBytes];
  auto* cursor = const_cast<char*>(in);  // iconv's signature; the input is never written
  std::size_t left = inBytes;
  while (left > 0 && !sink.Failed()) {
    char* out = chunk;
    std::size_t room = sizeof chunk;
    const std::size_t result = converter.Convert(&cursor, &left, &out, &room);
    const int error = errno;
    sink.Put(reinterpret_cast<const Unit*>(chunk),
             static_cast<std::size_t>(out - chunk) / sizeof(Unit));
    if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    if (error != EILSEQ && error != EINVAL) {
      sink.Fail();
      return;
    }
    const std::size_t bad = skip(cursor, left);
    substitute(cursor, bad);
    cursor += bad;
    left -= bad;
    converter.Reset();
  }
}

bool IsHighSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::int32_t MultiByteToWideChar(std::uint32_t codePage, std::uint32_t flags, const char* source,
                                 std::int32_t sourceLength, char16_t* output,
                                 std::int32_t outputUnits) {
  const std::optional<Charset> charset = CharsetOf(codePage);
  if (!charset || source == nullptr || sourceLength == 0 || sourceLength < -1 || outputUnits < 0 ||
      (outputUnits > 0 && output == nullptr)) {
    return 0;
  }
  const std::size_t length =
      sourceLength == -1 ? std::strlen(source) + 1 : static_cast<std::size_t>(sourceLength);
  const auto* bytes = reinterpret_cast<const unsigned char*>(source);
  const bool strict = (flags & MB_ERR_INVALID_CHARS) != 0;
  Sink<char16_t> sink(output, outputUnits);

  std::size_t i = 0;
  while (i < length && !sink.Failed()) {
    std::size_t j = i;
    if (bytes[i] < 0x80) {
      char16_t units[256];
      std::size_t n = 0;
      while (j < length && bytes[j] < 0x80 && n < std::size(units)) units[n++] = bytes[j++];
      sink.Put(units, n);
      i = j;
      continue;
    }
    // A run of multibyte characters, ending where an ASCII byte starts a
    // character. A GBK trail byte may lie in the ASCII range, so GBK steps
    // over whole lead-trail pairs.
    while (j < length && bytes[j] >= 0x80) {
      const bool gbkLead = *charset == Charset::Gbk && bytes[j] >= 0x81 && bytes[j] <= 0xFE;
      j += gbkLead && j + 1 < length ? 2 : 1;
    }
    IconvConverter* converter = ConverterFor(*charset, Direction::ToWide);
    if (converter == nullptr) return 0;
    ConvertRun(
        *converter, source + i, j - i, sink,
        [](const char*, std::size_t) { return std::size_t{1}; },
        [&](const char*, std::size_t) {
          if (strict) {
            sink.Fail();
            return;
          }
          const char16_t replacement = 0xFFFD;
          sink.Put(&replacement, 1);
        });
    i = j;
  }
  return sink.Result();
}

std::int32_t WideCharToMultiByte(std::uint32_t codePage, std::uint32_t flags,
                                 const char16_t* source, std::int32_t sourceUnits, char* output,
                                 std::int32_t outputBytes, const char* defaultChar,
                                 bool* usedDefault) {
  const std::optional<Charset> charset = CharsetOf(codePage);
  if (!charset || source == nullptr || sourceUnits == 0 || sourceUnits < -1 || outputBytes < 0 ||
      (outputBytes > 0 && output == nullptr)) {
    return 0;
  }
  if (*charset == Charset::Utf8 && (defaultChar != nullptr || usedDefault != nullptr)) return 0;
  if (usedDefault != nullptr) *usedDefault = false;
  const std::size_t length = sourceUnits == -1 ? static_cast<std::size_t>(lstrlenW(source)) + 1
                                               : static_cast<std::size_t>(sourceUnits);

  // The replacement for a unit with no form in the code page.
  char fallback[3] = {'?', 0, 0};
  std::size_t fallbackBytes = 1;
  if (*charset == Charset::Utf8) {
    fallback[0] = '\xEF';
    fallback[1] = '\xBF';
    fallback[2] = '\xBD';
    fallbackBytes = 3;
  } else if (defaultChar != nullptr) {
    const auto lead = static_cast<unsigned char>(defaultChar[0]);
    fallback[0] = defaultChar[0];
    if (lead >= 0x81 && lead <= 0xFE && defaultChar[1] != '\0') {
      fallback[1] = defaultChar[1];
      fallbackBytes = 2;
    }
  }
  const bool strict = *charset == Charset::Utf8 && (flags & WC_ERR_INVALID_CHARS) != 0;
  Sink<char> sink(output, outputBytes);

  std::size_t i = 0;
  while (i < length && !sink.Failed()) {
    std::size_t j = i;
    if (source[i] < 0x80) {
      char bytes[256];
      std::size_t n = 0;
      while (j < length && source[j] < 0x80 && n < std::size(bytes)) {
        bytes[n++] = static_cast<char>(source[j++]);
      }
      sink.Put(bytes, n);
      i = j;
      continue;
    }
    while (j < length && source[j] >= 0x80) ++j;
    IconvConverter* converter = ConverterFor(*charset, Direction::FromWide);
    if (converter == nullptr) return 0;
    ConvertRun(
        *converter, reinterpret_cast<const char*>(source + i), (j - i) * sizeof(char16_t), sink,
        [](const char* at, std::size_t left) {
          char16_t units[2] = {};
          std::memcpy(units, at, left >= 4 ? 4 : 2);
          const bool pair = left >= 4 && IsHighSurrogate(units[0]) && IsLowSurrogate(units[1]);
          return std::size_t{pair ? 4u : 2u};
        },
        [&](const char*, std::size_t skipped) {
          // A valid pair that the code page lacks is unmappable; anything
          // else iconv refuses is an unpaired surrogate.
          if (strict && skipped == 2) {
            sink.Fail();
            return;
          }
          sink.Put(fallback, fallbackBytes);
          if (usedDefault != nullptr) *usedDefault = true;
        });
    i = j;
  }
  return sink.Result();
}

std::int32_t lstrlenW(const char16_t* text) {
  if (text == nullptr) return 0;
  std::int32_t length = 0;
  while (text[length] != 0) ++length;
  return length;
}

}  // namespace charart::win32
