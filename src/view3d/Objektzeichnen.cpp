#include "view3d/Objektzeichnen.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "geometry/Geometrie.h"
#include "forms/Schalter.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "view3d/Projektion.h"
#include "view3d/Zeichnen.h"

namespace {

void Stil(Zeichenflaeche& c, TColor Farbe, int Breite, TPenStyle Linienstil) {
    c.Pen.Color = Farbe;
    c.Pen.Width = Breite;
    c.Pen.Style = Linienstil;
}

// The two strokes of an arrow head (barb, tip, barb).
void PfeilZeichnen(const TVek_R3& F1, const TVek_R3& Spitze, const TVek_R3& F2, TColor Farbe,
                   int Breite) {
    StreckeZeichnen3D(F1, Spitze, Farbe, psSolid, Breite);
    StreckeZeichnen3D(Spitze, F2, Farbe, psSolid, Breite);
}
void PfeilZeichnen(const TPunkte<3>& P, TColor Farbe, int Breite) {
    PfeilZeichnen(P[1], P[2], P[3], Farbe, Breite);
}

// Closed quadrilateral through the four points of a marker square.
void ViereckZeichnen(const TPunkte<4>& Q, TColor Farbe, int Breite, TPenStyle Linienstil) {
    StreckeZeichnen3D(Q[1], Q[2], Farbe, Linienstil, Breite);
    StreckeZeichnen3D(Q[2], Q[3], Farbe, Linienstil, Breite);
    StreckeZeichnen3D(Q[3], Q[4], Farbe, Linienstil, Breite);
    StreckeZeichnen3D(Q[4], Q[1], Farbe, Linienstil, Breite);
}

// The rotation segment; the cone keeps its mark in rim points 62..64, so
// the mark's three points are passed one by one.
void Drehstrecke(TVek_R3 R, TVek_R3 Q, TColor Farbe, TVek_R3& Lotfuss, TVek_R3& W1, TVek_R3& W2,
                 TVek_R3& W3) {
    if (DrehungErfolgt == 0 || !DrehungInSzene || !DrehstreckenZeigen) return;
    TVek_R3 F;
    LotfusspunktPunktGerade(R, Lotgerade.Stuetzvektor, Lotgerade.Richtungsvektor, F);
    Lotfuss = F;
    StreckeZeichnen3D(R, F, DrehstreckeFarbe, DrehstreckeStil, DrehstreckeBreite);
    if (DrehstreckeWinkelZeigen) {
        TPunkte<3> W;
        EckParallelogramm(F, Summe(F, Lotgerade.Richtungsvektor), Q, DrehstreckeWinkelGroesse, W);
        W1 = W[1];
        W2 = W[2];
        W3 = W[3];
        StreckeZeichnen3D(W1, W2, Farbe, psSolid, 1);
        StreckeZeichnen3D(W2, W3, Farbe, psSolid, 1);
    }
}

// Every kind but the parallelepiped: only while the axes stand still.
bool DrehstreckeErlaubt() { return !AchsenMitDrehen; }

}  // namespace

int Kugelschritt(int Dichte) {
    // A zero from a damaged file, say, would divide by zero.
    if (Dichte <= 0 || Dichte > 24) return 24;
    return 24 / Dichte;
}

// ---- Small geometric routines -------------------------------------------------

void EckParallelogramm(TVek_R3 O, TVek_R3 P, TVek_R3 Q, Extended d, TPunkte<3>& Ecken) {
    TVek_R3 P1, Q1;
    PunktImAbstand(O, P, d, P1);
    PunktImAbstand(O, Q, d, Q1);
    const TVek_R3 Ecke = Summe(P1, Differenz(Q1, O));
    Ecken[1] = P1;
    Ecken[2] = Ecke;
    Ecken[3] = Q1;
}

void ZeichneEbenenGitter(TVek_R3 P0, TVek_R3 P1, TVek_R3 P2, TVek_R3 /*P3*/, int N,
                         TPenStyle InnenStil, TPenStyle RandStil, TColor Farbe) {
    Zeichenflaeche& c = Zeichenbitmap();
    c.Pen.Color = Farbe;
    c.Pen.Width = 1;
    // A negative count draws no lines; 0 would divide by zero and keeps
    // the outline.
    if (N < 0) return;
    if (N == 0) N = 1;
    const TVek_R3 Seite1 = Differenz(P1, P0);
    const TVek_R3 Seite2 = Differenz(P2, P1);
    for (int Familie = 1; Familie <= 2; ++Familie) {
        const TVek_R3& Schritt = Familie == 1 ? Seite1 : Seite2;
        const TVek_R3& Strich = Familie == 1 ? Seite2 : Seite1;
        for (int k = 0; k <= N; ++k) {
            const Extended t = static_cast<Extended>(k) / static_cast<Extended>(N);
            const TPenStyle st = (k == 0 || k == N) ? RandStil : InnenStil;
            c.Pen.Style = st;
            const TVek_R3 a = Summe(P0, Vielfaches(Schritt, t));
            StreckeZeichnen3D(a, Summe(a, Strich), Farbe, st, 1);
        }
    }
}

void DrehstreckeZeichnen(TVek_R3 R, TVek_R3 Q, TColor Farbe, TVek_R3& Lotfuss, TPunkte<3>& LotWinkel) {
    Drehstrecke(R, Q, Farbe, Lotfuss, LotWinkel[1], LotWinkel[2], LotWinkel[3]);
}

// ---- The object kinds -----------------------------------------------------------

void SpatZeichnen(TSpat& S) {
    const int w = S.Stiftbreite;
    int wA = w;  // the three edges from A
    if (S.ErzeugendeZeigen != 0) {
        S.StiftbreiteVektoren = w + 2;
        wA = w + 2;
    }
    const TColor f = S.Farbe;
    const TPenStyle st = S.Linienstil;
    const TPunkte<8>& E = S.Ecke;
    struct Kante {
        int von, bis;
        bool ausA;
    };
    static constexpr Kante Kanten[12] = {{1, 2, true},  {2, 3, false}, {3, 4, false}, {4, 1, true},
                                         {5, 6, false}, {6, 7, false}, {7, 8, false}, {8, 5, false},
                                         {1, 5, true},  {2, 6, false}, {3, 7, false}, {4, 8, false}};
    if (VerdeckteLinien) {
        for (const Kante& k : Kanten) StreckeZeichnen3D(E[k.von], E[k.bis], f, st, k.ausA ? wA : w);
    } else {
        // Each corner ends three edges: projected once.
        TVek_R2 Bild[9];
        for (int i = 1; i <= 8; ++i) Bild[i] = BildpunktPixel(E[i]);
        for (const Kante& k : Kanten) StreckePixelZeichnen(Bild[k.von], Bild[k.bis], f, st, k.ausA ? wA : w);
    }

    if (S.ErzeugendeZeigen == 1)
        for (int i = 0; i < 3; ++i)
            PfeilZeichnen(S.ErzeugendePfeile[3 * i + 1], S.ErzeugendePfeile[3 * i + 2],
                          S.ErzeugendePfeile[3 * i + 3], f, S.StiftbreiteVektoren);

    // The box of the axes never carries a rotation segment; the four Spate
    // carry one also when the axes turn with them.
    if (!MaxQuaderWirdGezeichnet) DrehstreckeZeichnen(E[1], E[1], f, S.Lotfuss, S.LotWinkel);
    MaxQuaderWirdGezeichnet = false;
}

void KugelZeichnen(TKugel& K) {
    const int n = K.n, m = K.m;
    const int sb = Kugelschritt(K.Breitenkreise);
    const int sl = Kugelschritt(K.Laengenkreise);
    Zeichenflaeche& c = Zeichenbitmap();
    Stil(c, K.Farbe, 1, K.Linienstil);

    // The mesh must fit its array: 2n - 1 rings of m points and two poles.
    const int Ringe = 2 * n - 1;
    const bool NetzPasst = n >= 1 && m >= 1 && 2 + static_cast<long long>(Ringe) * m <= K.Netz.Anzahl;
    if (NetzPasst) {
        auto Ringpunkt = [&](int i, int j) -> const TVek_R3& { return K.Netz[1 + (i - 1) * m + j]; };
        const TVek_R3& Nordpol = K.Netz[0];
        const TVek_R3& Suedpol = K.Netz[1 + Ringe * m];
        const auto RingGezeigt = [&](int i) { return i == 1 || i == Ringe || i % sb == 0; };
        const auto MeridianGezeigt = [&](int j) { return j == 0 || j % sl == 0; };
        if (VerdeckteLinien) {
            for (int i = 1; i <= Ringe; ++i) {
                if (!RingGezeigt(i)) continue;
                for (int k = 0; k <= m - 2; ++k)
                    StreckeZeichnen3D(Ringpunkt(i, k), Ringpunkt(i, k + 1), K.Farbe, K.Linienstil, 1);
                StreckeZeichnen3D(Ringpunkt(i, m - 1), Ringpunkt(i, 0), K.Farbe, K.Linienstil, 1);
            }
            for (int j = 0; j <= m - 1; ++j) {
                if (!MeridianGezeigt(j)) continue;
                StreckeZeichnen3D(Nordpol, Ringpunkt(1, j), K.Farbe, K.Linienstil, 1);
                for (int i = 2; i <= Ringe; ++i)
                    StreckeZeichnen3D(Ringpunkt(i - 1, j), Ringpunkt(i, j), K.Farbe, K.Linienstil, 1);
                StreckeZeichnen3D(Ringpunkt(Ringe, j), Suedpol, K.Farbe, K.Linienstil, 1);
            }
        } else {
            // Each mesh point a ring or a meridian shows is projected once;
            // rings and meridians share them.
            std::vector<TVek_R2> Bild(static_cast<std::size_t>(Ringe) * static_cast<std::size_t>(m));
            for (int i = 1; i <= Ringe; ++i)
                for (int j = 0; j <= m - 1; ++j)
                    if (RingGezeigt(i) || MeridianGezeigt(j))
                        Bild[static_cast<std::size_t>((i - 1) * m + j)] = BildpunktPixel(Ringpunkt(i, j));
            const auto P = [&](int i, int j) -> const TVek_R2& { return Bild[static_cast<std::size_t>((i - 1) * m + j)]; };
            for (int i = 1; i <= Ringe; ++i) {
                if (!RingGezeigt(i)) continue;
                for (int k = 0; k <= m - 2; ++k) c.StreckeR2(P(i, k), P(i, k + 1));
                c.StreckeR2(P(i, m - 1), P(i, 0));
            }
            const TVek_R2 N = BildpunktPixel(Nordpol), S = BildpunktPixel(Suedpol);
            for (int j = 0; j <= m - 1; ++j) {
                if (!MeridianGezeigt(j)) continue;
                c.StreckeR2(N, P(1, j));
                for (int i = 2; i <= Ringe; ++i) c.StreckeR2(P(i - 1, j), P(i, j));
                c.StreckeR2(P(Ringe, j), S);
            }
        }
    }

    if (DrehstreckeErlaubt())
        DrehstreckeZeichnen(K.Mittelpunkt, K.Mittelpunkt, K.Farbe, K.Lotfuss, K.LotWinkel);
}

void KegelZeichnen(TKegel& K) {
    // N rim pieces of Winkelschritt degrees. The rim holds points 1..61, so
    // a step that is not a whole number of degrees from 1 to 360, or one
    // that would need more than 60 pieces, must not index past it.
    const Extended ws = std::trunc(K.Winkelschritt);
    const int Schritt = (ws >= 1 && ws <= 360) ? static_cast<int>(ws) : 0;
    const int N = Schritt > 0 ? std::min(360 / Schritt, 60) : 0;
    // Spokes stand where k·step is a multiple of 360 div Speichen; no spoke
    // count in 1..360 leaves no such place (and no division by zero).
    const int Teiler = (K.Speichen >= 1 && K.Speichen <= 360) ? 360 / K.Speichen : 0;
    const bool Mantel = std::fabs(K.Hoehe) > Toleranz;

    Zeichenflaeche& c = Zeichenbitmap();
    Stil(c, K.Farbe, K.Randstaerke, K.Linienstil);
    const TColor f = K.Farbe;
    const int b = K.Randstaerke;
    const TPenStyle st = K.Linienstil;

    if (N > 0 && VerdeckteLinien) {
        for (int k = 1; k <= N; ++k) StreckeZeichnen3D(K.Randpunkt[k], K.Randpunkt[k + 1], f, st, b);
        for (int k = 1; k <= N && Teiler > 0; ++k) {
            if ((k * Schritt) % Teiler != 0) continue;
            if (K.SpeichenZeigen == 1) StreckeZeichnen3D(K.Mittelpunkt, K.Randpunkt[k], f, st, b);
            if (Mantel) StreckeZeichnen3D(K.Randpunkt[k], K.Spitze, f, st, b);
        }
    } else if (N > 0) {
        // Rim, centre and apex projected once for the rim and every spoke.
        TVek_R2 Rand[62];
        for (int k = 1; k <= N + 1; ++k) Rand[k] = BildpunktPixel(K.Randpunkt[k]);
        for (int k = 1; k <= N; ++k) c.StreckeR2(Rand[k], Rand[k + 1]);
        const TVek_R2 M = BildpunktPixel(K.Mittelpunkt), S = BildpunktPixel(K.Spitze);
        for (int k = 1; k <= N + 1 && Teiler > 0; ++k) {
            if ((k * Schritt) % Teiler != 0) continue;
            if (K.SpeichenZeigen == 1) c.StreckeR2(M, Rand[k]);
            if (Mantel) c.StreckeR2(Rand[k], S);
        }
    }

    if (DrehstreckeErlaubt())
        Drehstrecke(K.Mittelpunkt, K.Mittelpunkt, f, K.Lotfuss, K.Randpunkt[62], K.Randpunkt[63],
                    K.Randpunkt[64]);
}

void VektorZeichnen(TVektor& V) {
    StreckeZeichnen3D(V.Anfangspunkt, V.Endpunkt, V.Farbe, V.Linienstil, V.Stiftbreite);
    PfeilZeichnen(V.Pfeil, V.Farbe, V.Stiftbreite);
    if (DrehstreckeErlaubt())
        DrehstreckeZeichnen(V.Anfangspunkt, V.Anfangspunkt, V.Farbe, V.Lotfuss, V.LotWinkel);
}

void StreckeZeichnen(TStrecke& S) {
    StreckeZeichnen3D(S.A, S.B, S.Farbe, S.Linienstil, S.Stiftbreite);
    if (DrehstreckeErlaubt()) DrehstreckeZeichnen(S.A, S.A, S.Farbe, S.Lotfuss, S.LotWinkel);
}

void PunktZeichnen(TPunkt& P) {
    const int w = P.Stiftbreite;
    if (VerdeckteLinien) {
        constexpr Extended d = 0.05L;
        const TVek_R3 O = P.Ort;
        P.Kreuz3D[1] = {O.x, O.y, O.z - d};
        P.Kreuz3D[2] = {O.x, O.y, O.z + d};
        P.Kreuz3D[3] = {O.x, O.y - d, O.z};
        P.Kreuz3D[4] = {O.x, O.y + d, O.z};
        P.Kreuz3D[5] = {O.x - d, O.y, O.z};
        P.Kreuz3D[6] = {O.x + d, O.y, O.z};
        for (int k = 1; k <= 5; k += 2) StreckeZeichnen3D(P.Kreuz3D[k], P.Kreuz3D[k + 1], P.Farbe, psSolid, 2 * w);
    } else {
        TVek_R2 B;
        BildpunktBerechnen(P.Ort, B, MassstabX, MassstabY, MassstabZ);
        Zeichenflaeche& c = Zeichenbitmap();
        // Only colour and width: style and brush stay as the canvas has them.
        c.Pen.Color = P.Farbe;
        c.Pen.Width = w;
        if (std::isfinite(B.x) && std::isfinite(B.y))
            c.Ellipse(PixelRunden(B.x - w), PixelRunden(BildY(B.y - w)), PixelRunden(B.x + w),
                      PixelRunden(BildY(B.y + w)));
    }
    if (P.sichtbar == 1 && P.mitFadenkreuz == 1)
        for (int k = 1; k <= 5; k += 2)
            StreckeZeichnen3D(P.FadenkreuzArme[k], P.FadenkreuzArme[k + 1], P.Farbe, psDot, 1);
    if (DrehstreckeErlaubt()) DrehstreckeZeichnen(P.Ort, P.Ort, P.Farbe, P.Lotfuss, P.LotWinkel);
}

void FadenkreuzZeichnen(TFadenkreuz& F) {
    for (int k = 1; k <= 3; ++k) StreckeZeichnen3D(F.ArmAnfang[k], F.ArmEnde[k], F.Farbe, F.Linienstil, 1);
    if (DrehstreckeErlaubt())
        DrehstreckeZeichnen(F.Mittelpunkt, F.Mittelpunkt, F.Farbe, F.Lotfuss, F.LotWinkel);
}

void GeradeZeichnen(TGerade& G) {
    StreckeZeichnen3D(G.ZeichenAnfang, G.ZeichenEnde, G.Farbe, G.Linienstil, G.Stiftbreite);
    // Derived lines show their drawn piece only.
    if (AktLinienNr >= 5 && AktLinienNr != 33) return;

    if (StRiVektZeigen) {
        StreckeZeichnen3D(G.VektorAnfang, G.VektorEnde, G.Farbe, psSolid, G.StiftbreiteVektor);
        StreckeZeichnen3D(NullVektor, G.VektorAnfang, FarbeLinienDialog, psSolid, G.StiftbreiteStuetzvektor);
        PfeilZeichnen(G.PfeilRichtung, G.Farbe, G.StiftbreiteVektor);
        PfeilZeichnen(G.PfeilStuetz, FarbeLinienDialog, G.StiftbreiteStuetzvektor);
    }

    // Intersection marks: the squares live in h (g-h) and t (g-t, h-t); in
    // the other lines the fields stay at the origin and the marks are empty.
    const bool g = Gerade_g.sichtbar == 1, h = Gerade_h.sichtbar == 1, t = Gerade_t.sichtbar == 1;
    constexpr TColor Gelb = 0x0000FFFF;
    if (SchnittpunkteZeigen) {
        if (g && h && LageGH == 1) ViereckZeichnen(G.SchnittQuadratGH, Gelb, 1, psSolid);
        if (g && t && LageGT == 1) ViereckZeichnen(G.SchnittQuadratGT, Gelb, 1, psSolid);
        if (h && t && LageHT == 1) ViereckZeichnen(G.SchnittQuadratHT, Gelb, 1, psSolid);
    }

    if (SpurpunkteZeigen) {
        const TColor f = AchsenKreuz.Farbe;
        if (G.SpurpunktXYvorhanden == 1) ViereckZeichnen(G.SpurQuadratXY, f, 1, psSolid);
        if (G.SpurpunktXZvorhanden == 1) ViereckZeichnen(G.SpurQuadratXZ, f, 1, psSolid);
        if (G.SpurpunktYZvorhanden == 1) ViereckZeichnen(G.SpurQuadratYZ, f, 1, psSolid);
    }

    // The trace lines come again with every user line.
    for (int i = 1; i <= 6; ++i) {
        const TEbene& E = Ebene[i <= 3 ? 1 : 2];
        const TGerade& S = Spurgeraden[i];
        if (E.sichtbar == 1 && S.gueltig == 1 && S.anzeigen == 1)
            StreckeZeichnen3D(S.ZeichenAnfang, S.ZeichenEnde, S.Farbe, psSolid, 1);
    }

    const struct {
        bool an;
        int Paar;  // 0 g-h, 1 g-t, 2 h-t
    } Diff[3] = {{DiffVekGH && g && h, 0}, {DiffVekGT && g && t, 1}, {DiffVekHT && h && t, 2}};
    for (const auto& d : Diff) {
        if (!d.an) continue;
        const int k = d.Paar;
        StreckeZeichnen3D(G.Verbindungsvektoren[2 * k + 1], G.Verbindungsvektoren[2 * k + 2],
                          FarbeStuetzvektoren, psSolid, StiftbreiteDifferenzvektoren);
        PfeilZeichnen(G.Verbindungsvektoren[7 + 3 * k], G.Verbindungsvektoren[8 + 3 * k],
                      G.Verbindungsvektoren[9 + 3 * k], FarbeStuetzvektoren, StiftbreiteDifferenzvektoren);
    }

    if (DrehstreckeErlaubt())
        DrehstreckeZeichnen(G.VektorAnfang, G.Stuetzvektor, G.Farbe, G.Lotfuss, G.LotWinkel);
}

void EbeneZeichnen(TEbene& E) {
    Zeichenflaeche& c = Zeichenbitmap();
    c.Pen.Width = E.Stiftbreite;
    c.Pen.Style = E.Linienstil;
    if (AktLinienNr == 3 || AktLinienNr == 4) {
        const bool istE1 = AktLinienNr == 3;
        const TColor f = istE1 ? FarbeE1 : FarbeE2;
        c.Pen.Color = f;
        c.Brush.Color = f;
        c.Brush.Style = bsClear;
        if (E.Darstellungsart == 2) {
            // E1's grid is always solid, E2's takes the plane's style.
            const TPenStyle st = istE1 ? psSolid : E.Linienstil;
            ZeichneEbenenGitter(E.QuadratEcken[1], E.QuadratEcken[2], E.QuadratEcken[3], E.QuadratEcken[4],
                                E.Netzlinien, st, st, f);
        }
    }

    const TColor f = E.Farbe;
    const int b = E.Stiftbreite;
    const TPenStyle st = E.Linienstil;
    if (E.Darstellungsart == 0) {
        const int Anzahl = std::clamp(E.SchnittpunktAnzahl, 0, 12);
        for (int k = 0; k <= Anzahl / 2 - 1; ++k)
            StreckeZeichnen3D(E.Schnittpunkte[2 * k + 1], E.Schnittpunkte[2 * k + 2], f, st, b);
    } else if (E.Darstellungsart == 1 || E.Darstellungsart == 2) {
        ViereckZeichnen(E.QuadratEcken, f, b, st);
    }

    if (SchnittpunkteZeigen && E.sichtbar == 1) {
        if (Gerade_g.sichtbar == 1 && E.DurchstosspunktGvorhanden == 1)
            ViereckZeichnen(E.DurchstossQuadratG, f, 1, st);
        if (Gerade_h.sichtbar == 1 && E.DurchstosspunktHvorhanden == 1)
            ViereckZeichnen(E.DurchstossQuadratH, f, 1, st);
        if (Gerade_t.sichtbar == 1 && E.DurchstosspunktTvorhanden == 1)
            ViereckZeichnen(E.DurchstossQuadratT, f, 1, st);
    }

    c.Brush.Style = bsClear;

    if (StRiVektZeigen) {
        StreckeZeichnen3D(E.StuetzvektorEnde, E.Richtungsvektor1Ende, f, psSolid, E.StiftbreiteRichtungsvektoren);
        StreckeZeichnen3D(E.StuetzvektorEnde, E.Richtungsvektor2Ende, f, psSolid, E.StiftbreiteRichtungsvektoren);
        StreckeZeichnen3D(NullVektor, E.StuetzvektorEnde, FarbeLinienDialog, psSolid, E.StiftbreiteStuetzvektor);
        PfeilZeichnen(E.PfeilRichtung1, f, E.StiftbreiteRichtungsvektoren);
        PfeilZeichnen(E.PfeilRichtung2, f, E.StiftbreiteRichtungsvektoren);
        PfeilZeichnen(E.PfeilStuetz, FarbeLinienDialog, E.StiftbreiteStuetzvektor);
    }

    if (DrehstreckeErlaubt())
        DrehstreckeZeichnen(E.Stuetzvektor, E.Stuetzvektor, f, E.Lotfuss, E.LotWinkel);

    if (NVektZeigen) {
        const TColor fn = E.FarbeNormalenvektor;
        StreckeZeichnen3D(E.StuetzvektorEnde, E.NormalenvektorEnde, fn, psSolid, E.StiftbreiteNormalenvektor);
        PfeilZeichnen(E.PfeilNormale, fn, E.StiftbreiteNormalenvektor);
        if (E.WinkelQuadrateZeichnen == 1) {
            PfeilZeichnen(E.WinkelmarkeR1, fn, 1);
            PfeilZeichnen(E.WinkelmarkeR2, fn, 1);
        }
    }

    // Difference vectors: pair k of Verbindungsvektoren, head of
    // PfeilVerbindung (whose order puts E1->E2 first).
    const bool g = Gerade_g.sichtbar == 1, h = Gerade_h.sichtbar == 1, t = Gerade_t.sichtbar == 1;
    const bool e1 = Ebene_E1.sichtbar == 1, e2 = Ebene_E2.sichtbar == 1;
    const struct {
        bool an;
        int Paar, Kopf;
    } Diff[7] = {{DiffVekGE1 && g && e1, 1, 2}, {DiffVekHE1 && h && e1, 3, 4}, {DiffVekTE1 && t && e1, 5, 6},
                 {DiffVekGE2 && g && e2, 2, 3}, {DiffVekHE2 && h && e2, 4, 5}, {DiffVekTE2 && t && e2, 6, 7},
                 {DiffVekE1E2 && e1 && e2, 7, 1}};
    for (const auto& d : Diff) {
        if (!d.an) continue;
        StreckeZeichnen3D(E.Verbindungsvektoren[d.Paar][1], E.Verbindungsvektoren[d.Paar][2], FarbeStuetzvektoren,
                          psSolid, StiftbreiteDifferenzvektoren);
        PfeilZeichnen(E.PfeilVerbindung[d.Kopf], FarbeStuetzvektoren, StiftbreiteDifferenzvektoren);
    }
}
