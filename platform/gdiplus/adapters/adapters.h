// Adapters mend the places where libgdiplus differs from GDI+. Each one is a
// function with the flat signature of the entry it replaces; the binder puts
// it in the function table instead of the library's raw symbol.
#pragma once

#include "platform/gdiplus/gdiplus_api.h"

namespace charart::gdiplus::adapters {

// The adapter for `id`, or null when the library's own symbol serves.
void* AdapterFor(FunctionId id);

// The raw library function of the same name, typed like the table entry.
// Null when the library lacks it.
template <typename Fn>
Fn Raw(const char* name) {
  return reinterpret_cast<Fn>(RawSymbol(name));
}

}  // namespace charart::gdiplus::adapters
