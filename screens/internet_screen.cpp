// The internet screen: six web destinations on the maker's redirect endpoint.
#include "screens/internet_screen.h"

#include "screens/web_page.h"

namespace kinloom {

tfrmInternet* frmInternet = nullptr;

namespace {

const ScreenParameters kInternet = {"internet", "Kinloom Internet Center", 452, "artBackDrop"};

using I = tfrmInternet;
// clang-format off
const HotspotRow<I> kHotspots[] = {
  // tag  hotspot              left top   strip                strip size, accessible name
  {{1, "btnVarnel",        223, 133, "artVarnel",        171, 114, "Genealogy Links"}, &I::btnVarnelClick},
  {{2, "btnWorldTree",     163, 180, "artWorldTree",     293, 114, "Shared Family Trees"}, &I::btnWorldTreeClick},
  {{3, "btnFamilyHistory", 175, 316, "artFamilyHistory", 264, 114, "Family History Online"}, &I::btnFamilyHistoryClick},
  {{4, "btnIDet",          178, 225, "artIDet",          262, 111, "People Finder"}, &I::btnIDetClick},
  {{5, "btnRecords",       177, 360, "artRecords",       264, 120, "Record Requests"}, &I::btnRecordsClick},
  {{6, "btnTalk",          219, 270, "artTalk",          169, 114, "Genealogy Talk Show"}, &I::btnTalkClick},
  {{7, "btnToMain",         47, 416, "artToMain",        113,  93, "Main Menu"}, &I::btnToMainClick},
  {{8, "btnQuit",          496, 415, "artQuit",          101,  99, "Exit"}, &I::btnQuitClick},
};
// clang-format on

}  // namespace

tfrmInternet::tfrmInternet() : HotspotMenuScreen(kInternet) {}

void tfrmInternet::FormCreate() {
  SetUpScreen(kHotspots);
}

void tfrmInternet::btnVarnelClick() {
  OpenWebPage(RedirectAddress("varnelslist"));
}

void tfrmInternet::btnWorldTreeClick() {
  OpenWebPage(RedirectAddress("worldtree"));
}

void tfrmInternet::btnFamilyHistoryClick() {
  OpenWebPage(RedirectAddress("familyhist"));
}

void tfrmInternet::btnIDetClick() {
  OpenWebPage(RedirectAddress("netdetective"));
}

void tfrmInternet::btnRecordsClick() {
  OpenWebPage(RedirectAddress("recordrequest"));
}

void tfrmInternet::btnTalkClick() {
  OpenWebPage(RedirectAddress("talkshow"));
}

void tfrmInternet::btnToMainClick() {
  SetModalResult(kBackToMainResult);
}

void tfrmInternet::btnQuitClick() {
  SetModalResult(kQuitResult);
}

}  // namespace kinloom
