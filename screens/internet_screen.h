// The internet screen: six web destinations on the maker's redirect endpoint.
#pragma once

#include "screens/hotspot_menu_screen.h"

namespace kinloom {

class tfrmInternet : public HotspotMenuScreen {
 public:
  tfrmInternet();
  void FormCreate() override;

  void btnVarnelClick();
  void btnWorldTreeClick();
  void btnFamilyHistoryClick();
  void btnIDetClick();
  void btnRecordsClick();
  void btnTalkClick();
  void btnToMainClick();
  void btnQuitClick();
};

extern tfrmInternet* frmInternet;

}  // namespace kinloom
