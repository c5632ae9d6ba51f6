// Offering to install a missing program from the suite's disks.
#include "screens/install_offer.h"

#include "platform/message_box.h"

namespace kinloom {

bool OfferInstall(const InstallOffer& offer) {
  if (Global::ShowMessageBox(offer.question, kMsgConfirmation, offer.buttons, 0) != kResultYes) {
    return false;
  }
  return Global::RunFromDisk(offer.installer, offer.disk);
}

}  // namespace kinloom
