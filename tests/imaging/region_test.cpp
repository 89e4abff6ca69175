// Region against the real engine: the algebra of two rectangles, emptiness
// and infiniteness, data and HRGN round trips, scans, bounds in float and
// int (the GdipGetRegionBoundsI adapter against GdipGetRegionBounds),
// transforms, paths and bad input. Through the recording fake: the combine
// default, the scans and data buffers, and region ownership.
#include "imaging/resources/region.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/gdiplus/recording_fake.h"
#include "platform/win32/gdi_objects.h"
#include "tests/support/raw_graphics.h"

namespace charart::imaging {
namespace {

using gdiplus::FunctionId;
using gdiplus::IntegerArg;
using gdiplus::PointerArg;
using gdiplus::RecordedCall;
using gdiplus::RecordingFake;
using testsupport::MakeMatrix;
using testsupport::RawBitmapGraphics;

constexpr std::int32_t kReplace = 0, kIntersect = 1, kUnion = 2, kXor = 3, kExclude = 4,
                       kComplement = 5;

// Rectangles compared and printed as their four fields.
std::array<float, 4> Quad(const RectF& r) {
  return {r.x, r.y, r.width, r.height};
}
std::array<std::int32_t, 4> Quad(const Rect& r) {
  return {r.x, r.y, r.width, r.height};
}

class RegionOnEngine : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(started); }
  const bool started = testsupport::StartGdiplusOnce();  // before the canvas is made
  RawBitmapGraphics canvas{16, 16};
};

// A = (0,0)-(10,10) combined with B = (5,5)-(15,15).
struct AlgebraCase {
  const char* what;
  std::int32_t mode;
  RectF bounds;
  std::vector<Point> inside;
  std::vector<Point> outside;
};

TEST_F(RegionOnEngine, TwoRectangleAlgebra) {
  const AlgebraCase cases[] = {
      {"replace", kReplace, {5, 5, 10, 10}, {{7, 7}, {14, 14}}, {{2, 2}}},
      {"intersect", kIntersect, {5, 5, 5, 5}, {{7, 7}}, {{2, 2}, {12, 12}}},
      {"union", kUnion, {0, 0, 15, 15}, {{2, 2}, {7, 7}, {12, 12}}, {{12, 2}, {2, 12}}},
      {"xor", kXor, {0, 0, 15, 15}, {{2, 2}, {12, 12}}, {{7, 7}, {12, 2}}},
      {"exclude", kExclude, {0, 0, 10, 10}, {{2, 2}, {8, 2}}, {{7, 7}, {12, 12}}},
      {"complement", kComplement, {5, 5, 10, 10}, {{12, 12}, {12, 6}}, {{7, 7}, {2, 2}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Region a;
    ASSERT_TRUE(a.CreateFromRectI(Rect{0, 0, 10, 10}));
    Region b;
    ASSERT_TRUE(b.CreateFromRect(RectF{5, 5, 10, 10}));
    ASSERT_TRUE(a.CombineRegion(b, c.mode));
    EXPECT_EQ(Quad(a.GetBounds(canvas)), Quad(c.bounds));
    EXPECT_FALSE(a.IsEmpty(canvas));
    EXPECT_FALSE(a.IsInfinite(canvas));
    for (const Point& p : c.inside) {
      EXPECT_TRUE(a.IsVisiblePointI(p, canvas)) << p.x << "," << p.y;
      EXPECT_TRUE(a.IsVisiblePoint(PointF{p.x + 0.5f, p.y + 0.5f}, canvas));
    }
    for (const Point& p : c.outside) {
      EXPECT_FALSE(a.IsVisiblePointI(p, canvas)) << p.x << "," << p.y;
    }
    EXPECT_EQ(LastStatus, 0);
  }
}

TEST_F(RegionOnEngine, CombiningWithRectanglesMatchesCombiningWithRegions) {
  for (std::int32_t mode : {kReplace, kIntersect, kUnion, kXor, kExclude, kComplement}) {
    SCOPED_TRACE(mode);
    Region byRegion, byRect, byRectI, other;
    ASSERT_TRUE(byRegion.CreateFromRectI(Rect{0, 0, 10, 10}));
    ASSERT_TRUE(byRegion.Clone(byRect));
    ASSERT_TRUE(byRegion.Clone(byRectI));
    ASSERT_TRUE(other.CreateFromRectI(Rect{5, 5, 10, 10}));
    ASSERT_TRUE(byRegion.CombineRegion(other, mode));
    ASSERT_TRUE(byRect.CombineRect(RectF{5, 5, 10, 10}, mode));
    ASSERT_TRUE(byRectI.CombineRectI(Rect{5, 5, 10, 10}, mode));
    EXPECT_TRUE(byRect.IsEqual(byRegion, canvas));
    EXPECT_TRUE(byRectI.IsEqual(byRegion, canvas));
  }
}

TEST_F(RegionOnEngine, DisjointIntersectionIsEmptyAndInfiniteIsInfinite) {
  Region a;
  ASSERT_TRUE(a.CreateFromRectI(Rect{0, 0, 4, 4}));
  ASSERT_TRUE(a.CombineRectI(Rect{8, 8, 4, 4}));  // the mode omitted intersects
  EXPECT_TRUE(a.IsEmpty(canvas));
  EXPECT_EQ(Quad(a.GetBounds(canvas)), Quad(RectF{0, 0, 0, 0}));

  Region everything;
  ASSERT_TRUE(everything.Create());
  EXPECT_TRUE(everything.IsInfinite(canvas));
  EXPECT_TRUE(everything.IsVisiblePointI(Point{-100000, 100000}, canvas));
  ASSERT_TRUE(everything.SetEmpty());
  EXPECT_TRUE(everything.IsEmpty(canvas));
  EXPECT_FALSE(everything.IsVisiblePointI(Point{0, 0}, canvas));
  ASSERT_TRUE(everything.SetInfinite());
  EXPECT_TRUE(everything.IsInfinite(canvas));
}

TEST_F(RegionOnEngine, VisibleRectanglesTouchTheRegion) {
  Region a;
  ASSERT_TRUE(a.CreateFromRectI(Rect{0, 0, 10, 10}));
  EXPECT_TRUE(a.IsVisibleRect(RectF{8, 8, 5, 5}, canvas));
  EXPECT_TRUE(a.IsVisibleRectI(Rect{9, 0, 4, 4}, canvas));
  EXPECT_FALSE(a.IsVisibleRect(RectF{11, 11, 2, 2}, canvas));
  EXPECT_FALSE(a.IsVisibleRectI(Rect{-5, -5, 4, 4}, canvas));
}

TEST_F(RegionOnEngine, DataRoundTripGivesAnEqualRegion) {
  struct Case {
    const char* what;
    std::int32_t mode;  // A combined with B; -1 for A alone
  };
  const Case cases[] = {
      {"one rectangle", -1}, {"union of two", kUnion}, {"xor of two", kXor}, {"exclude", kExclude}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Region region;
    ASSERT_TRUE(region.CreateFromRectI(Rect{0, 0, 10, 10}));
    if (c.mode >= 0) {
      ASSERT_TRUE(region.CombineRectI(Rect{5, 5, 10, 10}, c.mode));
    }
    const std::int32_t size = region.GetDataSize();
    ASSERT_GT(size, 16);
    std::int32_t filled = -1;
    const values::ByteSet data = region.GetData(size, &filled);
    EXPECT_EQ(data.Length(), size);
    EXPECT_EQ(filled, size);
    Region copy;
    ASSERT_TRUE(copy.CreateFromRgnData(data, size)) << gdiplus::StatusName(LastStatus);
    EXPECT_TRUE(copy.IsEqual(region, canvas));
    EXPECT_EQ(copy.GetScansCount(MakeMatrix()), region.GetScansCount(MakeMatrix()));
    EXPECT_EQ(Quad(copy.GetBounds(canvas)), Quad(region.GetBounds(canvas)));
  }
}

TEST_F(RegionOnEngine, DataOfInfiniteEmptyAndPathRegionsRoundTrips) {
  auto path = testsupport::MakeRectanglePath(1, 2, 3, 4);
  ASSERT_NE(path.GetHandle(), 0u);
  Region fromPath, infinite, empty;
  ASSERT_TRUE(fromPath.CreateFromPath(path));
  EXPECT_EQ(Quad(fromPath.GetBounds(canvas)), Quad(RectF{1, 2, 3, 4}));
  ASSERT_TRUE(infinite.Create());
  ASSERT_TRUE(empty.Create());
  ASSERT_TRUE(empty.SetEmpty());
  for (Region* region : {&fromPath, &infinite, &empty}) {
    const std::int32_t size = region->GetDataSize();
    Region copy;
    ASSERT_TRUE(copy.CreateFromRgnData(region->GetData(size), size));
    EXPECT_TRUE(copy.IsEqual(*region, canvas));
  }
}

TEST_F(RegionOnEngine, DataCallsRefuseShortOrForgedBuffers) {
  Region region;
  ASSERT_TRUE(region.CreateFromRectI(Rect{0, 0, 10, 10}));
  const std::int32_t size = region.GetDataSize();
  const values::ByteSet tooShort = region.GetData(size - 1);
  EXPECT_EQ(tooShort.Length(), size - 1) << "exactly bufferSize bytes";
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InsufficientBuffer));
  EXPECT_EQ(tooShort, values::ByteSet::Zeroed(size - 1));
  EXPECT_EQ(region.GetData(-4).Length(), 0);
  EXPECT_NE(LastStatus, 0);

  Region copy;
  EXPECT_FALSE(copy.CreateFromRgnData(values::ByteSet::Zeroed(40), 40));
  EXPECT_NE(LastStatus, 0);
  EXPECT_FALSE(copy.CreateFromRgnData(values::ByteSet::Zeroed(40), 4000))
      << "a size beyond the data is refused";
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  EXPECT_FALSE(copy.CreateFromRgnData(values::ByteSet(), 0));
  EXPECT_EQ(copy.GetHandle(), 0u);
}

TEST_F(RegionOnEngine, HrgnRoundTripAndStrayHandles) {
  Region region;
  ASSERT_TRUE(region.CreateFromRectI(Rect{1, 2, 3, 4}));
  const gdiplus::HRGN hrgn = region.GetHRgn(canvas);
  ASSERT_NE(hrgn, nullptr);
  Region copy;
  ASSERT_TRUE(copy.CreateFromHrgn(hrgn));
  EXPECT_TRUE(copy.IsEqual(region, canvas));
  EXPECT_TRUE(win32::DeleteObject(hrgn));
  Region afterDelete;
  EXPECT_FALSE(afterDelete.CreateFromHrgn(hrgn)) << "a released HRGN";
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  Region stray;
  EXPECT_FALSE(stray.CreateFromHrgn(reinterpret_cast<gdiplus::HRGN>(0x1234)));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  EXPECT_EQ(stray.GetHandle(), 0u);

  Region infinite;
  ASSERT_TRUE(infinite.Create());
  EXPECT_EQ(infinite.GetHRgn(canvas), nullptr) << "an infinite region has no HRGN";
  EXPECT_EQ(LastStatus, 0);
}

TEST_F(RegionOnEngine, ScansCoverTheRegionOnce) {
  Region region;
  ASSERT_TRUE(region.CreateFromRectI(Rect{0, 0, 10, 10}));
  ASSERT_TRUE(region.CombineRectI(Rect{5, 5, 10, 10}, kUnion));
  const auto identity = MakeMatrix();
  const std::int32_t count = region.GetScansCount(identity);
  values::ValueArray<RectF> scans{RectF{9, 9, 9, 9}};
  ASSERT_EQ(region.GetScans(identity, scans), count);
  ASSERT_EQ(scans.Count(), count);
  ASSERT_EQ(count, 3);
  float area = 0;
  for (std::int32_t i = 1; i <= count; ++i) area += scans[i].width * scans[i].height;
  EXPECT_EQ(area, 175.0f) << "100 + 100 - 25, no overlap";
  EXPECT_EQ(Quad(scans[1]), Quad(RectF{0, 0, 10, 5}));

  values::ValueArray<Rect> scansI;
  ASSERT_EQ(region.GetScansI(identity, scansI), count);
  EXPECT_EQ(Quad(scansI[3]), Quad(Rect{5, 10, 10, 5}));

  // The matrix moves the scans, not the region.
  const auto moved = testsupport::MakeTranslation(100, 0);
  ASSERT_EQ(region.GetScansI(moved, scansI), count);
  EXPECT_EQ(Quad(scansI[1]), Quad(Rect{100, 0, 10, 5}));
  EXPECT_EQ(Quad(region.GetBounds(canvas)), Quad(RectF{0, 0, 15, 15}));

  Region empty;
  ASSERT_TRUE(empty.CreateFromRectI(Rect{0, 0, 1, 1}));
  ASSERT_TRUE(empty.SetEmpty());
  EXPECT_EQ(empty.GetScans(identity, scans), 0);
  EXPECT_EQ(scans.Count(), 0);
  EXPECT_EQ(scans.Dimensions(), std::vector<std::int32_t>{0});
}

TEST_F(RegionOnEngine, IntegerBoundsHoldTheFloatBounds) {
  struct Case {
    const char* what;
    RectF rect;
    Rect expected;
  };
  const Case cases[] = {
      {"whole numbers", {1, 2, 3, 4}, {1, 2, 3, 4}},
      {"fractions round outward", {0.5f, -0.5f, 10.2f, 3}, {0, -1, 11, 4}},
      {"negative corner", {-7.25f, -3.75f, 2.5f, 1.5f}, {-8, -4, 4, 2}},
      {"empty", {0, 0, 0, 0}, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Region region;
    ASSERT_TRUE(region.CreateFromRect(c.rect));
    const RectF bounds = region.GetBounds(canvas);
    const Rect boundsI = region.GetBoundsI(canvas);
    EXPECT_EQ(LastStatus, 0);
    EXPECT_EQ(Quad(boundsI), Quad(c.expected));
    EXPECT_LE(boundsI.x, bounds.x);
    EXPECT_LE(boundsI.y, bounds.y);
    EXPECT_GE(boundsI.x + boundsI.width, bounds.x + bounds.width);
    EXPECT_GE(boundsI.y + boundsI.height, bounds.y + bounds.height);
  }
  Region infinite;
  ASSERT_TRUE(infinite.Create());
  const RectF bounds = infinite.GetBounds(canvas);
  const Rect boundsI = infinite.GetBoundsI(canvas);
  EXPECT_EQ(Quad(boundsI),
            Quad(Rect{static_cast<int>(bounds.x), static_cast<int>(bounds.y),
                      static_cast<int>(bounds.width), static_cast<int>(bounds.height)}));
}

TEST_F(RegionOnEngine, TranslationsAndTransformsMoveTheRegion) {
  Region region;
  ASSERT_TRUE(region.CreateFromRectI(Rect{0, 0, 10, 10}));
  ASSERT_TRUE(region.Translate(1.5f, 2));
  EXPECT_EQ(Quad(region.GetBounds(canvas)), Quad(RectF{1.5f, 2, 10, 10}));
  ASSERT_TRUE(region.TranslateI(-1, -2));
  EXPECT_EQ(Quad(region.GetBounds(canvas)), Quad(RectF{0.5f, 0, 10, 10}));
  ASSERT_TRUE(region.Transform(testsupport::MakeTranslation(3, 4)));
  EXPECT_EQ(Quad(region.GetBounds(canvas)), Quad(RectF{3.5f, 4, 10, 10}));
}

TEST_F(RegionOnEngine, PathsCombineLikeRectangles) {
  auto path = testsupport::MakeRectanglePath(5, 5, 10, 10);
  Region region;
  ASSERT_TRUE(region.CreateFromRectI(Rect{0, 0, 10, 10}));
  ASSERT_TRUE(region.CombinePath(path, kUnion));
  EXPECT_EQ(Quad(region.GetBounds(canvas)), Quad(RectF{0, 0, 15, 15}));
  EXPECT_TRUE(region.IsVisiblePointI(Point{12, 12}, canvas));
  EXPECT_FALSE(region.IsVisiblePointI(Point{12, 2}, canvas));
}

TEST_F(RegionOnEngine, EmptyDeletedOrNullObjectsAsParametersFail) {
  Region region;
  ASSERT_TRUE(region.CreateFromRectI(Rect{0, 0, 10, 10}));
  Region deleted;
  ASSERT_TRUE(deleted.CreateFromRectI(Rect{0, 0, 1, 1}));
  ASSERT_TRUE(deleted.Delete());
  const testsupport::RawObject nothing;

  EXPECT_FALSE(region.CombineRegion(deleted, kUnion));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
  EXPECT_FALSE(region.IsEqual(deleted, canvas));
  EXPECT_NE(LastStatus, 0);
  EXPECT_FALSE(region.CombinePath(nothing, kUnion));
  EXPECT_NE(LastStatus, 0);
  EXPECT_FALSE(region.Transform(nothing));
  EXPECT_NE(LastStatus, 0);
  EXPECT_FALSE(region.CreateFromPath(nothing));
  EXPECT_NE(LastStatus, 0);
  EXPECT_FALSE(region.IsEmpty(nothing)) << "no graphics";
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(region.GetHRgn(nothing), nullptr);
  EXPECT_NE(LastStatus, 0);
  values::ValueArray<RectF> scans{RectF{1, 2, 3, 4}};
  EXPECT_EQ(region.GetScans(nothing, scans), 0) << "no matrix";
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(scans.Count(), 1) << "the caller's array is left alone";

  EXPECT_EQ(Quad(deleted.GetBounds(canvas)), Quad(RectF{0, 0, 0, 0}));
  EXPECT_NE(LastStatus, 0);
  EXPECT_EQ(Quad(deleted.GetBoundsI(canvas)), Quad(Rect{0, 0, 0, 0}));
  EXPECT_NE(LastStatus, 0);
  EXPECT_FALSE(deleted.Translate(1, 1));
  EXPECT_FALSE(deleted.SetEmpty());
  EXPECT_EQ(deleted.GetDataSize(), 0);
  Region target;
  EXPECT_FALSE(deleted.Clone(target));
  EXPECT_EQ(target.GetHandle(), 0u);
}

// --- forwarding contracts through the recording fake ---

constexpr std::uintptr_t kRegion = 0x7E00;

TEST(RegionForwarding, CombineIntersectsWhenTheModeIsOmitted) {
  struct Case {
    const char* what;
    FunctionId id;
    bool (*call)(Region&, std::optional<std::int32_t>);
  };
  const Case cases[] = {
      {"CombineRect", FunctionId::GdipCombineRegionRect,
       [](Region& r, std::optional<std::int32_t> m) { return r.CombineRect(RectF{}, m); }},
      {"CombineRectI", FunctionId::GdipCombineRegionRectI,
       [](Region& r, std::optional<std::int32_t> m) { return r.CombineRectI(Rect{}, m); }},
      {"CombineRegion", FunctionId::GdipCombineRegionRegion,
       [](Region& r, std::optional<std::int32_t> m) { return r.CombineRegion(Region(), m); }},
      {"CombinePath", FunctionId::GdipCombineRegionPath,
       [](Region& r, std::optional<std::int32_t> m) {
         return r.CombinePath(testsupport::RawObject(), m);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingFake fake;
    Region region;
    region.SetHandle(kRegion);
    EXPECT_TRUE(c.call(region, std::nullopt));
    EXPECT_TRUE(c.call(region, 0));
    EXPECT_TRUE(c.call(region, kXor));
    ASSERT_EQ(fake.Calls().size(), 3u);
    for (const auto& call : fake.Calls()) {
      EXPECT_EQ(call.id, c.id);
      EXPECT_EQ(call.args[0], PointerArg(kRegion));
    }
    EXPECT_EQ(fake.Calls()[0].args[2], IntegerArg(kIntersect)) << "omitted";
    EXPECT_EQ(fake.Calls()[1].args[2], IntegerArg(kReplace)) << "given as 0";
    EXPECT_EQ(fake.Calls()[2].args[2], IntegerArg(kXor));
    region.SetHandle(0);
  }
}

TEST(RegionForwarding, ScansCrossAsOneBufferOfTheReportedCount) {
  struct Case {
    const char* what;
    Status countStatus;
    std::uint32_t count;
    std::vector<std::string> calls;
    std::int32_t result;
    std::int32_t arrayCount;  // after the call
  };
  const Case cases[] = {
      {"count unreadable: the array is left alone",
       Status::InvalidParameter,
       0,
       {"GdipGetRegionScansCount"},
       0,
       2},
      {"empty region: a null buffer",
       Status::Ok,
       0,
       {"GdipGetRegionScansCount", "GdipGetRegionScans"},
       0,
       0},
      {"three scans", Status::Ok, 3, {"GdipGetRegionScansCount", "GdipGetRegionScans"}, 3, 3},
  };
  const testsupport::RawObject matrix(0x3A7, nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingFake fake;
    fake.SetStatus(FunctionId::GdipGetRegionScansCount, c.countStatus);
    fake.OnCall(FunctionId::GdipGetRegionScansCount, [&](const RecordedCall& call) {
      *reinterpret_cast<std::uint32_t*>(call.args[1].pointer) = c.count;
    });
    fake.OnCall(FunctionId::GdipGetRegionScans, [&](const RecordedCall& call) {
      auto* rects = reinterpret_cast<gdiplus::GpRectF*>(call.args[1].pointer);
      for (std::uint32_t i = 0; i < c.count; ++i) {
        rects[i] = gdiplus::GpRectF{static_cast<float>(i), 0, 1, 1};
      }
      *reinterpret_cast<std::int32_t*>(call.args[2].pointer) = static_cast<std::int32_t>(c.count);
    });
    Region region;
    region.SetHandle(kRegion);
    values::ValueArray<RectF> scans{RectF{9, 9, 9, 9}, RectF{8, 8, 8, 8}};
    EXPECT_EQ(region.GetScans(matrix, scans), c.result);
    EXPECT_EQ(fake.CallNames(), c.calls);
    EXPECT_EQ(fake.Calls()[0].args[2], PointerArg(0x3A7));
    ASSERT_EQ(scans.Count(), c.arrayCount);
    if (c.calls.size() == 2) {
      EXPECT_EQ(fake.Calls()[1].args[1] == PointerArg(0), c.count == 0);
      EXPECT_EQ(fake.Calls()[1].args[3], PointerArg(0x3A7));
      EXPECT_EQ(scans.Dimensions(), std::vector<std::int32_t>{static_cast<std::int32_t>(c.count)});
      for (std::int32_t i = 1; i <= scans.Count(); ++i) {
        EXPECT_EQ(Quad(scans[i]), Quad(RectF{static_cast<float>(i - 1), 0, 1, 1}));
      }
    }
    region.SetHandle(0);
  }
}

TEST(RegionForwarding, DataIsBufferSizeBytesWhateverTheStatus) {
  RecordingFake fake;
  fake.SetStatus(FunctionId::GdipGetRegionData, Status::InsufficientBuffer);
  Region region;
  region.SetHandle(kRegion);
  const values::ByteSet data = region.GetData(24);
  EXPECT_EQ(data, values::ByteSet::Zeroed(24));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InsufficientBuffer));
  ASSERT_EQ(fake.Calls().size(), 1u);
  EXPECT_NE(fake.Calls()[0].args[1], PointerArg(0));
  EXPECT_EQ(fake.Calls()[0].args[2], IntegerArg(24));
  EXPECT_EQ(fake.Calls()[0].args[3], PointerArg(0)) << "no size asked for";
  std::int32_t filled = 0;
  (void)region.GetData(24, &filled);
  EXPECT_EQ(fake.Calls()[1].args[3], PointerArg(reinterpret_cast<std::uintptr_t>(&filled)));
  region.SetHandle(0);
}

TEST(RegionForwarding, FailedBoundsAreAllZero) {
  RecordingFake fake;
  fake.SetStatus(FunctionId::GdipGetRegionBounds, Status::InvalidParameter);
  fake.SetStatus(FunctionId::GdipGetRegionBoundsI, Status::InvalidParameter);
  Region region;
  const testsupport::RawObject graphics(0x6A, nullptr);
  EXPECT_EQ(Quad(region.GetBounds(graphics)), Quad(RectF{0, 0, 0, 0}));
  EXPECT_EQ(Quad(region.GetBoundsI(graphics)), Quad(Rect{0, 0, 0, 0}));
  EXPECT_EQ(fake.Calls()[0].args[1], PointerArg(0x6A));
  EXPECT_EQ(LastStatus, static_cast<int>(Status::InvalidParameter));
}

TEST(RegionForwarding, AHandedOverRegionIsDeletedOnceByItsOwner) {
  RecordingFake fake;
  {
    // As the graphics text measurement hands each range's region over.
    std::vector<Region> ranges(2);
    ranges[0].SetHandle(kRegion);
    ranges[1].SetHandle(kRegion + 1);
    const std::unique_ptr<GdiplusObject> borrowed = ranges[0].Copy();
    EXPECT_EQ(borrowed->GetHandle(), kRegion);
  }
  ASSERT_EQ(fake.CallNames(), (std::vector<std::string>{"GdipDeleteRegion", "GdipDeleteRegion"}));
  EXPECT_EQ(fake.Calls()[0].args[0], PointerArg(kRegion));
  EXPECT_EQ(fake.Calls()[1].args[0], PointerArg(kRegion + 1));
}

}  // namespace
}  // namespace charart::imaging
