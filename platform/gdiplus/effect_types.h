// GDI+'s effects: the effect GUIDs and their parameter records, written from
// the published GDI+ 1.1 documentation. libgdiplus has no effects; the
// adapters in adapters/effects.cpp compute them (see docs/platform-notes.md
// for the formulas).
#pragma once

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::gdiplus {

inline constexpr GUID BlurEffectGuid = {
    0x633C80A4, 0x1843, 0x482B, {0x9E, 0xF2, 0xBE, 0x28, 0x34, 0xC5, 0xFD, 0xD4}};
inline constexpr GUID SharpenEffectGuid = {
    0x63CBF3EE, 0xC526, 0x402C, {0x8F, 0x71, 0x62, 0xC5, 0x40, 0xBF, 0x51, 0x42}};
inline constexpr GUID ColorMatrixEffectGuid = {
    0x718F2615, 0x7933, 0x40E3, {0xA5, 0x11, 0x5F, 0x68, 0xFE, 0x14, 0xDD, 0x74}};
inline constexpr GUID ColorLUTEffectGuid = {
    0xA7CE72A9, 0x0F7F, 0x40D7, {0xB3, 0xCC, 0xD0, 0xC0, 0x2D, 0x5C, 0x32, 0x12}};
inline constexpr GUID BrightnessContrastEffectGuid = {
    0xD3A1DBE1, 0x8EC4, 0x4C17, {0x9F, 0x4C, 0xEA, 0x97, 0xAD, 0x1C, 0x34, 0x3D}};
inline constexpr GUID HueSaturationLightnessEffectGuid = {
    0x8B2DD6C3, 0xEB07, 0x4D87, {0xA5, 0xF0, 0x71, 0x08, 0xE2, 0x6A, 0x9C, 0x5F}};
inline constexpr GUID LevelsEffectGuid = {
    0x99C354EC, 0x2A31, 0x4F3A, {0x8C, 0x34, 0x17, 0xA8, 0x03, 0xB3, 0x3A, 0x25}};
inline constexpr GUID TintEffectGuid = {
    0x1077AF00, 0x2848, 0x4441, {0x94, 0x89, 0x44, 0xAD, 0x4C, 0x2D, 0x7A, 0x2C}};
inline constexpr GUID ColorBalanceEffectGuid = {
    0x537E597D, 0x251E, 0x48DA, {0x96, 0x64, 0x29, 0xCA, 0x49, 0x6B, 0x70, 0xF8}};
inline constexpr GUID RedEyeCorrectionEffectGuid = {
    0x74D29D05, 0x69A4, 0x4266, {0x95, 0x49, 0x3C, 0xC5, 0x28, 0x36, 0xB6, 0x32}};
inline constexpr GUID ColorCurveEffectGuid = {
    0xDD6A0022, 0x58E4, 0x4A67, {0x9D, 0x9B, 0xD4, 0x8E, 0xB8, 0x81, 0xA5, 0x3D}};

struct BlurParams {
  REAL radius;  // 0 to 255
  BOOL expandEdge;
};

struct SharpenParams {
  REAL radius;  // 0 to 255
  REAL amount;  // 0 to 100
};

struct TintParams {
  INT hue;     // -180 to 180
  INT amount;  // -100 to 100
};

struct RedEyeCorrectionParams {
  UINT numberOfAreas;
  RECT* areas;
};

struct ColorMatrix {
  REAL m[5][5];
};

struct ColorLUTParams {
  BYTE lutB[256];
  BYTE lutG[256];
  BYTE lutR[256];
  BYTE lutA[256];
};

struct BrightnessContrastParams {
  INT brightnessLevel;  // -255 to 255
  INT contrastLevel;    // -100 to 100
};

struct HueSaturationLightnessParams {
  INT hueLevel;         // -180 to 180
  INT saturationLevel;  // -100 to 100
  INT lightnessLevel;   // -100 to 100
};

struct LevelsParams {
  INT highlight;  // 0 to 100
  INT midtone;    // -100 to 100
  INT shadow;     // 0 to 100
};

struct ColorBalanceParams {
  INT cyanRed;       // -100 to 100
  INT magentaGreen;  // -100 to 100
  INT yellowBlue;    // -100 to 100
};

enum CurveAdjustments : INT {
  AdjustExposure = 0,         // -255 to 255
  AdjustDensity = 1,          // -255 to 255
  AdjustContrast = 2,         // -100 to 100
  AdjustHighlight = 3,        // -100 to 100
  AdjustShadow = 4,           // -100 to 100
  AdjustMidtone = 5,          // -100 to 100
  AdjustWhiteSaturation = 6,  // 0 to 255
  AdjustBlackSaturation = 7,  // 0 to 255
};

enum CurveChannel : INT {
  CurveChannelAll = 0,
  CurveChannelRed = 1,
  CurveChannelGreen = 2,
  CurveChannelBlue = 3,
};

struct ColorCurveParams {
  CurveAdjustments adjustment;
  CurveChannel channel;
  INT adjustValue;
};

}  // namespace charart::gdiplus
