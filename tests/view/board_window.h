// A main window painted by PaintBoard on the emulated screen, with the stand-in artwork.
#pragma once

#include <string>

#include "platform/windef.h"

// The folder holding every stand-in skin image, written once per test program.
const std::string& StandInArt();
// Uses a folder as the resource folder.
void UseResFolder(const std::string& folder);
// Sets the screen for a resolution id, detects the layout, sets Skin, loads the skin from
// the resource folder and creates the main window (visible, erased white at its first paint).
void OpenBoardWindow(int resolutionId, int skin);
void CloseBoardWindow();
// Invalidates the whole window without erasing and paints it.
void PaintAll();
