// The run time's fatal errors: the exact text of the error box, and the end
// of the program (status 1, the text on stderr without a window system,
// output the program had buffered written out first).
#include "platform/forms/fatal_error.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace charart::forms {
namespace {

TEST(FatalErrorText, LaysOutCodeAndMessageOnTheirOwnParagraphs) {
  EXPECT_EQ(FatalErrorText(1, kIndexAboveRangeMessage),
            "运行时出错!\n\n错误代码：1\n\n错误信息：数组成员引用下标超出定义范围");
  EXPECT_EQ(FatalErrorText(4, kIndexBelowOneMessage),
            "运行时出错!\n\n错误代码：4\n\n错误信息：数组成员引用下标必须大于等于1");
}

TEST(FatalErrorText, OutOfMemoryNamesTheByteCount) {
  EXPECT_EQ(OutOfMemoryText(2000 * 1000 * 4), "分配 8000000 字节内存失败!");
  EXPECT_EQ(OutOfMemoryText(std::int64_t{1} << 40), "分配 1099511627776 字节内存失败!");
}

TEST(FatalErrorDeathTest, EndsWithStatusOneAndTheTextOnStderr) {
  EXPECT_EXIT(FatalError(4, kIndexBelowOneMessage), ::testing::ExitedWithCode(1),
              "运行时出错!\n\n错误代码：4\n\n错误信息：数组成员引用下标必须大于等于1");
  EXPECT_EXIT(OutOfMemory(4096), ::testing::ExitedWithCode(1), "分配 4096 字节内存失败!");
}

TEST(FatalErrorDeathTest, WritesOutWhatTheProgramHadBuffered) {
  const auto file = std::filesystem::temp_directory_path() /
                    ("charart-fatal-" + std::to_string(::getpid()) + ".txt");
  EXPECT_EXIT(
      {
        // A file, so stdout is fully buffered and nothing reaches it unless
        // it is flushed.
        if (std::freopen(file.c_str(), "w", stdout) == nullptr) std::_Exit(9);
        std::printf("the first rows of the art\n");
        FatalError(1, kIndexAboveRangeMessage);
      },
      ::testing::ExitedWithCode(1), "错误代码：1");
  std::ifstream in(file);
  std::stringstream written;
  written << in.rdbuf();
  std::filesystem::remove(file);
  EXPECT_EQ(written.str(), "the first rows of the art\n");
}

}  // namespace
}  // namespace charart::forms
