#include "app/handlers.h"

#include "app/main_window_description.h"
#include "engine/character_art.h"
#include "engine/text_renderer.h"
#include "imaging/core/gdiplus_session.h"
#include "platform/forms/busy_scope.h"
#include "platform/forms/file_writer.h"
#include "platform/forms/program_directory.h"
#include "values/byte_set.h"
#include "values/conversions.h"
#include "values/text.h"
#include "values/value_ops.h"

namespace charart::app {
namespace {

using forms::kPropertyContent;
using forms::kPropertyCurrentIndex;
using forms::kPropertyCurrentText;

values::Text Read(const forms::Window& window, std::string_view control, std::int32_t number) {
  return values::Text(std::string_view(window.ReadProperty(control, number)));
}

bool IsEmptyText(const values::Text& text) {
  return values::CompareText(text, values::Text("")) == 0;
}

}  // namespace

void OnWindowCreated(forms::Window& window) {
  imaging::StartGdiplus();
  window.WriteProperty(kHollowList, kPropertyCurrentIndex, 0);
  window.WriteProperty(kFilledList, kPropertyCurrentIndex, 0);
}

void OnWindowDestroying(forms::Window&) {
  imaging::StopGdiplus();
}

void OnConvertClicked(forms::Window& window) {
  const values::Text input = Read(window, kInputBox, kPropertyContent);
  if (IsEmptyText(input)) return;
  // The builder pumps events once per row: a close that arrives meanwhile
  // waits until the outermost conversion has written its result.
  const forms::BusyScope busy;
  const values::ByteSet text = values::TextToWideGbk(input);
  const values::ByteSet hollow =
      values::TextToWideGbk(Read(window, kHollowList, kPropertyCurrentText));
  const values::ByteSet filled =
      values::TextToWideGbk(Read(window, kFilledList, kPropertyCurrentText));
  const values::Text art = engine::BuildCharacterArt(text, hollow, filled);
  window.WriteProperty(kOutputBox, kPropertyContent, art.View());
}

void OnSavePictureClicked(forms::Window& window) {
  const values::Text input = Read(window, kInputBox, kPropertyContent);
  if (IsEmptyText(input)) return;
  const forms::BusyScope busy;
  const values::ByteSet text = values::TextToWideGbk(input);
  const values::ByteSet png = engine::RenderTextPicture(text);
  // No picture (the engine failed, or the text is wider than the canvas):
  // an empty file must not replace an earlier picture.
  if (png.IsEmpty()) return;
  if (const auto path = SavePicturePath(forms::ProgramDirectory())) {
    forms::WriteFile(path->View(), {png.Bytes()});
  }
}

std::optional<values::Text> SavePicturePath(const std::optional<std::string>& directory) {
  if (!directory) return std::nullopt;
  const values::Text directoryText{std::string_view(*directory)};
  const values::Text fileName = values::Gbk("/字符画.png");
  return values::ConcatTexts({&directoryText, &fileName});
}

void OnInputTextChanged(forms::Window&) {}

}  // namespace charart::app
