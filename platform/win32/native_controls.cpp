// Standard child controls: the one way every window of ours makes them, and the native
// children of a toolkit window's push buttons, check boxes and labels.
#include "platform/win32/native_controls.h"

#include <algorithm>
#include <vector>

#include "platform/error.h"
#include "platform/toolkit/display_scale.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/system_error_text.h"
#include "platform/win32/wide_text.h"

namespace kinloom {

namespace {

bool TakesFocus(const Control& control) {
  return control.Kind() == ControlKind::kPushButton || control.Kind() == ControlKind::kCheckBox;
}

int TabOrder(const Control& control) {
  return static_cast<const ButtonControl&>(control).tabOrder;
}

DWORD ButtonStyle(const Control& control) {
  if (control.Kind() == ControlKind::kCheckBox) return BS_AUTOCHECKBOX;
  return static_cast<const PushButton&>(control).isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

// The class, text and style of the control's child; no class for what the window paints itself.
ChildControl ChildFor(const Control& control, int dpi) {
  ChildControl child;
  const Rect place = ScaleToDpi(control.Bounds(), dpi);
  child.bounds = {place.left, place.top, place.right, place.bottom};
  child.id = control.id;
  child.name = control.name;
  child.style = control.visible ? WS_VISIBLE : 0;
  switch (control.Kind()) {
    case ControlKind::kPushButton:
    case ControlKind::kCheckBox:
      child.className = L"BUTTON";
      child.text = static_cast<const ButtonControl&>(control).caption;
      child.style |= WS_TABSTOP | ButtonStyle(control);
      break;
    case ControlKind::kLabel: {
      const auto& label = static_cast<const Label&>(control);
      child.className = L"STATIC";
      child.text = label.text;
      // Label text is literal: an ampersand is shown, not taken as an accelerator.
      child.style |= SS_NOPREFIX | (label.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
      break;
    }
    case ControlKind::kBevel:
    case ControlKind::kPicture:
      break;
  }
  return child;
}

// A label sized to its text keeps its top-left corner.
void FitLabelToText(HWND child, const Label& label, HFONT font, int dpi) {
  if (label.text.empty()) return;
  const std::wstring text = ToUtf16(label.text);
  RECT r{0, 0, label.wordWrap ? ScaleToDpi(label.width, dpi) : 0, 0};
  {
    WindowDc dc(child);
    Selection selection(dc.Get(), font);
    DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_NOPREFIX | (label.wordWrap ? DT_WORDBREAK : 0));
  }
  SetWindowPos(child, nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetChecked(HWND child, const Control& control) {
  if (control.Kind() != ControlKind::kCheckBox) return;
  SendMessageW(child, BM_SETCHECK,
               static_cast<const CheckBox&>(control).checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

HWND CreateChildControl(HWND parent, const ChildControl& child, HFONT font) {
  const RECT& r = child.bounds;
  HWND hwnd = CreateWindowExW(
      0, child.className, ToUtf16(child.text).c_str(), WS_CHILD | child.style, r.left, r.top,
      r.right - r.left, r.bottom - r.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.id)), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) {
    throw Error("Cannot create the control " + child.name + ": " + SystemErrorText(GetLastError()));
  }
  SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return hwnd;
}

HFONT CreateWindowFont(const Window& window, int dpi) {
  return CreateFontW(-MulDiv(window.fontPointSize, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                     FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, ToUtf16(window.fontName).c_str());
}

void CreateNativeControls(const Window& window, HWND parent, HFONT font, int dpi) {
  std::vector<const Control*> order(window.Controls().begin(), window.Controls().end());
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    if (TakesFocus(*a) != TakesFocus(*b)) return TakesFocus(*a);
    return TakesFocus(*a) && TabOrder(*a) < TabOrder(*b);
  });
  bool afterPushButton = false;
  for (const Control* control : order) {
    ChildControl child = ChildFor(*control, dpi);
    if (!child.className) continue;
    const bool pushButton = control->Kind() == ControlKind::kPushButton;
    // The arrow keys move the focus within a group, as between the buttons of a standard box.
    if (!(pushButton && afterPushButton)) child.style |= WS_GROUP;
    afterPushButton = pushButton;
    HWND hwnd = CreateChildControl(parent, child, font);
    SetChecked(hwnd, *control);
    if (control->Kind() == ControlKind::kLabel) {
      const auto& label = static_cast<const Label&>(*control);
      if (label.autoSize) FitLabelToText(hwnd, label, font, dpi);
    }
  }
}

void UpdateNativeControl(HWND parent, const Control& control, int dpi) {
  HWND child = GetDlgItem(parent, control.id);
  const ChildControl wanted = ChildFor(control, dpi);
  if (!child || !wanted.className) return;
  SetChecked(child, control);
  SetWindowTextW(child, ToUtf16(wanted.text).c_str());
  const RECT& r = wanted.bounds;
  SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (control.Kind() == ControlKind::kLabel && static_cast<const Label&>(control).autoSize) {
    FitLabelToText(child, static_cast<const Label&>(control),
                   reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)), dpi);
  }
  ShowWindow(child, control.visible ? SW_SHOWNA : SW_HIDE);
}

void RescaleNativeControls(const Window& window, HWND parent, HFONT font, int dpi) {
  for (const Control* control : window.Controls()) {
    HWND child = GetDlgItem(parent, control->id);
    if (!child || !ChildFor(*control, dpi).className) continue;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    UpdateNativeControl(parent, *control, dpi);
  }
}

}  // namespace kinloom
