#include "platform/forms/event_pump.h"

#include <atomic>
#include <utility>

namespace charart::forms {
namespace {

std::atomic<std::int64_t> g_pumps{0};
std::atomic<void (*)()> g_dispatch{nullptr};

std::function<void()>& Observer() {
  static std::function<void()> observer;
  return observer;
}

}  // namespace

void PumpEvents() {
  g_pumps.fetch_add(1, std::memory_order_relaxed);
  // A copy: the observer may replace itself.
  if (const auto observer = Observer()) observer();
  if (const auto dispatch = g_dispatch.load()) dispatch();
}

void SetEventDispatch(void (*dispatch)()) {
  g_dispatch.store(dispatch);
}

std::int64_t PumpCount() {
  return g_pumps.load(std::memory_order_relaxed);
}

void SetPumpObserverForTesting(std::function<void()> observer) {
  Observer() = std::move(observer);
}

}  // namespace charart::forms
