#include "platform/fonts/font_setup.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <filesystem>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace charart::fonts {
namespace {

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::filesystem::path ProgramDirectory() {
  std::error_code error;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : exe.parent_path();
}

// Where the alias file may live, most specific first: beside an installed
// program (../share/charart), the configured data directory, the source tree.
std::vector<std::filesystem::path> AliasCandidates() {
  std::vector<std::filesystem::path> candidates;
  const auto programDir = ProgramDirectory();
  if (!programDir.empty()) {
    candidates.push_back(programDir / "charart-fonts.conf");
    candidates.push_back(programDir.parent_path() / "share" / "charart" / "charart-fonts.conf");
  }
  candidates.emplace_back(std::filesystem::path(CHARART_INSTALLED_DATA_DIR) / "charart-fonts.conf");
  candidates.emplace_back(std::filesystem::path(CHARART_SOURCE_FONTS_DIR) / "charart-fonts.conf");
  return candidates;
}

bool HasFaceNamed(FcConfig* config, const std::string& family) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* fonts = FcFontList(config, pattern, objects);
  const bool found = fonts != nullptr && fonts->nfont > 0;
  if (fonts != nullptr) FcFontSetDestroy(fonts);
  FcObjectSetDestroy(objects);
  FcPatternDestroy(pattern);
  return found;
}

// The generic families of fontconfig name no face of their own; one counts
// as installed when fontconfig has any face to give for it.
bool IsGeneric(const std::string& family) {
  return family == "serif" || family == "sans-serif" || family == "monospace";
}

bool GenericAvailable(FcConfig* config, const std::string& family) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(config, pattern, &result);
  const bool found = match != nullptr && result == FcResultMatch;
  if (match != nullptr) FcPatternDestroy(match);
  FcPatternDestroy(pattern);
  return found;
}

// The requested family and every family bound strongly to it by an alias.
std::vector<std::string> StrongFamilies(FcConfig* config, const std::string& family) {
  std::vector<std::string> families;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  for (int i = 0;; ++i) {
    FcValue value;
    FcValueBinding binding;
    if (FcPatternGetWithBinding(pattern, FC_FAMILY, i, &value, &binding) != FcResultMatch) break;
    if (value.type == FcTypeString && binding == FcValueBindingStrong) {
      families.emplace_back(reinterpret_cast<const char*>(value.u.s));
    }
  }
  FcPatternDestroy(pattern);
  return families;
}

// Whether a face answers to `family`, directly or through a strong alias;
// an alias that ends in a generic family (ours ends in serif) is satisfied
// by whatever face fontconfig gives for it, so 宋体 still has a face when
// no Song-style face is installed.
bool FamilyInstalledIn(FcConfig* config, const std::string& family) {
  if (family.empty()) return false;
  for (const auto& candidate : StrongFamilies(config, family)) {
    if (HasFaceNamed(config, candidate)) return true;
    if (IsGeneric(candidate) && candidate != family && GenericAvailable(config, candidate)) {
      return true;
    }
  }
  return false;
}

// Loads the first alias file that parses and checks for the Song face.
FontSetupResult SetUp(FcConfig* config, const std::vector<std::filesystem::path>& candidates) {
  FontSetupResult r;
  for (const auto& candidate : candidates) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(candidate, error)) continue;
    const auto absolute = std::filesystem::absolute(candidate, error).string();
    if (FcConfigParseAndLoad(config, reinterpret_cast<const FcChar8*>(absolute.c_str()), FcTrue)) {
      r.aliasLoaded = true;
      break;
    }
  }
  r.songFaceInstalled =
      HasFaceNamed(config, "AR PL UMing CN") || HasFaceNamed(config, "AR PL SungtiL GB");
  if (!r.aliasLoaded) {
    r.message =
        "charart: the font alias file charart-fonts.conf was not found; "
        "宋体 falls back to the system's default face";
  } else if (!r.songFaceInstalled) {
    r.message =
        "charart: no Song-style face is installed (package fonts-arphic-uming); "
        "宋体 falls back to the system's serif face";
  }
  return r;
}

std::mutex g_mutex;

}  // namespace

const FontSetupResult& EnsureFontAliases() {
  static const FontSetupResult result = [] {
    std::lock_guard lock(g_mutex);
    return SetUp(FcConfigGetCurrent(), AliasCandidates());
  }();
  return result;
}

bool FamilyInstalled(std::u16string_view family) {
  const std::string name = ToUtf8(family);
  if (name.empty()) return false;
  EnsureFontAliases();
  std::lock_guard lock(g_mutex);
  // fontconfig's answer does not change while the program runs: ask once
  // per name (the renderer asks on every render).
  static std::unordered_map<std::string, bool> cache;
  if (auto it = cache.find(name); it != cache.end()) return it->second;
  const bool installed = FamilyInstalledIn(FcConfigGetCurrent(), name);
  cache.emplace(name, installed);
  return installed;
}

FontSetupProbe ProbeFontSetupForTesting(const std::string& aliasFile,
                                        const std::string& fontDirectory,
                                        std::u16string_view family) {
  std::lock_guard lock(g_mutex);
  FcConfig* config = FcConfigCreate();
  // A cache folder of its own under the temporary directory, so scanning the
  // fonts neither complains nor writes where the user's caches live.
  std::error_code error;
  const auto cache = std::filesystem::temp_directory_path(error) / "charart-fontconfig-probe";
  const std::string cacheConf =
      "<fontconfig><cachedir>" + cache.string() + "</cachedir></fontconfig>";
  FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(cacheConf.c_str()),
                                 FcFalse);
  FcConfigAppFontAddDir(config, reinterpret_cast<const FcChar8*>(fontDirectory.c_str()));
  FontSetupProbe probe;
  probe.setup = SetUp(config, {std::filesystem::path(aliasFile)});
  probe.familyInstalled = FamilyInstalledIn(config, ToUtf8(family));
  FcConfigDestroy(config);
  return probe;
}

}  // namespace charart::fonts
