// The check every picture loader's result passes before the caller sees it.
#pragma once

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::gdiplus::adapters {

// libgdiplus answers Ok with pictures that have no pixels: its icon decoder
// takes the size from the icon directory, where 0 stands for 256, and makes
// a picture 0 pixels wide or high; its TIFF decoder can make a bitmap with a
// frame dimension but no frame, on which every query reads through a null
// pointer. Such a picture is disposed and refused with InvalidParameter, as
// GDI+ refuses data it cannot decode; any other result passes unchanged.
Status RefuseEmptyPicture(Status status, GpImage** image);

}  // namespace charart::gdiplus::adapters
