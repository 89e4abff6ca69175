// The canvas fit check against the real engine: texts on either side of the
// canvas's edges. 字 in 宋体 12 is 12 pixels wide on a 13-pixel line, and
// the renderer widens what it measures by 2 pixels; trailing spaces are not
// measured, as in GDI+.
#include "engine/canvas_fit.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/raw_graphics.h"
#include "values/conversions.h"

namespace charart::engine {
namespace {

values::ByteSet Repeated(const std::string& utf8, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += utf8;
  return values::TextToWideGbk(values::Gbk(text));
}

TEST(CanvasFit, DecidesAtTheCanvasEdgesAndSaysByHowMuch) {
  ASSERT_TRUE(testsupport::StartGdiplusOnce());
  struct Case {
    const char* what;
    values::ByteSet text;
    std::string reason;  // empty: it fits
  };
  const std::string wide = " pixels wide, wider than the 2000-pixel canvas";
  const std::string tall = " pixels tall, taller than the 1000-pixel canvas";
  const Case cases[] = {
      {"166 characters", Repeated("字", 166), ""},
      {"167 characters", Repeated("字", 167), "the text is 2006" + wide},
      {"200 characters", Repeated("字", 200), "the text is 2402" + wide},
      {"400 trailing spaces", values::TextToWideGbk(values::Gbk("字" + std::string(400, ' '))), ""},
      {"76 lines", Repeated("字\r", 76), ""},
      {"77 lines", Repeated("字\r", 77), "the text is 1001" + tall},
      {"120 lines", Repeated("字\r", 120), "the text is 1560" + tall},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CanvasFit fit = CheckCanvasFit(c.text, std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(fit.fits, c.reason.empty());
    EXPECT_EQ(fit.reason, c.reason);
  }
}

}  // namespace
}  // namespace charart::engine
