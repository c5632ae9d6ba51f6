// Offering to install a missing program from the suite's disks.
#pragma once

#include "launcher/suite_disks.h"

namespace kinloom {

struct InstallOffer {
  const char* question;  // shown as a confirmation box with `buttons`
  int buttons;
  Global::DiskProgram installer;
  const Global::SuiteDisk& disk;
};

// Asks the offer's question and, on Yes, runs its installer from the disk. True when the
// installer was handed to the shell.
bool OfferInstall(const InstallOffer& offer);

}  // namespace kinloom
