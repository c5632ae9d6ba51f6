// A record collection read with a partner's viewer: started with its disk, or the viewer installed.
#include "screens/record_collection.h"

#include "launcher/global.h"

namespace kinloom {

bool OpenRecordCollection(const RecordCollection& collection) {
  // Exactly "na": the viewer's registry entry could not be read, so it is not installed.
  const std::string& folder = *collection.viewerDir;
  if (folder == Global::kNotAvailable) return OfferInstall(collection.install);
  Global::LaunchWithDisk(folder, collection.viewerExe, collection.displayName,
                         collection.markerFile, collection.diskLabel);
  return false;
}

}  // namespace kinloom
