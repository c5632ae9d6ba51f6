// The internet screen end to end: six web destinations, and the report when no browser exists.
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

using InternetTest = MenuTest;

TEST_F(InternetTest, EachHotspotOpensItsDestination) {
  BuildStandardWorld();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND internet = OpenSubScreen(main, InternetScreen());
  ASSERT_TRUE(internet);
  const std::pair<const char*, const char*> kDestinations[] = {
      {"btnVarnel", "varnelslist"},       {"btnWorldTree", "worldtree"},
      {"btnFamilyHistory", "familyhist"}, {"btnIDet", "netdetective"},
      {"btnRecords", "recordrequest"},    {"btnTalk", "talkshow"}};
  size_t count = 0;
  for (const auto& [hotspot, targetId] : kDestinations) {
    SCOPED_TRACE(hotspot);
    Click(internet, InternetScreen(), hotspot);
    const std::vector<Launch> launches = WaitForLaunches(++count);
    ASSERT_EQ(launches.size(), count);
    ExpectRedirect(launches.back(), targetId);
  }
  EXPECT_TRUE(menu_.Shows(InternetScreen().title));
}

TEST_F(InternetTest, WithoutABrowserEachAddressIsReportedAndTheScreenStays) {
  BuildStandardWorld();
  world_.RemoveWebAssociation();
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  HWND internet = OpenSubScreen(main, InternetScreen());
  ASSERT_TRUE(internet);
  Click(internet, InternetScreen(), "btnTalk");
  const BoxView box = WaitForBox("Error");
  ExpectNoBrowserBox(box, "talkshow");
  AnswerByKey(box, VK_ESCAPE);  // OK alone is also the cancel button
  EXPECT_TRUE(menu_.Shows(InternetScreen().title));
  menu_.ClickCloseBox(internet);
  ExpectMenuEndsWithReminder("0");
  ExpectStartedInAll(0);
}

}  // namespace
}  // namespace kinloom::e2e
