#include "app/main_window_description.h"

#include <string>

#include "app/handlers.h"

namespace charart::app {

using forms::ControlKind;
using forms::Event;

const forms::WindowDescription& MainWindowDescription() {
  static const forms::WindowDescription description{
      .caption = "字符画",
      .place = {50, 50, 706, 308},
      .resizable = false,
      .controls =
          {
              {.kind = ControlKind::Edit,
               .name = std::string(kInputBox),
               .place = {14, 16, 434, 24},
               .text = "字符画"},
              {.kind = ControlKind::ComboBox,
               .name = std::string(kHollowList),
               .place = {454, 19, 48, 20},
               .items = {"○", "◇", "☆", "□"},
               .editable = true,
               .sorted = false},
              {.kind = ControlKind::ComboBox,
               .name = std::string(kFilledList),
               .place = {510, 19, 48, 20},
               .items = {"●", "◆", "★", "■"},
               .editable = true,
               .sorted = false},
              {.kind = ControlKind::Button,
               .name = std::string(kConvertButton),
               .place = {560, 16, 48, 24},
               .text = "转换"},
              {.kind = ControlKind::Button,
               .name = std::string(kSavePictureButton),
               .place = {614, 16, 72, 24},
               .text = "生成图片"},
              // Every symbol is a full-width character: a CJK face keeps the
              // columns of the art aligned.
              {.kind = ControlKind::Edit,
               .name = std::string(kOutputBox),
               .place = {14, 47, 672, 216},
               .multiLine = true,
               .wrapLines = false,
               .horizontalScrollBar = true,
               .verticalScrollBar = true,
               .fontFamilies = {"AR PL UMing CN", "宋体"},
               .fontPixelSize = 12},
          },
  };
  return description;
}

std::vector<forms::EventBinding> MainWindowBindings() {
  return {
      {"", Event::Created, OnWindowCreated},
      {"", Event::Destroying, OnWindowDestroying},
      {std::string(kConvertButton), Event::Clicked, OnConvertClicked},
      {std::string(kSavePictureButton), Event::Clicked, OnSavePictureClicked},
      {std::string(kInputBox), Event::TextChanged, OnInputTextChanged},
  };
}

}  // namespace charart::app
