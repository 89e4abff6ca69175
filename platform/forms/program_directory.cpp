#include "platform/forms/program_directory.h"

#include <unistd.h>

#include "platform/forms/path_text.h"

namespace charart::forms {
namespace {

std::optional<std::string> ReadProgramFile() {
  std::string path(256, '\0');
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length < 0) return std::nullopt;
    if (static_cast<std::size_t>(length) < path.size()) {
      path.resize(static_cast<std::size_t>(length));
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::optional<std::string> ProgramDirectory() {
  const auto programFile = ReadProgramFile();
  if (!programFile) return std::nullopt;
  return ProgramDirectoryOf(*programFile);
}

std::optional<std::string> ProgramDirectoryOf(std::string_view programFile) {
  if (programFile.empty() || programFile.front() != '/') return std::nullopt;
  std::string_view directory = programFile.substr(0, programFile.rfind('/'));
  while (!directory.empty() && directory.back() == '/') directory.remove_suffix(1);
  return GbkPathFromUtf8(directory);
}

}  // namespace charart::forms
