// Graphics: owns one GDI+ graphics and offers the whole drawing interface of
// GDI+ as its own operations: creation, rendering state, transforms, text,
// lines, shapes and fills, images and metafiles, clipping, visibility, saved
// states and containers. Each operation is one flat call whose status goes to
// LastStatus; a bool result is true exactly when that status is Ok, a query
// returns what GDI+ wrote into a zeroed local (its validity is in LastStatus).
//
// Object parameters (font, brush, pen, region, image, matrix, path, image
// attributes, cached bitmap, metafile, another graphics) are read through
// their GetHandle; an object holding no handle reaches GDI+ as null and GDI+
// refuses it. Optional numbers are std::optional: an omitted one means 0
// unless the operation names a default (DrawDriverString flags 1, the image
// source unit 2). Optional objects are pointers: null reaches GDI+ as null.
// Arrays of point and rectangle records go through the point-array buffer
// pass (point_array_buffer.h).
//
// A create does not delete a graphics the object already holds; Destroy
// deletes the one it holds. The declaration order below is the operations'
// fixed order (0-6 are GdiplusObject's).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "imaging/core/gdiplus_object.h"
#include "imaging/core/records.h"
#include "platform/gdiplus/gdiplus_types.h"
#include "values/byte_set.h"
#include "values/text.h"
#include "values/value_array.h"

namespace charart::imaging {

class Region;

class Graphics : public GdiplusObject {
 public:
  using ArgbColor = std::uint32_t;

  Graphics() = default;
  Graphics(Graphics&& other) noexcept { TakeFrom(other); }
  Graphics& operator=(Graphics&& other) noexcept;
  ~Graphics() override { Graphics::Destroy(); }

  // --- creation and rendering state -------------------------------------
  // 0: deletes the graphics still held.
  void Destroy() override;
  // 1
  [[nodiscard]] std::unique_ptr<GdiplusObject> Copy() const override;
  // 4: writes graphicsHandle, then OnDerivedHandleSet.
  void OnHandleSet(Handle handle) override;
  // 7: the empty second level.
  virtual void OnDerivedHandleSet(Handle handle);
  // 8: false without a call, LastStatus untouched, when empty.
  virtual bool Delete();
  // 9: intention 0 flushes, 1 waits; records nothing.
  virtual void Flush(std::optional<std::int32_t> intention = std::nullopt);
  // 10: the colour-managed function when useIcm is true. Window 0 is the
  // screen (see docs/platform-notes.md).
  virtual bool CreateFromHWND(gdiplus::HWND window, std::optional<bool> useIcm = std::nullopt);
  // 11: the two-handle function whenever a device is given, even 0.
  virtual bool CreateFromHDC(gdiplus::HDC dc, std::optional<gdiplus::HANDLE> device = std::nullopt);
  // 12: a graphics that draws into the image's pixels.
  virtual bool CreateFromImage(const GdiplusObject& image);
  // 13, 14: while the DC is out, the graphics refuses other calls.
  [[nodiscard]] virtual gdiplus::HDC GetDC();
  virtual bool ReleaseDC(gdiplus::HDC dc);
  // 15-30
  virtual bool GetRenderingOrigin(std::int32_t& x, std::int32_t& y);
  virtual bool SetRenderingOrigin(std::int32_t x, std::int32_t y);
  [[nodiscard]] virtual std::int32_t GetCompositingMode();
  virtual bool SetCompositingMode(std::int32_t mode);
  [[nodiscard]] virtual std::int32_t GetCompositingQuality();
  virtual bool SetCompositingQuality(std::int32_t quality);
  virtual bool SetTextRenderingHint(std::int32_t hint);
  [[nodiscard]] virtual std::int32_t GetTextRenderingHint();
  // GDI+ takes the contrast unsigned; the bits pass unchanged both ways.
  virtual bool SetTextContrast(std::int32_t contrast);
  [[nodiscard]] virtual std::int32_t GetTextContrast();
  virtual bool SetInterpolationMode(std::int32_t mode);
  [[nodiscard]] virtual std::int32_t GetInterpolationMode();
  virtual bool SetSmoothingMode(std::int32_t mode);
  [[nodiscard]] virtual std::int32_t GetSmoothingMode();
  virtual bool SetPixelOffsetMode(std::int32_t mode);
  [[nodiscard]] virtual std::int32_t GetPixelOffsetMode();
  // 31-39: matrix order 0 prepends, 1 appends. GetWorldTransform writes into
  // the given matrix object's native matrix.
  virtual bool SetWorldTransform(const GdiplusObject& matrix);
  virtual bool GetWorldTransform(const GdiplusObject& matrix);
  virtual bool ResetWorldTransform();
  virtual bool MultiplyWorldTransform(const GdiplusObject& matrix,
                                      std::optional<std::int32_t> order = std::nullopt);
  virtual bool TranslateWorldTransform(float dx, float dy,
                                       std::optional<std::int32_t> order = std::nullopt);
  virtual bool ScaleWorldTransform(float sx, float sy,
                                   std::optional<std::int32_t> order = std::nullopt);
  // Three calls (move the centre to the origin, scale, move back), all with
  // the given order; the result and LastStatus are the third call's.
  virtual bool ScaleWorldTransformAt(float sx, float sy, const PointF& center,
                                     std::optional<std::int32_t> order = std::nullopt);
  // Degrees.
  virtual bool RotateWorldTransform(float angle, std::optional<std::int32_t> order = std::nullopt);
  // As ScaleWorldTransformAt, rotating.
  virtual bool RotateWorldTransformAt(float angle, const PointF& center,
                                      std::optional<std::int32_t> order = std::nullopt);
  // 40-45
  virtual bool SetPageUnit(std::int32_t unit);
  [[nodiscard]] virtual std::int32_t GetPageUnit();
  virtual bool SetPageScale(float scale);
  [[nodiscard]] virtual float GetPageScale();
  [[nodiscard]] virtual float GetDpiX();
  [[nodiscard]] virtual float GetDpiY();
  // 46, 47: the records receive the converted coordinates.
  virtual bool TransformPoints(std::int32_t destSpace, std::int32_t srcSpace,
                               values::ValueArray<PointF>& points);
  virtual bool TransformPointsI(std::int32_t destSpace, std::int32_t srcSpace,
                                values::ValueArray<Point>& points);
  // 48: the nearest colour the device shows, also left in `colour`.
  [[nodiscard]] virtual ArgbColor GetNearestColor(ArgbColor& colour);

  // --- lines, shapes and fills --------------------------------------------
  // Draw* take a pen, Fill* a brush. Angles are degrees; GDI+ decides
  // whether an array holds enough records for its shape.
  virtual bool DrawLine(const GdiplusObject& pen, float x1, float y1, float x2, float y2);
  virtual bool DrawLineI(const GdiplusObject& pen, std::int32_t x1, std::int32_t y1,
                         std::int32_t x2, std::int32_t y2);
  virtual bool DrawLines(const GdiplusObject& pen, values::ValueArray<PointF>& points);
  virtual bool DrawLinesI(const GdiplusObject& pen, values::ValueArray<Point>& points);
  virtual bool DrawArc(const GdiplusObject& pen, float x, float y, float width, float height,
                       float startAngle, float sweepAngle);
  virtual bool DrawArcI(const GdiplusObject& pen, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, float startAngle,
                        float sweepAngle);
  virtual bool DrawBezier(const GdiplusObject& pen, float x1, float y1, float x2, float y2,
                          float x3, float y3, float x4, float y4);
  virtual bool DrawBezierI(const GdiplusObject& pen, std::int32_t x1, std::int32_t y1,
                           std::int32_t x2, std::int32_t y2, std::int32_t x3, std::int32_t y3,
                           std::int32_t x4, std::int32_t y4);
  virtual bool DrawBeziers(const GdiplusObject& pen, values::ValueArray<PointF>& points);
  virtual bool DrawBeziersI(const GdiplusObject& pen, values::ValueArray<Point>& points);
  virtual bool DrawRectangle(const GdiplusObject& pen, float x, float y, float width, float height);
  virtual bool DrawRectangleI(const GdiplusObject& pen, std::int32_t x, std::int32_t y,
                              std::int32_t width, std::int32_t height);
  virtual bool DrawRectangles(const GdiplusObject& pen, values::ValueArray<RectF>& rects);
  virtual bool DrawRectanglesI(const GdiplusObject& pen, values::ValueArray<Rect>& rects);
  virtual bool DrawEllipse(const GdiplusObject& pen, float x, float y, float width, float height);
  virtual bool DrawEllipseI(const GdiplusObject& pen, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height);
  virtual bool DrawPie(const GdiplusObject& pen, float x, float y, float width, float height,
                       float startAngle, float sweepAngle);
  virtual bool DrawPieI(const GdiplusObject& pen, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, float startAngle,
                        float sweepAngle);
  virtual bool DrawPolygon(const GdiplusObject& pen, values::ValueArray<PointF>& points);
  virtual bool DrawPolygonI(const GdiplusObject& pen, values::ValueArray<Point>& points);
  virtual bool DrawPath(const GdiplusObject& pen, const GdiplusObject& path);
  virtual bool DrawCurve(const GdiplusObject& pen, values::ValueArray<PointF>& points);
  virtual bool DrawCurveI(const GdiplusObject& pen, values::ValueArray<Point>& points);
  virtual bool DrawCurve2(const GdiplusObject& pen, values::ValueArray<PointF>& points,
                          float tension);
  virtual bool DrawCurve2I(const GdiplusObject& pen, values::ValueArray<Point>& points,
                           float tension);
  virtual bool DrawCurve3(const GdiplusObject& pen, values::ValueArray<PointF>& points,
                          std::int32_t offset, std::int32_t numberOfSegments, float tension);
  virtual bool DrawCurve3I(const GdiplusObject& pen, values::ValueArray<Point>& points,
                           std::int32_t offset, std::int32_t numberOfSegments, float tension);
  virtual bool DrawClosedCurve(const GdiplusObject& pen, values::ValueArray<PointF>& points);
  virtual bool DrawClosedCurveI(const GdiplusObject& pen, values::ValueArray<Point>& points);
  virtual bool DrawClosedCurve2(const GdiplusObject& pen, values::ValueArray<PointF>& points,
                                float tension);
  virtual bool DrawClosedCurve2I(const GdiplusObject& pen, values::ValueArray<Point>& points,
                                 float tension);
  // 80: omitted, the colour is 0 (transparent black).
  virtual bool Clear(std::optional<ArgbColor> colour = std::nullopt);
  virtual bool FillRectangle(const GdiplusObject& brush, float x, float y, float width,
                             float height);
  virtual bool FillRectangleRectF(const GdiplusObject& brush, const RectF& rect);
  virtual bool FillRectangleI(const GdiplusObject& brush, std::int32_t x, std::int32_t y,
                              std::int32_t width, std::int32_t height);
  virtual bool FillRectangles(const GdiplusObject& brush, values::ValueArray<RectF>& rects);
  virtual bool FillRectanglesI(const GdiplusObject& brush, values::ValueArray<Rect>& rects);
  // Fill mode 0 alternate (also when omitted), 1 winding.
  virtual bool FillPolygon(const GdiplusObject& brush, values::ValueArray<PointF>& points,
                           std::optional<std::int32_t> fillMode = std::nullopt);
  virtual bool FillPolygonI(const GdiplusObject& brush, values::ValueArray<Point>& points,
                            std::optional<std::int32_t> fillMode = std::nullopt);
  virtual bool FillEllipse(const GdiplusObject& brush, float x, float y, float width, float height);
  virtual bool FillEllipseI(const GdiplusObject& brush, std::int32_t x, std::int32_t y,
                            std::int32_t width, std::int32_t height);
  virtual bool FillPie(const GdiplusObject& brush, float x, float y, float width, float height,
                       float startAngle, float sweepAngle);
  virtual bool FillPieI(const GdiplusObject& brush, std::int32_t x, std::int32_t y,
                        std::int32_t width, std::int32_t height, float startAngle,
                        float sweepAngle);
  virtual bool FillPath(const GdiplusObject& brush, const GdiplusObject& path);
  virtual bool FillClosedCurve(const GdiplusObject& brush, values::ValueArray<PointF>& points);
  virtual bool FillClosedCurve2(const GdiplusObject& brush, values::ValueArray<PointF>& points,
                                float tension, std::optional<std::int32_t> fillMode = std::nullopt);
  virtual bool FillClosedCurveI(const GdiplusObject& brush, values::ValueArray<Point>& points);
  virtual bool FillClosedCurve2I(const GdiplusObject& brush, values::ValueArray<Point>& points,
                                 float tension,
                                 std::optional<std::int32_t> fillMode = std::nullopt);
  virtual bool FillRegion(const GdiplusObject& brush, const GdiplusObject& region);

  // --- text -----------------------------------------------------------------
  // The Text variants convert with TextToWide for the call; the W variants
  // take NUL-terminated UTF-16 as it is. The length GDI+ receives is always
  // the count of code units before the first NUL. An omitted layout
  // rectangle is the all-zero one (no bounds); an omitted format is GDI+'s
  // default format.
  // 98, 99
  virtual bool DrawString(const values::Text& text, const GdiplusObject& font,
                          const GdiplusObject& brush,
                          const std::optional<RectF>& layoutRect = std::nullopt,
                          const GdiplusObject* format = nullptr);
  virtual bool DrawStringW(const values::ByteSet& text, const GdiplusObject& font,
                           const GdiplusObject& brush,
                           const std::optional<RectF>& layoutRect = std::nullopt,
                           const GdiplusObject* format = nullptr);
  // 100, 101: GDI+ writes the bounds into boundingBox.
  virtual bool MeasureString(const values::Text& text, const GdiplusObject& font,
                             const std::optional<RectF>& layoutRect, const GdiplusObject* format,
                             RectF& boundingBox);
  virtual bool MeasureStringW(const values::ByteSet& text, const GdiplusObject& font,
                              const std::optional<RectF>& layoutRect, const GdiplusObject* format,
                              RectF& boundingBox);
  // 102, 103: on success `regions` is replaced by regionCount new Region
  // objects (the old ones are destroyed); on failure it is left alone and no
  // region made on the way is kept. regionCount below 1 sets LastStatus to
  // InvalidParameter (2) without a call. regionCount must equal the format's
  // number of measurable character ranges.
  virtual bool MeasureCharacterRanges(const values::Text& text, const GdiplusObject& font,
                                      const RectF& layoutRect, const GdiplusObject& format,
                                      std::int32_t regionCount,
                                      values::ValueArray<Region>& regions);
  virtual bool MeasureCharacterRangesW(const values::ByteSet& text, const GdiplusObject& font,
                                       const RectF& layoutRect, const GdiplusObject& format,
                                       std::int32_t regionCount,
                                       values::ValueArray<Region>& regions);
  // 104, 105: one position per code unit (only the first when the flags ask
  // for realized advance, 4). Flags default to 1 (look glyphs up through the
  // font's character map). Too few positions: InvalidParameter without a
  // call, since GDI+ would read past them.
  virtual bool DrawDriverString(const values::Text& text, const GdiplusObject& font,
                                const GdiplusObject& brush, values::ValueArray<PointF>& positions,
                                std::optional<std::int32_t> flags = std::nullopt,
                                const GdiplusObject* matrix = nullptr);
  virtual bool DrawDriverStringW(const values::ByteSet& text, const GdiplusObject& font,
                                 const GdiplusObject& brush, values::ValueArray<PointF>& positions,
                                 std::optional<std::int32_t> flags = std::nullopt,
                                 const GdiplusObject* matrix = nullptr);

  // --- images and metafiles ---------------------------------------------
  // The source unit defaults to 2 (pixel) where it is optional. No abort
  // callback is ever passed. Three-point forms take the destination's
  // upper-left, upper-right and lower-left corners.
  // 106-108: a cached bitmap's position is truncated toward zero.
  virtual bool DrawImage(const GdiplusObject& image, float x, float y);
  virtual bool DrawImageI(const GdiplusObject& image, std::int32_t x, std::int32_t y);
  virtual bool DrawCachedBitmap(const GdiplusObject& cachedBitmap, float x, float y);
  // 109, 110: the whole image into the rectangle.
  virtual bool DrawImageRect(const GdiplusObject& image, float x, float y, float width,
                             float height, std::optional<std::int32_t> srcUnit = std::nullopt);
  virtual bool DrawImageRectI(const GdiplusObject& image, std::int32_t x, std::int32_t y,
                              std::int32_t width, std::int32_t height,
                              std::optional<std::int32_t> srcUnit = std::nullopt);
  // 111, 112
  virtual bool DrawImagePoints(const GdiplusObject& image, float x1, float y1, float x2, float y2,
                               float x3, float y3);
  virtual bool DrawImagePointsI(const GdiplusObject& image, std::int32_t x1, std::int32_t y1,
                                std::int32_t x2, std::int32_t y2, std::int32_t x3, std::int32_t y3);
  // 113, 114
  virtual bool DrawImagePointRect(const GdiplusObject& image, float x, float y, float srcX,
                                  float srcY, float srcWidth, float srcHeight,
                                  std::optional<std::int32_t> srcUnit = std::nullopt);
  virtual bool DrawImagePointRectI(const GdiplusObject& image, std::int32_t x, std::int32_t y,
                                   std::int32_t srcX, std::int32_t srcY, std::int32_t srcWidth,
                                   std::int32_t srcHeight,
                                   std::optional<std::int32_t> srcUnit = std::nullopt);
  // 115, 116
  virtual bool DrawImageRectRect(const GdiplusObject& image, float dstX, float dstY, float dstWidth,
                                 float dstHeight, float srcX, float srcY, float srcWidth,
                                 float srcHeight,
                                 std::optional<std::int32_t> srcUnit = std::nullopt,
                                 const GdiplusObject* attributes = nullptr);
  virtual bool DrawImageRectRectI(const GdiplusObject& image, std::int32_t dstX, std::int32_t dstY,
                                  std::int32_t dstWidth, std::int32_t dstHeight, std::int32_t srcX,
                                  std::int32_t srcY, std::int32_t srcWidth, std::int32_t srcHeight,
                                  std::optional<std::int32_t> srcUnit = std::nullopt,
                                  const GdiplusObject* attributes = nullptr);
  // 117, 118
  virtual bool DrawImagePointsRect(const GdiplusObject& image, float x1, float y1, float x2,
                                   float y2, float x3, float y3, float srcX, float srcY,
                                   float srcWidth, float srcHeight,
                                   std::optional<std::int32_t> srcUnit = std::nullopt,
                                   const GdiplusObject* attributes = nullptr);
  virtual bool DrawImagePointsRectI(const GdiplusObject& image, std::int32_t x1, std::int32_t y1,
                                    std::int32_t x2, std::int32_t y2, std::int32_t x3,
                                    std::int32_t y3, std::int32_t srcX, std::int32_t srcY,
                                    std::int32_t srcWidth, std::int32_t srcHeight,
                                    std::optional<std::int32_t> srcUnit = std::nullopt,
                                    const GdiplusObject* attributes = nullptr);
  // 119-130: plays the metafile record by record through `callback`, which
  // receives `callbackData` unchanged.
  using EnumerateMetafileProc = gdiplus::EnumerateMetafileProc;
  virtual bool EnumerateMetafileDestPoint(const GdiplusObject& metafile, const PointF& destPoint,
                                          EnumerateMetafileProc callback,
                                          void* callbackData = nullptr,
                                          const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileDestPointI(const GdiplusObject& metafile, const Point& destPoint,
                                           EnumerateMetafileProc callback,
                                           void* callbackData = nullptr,
                                           const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileDestPoints(const GdiplusObject& metafile,
                                           values::ValueArray<PointF>& destPoints,
                                           EnumerateMetafileProc callback,
                                           void* callbackData = nullptr,
                                           const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileDestPointsI(const GdiplusObject& metafile,
                                            values::ValueArray<Point>& destPoints,
                                            EnumerateMetafileProc callback,
                                            void* callbackData = nullptr,
                                            const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileDestRect(const GdiplusObject& metafile, const RectF& destRect,
                                         EnumerateMetafileProc callback,
                                         void* callbackData = nullptr,
                                         const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileDestRectI(const GdiplusObject& metafile, const Rect& destRect,
                                          EnumerateMetafileProc callback,
                                          void* callbackData = nullptr,
                                          const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileSrcRectDestPoint(const GdiplusObject& metafile,
                                                 const PointF& destPoint, const RectF& srcRect,
                                                 std::int32_t srcUnit,
                                                 EnumerateMetafileProc callback,
                                                 void* callbackData = nullptr,
                                                 const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileSrcRectDestPointI(const GdiplusObject& metafile,
                                                  const Point& destPoint, const Rect& srcRect,
                                                  std::int32_t srcUnit,
                                                  EnumerateMetafileProc callback,
                                                  void* callbackData = nullptr,
                                                  const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileSrcRectDestPoints(const GdiplusObject& metafile,
                                                  values::ValueArray<PointF>& destPoints,
                                                  const RectF& srcRect, std::int32_t srcUnit,
                                                  EnumerateMetafileProc callback,
                                                  void* callbackData = nullptr,
                                                  const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileSrcRectDestPointsI(const GdiplusObject& metafile,
                                                   values::ValueArray<Point>& destPoints,
                                                   const Rect& srcRect, std::int32_t srcUnit,
                                                   EnumerateMetafileProc callback,
                                                   void* callbackData = nullptr,
                                                   const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileSrcRectDestRect(const GdiplusObject& metafile,
                                                const RectF& destRect, const RectF& srcRect,
                                                std::int32_t srcUnit,
                                                EnumerateMetafileProc callback,
                                                void* callbackData = nullptr,
                                                const GdiplusObject* attributes = nullptr);
  virtual bool EnumerateMetafileSrcRectDestRectI(const GdiplusObject& metafile,
                                                 const Rect& destRect, const Rect& srcRect,
                                                 std::int32_t srcUnit,
                                                 EnumerateMetafileProc callback,
                                                 void* callbackData = nullptr,
                                                 const GdiplusObject* attributes = nullptr);

  // --- clipping, visibility and containers --------------------------------
  // Combine modes: 0 replace (also when omitted), 1 intersect, 2 union,
  // 3 xor, 4 exclude, 5 complement.
  // 131-139
  virtual bool SetClipGraphics(const GdiplusObject& graphics,
                               std::optional<std::int32_t> combineMode = std::nullopt);
  virtual bool SetClipPath(const GdiplusObject& path,
                           std::optional<std::int32_t> combineMode = std::nullopt);
  virtual bool SetClipRect(float x, float y, float width, float height,
                           std::optional<std::int32_t> combineMode = std::nullopt);
  virtual bool SetClipRectI(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                            std::optional<std::int32_t> combineMode = std::nullopt);
  virtual bool SetClipRegion(const GdiplusObject& region,
                             std::optional<std::int32_t> combineMode = std::nullopt);
  virtual bool SetClipHrgn(gdiplus::HRGN hrgn,
                           std::optional<std::int32_t> combineMode = std::nullopt);
  virtual bool ResetClip();
  virtual bool TranslateClip(float dx, float dy);
  virtual bool TranslateClipI(std::int32_t dx, std::int32_t dy);
  // 140: copies the clip into the region object's native region.
  virtual bool GetClip(const GdiplusObject& region);
  // 141-144: all zeros when GDI+ wrote nothing.
  [[nodiscard]] virtual RectF GetClipBounds();
  [[nodiscard]] virtual Rect GetClipBoundsI();
  [[nodiscard]] virtual RectF GetVisibleClipBounds();
  [[nodiscard]] virtual Rect GetVisibleClipBoundsI();
  // 145-150: the answer, false when the query failed (see LastStatus).
  [[nodiscard]] virtual bool IsClipEmpty();
  [[nodiscard]] virtual bool IsVisibleClipEmpty();
  [[nodiscard]] virtual bool IsVisiblePoint(float x, float y);
  [[nodiscard]] virtual bool IsVisiblePointI(std::int32_t x, std::int32_t y);
  [[nodiscard]] virtual bool IsVisibleRect(float x, float y, float width, float height);
  [[nodiscard]] virtual bool IsVisibleRectI(std::int32_t x, std::int32_t y, std::int32_t width,
                                            std::int32_t height);
  // 151, 152: a state number for Restore on the same graphics.
  [[nodiscard]] virtual std::int32_t Save();
  virtual bool Restore(std::int32_t state);
  // 153-156: a container state number for EndContainer; the unit is 0 when
  // omitted.
  [[nodiscard]] virtual std::int32_t BeginContainer(
      const RectF& dstRect, const RectF& srcRect, std::optional<std::int32_t> unit = std::nullopt);
  [[nodiscard]] virtual std::int32_t BeginContainerI(
      const Rect& dstRect, const Rect& srcRect, std::optional<std::int32_t> unit = std::nullopt);
  [[nodiscard]] virtual std::int32_t BeginContainer2();
  virtual bool EndContainer(std::int32_t state);
  // 157: the byte set's bytes as a comment record of a metafile being
  // recorded; an empty byte set passes size 0 and no data.
  virtual bool Comment(const values::ByteSet& data);

  Handle graphicsHandle = 0;
};

}  // namespace charart::imaging
