// Imports that Windows XP lacks, supplied by the program itself so that it still starts there.
// The static threads library under libstdc++ imports GetTickCount64 (Vista and later); defining
// its import slot here keeps the name out of the program's import table.
#include "platform/win32/win_api.h"

namespace {

ULONGLONG WINAPI TickCount64() {
  using Function = ULONGLONG(WINAPI*)();
  // Through void (*)(): the one cast between function types that means "any function".
  static const Function system = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetTickCount64")));
  // XP's 32-bit count wraps after 49.7 days; the library only measures timeouts with it.
  return system ? system() : GetTickCount();
}

}  // namespace

#ifdef _WIN64
extern "C" ULONGLONG(WINAPI* const kGetTickCount64Import)() asm("__imp_GetTickCount64");
#else
extern "C" ULONGLONG(WINAPI* const kGetTickCount64Import)() asm("__imp__GetTickCount64@0");
#endif
extern "C" ULONGLONG(WINAPI* const kGetTickCount64Import)() = TickCount64;
