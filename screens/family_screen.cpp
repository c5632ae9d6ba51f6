// The family screen: the photo program and its installer, the names glossary, two web pages.
#include "screens/family_screen.h"

#include <string>
#include <vector>

#include "launcher/global.h"
#include "platform/message_box.h"
#include "screens/install_offer.h"
#include "screens/web_page.h"

namespace kinloom {

TfrmFamily* frmFamily = nullptr;

namespace {

const ScreenParameters kFamily = {"family", "Kinloom Family Center", 452, "artBackDrop"};

using F = TfrmFamily;
// clang-format off
const HotspotRow<F> kHotspots[] = {
  // tag  hotspot            left top   strip              strip size, accessible name
  {{1, "btnFL",          222, 166, "artFL",          188, 246, "Framelet Photo Albums"}, &F::btnFLClick},
  {{2, "btnBrindleHome", 372, 252, "artBrindleHome", 205, 237, "Brindle Home Page"}, &F::btnBrindleHomeClick},
  {{3, "btnMyFamily",     62, 252, "artMyFamily",    200, 237, "Family Web Site"}, &F::btnMyFamilyClick},
  {{4, "btnNames",       218, 343, "artNames",       200, 219, "Names Glossary"}, &F::btnNamesClick},
  {{6, "btnToMain",       43, 399, "artToMain",      112, 141, "Main Menu"}, &F::btnToMainClick},
  {{5, "btnQuit",        495, 400, "artQuit",        107, 138, "Exit"}, &F::btnQuitClick},
};
// clang-format on

const InstallOffer kFrameletInstall = {"Framelet is not installed. Install now?",
                                       kMbYes | kMbNo | kMbCancel, Global::DiskProgram::kSetup,
                                       Global::kFrameletDisk};

}  // namespace

TfrmFamily::TfrmFamily() : HotspotMenuScreen(kFamily) {}

void TfrmFamily::FormCreate() {
  SetUpScreen(kHotspots);
  // This hotspot has always shown its normal frame while pressed: its press runs the release.
  HotspotNamed("btnMyFamily").OnMouseDown = [this](Picture& sender, MouseButton button) {
    btnMouseUp(sender, button);
  };
}

void TfrmFamily::btnFLClick() {
  // Read at every click, so an install made while the menu runs is seen at once.
  const std::string folder = Global::ReadSetting("FLDIR", Global::kNotAvailable);
  std::vector<Global::StartCandidate> installed;
  if (folder != Global::kNotAvailable) {
    installed.push_back({Global::AddTrailingBackslash(folder) + "framelet.exe"});
  }
  Global::StartFirstFound(installed, [this] {
    if (OfferInstall(kFrameletInstall)) SetModalResult(kQuitResult);
  });
}

void TfrmFamily::btnBrindleHomeClick() {
  OpenWebPage(RedirectAddress("brindlehome"));
}

void TfrmFamily::btnMyFamilyClick() {
  OpenWebPage(RedirectAddress("myfamily"));
}

void TfrmFamily::btnNamesClick() {
  Global::LaunchInstalled(Global::ProgramDir, "names7s.exe", "Names Glossary");
}

void TfrmFamily::btnQuitClick() {
  SetModalResult(kQuitResult);
}

void TfrmFamily::btnToMainClick() {
  SetModalResult(kBackToMainResult);
}

}  // namespace kinloom
