// The Tessary screen: the partner's record collections, its catalogue and two web pages.
#pragma once

#include "screens/hotspot_menu_screen.h"

namespace kinloom {

class TfrmTY : public HotspotMenuScreen {
 public:
  TfrmTY();
  void FormCreate() override;

  void btnLandClick();
  void btnMarriageClick();
  void btnCatalogClick();
  void btnTYcomClick();
  void btnBulletinClick();
  void btnCensusClick();
  void btnToMainClick();
  void btnQuitClick();
};

extern TfrmTY* frmTY;

}  // namespace kinloom
