// The toolkit's backend on Win32: native windows, message loops, message boxes, art resources.
#include "platform/win32/win32_backend.h"

#include <utility>

#include "platform/error.h"
#include "platform/toolkit/dib.h"
#include "platform/toolkit/window.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/message_box_window.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/win_api.h"

namespace kinloom {

namespace {

// The program icon's resource name.
const char* const kIconResource = "MAINICON";

// Every window with standard controls is a dialog shown modally; the menu screens have none.
bool HasStandardControls(const Window& window) {
  for (const Control* control : window.Controls()) {
    if (control->Kind() != ControlKind::kPicture) return true;
  }
  return false;
}

}  // namespace

Win32Backend::Win32Backend() {
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), kIconResource);
  if (!icon) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  // CS_DBLCLKS: the second press of a double click comes as WM_LBUTTONDBLCLK.
  WindowBase::RegisterWindowClass(ToolkitWindow::kClassName, CS_DBLCLKS, icon, nullptr);
  WindowBase::RegisterWindowClass(ToolkitWindow::kDialogClassName, CS_DBLCLKS, nullptr, nullptr);
  WindowBase::RegisterWindowClass(MessageBoxWindow::kClassName, 0, nullptr,
                                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

std::unique_ptr<NativeWindow> Win32Backend::CreateNativeWindow(Window& window) {
  return std::make_unique<ToolkitWindow>(window);
}

void Win32Backend::RunMessageLoop(Window& main) {
  main.Show();
  while (!main.IsClosed() && PumpMessage()) {
  }
}

int Win32Backend::RunModal(Window& window) {
  if (HasStandardControls(window)) PrepareStandardControls();
  auto* native = static_cast<ToolkitWindow*>(window.Native());
  ApplicationModality modality(native->Handle());
  window.Show();
  while (window.ModalResult() == 0 && PumpMessage()) {
  }
  modality.Release();
  window.Hide();
  modality.Reactivate();
  return window.ModalResult() != 0 ? window.ModalResult() : kModalCloseResult;
}

int Win32Backend::ShowMessageBox(const MessageBoxModel& box) {
  PrepareStandardControls();
  MessageBoxWindow window(box);
  return window.Run();
}

void Win32Backend::ShowErrorReport(const std::string& caption, const std::string& text) {
  // No owner and MB_TASKMODAL: every window of the program waits for it.
  MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_ICONSTOP | MB_OK | MB_TASKMODAL);
}

Bitmap Win32Backend::LoadArt(const std::string& name) {
  HMODULE module = GetModuleHandleA(nullptr);
  const std::string resource = ArtResourceName(name);
  HRSRC found = FindResourceA(module, resource.c_str(), reinterpret_cast<LPCSTR>(RT_BITMAP));
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) throw Error("The picture " + name + " is missing from the program file");
  return DecodeDib(static_cast<const std::uint8_t*>(data), SizeofResource(module, found));
}

Size Win32Backend::ScreenSize() const {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

DoubleClickLimits Win32Backend::SystemDoubleClickLimits() const {
  return {GetDoubleClickTime(), GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)};
}

void Win32Backend::ReportPressesTo(PressObserver observer) {
  ObserveLeftPresses(std::move(observer));
}

}  // namespace kinloom
