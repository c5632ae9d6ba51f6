// The program's entry point behind WinMain: the application, its six windows and the loop.
#include "screens/startup.h"

#include "launcher/global.h"
#include "screens/family_screen.h"
#include "screens/internet_screen.h"
#include "screens/main_menu.h"
#include "screens/research_screen.h"
#include "screens/tessary_screen.h"
#include "screens/welcome_dialog.h"

namespace kinloom {

void CreateForms(Application& application) {
  application.CreateForm(frmMain);
  application.CreateForm(frmResearch);
  application.CreateForm(frmWelcome);
  application.CreateForm(frmInternet);
  application.CreateForm(frmFamily);
  application.CreateForm(frmTY);
}

void ForgetForms() {
  frmMain = nullptr;
  frmResearch = nullptr;
  frmWelcome = nullptr;
  frmInternet = nullptr;
  frmFamily = nullptr;
  frmTY = nullptr;
}

int RunKinloom(Backend& backend, SystemPort& system) {
  struct Forms {
    ~Forms() { ForgetForms(); }
  } const forms;  // declared before the application, so cleared after it is gone
  Application application(backend);
  application.title = kApplicationTitle;
  Global::UsePorts(system, application);
  CreateForms(application);
  application.Run();
  return 0;
}

}  // namespace kinloom
