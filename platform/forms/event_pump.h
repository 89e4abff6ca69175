// The forms run time's event pump: dispatches every pending window event,
// then returns. Without an application (the command-line front end, most
// tests) there is nothing to dispatch and it returns at once.
#pragma once

#include <cstdint>
#include <functional>

namespace charart::forms {

// Events dispatched by a pump may run handlers nested in the caller, a click
// handler included.
void PumpEvents();

// The window run time's dispatch of pending events, installed while its
// Application exists; null when nothing dispatches. Programs without windows
// never load the window system.
void SetEventDispatch(void (*dispatch)());

// For tests: how many times PumpEvents has run in this process.
[[nodiscard]] std::int64_t PumpCount();

// For tests: `observer` runs at the start of every pump, before events are
// dispatched (so a test can post a click that the pump then delivers).
// An empty function removes it.
void SetPumpObserverForTesting(std::function<void()> observer);

}  // namespace charart::forms
