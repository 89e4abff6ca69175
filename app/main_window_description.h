// The main window as data: its six controls with their names, places, sizes,
// items and styles, and the table that binds its events to the handlers.
#pragma once

#include <string_view>
#include <vector>

#include "platform/forms/window_description.h"

namespace charart::app {

// The controls' names.
inline constexpr std::string_view kInputBox = "编辑框_欲转换字符";
inline constexpr std::string_view kHollowList = "组合框1";
inline constexpr std::string_view kFilledList = "组合框2";
inline constexpr std::string_view kConvertButton = "按钮_转换";
inline constexpr std::string_view kSavePictureButton = "按钮_生成图片";
inline constexpr std::string_view kOutputBox = "编辑框_字符画";

const forms::WindowDescription& MainWindowDescription();
std::vector<forms::EventBinding> MainWindowBindings();

}  // namespace charart::app
