// Runs a program as a child process with the given standard input and
// collects its output and exit status, for end-to-end tests of the programs.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace charart::testing {

struct ProcessResult {
  int exitCode = -1;  // -1 when it did not exit normally
  int signal = 0;     // the signal that ended it, if any
  std::string out;
  std::string err;
};

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input = {},
                         const std::map<std::string, std::string>& environment = {});

}  // namespace charart::testing
