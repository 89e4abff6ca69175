// The forms run time's memory: blocks of a known size, and the end of the
// program when memory runs out.
//
// Allocate knows the size it was asked for and reports exactly that count
// ("分配 <bytes> 字节内存失败!") when it cannot be met. Memory taken with
// C++ `new` (the value types' strings and vectors) reaches the same report,
// with the size the `new` asked for, through the new-handler that
// InstallOutOfMemoryHandler installs (the programs' operator new,
// platform/program/operator_new.cpp, notes the size first; a program without
// it, or a sanitizer build, reports 0). Either way the program ends with the
// run time's fatal error instead of an uncaught std::bad_alloc.
#pragma once

#include <cstddef>
#include <cstdint>

namespace charart::forms {

// A block of `bytes` bytes (uninitialised; a request of 0 gives a block of
// its own). Never returns null: a request that cannot be met, a negative one
// included, is fatal.
[[nodiscard]] void* Allocate(std::int64_t bytes);

// Releases a block from Allocate; null is ignored.
void Release(void* block);

// Notes the size of a `new` that cannot be met, for the report; called by
// the program's operator new just before the new-handler.
void NoteFailedNew(std::size_t bytes);

// Makes a failed `new` end the program through OutOfMemory. The front ends
// call it first thing in main; calling it again changes nothing.
void InstallOutOfMemoryHandler();

}  // namespace charart::forms
