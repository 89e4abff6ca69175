// The function table through which every GDI+ flat call of charart goes.
//
// Api() returns the active table. Its entries start as lazy stubs: the first
// call of an entry binds it (an adapter from adapters/ when one mends that
// function, otherwise the symbol of libgdiplus, loaded with dlopen on first
// use) and later calls go straight to the bound function. When libgdiplus or
// one of its symbols is missing, the entry answers a non-Ok Status (NULL for
// GdipAlloc, nothing for the void functions) instead of crashing.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/gdiplus/gdiplus_functions.h"

namespace charart::gdiplus {

// One identifier per entry of the list, in list order.
enum class FunctionId : int {
#define CHARART_GDIPLUS_ID(ret, name, params) name,
  CHARART_GDIPLUS_FUNCTIONS(CHARART_GDIPLUS_ID)
#undef CHARART_GDIPLUS_ID
};

inline constexpr std::size_t kFunctionCount = 0
#define CHARART_GDIPLUS_COUNT(ret, name, params) +1
    CHARART_GDIPLUS_FUNCTIONS(CHARART_GDIPLUS_COUNT)
#undef CHARART_GDIPLUS_COUNT
    ;

const char* FunctionName(FunctionId id);

// The struct of function pointers, one member per list entry.
struct FunctionTable {
#define CHARART_GDIPLUS_MEMBER(ret, name, params) ret(*name) params;
  CHARART_GDIPLUS_FUNCTIONS(CHARART_GDIPLUS_MEMBER)
#undef CHARART_GDIPLUS_MEMBER
};

// The active table: the lazily bound libgdiplus, or a test's fake.
const FunctionTable& Api();

// Makes `table` the active one until the returned guard ends; tests use it to
// put the recording fake in place of libgdiplus.
class ScopedFunctionTable {
 public:
  explicit ScopedFunctionTable(const FunctionTable* table);
  ~ScopedFunctionTable();
  ScopedFunctionTable(const ScopedFunctionTable&) = delete;
  ScopedFunctionTable& operator=(const ScopedFunctionTable&) = delete;

 private:
  const FunctionTable* previous_;
};

// Whether libgdiplus could be loaded (loads it on first ask).
bool LibraryAvailable();

// Tests only: makes the binder act as if libgdiplus were missing (or present
// again). Entries bound before keep their binding; a fresh table is built.
void SimulateMissingLibraryForTesting(bool missing);

// Looks a symbol up in libgdiplus itself, bypassing the adapters. Adapters use
// it to reach the raw function they mend. Null when absent.
void* RawSymbol(std::string_view name);

}  // namespace charart::gdiplus
