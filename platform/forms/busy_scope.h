// A conversion that pumps window events holds a BusyScope for as long as it
// runs. While any scope is alive, work that must not happen under a running
// conversion (closing the window, and with it shutting GDI+ down) is deferred;
// it runs when the outermost scope ends. Scopes nest: a click handled inside a
// conversion's pump holds its own.
#pragma once

#include <cstdint>
#include <functional>

namespace charart::forms {

class BusyScope {
 public:
  BusyScope();
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

  // How many scopes are alive (0 when the program is idle).
  [[nodiscard]] static std::int32_t Depth();
};

// Runs `action` now when no scope is alive, else when the outermost one ends.
// Deferred actions run once each, in the order they were deferred.
void RunWhenIdle(std::function<void()> action);

}  // namespace charart::forms
