#include "platform/forms/memory.h"

#include <cstdlib>
#include <new>

#include "platform/forms/fatal_error.h"

namespace charart::forms {
namespace {

// What the failing `new` of this thread asked for: a new-handler is not told,
// so the program's own operator new (below) notes it first.
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

// The program's operator new: the library's, except that the size of a
// request that cannot be met is noted before the new-handler runs, so the
// out-of-memory report names it. The array, no-throw and sized forms of
// libstdc++ all come here; delete stays the library's (free). Sanitizer
// builds keep the sanitizer's own, which checks new against delete.
#if defined(__SANITIZE_ADDRESS__)
#define CHARART_OWN_OPERATOR_NEW 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CHARART_OWN_OPERATOR_NEW 0
#endif
#endif
#ifndef CHARART_OWN_OPERATOR_NEW
#define CHARART_OWN_OPERATOR_NEW 1
#endif

#if CHARART_OWN_OPERATOR_NEW
void* operator new(std::size_t bytes) {
  const std::size_t asked = bytes == 0 ? 1 : bytes;
  for (;;) {
    if (void* block = std::malloc(asked)) return block;
    const std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    charart::forms::NoteFailedNew(bytes);
    handler();
  }
}
#endif
