// The Win32 side of one toolkit window: a top-level window that paints the window's pictures
// and turns its messages into the window's portable events.
#include "platform/win32/toolkit_window.h"

#include <algorithm>
#include <optional>

#include "platform/toolkit/application.h"
#include "platform/toolkit/display_scale.h"
#include "platform/win32/key_input.h"
#include "platform/win32/monitor_dpi.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/private_messages.h"

namespace kinloom {

namespace {

DWORD StyleFor(const Window& window) {
  // A dialog is a pop-up, as standard dialogs are.
  if (window.border == BorderStyle::kDialog) {
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  }
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (window.minimizeBox) style |= WS_MINIMIZEBOX;
  return style;
}

// A screen has a taskbar button even while it is owned by the hidden main menu it stands in
// for; a dialog never has one, its owner's leads to it.
DWORD ExStyleFor(const Window& window) {
  return window.border == BorderStyle::kDialog ? WS_EX_DLGMODALFRAME : WS_EX_APPWINDOW;
}

COLORREF ToColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Black on a light colour, white on a dark one, by the colour's luma.
COLORREF TextColourOn(std::uint32_t rgb) {
  const unsigned luma = 299 * ((rgb >> 16) & 0xFF) + 587 * ((rgb >> 8) & 0xFF) + 114 * (rgb & 0xFF);
  return luma >= 128 * 1000 ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

// Each button's press, second press of a double click (a press like any other) and release.
constexpr struct {
  UINT press, secondPress, release;
  MouseButton button;
} kMouseButtons[] = {
    {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP, MouseButton::kLeft},
    {WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_RBUTTONUP, MouseButton::kRight},
    {WM_MBUTTONDOWN, WM_MBUTTONDBLCLK, WM_MBUTTONUP, MouseButton::kMiddle},
};

Point PointFrom(LPARAM lParam) {
  // Signed: while the pointer is captured it may lie left of or above the client area.
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Notes where the pointer was for the message being handled; true when that is elsewhere than
// at the last note. A window that appears under a pointer at rest gets a move message too.
bool NotePointerPosition() {
  static DWORD last = 0xFFFFFFFF;
  const DWORD now = GetMessagePos();
  const bool moved = now != last;
  last = now;
  return moved;
}

Bitmap& SharedPaintBuffer() {
  static Bitmap buffer;
  return buffer;
}

// Grows the shared buffer to hold a client area of that size as well as those before, at any
// scale.
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

// Bevels are drawn by the window itself, over its pictures: a lowered frame, one pixel wide at
// 96 DPI and as wide as a pixel scales to at other scales.
void DrawBevels(const Window& window, HDC dc, int dpi) {
  const int lines = std::max(1, ScaleToDpi(1, dpi));
  for (const Control* control : window.Controls()) {
    if (control->Kind() != ControlKind::kBevel || !control->visible) continue;
    const Rect r = ScaleToDpi(control->Bounds(), dpi);
    for (int i = 0; i < lines; ++i) {
      RECT edge{r.left + i, r.top + i, r.right - i, r.bottom - i};
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
  }
}

}  // namespace

ToolkitWindow::ToolkitWindow(Window& model)
    : model_(model), position_(model.Position()), buffer_(SharedPaintBuffer()) {}

HWND ToolkitWindow::Handle() {
  if (!Realised()) Realise();
  return WindowBase::Handle();
}

// Made at the system's scale, the window learns its monitor's scale once it exists, and fits it
// before its children are made.
void ToolkitWindow::Realise() {
  dpi_ = SystemDpi();
  background_ = Brush(CreateSolidBrush(ToColorRef(model_.colour)));
  WindowCreation creation;
  creation.className = model_.border == BorderStyle::kDialog ? kDialogClassName : kClassName;
  creation.title = model_.title;
  creation.style = StyleFor(model_);
  creation.exStyle = ExStyleFor(model_);
  creation.bounds = OuterBounds(position_, dpi_);
  Create(creation);
  HWND hwnd = WindowBase::Handle();
  if (const std::optional<int> monitor = MonitorDpi(hwnd); monitor && *monitor != dpi_) {
    dpi_ = *monitor;
    const RECT r = OuterBounds(position_, dpi_);
    SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FitPaintBuffer(ScaleToDpi(model_.clientWidth, dpi_), ScaleToDpi(model_.clientHeight, dpi_));
  font_ = Font(CreateWindowFont(model_, dpi_));
  if (model_.border == BorderStyle::kDialog) TrimDialogSystemMenu(hwnd);
  CreateNativeControls(model_, hwnd, font_.Get(), dpi_);
}

RECT ToolkitWindow::OuterBounds(Point corner, int dpi) const {
  const DWORD style = StyleFor(model_);
  return OuterRect({corner.x, corner.y},
                   {ScaleToDpi(model_.clientWidth, dpi), ScaleToDpi(model_.clientHeight, dpi)},
                   style, ExStyleFor(model_), dpi);
}

// A window placed on a monitor of another scale is fitted to it there, and placed again at its
// new size: a hidden window moved is not always told of the change.
int ToolkitWindow::PlaceForShow() {
  Place();
  if (const std::optional<int> monitor = MonitorDpi(Handle()); monitor && *monitor != dpi_) {
    Rescale(*monitor, OuterBounds(Position(), *monitor));
    Place();
  }
  return dpi_;
}

void ToolkitWindow::Place() {
  Handle();  // realised, and owned by now if a modal run shows it
  // The main menu has no owner and keeps its own place after its first show.
  RECT placed;
  if (PlacementOverOwner(!shown_ && model_.centredOnFirstShow, placed)) {
    MoveTo({placed.left, placed.top});
  }
}

void ToolkitWindow::OnDpiChanged(int dpi, const RECT& suggested) {
  Rescale(dpi, suggested);
  model_.SetDpi(dpi);
}

void ToolkitWindow::Rescale(int dpi, const RECT& outer) {
  dpi_ = dpi;
  FitPaintBuffer(ScaleToDpi(model_.clientWidth, dpi), ScaleToDpi(model_.clientHeight, dpi));
  Font font(CreateWindowFont(model_, dpi));
  RescaleNativeControls(model_, Handle(), font.Get(), dpi);
  // Swapped: the old font is deleted with `font`, once no child uses it any more.
  font_ = std::move(font);
  SetWindowPos(Handle(), nullptr, outer.left, outer.top, outer.right - outer.left,
               outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Handle(), nullptr, FALSE);
}

ToolkitWindow::~ToolkitWindow() {
  ReleaseAccessible();
  DestroyNow();  // the children first, while their font still exists
}

// Clients may hold the object longer than the handle lives; a new handle gets a new object.
void ToolkitWindow::ReleaseAccessible() {
  if (!accessible_) return;
  accessible_->Disconnect();
  accessible_->Release();
  accessible_ = nullptr;
}

void ToolkitWindow::Show() {
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
  const Rect scaled = ScaleToDpi(clientArea, dpi_);
  RECT r{scaled.left, scaled.top, scaled.right, scaled.bottom};
  InvalidateRect(Handle(), &r, FALSE);
}

void ToolkitWindow::ControlChanged(Control& control) {
  if (Realised()) UpdateNativeControl(Handle(), control, dpi_);  // else made from the model later
}

void ToolkitWindow::CapturePointer() {
  if (Realised()) SetCapture(Handle());
}

void ToolkitWindow::ReleasePointer() {
  if (Realised() && GetCapture() == Handle()) ReleaseCapture();
}

void ToolkitWindow::ChoiceHighlighted(int index) {
  // Screen readers speak the choice that takes the focus, which only the window with the
  // keyboard focus has: the pointer passing over a window in the background says nothing.
  if (Realised() && GetFocus() == Handle()) {
    NotifyWinEvent(EVENT_OBJECT_FOCUS, Handle(), OBJID_CLIENT, index + 1);
  }
}

void ToolkitWindow::PostClose() {
  PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

LRESULT ToolkitWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting covers the whole area; erasing first would flicker
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return OnKeyboard(message, wParam, lParam);
    case WM_GETOBJECT:
      return OnGetObject(wParam, lParam);
    case kRunChoiceMessage:
      // A box may have come up, or the window gone, since the request was accepted.
      if (TakesInput(Handle())) model_.RunChoice(static_cast<int>(wParam));
      return 0;
    case WM_ACTIVATE:
      WindowBase::HandleMessage(message, wParam, lParam);
      if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(Handle(), kActivatedMessage, 0, 0);
      return 0;
    case kActivatedMessage:
      if (GetActiveWindow() == Handle()) model_.Activated();
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnControlColour(reinterpret_cast<HDC>(wParam));
    case WM_CLOSE:
      // Close box, system menu Close and Alt+F4 all arrive here.
      model_.Close();
      return 0;
    case WM_ENDSESSION:
      if (wParam) model_.EndSession();
      return 0;
    case kDpiChangedMessage:
      OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    default:
      return OnPointer(message, lParam) ? 0 : WindowBase::HandleMessage(message, wParam, lParam);
  }
}

LRESULT ToolkitWindow::OnKeyboard(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KILLFOCUS) {
    model_.KeyboardLost();
    return 0;
  }
  if (message == WM_SETFOCUS) {
    // The highlight the pointer moved while the keyboard was elsewhere is heard on arrival.
    const int highlighted = model_.choices ? model_.choices->HighlightedChoice() : -1;
    if (highlighted >= 0) ChoiceHighlighted(highlighted);
  } else if (ForwardKey(model_, message, wParam, lParam)) {
    return 0;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}

bool ToolkitWindow::OnPointer(UINT message, LPARAM lParam) {
  // The model takes the pointer in 96-DPI numbers, as it lays its pictures out.
  const Point at = UnscaleFromDpi(PointFrom(lParam), dpi_);
  if (message == WM_MOUSEMOVE) {
    model_.MouseMove(at, NotePointerPosition());
    return true;
  }
  if (message == WM_CAPTURECHANGED) {
    if (reinterpret_cast<HWND>(lParam) != Handle()) model_.CaptureLost();
    return true;
  }
  for (const auto& row : kMouseButtons) {
    if (message == row.press || message == row.secondPress) {
      model_.MouseDown(at, row.button);
      return true;
    }
    if (message == row.release) {
      model_.MouseUp(at, row.button);
      return true;
    }
  }
  return false;
}

void ToolkitWindow::ReportError(const std::string& text) {
  if (Application* application = model_.App()) return application->ReportError(text);
  WindowBase::ReportError(text);
}

void ToolkitWindow::OnPaint() {
  PaintDc dc(Handle());
  const RECT& r = dc.Area();
  model_.Compose({r.left, r.top, r.right, r.bottom}, buffer_);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = buffer_.Width();
  info.bmiHeader.biHeight = -buffer_.Height();  // top-down rows, as the buffer holds them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  // The whole buffer in one call; the paint DC is clipped to the invalid region.
  SetDIBitsToDevice(dc.Get(), 0, 0, buffer_.Width(), buffer_.Height(), 0, 0, 0, buffer_.Height(),
                    buffer_.Row(0), &info, DIB_RGB_COLORS);
  DrawBevels(model_, dc.Get(), dpi_);
}

void ToolkitWindow::ButtonClicked(int id) {
  const Control* control = model_.ControlById(id);
  if (!control) return;
  if (control->Kind() == ControlKind::kPushButton) {
    model_.ButtonCommand(id);
  } else if (control->Kind() == ControlKind::kCheckBox) {
    model_.CheckBoxChanged(id, IsDlgButtonChecked(Handle(), id) == BST_CHECKED);
  }
}

LRESULT ToolkitWindow::OnControlColour(HDC dc) {
  // Labels and the check box sit on the window's own colour, not the system's, so their text
  // takes a colour that reads on it: a high-contrast scheme's white text would vanish there.
  SetBkColor(dc, ToColorRef(model_.colour));
  SetTextColor(dc, TextColourOn(model_.colour));
  return reinterpret_cast<LRESULT>(background_.Get());
}

LRESULT ToolkitWindow::OnGetObject(WPARAM wParam, LPARAM lParam) {
  // The object id is a 32-bit value, whatever the width of lParam.
  if (static_cast<LONG>(lParam) != OBJID_CLIENT || !model_.choices) {
    return WindowBase::HandleMessage(WM_GETOBJECT, wParam, lParam);
  }
  if (!accessible_) accessible_ = new ChoicesAccessible(Handle(), model_);
  return LresultFromObject(IID_IAccessible, wParam, accessible_);
}

}  // namespace kinloom
