#include "platform/threads/helper_thread.h"

#include <pthread.h>
#include <sched.h>

#include <memory>
#include <utility>

namespace charart::threads {
namespace {

struct HelperStart {
  std::function<void()> work;
  cpu_set_t widenTo;
  bool widen = false;
};

void* RunHelper(void* argument) {
  std::unique_ptr<HelperStart> start(static_cast<HelperStart*>(argument));
  if (start->widen) pthread_setaffinity_np(pthread_self(), sizeof start->widenTo, &start->widenTo);
  start->work();
  return nullptr;
}

// The caller's cores other than the one it runs on; false when there is
// no other.
bool OtherCores(const cpu_set_t& allowed, cpu_set_t& others) {
  const int current = sched_getcpu();
  if (current < 0 || current >= CPU_SETSIZE || !CPU_ISSET(current, &allowed)) return false;
  others = allowed;
  CPU_CLR(current, &others);
  return CPU_COUNT(&others) > 0;
}

}  // namespace

void StartHelperThread(std::function<void()> work) {
  auto start = std::make_unique<HelperStart>();
  start->work = std::move(work);
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) {
    start->work();
    return;
  }
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  cpu_set_t others;
  if (sched_getaffinity(0, sizeof start->widenTo, &start->widenTo) == 0 &&
      OtherCores(start->widenTo, others) &&
      pthread_attr_setaffinity_np(&attributes, sizeof others, &others) == 0) {
    start->widen = true;
  }
  pthread_t thread;
  HelperStart* handedOver = start.get();
  int failed = pthread_create(&thread, &attributes, &RunHelper, handedOver);
  if (failed != 0 && start->widen) {  // the other cores may have gone: any core will do
    start->widen = false;
    pthread_attr_destroy(&attributes);
    pthread_attr_init(&attributes);
    pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
    failed = pthread_create(&thread, &attributes, &RunHelper, handedOver);
  }
  pthread_attr_destroy(&attributes);
  if (failed == 0) {
    start.release();  // the helper owns it now
    return;
  }
  start->work();
}

}  // namespace charart::threads
