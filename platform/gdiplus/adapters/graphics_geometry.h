// Small geometry helpers shared by the graphics adapters.
#pragma once

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::gdiplus::adapters {

// The six elements of the graphics' world transform (m11, m12, m21, m22,
// dx, dy), read through libgdiplus's own matrix functions. `m` keeps the
// identity when the read fails.
Status ReadWorldTransform(GpGraphics* graphics, REAL (&m)[6]);

// Device pixels per unit at `dpi`: point, inch, document and millimetre by
// their definitions; world, display and pixel units are pixels on a screen
// or bitmap (there are no printers here).
double PixelsPerUnit(INT unit, double dpi);

}  // namespace charart::gdiplus::adapters
