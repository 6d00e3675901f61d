// The seven saved-game values as one list of numbers, for tests that save and load games.
#pragma once

#include <cstdint>
#include <vector>

#include "game/board.h"

// Every number a save writes: occ and box cell by cell, then f, F, first and both scores.
inline std::vector<int32_t*> GameValues() {
  std::vector<int32_t*> values;
  for (int i = 0; i < CellCount; ++i) values.insert(values.end(), {&occ[i], &box[i]});
  values.insert(values.end(), {&f, &F, &first, &UserScore, &ComputerScore});
  return values;
}

inline std::vector<int32_t> CurrentGame() {
  std::vector<int32_t> game;
  for (const int32_t* value : GameValues()) game.push_back(*value);
  return game;
}

inline void SetGame(const std::vector<int32_t>& game) {
  const std::vector<int32_t*> values = GameValues();
  for (size_t i = 0; i < values.size(); ++i) *values[i] = game[i];
}
