// The one message pump under the main loop, the modal runs and the message box.
#include "platform/win32/message_loop.h"

#include <utility>

#include "platform/win32/window_base.h"

namespace kinloom {

namespace {

PressObserver& LeftPressObserver() {
  static PressObserver observer;
  return observer;
}

// Title bars and close boxes count too: a press there in between makes the next press a first.
bool IsLeftPress(const MSG& msg) {
  switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
}

bool IsDialogKey(const MSG& msg) {
  return msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

// Our window that `msg` is for, or nullptr.
WindowBase* OurRoot(const MSG& msg, HWND& root) {
  if (!msg.hwnd) return nullptr;
  root = GetAncestor(msg.hwnd, GA_ROOT);
  return WindowBase::FromHandle(root);
}

struct DisableContext {
  HWND modal;
  std::vector<HWND>* disabled;
};

BOOL CALLBACK DisableOne(HWND hwnd, LPARAM lParam) {
  auto* context = reinterpret_cast<DisableContext*>(lParam);
  if (hwnd == context->modal || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) return TRUE;
  // Nothing may unwind through user32: on a failed allocation leave this window enabled.
  try {
    context->disabled->push_back(hwnd);
  } catch (...) {
    return FALSE;
  }
  EnableWindow(hwnd, FALSE);
  return TRUE;
}

}  // namespace

void ObserveLeftPresses(PressObserver observer) {
  LeftPressObserver() = std::move(observer);
}

bool PumpMessage() {
  MSG msg;
  BOOL got = GetMessageA(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1);
    return false;
  }
  if (IsLeftPress(msg) && LeftPressObserver()) {
    LeftPressObserver()(msg.time, Point{msg.pt.x, msg.pt.y});
  }
  HWND root = nullptr;
  if (WindowBase* window = OurRoot(msg, root)) {
    if (IsDialogKey(msg) && window->OnDialogKey(msg.wParam)) return true;
    // The dialog manager works on any window with controls, not only on dialogs.
    if (GetWindow(root, GW_CHILD) && IsDialogMessageA(root, &msg)) return true;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

ApplicationModality::ApplicationModality(HWND modal) : previouslyActive_(GetActiveWindow()) {
  DisableContext context{modal, &disabled_};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&context));
}

ApplicationModality::~ApplicationModality() {
  Release();
}

void ApplicationModality::Release() {
  for (HWND hwnd : disabled_) EnableWindow(hwnd, TRUE);
  disabled_.clear();
}

void ApplicationModality::Reactivate() const {
  if (previouslyActive_ && IsWindowVisible(previouslyActive_)) {
    SetActiveWindow(previouslyActive_);
  }
}

}  // namespace kinloom
