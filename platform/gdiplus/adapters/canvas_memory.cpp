// Fresh 32-bit ARGB bitmaps and the graphics drawn on them.
//
// libgdiplus keeps an ARGB bitmap's pixels straight and lets cairo draw on a
// premultiplied copy of them. It clears a new bitmap's pixels itself; the
// first graphics on a bitmap allocates the copy and premultiplies every pixel
// into it; every later read of the straight pixels (a clone, locked bits, a
// save) first converts the whole copy back. On the renderer's 2000 x 1000
// canvas that is 8 MB cleared and two passes over 8 MB for a text of a few
// hundred pixels: nine tenths of a render, and 16 MB of memory touched.
//
// The adapters do what libgdiplus does, only on the pixels that matter:
// - A new ARGB bitmap whose pixels GDI+ allocates gets them from calloc:
//   large blocks are fresh zero pages, so nothing is cleared and the pages
//   nobody draws on are never touched. libgdiplus owns the block as it owns
//   its own (it frees it with free()).
// - The first graphics on such a bitmap, while its pixels are still all
//   zero, gets its premultiplied copy as another zeroed block: the
//   premultiplied form of transparent black is transparent black.
// - A clone of an area of a bitmap that was drawn on converts back only that
//   area, with libgdiplus's own table, and then lets libgdiplus clone it from
//   the straight pixels as always. The rest of the straight pixels stay as
//   libgdiplus leaves them after drawing: stale until its next full
//   conversion, which every other reader still runs first.
//
// "Still all zero" is known, not guessed: a bitmap is remembered from its
// creation here until anything could have written its straight pixels
// (SetPixel, locked bits for writing) or it is disposed.
//
// The fields used (an image's active bitmap data and its cairo surface) are
// libgdiplus 6.1's. A probe on a small bitmap checks them at first use; when
// it fails, every call goes to the library unchanged.
#include <malloc.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/canvas_memory.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr PixelFormat kFormat32bppArgb = 0x26200A;
constexpr UINT kLockWrite = 2;
constexpr std::uintptr_t kOwnScan0 = 1u << 8;  // the bitmap frees its pixels
constexpr std::uintptr_t kLocked = 1u << 10;   // its bits are locked now
constexpr int kCairoFormatArgb32 = 0;
// Blocks from this size up come straight from the kernel (zero pages, given
// back on free), also after the first such block was freed.
constexpr int kMmapThreshold = 1 << 20;

// libgdiplus 6.1's image: the active bitmap data at 0x20, the cairo surface
// at 0x30; the bitmap data: width, height, stride, pixel format, scan0 and
// its flags ("reserved").
constexpr std::size_t kActiveBitmap = 0x20;
constexpr std::size_t kSurface = 0x30;
constexpr std::size_t kWidth = 0x0;
constexpr std::size_t kHeight = 0x4;
constexpr std::size_t kStride = 0x8;
constexpr std::size_t kPixelFormat = 0xC;
constexpr std::size_t kScan0 = 0x10;
constexpr std::size_t kReserved = 0x18;

template <typename T>
T Read(const void* base, std::size_t offset) {
  T value;
  std::memcpy(&value, static_cast<const std::uint8_t*>(base) + offset, sizeof value);
  return value;
}

template <typename T>
void Write(void* base, std::size_t offset, T value) {
  std::memcpy(static_cast<std::uint8_t*>(base) + offset, &value, sizeof value);
}

// A bitmap's active pixels as libgdiplus holds them.
struct Pixels {
  void* data = nullptr;  // the ActiveBitmapData
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t stride = 0;
  PixelFormat format = 0;
  BYTE* scan0 = nullptr;
  std::uintptr_t flags = 0;
  void* surface = nullptr;
};

Pixels Look(const void* image) {
  Pixels p;
  p.data = Read<void*>(image, kActiveBitmap);
  p.surface = Read<void*>(image, kSurface);
  if (p.data == nullptr) return p;
  p.width = static_cast<std::int32_t>(Read<std::uint32_t>(p.data, kWidth));
  p.height = static_cast<std::int32_t>(Read<std::uint32_t>(p.data, kHeight));
  p.stride = Read<std::int32_t>(p.data, kStride);
  p.format = Read<PixelFormat>(p.data, kPixelFormat);
  p.scan0 = Read<BYTE*>(p.data, kScan0);
  p.flags = Read<std::uintptr_t>(p.data, kReserved);
  return p;
}

using CreateSurfaceFn = void* (*)(unsigned char*, int, int, int, int);
using SurfaceStatusFn = int (*)(void*);
using SurfaceDataFn = unsigned char* (*)(void*);
using SurfaceSizeFn = int (*)(void*);
using DestroySurfaceFn = void (*)(void*);

struct Library {
  decltype(FunctionTable::GdipCreateBitmapFromScan0) create = nullptr;
  decltype(FunctionTable::GdipGetImageGraphicsContext) graphics = nullptr;
  decltype(FunctionTable::GdipDeleteGraphics) deleteGraphics = nullptr;
  decltype(FunctionTable::GdipDisposeImage) dispose = nullptr;
  decltype(FunctionTable::GdipBitmapSetPixel) setPixel = nullptr;
  CreateSurfaceFn createSurface = nullptr;
  SurfaceStatusFn surfaceStatus = nullptr;
  SurfaceDataFn surfaceData = nullptr;
  SurfaceSizeFn surfaceWidth = nullptr;
  SurfaceSizeFn surfaceHeight = nullptr;
  DestroySurfaceFn destroySurface = nullptr;
  // [colour][alpha]: the straight channel of a premultiplied one.
  const BYTE* unpremultiply = nullptr;

  bool Complete() const {
    return create && graphics && deleteGraphics && dispose && setPixel && createSurface &&
           surfaceStatus && surfaceData && surfaceWidth && surfaceHeight && destroySurface &&
           unpremultiply;
  }
};

Library Bind() {
  Library l;
  l.create = Raw<decltype(l.create)>("GdipCreateBitmapFromScan0");
  l.graphics = Raw<decltype(l.graphics)>("GdipGetImageGraphicsContext");
  l.deleteGraphics = Raw<decltype(l.deleteGraphics)>("GdipDeleteGraphics");
  l.dispose = Raw<decltype(l.dispose)>("GdipDisposeImage");
  l.setPixel = Raw<decltype(l.setPixel)>("GdipBitmapSetPixel");
  l.createSurface = Raw<CreateSurfaceFn>("cairo_image_surface_create_for_data");
  l.surfaceStatus = Raw<SurfaceStatusFn>("cairo_surface_status");
  l.surfaceData = Raw<SurfaceDataFn>("cairo_image_surface_get_data");
  l.surfaceWidth = Raw<SurfaceSizeFn>("cairo_image_surface_get_width");
  l.surfaceHeight = Raw<SurfaceSizeFn>("cairo_image_surface_get_height");
  l.destroySurface = Raw<DestroySurfaceFn>("cairo_surface_destroy");
  l.unpremultiply = static_cast<const BYTE*>(RawSymbol("pre_multiplied_table_reverse"));
  return l;
}

enum class Layout { Unknown, Known, Foreign };

std::mutex g_mutex;
Layout g_layout = Layout::Unknown;
Library g_library;
// Bitmaps made here whose straight pixels are still all zero, with the block
// they were made with.
std::unordered_map<const void*, const BYTE*> g_zeroBitmaps;

std::uint32_t PixelAt(const BYTE* row, std::int32_t x) {
  std::uint32_t value;
  std::memcpy(&value, row + 4 * x, sizeof value);
  return value;
}

// Whether this libgdiplus lays out its images as the adapters expect, tried
// on a 3 x 2 bitmap: its fields, a pixel written straight, the premultiplied
// copy of its first graphics, and the library's table turning that copy
// back. Needs GDI+ running.
Layout Probe(const Library& l) {
  if (!l.Complete()) return Layout::Foreign;
  GpBitmap* bitmap = nullptr;
  const Status created = l.create(3, 2, 0, kFormat32bppArgb, nullptr, &bitmap);
  if (created == Status::GdiplusNotInitialized) return Layout::Unknown;
  if (created != Status::Ok || bitmap == nullptr) return Layout::Foreign;
  bool fits = false;
  GpGraphics* graphics = nullptr;
  const std::uint32_t colour = 0x80FF4020;
  const Pixels before = Look(bitmap);
  if (before.data != nullptr && before.width == 3 && before.height == 2 && before.stride == 12 &&
      before.format == kFormat32bppArgb && before.scan0 != nullptr && before.flags == kOwnScan0 &&
      before.surface == nullptr && l.setPixel(bitmap, 2, 1, colour) == Status::Ok &&
      PixelAt(before.scan0 + 12, 2) == colour &&
      l.graphics(reinterpret_cast<GpImage*>(bitmap), &graphics) == Status::Ok) {
    const Pixels after = Look(bitmap);
    const BYTE* copy = after.surface ? l.surfaceData(after.surface) : nullptr;
    if (copy != nullptr && copy != before.scan0 && l.surfaceWidth(after.surface) == 3 &&
        l.surfaceHeight(after.surface) == 2) {
      const std::uint32_t premultiplied = PixelAt(copy + 12, 2);
      const BYTE alpha = static_cast<BYTE>(premultiplied >> 24);
      const BYTE red = static_cast<BYTE>(premultiplied >> 16);
      fits = alpha == 0x80 && red != 0xFF && l.unpremultiply[red * 256 + alpha] == 0xFF;
    }
  }
  if (graphics != nullptr) l.deleteGraphics(graphics);
  l.dispose(reinterpret_cast<GpImage*>(bitmap));
  return fits ? Layout::Known : Layout::Foreign;
}

// The bound library when the layout is known (probing once, GDI+ running);
// null otherwise. Called with g_mutex held.
const Library* Known() {
  if (g_layout == Layout::Unknown) {
    g_library = Bind();
    g_layout = Probe(g_library);
    if (g_layout == Layout::Known) mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
  }
  return g_layout == Layout::Known ? &g_library : nullptr;
}

}  // namespace

Status CreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                             GpBitmap** bitmap) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipCreateBitmapFromScan0)>("GdipCreateBitmapFromScan0");
  if (raw == nullptr) return Status::NotImplemented;
  if (scan0 != nullptr || stride != 0 || format != kFormat32bppArgb || width <= 0 || height <= 0 ||
      bitmap == nullptr) {
    return raw(width, height, stride, format, scan0, bitmap);
  }
  const std::int64_t rowBytes = std::int64_t{width} * 4;
  const std::int64_t bytes = rowBytes * height;
  std::lock_guard lock(g_mutex);
  if (bytes > INT32_MAX || Known() == nullptr)
    return raw(width, height, stride, format, scan0, bitmap);
  auto* block = static_cast<BYTE*>(std::calloc(static_cast<std::size_t>(bytes), 1));
  if (block == nullptr) return raw(width, height, stride, format, scan0, bitmap);
  const Status status = raw(width, height, static_cast<INT>(rowBytes), format, block, bitmap);
  if (status != Status::Ok) {
    std::free(block);
    return status;
  }
  // As if libgdiplus had allocated the block: it frees it with the bitmap.
  const Pixels made = Look(*bitmap);
  Write<std::uintptr_t>(made.data, kReserved, made.flags | kOwnScan0);
  g_zeroBitmaps[*bitmap] = block;
  return status;
}

Status GetImageGraphicsContext(GpImage* image, GpGraphics** graphics) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipGetImageGraphicsContext)>("GdipGetImageGraphicsContext");
  if (raw == nullptr) return Status::NotImplemented;
  if (image != nullptr && graphics != nullptr) {
    std::lock_guard lock(g_mutex);
    const auto found = g_zeroBitmaps.find(image);
    if (found != g_zeroBitmaps.end()) {
      const BYTE* block = found->second;
      // From now on the graphics may draw: no longer known to be zero.
      g_zeroBitmaps.erase(found);
      const Library* l = Known();
      const Pixels p = Look(image);
      if (l != nullptr && p.surface == nullptr && p.scan0 == block &&
          p.format == kFormat32bppArgb && (p.flags & kLocked) == 0) {
        const std::size_t bytes = static_cast<std::size_t>(p.stride) * p.height;
        auto* copy = static_cast<unsigned char*>(std::calloc(bytes, 1));
        void* surface = copy == nullptr ? nullptr
                                        : l->createSurface(copy, kCairoFormatArgb32, p.width,
                                                           p.height, p.stride);
        if (surface != nullptr && l->surfaceStatus(surface) == 0) {
          // libgdiplus frees the copy and the surface as it frees its own.
          Write<void*>(image, kSurface, surface);
        } else {
          if (surface != nullptr) l->destroySurface(surface);
          std::free(copy);
        }
      }
    }
  }
  return raw(image, graphics);
}

Status BitmapSetPixel(GpBitmap* bitmap, INT x, INT y, ARGB color) {
  static const auto raw = Raw<decltype(FunctionTable::GdipBitmapSetPixel)>("GdipBitmapSetPixel");
  if (raw == nullptr) return Status::NotImplemented;
  ForgetZeroBitmap(bitmap);
  return raw(bitmap, x, y, color);
}

void ForgetZeroBitmap(const void* image) {
  if (image == nullptr) return;
  std::lock_guard lock(g_mutex);
  if (!g_zeroBitmaps.empty()) g_zeroBitmaps.erase(image);
}

void NoteLockedBits(const void* image, UINT flags) {
  if ((flags & kLockWrite) != 0) ForgetZeroBitmap(image);
}

Status CloneDrawnArea(INT x, INT y, INT width, INT height, GpBitmap* src,
                      const std::function<Status()>& clone) {
  if (src == nullptr || width <= 0 || height <= 0 || x < 0 || y < 0) return clone();
  std::unique_lock lock(g_mutex);
  const Library* l = Known();
  if (l == nullptr) return clone();
  const Pixels p = Look(src);
  if (p.data == nullptr || p.surface == nullptr || p.format != kFormat32bppArgb ||
      (p.flags & kLocked) != 0 || x + width > p.width || y + height > p.height) {
    lock.unlock();
    return clone();
  }
  BYTE* copy = l->surfaceData(p.surface);
  if (copy == nullptr || copy == p.scan0 || p.scan0 == nullptr) {
    lock.unlock();
    return clone();
  }
  // The area, back from the premultiplied copy, exactly as libgdiplus's own
  // full conversion turns each pixel.
  for (INT row = y; row < y + height; ++row) {
    const BYTE* from = copy + static_cast<std::ptrdiff_t>(row) * p.stride + 4 * x;
    BYTE* to = p.scan0 + static_cast<std::ptrdiff_t>(row) * p.stride + 4 * x;
    for (INT i = 0; i < width; ++i, from += 4, to += 4) {
      const BYTE alpha = from[3];
      if (alpha == 0xFF) {
        std::memcpy(to, from, 4);
      } else {
        to[0] = l->unpremultiply[from[0] * 256 + alpha];
        to[1] = l->unpremultiply[from[1] * 256 + alpha];
        to[2] = l->unpremultiply[from[2] * 256 + alpha];
        to[3] = alpha;
      }
    }
  }
  // Without its surface for the call, libgdiplus has nothing to convert back
  // and clones the straight pixels just written.
  Write<void*>(src, kSurface, nullptr);
  lock.unlock();
  const Status status = clone();
  Write<void*>(src, kSurface, p.surface);
  return status;
}

}  // namespace charart::gdiplus::adapters
