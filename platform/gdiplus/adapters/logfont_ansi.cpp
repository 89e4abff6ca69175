// The ANSI LOGFONT functions. GDI+ reads and writes a LOGFONTA's face name in
// the ANSI code page (GBK here: the stock GUI font is "宋体" in GBK), while
// libgdiplus takes those bytes as UTF-8, so a Chinese face name matched no
// family at all. The adapters go through the wide functions instead and
// convert the face name with the code-page emulation.
#include <cstring>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"
#include "platform/win32/code_pages.h"

namespace charart::gdiplus::adapters {
namespace {

constexpr int kFaceSize = 32;  // LF_FACESIZE, terminator included

template <typename From, typename To>
void CopyMetrics(const From& from, To& to) {
  to.lfHeight = from.lfHeight;
  to.lfWidth = from.lfWidth;
  to.lfEscapement = from.lfEscapement;
  to.lfOrientation = from.lfOrientation;
  to.lfWeight = from.lfWeight;
  to.lfItalic = from.lfItalic;
  to.lfUnderline = from.lfUnderline;
  to.lfStrikeOut = from.lfStrikeOut;
  to.lfCharSet = from.lfCharSet;
  to.lfOutPrecision = from.lfOutPrecision;
  to.lfClipPrecision = from.lfClipPrecision;
  to.lfQuality = from.lfQuality;
  to.lfPitchAndFamily = from.lfPitchAndFamily;
}

}  // namespace

Status CreateFontFromLogfontA(HDC hdc, const LOGFONTA* logfont, GpFont** font) {
  static const auto wide =
      Raw<decltype(FunctionTable::GdipCreateFontFromLogfontW)>("GdipCreateFontFromLogfontW");
  if (wide == nullptr) return Status::NotImplemented;
  if (logfont == nullptr) return wide(hdc, nullptr, font);
  LOGFONTW converted{};
  CopyMetrics(*logfont, converted);
  // The face name ends at its NUL or after 31 bytes, whichever comes first.
  const auto end = static_cast<const char*>(std::memchr(logfont->lfFaceName, 0, kFaceSize - 1));
  const int bytes = end != nullptr ? static_cast<int>(end - logfont->lfFaceName) : kFaceSize - 1;
  if (bytes > 0) {
    // Converts what fits; a face longer than 31 units is cut like GDI cuts it.
    char16_t units[kFaceSize * 2] = {};
    const int count = win32::MultiByteToWideChar(win32::CP_ACP, 0, logfont->lfFaceName, bytes,
                                                 units, kFaceSize * 2);
    std::memcpy(
        converted.lfFaceName, units,
        sizeof(char16_t) * static_cast<std::size_t>(count < kFaceSize - 1 ? count : kFaceSize - 1));
  }
  return wide(hdc, &converted, font);
}

Status GetLogFontA(GpFont* font, GpGraphics* graphics, LOGFONTA* logfont) {
  static const auto wide = Raw<decltype(FunctionTable::GdipGetLogFontW)>("GdipGetLogFontW");
  if (wide == nullptr) return Status::NotImplemented;
  if (logfont == nullptr) return Status::InvalidParameter;
  LOGFONTW result{};
  const Status status = wide(font, graphics, &result);
  if (status != Status::Ok) return status;
  CopyMetrics(result, *logfont);
  std::memset(logfont->lfFaceName, 0, kFaceSize);
  result.lfFaceName[kFaceSize - 1] = 0;
  // A name whose ANSI form is longer than 31 bytes keeps the whole
  // characters that fit.
  char bytes[kFaceSize * 2] = {};
  const int count = win32::WideCharToMultiByte(win32::CP_ACP, 0, result.lfFaceName, -1, bytes,
                                               sizeof bytes, nullptr, nullptr);
  int keep = count > 0 ? count - 1 : 0;  // without the terminator
  if (keep > kFaceSize - 1) {
    keep = 0;
    for (int i = 0; i < kFaceSize - 1;) {
      const int width = static_cast<unsigned char>(bytes[i]) >= 0x81 ? 2 : 1;
      if (i + width > kFaceSize - 1) break;
      i += width;
      keep = i;
    }
  }
  std::memcpy(logfont->lfFaceName, bytes, static_cast<std::size_t>(keep));
  return Status::Ok;
}

}  // namespace charart::gdiplus::adapters
