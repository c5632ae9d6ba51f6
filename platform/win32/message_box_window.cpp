// The launcher's message box: a dialog of our own built from standard controls, so that its
// captions, keys and close box answer as the launcher needs and screen readers can read it.
#include "platform/win32/message_box_window.h"

#include <cstddef>

#include "platform/error.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/message_box_layout.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/private_messages.h"

namespace kinloom {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kTextId = 0xFFFF;  // IDC_STATIC: not a result code
constexpr int kIconId = 0xFFFE;

HFONT CreateMessageFont() {
  NONCLIENTMETRICSW metrics{};
  // Built for XP, the structure stops before Vista's iPaddedBorderWidth, which XP would reject.
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

LPCWSTR StandardIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kInformation:
      return reinterpret_cast<LPCWSTR>(IDI_ASTERISK);
    case MessageIcon::kQuestion:
      return reinterpret_cast<LPCWSTR>(IDI_QUESTION);
    case MessageIcon::kStop:
      break;
  }
  return reinterpret_cast<LPCWSTR>(IDI_HAND);
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(const MessageBoxModel& box)
    : box_(box), font_(CreateMessageFont()) {
  if (box.lookForDisk) autoPlayHeldOff_.emplace();
  const MessageBoxLayout layout =
      LayOutMessageBox(box, font_.Get(), GetSystemMetrics(SM_CXSCREEN) / 2);
  WindowCreation creation;
  creation.className = kClassName;
  creation.title = box.caption;
  creation.style = kStyle;
  creation.exStyle = kExStyle;
  creation.bounds = OuterRect({0, 0}, layout.client, kStyle, kExStyle);  // placed as it shows
  Create(creation);

  CreateChildControl(Handle(),
                     {L"STATIC", "", WS_VISIBLE | WS_GROUP | SS_ICON, layout.icon, kIconId, "icon"},
                     font_.Get());
  SendDlgItemMessageW(Handle(), kIconId, STM_SETICON,
                      reinterpret_cast<WPARAM>(LoadIconW(nullptr, StandardIcon(box.icon))), 0);
  // The text is literal: an '&' in a web address marks no accelerator.
  CreateChildControl(Handle(),
                     {L"STATIC", box.text, WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL,
                      layout.text, kTextId, "text"},
                     font_.Get());
  for (std::size_t i = 0; i < box.buttons.size(); ++i) {
    const bool isDefault = static_cast<int>(i) == box.defaultIndex;
    // The buttons are one group, which the arrow keys move through.
    const DWORD style = WS_VISIBLE | WS_TABSTOP | (i == 0 ? WS_GROUP : 0) |
                        (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    CreateChildControl(Handle(),
                       {L"BUTTON", box.buttons[i].caption, style, layout.buttons[i],
                        box.buttons[i].result, box.buttons[i].caption},
                       font_.Get());
  }
}

MessageBoxWindow::~MessageBoxWindow() {
  DestroyNow();  // the children first, while their font still exists
}

ModalRun MessageBoxWindow::ModalRunOver(HWND owner) {
  ModalRun run;
  run.window = Handle();
  run.owner = owner;
  run.show = [this] {
    RECT placed;
    if (PlacementOverOwner(true, placed)) {
      SetWindowPos(Handle(), nullptr, placed.left, placed.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
  };
  run.hide = [this] { ShowWindow(Handle(), SW_HIDE); };
  run.ended = [this] { return result_ != 0; };
  return run;
}

bool MessageBoxWindow::CopyToClipboard() {
  // For a support request: the whole box as text, as the system's own boxes copy it.
  CopyTextToClipboard(Handle(), MessageBoxClipboardText(box_));
  return true;
}

LRESULT MessageBoxWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      result_ = kCloseBoxResult;
      return 0;
    case WM_DEVICECHANGE:
      // Sent, so the modal loop's GetMessage handles it and waits on: only a posted message can
      // end the loop. Posting also answers the broadcast before the drive is read.
      if (box_.lookForDisk && IsMediaArrival(wParam, lParam)) {
        PostMessageW(Handle(), kLookForDiskMessage, 0, 0);
      }
      break;
    case kLookForDiskMessage:
      if (result_ == 0 && box_.lookForDisk && box_.lookForDisk()) ButtonClicked(kResultOk);
      return 0;
    default:
      break;
  }
  return WindowBase::HandleMessage(message, wParam, lParam);
}

void MessageBoxWindow::ButtonClicked(int id) {
  for (const MessageButton& button : box_.buttons) {
    if (button.result == id) result_ = id;
  }
}

}  // namespace kinloom
