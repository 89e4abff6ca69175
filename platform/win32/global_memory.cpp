#include "platform/win32/global_memory.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace charart::win32 {
namespace {

// Handles carry this tag in their top bits: no x86-64 user address (nor any
// canonical address) has it, so a handle is never mistaken for memory.
constexpr std::uintptr_t kHandleTag = std::uintptr_t{0x4847} << 48;
constexpr unsigned kSerialShift = 4;

struct Block {
  std::uint8_t* data = nullptr;  // null while capacity is 0
  std::size_t size = 0;          // what GlobalSize answers
  std::size_t capacity = 0;      // room behind data
  std::uint32_t locks = 0;
};

class Registry {
 public:
  // Never destroyed: blocks may still be freed by other objects' destructors
  // at exit.
  static Registry& Instance() {
    static Registry* registry = new Registry;
    return *registry;
  }

  HGLOBAL Allocate(std::size_t bytes) {
    std::uint8_t* data = nullptr;
    if (bytes > 0) {
      data = static_cast<std::uint8_t*>(std::calloc(bytes, 1));
      if (data == nullptr) return nullptr;
    }
    std::lock_guard lock(mutex_);
    const std::uintptr_t handle = kHandleTag | (++serial_ << kSerialShift);
    blocks_.emplace(handle, Block{data, bytes, bytes, 0});
    return reinterpret_cast<HGLOBAL>(handle);
  }

  void* Lock(HGLOBAL handle) {
    std::lock_guard lock(mutex_);
    Block* block = Find(handle);
    if (block == nullptr || block->size == 0) return nullptr;
    if (block->locks < GMEM_LOCKCOUNT) ++block->locks;
    return block->data;
  }

  bool Unlock(HGLOBAL handle) {
    std::lock_guard lock(mutex_);
    Block* block = Find(handle);
    if (block == nullptr || block->locks == 0) return false;
    --block->locks;
    return block->locks > 0;
  }

  std::size_t Size(HGLOBAL handle) {
    std::lock_guard lock(mutex_);
    const Block* block = Find(handle);
    return block == nullptr ? 0 : block->size;
  }

  std::uint32_t Flags(HGLOBAL handle) {
    std::lock_guard lock(mutex_);
    const Block* block = Find(handle);
    return block == nullptr ? GMEM_INVALID_HANDLE : block->locks;
  }

  HGLOBAL Resize(HGLOBAL handle, std::size_t bytes) {
    std::lock_guard lock(mutex_);
    Block* block = Find(handle);
    if (block == nullptr) return nullptr;
    if (bytes > block->capacity) {
      if (block->locks > 0) return nullptr;  // a locked block keeps its address
      std::size_t room = block->capacity <= SIZE_MAX / 2 ? block->capacity * 2 : bytes;
      if (room < bytes) room = bytes;
      auto* data = static_cast<std::uint8_t*>(std::realloc(block->data, room));
      if (data == nullptr && room > bytes) {
        room = bytes;
        data = static_cast<std::uint8_t*>(std::realloc(block->data, room));
      }
      if (data == nullptr) return nullptr;
      block->data = data;
      block->capacity = room;
    }
    if (bytes > block->size) std::memset(block->data + block->size, 0, bytes - block->size);
    block->size = bytes;
    return handle;
  }

  bool Free(HGLOBAL handle) {
    std::uint8_t* data = nullptr;
    {
      std::lock_guard lock(mutex_);
      auto it = blocks_.find(reinterpret_cast<std::uintptr_t>(handle));
      if (it == blocks_.end()) return false;
      data = it->second.data;
      blocks_.erase(it);
    }
    std::free(data);
    return true;
  }

  std::size_t Live() {
    std::lock_guard lock(mutex_);
    return blocks_.size();
  }

 private:
  Block* Find(HGLOBAL handle) {
    auto it = blocks_.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == blocks_.end() ? nullptr : &it->second;
  }

  std::mutex mutex_;
  std::uintptr_t serial_ = 0;
  std::unordered_map<std::uintptr_t, Block> blocks_;
};

}  // namespace

HGLOBAL GlobalAlloc(std::uint32_t /*flags*/, std::size_t bytes) {
  return Registry::Instance().Allocate(bytes);
}

void* GlobalLock(HGLOBAL block) {
  return block == nullptr ? nullptr : Registry::Instance().Lock(block);
}

bool GlobalUnlock(HGLOBAL block) {
  return block != nullptr && Registry::Instance().Unlock(block);
}

std::size_t GlobalSize(HGLOBAL block) {
  return block == nullptr ? 0 : Registry::Instance().Size(block);
}

HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, std::uint32_t flags) {
  if (block == nullptr) return nullptr;
  if ((flags & GMEM_MODIFY) != 0) {
    return Registry::Instance().Flags(block) == GMEM_INVALID_HANDLE ? nullptr : block;
  }
  return Registry::Instance().Resize(block, bytes);
}

HGLOBAL GlobalFree(HGLOBAL block) {
  if (block == nullptr) return nullptr;
  return Registry::Instance().Free(block) ? nullptr : block;
}

std::uint32_t GlobalFlags(HGLOBAL block) {
  return block == nullptr ? GMEM_INVALID_HANDLE : Registry::Instance().Flags(block);
}

std::size_t LiveGlobalBlocksForTesting() {
  return Registry::Instance().Live();
}

}  // namespace charart::win32
