// A record collection read with a partner's viewer: started with its disk, or the viewer installed.
#pragma once

#include <string>

#include "screens/install_offer.h"

namespace kinloom {

struct RecordCollection {
  const std::string* viewerDir;  // the viewer's install folder, or "na" when it is not installed
  const char* viewerExe;
  const char* displayName;
  const char* markerFile;
  const char* diskLabel;
  InstallOffer install;
};

// Starts the collection's viewer once its disk is in, or offers to install the viewer. True when
// an installer was started: the screen then ends so that the launcher quits while it runs.
bool OpenRecordCollection(const RecordCollection& collection);

}  // namespace kinloom
