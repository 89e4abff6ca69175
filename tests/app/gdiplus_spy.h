// A function table that forwards every GDI+ call to the real libgdiplus and
// watches the order: any call after GdiplusShutdown (until the next start-up),
// and any shut-down while a conversion holds a BusyScope.
#pragma once

#include <optional>

#include "platform/forms/busy_scope.h"
#include "platform/gdiplus/gdiplus_api.h"

namespace charart::testing {

struct GdiplusWatch {
  int startups = 0;
  int shutdowns = 0;
  int shutdownsUnderConversion = 0;
  int callsAfterShutdown = 0;
  bool running = false;
};

namespace spy_detail {

inline const gdiplus::FunctionTable*& Inner() {
  static const gdiplus::FunctionTable* inner = nullptr;
  return inner;
}
inline GdiplusWatch& Watch() {
  static GdiplusWatch watch;
  return watch;
}

template <auto Member, gdiplus::FunctionId Id, typename Fn>
struct Entry;

template <auto Member, gdiplus::FunctionId Id, typename R, typename... A>
struct Entry<Member, Id, R (*)(A...)> {
  static R Call(A... args) {
    GdiplusWatch& watch = Watch();
    if constexpr (Id == gdiplus::FunctionId::GdiplusStartup) {
      ++watch.startups;
      watch.running = true;
    } else if constexpr (Id == gdiplus::FunctionId::GdiplusShutdown) {
      ++watch.shutdowns;
      if (forms::BusyScope::Depth() > 0) ++watch.shutdownsUnderConversion;
      watch.running = false;
    } else {
      if (watch.shutdowns > 0 && !watch.running) ++watch.callsAfterShutdown;
    }
    return (Inner()->*Member)(args...);
  }
};

inline gdiplus::FunctionTable MakeTable() {
  gdiplus::FunctionTable table{};
#define CHARART_SPY_ENTRY(ret, name, params)                                    \
  table.name = &Entry<&gdiplus::FunctionTable::name, gdiplus::FunctionId::name, \
                      decltype(gdiplus::FunctionTable::name)>::Call;
  CHARART_GDIPLUS_FUNCTIONS(CHARART_SPY_ENTRY)
#undef CHARART_SPY_ENTRY
  return table;
}

}  // namespace spy_detail

// While alive, every GDI+ call of the process passes through the watch.
class GdiplusSpy {
 public:
  GdiplusSpy() : table_(spy_detail::MakeTable()), previous_(&gdiplus::Api()) {
    spy_detail::Inner() = previous_;
    spy_detail::Watch() = {};
    scope_.emplace(&table_);
  }
  ~GdiplusSpy() { scope_.reset(); }
  GdiplusSpy(const GdiplusSpy&) = delete;
  GdiplusSpy& operator=(const GdiplusSpy&) = delete;

  const GdiplusWatch& Watch() const { return spy_detail::Watch(); }

 private:
  gdiplus::FunctionTable table_;
  const gdiplus::FunctionTable* previous_;
  std::optional<gdiplus::ScopedFunctionTable> scope_;
};

}  // namespace charart::testing
