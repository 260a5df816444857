#pragma once
// Drawing of the frame of reference: axes cross, tick marks, the walls of the
// axes cuboid, the axis numbers and the vanishing segments. The points come
// from AKreuzBerechnen, AchseneinteilungenBerechnen and MaxQuaderBerechnen.
//
// Lines go through StreckeZeichnen3D (queued in hidden-line mode); the wall
// fills, numbers and circles are painted straight onto Zeichenbitmap().

#include "scene/Objekte.h"

// TAKreuz.Zeichnen: axes and arrow heads at width 2, letters at width 1, in
// the colour and style of the cross.
void AKreuzZeichnen(const TAKreuz& K);
// TAchseneinteilungen.Zeichnen: ticks 1..8 of x, y, z in turn, black, width
// 1, in the style of the axes cross.
void AchseneinteilungenZeichnen(const TAchseneinteilungen& E);
// Fills the walls chosen in GitterWaende (order 1, 5, 2, 3, 6, 4), then
// draws their grids with AnzGitterLinien parts per edge (borders only when
// that is 0, no grid lines when it is negative).
void GitterwaendeZeichnen(const TSpat& Q);
// The axis numbers -X, 0, X along AB, -Y, 0, Y along BC, -Z, 0, Z along CG,
// with a small circle at each zero.
void AchsenwerteZeichnen(const TSpat& Q);
// The axes cuboid: its edges as a parallelepiped's, without the rotation
// segment the parallelepipeds carry.
void AchsenWuerfelZeichnen();
// The axes cuboid and the segments from its corners A..H to the eye point.
void FluchtstreckenZeichnen();
