#pragma once
// Small routines of the object dialogs that other parts of the program use.

#include "geometry/Vektor.h"
#include "platform/Typen.h"

// X := P + d·n/|n|, n = u × v turned towards the plane (n·A >= 0) and d the
// distance of P from the plane (A; u, v). With P = origin, X is the foot of
// the perpendicular from the origin. When u and v span no plane, X := P.
void LotpunktUeberNormale(TVek_R3 A, TVek_R3 u, TVek_R3 v, TVek_R3 P, TVek_R3& X);

// Measures of a cone of height h and base radius r.
Extended KegelVolumen(Extended h, Extended r);
Extended KegelMantellinie(Extended h, Extended r);
Extended KegelMantelflaeche(Extended h, Extended r);
Extended KegelOberflaeche(Extended h, Extended r);
// Degrees; 0 for a cone without slant height (r = h = 0).
Extended KegelOeffnungswinkel(Extended h, Extended r);

// R := v scaled to length L; v itself when |v| < 1e-9.
void VektorAufLaenge(TVek_R3 v, TVek_R3& R, Extended L);

// Parameter form of plane k (1..3) from its coordinate form KoordA..KoordD.
// False, and the plane unchanged, when a, b and c all vanish.
bool EbeneKoordZuParam(Byte k);

// Feet F1 on A + s·u and F2 on B + t·w of the common perpendicular of two
// skew lines (also for perpendicular directions). False, and F1, F2
// untouched, when u and w are parallel.
bool LotFusspunkteWindschief(TVek_R3 A, TVek_R3 B, TVek_R3 u, TVek_R3 w, TVek_R3& F1,
                             TVek_R3& F2);
