// Native child windows for a toolkit window's push buttons, check boxes, labels and bevels.
#include "platform/win32/native_controls.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/win32/system_error_text.h"

namespace kinloom {

namespace {

// The dialog is laid out for 96 pixels per inch, whatever the screen says.
constexpr int kLayoutDpi = 96;

struct ChildKind {
  const char* className;
  std::string text;
  DWORD style;
};

bool TakesFocus(const Control& control) {
  return control.Kind() == ControlKind::kPushButton || control.Kind() == ControlKind::kCheckBox;
}

int TabOrder(const Control& control) {
  if (control.Kind() == ControlKind::kPushButton) {
    return static_cast<const PushButton&>(control).tabOrder;
  }
  return static_cast<const CheckBox&>(control).tabOrder;
}

ChildKind ChildKindFor(const Control& control) {
  switch (control.Kind()) {
    case ControlKind::kPushButton: {
      const auto& button = static_cast<const PushButton&>(control);
      return {"BUTTON", button.caption,
              WS_TABSTOP | static_cast<DWORD>(button.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)};
    }
    case ControlKind::kCheckBox:
      return {"BUTTON", static_cast<const CheckBox&>(control).caption,
              WS_TABSTOP | BS_AUTOCHECKBOX};
    case ControlKind::kLabel: {
      const auto& label = static_cast<const Label&>(control);
      // Label text is literal: an ampersand is shown, not taken as an accelerator.
      return {"STATIC", label.text,
              SS_NOPREFIX | static_cast<DWORD>(label.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP)};
    }
    case ControlKind::kBevel:
      // Drawn by its window as a frame alone (WM_DRAWITEM), so the pictures inside show.
      return {"STATIC", "", SS_OWNERDRAW};
    case ControlKind::kPicture:
      break;
  }
  return {nullptr, "", 0};
}

// A label sized to its text keeps its top-left corner.
void FitLabelToText(HWND child, const Label& label, HFONT font) {
  if (label.text.empty()) return;
  HDC dc = GetDC(child);
  HGDIOBJ old = SelectObject(dc, font);
  RECT r{0, 0, label.wordWrap ? label.width : 0, 0};
  DrawTextA(dc, label.text.c_str(), static_cast<int>(label.text.size()), &r,
            DT_CALCRECT | DT_NOPREFIX | (label.wordWrap ? DT_WORDBREAK : 0));
  SelectObject(dc, old);
  ReleaseDC(child, dc);
  SetWindowPos(child, nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CreateChild(const Control& control, HWND parent, HFONT font) {
  ChildKind kind = ChildKindFor(control);
  if (!kind.className) return;
  DWORD style = WS_CHILD | kind.style | (control.visible ? WS_VISIBLE : 0);
  HWND child = CreateWindowExA(0, kind.className, kind.text.c_str(), style, control.left,
                               control.top, control.width, control.height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                               GetModuleHandleA(nullptr), nullptr);
  if (!child) {
    throw Error("Cannot create the control " + control.name + ": " +
                SystemErrorText(GetLastError()));
  }
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (control.Kind() == ControlKind::kCheckBox) {
    SendMessageA(child, BM_SETCHECK,
                 static_cast<const CheckBox&>(control).checked ? BST_CHECKED : BST_UNCHECKED, 0);
  } else if (control.Kind() == ControlKind::kLabel) {
    const auto& label = static_cast<const Label&>(control);
    if (label.autoSize) FitLabelToText(child, label, font);
  }
}

bool IsPushButton(HWND child) {
  char className[16];
  if (!GetClassNameA(child, className, sizeof className)) return false;
  if (lstrcmpiA(className, "BUTTON") != 0) return false;
  LONG type = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

}  // namespace

HFONT CreateWindowFont(const Window& window) {
  return CreateFontA(-MulDiv(window.fontPointSize, kLayoutDpi, 72), 0, 0, 0, FW_NORMAL, FALSE,
                     FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, window.fontName.c_str());
}

void CreateNativeControls(const Window& window, HWND parent, HFONT font) {
  std::vector<const Control*> order(window.Controls().begin(), window.Controls().end());
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    if (TakesFocus(*a) != TakesFocus(*b)) return TakesFocus(*a);
    return TakesFocus(*a) && TabOrder(*a) < TabOrder(*b);
  });
  for (const Control* control : order) CreateChild(*control, parent, font);
}

void UpdateNativeControl(HWND parent, const Control& control) {
  HWND child = GetDlgItem(parent, control.id);
  if (!child || control.Kind() == ControlKind::kPicture) return;
  if (control.Kind() == ControlKind::kCheckBox) {
    SendMessageA(child, BM_SETCHECK,
                 static_cast<const CheckBox&>(control).checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  SetWindowTextA(child, ChildKindFor(control).text.c_str());
  SetWindowPos(child, nullptr, control.left, control.top, control.width, control.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (control.Kind() == ControlKind::kLabel && static_cast<const Label&>(control).autoSize) {
    FitLabelToText(child, static_cast<const Label&>(control),
                   reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)));
  }
  ShowWindow(child, control.visible ? SW_SHOWNA : SW_HIDE);
}

HWND FocusedPushButton(HWND parent) {
  HWND focus = GetFocus();
  return focus && IsChild(parent, focus) && IsPushButton(focus) ? focus : nullptr;
}

bool IsFrameOnly(HWND child) {
  return (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_OWNERDRAW;
}

HWND FirstTabStop(HWND parent) {
  return GetNextDlgTabItem(parent, nullptr, FALSE);
}

}  // namespace kinloom
