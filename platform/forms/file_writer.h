// The forms run time's file output: a file created or replaced with the
// given bytes, all or nothing.
//
// The bytes go to a new temporary file beside the target, are flushed to the
// disk, and the temporary file is then renamed over the target in one step.
// A write that fails on the way (a full disk, an unwritable directory) leaves
// no half-written file and the old file, if any, as it was. A replaced file
// keeps its permission bits; a new one gets the usual ones (0666 less the
// umask). A path naming a symbolic link to a file replaces that file.
// Failures show in the result only.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace charart::forms {

using ByteSpan = std::span<const std::uint8_t>;

// `path` is GBK text, as the system's paths are. False at once for an empty
// path, and for a path with no exact UTF-8 form (never writes elsewhere).
// The parts are written in order, empty parts contributing nothing.
bool WriteFile(std::string_view path, std::span<const ByteSpan> parts);
bool WriteFile(std::string_view path, std::initializer_list<ByteSpan> parts);

// The same for a path already in the file system's form (UTF-8), for the
// command-line front end, whose paths come from the shell.
bool WriteFileUtf8Path(std::string_view path, std::span<const ByteSpan> parts);
bool WriteFileUtf8Path(std::string_view path, ByteSpan bytes);

}  // namespace charart::forms
