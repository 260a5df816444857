#pragma once
// A vector pasted into an object's column of three number cells or fields
// (from the vector memory or the calculator), with the checks the typed
// numbers get: each text must be a valid coordinate, the object's own check
// must not refuse the new object, and the scene must not be rotated with its
// axes or turning (asked as before typing). A refused paste shows its message
// and leaves the column as it was; an accepted one is applied once, as a
// whole object, with one undo state.

#include <array>

#include "forms/Eingabeprotokoll.h"
#include "forms/Speicher.h"
#include "forms/Speichermenue.h"

// Column Spalte of O's grid, from its first number row down.
bool SpalteEinfuegen(const TObjektGitter& O, int Spalte, const TSpeicherVektor& T);
// Three of O's fields (in the order x, y, z).
bool FelderEinfuegen(const TObjektFelder& O, const std::array<TEdit*, 3>& Felder, const TSpeicherVektor& T);

// The popup target of O's grid column Spalte: its texts, and the paste
// above through the object's protocol as Protokoll gives it at paste time.
TSpaltenZiel GitterSpalte(std::function<TObjektGitter()> Protokoll, TStringGrid& G, int Spalte);
