#include "platform/forms/fatal_error.h"

#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QThread>
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

// A window system the user can see. The offscreen and minimal platforms of
// headless runs have none: a box there would wait for a click forever.
bool CanShowBox() {
  auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (application == nullptr || QThread::currentThread() != application->thread()) return false;
  const QString platform = QGuiApplication::platformName();
  return !platform.isEmpty() && platform != QLatin1String("offscreen") &&
         !platform.startsWith(QLatin1String("minimal"));
}

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
  if (first && CanShowBox()) {
    QMessageBox::critical(nullptr, QStringLiteral("错误"),
                          QString::fromUtf8(text, static_cast<qsizetype>(length)));
  }
  std::_Exit(1);
}

}  // namespace

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
