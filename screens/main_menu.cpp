// The main menu: the main window, which opens the sub-screens in its place.
#include "screens/main_menu.h"

#include "launcher/global.h"
#include "platform/toolkit/application.h"
#include "screens/family_screen.h"
#include "screens/internet_screen.h"
#include "screens/main_menu_programs.h"
#include "screens/research_screen.h"
#include "screens/tessary_screen.h"
#include "screens/web_page.h"
#include "screens/welcome_dialog.h"

namespace kinloom {

TfrmMain* frmMain = nullptr;

namespace {

const ScreenParameters kMain = {"main", "Kinloom 7.0 Solstice Edition", 453, "artMainBackground"};

using M = TfrmMain;
// clang-format off
const HotspotRow<M> kHotspots[] = {
  // tag  hotspot       left top   strip          strip size
  {{1, "btnArbora",   218, 239, "artArbora",   185, 294}, &M::btnArboraClick},
  {{2, "btnPlotwise", 356, 383, "artPlotwise", 122, 177}, &M::btnPlotwiseClick},
  {{3, "btnResearch",  51, 194, "artResearch", 121, 231}, &M::btnResearchClick},
  {{4, "btnAncestry", 146, 368, "artAncestry", 140, 219}, &M::btnAncestryClick},
  {{5, "btnTutor",     14, 407, "artTutor",    104, 132}, &M::btnTutorClick},
  {{6, "btnInternet", 466, 195, "artInternet", 111, 231}, &M::btnInternetClick},
  {{7, "btnQuit",     519, 405, "artQuit",     104, 132}, &M::btnQuitClick},
  {{8, "btnFamily",    30, 296, "artFamily",    98, 228}, &M::btnFamilyClick},
  {{9, "btnTY",       476, 300, "artTY",       148, 204}, &M::btnTYClick},
};
// clang-format on

}  // namespace

TfrmMain::TfrmMain() : HotspotMenuScreen(kMain) {
  minimizeBox = true;
  centredOnFirstShow = true;
  OnActivate = [this] { FormActivate(); };
  OnClose = [this] { FormClose(); };
}

void TfrmMain::FormCreate() {
  SetUpScreen(kHotspots);
  Global::LoadSettings();
  FirstActivation = true;
}

void TfrmMain::btnArboraClick() {
  StartTreeProgram();
}

void TfrmMain::btnPlotwiseClick() {
  StartChartProgram();
}

void TfrmMain::btnResearchClick() {
  OpenSubScreen(*frmResearch);
}

void TfrmMain::btnQuitClick() {
  Close();
}

void TfrmMain::btnTutorClick() {
  StartTutorialOnRichDisplay();
}

void TfrmMain::btnAncestryClick() {
  OpenWebPage(RedirectAddress("ancestry"));
}

void TfrmMain::btnInternetClick() {
  OpenSubScreen(*frmInternet);
}

void TfrmMain::btnFamilyClick() {
  OpenSubScreen(*frmFamily);
}

void TfrmMain::btnTYClick() {
  OpenSubScreen(*frmTY);
}

void TfrmMain::FormActivate() {
  if (!FirstActivation) return;
  FirstActivation = false;
  if (!Global::ReadReminderFlag()) return;
  if (App()->ShowModal(*frmWelcome) == kStartTutorialResult) Global::StartTutorial();
}

// A failed write raises its error; the window closes all the same once it has been reported,
// so the program never lingers with its main window hidden behind a quit sub-screen.
void TfrmMain::FormClose() {
  Global::WriteReminderFlag(Global::ShowReminder);
}

// Each window shows before the other hides, both ways, so that activation never passes to
// another program in between.
void TfrmMain::OpenSubScreen(Window& subScreen) {
  subScreen.MoveTo(Position());
  subScreen.OnShown = [this] { Hide(); };
  subScreen.OnHiding = [this, &subScreen] {
    if (subScreen.ModalResult() == kQuitResult) return;
    MoveTo(subScreen.Position());
    Show();
  };
  struct Unhook {
    Window& window;
    ~Unhook() { window.OnShown = window.OnHiding = nullptr; }
  } unhook{subScreen};
  if (App()->ShowModal(subScreen) == kQuitResult) Close();
}

}  // namespace kinloom
