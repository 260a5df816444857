#pragma once
// The hidden-line list: while hidden lines are on, every segment of one
// picture is queued here by StreckeZeichnen3D and drawn at the end of the
// redraw by VerdeckteLinienZeichnen.

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
inline int StreckenAnzahl = 0;

// The pass over the StreckenAnzahl queued segments, called by the redraw
// after everything was queued. For now it draws them directly in list order;
// the depth-ordered pass takes this place.
void VerdeckteLinienZeichnen();

// The list empty again (program start).
void VerdeckteLinienNullen();
