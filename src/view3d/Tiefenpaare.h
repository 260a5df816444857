#pragma once
// What the hidden-line pass knows of the entries of St, prepared once per
// pass, and the comparison of two entries on it: the quick tests in plain
// doubles that decide most pairs, then the shared-end test, the bounded
// crossing (Tiefenschranken.h) and the extended comparison
// (Tiefenvergleich.h). Every decision is that of StreckenTiefenvergleich.
// Also the candidate search over the prepared pictures (Tiefenkandidaten.h).

#include <vector>

#include "view3d/Tiefenkandidaten.h"
#include "view3d/Tiefenordnung.h"
#include "view3d/Tiefenschranken.h"
#include "view3d/Tiefenvergleich.h"

namespace tiefe {

// Everything a comparison needs, index 1..n; kept between passes so nothing
// is allocated per picture.
struct Tiefendaten {
    int n = 0;
    bool zentral = false;
    Extended Grenze = 0;  // parallel projection: -Toleranz · |ProjRichtung|
    std::vector<Genau> Exakt;
    // The same in bounded doubles, for the recovery of the space points;
    // MitSchranken false when the view's constants do not allow it.
    bool MitSchranken = false;
    SichtSchranken Sicht;
    std::vector<GenauSchranken> Schranken;  // made when first needed:
    bool SchrankenDa = false;               // for all entries at once
    std::vector<StrahlFest> Fest;           // parallel projection: made with them
    // Per end (2k: A, 2k + 1: B of entry k): its picture as projected, the
    // number of its space point (points with the same bits, the same
    // number: the first such end's), and what the recovery gives for rays
    // through points near that picture (found when first needed).
    std::vector<TVek_R2> EndBild;
    std::vector<Tiefenende> EndTiefe;  // the end in the depth frame, at its number
    std::vector<int> EndNummer;
    // Zeugnisse[Stufe][end]: what the recovery of the space points gives
    // for that end and any ray through a picture point within
    // EndeSpielraum[Stufe] of its picture (in each coordinate), kept as
    // one bounded depth (PunktTiefe in Tiefenschranken.h): the recovered
    // point's distance from the eye point, or its depth along ProjRichtung.
    // Its state in ZeugnisZustand: -1 not yet known, 0 not sure, 1 known.
    // The finer margin serves pairs whose crossing is known more closely;
    // it keeps the bounds narrow where the picture's scale is large
    // (parallel projection measures depth in pixels).
    std::vector<Schranke> Zeugnisse[2];
    std::vector<signed char> ZeugnisZustand[2];
    bool ZeugnisseDa = false;       // the finer ones of the shared ends made
    std::vector<char> EndGeteilt;   // for that: whether another end has the same number
    // Each entry's Tiefenbereich, made when first needed; in parallel
    // projection its Tiefengerade with it.
    std::vector<Tiefenbereich> Bereiche;
    std::vector<Tiefengerade> Geraden;
    std::vector<int> Tabelle;  // hash table of the numbering
    std::vector<Schnelltest> Schnell;
    std::vector<TVek_R2> PixelA, PixelB;  // the ends' picture points for drawing
    Nachbarsuche Nachbarn;
    bool BereicheDa = false;  // every entry's Tiefenbereich made at once

    Tiefendaten();
};

// Prepares St[1..n] in the current view.
void TiefendatenVorbereiten(Tiefendaten& z, int n);
// The finer Zeugnisse of every end another entry shares (ZeugnisseDa),
// as the comparison makes them at its first request; Breite (for tests)
// 1 for one end at a time, else several where the view and the machine
// allow, with the same bits.
void AlleZeugnisseMachen(Tiefendaten& z, int Breite = 0);
// Every entry's Tiefenbereich (and Tiefengerade) of z, made in one sweep,
// four at a time where the processor has them; where it has not, none
// (each is then made when first asked for). Breite 1 (for tests): one at a
// time, on any processor.
void AlleBereicheMachen(Tiefendaten& z, int Breite = 0);
// StreckenTiefenvergleich(i, j) from the prepared data.
bool Vergleich(Tiefendaten& z, int i, int j);
// The x of xs[0 .. zahl) for which SchnellWahr(a, S[x]) is false, to
// offen (room for zahl), in their order; their number. Several at a time
// where the machine allows, with the same decisions; Breite (for tests)
// asks for one lane (1), two (2) or four (4, where the processor has them),
// 0 for the widest there is.
int SchnellAussieben(const Schnelltest& a, const Schnelltest* S, const int* xs, int zahl, int* offen,
                     int Breite = 0);
// Whether SchnellAussieben can take four at a time here.
bool VierBahnen();
// The comparisons of i with each of xs[0 .. zahl) (entries other than i):
// the x for which it comes out false are appended to falsch, in no
// particular order. hilfe has room for zahl entries.
void VergleicheMit(Tiefendaten& z, int i, const int* xs, int zahl, int* hilfe, std::vector<int>& falsch);

}  // namespace tiefe
