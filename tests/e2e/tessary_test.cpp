// The Tessary screen end to end: the partner's viewers by registry, their installs, the
// catalogue's three shell outcomes, and two web pages.
#include "tests/e2e/input.h"
#include "tests/e2e/menu_fixture.h"
#include "tests/e2e/titled_window.h"

namespace kinloom::e2e {
namespace {

using TessaryTest = MenuTest;

const std::vector<std::pair<std::string, int>> kOkCancel = {{"OK", kIdOk}, {"Cancel", kIdCancel}};
const std::vector<std::pair<std::string, int>> kYesNoCancel = {
    {"&Yes", kIdYes}, {"&No", kIdNo}, {"Cancel", kIdCancel}};

TEST_F(TessaryTest, CensusViewerWaitsForItsDiskThenStarts) {
  BuildStandardWorld();
  world_.RemoveFile("disk\\TYIIF.DAT");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  const std::string prompt =
      "Please insert Kinloom Disk 13 (New York), 14 (Philadephia), or 15  (Charleston) Census "
      "Records CD into drive " +
      At("disk\\");

  Click(tessary, TessaryScreen(), "btnCensus");
  BoxView box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", prompt, kOkCancel);
  AnswerByKey(box, VK_ESCAPE);

  Click(tessary, TessaryScreen(), "btnCensus");
  box = WaitForBox("Confirm");
  world_.PlaceFile("disk\\TYIIF.DAT", "census");
  AnswerByKey(box, VK_RETURN);
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "census\\tyviewer.exe", "start");
  EXPECT_TRUE(menu_.Shows(TessaryScreen().title));
}

TEST_F(TessaryTest, CensusViewerNotInstalledIsInstalledFromTheCensusDisk) {
  BuildStandardWorld();
  world_.RemovePartnerKeys();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  Click(tessary, TessaryScreen(), "btnCensus");
  const BoxView box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", "Census Record Viewer is not installed. Install now?", kYesNoCancel);
  AnswerByKey(box, VK_RETURN);  // Yes is the default
  ExpectMenuEndsWithReminder("0");
  const std::vector<Launch> launches = SettledLaunches();
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "disk\\setup.exe", "disk");
}

// A key without InstallDir, or with an empty one, means the current folder; a value of another
// type means not installed.
TEST_F(TessaryTest, ViewerFoldersComeFromTheRegistryValuesAsStored) {
  BuildStandardWorld();
  world_.RemovePartnerKeys();
  world_.MakeKey(kCensusViewerKey);
  world_.SetInstallDir(kArchivesKey, REG_SZ, std::string(1, '\0'));
  world_.PlaceProgram("start\\tyviewer.exe");
  world_.PlaceProgram("start\\parcelry.exe");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  Click(tessary, TessaryScreen(), "btnMarriage");
  std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "start\\parcelry.exe", "start");
  Click(tessary, TessaryScreen(), "btnLand");
  ASSERT_EQ(WaitForLaunches(2).size(), 2u);
  ExpectLaunch(WaitForLaunches(2)[1], "start\\parcelry.exe", "start");
  Click(tessary, TessaryScreen(), "btnCensus");
  ASSERT_EQ(WaitForLaunches(3).size(), 3u);
  ExpectLaunch(WaitForLaunches(3)[2], "start\\tyviewer.exe", "start");
  ASSERT_NO_FATAL_FAILURE(Click(tessary, TessaryScreen(), "btnQuit"));
  ExpectMenuEndsWithReminder("0");

  const DWORD number = 1;
  world_.SetInstallDir(kArchivesKey, REG_DWORD,
                       std::string(reinterpret_cast<const char*>(&number), sizeof number));
  main = StartMenu();
  ASSERT_TRUE(main);
  tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  for (const bool closeBox : {true, false}) {
    const char* hotspot = closeBox ? "btnMarriage" : "btnLand";
    SCOPED_TRACE(hotspot);
    Click(tessary, TessaryScreen(), hotspot);
    const BoxView box = WaitForBox("Confirm");
    ExpectBox(box, "Confirm", "Archive Record Viewer is not installed. Install now?", kYesNoCancel);
    if (closeBox) {
      menu_.ClickCloseBox(box.window);
      ASSERT_TRUE(menu_.WaitUntilHidden(box.window));
    } else {
      AnswerByKey(box, VK_ESCAPE);
    }
  }
  EXPECT_TRUE(menu_.Shows(TessaryScreen().title));
  ExpectStartedInAll(3);
}

TEST_F(TessaryTest, CatalogueOpensInTheDocumentViewerInItsFolder) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  Click(tessary, TessaryScreen(), "btnCatalog");
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "handlers\\browser.exe", "disk");
  EXPECT_NE(launches[0].commandLine.find(At("disk\\catalog.pdf")), std::string::npos)
      << Describe(launches[0]);
}

// The viewer's program missing (shell code 2): the menu asks for an open licence window to come
// to the front, and nothing else happens. Wine grants that to any process, so this shows the
// request, not that Windows grants it (there only the foreground process, as the menu then is,
// may pass the foreground on).
TEST_F(TessaryTest, CatalogueWithAMissingViewerAsksForTheLicenceWindowToComeForward) {
  BuildStandardWorld();
  world_.RoutePdfToMissingProgram();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  const TitledWindow licence("Software License Agreement", POINT{10, 10});
  ASSERT_TRUE(BringToForeground(tessary));
  Click(tessary, TessaryScreen(), "btnCatalog");
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == licence.Handle(); }))
      << "the licence window was not brought to the foreground";
  EXPECT_FALSE(menu_.Shows("Confirm"));
  EXPECT_FALSE(menu_.Shows("Error"));
}

// No viewer associated at all: the reader install question; Yes runs the reader's setup from
// the disk's Adobe folder in the disk's folder, and the screen stays open.
TEST_F(TessaryTest, CatalogueWithoutAnyViewerOffersTheReader) {
  BuildStandardWorld();
  world_.RemoveDocumentAssociations();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  const std::string question =
      "Viewing the Catalog requires the Adobe Acrobat Reader.  Install now?";
  Click(tessary, TessaryScreen(), "btnCatalog");
  BoxView box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", question, {{"&Yes", kIdYes}, {"&No", kIdNo}});
  AnswerByKey(box, VK_ESCAPE);  // No is the cancel button

  Click(tessary, TessaryScreen(), "btnCatalog");
  box = WaitForBox("Confirm");
  AnswerByKey(box, VK_RETURN);  // Yes is the default
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], "disk\\Adobe\\rs405eng.exe", "disk");
  EXPECT_TRUE(menu_.Shows(TessaryScreen().title));
  EXPECT_TRUE(menu_.Running());
}

TEST_F(TessaryTest, CatalogueWaitsForDiskNineteen) {
  BuildStandardWorld();
  world_.RemoveFile("disk\\catalog.pdf");
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND tessary = OpenSubScreen(main, TessaryScreen());
  ASSERT_TRUE(tessary);
  Click(tessary, TessaryScreen(), "btnCatalog");
  const BoxView box = WaitForBox("Confirm");
  ExpectBox(
      box, "Confirm",
      "Please insert Kinloom Disk 19 (Immigrant Ships and Catalog) into drive " + At("disk\\"),
      kOkCancel);
  Answer(box, kIdCancel);
  Click(tessary, TessaryScreen(), "btnTYcom");
  ASSERT_EQ(WaitForLaunches(1).size(), 1u);  // one at a time, so the journal keeps their order
  Click(tessary, TessaryScreen(), "btnBulletin");
  const std::vector<Launch> launches = WaitForLaunches(2);
  ExpectStartedInAll(2);
  ExpectRedirect(launches[0], "tyhome");
  ExpectRedirect(launches[1], "bulletin");
}

}  // namespace
}  // namespace kinloom::e2e
