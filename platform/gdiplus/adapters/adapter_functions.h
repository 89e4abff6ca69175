// The adapters themselves, one file each under adapters/.
#pragma once

#include "platform/gdiplus/gdiplus_types.h"

namespace charart::gdiplus::adapters {

// libgdiplus refuses length -1; GDI+ takes it as "up to the zero unit".
Status MeasureCharacterRanges(GpGraphics* graphics, const WCHAR* string, INT length,
                              const GpFont* font, const GpRectF* layoutRect,
                              const GpStringFormat* format, INT regionCount, GpRegion** regions);

// libgdiplus accepts any name; GDI+ answers FontFamilyNotFound for a family
// that no installed font has. fontconfig decides.
Status CreateFontFamilyFromName(const WCHAR* name, GpFontCollection* collection,
                                GpFontFamily** family);

// Absent from libgdiplus: the float bounds, each edge rounded outward.
Status GetRegionBoundsI(GpRegion* region, GpGraphics* graphics, GpRect* rect);

}  // namespace charart::gdiplus::adapters
