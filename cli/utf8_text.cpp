#include "cli/utf8_text.h"

#include <cstdint>
#include <cstdio>

#include "values/conversions.h"

namespace charart::cli {
namespace {

// Decodes one character at `i`; returns its length, 0 when invalid.
std::size_t DecodeOne(std::string_view text, std::size_t i, char32_t& out) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    out = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(i + k) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  out = value;
  return length;
}

// Characters that would act on a terminal, or vanish or reorder the text,
// if a message printed them: C1 controls (U+009B starts an escape sequence
// on many terminals), line and paragraph separators, zero-width and
// direction controls, the byte-order mark. Messages show only their code.
bool ActsOnTerminal(char32_t c) {
  return (c >= 0x7F && c <= 0x9F) || (c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
         (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF9 && c <= 0xFFFB);
}

}  // namespace

std::optional<Utf8Problem> CheckUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == '\0') return Utf8Problem{i, "a NUL byte"};
    char32_t c = 0;
    const std::size_t length = DecodeOne(text, i, c);
    if (length == 0) return Utf8Problem{i, "invalid UTF-8"};
    i += length;
  }
  return std::nullopt;
}

std::optional<std::string> FirstCharacterWithoutGbk(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    char32_t c = 0;
    const std::size_t length = DecodeOne(text, i, c);
    if (length == 0) return std::string("invalid UTF-8");
    if (c >= 0x80) {
      const std::string_view one = text.substr(i, length);
      if (values::Gbk(one).IsEmpty()) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        if (ActsOnTerminal(c)) return code;
        return "'" + std::string(one) + "' (" + code + ")";
      }
    }
    i += length;
  }
  return std::nullopt;
}

}  // namespace charart::cli
