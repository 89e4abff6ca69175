// The program directory: the directory of the running program file as GBK
// text without a trailing separator, and no result at all where the
// directory has no exact GBK form.
#include "platform/forms/program_directory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

namespace charart::forms {
namespace {

TEST(ProgramDirectory, IsTheDirectoryHoldingThisTestProgram) {
  const auto directory = ProgramDirectory();
  ASSERT_TRUE(directory.has_value());
  ASSERT_FALSE(directory->empty());
  EXPECT_NE(directory->back(), '/');
  // The build tree's path is ASCII, the same in GBK and UTF-8.
  const auto self = std::filesystem::read_symlink("/proc/self/exe");
  EXPECT_TRUE(std::filesystem::exists(*directory + "/" + self.filename().string()));
}

TEST(ProgramDirectory, OfAProgramFileTable) {
  struct Case {
    const char* programFile;               // UTF-8
    std::optional<std::string> directory;  // GBK
  };
  const Case cases[] = {
      {"/usr/bin/charart", "/usr/bin"},
      {"/opt//charart//charart", "/opt//charart"},
      {"/charart", ""},  // "/" without its separator: "" + "/字符画.png" is right
      {"/opt/字符/charart", "/opt/\xD7\xD6\xB7\xFB"},
      {"/opt/한글/charart", std::nullopt},  // Hangul has no GBK form
      {"/opt/🙂/charart", std::nullopt},
      {"/opt/\xFF/charart", std::nullopt},  // not UTF-8
      {"charart", std::nullopt},            // not absolute
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.programFile);
    EXPECT_EQ(ProgramDirectoryOf(c.programFile), c.directory);
  }
}

}  // namespace
}  // namespace charart::forms
