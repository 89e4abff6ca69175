// Effect: owns one GDI+ effect (blur, sharpen, tint, red-eye correction,
// colour matrix, colour lookup tables, brightness and contrast, hue,
// saturation and lightness, levels, colour balance, colour curve) and the
// auxiliary data of its last application, which Bitmap::ApplyEffect
// exchanges through AuxData and AuxDataSize. The effect is chosen by its
// GUID text and configured with GDI+'s parameter record for it
// (platform/gdiplus/effect_types.h).
//
// Destroy frees the auxiliary data with GdipFree and deletes the effect.
// Copy() returns a borrowing copy that names the same effect, holds no
// auxiliary data and never deletes anything.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "imaging/core/gdiplus_object.h"
#include "values/byte_set.h"
#include "values/text.h"

namespace charart::imaging {

// The effect GUIDs as GUID texts.
inline constexpr const char* kBlurEffect = "{633C80A4-1843-482B-9EF2-BE2834C5FDD4}";
inline constexpr const char* kSharpenEffect = "{63CBF3EE-C526-402C-8F71-62C540BF5142}";
inline constexpr const char* kColorMatrixEffect = "{718F2615-7933-40E3-A511-5F68FE14DD74}";
inline constexpr const char* kColorLUTEffect = "{A7CE72A9-0F7F-40D7-B3CC-D0C02D5C3212}";
inline constexpr const char* kBrightnessContrastEffect = "{D3A1DBE1-8EC4-4C17-9F4C-EA97AD1C343D}";
inline constexpr const char* kHueSaturationLightnessEffect =
    "{8B2DD6C3-EB07-4D87-A5F0-7108E26A9C5F}";
inline constexpr const char* kLevelsEffect = "{99C354EC-2A31-4F3A-8C34-17A803B33A25}";
inline constexpr const char* kTintEffect = "{1077AF00-2848-4441-9489-44AD4C2D7A2C}";
inline constexpr const char* kColorBalanceEffect = "{537E597D-251E-48DA-9664-29CA496B70F8}";
inline constexpr const char* kRedEyeCorrectionEffect = "{74D29D05-69A4-4266-9549-3CC52836B632}";
inline constexpr const char* kColorCurveEffect = "{DD6A0022-58E4-4A67-9D9B-D48EB881A53D}";

class Effect : public GdiplusObject {
 public:
  Effect() = default;
  Effect(Effect&& other) noexcept;
  Effect& operator=(Effect&& other) noexcept;
  ~Effect() override { Effect::Destroy(); }

  // 0: frees the auxiliary data, deletes the effect.
  void Destroy() override;
  // 1
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 4: writes effectHandle.
  void OnHandleSet(Handle handle) override;
  // 7: the effect named by a GUID text (kBlurEffect, ...); does not delete
  // an effect the object already holds.
  virtual bool Create(const values::Text& effect);
  // 8: false without a call, LastStatus untouched, when empty.
  virtual bool Delete();
  // 9-11: the effect's parameter record as bytes.
  virtual bool SetParameters(const values::ByteSet& parameters);
  [[nodiscard]] virtual std::int32_t GetParameterSize();
  virtual bool GetParameters(values::ByteSet& parameters);
  // 12-15: what Bitmap::ApplyEffect needs. AuxData and AuxDataSize read
  // when the value is omitted and store it when given; UseAuxData likewise
  // (non-zero asks GDI+ for the auxiliary data).
  [[nodiscard]] virtual Handle GetNativeEffect();
  virtual Handle AuxData(std::optional<Handle> value = std::nullopt);
  virtual std::int32_t AuxDataSize(std::optional<std::int32_t> value = std::nullopt);
  virtual std::int32_t UseAuxData(std::optional<std::int32_t> value = std::nullopt);

  // A parameter record (gdiplus::BlurParams, ...) set as its bytes.
  template <typename Record>
  bool SetParametersOf(const Record& record) {
    return SetParameters(values::ByteSet(&record, sizeof record));
  }

  Handle effectHandle = 0;

 private:
  Handle auxData_ = 0;
  std::int32_t auxDataSize_ = 0;
  std::int32_t useAuxData_ = 0;
};

}  // namespace charart::imaging
