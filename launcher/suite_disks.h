// The suite's disks as the menu asks for them: how a prompt names each, the file at the root of
// the drive that recognises it, and where on it RunFromDisk finds its program.
#pragma once

#include "launcher/global.h"

namespace kinloom::Global {

struct SuiteDisk {
  const char* label;  // "Please insert Kinloom Disk <label> into drive <CdPath>"
  const char* markerFile;
  const char* installerFolder;  // empty: the root of the disk
};

// One row for each way a screen asks for a disk: the census disks go by two labels, and disk 19
// is recognised by one file for its ships archive and by another for its catalogue.
// clang-format off
inline constexpr char kDisk19[] = "19 (Immigrant Ships and Catalog)";
inline constexpr SuiteDisk kTutorialDisk    = {"1",                            "kin.id",     ""};
inline constexpr SuiteDisk kFrameletDisk    = {"2 (Framelet)",                 "flet.id",    "flete"};
inline constexpr SuiteDisk kCensusSetupDisk = {"13, 14, or 15 Census Records", "TYIIF.DAT",  ""};
inline constexpr SuiteDisk kCensusDisk      = {"13 (New York), 14 (Philadephia), or 15  (Charleston) Census Records CD", "TYIIF.DAT", ""};
inline constexpr SuiteDisk kMarriageDisk    = {"17 (Marriage Records)",        "PY_Marr.id", ""};
inline constexpr SuiteDisk kLandDisk        = {"18 (Land Ownership Records)",  "PY_Land.id", ""};
inline constexpr SuiteDisk kShipsDisk       = {kDisk19,                        "TY_Ship.id", ""};
inline constexpr SuiteDisk kCatalogDisk     = {kDisk19,                        "TY_Cat.id",  "Adobe"};
// Its pages are read straight from the disk, and recognise it.
inline constexpr SuiteDisk kEllisDisk       = {"20 (Ellis Island)",            "Ellis\\index.htm", ""};
// clang-format on

// Runs `program` from the disk's installer folder, once the disk is in (RunFromDisk).
bool RunFromDisk(DiskProgram program, const SuiteDisk& disk);

}  // namespace kinloom::Global
