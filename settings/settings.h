// The two settings and the game in progress, kept in the current user's registry.
#pragma once

#include <cstdint>

extern int32_t Sound;  // 1 plays sounds, 0 is silent
extern int32_t Skin;   // 0 "Default", 1-5 "Skin1"-"Skin5"

// Reads Sound and Skin; a setting that is missing or out of range takes its default.
void LoadSettings();
void SaveSettings();
// Reads the seven saved-game values straight into the game state: 1 when all were read,
// 0 at the first that was not (the caller then starts a new game over the part read).
int LoadGame();
void SaveGame();
