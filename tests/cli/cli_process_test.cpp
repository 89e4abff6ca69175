// charart-cli end to end, as a process.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QImage>

#include "tests/support/process_runner.h"

namespace charart {
namespace {

using testing::RunProcess;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

std::string Repeated(const std::string& text, std::size_t times) {
  std::string out;
  out.reserve(text.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += text;
  return out;
}

TEST(CharartCli, PrintsTheArtOfItsWordsInUtf8WithLfEnds) {
  const auto result = RunProcess(CHARART_CLI_PATH, {"字符画"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const auto lines = Lines(result.out);
  ASSERT_GT(lines.size(), 5u);
  EXPECT_EQ(result.out.find('\r'), std::string::npos);
  for (const auto& line : lines) {
    EXPECT_EQ(line.size(), lines[0].size());
    EXPECT_NE(line.find("●"), std::string::npos);  // cropped: every row holds ink
  }
}

TEST(CharartCli, KeepsCrLfEndsAndCustomSymbolsWhenAsked) {
  const auto result =
      RunProcess(CHARART_CLI_PATH, {"--crlf", "--hollow", ".", "--filled", "#", "字"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  ASSERT_GE(result.out.size(), 2u);
  EXPECT_EQ(result.out.substr(result.out.size() - 2), "\r\n");
  EXPECT_EQ(result.out.find_first_not_of(".#\r\n"), std::string::npos);
}

TEST(CharartCli, ConvertsEachLineOfStandardInputWithAnEmptyLineBetween) {
  const auto one = RunProcess(CHARART_CLI_PATH, {"字"});
  const auto two = RunProcess(CHARART_CLI_PATH, {"画"});
  const auto batch = RunProcess(CHARART_CLI_PATH, {}, "字\n\n画\r\n");
  ASSERT_EQ(batch.exitCode, 0) << batch.err;
  EXPECT_EQ(batch.out, one.out + "\n" + two.out);
}

TEST(CharartCli, AnEmptyTextPrintsNothing) {
  const auto result = RunProcess(CHARART_CLI_PATH, {""});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "");
}

struct ErrorCase {
  std::vector<std::string> arguments;
  std::string input;
  int exitCode;
  std::string message;  // part of stderr
};

TEST(CharartCli, ReportsEachErrorWithItsExitCode) {
  const std::string wide(3000, 'W');
  const ErrorCase cases[] = {
      {{"--bogus"}, "", 2, "unknown option"},
      {{"--size"}, "", 2, "needs a value"},
      {{}, "\xFF\xFE\n", 3, "invalid UTF-8"},
      {{"字😀"}, "", 3, "U+1F600"},
      {{"--filled", "😀", "字"}, "", 3, "filled symbol"},
      {{wide}, "", 3, "wider than the 2000-pixel canvas"},
      {{"--size", "2000", "字"}, "", 3, "canvas"},
      {{"--font", "NoSuchFamilyAnywhere", "字"}, "", 3, "no installed font family"},
      {{"--png", "/nonexistent-dir/x.png", "字"}, "", 3, "cannot write"},
      // Bad input read from a file: refused line by line, never echoed raw.
      {{}, std::string("字\0画\n", 8), 3, "line 1: a NUL byte at byte 3"},
      {{}, Repeated("字", 2000) + "\n", 3, "24002 pixels wide, wider than the 2000-pixel canvas"},
      {{}, Repeated("字", 10 * 1024 * 1024 / 3) + "\n", 3, "far more than the 2000-pixel canvas"},
      {{}, "字\u009B2J\n", 3, "the character U+009B has no GBK form"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const auto result = RunProcess(CHARART_CLI_PATH, c.arguments, c.input);
    EXPECT_EQ(result.exitCode, c.exitCode);
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("\u009B"), std::string::npos) << "a C1 control reached the terminal";
    EXPECT_EQ(result.out, "");
  }
}

// A full disk must not pass for success: the art would be lost without a
// word. Standard output is /dev/full for the words, a batch (which stops at
// the first failed line) and the help.
TEST(CharartCli, AnUnwritableOutputIsExitCodeOne) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"字符画"}, ""}, {{}, "字\n符\n画\n"}, {{"--help"}, ""}};
  for (const auto& [arguments, input] : cases) {
    SCOPED_TRACE(input.empty() ? arguments[0] : "batch");
    std::vector<std::string> shell = {"-c", "exec \"$0\" \"$@\" > /dev/full", CHARART_CLI_PATH};
    shell.insert(shell.end(), arguments.begin(), arguments.end());
    const auto result = RunProcess("/bin/sh", shell, input);
    EXPECT_EQ(result.exitCode, 1);
    const std::string message = "charart-cli: cannot write the output: No space left on device\n";
    EXPECT_EQ(result.err, message);
  }
}

// Control characters have a GBK form and are drawn as the face draws them
// (a box for most); a CR inside a line starts a second line of the picture.
// The art holds nothing but the two symbols whatever the text was.
TEST(CharartCli, DrawsControlCharactersAndPrintsOnlyTheSymbols) {
  const auto single =
      Lines(RunProcess(CHARART_CLI_PATH, {"--hollow", ".", "--filled", "#", "字"}).out);
  const std::string texts[] = {"字\t画",   "字\x01画", "\x1b[31m字", "字\x7f画",
                               "字\x0c画", "\x07",     "字\r画"};
  for (const auto& text : texts) {
    SCOPED_TRACE(::testing::PrintToString(text));
    const auto result = RunProcess(CHARART_CLI_PATH, {"--hollow", ".", "--filled", "#", text});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.find_first_not_of(".#\n"), std::string::npos);
    const auto lines = Lines(result.out);
    ASSERT_FALSE(lines.empty());
    for (const auto& line : lines) EXPECT_EQ(line.size(), lines[0].size());
    if (text == "字\r画") {
      EXPECT_GT(lines.size(), single.size() + 5) << "two lines stacked";
    }
  }
}

TEST(CharartCli, HelpAndVersionGoToStandardOutput) {
  const auto help = RunProcess(CHARART_CLI_PATH, {"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("Usage: charart-cli"), std::string::npos);
  const auto version = RunProcess(CHARART_CLI_PATH, {"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.out.rfind("charart-cli ", 0), 0u);
}

TEST(CharartCli, WritesAPngThatDecodesToThePrintedPicture) {
  const auto dir = std::filesystem::temp_directory_path() / "charart-cli-png-test";
  std::filesystem::create_directories(dir);
  const auto path = (dir / "art.png").string();
  const auto result = RunProcess(CHARART_CLI_PATH, {"--png", path, "字符"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  QImage image(QString::fromStdString(path));
  ASSERT_FALSE(image.isNull());
  const auto lines = Lines(result.out);
  EXPECT_EQ(image.height(), static_cast<int>(lines.size()));
  EXPECT_EQ(image.width() * 3, static_cast<int>(lines[0].size()));  // ○/● are 3 UTF-8 bytes

  const auto batch = RunProcess(CHARART_CLI_PATH, {"--png", path}, "字\n画\n");
  ASSERT_EQ(batch.exitCode, 0) << batch.err;
  EXPECT_TRUE(std::filesystem::exists(dir / "art-1.png"));
  EXPECT_TRUE(std::filesystem::exists(dir / "art-2.png"));
  std::filesystem::remove_all(dir);
}

TEST(CharartCli, WithoutTheSongFaceItExitsWithCodeFourAndNamesThePackage) {
  // fontconfig told to know no fonts at all: a machine without the font
  // package. The text would come out in some other face, so nothing prints.
  const auto dir = std::filesystem::temp_directory_path() / "charart-cli-no-fonts";
  std::filesystem::create_directories(dir);
  const auto conf = (dir / "fonts.conf").string();
  std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig><cachedir>"
                      << (dir / "cache").string() << "</cachedir></fontconfig>\n";
  const auto result = RunProcess(CHARART_CLI_PATH, {"字"}, "", {{"FONTCONFIG_FILE", conf}});
  EXPECT_EQ(result.exitCode, 4);
  EXPECT_NE(result.err.find("fonts-arphic-uming"), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
  std::filesystem::remove_all(dir);
}

TEST(CharartCli, AMissingEngineIsExitCodeFour) {
  // The binder's library override pointed at nothing: libgdiplus is missing.
  const auto result = RunProcess(CHARART_CLI_PATH, {"字"}, "",
                                 {{"CHARART_GDIPLUS_LIBRARY", "/nonexistent/libgdiplus.so"}});
  EXPECT_EQ(result.exitCode, 4);
  EXPECT_NE(result.err.find("libgdiplus"), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
}

}  // namespace
}  // namespace charart
