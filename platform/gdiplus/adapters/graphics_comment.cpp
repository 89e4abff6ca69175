#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {

Status Comment(GpGraphics* graphics, UINT sizeData, const BYTE* data) {
  if (graphics == nullptr) return Status::InvalidParameter;
  if (sizeData > 0 && data == nullptr) return Status::InvalidParameter;
  // Only a graphics recording a metafile keeps comments, and libgdiplus's
  // recorder writes no records at all: every graphics takes the comment and
  // lets it go, as GDI+ does on a device that is not a metafile.
  return Status::Ok;
}

}  // namespace charart::gdiplus::adapters
