// Display texts under Wine: code page 1252 both ways, whatever code page the system runs with.
#include "platform/win32/display_text.h"

#include <gtest/gtest.h>

namespace kinloom {
namespace {

TEST(DisplayTextTest, ReadsAndWritesCodePage1252) {
  // 0x80 and 0x93 are where code page 1252 differs from Latin-1.
  EXPECT_EQ(DisplayText("Kinloom\xAE \x80\x93"), L"Kinloom\u00AE \u20AC\u201C");
  EXPECT_EQ(DisplayText(""), L"");
  EXPECT_EQ(TextFromWide(L"Kinloom\u00AE \u20AC\u65E5"), "Kinloom\xAE \x80?");
}

}  // namespace
}  // namespace kinloom
