#include "platform/gdiplus/adapters/graphics_geometry.h"

#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {

Status ReadWorldTransform(GpGraphics* graphics, REAL (&m)[6]) {
  using GetMatrixElements = Status (*)(const GpMatrix*, REAL*);
  static const auto create = Raw<decltype(FunctionTable::GdipCreateMatrix)>("GdipCreateMatrix");
  static const auto remove = Raw<decltype(FunctionTable::GdipDeleteMatrix)>("GdipDeleteMatrix");
  static const auto get =
      Raw<decltype(FunctionTable::GdipGetWorldTransform)>("GdipGetWorldTransform");
  static const auto elements = Raw<GetMatrixElements>("GdipGetMatrixElements");
  m[0] = 1, m[1] = 0, m[2] = 0, m[3] = 1, m[4] = 0, m[5] = 0;
  if (create == nullptr || remove == nullptr || get == nullptr || elements == nullptr) {
    return Status::NotImplemented;
  }
  GpMatrix* matrix = nullptr;
  Status status = create(&matrix);
  if (status != Status::Ok) return status;
  REAL read[6] = {1, 0, 0, 1, 0, 0};
  status = get(graphics, matrix);
  if (status == Status::Ok) status = elements(matrix, read);
  remove(matrix);
  if (status == Status::Ok) {
    for (int i = 0; i < 6; ++i) m[i] = read[i];
  }
  return status;
}

double PixelsPerUnit(INT unit, double dpi) {
  switch (unit) {
    case 3:  // point
      return dpi / 72.0;
    case 4:  // inch
      return dpi;
    case 5:  // document
      return dpi / 300.0;
    case 6:  // millimetre
      return dpi / 25.4;
    default:  // world, display, pixel
      return 1.0;
  }
}

}  // namespace charart::gdiplus::adapters
