#pragma once
// Reports on the lines g, h and t (1, 2, 3): one line, a pair of lines, a
// line and a plane (E1 1, E2 2), and the older reports on g, h and t. Each
// builds its lines from the scene as the view last computed it and stores
// its report code.

#include "platform/Typen.h"

// Code 21 + n.
void AusgabeGerade(Byte n);
// Lines a < b; code 25 (g, h), 26 (g, t) or 27 (h, t).
void AusgabeGeradeGerade(Byte a, Byte b);
// Line i with plane j; code 25 + 2i + j (28 .. 33).
void AusgabeGeradeEbene(Byte i, Byte j);

// The older reports: g and h (code 1), their projections onto the
// coordinate planes (2), their angles and distances (3), g and h with E1
// and E2 (4), and t with g and h (16).
void AusgabeGeradenGH();
void AusgabeGeradenGHProjektion();
void AusgabeGeradenGHWinkel();
void AusgabeGeradenEbenen();
void AusgabeGeradeTAlt();
