// The toolkit's backend on Win32: native windows, message loops, message boxes, art resources.
#pragma once

#include <vector>

#include "platform/toolkit/backend.h"
#include "platform/win32/win_api.h"

namespace kinloom {

struct ModalRun;
class ToolkitWindow;

class Win32Backend final : public Backend {
 public:
  // Registers the window classes; throws kinloom::Error when that fails.
  Win32Backend();

  std::unique_ptr<NativeWindow> CreateNativeWindow(Window& window) override;
  void RunMessageLoop(Window& main) override;
  int RunModal(Window& window) override;
  int ShowMessageBox(const MessageBoxModel& box) override;
  void ShowErrorReport(const std::string& caption, const std::string& text) override;
  // From the program file's resource ArtResourceName(name) of type ArtResourceType(scale).
  Bitmap LoadArt(const std::string& name, int scale) override;
  DoubleClickLimits SystemDoubleClickLimits() const override;
  void ReportPressesTo(PressObserver observer) override;

 private:
  // The window a new modal window blocks, which owns it: the innermost modal window, else the
  // main window; nullptr before the main window exists, or when `shown` and it is hidden.
  HWND BlockedWindow(bool shown) const;
  void RunModalOver(const ModalRun& run);

  ToolkitWindow* main_ = nullptr;
  std::vector<HWND> modalWindows_;  // innermost last
};

}  // namespace kinloom
