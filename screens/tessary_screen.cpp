// The Tessary screen: the partner's record collections, its catalogue and two web pages.
#include "screens/tessary_screen.h"

#include <string>

#include "launcher/global.h"
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

constexpr int kYesNoCancel = kMbYes | kMbNo | kMbCancel;
constexpr char kArchiveQuestion[] = "Archive Record Viewer is not installed. Install now?";

const RecordCollection kCensus = {
    &Global::CensusViewerDir,
    "tyviewer.exe",
    "Census Records",
    "TYIIF.DAT",
    "13 (New York), 14 (Philadephia), or 15  (Charleston) Census Records CD",
    {"Census Record Viewer is not installed. Install now?", kYesNoCancel,
     Global::DiskProgram::kSetup, "TYIIF.DAT", "", "13, 14, or 15 Census Records"},
};

const RecordCollection kMarriage = {
    &Global::ArchivesDir,
    "parcelry.exe",
    "Marriage Records",
    "PY_Marr.id",
    "17 (Marriage Records)",
    {kArchiveQuestion, kYesNoCancel, Global::DiskProgram::kInstall, "PY_Marr.id", "",
     "17 (Marriage Records)"},
};

const RecordCollection kLand = {
    &Global::ArchivesDir,
    "parcelry.exe",
    "Land Ownership Records",
    "PY_Land.id",
    "18 (Land Ownership Records)",
    {kArchiveQuestion, kYesNoCancel, Global::DiskProgram::kInstall, "PY_Land.id", "",
     "18 (Land Ownership Records)"},
};

const InstallOffer kReaderInstall = {
    "Viewing the Catalog requires the Adobe Acrobat Reader.  Install now?",
    kMbYes | kMbNo,
    Global::DiskProgram::kReaderSetup,
    "TY_Cat.id",
    "Adobe",
    "19 (Immigrant Ships and Catalog)"};

// The shell's code for a file it could not find. On the catalogue it comes back while the
// reader's licence window is still open, so that window is brought forward instead.
constexpr std::uintptr_t kShellFileNotFound = 2;

}  // namespace

TfrmTY::TfrmTY() : HotspotMenuScreen(kTessary) {}

void TfrmTY::FormCreate() {
  SetUpScreen(kHotspots);
}

void TfrmTY::btnCensusClick() {
  if (OpenRecordCollection(kCensus)) EndModal(kQuitResult);
}

void TfrmTY::btnMarriageClick() {
  if (OpenRecordCollection(kMarriage)) EndModal(kQuitResult);
}

void TfrmTY::btnLandClick() {
  if (OpenRecordCollection(kLand)) EndModal(kQuitResult);
}

void TfrmTY::btnCatalogClick() {
  const std::string document = Global::CatalogDir + "catalog.pdf";
  if (!Global::WaitForDiskFile(document, "19 (Immigrant Ships and Catalog)")) return;
  const std::uintptr_t code = Global::ShellOpen(document, "", Global::CatalogDir);
  if (code > Global::kLastShellError) return;
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
  EndModal(kBackToMainResult);
}

void TfrmTY::btnQuitClick() {
  EndModal(kQuitResult);
}

}  // namespace kinloom
