// UTF-8 input checks for the command line: strict decoding, and the first
// character that has no GBK form.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace charart::cli {

struct Utf8Problem {
  std::size_t offset;       // byte offset of the problem
  std::string description;  // for the error message
};

// A problem when `text` is not valid UTF-8 (overlong forms, surrogates,
// values past U+10FFFF, truncated sequences) or holds a NUL byte.
std::optional<Utf8Problem> CheckUtf8(std::string_view text);

// The first character (as "'X' (U+XXXX)", or only "U+XXXX" for a control
// or format character that a terminal would act on) that GBK cannot
// encode; nullopt when every character has a GBK form. `text` must be valid
// UTF-8.
std::optional<std::string> FirstCharacterWithoutGbk(std::string_view text);

}  // namespace charart::cli
