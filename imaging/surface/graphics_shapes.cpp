// Graphics: lines, curves, rectangles, ellipses, arcs, pies, polygons, paths
// and regions, drawn with a pen or filled with a brush, and clearing.
#include "imaging/surface/graphics.h"
#include "imaging/surface/point_array_buffer.h"

namespace charart::imaging {
namespace {

using gdiplus::GpBrush;
using gdiplus::GpGraphics;
using gdiplus::GpPath;
using gdiplus::GpPen;
using gdiplus::GpPoint;
using gdiplus::GpPointF;
using gdiplus::GpRect;
using gdiplus::GpRectF;
using gdiplus::GpRegion;

GpPen* PenOf(const GdiplusObject& pen) {
  return As<GpPen>(pen.GetHandle());
}
GpBrush* BrushOf(const GdiplusObject& brush) {
  return As<GpBrush>(brush.GetHandle());
}

}  // namespace

bool Graphics::DrawLine(const GdiplusObject& pen, float x1, float y1, float x2, float y2) {
  return Record(Gdip().GdipDrawLine(As<GpGraphics>(graphicsHandle), PenOf(pen), x1, y1, x2, y2));
}

bool Graphics::DrawLineI(const GdiplusObject& pen, std::int32_t x1, std::int32_t y1,
                         std::int32_t x2, std::int32_t y2) {
  return Record(Gdip().GdipDrawLineI(As<GpGraphics>(graphicsHandle), PenOf(pen), x1, y1, x2, y2));
}

bool Graphics::DrawLines(const GdiplusObject& pen, values::ValueArray<PointF>& points) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawLines(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawLinesI(const GdiplusObject& pen, values::ValueArray<Point>& points) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawLinesI(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawArc(const GdiplusObject& pen, float x, float y, float width, float height,
                       float startAngle, float sweepAngle) {
  return Record(Gdip().GdipDrawArc(As<GpGraphics>(graphicsHandle), PenOf(pen), x, y, width, height,
                                   startAngle, sweepAngle));
}

bool Graphics::DrawArcI(const GdiplusObject& pen, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, float startAngle,
                        float sweepAngle) {
  return Record(Gdip().GdipDrawArcI(As<GpGraphics>(graphicsHandle), PenOf(pen), x, y, width, height,
                                    startAngle, sweepAngle));
}

bool Graphics::DrawBezier(const GdiplusObject& pen, float x1, float y1, float x2, float y2,
                          float x3, float y3, float x4, float y4) {
  return Record(Gdip().GdipDrawBezier(As<GpGraphics>(graphicsHandle), PenOf(pen), x1, y1, x2, y2,
                                      x3, y3, x4, y4));
}

bool Graphics::DrawBezierI(const GdiplusObject& pen, std::int32_t x1, std::int32_t y1,
                           std::int32_t x2, std::int32_t y2, std::int32_t x3, std::int32_t y3,
                           std::int32_t x4, std::int32_t y4) {
  return Record(Gdip().GdipDrawBezierI(As<GpGraphics>(graphicsHandle), PenOf(pen), x1, y1, x2, y2,
                                       x3, y3, x4, y4));
}

bool Graphics::DrawBeziers(const GdiplusObject& pen, values::ValueArray<PointF>& points) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawBeziers(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawBeziersI(const GdiplusObject& pen, values::ValueArray<Point>& points) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawBeziersI(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawRectangle(const GdiplusObject& pen, float x, float y, float width,
                             float height) {
  return Record(
      Gdip().GdipDrawRectangle(As<GpGraphics>(graphicsHandle), PenOf(pen), x, y, width, height));
}

bool Graphics::DrawRectangleI(const GdiplusObject& pen, std::int32_t x, std::int32_t y,
                              std::int32_t width, std::int32_t height) {
  return Record(
      Gdip().GdipDrawRectangleI(As<GpGraphics>(graphicsHandle), PenOf(pen), x, y, width, height));
}

bool Graphics::DrawRectangles(const GdiplusObject& pen, values::ValueArray<RectF>& rects) {
  return Record(PassPointArray(rects, [&](GpRectF* buffer, std::int32_t count) {
    return Gdip().GdipDrawRectangles(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawRectanglesI(const GdiplusObject& pen, values::ValueArray<Rect>& rects) {
  return Record(PassPointArray(rects, [&](GpRect* buffer, std::int32_t count) {
    return Gdip().GdipDrawRectanglesI(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawEllipse(const GdiplusObject& pen, float x, float y, float width, float height) {
  return Record(
      Gdip().GdipDrawEllipse(As<GpGraphics>(graphicsHandle), PenOf(pen), x, y, width, height));
}

bool Graphics::DrawEllipseI(const GdiplusObject& pen, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height) {
  return Record(
      Gdip().GdipDrawEllipseI(As<GpGraphics>(graphicsHandle), PenOf(pen), x, y, width, height));
}

bool Graphics::DrawPie(const GdiplusObject& pen, float x, float y, float width, float height,
                       float startAngle, float sweepAngle) {
  return Record(Gdip().GdipDrawPie(As<GpGraphics>(graphicsHandle), PenOf(pen), x, y, width, height,
                                   startAngle, sweepAngle));
}

bool Graphics::DrawPieI(const GdiplusObject& pen, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, float startAngle,
                        float sweepAngle) {
  return Record(Gdip().GdipDrawPieI(As<GpGraphics>(graphicsHandle), PenOf(pen), x, y, width, height,
                                    startAngle, sweepAngle));
}

bool Graphics::DrawPolygon(const GdiplusObject& pen, values::ValueArray<PointF>& points) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawPolygon(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawPolygonI(const GdiplusObject& pen, values::ValueArray<Point>& points) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawPolygonI(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawPath(const GdiplusObject& pen, const GdiplusObject& path) {
  return Record(Gdip().GdipDrawPath(As<GpGraphics>(graphicsHandle), PenOf(pen),
                                    As<GpPath>(path.GetHandle())));
}

bool Graphics::DrawCurve(const GdiplusObject& pen, values::ValueArray<PointF>& points) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawCurve(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawCurveI(const GdiplusObject& pen, values::ValueArray<Point>& points) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawCurveI(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawCurve2(const GdiplusObject& pen, values::ValueArray<PointF>& points,
                          float tension) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawCurve2(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count,
                                 tension);
  }));
}

bool Graphics::DrawCurve2I(const GdiplusObject& pen, values::ValueArray<Point>& points,
                           float tension) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawCurve2I(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count,
                                  tension);
  }));
}

bool Graphics::DrawCurve3(const GdiplusObject& pen, values::ValueArray<PointF>& points,
                          std::int32_t offset, std::int32_t numberOfSegments, float tension) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawCurve3(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count, offset,
                                 numberOfSegments, tension);
  }));
}

bool Graphics::DrawCurve3I(const GdiplusObject& pen, values::ValueArray<Point>& points,
                           std::int32_t offset, std::int32_t numberOfSegments, float tension) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawCurve3I(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count, offset,
                                  numberOfSegments, tension);
  }));
}

bool Graphics::DrawClosedCurve(const GdiplusObject& pen, values::ValueArray<PointF>& points) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawClosedCurve(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawClosedCurveI(const GdiplusObject& pen, values::ValueArray<Point>& points) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawClosedCurveI(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count);
  }));
}

bool Graphics::DrawClosedCurve2(const GdiplusObject& pen, values::ValueArray<PointF>& points,
                                float tension) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipDrawClosedCurve2(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count,
                                       tension);
  }));
}

bool Graphics::DrawClosedCurve2I(const GdiplusObject& pen, values::ValueArray<Point>& points,
                                 float tension) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipDrawClosedCurve2I(As<GpGraphics>(graphicsHandle), PenOf(pen), buffer, count,
                                        tension);
  }));
}

bool Graphics::Clear(std::optional<ArgbColor> colour) {
  return Record(Gdip().GdipGraphicsClear(As<GpGraphics>(graphicsHandle), colour.value_or(0)));
}

bool Graphics::FillRectangle(const GdiplusObject& brush, float x, float y, float width,
                             float height) {
  return Record(Gdip().GdipFillRectangle(As<GpGraphics>(graphicsHandle), BrushOf(brush), x, y,
                                         width, height));
}

bool Graphics::FillRectangleRectF(const GdiplusObject& brush, const RectF& rect) {
  return Record(Gdip().GdipFillRectangle(As<GpGraphics>(graphicsHandle), BrushOf(brush), rect.x,
                                         rect.y, rect.width, rect.height));
}

bool Graphics::FillRectangleI(const GdiplusObject& brush, std::int32_t x, std::int32_t y,
                              std::int32_t width, std::int32_t height) {
  return Record(Gdip().GdipFillRectangleI(As<GpGraphics>(graphicsHandle), BrushOf(brush), x, y,
                                          width, height));
}

bool Graphics::FillRectangles(const GdiplusObject& brush, values::ValueArray<RectF>& rects) {
  return Record(PassPointArray(rects, [&](GpRectF* buffer, std::int32_t count) {
    return Gdip().GdipFillRectangles(As<GpGraphics>(graphicsHandle), BrushOf(brush), buffer, count);
  }));
}

bool Graphics::FillRectanglesI(const GdiplusObject& brush, values::ValueArray<Rect>& rects) {
  return Record(PassPointArray(rects, [&](GpRect* buffer, std::int32_t count) {
    return Gdip().GdipFillRectanglesI(As<GpGraphics>(graphicsHandle), BrushOf(brush), buffer,
                                      count);
  }));
}

bool Graphics::FillPolygon(const GdiplusObject& brush, values::ValueArray<PointF>& points,
                           std::optional<std::int32_t> fillMode) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipFillPolygon(As<GpGraphics>(graphicsHandle), BrushOf(brush), buffer, count,
                                  fillMode.value_or(0));
  }));
}

bool Graphics::FillPolygonI(const GdiplusObject& brush, values::ValueArray<Point>& points,
                            std::optional<std::int32_t> fillMode) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipFillPolygonI(As<GpGraphics>(graphicsHandle), BrushOf(brush), buffer, count,
                                   fillMode.value_or(0));
  }));
}

bool Graphics::FillEllipse(const GdiplusObject& brush, float x, float y, float width,
                           float height) {
  return Record(
      Gdip().GdipFillEllipse(As<GpGraphics>(graphicsHandle), BrushOf(brush), x, y, width, height));
}

bool Graphics::FillEllipseI(const GdiplusObject& brush, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height) {
  return Record(
      Gdip().GdipFillEllipseI(As<GpGraphics>(graphicsHandle), BrushOf(brush), x, y, width, height));
}

bool Graphics::FillPie(const GdiplusObject& brush, float x, float y, float width, float height,
                       float startAngle, float sweepAngle) {
  return Record(Gdip().GdipFillPie(As<GpGraphics>(graphicsHandle), BrushOf(brush), x, y, width,
                                   height, startAngle, sweepAngle));
}

bool Graphics::FillPieI(const GdiplusObject& brush, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, float startAngle,
                        float sweepAngle) {
  return Record(Gdip().GdipFillPieI(As<GpGraphics>(graphicsHandle), BrushOf(brush), x, y, width,
                                    height, startAngle, sweepAngle));
}

bool Graphics::FillPath(const GdiplusObject& brush, const GdiplusObject& path) {
  return Record(Gdip().GdipFillPath(As<GpGraphics>(graphicsHandle), BrushOf(brush),
                                    As<GpPath>(path.GetHandle())));
}

bool Graphics::FillClosedCurve(const GdiplusObject& brush, values::ValueArray<PointF>& points) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipFillClosedCurve(As<GpGraphics>(graphicsHandle), BrushOf(brush), buffer,
                                      count);
  }));
}

bool Graphics::FillClosedCurve2(const GdiplusObject& brush, values::ValueArray<PointF>& points,
                                float tension, std::optional<std::int32_t> fillMode) {
  return Record(PassPointArray(points, [&](GpPointF* buffer, std::int32_t count) {
    return Gdip().GdipFillClosedCurve2(As<GpGraphics>(graphicsHandle), BrushOf(brush), buffer,
                                       count, tension, fillMode.value_or(0));
  }));
}

bool Graphics::FillClosedCurveI(const GdiplusObject& brush, values::ValueArray<Point>& points) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipFillClosedCurveI(As<GpGraphics>(graphicsHandle), BrushOf(brush), buffer,
                                       count);
  }));
}

bool Graphics::FillClosedCurve2I(const GdiplusObject& brush, values::ValueArray<Point>& points,
                                 float tension, std::optional<std::int32_t> fillMode) {
  return Record(PassPointArray(points, [&](GpPoint* buffer, std::int32_t count) {
    return Gdip().GdipFillClosedCurve2I(As<GpGraphics>(graphicsHandle), BrushOf(brush), buffer,
                                        count, tension, fillMode.value_or(0));
  }));
}

bool Graphics::FillRegion(const GdiplusObject& brush, const GdiplusObject& region) {
  return Record(Gdip().GdipFillRegion(As<GpGraphics>(graphicsHandle), BrushOf(brush),
                                      As<GpRegion>(region.GetHandle())));
}

}  // namespace charart::imaging
