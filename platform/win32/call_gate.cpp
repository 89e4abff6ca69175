#include "platform/win32/call_gate.h"

#include <cstring>

namespace charart::win32 {

void* GetCurrentProcess() {
  return reinterpret_cast<void*>(~std::uintptr_t{0});
}

bool WriteProcessMemory(void* process, void* target, const void* source, std::size_t bytes,
                        std::size_t* written) {
  if (written != nullptr) *written = 0;
  if (process != GetCurrentProcess()) return false;
  if (bytes == 0) return true;
  if (target == nullptr || source == nullptr) return false;
  std::memmove(target, source, bytes);
  if (written != nullptr) *written = bytes;
  return true;
}

}  // namespace charart::win32
