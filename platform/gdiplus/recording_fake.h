// A stand-in for libgdiplus that records every flat call and answers with a
// scripted result. Tests use it for forwarding contracts only (defaults,
// given-flag tests, argument order, LastStatus left alone); behaviour is
// tested against the real library.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/gdiplus/gdiplus_api.h"

namespace charart::gdiplus {

// One argument as a value: integers (and enums, bools) as integer, floats as
// real, pointers (handles, addresses, callbacks) as pointer.
struct RecordedArg {
  enum class Kind { Integer, Real, Pointer };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  double real = 0;
  std::uintptr_t pointer = 0;

  bool operator==(const RecordedArg&) const = default;
};

RecordedArg IntegerArg(std::int64_t value);
RecordedArg RealArg(double value);
RecordedArg PointerArg(std::uintptr_t value);
std::string ToString(const RecordedArg& arg);

struct RecordedCall {
  FunctionId id;
  std::vector<RecordedArg> args;

  const char* Name() const { return FunctionName(id); }
};

// While alive, the fake is the active function table (for this thread's
// calls and every other thread's).
class RecordingFake {
 public:
  RecordingFake();
  ~RecordingFake();
  RecordingFake(const RecordingFake&) = delete;
  RecordingFake& operator=(const RecordingFake&) = delete;

  const std::vector<RecordedCall>& Calls() const { return calls_; }
  std::vector<std::string> CallNames() const;
  void ClearCalls() { calls_.clear(); }

  // What the entry returns: a Status for most, an address for GdipAlloc.
  // Unscripted entries answer Ok (0, null).
  void SetStatus(FunctionId id, Status status);
  void SetResult(FunctionId id, std::uintptr_t value);

  // Runs after the call is recorded, before it returns; writes outputs.
  using Effect = std::function<void(const RecordedCall&)>;
  void OnCall(FunctionId id, Effect effect);

  // Shorthand: the call writes `handle` through its pointer argument `index`
  // (a GpX** output), as a successful create does.
  void WriteHandle(FunctionId id, std::size_t index, std::uintptr_t handle);

  // Used by the generated entries.
  std::uintptr_t Dispatch(RecordedCall call);

 private:
  FunctionTable table_;
  ScopedFunctionTable scope_;
  std::vector<RecordedCall> calls_;
  std::map<FunctionId, std::uintptr_t> results_;
  std::map<FunctionId, Effect> effects_;
};

}  // namespace charart::gdiplus
