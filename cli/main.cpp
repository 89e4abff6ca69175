// charart-cli: character art for scripts and terminals.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/cli_runner.h"
#include "platform/forms/memory.h"

int main(int argc, char** argv) {
  charart::forms::InstallOutOfMemoryHandler();
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto parsed = charart::cli::ParseArguments(arguments);
  if (!parsed.options) {
    std::cerr << "charart-cli: " << parsed.error << "\n"
              << "Try 'charart-cli --help' for more information.\n";
    return charart::cli::kExitUsage;
  }
  return charart::cli::RunCli(*parsed.options, std::cin, std::cout, std::cerr);
}
