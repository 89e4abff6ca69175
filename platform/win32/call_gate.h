// The call gate through which the memory stream releases its COM stream.
// Windows code calls an x86 thunk via CallWindowProcA; on x86-64 a thunk has
// no meaning, so the gate is a typed call: the callee receives the first
// three arguments, the fourth is ignored, as with the thunk.
#pragma once

#include <cstddef>
#include <cstdint>

namespace charart::win32 {

using GateTarget = std::uintptr_t (*)(std::uintptr_t, std::uintptr_t, std::uintptr_t);

std::uintptr_t CallWindowProcA(GateTarget target, std::uintptr_t a, std::uintptr_t b,
                               std::uintptr_t c, std::uintptr_t d = 0);

// The current process, as a pseudo handle.
void* GetCurrentProcess();
// A bounded copy within the current process; false (nothing copied) for
// another process, a null address or a zero size with null addresses.
bool WriteProcessMemory(void* process, void* target, const void* source, std::size_t bytes,
                        std::size_t* written);

}  // namespace charart::win32
