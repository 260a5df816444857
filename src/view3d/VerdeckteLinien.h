#pragma once
// The hidden-line list and its depth-ordered pass: while hidden lines are
// on, every segment of one picture is queued here by StreckeZeichnen3D and
// drawn at the end of the redraw, farther segments before nearer ones.

#include "geometry/Vektor.h"
#include "platform/Typen.h"
#include "platform/Zeichenflaeche.h"

// One queued segment.
struct TStr {
    TVek_R3 A;               // the end passed first
    TVek_R3 B;
    TColor Farbe = 0;
    TPenStyle Linienstil = 0;
    int Stiftbreite = 0;
    bool operator==(const TStr&) const = default;
};

inline constexpr int StreckenHoechstzahl = 2399;
inline TFeld<TStr, 1, StreckenHoechstzahl> St;
// Entries in use; emptied at the start of every redraw, readable after it.
// The pass draws in its own order and leaves the list as it was queued.
inline int StreckenAnzahl = 0;

// A queued segment's picture, prepared for the depth comparison.
struct TGer_R2 {
    TVek_R2 Stuetzpunkt;   // = Endpunkt1
    TVek_R2 Richtung;      // Endpunkt2 - Endpunkt1
    TVek_R2 Endpunkt1;     // the end further left (x,z-plane) or lower (others)
    TVek_R2 Endpunkt2;
    bool operator==(const TGer_R2&) const = default;
};

// [1] holds segment i, [2] segment j of the last StreckenTiefenvergleich
// (the pass compares on its own prepared pictures and leaves them alone).
inline TFeld<TGer_R2, 1, 4> GerR2;
// The number of the entry parked while two places of the drawing order
// change.
inline int TauschStrecke = 0;

// The pass over the StreckenAnzahl queued segments, called by the redraw
// after everything was queued: ZeichneStreckenNachTiefe between the host's
// LangerPassBeginnt and LangerPassEndet.
void VerdeckteLinienZeichnen();

// Draws St[1..n] farthest first. Before every segment but the last it polls
// Host().EscapeGedrueckt() and stops for good when that says pressed.
void ZeichneStreckenNachTiefe(int n);

// true when St[i] may be drawn before St[j]: their pictures do not overlap,
// or St[i] lies behind St[j] where they do. Leaves the two prepared pictures
// in GerR2[1] and GerR2[2].
bool StreckenTiefenvergleich(int i, int j);

// The picture point used by the comparison: the same mapping as
// BildpunktBerechnen.
void ProjiziereBildpunkt(TVek_R3 P, TVek_R2& B, Extended sx, Extended sy, Extended sz);

// For the picture point S: Qi, Qj := the points of the lines through St[i]
// and St[j] that project onto S (the origin where the viewing ray does not
// meet a line), in the frame the projection measures depth in: mirrored and
// scaled (parallel) or mirrored (central, the frame of Augpunkt).
void RaumpunktParallelBerechnen(TVek_R2 S, int i, int j, TVek_R3& Qi, TVek_R3& Qj);
void RaumpunktZentralBerechnen(TVek_R2 S, int i, int j, TVek_R3& Qi, TVek_R3& Qj);

// λ of P on the picture line A + λ·u, from x or, when |u.x| <= 1e-9, from y.
// With no usable coordinate at all (u.y exactly 0 as well) the point lies on
// no segment: -1.
Extended ParameterAufGerade2D(TVek_R2 A, TVek_R2 u, TVek_R2 P);

// The list empty again (program start).
void VerdeckteLinienNullen();
