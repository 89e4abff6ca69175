#include "platform/gdiplus/recording_fake.h"

#include <sstream>
#include <type_traits>

namespace charart::gdiplus {
namespace {

RecordingFake* g_current = nullptr;

template <typename T>
RecordedArg ToArg(T value) {
  if constexpr (std::is_pointer_v<T>) {
    return PointerArg(reinterpret_cast<std::uintptr_t>(value));
  } else if constexpr (std::is_floating_point_v<T>) {
    return RealArg(value);
  } else if constexpr (std::is_enum_v<T>) {
    return IntegerArg(static_cast<std::int64_t>(value));
  } else {
    return IntegerArg(static_cast<std::int64_t>(value));
  }
}

template <FunctionId Id, typename Fn>
struct RecordingEntry;

template <FunctionId Id, typename R, typename... A>
struct RecordingEntry<Id, R (*)(A...)> {
  static R Call(A... args) {
    RecordedCall call{Id, {ToArg(args)...}};
    const std::uintptr_t result = g_current != nullptr ? g_current->Dispatch(std::move(call)) : 0;
    if constexpr (std::is_same_v<R, Status>) {
      return static_cast<Status>(static_cast<std::int32_t>(result));
    } else if constexpr (std::is_pointer_v<R>) {
      return reinterpret_cast<R>(result);
    } else {
      static_assert(std::is_void_v<R>);
    }
  }
};

FunctionTable MakeRecordingTable() {
  FunctionTable table{};
#define CHARART_GDIPLUS_RECORD(ret, name, params) \
  table.name = &RecordingEntry<FunctionId::name, decltype(table.name)>::Call;
  CHARART_GDIPLUS_FUNCTIONS(CHARART_GDIPLUS_RECORD)
#undef CHARART_GDIPLUS_RECORD
  return table;
}

}  // namespace

RecordedArg IntegerArg(std::int64_t value) {
  RecordedArg arg;
  arg.kind = RecordedArg::Kind::Integer;
  arg.integer = value;
  return arg;
}

RecordedArg RealArg(double value) {
  RecordedArg arg;
  arg.kind = RecordedArg::Kind::Real;
  arg.real = value;
  return arg;
}

RecordedArg PointerArg(std::uintptr_t value) {
  RecordedArg arg;
  arg.kind = RecordedArg::Kind::Pointer;
  arg.pointer = value;
  return arg;
}

std::string ToString(const RecordedArg& arg) {
  std::ostringstream out;
  switch (arg.kind) {
    case RecordedArg::Kind::Integer:
      out << arg.integer;
      break;
    case RecordedArg::Kind::Real:
      out << arg.real << "f";
      break;
    case RecordedArg::Kind::Pointer:
      out << "0x" << std::hex << arg.pointer;
      break;
  }
  return out.str();
}

RecordingFake::RecordingFake() : table_(MakeRecordingTable()), scope_(&table_) {
  g_current = this;
}

RecordingFake::~RecordingFake() {
  g_current = nullptr;
}

std::vector<std::string> RecordingFake::CallNames() const {
  std::vector<std::string> names;
  for (const auto& call : calls_) names.emplace_back(call.Name());
  return names;
}

void RecordingFake::SetStatus(FunctionId id, Status status) {
  results_[id] = static_cast<std::uintptr_t>(static_cast<std::uint32_t>(status));
}

void RecordingFake::SetResult(FunctionId id, std::uintptr_t value) {
  results_[id] = value;
}

void RecordingFake::OnCall(FunctionId id, Effect effect) {
  effects_[id] = std::move(effect);
}

void RecordingFake::WriteHandle(FunctionId id, std::size_t index, std::uintptr_t handle) {
  OnCall(id, [index, handle](const RecordedCall& call) {
    if (index < call.args.size() && call.args[index].pointer != 0) {
      *reinterpret_cast<std::uintptr_t*>(call.args[index].pointer) = handle;
    }
  });
}

std::uintptr_t RecordingFake::Dispatch(RecordedCall call) {
  calls_.push_back(call);
  // The effect gets its own copy: it may make calls that grow calls_.
  if (auto it = effects_.find(call.id); it != effects_.end()) it->second(call);
  auto result = results_.find(call.id);
  return result == results_.end() ? 0 : result->second;
}

}  // namespace charart::gdiplus
