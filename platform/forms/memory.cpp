#include "platform/forms/memory.h"

#include <cstdlib>
#include <new>

#include "platform/forms/fatal_error.h"

namespace charart::forms {
namespace {

// What the failing `new` of this thread asked for: a new-handler is not told,
// so the programs' own operator new (platform/program/operator_new.cpp)
// notes it first.
thread_local std::size_t g_failedNewSize = 0;

[[noreturn]] void OnNewFailed() {
  OutOfMemory(static_cast<std::int64_t>(g_failedNewSize));
}

}  // namespace

void NoteFailedNew(std::size_t bytes) {
  g_failedNewSize = bytes;
}

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
