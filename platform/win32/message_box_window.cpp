// The launcher's message box: a dialog of our own built from standard controls, so that its
// captions, keys and close box answer as the launcher needs and screen readers can read it.
#include "platform/win32/message_box_window.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "platform/error.h"
#include "platform/win32/clipboard.h"
#include "platform/win32/message_box_layout.h"
#include "platform/win32/monitor_dpi.h"
#include "platform/win32/native_controls.h"
#include "platform/win32/private_messages.h"

namespace kinloom {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kTextId = 0xFFFF;  // IDC_STATIC: not a result code
constexpr int kIconId = 0xFFFE;

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

MessageBoxWindow::MessageBoxWindow(const MessageBoxModel& box) : box_(box) {
  if (box.lookForDisk) autoPlayHeldOff_.emplace();
  WindowCreation creation;
  creation.className = kClassName;
  creation.title = box.caption;
  creation.style = kStyle;
  creation.exStyle = kExStyle;
  Create(creation);
  CreateChildren();
  Resize(Arrange(SystemDpi()));  // placed as it shows
}

void MessageBoxWindow::Resize(SIZE outer) {
  SetWindowPos(Handle(), nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Laid out at the system's scale until then, the box is laid out again for the scale of the
// monitor it lands on, and placed again at its new size.
void MessageBoxWindow::PlaceOverOwner() {
  const auto place = [this] {
    RECT placed;
    if (PlacementOverOwner(true, placed)) {
      SetWindowPos(Handle(), nullptr, placed.left, placed.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  };
  place();
  if (const std::optional<int> monitor = MonitorDpi(Handle()); monitor && *monitor != dpi_) {
    Resize(Arrange(*monitor));
    place();
  }
}

// Made without a place or font; Arrange gives them both.
void MessageBoxWindow::CreateChildren() {
  CreateChildControl(
      Handle(), {L"STATIC", "", WS_VISIBLE | WS_GROUP | SS_ICON, {}, kIconId, "icon"}, nullptr);
  SendDlgItemMessageW(Handle(), kIconId, STM_SETICON,
                      reinterpret_cast<WPARAM>(LoadIconW(nullptr, StandardIcon(box_.icon))), 0);
  // The text is literal: an '&' in a web address marks no accelerator.
  CreateChildControl(Handle(),
                     {L"STATIC",
                      box_.text,
                      WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL,
                      {},
                      kTextId,
                      "text"},
                     nullptr);
  for (std::size_t i = 0; i < box_.buttons.size(); ++i) {
    const bool isDefault = static_cast<int>(i) == box_.defaultIndex;
    // The buttons are one group, which the arrow keys move through.
    const DWORD style = WS_VISIBLE | WS_TABSTOP | (i == 0 ? WS_GROUP : 0) |
                        (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    CreateChildControl(Handle(),
                       {L"BUTTON",
                        box_.buttons[i].caption,
                        style,
                        {},
                        box_.buttons[i].result,
                        box_.buttons[i].caption},
                       nullptr);
  }
}

SIZE MessageBoxWindow::Arrange(int dpi) {
  dpi_ = dpi;
  Font font(CreateMessageFont(dpi));
  const MessageBoxLayout layout =
      LayOutMessageBox(box_, font.Get(), GetSystemMetrics(SM_CXSCREEN) / 2, dpi);
  std::vector<std::pair<int, RECT>> places{{kIconId, layout.icon}, {kTextId, layout.text}};
  for (std::size_t i = 0; i < box_.buttons.size(); ++i) {
    places.emplace_back(box_.buttons[i].result, layout.buttons[i]);
  }
  for (const auto& [id, r] : places) {
    HWND child = GetDlgItem(Handle(), id);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
    SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Swapped: the old font is deleted with `font`, once no child uses it any more.
  font_ = std::move(font);
  const RECT outer = OuterRect({0, 0}, layout.client, kStyle, kExStyle, dpi);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

MessageBoxWindow::~MessageBoxWindow() {
  DestroyNow();  // the children first, while their font still exists
}

ModalRun MessageBoxWindow::ModalRunOver(HWND owner) {
  ModalRun run;
  run.window = Handle();
  run.owner = owner;
  run.show = [this] {
    PlaceOverOwner();
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
    case kDpiChangedMessage: {
      // Laid out anew rather than stretched: the text wraps and the buttons fit their captions.
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      const SIZE outer = Arrange(LOWORD(wParam));
      SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, outer.cx, outer.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      InvalidateRect(Handle(), nullptr, TRUE);
      return 0;
    }
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
