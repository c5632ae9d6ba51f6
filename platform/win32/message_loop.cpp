// The one message pump under the main loop, and the one modal run under every modal window.
#include "platform/win32/message_loop.h"

#include <utility>
#include <vector>

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

bool IsPressOnPushButton(const MSG& msg) {
  const bool clientPress = msg.message == WM_LBUTTONDOWN || msg.message == WM_LBUTTONDBLCLK;
  return clientPress && GetAncestor(msg.hwnd, GA_ROOT) != msg.hwnd && IsPushButton(msg.hwnd);
}

bool IsDialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  const bool copy = msg.wParam == 'C' && GetKeyState(VK_CONTROL) < 0;
  return msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || copy;
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

// Application-modal state for one window: every other enabled, visible top-level window of
// this thread is disabled while it lasts; they keep painting.
class ApplicationModality {
 public:
  explicit ApplicationModality(HWND modal) : previouslyActive_(GetActiveWindow()) {
    DisableContext context{modal, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&context));
  }
  ~ApplicationModality() { Release(); }
  ApplicationModality(const ApplicationModality&) = delete;
  ApplicationModality& operator=(const ApplicationModality&) = delete;

  void Release() {
    for (HWND hwnd : disabled_) EnableWindow(hwnd, TRUE);
    disabled_.clear();
  }
  // Gives activation back to the window that had it before, if it is still shown.
  void Reactivate() const {
    if (previouslyActive_ && IsWindowVisible(previouslyActive_)) {
      SetActiveWindow(previouslyActive_);
    }
  }

 private:
  std::vector<HWND> disabled_;
  HWND previouslyActive_;
};

}  // namespace

void ObserveLeftPresses(PressObserver observer) {
  LeftPressObserver() = std::move(observer);
}

bool PumpMessage() {
  MSG msg;
  BOOL got = GetMessageW(&msg, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1);
    return false;
  }
  if (IsLeftPress(msg) && LeftPressObserver() &&
      LeftPressObserver()(msg.time, Point{msg.pt.x, msg.pt.y}) && IsPressOnPushButton(msg)) {
    // A push button clicks on press and release; without the press, the second press of a
    // double click answers no box that the first click opened under the pointer.
    return true;
  }
  HWND root = nullptr;
  if (WindowBase* window = OurRoot(msg, root)) {
    if (IsDialogKey(msg) && window->OnDialogKey(msg.wParam)) return true;
    // The dialog manager works on any window with controls, not only on dialogs.
    if (GetWindow(root, GW_CHILD) && IsDialogMessageW(root, &msg)) return true;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}

void RunModal(const ModalRun& run) {
  // The owner is set for each run: a window is made before anyone knows what it will block.
  // Windows quirk: GWLP_HWNDPARENT on a top-level window sets its owner, not its parent; it is
  // the one way to change the owner after creation.
  SetWindowLongPtrW(run.window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(run.owner));
  ApplicationModality modality(run.window);
  run.show();
  while (!run.ended() && PumpMessage()) {
  }
  modality.Release();
  run.hide();
  modality.Reactivate();
}

}  // namespace kinloom
