// A text given as arguments is drawn with the lean font configuration when
// the Song face alone serves it; a text read from standard input always with
// the system's full configuration. Both must print the same art, also for
// other sizes and styles, another name of the Song face, and texts the lean
// configuration declines (a character the face lacks, another family).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/process_runner.h"

namespace charart {
namespace {

using testing::RunProcess;

struct Case {
  const char* name;
  std::vector<std::string> options;
  std::string text;
};

void PrintTo(const Case& c, std::ostream* os) {
  *os << c.name;
}

class LeanFonts : public ::testing::TestWithParam<Case> {};

TEST_P(LeanFonts, ArgumentsPrintWhatStandardInputPrints) {
  std::vector<std::string> arguments = GetParam().options;
  const auto fromStdin = RunProcess(CHARART_CLI_PATH, arguments, GetParam().text + "\n");
  arguments.push_back(GetParam().text);
  const auto fromArguments = RunProcess(CHARART_CLI_PATH, arguments);
  ASSERT_EQ(fromStdin.exitCode, 0) << fromStdin.err;
  ASSERT_EQ(fromArguments.exitCode, 0) << fromArguments.err;
  EXPECT_NE(fromArguments.out.find("●"), std::string::npos);
  EXPECT_EQ(fromArguments.out, fromStdin.out);
}

INSTANTIATE_TEST_SUITE_P(
    , LeanFonts,
    ::testing::Values(Case{"SongFace", {}, "字符画"},
                      Case{"LatinDigitsAndPunctuation", {}, "Hello, 世界 123!"},
                      Case{"LargerSize", {"--size", "20"}, "字符画"},
                      Case{"Bold", {"--style", "1"}, "字符画"},
                      Case{"Italic", {"--style", "2"}, "字符画 ab"},
                      Case{"AnotherNameOfTheSongFace", {"--font", "SimSun"}, "字符画"},
                      Case{"CharacterTheSongFaceLacks", {}, "刏字"},
                      Case{"AnotherFamily", {"--font", "DejaVu Sans"}, "字符 ab"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace charart
