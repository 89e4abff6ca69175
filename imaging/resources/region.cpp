// Region: lifetime, creation, combination and transforms.
#include "imaging/resources/region.h"

namespace charart::imaging {
namespace {

using gdiplus::GpMatrix;
using gdiplus::GpPath;
using gdiplus::GpRect;
using gdiplus::GpRectF;
using gdiplus::GpRegion;

// Combining without a mode intersects.
constexpr std::int32_t kDefaultCombineMode = 1;

static_assert(sizeof(RectF) == sizeof(GpRectF) && sizeof(Rect) == sizeof(GpRect));

const GpRectF* Native(const RectF& rect) {
  return reinterpret_cast<const GpRectF*>(&rect);
}
const GpRect* Native(const Rect& rect) {
  return reinterpret_cast<const GpRect*>(&rect);
}

}  // namespace

Region& Region::operator=(Region&& other) noexcept {
  if (this != &other) {
    Destroy();
    TakeFrom(other);
  }
  return *this;
}

void Region::Destroy() {
  Delete();
}

std::unique_ptr<GdiplusObject> Region::Copy() const {
  auto copy = std::make_unique<Region>();
  copy->SetHandle(regionHandle);
  copy->MarkBorrowed();
  return copy;
}

void Region::OnHandleSet(Handle handle) {
  regionHandle = handle;
}

bool Region::Delete() {
  return DeleteNative(regionHandle,
                      [&] { return Gdip().GdipDeleteRegion(As<GpRegion>(regionHandle)); });
}

bool Region::Create() {
  return FinishCreate(Gdip().GdipCreateRegion(OutHandle<GpRegion>(regionHandle)), regionHandle);
}

bool Region::CreateFromRect(const RectF& rect) {
  return FinishCreate(Gdip().GdipCreateRegionRect(Native(rect), OutHandle<GpRegion>(regionHandle)),
                      regionHandle);
}

bool Region::CreateFromRectI(const Rect& rect) {
  return FinishCreate(Gdip().GdipCreateRegionRectI(Native(rect), OutHandle<GpRegion>(regionHandle)),
                      regionHandle);
}

bool Region::CreateFromPath(const GdiplusObject& path) {
  return FinishCreate(
      Gdip().GdipCreateRegionPath(As<GpPath>(path.GetHandle()), OutHandle<GpRegion>(regionHandle)),
      regionHandle);
}

bool Region::CreateFromHrgn(gdiplus::HRGN region) {
  return FinishCreate(Gdip().GdipCreateRegionHrgn(region, OutHandle<GpRegion>(regionHandle)),
                      regionHandle);
}

bool Region::CreateFromRgnData(const values::ByteSet& data, std::int32_t size) {
  // GDI+ would read `size` bytes whatever the byte set holds.
  if (size > data.Length()) return Record(Status::InvalidParameter);
  return FinishCreate(
      Gdip().GdipCreateRegionRgnData(data.Data(), size, OutHandle<GpRegion>(regionHandle)),
      regionHandle);
}

bool Region::Clone(Region& target) {
  Handle local = 0;
  return HandOver(Gdip().GdipCloneRegion(As<GpRegion>(regionHandle), OutHandle<GpRegion>(local)),
                  local, target);
}

bool Region::SetInfinite() {
  return Record(Gdip().GdipSetInfinite(As<GpRegion>(regionHandle)));
}

bool Region::SetEmpty() {
  return Record(Gdip().GdipSetEmpty(As<GpRegion>(regionHandle)));
}

bool Region::CombineRect(const RectF& rect, std::optional<std::int32_t> mode) {
  return Record(Gdip().GdipCombineRegionRect(As<GpRegion>(regionHandle), Native(rect),
                                             mode.value_or(kDefaultCombineMode)));
}

bool Region::CombineRectI(const Rect& rect, std::optional<std::int32_t> mode) {
  return Record(Gdip().GdipCombineRegionRectI(As<GpRegion>(regionHandle), Native(rect),
                                              mode.value_or(kDefaultCombineMode)));
}

bool Region::CombineRegion(const Region& region, std::optional<std::int32_t> mode) {
  return Record(Gdip().GdipCombineRegionRegion(As<GpRegion>(regionHandle),
                                               As<GpRegion>(region.GetHandle()),
                                               mode.value_or(kDefaultCombineMode)));
}

bool Region::CombinePath(const GdiplusObject& path, std::optional<std::int32_t> mode) {
  return Record(Gdip().GdipCombineRegionPath(As<GpRegion>(regionHandle),
                                             As<GpPath>(path.GetHandle()),
                                             mode.value_or(kDefaultCombineMode)));
}

bool Region::Translate(float dx, float dy) {
  return Record(Gdip().GdipTranslateRegion(As<GpRegion>(regionHandle), dx, dy));
}

bool Region::TranslateI(std::int32_t dx, std::int32_t dy) {
  return Record(Gdip().GdipTranslateRegionI(As<GpRegion>(regionHandle), dx, dy));
}

bool Region::Transform(const GdiplusObject& matrix) {
  return Record(
      Gdip().GdipTransformRegion(As<GpRegion>(regionHandle), As<GpMatrix>(matrix.GetHandle())));
}

}  // namespace charart::imaging
