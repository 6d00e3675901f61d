// A recording stand-in for everything the game core calls outward, so tests can check
// which effects happen and in what order.
#pragma once

#include <functional>
#include <string>
#include <vector>

// One line per effect: "draw 61", "sound box", "thread win", "score user",
// "score computer", "sleep 200", "ask You lost. Play again?", "invalidate".
extern std::vector<std::string> Effects;
// The answer to the end-of-game question: 1 for Yes.
extern int AnswerYes;
// Runs after every DrawCell, while the core is mid-placement.
extern std::function<void(int cell)> OnDraw;

void ResetEffects();
// The rand state that makes the next rand() return r (0-32767).
unsigned SeedForNextRand(int r);
