// Offering to install a missing program from the suite's disks.
#pragma once

#include "launcher/global.h"

namespace kinloom {

struct InstallOffer {
  const char* question;  // shown as a confirmation box with `buttons`
  int buttons;
  Global::DiskProgram installer;
  const char* markerFile;
  const char* subFolder;  // of the disk, may be empty
  const char* diskLabel;
};

// Asks the offer's question and, on Yes, runs its installer from the disk. True when the
// installer was handed to the shell.
bool OfferInstall(const InstallOffer& offer);

}  // namespace kinloom
