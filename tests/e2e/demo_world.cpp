// What the demonstration suite holds, and what it leaves out on purpose to show a prompt.
#include "tests/e2e/demo_world.h"

namespace kinloom::e2e {

void BuildDemoWorld(const World& world) {
  world.Clear();
  world.MakeFolder("Start");
  // The historic records program is left out, to show the box for a program not found.
  for (const char* program : {"Tree7s.exe", "Chart7s.exe", "kwni7s.exe", "Muster7s.exe",
                              "SSI7s.exe", "names7s.exe", "Tutor7s.exe"}) {
    world.PlaceProgram(std::string("Programs\\") + program);
  }
  world.MakeFolder("Programs\\Charts");
  // The census disk (its marker TYIIF.DAT) is not in the drive, to show a disk prompt.
  for (const char* marker :
       {"kin.id", "flet.id", "PY_Marr.id", "PY_Land.id", "TY_Ship.id", "TY_Cat.id"}) {
    world.PlaceFile(std::string("Disk\\") + marker, "Kinloom demonstration disk");
  }
  for (const char* program :
       {"Tutor7s.exe", "setup.exe", "install.exe", "flete\\setup.exe", "Adobe\\rs405eng.exe"}) {
    world.PlaceProgram(std::string("Disk\\") + program);
  }
  world.PlaceFile("Disk\\Ellis\\index.htm", "<html><body>Ellis Island</body></html>");
  world.PlaceFile("Disk\\catalog.pdf", "%PDF-1.4 demonstration catalogue");
  world.PlaceProgram("Census Viewer\\tyviewer.exe");
  world.PlaceProgram("Parcelry\\parcelry.exe");
  world.PlaceProgram("Framelet\\framelet.exe");
  world.PlaceProgram("Browser\\browser.exe");
  world.SetInstallDir(kCensusViewerKey, REG_SZ, world.At("Census Viewer") + '\0');
  world.SetInstallDir(kArchivesKey, REG_SZ, world.At("Parcelry\\") + '\0');
  world.RouteShellTo("Browser\\browser.exe");
  // No Reminder key: the welcome dialog greets the first start.
  world.WriteSettings(
      "; Kinloom demonstration settings\r\n[Kin7s]\r\nKinDir=" + world.At("Programs") +
      "\r\nCDPath=" + world.At("Disk") + "\r\nTYCatDir=" + world.At("Disk") +
      "\r\nFLDIR=" + world.At("Framelet") + "\r\n");
}

}  // namespace kinloom::e2e
