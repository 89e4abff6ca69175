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

// Sets fontconfig up lean for one text: only the Song face's folder and the
// rule files that shape its rendering are read, instead of every rule file
// of the system (about 5 ms of each start). `family` empty means 宋体.
// Answers false, and changes nothing, unless `family` is one of the alias's
// Song-style names, the face is installed and has every character of
// `text`, and fontconfig is not set up yet; EnsureFontAliases then sets up
// the full configuration as usual. Once another family is asked for
// (FamilyInstalled), the full configuration takes over. Must run before
// GDI+ starts.
bool UseLeanFontSetup(std::u16string_view family, std::u16string_view text);

// UseLeanFontSetup on a thread of its own, so that a program can load the
// engine meanwhile; every other call of this interface waits for it first.
void UseLeanFontSetupInBackground(std::u16string family, std::u16string text);

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

// Tests only: how `family` resolves (its face and how it is drawn), under
// the lean configuration or the system's full one with the alias, for a
// request of that pixel size, weight and slant (fontconfig's scales). Empty
// when the configuration cannot be made.
std::string DescribeSongFaceForTesting(bool lean, std::u16string_view family, double pixelSize,
                                       int weight, int slant);

}  // namespace charart::fonts
