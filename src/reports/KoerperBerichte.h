#pragma once
// Reports on the bodies: parallelepipeds, spheres (alone and with a point,
// a line or a plane) and cones, and the older reports on them. Centres and
// corners the user typed are read from the dialogs' grids; everything else
// from the scene as the view last computed it.

#include "platform/Typen.h"

// Code 17 + n.
void AusgabeSpat(Byte n);
// Sphere n; stores no code.
void AusgabeKugel(Byte n);
// Sphere i with point j; code 78 + 4(i - 1) + (j - 1). Overwrites the
// scratch plane E3 when the point lies outside.
void AusgabeKugelPunkt(Byte i, Byte j);
// Sphere i with line j (1 g, 2 h, 3 t); code 94 + 3(i - 1) + (j - 1).
void AusgabeKugelGerade(Byte i, Byte j);
// Sphere i with plane j; code 106 + 2(i - 1) + (j - 1).
void AusgabeKugelEbene(Byte i, Byte j);
// Code 113 + n.
void AusgabeKegel(Byte n);

// The older reports: parallelepiped 1 (code 7), sphere 1 with P1 and g
// (12), sphere 1 with E1 and the coordinate planes (13), cones 1 and 2 (17).
void AusgabeSpat1Alt();
void AusgabeKugelAlt();
void AusgabeKugelEbenenAlt();
void AusgabeKegelAlt();
