#include "engine/engine_session.h"

#include "imaging/core/gdiplus_session.h"
#include "imaging/resources/font_collection.h"
#include "imaging/resources/font_family.h"
#include "platform/fonts/font_setup.h"

namespace charart::engine {

EngineSession::EngineSession(bool needSongFace) {
  token_ = imaging::StartGdiplus();
  if (token_ == 0) {
    problem_ = "cannot start the GDI+ engine (is the libgdiplus package installed?)";
    return;
  }
  const auto& fonts = fonts::EnsureFontAliases();
  if (needSongFace && !fonts.songFaceInstalled) {
    problem_ = fonts.message.empty() ? "the 宋体 face is missing" : fonts.message;
  }
}

EngineSession::~EngineSession() {
  if (token_ != 0) imaging::StopGdiplus();
}

bool FontFamilyInstalled(const values::Text& family) {
  imaging::FontFamily fontFamily;
  imaging::FontCollection installed;
  const bool found = fontFamily.CreateFromName(family, installed);
  fontFamily.Delete();
  return found;
}

}  // namespace charart::engine
