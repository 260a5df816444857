#include "view3d/ObjektGeometrie.h"

#include <cmath>
#include <string>

#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "geometry/Eingabe.h"
#include "geometry/Einheitsvektoren.h"
#include "geometry/Geometrie.h"
#include "forms/Hauptfenster.h"
#include "view3d/Abgeleitet.h"
#include "scene/Ansicht.h"

namespace {

// Sign as the rim tilt uses it: -1, 0 or 1.
Extended Vorzeichen(Extended v) {
    return v > 0 ? 1.0L : (v < 0 ? -1.0L : 0.0L);
}

// Rim of a circle of radius r around M perpendicular to n: points
// P[0] .. P[N-1] with N = 360 / step + 1 (the program's rim points 1 .. N),
// the last equal to the first. At most Max points are written.
void RandBerechnen(TVek_R3 M, TVek_R3 n, Extended r, Extended Winkelschritt, TVek_R3* P,
                   int Max) {
    const long Schritt = std::lround(static_cast<double>(Winkelschritt));
    if (Schritt <= 0 || Max < 2) return;
    int N = static_cast<int>(360 / Schritt) + 1;
    if (N > Max) N = Max;

    // The circle in the x,y-plane around the origin.
    P[0] = TVek_R3{r, 0, 0};
    for (int k = 1; k < N; ++k) DrehePunktUmAchse(P[k - 1], 3, Winkelschritt, P[k]);
    // Closed exactly, so the outline has no gap however the turns round.
    if ((N - 1) * Schritt == 360) P[N - 1] = P[0];

    // Tilt the axis (0, 0, 1) onto n. A normal whose x component lies on the
    // tolerance itself counts as one without x component, so every normal
    // tilts the rim.
    const TVek_R3 b{n.x, n.y, 0};
    const Extended bb = Betrag(b);
    const TVek_R3 a{Vorzeichen(n.x) * bb, 0, 0};
    const TVek_R3 c{Vorzeichen(n.x) * bb, 0, n.z};
    int Achse1 = 0, Achse2 = 0;
    Extended Winkel1 = 0, Winkel2 = 0;
    if (n.x < -Toleranz) {
        Achse1 = 2;
        Winkel1 = -WinkelVektoren(EinhVekZ, c, 0);
        Achse2 = 3;
        Winkel2 = WinkelVektoren(a, b, 0);
        if (n.y > Toleranz) Winkel2 = -Winkel2;
    } else if (n.x > Toleranz) {
        Achse1 = 2;
        Winkel1 = WinkelVektoren(EinhVekZ, c, 0);
        Achse2 = 3;
        Winkel2 = WinkelVektoren(a, b, 0);
        if (!(n.y > Toleranz)) Winkel2 = -Winkel2;
    } else {
        Achse1 = 1;
        Winkel1 = WinkelVektoren(EinhVekZ, n, 0);
        if (!(n.y < -Toleranz)) Winkel1 = -Winkel1;
    }
    for (int k = 0; k < N; ++k) {
        DrehePunktUmAchse(P[k], Achse1, Winkel1, P[k]);
        if (Achse2 != 0) DrehePunktUmAchse(P[k], Achse2, Winkel2, P[k]);
        VektSumme(P[k], M, P[k]);
    }
}

// Q := P with coordinate k (1 x, 2 y, 3 z) replaced by w.
TVek_R3 MitKoordinate(TVek_R3 P, int k, Extended w) {
    if (k == 1) P.x = w;
    else if (k == 2) P.y = w;
    else P.z = w;
    return P;
}

bool GeradeAusGitter(const TStringGrid& G, TGerade& L, TColor Farbe) {
    TVek_R3 A, u;
    if (!SpalteLesen(G, 0, 1, A) || !SpalteLesen(G, 1, 1, u)) return false;
    L.Stuetzvektor = A;
    L.Richtungsvektor = u;
    L.Farbe = Farbe;
    L.FarbeRichtungsvektor = Farbe;
    L.FarbeStuetzvektor = FarbeLinienDialog;
    L.StiftbreiteVektor = L.Stiftbreite + 2;
    L.StiftbreiteStuetzvektor = StiftbreiteStuetzvektoren;
    return true;
}

bool EbeneAusGitter(const TStringGrid& G, TEbene& E, TColor Farbe) {
    TVek_R3 S, u, v;
    if (!SpalteLesen(G, 0, 1, S) || !SpalteLesen(G, 1, 1, u) || !SpalteLesen(G, 2, 1, v))
        return false;
    E.Stuetzvektor = S;
    E.Richtungsvektor1 = u;
    E.Richtungsvektor2 = v;
    E.Farbe = Farbe;
    E.FarbeRichtungsvektor1 = Farbe;
    E.FarbeRichtungsvektor2 = Farbe;
    E.FarbeStuetzvektor = FarbeLinienDialog;
    E.StiftbreiteRichtungsvektoren = StiftbreiteEbenenRichtungsvektoren;
    E.StiftbreiteStuetzvektor = StiftbreiteStuetzvektoren;
    return true;
}

}  // namespace

// ---- Lines and planes -------------------------------------------------------

bool GeradeGAusDialog() { return GeradeAusGitter(Form_Geraden_t.StringGrid1, Gerade[1], FarbeG); }
bool GeradeHAusDialog() { return GeradeAusGitter(Form_Geraden_t.StringGrid2, Gerade[2], FarbeH); }
bool GeradeTAusDialog() { return GeradeAusGitter(Form_Geraden_t.StringGrid3, Gerade[3], FarbeT); }

bool EbeneE1AusDialog() { return EbeneAusGitter(Form_Ebenen.StringGrid1, Ebene[1], FarbeE1); }
bool EbeneE2AusDialog() { return EbeneAusGitter(Form_Ebenen.StringGrid2, Ebene[2], FarbeE2); }

// ---- Parallelepipeds and the box of the axes --------------------------------

void SpatEckenBerechnen(TSpat& S) {
    const TVek_R3 A = S.Ecke[1];
    TVek_R3 B, C, D, E, F, G, H, minusAB;
    VektSumme(A, S.AB, B);
    VektSumme(B, S.AD, C);
    VektSumme(A, S.AD, D);
    VektSumme(A, S.AE, E);
    VektSumme(B, S.AE, F);
    VektSumme(C, S.AE, G);
    Gegenvektor(S.AB, minusAB);
    VektSumme(G, minusAB, H);
    S.Ecke[2] = B;
    S.Ecke[3] = C;
    S.Ecke[4] = D;
    S.Ecke[5] = E;
    S.Ecke[6] = F;
    S.Ecke[7] = G;
    S.Ecke[8] = H;
}

void SpatPfeilspitzenBerechnen(TSpat& S) {
    const TVek_R3 A = S.Ecke[1];
    // Each head's barbs lie in a face through its vector: AB and AD in the
    // faces they span with AE and AB, AE in the face of AB and AE.
    const TVek_R3 Vektoren[3] = {S.AB, S.AD, S.AE};
    const TVek_R3 p[3] = {S.AB, S.AB, S.AB};
    const TVek_R3 q[3] = {S.AE, S.AD, S.AE};
    for (int k = 0; k < 3; ++k) {
        TVek_R3 E, F1, Sp, F2;
        VektSumme(A, Vektoren[k], E);
        PfeilspitzeInEbeneBerechnen(Vektoren[k], A, E, p[k], q[k], F1, Sp, F2, false);
        S.ErzeugendePfeile[3 * k + 1] = F1;
        S.ErzeugendePfeile[3 * k + 2] = Sp;
        S.ErzeugendePfeile[3 * k + 3] = F2;
    }
}

bool SpatBerechnen(int i) {
    const TStringGrid& G = Form_Spate.Gitter(i);
    TVek_R3 A, AB, AD, AE;
    if (!SpalteLesen(G, 0, 1, A) || !SpalteLesen(G, 1, 1, AB) || !SpalteLesen(G, 2, 1, AD) ||
        !SpalteLesen(G, 3, 1, AE))
        return false;
    TSpat& S = Spat[i];
    S.Ecke[1] = A;
    S.AB = AB;
    S.AD = AD;
    S.AE = AE;
    SpatEckenBerechnen(S);
    SpatPfeilspitzenBerechnen(S);
    return true;
}

void MaxQuaderBerechnen() {
    const Extended X = AchseXMax, Y = AchseYMax, Z = AchseZMax;
    TSpat& Q = MaxQuader;
    Q.Ecke[1] = TVek_R3{-X, -Y, -Z};
    Q.AB = TVek_R3{2 * X, 0, 0};
    Q.AD = TVek_R3{0, 2 * Y, 0};
    Q.AE = TVek_R3{0, 0, 2 * Z};
    SpatEckenBerechnen(Q);
    Q.Linienstil = 0;
    const TVek_R3 A = Q.Ecke[1], B = Q.Ecke[2], C = Q.Ecke[3];
    Q.Kantenmitten[1] = TVek_R3{A.x + X, A.y, A.z};
    Q.Kantenmitten[2] = TVek_R3{B.x, B.y + Y, B.z};
    Q.Kantenmitten[3] = TVek_R3{C.x, C.y, C.z + Z};
    Q.Farbe = MaxQuaderFarbe;
}

// ---- Spheres --------------------------------------------------------------

void KugelNetzBerechnen(TKugel& K) {
    K.n = 12;
    K.m = 24;
    const int n = K.n, m = K.m;
    const Extended r = K.Radius;
    K.Netz[0] = TVek_R3{0, 0, r};
    for (int i = 1; i <= 2 * n - 1; ++i) {
        const Extended h = r / n * (n - i);
        // |h| <= |r| for every ring, but a last rounding step must not turn
        // r² - h² into a tiny negative number and the ring into NaN.
        const Extended q = r * r - h * h;
        const Extended rho = q > 0 ? std::sqrt(q) : 0.0L;
        const TVek_R3 P0{0, -rho, h};
        const int Basis = 1 + (i - 1) * m;
        K.Netz[Basis] = P0;
        for (int j = 1; j <= m - 1; ++j)
            DrehePunktUmAchse(P0, 3, 360.0L / m * j, K.Netz[Basis + j]);
    }
    const int Letzter = 1 + (2 * n - 1) * m;
    K.Netz[Letzter] = TVek_R3{0, 0, -r};
    for (int k = 0; k <= Letzter; ++k) VektSumme(K.Netz[k], K.Mittelpunkt, K.Netz[k]);
}

bool KugelBerechnen(int i) {
    TVek_R3 M;
    if (!SpalteLesen(Form_Kugeln.Gitter(i), 1, 1, M)) return false;
    Kugel[i].Mittelpunkt = M;
    KugelNetzBerechnen(Kugel[i]);
    return true;
}

// ---- Points, crosshair, vectors, segments -----------------------------------

void FadenkreuzEnden(TVek_R3 M, TPunkte<6>& Enden) {
    const Extended X = AchseXMax, Y = AchseYMax, Z = AchseZMax;
    Enden[1] = MitKoordinate(M, 3, -Z);
    Enden[2] = MitKoordinate(M, 3, Z);
    Enden[3] = MitKoordinate(M, 2, -Y);
    Enden[4] = MitKoordinate(M, 2, Y);
    Enden[5] = MitKoordinate(M, 1, -X);
    Enden[6] = MitKoordinate(M, 1, X);
}

bool PunktBerechnen(int i) {
    TVek_R3 P;
    if (!SpalteLesen(Form_Punkte.Gitter(i), 1, 0, P)) return false;
    Punkt[i].Ort = P;
    FadenkreuzEnden(P, Punkt[i].FadenkreuzArme);
    return true;
}

bool FadenkreuzAusDialog() {
    TVek_R3 M;
    if (!SpalteLesen(Form_Fadenkreuz.StringGrid1, 0, 1, M)) return false;
    TPunkte<6> Enden;
    FadenkreuzEnden(M, Enden);
    Fadenkreuz.Mittelpunkt = M;
    for (int k = 1; k <= 3; ++k) {
        Fadenkreuz.ArmAnfang[k] = Enden[2 * k - 1];
        Fadenkreuz.ArmEnde[k] = Enden[2 * k];
    }
    return true;
}

bool VektorBerechnen(int i) {
    const TStringGrid& G = Form_Vektoren.Gitter(i);
    TVek_R3 A, u;
    if (!SpalteLesen(G, 0, 1, A) || !SpalteLesen(G, 1, 1, u)) return false;
    TVektor& V = Vektor[i];
    V.Anfangspunkt = A;
    V.Vektor = u;
    VektSumme(A, u, V.Endpunkt);
    PfeilspitzeBerechnen(u, A, V.Endpunkt, V.Pfeil);
    return true;
}

bool StreckeBerechnen(int i) {
    const TStringGrid& G = Form_Strecken.Gitter(i);
    TVek_R3 A, B;
    if (!SpalteLesen(G, 0, 1, A) || !SpalteLesen(G, 1, 1, B)) return false;
    Strecke[i].A = A;
    Strecke[i].B = B;
    return true;
}

// ---- Cones and circles ------------------------------------------------------

void KegelGeometrieBerechnen(TKegel& K) {
    K.Winkelschritt = 6;
    const TVek_R3 M = K.Mittelpunkt, n = K.Normalenvektor;
    const Extended r = K.Radius, h = K.Hoehe;
    RandBerechnen(M, n, r, K.Winkelschritt, &K.Randpunkt[1], 61);

    // The dialog refuses a null normal; should one still arrive (from a
    // file), the apex stays on the centre instead of becoming NaN.
    const Extended b = Betrag(n);
    TVek_R3 Spitze = M;
    if (b > 0) {
        TVek_R3 d;
        SMultiplikation(n, h / b, d);
        if (std::isfinite(d.x) && std::isfinite(d.y) && std::isfinite(d.z))
            VektSumme(M, d, Spitze);
    }
    K.Spitze = Spitze;

    K.Volumen = KegelVolumen(h, r);
    K.Mantellinie = KegelMantellinie(h, r);
    K.Mantelflaeche = KegelMantelflaeche(h, r);
    K.Oberflaeche = KegelOberflaeche(h, r);
    K.Oeffnungswinkel = KegelOeffnungswinkel(h, r);
}

bool KegelBerechnen(int i) {
    const TStringGrid& G = Form_Kegel.Gitter(i);
    TVek_R3 M, n;
    if (!SpalteLesen(G, 0, 1, M) || !SpalteLesen(G, 1, 1, n)) return false;
    Kegel[i].Mittelpunkt = M;
    Kegel[i].Normalenvektor = n;
    KegelGeometrieBerechnen(Kegel[i]);
    return true;
}

void KreisBerechnen(int i) {
    TKreis& K = Kreis[i];
    K.Winkelschritt = 6;
    RandBerechnen(K.Mittelpunkt, K.Normalenvektor, K.Radius, K.Winkelschritt, &K.Randpunkt[1],
                  61);
}

// ---- Colour panels ------------------------------------------------------------

void FarbPanelsSetzen() {
    TForm_Edits_01& F = Form_Edits_01;
    F.Pan_Farbe_g.Color = FarbeG;
    F.Pan_Farbe_h.Color = FarbeH;
    F.Pan_Farbe_t.Color = FarbeT;
    F.Pan_Farbe_E1.Color = FarbeE1;
    F.Pan_Farbe_E2.Color = FarbeE2;
    for (int i = 1; i <= 4; ++i) {
        F.Pan_Farbe(5 + i).Color = Spat[i].Farbe;
        F.Pan_Farbe(9 + i).Color = Vektor[i].Farbe;
        F.Pan_Farbe(13 + i).Color = Strecke[i].Farbe;
        F.Pan_Farbe(17 + i).Color = Punkt[i].Farbe;
        F.Pan_Farbe(21 + i).Color = Kugel[i].Farbe;
        F.Pan_Farbe(25 + i).Color = Kegel[i].Farbe;
    }
    F.Pan_Farbe_F.Color = Fadenkreuz.Farbe;
}
