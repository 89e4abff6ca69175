// Paths cross the platform boundary here: GBK text above it, UTF-8 bytes in
// the file system. A conversion succeeds only when it is exact, that is when
// converting back gives the original bytes again, so a name is never replaced
// by a look-alike (an unmappable character turned into "?" or U+FFFD) that
// would name another file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace charart::forms {

// The UTF-8 form of a GBK path; nullopt when it has none (bytes that are not
// GBK, an embedded NUL).
std::optional<std::string> Utf8PathFromGbk(std::string_view gbk);

// The GBK form of a UTF-8 path; nullopt when it has none (a character GBK
// lacks, bytes that are not UTF-8, an embedded NUL).
std::optional<std::string> GbkPathFromUtf8(std::string_view utf8);

}  // namespace charart::forms
