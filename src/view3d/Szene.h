#pragma once
// The whole scene rebuilt from the dialogs' grids.

// Re-reads every object from its dialog and recomputes everything derived
// from it. Neither redraws nor records an undo state; callers redraw.
void SzeneNeuBerechnen();

// The main window's intersection texts on its left panel
// (TForm_Edits_01::SchnittAngabenSchreiben), rewritten whenever a line or
// plane is recomputed here or by a rotation. The window's handlers lie above
// the recompute, so ProgrammStart sets it; nothing is written while unset.
inline void (*SchnittAngabenAusgeben)() = nullptr;

// Rebuilds the open report (ErgebnisAusgeben of ErgebnisAuswahl) after a
// recompute or a turn. The reports read what the drawing code keeps and lie
// above it, so ProgrammStart sets it; nothing is rebuilt while unset.
inline void (*BerichtAusgabe)() = nullptr;
inline void OffenenBerichtAusgeben() {
    if (BerichtAusgabe) BerichtAusgabe();
}
