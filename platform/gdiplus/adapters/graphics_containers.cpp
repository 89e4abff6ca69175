// Containers and the visible clip as GDI+ has them.
//
// libgdiplus's GdipBeginContainer(I) checks its rectangles and then ignores
// them: the container gets no transform. The adapters open a plain container
// and give it the transform that maps the source rectangle onto the
// destination (both in the given unit, the destination then read in the
// graphics' page unit), prepended to the world transform, as GDI+ does.
//
// libgdiplus's visible clip bounds are the clip's bounds cut by the image's
// without checking that anything is left: a clip off the image gives a
// rectangle of negative size, and the visible clip is never empty. The
// adapters answer the empty rectangle and an empty visible clip instead.
#include <cmath>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/gdiplus/adapters/graphics_geometry.h"

namespace charart::gdiplus::adapters {
namespace {

bool Finite(const GpRectF& r) {
  return std::isfinite(r.X) && std::isfinite(r.Y) && std::isfinite(r.Width) &&
         std::isfinite(r.Height);
}

}  // namespace

Status BeginContainer(GpGraphics* graphics, const GpRectF* dstRect, const GpRectF* srcRect,
                      INT unit, UINT* state) {
  static const auto plain =
      Raw<decltype(FunctionTable::GdipBeginContainer2)>("GdipBeginContainer2");
  static const auto end = Raw<decltype(FunctionTable::GdipEndContainer)>("GdipEndContainer");
  static const auto pageUnit = Raw<decltype(FunctionTable::GdipGetPageUnit)>("GdipGetPageUnit");
  static const auto dpiX = Raw<decltype(FunctionTable::GdipGetDpiX)>("GdipGetDpiX");
  static const auto dpiY = Raw<decltype(FunctionTable::GdipGetDpiY)>("GdipGetDpiY");
  static const auto create = Raw<decltype(FunctionTable::GdipCreateMatrix)>("GdipCreateMatrix");
  static const auto remove = Raw<decltype(FunctionTable::GdipDeleteMatrix)>("GdipDeleteMatrix");
  static const auto multiply =
      Raw<decltype(FunctionTable::GdipMultiplyWorldTransform)>("GdipMultiplyWorldTransform");
  using SetElements = Status (*)(GpMatrix*, REAL, REAL, REAL, REAL, REAL, REAL);
  static const auto elements = Raw<SetElements>("GdipSetMatrixElements");
  if (!plain || !end || !pageUnit || !dpiX || !dpiY || !create || !remove || !multiply ||
      !elements) {
    return Status::NotImplemented;
  }
  // The units GDI+ measures containers in: pixel to millimetre.
  if (graphics == nullptr || dstRect == nullptr || srcRect == nullptr || state == nullptr ||
      unit < 2 || unit > 6 || !Finite(*dstRect) || !Finite(*srcRect) || srcRect->Width == 0 ||
      srcRect->Height == 0) {
    return Status::InvalidParameter;
  }
  INT page = 0;
  REAL xdpi = 96;
  REAL ydpi = 96;
  Status status = pageUnit(graphics, &page);
  if (status == Status::Ok) status = dpiX(graphics, &xdpi);
  if (status == Status::Ok) status = dpiY(graphics, &ydpi);
  if (status != Status::Ok) return status;
  // Source units to destination units, then destination units to page units.
  const double fx = PixelsPerUnit(unit, xdpi) / PixelsPerUnit(page, xdpi);
  const double fy = PixelsPerUnit(unit, ydpi) / PixelsPerUnit(page, ydpi);
  const double sx = dstRect->Width / srcRect->Width * fx;
  const double sy = dstRect->Height / srcRect->Height * fy;
  const double dx = dstRect->X * fx - srcRect->X * sx;
  const double dy = dstRect->Y * fy - srcRect->Y * sy;

  GpMatrix* matrix = nullptr;
  if ((status = create(&matrix)) != Status::Ok) return status;
  status = elements(matrix, static_cast<REAL>(sx), 0, 0, static_cast<REAL>(sy),
                    static_cast<REAL>(dx), static_cast<REAL>(dy));
  UINT opened = 0;
  if (status == Status::Ok) status = plain(graphics, &opened);
  if (status == Status::Ok) {
    status = multiply(graphics, matrix, /*prepend*/ 0);
    if (status != Status::Ok) {
      end(graphics, opened);
    } else {
      *state = opened;
    }
  }
  remove(matrix);
  return status;
}

Status BeginContainerI(GpGraphics* graphics, const GpRect* dstRect, const GpRect* srcRect, INT unit,
                       UINT* state) {
  if (dstRect == nullptr || srcRect == nullptr) return Status::InvalidParameter;
  const GpRectF dst{REAL(dstRect->X), REAL(dstRect->Y), REAL(dstRect->Width),
                    REAL(dstRect->Height)};
  const GpRectF src{REAL(srcRect->X), REAL(srcRect->Y), REAL(srcRect->Width),
                    REAL(srcRect->Height)};
  return BeginContainer(graphics, &dst, &src, unit, state);
}

Status GetVisibleClipBounds(GpGraphics* graphics, GpRectF* rect) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipGetVisibleClipBounds)>("GdipGetVisibleClipBounds");
  if (raw == nullptr) return Status::NotImplemented;
  const Status status = raw(graphics, rect);
  if (status == Status::Ok && !(rect->Width > 0 && rect->Height > 0)) *rect = GpRectF{};
  return status;
}

Status GetVisibleClipBoundsI(GpGraphics* graphics, GpRect* rect) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipGetVisibleClipBoundsI)>("GdipGetVisibleClipBoundsI");
  if (raw == nullptr) return Status::NotImplemented;
  const Status status = raw(graphics, rect);
  if (status == Status::Ok && !(rect->Width > 0 && rect->Height > 0)) *rect = GpRect{};
  return status;
}

Status IsVisibleClipEmpty(GpGraphics* graphics, BOOL* result) {
  static const auto raw =
      Raw<decltype(FunctionTable::GdipIsVisibleClipEmpty)>("GdipIsVisibleClipEmpty");
  if (raw == nullptr) return Status::NotImplemented;
  Status status = raw(graphics, result);
  if (status != Status::Ok || *result != 0) return status;
  GpRectF visible{};
  status = GetVisibleClipBounds(graphics, &visible);
  if (status == Status::Ok && visible.Width == 0) *result = 1;
  return status;
}

}  // namespace charart::gdiplus::adapters
