// Each sub-screen hotspot's action: the launcher services it calls, with their exact arguments.
#include <gtest/gtest.h>

#include "screens/family_screen.h"
#include "screens/internet_screen.h"
#include "screens/research_screen.h"
#include "screens/tessary_screen.h"
#include "tests/unit/screens/screens_fixture.h"

namespace kinloom {
namespace {

struct Answer {
  int result;
  const char* insertsFile = nullptr;  // the user puts the disk in before answering
};

struct ActionCase {
  const char* name;
  const char* screen;
  const char* hotspot;
  std::function<void(FakeSystem&)> arrange;
  std::vector<Answer> answers;
  std::vector<std::pair<std::string, std::string>> shell;  // file and working folder
  std::vector<std::string> boxes;
  int modalResult = 0;
  std::vector<std::uintptr_t> shellCodes = {};
};

// Test names carry the case's name, not the bytes of the row.
void PrintTo(const ActionCase& c, std::ostream* os) {
  *os << c.name;
}

std::function<void(FakeSystem&)> Files(std::vector<std::string> files) {
  return [files](FakeSystem& system) {
    for (const std::string& file : files) system.AddFile(file);
  };
}
std::function<void(FakeSystem&)> Folder(std::string* value, std::string folder,
                                        std::vector<std::string> files) {
  return [=](FakeSystem& system) {
    *value = folder;
    Files(files)(system);
  };
}
std::function<void(FakeSystem&)> PhotoFolder(std::string line, std::vector<std::string> files) {
  return [=](FakeSystem& system) {
    system.SetProfileFile("Brindle.ini", "[Kin7s]\r\n" + line);
    Files(files)(system);
  };
}

std::string Address(const std::string& target) {
  return "http://www.kinloom.com/familytree/redirect?target_id=" + target + "&prod_id=70994";
}
std::string Missing(const std::string& name) {
  return "Cannot locate the " + name +
         " executable file.  Please reinstall Kinloom\u00AE to ensure correct operation.";
}
std::string NoBrowser(const std::string& url) {
  return "Kinloom\u00AE was unable to locate an association for .HTML files on this system.  To "
         "access the web page, launch your browser and open " +
         url;
}
std::string Insert(const std::string& label) {
  return "Please insert Kinloom Disk " + label + " into drive E:\\";
}

const std::function<void(FakeSystem&)> kNothing = [](FakeSystem&) {};
const std::string kShipsDisk = "19 (Immigrant Ships and Catalog)";
const std::string kArchiveQuestion = "Archive Record Viewer is not installed. Install now?";
const std::string kCensusQuestion = "Census Record Viewer is not installed. Install now?";
const std::string kReaderQuestion =
    "Viewing the Catalog requires the Adobe Acrobat Reader.  Install now?";
const std::string kFrameletQuestion = "Framelet is not installed. Install now?";
const std::string kCensusDisk =
    "13 (New York), 14 (Philadephia), or 15  (Charleston) Census Records CD";
std::string* const kArchives = &Global::ArchivesDir;
std::string* const kCensus = &Global::CensusViewerDir;

// clang-format off
const ActionCase kCases[] = {
  // name                          screen      hotspot            set-up, answers, shell calls (file, working folder), boxes, modal result, shell codes
  // Research
  {"KWNI",                         "research", "btnKWNI",          Files({"C:\\Suite\\kwni7s.exe"}), {}, {{"C:\\Suite\\kwni7s.exe", ""}}, {}},
  {"Muster",                       "research", "btnMuster",        Files({"C:\\Suite\\Muster7s.exe"}), {}, {{"C:\\Suite\\Muster7s.exe", ""}}, {}},
  {"HistRec",                      "research", "btnHistRec",       Files({"C:\\Suite\\Hist7s.exe"}), {}, {{"C:\\Suite\\Hist7s.exe", ""}}, {}},
  {"SSI",                          "research", "btnSSI",           Files({"C:\\Suite\\SSI7s.exe"}), {}, {{"C:\\Suite\\SSI7s.exe", ""}}, {}},
  {"KWNIMissing",                  "research", "btnKWNI",          kNothing, {{kResultCancel}}, {}, {Missing("Kinloom World Name Index")}},
  {"MusterMissing",                "research", "btnMuster",        kNothing, {{kResultCancel}}, {}, {Missing("Civil War Muster Rolls")}},
  {"HistRecMissing",               "research", "btnHistRec",       kNothing, {{kResultCancel}}, {}, {Missing("Historic Records")}},
  {"SSIMissing",                   "research", "btnSSI",           kNothing, {{kResultCancel}}, {}, {Missing("Social Security Index")}},
  {"Ellis",                        "research", "btnEllis",         Files({"E:\\Ellis\\index.htm"}), {}, {{"E:\\Ellis\\index.htm", "E:\\Ellis\\"}}, {}},
  {"EllisInserted",                "research", "btnEllis",         kNothing, {{kResultOk}, {kResultOk, "E:\\Ellis\\index.htm"}}, {{"E:\\Ellis\\index.htm", "E:\\Ellis\\"}}, {Insert("20 (Ellis Island)"), Insert("20 (Ellis Island)")}},
  {"EllisCancelled",               "research", "btnEllis",         kNothing, {{kResultCancel}}, {}, {Insert("20 (Ellis Island)")}},
  // Every disk prompt gives up at any answer but OK, as a box that could not be shown gives.
  {"EllisPromptAnsweredOtherwise", "research", "btnEllis",         kNothing, {{0}}, {}, {Insert("20 (Ellis Island)")}},
  {"EllisNoBrowser",               "research", "btnEllis",         Files({"E:\\Ellis\\index.htm"}), {{kResultOk}}, {{"E:\\Ellis\\index.htm", "E:\\Ellis\\"}}, {NoBrowser("E:\\Ellis\\index.htm")}, 0, {31}},
  {"Ships",                        "research", "btnShips",         Folder(kArchives, "C:\\Parcelry\\", {"E:\\TY_Ship.id", "C:\\Parcelry\\parcelry.exe"}), {}, {{"C:\\Parcelry\\parcelry.exe", ""}}, {}},
  {"ShipsEmptyFolder",             "research", "btnShips",         Folder(kArchives, "", {"E:\\TY_Ship.id", "C:\\Kinloom\\parcelry.exe"}), {}, {{"C:\\Kinloom\\parcelry.exe", ""}}, {}},
  {"ShipsInstall",                 "research", "btnShips",         Folder(kArchives, "na", {"E:\\TY_Ship.id", "E:\\install.exe"}), {{kResultYes}}, {{"E:\\install.exe", "E:\\"}}, {kArchiveQuestion}, kQuitResult},
  {"ShipsDeclined",                "research", "btnShips",         Folder(kArchives, "na", {}), {{kResultNo}}, {}, {kArchiveQuestion}},
  {"ShipsDiskCancelled",           "research", "btnShips",         Folder(kArchives, "na", {}), {{kResultYes}, {kResultCancel}}, {}, {kArchiveQuestion, Insert(kShipsDisk)}},
  {"ResearchToMain",               "research", "btnToMain",        kNothing, {}, {}, {}, kBackToMainResult},
  {"ResearchQuit",                 "research", "btnQuit",          kNothing, {}, {}, {}, kQuitResult},
  // Family
  {"Framelet",                     "family",   "btnFL",            PhotoFolder("FLDIR=C:\\Framelet", {"C:\\Framelet\\framelet.exe"}), {}, {{"C:\\Framelet\\framelet.exe", ""}}, {}},
  {"FrameletEmptyFolder",          "family",   "btnFL",            PhotoFolder("FLDIR=", {"C:\\Kinloom\\framelet.exe"}), {}, {{"framelet.exe", ""}}, {}},
  {"FrameletInstall",              "family",   "btnFL",            PhotoFolder("", {"E:\\flet.id", "E:\\flete\\setup.exe"}), {{kResultYes}}, {{"E:\\flete\\setup.exe", "E:\\"}}, {kFrameletQuestion}, kQuitResult},
  {"FrameletFileMissing",          "family",   "btnFL",            PhotoFolder("FLDIR=C:\\Framelet\\", {}), {{kResultCancel}}, {}, {kFrameletQuestion}},
  {"FrameletDiskCancelled",        "family",   "btnFL",            PhotoFolder("", {}), {{kResultYes}, {kResultCancel}}, {}, {kFrameletQuestion, Insert("2 (Framelet)")}},
  {"BrindleHome",                  "family",   "btnBrindleHome",   kNothing, {}, {{Address("brindlehome"), ""}}, {}},
  {"MyFamily",                     "family",   "btnMyFamily",      kNothing, {}, {{Address("myfamily"), ""}}, {}},
  {"Names",                        "family",   "btnNames",         Files({"C:\\Suite\\names7s.exe"}), {}, {{"C:\\Suite\\names7s.exe", ""}}, {}},
  {"NamesMissing",                 "family",   "btnNames",         kNothing, {{kResultCancel}}, {}, {Missing("Names Glossary")}},
  {"FamilyToMain",                 "family",   "btnToMain",        kNothing, {}, {}, {}, kBackToMainResult},
  {"FamilyQuit",                   "family",   "btnQuit",          kNothing, {}, {}, {}, kQuitResult},
  // Tessary
  {"Census",                       "ty",       "btnCensus",        Folder(kCensus, "C:\\TY\\", {"E:\\TYIIF.DAT", "C:\\TY\\tyviewer.exe"}), {}, {{"C:\\TY\\tyviewer.exe", ""}}, {}},
  {"CensusDiskCancelled",          "ty",       "btnCensus",        Folder(kCensus, "C:\\TY\\", {}), {{kResultCancel}}, {}, {Insert(kCensusDisk)}},
  {"CensusInstall",                "ty",       "btnCensus",        Folder(kCensus, "na", {"E:\\TYIIF.DAT", "E:\\setup.exe"}), {{kResultYes}}, {{"E:\\setup.exe", "E:\\"}}, {kCensusQuestion}, kQuitResult},
  {"CensusInstallCancelled",       "ty",       "btnCensus",        Folder(kCensus, "na", {}), {{kResultYes}, {kResultCancel}}, {}, {kCensusQuestion, Insert("13, 14, or 15 Census Records")}},
  {"Marriage",                     "ty",       "btnMarriage",      Folder(kArchives, "C:\\Parcelry\\", {"E:\\PY_Marr.id", "C:\\Parcelry\\parcelry.exe"}), {}, {{"C:\\Parcelry\\parcelry.exe", ""}}, {}},
  {"MarriageInstall",              "ty",       "btnMarriage",      Folder(kArchives, "na", {"E:\\PY_Marr.id", "E:\\install.exe"}), {{kResultYes}}, {{"E:\\install.exe", "E:\\"}}, {kArchiveQuestion}, kQuitResult},
  {"MarriageDiskCancelled",        "ty",       "btnMarriage",      Folder(kArchives, "C:\\Parcelry\\", {}), {{kResultCancel}}, {}, {Insert("17 (Marriage Records)")}},
  {"LandMissingViewer",            "ty",       "btnLand",          Folder(kArchives, "C:\\Parcelry\\", {"E:\\PY_Land.id"}), {{kResultCancel}}, {}, {Missing("Land Ownership Records")}},
  {"LandInstallDeclined",          "ty",       "btnLand",          Folder(kArchives, "na", {}), {{kResultCancel}}, {}, {kArchiveQuestion}},
  {"LandInstallCancelled",         "ty",       "btnLand",          Folder(kArchives, "na", {}), {{kResultYes}, {kResultCancel}}, {}, {kArchiveQuestion, Insert("18 (Land Ownership Records)")}},
  {"Catalog",                      "ty",       "btnCatalog",       Files({"E:\\Catalog\\catalog.pdf"}), {}, {{"E:\\Catalog\\catalog.pdf", "E:\\Catalog\\"}}, {}},
  {"CatalogLicencePending",        "ty",       "btnCatalog",       Files({"E:\\Catalog\\catalog.pdf"}), {}, {{"E:\\Catalog\\catalog.pdf", "E:\\Catalog\\"}}, {}, 0, {2}},
  {"CatalogReaderInstall",         "ty",       "btnCatalog",       Files({"E:\\Catalog\\catalog.pdf", "E:\\TY_Cat.id", "E:\\Adobe\\rs405eng.exe"}), {{kResultYes}}, {{"E:\\Catalog\\catalog.pdf", "E:\\Catalog\\"}, {"E:\\Adobe\\rs405eng.exe", "E:\\"}}, {kReaderQuestion}, 0, {31}},
  {"CatalogReaderDeclined",        "ty",       "btnCatalog",       Files({"E:\\Catalog\\catalog.pdf"}), {{kResultNo}}, {{"E:\\Catalog\\catalog.pdf", "E:\\Catalog\\"}}, {kReaderQuestion}, 0, {32}},
  {"CatalogDiskCancelled",         "ty",       "btnCatalog",       kNothing, {{kResultCancel}}, {}, {Insert(kShipsDisk)}},
  {"TYcom",                        "ty",       "btnTYcom",         kNothing, {}, {{Address("tyhome"), ""}}, {}},
  {"Bulletin",                     "ty",       "btnBulletin",      kNothing, {}, {{Address("bulletin"), ""}}, {}},
  {"TYToMain",                     "ty",       "btnToMain",        kNothing, {}, {}, {}, kBackToMainResult},
  {"TYQuit",                       "ty",       "btnQuit",          kNothing, {}, {}, {}, kQuitResult},
  // Internet
  {"Varnel",                       "internet", "btnVarnel",        kNothing, {}, {{Address("varnelslist"), ""}}, {}},
  {"WorldTree",                    "internet", "btnWorldTree",     kNothing, {}, {{Address("worldtree"), ""}}, {}},
  {"FamilyHistory",                "internet", "btnFamilyHistory", kNothing, {}, {{Address("familyhist"), ""}}, {}},
  {"IDet",                         "internet", "btnIDet",          kNothing, {}, {{Address("netdetective"), ""}}, {}},
  {"Records",                      "internet", "btnRecords",       kNothing, {}, {{Address("recordrequest"), ""}}, {}},
  {"Talk",                         "internet", "btnTalk",          kNothing, {}, {{Address("talkshow"), ""}}, {}},
  {"TalkNoBrowser",                "internet", "btnTalk",          kNothing, {{kResultOk}}, {{Address("talkshow"), ""}}, {NoBrowser(Address("talkshow"))}, 0, {0}},
  {"InternetToMain",               "internet", "btnToMain",        kNothing, {}, {}, {}, kBackToMainResult},
  {"InternetQuit",                 "internet", "btnQuit",          kNothing, {}, {}, {}, kQuitResult},
};
// clang-format on

class SubScreenActionTest : public ScreensTest, public ::testing::WithParamInterface<ActionCase> {
 protected:
  HotspotMenuScreen& Screen(const std::string& name) {
    if (name == "research") return *frmResearch;
    if (name == "family") return *frmFamily;
    if (name == "ty") return *frmTY;
    return *frmInternet;
  }
};

TEST_P(SubScreenActionTest, CallsTheLauncherServices) {
  const ActionCase& c = GetParam();
  c.arrange(system);
  for (std::uintptr_t code : c.shellCodes) system.QueueShellCode(code);
  for (const Answer& answer : c.answers) {
    const char* file = answer.insertsFile;
    backend.Boxes().Answer(answer.result, [this, file] {
      if (file) system.AddFile(file);
    });
  }
  HotspotMenuScreen& screen = Screen(c.screen);
  RunClick(screen, TagOf(screen, c.hotspot));

  std::vector<std::pair<std::string, std::string>> shell;
  for (const ShellCall& call : system.ShellCalls()) {
    shell.emplace_back(call.file, call.folder);
    EXPECT_EQ(call.parameters, "");
  }
  EXPECT_EQ(shell, c.shell);
  EXPECT_EQ(BoxTexts(), c.boxes);
  EXPECT_EQ(screen.ModalResult(), c.modalResult);
  const bool licenceWindowAsked = c.shellCodes == std::vector<std::uintptr_t>{2};
  EXPECT_EQ(system.ForegroundRequests(),
            licenceWindowAsked ? std::vector<std::string>{"Software License Agreement"}
                               : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(EveryHotspot, SubScreenActionTest, ::testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(ScreensTest, QuestionsOfferTheirButtonSets) {
  Global::CensusViewerDir = "na";
  system.AddFile("E:\\Catalog\\catalog.pdf");
  system.QueueShellCode(5);
  backend.Boxes().Answer(kResultNo);
  backend.Boxes().Answer(kResultNo);
  backend.Boxes().Answer(kResultCancel);
  RunClick(*frmTY, TagOf(*frmTY, "btnCensus"));
  RunClick(*frmTY, TagOf(*frmTY, "btnCatalog"));
  system.RemoveFile("E:\\Catalog\\catalog.pdf");
  RunClick(*frmTY, TagOf(*frmTY, "btnCatalog"));
  const auto& shown = backend.Boxes().Shown();
  ASSERT_EQ(shown.size(), 3u);
  const std::vector<std::vector<int>> results = {{6, 7, 2}, {6, 7}, {1, 2}};
  for (std::size_t i = 0; i < shown.size(); ++i) {
    SCOPED_TRACE(shown[i].text);
    EXPECT_EQ(shown[i].caption, "Confirm");
    std::vector<int> buttons;
    for (const MessageButton& button : shown[i].buttons) buttons.push_back(button.result);
    EXPECT_EQ(buttons, results[i]);
  }
}

}  // namespace
}  // namespace kinloom
