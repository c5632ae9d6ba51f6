// Where the menu's windows put their hotspots, and which art each hotspot shows.
#pragma once

#include <string>
#include <vector>

namespace kinloom::e2e {

struct Hotspot {
  const char* name;  // btnArbora
  const char* art;   // artArbora
  int left;
  int top;
  int width;
  int height;
};

struct MenuScreen {
  const char* title;
  const char* artPrefix;  // the art files are <artPrefix>-<art>.bmp
  int clientWidth;
  int clientHeight;
  std::vector<Hotspot> hotspots;

  // The hotspot of that name; throws std::out_of_range for a name the screen lacks.
  const Hotspot& Find(const std::string& name) const;
};

const MenuScreen& MainScreen();
const MenuScreen& ResearchScreen();
const MenuScreen& FamilyScreen();
const MenuScreen& TessaryScreen();
const MenuScreen& InternetScreen();

constexpr char kWelcomeTitle[] = "Welcome";

}  // namespace kinloom::e2e
