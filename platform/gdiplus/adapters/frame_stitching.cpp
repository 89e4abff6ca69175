#include "platform/gdiplus/adapters/frame_stitching.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <set>

#include "platform/gdiplus/adapters/tiff_field_types.h"

namespace charart::gdiplus::adapters {
namespace {

// --- GIF -------------------------------------------------------------------

struct GifImage {
  Bytes controlExtension;  // 21 F9 ..., empty when the image has none
  Bytes otherExtensions;   // copied as they are
  std::array<std::uint8_t, 10> descriptor{};
  Bytes localTable;
  Bytes data;  // LZW minimum code size and the data sub-blocks, terminator included
};

struct GifFile {
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::uint8_t packed = 0;
  Bytes globalTable;
  std::vector<GifImage> images;
};

class Reader {
 public:
  explicit Reader(const Bytes& bytes) : bytes_(bytes) {}
  bool Has(std::size_t n) const { return position_ + n <= bytes_.size(); }
  std::size_t Position() const { return position_; }
  std::uint8_t Byte() { return bytes_[position_++]; }
  bool Take(std::size_t n, Bytes& out) {
    if (!Has(n)) return false;
    out.insert(out.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(position_),
               bytes_.begin() + static_cast<std::ptrdiff_t>(position_ + n));
    position_ += n;
    return true;
  }
  // Data sub-blocks up to and including the zero-length terminator.
  bool SubBlocks(Bytes& out) {
    while (Has(1)) {
      const std::uint8_t size = Byte();
      out.push_back(size);
      if (size == 0) return true;
      if (!Take(size, out)) return false;
    }
    return false;
  }

 private:
  const Bytes& bytes_;
  std::size_t position_ = 0;
};

std::size_t TableBytes(std::uint8_t packed) {
  return 3u << ((packed & 0x07) + 1);
}

std::optional<GifFile> ParseGif(const Bytes& bytes) {
  Reader in(bytes);
  if (!in.Has(13) || bytes[0] != 'G' || bytes[1] != 'I' || bytes[2] != 'F') return std::nullopt;
  GifFile file;
  file.width = static_cast<std::uint16_t>(bytes[6] | bytes[7] << 8);
  file.height = static_cast<std::uint16_t>(bytes[8] | bytes[9] << 8);
  file.packed = bytes[10];
  Bytes skip;
  in.Take(13, skip);
  if ((file.packed & 0x80) != 0 && !in.Take(TableBytes(file.packed), file.globalTable)) {
    return std::nullopt;
  }
  GifImage pending;
  while (in.Has(1)) {
    const std::uint8_t introducer = in.Byte();
    if (introducer == 0x3B) return file.images.empty() ? std::nullopt : std::optional(file);
    if (introducer == 0x21) {
      if (!in.Has(1)) return std::nullopt;
      const std::uint8_t label = in.Byte();
      Bytes extension = {0x21, label};
      if (!in.SubBlocks(extension)) return std::nullopt;
      if (label == 0xF9) {
        pending.controlExtension = std::move(extension);
      } else if (label != 0xFF) {  // application extensions (loops) are rewritten
        pending.otherExtensions.insert(pending.otherExtensions.end(), extension.begin(),
                                       extension.end());
      }
    } else if (introducer == 0x2C) {
      if (!in.Has(9)) return std::nullopt;
      pending.descriptor[0] = 0x2C;
      for (std::size_t i = 1; i < 10; ++i) pending.descriptor[i] = in.Byte();
      const std::uint8_t packed = pending.descriptor[9];
      if ((packed & 0x80) != 0 && !in.Take(TableBytes(packed), pending.localTable)) {
        return std::nullopt;
      }
      if (!in.Take(1, pending.data) || !in.SubBlocks(pending.data)) return std::nullopt;
      file.images.push_back(std::move(pending));
      pending = GifImage();
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;  // no trailer
}

void PutWord(Bytes& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// --- TIFF ------------------------------------------------------------------

class Tiff {
 public:
  Tiff(Bytes& bytes, bool little) : bytes_(bytes), little_(little) {}

  bool Fits(std::uint64_t at, std::uint64_t n) const { return at + n <= bytes_.size(); }
  std::uint16_t U16(std::size_t at) const {
    return little_ ? static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8)
                   : static_cast<std::uint16_t>(bytes_[at] << 8 | bytes_[at + 1]);
  }
  std::uint32_t U32(std::size_t at) const {
    const std::uint32_t b0 = bytes_[at], b1 = bytes_[at + 1], b2 = bytes_[at + 2],
                        b3 = bytes_[at + 3];
    return little_ ? (b0 | b1 << 8 | b2 << 16 | b3 << 24) : (b0 << 24 | b1 << 16 | b2 << 8 | b3);
  }
  void Put16(std::size_t at, std::uint16_t v) {
    bytes_[at + (little_ ? 0 : 1)] = static_cast<std::uint8_t>(v & 0xFF);
    bytes_[at + (little_ ? 1 : 0)] = static_cast<std::uint8_t>(v >> 8);
  }
  void Put32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
      bytes_[at + (little_ ? i : 3 - i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
  }

  // Moves every offset of the directory chain starting at `first` (and of
  // the directories it points to) by `base`. Returns the file-local offset
  // of the chain's last directory, or nothing when the file is malformed.
  std::optional<std::uint32_t> Relocate(std::uint32_t first, std::uint32_t base) {
    std::uint32_t at = first;
    std::uint32_t last = first;
    while (at != 0) {
      if (!visited_.insert(at).second) return std::nullopt;  // a loop
      last = at;
      const auto next = RelocateDirectory(at, base);
      if (!next) return std::nullopt;
      at = *next;
    }
    return last;
  }

  // The offset of the last directory of the chain starting at `first`.
  std::optional<std::uint32_t> LastDirectory(std::uint32_t first) const {
    std::set<std::uint32_t> seen;
    std::uint32_t at = first;
    while (true) {
      if (!seen.insert(at).second || !Fits(at, 2)) return std::nullopt;
      const std::uint64_t nextAt = at + 2 + 12ull * U16(at);
      if (!Fits(nextAt, 4)) return std::nullopt;
      const std::uint32_t next = U32(static_cast<std::size_t>(nextAt));
      if (next == 0) return at;
      at = next;
    }
  }

  std::size_t NextPointerOf(std::uint32_t directory) const {
    return directory + 2 + 12u * U16(directory);
  }

 private:
  static bool IsOffsetTag(std::uint16_t tag) {
    return tag == 273 || tag == 288 || tag == 324 || tag == 513;  // strips, free, tiles, JPEG
  }
  static bool IsDirectoryTag(std::uint16_t tag, std::uint16_t type) {
    return type == kTiffIfdType || tag == 330 || tag == 34665 || tag == 34853 || tag == 40965;
  }

  // Relocates one directory; answers the file-local offset of the next one.
  std::optional<std::uint32_t> RelocateDirectory(std::uint32_t at, std::uint32_t base) {
    if (!Fits(at, 2)) return std::nullopt;
    const std::uint16_t count = U16(at);
    const std::uint64_t nextAt = at + 2 + 12ull * count;
    if (!Fits(nextAt, 4)) return std::nullopt;
    for (std::uint16_t i = 0; i < count; ++i) {
      const std::size_t entry = at + 2 + 12u * i;
      const std::uint16_t tag = U16(entry);
      const std::uint16_t type = U16(entry + 2);
      const std::uint32_t n = U32(entry + 4);
      const std::uint32_t size = TiffFieldTypeSize(type);
      if (size == 0) return std::nullopt;
      const std::uint64_t total = std::uint64_t{size} * n;
      std::size_t values = entry + 8;
      if (total > 4) {
        const std::uint32_t local = U32(entry + 8);
        if (!Fits(local, total) || !Moved(local, base)) return std::nullopt;
        Put32(entry + 8, local + base);
        values = local;
      }
      const bool offsets = IsOffsetTag(tag);
      const bool directories = IsDirectoryTag(tag, type);
      if (!offsets && !directories) continue;
      if (size != 2 && size != 4) return std::nullopt;
      for (std::uint32_t k = 0; k < n; ++k) {
        const std::size_t slot = values + std::size_t{k} * size;
        const std::uint32_t local = size == 2 ? U16(slot) : U32(slot);
        if (directories && !Relocate(local, base)) return std::nullopt;
        if (!Moved(local, base) || (size == 2 && local + base > 0xFFFF)) return std::nullopt;
        if (size == 2) {
          Put16(slot, static_cast<std::uint16_t>(local + base));
        } else {
          Put32(slot, local + base);
        }
      }
    }
    const std::uint32_t next = U32(static_cast<std::size_t>(nextAt));
    if (next != 0) {
      if (!Moved(next, base)) return std::nullopt;
      Put32(static_cast<std::size_t>(nextAt), next + base);
    }
    return next;
  }

  static bool Moved(std::uint32_t local, std::uint32_t base) {
    return std::uint64_t{local} + base <= 0xFFFFFFFFull;
  }

  Bytes& bytes_;
  bool little_;
  std::set<std::uint32_t> visited_;
};

// The byte order of a TIFF (true: little-endian) and its first directory.
std::optional<std::pair<bool, std::uint32_t>> TiffHeader(Bytes& bytes) {
  if (bytes.size() < 8) return std::nullopt;
  bool little = false;
  if (bytes[0] == 'I' && bytes[1] == 'I') {
    little = true;
  } else if (!(bytes[0] == 'M' && bytes[1] == 'M')) {
    return std::nullopt;
  }
  Tiff tiff(bytes, little);
  if (tiff.U16(2) != 42) return std::nullopt;
  return std::pair{little, tiff.U32(4)};
}

}  // namespace

std::optional<Bytes> StitchGif(const std::vector<GifFrame>& frames) {
  std::vector<GifFile> files;
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  for (const GifFrame& frame : frames) {
    auto file = ParseGif(frame.file);
    if (!file) return std::nullopt;
    width = std::max(width, file->width);
    height = std::max(height, file->height);
    files.push_back(std::move(*file));
  }
  if (files.empty()) return std::nullopt;
  Bytes out = {'G', 'I', 'F', '8', '9', 'a'};
  PutWord(out, width);
  PutWord(out, height);
  out.push_back(static_cast<std::uint8_t>(files[0].packed & 0x70));  // no global table
  out.push_back(0);                                                  // background
  out.push_back(0);                                                  // aspect
  // Loop forever.
  const std::uint8_t loop[] = {0x21, 0xFF, 0x0B, 'N', 'E',  'T',  'S',  'C',  'A', 'P',
                               'E',  '2',  '.',  '0', 0x03, 0x01, 0x00, 0x00, 0x00};
  out.insert(out.end(), std::begin(loop), std::end(loop));
  for (std::size_t f = 0; f < files.size(); ++f) {
    const GifFile& file = files[f];
    for (const GifImage& image : file.images) {
      Bytes control = image.controlExtension;
      if (control.size() < 8) control = {0x21, 0xF9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00};
      control[4] = static_cast<std::uint8_t>(frames[f].delay & 0xFF);
      control[5] = static_cast<std::uint8_t>(frames[f].delay >> 8);
      out.insert(out.end(), control.begin(), control.end());
      out.insert(out.end(), image.otherExtensions.begin(), image.otherExtensions.end());
      std::array<std::uint8_t, 10> descriptor = image.descriptor;
      const Bytes* table = &image.localTable;
      if (image.localTable.empty() && !file.globalTable.empty()) {
        descriptor[9] =
            static_cast<std::uint8_t>((descriptor[9] & 0x40) | 0x80 | (file.packed & 0x07));
        table = &file.globalTable;
      }
      out.insert(out.end(), descriptor.begin(), descriptor.end());
      out.insert(out.end(), table->begin(), table->end());
      out.insert(out.end(), image.data.begin(), image.data.end());
    }
  }
  out.push_back(0x3B);
  return out;
}

std::optional<Bytes> StitchTiff(const std::vector<Bytes>& files) {
  if (files.empty()) return std::nullopt;
  Bytes out = files[0];
  const auto header = TiffHeader(out);
  if (!header) return std::nullopt;
  const bool little = header->first;
  std::optional<std::uint32_t> last = Tiff(out, little).LastDirectory(header->second);
  if (!last) return std::nullopt;
  for (std::size_t k = 1; k < files.size(); ++k) {
    Bytes next = files[k];
    const auto nextHeader = TiffHeader(next);
    if (!nextHeader || nextHeader->first != little) return std::nullopt;
    if (out.size() % 2 != 0) out.push_back(0);  // directories start on a word boundary
    if (out.size() + next.size() > 0xFFFFFFFFull) return std::nullopt;
    const auto base = static_cast<std::uint32_t>(out.size());
    Tiff moved(next, little);
    const auto nextLast = moved.Relocate(nextHeader->second, base);
    if (!nextLast) return std::nullopt;
    Tiff joined(out, little);
    joined.Put32(joined.NextPointerOf(*last), nextHeader->second + base);
    out.insert(out.end(), next.begin(), next.end());
    last = *nextLast + base;
  }
  return out;
}

}  // namespace charart::gdiplus::adapters
