// The common controls library, loaded when the first standard control is about to be made.
#pragma once

namespace kinloom {

// Loads the common controls (version 6, as the manifest asks) and registers their standard
// classes, once. The menu screens have no standard controls, so a start that never shows a
// dialog or a box never pays for the library.
void PrepareStandardControls();

}  // namespace kinloom
