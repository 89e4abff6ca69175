// The fontconfig side: the alias that gives 宋体 the Song face, the answer
// to "is this family installed" that GdipCreateFontFamilyFromName's adapter
// relies on, and what a machine without the font package or without the
// alias file sees (shown on private configurations).
#include "platform/fonts/font_setup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace charart::fonts {
namespace {

const std::string kAliasFile =
    std::string(CHARART_TEST_FIXTURES) + "/../../platform/fonts/charart-fonts.conf";
constexpr const char* kArphicFonts = "/usr/share/fonts/truetype/arphic";
constexpr const char* kDejaVuFonts = "/usr/share/fonts/truetype/dejavu";

TEST(FontSetup, AliasLoadsAndTheSongFaceIsThere) {
  const FontSetupResult& setup = EnsureFontAliases();
  EXPECT_TRUE(setup.aliasLoaded);
  EXPECT_TRUE(setup.songFaceInstalled);
  EXPECT_EQ(setup.message, "");
  EXPECT_EQ(&EnsureFontAliases(), &setup) << "loaded once per process";
}

TEST(FontSetup, FamilyInstalledKnowsAliasesAndRefusesUnknownNames) {
  struct Case {
    std::u16string family;
    bool installed;
  };
  const Case cases[] = {
      {u"宋体", true},
      {u"SimSun", true},
      {u"新宋体", true},
      {u"NSimSun", true},
      {u"AR PL UMing CN", true},
      {u"ar pl uming cn", true},  // fontconfig compares family names without case
      {u"NoSuchFamilyAnywhere", false},
      {u"", false},
      {std::u16string(4000, u'x'), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.family.begin(),
                             c.family.begin() + std::min<std::size_t>(c.family.size(), 20)));
    EXPECT_EQ(FamilyInstalled(c.family), c.installed);
  }
}

TEST(FontSetup, RepeatedQuestionsAreAnsweredFromTheCache) {
  ASSERT_TRUE(FamilyInstalled(u"宋体"));
  ASSERT_FALSE(FamilyInstalled(u"NoSuchFamilyAnywhere"));
  // A fontconfig query costs about a millisecond; the renderer asks on
  // every render.
  const auto start = std::chrono::steady_clock::now();
  int found = 0;
  for (int i = 0; i < 20000; ++i) {
    found += FamilyInstalled(u"宋体") ? 1 : 0;
    found += FamilyInstalled(u"NoSuchFamilyAnywhere") ? 1 : 0;
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(found, 20000);
  EXPECT_LT(elapsed, std::chrono::seconds(1));
}

TEST(FontSetup, WithTheFontPackageTheSongFaceAnswers) {
  const FontSetupProbe probe = ProbeFontSetupForTesting(kAliasFile, kArphicFonts, u"宋体");
  EXPECT_TRUE(probe.setup.aliasLoaded);
  EXPECT_TRUE(probe.setup.songFaceInstalled);
  EXPECT_EQ(probe.setup.message, "");
  EXPECT_TRUE(probe.familyInstalled);
}

TEST(FontSetup, WithoutTheFontPackageSongTiFallsBackAndSaysSo) {
  const FontSetupProbe probe = ProbeFontSetupForTesting(kAliasFile, kDejaVuFonts, u"宋体");
  EXPECT_TRUE(probe.setup.aliasLoaded);
  EXPECT_FALSE(probe.setup.songFaceInstalled);
  EXPECT_NE(probe.setup.message.find("fonts-arphic-uming"), std::string::npos)
      << probe.setup.message;
  EXPECT_TRUE(probe.familyInstalled) << "the alias ends in the system's serif face";
  EXPECT_FALSE(
      ProbeFontSetupForTesting(kAliasFile, kDejaVuFonts, u"NoSuchFamilyAnywhere").familyInstalled);
}

TEST(FontSetup, WithoutTheAliasFileTheMessageNamesIt) {
  const FontSetupProbe probe =
      ProbeFontSetupForTesting("/nonexistent/charart-fonts.conf", kArphicFonts, u"宋体");
  EXPECT_FALSE(probe.setup.aliasLoaded);
  EXPECT_NE(probe.setup.message.find("charart-fonts.conf"), std::string::npos)
      << probe.setup.message;
  EXPECT_FALSE(probe.familyInstalled) << "no alias: 宋体 names no face";
}

}  // namespace
}  // namespace charart::fonts
