// A window procedure that hands each message to a C++ object, behind an exception barrier.
#pragma once

#include <string>

#include "platform/win32/win_api.h"

namespace kinloom {

// What CreateWindowExA needs, gathered so callers name each part.
struct WindowCreation {
  const char* className = nullptr;
  std::string title;
  DWORD style = 0;
  DWORD exStyle = 0;
  RECT bounds{};  // outer rectangle, screen coordinates
  HWND owner = nullptr;
};

class WindowBase {
 public:
  WindowBase() = default;
  virtual ~WindowBase();
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;

  // Registers (once) a class whose windows are WindowBase objects; throws kinloom::Error when
  // it fails.
  static void RegisterWindowClass(const char* name, UINT style, HICON icon, HBRUSH background);

  HWND Handle() const { return hwnd_; }

  // The object behind one of our windows, or nullptr for any other window.
  static WindowBase* FromHandle(HWND hwnd);

  // Enter, Escape or Ctrl+C ('C') pressed in this window or one of its children; true when
  // handled.
  virtual bool OnDialogKey(WPARAM key) = 0;

 protected:
  // Creates the window; throws kinloom::Error when it fails.
  void Create(const WindowCreation& creation);
  // Destroys the window now; its last messages no longer reach this object.
  void DestroyNow();

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // An exception escaped HandleMessage; it must not unwind into user32.
  virtual void OnUncaughtError(const std::string& text) = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void ReportEscapedError(const char* text);

  HWND hwnd_ = nullptr;
};

}  // namespace kinloom
