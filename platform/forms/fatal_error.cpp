#include "platform/forms/fatal_error.h"

#include <unistd.h>

#include <atomic>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace charart::forms {
namespace {

// Set by the first fatal error; a second one (say, memory running out while
// the first is shown) only writes its text and ends the program.
std::atomic<bool> g_ending{false};
std::atomic<void (*)(const char*, std::size_t)> g_errorBox{nullptr};

// Writes straight to the descriptor: no allocation, nothing left in a buffer.
void WriteToStderr(const char* text, std::size_t length) {
  while (length > 0) {
    const ssize_t written = ::write(STDERR_FILENO, text, length);
    if (written < 0) return;
    text += written;
    length -= static_cast<std::size_t>(written);
  }
}

// Shows `text` (UTF-8), then ends the program with status 1. Output the
// program had buffered is flushed first. The end is immediate (no static
// destructors run): a fatal error may come from any state, out of memory
// included.
[[noreturn]] void ShowAndEnd(const char* text, std::size_t length) {
  const bool first = !g_ending.exchange(true);
  if (first) {
    std::cout.flush();
    std::cerr.flush();
  }
  std::fflush(nullptr);
  WriteToStderr(text, length);
  WriteToStderr("\n", 1);
  if (const auto box = g_errorBox.load(); first && box != nullptr) box(text, length);
  std::_Exit(1);
}

}  // namespace

void SetErrorBox(void (*show)(const char* text, std::size_t length)) {
  g_errorBox.store(show);
}

std::string FatalErrorText(std::int32_t number, std::string_view message) {
  std::string text = "运行时出错!\n\n错误代码：";
  text += std::to_string(number);
  text += "\n\n错误信息：";
  text += message;
  return text;
}

std::string OutOfMemoryText(std::int64_t bytes) {
  return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

void FatalError(std::int32_t number, std::string_view message) {
  const std::string text = FatalErrorText(number, message);
  ShowAndEnd(text.data(), text.size());
}

void OutOfMemory(std::int64_t bytes) {
  // Formatted without the heap, which has just run dry.
  char text[96];
  const int length = std::snprintf(text, sizeof text, "分配 %" PRId64 " 字节内存失败!", bytes);
  ShowAndEnd(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace charart::forms
