// The check every picture loader's result passes before the caller sees it.
#pragma once

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::gdiplus::adapters {

// libgdiplus's icon decoder takes the size from the icon directory, where 0
// stands for 256, and answers Ok with a picture 0 pixels wide or high (an
// empty picture, whatever pixels the file holds). A picture without pixels
// is disposed and refused with InvalidParameter, as GDI+ refuses data it
// cannot decode; any other result passes unchanged.
Status RefuseEmptyPicture(Status status, GpImage** image);

}  // namespace charart::gdiplus::adapters
