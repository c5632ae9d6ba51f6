// The Win32 side of one toolkit window: a top-level window that paints the window's pictures
// and turns its messages into the window's portable events.
#include "platform/win32/toolkit_window.h"

#include <algorithm>

#include "platform/toolkit/application.h"
#include "platform/win32/native_controls.h"

namespace kinloom {

namespace {

// Posted to ourselves on activation: the handler may show a modal window, which must not run
// inside WM_ACTIVATE, and the window is visible and active by the time it arrives.
constexpr UINT kActivatedMessage = WM_APP + 1;

DWORD StyleFor(const Window& window) {
  // No WS_CLIPCHILDREN: a bevel's inside belongs to the window (painting excludes the others).
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  if (window.border == BorderStyle::kSingle && window.minimizeBox) style |= WS_MINIMIZEBOX;
  return style;
}

DWORD ExStyleFor(const Window& window) {
  return window.border == BorderStyle::kDialog ? WS_EX_DLGMODALFRAME : 0;
}

COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

Point PointFrom(LPARAM lParam) {
  // Signed: while the pointer is captured it may lie left of or above the client area.
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

Bitmap& SharedPaintBuffer() {
  static Bitmap buffer;
  return buffer;
}

// Grows the shared buffer to hold a client area of that size as well as those before.
void FitPaintBuffer(int width, int height) {
  Bitmap& buffer = SharedPaintBuffer();
  if (width <= buffer.Width() && height <= buffer.Height()) return;
  buffer = Bitmap(std::max(width, buffer.Width()), std::max(height, buffer.Height()));
}

// A fixed dialog frame offers only Move and Close in its system menu.
void TrimDialogSystemMenu(HWND hwnd) {
  HMENU menu = GetSystemMenu(hwnd, FALSE);
  for (UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
    DeleteMenu(menu, command, MF_BYCOMMAND);
  }
}

// Keeps painting off the children, and off the frame of each bevel but not its inside.
void ExcludeChildren(HWND parent, HDC dc) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    if (!IsFrameOnly(child)) {
      ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
      continue;
    }
    ExcludeClipRect(dc, r.left, r.top, r.right, r.top + 1);
    ExcludeClipRect(dc, r.left, r.bottom - 1, r.right, r.bottom);
    ExcludeClipRect(dc, r.left, r.top, r.left + 1, r.bottom);
    ExcludeClipRect(dc, r.right - 1, r.top, r.right, r.bottom);
  }
}

}  // namespace

ToolkitWindow::ToolkitWindow(Window& model)
    : model_(model), position_(model.Position()), buffer_(SharedPaintBuffer()) {}

HWND ToolkitWindow::Handle() {
  if (!Realised()) Realise();
  return WindowBase::Handle();
}

void ToolkitWindow::Realise() {
  FitPaintBuffer(model_.clientWidth, model_.clientHeight);
  WindowCreation creation;
  creation.className = model_.border == BorderStyle::kDialog ? kDialogClassName : kClassName;
  creation.title = model_.title;
  creation.style = StyleFor(model_);
  creation.exStyle = ExStyleFor(model_);
  RECT outer{0, 0, model_.clientWidth, model_.clientHeight};
  AdjustWindowRectEx(&outer, creation.style, FALSE, creation.exStyle);
  creation.bounds = {position_.x, position_.y, position_.x + outer.right - outer.left,
                     position_.y + outer.bottom - outer.top};
  Create(creation);
  font_ = CreateWindowFont(model_);
  background_ = CreateSolidBrush(ToColorRef(model_.colour));
  if (model_.border == BorderStyle::kDialog) TrimDialogSystemMenu(Handle());
  CreateNativeControls(model_, Handle(), font_);
}

ToolkitWindow::~ToolkitWindow() {
  if (!Realised()) return;
  DestroyNow();  // the children first, while their font still exists
  DeleteObject(font_);
  DeleteObject(background_);
}

void ToolkitWindow::Show() {
  if (!shown_ && model_.centredOnFirstShow) CentreOnScreen();
  shown_ = true;
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void ToolkitWindow::Hide() {
  if (Realised()) ShowWindow(Handle(), SW_HIDE);
}

Point ToolkitWindow::Position() const {
  if (!Realised()) return position_;
  RECT r;
  GetWindowRect(WindowBase::Handle(), &r);
  return {r.left, r.top};
}

void ToolkitWindow::MoveTo(Point p) {
  position_ = p;
  if (!Realised()) return;
  SetWindowPos(Handle(), nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ToolkitWindow::Invalidate(const Rect& clientArea) {
  if (!Realised()) return;  // its first paint composes everything
  RECT r{clientArea.left, clientArea.top, clientArea.right, clientArea.bottom};
  InvalidateRect(Handle(), &r, FALSE);
}

void ToolkitWindow::ControlChanged(Control& control) {
  if (Realised()) UpdateNativeControl(Handle(), control);  // else made from the model later
}

void ToolkitWindow::CapturePointer() {
  if (Realised()) SetCapture(Handle());
}

void ToolkitWindow::ReleasePointer() {
  if (Realised() && GetCapture() == Handle()) ReleaseCapture();
}

void ToolkitWindow::PostClose() {
  PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

bool ToolkitWindow::OnDialogKey(WPARAM key) {
  if (key == VK_RETURN) {
    // A button with the focus answers Enter itself; otherwise the default button does.
    if (HWND focused = FocusedPushButton(Handle())) {
      model_.ButtonCommand(GetDlgCtrlID(focused));
    } else {
      model_.KeyPress(Key::kEnter);
    }
  } else {
    model_.KeyPress(Key::kEscape);
  }
  return true;
}

LRESULT ToolkitWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole area; erasing first would flicker
    case WM_MOUSEMOVE:
      model_.MouseMove(PointFrom(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      model_.MouseDown(PointFrom(lParam), MouseButton::kLeft);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      model_.MouseDown(PointFrom(lParam), MouseButton::kRight);
      return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      model_.MouseDown(PointFrom(lParam), MouseButton::kMiddle);
      return 0;
    case WM_LBUTTONUP:
      model_.MouseUp(PointFrom(lParam), MouseButton::kLeft);
      return 0;
    case WM_RBUTTONUP:
      model_.MouseUp(PointFrom(lParam), MouseButton::kRight);
      return 0;
    case WM_MBUTTONUP:
      model_.MouseUp(PointFrom(lParam), MouseButton::kMiddle);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != Handle()) model_.CaptureLost();
      return 0;
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case kActivatedMessage:
      if (GetActiveWindow() == Handle()) model_.Activated();
      return 0;
    case WM_COMMAND:
      OnCommand(wParam);
      return 0;
    case DM_GETDEFID:
      return DefaultButtonId();
    case WM_DRAWITEM:
      return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
      // Close box, system menu Close and Alt+F4 all arrive here.
      model_.Close();
      return 0;
    case WM_ENDSESSION:
      if (wParam) model_.EndSession();
      return 0;
    default:
      return WindowBase::HandleMessage(message, wParam, lParam);
  }
}

void ToolkitWindow::OnUncaughtError(const std::string& text) {
  if (Application* application = model_.App()) {
    application->ReportError(text);
  } else {
    MessageBoxA(Handle(), text.c_str(), model_.title.c_str(), MB_ICONSTOP | MB_OK);
  }
}

void ToolkitWindow::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  ExcludeChildren(Handle(), dc);
  const RECT& r = paint.rcPaint;
  model_.Compose({r.left, r.top, r.right, r.bottom}, buffer_);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = buffer_.Width();
  info.bmiHeader.biHeight = -buffer_.Height();  // top-down rows, as the buffer holds them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  // The whole buffer in one call; the paint DC is clipped to the invalid region.
  SetDIBitsToDevice(dc, 0, 0, buffer_.Width(), buffer_.Height(), 0, 0, 0, buffer_.Height(),
                    buffer_.Row(0), &info, DIB_RGB_COLORS);
  EndPaint(Handle(), &paint);
}

void ToolkitWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    savedFocus_ = focus && IsChild(Handle(), focus) ? focus : nullptr;
    return;
  }
  HWND focus = savedFocus_ && IsWindow(savedFocus_) ? savedFocus_ : FirstTabStop(Handle());
  SetFocus(focus ? focus : Handle());
  PostMessageA(Handle(), kActivatedMessage, 0, 0);
}

void ToolkitWindow::OnCommand(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return;
  const int id = LOWORD(wParam);
  const Control* control = model_.ControlById(id);
  if (!control) return;
  if (control->Kind() == ControlKind::kPushButton) {
    model_.ButtonCommand(id);
  } else if (control->Kind() == ControlKind::kCheckBox) {
    model_.CheckBoxChanged(id, IsDlgButtonChecked(Handle(), id) == BST_CHECKED);
  }
}

LRESULT ToolkitWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_STATIC) return FALSE;
  RECT r = item.rcItem;
  DrawEdge(item.hDC, &r, BDR_SUNKENOUTER, BF_RECT);  // a lowered box, one pixel wide
  return TRUE;
}

LRESULT ToolkitWindow::OnControlColour(HDC dc) {
  // Labels and the check box sit on the window's own colour, not the system's.
  SetBkColor(dc, ToColorRef(model_.colour));
  return reinterpret_cast<LRESULT>(background_);
}

LRESULT ToolkitWindow::DefaultButtonId() const {
  for (const Control* control : model_.Controls()) {
    if (control->Kind() == ControlKind::kPushButton &&
        static_cast<const PushButton*>(control)->isDefault) {
      return MAKELRESULT(control->id, DC_HASDEFID);
    }
  }
  return 0;
}

void ToolkitWindow::CentreOnScreen() {
  RECT r;
  GetWindowRect(Handle(), &r);
  const int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
  MoveTo({x, y});
}

}  // namespace kinloom
