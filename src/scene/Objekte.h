#pragma once
// The scene: the record of every object kind and the fixed instances that
// live for the whole run. Records are plain data; the routines that fill and
// draw them are free functions elsewhere. Every instance starts zero-filled
// (points at the origin, colours black, flags off) until the main window's
// creation writes the start attributes.
//
// Index bases: every point array is numbered from 1 as the program numbers it
// (Ecke[1] = A .. Ecke[8] = H, Pfeil[1..3] = barb, tip, barb, Schnittpunkte
// [1..12], Achsenpunkte[1..27], Randpunkt[1..64], ...). The one exception is
// the sphere mesh TKugel::Netz, numbered from 0: entry 0 is the upper pole,
// point j of ring i is entry 1 + (i-1)*m + j, the lower pole entry 553.

#include <string>

#include "geometry/Vektor.h"
#include "platform/Typen.h"

template <int N>
using TPunkte = TFeld<TVek_R3, 1, N>;

// A line; also every derived line (sg, projected lines, trace lines,
// rotation axis and its perpendicular line).
struct TGerade {
    TVek_R3 Stuetzvektor;
    TVek_R3 Richtungsvektor;
    TVek_R3 ZeichenAnfang, ZeichenEnde;   // ends of the drawn piece
    TVek_R3 VektorAnfang, VektorEnde;     // drawn direction vector (A, A + u)
    TPunkte<3> PfeilStuetz;               // barb, tip, barb
    TPunkte<3> PfeilRichtung;
    // 1..6: start and end of A_g->A_h, A_g->A_t, A_h->A_t;
    // 7..15: the arrow heads of these three vectors, three points each.
    TPunkte<15> Verbindungsvektoren;
    TVek_R3 SpurpunktXY, SpurpunktXZ, SpurpunktYZ;
    TVek_R3 Lotfuss;
    TPunkte<4> SchnittQuadratGH, SchnittQuadratGT, SchnittQuadratHT;
    TPunkte<4> SpurQuadratXY, SpurQuadratXZ, SpurQuadratYZ;
    TPunkte<3> LotWinkel;
    TColor Farbe = 0;
    TColor FarbeStuetzvektor = 0;
    TColor FarbeRichtungsvektor = 0;
    int Stiftbreite = 0;
    int StiftbreiteVektor = 0;
    int StiftbreiteStuetzvektor = 0;
    Byte Linienstil = 0;
    Byte sichtbar = 0;
    Byte SpurpunktXYvorhanden = 0, SpurpunktXZvorhanden = 0, SpurpunktYZvorhanden = 0;
    Byte gueltig = 0;
    Byte anzeigen = 0;
    bool operator==(const TGerade&) const = default;
};

// A plane; also the scratch plane E3 and the two projection planes.
struct TEbene {
    TVek_R3 Stuetzvektor;
    TVek_R3 Richtungsvektor1, Richtungsvektor2;
    TVek_R3 StuetzvektorEnde, Richtungsvektor1Ende, Richtungsvektor2Ende;
    TPunkte<4> QuadratEcken;
    TVek_R3 NormalenformPunkt;
    TPunkte<3> PfeilStuetz, PfeilRichtung1, PfeilRichtung2, PfeilNormale;
    // Pairs [k][1] = start, [k][2] = end in the order g->E1, g->E2, h->E1,
    // h->E2, t->E1, t->E2, E1->E2.
    TFeld<TPunkte<2>, 1, 7> Verbindungsvektoren;
    // Arrow heads [k][1..3] in the order E1->E2, g->E1, g->E2, h->E1, h->E2,
    // t->E1, t->E2 (E1->E2 first here, last above).
    TFeld<TPunkte<3>, 1, 7> PfeilVerbindung;
    TVek_R3 DurchstosspunktG, DurchstosspunktH, DurchstosspunktT;
    TVek_R3 Lotfuss;
    Extended WinkelQuadratSeite = 0;
    TPunkte<4> DurchstossQuadratG, DurchstossQuadratH, DurchstossQuadratT;
    TPunkte<12> Schnittpunkte;             // 2i-1, 2i: ends of segment i
    TFeld<TPunkte<2>, 1, 6> SchnittFlaechen;  // raw result of face 1..6
    TPunkte<3> LotWinkel;
    Extended KoordA = 0, KoordB = 0, KoordC = 0, KoordD = 0;
    TVek_R3 Normalenvektor;
    TVek_R3 NormalenvektorEnde;
    Byte WinkelQuadrateZeichnen = 0;
    TPunkte<3> WinkelmarkeR1, WinkelmarkeR2;
    Byte DurchstosspunktGvorhanden = 0, DurchstosspunktHvorhanden = 0,
         DurchstosspunktTvorhanden = 0;
    std::string LagetextG, LagetextH, LagetextT;  // at most 30 characters
    TColor Farbe = 0;
    TColor FarbeStuetzvektor = 0, FarbeRichtungsvektor1 = 0, FarbeRichtungsvektor2 = 0,
           FarbeNormalenvektor = 0;
    Byte Linienstil = 0;
    int StiftbreiteRichtungsvektoren = 0, StiftbreiteStuetzvektor = 0,
        StiftbreiteNormalenvektor = 0;
    int SchnittpunktAnzahl = 0;            // 0..12, even
    Byte sichtbar = 0;
    Byte Darstellungsart = 0;
    Byte Netzlinien = 0;
    Byte Stiftbreite = 0;
    bool operator==(const TEbene&) const = default;
};

// A parallelepiped ("Spat"); also the box of the axes.
struct TSpat {
    TPunkte<8> Ecke;                 // A, B, C, D, E, F, G, H
    TVek_R3 AB, AD, AE;
    TPunkte<3> Kantenmitten;         // midpoints of AB, BC, CG (box of the axes only)
    TPunkte<9> ErzeugendePfeile;     // heads of AB, AD, AE, three points each
    TVek_R3 Lotfuss;
    TPunkte<3> LotWinkel;
    Byte Linienstil = 0;
    TColor Farbe = 0;
    TColor FarbeGitterwaende = 0;
    Byte sichtbar = 0;
    Byte ErzeugendeZeigen = 0;
    int Stiftbreite = 0;
    int StiftbreiteVektoren = 0;
    bool operator==(const TSpat&) const = default;
};

struct TKugel {
    TVek_R3 Mittelpunkt;
    TFeld<Extended, 1, 4> Koeffizienten;  // 2Mx, 2My, 2Mz, |M|^2 - r^2
    TVek_R3 Lotfuss;
    TFeld<TVek_R3, 0, 655> Netz;          // from 0: see the note at the top
    Extended Radius = 0;
    int n = 0;                            // 2n - 1 latitude rings
    int m = 0;                            // points per ring
    Byte Breitenkreise = 0;
    Byte Laengenkreise = 0;
    TPunkte<3> LotWinkel;
    Byte Linienstil = 0;
    TColor Farbe = 0;
    Byte sichtbar = 0;
    bool operator==(const TKugel&) const = default;
};

// A cone or, with height 0, a circle.
struct TKegel {
    TVek_R3 Mittelpunkt;
    TVek_R3 Spitze;
    TVek_R3 Normalenvektor;
    TVek_R3 Lotfuss;
    Extended Hoehe = 0;
    Extended Winkelschritt = 0;
    int Speichen = 0;
    Byte SpeichenZeigen = 0;
    // 1..61 the rim (61 = 1), 62..64 the right-angle mark of the rotation segment.
    TPunkte<64> Randpunkt;
    Extended Radius = 0;
    Extended Volumen = 0, Mantelflaeche = 0, Oberflaeche = 0, Mantellinie = 0,
             Oeffnungswinkel = 0;
    Byte Linienstil = 0;
    TColor Farbe = 0;
    int Randstaerke = 0;
    Byte sichtbar = 0;
    bool operator==(const TKegel&) const = default;
};

struct TVektor {
    TVek_R3 Anfangspunkt;
    TVek_R3 Endpunkt;
    TVek_R3 Vektor;
    TPunkte<3> Pfeil;
    TVek_R3 Lotfuss;
    TPunkte<3> LotWinkel;
    TColor Farbe = 0;
    Byte Linienstil = 0;
    int Stiftbreite = 0;
    Byte sichtbar = 0;
    bool operator==(const TVektor&) const = default;
};

struct TStrecke {
    TVek_R3 A, B;
    TVek_R3 Lotfuss;
    TPunkte<3> LotWinkel;
    TColor Farbe = 0;
    Byte Linienstil = 0;
    int Stiftbreite = 0;
    Byte sichtbar = 0;
    bool operator==(const TStrecke&) const = default;
};

struct TPunkt {
    TVek_R3 Ort;
    TVek_R3 Lotfuss;
    TColor Farbe = 0;
    int Stiftbreite = 0;
    Byte sichtbar = 0;
    Byte mitFadenkreuz = 0;
    Byte Stil = 0;
    TPunkte<6> FadenkreuzArme;   // pairs along z, y, x
    TPunkte<6> Kreuz3D;
    TPunkte<3> LotWinkel;
    bool operator==(const TPunkt&) const = default;
};

struct TFadenkreuz {
    TVek_R3 Mittelpunkt;
    TPunkte<3> ArmAnfang;        // z, y, x arm
    TPunkte<3> ArmEnde;
    TVek_R3 Lotfuss;
    TPunkte<3> LotWinkel;
    Byte sichtbar = 0;
    TColor Farbe = 0;
    Byte Linienstil = 0;
    bool operator==(const TFadenkreuz&) const = default;
};

// The axes cross.
struct TAKreuz {
    Extended UrsprungX = 0, UrsprungY = 0;  // picture position of the origin
    TPunkte<27> Achsenpunkte;
    TColor Farbe = 0;
    Byte Linienstil = 0;
    bool operator==(const TAKreuz&) const = default;
};

// Tick marks: tick i of an axis runs from ...Anfang[i] to ...Ende[i];
// entries 1..8 are used, 9 and 10 are spare.
struct TAchseneinteilungen {
    TPunkte<10> XStrichAnfang, XStrichEnde;
    TPunkte<10> YStrichAnfang, YStrichEnde;
    TPunkte<10> ZStrichAnfang, ZStrichEnde;
    bool operator==(const TAchseneinteilungen&) const = default;
};

// A scratch circle.
struct TKreis {
    TVek_R3 Mittelpunkt;
    TVek_R3 Normalenvektor;
    Extended Winkelschritt = 0;
    TPunkte<61> Randpunkt;
    Extended Radius = 0;
    bool operator==(const TKreis&) const = default;
};

// ---- The fixed instances ------------------------------------------------
// The named references bind to the array storage directly, so they are
// constant-initialised and usable from any static initialiser.

inline TFeld<TGerade, 1, 3> Gerade;
inline TGerade& Gerade_g = Gerade.a[0];  // Gerade[1]
inline TGerade& Gerade_h = Gerade.a[1];  // Gerade[2]
inline TGerade& Gerade_t = Gerade.a[2];  // Gerade[3]
// The name of line n (1..3) in the picture, the reports and the tools; any
// other number names t.
inline std::string Geradenname(int n) { return n == 1 ? "g" : n == 2 ? "h" : "t"; }
inline TGerade Gerade_sg;                       // E1 cut with E2
inline TGerade Drehachse;                       // the user's rotation axis
inline TFeld<TGerade, 1, 6> Projektionsgeraden; // g->E1, g->E2, h->E1, h->E2, t->E1, t->E2
inline TFeld<TGerade, 1, 6> Spurgeraden;        // E1 in xy, xz, yz; E2 likewise
inline TGerade ProjWinkelGerade;
inline TGerade Lotgerade;                       // axis of the current scene rotation

inline TFeld<TEbene, 1, 3> Ebene;
inline TEbene& Ebene_E1 = Ebene.a[0];  // Ebene[1]
inline TEbene& Ebene_E2 = Ebene.a[1];  // Ebene[2]
inline TEbene& Ebene_E3 = Ebene.a[2];  // Ebene[3], scratch plane of the calculator
inline TEbene ProjEbeneZentral;
inline TEbene ProjEbeneParallel;

inline TFeld<TSpat, 1, 4> Spat;
inline TSpat MaxQuader;                         // box of the axes' half-lengths
inline TFeld<TVektor, 1, 4> Vektor;
inline TFeld<TStrecke, 1, 4> Strecke;
inline TFeld<TPunkt, 1, 4> Punkt;
inline TFeld<TKugel, 1, 4> Kugel;
inline TFeld<TKegel, 1, 4> Kegel;
inline TFeld<TKreis, 0, 4> Kreis;
inline TFadenkreuz Fadenkreuz;
// The step by which the crosshair dialog's move buttons shift its centre;
// the records keep it with the crosshair.
inline Extended FadenkreuzSchrittweite = 0.1L;
inline TAKreuz AchsenKreuz;
inline TAchseneinteilungen AchsenEinteilung;

// ---- Values of the scene shared across the program ----------------------

// Positions of the lines to each other (1 = intersecting in one point).
inline Byte LageGH = 0, LageGT = 0, LageHT = 0;
inline std::string LageTextGH, LageTextGT, LageTextHT;  // at most 30 characters
inline TVek_R3 SchnittpunktGH, SchnittpunktGT, SchnittpunktHT;
// E1 and E2.
inline bool SchnittgeradeVorhanden = false;
inline std::string LageTextE1E2;  // "schneiden sich:", "echt parallel", "identisch"

inline TVek_R3 NullVektor;

// Colours the line and plane dialogs set at their creation; the object
// readers copy them into g, h, t, E1, E2.
inline TColor FarbeG = 0, FarbeH = 0, FarbeT = 0, FarbeE1 = 0, FarbeE2 = 0;
inline TColor FarbeSg = 0;
// Arrow attributes copied into lines and planes.
inline TColor FarbeLinienDialog = 0;   // support-vector arrows
inline int StiftbreiteEbenenRichtungsvektoren = 0;
inline int StiftbreiteStuetzvektoren = 0;
// Pen of the rotation segments and colour of the box of the axes.
inline Byte DrehstreckeStil = 0;
inline int DrehstreckeBreite = 0;
inline TColor DrehstreckeFarbe = 0;
inline TColor MaxQuaderFarbe = 0;

// While 1, routines that change many objects at once skip their redraws.
inline Byte NeuZeichnenAus = 0;

// Every instance and every value above back to zero.
void SzeneObjekteNullen();

// Number of an object the user can switch, as the program counts them for
// its switches: 1 g, 2 h, 3 t, 4 E1, 5 E2, 6..9 Spat 1..4, 10..13 Vektor 1..4,
// 14..17 Strecke 1..4, 18..21 Punkt 1..4, 22..25 Kugel 1..4, 26..29 Kegel 1..4,
// 30 Fadenkreuz.
inline constexpr int ObjektAnzahl = 30;
// The visible flag of object Nr (1..30).
Byte& ObjektSichtbar(int Nr);
