// Text drawing as GDI+ does it, over libgdiplus's pango renderer.
//
// libgdiplus keeps the text rendering hint but never applies it: every glyph
// is drawn with cairo's default smoothing. The hint is carried to the
// graphics' cairo context for the one call (single-bit hints draw without
// smoothing, anti-aliased ones with grey smoothing), and put back after it.
// libgdiplus 6.1 keeps that context in the word after its backend number at
// the start of a graphics; the layout is checked once on a graphics of our
// own before it is relied on, and the hint is left alone when it differs.
//
// libgdiplus also draws with a null brush (in black) and has no driver
// strings at all.
#include <cmath>
#include <mutex>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/graphics_geometry.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr INT kCairoAntialiasNone = 1;
constexpr INT kCairoAntialiasGray = 2;
constexpr INT kArgb32 = 0x26200A;

// The driver-string options GDI+ defines.
constexpr INT kCmapLookup = 1;
constexpr INT kVertical = 2;
constexpr INT kRealizedAdvance = 4;

struct Cairo {
  using Status = int (*)(void*);
  using Target = void* (*)(void*);
  using Size = int (*)(void*);
  using Create = void* (*)();
  using Destroy = void (*)(void*);
  using GetOptions = void (*)(void*, void*);
  using SetOptions = void (*)(void*, const void*);
  using SetAntialias = void (*)(void*, int);

  Status status = Raw<Status>("cairo_status");
  Target target = Raw<Target>("cairo_get_target");
  Size width = Raw<Size>("cairo_image_surface_get_width");
  Size height = Raw<Size>("cairo_image_surface_get_height");
  Create createOptions = Raw<Create>("cairo_font_options_create");
  Destroy destroyOptions = Raw<Destroy>("cairo_font_options_destroy");
  GetOptions getOptions = Raw<GetOptions>("cairo_get_font_options");
  SetOptions setOptions = Raw<SetOptions>("cairo_set_font_options");
  SetAntialias setAntialias = Raw<SetAntialias>("cairo_font_options_set_antialias");

  bool Complete() const {
    return status && target && width && height && createOptions && destroyOptions && getOptions &&
           setOptions && setAntialias;
  }
};

const Cairo& CairoFunctions() {
  static const Cairo cairo;
  return cairo;
}

void* ContextOf(GpGraphics* graphics) {
  return reinterpret_cast<void* const*>(graphics)[1];
}

// Whether a graphics of ours, on a 3 x 2 bitmap, keeps a sound cairo context
// drawing into a 3 x 2 surface where we expect it.
bool ContextLayoutHolds() {
  static const bool holds = [] {
    const Cairo& cairo = CairoFunctions();
    static const auto create =
        Raw<decltype(FunctionTable::GdipCreateBitmapFromScan0)>("GdipCreateBitmapFromScan0");
    static const auto context =
        Raw<decltype(FunctionTable::GdipGetImageGraphicsContext)>("GdipGetImageGraphicsContext");
    static const auto remove =
        Raw<decltype(FunctionTable::GdipDeleteGraphics)>("GdipDeleteGraphics");
    static const auto dispose = Raw<decltype(FunctionTable::GdipDisposeImage)>("GdipDisposeImage");
    if (!cairo.Complete() || !create || !context || !remove || !dispose) return false;
    GpBitmap* bitmap = nullptr;
    if (create(3, 2, 0, kArgb32, nullptr, &bitmap) != Status::Ok) return false;
    GpGraphics* graphics = nullptr;
    bool ok = false;
    if (context(reinterpret_cast<GpImage*>(bitmap), &graphics) == Status::Ok) {
      void* ct = ContextOf(graphics);
      if (ct != nullptr && cairo.status(ct) == 0) {
        void* surface = cairo.target(ct);
        ok = surface != nullptr && cairo.width(surface) == 3 && cairo.height(surface) == 2;
      }
      remove(graphics);
    }
    dispose(reinterpret_cast<GpImage*>(bitmap));
    return ok;
  }();
  return holds;
}

// The graphics' text smoothing as its hint asks, for the life of the scope.
class HintScope {
 public:
  explicit HintScope(GpGraphics* graphics) {
    static const auto getHint =
        Raw<decltype(FunctionTable::GdipGetTextRenderingHint)>("GdipGetTextRenderingHint");
    INT hint = 0;
    if (graphics == nullptr || getHint == nullptr || getHint(graphics, &hint) != Status::Ok) {
      return;
    }
    INT antialias = 0;
    if (hint == 1 || hint == 2) antialias = kCairoAntialiasNone;
    if (hint >= 3 && hint <= 5) antialias = kCairoAntialiasGray;
    if (antialias == 0 || !ContextLayoutHolds()) return;
    const Cairo& cairo = CairoFunctions();
    context_ = ContextOf(graphics);
    saved_ = cairo.createOptions();
    cairo.getOptions(context_, saved_);
    void* options = cairo.createOptions();
    cairo.getOptions(context_, options);
    cairo.setAntialias(options, antialias);
    cairo.setOptions(context_, options);
    cairo.destroyOptions(options);
  }
  ~HintScope() {
    if (context_ == nullptr) return;
    const Cairo& cairo = CairoFunctions();
    cairo.setOptions(context_, saved_);
    cairo.destroyOptions(saved_);
  }
  HintScope(const HintScope&) = delete;
  HintScope& operator=(const HintScope&) = delete;

 private:
  void* context_ = nullptr;
  void* saved_ = nullptr;
};

// The font's ascent in the graphics' pixels: where the base line lies below
// the top of a line.
Status AscentOf(GpGraphics* graphics, const GpFont* font, double& ascent) {
  static const auto family = Raw<decltype(FunctionTable::GdipGetFamily)>("GdipGetFamily");
  static const auto remove =
      Raw<decltype(FunctionTable::GdipDeleteFontFamily)>("GdipDeleteFontFamily");
  static const auto style = Raw<decltype(FunctionTable::GdipGetFontStyle)>("GdipGetFontStyle");
  static const auto size = Raw<decltype(FunctionTable::GdipGetFontSize)>("GdipGetFontSize");
  static const auto unit = Raw<decltype(FunctionTable::GdipGetFontUnit)>("GdipGetFontUnit");
  static const auto cell = Raw<decltype(FunctionTable::GdipGetCellAscent)>("GdipGetCellAscent");
  static const auto em = Raw<decltype(FunctionTable::GdipGetEmHeight)>("GdipGetEmHeight");
  static const auto dpi = Raw<decltype(FunctionTable::GdipGetDpiY)>("GdipGetDpiY");
  if (!family || !remove || !style || !size || !unit || !cell || !em || !dpi) {
    return Status::NotImplemented;
  }
  auto* f = const_cast<GpFont*>(font);
  GpFontFamily* fam = nullptr;
  Status status = family(f, &fam);
  if (status != Status::Ok) return status;
  INT s = 0;
  INT u = 0;
  REAL emSize = 0;
  REAL resolution = 96;
  std::uint16_t cellAscent = 0;
  std::uint16_t emHeight = 0;
  if (status == Status::Ok) status = style(f, &s);
  if (status == Status::Ok) status = size(f, &emSize);
  if (status == Status::Ok) status = unit(f, &u);
  if (status == Status::Ok) status = cell(fam, s, &cellAscent);
  if (status == Status::Ok) status = em(fam, s, &emHeight);
  if (status == Status::Ok) status = dpi(graphics, &resolution);
  remove(fam);
  if (status != Status::Ok) return status;
  if (emHeight == 0) return Status::GenericError;
  ascent = emSize * PixelsPerUnit(u, resolution) * cellAscent / emHeight;
  return Status::Ok;
}

using RawDrawString = decltype(FunctionTable::GdipDrawString);

RawDrawString RawDraw() {
  static const auto raw = Raw<RawDrawString>("GdipDrawString");
  return raw;
}

// Draws `length` units of `text` with their base line starting at `origin`.
Status DrawAtBaseLine(GpGraphics* graphics, const WCHAR* text, INT length, const GpFont* font,
                      const GpBrush* brush, const GpStringFormat* format, GpPointF origin,
                      double ascent) {
  static const auto measure = Raw<decltype(FunctionTable::GdipMeasureString)>("GdipMeasureString");
  if (measure == nullptr) return Status::NotImplemented;
  // libgdiplus puts a string's layout box where its measurement says; the
  // measurement at the origin tells how far above the rectangle's top the
  // line begins.
  const GpRectF at{0, 0, 0, 0};
  GpRectF box{};
  Status status = measure(graphics, text, length, font, &at, format, &box, nullptr, nullptr);
  if (status != Status::Ok) return status;
  const GpRectF rect{origin.X, static_cast<REAL>(origin.Y - ascent - box.Y), 0, 0};
  return RawDraw()(graphics, text, length, font, &rect, format, brush);
}

// A format that neither wraps nor clips, for single glyphs.
class GlyphFormat {
 public:
  GlyphFormat() {
    static const auto create =
        Raw<decltype(FunctionTable::GdipCreateStringFormat)>("GdipCreateStringFormat");
    if (create != nullptr) create(/*NoWrap | NoClip*/ 0x1000 | 0x4000, 0, &format_);
  }
  ~GlyphFormat() {
    static const auto remove =
        Raw<decltype(FunctionTable::GdipDeleteStringFormat)>("GdipDeleteStringFormat");
    if (format_ != nullptr && remove != nullptr) remove(format_);
  }
  GlyphFormat(const GlyphFormat&) = delete;
  GlyphFormat& operator=(const GlyphFormat&) = delete;
  const GpStringFormat* Get() const { return format_; }

 private:
  GpStringFormat* format_ = nullptr;
};

// The world transform multiplied by `matrix` for the life of the scope.
class MatrixScope {
 public:
  MatrixScope(GpGraphics* graphics, const GpMatrix* matrix) : graphics_(graphics) {
    static const auto save = Raw<decltype(FunctionTable::GdipSaveGraphics)>("GdipSaveGraphics");
    static const auto multiply =
        Raw<decltype(FunctionTable::GdipMultiplyWorldTransform)>("GdipMultiplyWorldTransform");
    if (matrix == nullptr || save == nullptr || multiply == nullptr) return;
    if (save(graphics, &state_) != Status::Ok) return;
    saved_ = true;
    status_ = multiply(graphics, matrix, 0);
  }
  ~MatrixScope() {
    static const auto restore =
        Raw<decltype(FunctionTable::GdipRestoreGraphics)>("GdipRestoreGraphics");
    if (saved_ && restore != nullptr) restore(graphics_, state_);
  }
  MatrixScope(const MatrixScope&) = delete;
  MatrixScope& operator=(const MatrixScope&) = delete;
  Status status() const { return status_; }

 private:
  GpGraphics* graphics_;
  UINT state_ = 0;
  bool saved_ = false;
  Status status_ = Status::Ok;
};

bool HighSurrogate(WCHAR unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

Status DrawString(GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* font,
                  const GpRectF* layoutRect, const GpStringFormat* format, const GpBrush* brush) {
  if (RawDraw() == nullptr) return Status::NotImplemented;
  if (graphics == nullptr || font == nullptr || brush == nullptr || layoutRect == nullptr) {
    return Status::InvalidParameter;
  }
  const HintScope hint(graphics);
  return RawDraw()(graphics, string, length, font, layoutRect, format, brush);
}

Status DrawDriverString(GpGraphics* graphics, const WCHAR* text, INT length, const GpFont* font,
                        const GpBrush* brush, const GpPointF* positions, INT flags,
                        const GpMatrix* matrix) {
  if (RawDraw() == nullptr) return Status::NotImplemented;
  if (graphics == nullptr || text == nullptr || font == nullptr || brush == nullptr ||
      positions == nullptr) {
    return Status::InvalidParameter;
  }
  if (length == -1) {
    length = 0;
    while (text[length] != u'\0') ++length;
  }
  if (length < 0) return Status::InvalidParameter;
  if (length == 0) return Status::Ok;
  // Glyph indices and vertical runs need the font's own tables, which the
  // pango renderer does not expose: only character codes laid out across.
  if ((flags & kCmapLookup) == 0 || (flags & kVertical) != 0) return Status::NotImplemented;
  double ascent = 0;
  Status status = AscentOf(graphics, font, ascent);
  if (status != Status::Ok) return status;
  const MatrixScope transform(graphics, matrix);
  if (transform.status() != Status::Ok) return transform.status();
  const GlyphFormat format;
  const HintScope hint(graphics);
  if ((flags & kRealizedAdvance) != 0) {
    return DrawAtBaseLine(graphics, text, length, font, brush, format.Get(), positions[0], ascent);
  }
  for (INT i = 0; i < length && status == Status::Ok; ++i) {
    const INT units = HighSurrogate(text[i]) && i + 1 < length ? 2 : 1;
    status =
        DrawAtBaseLine(graphics, text + i, units, font, brush, format.Get(), positions[i], ascent);
    i += units - 1;
  }
  return status;
}

}  // namespace charart::gdiplus::adapters
