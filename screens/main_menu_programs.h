// The programs the main menu starts itself: the tree and chart programs and the tutorial.
#pragma once

namespace kinloom {

// Starts "Tree7s.exe" from ProgramDir, which becomes the current folder for good, or else from
// the current folder. Throws kinloom::Error when the folder cannot be made current.
void StartTreeProgram();

// Starts "Chart7s.exe" from ProgramDir or else the current folder, first making that folder's
// "Charts" subfolder current when there is one. Throws kinloom::Error as StartTreeProgram.
void StartChartProgram();

// Starts the tutorial when the display has more than 256 colours; otherwise says why not.
void StartTutorialOnRichDisplay();

}  // namespace kinloom
