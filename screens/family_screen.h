// The family screen: the photo program and its installer, the names glossary, two web pages.
#pragma once

#include "screens/hotspot_menu_screen.h"

namespace kinloom {

class TfrmFamily : public HotspotMenuScreen {
 public:
  TfrmFamily();
  void FormCreate() override;

  void btnFLClick();
  void btnBrindleHomeClick();
  void btnMyFamilyClick();
  void btnNamesClick();
  void btnQuitClick();
  void btnToMainClick();
};

extern TfrmFamily* frmFamily;

}  // namespace kinloom
