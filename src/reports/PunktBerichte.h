#pragma once
// Reports on the user's vectors, segments and points as they stand in their
// dialogs' grids, on a point with a line or a plane, the older reports on
// them, and the listings of the hidden-line segments.

#include "platform/Typen.h"

// Code 35 + n; 40 all four with their angles.
void AusgabeVektor(Byte n);
void AusgabeVektorenWinkel();
// Code 40 + n; 45 all four with the angles of their lines.
void AusgabeStrecke(Byte n);
void AusgabeStreckenWinkel();
// Code 45 + n.
void AusgabePunkt(Byte n);
// Point i with line j (1 g, 2 h, 3 t): code 50 + 3(i - 1) + (j - 1); with
// plane j: code 62 + 2(i - 1) + (j - 1).
void AusgabePunktGerade(Byte i, Byte j);
void AusgabePunktEbene(Byte i, Byte j);

// The older reports: P1 with the planes and lines (code 10), P1 after the
// recorded rotations (11), the vectors (14), the segments (15).
void AusgabePunkt1Alt();
void AusgabePunkt1Gedreht();
void AusgabeVektorenAlt();
void AusgabeStreckenAlt();

// The hidden-line list of the last picture: entries 1 to 20 (code 200) and
// from 40 on (201); neither reads beyond StreckenAnzahl.
void TestausgabeStrecken1bis20();
void TestausgabeStreckenAb40();
