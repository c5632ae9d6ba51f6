// A window procedure that hands each message to a C++ object, behind an exception barrier, and
// what every window of ours does alike: wide titles, keyboard focus, placement, error reports.
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

// `outer` moved to the middle of the screen.
RECT CentredOnScreen(const RECT& outer);

// Our window whose message is being handled, the innermost when they nest: the window the user
// is working in, which owns what the shell opens for them. nullptr outside every message.
HWND WindowInUse();

// A push button, default or not, of any window (the control's own answer, not its style bits).
bool IsPushButton(HWND hwnd);

// The one box every failure is reported in, the plain system box of the default error report:
// stop icon and OK, over `owner`; without one every window of the program waits for it.
void ShowErrorReportBox(HWND owner, const std::string& caption, const std::string& text);

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

  // Enter, Escape or Ctrl+C ('C') pressed in this window or one of its children, taken before
  // the dialog manager sees it; true when handled. As in a dialog, Enter presses the push button
  // with the focus, else the default button, and Escape the cancel button.
  bool OnDialogKey(WPARAM key);

 protected:
  // The dialog's buttons by control id, 0 for none.
  virtual int DefaultButtonId() const { return 0; }
  virtual int CancelButtonId() const { return 0; }
  // A button child was clicked, by the pointer or by a key.
  virtual void ButtonClicked(int id) = 0;
  // False for a window that takes Enter and Escape as key messages of its own.
  virtual bool TakesDialogKeys() const { return true; }
  // Ctrl+C; true when the window copied something.
  virtual bool CopyToClipboard() { return false; }

  // Creates the window; throws kinloom::Error when it fails.
  void Create(const WindowCreation& creation);
  // Destroys the window now; its last messages no longer reach this object.
  void DestroyNow();
  // The handle died while this object lives (DestroyWindow from elsewhere): what was made for
  // that handle goes with it. Must not throw.
  virtual void HandleDestroyed() {}
  // Where the window goes as it is shown over its owner: centred on the work area of the owner's
  // monitor, or with `centre` false only kept fully on it. A window without an owner is centred
  // on the screen, or stays where it is: then, or when the window's place is unknown, false.
  bool PlacementOverOwner(bool centre, RECT& placed) const;

  // The dialog behaviour every window of ours shares: keeps the keyboard focus across
  // activations, moves it as the dialog manager asks (Tab, arrow keys), names the default button
  // and hands button clicks on; everything else goes to the default procedure.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Reports an error that escaped HandleMessage, which must not unwind into user32: a window
  // reports through the window that owns it, the last one to the default error report box.
  virtual void ReportError(const std::string& text);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void ReportEscapedError(const char* text);
  void KeepFocus(WPARAM activation);
  void MoveFocus(WPARAM target, LPARAM isHandle);
  void PassActivation();
  void ShowDefaultFrame(HWND focus);
  HWND InitialFocus() const;
  HWND DefaultButton() const;
  // The push button child with the keyboard focus, or nullptr.
  HWND FocusedPushButton() const;

  HWND hwnd_ = nullptr;
  std::string title_;
  HWND savedFocus_ = nullptr;
};

}  // namespace kinloom
