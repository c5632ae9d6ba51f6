// The message box under Wine: what a person or a screen reader finds in it, and what each way of
// answering it returns.
#include "platform/win32/message_box_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/win32_backend.h"
#include "tests/support/window_probe.h"

namespace kinloom {
namespace {

struct Seen {
  HWND box = nullptr;
  std::string caption;
  std::vector<ChildInfo> children;
  SIZE client{};
  RECT window{};
};

// Shows `model` and, from another thread, looks at the box and then answers it with `answer`.
int ShowAndAnswer(const MessageBoxModel& model, const std::function<void(HWND)>& answer,
                  Seen* seen = nullptr) {
  Win32Backend backend;
  Aside aside([&] {
    HWND box = WaitForWindow(model.caption);
    if (!box) return;
    if (seen) {
      seen->box = box;
      seen->caption = WindowText(box);
      seen->children = Children(box);
      seen->client = ClientSize(box);
      GetWindowRect(box, &seen->window);
    }
    answer(box);
  });
  return backend.ShowMessageBox(model);
}

std::vector<ChildInfo> Buttons(const Seen& seen) {
  std::vector<ChildInfo> buttons;
  for (const ChildInfo& child : seen.children) {
    if (child.className == "Button") buttons.push_back(child);
  }
  return buttons;
}

const ChildInfo* TextOf(const Seen& seen) {
  for (const ChildInfo& child : seen.children) {
    if (child.className == "Static" && (child.style & SS_TYPEMASK) != SS_ICON) return &child;
  }
  return nullptr;
}

int MessageFontLineHeight() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  HFONT font = CreateFontIndirectA(&metrics.lfMessageFont);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA text{};
  GetTextMetricsA(dc, &text);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return text.tmHeight;
}

TEST(MessageBoxWindowTest, ShowsCaptionIconTextAndButtonsAsControls) {
  const MessageBoxModel model =
      BuildMessageBox("Archive Record Viewer is not installed. Install now?", kMsgConfirmation,
                      kMbYes | kMbNo | kMbCancel);
  Seen seen;
  ShowAndAnswer(
      model, [](HWND box) { PostKey(box, VK_ESCAPE); }, &seen);

  EXPECT_EQ(seen.caption, "Confirm");
  const ChildInfo* text = TextOf(seen);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text, model.text);
  EXPECT_TRUE(text->style & SS_NOPREFIX);

  const ChildInfo* icon = nullptr;
  for (const ChildInfo& child : seen.children) {
    if ((child.style & SS_TYPEMASK) == SS_ICON && child.className == "Static") icon = &child;
  }
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->bounds.right - icon->bounds.left, 32);
  EXPECT_LE(icon->bounds.right, text->bounds.left);

  const std::vector<ChildInfo> buttons = Buttons(seen);
  ASSERT_EQ(buttons.size(), 3u);
  const std::vector<std::pair<std::string, int>> expected = {
      {"&Yes", 6}, {"&No", 7}, {"Cancel", 2}};
  for (size_t i = 0; i < buttons.size(); ++i) {
    SCOPED_TRACE(buttons[i].text);
    EXPECT_EQ(buttons[i].text, expected[i].first);
    EXPECT_EQ(buttons[i].id, expected[i].second);
    EXPECT_EQ(buttons[i].bounds.top, buttons[0].bounds.top);
    EXPECT_EQ(buttons[i].bounds.right - buttons[i].bounds.left,
              buttons[0].bounds.right - buttons[0].bounds.left);
    EXPECT_GE(buttons[i].bounds.right - buttons[i].bounds.left, 75);
    EXPECT_GE(buttons[i].bounds.top, text->bounds.bottom);
    if (i > 0) {
      EXPECT_GT(buttons[i].bounds.left, buttons[i - 1].bounds.right);
    }
  }
  // The row is centred, and so is the box on the screen.
  EXPECT_NEAR(buttons.front().bounds.left, seen.client.cx - buttons.back().bounds.right, 1);
  EXPECT_NEAR(seen.window.left + seen.window.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(seen.window.top + seen.window.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
}

TEST(MessageBoxWindowTest, KeysAndCloseBoxAnswerTheRightCodes) {
  struct Row {
    const char* what;
    int buttons;
    std::function<void(HWND)> answer;
    int result;
  };
  const auto key = [](WPARAM k) { return [k](HWND box) { PostKey(box, k); }; };
  const auto closeBox = [](HWND box) { PostMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0); };
  // Each arrow key once the focus has moved for the one before, then Enter.
  const auto keys = [](std::vector<WPARAM> arrows) {
    return [arrows](HWND box) {
      WaitFor([box] { return IsChild(box, FocusOf(box)); });  // the first focus is set
      HWND focus = FocusOf(box);
      for (WPARAM arrow : arrows) {
        PostKey(box, arrow);
        WaitFor([&] { return FocusOf(box) != focus; });
        focus = FocusOf(box);
      }
      PostKey(box, VK_RETURN);
    };
  };
  // clang-format off
  const Row rows[] = {
    {"OK+Cancel Enter",                     kMbOk | kMbCancel,          key(VK_RETURN), kResultOk},
    {"OK+Cancel Escape",                    kMbOk | kMbCancel,          key(VK_ESCAPE), kResultCancel},
    {"Yes+No+Cancel Enter",                 kMbYes | kMbNo | kMbCancel, key(VK_RETURN), kResultYes},
    {"Yes+No+Cancel Escape",                kMbYes | kMbNo | kMbCancel, key(VK_ESCAPE), kResultCancel},
    {"Yes+No Escape",                       kMbYes | kMbNo,             key(VK_ESCAPE), kResultNo},
    {"Yes+No close box",                    kMbYes | kMbNo,             closeBox, kCloseBoxResult},
    {"Yes+No+Cancel close box",             kMbYes | kMbNo | kMbCancel, closeBox, kCloseBoxResult},
    {"OK Enter",                            kMbOk,                      key(VK_RETURN), kResultOk},
    {"OK Escape",                           kMbOk,                      key(VK_ESCAPE), kResultOk},
    {"OK close box",                        kMbOk,                      closeBox, kCloseBoxResult},
    {"Cancel Escape",                       kMbCancel,                  key(VK_ESCAPE), kResultCancel},
    {"Tab to No, Enter",                    kMbYes | kMbNo | kMbCancel, [](HWND box) { PostKey(box, VK_TAB); WaitFor([box] { return FocusOf(box) == GetDlgItem(box, kResultNo); }); PostKey(box, VK_RETURN); }, kResultNo},
    // The arrow keys move the focus through the buttons, round from either end.
    {"Right to No, Enter",                  kMbYes | kMbNo | kMbCancel, keys({VK_RIGHT}), kResultNo},
    {"Down, Down to Cancel, Enter",         kMbYes | kMbNo | kMbCancel, keys({VK_DOWN, VK_DOWN}), kResultCancel},
    {"Left round to Cancel, Enter",         kMbOk | kMbCancel,          keys({VK_LEFT}), kResultCancel},
    {"Right round to Yes, Up to No, Enter", kMbYes | kMbNo,             keys({VK_RIGHT, VK_RIGHT, VK_UP}), kResultNo},
    {"Alt+N",                               kMbYes | kMbNo | kMbCancel, [](HWND box) { PostChar(box, 'n', true); }, kResultNo},
    {"Y alone",                             kMbYes | kMbNo,             [](HWND box) { PostChar(box, 'y', false); }, kResultYes},
    {"click Cancel",                        kMbOk | kMbCancel,          [](HWND box) { PostMessageA(GetDlgItem(box, kResultCancel), BM_CLICK, 0, 0); }, kResultCancel},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const MessageBoxModel model = BuildMessageBox(row.what, kMsgError, row.buttons);
    EXPECT_EQ(ShowAndAnswer(model, row.answer), row.result);
  }
}

TEST(MessageBoxWindowTest, TheDefaultFrameFollowsTheFocusAcrossTheButtons) {
  LONG yes = 0, no = 0;
  ShowAndAnswer(BuildMessageBox("Install now?", kMsgConfirmation, kMbYes | kMbNo | kMbCancel),
                [&](HWND box) {
                  WaitFor([box] { return IsChild(box, FocusOf(box)); });
                  PostKey(box, VK_RIGHT);
                  WaitFor([box] { return FocusOf(box) == GetDlgItem(box, kResultNo); });
                  yes = GetWindowLongA(GetDlgItem(box, kResultYes), GWL_STYLE) & BS_TYPEMASK;
                  no = GetWindowLongA(GetDlgItem(box, kResultNo), GWL_STYLE) & BS_TYPEMASK;
                  PostKey(box, VK_ESCAPE);
                });
  EXPECT_EQ(yes, BS_PUSHBUTTON);
  EXPECT_EQ(no, BS_DEFPUSHBUTTON);
}

// Windows sends WM_DPICHANGED when a box moves onto a monitor of another scale; Wine 8 never
// does, so the test sends it as Windows would.
TEST(MessageBoxWindowTest, AChangeOfScaleLaysTheBoxOutAgainAtTheSuggestedCorner) {
  Seen before, after;
  const auto look = [](HWND box, Seen& seen) {
    seen.children = Children(box);
    GetWindowRect(box, &seen.window);
  };
  ShowAndAnswer(BuildMessageBox("Framelet is not installed. Install now?", kMsgConfirmation,
                                kMbYes | kMbNo | kMbCancel),
                [&](HWND box) {
                  look(box, before);
                  const RECT suggested{before.window.left + 10, before.window.top + 20, 0, 0};
                  SendMessageW(box, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192),
                               reinterpret_cast<LPARAM>(&suggested));
                  look(box, after);
                  PostKey(box, VK_ESCAPE);
                });
  EXPECT_EQ(after.window.left, before.window.left + 10);
  EXPECT_EQ(after.window.top, before.window.top + 20);
  const auto height = [](const ChildInfo* child) {
    return child->bounds.bottom - child->bounds.top;
  };
  ASSERT_TRUE(TextOf(before) && TextOf(after));
  EXPECT_GE(height(TextOf(after)), 2 * height(TextOf(before)) - 2) << "a font twice as high";
  const std::vector<ChildInfo> buttons = Buttons(after);
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_GE(buttons[0].bounds.right - buttons[0].bounds.left, 150);
  EXPECT_GE(buttons[0].bounds.top, TextOf(after)->bounds.bottom);
}

TEST(MessageBoxWindowTest, TextIsLiteralWrappedAndKeepsItsLineBreaks) {
  const std::string address =
      "http://www.example.com/familytree/redirect?target_id=ancestry&prod_id=70994";
  const std::string longWord(400, 'W');
  struct Row {
    std::string text;
    int minimumLines;
  };
  const Row rows[] = {
      {"The tutorial can only run in 16-bit color or higher.\r\nPlease set your display setting "
       "and try again.",
       2},
      {"Kinloom\u00AE was unable to locate an association for .HTML files on this system.  To "
       "access the web page, launch your browser and open " +
           address,
       2},
      {longWord, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text.substr(0, 40));
    Seen seen;
    ShowAndAnswer(
        BuildMessageBox(row.text, kMsgInformation, kMbOk),
        [](HWND box) { PostKey(box, VK_RETURN); }, &seen);
    const ChildInfo* text = TextOf(seen);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, row.text);  // '&' and the registered sign arrive as they are
    EXPECT_LE(text->bounds.right - text->bounds.left, GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_GE(text->bounds.bottom - text->bounds.top, row.minimumLines * MessageFontLineHeight());
  }
}

// Runs again under other system code pages (see scripts/test).
TEST(MessageBoxWindowTextTest, TextsAreUtf8WhateverTheSystemCodePage) {
  MessageBoxModel model =
      BuildMessageBox("Kinloom\u00AE needs Disk 2 in C:\\\u8868\\.", kMsgError, kMbOk);
  model.caption = "Kinloom\u00AE";
  model.buttons[0].caption = "\u041E\u041A";
  std::wstring caption, text, button;
  bool unicode = false;
  ShowAndAnswer(model, [&](HWND box) {
    unicode = IsWindowUnicode(box);
    caption = WideText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (GetDlgCtrlID(child) == kResultOk) button = WideText(child);
      if (WideText(child).size() > 10) text = WideText(child);
    }
    PostKey(box, VK_RETURN);
  });
  EXPECT_TRUE(unicode);
  EXPECT_EQ(caption, L"Kinloom\u00AE");
  EXPECT_EQ(text, L"Kinloom\u00AE needs Disk 2 in C:\\\u8868\\.");
  EXPECT_EQ(button, L"\u041E\u041A");
}

}  // namespace
}  // namespace kinloom
