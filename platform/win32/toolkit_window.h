// The Win32 side of one toolkit window: a top-level window that paints the window's pictures
// and turns its messages into the window's portable events.
#pragma once

#include "platform/toolkit/backend.h"
#include "platform/toolkit/window.h"
#include "platform/win32/choices_accessible.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/window_base.h"

namespace kinloom {

class ToolkitWindow final : public WindowBase, public NativeWindow {
 public:
  static constexpr const wchar_t* kClassName = L"KinloomWindow";
  // Dialog frames show no icon in their title bar, so their class has none.
  static constexpr const wchar_t* kDialogClassName = L"KinloomDialog";

  // Makes no native window yet: a hidden window costs its native window, font and client
  // buffer only once it is first needed (shown, or its handle asked for), which keeps five of
  // the six start-up windows off the path to the first paint. The class must be registered.
  explicit ToolkitWindow(Window& model);
  ~ToolkitWindow() override;

  // The window's handle, creating the hidden window and its controls first if need be.
  HWND Handle();
  // The window's handle if it has been made, else nullptr.
  HWND ExistingHandle() const { return WindowBase::Handle(); }

  int PlaceForShow() override;
  void Show() override;
  void Hide() override;
  Point Position() const override;
  void MoveTo(Point p) override;
  void Invalidate(const Rect& clientArea) override;
  void ControlChanged(Control& control) override;
  void CapturePointer() override;
  void ReleasePointer() override;
  void ChoiceHighlighted(int index) override;
  void PostClose() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ReportError(const std::string& text) override;
  int DefaultButtonId() const override { return model_.DefaultButtonId(); }
  int CancelButtonId() const override { return model_.CancelButtonId(); }
  void ButtonClicked(int id) override;
  bool TakesDialogKeys() const override { return !model_.OnKeyDown; }
  void HandleDestroyed() override { ReleaseAccessible(); }

 private:
  void ReleaseAccessible();
  void OnPaint();
  // Keys, and the keyboard focus arriving and leaving.
  LRESULT OnKeyboard(UINT message, WPARAM wParam, LPARAM lParam);
  // Fits the window, its font and its children to `dpi`, the window to the outer rectangle
  // `outer`, and schedules a repaint; the model is told by the caller.
  void Rescale(int dpi, const RECT& outer);
  // WM_DPICHANGED: the window takes the suggested outer rectangle, and its art the new scale.
  void OnDpiChanged(int dpi, const RECT& suggested);
  // Over its owner, or where a window without one goes (PlacementOverOwner).
  void Place();
  // The outer rectangle at `dpi` with its top-left corner at `corner`.
  RECT OuterBounds(Point corner, int dpi) const;
  // Pointer moves, presses and releases, and the loss of the capture; false for other messages.
  bool OnPointer(UINT message, LPARAM lParam);
  LRESULT OnControlColour(HDC dc);
  LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
  bool Realised() const { return WindowBase::Handle() != nullptr; }
  void Realise();

  Window& model_;
  Point position_;  // where the window goes while it has no native window yet
  // The scale the native window is laid out for: the system's until the window exists, then
  // its monitor's.
  int dpi_ = 96;
  // The client area, composed before each blit so nothing flickers. One buffer serves every
  // window: painting is synchronous on one thread, and a buffer per window would cost a
  // client area's memory for each screen ever shown.
  Bitmap& buffer_;
  Font font_;
  Brush background_;
  bool shown_ = false;
  ChoicesAccessible* accessible_ = nullptr;  // made on the first request, one reference held
};

}  // namespace kinloom
