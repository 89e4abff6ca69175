// Blank-margin cropping: narrows a picture in place to the columns and rows
// that carry ink.
#pragma once

#include "imaging/core/bitmap.h"

namespace charart::engine {

// Four passes, in this order: left (at most ten columns), right (at most ten
// columns), top (every row), bottom (every row). A line carries ink when the
// sum of its pixels, each an ArgbColor taken as a signed 32-bit number and
// added with 32-bit wrap-around, is not 0. Each pass ends at its first inked
// line and narrows the picture to it with one CloneAreaI into the picture
// itself. Every pixel is read with its own GetPixel; statuses are not looked
// at, so a picture without a bitmap stays empty.
void CropBlankMargins(imaging::Bitmap& picture);

}  // namespace charart::engine
