// The launcher's message box: a dialog of our own built from standard controls, so that its
// captions, keys and close box answer as the launcher needs and screen readers can read it.
#pragma once

#include <optional>

#include "platform/message_box.h"
#include "platform/win32/disk_swap.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/window_base.h"

namespace kinloom {

class MessageBoxWindow final : public WindowBase {
 public:
  static constexpr const wchar_t* kClassName = L"KinloomMessageBox";

  // Creates the hidden box, which its modal run centres on its owner's monitor (without an
  // owner, on the screen) and lays out for the scale of the monitor there. The class must be
  // registered.
  explicit MessageBoxWindow(const MessageBoxModel& box);
  ~MessageBoxWindow() override;

  // The box's modal run, owned by `owner` (the window it blocks, or nullptr).
  ModalRun ModalRunOver(HWND owner);
  // The pressed button's result once the run has ended, kCloseBoxResult for the close box.
  int Result() const { return result_ != 0 ? result_ : kCloseBoxResult; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  int DefaultButtonId() const override { return ResultAt(box_.defaultIndex); }
  int CancelButtonId() const override { return ResultAt(box_.cancelIndex); }
  void ButtonClicked(int id) override;
  bool CopyToClipboard() override;

 private:
  int ResultAt(int index) const { return index >= 0 ? box_.buttons[index].result : 0; }
  void CreateChildren();
  // Lays the box out at `dpi`: its font, its children's places; returns its outer size.
  SIZE Arrange(int dpi);
  void Resize(SIZE outer);
  void PlaceOverOwner();

  const MessageBoxModel& box_;
  Font font_;
  int dpi_ = 96;  // the scale the box is laid out for
  int result_ = 0;
  // A disk prompt keeps the disk it asks for from starting its own AutoPlay over it.
  std::optional<AutoPlayHeldOff> autoPlayHeldOff_;
};

}  // namespace kinloom
