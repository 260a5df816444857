#pragma once
// Drawing of every object kind from its stored points. Each routine only
// projects and draws, except for what the drawing itself decides: the foot
// and right-angle mark of the rotation segment, a parallelepiped's vector
// width and a point's cross in hidden-line mode are stored in the object.
//
// Lines of the picture go through StreckeZeichnen3D. Spheres, cones and
// points draw straight onto Zeichenbitmap() while hidden lines are off.
// The redraw calls the routines only for visible objects and sets
// AktLinienNr before each line and plane.

#include "geometry/Vektor.h"
#include "platform/Typen.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Objekte.h"

// The object routines (TSpat.Zeichnen, TKugel.Zeichnen, ...).
// SpatZeichnen also draws the box of the axes while MaxQuaderWirdGezeichnet
// is set, and clears that flag when it ends.
void SpatZeichnen(TSpat& S);
void KugelZeichnen(TKugel& K);
void KegelZeichnen(TKegel& K);
void VektorZeichnen(TVektor& V);
void StreckeZeichnen(TStrecke& S);
void PunktZeichnen(TPunkt& P);
void FadenkreuzZeichnen(TFadenkreuz& F);
// Reads AktLinienNr: 1 g, 2 h, 33 t draw everything that belongs to a user
// line; every other number (derived lines) only the drawn piece.
void GeradeZeichnen(TGerade& G);
// Reads AktLinienNr: 3 for E1, 4 for E2.
void EbeneZeichnen(TEbene& E);

// Step between the drawn rings (or meridians) of a sphere of this density:
// 24 div density; a density outside 1..24 draws the least mesh.
int Kugelschritt(int Dichte);

// Grid of a plane square with the corners P0..P3 (P3 unused): N parts per
// side, both families including the outer edges; inner lines in InnenStil,
// the outer ones in RandStil. N = 0 draws the outline only, a negative N
// nothing.
void ZeichneEbenenGitter(TVek_R3 P0, TVek_R3 P1, TVek_R3 P2, TVek_R3 P3, int N, TPenStyle InnenStil,
                         TPenStyle RandStil, TColor Farbe);

// Right-angle mark at O between the directions to P and to Q, legs d long:
// Ecken[1] = P', Ecken[2] = the corner, Ecken[3] = Q'.
void EckParallelogramm(TVek_R3 O, TVek_R3 P, TVek_R3 Q, Extended d, TPunkte<3>& Ecken);

// Rotation segment of one object: the perpendicular from R to Lotgerade,
// drawn when a whole-scene rotation happened and the segments are switched
// on; the foot goes into Lotfuss, the right-angle mark (towards Q) into
// LotWinkel, drawn in Farbe. The caller tests the mode condition
// (AchsenMitDrehen or MaxQuaderWirdGezeichnet).
void DrehstreckeZeichnen(TVek_R3 R, TVek_R3 Q, TColor Farbe, TVek_R3& Lotfuss, TPunkte<3>& LotWinkel);
