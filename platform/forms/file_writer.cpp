#include "platform/forms/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string>

#include "platform/forms/path_text.h"

namespace charart::forms {
namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string Join(const std::string& directory, const std::string& name) {
  return directory.back() == '/' ? directory + name : directory + "/" + name;
}

// A link to an existing file stands for that file.
std::string ResolveLink(const std::string& path) {
  struct stat info {};
  if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) return path;
  return resolved;
}

// Creates a temporary file of our own in `directory`: O_EXCL makes sure no
// other file is opened, and the kernel applies the umask to 0666.
int CreateTemporary(const std::string& directory, std::string& temporary) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = Join(directory, ".charart-" + std::to_string(::getpid()) + "-" +
                                    std::to_string(counter.fetch_add(1)) + ".tmp");
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, ByteSpan bytes) {
  const std::uint8_t* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

// Makes the rename itself durable; a failure here loses nothing already
// written, so it is not reported.
void SyncDirectory(const std::string& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool WriteFileUtf8Path(std::string_view path, std::span<const ByteSpan> parts) {
  if (path.empty() || path.back() == '/' || path.find('\0') != std::string_view::npos) {
    return false;
  }
  const std::string target = ResolveLink(std::string(path));
  const std::string directory = DirectoryOf(target);

  std::string temporary;
  const int fd = CreateTemporary(directory, temporary);
  if (fd < 0) return false;

  bool ok = true;
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
    ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  }
  for (const ByteSpan part : parts) {
    if (!ok) break;
    ok = WriteAll(fd, part);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.c_str());
    return false;
  }
  SyncDirectory(directory);
  return true;
}

bool WriteFileUtf8Path(std::string_view path, ByteSpan bytes) {
  return WriteFileUtf8Path(path, std::span<const ByteSpan>(&bytes, 1));
}

bool WriteFile(std::string_view path, std::span<const ByteSpan> parts) {
  if (path.empty()) return false;
  const auto utf8 = Utf8PathFromGbk(path);
  if (!utf8) return false;
  return WriteFileUtf8Path(*utf8, parts);
}

bool WriteFile(std::string_view path, std::initializer_list<ByteSpan> parts) {
  return WriteFile(path, std::span<const ByteSpan>(parts.begin(), parts.size()));
}

}  // namespace charart::forms
