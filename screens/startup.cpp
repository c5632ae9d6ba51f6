// The program's entry point behind WinMain: the application, its six windows and the loop.
#include "screens/startup.h"

#include "launcher/global.h"
#include "platform/toolkit/application.h"
#include "screens/family_screen.h"
#include "screens/internet_screen.h"
#include "screens/main_menu.h"
#include "screens/research_screen.h"
#include "screens/tessary_screen.h"
#include "screens/welcome_dialog.h"

namespace kinloom {

namespace {

// The program-wide references name windows the application owns, so they go with it.
struct FormReferences {
  ~FormReferences() {
    frmMain = nullptr;
    frmResearch = nullptr;
    frmWelcome = nullptr;
    frmInternet = nullptr;
    frmFamily = nullptr;
    frmTY = nullptr;
  }
};

}  // namespace

int RunKinloom(Backend& backend, SystemPort& system) {
  Application application(backend);
  const FormReferences references;
  application.title = kApplicationTitle;
  Global::UsePorts(system, application);
  // The main menu comes first: it becomes the main window and loads the settings.
  application.CreateForm(frmMain);
  application.CreateForm(frmResearch);
  application.CreateForm(frmWelcome);
  application.CreateForm(frmInternet);
  application.CreateForm(frmFamily);
  application.CreateForm(frmTY);
  application.Run();
  return 0;
}

}  // namespace kinloom
