// The demonstration suite: programs that show where they were started from, a disk folder with
// most of its disks, both partner viewers, and settings that name them all.
#pragma once

#include "tests/e2e/world.h"

namespace kinloom::e2e {

constexpr char kDemoRoot[] = "C:\\Kinloom Demo";

// Builds the demonstration world afresh under kDemoRoot.
void BuildDemoWorld(const World& world);

}  // namespace kinloom::e2e
