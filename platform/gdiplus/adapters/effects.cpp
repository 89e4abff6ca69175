// GDI+'s effects, absent from libgdiplus: effect objects made, given their
// parameters, applied to a bitmap area on its locked 32-bit ARGB pixels, and
// deleted. Colour effects work on straight (not premultiplied) colours and
// keep alpha; blur and sharpen convolve premultiplied colours. Effects that
// amount to one lookup table per channel (brightness/contrast, colour
// balance, colour curve, colour LUT, levels) hand that table back as
// auxiliary data on request: 1024 bytes allocated with GdipAlloc, laid out
// as ColorLUTParams. The formulas are in docs/platform-notes.md.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/effect_types.h"

namespace charart::gdiplus {

enum class EffectKind {
  Blur,
  Sharpen,
  ColorMatrix,
  ColorLUT,
  BrightnessContrast,
  HueSaturationLightness,
  Levels,
  Tint,
  ColorBalance,
  RedEyeCorrection,
  ColorCurve,
};

struct CGpEffect {
  EffectKind kind;
  std::vector<BYTE> params;  // the record as set; empty until then
  std::vector<RECT> areas;   // red-eye areas, owned here
};

namespace adapters {
namespace {

constexpr PixelFormat kFormat32bppArgb = 0x0026200A;
constexpr UINT kLockReadWrite = 3;

std::mutex g_mutex;
std::set<CGpEffect*>& Effects() {
  static std::set<CGpEffect*> effects;
  return effects;
}

bool Live(CGpEffect* effect) {
  std::lock_guard lock(g_mutex);
  return effect != nullptr && Effects().count(effect) != 0;
}

bool SameGuid(const GUID& a, const GUID& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::optional<EffectKind> KindOf(const GUID& guid) {
  const std::pair<const GUID*, EffectKind> kinds[] = {
      {&BlurEffectGuid, EffectKind::Blur},
      {&SharpenEffectGuid, EffectKind::Sharpen},
      {&ColorMatrixEffectGuid, EffectKind::ColorMatrix},
      {&ColorLUTEffectGuid, EffectKind::ColorLUT},
      {&BrightnessContrastEffectGuid, EffectKind::BrightnessContrast},
      {&HueSaturationLightnessEffectGuid, EffectKind::HueSaturationLightness},
      {&LevelsEffectGuid, EffectKind::Levels},
      {&TintEffectGuid, EffectKind::Tint},
      {&ColorBalanceEffectGuid, EffectKind::ColorBalance},
      {&RedEyeCorrectionEffectGuid, EffectKind::RedEyeCorrection},
      {&ColorCurveEffectGuid, EffectKind::ColorCurve},
  };
  for (const auto& [id, kind] : kinds) {
    if (SameGuid(*id, guid)) return kind;
  }
  return std::nullopt;
}

UINT RecordSize(EffectKind kind) {
  switch (kind) {
    case EffectKind::Blur:
      return sizeof(BlurParams);
    case EffectKind::Sharpen:
      return sizeof(SharpenParams);
    case EffectKind::ColorMatrix:
      return sizeof(ColorMatrix);
    case EffectKind::ColorLUT:
      return sizeof(ColorLUTParams);
    case EffectKind::BrightnessContrast:
      return sizeof(BrightnessContrastParams);
    case EffectKind::HueSaturationLightness:
      return sizeof(HueSaturationLightnessParams);
    case EffectKind::Levels:
      return sizeof(LevelsParams);
    case EffectKind::Tint:
      return sizeof(TintParams);
    case EffectKind::ColorBalance:
      return sizeof(ColorBalanceParams);
    case EffectKind::RedEyeCorrection:
      return sizeof(RedEyeCorrectionParams);
    case EffectKind::ColorCurve:
      return sizeof(ColorCurveParams);
  }
  return 0;
}

template <typename T>
T Params(const CGpEffect& effect) {
  T params;
  std::memcpy(&params, effect.params.data(), sizeof params);
  return params;
}

bool In(double value, double low, double high) {
  return value >= low && value <= high;
}

bool Valid(EffectKind kind, const void* record) {
  switch (kind) {
    case EffectKind::Blur: {
      BlurParams p;
      std::memcpy(&p, record, sizeof p);
      return In(p.radius, 0, 255);
    }
    case EffectKind::Sharpen: {
      SharpenParams p;
      std::memcpy(&p, record, sizeof p);
      return In(p.radius, 0, 255) && In(p.amount, 0, 100);
    }
    case EffectKind::ColorMatrix: {
      ColorMatrix p;
      std::memcpy(&p, record, sizeof p);
      for (const auto& row : p.m) {
        for (const REAL value : row) {
          if (!std::isfinite(value)) return false;
        }
      }
      return true;
    }
    case EffectKind::ColorLUT:
      return true;
    case EffectKind::BrightnessContrast: {
      BrightnessContrastParams p;
      std::memcpy(&p, record, sizeof p);
      return In(p.brightnessLevel, -255, 255) && In(p.contrastLevel, -100, 100);
    }
    case EffectKind::HueSaturationLightness: {
      HueSaturationLightnessParams p;
      std::memcpy(&p, record, sizeof p);
      return In(p.hueLevel, -180, 180) && In(p.saturationLevel, -100, 100) &&
             In(p.lightnessLevel, -100, 100);
    }
    case EffectKind::Levels: {
      LevelsParams p;
      std::memcpy(&p, record, sizeof p);
      return In(p.highlight, 0, 100) && In(p.midtone, -100, 100) && In(p.shadow, 0, 100) &&
             p.shadow < p.highlight;
    }
    case EffectKind::Tint: {
      TintParams p;
      std::memcpy(&p, record, sizeof p);
      return In(p.hue, -180, 180) && In(p.amount, -100, 100);
    }
    case EffectKind::ColorBalance: {
      ColorBalanceParams p;
      std::memcpy(&p, record, sizeof p);
      return In(p.cyanRed, -100, 100) && In(p.magentaGreen, -100, 100) &&
             In(p.yellowBlue, -100, 100);
    }
    case EffectKind::RedEyeCorrection: {
      RedEyeCorrectionParams p;
      std::memcpy(&p, record, sizeof p);
      return p.numberOfAreas == 0 || p.areas != nullptr;
    }
    case EffectKind::ColorCurve: {
      ColorCurveParams p;
      std::memcpy(&p, record, sizeof p);
      if (!In(p.channel, CurveChannelAll, CurveChannelBlue)) return false;
      switch (p.adjustment) {
        case AdjustExposure:
        case AdjustDensity:
          return In(p.adjustValue, -255, 255);
        case AdjustContrast:
        case AdjustHighlight:
        case AdjustShadow:
        case AdjustMidtone:
          return In(p.adjustValue, -100, 100);
        case AdjustWhiteSaturation:
        case AdjustBlackSaturation:
          return In(p.adjustValue, 0, 255);
      }
      return false;
    }
  }
  return false;
}

// --- pixels ----------------------------------------------------------------

struct Pixel {
  double a, r, g, b;  // 0 to 255 each
};

Pixel Unpack(ARGB argb) {
  return {double(argb >> 24), double((argb >> 16) & 0xFF), double((argb >> 8) & 0xFF),
          double(argb & 0xFF)};
}

BYTE Channel(double value) {
  if (!(value > 0)) return 0;
  if (value >= 255) return 255;
  return static_cast<BYTE>(std::lround(value));
}

ARGB Pack(const Pixel& p) {
  return ARGB{Channel(p.a)} << 24 | ARGB{Channel(p.r)} << 16 | ARGB{Channel(p.g)} << 8 |
         ARGB{Channel(p.b)};
}

struct Image {
  INT width = 0;
  INT height = 0;
  std::vector<ARGB> pixels;
  ARGB At(INT x, INT y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct Area {
  INT left, top, right, bottom;  // right and bottom exclusive
  bool Contains(INT x, INT y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// --- lookup tables ---------------------------------------------------------

using Table = std::array<BYTE, 256>;

struct Tables {
  Table r, g, b, a;
};

Table Identity() {
  Table table;
  for (int i = 0; i < 256; ++i) table[i] = static_cast<BYTE>(i);
  return table;
}

template <typename F>
Table Curve(F f) {
  Table table;
  for (int i = 0; i < 256; ++i) table[i] = Channel(f(double(i)));
  return table;
}

Table CurveFor(CurveAdjustments adjustment, INT value) {
  const double v = value;
  switch (adjustment) {
    case AdjustExposure:
      return Curve([&](double c) { return c * std::pow(2.0, v / 100); });
    case AdjustDensity:
      return Curve([&](double c) { return c * std::pow(2.0, -v / 100); });
    case AdjustContrast:
      return Curve([&](double c) { return (c - 128) * (100 + v) / 100 + 128; });
    case AdjustHighlight:
      return Curve([&](double c) { return c + v * 2.55 * (c / 255) * (c / 255); });
    case AdjustShadow:
      return Curve([&](double c) { return c + v * 2.55 * (1 - c / 255) * (1 - c / 255); });
    case AdjustMidtone:
      return Curve([&](double c) { return 255 * std::pow(c / 255, std::pow(2.0, -v / 100)); });
    case AdjustWhiteSaturation:
      return Curve([&](double c) { return v > 0 ? c * 255 / v : 255; });
    case AdjustBlackSaturation:
      return Curve([&](double c) { return v < 255 ? (c - v) * 255 / (255 - v) : 0; });
  }
  return Identity();
}

// The per-channel tables of an effect that has them.
std::optional<Tables> TablesOf(const CGpEffect& effect) {
  Tables t{Identity(), Identity(), Identity(), Identity()};
  switch (effect.kind) {
    case EffectKind::ColorLUT: {
      const auto p = Params<ColorLUTParams>(effect);
      std::copy(std::begin(p.lutR), std::end(p.lutR), t.r.begin());
      std::copy(std::begin(p.lutG), std::end(p.lutG), t.g.begin());
      std::copy(std::begin(p.lutB), std::end(p.lutB), t.b.begin());
      std::copy(std::begin(p.lutA), std::end(p.lutA), t.a.begin());
      return t;
    }
    case EffectKind::BrightnessContrast: {
      const auto p = Params<BrightnessContrastParams>(effect);
      t.r = t.g = t.b = Curve([&](double c) {
        return (c - 128) * (100.0 + p.contrastLevel) / 100 + 128 + p.brightnessLevel;
      });
      return t;
    }
    case EffectKind::ColorBalance: {
      const auto p = Params<ColorBalanceParams>(effect);
      t.r = Curve([&](double c) { return c * (100.0 + p.cyanRed) / 100; });
      t.g = Curve([&](double c) { return c * (100.0 + p.magentaGreen) / 100; });
      t.b = Curve([&](double c) { return c * (100.0 + p.yellowBlue) / 100; });
      return t;
    }
    case EffectKind::Levels: {
      const auto p = Params<LevelsParams>(effect);
      const double shadow = p.shadow * 255.0 / 100;
      const double highlight = p.highlight * 255.0 / 100;
      const double gamma = std::pow(2.0, -p.midtone / 100.0);
      t.r = t.g = t.b = Curve([&](double c) {
        const double v = std::clamp((c - shadow) / (highlight - shadow), 0.0, 1.0);
        return 255 * std::pow(v, gamma);
      });
      return t;
    }
    case EffectKind::ColorCurve: {
      const auto p = Params<ColorCurveParams>(effect);
      const Table curve = CurveFor(p.adjustment, p.adjustValue);
      if (p.channel == CurveChannelAll || p.channel == CurveChannelRed) t.r = curve;
      if (p.channel == CurveChannelAll || p.channel == CurveChannelGreen) t.g = curve;
      if (p.channel == CurveChannelAll || p.channel == CurveChannelBlue) t.b = curve;
      return t;
    }
    default:
      return std::nullopt;
  }
}

// --- colour effects --------------------------------------------------------

// Hue in degrees [0, 360), saturation and lightness in [0, 1].
struct Hsl {
  double h, s, l;
};

Hsl ToHsl(double r, double g, double b) {
  r /= 255, g /= 255, b /= 255;
  const double high = std::max({r, g, b});
  const double low = std::min({r, g, b});
  Hsl out{0, 0, (high + low) / 2};
  const double d = high - low;
  if (d == 0) return out;
  out.s = out.l > 0.5 ? d / (2 - high - low) : d / (high + low);
  if (high == r) {
    out.h = 60 * std::fmod((g - b) / d + 6, 6.0);
  } else if (high == g) {
    out.h = 60 * ((b - r) / d + 2);
  } else {
    out.h = 60 * ((r - g) / d + 4);
  }
  return out;
}

void FromHsl(const Hsl& hsl, double& r, double& g, double& b) {
  const double c = (1 - std::fabs(2 * hsl.l - 1)) * hsl.s;
  const double h = std::fmod(std::fmod(hsl.h, 360.0) + 360, 360.0) / 60;
  const double x = c * (1 - std::fabs(std::fmod(h, 2.0) - 1));
  double r1 = 0, g1 = 0, b1 = 0;
  if (h < 1) {
    r1 = c, g1 = x;
  } else if (h < 2) {
    r1 = x, g1 = c;
  } else if (h < 3) {
    g1 = c, b1 = x;
  } else if (h < 4) {
    g1 = x, b1 = c;
  } else if (h < 5) {
    r1 = x, b1 = c;
  } else {
    r1 = c, b1 = x;
  }
  const double m = hsl.l - c / 2;
  r = (r1 + m) * 255, g = (g1 + m) * 255, b = (b1 + m) * 255;
}

Pixel HueSaturationLightness(Pixel p, const HueSaturationLightnessParams& params) {
  Hsl hsl = ToHsl(p.r, p.g, p.b);
  hsl.h += params.hueLevel;
  hsl.s = std::clamp(hsl.s * (100.0 + params.saturationLevel) / 100, 0.0, 1.0);
  const double lightness = params.lightnessLevel / 100.0;
  hsl.l = lightness >= 0 ? hsl.l + (1 - hsl.l) * lightness : hsl.l * (1 + lightness);
  FromHsl(hsl, p.r, p.g, p.b);
  return p;
}

Pixel Tint(Pixel p, const TintParams& params) {
  // The tint colour: the hue at full saturation and value; a negative amount
  // tints with the opposite hue.
  const double hue = params.amount < 0 ? params.hue + 180 : params.hue;
  double tr, tg, tb;
  FromHsl({hue, 1, 0.5}, tr, tg, tb);
  const double amount = std::abs(params.amount) / 100.0;
  const double luminance = (0.299 * p.r + 0.587 * p.g + 0.114 * p.b) / 255;
  p.r += amount * (luminance * tr - p.r);
  p.g += amount * (luminance * tg - p.g);
  p.b += amount * (luminance * tb - p.b);
  return p;
}

Pixel MatrixOf(const Pixel& p, const ColorMatrix& m) {
  const double v[5] = {p.r / 255, p.g / 255, p.b / 255, p.a / 255, 1};
  double out[4] = {0, 0, 0, 0};
  for (int j = 0; j < 4; ++j) {
    for (int i = 0; i < 5; ++i) out[j] += v[i] * m.m[i][j];
  }
  return {out[3] * 255, out[0] * 255, out[1] * 255, out[2] * 255};
}

// --- convolution -----------------------------------------------------------

// The premultiplied picture blurred with a Gaussian of standard deviation
// radius / 3 (the kernel reaches radius pixels). Pixels beyond the edge
// repeat the edge, or are transparent when `transparentOutside`.
std::vector<std::array<double, 4>> Blurred(const Image& image, double radius,
                                           bool transparentOutside) {
  const std::size_t count = image.pixels.size();
  std::vector<std::array<double, 4>> premultiplied(count);
  for (std::size_t i = 0; i < count; ++i) {
    const Pixel p = Unpack(image.pixels[i]);
    premultiplied[i] = {p.a, p.r * p.a / 255, p.g * p.a / 255, p.b * p.a / 255};
  }
  const int reach = static_cast<int>(std::ceil(radius));
  if (reach == 0) return premultiplied;
  const double sigma = radius / 3;
  std::vector<double> weights(static_cast<std::size_t>(2 * reach + 1));
  double total = 0;
  for (int i = -reach; i <= reach; ++i) {
    total += weights[static_cast<std::size_t>(i + reach)] = std::exp(-i * i / (2 * sigma * sigma));
  }
  for (double& w : weights) w /= total;

  auto pass = [&](const std::vector<std::array<double, 4>>& in, bool horizontal) {
    std::vector<std::array<double, 4>> out(count, {0, 0, 0, 0});
    for (INT y = 0; y < image.height; ++y) {
      for (INT x = 0; x < image.width; ++x) {
        std::array<double, 4> sum{0, 0, 0, 0};
        for (int i = -reach; i <= reach; ++i) {
          INT sx = horizontal ? x + i : x;
          INT sy = horizontal ? y : y + i;
          const bool outside = sx < 0 || sy < 0 || sx >= image.width || sy >= image.height;
          if (outside && transparentOutside) continue;
          sx = std::clamp(sx, 0, image.width - 1);
          sy = std::clamp(sy, 0, image.height - 1);
          const auto& source = in[static_cast<std::size_t>(sy) * image.width + sx];
          const double w = weights[static_cast<std::size_t>(i + reach)];
          for (int c = 0; c < 4; ++c) sum[c] += w * source[c];
        }
        out[static_cast<std::size_t>(y) * image.width + x] = sum;
      }
    }
    return out;
  };
  return pass(pass(premultiplied, true), false);
}

Pixel Straight(const std::array<double, 4>& premultiplied) {
  const double a = premultiplied[0];
  if (a <= 0) return {0, 0, 0, 0};
  return {a, premultiplied[1] * 255 / a, premultiplied[2] * 255 / a, premultiplied[3] * 255 / a};
}

// --- applying --------------------------------------------------------------

void Apply(const CGpEffect& effect, const Image& source, const Area& area, Image& target) {
  const auto tables = TablesOf(effect);
  std::vector<std::array<double, 4>> blurred;
  if (effect.kind == EffectKind::Blur) {
    const auto p = Params<BlurParams>(effect);
    blurred = Blurred(source, p.radius, p.expandEdge != 0);
  } else if (effect.kind == EffectKind::Sharpen) {
    blurred = Blurred(source, Params<SharpenParams>(effect).radius, false);
  }
  for (INT y = area.top; y < area.bottom; ++y) {
    for (INT x = area.left; x < area.right; ++x) {
      const std::size_t index = static_cast<std::size_t>(y) * source.width + x;
      const ARGB argb = source.pixels[index];
      Pixel p = Unpack(argb);
      if (tables) {
        target.pixels[index] =
            ARGB{tables->a[argb >> 24]} << 24 | ARGB{tables->r[(argb >> 16) & 0xFF]} << 16 |
            ARGB{tables->g[(argb >> 8) & 0xFF]} << 8 | ARGB{tables->b[argb & 0xFF]};
        continue;
      }
      switch (effect.kind) {
        case EffectKind::Blur:
          p = Straight(blurred[index]);
          break;
        case EffectKind::Sharpen: {
          const double amount = Params<SharpenParams>(effect).amount / 100;
          const Pixel soft = Straight(blurred[index]);
          p.r += amount * (p.r - soft.r);
          p.g += amount * (p.g - soft.g);
          p.b += amount * (p.b - soft.b);
          break;
        }
        case EffectKind::ColorMatrix:
          p = MatrixOf(p, Params<ColorMatrix>(effect));
          break;
        case EffectKind::HueSaturationLightness:
          p = HueSaturationLightness(p, Params<HueSaturationLightnessParams>(effect));
          break;
        case EffectKind::Tint:
          p = Tint(p, Params<TintParams>(effect));
          break;
        case EffectKind::RedEyeCorrection: {
          // A red eye: red of at least 100 and more than twice the mean of
          // green and blue; it becomes that mean.
          bool inside = false;
          for (const RECT& r : effect.areas) {
            inside = inside || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
          }
          const double mean = (p.g + p.b) / 2;
          if (inside && p.r >= 100 && p.r > 2 * mean) p.r = mean;
          break;
        }
        default:
          break;
      }
      target.pixels[index] = Pack(p);
    }
  }
}

}  // namespace

Status CreateEffect(const GUID* guid, CGpEffect** effect) {
  if (guid == nullptr || effect == nullptr) return Status::InvalidParameter;
  *effect = nullptr;
  const auto kind = KindOf(*guid);
  if (!kind) return Status::InvalidParameter;
  auto* made = new CGpEffect{*kind, {}, {}};
  std::lock_guard lock(g_mutex);
  Effects().insert(made);
  *effect = made;
  return Status::Ok;
}

Status DeleteEffect(CGpEffect* effect) {
  {
    std::lock_guard lock(g_mutex);
    if (effect == nullptr || Effects().erase(effect) == 0) return Status::InvalidParameter;
  }
  delete effect;
  return Status::Ok;
}

Status GetEffectParameterSize(CGpEffect* effect, UINT* size) {
  if (!Live(effect) || size == nullptr) return Status::InvalidParameter;
  *size = RecordSize(effect->kind) + static_cast<UINT>(effect->areas.size() * sizeof(RECT));
  return Status::Ok;
}

Status SetEffectParameters(CGpEffect* effect, const void* params, UINT size) {
  if (!Live(effect) || params == nullptr || size != RecordSize(effect->kind) ||
      !Valid(effect->kind, params)) {
    return Status::InvalidParameter;
  }
  const auto* bytes = static_cast<const BYTE*>(params);
  effect->params.assign(bytes, bytes + size);
  effect->areas.clear();
  if (effect->kind == EffectKind::RedEyeCorrection) {
    const auto p = Params<RedEyeCorrectionParams>(*effect);
    effect->areas.assign(p.areas, p.areas + p.numberOfAreas);
  }
  return Status::Ok;
}

Status GetEffectParameters(CGpEffect* effect, UINT* size, void* params) {
  if (!Live(effect) || size == nullptr || params == nullptr) return Status::InvalidParameter;
  if (effect->params.empty()) return Status::WrongState;
  UINT needed = 0;
  GetEffectParameterSize(effect, &needed);
  if (*size < needed) return Status::InsufficientBuffer;
  std::memcpy(params, effect->params.data(), effect->params.size());
  if (effect->kind == EffectKind::RedEyeCorrection) {
    // The areas follow the record; its pointer names them there.
    auto* areas = reinterpret_cast<RECT*>(static_cast<BYTE*>(params) + effect->params.size());
    std::copy(effect->areas.begin(), effect->areas.end(), areas);
    RedEyeCorrectionParams record = Params<RedEyeCorrectionParams>(*effect);
    record.areas = effect->areas.empty() ? nullptr : areas;
    std::memcpy(params, &record, sizeof record);
  }
  *size = needed;
  return Status::Ok;
}

Status BitmapApplyEffect(GpBitmap* bitmap, CGpEffect* effect, RECT* roi, BOOL useAuxData,
                         void** auxData, INT* auxDataSize) {
  static const auto width = Raw<decltype(FunctionTable::GdipGetImageWidth)>("GdipGetImageWidth");
  static const auto height = Raw<decltype(FunctionTable::GdipGetImageHeight)>("GdipGetImageHeight");
  static const auto alloc = Raw<decltype(FunctionTable::GdipAlloc)>("GdipAlloc");
  if (width == nullptr || height == nullptr || alloc == nullptr) return Status::NotImplemented;
  if (auxData != nullptr) *auxData = nullptr;
  if (auxDataSize != nullptr) *auxDataSize = 0;
  if (bitmap == nullptr || !Live(effect)) return Status::InvalidParameter;
  if (effect->params.empty()) return Status::InvalidParameter;

  Image image;
  auto* gpImage = reinterpret_cast<GpImage*>(bitmap);
  UINT w = 0;
  UINT h = 0;
  if (Status status = width(gpImage, &w); status != Status::Ok) return status;
  if (Status status = height(gpImage, &h); status != Status::Ok) return status;
  image.width = static_cast<INT>(w);
  image.height = static_cast<INT>(h);
  Area area{0, 0, image.width, image.height};
  if (roi != nullptr) {
    area = {std::max(roi->left, 0), std::max(roi->top, 0), std::min(roi->right, image.width),
            std::min(roi->bottom, image.height)};
  }
  if (area.left >= area.right || area.top >= area.bottom) return Status::InvalidParameter;

  const GpRect whole{0, 0, image.width, image.height};
  BitmapData data{};
  if (Status status = BitmapLockBits(bitmap, &whole, kLockReadWrite, kFormat32bppArgb, &data);
      status != Status::Ok) {
    return status;
  }
  image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
  for (INT y = 0; y < image.height; ++y) {
    std::memcpy(&image.pixels[static_cast<std::size_t>(y) * image.width],
                static_cast<BYTE*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride,
                static_cast<std::size_t>(image.width) * 4);
  }
  Image result = image;
  Apply(*effect, image, area, result);
  for (INT y = area.top; y < area.bottom; ++y) {
    std::memcpy(static_cast<BYTE*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride +
                    area.left * 4,
                &result.pixels[static_cast<std::size_t>(y) * image.width + area.left],
                static_cast<std::size_t>(area.right - area.left) * 4);
  }
  if (Status status = BitmapUnlockBits(bitmap, &data); status != Status::Ok) return status;

  if (useAuxData != 0 && auxData != nullptr && auxDataSize != nullptr) {
    if (const auto tables = TablesOf(*effect)) {
      auto* lut = static_cast<ColorLUTParams*>(alloc(sizeof(ColorLUTParams)));
      if (lut == nullptr) return Status::OutOfMemory;
      std::copy(tables->b.begin(), tables->b.end(), lut->lutB);
      std::copy(tables->g.begin(), tables->g.end(), lut->lutG);
      std::copy(tables->r.begin(), tables->r.end(), lut->lutR);
      std::copy(tables->a.begin(), tables->a.end(), lut->lutA);
      *auxData = lut;
      *auxDataSize = sizeof(ColorLUTParams);
    }
  }
  return Status::Ok;
}

}  // namespace adapters
}  // namespace charart::gdiplus
