#pragma once
// Geometry every scene object derives from its own dialog data: the readers
// that take an object's defining numbers from its dialog's grid, and the
// points that follow from them alone (corners, sphere mesh, cone rim, arrow
// head of a vector, crosshair arms).
//
// A reader reads every cell it needs before it writes anything: a cell that
// holds no number leaves the whole object as it was, and the reader gives
// false. The dialogs check the cells first, so in the program they always
// give true.

#include "forms/Gitter.h"  // SpalteLesen, GespeicherteZellwerte
#include "geometry/Vektor.h"
#include "platform/Komponenten.h"
#include "scene/Objekte.h"

// ---- Readers of the dialogs' grids -----------------------------------------

// g, h, t: support point and direction, then colours and arrow widths.
bool GeradeGAusDialog();
bool GeradeHAusDialog();
bool GeradeTAusDialog();
// E1, E2: support point and both directions, then colours and arrow widths.
bool EbeneE1AusDialog();
bool EbeneE2AusDialog();

bool SpatBerechnen(int i);      // Spat[i], i = 1..4
bool VektorBerechnen(int i);    // Vektor[i]
bool StreckeBerechnen(int i);   // Strecke[i]
bool PunktBerechnen(int i);     // Punkt[i]
// Kugel[i]; the dialog stores the radius in Kugel[i].Radius beforehand.
bool KugelBerechnen(int i);
// Kegel[i]; the dialog stores radius and height beforehand and refuses a
// null normal vector.
bool KegelBerechnen(int i);
bool FadenkreuzAusDialog();

// ---- Objects without a grid ------------------------------------------------

// The box of the axes from the half-lengths AchseXMax, AchseYMax, AchseZMax.
void MaxQuaderBerechnen();
// Rim of the scratch circle Kreis[i] (i = 0..4) from its own centre, normal
// and radius.
void KreisBerechnen(int i);
// The main window's colour panels from the colour globals and the objects.
void FarbPanelsSetzen();

// ---- The computations behind the readers -----------------------------------

// Corners B..H of S from S.Ecke[1] (= A) and S.AB, S.AD, S.AE.
void SpatEckenBerechnen(TSpat& S);
// Arrow heads of AB, AD, AE drawn from corner A into S.ErzeugendePfeile
// (barb, tip, barb each, AB's first).
void SpatPfeilspitzenBerechnen(TSpat& S);
// Mesh of K from its centre and radius: n = 12, m = 24, 554 points.
void KugelNetzBerechnen(TKugel& K);
// Rim (points 1..61), apex and measures of K from its centre, normal,
// radius and height; Winkelschritt := 6.
void KegelGeometrieBerechnen(TKegel& K);
// The six ends of a crosshair through M whose arms span the axes box, in
// the order z-, z+, y-, y+, x-, x+.
void FadenkreuzEnden(TVek_R3 M, TPunkte<6>& Enden);
