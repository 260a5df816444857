#pragma once
// A stored scene goes back into the program through the dialogs: its
// coordinates are written into the grid cells as if typed, the values
// without a cell straight into the objects, and the scene is rebuilt from
// the grids.

#include <memory>

#include "platform/Komponenten.h"
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

// The grid a record's vector is shown in.
TStringGrid& DialogGitter(const TZellenOrt& z);

// The state a cell edit may have to go back to (TEingabeStand), taken
// before the edit first changes the scene.
std::shared_ptr<const TEingabeStand> EingabeStandNehmen();
// The scene, the undo table and the turns as they are now, to be compared
// with a later one: any difference is a change.
TSzenenAbdruck SzenenAbdruckNehmen();
// S back whole: the undo table, the geometry through the dialogs (exactly,
// as an undo state) and the texts, except the cells other edits hold open.
// Recomputes the scene; draws nothing.
void EingabeStandZurueck(const TEingabeStand& S);
// Inside a GespeicherteZellwerte: every object cell reads as the value its
// object holds now, whatever its text shows (three decimals of a turned
// point, an open edit's typing), so a rebuild from the grids changes no
// number of the scene.
void SzenenwerteNotieren();
// The radius and height fields show the values of the sphere and cone
// their dialogs show now: a text that does not (ZeigtWert) gets the
// value's text. A field the user is editing stays.
void FelderNachSzene();

// Undo state N into the dialogs: record 1 of UndoDaten[N] and the cone part
// of UndoKegelDaten[N] (crosshair centre, cone centres, normals, radii,
// heights). The scene is rebuilt and redrawn once, after both halves, so no
// picture shows the new geometry with the old cones.
void UndoDatensatzInDialoge(int N);
// The same for the object store.
void SpeicherDatensatzInDialoge();
