// charart-cli's work: checks the input, starts GDI+ once, converts each text
// and writes the art (UTF-8) to `out`, messages to `err`.
#pragma once

#include <iosfwd>

#include "cli/cli_options.h"

namespace charart::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitFailure = 1,  // unwritable output, or an engine failure after a good start
  kExitUsage = 2,
  kExitBadInput = 3,
  kExitNoEngine = 4,
};

int RunCli(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace charart::cli
