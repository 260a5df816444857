#pragma once
// A stored scene goes back into the program through the dialogs: its
// coordinates are written into the grid cells as if typed, the values
// without a cell straight into the objects, and the scene is rebuilt from
// the grids.

// Record 1 of Objektdatensaetze[N] (0 = file buffer, 1 = preset) into the
// dialogs' cells and the sphere radii into the spheres; no recompute.
void DateiDatensatzInDialoge(int N);
// The whole record 2 of Objektdatensaetze2[N] into the dialogs and objects;
// ends by recomputing and redrawing the scene.
void DateiDatensatz2InDialoge(int N);
// Record 1 of entry N and, with Satz2, its record 2 into the dialogs; the
// scene is rebuilt from them and redrawn.
void DateiDatensaetzeInDialoge(int N, bool Satz2);

// Undo state N into the dialogs: record 1 of UndoDaten[N] and the cone part
// of UndoKegelDaten[N] (crosshair centre, cone centres, normals, radii,
// heights). The scene is rebuilt and redrawn once, after both halves, so no
// picture shows the new geometry with the old cones.
void UndoDatensatzInDialoge(int N);
// The same for the object store.
void SpeicherDatensatzInDialoge();
