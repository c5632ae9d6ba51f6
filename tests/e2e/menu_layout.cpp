// The five screens' titles and hotspot tables, as a user finds them on screen.
#include "tests/e2e/menu_layout.h"

#include <stdexcept>

namespace kinloom::e2e {

const Hotspot& MenuScreen::Find(const std::string& name) const {
  for (const Hotspot& hotspot : hotspots) {
    if (name == hotspot.name) return hotspot;
  }
  throw std::out_of_range(std::string(title) + " has no hotspot " + name);
}

const MenuScreen& MainScreen() {
  static const MenuScreen screen{"Kinloom 7.0 Solstice Edition",
                                 "main",
                                 632,
                                 453,
                                 {{"btnArbora", "artArbora", 218, 239, 185, 98},
                                  {"btnPlotwise", "artPlotwise", 356, 383, 122, 59},
                                  {"btnResearch", "artResearch", 51, 194, 121, 77},
                                  {"btnAncestry", "artAncestry", 146, 368, 140, 73},
                                  {"btnTutor", "artTutor", 14, 407, 104, 44},
                                  {"btnInternet", "artInternet", 466, 195, 111, 77},
                                  {"btnQuit", "artQuit", 519, 405, 104, 44},
                                  {"btnFamily", "artFamily", 30, 296, 98, 76},
                                  {"btnTY", "artTY", 476, 300, 148, 68}}};
  return screen;
}

const MenuScreen& ResearchScreen() {
  static const MenuScreen screen{"Kinloom Research Center",
                                 "research",
                                 632,
                                 452,
                                 {{"btnKWNI", "artKWNI", 176, 121, 266, 48},
                                  {"btnMuster", "artMuster", 154, 258, 312, 40},
                                  {"btnEllis", "artEllis", 213, 348, 186, 39},
                                  {"btnHistRec", "artHistRec", 190, 214, 237, 39},
                                  {"btnSSI", "artSSI", 162, 172, 293, 39},
                                  {"btnShips", "artShips", 190, 304, 239, 40},
                                  {"btnToMain", "artToMain", 19, 409, 157, 37},
                                  {"btnQuit", "artQuit", 448, 411, 161, 37}}};
  return screen;
}

const MenuScreen& FamilyScreen() {
  static const MenuScreen screen{"Kinloom Family Center",
                                 "family",
                                 632,
                                 452,
                                 {{"btnFL", "artFL", 222, 166, 188, 82},
                                  {"btnBrindleHome", "artBrindleHome", 372, 252, 205, 79},
                                  {"btnMyFamily", "artMyFamily", 62, 252, 200, 79},
                                  {"btnNames", "artNames", 218, 343, 200, 73},
                                  {"btnQuit", "artQuit", 495, 400, 107, 46},
                                  {"btnToMain", "artToMain", 43, 399, 112, 47}}};
  return screen;
}

const MenuScreen& TessaryScreen() {
  static const MenuScreen screen{"Kinloom Tessary Center",
                                 "ty",
                                 632,
                                 452,
                                 {{"btnLand", "artLand", 219, 238, 205, 36},
                                  {"btnMarriage", "artMarriage", 196, 193, 245, 36},
                                  {"btnCatalog", "artCatalog", 164, 278, 317, 36},
                                  {"btnTYcom", "artTYcom", 186, 321, 268, 36},
                                  {"btnBulletin", "artBulletin", 164, 361, 318, 36},
                                  {"btnCensus", "artCensus", 196, 148, 220, 36},
                                  {"btnToMain", "artToMain", 100, 403, 131, 30},
                                  {"btnQuit", "artQuit", 406, 403, 130, 30}}};
  return screen;
}

const MenuScreen& InternetScreen() {
  static const MenuScreen screen{"Kinloom Internet Center",
                                 "internet",
                                 632,
                                 452,
                                 {{"btnVarnel", "artVarnel", 223, 133, 171, 38},
                                  {"btnWorldTree", "artWorldTree", 163, 180, 293, 38},
                                  {"btnFamilyHistory", "artFamilyHistory", 175, 316, 264, 38},
                                  {"btnIDet", "artIDet", 178, 225, 262, 37},
                                  {"btnRecords", "artRecords", 177, 360, 264, 40},
                                  {"btnTalk", "artTalk", 219, 270, 169, 38},
                                  {"btnToMain", "artToMain", 47, 416, 113, 31},
                                  {"btnQuit", "artQuit", 496, 415, 101, 33}}};
  return screen;
}

}  // namespace kinloom::e2e
