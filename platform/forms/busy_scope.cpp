#include "platform/forms/busy_scope.h"

#include <deque>
#include <utility>

namespace charart::forms {
namespace {

// The GUI thread is the only one that opens scopes or defers work.
std::int32_t g_depth = 0;
std::deque<std::function<void()>>& Deferred() {
  static std::deque<std::function<void()>> deferred;
  return deferred;
}

}  // namespace

BusyScope::BusyScope() {
  ++g_depth;
}

BusyScope::~BusyScope() {
  if (--g_depth > 0) return;
  // An action may open a scope of its own, or defer more work: take one at a
  // time and stop as soon as the program is busy again.
  auto& deferred = Deferred();
  while (g_depth == 0 && !deferred.empty()) {
    auto action = std::move(deferred.front());
    deferred.pop_front();
    action();
  }
}

std::int32_t BusyScope::Depth() {
  return g_depth;
}

void RunWhenIdle(std::function<void()> action) {
  if (g_depth == 0) {
    action();
    return;
  }
  Deferred().push_back(std::move(action));
}

}  // namespace charart::forms
