// The research screen: the research programs, the immigrant ships, the Ellis Island pages.
#pragma once

#include "screens/hotspot_menu_screen.h"

namespace kinloom {

class TfrmResearch : public HotspotMenuScreen {
 public:
  TfrmResearch();
  void FormCreate() override;

  void btnKWNIClick();
  void btnMusterClick();
  void btnEllisClick();
  void btnHistRecClick();
  void btnSSIClick();
  void btnShipsClick();
  void btnToMainClick();
  void btnQuitClick();
};

extern TfrmResearch* frmResearch;

}  // namespace kinloom
