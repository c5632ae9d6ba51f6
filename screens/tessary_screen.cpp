// The Tessary screen: the partner's record collections, its catalogue and two web pages.
#include "screens/tessary_screen.h"

#include <string>

#include "launcher/suite_disks.h"
#include "platform/message_box.h"
#include "screens/record_collection.h"
#include "screens/web_page.h"

namespace kinloom {

TfrmTY* frmTY = nullptr;

namespace {

const ScreenParameters kTessary = {"ty", "Kinloom Tessary Center", 452, "artBackDrop"};

using T = TfrmTY;
// clang-format off
const HotspotRow<T> kHotspots[] = {
  // tag  hotspot         left top   strip           strip size, accessible name
  {{1, "btnLand",     219, 238, "artLand",     205, 108, "Land Ownership Records"}, &T::btnLandClick},
  {{2, "btnMarriage", 196, 193, "artMarriage", 245, 108, "Marriage Records"}, &T::btnMarriageClick},
  {{3, "btnCatalog",  164, 278, "artCatalog",  317, 108, "Catalog"}, &T::btnCatalogClick},
  {{4, "btnTYcom",    186, 321, "artTYcom",    268, 108, "Tessary Home Page"}, &T::btnTYcomClick},
  {{5, "btnBulletin", 164, 361, "artBulletin", 318, 108, "Tessary Bulletin"}, &T::btnBulletinClick},
  {{6, "btnCensus",   196, 148, "artCensus",   220, 108, "Census Records"}, &T::btnCensusClick},
  {{7, "btnToMain",   100, 403, "artToMain",   131,  90, "Main Menu"}, &T::btnToMainClick},
  {{8, "btnQuit",     406, 403, "artQuit",     130,  90, "Exit"}, &T::btnQuitClick},
};
// clang-format on

// clang-format off
const RecordCollection kCensus   = {kCensusViewer,   "Census Records",         Global::kCensusDisk,   Global::kCensusSetupDisk};
const RecordCollection kMarriage = {kArchivesViewer, "Marriage Records",       Global::kMarriageDisk, Global::kMarriageDisk};
const RecordCollection kLand     = {kArchivesViewer, "Land Ownership Records", Global::kLandDisk,     Global::kLandDisk};
// clang-format on

const InstallOffer kReaderInstall = {
    "Viewing the Catalog requires the Adobe Acrobat Reader.  Install now?", kMbYes | kMbNo,
    Global::DiskProgram::kReaderSetup, Global::kCatalogDisk};

// The shell's code for a file it could not find. On the catalogue it comes back while the
// reader's licence window is still open, so that window is brought forward instead.
constexpr std::uintptr_t kShellFileNotFound = 2;

}  // namespace

TfrmTY::TfrmTY() : HotspotMenuScreen(kTessary) {}

void TfrmTY::FormCreate() {
  SetUpScreen(kHotspots);
}

void TfrmTY::btnCensusClick() {
  if (OpenRecordCollection(kCensus)) SetModalResult(kQuitResult);
}

void TfrmTY::btnMarriageClick() {
  if (OpenRecordCollection(kMarriage)) SetModalResult(kQuitResult);
}

void TfrmTY::btnLandClick() {
  if (OpenRecordCollection(kLand)) SetModalResult(kQuitResult);
}

void TfrmTY::btnCatalogClick() {
  const std::string document = Global::CatalogDir + "catalog.pdf";
  if (!Global::WaitForDiskFile(document, Global::kCatalogDisk.label)) return;
  const std::uintptr_t code = Global::ShellOpen(document, "", Global::CatalogDir);
  if (code > Global::kHighestShellError) return;
  if (code == kShellFileNotFound) {
    Global::System().BringWindowToForeground("Software License Agreement");
    return;
  }
  // The reader's installer runs beside the menu, which stays open whatever happens.
  OfferInstall(kReaderInstall);
}

void TfrmTY::btnTYcomClick() {
  OpenWebPage(RedirectAddress("tyhome"));
}

void TfrmTY::btnBulletinClick() {
  OpenWebPage(RedirectAddress("bulletin"));
}

void TfrmTY::btnToMainClick() {
  SetModalResult(kBackToMainResult);
}

void TfrmTY::btnQuitClick() {
  SetModalResult(kQuitResult);
}

}  // namespace kinloom
