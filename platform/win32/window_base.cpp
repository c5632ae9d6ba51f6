// A window procedure that hands each message to a C++ object, behind an exception barrier.
#include "platform/win32/window_base.h"

#include <exception>

#include "platform/error.h"
#include "platform/win32/system_error_text.h"

namespace kinloom {

void WindowBase::RegisterWindowClass(const char* name, UINT style, HICON icon, HBRUSH background) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExA(instance, name, &windowClass)) return;
  windowClass.style = style;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  if (!RegisterClassExA(&windowClass)) {
    throw Error(std::string("Cannot register the window class ") + name + ": " +
                SystemErrorText(GetLastError()));
  }
}

WindowBase::~WindowBase() {
  DestroyNow();
}

void WindowBase::DestroyNow() {
  if (!hwnd_) return;
  // The object is going away: the last messages go to the default procedure.
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  DestroyWindow(hwnd);
}

WindowBase* WindowBase::FromHandle(HWND hwnd) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (!hwnd || process != GetCurrentProcessId()) return nullptr;
  if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(Procedure)) {
    return nullptr;
  }
  return reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void WindowBase::Create(const WindowCreation& creation) {
  const RECT& r = creation.bounds;
  HWND hwnd = CreateWindowExA(creation.exStyle, creation.className, creation.title.c_str(),
                              creation.style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                              creation.owner, nullptr, GetModuleHandleA(nullptr), this);
  if (!hwnd) {
    throw Error("Cannot create the window \"" + creation.title +
                "\": " + SystemErrorText(GetLastError()));
  }
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowBase* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  // No C++ exception may unwind through user32.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    self->ReportEscapedError(error.what());
  } catch (...) {
    self->ReportEscapedError("An unexpected error occurred");
  }
  return 0;
}

void WindowBase::ReportEscapedError(const char* text) {
  try {
    OnUncaughtError(text);
  } catch (...) {
  }
}

}  // namespace kinloom
