#pragma once
// The frame of reference of the picture as points of space: the axes cross
// with arrow heads and letters, and the tick marks. Both follow from the
// half-lengths AchseXMax, AchseYMax, AchseZMax and the arrow-head length
// Pfeillaenge (set by MassstabSetzen); the recompute calls AKreuzBerechnen,
// AchseneinteilungenBerechnen and then MaxQuaderBerechnen (the axes cuboid,
// scene/ObjektGeometrie.h), which also puts a turned frame back in place.

#include "scene/Objekte.h"

// TAKreuz.Berechnen: Achsenpunkte[1..27] (axes 1-6, arrow heads 7-15 as barb,
// tip, barb for x, y, z, letters x 16-19, y 20-23, z 24-27), Farbe :=
// FarbeAchsen, Linienstil := 0. The picture origin is left alone.
void AKreuzBerechnen(TAKreuz& K);

// TAchseneinteilungen.Berechnen: ticks 1..8 of each axis at the multiples
// -1..-4, then 1..4 of a quarter of the half-length, each 2·Pfeillaenge long
// and centred on its axis. Entries 9 and 10 are not touched.
void AchseneinteilungenBerechnen(TAchseneinteilungen& E);
