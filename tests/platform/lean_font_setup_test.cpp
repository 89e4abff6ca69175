// The lean font configuration against the system's full one: the Song face
// behind each of the alias's names resolves to the same face, drawn the same
// way (hinting, antialiasing, bitmaps, emboldening, slant matrix, spacing),
// at every size and style the renderer may ask for; the lean set-up declines
// what it cannot serve and gives way to the full one when another family is
// asked for.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "platform/fonts/font_setup.h"

namespace charart::fonts {
namespace {

constexpr int kRegular = 80;  // fontconfig's weight scale
constexpr int kBold = 200;
constexpr int kRoman = 0;  // and its slants
constexpr int kItalic = 100;

TEST(LeanFontSetup, DrawsTheSongFaceAsTheFullConfigurationDoes) {
  for (const char16_t* family : {u"宋体", u"SimSun", u"新宋体", u"NSimSun"}) {
    for (const double size : {9.0, 12.0, 16.0, 24.5}) {
      for (const int weight : {kRegular, kBold}) {
        for (const int slant : {kRoman, kItalic}) {
          SCOPED_TRACE(testing::Message()
                       << "size " << size << ", weight " << weight << ", slant " << slant);
          const std::string full = DescribeSongFaceForTesting(false, family, size, weight, slant);
          const std::string lean = DescribeSongFaceForTesting(true, family, size, weight, slant);
          ASSERT_NE(full.find("uming.ttc"), std::string::npos) << full;
          EXPECT_EQ(lean, full);
        }
      }
    }
  }
}

// Each in a fresh process: the set-up is once per process.
void ExpectInFreshProcess(const std::function<bool()>& check) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::_Exit(check() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

TEST(LeanFontSetupDeathTest, ServesTheSongFaceUntilAnotherFamilyIsAskedFor) {
  ExpectInFreshProcess([] {
    return UseLeanFontSetup(u"", u"字符画 abc") && EnsureFontAliases().songFaceInstalled &&
           FamilyInstalled(u"宋体") && !FamilyInstalled(u"No Such Family Anywhere") &&
           // the full configuration answers from here on
           FamilyInstalled(u"DejaVu Sans") && FamilyInstalled(u"宋体");
  });
}

TEST(LeanFontSetupDeathTest, DeclinesOtherFamiliesAndCharactersTheFaceLacks) {
  ExpectInFreshProcess([] { return !UseLeanFontSetup(u"DejaVu Sans", u"字"); });
  ExpectInFreshProcess([] { return !UseLeanFontSetup(u"", u"刏字"); });
  // Too late once fontconfig is set up.
  ExpectInFreshProcess([] {
    EnsureFontAliases();
    return !UseLeanFontSetup(u"", u"字");
  });
}

}  // namespace
}  // namespace charart::fonts
