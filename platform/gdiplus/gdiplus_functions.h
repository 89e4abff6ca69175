// The one list of GDI+ flat functions that charart calls, with their
// signatures. Everything else is generated from it: the function table, the
// lazy binder and the recording fake. Adding a function is one line here.
//
// X(return type, name, (parameters))
#pragma once

#include "platform/gdiplus/gdiplus_types.h"

// clang-format off
#define CHARART_GDIPLUS_FUNCTIONS(X)                                                              \
  /* start-up, shut-down, allocator */                                                            \
  X(Status, GdiplusStartup, (ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output)) \
  X(void, GdiplusShutdown, (ULONG_PTR token))                                                     \
  X(void*, GdipAlloc, (std::size_t size))                                                         \
  X(void, GdipFree, (void* ptr))                                                                  \
  /* bitmap creation, loading, size and pixels */                                                 \
  X(Status, GdipCreateBitmapFromFile, (const WCHAR* filename, GpBitmap** bitmap))                 \
  X(Status, GdipCreateBitmapFromFileICM, (const WCHAR* filename, GpBitmap** bitmap))              \
  X(Status, GdipCreateBitmapFromStream, (IStream* stream, GpBitmap** bitmap))                     \
  X(Status, GdipCreateBitmapFromStreamICM, (IStream* stream, GpBitmap** bitmap))                  \
  X(Status, GdipCreateBitmapFromScan0, (INT width, INT height, INT stride, PixelFormat format, BYTE* scan0, GpBitmap** bitmap)) \
  X(Status, GdipCreateBitmapFromGraphics, (INT width, INT height, GpGraphics* target, GpBitmap** bitmap)) \
  X(Status, GdipCreateBitmapFromGdiDib, (const BITMAPINFO* info, void* bits, GpBitmap** bitmap))  \
  X(Status, GdipCreateBitmapFromHBITMAP, (HBITMAP hbm, HPALETTE hpal, GpBitmap** bitmap))         \
  X(Status, GdipCreateBitmapFromHICON, (HICON hicon, GpBitmap** bitmap))                          \
  X(Status, GdipCreateBitmapFromResource, (HINSTANCE instance, const WCHAR* name, GpBitmap** bitmap)) \
  X(Status, GdipCreateHBITMAPFromBitmap, (GpBitmap* bitmap, HBITMAP* hbmReturn, ARGB background)) \
  X(Status, GdipCreateHICONFromBitmap, (GpBitmap* bitmap, HICON* hiconReturn))                    \
  X(Status, GdipCloneImage, (GpImage* image, GpImage** cloneImage))                               \
  X(Status, GdipCloneBitmapArea, (REAL x, REAL y, REAL width, REAL height, PixelFormat format, GpBitmap* src, GpBitmap** dst)) \
  X(Status, GdipCloneBitmapAreaI, (INT x, INT y, INT width, INT height, PixelFormat format, GpBitmap* src, GpBitmap** dst)) \
  X(Status, GdipDisposeImage, (GpImage* image))                                                   \
  X(Status, GdipGetImageType, (GpImage* image, INT* type))                                        \
  X(Status, GdipGetImageDimension, (GpImage* image, REAL* width, REAL* height))                   \
  X(Status, GdipGetImageBounds, (GpImage* image, GpRectF* srcRect, INT* srcUnit))                 \
  X(Status, GdipGetImageWidth, (GpImage* image, UINT* width))                                     \
  X(Status, GdipGetImageHeight, (GpImage* image, UINT* height))                                   \
  X(Status, GdipGetImageHorizontalResolution, (GpImage* image, REAL* resolution))                 \
  X(Status, GdipGetImageVerticalResolution, (GpImage* image, REAL* resolution))                   \
  X(Status, GdipGetImageFlags, (GpImage* image, UINT* flags))                                     \
  X(Status, GdipGetImageRawFormat, (GpImage* image, GUID* format))                                \
  X(Status, GdipGetImagePixelFormat, (GpImage* image, PixelFormat* format))                       \
  X(Status, GdipGetImageThumbnail, (GpImage* image, UINT width, UINT height, GpImage** thumb, GetThumbnailImageAbort callback, void* callbackData)) \
  X(Status, GdipImageRotateFlip, (GpImage* image, INT rotateFlipType))                            \
  X(Status, GdipBitmapLockBits, (GpBitmap* bitmap, const GpRect* rect, UINT flags, PixelFormat format, BitmapData* data)) \
  X(Status, GdipBitmapUnlockBits, (GpBitmap* bitmap, BitmapData* data))                           \
  X(Status, GdipBitmapGetPixel, (GpBitmap* bitmap, INT x, INT y, ARGB* color))                    \
  X(Status, GdipBitmapSetPixel, (GpBitmap* bitmap, INT x, INT y, ARGB color))                     \
  X(Status, GdipBitmapSetResolution, (GpBitmap* bitmap, REAL xdpi, REAL ydpi))                    \
  /* encoders and saving */                                                                       \
  X(Status, GdipGetImageEncodersSize, (UINT* numEncoders, UINT* size))                            \
  X(Status, GdipGetImageEncoders, (UINT numEncoders, UINT size, ImageCodecInfo* encoders))        \
  X(Status, GdipGetEncoderParameterListSize, (GpImage* image, const CLSID* clsidEncoder, UINT* size)) \
  X(Status, GdipGetEncoderParameterList, (GpImage* image, const CLSID* clsidEncoder, UINT size, EncoderParameters* buffer)) \
  X(Status, GdipSaveImageToFile, (GpImage* image, const WCHAR* filename, const CLSID* clsidEncoder, const EncoderParameters* params)) \
  X(Status, GdipSaveImageToStream, (GpImage* image, IStream* stream, const CLSID* clsidEncoder, const EncoderParameters* params)) \
  X(Status, GdipSaveAdd, (GpImage* image, const EncoderParameters* params))                       \
  X(Status, GdipSaveAddImage, (GpImage* image, GpImage* newImage, const EncoderParameters* params)) \
  /* palette, frames and properties */                                                            \
  X(Status, GdipGetImagePaletteSize, (GpImage* image, INT* size))                                 \
  X(Status, GdipGetImagePalette, (GpImage* image, ColorPalette* palette, INT size))               \
  X(Status, GdipSetImagePalette, (GpImage* image, const ColorPalette* palette))                   \
  X(Status, GdipImageGetFrameCount, (GpImage* image, const GUID* dimensionID, UINT* count))       \
  X(Status, GdipImageGetFrameDimensionsCount, (GpImage* image, UINT* count))                      \
  X(Status, GdipImageGetFrameDimensionsList, (GpImage* image, GUID* dimensionIDs, UINT count))    \
  X(Status, GdipImageSelectActiveFrame, (GpImage* image, const GUID* dimensionID, UINT frameIndex)) \
  X(Status, GdipGetPropertyItemSize, (GpImage* image, PROPID propId, UINT* size))                 \
  X(Status, GdipGetPropertyItem, (GpImage* image, PROPID propId, UINT size, PropertyItem* buffer)) \
  X(Status, GdipSetPropertyItem, (GpImage* image, const PropertyItem* item))                      \
  X(Status, GdipRemovePropertyItem, (GpImage* image, PROPID propId))                              \
  X(Status, GdipGetPropertyCount, (GpImage* image, UINT* count))                                  \
  X(Status, GdipGetPropertyIdList, (GpImage* image, UINT count, PROPID* list))                    \
  /* effects and the matrix steps of free rotation */                                             \
  X(Status, GdipBitmapApplyEffect, (GpBitmap* bitmap, CGpEffect* effect, RECT* roi, BOOL useAuxData, void** auxData, INT* auxDataSize)) \
  X(Status, GdipCreateEffect, (const GUID* guid, CGpEffect** effect))                            \
  X(Status, GdipDeleteEffect, (CGpEffect* effect))                                                \
  X(Status, GdipGetEffectParameterSize, (CGpEffect* effect, UINT* size))                          \
  X(Status, GdipSetEffectParameters, (CGpEffect* effect, const void* params, UINT size))          \
  X(Status, GdipGetEffectParameters, (CGpEffect* effect, UINT* size, void* params))               \
  X(Status, GdipCreateMatrix, (GpMatrix** matrix))                                                \
  X(Status, GdipTranslateMatrix, (GpMatrix* matrix, REAL offsetX, REAL offsetY, INT order))       \
  X(Status, GdipRotateMatrix, (GpMatrix* matrix, REAL angle, INT order))                          \
  X(Status, GdipDeleteMatrix, (GpMatrix* matrix))                                                 \
  /* graphics: creation and rendering state */                                                    \
  X(Status, GdipDeleteGraphics, (GpGraphics* graphics))                                           \
  X(Status, GdipFlush, (GpGraphics* graphics, INT intention))                                     \
  X(Status, GdipCreateFromHWND, (HWND hwnd, GpGraphics** graphics))                               \
  X(Status, GdipCreateFromHWNDICM, (HWND hwnd, GpGraphics** graphics))                            \
  X(Status, GdipCreateFromHDC, (HDC hdc, GpGraphics** graphics))                                  \
  X(Status, GdipCreateFromHDC2, (HDC hdc, HANDLE device, GpGraphics** graphics))                  \
  X(Status, GdipGetImageGraphicsContext, (GpImage* image, GpGraphics** graphics))                 \
  X(Status, GdipGetDC, (GpGraphics* graphics, HDC* hdc))                                          \
  X(Status, GdipReleaseDC, (GpGraphics* graphics, HDC hdc))                                       \
  X(Status, GdipGetRenderingOrigin, (GpGraphics* graphics, INT* x, INT* y))                       \
  X(Status, GdipSetRenderingOrigin, (GpGraphics* graphics, INT x, INT y))                         \
  X(Status, GdipGetCompositingMode, (GpGraphics* graphics, INT* mode))                            \
  X(Status, GdipSetCompositingMode, (GpGraphics* graphics, INT mode))                             \
  X(Status, GdipGetCompositingQuality, (GpGraphics* graphics, INT* quality))                      \
  X(Status, GdipSetCompositingQuality, (GpGraphics* graphics, INT quality))                       \
  X(Status, GdipSetTextRenderingHint, (GpGraphics* graphics, INT hint))                           \
  X(Status, GdipGetTextRenderingHint, (GpGraphics* graphics, INT* hint))                          \
  X(Status, GdipSetTextContrast, (GpGraphics* graphics, UINT contrast))                           \
  X(Status, GdipGetTextContrast, (GpGraphics* graphics, UINT* contrast))                          \
  X(Status, GdipSetInterpolationMode, (GpGraphics* graphics, INT mode))                           \
  X(Status, GdipGetInterpolationMode, (GpGraphics* graphics, INT* mode))                          \
  X(Status, GdipSetSmoothingMode, (GpGraphics* graphics, INT mode))                               \
  X(Status, GdipGetSmoothingMode, (GpGraphics* graphics, INT* mode))                              \
  X(Status, GdipSetPixelOffsetMode, (GpGraphics* graphics, INT mode))                             \
  X(Status, GdipGetPixelOffsetMode, (GpGraphics* graphics, INT* mode))                            \
  X(Status, GdipSetWorldTransform, (GpGraphics* graphics, GpMatrix* matrix))                      \
  X(Status, GdipGetWorldTransform, (GpGraphics* graphics, GpMatrix* matrix))                      \
  X(Status, GdipResetWorldTransform, (GpGraphics* graphics))                                      \
  X(Status, GdipMultiplyWorldTransform, (GpGraphics* graphics, const GpMatrix* matrix, INT order)) \
  X(Status, GdipTranslateWorldTransform, (GpGraphics* graphics, REAL dx, REAL dy, INT order))     \
  X(Status, GdipScaleWorldTransform, (GpGraphics* graphics, REAL sx, REAL sy, INT order))         \
  X(Status, GdipRotateWorldTransform, (GpGraphics* graphics, REAL angle, INT order))              \
  X(Status, GdipSetPageUnit, (GpGraphics* graphics, INT unit))                                    \
  X(Status, GdipGetPageUnit, (GpGraphics* graphics, INT* unit))                                   \
  X(Status, GdipSetPageScale, (GpGraphics* graphics, REAL scale))                                 \
  X(Status, GdipGetPageScale, (GpGraphics* graphics, REAL* scale))                                \
  X(Status, GdipGetDpiX, (GpGraphics* graphics, REAL* dpi))                                       \
  X(Status, GdipGetDpiY, (GpGraphics* graphics, REAL* dpi))                                       \
  X(Status, GdipTransformPoints, (GpGraphics* graphics, INT destSpace, INT srcSpace, GpPointF* points, INT count)) \
  X(Status, GdipTransformPointsI, (GpGraphics* graphics, INT destSpace, INT srcSpace, GpPoint* points, INT count)) \
  X(Status, GdipGetNearestColor, (GpGraphics* graphics, ARGB* argb))                              \
  /* graphics: text */                                                                            \
  X(Status, GdipDrawString, (GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* font, const GpRectF* layoutRect, const GpStringFormat* format, const GpBrush* brush)) \
  X(Status, GdipMeasureString, (GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* font, const GpRectF* layoutRect, const GpStringFormat* format, GpRectF* boundingBox, INT* codepointsFitted, INT* linesFilled)) \
  X(Status, GdipMeasureCharacterRanges, (GpGraphics* graphics, const WCHAR* string, INT length, const GpFont* font, const GpRectF* layoutRect, const GpStringFormat* format, INT regionCount, GpRegion** regions)) \
  X(Status, GdipDrawDriverString, (GpGraphics* graphics, const WCHAR* text, INT length, const GpFont* font, const GpBrush* brush, const GpPointF* positions, INT flags, const GpMatrix* matrix)) \
  /* graphics: lines, shapes and fills */                                                         \
  X(Status, GdipDrawLine, (GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2)) \
  X(Status, GdipDrawLineI, (GpGraphics* graphics, GpPen* pen, INT x1, INT y1, INT x2, INT y2))    \
  X(Status, GdipDrawLines, (GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count)) \
  X(Status, GdipDrawLinesI, (GpGraphics* graphics, GpPen* pen, const GpPoint* points, INT count)) \
  X(Status, GdipDrawArc, (GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)) \
  X(Status, GdipDrawArcI, (GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle)) \
  X(Status, GdipDrawBezier, (GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4)) \
  X(Status, GdipDrawBezierI, (GpGraphics* graphics, GpPen* pen, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3, INT x4, INT y4)) \
  X(Status, GdipDrawBeziers, (GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count)) \
  X(Status, GdipDrawBeziersI, (GpGraphics* graphics, GpPen* pen, const GpPoint* points, INT count)) \
  X(Status, GdipDrawRectangle, (GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height)) \
  X(Status, GdipDrawRectangleI, (GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height)) \
  X(Status, GdipDrawRectangles, (GpGraphics* graphics, GpPen* pen, const GpRectF* rects, INT count)) \
  X(Status, GdipDrawRectanglesI, (GpGraphics* graphics, GpPen* pen, const GpRect* rects, INT count)) \
  X(Status, GdipDrawEllipse, (GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height)) \
  X(Status, GdipDrawEllipseI, (GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height)) \
  X(Status, GdipDrawPie, (GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)) \
  X(Status, GdipDrawPieI, (GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle)) \
  X(Status, GdipDrawPolygon, (GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count)) \
  X(Status, GdipDrawPolygonI, (GpGraphics* graphics, GpPen* pen, const GpPoint* points, INT count)) \
  X(Status, GdipDrawPath, (GpGraphics* graphics, GpPen* pen, GpPath* path))                       \
  X(Status, GdipDrawCurve, (GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count)) \
  X(Status, GdipDrawCurveI, (GpGraphics* graphics, GpPen* pen, const GpPoint* points, INT count)) \
  X(Status, GdipDrawCurve2, (GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count, REAL tension)) \
  X(Status, GdipDrawCurve2I, (GpGraphics* graphics, GpPen* pen, const GpPoint* points, INT count, REAL tension)) \
  X(Status, GdipDrawCurve3, (GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count, INT offset, INT numberOfSegments, REAL tension)) \
  X(Status, GdipDrawCurve3I, (GpGraphics* graphics, GpPen* pen, const GpPoint* points, INT count, INT offset, INT numberOfSegments, REAL tension)) \
  X(Status, GdipDrawClosedCurve, (GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count)) \
  X(Status, GdipDrawClosedCurveI, (GpGraphics* graphics, GpPen* pen, const GpPoint* points, INT count)) \
  X(Status, GdipDrawClosedCurve2, (GpGraphics* graphics, GpPen* pen, const GpPointF* points, INT count, REAL tension)) \
  X(Status, GdipDrawClosedCurve2I, (GpGraphics* graphics, GpPen* pen, const GpPoint* points, INT count, REAL tension)) \
  X(Status, GdipGraphicsClear, (GpGraphics* graphics, ARGB color))                                \
  X(Status, GdipFillRectangle, (GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height)) \
  X(Status, GdipFillRectangleI, (GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width, INT height)) \
  X(Status, GdipFillRectangles, (GpGraphics* graphics, GpBrush* brush, const GpRectF* rects, INT count)) \
  X(Status, GdipFillRectanglesI, (GpGraphics* graphics, GpBrush* brush, const GpRect* rects, INT count)) \
  X(Status, GdipFillPolygon, (GpGraphics* graphics, GpBrush* brush, const GpPointF* points, INT count, INT fillMode)) \
  X(Status, GdipFillPolygonI, (GpGraphics* graphics, GpBrush* brush, const GpPoint* points, INT count, INT fillMode)) \
  X(Status, GdipFillEllipse, (GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height)) \
  X(Status, GdipFillEllipseI, (GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width, INT height)) \
  X(Status, GdipFillPie, (GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)) \
  X(Status, GdipFillPieI, (GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle)) \
  X(Status, GdipFillPath, (GpGraphics* graphics, GpBrush* brush, GpPath* path))                   \
  X(Status, GdipFillClosedCurve, (GpGraphics* graphics, GpBrush* brush, const GpPointF* points, INT count)) \
  X(Status, GdipFillClosedCurveI, (GpGraphics* graphics, GpBrush* brush, const GpPoint* points, INT count)) \
  X(Status, GdipFillClosedCurve2, (GpGraphics* graphics, GpBrush* brush, const GpPointF* points, INT count, REAL tension, INT fillMode)) \
  X(Status, GdipFillClosedCurve2I, (GpGraphics* graphics, GpBrush* brush, const GpPoint* points, INT count, REAL tension, INT fillMode)) \
  X(Status, GdipFillRegion, (GpGraphics* graphics, GpBrush* brush, GpRegion* region))             \
  /* graphics: images and metafiles */                                                            \
  X(Status, GdipDrawImage, (GpGraphics* graphics, GpImage* image, REAL x, REAL y))                \
  X(Status, GdipDrawImageI, (GpGraphics* graphics, GpImage* image, INT x, INT y))                 \
  X(Status, GdipDrawCachedBitmap, (GpGraphics* graphics, GpCachedBitmap* cachedBitmap, INT x, INT y)) \
  X(Status, GdipDrawImagePoints, (GpGraphics* graphics, GpImage* image, const GpPointF* points, INT count)) \
  X(Status, GdipDrawImagePointsI, (GpGraphics* graphics, GpImage* image, const GpPoint* points, INT count)) \
  X(Status, GdipDrawImagePointRect, (GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, INT srcUnit)) \
  X(Status, GdipDrawImagePointRectI, (GpGraphics* graphics, GpImage* image, INT x, INT y, INT srcx, INT srcy, INT srcwidth, INT srcheight, INT srcUnit)) \
  X(Status, GdipDrawImageRectRect, (GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty, REAL dstwidth, REAL dstheight, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, INT srcUnit, const GpImageAttributes* attributes, DrawImageAbort callback, void* callbackData)) \
  X(Status, GdipDrawImageRectRectI, (GpGraphics* graphics, GpImage* image, INT dstx, INT dsty, INT dstwidth, INT dstheight, INT srcx, INT srcy, INT srcwidth, INT srcheight, INT srcUnit, const GpImageAttributes* attributes, DrawImageAbort callback, void* callbackData)) \
  X(Status, GdipDrawImagePointsRect, (GpGraphics* graphics, GpImage* image, const GpPointF* points, INT count, REAL srcx, REAL srcy, REAL srcwidth, REAL srcheight, INT srcUnit, const GpImageAttributes* attributes, DrawImageAbort callback, void* callbackData)) \
  X(Status, GdipDrawImagePointsRectI, (GpGraphics* graphics, GpImage* image, const GpPoint* points, INT count, INT srcx, INT srcy, INT srcwidth, INT srcheight, INT srcUnit, const GpImageAttributes* attributes, DrawImageAbort callback, void* callbackData)) \
  X(Status, GdipEnumerateMetafileDestPoint, (GpGraphics* graphics, const GpMetafile* metafile, const GpPointF* destPoint, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileDestPointI, (GpGraphics* graphics, const GpMetafile* metafile, const GpPoint* destPoint, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileDestPoints, (GpGraphics* graphics, const GpMetafile* metafile, const GpPointF* destPoints, INT count, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileDestPointsI, (GpGraphics* graphics, const GpMetafile* metafile, const GpPoint* destPoints, INT count, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileDestRect, (GpGraphics* graphics, const GpMetafile* metafile, const GpRectF* destRect, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileDestRectI, (GpGraphics* graphics, const GpMetafile* metafile, const GpRect* destRect, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileSrcRectDestPoint, (GpGraphics* graphics, const GpMetafile* metafile, const GpPointF* destPoint, const GpRectF* srcRect, INT srcUnit, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileSrcRectDestPointI, (GpGraphics* graphics, const GpMetafile* metafile, const GpPoint* destPoint, const GpRect* srcRect, INT srcUnit, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileSrcRectDestPoints, (GpGraphics* graphics, const GpMetafile* metafile, const GpPointF* destPoints, INT count, const GpRectF* srcRect, INT srcUnit, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileSrcRectDestPointsI, (GpGraphics* graphics, const GpMetafile* metafile, const GpPoint* destPoints, INT count, const GpRect* srcRect, INT srcUnit, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileSrcRectDestRect, (GpGraphics* graphics, const GpMetafile* metafile, const GpRectF* destRect, const GpRectF* srcRect, INT srcUnit, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  X(Status, GdipEnumerateMetafileSrcRectDestRectI, (GpGraphics* graphics, const GpMetafile* metafile, const GpRect* destRect, const GpRect* srcRect, INT srcUnit, EnumerateMetafileProc callback, void* callbackData, const GpImageAttributes* attributes)) \
  /* graphics: clipping, visibility and containers */                                             \
  X(Status, GdipSetClipGraphics, (GpGraphics* graphics, GpGraphics* source, INT combineMode))     \
  X(Status, GdipSetClipPath, (GpGraphics* graphics, GpPath* path, INT combineMode))               \
  X(Status, GdipSetClipRect, (GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, INT combineMode)) \
  X(Status, GdipSetClipRectI, (GpGraphics* graphics, INT x, INT y, INT width, INT height, INT combineMode)) \
  X(Status, GdipSetClipRegion, (GpGraphics* graphics, GpRegion* region, INT combineMode))         \
  X(Status, GdipSetClipHrgn, (GpGraphics* graphics, HRGN hrgn, INT combineMode))                  \
  X(Status, GdipResetClip, (GpGraphics* graphics))                                                \
  X(Status, GdipTranslateClip, (GpGraphics* graphics, REAL dx, REAL dy))                          \
  X(Status, GdipTranslateClipI, (GpGraphics* graphics, INT dx, INT dy))                           \
  X(Status, GdipGetClip, (GpGraphics* graphics, GpRegion* region))                                \
  X(Status, GdipGetClipBounds, (GpGraphics* graphics, GpRectF* rect))                             \
  X(Status, GdipGetClipBoundsI, (GpGraphics* graphics, GpRect* rect))                             \
  X(Status, GdipGetVisibleClipBounds, (GpGraphics* graphics, GpRectF* rect))                      \
  X(Status, GdipGetVisibleClipBoundsI, (GpGraphics* graphics, GpRect* rect))                      \
  X(Status, GdipIsClipEmpty, (GpGraphics* graphics, BOOL* result))                                \
  X(Status, GdipIsVisibleClipEmpty, (GpGraphics* graphics, BOOL* result))                         \
  X(Status, GdipIsVisiblePoint, (GpGraphics* graphics, REAL x, REAL y, BOOL* result))             \
  X(Status, GdipIsVisiblePointI, (GpGraphics* graphics, INT x, INT y, BOOL* result))              \
  X(Status, GdipIsVisibleRect, (GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height, BOOL* result)) \
  X(Status, GdipIsVisibleRectI, (GpGraphics* graphics, INT x, INT y, INT width, INT height, BOOL* result)) \
  X(Status, GdipSaveGraphics, (GpGraphics* graphics, UINT* state))                                \
  X(Status, GdipRestoreGraphics, (GpGraphics* graphics, UINT state))                              \
  X(Status, GdipBeginContainer, (GpGraphics* graphics, const GpRectF* dstRect, const GpRectF* srcRect, INT unit, UINT* state)) \
  X(Status, GdipBeginContainerI, (GpGraphics* graphics, const GpRect* dstRect, const GpRect* srcRect, INT unit, UINT* state)) \
  X(Status, GdipBeginContainer2, (GpGraphics* graphics, UINT* state))                             \
  X(Status, GdipEndContainer, (GpGraphics* graphics, UINT state))                                 \
  X(Status, GdipComment, (GpGraphics* graphics, UINT sizeData, const BYTE* data))                 \
  /* font */                                                                                      \
  X(Status, GdipDeleteFont, (GpFont* font))                                                       \
  X(Status, GdipCreateFont, (const GpFontFamily* family, REAL emSize, INT style, INT unit, GpFont** font)) \
  X(Status, GdipCreateFontFromDC, (HDC hdc, GpFont** font))                                       \
  X(Status, GdipCreateFontFromLogfontA, (HDC hdc, const LOGFONTA* logfont, GpFont** font))        \
  X(Status, GdipCreateFontFromLogfontW, (HDC hdc, const LOGFONTW* logfont, GpFont** font))        \
  X(Status, GdipCloneFont, (GpFont* font, GpFont** cloneFont))                                    \
  X(Status, GdipGetLogFontA, (GpFont* font, GpGraphics* graphics, LOGFONTA* logfont))             \
  X(Status, GdipGetLogFontW, (GpFont* font, GpGraphics* graphics, LOGFONTW* logfont))             \
  X(Status, GdipGetFamily, (GpFont* font, GpFontFamily** family))                                 \
  X(Status, GdipGetFontStyle, (GpFont* font, INT* style))                                         \
  X(Status, GdipGetFontSize, (GpFont* font, REAL* size))                                          \
  X(Status, GdipGetFontUnit, (GpFont* font, INT* unit))                                           \
  X(Status, GdipGetFontHeight, (const GpFont* font, const GpGraphics* graphics, REAL* height))    \
  X(Status, GdipGetFontHeightGivenDPI, (const GpFont* font, REAL dpi, REAL* height))              \
  /* font families and collections */                                                            \
  X(Status, GdipDeleteFontFamily, (GpFontFamily* family))                                         \
  X(Status, GdipCreateFontFamilyFromName, (const WCHAR* name, GpFontCollection* collection, GpFontFamily** family)) \
  X(Status, GdipGetGenericFontFamilySansSerif, (GpFontFamily** family))                           \
  X(Status, GdipGetGenericFontFamilySerif, (GpFontFamily** family))                               \
  X(Status, GdipGetGenericFontFamilyMonospace, (GpFontFamily** family))                           \
  X(Status, GdipCloneFontFamily, (GpFontFamily* family, GpFontFamily** clone))                    \
  X(Status, GdipGetFamilyName, (const GpFontFamily* family, WCHAR* name, LANGID language))        \
  X(Status, GdipIsStyleAvailable, (const GpFontFamily* family, INT style, BOOL* isAvailable))     \
  X(Status, GdipGetEmHeight, (const GpFontFamily* family, INT style, std::uint16_t* emHeight))    \
  X(Status, GdipGetCellAscent, (const GpFontFamily* family, INT style, std::uint16_t* cellAscent)) \
  X(Status, GdipGetCellDescent, (const GpFontFamily* family, INT style, std::uint16_t* cellDescent)) \
  X(Status, GdipGetLineSpacing, (const GpFontFamily* family, INT style, std::uint16_t* lineSpacing)) \
  X(Status, GdipGetFontCollectionFamilyCount, (GpFontCollection* collection, INT* numFound))      \
  X(Status, GdipGetFontCollectionFamilyList, (GpFontCollection* collection, INT numSought, GpFontFamily** families, INT* numFound)) \
  /* string format */                                                                             \
  X(Status, GdipDeleteStringFormat, (GpStringFormat* format))                                     \
  X(Status, GdipCreateStringFormat, (INT formatFlags, LANGID language, GpStringFormat** format))  \
  X(Status, GdipStringFormatGetGenericDefault, (GpStringFormat** format))                         \
  X(Status, GdipStringFormatGetGenericTypographic, (GpStringFormat** format))                     \
  X(Status, GdipCloneStringFormat, (const GpStringFormat* format, GpStringFormat** clone))        \
  X(Status, GdipSetStringFormatFlags, (GpStringFormat* format, INT flags))                        \
  X(Status, GdipGetStringFormatFlags, (const GpStringFormat* format, INT* flags))                 \
  X(Status, GdipSetStringFormatAlign, (GpStringFormat* format, INT align))                        \
  X(Status, GdipGetStringFormatAlign, (const GpStringFormat* format, INT* align))                 \
  X(Status, GdipSetStringFormatLineAlign, (GpStringFormat* format, INT align))                    \
  X(Status, GdipGetStringFormatLineAlign, (const GpStringFormat* format, INT* align))             \
  X(Status, GdipSetStringFormatTrimming, (GpStringFormat* format, INT trimming))                  \
  X(Status, GdipGetStringFormatTrimming, (const GpStringFormat* format, INT* trimming))           \
  X(Status, GdipSetStringFormatHotkeyPrefix, (GpStringFormat* format, INT hotkeyPrefix))          \
  X(Status, GdipGetStringFormatHotkeyPrefix, (const GpStringFormat* format, INT* hotkeyPrefix))   \
  X(Status, GdipSetStringFormatTabStops, (GpStringFormat* format, REAL firstTabOffset, INT count, const REAL* tabStops)) \
  X(Status, GdipGetStringFormatTabStopCount, (const GpStringFormat* format, INT* count))          \
  X(Status, GdipGetStringFormatTabStops, (const GpStringFormat* format, INT count, REAL* firstTabOffset, REAL* tabStops)) \
  X(Status, GdipSetStringFormatDigitSubstitution, (GpStringFormat* format, LANGID language, INT substitute)) \
  X(Status, GdipGetStringFormatDigitSubstitution, (const GpStringFormat* format, LANGID* language, INT* substitute)) \
  X(Status, GdipSetStringFormatMeasurableCharacterRanges, (GpStringFormat* format, INT rangeCount, const CharacterRange* ranges)) \
  X(Status, GdipGetStringFormatMeasurableCharacterRangeCount, (const GpStringFormat* format, INT* count)) \
  /* brush and solid fill */                                                                      \
  X(Status, GdipDeleteBrush, (GpBrush* brush))                                                    \
  X(Status, GdipCloneBrush, (GpBrush* brush, GpBrush** clone))                                    \
  X(Status, GdipGetBrushType, (GpBrush* brush, INT* type))                                        \
  X(Status, GdipCreateSolidFill, (ARGB color, GpSolidFill** brush))                               \
  X(Status, GdipSetSolidFillColor, (GpSolidFill* brush, ARGB color))                              \
  X(Status, GdipGetSolidFillColor, (GpSolidFill* brush, ARGB* color))                             \
  /* pen */                                                                                       \
  X(Status, GdipDeletePen, (GpPen* pen))                                                          \
  X(Status, GdipCreatePen1, (ARGB color, REAL width, INT unit, GpPen** pen))                      \
  X(Status, GdipCreatePen2, (GpBrush* brush, REAL width, INT unit, GpPen** pen))                  \
  X(Status, GdipClonePen, (GpPen* pen, GpPen** clone))                                            \
  X(Status, GdipGetPenWidth, (GpPen* pen, REAL* width))                                           \
  X(Status, GdipSetPenWidth, (GpPen* pen, REAL width))                                            \
  X(Status, GdipGetPenUnit, (GpPen* pen, INT* unit))                                              \
  X(Status, GdipSetPenUnit, (GpPen* pen, INT unit))                                               \
  X(Status, GdipSetPenLineCap197819, (GpPen* pen, INT startCap, INT endCap, INT dashCap))         \
  X(Status, GdipSetPenStartCap, (GpPen* pen, INT startCap))                                       \
  X(Status, GdipSetPenEndCap, (GpPen* pen, INT endCap))                                           \
  X(Status, GdipSetPenDashCap197819, (GpPen* pen, INT dashCap))                                   \
  X(Status, GdipGetPenStartCap, (GpPen* pen, INT* startCap))                                      \
  X(Status, GdipGetPenEndCap, (GpPen* pen, INT* endCap))                                          \
  X(Status, GdipGetPenDashCap197819, (GpPen* pen, INT* dashCap))                                  \
  X(Status, GdipSetPenLineJoin, (GpPen* pen, INT lineJoin))                                       \
  X(Status, GdipGetPenLineJoin, (GpPen* pen, INT* lineJoin))                                      \
  X(Status, GdipSetPenCustomStartCap, (GpPen* pen, GpCustomLineCap* customCap))                   \
  X(Status, GdipGetPenCustomStartCap, (GpPen* pen, GpCustomLineCap** customCap))                  \
  X(Status, GdipSetPenCustomEndCap, (GpPen* pen, GpCustomLineCap* customCap))                     \
  X(Status, GdipGetPenCustomEndCap, (GpPen* pen, GpCustomLineCap** customCap))                    \
  X(Status, GdipSetPenMiterLimit, (GpPen* pen, REAL miterLimit))                                  \
  X(Status, GdipGetPenMiterLimit, (GpPen* pen, REAL* miterLimit))                                 \
  X(Status, GdipSetPenMode, (GpPen* pen, INT penMode))                                            \
  X(Status, GdipGetPenMode, (GpPen* pen, INT* penMode))                                           \
  X(Status, GdipSetPenTransform, (GpPen* pen, GpMatrix* matrix))                                  \
  X(Status, GdipGetPenTransform, (GpPen* pen, GpMatrix* matrix))                                  \
  X(Status, GdipResetPenTransform, (GpPen* pen))                                                  \
  X(Status, GdipMultiplyPenTransform, (GpPen* pen, const GpMatrix* matrix, INT order))            \
  X(Status, GdipRotatePenTransform, (GpPen* pen, REAL angle, INT order))                          \
  X(Status, GdipScalePenTransform, (GpPen* pen, REAL sx, REAL sy, INT order))                     \
  X(Status, GdipTranslatePenTransform, (GpPen* pen, REAL dx, REAL dy, INT order))                 \
  X(Status, GdipGetPenColor, (GpPen* pen, ARGB* argb))                                            \
  X(Status, GdipSetPenColor, (GpPen* pen, ARGB argb))                                             \
  X(Status, GdipSetPenBrushFill, (GpPen* pen, GpBrush* brush))                                    \
  X(Status, GdipGetPenBrushFill, (GpPen* pen, GpBrush** brush))                                   \
  X(Status, GdipGetPenFillType, (GpPen* pen, INT* type))                                          \
  X(Status, GdipSetPenDashStyle, (GpPen* pen, INT dashStyle))                                     \
  X(Status, GdipGetPenDashStyle, (GpPen* pen, INT* dashStyle))                                    \
  X(Status, GdipGetPenDashOffset, (GpPen* pen, REAL* offset))                                     \
  X(Status, GdipSetPenDashOffset, (GpPen* pen, REAL offset))                                      \
  X(Status, GdipGetPenDashCount, (GpPen* pen, INT* count))                                        \
  X(Status, GdipGetPenDashArray, (GpPen* pen, REAL* dash, INT count))                             \
  X(Status, GdipSetPenDashArray, (GpPen* pen, const REAL* dash, INT count))                       \
  X(Status, GdipSetPenCompoundArray, (GpPen* pen, const REAL* dash, INT count))                   \
  X(Status, GdipGetPenCompoundCount, (GpPen* pen, INT* count))                                    \
  X(Status, GdipGetPenCompoundArray, (GpPen* pen, REAL* dash, INT count))                         \
  /* region */                                                                                    \
  X(Status, GdipDeleteRegion, (GpRegion* region))                                                 \
  X(Status, GdipCreateRegion, (GpRegion** region))                                                \
  X(Status, GdipCreateRegionRect, (const GpRectF* rect, GpRegion** region))                       \
  X(Status, GdipCreateRegionRectI, (const GpRect* rect, GpRegion** region))                       \
  X(Status, GdipCreateRegionPath, (GpPath* path, GpRegion** region))                              \
  X(Status, GdipCreateRegionHrgn, (HRGN hrgn, GpRegion** region))                                 \
  X(Status, GdipCreateRegionRgnData, (const BYTE* regionData, INT size, GpRegion** region))       \
  X(Status, GdipCloneRegion, (GpRegion* region, GpRegion** clone))                                \
  X(Status, GdipSetInfinite, (GpRegion* region))                                                  \
  X(Status, GdipSetEmpty, (GpRegion* region))                                                     \
  X(Status, GdipCombineRegionRect, (GpRegion* region, const GpRectF* rect, INT combineMode))      \
  X(Status, GdipCombineRegionRectI, (GpRegion* region, const GpRect* rect, INT combineMode))      \
  X(Status, GdipCombineRegionRegion, (GpRegion* region, GpRegion* region2, INT combineMode))      \
  X(Status, GdipCombineRegionPath, (GpRegion* region, GpPath* path, INT combineMode))             \
  X(Status, GdipTranslateRegion, (GpRegion* region, REAL dx, REAL dy))                            \
  X(Status, GdipTranslateRegionI, (GpRegion* region, INT dx, INT dy))                             \
  X(Status, GdipTransformRegion, (GpRegion* region, GpMatrix* matrix))                            \
  X(Status, GdipGetRegionBounds, (GpRegion* region, GpGraphics* graphics, GpRectF* rect))         \
  X(Status, GdipGetRegionBoundsI, (GpRegion* region, GpGraphics* graphics, GpRect* rect))         \
  X(Status, GdipGetRegionDataSize, (GpRegion* region, UINT* bufferSize))                          \
  X(Status, GdipGetRegionData, (GpRegion* region, BYTE* buffer, UINT bufferSize, UINT* sizeFilled)) \
  X(Status, GdipGetRegionHRgn, (GpRegion* region, GpGraphics* graphics, HRGN* hrgn))              \
  X(Status, GdipIsEmptyRegion, (GpRegion* region, GpGraphics* graphics, BOOL* result))            \
  X(Status, GdipIsInfiniteRegion, (GpRegion* region, GpGraphics* graphics, BOOL* result))         \
  X(Status, GdipIsEqualRegion, (GpRegion* region, GpRegion* region2, GpGraphics* graphics, BOOL* result)) \
  X(Status, GdipIsVisibleRegionPoint, (GpRegion* region, REAL x, REAL y, GpGraphics* graphics, BOOL* result)) \
  X(Status, GdipIsVisibleRegionPointI, (GpRegion* region, INT x, INT y, GpGraphics* graphics, BOOL* result)) \
  X(Status, GdipIsVisibleRegionRect, (GpRegion* region, REAL x, REAL y, REAL width, REAL height, GpGraphics* graphics, BOOL* result)) \
  X(Status, GdipIsVisibleRegionRectI, (GpRegion* region, INT x, INT y, INT width, INT height, GpGraphics* graphics, BOOL* result)) \
  X(Status, GdipGetRegionScansCount, (GpRegion* region, UINT* count, GpMatrix* matrix))           \
  X(Status, GdipGetRegionScans, (GpRegion* region, GpRectF* rects, INT* count, GpMatrix* matrix)) \
  X(Status, GdipGetRegionScansI, (GpRegion* region, GpRect* rects, INT* count, GpMatrix* matrix))
// clang-format on
