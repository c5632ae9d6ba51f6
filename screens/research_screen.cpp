// The research screen: the research programs, the immigrant ships, the Ellis Island pages.
#include "screens/research_screen.h"

#include "launcher/suite_disks.h"
#include "screens/record_collection.h"

namespace kinloom {

TfrmResearch* frmResearch = nullptr;

namespace {

const ScreenParameters kResearch = {"research", "Kinloom Research Center", 452, "artBackDrop"};

using R = TfrmResearch;
// clang-format off
const HotspotRow<R> kHotspots[] = {
  // tag  hotspot        left top   strip          strip size, accessible name
  {{1, "btnKWNI",    176, 121, "artKWNI",    266, 144, "World Name Index"}, &R::btnKWNIClick},
  {{2, "btnMuster",  154, 258, "artMuster",  312, 120, "Civil War Muster Rolls"}, &R::btnMusterClick},
  {{3, "btnEllis",   213, 348, "artEllis",   186, 117, "Ellis Island"}, &R::btnEllisClick},
  {{4, "btnHistRec", 190, 214, "artHistRec", 237, 117, "Historic Records"}, &R::btnHistRecClick},
  {{5, "btnSSI",     162, 172, "artSSI",     293, 117, "Social Security Index"}, &R::btnSSIClick},
  {{6, "btnShips",   190, 304, "artShips",   239, 120, "Immigrant Ships"}, &R::btnShipsClick},
  {{7, "btnToMain",   19, 409, "artToMain",  157, 111, "Main Menu"}, &R::btnToMainClick},
  {{8, "btnQuit",    448, 411, "artQuit",    161, 111, "Exit"}, &R::btnQuitClick},
};
// clang-format on

const RecordCollection kImmigrantShips = {kArchivesViewer, "Immigrant Ships and Catalog",
                                          Global::kShipsDisk, Global::kShipsDisk};

}  // namespace

TfrmResearch::TfrmResearch() : HotspotMenuScreen(kResearch) {}

void TfrmResearch::FormCreate() {
  SetUpScreen(kHotspots);
}

void TfrmResearch::btnKWNIClick() {
  Global::LaunchInstalled(Global::ProgramDir, "kwni7s.exe", "Kinloom World Name Index");
}

void TfrmResearch::btnMusterClick() {
  Global::LaunchInstalled(Global::ProgramDir, "Muster7s.exe", "Civil War Muster Rolls");
}

void TfrmResearch::btnHistRecClick() {
  Global::LaunchInstalled(Global::ProgramDir, "Hist7s.exe", "Historic Records");
}

void TfrmResearch::btnSSIClick() {
  Global::LaunchInstalled(Global::ProgramDir, "SSI7s.exe", "Social Security Index");
}

void TfrmResearch::btnEllisClick() {
  const std::string page = Global::CdPath + Global::kEllisDisk.markerFile;
  if (!Global::WaitForDiskFile(page, Global::kEllisDisk.label)) return;
  // Opened in their own folder on the disk, where their relative links and pictures resolve.
  if (!Global::ShellOpenOk(page, "", Global::CdPath + "Ellis\\")) {
    Global::ReportNoHtmlAssociation(page);
  }
}

void TfrmResearch::btnShipsClick() {
  if (OpenRecordCollection(kImmigrantShips)) SetModalResult(kQuitResult);
}

void TfrmResearch::btnToMainClick() {
  SetModalResult(kBackToMainResult);
}

void TfrmResearch::btnQuitClick() {
  SetModalResult(kQuitResult);
}

}  // namespace kinloom
