// Controls of the emulated handheld that the device itself did not have: for tests,
// benchmarks and the desktop program's start.
#pragma once

#include "platform/windef.h"

// Sleep pauses for real unless switched off; tests and benchmarks switch it off.
void EmulatorSetPauses(BOOL on);

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
