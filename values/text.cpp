#include "values/text.h"

#include <cstring>

namespace charart::values {

Text::Text(const char* bytes) {
  if (bytes != nullptr) bytes_.emplace(bytes);
}

Text::Text(std::string_view bytes) : bytes_(std::string(bytes.substr(0, bytes.find('\0')))) {}

}  // namespace charart::values
