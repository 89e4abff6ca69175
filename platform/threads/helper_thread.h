#pragma once
// Background helpers that really run in the background.

#include <functional>

namespace charart::threads {

// Runs `work` on a detached thread that starts on another core than the
// caller's, when the process may use more than one.
//
// Linux often queues a new thread on its creator's core. A helper started by
// a thread that goes on computing then waits there until the other core's
// idle balancing pulls it over: 2 to 4 ms on a 2-core machine, longer than
// the font set-up it was meant to overlap with the loading of libgdiplus.
// The helper starts bound to the caller's other cores and widens its
// affinity back to the caller's as soon as it runs, so the scheduler may
// move it freely afterwards. When no thread can be started, `work` runs on
// the calling thread: nothing is lost, only the overlap.
void StartHelperThread(std::function<void()> work);

}  // namespace charart::threads
