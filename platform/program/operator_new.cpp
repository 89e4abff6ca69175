// The program's operator new: the library's, except that the size of a
// request that cannot be met is noted before the new-handler runs, so the
// out-of-memory report names it. The array, no-throw and sized forms of
// libstdc++ all come here; delete stays the library's (free).
//
// Only the two programs and the tests link this (charart_operator_new): a
// library must not replace its users' operator new. Sanitizer builds keep
// the sanitizer's own, which checks new against delete.
#include <cstdlib>
#include <new>

#include "platform/forms/memory.h"

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
