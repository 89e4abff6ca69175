// The command line of charart-cli: what it accepts and how it reads it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace charart::cli {

struct CliOptions {
  std::vector<std::string> words;  // TEXT..., joined by one space; none: read stdin
  std::string hollow = "○";        // UTF-8
  std::string filled = "●";
  std::optional<std::string> font;  // UTF-8 family name
  std::optional<float> size;
  std::optional<std::int32_t> style;
  std::optional<std::int32_t> hint;
  std::optional<std::string> pngPath;
  bool crlf = false;
  bool help = false;
  bool version = false;
};

struct ParseOutcome {
  std::optional<CliOptions> options;  // set when the command line is usable
  std::string error;                  // otherwise what was wrong, for stderr
};

ParseOutcome ParseArguments(const std::vector<std::string>& arguments);

// "bold", "italic", "underline", "strikeout", "regular", or a number 0-15,
// combined with ',' or '+'; nullopt when not understood.
std::optional<std::int32_t> ParseStyle(const std::string& text);

std::string HelpText();
std::string VersionText();

}  // namespace charart::cli
