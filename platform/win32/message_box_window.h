// The launcher's message box: a dialog of our own built from standard controls, so that its
// captions, keys and close box answer as the launcher needs and screen readers can read it.
#pragma once

#include "platform/message_box.h"
#include "platform/win32/window_base.h"

namespace kinloom {

class MessageBoxWindow final : public WindowBase {
 public:
  static constexpr const char* kClassName = "KinloomMessageBox";

  // Creates the hidden box over the active window. The class must be registered.
  explicit MessageBoxWindow(const MessageBoxModel& box);
  ~MessageBoxWindow() override;

  // Shows the box modally over the whole application; returns the pressed button's result,
  // kCloseBoxResult for the close box.
  int Run();

  bool OnDialogKey(WPARAM key) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnUncaughtError(const std::string& text) override;

 private:
  void CreateControls();
  HWND CreateChild(const char* className, const std::string& text, DWORD style, const RECT& r,
                   int id);
  void OnActivate(WPARAM wParam);
  void OnCommand(WPARAM wParam);

  const MessageBoxModel& box_;
  HFONT font_ = nullptr;
  int result_ = 0;
  HWND initialFocus_ = nullptr;
  HWND savedFocus_ = nullptr;
};

}  // namespace kinloom
