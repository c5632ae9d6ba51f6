// Install locations from Brindle.ini and the registry, and the reminder flag.
#include <climits>

#include "launcher_fixture.h"
#include "platform/error.h"

namespace kinloom {
namespace {

using Global::AddTrailingBackslash;

const char kCensusKey[] = "Software\\Tessary\\Census Image Archive Index Viewer";
const char kArchivesKey[] = "Software\\Tessary\\Parcelry Archives\\1.50.000";

class SettingsTest : public LauncherTest {
 protected:
  void UseSettings(const std::string& body) { system.SetProfileFile("Brindle.ini", body); }
};

TEST(AddTrailingBackslashTest, AddsExactlyOneWhenMissingAndNormalisesNothingElse) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"na", "na\\"},
      {"\\", "\\"},
      {"D:", "D:\\"},
      {"D:\\Suite", "D:\\Suite\\"},
      {"D:\\Suite\\", "D:\\Suite\\"},
      {"D:/Suite/", "D:/Suite/\\"},
      {"D:\\\\", "D:\\\\"},
      {" x ", " x \\"},
  };
  for (const auto& [path, expected] : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(AddTrailingBackslash(path), expected);
  }
}

TEST_F(SettingsTest, MissingFileGivesTheMarkerWithBackslashAndShowsTheReminder) {
  Global::LoadSettings();
  EXPECT_EQ(Global::ProgramDir, "na\\");
  EXPECT_EQ(Global::CdPath, "na\\");
  EXPECT_EQ(Global::CatalogDir, "na\\");
  EXPECT_EQ(Global::CensusViewerDir, "na");
  EXPECT_EQ(Global::ArchivesDir, "na");
  EXPECT_TRUE(Global::ReadReminderFlag());
}

TEST_F(SettingsTest, FolderValuesGetTheirBackslashAndEmptyStaysEmpty) {
  UseSettings("[Other]\nKinDir=X:\\Wrong\n[kin7S]\nkindir=\nCDPATH=E:\nTYCatDir = \"D:\\Cat\" \n");
  Global::LoadSettings();
  EXPECT_EQ(Global::ProgramDir, "");
  EXPECT_EQ(Global::CdPath, "E:\\");
  EXPECT_EQ(Global::CatalogDir, "D:\\Cat\\");

  UseSettings("[Kin7s]\nKinDir=C:\\Kin\\\nCDPath=E:\\\n");
  Global::LoadSettings();
  EXPECT_EQ(Global::ProgramDir, "C:\\Kin\\");
  EXPECT_EQ(Global::CdPath, "E:\\");
  EXPECT_EQ(Global::CatalogDir, "na\\");
}

TEST_F(SettingsTest, LongValueIsCutBeforeItsBackslashIsAdded) {
  UseSettings("[Kin7s]\nKinDir=" + std::string(3000, 'a') + "\n");
  Global::LoadSettings();
  EXPECT_EQ(Global::ProgramDir, std::string(2047, 'a') + "\\");
}

TEST_F(SettingsTest, ReadSettingReadsAfreshEachTime) {
  EXPECT_EQ(Global::ReadSetting("FLDIR", "na"), "na");
  UseSettings("[Kin7s]\nFLDIR=C:\\Framelet\n");
  EXPECT_EQ(Global::ReadSetting("FLDIR", "na"), "C:\\Framelet");
}

TEST(ParseWholeNumberTest, AcceptsSignedDecimalAndPrefixedHexWithinThirtyTwoBits) {
  const std::pair<std::string, std::int32_t> numbers[] = {
      {"0", 0},
      {"00", 0},
      {"-0", 0},
      {"2", 2},
      {"+5", 5},
      {"-7", -7},
      {"0x10", 16},
      {"0X1f", 31},
      {"$1F", 31},
      {"$0", 0},
      {"0007", 7},
      {"2147483647", INT_MAX},
      {"-2147483648", INT_MIN},
      {"0x7FFFFFFF", INT_MAX},
  };
  for (const auto& [text, expected] : numbers) {
    SCOPED_TRACE(text);
    std::int32_t number = 12345;
    ASSERT_TRUE(Global::ParseWholeNumber(text, number));
    EXPECT_EQ(number, expected);
  }
}

TEST(ParseWholeNumberTest, RejectsEverythingElse) {
  const char* const notNumbers[] = {
      "",    "yes",    "-",          "+",           "0x",         "$",          "1 ",
      " 1",  "1.5",    "12a",        "$g",          "0x-1",       "-0x1",       "--1",
      "1e3", "\u00AE", "2147483648", "-2147483649", "4294967296", "0x80000000", "$100000000",
  };
  for (const char* text : notNumbers) {
    SCOPED_TRACE(text);
    std::int32_t number = 12345;
    EXPECT_FALSE(Global::ParseWholeNumber(text, number));
    EXPECT_EQ(number, 12345) << "left untouched";
  }
}

TEST_F(SettingsTest, ReminderIsOffOnlyForANumberThatIsZero) {
  const std::pair<std::string, bool> cases[] = {
      {"0", false},
      {"-0", false},
      {"0x0", false},
      {"$00", false},
      {"2", true},
      {"0x10", true},
      {"$1F", true},
      {"yes", true},
      {"", true},
      {"\"0\"", false},
      // Numbers that wrap to zero in 32 bits are not numbers, so they keep the reminder.
      {"4294967296", true},
      {"0x100000000", true},
  };
  for (const auto& [value, expected] : cases) {
    SCOPED_TRACE(value);
    UseSettings("[Kin7s]\nReminder=" + value + "\n");
    EXPECT_EQ(Global::ReadReminderFlag(), expected);
  }
}

TEST_F(SettingsTest, WrittenFlagReadsBackAndKeepsTheRestOfTheFile) {
  UseSettings("[Kin7s]\nKinDir=C:\\Kin\nreminder=1\n[Other]\nKey=Value\n");
  Global::WriteReminderFlag(false);
  EXPECT_FALSE(Global::ReadReminderFlag());
  EXPECT_EQ(system.ProfileFileText("Brindle.ini"),
            "[Kin7s]\r\nKinDir=C:\\Kin\r\nreminder=0\r\n[Other]\r\nKey=Value\r\n");
  Global::WriteReminderFlag(true);
  EXPECT_TRUE(Global::ReadReminderFlag());
  EXPECT_EQ(Global::ReadSetting("KinDir", "na"), "C:\\Kin");
}

TEST_F(SettingsTest, WriteCreatesTheFileWhenAbsent) {
  Global::WriteReminderFlag(false);
  EXPECT_EQ(system.ProfileFileText("Brindle.ini"), "[Kin7s]\r\nReminder=0\r\n");
}

TEST_F(SettingsTest, FailedWriteRaisesTheErrorTheReportShows) {
  system.FailProfileWrites(true);
  try {
    Global::WriteReminderFlag(true);
    FAIL() << "no error raised";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), "Unable to write to Brindle.ini");
  }
}

struct RegistryCase {
  const char* situation;
  std::function<void(FakeSystem&, const std::string& key)> arrange;
  std::string expected;
};

TEST_F(SettingsTest, EachRegistryOutcomeGivesItsFolderValue) {
  // clang-format off
  const RegistryCase cases[] = {
    {"key absent",          [](FakeSystem&, const std::string&) {}, "na"},
    {"key refused",         [](FakeSystem& s, const std::string& k) { s.RefuseRegistryKey(k); }, "na"},
    {"value absent",        [](FakeSystem& s, const std::string& k) { s.AddRegistryKey(k); }, ""},
    {"zero length",         [](FakeSystem& s, const std::string& k) { s.SetRegistryValue(k, "InstallDir", kRegSz, ""); }, ""},
    {"text",                [](FakeSystem& s, const std::string& k) { s.SetRegistryString(k, "InstallDir", "E:\\Viewer"); }, "E:\\Viewer\\"},
    {"text with backslash", [](FakeSystem& s, const std::string& k) { s.SetRegistryString(k, "installdir", "E:\\V\\"); }, "E:\\V\\"},
    {"unexpanded",          [](FakeSystem& s, const std::string& k) { s.SetRegistryString(k, "InstallDir", "%ProgramFiles%\\V", kRegExpandSz); }, "%ProgramFiles%\\V\\"},
    {"embedded NUL",        [](FakeSystem& s, const std::string& k) { s.SetRegistryString(k, "InstallDir", std::string("E:\\V\0junk", 9)); }, "E:\\V\\"},
    {"only a NUL",          [](FakeSystem& s, const std::string& k) { s.SetRegistryString(k, "InstallDir", ""); }, ""},
    {"number",              [](FakeSystem& s, const std::string& k) { s.SetRegistryDword(k, "InstallDir", 7); }, "na"},
    {"binary",              [](FakeSystem& s, const std::string& k) { s.SetRegistryValue(k, "InstallDir", kRegBinary, "E:\\V"); }, "na"},
    {"multiple strings",    [](FakeSystem& s, const std::string& k) { s.SetRegistryValue(k, "InstallDir", kRegMultiSz, std::string("E:\\V\0\0", 6)); }, "na"},
    {"read refused",        [](FakeSystem& s, const std::string& k) { s.SetRegistryString(k, "InstallDir", "E:\\V"); s.RefuseRegistryRead(k, "InstallDir"); }, "na"},
  };
  // clang-format on
  for (const RegistryCase& c : cases) {
    SCOPED_TRACE(c.situation);
    for (bool census : {true, false}) {
      SCOPED_TRACE(census ? "census viewer" : "archives viewer");
      FakeSystem fresh;
      Global::UsePorts(fresh, boxes);
      // The other viewer is installed, so a value cannot come from the wrong key.
      fresh.SetRegistryString(census ? kArchivesKey : kCensusKey, "InstallDir", "F:\\Other");
      c.arrange(fresh, census ? kCensusKey : kArchivesKey);
      Global::LoadSettings();
      EXPECT_EQ(census ? Global::CensusViewerDir : Global::ArchivesDir, c.expected);
      EXPECT_EQ(census ? Global::ArchivesDir : Global::CensusViewerDir, "F:\\Other\\");
    }
  }
}

}  // namespace
}  // namespace kinloom
