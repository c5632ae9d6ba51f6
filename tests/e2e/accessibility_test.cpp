// What a screen reader in another process reads of the menu through oleacc: every screen's
// hotspots as named push buttons in reading order, the welcome dialog and a message box.
#include <algorithm>
#include <iterator>
#include <string>

#include "platform/win32/wide_text.h"
#include "tests/e2e/accessible_client.h"
#include "tests/e2e/hotspot_input.h"
#include "tests/e2e/input.h"
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

std::string Narrow(BSTR text) {
  if (!text) return "";
  const std::string narrow = ToUtf8(std::wstring(text, SysStringLen(text)));
  SysFreeString(text);
  return narrow;
}

std::string NameOf(IAccessible& object, long child = CHILDID_SELF) {
  BSTR name = nullptr;
  object.get_accName(Child(child), &name);
  return Narrow(name);
}

long LongOf(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), IAccessible& object,
            long child) {
  VARIANT value;
  VariantInit(&value);
  return SUCCEEDED((object.*get)(Child(child), &value)) && value.vt == VT_I4 ? value.lVal : -1;
}

// Each screen's hotspots in reading order, with the words their art shows.
struct Named {
  const char* hotspot;
  const char* name;
};
struct ScreenNames {
  const MenuScreen& screen;
  std::vector<Named> hotspots;
};

const ScreenNames kScreens[] = {
    {MainScreen(),
     {{"btnResearch", "Research Center"},
      {"btnInternet", "Internet Center"},
      {"btnArbora", "Arbora Family Tree"},
      {"btnFamily", "Family Center"},
      {"btnTY", "Tessary Center"},
      {"btnAncestry", "Genealogy Online"},
      {"btnPlotwise", "Plotwise Charts"},
      {"btnTutor", "Tutorial"},
      {"btnQuit", "Exit"}}},
    {ResearchScreen(),
     {{"btnKWNI", "World Name Index"},
      {"btnSSI", "Social Security Index"},
      {"btnHistRec", "Historic Records"},
      {"btnMuster", "Civil War Muster Rolls"},
      {"btnShips", "Immigrant Ships"},
      {"btnEllis", "Ellis Island"},
      {"btnToMain", "Main Menu"},
      {"btnQuit", "Exit"}}},
    {FamilyScreen(),
     {{"btnFL", "Framelet Photo Albums"},
      {"btnMyFamily", "Family Web Site"},
      {"btnBrindleHome", "Brindle Home Page"},
      {"btnNames", "Names Glossary"},
      {"btnToMain", "Main Menu"},
      {"btnQuit", "Exit"}}},
    {TessaryScreen(),
     {{"btnCensus", "Census Records"},
      {"btnMarriage", "Marriage Records"},
      {"btnLand", "Land Ownership Records"},
      {"btnCatalog", "Catalog"},
      {"btnTYcom", "Tessary Home Page"},
      {"btnBulletin", "Tessary Bulletin"},
      {"btnToMain", "Main Menu"},
      {"btnQuit", "Exit"}}},
    {InternetScreen(),
     {{"btnVarnel", "Genealogy Links"},
      {"btnWorldTree", "Shared Family Trees"},
      {"btnIDet", "People Finder"},
      {"btnTalk", "Genealogy Talk Show"},
      {"btnFamilyHistory", "Family History Online"},
      {"btnRecords", "Record Requests"},
      {"btnToMain", "Main Menu"},
      {"btnQuit", "Exit"}}},
};

std::string Describe(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// The last focus event of another process's window, as a screen reader hears it.
struct FocusEvent {
  HWND window = nullptr;
  LONG object = 0;
  LONG child = 0;
};
FocusEvent lastFocusEvent;

void CALLBACK OnFocusEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                           DWORD) {
  lastFocusEvent = {window, object, child};
}

// Events out of context arrive as messages to this thread.
void PumpTestMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

class AccessibilityTest : public MenuTest {
 protected:
  // Checks the screen's accessible object against its layout: name, then each hotspot.
  void ExpectScreenReads(HWND window, const ScreenNames& expected) {
    SCOPED_TRACE(expected.screen.title);
    Accessible client = AccessibleOf(window, OBJID_CLIENT);
    ASSERT_TRUE(client) << "no accessible object";
    EXPECT_EQ(NameOf(*client), expected.screen.title);
    long count = 0;
    ASSERT_EQ(client->get_accChildCount(&count), S_OK);
    ASSERT_EQ(count, static_cast<long>(expected.hotspots.size()));
    for (long id = 1; id <= count; ++id) {
      const Named& named = expected.hotspots[id - 1];
      SCOPED_TRACE(named.hotspot);
      EXPECT_EQ(NameOf(*client, id), named.name);
      EXPECT_EQ(LongOf(&IAccessible::get_accRole, *client, id), ROLE_SYSTEM_PUSHBUTTON);
      EXPECT_NE(LongOf(&IAccessible::get_accState, *client, id) & STATE_SYSTEM_FOCUSABLE, 0);
      long left = 0, top = 0, width = 0, height = 0;
      ASSERT_EQ(client->accLocation(&left, &top, &width, &height, Child(id)), S_OK);
      const RECT area = menu_.HotspotArea(window, expected.screen.Find(named.hotspot));
      EXPECT_EQ(Describe(RECT{left, top, left + width, top + height}), Describe(area));
      VARIANT hit;
      ASSERT_EQ(client->accHitTest(left + width / 2, top + height / 2, &hit), S_OK);
      EXPECT_EQ(hit.lVal, id) << "hit test";
      VARIANT next;
      EXPECT_EQ(client->accNavigate(NAVDIR_NEXT, Child(id), &next), id < count ? S_OK : S_FALSE);
      if (id < count) {
        EXPECT_EQ(next.lVal, id + 1);
      }
    }
    BSTR action = nullptr;
    client->get_accDefaultAction(Child(1), &action);
    EXPECT_EQ(Narrow(action), "Press");
  }

  ComApartment com_;
};

TEST_F(AccessibilityTest, EveryScreenReadsAsNamedButtonsAndOneRunsByItsDefaultAction) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  ExpectScreenReads(main, kScreens[0]);

  // The highlight is the focused child, and a focus event names it.
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr,
                                       OnFocusEvent, menu_.ProcessId(), 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_TRUE(hook);
  ASSERT_TRUE(BringToForeground(main));
  TapKey(VK_TAB);
  ASSERT_TRUE(menu_.WaitForFrame(main, MainScreen(), MainScreen().Find("btnResearch"), kHovered));
  TapKey(VK_TAB);
  EXPECT_TRUE(WaitFor([&] {
    PumpTestMessages();
    return lastFocusEvent.window == main && lastFocusEvent.object == OBJID_CLIENT &&
           lastFocusEvent.child == 2;
  })) << "no focus event for the second hotspot";
  UnhookWinEvent(hook);
  TapKey(VK_HOME);
  ASSERT_TRUE(menu_.WaitForFrame(main, MainScreen(), MainScreen().Find("btnResearch"), kHovered));
  Accessible client = AccessibleOf(main, OBJID_CLIENT);
  ASSERT_TRUE(client);
  EXPECT_NE(LongOf(&IAccessible::get_accState, *client, 1) & STATE_SYSTEM_FOCUSED, 0);
  EXPECT_EQ(LongOf(&IAccessible::get_accState, *client, 2) & STATE_SYSTEM_FOCUSED, 0);
  // The hotspot under the pointer is hot, and the pointer takes the highlight.
  ASSERT_TRUE(HoverOnto(menu_, main, MainScreen(), MainScreen().Find("btnArbora")));
  constexpr long kHotAndFocused =
      STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;
  EXPECT_TRUE(WaitFor([&] {
    return LongOf(&IAccessible::get_accState, *client, 3) == kHotAndFocused;
  })) << "state "
      << LongOf(&IAccessible::get_accState, *client, 3);
  EXPECT_EQ(LongOf(&IAccessible::get_accState, *client, 1), STATE_SYSTEM_FOCUSABLE);

  for (std::size_t i = 1; i < std::size(kScreens); ++i) {
    HWND sub = OpenSubScreen(main, kScreens[i].screen);
    ASSERT_TRUE(sub);
    ExpectScreenReads(sub, kScreens[i]);
    Click(sub, kScreens[i].screen, "btnToMain");
    ASSERT_TRUE(menu_.WaitUntilHidden(sub));
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(main) != FALSE; }));
  }

  // "Genealogy Online", sixth in reading order, opens its web page.
  EXPECT_EQ(client->accDoDefaultAction(Child(6)), S_OK);
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectRedirect(launches[0], "ancestry");
}

// The names of a standard dialog's child controls, as a screen reader gets them.
std::vector<std::string> ChildNames(HWND dialog) {
  std::vector<std::string> names;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (Accessible object = AccessibleOf(child, OBJID_CLIENT)) names.push_back(NameOf(*object));
  }
  return names;
}

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const wchar_t* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = ToUtf8(wide);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST_F(AccessibilityTest, DialogsReadTheirCaptionTextAndButtonsAndCtrlCCopiesABox) {
  BuildStandardWorld(nullptr);
  world_.RemoveFile("suite\\Tree7s.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND welcome = menu_.WaitForWindow(kWelcomeTitle);
  ASSERT_TRUE(welcome);
  Accessible window = AccessibleOf(welcome, OBJID_CLIENT);
  ASSERT_TRUE(window);
  EXPECT_EQ(NameOf(*window), kWelcomeTitle);
  const std::vector<std::string> welcomeNames = ChildNames(welcome);
  EXPECT_TRUE(Has(welcomeNames, "OK"));
  EXPECT_TRUE(Has(welcomeNames, "Cancel"));
  EXPECT_TRUE(Has(welcomeNames, "Do not show this reminder again"));
  EXPECT_TRUE(std::any_of(welcomeNames.begin(), welcomeNames.end(), [](const std::string& name) {
    return name.rfind("Get Started Fast!", 0) == 0;
  })) << "no welcome text";
  menu_.ClickControl(welcome, kIdCancel);
  ASSERT_TRUE(menu_.WaitUntilHidden(welcome));

  Click(main, MainScreen(), "btnArbora");
  const BoxView box = WaitForBox("Error");
  ASSERT_TRUE(box.window);
  window = AccessibleOf(box.window, OBJID_CLIENT);
  ASSERT_TRUE(window);
  EXPECT_EQ(NameOf(*window), "Error");
  const std::vector<std::string> boxNames = ChildNames(box.window);
  EXPECT_TRUE(Has(boxNames, NotFoundText("Arbora"))) << "no box text";
  EXPECT_TRUE(Has(boxNames, "Cancel"));

  ASSERT_TRUE(BringToForeground(box.window));
  KeyDown(VK_CONTROL);
  TapKey('C');
  KeyUp(VK_CONTROL);
  const std::string rule = "---------------------------\r\n";
  const std::string copied =
      rule + "Error\r\n" + rule + NotFoundText("Arbora") + "\r\n" + rule + "Cancel   \r\n" + rule;
  EXPECT_TRUE(WaitFor([&] { return ClipboardText() == copied; }))
      << "the clipboard holds: " << Printable(ClipboardText());
  EXPECT_TRUE(menu_.Shows("Error")) << "copying answers nothing";
  Answer(box, kIdCancel);
}

}  // namespace
}  // namespace kinloom::e2e
