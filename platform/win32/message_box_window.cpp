// The launcher's message box: a dialog of our own built from standard controls, so that its
// captions, keys and close box answer as the launcher needs and screen readers can read it.
#include "platform/win32/message_box_window.h"

#include <cstddef>

#include "platform/error.h"
#include "platform/win32/message_box_layout.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/system_error_text.h"

namespace kinloom {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kTextId = 0xFFFF;  // IDC_STATIC: not a result code
constexpr int kIconId = 0xFFFE;

HFONT CreateMessageFont() {
  NONCLIENTMETRICSA metrics{};
  // Built for XP, the structure stops before Vista's iPaddedBorderWidth, which XP would reject.
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  return CreateFontIndirectA(&metrics.lfMessageFont);
}

LPCSTR StandardIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return reinterpret_cast<LPCSTR>(IDI_ASTERISK);
    case MessageIcon::kQuestion:
      return reinterpret_cast<LPCSTR>(IDI_QUESTION);
    case MessageIcon::kStop:
      break;
  }
  return reinterpret_cast<LPCSTR>(IDI_HAND);
}

RECT CentredOnScreen(SIZE client) {
  RECT outer{0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return {x, y, x + width, y + height};
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(const MessageBoxModel& box)
    : box_(box), font_(CreateMessageFont()) {
  const MessageBoxLayout layout = LayOutMessageBox(box, font_, GetSystemMetrics(SM_CXSCREEN) / 2);
  WindowCreation creation;
  creation.className = kClassName;
  creation.title = box.caption;
  creation.style = kStyle;
  creation.exStyle = kExStyle;
  creation.bounds = CentredOnScreen(layout.client);
  creation.owner = GetActiveWindow();
  Create(creation);

  CreateChild("STATIC", "", SS_ICON, layout.icon, kIconId);
  SendDlgItemMessageA(Handle(), kIconId, STM_SETICON,
                      reinterpret_cast<WPARAM>(LoadIconA(nullptr, StandardIcon(box.icon))), 0);
  // The text is literal: an '&' in a web address marks no accelerator.
  CreateChild("STATIC", box.text, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, layout.text, kTextId);
  for (std::size_t i = 0; i < box.buttons.size(); ++i) {
    const bool isDefault = static_cast<int>(i) == box.defaultIndex;
    HWND button = CreateChild("BUTTON", box.buttons[i].caption,
                              WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                              layout.buttons[i], box.buttons[i].result);
    if (isDefault || (!initialFocus_ && static_cast<int>(i) == box.cancelIndex)) {
      initialFocus_ = button;
    }
  }
}

MessageBoxWindow::~MessageBoxWindow() {
  DestroyNow();  // the children first, while their font still exists
  DeleteObject(font_);
}

HWND MessageBoxWindow::CreateChild(const char* className, const std::string& text, DWORD style,
                                   const RECT& r, int id) {
  HWND child = CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left,
                               r.top, r.right - r.left, r.bottom - r.top, Handle(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
  if (!child)
    throw Error("Cannot create a message box control: " + SystemErrorText(GetLastError()));
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return child;
}

int MessageBoxWindow::Run() {
  ApplicationModality modality(Handle());
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  while (result_ == 0 && PumpMessage()) {
  }
  modality.Release();
  ShowWindow(Handle(), SW_HIDE);
  modality.Reactivate();
  return result_ != 0 ? result_ : kCloseBoxResult;
}

bool MessageBoxWindow::OnDialogKey(WPARAM key) {
  HWND focused = GetFocus();
  if (key == VK_RETURN && focused && IsChild(Handle(), focused) &&
      GetDlgCtrlID(focused) != kTextId && GetDlgCtrlID(focused) != kIconId) {
    result_ = GetDlgCtrlID(focused);  // a button with the focus answers Enter itself
  } else if (key == VK_RETURN && box_.defaultIndex >= 0) {
    result_ = box_.buttons[box_.defaultIndex].result;
  } else if (key == VK_ESCAPE && box_.cancelIndex >= 0) {
    result_ = box_.buttons[box_.cancelIndex].result;
  }
  return true;
}

LRESULT MessageBoxWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ACTIVATE:
      OnActivate(wParam);
      return 0;
    case WM_COMMAND:
      OnCommand(wParam);
      return 0;
    case DM_GETDEFID:
      return box_.defaultIndex >= 0
                 ? MAKELRESULT(box_.buttons[box_.defaultIndex].result, DC_HASDEFID)
                 : 0;
    case WM_CLOSE:
      result_ = kCloseBoxResult;
      return 0;
    default:
      return WindowBase::HandleMessage(message, wParam, lParam);
  }
}

void MessageBoxWindow::OnUncaughtError(const std::string& text) {
  MessageBoxA(Handle(), text.c_str(), box_.caption.c_str(), MB_ICONSTOP | MB_OK);
}

void MessageBoxWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    savedFocus_ = GetFocus();
    return;
  }
  HWND focus = savedFocus_ && IsChild(Handle(), savedFocus_) ? savedFocus_ : initialFocus_;
  SetFocus(focus ? focus : Handle());
}

void MessageBoxWindow::OnCommand(WPARAM wParam) {
  if (HIWORD(wParam) != BN_CLICKED) return;
  const int id = LOWORD(wParam);
  for (const MessageButton& button : box_.buttons) {
    if (button.result == id) result_ = id;
  }
}

}  // namespace kinloom
