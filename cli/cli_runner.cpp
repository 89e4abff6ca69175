#include "cli/cli_runner.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>

#include "cli/utf8_text.h"
#include "engine/canvas_fit.h"
#include "engine/character_art.h"
#include "engine/engine_session.h"
#include "engine/text_renderer.h"
#include "platform/fonts/font_setup.h"
#include "platform/forms/file_writer.h"
#include "values/conversions.h"

namespace charart::cli {
namespace {

// One symbol given on the command line, checked and converted.
bool PrepareSymbol(const std::string& utf8, const char* role, values::ByteSet& wide,
                   std::ostream& err) {
  if (auto problem = CheckUtf8(utf8)) {
    err << "charart-cli: the " << role << " symbol holds " << problem->description << "\n";
    return false;
  }
  if (auto missing = FirstCharacterWithoutGbk(utf8)) {
    err << "charart-cli: the " << role << " symbol's character " << *missing
        << " has no GBK form\n";
    return false;
  }
  wide = values::TextToWideGbk(values::Gbk(utf8));
  return true;
}

// FILE.png for one picture; FILE-1.png, FILE-2.png ... when numbered.
std::string PngPathFor(const std::string& path, int number) {
  if (number == 0) return path;
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  const std::string stem = hasExtension ? path.substr(0, dot) : path;
  const std::string extension = hasExtension ? path.substr(dot) : ".png";
  return stem + "-" + std::to_string(number) + extension;
}

std::u16string WideOf(const std::string& utf8) {
  const values::ByteSet wide = values::TextToWideGbk(values::Gbk(utf8));
  std::u16string units(wide.Wide(), static_cast<std::size_t>(wide.Length() / 2));
  if (const auto end = units.find(u'\0'); end != std::u16string::npos) units.resize(end);
  return units;
}

// One text known before GDI+ starts: fontconfig is set up lean when the Song
// face alone draws it in the requested family (platform/fonts decides), on a
// thread of its own while the engine's library loads.
void PreferLeanFonts(const CliOptions& options, const std::string& text) {
  // Far longer than the canvas holds: refused before any font is needed.
  constexpr std::size_t kMostBytes = 40000;
  if (text.size() > kMostBytes || CheckUtf8(text) || FirstCharacterWithoutGbk(text)) return;
  std::u16string family;
  if (options.font) {
    if (CheckUtf8(*options.font) || FirstCharacterWithoutGbk(*options.font)) return;
    family = WideOf(*options.font);
  }
  fonts::UseLeanFontSetupInBackground(std::move(family), WideOf(text));
}

class Converter {
 public:
  Converter(const CliOptions& options, std::ostream& out, std::ostream& err)
      : options_(options), out_(out), err_(err) {}

  bool Prepare() {
    if (!PrepareSymbol(options_.hollow, "hollow", hollow_, err_)) return false;
    if (!PrepareSymbol(options_.filled, "filled", filled_, err_)) return false;
    if (options_.font) {
      if (CheckUtf8(*options_.font) || FirstCharacterWithoutGbk(*options_.font)) {
        err_ << "charart-cli: the font name must be UTF-8 with a GBK form\n";
        return false;
      }
      font_ = values::Gbk(*options_.font);
    }
    return true;
  }

  std::optional<values::Text> Font() const { return font_; }

  // Converts one text; `number` numbers its PNG file (0: not numbered).
  // Returns the exit code of this text.
  int Convert(const std::string& utf8, int number, bool separate) {
    if (utf8.empty()) return kExitOk;
    if (auto problem = CheckUtf8(utf8)) {
      err_ << "charart-cli: " << Where(number) << problem->description << " at byte "
           << problem->offset << "\n";
      return kExitBadInput;
    }
    if (auto missing = FirstCharacterWithoutGbk(utf8)) {
      err_ << "charart-cli: " << Where(number) << "the character " << *missing
           << " has no GBK form\n";
      return kExitBadInput;
    }
    const values::ByteSet text = values::TextToWideGbk(values::Gbk(utf8));
    const auto fit = engine::CheckCanvasFit(text, font_, options_.size, options_.style);
    if (!fit.fits) {
      err_ << "charart-cli: " << Where(number) << fit.reason
           << "; refusing to print a cut picture\n";
      return kExitBadInput;
    }
    const values::ByteSet png =
        engine::RenderTextPicture(text, font_, options_.size, options_.style, options_.hint);
    if (png.IsEmpty()) {
      err_ << "charart-cli: " << Where(number) << "the engine could not render the text\n";
      return kExitFailure;
    }
    if (options_.pngPath) {
      const std::string path = PngPathFor(*options_.pngPath, number);
      if (!forms::WriteFileUtf8Path(path, png.Bytes())) {
        err_ << "charart-cli: cannot write " << path << "\n";
        return kExitBadInput;
      }
    }
    const values::Text art = engine::PictureToCharacterArt(png, hollow_, filled_);
    std::string utf8Art = values::Utf8(art);
    if (!options_.crlf) utf8Art = WithLfEnds(utf8Art);
    if (separate && printed_) out_ << (options_.crlf ? "\r\n" : "\n");
    out_ << utf8Art;
    out_.flush();
    printed_ = true;
    if (!out_) outputError_ = errno;  // before later calls can change it
    return kExitOk;
  }

  // The error number of the failed write, 0 when it gave none.
  int OutputError() const { return outputError_; }

 private:
  static std::string Where(int number) {
    return number == 0 ? std::string() : "line " + std::to_string(number) + ": ";
  }
  static std::string WithLfEnds(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
      out += text[i];
    }
    return out;
  }

  const CliOptions& options_;
  std::ostream& out_;
  std::ostream& err_;
  values::ByteSet hollow_;
  values::ByteSet filled_;
  std::optional<values::Text> font_;
  bool printed_ = false;
  int outputError_ = 0;
};

// A full disk or a closed pipe must not pass for success: the art is lost.
int OutputFailure(int error, std::ostream& err) {
  err << "charart-cli: cannot write the output";
  if (error != 0) err << ": " << std::strerror(error);
  err << "\n";
  return kExitFailure;
}

}  // namespace

int RunCli(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
  if (options.help || options.version) {
    out << (options.help ? HelpText() : VersionText());
    out.flush();
    return out ? kExitOk : OutputFailure(errno, err);
  }
  Converter converter(options, out, err);
  if (!converter.Prepare()) return kExitBadInput;

  std::string wordsText;
  for (const auto& word : options.words) wordsText += (wordsText.empty() ? "" : " ") + word;
  if (!options.words.empty()) PreferLeanFonts(options, wordsText);

  engine::EngineSession session;
  if (!session.Started()) {
    err << "charart-cli: " << session.Problem() << "\n";
    return kExitNoEngine;
  }
  if (auto font = converter.Font(); font && !engine::FontFamilyInstalled(*font)) {
    err << "charart-cli: no installed font family is named " << *options.font << "\n";
    return kExitBadInput;
  }

  if (!options.words.empty()) {
    const int status = converter.Convert(wordsText, 0, false);
    return out ? status : OutputFailure(converter.OutputError(), err);
  }
  int status = kExitOk;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const int result = converter.Convert(line, number, true);
    if (!out) return OutputFailure(converter.OutputError(), err);  // no use going on
    if (result != kExitOk && status == kExitOk) status = result;
  }
  return status;
}

}  // namespace charart::cli
