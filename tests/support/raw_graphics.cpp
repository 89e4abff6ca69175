#include "tests/support/raw_graphics.h"

#include <mutex>

#include "platform/fonts/font_setup.h"
#include "platform/gdiplus/gdiplus_api.h"

namespace charart::testsupport {
namespace {

using namespace gdiplus;
using imaging::Handle;

template <typename Fn>
Fn RawFunction(const char* name) {
  return reinterpret_cast<Fn>(RawSymbol(name));
}

}  // namespace

bool StartGdiplusOnce() {
  // Asked on every call: a test elsewhere in the program may have shut GDI+
  // down. A start while GDI+ runs costs nothing and changes nothing.
  fonts::EnsureFontAliases();
  ULONG_PTR token = 0;
  GdiplusStartupInput input{1, nullptr, 0, 0};
  return Api().GdiplusStartup(&token, &input, nullptr) == Status::Ok && token != 0;
}

RawObject::RawObject(Handle handle, Releaser releaser) : releaser_(releaser) {
  SetHandle(handle);
}

RawObject::RawObject(RawObject&& other) noexcept : releaser_(other.releaser_) {
  TakeFrom(other);
  other.releaser_ = nullptr;
}

RawObject::~RawObject() {
  if (releaser_ != nullptr && GetHandle() != 0) releaser_(GetHandle());
}

std::unique_ptr<imaging::GdiplusObject> RawObject::Copy() const {
  return std::make_unique<RawObject>(GetHandle(), nullptr);
}

RawBitmapGraphics::RawBitmapGraphics(std::int32_t width, std::int32_t height)
    : width_(width), height_(height) {
  GpBitmap* bitmap = nullptr;
  constexpr PixelFormat kArgb32 = 0x26200A;
  if (Api().GdipCreateBitmapFromScan0(width, height, 0, kArgb32, nullptr, &bitmap) != Status::Ok) {
    return;
  }
  bitmap_ = reinterpret_cast<Handle>(bitmap);
  GpGraphics* graphics = nullptr;
  Api().GdipGetImageGraphicsContext(reinterpret_cast<GpImage*>(bitmap), &graphics);
  SetHandle(reinterpret_cast<Handle>(graphics));
}

RawBitmapGraphics::~RawBitmapGraphics() {
  if (GetHandle() != 0) Api().GdipDeleteGraphics(imaging::As<GpGraphics>(GetHandle()));
  if (bitmap_ != 0) Api().GdipDisposeImage(imaging::As<GpImage>(bitmap_));
}

std::unique_ptr<imaging::GdiplusObject> RawBitmapGraphics::Copy() const {
  return std::make_unique<RawObject>(GetHandle(), nullptr);
}

std::uint32_t RawBitmapGraphics::Pixel(std::int32_t x, std::int32_t y) const {
  ARGB colour = 0;
  Api().GdipBitmapGetPixel(imaging::As<GpBitmap>(bitmap_), x, y, &colour);
  return colour;
}

RawObject MakeMatrix() {
  GpMatrix* matrix = nullptr;
  Api().GdipCreateMatrix(&matrix);
  return RawObject(reinterpret_cast<Handle>(matrix),
                   [](Handle h) { Api().GdipDeleteMatrix(imaging::As<GpMatrix>(h)); });
}

RawObject MakeTranslation(float dx, float dy) {
  RawObject matrix = MakeMatrix();
  Api().GdipTranslateMatrix(imaging::As<GpMatrix>(matrix.GetHandle()), dx, dy, 0);
  return matrix;
}

RawObject MakeRectanglePath(float x, float y, float width, float height) {
  using CreatePath = Status (*)(INT fillMode, GpPath * *path);
  using AddRectangle = Status (*)(GpPath*, REAL, REAL, REAL, REAL);
  static const auto create = RawFunction<CreatePath>("GdipCreatePath");
  static const auto add = RawFunction<AddRectangle>("GdipAddPathRectangle");
  GpPath* path = nullptr;
  if (create == nullptr || add == nullptr || create(0, &path) != Status::Ok) return RawObject();
  add(path, x, y, width, height);
  return RawObject(reinterpret_cast<Handle>(path), [](Handle h) {
    using DeletePath = Status (*)(GpPath*);
    static const auto remove = RawFunction<DeletePath>("GdipDeletePath");
    if (remove != nullptr) remove(imaging::As<GpPath>(h));
  });
}

RawObject InstalledFontCollection() {
  using NewInstalled = Status (*)(GpFontCollection**);
  static const auto create = RawFunction<NewInstalled>("GdipNewInstalledFontCollection");
  GpFontCollection* collection = nullptr;
  if (create != nullptr) create(&collection);
  return RawObject(reinterpret_cast<Handle>(collection), nullptr);
}

RawObject MakeArrowCap(float height, float width) {
  using CreateArrow = Status (*)(REAL height, REAL width, BOOL isFilled, void** cap);
  static const auto create = RawFunction<CreateArrow>("GdipCreateAdjustableArrowCap");
  void* cap = nullptr;
  if (create == nullptr || create(height, width, 1, &cap) != Status::Ok) return RawObject();
  return RawObject(reinterpret_cast<Handle>(cap), &DeleteCustomLineCap);
}

void DeleteCustomLineCap(Handle cap) {
  using DeleteCap = Status (*)(GpCustomLineCap*);
  static const auto remove = RawFunction<DeleteCap>("GdipDeleteCustomLineCap");
  if (remove != nullptr && cap != 0) remove(imaging::As<GpCustomLineCap>(cap));
}

std::array<float, 6> MatrixElements(const imaging::GdiplusObject& matrix) {
  using GetElements = Status (*)(const GpMatrix*, REAL* elements);
  static const auto get = RawFunction<GetElements>("GdipGetMatrixElements");
  std::array<float, 6> elements{};
  if (get != nullptr) get(imaging::As<GpMatrix>(matrix.GetHandle()), elements.data());
  return elements;
}

std::array<float, 2> MapPoint(const imaging::GdiplusObject& matrix, float x, float y) {
  const auto m = MatrixElements(matrix);
  return {x * m[0] + y * m[2] + m[4], x * m[1] + y * m[3] + m[5]};
}

}  // namespace charart::testsupport
