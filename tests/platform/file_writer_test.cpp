// File output against real files in a temporary directory: create, replace
// (all or nothing), GBK paths, and the failures that must leave everything
// as it was.
#include "platform/forms/file_writer.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace charart::forms {
namespace {

namespace fs = std::filesystem;

ByteSpan Bytes(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream contents;
  contents << in.rdbuf();
  return contents.str();
}

void Put(const fs::path& file, std::string_view text) {
  std::ofstream(file, std::ios::binary) << text;
}

class FileWriter : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "charart-writer-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // The names in the directory: a failed or finished write leaves no
  // temporary file behind.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

TEST_F(FileWriter, CreatesTheFileNamedByAGbkPathFromThePartsInOrder) {
  // "/字符画.png" in GBK; the file system names it in UTF-8.
  const std::string gbkPath = dir_.string() + "/\xD7\xD6\xB7\xFB\xBB\xAD.png";
  ASSERT_TRUE(WriteFile(gbkPath, {Bytes("\x89PNG"), Bytes(""), Bytes("rest")}));
  EXPECT_EQ(Names(), std::vector<std::string>{"字符画.png"});
  EXPECT_EQ(Contents(dir_ / "字符画.png"), "\x89PNGrest");
}

TEST_F(FileWriter, ReplacesAnEarlierFileKeepingItsPermissions) {
  const fs::path file = dir_ / "art.png";
  Put(file, "an earlier, longer picture");
  ::chmod(file.c_str(), 0640);
  ASSERT_TRUE(WriteFileUtf8Path(file.string(), Bytes("new")));
  EXPECT_EQ(Contents(file), "new");
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(Names(), std::vector<std::string>{"art.png"});
}

TEST_F(FileWriter, ThroughASymbolicLinkReplacesTheFileItNames) {
  const fs::path file = dir_ / "real.png";
  Put(file, "old");
  fs::create_symlink(file, dir_ / "link.png");
  ASSERT_TRUE(WriteFileUtf8Path((dir_ / "link.png").string(), Bytes("new")));
  EXPECT_TRUE(fs::is_symlink(dir_ / "link.png"));
  EXPECT_EQ(Contents(file), "new");
}

TEST_F(FileWriter, RefusesPathsWithoutAFileToName) {
  const std::string nonGbk = dir_.string() + "/\xFF\xFE.png";  // not GBK at all
  const std::string withNul = dir_.string() + std::string("/a\0b.png", 8);
  for (const std::string& path : {std::string(), nonGbk, withNul, dir_.string() + "/"}) {
    SCOPED_TRACE(path);
    EXPECT_FALSE(WriteFile(path, {Bytes("x")}));
  }
  EXPECT_FALSE(WriteFileUtf8Path("", Bytes("x")));
  EXPECT_TRUE(Names().empty());
}

TEST_F(FileWriter, FailsWhereNoFileCanBeMade) {
  Put(dir_ / "file", "a file, not a directory");
  fs::create_directory(dir_ / "folder");
  EXPECT_FALSE(WriteFileUtf8Path((dir_ / "missing" / "a.png").string(), Bytes("x")));
  EXPECT_FALSE(WriteFileUtf8Path((dir_ / "file" / "a.png").string(), Bytes("x")));
  EXPECT_FALSE(WriteFileUtf8Path((dir_ / "folder").string(), Bytes("x")));
  // Not even root may create files in /proc.
  EXPECT_FALSE(WriteFileUtf8Path("/proc/charart-test.png", Bytes("x")));
  EXPECT_EQ(Names(), (std::vector<std::string>{"file", "folder"}));
  EXPECT_EQ(Contents(dir_ / "file"), "a file, not a directory");
}

TEST_F(FileWriter, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
  const fs::path file = dir_ / "art.png";
  Put(file, "the old picture");
  // The file size limit binds root too; the write of 4096 bytes stops at 100.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::string picture(4096, 'p');
  const bool written = WriteFileUtf8Path(file.string(), Bytes(picture));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(Contents(file), "the old picture");
  EXPECT_EQ(Names(), std::vector<std::string>{"art.png"});
}

TEST_F(FileWriter, AnUnwritableDirectoryLeavesTheOldFileWhole) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
  const fs::path file = dir_ / "art.png";
  Put(file, "the old picture");
  ::chmod(dir_.c_str(), 0555);
  const bool written = WriteFileUtf8Path(file.string(), Bytes("new"));
  ::chmod(dir_.c_str(), 0755);
  EXPECT_FALSE(written);
  EXPECT_EQ(Contents(file), "the old picture");
}

}  // namespace
}  // namespace charart::forms
