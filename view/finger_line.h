// The line a finger means: a fingertip covers several of the board's pixels, so a touch
// that misses every line is given the free line clearly nearest to it, within a reach
// measured on the glass. The mouse and the pen keep HitTestLine.
#pragma once

#include <cstdint>

// How far from a line's middle half a finger still takes it, and by how much the nearest
// line must be nearer than the next for the touch to be clear, measured to the lines'
// middle halves and to their whole sprites, in millimetres on the glass.
constexpr double FingerReachMillimetres = 4.0;
constexpr double FingerClearMillimetres = 0.7;
constexpr double FingerSpriteClearMillimetres = 0.2;

// The cell index of the line a finger at a client-area point means, or -1: the line
// HitTestLine finds there (drawn or not), else the nearest free line when it lies within
// the reach and is clearly nearer than any other free line, both to its middle half and to its whole sprite (the
// middle of a box, equally near four lines, takes nothing). `pixelsPerMillimetre` is the
// screen's size on the glass, as shown now.
int FingerLine(int32_t x, int32_t y, double pixelsPerMillimetre);
