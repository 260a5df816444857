#pragma once
// A stored scene goes back into the program through the dialogs: its
// coordinates are written into the grid cells as if typed, the values
// without a cell straight into the objects, and the scene is rebuilt from
// the grids.

#include <memory>

#include "scene/Datensatz.h"

// Record 1 of Objektdatensaetze[N] (0 = file buffer, 1 = preset) into the
// dialogs' cells and the sphere radii into the spheres; no recompute.
void DateiDatensatzInDialoge(int N);
// The whole record 2 of Objektdatensaetze2[N] into the dialogs and objects;
// ends by recomputing and redrawing the scene.
void DateiDatensatz2InDialoge(int N);
// Record 1 of entry N and, with Satz2, its record 2 into the dialogs; the
// scene is rebuilt from them and redrawn.
void DateiDatensaetzeInDialoge(int N, bool Satz2);

// The state a cell edit may have to go back to (TEingabeStand), taken
// before the edit first changes the scene.
std::shared_ptr<const TEingabeStand> EingabeStandNehmen();
// Whether the undo table and the scene are still what the edit left: every
// change of the table since S was taken is one of the edit's Zustaende
// states, and the scene is the one its last state recorded. Anything else
// in between (an undo, another window's change, a turn) and S is no longer
// the state before the edit alone.
bool NurDieseBearbeitung(const TEingabeStand& S, int Zustaende);
// S back whole: the undo table, the geometry through the dialogs (exactly,
// as an undo state) and the texts. Recomputes the scene; draws nothing.
void EingabeStandZurueck(const TEingabeStand& S);

// Undo state N into the dialogs: record 1 of UndoDaten[N] and the cone part
// of UndoKegelDaten[N] (crosshair centre, cone centres, normals, radii,
// heights). The scene is rebuilt and redrawn once, after both halves, so no
// picture shows the new geometry with the old cones.
void UndoDatensatzInDialoge(int N);
// The same for the object store.
void SpeicherDatensatzInDialoge();
