// The welcome dialog: offers the tutorial and lets the user turn this reminder off.
#include "screens/welcome_dialog.h"

#include "launcher/global.h"
#include "platform/message_box.h"
#include "platform/toolkit/application.h"

namespace kinloom {

TfrmWelcome* frmWelcome = nullptr;

const char* const kWelcomeText =
    "Get Started Fast!\r\n"
    "\r\n"
    "The Kinloom tutorial provides a fun, "
    "quick overview of the important tools "
    "in this package that help you research "
    "and record your family history.\r\n"
    "To begin the tutorial, click on the OK button now.";

namespace {

// Ids of the controls that are not push buttons; the buttons' ids are their results.
enum ControlId { kReminderId = 101, kFrameId, kPictureId, kWelcomeId, kQuestionId };

}  // namespace

TfrmWelcome::TfrmWelcome() {
  title = "Welcome";
  border = BorderStyle::kDialog;
  centredOnFirstShow = true;
  clientWidth = 465;
  clientHeight = 183;
  fontName = "MS Sans Serif";
  fontPointSize = 8;

  btnOK.name = "btnOK";
  btnOK.SetBounds(384, 8, 75, 25);
  btnOK.caption = "OK";
  btnOK.id = kResultOk;
  btnOK.isDefault = true;
  btnOK.tabOrder = 0;
  btnOK.OnClick = [this] { btnOKClick(); };

  chkReminder.name = "chkReminder";
  chkReminder.SetBounds(9, 160, 392, 17);
  chkReminder.caption = "Do not show this reminder again";
  chkReminder.id = kReminderId;
  chkReminder.tabOrder = 2;

  bvlFrame.name = "bvlFrame";
  bvlFrame.SetBounds(4, 7, 144, 108);
  bvlFrame.id = kFrameId;

  artTutorial.name = "artTutorial";
  artTutorial.SetBounds(6, 9, 139, 103);
  artTutorial.id = kPictureId;

  lblWelcome.name = "lblWelcome";
  lblWelcome.SetBounds(159, 8, 218, 145);
  lblWelcome.wordWrap = true;
  lblWelcome.id = kWelcomeId;

  btnCancel.name = "btnCancel";
  btnCancel.SetBounds(384, 37, 75, 25);
  btnCancel.caption = "Cancel";
  btnCancel.id = kResultCancel;
  btnCancel.isCancel = true;
  btnCancel.tabOrder = 1;
  btnCancel.OnClick = [this] { btnCancelClick(); };

  lblQuestion.name = "lblQuestion";
  lblQuestion.SetBounds(158, 123, 3, 16);
  lblQuestion.autoSize = true;
  lblQuestion.id = kQuestionId;

  for (Control* control : std::initializer_list<Control*>{
           &btnOK, &chkReminder, &bvlFrame, &artTutorial, &lblWelcome, &btnCancel, &lblQuestion}) {
    Add(*control);
  }
}

void TfrmWelcome::FormCreate() {
  lblWelcome.text = kWelcomeText;
}

void TfrmWelcome::FormFirstShow() {
  artTutorial.SetImage(App()->LoadArt("welcome-artTutorial"));
}

void TfrmWelcome::btnOKClick() {
  Global::ShowReminder = false;
  SetModalResult(kStartTutorialResult);
}

void TfrmWelcome::btnCancelClick() {
  Global::ShowReminder = !chkReminder.checked;
  SetModalResult(kResultCancel);
}

}  // namespace kinloom
