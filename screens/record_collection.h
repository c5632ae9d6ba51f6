// A record collection read with a partner's viewer: started with its disk, or the viewer installed.
#pragma once

#include <string>

#include "screens/install_offer.h"

namespace kinloom {

// A partner's viewer program, and how the menu offers to install it.
struct PartnerViewer {
  const std::string* installDir;  // the viewer's install folder, or "na" when it is not installed
  const char* exeName;
  const char* installQuestion;
  Global::DiskProgram installer;
};

// clang-format off
inline const PartnerViewer kCensusViewer   = {&Global::CensusViewerDir, "tyviewer.exe", "Census Record Viewer is not installed. Install now?",  Global::DiskProgram::kSetup};
inline const PartnerViewer kArchivesViewer = {&Global::ArchivesDir,     "parcelry.exe", "Archive Record Viewer is not installed. Install now?", Global::DiskProgram::kInstall};
// clang-format on

struct RecordCollection {
  const PartnerViewer& viewer;
  const char* displayName;
  const Global::SuiteDisk& disk;         // asked for before the viewer starts
  const Global::SuiteDisk& installDisk;  // holds the viewer's installer
};

// Starts the collection's viewer once its disk is in, or offers to install the viewer. True when
// an installer was started: the screen then ends so that the launcher quits while it runs.
bool OpenRecordCollection(const RecordCollection& collection);

}  // namespace kinloom
