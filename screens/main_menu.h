// The main menu: the main window, which opens the sub-screens in its place.
#pragma once

#include "screens/hotspot_menu_screen.h"

namespace kinloom {

class TfrmMain : public HotspotMenuScreen {
 public:
  TfrmMain();
  // Lays the screen out, then loads the settings: the main menu is created before any other
  // window, so every later reader finds them filled.
  void FormCreate() override;

  void btnArboraClick();
  void btnPlotwiseClick();
  void btnResearchClick();
  void btnQuitClick();
  void btnTutorClick();
  void btnAncestryClick();
  void btnInternetClick();
  void btnFamilyClick();
  void btnTYClick();
  // Offers the welcome dialog at the first activation only.
  void FormActivate();
  // Stores the reminder flag; every way of closing the main window passes here.
  void FormClose();

  // Shows `subScreen` modally in the main menu's place; its quit result ends the program.
  void OpenSubScreen(Window& subScreen);

  bool FirstActivation = false;
};

extern TfrmMain* frmMain;

}  // namespace kinloom
