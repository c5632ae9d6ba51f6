// The toolkit's backend on Win32: native windows, message loops, message boxes, art resources.
#pragma once

#include "platform/toolkit/backend.h"

namespace kinloom {

class Win32Backend final : public Backend {
 public:
  // Registers the window classes; throws kinloom::Error when that fails.
  Win32Backend();

  std::unique_ptr<NativeWindow> CreateNativeWindow(Window& window) override;
  void RunMessageLoop(Window& main) override;
  int RunModal(Window& window) override;
  int ShowMessageBox(const MessageBoxModel& box) override;
  void ShowErrorReport(const std::string& caption, const std::string& text) override;
  // From the BITMAP resource named ArtResourceName(name) of the program file.
  Bitmap LoadArt(const std::string& name) override;
  Size ScreenSize() const override;
  DoubleClickLimits SystemDoubleClickLimits() const override;
  void ReportPressesTo(PressObserver observer) override;
};

}  // namespace kinloom
