// charart-cli's argument and input handling on arbitrary bytes: the UTF-8
// checks against the code-page decoder, the argument parser, and RunCli over
// a string stream as standard input.
//
// Input: arguments separated by NUL bytes; after a double NUL, the rest is
// standard input. A --png file is kept inside a private temporary directory
// (its name's slashes become underscores), so the fuzzer never writes
// anywhere else.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_runner.h"
#include "cli/utf8_text.h"
#include "platform/win32/code_pages.h"
#include "values/conversions.h"

#include "tests/fuzz/fuzz_require.h"

namespace {

using namespace charart;

std::string g_pngDirectory;

// CheckUtf8 accepts exactly what the strict UTF-8 decoder accepts, NUL
// bytes aside; FirstCharacterWithoutGbk finds a character exactly when the
// text has no GBK form.
void CheckUtf8Rules(std::string_view text) {
  const auto problem = cli::CheckUtf8(text);
  const bool hasNul = text.find('\0') != std::string_view::npos;
  const bool decodes = text.empty() || win32::MultiByteToWideChar(
                                           win32::CP_UTF8, win32::MB_ERR_INVALID_CHARS, text.data(),
                                           static_cast<std::int32_t>(text.size()), nullptr, 0) > 0;
  CHARART_FUZZ_REQUIRE(problem.has_value() == (hasNul || !decodes));
  if (problem) {
    CHARART_FUZZ_REQUIRE(problem->offset < text.size());
    return;
  }
  const auto missing = cli::FirstCharacterWithoutGbk(text);
  CHARART_FUZZ_REQUIRE(missing.has_value() == values::Gbk(text).IsMissing());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  char pattern[] = "/tmp/charart-fuzz-cli-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) std::abort();
  g_pngDirectory = pattern;
  std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(g_pngDirectory, ignored);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckUtf8Rules(bytes);

  const std::size_t split = bytes.find(std::string_view("\0\0", 2));
  const std::string_view argumentBytes = bytes.substr(0, split);
  const std::string input(split == std::string_view::npos ? std::string_view()
                                                          : bytes.substr(split + 2));
  std::vector<std::string> arguments;
  for (std::size_t start = 0; !argumentBytes.empty();) {
    const std::size_t end = argumentBytes.find('\0', start);
    arguments.emplace_back(argumentBytes.substr(
        start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }

  const cli::ParseOutcome parsed = cli::ParseArguments(arguments);
  CHARART_FUZZ_REQUIRE(parsed.options.has_value() == parsed.error.empty());
  if (!parsed.options) return 0;
  cli::CliOptions options = *parsed.options;
  if (options.pngPath) {
    std::string name = *options.pngPath;
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    options.pngPath = g_pngDirectory + "/" + name;
  }

  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int code = cli::RunCli(options, in, out, err);
  CHARART_FUZZ_REQUIRE(code >= cli::kExitOk && code <= cli::kExitNoEngine);
  // Success says nothing on stderr; every failure says why.
  CHARART_FUZZ_REQUIRE((code == cli::kExitOk) == err.str().empty());
  if (code == cli::kExitNoEngine) std::abort();  // the engine is installed here

  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(g_pngDirectory, ignored)) {
    std::filesystem::remove_all(entry.path(), ignored);
  }
  return 0;
}
