// The common controls library, loaded when the first standard control is about to be made.
#include "platform/win32/common_controls.h"

#include "platform/win32/win_api.h"
// Needs windows.h first.
#include <commctrl.h>

namespace kinloom {

void PrepareStandardControls() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  // Loaded by name rather than imported, so the library is mapped only from here on.
  HMODULE library = LoadLibraryA("comctl32.dll");
  using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  auto init = library ? reinterpret_cast<Init>(reinterpret_cast<void (*)()>(
                            GetProcAddress(library, "InitCommonControlsEx")))
                      : nullptr;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  if (init) init(&controls);
}

}  // namespace kinloom
