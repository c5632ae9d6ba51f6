// The welcome dialog: offers the tutorial and lets the user turn this reminder off.
#pragma once

#include "platform/toolkit/controls.h"
#include "platform/toolkit/window.h"

namespace kinloom {

// The dialog's result that asks the main menu to start the tutorial.
constexpr int kStartTutorialResult = 1;

class TfrmWelcome : public Window {
 public:
  TfrmWelcome();
  void FormCreate() override;
  // Decodes the picture: most starts never show the dialog.
  void FormFirstShow() override;
  void FormScaleChanged() override;

  void btnOKClick();
  void btnCancelClick();

  PushButton btnOK;
  CheckBox chkReminder;
  Bevel bvlFrame;
  Picture artTutorial;
  Label lblWelcome;
  PushButton btnCancel;
  Label lblQuestion;

 private:
  void AddControls();
  void LoadPicture();
};

extern TfrmWelcome* frmWelcome;

// The text of lblWelcome.
extern const char* const kWelcomeText;

}  // namespace kinloom
