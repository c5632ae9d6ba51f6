// Toolkit windows on the Win32 backend under Wine: titles, sizes and borders, painting, pointer
// messages, modal runs, activation, closing and the exception barrier.
#include "platform/win32/toolkit_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/toolkit/application.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/win32_backend.h"
#include "tests/support/window_probe.h"

namespace kinloom {
namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kDark = 0x202020;

HWND HandleOf(const Window& window) {
  return static_cast<ToolkitWindow*>(window.Native())->Handle();
}

// A hotspot screen in miniature: one picture, red above green, on a dark window.
class PictureForm : public Window {
 public:
  PictureForm() {
    title = "Kinloom Probe Menu";
    clientWidth = 320;
    clientHeight = 200;
    minimizeBox = true;
    colour = kDark;
    picture.SetBounds(10, 20, 60, 40);
    Bitmap image(60, 40, kRed);
    image.FillRect({0, 20, 60, 40}, kGreen);
    picture.SetImage(image);
    picture.OnMouseDown = [this](Picture&, MouseButton) {
      events.push_back(GetCapture() == HandleOf(*this) ? "down+capture" : "down");
    };
    picture.OnMouseUp = [this](Picture&, MouseButton) { events.push_back("up"); };
    picture.OnClick = [this](Picture&) {
      events.push_back("click");
      if (failOnClick) throw Error("Unable to write to Brindle.ini");
    };
    OnClose = [this] { ++closes; };
    OnActivate = [this] {
      activations.push_back(IsWindowVisible(HandleOf(*this)) &&
                            GetActiveWindow() == HandleOf(*this));
      if (onActivate) onActivate();
    };
    note.id = 11;
    note.SetBounds(200, 100, 100, 20);
    note.text = "Kinloom\u00AE";
    frame.SetBounds(100, 20, 50, 40);
    Add(picture);
    Add(note);
    Add(frame);
  }

  Picture picture;
  Label note;
  Bevel frame;
  std::vector<std::string> events;
  std::vector<bool> activations;
  std::function<void()> onActivate;
  bool failOnClick = false;
  int closes = 0;
};

// A dialog in miniature: default and cancel buttons and a check box.
class ButtonForm : public Window {
 public:
  ButtonForm() {
    title = "Kinloom Probe Dialog";
    border = BorderStyle::kDialog;
    centredOnFirstShow = true;
    clientWidth = 240;
    clientHeight = 100;
    ok.caption = "OK";
    ok.id = 1;
    ok.isDefault = true;
    ok.tabOrder = 0;
    ok.SetBounds(150, 8, 75, 25);
    ok.OnClick = [this] { SetModalResult(1); };
    cancel.caption = "Cancel";
    cancel.id = 2;
    cancel.isCancel = true;
    cancel.tabOrder = 1;
    cancel.SetBounds(150, 37, 75, 25);
    cancel.OnClick = [this] { SetModalResult(2); };
    check.caption = "Do not show this reminder again";
    check.id = 101;
    check.tabOrder = 2;
    check.SetBounds(8, 70, 220, 17);
    Add(ok);
    Add(check);
    Add(cancel);
  }

  PushButton ok;
  PushButton cancel;
  CheckBox check;
};

class ToolkitWindowTest : public testing::Test {
 protected:
  ToolkitWindowTest() : application_(backend_) {
    application_.title = "Kinloom Probe";
    application_.CreateForm(main_);
    application_.CreateForm(dialog_);
    application_.CreateForm(screen_);
    screen_->title = "Kinloom Probe Screen";
  }

  // Sends `message` at client point `p` of the main window, as the mouse would.
  void Mouse(UINT message, POINT p) {
    SendMessageA(HandleOf(*main_), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                 MAKELPARAM(p.x, p.y));
  }

  COLORREF ScreenPixel(const Window& window, POINT p) {
    ClientToScreen(HandleOf(window), &p);
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
  }

  Win32Backend backend_;
  Application application_;
  PictureForm* main_ = nullptr;
  ButtonForm* dialog_ = nullptr;
  PictureForm* screen_ = nullptr;  // a sub-screen, shown in the main window's place
};

// What a window's place among the others looks like from outside.
struct Standing {
  HWND owner = nullptr;
  std::vector<std::string> taskbar;
};

Standing StandingOf(HWND hwnd) {
  Standing standing{GetWindow(hwnd, GW_OWNER), {}};
  for (HWND button : TaskbarButtons(GetCurrentProcessId())) {
    standing.taskbar.push_back(WindowText(button));
  }
  return standing;
}

// A window procedure put in front of ours, as another tool subclassing the window would.
WNDPROC subclassedProcedure = nullptr;
LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(subclassedProcedure, hwnd, message, wParam, lParam);
}

TEST_F(ToolkitWindowTest, WindowsHaveTheirTitlesClientSizesAndBorders) {
  struct Row {
    const Window* window;
    LONG present;
    LONG absent;
    LONG exPresent;
  };
  // clang-format off
  const Row rows[] = {
    {main_,   WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, WS_MAXIMIZEBOX | WS_THICKFRAME, 0},
    {dialog_, WS_CAPTION | WS_SYSMENU, WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, WS_EX_DLGMODALFRAME},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.window->title);
    HWND hwnd = HandleOf(*row.window);
    EXPECT_EQ(WindowText(hwnd), row.window->title);
    const SIZE client = ClientSize(hwnd);
    EXPECT_EQ(client.cx, row.window->clientWidth);
    EXPECT_EQ(client.cy, row.window->clientHeight);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_EQ(style & row.present, row.present);
    EXPECT_EQ(style & row.absent, 0);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE) & row.exPresent, row.exPresent);
    EXPECT_FALSE(IsWindowVisible(hwnd));  // created hidden
  }
}

TEST_F(ToolkitWindowTest, ChildrenAreStandardControlsInTabOrder) {
  const std::vector<ChildInfo> children = Children(HandleOf(*dialog_));
  ASSERT_EQ(children.size(), 3u);
  EXPECT_EQ(children[0].text, "OK");
  EXPECT_EQ(children[0].id, 1);
  EXPECT_EQ(children[0].style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  EXPECT_EQ(children[1].text, "Cancel");
  EXPECT_EQ(children[1].id, 2);
  EXPECT_EQ(children[2].text, "Do not show this reminder again");
  EXPECT_EQ(children[2].style & BS_TYPEMASK, BS_AUTOCHECKBOX);
  for (const ChildInfo& child : children) {
    SCOPED_TRACE(child.text);
    EXPECT_EQ(child.className, "Button");
    EXPECT_TRUE(child.style & WS_TABSTOP);
  }
}

TEST_F(ToolkitWindowTest, PaintsPicturesAndRepaintsWhatChanged) {
  main_->Show();
  UpdateWindow(HandleOf(*main_));
  const auto showsAt = [&](POINT p, std::uint32_t rgb) {
    const COLORREF expected = RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
    return WaitFor([&] { return ScreenPixel(*main_, p) == expected; });
  };
  EXPECT_TRUE(showsAt({15, 25}, kRed));    // top half of the picture: rows are not flipped
  EXPECT_TRUE(showsAt({15, 55}, kGreen));  // bottom half
  EXPECT_TRUE(showsAt({5, 5}, kDark));     // window colour where no picture lies
  EXPECT_TRUE(showsAt({300, 190}, kDark));
  // The bevel is the window's own drawing, a lowered frame with the window showing inside;
  // the standard controls are children it does not paint over.
  const auto system = [](int index) {
    const COLORREF c = GetSysColor(index);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  };
  EXPECT_TRUE(showsAt({100, 30}, system(COLOR_BTNSHADOW)));
  EXPECT_TRUE(showsAt({149, 30}, system(COLOR_BTNHIGHLIGHT)));
  EXPECT_TRUE(showsAt({120, 40}, kDark));
  EXPECT_TRUE(GetWindowLongA(HandleOf(*main_), GWL_STYLE) & WS_CLIPCHILDREN);

  // A frame change repaints only the picture's rectangle, through the window's invalidation.
  Picture blue;
  blue.SetImage(Bitmap(60, 40, kBlue));
  main_->picture.CopyRect({0, 0}, blue, {0, 0, 30, 40});
  UpdateWindow(HandleOf(*main_));
  EXPECT_TRUE(showsAt({15, 25}, kBlue));
  EXPECT_TRUE(showsAt({15, 55}, kBlue));
  EXPECT_TRUE(showsAt({50, 55}, kGreen));
}

// Windows sends WM_DPICHANGED when a window moves onto a monitor of another scale; Wine 8 never
// does, so the test sends it as Windows would.
TEST_F(ToolkitWindowTest, AChangeOfScaleTakesTheSuggestedPlaceAndScalesChildrenBevelsAndPointer) {
  main_->Show();
  HWND hwnd = HandleOf(*main_);
  RECT before;
  GetWindowRect(hwnd, &before);
  const RECT suggested{before.left + 5, before.top + 6, before.left + 700, before.top + 480};
  SendMessageW(hwnd, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192),
               reinterpret_cast<LPARAM>(&suggested));
  RECT after;
  GetWindowRect(hwnd, &after);
  EXPECT_EQ(after.left, suggested.left);
  EXPECT_EQ(after.bottom, suggested.bottom);
  EXPECT_EQ(main_->Dpi(), 192);

  // The label at (200, 100), 100 x 20, in a font twice as high.
  HWND note = GetDlgItem(hwnd, 11);
  RECT place;
  GetWindowRect(note, &place);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&place), 2);
  EXPECT_EQ(place.left, 400);
  EXPECT_EQ(place.top, 200);
  EXPECT_EQ(place.right - place.left, 200);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(note, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -MulDiv(8, 192, 72));

  // The bevel at (100, 20)-(150, 60) is drawn two pixels wide at its doubled place.
  UpdateWindow(hwnd);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_TRUE(WaitFor([&] { return ScreenPixel(*main_, {200, 60}) == shadow; }));
  EXPECT_EQ(ScreenPixel(*main_, {201, 60}), shadow);
  EXPECT_EQ(ScreenPixel(*main_, {202, 60}), RGB(0x20, 0x20, 0x20));

  // The picture at (10, 20) takes a press at its doubled place, outside its place at 96 DPI.
  Mouse(WM_LBUTTONDOWN, {130, 95});
  Mouse(WM_LBUTTONUP, {130, 95});
  EXPECT_EQ(main_->events, (std::vector<std::string>{"down+capture", "click", "up"}));
}

TEST_F(ToolkitWindowTest, WindowsOfEverySizePaintTheirOwnPixels) {
  const auto showsAt = [&](const Window& window, POINT p, std::uint32_t rgb) {
    const COLORREF expected = RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF);
    return WaitFor([&] { return ScreenPixel(window, p) == expected; });
  };
  // The smaller window first, so the larger one paints after it and it again after that.
  dialog_->Show();
  UpdateWindow(HandleOf(*dialog_));
  EXPECT_TRUE(showsAt(*dialog_, {235, 95}, dialog_->colour));
  main_->Show();
  UpdateWindow(HandleOf(*main_));
  EXPECT_TRUE(showsAt(*main_, {15, 55}, kGreen));
  EXPECT_TRUE(showsAt(*main_, {300, 190}, kDark));
  InvalidateRect(HandleOf(*dialog_), nullptr, FALSE);
  UpdateWindow(HandleOf(*dialog_));
  EXPECT_TRUE(showsAt(*dialog_, {235, 95}, dialog_->colour));
  EXPECT_TRUE(showsAt(*dialog_, {5, 5}, dialog_->colour));
}

// A high-contrast scheme gives controls white text, which would vanish on a window's own light
// colour: the window names the text colour that reads on its colour, whatever the control set.
TEST_F(ToolkitWindowTest, LabelsAndTheCheckBoxTakeTextThatReadsOnTheWindowsColour) {
  const struct {
    Window* window;
    int id;
    COLORREF preset, text;
  } cases[] = {
      {dialog_, dialog_->check.id, RGB(255, 255, 255), RGB(0, 0, 0)},  // on light grey
      {main_, main_->note.id, RGB(0, 0, 0), RGB(255, 255, 255)},       // on dark grey
  };
  HDC dc = GetDC(nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.window->title);
    SetTextColor(dc, c.preset);
    HWND hwnd = HandleOf(*c.window);
    SendMessageW(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(GetDlgItem(hwnd, c.id)));
    EXPECT_EQ(GetTextColor(dc), c.text);
  }
  ReleaseDC(nullptr, dc);
}

TEST_F(ToolkitWindowTest, MouseMessagesBecomePointerEvents) {
  main_->Show();
  const POINT inside{20, 30};
  Mouse(WM_LBUTTONDOWN, inside);
  Mouse(WM_LBUTTONUP, inside);
  EXPECT_EQ(main_->events, (std::vector<std::string>{"down+capture", "click", "up"}));
  EXPECT_EQ(GetCapture(), nullptr);

  // Presses reach the application through the pump, which makes the second of two quick ones
  // on one spot a press without a click.
  main_->events.clear();
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP}) {
    PostMessageA(HandleOf(*main_), message, 0, MAKELPARAM(inside.x, inside.y));
  }
  MSG pending;
  while (PeekMessageA(&pending, nullptr, 0, 0, PM_NOREMOVE) && PumpMessage()) {
  }
  EXPECT_EQ(main_->events,
            (std::vector<std::string>{"down+capture", "click", "up", "down+capture", "up"}));

  // Released outside the picture, even left of the window: no click, and the release still
  // reaches the pressed picture.
  main_->events.clear();
  Mouse(WM_LBUTTONDOWN, inside);
  Mouse(WM_LBUTTONUP, {-5, 30});
  EXPECT_EQ(main_->events, (std::vector<std::string>{"down+capture", "up"}));

  main_->events.clear();
  Mouse(WM_RBUTTONDOWN, inside);
  Mouse(WM_RBUTTONUP, inside);
  EXPECT_EQ(main_->events, (std::vector<std::string>{"down", "up"}));
}

TEST_F(ToolkitWindowTest, ModalRunsEndByButtonsKeysAndCloseBox) {
  main_->Show();
  struct Row {
    const char* what;
    std::function<void(HWND)> answer;
    int result;
  };
  // clang-format off
  const Row rows[] = {
    {"Enter",                                [](HWND hwnd) { PostKey(hwnd, VK_RETURN); }, 1},
    {"Escape",                               [](HWND hwnd) { PostKey(hwnd, VK_ESCAPE); }, 2},
    {"close box",                            [](HWND hwnd) { PostMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); }, 2},
    {"Tab to Cancel, Enter",                 [](HWND hwnd) { PostKey(hwnd, VK_TAB); WaitFor([hwnd] { return FocusOf(hwnd) == GetDlgItem(hwnd, 2); }); PostKey(hwnd, VK_RETURN); }, 2},
    // The dialog comes back with the focus where the row before left it.
    {"Right from Cancel round to OK, Enter", [](HWND hwnd) { PostKey(hwnd, VK_RIGHT); WaitFor([hwnd] { return FocusOf(hwnd) == GetDlgItem(hwnd, 1); }); PostKey(hwnd, VK_RETURN); }, 1},
    {"check box, then OK",                   [](HWND hwnd) { PostMessageA(GetDlgItem(hwnd, 101), BM_CLICK, 0, 0); PostMessageA(GetDlgItem(hwnd, 1), BM_CLICK, 0, 0); }, 1},
  };
  // clang-format on
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    bool mainDisabled = false;
    int result = 0;
    {
      Aside aside([&] {
        HWND hwnd = WaitForWindow(dialog_->title);
        if (!hwnd) return;
        mainDisabled = !IsWindowEnabled(HandleOf(*main_));
        row.answer(hwnd);
      });
      result = application_.ShowModal(*dialog_);
    }
    EXPECT_EQ(result, row.result);
    EXPECT_TRUE(mainDisabled);
    EXPECT_TRUE(IsWindowEnabled(HandleOf(*main_)));
    EXPECT_FALSE(IsWindowVisible(HandleOf(*dialog_)));
  }
  EXPECT_TRUE(dialog_->check.checked);
}

TEST_F(ToolkitWindowTest, ASubclassedWindowIsStillOursForEnterEscapeAndTab) {
  HWND dialog = HandleOf(*dialog_);
  subclassedProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Subclass)));
  SetWindowLongPtrW(dialog, GWLP_USERDATA, 0x5EED);  // such tools keep their own data there
  main_->Show();
  struct Row {
    const char* what;
    std::vector<WPARAM> keys;
    int result;
  };
  const Row rows[] = {
      {"Enter", {VK_RETURN}, 1},
      {"Escape", {VK_ESCAPE}, 2},
      {"Tab to Cancel, Enter", {VK_TAB, VK_RETURN}, 2},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    bool answered = false;
    int result = 0;
    {
      Aside aside([&] {
        HWND hwnd = WaitForWindow(dialog_->title);
        if (!hwnd) return;
        for (WPARAM key : row.keys) {
          HWND focus = FocusOf(hwnd);
          PostKey(hwnd, key);
          if (key == VK_TAB) WaitFor([&] { return FocusOf(hwnd) != focus; });
        }
        answered = WaitFor([hwnd] { return !IsWindowVisible(hwnd); });
        if (!answered) PostMessageA(hwnd, WM_CLOSE, 0, 0);
      });
      result = application_.ShowModal(*dialog_);
    }
    EXPECT_TRUE(answered);
    EXPECT_EQ(result, row.result);
  }
}

TEST_F(ToolkitWindowTest, ModalWindowsAreOwnedByWhatTheyBlockAndOneTaskbarButtonLeadsToThem) {
  Standing dialog, boxOverDialog, screen, boxOverScreen;
  const auto showBox = [&] {
    application_.ShowMessageBox(BuildMessageBox("Probe", kMsgInformation, kMbOk));
  };
  // Looks at the modal window, clicks it to show a box over it, looks at the box, answers it.
  const auto look = [](const std::string& title, Standing& window, Standing& box,
                       const std::function<void(HWND)>& click) {
    HWND hwnd = WaitForWindow(title);
    if (!hwnd) return;
    window = StandingOf(hwnd);
    click(hwnd);
    HWND shown = WaitForWindow("Information");
    if (!shown) return;
    box = StandingOf(shown);
    PostKey(shown, VK_RETURN);
  };
  main_->Show();
  dialog_->ok.OnClick = [&] {
    showBox();
    dialog_->SetModalResult(1);
  };
  {
    Aside aside([&] {
      look(dialog_->title, dialog, boxOverDialog,
           [](HWND hwnd) { PostMessageA(GetDlgItem(hwnd, 1), BM_CLICK, 0, 0); });
    });
    application_.ShowModal(*dialog_);
  }
  // A sub-screen runs in the main window's place, the main window hidden.
  screen_->picture.OnClick = [&](Picture&) {
    showBox();
    screen_->SetModalResult(1);
  };
  main_->Hide();
  {
    Aside aside([&] {
      look(screen_->title, screen, boxOverScreen, [](HWND hwnd) {
        PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
        PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
      });
    });
    application_.ShowModal(*screen_);
  }
  const std::vector<std::string> mainOnly{main_->title};
  const std::vector<std::string> screenOnly{screen_->title};
  EXPECT_EQ(dialog.owner, HandleOf(*main_));
  EXPECT_EQ(dialog.taskbar, mainOnly);
  EXPECT_EQ(boxOverDialog.owner, HandleOf(*dialog_));
  EXPECT_EQ(boxOverDialog.taskbar, mainOnly);
  EXPECT_EQ(screen.owner, HandleOf(*main_));
  EXPECT_EQ(screen.taskbar, screenOnly);
  EXPECT_EQ(boxOverScreen.owner, HandleOf(*screen_));
  EXPECT_EQ(boxOverScreen.taskbar, screenOnly);
}

// The cases that run again under other system code pages (see scripts/test).
using ToolkitWindowTextTest = ToolkitWindowTest;

// Characters of three code pages at once, none of them the system's in every run.
TEST_F(ToolkitWindowTextTest, TextsAreUtf8WhateverTheSystemCodePage) {
  dialog_->title = "Kinloom\u00AE \u041F\u0440\u043E\u0431\u0430";
  dialog_->check.caption = "Caf\u00E9 \u8868";
  HWND dialog = HandleOf(*dialog_);
  HWND note = GetDlgItem(HandleOf(*main_), main_->note.id);
  EXPECT_TRUE(IsWindowUnicode(dialog));
  EXPECT_EQ(WideText(dialog), L"Kinloom\u00AE \u041F\u0440\u043E\u0431\u0430");
  EXPECT_EQ(WideText(GetDlgItem(dialog, dialog_->check.id)), L"Caf\u00E9 \u8868");
  EXPECT_EQ(WideText(note), L"Kinloom\u00AE");
  main_->note.text = "\u201CKinloom\u00AE\u201D \U0001F333";  // a tree beyond the 16-bit range
  main_->ControlChanged(main_->note);
  EXPECT_EQ(WideText(note), L"\u201CKinloom\u00AE\u201D \U0001F333");
}

TEST_F(ToolkitWindowTest, FirstActivationComesAfterShowingAndCanRunAModalBox) {
  int boxResult = 0;
  main_->onActivate = [&] {
    main_->onActivate = nullptr;
    boxResult =
        application_.ShowMessageBox(BuildMessageBox("Welcome probe", kMsgInformation, kMbOk));
    main_->Close();
  };
  Aside aside([] {
    if (HWND box = WaitForWindow("Information")) PostKey(box, VK_RETURN);
  });
  application_.Run();
  ASSERT_FALSE(main_->activations.empty());
  EXPECT_TRUE(main_->activations.front());  // visible and active when the handler ran
  EXPECT_EQ(boxResult, kResultOk);
  EXPECT_EQ(main_->closes, 1);
}

// A close message waits for the box and then comes again; the end of the session does not wait.
TEST_F(ToolkitWindowTest, CloseWaitsForTheBoxButTheSessionEndDoesNot) {
  for (const bool sessionEnd : {false, true}) {
    SCOPED_TRACE(sessionEnd ? "session end" : "close");
    Win32Backend backend;
    Application application(backend);
    PictureForm* main = nullptr;
    application.CreateForm(main);
    int closesUnderTheBox = -1;
    main->onActivate = [&] {
      if (closesUnderTheBox >= 0) return;  // only the first activation shows the box
      application.ShowMessageBox(BuildMessageBox("Close probe", kMsgInformation, kMbOk));
      closesUnderTheBox = main->closes;
    };
    Aside aside([&, hwnd = HandleOf(*main)] {
      HWND box = WaitForWindow("Information");
      if (!box) return;
      SendMessageA(hwnd, sessionEnd ? WM_ENDSESSION : WM_CLOSE, TRUE, 0);
      PostKey(box, VK_RETURN);
    });
    application.Run();  // until the main window has closed
    EXPECT_EQ(closesUnderTheBox, sessionEnd ? 1 : 0);
    EXPECT_EQ(main->closes, 1);
  }
}

TEST_F(ToolkitWindowTest, HandlerErrorsAreReportedAndTheProgramCarriesOn) {
  main_->failOnClick = true;
  std::string reported;
  Aside aside([&] {
    HWND hwnd = WaitForWindow(main_->title);
    if (!hwnd) return;
    PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 30));
    PostMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(20, 30));
    HWND report = WaitForWindow(application_.title);
    if (!report) return;
    for (const ChildInfo& child : Children(report)) {
      if (child.className == "Static" && !child.text.empty()) reported = child.text;
    }
    PostKey(report, VK_RETURN);
    WaitFor([report] { return !IsWindow(report); });
    PostMessageA(hwnd, WM_CLOSE, 0, 0);
  });
  application_.Run();
  EXPECT_EQ(reported, "Unable to write to Brindle.ini.");
  EXPECT_EQ(main_->closes, 1);
  EXPECT_EQ(main_->events.back(), "up");  // the release ran after the failed click
}

TEST(ArtResourceTest, LoadsEmbeddedPicturesByAssetNameAtBothScales) {
  Win32Backend backend;
  for (int scale : {1, 2}) {
    SCOPED_TRACE(scale);
    const Bitmap background = backend.LoadArt("main-artMainBackground", scale);
    EXPECT_EQ(background.GetSize(), (Size{632 * scale, 453 * scale}));
    EXPECT_EQ(background.SourceBitsPerPixel(), 8);
    const Bitmap welcome = backend.LoadArt("welcome-artTutorial", scale);
    EXPECT_EQ(welcome.GetSize(), (Size{139 * scale, 103 * scale}));
    EXPECT_EQ(welcome.SourceBitsPerPixel(), 24);
    EXPECT_THROW(backend.LoadArt("main-artMissing", scale), Error);
  }
}

}  // namespace
}  // namespace kinloom
