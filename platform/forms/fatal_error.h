// The forms run time's fatal errors: the error box (caption "错误"), or the
// same text on stderr when no window system is up, then the end of the
// program. Never returns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace charart::forms {

// The run time's messages, UTF-8.
inline constexpr std::string_view kIndexAboveRangeMessage = "数组成员引用下标超出定义范围";
inline constexpr std::string_view kIndexBelowOneMessage = "数组成员引用下标必须大于等于1";

// "运行时出错!\n\n错误代码：<number>\n\n错误信息：<message>", shown, then exit(1).
[[noreturn]] void FatalError(std::int32_t number, std::string_view message);

// "分配 <bytes> 字节内存失败!", shown, then exit(1).
[[noreturn]] void OutOfMemory(std::int64_t bytes);

// The window run time's error box, installed while its Application exists:
// shows `text` (UTF-8) when a window system the user can see is up. Without
// it the text goes to stderr only.
void SetErrorBox(void (*show)(const char* text, std::size_t length));

// The texts FatalError and OutOfMemory show, for tests.
std::string FatalErrorText(std::int32_t number, std::string_view message);
std::string OutOfMemoryText(std::int64_t bytes);

}  // namespace charart::forms
