// Helpers for tests that run under scripts/test-sanitized.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define CHARART_TEST_LEAK_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CHARART_TEST_LEAK_CHECKER 1
#endif
#endif

#if defined(CHARART_TEST_LEAK_CHECKER)
#include <sanitizer/lsan_interface.h>
#endif

namespace charart::testsupport {

// For a death-test child that keeps GDI+ objects alive on purpose (a font at
// shut-down): what this thread allocates from here on is not reported as a
// leak when the child exits. Nothing without LeakSanitizer.
inline void KeepLeaksFromHereUnreported() {
#if defined(CHARART_TEST_LEAK_CHECKER)
  __lsan_disable();
#endif
}

}  // namespace charart::testsupport
