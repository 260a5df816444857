#pragma once
// The whole scene rebuilt from the dialogs' grids.

// Re-reads every object from its dialog and recomputes everything derived
// from it. Neither redraws nor records an undo state; callers redraw.
void SzeneNeuBerechnen();
