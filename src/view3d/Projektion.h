#pragma once
// The one mapping from space to the picture: parallel (oblique) or central
// projection onto one of the three coordinate planes, the scale of the
// picture, and the flip from picture y (upward) to pixel rows (downward).
//
// Picture points are extended pixels, x to the right and y upward from the
// bottom of the main window's client area. Nothing here rounds or clamps:
// a point far outside the window keeps its exact (finite) value, and only
// the final drawing call clips and rounds.

#include "geometry/Vektor.h"
#include "platform/Komponenten.h"
#include "platform/Typen.h"

// B := picture of P with the scales sx, sy, sz (every caller passes
// MassstabX, MassstabY, MassstabZ). Reads Zentralprojektion, ProjEbene,
// ProjRichtung, Augpunkt, the two projection planes, SkFy, SkFz, the
// picture origin of AchsenKreuz, the shift and, in central projection, the
// origin offset. A projection line parallel to the picture plane leaves the
// point at its mirrored, scaled coordinates. Any ProjEbene outside 1..3
// leaves B as it is.
void BildpunktBerechnen(TVek_R3 P, TVek_R2& B, Extended sx, Extended sy, Extended sz);

// The frame a projection works in before its fold onto the picture plane:
// P mirrored and scaled by sx, sy, sz and the axis factors (parallel), or
// only mirrored (central; Augpunkt is a point of this frame). Any ProjEbene
// outside 1..3 leaves P as it is.
TVek_R3 ParallelRahmen(TVek_R3 P, Extended sx, Extended sy, Extended sz);
TVek_R3 ZentralRahmen(TVek_R3 P);

// Fits the axes into the picture: AchseXMax/YMax/ZMax := AchsenHalbLaenge,
// MassstabBasis from BildSeite, all three scales := MassstabBasis, the zoom
// bar back to 100 % (its change action runs when that moves it),
// Pfeillaenge := AchseXMax / 50.
void MassstabSetzen();

// Pixel row of the picture height y in a window: its client height - y.
Extended BildY(const TFormZustand& Control, Extended y);
// The same for the main window, which the 3D view always uses.
Extended BildY(Extended y);

// The activation's origin pass: UrsprungBild := picture of the origin,
// projected with AugpunktDurchgang set (so without the origin offset).
void UrsprungBildBerechnen();
// The redraw's origin pass, in central projection after the first
// activation only: UrsprungBildZentral := picture of the origin (with
// AugpunktDurchgang set), UrsprungVersatz := UrsprungBildZentral -
// UrsprungBild. Does nothing otherwise.
void UrsprungVersatzBerechnen();

// ---- Main window routines of the scale (mainwindow/Massstab.cpp) -----------

// GroessteKoordinate := |Wert| when Neu is set or |Wert| is larger; then
// MassstabSetzen.
void AchsenLaengeAnpassen(bool Neu, Extended Wert);
// Change action of the zoom bar Form_Edits_01.ScrollBar2: all three scales
// := MassstabBasis · position · 0.01, Panel_ZoomFaktAnz shows position ·
// 0.01, redraw. The main window wires it as ScrollBar2.OnChange.
void ScrollBar2Change();
