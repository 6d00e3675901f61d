// Controls of the emulated handheld that the device itself did not have: for tests,
// benchmarks and the desktop program's start.
#pragma once

#include "platform/windef.h"

// Sleep pauses for real unless switched off; tests and benchmarks switch it off.
void EmulatorSetPauses(BOOL on);

// The device screen: its size in pixels, and the whole factor by which the desktop window
// shows it (0: MARLIX_PENTRO_SCALE if set, else the largest that fits the desktop). Without
// this call the size comes from MARLIX_PENTRO_SCREEN ("WIDTHxHEIGHT", default 480x640).
// A change keeps the windows as they are; their owners repaint.
void EmulatorSetScreen(int width, int height, int scale);
// A pixel of the device screen as it shows now (0x00BBGGRR); CLR_INVALID outside it.
COLORREF EmulatorScreenPixel(int x, int y);
// Saves the device screen as a PNG file at a desktop path; FALSE when it cannot.
BOOL EmulatorSaveScreenshot(const char* pngPath);
