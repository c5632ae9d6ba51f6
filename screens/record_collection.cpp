// A record collection read with a partner's viewer: started with its disk, or the viewer installed.
#include "screens/record_collection.h"

#include "platform/message_box.h"

namespace kinloom {

bool OpenRecordCollection(const RecordCollection& collection) {
  const PartnerViewer& viewer = collection.viewer;
  // Exactly "na": the viewer's registry entry could not be read, so it is not installed.
  if (*viewer.installDir == Global::kNotAvailable) {
    return OfferInstall({viewer.installQuestion, kMbYes | kMbNo | kMbCancel, viewer.installer,
                         collection.installDisk});
  }
  Global::LaunchWithDisk(*viewer.installDir, viewer.exeName, collection.displayName,
                         collection.disk.markerFile, collection.disk.label);
  return false;
}

}  // namespace kinloom
