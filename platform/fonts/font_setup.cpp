#include "platform/fonts/font_setup.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/threads/helper_thread.h"

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
        "the font alias file charart-fonts.conf was not found; "
        "宋体 falls back to the system's default face";
  } else if (!r.songFaceInstalled) {
    r.message =
        "no Song-style face is installed (package fonts-arphic-uming); "
        "宋体 falls back to the system's serif face";
  }
  return r;
}

// --- The lean configuration -------------------------------------------------
//
// fontconfig's own start parses every rule file of the system (some sixty XML
// files here, about 5 ms, most of a start of charart-cli) although a text in
// 宋体 needs one face and the few rules that shape how it is drawn. The lean
// configuration holds the Song face's folder, the system's cache folders,
// the rule files that decide the face's rendering, and our alias: the face
// then matches and draws as under the full configuration (a test compares
// them). It serves the alias's own families only, and only texts the face
// covers: a character it lacks would fall back to another face, which only
// the full configuration chooses right.

// The system's configuration, as fontconfig is built on Debian.
constexpr const char* kSystemConfiguration = "/etc/fonts/fonts.conf";
// Where fonts-arphic-uming puts the Song face.
constexpr const char* kSongFaceFolder = "/usr/share/fonts/truetype/arphic";
// The families of our alias file.
constexpr std::string_view kSongFamilies[] = {"宋体", "SimSun", "新宋体", "NSimSun"};

bool IsSongFamily(std::string_view family) {
  return std::find(std::begin(kSongFamilies), std::end(kSongFamilies), family) !=
         std::end(kSongFamilies);
}

// The system rule files (conf.d) that shape the Song face's rendering: the
// rendering defaults (10-*, 11-*: hinting, antialiasing, sub-pixel order,
// LCD filter), font selection (70-*), the face's own rendering rules (not
// its aliases), synthetic oblique and bold, and the user's and the site's
// own files.
bool ShapesSongFace(const std::string& name) {
  const auto starts = [&](std::string_view prefix) { return name.rfind(prefix, 0) == 0; };
  if (name.size() < 6 || name.compare(name.size() - 5, 5, ".conf") != 0) return false;
  const bool songFace = name.find("arphic-uming") != std::string::npos;
  return starts("10-") || starts("11-") || starts("70-") ||
         (songFace && (starts("2") || starts("9"))) || name == "90-synthetic.conf" ||
         name == "50-user.conf" || name == "51-local.conf";
}

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The lean configuration's text, or nothing when the system's configuration
// is not where fontconfig keeps it by default or the user chose another one.
std::optional<std::string> LeanConfigurationText() {
  for (const char* variable : {"FONTCONFIG_FILE", "FONTCONFIG_PATH", "FONTCONFIG_SYSROOT"}) {
    if (std::getenv(variable) != nullptr) return std::nullopt;
  }
  // fontconfig's own default (asking fontconfig would load the very
  // configuration this avoids).
  const std::filesystem::path mainFile(kSystemConfiguration);
  std::ifstream in(mainFile);
  const std::string systemText((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  if (systemText.empty()) return std::nullopt;

  std::string xml = "<fontconfig><dir>" + XmlEscaped(kSongFaceFolder) + "</dir>";
  // The system's cache folders, so that the face is read from its cache.
  for (std::size_t at = systemText.find("<cachedir"); at != std::string::npos;
       at = systemText.find("<cachedir", at)) {
    const std::size_t end = systemText.find("</cachedir>", at);
    if (end == std::string::npos) break;
    xml += systemText.substr(at, end + 11 - at);
    at = end;
  }
  std::error_code error;
  std::vector<std::string> rules;
  for (const auto& entry :
       std::filesystem::directory_iterator(mainFile.parent_path() / "conf.d", error)) {
    const std::string name = entry.path().filename().string();
    if (ShapesSongFace(name)) rules.push_back(name);
  }
  // In the order fontconfig reads them.
  std::sort(rules.begin(), rules.end());
  for (const auto& name : rules) {
    xml += "<include ignore_missing=\"yes\">" +
           XmlEscaped((mainFile.parent_path() / "conf.d" / name).string()) + "</include>";
  }
  return xml + "</fontconfig>";
}

// Loads `text` into a new configuration with its fonts; null on failure.
FcConfig* NewConfiguration(const std::string& text) {
  FcConfig* config = FcConfigCreate();
  if (config == nullptr) return nullptr;
  if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(text.c_str()),
                                      FcFalse) ||
      !FcConfigBuildFonts(config)) {
    FcConfigDestroy(config);
    return nullptr;
  }
  return config;
}

// The face `family` resolves to in `config`, ready to draw; null when none.
FcPattern* ResolvedFace(FcConfig* config, const std::string& family, double pixelSize, int weight,
                        int slant) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddDouble(pattern, FC_PIXEL_SIZE, pixelSize);
  FcPatternAddInteger(pattern, FC_WEIGHT, weight);
  FcPatternAddInteger(pattern, FC_SLANT, slant);
  FcConfigSubstitute(config, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* face = FcFontMatch(config, pattern, &result);
  FcPatternDestroy(pattern);
  if (face != nullptr && result != FcResultMatch) {
    FcPatternDestroy(face);
    return nullptr;
  }
  return face;
}

// Whether the face has every character of `text`.
bool Covers(FcPattern* face, std::u16string_view text) {
  FcCharSet* characters = nullptr;
  if (FcPatternGetCharSet(face, FC_CHARSET, 0, &characters) != FcResultMatch) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    if (!FcCharSetHasChar(characters, c)) return false;
  }
  return true;
}

std::mutex g_mutex;
// A lean set-up running on its own thread; every other set-up call waits for
// it first.
std::mutex g_pendingMutex;
std::shared_future<bool> g_pending;

void WaitForPendingSetUp() {
  std::shared_future<bool> pending;
  {
    std::lock_guard lock(g_pendingMutex);
    pending = g_pending;
  }
  if (pending.valid()) pending.wait();
}

// Set once, by UseLeanFontSetup or by the first EnsureFontAliases. Never
// destroyed: a lean set-up still running on its own thread when the program
// ends must not write into a destroyed object.
std::optional<FontSetupResult>& g_setup = *new std::optional<FontSetupResult>;
bool g_lean = false;
std::unordered_map<std::string, bool>& g_familyCache = *new std::unordered_map<std::string, bool>;

// The system's full configuration with our alias, made current. With
// g_mutex held.
FontSetupResult SetUpFull() {
  FcConfig* full = FcInitLoadConfigAndFonts();
  if (full == nullptr) return SetUp(FcConfigGetCurrent(), AliasCandidates());
  FontSetupResult r = SetUp(full, AliasCandidates());
  FcConfigSetCurrent(full);
  FcConfigDestroy(full);  // the current configuration keeps its reference
  return r;
}

const FontSetupResult& EnsureSetUp() {
  if (!g_setup)
    g_setup = g_lean ? FontSetupResult{} : SetUp(FcConfigGetCurrent(), AliasCandidates());
  return *g_setup;
}

bool SetUpLean(std::u16string_view family, std::u16string_view text) {
  std::lock_guard lock(g_mutex);
  if (g_setup) return g_lean;
  const std::string name = family.empty() ? std::string("宋体") : ToUtf8(family);
  if (!IsSongFamily(name)) return false;
  const auto xml = LeanConfigurationText();
  if (!xml) return false;
  FcConfig* lean = NewConfiguration(*xml);
  if (lean == nullptr) return false;
  FontSetupResult r = SetUp(lean, AliasCandidates());
  bool usable = r.aliasLoaded && r.songFaceInstalled;
  if (usable) {
    FcPattern* face = ResolvedFace(lean, name, 12.0, FC_WEIGHT_REGULAR, FC_SLANT_ROMAN);
    usable = face != nullptr && Covers(face, text);
    if (face != nullptr) FcPatternDestroy(face);
  }
  if (usable) usable = FcConfigSetCurrent(lean) == FcTrue;
  FcConfigDestroy(lean);  // the current configuration keeps its reference
  if (!usable) return false;
  g_setup = r;
  g_lean = true;
  return true;
}

}  // namespace

bool UseLeanFontSetup(std::u16string_view family, std::u16string_view text) {
  WaitForPendingSetUp();
  return SetUpLean(family, text);
}

void UseLeanFontSetupInBackground(std::u16string family, std::u16string text) {
  WaitForPendingSetUp();
  auto task = std::make_shared<std::packaged_task<bool()>>(
      [family = std::move(family), text = std::move(text)] { return SetUpLean(family, text); });
  {
    std::lock_guard lock(g_pendingMutex);
    g_pending = task->get_future().share();
  }
  threads::StartHelperThread([task] { (*task)(); });
}

const FontSetupResult& EnsureFontAliases() {
  WaitForPendingSetUp();
  std::lock_guard lock(g_mutex);
  return EnsureSetUp();
}

bool FamilyInstalled(std::u16string_view family) {
  const std::string name = ToUtf8(family);
  if (name.empty()) return false;
  WaitForPendingSetUp();
  std::lock_guard lock(g_mutex);
  EnsureSetUp();
  // Another family is asked for: from here on the system's full
  // configuration answers. (libgdiplus lists the installed fonts once, at
  // its first font; charart-cli chooses the lean set-up only when the one
  // family it asks for is a Song-style one, so the switch never comes after.)
  if (g_lean && !IsSongFamily(name)) {
    g_lean = false;
    g_setup = SetUpFull();
    g_familyCache.clear();
  }
  // fontconfig's answer does not change while the program runs: ask once
  // per name (the renderer asks on every render).
  if (auto it = g_familyCache.find(name); it != g_familyCache.end()) return it->second;
  const bool installed = FamilyInstalledIn(FcConfigGetCurrent(), name);
  g_familyCache.emplace(name, installed);
  return installed;
}

std::string DescribeSongFaceForTesting(bool lean, std::u16string_view family, double pixelSize,
                                       int weight, int slant) {
  std::lock_guard lock(g_mutex);
  FcConfig* config = nullptr;
  if (lean) {
    if (const auto xml = LeanConfigurationText()) config = NewConfiguration(*xml);
  } else {
    config = FcInitLoadConfigAndFonts();
  }
  if (config == nullptr) return {};
  SetUp(config, AliasCandidates());
  std::string description;
  FcPattern* face = ResolvedFace(config, ToUtf8(family), pixelSize, weight, slant);
  if (face != nullptr) {
    FcPattern* prepared = face;
    // What decides the drawing: the face and how it is rendered; not the
    // names, languages and character set, nor the configuration's own
    // bookkeeping.
    FcObjectSet* objects = FcObjectSetBuild(
        FC_FILE, FC_INDEX, FC_PIXEL_SIZE, FC_WEIGHT, FC_SLANT, FC_ANTIALIAS, FC_HINTING,
        FC_HINT_STYLE, FC_AUTOHINT, FC_EMBEDDED_BITMAP, FC_EMBOLDEN, FC_RGBA, FC_LCD_FILTER,
        FC_MATRIX, FC_SPACING, FC_GLOBAL_ADVANCE, FC_MINSPACE, FC_VERTICAL_LAYOUT, FC_SCALE, FC_DPI,
        FC_SIZE, FC_OUTLINE, FC_SCALABLE, "pixelsizefixupfactor", FC_FONT_FEATURES,
        FC_FONT_VARIATIONS, nullptr);
    FcPattern* filtered = FcPatternFilter(prepared, objects);
    FcChar8* text = FcNameUnparse(filtered);
    if (text != nullptr) description = reinterpret_cast<const char*>(text);
    FcStrFree(text);
    FcPatternDestroy(filtered);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(face);
  }
  FcConfigDestroy(config);
  return description;
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
