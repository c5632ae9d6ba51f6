// A fresh launcher for each test: fake ports installed and the process-wide values as at start.
#pragma once

#include <gtest/gtest.h>

#include "launcher/global.h"
#include "tests/support/fake_system.h"
#include "tests/support/scripted_message_boxes.h"

namespace kinloom {

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Global::UsePorts(system, boxes);
    for (std::string* value : {&Global::ProgramDir, &Global::CdPath, &Global::CatalogDir,
                               &Global::CensusViewerDir, &Global::ArchivesDir}) {
      value->clear();
    }
    Global::ShowReminder = false;
  }

  void TearDown() override { EXPECT_TRUE(boxes.AllAnswered()) << "scripted answers left over"; }

  std::vector<std::string> ShellFiles() const {
    std::vector<std::string> files;
    for (const ShellCall& call : system.ShellCalls()) files.push_back(call.file);
    return files;
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const MessageBoxModel& box : boxes.Shown()) texts.push_back(box.text);
    return texts;
  }

  FakeSystem system;
  ScriptedMessageBoxes boxes;
};

}  // namespace kinloom
