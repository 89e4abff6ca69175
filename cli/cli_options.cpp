#include "cli/cli_options.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace charart::cli {
namespace {

std::optional<std::int32_t> ParseInt(const std::string& text) {
  std::int32_t value = 0;
  const auto* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

std::optional<float> ParseSize(const std::string& text) {
  try {
    std::size_t used = 0;
    const float value = std::stof(text, &used);
    if (used != text.size() || !std::isfinite(value) || value <= 0) return std::nullopt;
    return value;
  } catch (...) {
    return std::nullopt;
  }
}

// Options that take a value, and whether "--name=value" is accepted too.
bool TakesValue(const std::string& name) {
  return name == "--hollow" || name == "--filled" || name == "--font" || name == "--size" ||
         name == "--style" || name == "--hint" || name == "--png";
}

}  // namespace

std::optional<std::int32_t> ParseStyle(const std::string& text) {
  if (auto number = ParseInt(text)) {
    if (*number < 0 || *number > 15) return std::nullopt;
    return number;
  }
  std::int32_t style = 0;
  std::stringstream parts(text);
  const char separator = text.find('+') != std::string::npos ? '+' : ',';
  std::string part;
  bool any = false;
  while (std::getline(parts, part, separator)) {
    for (char& c : part) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (part == "regular") {
    } else if (part == "bold") {
      style |= 1;
    } else if (part == "italic") {
      style |= 2;
    } else if (part == "underline") {
      style |= 4;
    } else if (part == "strikeout") {
      style |= 8;
    } else {
      return std::nullopt;
    }
    any = true;
  }
  if (!any) return std::nullopt;
  return style;
}

ParseOutcome ParseArguments(const std::vector<std::string>& arguments) {
  CliOptions options;
  bool onlyWords = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string argument = arguments[i];
    if (onlyWords || argument.size() < 2 || argument[0] != '-') {
      options.words.push_back(argument);
      continue;
    }
    if (argument == "--") {
      onlyWords = true;
      continue;
    }
    std::optional<std::string> value;
    if (const auto equals = argument.find('=');
        argument.rfind("--", 0) == 0 && equals != std::string::npos) {
      value = argument.substr(equals + 1);
      argument = argument.substr(0, equals);
    }
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (argument == "--version") {
      options.version = true;
      continue;
    }
    if (argument == "--crlf") {
      options.crlf = true;
      continue;
    }
    if (!TakesValue(argument)) return {std::nullopt, "unknown option " + arguments[i]};
    if (!value) {
      if (i + 1 >= arguments.size()) return {std::nullopt, argument + " needs a value"};
      value = arguments[++i];
    }
    if (argument == "--hollow") {
      options.hollow = *value;
    } else if (argument == "--filled") {
      options.filled = *value;
    } else if (argument == "--font") {
      if (value->empty()) return {std::nullopt, "--font needs a family name"};
      options.font = *value;
    } else if (argument == "--size") {
      options.size = ParseSize(*value);
      if (!options.size) return {std::nullopt, "--size needs a positive number, not " + *value};
    } else if (argument == "--style") {
      options.style = ParseStyle(*value);
      if (!options.style) {
        return {std::nullopt, "--style needs 0-15 or bold, italic, underline, strikeout, regular"};
      }
    } else if (argument == "--hint") {
      options.hint = ParseInt(*value);
      if (!options.hint || *options.hint < 0 || *options.hint > 5) {
        return {std::nullopt, "--hint needs a text rendering hint from 0 to 5"};
      }
    } else if (argument == "--png") {
      if (value->empty()) return {std::nullopt, "--png needs a file name"};
      options.pngPath = *value;
    }
  }
  return {options, {}};
}

std::string HelpText() {
  return R"(Usage: charart-cli [OPTION]... [TEXT]...
Print TEXT as character art: the text is rendered in 宋体 at 12 pixels and every
pixel becomes one symbol, FILLED where it holds ink and HOLLOW where it is empty.
The words of TEXT are joined by one space. Without TEXT, every line of standard
input is one picture, and an empty line separates the pictures.

Options:
  --hollow S      symbol for empty pixels (default ○); may be empty
  --filled S      symbol for ink pixels (default ●); may be empty
  --font NAME     font family (default 宋体)
  --size N        font size in pixels (default 12)
  --style STYLE   0-15, or bold, italic, underline, strikeout, regular,
                  combined with ',' or '+' (default regular)
  --hint N        text rendering hint 0-5 for the drawing
  --png FILE      also write the picture as PNG; when the text comes from
                  standard input, FILE-1.png, FILE-2.png, ... one per line
  --crlf          end rows with CR LF (the window's line ends) instead of LF
  -h, --help      show this help and exit
      --version   show the version and exit

Input and output are UTF-8; texts and symbols must have a GBK form.

Exit status:
  0  success (an empty text prints nothing)
  1  the output could not be written, or the engine failed on a text
  2  bad usage
  3  bad input: invalid UTF-8, a character without GBK form, a text wider or
     taller than the 2000 x 1000 canvas, an unknown font, an unwritable --png
  4  the engine could not start (libgdiplus or the 宋体 face missing)
)";
}

std::string VersionText() {
  return "charart-cli " CHARART_VERSION "\n";
}

}  // namespace charart::cli
