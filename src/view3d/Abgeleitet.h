#pragma once
// What the view derives from the lines and planes: arrow heads and marker
// squares, the sections of a plane with the axes cube, the recomputation of a
// plane (TEbene.Berechnen) and of a line (TGerade.Berechnen), the position of
// g, h and t to each other, the intersection line sg of E1 and E2, the
// projected lines and the trace lines.
//
// Everything here computes and stores only: nothing is drawn and no message
// is shown. Inputs are taken by value; out-parameters are written last.

#include "geometry/Vektor.h"
#include "platform/Typen.h"
#include "scene/Objekte.h"

// ---- Arrow heads and marker squares -----------------------------------------

// Arrow head of the vector u drawn from A to its tip E: first barb, tip,
// second barb. The barbs are 2·Pfeillaenge long and lie in a plane through u.
// A (nearly) null u gives all three points at the origin.
void PfeilspitzeBerechnen(TVek_R3 u, TVek_R3 A, TVek_R3 E, TVek_R3& Fluegel1, TVek_R3& Spitze,
                          TVek_R3& Fluegel2);
void PfeilspitzeBerechnen(TVek_R3 u, TVek_R3 A, TVek_R3 E, TPunkte<3>& Pfeil);

// The same with both barbs in the plane spanned by p and q; barb length 6
// with klein set (example pictures), else 2·Pfeillaenge.
void PfeilspitzeInEbeneBerechnen(TVek_R3 u, TVek_R3 A, TVek_R3 E, TVek_R3 p, TVek_R3 q,
                                 TVek_R3& Fluegel1, TVek_R3& Spitze, TVek_R3& Fluegel2,
                                 bool klein);
void PfeilspitzeInEbeneBerechnen(TVek_R3 u, TVek_R3 A, TVek_R3 E, TVek_R3 p, TVek_R3 q,
                                 TPunkte<3>& Pfeil, bool klein);

// Corners C1..C4 (along the outline) of the parallelogram of sides s along u
// and v centred at S; a square when u is perpendicular to v. A (nearly) null
// u or v contributes no side.
void EbenenQuadratEcken(TVek_R3 u, TVek_R3 v, TVek_R3 S, Extended s, TPunkte<4>& Ecken);
// S + u', S + n', S - u', S - n' with u' along u and n' along u × v, both of
// length s: a square with diagonals 2s. A vector without direction
// contributes nothing.
void EbenenQuadratEcken2(TVek_R3 u, TVek_R3 v, TVek_R3 S, Extended s, TPunkte<4>& Ecken);

// ---- Planes -------------------------------------------------------------------

// Section segment of the plane (S; u, v) with face Flaeche (1..6) of the axes
// cube: 1 x = -X, 2 y = Y, 3 x = X, 4 y = -Y, 5 z = -Z, 6 z = Z. Anzahl is 2
// (a segment Punkte[1]-Punkte[2]) or 0; the points mean nothing unless
// Anzahl is 2. A face number outside 1..6 gives 0.
void SchnittEbeneWuerfelflaeche(Byte Flaeche, TVek_R3 S, TVek_R3 u, TVek_R3 v, int& Anzahl,
                                TPunkte<2>& Punkte);

// a·x + b·y + c·z + d = 0 with (a, b, c) = u × v and d = -(u × v)·S.
void KoordinatenformBerechnen(TVek_R3 S, TVek_R3 u, TVek_R3 v, Extended& a, Extended& b,
                              Extended& c, Extended& d);
// n := u × v, P := S.
void NormaleBerechnen(TVek_R3 S, TVek_R3 u, TVek_R3 v, TVek_R3& n, TVek_R3& P);

// The coordinate form of Ebene[AktEbene] into Edit_a..Edit_d of
// Form_EbenKoord, and its normal vector and normal-form point into
// Edit_nx..Edit_nz and Edit_ax..Edit_az.
void EbeneKoordWerteAnzeigen2();
void EbeneKoordWerteAnzeigen();

// The right-angle marks between the direction vectors and the normal vector,
// for E1 and E2. They are built from the drawn support, direction and normal
// vectors, so a new mark size also fits a plane turned with the axes.
void NormalenvektorenBerechnen();

// The display square of E (side from the plane settings' factor), centred on
// the foot of the perpendicular from the origin onto the plane (S; u, v).
void EbenenQuadratBerechnen(TEbene& E, TVek_R3 S, TVek_R3 u, TVek_R3 v);

// TEbene.Berechnen: everything a plane shows, from its support point and
// direction vectors and from g, h, t (section with the axes cube, display
// square, arrows, difference vectors, piercing points or position texts,
// coordinate and normal form, normal arrow, right-angle marks of E1 and E2).
void EbeneBerechnen(TEbene& E);

// ---- Lines --------------------------------------------------------------------

// TGerade.Berechnen: trace points with their marker squares, the drawn piece,
// the drawn direction vector, both arrows, the difference vectors between g,
// h and t; ends with GeradenLage. A line without direction (the rotation axis
// while its two points coincide) keeps no drawn piece: both ends are its
// support point.
void GeradeBerechnen(TGerade& G);
// The same without GeradenLage: for a derived line, which changes nothing
// of how g, h and t lie to each other.
void GeradeOhneLageBerechnen(TGerade& G);

// The difference vectors g->h, g->t, h->t with their arrow heads into G's
// own copy. Each of g, h, t keeps one, so a change of one line must renew
// the other two as well.
void VerbindungsvektorenBerechnen(TGerade& G);

// Positions of g-h, g-t, h-t: LageGH.., SchnittpunktGH.., LageTextGH.. and
// the marker squares at the intersection points (g-h in h, g-t and h-t in t).
void GeradenLage();

// Gerade_sg, SchnittgeradeVorhanden and LageTextE1E2 from E1 and E2.
void SchnittgeradeE1E2Berechnen();

// Projektionsgeraden[i] (1..6): g, h, t in turn onto E1 (odd i) and E2 (even
// i), along the current projection. Valid exactly when the line has an
// image there: not when it runs along the rays or its rays never reach E.
void ProjektionsgeradenBerechnen(Byte i);

// Spurgeraden[i] (1..6): E1 (1..3) and E2 (4..6) cut with the x,y-, x,z- and
// y,z-plane.
void SpurgeradenBerechnen(Byte i);
