#include "platform/forms/memory.h"

#include <cstdlib>
#include <new>

#include "platform/forms/fatal_error.h"

namespace charart::forms {
namespace {

// A new-handler is not told how much was asked for.
[[noreturn]] void OnNewFailed() {
  OutOfMemory(0);
}

}  // namespace

void* Allocate(std::int64_t bytes) {
  if (bytes < 0) OutOfMemory(bytes);
  void* block = std::malloc(bytes == 0 ? 1 : static_cast<std::size_t>(bytes));
  if (block == nullptr) OutOfMemory(bytes);
  return block;
}

void Release(void* block) {
  std::free(block);
}

void InstallOutOfMemoryHandler() {
  std::set_new_handler(&OnNewFailed);
}

}  // namespace charart::forms
