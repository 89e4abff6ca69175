// GdiplusShutdown without the fontconfig finalisation.
//
// libgdiplus's GdiplusShutdown releases its codecs and font patterns and
// then calls FcFini, which finalises fontconfig for the whole process. That
// is not libgdiplus's to do: fontconfig is shared, and others may still hold
// its objects. pango (which libgdiplus lays text out with) resolves fonts on
// short-lived worker threads ("[pango] FcInit", "[pango] FcFontSetMatch",
// "[pango] FcFontSetSort" in pango 1.50; one "[pango] fontconfig" thread in
// later releases) that keep a reference to the configuration and to cached
// font patterns until their job ends, and text layout does not wait for the
// sort job. When FcFini runs while such a job is in flight, FcCacheFini
// finds a cache still referenced and aborts the process
// ("Assertion `fcCacheChains[i] == NULL' failed"), losing buffered output.
// A GDI+ font object still alive at shut-down does the same every time, and
// a GDI+ restarted after FcFini reads a fresh default configuration that has
// lost the 宋体 alias.
//
// The mend: libgdiplus's own import of FcFini (its PLT/GOT slot) is pointed
// at a function that leaves fontconfig alone; everything else the library's
// shut-down does still happens, and a later start works as the first one did.
// Should the slot not be found writable, the raw shut-down is not called at
// all: libgdiplus then keeps running, which is safe, and a later start finds
// it running (see the start-up adapter).
#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <mutex>

#include "platform/gdiplus/adapters/adapter_functions.h"
#include "platform/gdiplus/adapters/adapters.h"

namespace charart::gdiplus::adapters {
namespace {

#if defined(__x86_64__)
constexpr std::uint32_t kJumpSlot = R_X86_64_JUMP_SLOT;
constexpr std::uint32_t kGlobalData = R_X86_64_GLOB_DAT;
#define CHARART_CAN_REDIRECT_IMPORTS 1
#elif defined(__aarch64__)
constexpr std::uint32_t kJumpSlot = R_AARCH64_JUMP_SLOT;
constexpr std::uint32_t kGlobalData = R_AARCH64_GLOB_DAT;
#define CHARART_CAN_REDIRECT_IMPORTS 1
#else
#define CHARART_CAN_REDIRECT_IMPORTS 0
#endif

// What libgdiplus calls instead of FcFini: fontconfig stays up for the rest
// of the process, as it does in every program that never calls FcFini.
void LeaveFontconfigRunning() {}

#if CHARART_CAN_REDIRECT_IMPORTS

// Whether `address` lies in the part of `object` that the loader made
// read-only after relocation (RELRO). The loader protects whole pages only:
// from the segment's first page up to the page its end falls in, which stays
// writable. Everything else of an import table is writable.
bool InRelro(const link_map* object, const void* address) {
  struct Search {
    const link_map* object;
    std::uintptr_t target;
    bool found = false;
    bool readOnly = false;
  } search{object, reinterpret_cast<std::uintptr_t>(address)};
  ::dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void* data) {
        auto* s = static_cast<Search*>(data);
        if (info->dlpi_addr != s->object->l_addr) return 0;
        const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        for (int i = 0; i < info->dlpi_phnum; ++i) {
          const ElfW(Phdr)& header = info->dlpi_phdr[i];
          if (header.p_type != PT_GNU_RELRO) continue;
          const std::uintptr_t start = (info->dlpi_addr + header.p_vaddr) & ~(pageSize - 1);
          const std::uintptr_t end =
              (info->dlpi_addr + header.p_vaddr + header.p_memsz) & ~(pageSize - 1);
          s->readOnly = s->target >= start && s->target < end;
        }
        s->found = true;
        return 1;
      },
      &search);
  return search.found && search.readOnly;
}

// Writes one import slot. A slot inside the read-only part made after
// relocation (RELRO) is opened for the write and closed again.
bool WriteSlot(const link_map* object, void** slot, void* value) {
  if (!InRelro(object, slot)) {
    __atomic_store_n(slot, value, __ATOMIC_RELEASE);
    return true;
  }
  const auto pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  auto* page = reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(slot) & ~(pageSize - 1));
  if (::mprotect(page, pageSize, PROT_READ | PROT_WRITE) != 0) return false;
  __atomic_store_n(slot, value, __ATOMIC_RELEASE);
  ::mprotect(page, pageSize, PROT_READ);
  return true;
}

// An address from the dynamic section: glibc has usually relocated it
// already, some loaders leave the offset from the load address.
template <typename T>
const T* DynamicAddress(const link_map* object, ElfW(Addr) value) {
  return reinterpret_cast<const T*>(value < object->l_addr ? object->l_addr + value : value);
}

// Points every import slot of `symbol` in `object` at `replacement`.
// Returns the number of slots (0: the object does not import it), or -1 when
// the object cannot be read or a slot cannot be written.
int RedirectImport(const link_map* object, const char* symbol, void* replacement) {
  const ElfW(Sym)* symbols = nullptr;
  const char* names = nullptr;
  const ElfW(Rela) * tables[2] = {nullptr, nullptr};
  std::size_t sizes[2] = {0, 0};
  bool pltIsRela = true;
  for (const ElfW(Dyn)* entry = object->l_ld; entry->d_tag != DT_NULL; ++entry) {
    switch (entry->d_tag) {
      case DT_SYMTAB:
        symbols = DynamicAddress<ElfW(Sym)>(object, entry->d_un.d_ptr);
        break;
      case DT_STRTAB:
        names = DynamicAddress<char>(object, entry->d_un.d_ptr);
        break;
      case DT_JMPREL:
        tables[0] = DynamicAddress<ElfW(Rela)>(object, entry->d_un.d_ptr);
        break;
      case DT_PLTRELSZ:
        sizes[0] = entry->d_un.d_val;
        break;
      case DT_PLTREL:
        pltIsRela = entry->d_un.d_val == DT_RELA;
        break;
      case DT_RELA:
        tables[1] = DynamicAddress<ElfW(Rela)>(object, entry->d_un.d_ptr);
        break;
      case DT_RELASZ:
        sizes[1] = entry->d_un.d_val;
        break;
      default:
        break;
    }
  }
  if (symbols == nullptr || names == nullptr || !pltIsRela) return -1;
  int slots = 0;
  for (int t = 0; t < 2; ++t) {
    if (tables[t] == nullptr) continue;
    for (std::size_t i = 0; i < sizes[t] / sizeof(ElfW(Rela)); ++i) {
      const ElfW(Rela)& relocation = tables[t][i];
      const auto type = static_cast<std::uint32_t>(ELF64_R_TYPE(relocation.r_info));
      if (type != kJumpSlot && type != kGlobalData) continue;
      const ElfW(Sym)& entry = symbols[ELF64_R_SYM(relocation.r_info)];
      if (std::strcmp(names + entry.st_name, symbol) != 0) continue;
      auto** slot = reinterpret_cast<void**>(object->l_addr + relocation.r_offset);
      if (!WriteSlot(object, slot, replacement)) return -1;
      ++slots;
    }
  }
  return slots;
}

#endif

// Once per process: true when libgdiplus's shut-down can no longer reach
// FcFini (its import redirected, or never there).
bool FontconfigFinalisationDisarmed(void* rawShutdown) {
  static std::once_flag once;
  static bool disarmed = false;
  std::call_once(once, [rawShutdown] {
#if CHARART_CAN_REDIRECT_IMPORTS
    Dl_info info{};
    link_map* object = nullptr;
    if (::dladdr1(rawShutdown, &info, reinterpret_cast<void**>(&object), RTLD_DL_LINKMAP) == 0 ||
        object == nullptr) {
      return;
    }
    disarmed =
        RedirectImport(object, "FcFini", reinterpret_cast<void*>(&LeaveFontconfigRunning)) >= 0;
#else
    (void)rawShutdown;
#endif
  });
  return disarmed;
}

}  // namespace

void GdiplusShutdown(ULONG_PTR token) {
  static const auto raw = Raw<decltype(FunctionTable::GdiplusShutdown)>("GdiplusShutdown");
  if (raw == nullptr) return;
  if (!FontconfigFinalisationDisarmed(reinterpret_cast<void*>(raw))) return;
  raw(token);
}

}  // namespace charart::gdiplus::adapters
