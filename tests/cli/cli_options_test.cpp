#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include "cli/utf8_text.h"

namespace charart::cli {
namespace {

TEST(ParseArguments, ReadsOptionsInBothFormsAndKeepsWordsInOrder) {
  const auto parsed = ParseArguments({"--hollow", "□", "--filled=■", "字", "--size", "16",
                                      "--style", "bold+italic", "--hint=3", "--crlf", "--", "--x"});
  ASSERT_TRUE(parsed.options) << parsed.error;
  const CliOptions& o = *parsed.options;
  EXPECT_EQ(o.hollow, "□");
  EXPECT_EQ(o.filled, "■");
  EXPECT_EQ(o.words, (std::vector<std::string>{"字", "--x"}));
  EXPECT_EQ(o.size, 16.0f);
  EXPECT_EQ(o.style, 3);
  EXPECT_EQ(o.hint, 3);
  EXPECT_TRUE(o.crlf);
}

TEST(ParseArguments, RefusesWhatItCannotUse) {
  const std::vector<std::vector<std::string>> bad = {
      {"--bogus"},         {"--size"},        {"--size", "0"}, {"--size", "abc"}, {"--size", "nan"},
      {"--style", "wavy"}, {"--style", "16"}, {"--hint", "9"}, {"--png", ""},     {"--font="},
  };
  for (const auto& arguments : bad) {
    SCOPED_TRACE(arguments[0] + (arguments.size() > 1 ? " " + arguments[1] : ""));
    const auto parsed = ParseArguments(arguments);
    EXPECT_FALSE(parsed.options);
    EXPECT_FALSE(parsed.error.empty());
  }
}

TEST(ParseStyle, CombinesNamesAndNumbers) {
  EXPECT_EQ(ParseStyle("regular"), 0);
  EXPECT_EQ(ParseStyle("Bold,underline"), 5);
  EXPECT_EQ(ParseStyle("strikeout+italic"), 10);
  EXPECT_EQ(ParseStyle("7"), 7);
  EXPECT_EQ(ParseStyle(""), std::nullopt);
}

TEST(Utf8Checks, FindInvalidBytesAndCharactersWithoutGbkForm) {
  EXPECT_FALSE(CheckUtf8("字符画 abc"));
  for (const std::string& bad :
       {std::string("\xFF"), std::string("\xE5\xAD"), std::string("\xC0\xAF"),
        std::string("\xED\xA0\x80"), std::string("a\0b", 3)}) {
    EXPECT_TRUE(CheckUtf8(bad)) << bad.size();
  }
  EXPECT_FALSE(FirstCharacterWithoutGbk("字符画○●"));
  EXPECT_EQ(FirstCharacterWithoutGbk("字😀"), "'😀' (U+1F600)");
}

TEST(Utf8Checks, NameControlAndFormatCharactersOnlyByTheirCode) {
  // Printed raw into an error message, these would drive the terminal
  // (U+009B is the one-byte CSI), break the line or hide and reorder text.
  const struct {
    const char* text;
    const char* named;
  } cases[] = {
      {"字\u009B2J", "U+009B"}, {"字\u0085", "U+0085"}, {"字\u2028", "U+2028"},
      {"\u202E字", "U+202E"},   {"\u200B", "U+200B"},   {"\uFEFF字", "U+FEFF"},
      {"한", "'한' (U+D55C)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.named);
    EXPECT_EQ(FirstCharacterWithoutGbk(c.text), c.named);
  }
}

}  // namespace
}  // namespace charart::cli
