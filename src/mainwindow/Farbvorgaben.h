#pragma once
// The five preset colour sets of the main window's menu (F2 to F6): set 1
// holds the start colours, 2 suits a projector, 3 print on white paper,
// 4 is high contrast on black, 5 muted.

// Fills Farbsets[1..5] and Farbsets2[1..5].
void FarbsetsVorgeben();
