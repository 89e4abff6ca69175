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
// through a strong alias such as ours; an alias ending in a generic family
// (serif) is satisfied by the face fontconfig gives for it. Results are
// cached per name.
bool FamilyInstalled(std::u16string_view family);

// Tests only: the same set-up and question against a private fontconfig
// configuration holding `aliasFile` and only the fonts under
// `fontDirectory`, so that a machine without the Song face, or without the
// alias file, can be shown. The process's configuration is not touched.
struct FontSetupProbe {
  FontSetupResult setup;
  bool familyInstalled = false;
};
FontSetupProbe ProbeFontSetupForTesting(const std::string& aliasFile,
                                        const std::string& fontDirectory,
                                        std::u16string_view family);

}  // namespace charart::fonts
