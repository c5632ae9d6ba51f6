// The toolkit's backend on Win32: native windows, message loops, message boxes, art resources.
#include "platform/win32/win32_backend.h"

#include <utility>

#include "platform/error.h"
#include "platform/toolkit/packed_art.h"
#include "platform/toolkit/window.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/message_box_window.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win_api.h"

namespace kinloom {

namespace {

// The program icon's resource name.
const wchar_t* const kIconResource = L"MAINICON";

// Every window with standard controls is a dialog shown modally; the menu screens have none.
bool HasStandardControls(const Window& window) {
  for (const Control* control : window.Controls()) {
    if (control->Kind() != ControlKind::kPicture) return true;
  }
  return false;
}

}  // namespace

Win32Backend::Win32Backend() {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), kIconResource);
  if (!icon) icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  // CS_DBLCLKS: the second press of a double click comes as WM_LBUTTONDBLCLK.
  WindowBase::RegisterWindowClass(ToolkitWindow::kClassName, CS_DBLCLKS, icon, nullptr);
  WindowBase::RegisterWindowClass(ToolkitWindow::kDialogClassName, CS_DBLCLKS, nullptr, nullptr);
  WindowBase::RegisterWindowClass(MessageBoxWindow::kClassName, 0, nullptr,
                                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

std::unique_ptr<NativeWindow> Win32Backend::CreateNativeWindow(Window& window) {
  auto native = std::make_unique<ToolkitWindow>(window);
  if (window.IsMainWindow()) main_ = native.get();
  return native;
}

void Win32Backend::RunMessageLoop(Window& main) {
  main.Show();
  while (!main.IsClosed() && PumpMessage()) {
  }
}

HWND Win32Backend::BlockedWindow(bool shown) const {
  HWND blocked = !modalWindows_.empty() ? modalWindows_.back()
                 : main_                ? main_->ExistingHandle()
                                        : nullptr;
  return blocked && (!shown || IsWindowVisible(blocked)) ? blocked : nullptr;
}

int Win32Backend::RunModal(Window& window) {
  if (HasStandardControls(window)) PrepareStandardControls();
  auto* native = static_cast<ToolkitWindow*>(window.Native());
  ModalRun run;
  run.window = native->Handle();
  // A sub-screen is owned by the main menu it hides: it has a taskbar button of its own.
  run.owner = BlockedWindow(false);
  run.show = [&window] { window.Show(); };
  run.hide = [&window] { window.Hide(); };
  run.ended = [&window] { return window.ModalResult() != 0; };
  RunModalOver(run);
  return window.ModalResult() != 0 ? window.ModalResult() : kModalCloseResult;
}

void Win32Backend::RunModalOver(const ModalRun& run) {
  modalWindows_.push_back(run.window);
  struct Ended {
    std::vector<HWND>& windows;
    ~Ended() { windows.pop_back(); }
  } ended{modalWindows_};
  kinloom::RunModal(run);
}

int Win32Backend::ShowMessageBox(const MessageBoxModel& box) {
  PrepareStandardControls();
  MessageBoxWindow window(box);
  // A box never hides with a hidden owner: without a shown one it stands alone.
  RunModalOver(window.ModalRunOver(BlockedWindow(true)));
  return window.Result();
}

void Win32Backend::ShowErrorReport(const std::string& caption, const std::string& text) {
  // Over the window it blocks; MB_TASKMODAL: without one, every window of the program waits.
  MessageBoxW(BlockedWindow(true), ToUtf16(text).c_str(), ToUtf16(caption).c_str(),
              MB_ICONSTOP | MB_OK | MB_TASKMODAL);
}

Bitmap Win32Backend::LoadArt(const std::string& name, int scale) {
  HMODULE module = GetModuleHandleA(nullptr);
  const std::string resource = ArtResourceName(name);
  const std::string type = ArtResourceType(scale);
  HRSRC found = FindResourceA(module, resource.c_str(), type.c_str());
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) throw Error("The picture " + name + " is missing from the program file");
  return UnpackArt(static_cast<const std::uint8_t*>(data), SizeofResource(module, found));
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
