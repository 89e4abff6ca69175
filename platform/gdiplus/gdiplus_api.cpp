#include "platform/gdiplus/gdiplus_api.h"

#include <dlfcn.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <string>

#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus {
namespace {

constexpr const char* kFunctionNames[] = {
#define CHARART_GDIPLUS_NAME(ret, name, params) #name,
    CHARART_GDIPLUS_FUNCTIONS(CHARART_GDIPLUS_NAME)
#undef CHARART_GDIPLUS_NAME
};
static_assert(sizeof(kFunctionNames) / sizeof(kFunctionNames[0]) == kFunctionCount);

// libgdiplus brings 50 libraries, and 28 of them bind every import at load
// time: about 6 000 symbol look-ups, each walking the search scope object by
// object. By default that scope starts with the program and the libraries it
// was started with (none of which define what glib, pango or cairo import),
// so the usual look-up passes a dozen objects before it reaches libgdiplus's
// own. Searching libgdiplus's own dependencies first binds every import to
// the same definition (checked with LD_DEBUG=bindings: the only difference
// is one inline std::string member, taken from libstdc++ rather than from
// the program's identical copy) and takes a program that only loads
// libgdiplus from 13.3 to 11.4 million instructions.
// AddressSanitizer refuses such libraries: its malloc lives in the program,
// and a library that searched its own scope first would free with libc's.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kOwnScopeFirst = 0;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kOwnScopeFirst = 0;
#else
constexpr int kOwnScopeFirst = RTLD_DEEPBIND;
#endif
#else
constexpr int kOwnScopeFirst = RTLD_DEEPBIND;
#endif

// The loaded library; opened once, on the first call that needs it, and kept
// for the life of the process (libgdiplus is not meant to be unloaded).
class Library {
 public:
  static Library& Instance() {
    static Library library;
    return library;
  }
  void* Handle() {
    std::call_once(opened_, [this] {
      // CHARART_GDIPLUS_LIBRARY names another build of the engine (or, in
      // tests, none at all); otherwise the system's libgdiplus. Lazy: an
      // imported function is looked up when first called (except in the
      // libraries built to bind everything at load), not all at once.
      constexpr int kMode = RTLD_LAZY | RTLD_LOCAL | kOwnScopeFirst;
      if (const char* path = std::getenv("CHARART_GDIPLUS_LIBRARY"); path != nullptr) {
        handle_ = dlopen(path, kMode);
        return;
      }
      handle_ = dlopen("libgdiplus.so.0", kMode);
      if (handle_ == nullptr) handle_ = dlopen("libgdiplus.so", kMode);
    });
    return simulateMissing_.load() ? nullptr : handle_;
  }
  std::atomic<bool> simulateMissing_{false};

 private:
  std::once_flag opened_;
  void* handle_ = nullptr;
};

// What an entry answers when it cannot be bound.
template <typename R>
R Unbound(bool libraryMissing) {
  if constexpr (std::is_same_v<R, Status>) {
    return libraryMissing ? Status::GdiplusNotInitialized : Status::NotImplemented;
  } else if constexpr (std::is_pointer_v<R>) {
    return nullptr;
  } else {
    static_assert(std::is_void_v<R>);
  }
}

FunctionTable MakeLazyTable();
FunctionTable g_bound = MakeLazyTable();
std::atomic<const FunctionTable*> g_active{&g_bound};
std::mutex g_bindMutex;

void StoreBound(FunctionId id, void* fn) {
  switch (id) {
#define CHARART_GDIPLUS_STORE(ret, name, params)                 \
  case FunctionId::name:                                         \
    g_bound.name = reinterpret_cast<decltype(g_bound.name)>(fn); \
    break;
    CHARART_GDIPLUS_FUNCTIONS(CHARART_GDIPLUS_STORE)
#undef CHARART_GDIPLUS_STORE
  }
}

// Binds one entry: the adapter that mends it, else the library's symbol.
// Returns null (and leaves the stub in place) when neither exists.
void* Bind(FunctionId id, bool& libraryMissing) {
  std::lock_guard lock(g_bindMutex);
  void* library = Library::Instance().Handle();
  libraryMissing = library == nullptr;
  if (libraryMissing) return nullptr;
  void* fn = adapters::AdapterFor(id);
  if (fn == nullptr) fn = dlsym(library, kFunctionNames[static_cast<int>(id)]);
  if (fn != nullptr) StoreBound(id, fn);
  return fn;
}

template <FunctionId Id, typename Fn>
struct LazyEntry;

template <FunctionId Id, typename R, typename... A>
struct LazyEntry<Id, R (*)(A...)> {
  static R Call(A... args) {
    bool libraryMissing = false;
    void* fn = Bind(Id, libraryMissing);
    if (fn == nullptr) return Unbound<R>(libraryMissing);
    return reinterpret_cast<R (*)(A...)>(fn)(args...);
  }
};

FunctionTable MakeLazyTable() {
  FunctionTable table{};
#define CHARART_GDIPLUS_LAZY(ret, name, params) \
  table.name = &LazyEntry<FunctionId::name, decltype(table.name)>::Call;
  CHARART_GDIPLUS_FUNCTIONS(CHARART_GDIPLUS_LAZY)
#undef CHARART_GDIPLUS_LAZY
  return table;
}

}  // namespace

const char* FunctionName(FunctionId id) {
  return kFunctionNames[static_cast<int>(id)];
}

const FunctionTable& Api() {
  return *g_active.load(std::memory_order_acquire);
}

ScopedFunctionTable::ScopedFunctionTable(const FunctionTable* table)
    : previous_(g_active.exchange(table)) {}

ScopedFunctionTable::~ScopedFunctionTable() {
  g_active.store(previous_);
}

bool LibraryAvailable() {
  return Library::Instance().Handle() != nullptr;
}

void SimulateMissingLibraryForTesting(bool missing) {
  std::lock_guard lock(g_bindMutex);
  Library::Instance().simulateMissing_.store(missing);
  g_bound = MakeLazyTable();
}

void* RawSymbol(std::string_view name) {
  void* library = Library::Instance().Handle();
  if (library == nullptr) return nullptr;
  return dlsym(library, std::string(name).c_str());
}

}  // namespace charart::gdiplus
