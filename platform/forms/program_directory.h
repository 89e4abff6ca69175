// The directory of the program file, as the run time hands it to the system:
// GBK text without a trailing separator ("/" is the separator here).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace charart::forms {

// The directory of the running program (/proc/self/exe); "" for a program in
// the root directory, so that appending "/name" always names a file in it.
// nullopt when the program file cannot be read or its directory has no exact
// GBK form: a caller building a path from it must then fail (a save reports
// failure), never fall back to another directory.
[[nodiscard]] std::optional<std::string> ProgramDirectory();

// The same for a given absolute program file path (UTF-8).
[[nodiscard]] std::optional<std::string> ProgramDirectoryOf(std::string_view programFile);

}  // namespace charart::forms
