// The fontconfig side of charart: the alias that gives 宋体 a real face, and
// the question whether a family name names an installed face.
#pragma once

#include <string>
#include <string_view>

namespace charart::fonts {

struct FontSetupResult {
  bool aliasLoaded = false;        // the alias file was found and parsed
  bool songFaceInstalled = false;  // 宋体 resolves to a real Song-style face
  std::string message;             // empty when all is well, else for the user
};

// Loads charart-fonts.conf into fontconfig's current configuration, once per
// process (later calls return the first result). Looks beside the program's
// installed data directory first, then in the source tree it was built from.
// Must run before GDI+ starts so that libgdiplus sees the alias.
const FontSetupResult& EnsureFontAliases();

// True when some installed face answers to `family` (UTF-16), directly or
// through a strong alias such as ours. Results are cached per name.
bool FamilyInstalled(std::u16string_view family);

}  // namespace charart::fonts
