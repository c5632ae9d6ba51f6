// The accessible object of a window with windowless choices under Wine, as a screen reader meets
// it: its lifetime beside its window's handle, actions only where a user could act, and focus
// events only with the keyboard focus.
#include "platform/win32/choices_accessible.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/toolkit/application.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/win32_backend.h"
#include "tests/support/window_probe.h"

namespace kinloom {
namespace {

// Two choices side by side that record their clicks.
class ChoiceForm : public Window, public ChoiceList {
 public:
  ChoiceForm() {
    title = "Kinloom Probe Choices";
    clientWidth = 320;
    clientHeight = 200;
    choices = this;
  }
  int ChoiceCount() const override { return 2; }
  const char* ChoiceName(int index) const override { return index == 0 ? "First" : "Second"; }
  Rect ChoiceBounds(int index) const override {
    return Rect::FromSize(10 + 100 * index, 20, 60, 40);
  }
  int HighlightedChoice() const override { return highlighted; }
  void ClickChoice(int index) override { clicks.push_back(index); }

  int highlighted = -1;
  std::vector<int> clicks;
};

struct Releaser {
  void operator()(IUnknown* object) const { object->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, Releaser>;

VARIANT Child(long id) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

void PumpPending() {
  MSG pending;
  while (PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE) && PumpMessage()) {
  }
}

// The focus events raised for a choice of any window of this process.
std::vector<LONG> focusedChildren;
void CALLBACK OnFocusEvent(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child > CHILDID_SELF) focusedChildren.push_back(child);
}

// COM for the test's thread, which the objects cross as they would to another process.
class ComApartment {
 public:
  ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  ~ComApartment() { CoUninitialize(); }
};

class ChoicesAccessibleTest : public testing::Test {
 protected:
  ChoicesAccessibleTest() : application_(backend_) { application_.CreateForm(form_); }

  HWND Handle() { return static_cast<ToolkitWindow*>(form_->Native())->Handle(); }

  Accessible AccessibleOf(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                               reinterpret_cast<void**>(&object));
    return Accessible(object);
  }

  long StateOf(IAccessible& object, long child) {
    VARIANT state;
    VariantInit(&state);
    return SUCCEEDED(object.get_accState(Child(child), &state)) ? state.lVal : -1;
  }

  ComApartment com_;  // outlives the windows and their objects
  Win32Backend backend_;
  Application application_;
  ChoiceForm* form_ = nullptr;
};

TEST_F(ChoicesAccessibleTest, ADestroyedWindowsObjectAnswersNoMoreAndANewHandleGetsANewOne) {
  Accessible old = AccessibleOf(Handle());
  ASSERT_TRUE(old);
  DestroyWindow(Handle());
  long count = 0, left = 0, top = 0, width = 0, height = 0;
  EXPECT_EQ(old->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(old->accLocation(&left, &top, &width, &height, Child(1)), RPC_E_DISCONNECTED);

  HWND again = Handle();
  Accessible fresh = AccessibleOf(again);
  ASSERT_TRUE(fresh);
  EXPECT_NE(fresh.get(), old.get());
  ASSERT_EQ(fresh->accLocation(&left, &top, &width, &height, Child(2)), S_OK);
  POINT origin{0, 0};
  ClientToScreen(again, &origin);
  EXPECT_EQ(left, origin.x + 110);
  EXPECT_EQ(top, origin.y + 20);
  EXPECT_EQ(width, 60);
  EXPECT_EQ(height, 40);
  EXPECT_EQ(old.release()->Release(), 0u) << "the window still holds the object of its old handle";
}

TEST_F(ChoicesAccessibleTest, TheDefaultActionIsRefusedWhileTheScreenTakesNoInput) {
  const auto nothing = [](HWND) {};
  const auto disable = [](HWND hwnd) { EnableWindow(hwnd, FALSE); };
  const auto hide = [](HWND hwnd) { ShowWindow(hwnd, SW_HIDE); };
  constexpr long kShown =
      STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE;
  struct Row {
    const char* what;
    std::function<void(HWND)> before, afterRequest;
    HRESULT answer;
    long state;  // of kShown
    bool clicks;
  };
  // clang-format off
  const Row rows[] = {
    {"shown and enabled",        nothing, nothing, S_OK,                  STATE_SYSTEM_FOCUSABLE,   true},
    {"disabled under a box",     disable, nothing, DISP_E_MEMBERNOTFOUND, STATE_SYSTEM_UNAVAILABLE, false},
    {"hidden",                   hide,    nothing, DISP_E_MEMBERNOTFOUND, STATE_SYSTEM_INVISIBLE,   false},
    {"a box came up meanwhile",  nothing, disable, S_OK,                  STATE_SYSTEM_FOCUSABLE,   false},
  };
  // clang-format on
  form_->Show();
  Accessible object = AccessibleOf(Handle());
  ASSERT_TRUE(object);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    form_->Show();
    EnableWindow(Handle(), TRUE);
    form_->clicks.clear();
    row.before(Handle());
    EXPECT_EQ(StateOf(*object, 1) & kShown, row.state);
    EXPECT_EQ(object->accDoDefaultAction(Child(1)), row.answer);
    row.afterRequest(Handle());
    PumpPending();
    EXPECT_EQ(form_->clicks, row.clicks ? std::vector<int>{0} : std::vector<int>{});
  }
}

TEST_F(ChoicesAccessibleTest, AHighlightIsAnnouncedAndFocusedOnlyWithTheKeyboardFocus) {
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnFocusEvent,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_TRUE(hook);
  form_->Show();
  Accessible object = AccessibleOf(Handle());
  ASSERT_TRUE(object);
  const auto highlight = [&](int index) {
    focusedChildren.clear();
    form_->highlighted = index;
    form_->ChoiceHighlighted(index);
    PumpPending();
  };
  ASSERT_TRUE(WaitFor([&] { return GetFocus() == Handle(); }));
  highlight(1);
  EXPECT_EQ(focusedChildren, std::vector<LONG>{2});
  EXPECT_NE(StateOf(*object, 2) & STATE_SYSTEM_FOCUSED, 0);

  // Another window has the keyboard: the pointer moving the highlight says nothing.
  HWND elsewhere = CreateWindowW(L"STATIC", L"Kinloom Probe Elsewhere", WS_OVERLAPPEDWINDOW, 0, 0,
                                 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ShowWindow(elsewhere, SW_SHOW);
  SetFocus(elsewhere);
  highlight(0);
  EXPECT_EQ(focusedChildren, std::vector<LONG>{});
  EXPECT_EQ(StateOf(*object, 1) & STATE_SYSTEM_FOCUSED, 0);

  // Coming back, the keyboard finds the highlight and hears it.
  focusedChildren.clear();
  SetFocus(Handle());
  PumpPending();
  EXPECT_EQ(focusedChildren, std::vector<LONG>{1});
  EXPECT_NE(StateOf(*object, 1) & STATE_SYSTEM_FOCUSED, 0);
  DestroyWindow(elsewhere);
  UnhookWinEvent(hook);
}

}  // namespace
}  // namespace kinloom
