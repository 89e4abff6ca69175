// Every wrapper that owns a native object: releasing it while it holds none
// (explicitly, twice, and again when it goes out of scope) makes no GDI+
// call, answers false and leaves LastStatus as it was.
#include <gtest/gtest.h>

#include "imaging/core/bitmap.h"
#include "imaging/core/effect.h"
#include "imaging/resources/font.h"
#include "imaging/resources/font_family.h"
#include "imaging/resources/pen.h"
#include "imaging/resources/region.h"
#include "imaging/resources/solid_brush.h"
#include "imaging/resources/string_format.h"
#include "imaging/surface/graphics.h"
#include "platform/gdiplus/recording_fake.h"

namespace charart::imaging {
namespace {

template <typename T>
bool Release(T& object) {
  return object.Delete();
}
template <>
bool Release(Bitmap& bitmap) {
  return bitmap.Dispose();
}

template <typename T>
class EmptyRelease : public ::testing::Test {};

using Owners = ::testing::Types<Bitmap, Graphics, Font, FontFamily, StringFormat, SolidBrush, Pen,
                                Region, Effect>;
TYPED_TEST_SUITE(EmptyRelease, Owners);

TYPED_TEST(EmptyRelease, MakesNoCallAnswersFalseAndKeepsLastStatus) {
  gdiplus::RecordingFake fake;
  LastStatus = 13;
  {
    TypeParam empty;
    EXPECT_FALSE(Release(empty));
    EXPECT_FALSE(Release(empty));
  }
  EXPECT_TRUE(fake.Calls().empty());
  EXPECT_EQ(LastStatus, 13);
}

}  // namespace
}  // namespace charart::imaging
