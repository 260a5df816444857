#pragma once
// Reports on the planes E1 and E2: one plane (E1 code 34, E2 codes 35 and
// 6), the two planes together (code 118) and the older, shorter report on
// E1 (code 5).

#include "platform/Typen.h"

// The plane n (only 1 is asked for); stores 33 + n.
void AusgabeEbene(Byte n);
// E2; stores 6 whether it was asked for by 35 or by 6.
void AusgabeEbeneE2();
void AusgabeEbeneEbene();
void AusgabeEbeneE1Alt();
