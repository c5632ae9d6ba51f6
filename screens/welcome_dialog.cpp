// The welcome dialog: offers the tutorial and lets the user turn this reminder off.
#include "screens/welcome_dialog.h"

#include "launcher/global.h"
#include "platform/message_box.h"

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
  AddControls();

  btnOK.caption = "OK";
  btnOK.isDefault = true;
  btnOK.tabOrder = 0;
  btnOK.OnClick = [this] { btnOKClick(); };
  btnCancel.caption = "Cancel";
  btnCancel.isCancel = true;
  btnCancel.tabOrder = 1;
  btnCancel.OnClick = [this] { btnCancelClick(); };
  chkReminder.caption = "Do not show this reminder again";
  chkReminder.tabOrder = 2;
  lblWelcome.wordWrap = true;
  lblQuestion.autoSize = true;
}

// Added in their stacking order; the tab order is the buttons' and the check box's own.
void TfrmWelcome::AddControls() {
  const struct {
    Control& control;
    const char* name;
    int left, top, width, height;
    int id;
  } rows[] = {
      // clang-format off
      {btnOK,       "btnOK",       384,   8,  75,  25, kResultOk},
      {chkReminder, "chkReminder",   9, 160, 392,  17, kReminderId},
      {bvlFrame,    "bvlFrame",      4,   7, 144, 108, kFrameId},
      {artTutorial, "artTutorial",   6,   9, 139, 103, kPictureId},
      {lblWelcome,  "lblWelcome",  159,   8, 218, 145, kWelcomeId},
      {btnCancel,   "btnCancel",   384,  37,  75,  25, kResultCancel},
      {lblQuestion, "lblQuestion", 158, 123,   3,  16, kQuestionId},
      // clang-format on
  };
  for (const auto& row : rows) {
    row.control.name = row.name;
    row.control.SetBounds(row.left, row.top, row.width, row.height);
    row.control.id = row.id;
    Add(row.control);
  }
}

void TfrmWelcome::FormCreate() {
  lblWelcome.text = kWelcomeText;
}

void TfrmWelcome::FormFirstShow() {
  LoadPicture();
}

void TfrmWelcome::FormScaleChanged() {
  LoadPicture();
}

// The picture is drawn for its own place.
void TfrmWelcome::LoadPicture() {
  artTutorial.SetImage(LoadArt("welcome-artTutorial", artTutorial.Bounds()));
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
