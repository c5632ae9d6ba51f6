// A window procedure that hands each message to a C++ object, behind an exception barrier, and
// what every window of ours does alike: wide titles, keyboard focus, placement.
#pragma once

#include <string>

#include "platform/win32/win_api.h"

namespace kinloom {

// What CreateWindowExW needs, gathered so callers name each part.
struct WindowCreation {
  const wchar_t* className = nullptr;
  std::string title;  // UTF-8
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT bounds{};  // outer rectangle, screen coordinates
};

// The outer rectangle of a window with this client size and these styles, its top-left corner
// at `corner`.
RECT OuterRect(POINT corner, SIZE client, DWORD style, DWORD exStyle);
// `outer` moved to the middle of the screen.
RECT CentredOnScreen(const RECT& outer);

// A push button, default or not, of any window (the control's own answer, not its style bits).
bool IsPushButton(HWND hwnd);

class WindowBase {
 public:
  WindowBase() = default;
  virtual ~WindowBase();
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  // Registers (once) a class whose windows are WindowBase objects; throws kinloom::Error when
  // it fails.
  static void RegisterWindowClass(const wchar_t* name, UINT style, HICON icon, HBRUSH background);

  HWND Handle() const { return hwnd_; }

  // The object behind one of our windows, or nullptr for any other window. Known by its class,
  // so a window that another tool has subclassed is still ours.
  static WindowBase* FromHandle(HWND hwnd);

  // Enter, Escape or Ctrl+C ('C') pressed in this window or one of its children; true when
  // handled.
  virtual bool OnDialogKey(WPARAM key) = 0;

 protected:
  // The push button child with the keyboard focus, or nullptr.
  HWND FocusedPushButton() const;
  // Creates the window; throws kinloom::Error when it fails.
  void Create(const WindowCreation& creation);
  // Destroys the window now; its last messages no longer reach this object.
  void DestroyNow();

  // Keeps the keyboard focus across activations as dialogs do, and moves it as the dialog
  // manager asks (Tab, arrow keys); everything else goes to the default procedure.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // An exception escaped HandleMessage; it must not unwind into user32.
  virtual void OnUncaughtError(const std::string& text) = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void ReportEscapedError(const char* text);
  void KeepFocus(WPARAM activation);
  void MoveFocus(WPARAM target, LPARAM isHandle);
  void PassActivation();
  void ShowDefaultFrame(HWND focus);
  HWND InitialFocus() const;

  HWND hwnd_ = nullptr;
  HWND savedFocus_ = nullptr;
};

}  // namespace kinloom
