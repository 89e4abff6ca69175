#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {

void* AdapterFor(FunctionId id) {
  switch (id) {
    case FunctionId::GdipMeasureCharacterRanges:
      return reinterpret_cast<void*>(&MeasureCharacterRanges);
    case FunctionId::GdipCreateFontFamilyFromName:
      return reinterpret_cast<void*>(&CreateFontFamilyFromName);
    case FunctionId::GdipGetRegionBoundsI:
      return reinterpret_cast<void*>(&GetRegionBoundsI);
    case FunctionId::GdipCreateBitmapFromStream:
      return reinterpret_cast<void*>(&CreateBitmapFromStream);
    case FunctionId::GdipCreateBitmapFromStreamICM:
      return reinterpret_cast<void*>(&CreateBitmapFromStreamICM);
    case FunctionId::GdipSaveImageToStream:
      return reinterpret_cast<void*>(&SaveImageToStream);
    case FunctionId::GdipCreateBitmapFromGdiDib:
      return reinterpret_cast<void*>(&CreateBitmapFromGdiDib);
    case FunctionId::GdipCreateHBITMAPFromBitmap:
      return reinterpret_cast<void*>(&CreateHBITMAPFromBitmap);
    case FunctionId::GdipCreateBitmapFromHBITMAP:
      return reinterpret_cast<void*>(&CreateBitmapFromHBITMAP);
    case FunctionId::GdipCreateHICONFromBitmap:
      return reinterpret_cast<void*>(&CreateHICONFromBitmap);
    case FunctionId::GdipCreateBitmapFromHICON:
      return reinterpret_cast<void*>(&CreateBitmapFromHICON);
    case FunctionId::GdipCreateBitmapFromResource:
      return reinterpret_cast<void*>(&CreateBitmapFromResource);
    case FunctionId::GdipDrawCachedBitmap:
      return reinterpret_cast<void*>(&DrawCachedBitmap);
    case FunctionId::GdipComment:
      return reinterpret_cast<void*>(&Comment);
    case FunctionId::GdipCreateFromHWND:
      return reinterpret_cast<void*>(&CreateFromHWND);
    case FunctionId::GdipCreateFromHWNDICM:
      return reinterpret_cast<void*>(&CreateFromHWNDICM);
    case FunctionId::GdipCreateFont:
      return reinterpret_cast<void*>(&CreateFont);
    case FunctionId::GdipCreateFontFromLogfontA:
      return reinterpret_cast<void*>(&CreateFontFromLogfontA);
    case FunctionId::GdipGetLogFontA:
      return reinterpret_cast<void*>(&GetLogFontA);
    case FunctionId::GdipGetRegionHRgn:
      return reinterpret_cast<void*>(&GetRegionHRgn);
    case FunctionId::GdipCreateRegionHrgn:
      return reinterpret_cast<void*>(&CreateRegionHrgn);
    case FunctionId::GdipCreateRegionRgnData:
      return reinterpret_cast<void*>(&CreateRegionRgnData);
    case FunctionId::GdipSetPenBrushFill:
      return reinterpret_cast<void*>(&SetPenBrushFill);
    case FunctionId::GdipClonePen:
      return reinterpret_cast<void*>(&ClonePen);
    case FunctionId::GdipDeletePen:
      return reinterpret_cast<void*>(&DeletePen);
    case FunctionId::GdipBitmapLockBits:
      return reinterpret_cast<void*>(&BitmapLockBits);
    case FunctionId::GdipBitmapUnlockBits:
      return reinterpret_cast<void*>(&BitmapUnlockBits);
    case FunctionId::GdiplusStartup:
      return reinterpret_cast<void*>(&GdiplusStartup);
    case FunctionId::GdiplusShutdown:
      return reinterpret_cast<void*>(&GdiplusShutdown);
    case FunctionId::GdipTransformPoints:
      return reinterpret_cast<void*>(&TransformPoints);
    case FunctionId::GdipTransformPointsI:
      return reinterpret_cast<void*>(&TransformPointsI);
    case FunctionId::GdipCloneBitmapAreaI:
      return reinterpret_cast<void*>(&CloneBitmapAreaI);
    case FunctionId::GdipCloneBitmapArea:
      return reinterpret_cast<void*>(&CloneBitmapArea);
    case FunctionId::GdipDrawString:
      return reinterpret_cast<void*>(&DrawString);
    case FunctionId::GdipDrawDriverString:
      return reinterpret_cast<void*>(&DrawDriverString);
    case FunctionId::GdipSaveImageToFile:
      return reinterpret_cast<void*>(&SaveImageToFile);
    case FunctionId::GdipSaveAdd:
      return reinterpret_cast<void*>(&SaveAdd);
    case FunctionId::GdipSaveAddImage:
      return reinterpret_cast<void*>(&SaveAddImage);
    case FunctionId::GdipDisposeImage:
      return reinterpret_cast<void*>(&DisposeImage);
    case FunctionId::GdipSetClipHrgn:
      return reinterpret_cast<void*>(&SetClipHrgn);
    case FunctionId::GdipBeginContainer:
      return reinterpret_cast<void*>(&BeginContainer);
    case FunctionId::GdipBeginContainerI:
      return reinterpret_cast<void*>(&BeginContainerI);
    case FunctionId::GdipGetVisibleClipBounds:
      return reinterpret_cast<void*>(&GetVisibleClipBounds);
    case FunctionId::GdipGetVisibleClipBoundsI:
      return reinterpret_cast<void*>(&GetVisibleClipBoundsI);
    case FunctionId::GdipIsVisibleClipEmpty:
      return reinterpret_cast<void*>(&IsVisibleClipEmpty);
    default:
      return FiniteCoordinatesAdapter(id);
  }
}

}  // namespace charart::gdiplus::adapters
