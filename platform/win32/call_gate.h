// The call gate through which the memory stream releases its COM stream, and
// the process-memory write it copies bytes with.
//
// Windows code calls an x86 instruction thunk via CallWindowProcA so that a
// function pointer read from an interface table can be called with the first
// three of the gate's arguments. On x86-64 the thunk has no meaning, so the
// gate is a typed call: the callee receives as many of the leading arguments
// as it declares parameters (at most three), each converted to the
// parameter's type; the rest are ignored, as with the thunk. No function is
// ever called through a pointer of another type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace charart::win32 {

namespace call_gate_detail {

template <typename P>
P ToParameter(std::uintptr_t value) {
  if constexpr (std::is_pointer_v<P>) {
    return reinterpret_cast<P>(value);
  } else {
    static_assert(std::is_integral_v<P> || std::is_enum_v<P>,
                  "gate arguments are words: pointers or integers");
    return static_cast<P>(value);
  }
}

template <typename R>
std::uintptr_t FromResult(R value) {
  if constexpr (std::is_pointer_v<R>) {
    return reinterpret_cast<std::uintptr_t>(value);
  } else {
    return static_cast<std::uintptr_t>(value);
  }
}

}  // namespace call_gate_detail

// Calls `target` with the leading arguments of (a, b, c) it takes and returns
// its result as a word (0 for a void function or a null target).
template <typename R, typename... P>
std::uintptr_t CallWindowProcA(R (*target)(P...), std::uintptr_t a, std::uintptr_t b,
                               std::uintptr_t c, std::uintptr_t /*d*/ = 0) {
  static_assert(sizeof...(P) <= 3, "the gate passes at most three arguments on");
  if (target == nullptr) return 0;
  const std::uintptr_t words[3] = {a, b, c};
  return [&]<std::size_t... I>(std::index_sequence<I...>)->std::uintptr_t {
    if constexpr (std::is_void_v<R>) {
      target(call_gate_detail::ToParameter<P>(words[I])...);
      return 0;
    } else {
      return call_gate_detail::FromResult(target(call_gate_detail::ToParameter<P>(words[I])...));
    }
  }
  (std::index_sequence_for<P...>{});
}

// The current process, as Windows' pseudo handle (-1).
void* GetCurrentProcess();
// A bounded copy of `bytes` bytes from `source` to `target` within the
// current process (the ranges may overlap). False, with nothing copied, for
// another process or a null address; a zero-byte copy succeeds. `written`,
// when given, receives the count copied.
bool WriteProcessMemory(void* process, void* target, const void* source, std::size_t bytes,
                        std::size_t* written);

}  // namespace charart::win32
