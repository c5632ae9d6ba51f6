// The fixture of the end-to-end cases: a fresh world per case, the menu started in it, and
// checks phrased as what a user sees (windows, boxes, frames) and what started (the journal).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/journal.h"
#include "tests/e2e/menu_layout.h"
#include "tests/e2e/menu_session.h"
#include "tests/e2e/world.h"
#include "tests/support/window_probe.h"

namespace kinloom::e2e {

// Message-box button ids, which equal their result codes.
constexpr int kIdOk = IDOK;
constexpr int kIdCancel = IDCANCEL;
constexpr int kIdYes = IDYES;
constexpr int kIdNo = IDNO;

// The registered sign, U+00AE, in UTF-8 as the harness reads every text.
constexpr char kReg[] = "\u00AE";

class MenuTest : public ::testing::Test {
 protected:
  MenuTest();
  void SetUp() override;
  void TearDown() override;

  // Settings naming the suite, disk and catalogue folders, with other sections and keys around
  // them; `reminder` is the Reminder value, or nullptr to leave the key out.
  std::string StandardSettings(const char* reminder = "0") const;
  // Every program and disk file in place, both viewers registered, web addresses and documents
  // routed to the recording handler, and the standard settings.
  void BuildStandardWorld(const char* reminder = "0");

  // Starts the menu in the start folder and waits for its main window, which it returns.
  HWND StartMenu();
  // Clicks a hotspot of the main menu and returns the sub-screen it opens (null on failure).
  HWND OpenSubScreen(HWND mainWindow, const MenuScreen& screen);
  void Click(HWND window, const MenuScreen& screen, const char* hotspot);

  // The menu's message box with this caption, once it appears; fails the case if none does.
  BoxView WaitForBox(const std::string& caption);
  // Checks caption, exact text, and buttons (captions and ids) of `box`.
  void ExpectBox(const BoxView& box, const std::string& caption, const std::string& text,
                 const std::vector<std::pair<std::string, int>>& buttons);
  // The error box for a web address that cannot be opened, naming the redirect address of
  // `targetId`, with its one OK button.
  void ExpectNoBrowserBox(const BoxView& box, const std::string& targetId);
  void ExpectBoxLayout(const BoxView& box);
  void Answer(const BoxView& box, int buttonId);
  void AnswerByKey(const BoxView& box, WORD virtualKey);

  // The journal once it holds `count` records (or what it holds at the deadline).
  std::vector<Launch> WaitForLaunches(size_t count);
  // Once no stand-in runs any more, the journal is complete: everything started has written.
  std::vector<Launch> SettledLaunches();
  // Checks that exactly `count` programs started in all, naming them otherwise.
  void ExpectStartedInAll(size_t count);
  // Checks which program started (path under the world) and its working folder.
  void ExpectLaunch(const Launch& launch, const std::string& program, const std::string& folder);
  // The maker's redirect address with this target id, as the browser received it.
  void ExpectRedirect(const Launch& launch, const std::string& targetId);

  // Waits for the menu to end, then checks what Brindle.ini holds: every other key written
  // before unchanged, and Reminder as expected.
  void ExpectMenuEndsWithReminder(const char* reminder);

  // Writes Brindle.ini and remembers it for the check at exit: `text` as it is, or UTF-8 text
  // stored in `encoding`.
  void WriteSettings(const std::string& text);
  void WriteSettings(const std::string& text, SettingsEncoding encoding);

  void RecordFailureScene() const;

  std::string At(const std::string& relative) const { return world_.At(relative); }
  std::string JournalPath() const { return world_.At("journal.txt"); }

  World world_;
  MenuSession menu_;
  std::string writtenSettings_;
};

// The error text for a program that cannot be located, by its display name.
std::string NotFoundText(const std::string& displayName);

}  // namespace kinloom::e2e
