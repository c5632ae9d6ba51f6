// The accessible object of a window with windowless choices under Wine, as a screen reader meets
// it: its lifetime beside its window's handle, actions only where a user could act, and focus
// events only with the keyboard focus.
#include "platform/win32/choices_accessible.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/toolkit/application.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/toolkit_window.h"
#include "platform/win32/win32_backend.h"
#include "tests/support/wait_for.h"

namespace kinloom {
namespace {

// Two choices side by side, (10,20)-(70,60) and (110,20)-(170,60), that record their clicks.
class ChoiceForm : public Window, public ChoiceList {
 public:
  ChoiceForm() {
    clientWidth = 320;
    clientHeight = 200;
    choices = this;
  }
  int ChoiceCount() const override { return 2; }
  const char* ChoiceName(int) const override { return "Choice"; }
  Rect ChoiceBounds(int i) const override { return Rect::FromSize(10 + 100 * i, 20, 60, 40); }
  int HighlightedChoice() const override { return highlighted; }
  void ClickChoice(int index) override { clicks.push_back(index); }

  int highlighted = -1;
  std::vector<int> clicks;
};

VARIANT Child(long id) {
  VARIANT child;
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

void PumpPending() {
  MSG pending;
  while (PeekMessageW(&pending, nullptr, 0, 0, PM_NOREMOVE) && PumpMessage()) {
  }
}

// The choices that focus events named, in this process.
std::vector<LONG> focusedChildren;
void CALLBACK OnFocusEvent(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child > CHILDID_SELF) focusedChildren.push_back(child);
}

class ChoicesAccessibleTest : public testing::Test {
 protected:
  ChoicesAccessibleTest() : application_(backend_) { application_.CreateForm(form_); }

  HWND Handle() { return static_cast<ToolkitWindow*>(form_->Native())->Handle(); }
  // The object a client in another process would get, with a reference of its own.
  IAccessible* AccessibleOf(HWND window) {
    IAccessible* object = nullptr;
    AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                               reinterpret_cast<void**>(&object));
    return object;
  }
  long StateOf(IAccessible* object, long child) {
    VARIANT state{};
    return SUCCEEDED(object->get_accState(Child(child), &state)) ? state.lVal : -1;
  }

  struct Com {
    Com() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~Com() { CoUninitialize(); }
  } com_;  // outlives the windows and their objects
  Win32Backend backend_;
  Application application_;
  ChoiceForm* form_ = nullptr;
};

TEST_F(ChoicesAccessibleTest, ADestroyedWindowsObjectAnswersNoMoreAndANewHandleGetsANewOne) {
  IAccessible* old = AccessibleOf(Handle());
  ASSERT_TRUE(old);
  DestroyWindow(Handle());
  long count = 0, left = 0, top = 0, width = 0, height = 0;
  EXPECT_EQ(old->get_accChildCount(&count), RPC_E_DISCONNECTED);
  EXPECT_EQ(old->accLocation(&left, &top, &width, &height, Child(1)), RPC_E_DISCONNECTED);

  IAccessible* fresh = AccessibleOf(Handle());
  ASSERT_TRUE(fresh);
  EXPECT_NE(fresh, old);
  POINT origin{0, 0};
  ClientToScreen(Handle(), &origin);
  ASSERT_EQ(fresh->accLocation(&left, &top, &width, &height, Child(2)), S_OK);
  EXPECT_EQ((std::vector<long>{left, top, width, height}),
            (std::vector<long>{origin.x + 110, origin.y + 20, 60, 40}));
  fresh->Release();
  EXPECT_EQ(old->Release(), 0u) << "the window still holds the object of its old handle";
}

TEST_F(ChoicesAccessibleTest, TheDefaultActionIsRefusedWhileTheScreenTakesNoInput) {
  const auto nothing = [](HWND) {};
  const auto disable = [](HWND hwnd) { EnableWindow(hwnd, FALSE); };
  const auto hide = [](HWND hwnd) { ShowWindow(hwnd, SW_HIDE); };
  constexpr long kMask = STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_FOCUSABLE;
  const struct {
    const char* what;
    std::function<void(HWND)> before, afterRequest;
    HRESULT answer;
    long state;  // within kMask
    bool clicks;
  } rows[] = {
      // clang-format off
      {"shown and enabled",       nothing, nothing, S_OK,                  STATE_SYSTEM_FOCUSABLE,   true},
      {"disabled under a box",    disable, nothing, DISP_E_MEMBERNOTFOUND, STATE_SYSTEM_UNAVAILABLE, false},
      {"hidden",                  hide,    nothing, DISP_E_MEMBERNOTFOUND, STATE_SYSTEM_INVISIBLE,   false},
      {"a box came up meanwhile", nothing, disable, S_OK,                  STATE_SYSTEM_FOCUSABLE,   false},
      // clang-format on
  };
  IAccessible* object = AccessibleOf(Handle());
  ASSERT_TRUE(object);
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    form_->Show();
    EnableWindow(Handle(), TRUE);
    form_->clicks.clear();
    row.before(Handle());
    EXPECT_EQ(StateOf(object, 1) & kMask, row.state);
    EXPECT_EQ(object->accDoDefaultAction(Child(1)), row.answer);
    row.afterRequest(Handle());
    PumpPending();
    EXPECT_EQ(form_->clicks, row.clicks ? std::vector<int>{0} : std::vector<int>{});
  }
  object->Release();
}

TEST_F(ChoicesAccessibleTest, AHighlightIsAnnouncedAndFocusedOnlyWithTheKeyboardFocus) {
  HWINEVENTHOOK hook =
      SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, OnFocusEvent,
                      GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  form_->Show();
  IAccessible* object = AccessibleOf(Handle());
  ASSERT_TRUE(hook && object);
  ASSERT_TRUE(WaitFor([&] { return GetFocus() == Handle(); }));
  // The pointer or a key moves the highlight; the keyboard goes elsewhere and comes back.
  HWND elsewhere = CreateWindowW(L"STATIC", L"Elsewhere", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                 nullptr, nullptr, nullptr, nullptr);
  const auto highlight = [&](int i) {
    return [&, i] { form_->ChoiceHighlighted(form_->highlighted = i); };
  };
  const auto keyboardTo = [](HWND hwnd) {
    return [hwnd] { ShowWindow(hwnd, SW_SHOW), SetFocus(hwnd); };
  };
  const struct {
    const char* what;
    std::function<void()> act;
    std::vector<LONG> heard;
    long child;
    bool focused;
  } steps[] = {
      // clang-format off
      {"highlight with the keyboard", highlight(1),          {2}, 2, true},
      {"keyboard elsewhere",          keyboardTo(elsewhere), {},  2, false},
      {"highlight meanwhile",         highlight(0),          {},  1, false},
      {"keyboard back",               keyboardTo(Handle()),  {1}, 1, true},
      // clang-format on
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.what);
    focusedChildren.clear();
    step.act();
    PumpPending();
    EXPECT_EQ(focusedChildren, step.heard);
    EXPECT_EQ((StateOf(object, step.child) & STATE_SYSTEM_FOCUSED) != 0, step.focused);
  }
  DestroyWindow(elsewhere);
  object->Release();
  UnhookWinEvent(hook);
}

}  // namespace
}  // namespace kinloom
