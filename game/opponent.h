// The computer's turn: take every box it can, then draw one line chosen by three rules.
#pragma once

void ComputerTurn();
void CaptureAll();
void PickQuietLine();
void PickSecondSide();
void PickSacrifice();
