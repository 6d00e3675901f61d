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

// The registry file's replacement, step by step. Tests stop a replacement before one of
// these steps, leaving the folder as a crash at that moment would (0: never stop).
enum RegistryWriteStep {
  RegistryWriteFolder = 1,  // create the folder
  RegistryWriteKeepDamaged,  // keep a damaged file aside as registry.reg.damaged
  RegistryWriteOpen,         // create the temporary file
  RegistryWriteFirstHalf,    // write the first half of the text
  RegistryWriteSecondHalf,   // write the rest
  RegistryWriteSync,         // flush the temporary file to the disk
  RegistryWriteClose,
  RegistryWriteRename,  // put it in the old file's place
  RegistryWriteSyncFolder,
  RegistryWriteDone
};
void EmulatorStopRegistryWriteBefore(int step);

// The sound output: whether a sound is playing, and whether the output device is open
// (it is open only while a sound plays, so an idle program uses no processor time).
BOOL EmulatorSoundPlaying();
BOOL EmulatorSoundDeviceOpen();
