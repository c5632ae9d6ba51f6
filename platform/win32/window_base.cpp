// A window procedure that hands each message to a C++ object, behind an exception barrier, and
// what every window of ours does alike: wide titles, keyboard focus, placement, error reports.
#include "platform/win32/window_base.h"

#include <exception>

#include "platform/error.h"
#include "platform/toolkit/application.h"
#include "platform/toolkit/placement.h"
#include "platform/win32/disk_swap.h"
#include "platform/win32/private_messages.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/wide_text.h"

namespace kinloom {

namespace {

// The object's address lives in the class's own extra bytes: GWLP_USERDATA is free for any
// tool that subclasses the window.
constexpr int kSelfIndex = 0;

struct PopupSearch {
  HWND owner;
  HWND found;
};

BOOL CALLBACK FindModalWindow(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<PopupSearch*>(lParam);
  if (!IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) return TRUE;
  for (HWND owner = GetWindow(hwnd, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) {
    if (owner == search->owner) {
      search->found = hwnd;
      return FALSE;
    }
  }
  return TRUE;
}

// The shown, enabled window that `owner` owns, directly or through others: the modal window
// that blocks it. Wine workaround: GetLastActivePopup would answer this on Windows, but under
// Wine it answers the owner itself, so the thread's windows are searched instead.
HWND ModalWindowOver(HWND owner) {
  PopupSearch search{owner, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), FindModalWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

WindowBase* SelfOf(HWND hwnd) {
  return reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, kSelfIndex));
}

HWND windowInUse = nullptr;

// Marks the window in use while one of its messages is handled; a modal loop inside nests.
class InUse {
 public:
  explicit InUse(HWND hwnd) : outer_(windowInUse) { windowInUse = hwnd; }
  ~InUse() { windowInUse = outer_; }
  InUse(const InUse&) = delete;
  InUse& operator=(const InUse&) = delete;

 private:
  HWND outer_;
};

Rect ToRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// The work area of the monitor the window is on (the nearest, should it be on none).
RECT MonitorWorkArea(HWND hwnd) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info)) {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return info.rcWork;
}

}  // namespace

HWND WindowInUse() {
  return windowInUse;
}

RECT CentredOnScreen(const RECT& outer) {
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return {x, y, x + width, y + height};
}

void WindowBase::RegisterWindowClass(const wchar_t* name, UINT style, HICON icon,
                                     HBRUSH background) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, name, &windowClass)) return;
  windowClass.style = style;
  windowClass.lpfnWndProc = Procedure;
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.hInstance = instance;
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  if (!RegisterClassExW(&windowClass)) {
    throw Error("Cannot register the window class " + ToUtf8(name) + ": " +
                SystemErrorText(GetLastError()));
  }
}

WindowBase::~WindowBase() {
  DestroyNow();
}

void WindowBase::DestroyNow() {
  if (!hwnd_) return;
  // The object is going away: the last messages go to the default procedure.
  SetWindowLongPtrW(hwnd_, kSelfIndex, 0);
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  DestroyWindow(hwnd);
}

bool WindowBase::PlacementOverOwner(bool centre, RECT& placed) const {
  RECT outer{};
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if ((!owner && !centre) || !GetWindowRect(hwnd_, &outer)) return false;
  if (!owner) {
    placed = CentredOnScreen(outer);
    return true;
  }
  const Rect area = ToRect(MonitorWorkArea(owner));
  const Rect r = centre
                     ? CentredOnWorkArea(area, {outer.right - outer.left, outer.bottom - outer.top})
                     : KeptOnWorkArea(area, ToRect(outer));
  placed = {r.left, r.top, r.right, r.bottom};
  return true;
}

WindowBase* WindowBase::FromHandle(HWND hwnd) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (!hwnd || process != GetCurrentProcessId()) return nullptr;
  // The class's procedure, not the window's: subclassing replaces only the window's.
  if (GetClassLongPtrW(hwnd, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(Procedure)) {
    return nullptr;
  }
  return SelfOf(hwnd);
}

void WindowBase::Create(const WindowCreation& creation) {
  const RECT& r = creation.bounds;
  HWND hwnd = CreateWindowExW(creation.exStyle, creation.className, ToUtf16(creation.title).c_str(),
                              creation.style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                              nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!hwnd) {
    throw Error("Cannot create the window \"" + creation.title +
                "\": " + SystemErrorText(GetLastError()));
  }
  title_ = creation.title;
}

LRESULT WindowBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      KeepFocus(wParam);
      return 0;
    case WM_NEXTDLGCTL:
      MoveFocus(wParam, lParam);
      return 0;
    case DM_GETDEFID:
      return DefaultButtonId() != 0 ? MAKELRESULT(DefaultButtonId(), DC_HASDEFID) : 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) ButtonClicked(LOWORD(wParam));
      return 0;
    case kPassActivationMessage:
      PassActivation();
      return 0;
    default:
      if (message == QueryCancelAutoPlayMessage() && AutoPlayHeldOff::Active()) return TRUE;
      return DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void WindowBase::KeepFocus(WPARAM activation) {
  if (LOWORD(activation) == WA_INACTIVE) {
    HWND focus = GetFocus();
    savedFocus_ = focus && IsChild(hwnd_, focus) ? focus : nullptr;
    return;
  }
  // Brought forward while disabled (the taskbar, Alt+Tab): the modal window over it takes over.
  if (!IsWindowEnabled(hwnd_)) {
    PostMessageW(hwnd_, kPassActivationMessage, 0, 0);
    return;
  }
  // IsChild also turns away a saved control destroyed since.
  HWND focus = savedFocus_ && IsChild(hwnd_, savedFocus_) ? savedFocus_ : InitialFocus();
  SetFocus(focus ? focus : hwnd_);
}

void WindowBase::PassActivation() {
  if (HWND blocking = ModalWindowOver(hwnd_)) SetForegroundWindow(blocking);
}

void ShowErrorReportBox(HWND owner, const std::string& caption, const std::string& text) {
  MessageBoxW(owner, ToUtf16(text).c_str(), ToUtf16(caption).c_str(),
              MB_ICONSTOP | MB_OK | MB_TASKMODAL);
}

bool IsPushButton(HWND hwnd) {
  return (SendMessageW(hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) !=
         0;
}

HWND WindowBase::FocusedPushButton() const {
  HWND focus = GetFocus();
  return focus && IsChild(hwnd_, focus) && IsPushButton(focus) ? focus : nullptr;
}

bool WindowBase::OnDialogKey(WPARAM key) {
  InUse inUse(hwnd_);
  if (key == 'C') return CopyToClipboard();
  if (!TakesDialogKeys()) return false;
  int id = CancelButtonId();
  if (key == VK_RETURN) {
    HWND focused = FocusedPushButton();
    id = focused ? GetDlgCtrlID(focused) : DefaultButtonId();
  }
  if (id != 0) ButtonClicked(id);
  return true;
}

// As the dialog manager's own windows answer it: a control's handle, or the next or previous
// tab stop.
void WindowBase::MoveFocus(WPARAM target, LPARAM isHandle) {
  HWND next = LOWORD(isHandle) ? reinterpret_cast<HWND>(target)
                               : GetNextDlgTabItem(hwnd_, GetFocus(), target != 0);
  if (!next || !IsChild(hwnd_, next)) return;
  SetFocus(next);
  ShowDefaultFrame(next);
}

// As in a dialog: the push button with the focus wears the default frame, and with the focus
// elsewhere the default button does.
void WindowBase::ShowDefaultFrame(HWND focus) {
  HWND framed = IsPushButton(focus) ? focus : DefaultButton();
  for (HWND child = GetWindow(hwnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsPushButton(child)) {
      SendMessageW(child, BM_SETSTYLE, child == framed ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
  }
}

// The default push button, as in a standard box, else the first tab stop.
HWND WindowBase::InitialFocus() const {
  HWND button = DefaultButton();
  return button ? button : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
}

HWND WindowBase::DefaultButton() const {
  return DefaultButtonId() != 0 ? GetDlgItem(hwnd_, DefaultButtonId()) : nullptr;
}

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowBase* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, kSelfIndex, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = SelfOf(hwnd);
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, kSelfIndex, 0);
    self->hwnd_ = nullptr;
    self->HandleDestroyed();
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  InUse inUse(hwnd);
  // No C++ exception may unwind through user32.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    self->ReportEscapedError(error.what());
  } catch (...) {
    self->ReportEscapedError(Application::kUnknownErrorText);
  }
  return 0;
}

void WindowBase::ReportEscapedError(const char* text) {
  try {
    ReportError(text);
  } catch (...) {
  }
}

void WindowBase::ReportError(const std::string& text) {
  if (WindowBase* owner = FromHandle(GetWindow(hwnd_, GW_OWNER))) return owner->ReportError(text);
  ShowErrorReportBox(hwnd_, title_, ErrorReportText(text));
}

}  // namespace kinloom
