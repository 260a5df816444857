#include "view3d/Abgeleitet.h"

#include <cmath>

#include "forms/EbEinstell.h"
#include "forms/EbenKoord.h"
#include "forms/Ebenen.h"
#include "geometry/Einheitsvektoren.h"
#include "geometry/Geometrie.h"
#include "platform/Zahltext.h"
#include "scene/Ansicht.h"

namespace {

TVek_R3 Kreuz(TVek_R3 a, TVek_R3 b) {
    TVek_R3 r;
    Vektorprodukt(a, b, r);
    return r;
}

// v scaled to length L; the null vector (or one whose length cannot be
// divided by) contributes nothing.
TVek_R3 AufLaenge(TVek_R3 v, Extended L) {
    const Extended b = Betrag(v);
    if (!(b > 0) || !std::isfinite(b)) return TVek_R3{};
    return Vielfaches(v, L / b);
}

// Common tail of both arrow heads: w is the (unscaled) barb direction.
void PfeilAusSenkrechter(TVek_R3 u, TVek_R3 A, TVek_R3 E, TVek_R3 w, Extended L,
                         TVek_R3& Fluegel1, TVek_R3& Spitze, TVek_R3& Fluegel2) {
    const Extended bu = Betrag(u);
    const TVek_R3 ws = AufLaenge(w, L);
    Extended d = bu - L;
    if (std::fabs(d) < Toleranz) d = 0.001L;
    const TVek_R3 Basis = Summe(A, Vielfaches(u, d / bu));
    const TVek_R3 f1 = Summe(Basis, ws);
    const TVek_R3 f2 = Differenz(Basis, ws);
    Fluegel1 = f1;
    Spitze = E;
    Fluegel2 = f2;
}

// ---- The faces of the axes cube --------------------------------------------

struct TKante {
    TVek_R3 K;       // start corner
    TVek_R3 e;       // runs the whole edge
    int Koordinate;  // 1 x, 2 y, 3 z: the one that varies along the edge
};

struct TFlaeche {
    TVek_R3 N, Q;
    TKante Kanten[4];
};

TFlaeche Wuerfelflaeche(Byte Nr, Extended X, Extended Y, Extended Z) {
    switch (Nr) {
        case 1:
            return {{1, 0, 0}, {-X, 0, 0},
                    {{{-X, -Y, -Z}, {0, 0, 2 * Z}, 3},
                     {{-X, -Y, Z}, {0, 2 * Y, 0}, 2},
                     {{-X, Y, Z}, {0, 0, -2 * Z}, 3},
                     {{-X, -Y, -Z}, {0, 2 * Y, 0}, 2}}};
        case 2:
            return {{0, 1, 0}, {0, Y, 0},
                    {{{-X, Y, -Z}, {0, 0, 2 * Z}, 3},
                     {{-X, Y, Z}, {2 * X, 0, 0}, 1},
                     {{X, Y, Z}, {0, 0, -2 * Z}, 3},
                     {{-X, Y, -Z}, {2 * X, 0, 0}, 1}}};
        case 3:
            return {{1, 0, 0}, {X, 0, 0},
                    {{{X, Y, Z}, {0, 0, -2 * Z}, 3},
                     {{X, Y, Z}, {0, -2 * Y, 0}, 2},
                     {{X, -Y, Z}, {0, 0, -2 * Z}, 3},
                     {{X, -Y, -Z}, {0, 2 * Y, 0}, 2}}};
        case 4:
            return {{0, 1, 0}, {0, -Y, 0},
                    {{{-X, -Y, -Z}, {0, 0, 2 * Z}, 3},
                     {{-X, -Y, Z}, {2 * X, 0, 0}, 1},
                     {{X, -Y, Z}, {0, 0, -2 * Z}, 3},
                     {{-X, -Y, -Z}, {2 * X, 0, 0}, 1}}};
        case 5:
            return {{0, 0, 1}, {0, 0, -Z},
                    {{{-X, -Y, -Z}, {0, 2 * Y, 0}, 2},
                     {{-X, Y, -Z}, {2 * X, 0, 0}, 1},
                     {{X, Y, -Z}, {0, -2 * Y, 0}, 2},
                     {{-X, -Y, -Z}, {2 * X, 0, 0}, 1}}};
        default:  // 6
            return {{0, 0, 1}, {0, 0, Z},
                    {{{-X, -Y, Z}, {0, 2 * Y, 0}, 2},
                     {{-X, Y, Z}, {2 * X, 0, 0}, 1},
                     {{X, Y, Z}, {0, -2 * Y, 0}, 2},
                     {{-X, -Y, Z}, {2 * X, 0, 0}, 1}}};
    }
}

Extended Koordinate(TVek_R3 P, int k) { return k == 1 ? P.x : (k == 2 ? P.y : P.z); }

// ---- Lines ---------------------------------------------------------------------

// The marker square and the point of two intersecting lines.
void LagePaar(const TGerade& G1, const TGerade& G2, const char* TextParallel, Byte& Lage,
              std::string& Text, TVek_R3& Schnittpunkt, TPunkte<4>& Quadrat) {
    const TVek_R3 A1 = G1.Stuetzvektor, u1 = G1.Richtungsvektor;
    const TVek_R3 A2 = G2.Stuetzvektor, u2 = G2.Richtungsvektor;
    const TVek_R3 w = Differenz(A2, A1);
    if (!LinearAbhaengig2(u1, u2)) {
        if (std::fabs(Determinante3(u1, u2, w)) >= Toleranz) {
            Lage = 0;
            Text = "windschief";
            return;
        }
        TVek_R3 P = Schnittpunkt;
        // Short directions can leave every coordinate pair below the
        // tolerance; the same point then comes from the unit directions.
        if (!SchnittpunktZweierGeraden(A1, u1, A2, u2, P)) {
            TVek_R3 e1, e2;
            Normiere(u1, e1);
            Normiere(u2, e2);
            if (!SchnittpunktZweierGeraden(A1, e1, A2, e2, P)) {
                Lage = 0;
                Text = "windschief";
                return;
            }
        }
        Lage = 1;
        Schnittpunkt = P;
        TVek_R3 e1, e2;
        Normiere(u1, e1);
        Normiere(u2, e2);
        EbenenQuadratEcken2(Summe(e1, e2), u2, P, 2 * Pfeillaenge, Quadrat);
        return;
    }
    Lage = 0;
    Text = LinearAbhaengig2(w, u1) ? "identisch" : TextParallel;
}

}  // namespace

// ---- Arrow heads and marker squares -----------------------------------------

void PfeilspitzeBerechnen(TVek_R3 u, TVek_R3 A, TVek_R3 E, TVek_R3& Fluegel1, TVek_R3& Spitze,
                          TVek_R3& Fluegel2) {
    TVek_R3 w;
    SenkrechterVektor(u, w);
    if (IstNullvektor(u) || !(Betrag(w) > 0)) {
        Fluegel1 = Spitze = Fluegel2 = TVek_R3{};
        return;
    }
    PfeilAusSenkrechter(u, A, E, w, 2 * Pfeillaenge, Fluegel1, Spitze, Fluegel2);
}

void PfeilspitzeBerechnen(TVek_R3 u, TVek_R3 A, TVek_R3 E, TPunkte<3>& Pfeil) {
    PfeilspitzeBerechnen(u, A, E, Pfeil[1], Pfeil[2], Pfeil[3]);
}

void PfeilspitzeInEbeneBerechnen(TVek_R3 u, TVek_R3 A, TVek_R3 E, TVek_R3 p, TVek_R3 q,
                                 TVek_R3& Fluegel1, TVek_R3& Spitze, TVek_R3& Fluegel2,
                                 bool klein) {
    if (IstNullvektor(u) || !IstEndlich(u)) {
        Fluegel1 = Spitze = Fluegel2 = TVek_R3{};
        return;
    }
    TVek_R3 w = Kreuz(Kreuz(p, q), u);
    // p and q span no plane (a flat parallelepiped), or u stands on it: the
    // barbs then take any direction across u rather than none at all.
    if (!(Betrag(w) > 0) || !IstEndlich(w)) SenkrechterVektor(u, w);
    if (!(Betrag(w) > 0)) {
        Fluegel1 = Spitze = Fluegel2 = TVek_R3{};
        return;
    }
    const Extended L = klein ? 6.0L : 2 * Pfeillaenge;
    PfeilAusSenkrechter(u, A, E, w, L, Fluegel1, Spitze, Fluegel2);
}

void PfeilspitzeInEbeneBerechnen(TVek_R3 u, TVek_R3 A, TVek_R3 E, TVek_R3 p, TVek_R3 q,
                                 TPunkte<3>& Pfeil, bool klein) {
    PfeilspitzeInEbeneBerechnen(u, A, E, p, q, Pfeil[1], Pfeil[2], Pfeil[3], klein);
}

void EbenenQuadratEcken(TVek_R3 u, TVek_R3 v, TVek_R3 S, Extended s, TPunkte<4>& Ecken) {
    const TVek_R3 us = AufLaenge(u, s);
    const TVek_R3 vs = AufLaenge(v, s);
    const TVek_R3 C1 = Summe(S, Summe(Vielfaches(us, 0.5L), Vielfaches(vs, 0.5L)));
    const TVek_R3 C2 = Differenz(C1, us);
    const TVek_R3 C3 = Differenz(C2, vs);
    const TVek_R3 C4 = Summe(C3, us);
    Ecken[1] = C1;
    Ecken[2] = C2;
    Ecken[3] = C3;
    Ecken[4] = C4;
}

void EbenenQuadratEcken2(TVek_R3 u, TVek_R3 v, TVek_R3 S, Extended s, TPunkte<4>& Ecken) {
    const TVek_R3 us = AufLaenge(u, s);
    const TVek_R3 ns = AufLaenge(Kreuz(u, v), s);
    Ecken[1] = Summe(S, us);
    Ecken[2] = Summe(S, ns);
    Ecken[3] = Differenz(S, us);
    Ecken[4] = Differenz(S, ns);
}

// ---- Planes -------------------------------------------------------------------

void SchnittEbeneWuerfelflaeche(Byte Flaeche, TVek_R3 S, TVek_R3 u, TVek_R3 v, int& Anzahl,
                                TPunkte<2>& Punkte) {
    TPunkte<2> P;  // both at the origin
    int c = 0;
    const auto fertig = [&] {
        // A single point, or two that coincide (the plane only touches a
        // corner), is no segment.
        Anzahl = (c == 2 && !VektorenGleich(P[1], P[2])) ? 2 : 0;
        Punkte = P;
    };
    if (Flaeche < 1 || Flaeche > 6) {
        fertig();
        return;
    }
    const Extended X = AchseXMax * WuerfelFaktor;
    const Extended Y = AchseYMax * WuerfelFaktor;
    const Extended Z = AchseZMax * WuerfelFaktor;
    const TFlaeche F = Wuerfelflaeche(Flaeche, X, Y, Z);
    const TVek_R3 n = Kreuz(u, v);
    if (LinearAbhaengig2(n, F.N)) {  // plane parallel to the face
        fertig();
        return;
    }
    TVek_R3 x, d;
    if (!LoeseEbenenSystem(n, F.N, S, F.Q, x, d)) {
        fertig();
        return;
    }
    for (int k = 0; k < 4 && c < 2; ++k) {
        const TKante& Ka = F.Kanten[k];
        switch (LageZweierGeraden(x, d, Ka.K, Ka.e)) {
            case 1: {
                TVek_R3 Q;
                if (!SchnittpunktZweierGeraden(x, d, Ka.K, Ka.e, Q)) break;
                const Extended H = Ka.Koordinate == 1 ? X : (Ka.Koordinate == 2 ? Y : Z);
                const Extended t = Koordinate(Q, Ka.Koordinate);
                if (t > -H - Toleranz && t < H + Toleranz) {
                    ++c;
                    P[c] = Q;
                }
                break;
            }
            case 3:  // the section runs along this edge
                P[1] = Ka.K;
                P[2] = Summe(Ka.K, Ka.e);
                c = 2;
                break;
            default:
                break;
        }
        // Through the corner that two edges share: the same point twice.
        if ((k == 1 || k == 2) && c == 2 && VektorenGleich(P[1], P[2])) c = 1;
    }
    fertig();
}

void KoordinatenformBerechnen(TVek_R3 S, TVek_R3 u, TVek_R3 v, Extended& a, Extended& b,
                              Extended& c, Extended& d) {
    const TVek_R3 n = Kreuz(u, v);
    const Extended dd = -Skalarprodukt(n, S);
    a = n.x;
    b = n.y;
    c = n.z;
    d = dd;
}

void NormaleBerechnen(TVek_R3 S, TVek_R3 u, TVek_R3 v, TVek_R3& n, TVek_R3& P) {
    const TVek_R3 nn = Kreuz(u, v);
    P = S;
    n = nn;
}

namespace {
bool AktEbeneGueltig() { return AktEbene >= 1 && AktEbene <= 3; }
}  // namespace

void EbeneKoordWerteAnzeigen2() {
    if (!AktEbeneGueltig()) return;
    const TEbene& E = Ebene[AktEbene];
    Form_EbenKoord.Edit_a.SetText(KoordText(E.KoordA));
    Form_EbenKoord.Edit_b.SetText(KoordText(E.KoordB));
    Form_EbenKoord.Edit_c.SetText(KoordText(E.KoordC));
    Form_EbenKoord.Edit_d.SetText(KoordText(E.KoordD));
}

void EbeneKoordWerteAnzeigen() {
    if (!AktEbeneGueltig()) return;
    const TEbene& E = Ebene[AktEbene];
    Form_EbenKoord.Edit_nx.SetText(KoordText(E.Normalenvektor.x));
    Form_EbenKoord.Edit_ny.SetText(KoordText(E.Normalenvektor.y));
    Form_EbenKoord.Edit_nz.SetText(KoordText(E.Normalenvektor.z));
    Form_EbenKoord.Edit_ax.SetText(KoordText(E.NormalenformPunkt.x));
    Form_EbenKoord.Edit_ay.SetText(KoordText(E.NormalenformPunkt.y));
    Form_EbenKoord.Edit_az.SetText(KoordText(E.NormalenformPunkt.z));
}

void NormalenvektorenBerechnen() {
    for (int k = 1; k <= 2; ++k) {
        TEbene& E = Ebene[k];
        const TVek_R3 S = E.StuetzvektorEnde;
        const Extended s = E.WinkelQuadratSeite;
        TVek_R3 P1, P2, P4, P5;
        PunktImAbstand(S, E.Richtungsvektor1Ende, s, P1);
        PunktImAbstand(S, E.NormalenvektorEnde, s, P2);
        PunktImAbstand(S, E.Richtungsvektor2Ende, s, P4);
        PunktImAbstand(S, E.NormalenvektorEnde, s, P5);
        E.WinkelmarkeR1[1] = P1;
        E.WinkelmarkeR1[2] = Summe(P1, Differenz(P2, S));
        E.WinkelmarkeR1[3] = P2;
        E.WinkelmarkeR2[1] = P4;
        E.WinkelmarkeR2[2] = Summe(P4, Differenz(P5, S));
        E.WinkelmarkeR2[3] = P5;
    }
}

void EbenenQuadratBerechnen(TEbene& E, TVek_R3 S, TVek_R3 u, TVek_R3 v) {
    TVek_R3 Q1 = S, Q2 = Summe(S, u), Q4 = Summe(S, v);
    const TVek_R3 w = Kreuz(u, Kreuz(u, v));
    const Extended L = Form_EbEinstell.ScrollBar1.Position() * (2.0L * AchseXMax) * 0.1L;
    if (Betrag(w) > 0) Q4 = Summe(S, AufLaenge(w, L));
    if (Betrag(u) > 0) Q2 = Summe(S, AufLaenge(u, L));
    TVek_R3 Q3 = Summe(Q2, Differenz(Q4, Q1));
    TVek_R3 F;
    LotpunktUeberNormale(S, u, v, NullVektor, F);
    const TVek_R3 M = Vielfaches(Summe(Q1, Q3), 0.5L);
    const TVek_R3 Versatz = Differenz(F, M);
    E.QuadratEcken[1] = Summe(Q1, Versatz);
    E.QuadratEcken[2] = Summe(Q2, Versatz);
    E.QuadratEcken[3] = Summe(Q3, Versatz);
    E.QuadratEcken[4] = Summe(Q4, Versatz);
}

void EbeneBerechnen(TEbene& E) {
    const TVek_R3 S = E.Stuetzvektor;
    const TVek_R3 u = E.Richtungsvektor1;
    const TVek_R3 v = E.Richtungsvektor2;

    // Sections with the six faces of the axes cube, in face order.
    E.SchnittpunktAnzahl = 0;
    for (Byte K = 1; K <= 6; ++K) {
        int Anzahl = 0;
        SchnittEbeneWuerfelflaeche(K, S, u, v, Anzahl, E.SchnittFlaechen[K]);
        if (Anzahl == 2 && E.SchnittpunktAnzahl + 2 <= 12) {
            E.Schnittpunkte[E.SchnittpunktAnzahl + 1] = E.SchnittFlaechen[K][1];
            E.Schnittpunkte[E.SchnittpunktAnzahl + 2] = E.SchnittFlaechen[K][2];
            E.SchnittpunktAnzahl += 2;
        }
    }

    EbenenQuadratBerechnen(E, S, u, v);

    E.StuetzvektorEnde = S;
    E.Richtungsvektor1Ende = Summe(S, u);
    E.Richtungsvektor2Ende = Summe(S, v);
    PfeilspitzeInEbeneBerechnen(u, S, Summe(S, u), u, v, E.PfeilRichtung1, false);
    PfeilspitzeInEbeneBerechnen(v, S, Summe(S, v), v, u, E.PfeilRichtung2, false);
    PfeilspitzeBerechnen(S, NullVektor, S, E.PfeilStuetz);

    // Difference vectors: g, h, t to E1 and E2, then E1 to E2.
    {
        const TVek_R3 Von[7] = {Gerade[1].Stuetzvektor, Gerade[1].Stuetzvektor,
                                Gerade[2].Stuetzvektor, Gerade[2].Stuetzvektor,
                                Gerade[3].Stuetzvektor, Gerade[3].Stuetzvektor,
                                Ebene[1].Stuetzvektor};
        const TVek_R3 Nach[7] = {Ebene[1].Stuetzvektor, Ebene[2].Stuetzvektor,
                                 Ebene[1].Stuetzvektor, Ebene[2].Stuetzvektor,
                                 Ebene[1].Stuetzvektor, Ebene[2].Stuetzvektor,
                                 Ebene[2].Stuetzvektor};
        for (int k = 0; k < 7; ++k) {
            const TVek_R3 d = Differenz(Nach[k], Von[k]);
            const TVek_R3 Ende = Summe(Von[k], d);
            E.Verbindungsvektoren[k + 1][1] = Von[k];
            E.Verbindungsvektoren[k + 1][2] = Ende;
            // Heads: E1->E2 first, then g->E1 .. t->E2.
            const int Kopf = k == 6 ? 1 : k + 2;
            PfeilspitzeBerechnen(d, Von[k], Ende, E.PfeilVerbindung[Kopf]);
        }
    }

    // Piercing points of g, h, t, or the position text of a line that has
    // none.
    {
        const char* Ebenenname = (&E == &Ebene[1]) ? "E1" : "E2";
        TVek_R3* Punkt[3] = {&E.DurchstosspunktG, &E.DurchstosspunktH, &E.DurchstosspunktT};
        TPunkte<4>* Quadrat[3] = {&E.DurchstossQuadratG, &E.DurchstossQuadratH,
                                  &E.DurchstossQuadratT};
        Byte* Flag[3] = {&E.DurchstosspunktGvorhanden, &E.DurchstosspunktHvorhanden,
                         &E.DurchstosspunktTvorhanden};
        std::string* Text[3] = {&E.LagetextG, &E.LagetextH, &E.LagetextT};
        for (int k = 0; k < 3; ++k) {
            const TGerade& G = Gerade[k + 1];
            bool ok = false;
            SchnittpunktGeradeEbene(G.VektorAnfang, G.VektorEnde, S, u, v, ok, *Punkt[k]);
            *Flag[k] = ok ? 1 : 0;
            if (ok) {
                EbenenQuadratEcken(u, v, *Punkt[k], 2.5L * Pfeillaenge, *Quadrat[k]);
            } else if (LinearAbhaengig3(Differenz(G.Stuetzvektor, S), u, v)) {
                *Text[k] = Geradenname(k + 1) + " liegt in " + Ebenenname;
            } else {
                *Text[k] = "echt parallel";
            }
        }
    }

    // Coordinate form and normal form, unless the coordinate-form dialog
    // set them itself.
    if (!EbenKoordQuelle) {
        KoordinatenformBerechnen(S, u, v, E.KoordA, E.KoordB, E.KoordC, E.KoordD);
        EbeneKoordWerteAnzeigen2();
        NormaleBerechnen(S, u, v, E.Normalenvektor, E.NormalenformPunkt);
        EbeneKoordWerteAnzeigen();
    }

    E.NormalenvektorEnde = Summe(S, E.Normalenvektor);
    PfeilspitzeBerechnen(E.Normalenvektor, S, E.NormalenvektorEnde, E.PfeilNormale);

    // The marks of both planes: the other plane's are redone as well.
    NormalenvektorenBerechnen();
}

// ---- Lines --------------------------------------------------------------------

void GeradeBerechnen(TGerade& G) {
    GeradeOhneLageBerechnen(G);
    // Any changed line may change how g, h and t lie to each other.
    GeradenLage();
}

void GeradeOhneLageBerechnen(TGerade& G) {
    const TVek_R3 A = G.Stuetzvektor;
    const TVek_R3 u = G.Richtungsvektor;
    const Extended s = 2.5L * Pfeillaenge;

    // Trace points with the x,y-, x,z- and y,z-plane, each with the marker
    // square in its plane.
    const struct {
        TVek_R3& Punkt;
        Byte& vorhanden;
        TPunkte<4>& Quadrat;
        TVek_R3 Span1, Span2;
    } spuren[3] = {{G.SpurpunktXY, G.SpurpunktXYvorhanden, G.SpurQuadratXY, EinhVekX, EinhVekY},
                   {G.SpurpunktXZ, G.SpurpunktXZvorhanden, G.SpurQuadratXZ, EinhVekX, EinhVekZ},
                   {G.SpurpunktYZ, G.SpurpunktYZvorhanden, G.SpurQuadratYZ, EinhVekY, EinhVekZ}};
    for (Byte k = 1; k <= 3; ++k) {
        const auto& sp = spuren[k - 1];
        sp.vorhanden = SpurpunktExistiert(u, k) ? 1 : 0;
        if (!sp.vorhanden) continue;
        Spurpunkt(A, u, k, sp.Punkt);
        EbenenQuadratEcken(sp.Span1, sp.Span2, sp.Punkt, s, sp.Quadrat);
    }

    // The drawn piece, 4·AchseXMax long and centred on A. Without a
    // direction (the rotation axis while its two points coincide) there is
    // no piece to draw.
    const Extended b = Betrag(u);
    if (b >= Toleranz) {
        const Extended k = 2 * AchseXMax * GeradenFaktor / b;
        G.ZeichenEnde = Summe(A, Vielfaches(u, k));
        G.ZeichenAnfang = Differenz(A, Vielfaches(u, k));
    } else {
        G.ZeichenAnfang = A;
        G.ZeichenEnde = A;
    }

    G.VektorAnfang = A;
    G.VektorEnde = Summe(A, u);
    PfeilspitzeBerechnen(A, NullVektor, A, G.PfeilStuetz);
    PfeilspitzeBerechnen(u, A, Summe(A, u), G.PfeilRichtung);

    VerbindungsvektorenBerechnen(G);
}

void VerbindungsvektorenBerechnen(TGerade& G) {
    const int Von[3] = {1, 1, 2};
    const int Nach[3] = {2, 3, 3};
    for (int k = 0; k < 3; ++k) {
        const TVek_R3 P = Gerade[Von[k]].Stuetzvektor;
        const TVek_R3 d = Differenz(Gerade[Nach[k]].Stuetzvektor, P);
        const TVek_R3 Ende = Summe(P, d);
        G.Verbindungsvektoren[2 * k + 1] = P;
        G.Verbindungsvektoren[2 * k + 2] = Ende;
        PfeilspitzeBerechnen(d, P, Ende, G.Verbindungsvektoren[7 + 3 * k], G.Verbindungsvektoren[8 + 3 * k],
                             G.Verbindungsvektoren[9 + 3 * k]);
    }
}

void GeradenLage() {
    LagePaar(Gerade[1], Gerade[2], "g ist echt parallel zu h", LageGH, LageTextGH,
             SchnittpunktGH, Gerade[2].SchnittQuadratGH);
    LagePaar(Gerade[1], Gerade[3], "g ist echt parallel zu t", LageGT, LageTextGT,
             SchnittpunktGT, Gerade[3].SchnittQuadratGT);
    LagePaar(Gerade[2], Gerade[3], "h ist echt parallel zu t", LageHT, LageTextHT,
             SchnittpunktHT, Gerade[3].SchnittQuadratHT);
}

void SchnittgeradeE1E2Berechnen() {
    const TEbene& E1 = Ebene[1];
    const TEbene& E2 = Ebene[2];
    const TVek_R3 a1 = E1.Richtungsvektor1, b1 = E1.Richtungsvektor2;
    const TVek_R3 a2 = E2.Richtungsvektor1, b2 = E2.Richtungsvektor2;
    bool parallel = LinearAbhaengig3(a1, b1, a2) && LinearAbhaengig3(a1, b1, b2);
    if (!parallel) {
        TVek_R3 x, N;
        if (LoeseEbenenSystem(Kreuz(a1, b1), Kreuz(a2, b2), E1.Stuetzvektor, E2.Stuetzvektor,
                              x, N)) {
            Gerade_sg.Stuetzvektor = x;
            Gerade_sg.Richtungsvektor = N;
            SchnittgeradeVorhanden = true;
            LageTextE1E2 = "schneiden sich:";
        } else {
            parallel = true;  // the normals are exactly parallel after all
        }
    }
    if (parallel) {
        SchnittgeradeVorhanden = false;
        LageTextE1E2 =
            LinearAbhaengig3(a1, b1, Differenz(E2.Stuetzvektor, E1.Stuetzvektor)) ? "identisch"
                                                                               : "echt parallel";
    }
    Gerade_sg.Farbe = FarbeSg;
}

void ProjektionsgeradenBerechnen(Byte i) {
    if (i < 1 || i > 6) return;
    TGerade& Pr = Projektionsgeraden[i];
    const TGerade& L = Gerade[(i + 1) / 2];
    const TEbene& E = Ebene[i % 2 == 1 ? 1 : 2];
    const TVek_R3 P = L.VektorAnfang;
    const TVek_R3 Pu = L.VektorEnde;
    // Images of P and Pu seen from C; a failed cut leaves its point as it
    // was, so the old image stays. True when both images exist and differ.
    TVek_R3 X1 = Pr.VektorAnfang, X2 = Pr.VektorEnde;
    auto Abbilden = [&](TVek_R3 C) {
        auto Bild = [&](TVek_R3 Q, TVek_R3& X) {
            bool ok = false;
            SchnittpunktGeradeEbene(C, Q, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, ok, X);
            return ok;
        };
        bool ok1 = Bild(P, X1);
        bool ok2 = Bild(Pu, X2);
        // The ray through one of the two points may run parallel to E although
        // the line has an image; at most one point of the line has such a ray,
        // so a third point stands in for it. In parallel projection the ray
        // through P runs along the direction: parallel to E, no point has an image.
        if (ok1 != ok2 && (ok1 || Zentralprojektion)) {
            TVek_R3 X3 = X2;
            if (Bild(Summe(Pu, Differenz(Pu, P)), X3)) {
                if (!ok1) X1 = X2;
                X2 = X3;
                ok1 = ok2 = true;
            }
        }
        return ok1 && ok2 && !VektorenGleich(X1, X2);
    };
    bool gueltig = Abbilden(Zentralprojektion ? Augpunkt : Summe(P, Vielfaches(ProjRichtung, 100)));
    // In parallel projection the auxiliary point on the ray through P may lie
    // in E itself: every ray from it then meets E there, and the image shrinks
    // to that point although the line has one. A point farther up the ray
    // lies off E.
    if (!gueltig && !Zentralprojektion) gueltig = Abbilden(Summe(P, Vielfaches(ProjRichtung, 200)));
    Pr.VektorAnfang = X1;
    Pr.VektorEnde = X2;
    if (gueltig) {
        Pr.Stuetzvektor = X1;
        Pr.Richtungsvektor = Differenz(X2, X1);
        Pr.gueltig = 1;
    } else {
        Pr.gueltig = 0;
    }
    Pr.Farbe = AchsenKreuz.Farbe;
}

void SpurgeradenBerechnen(Byte i) {
    if (i < 1 || i > 6) return;
    TGerade& Sp = Spurgeraden[i];
    const TEbene& E = Ebene[i <= 3 ? 1 : 2];
    TVek_R3 Normale, Span1, Span2;
    switch ((i - 1) % 3) {
        case 0: Normale = EinhVekZ; Span1 = EinhVekX; Span2 = EinhVekY; break;
        case 1: Normale = EinhVekY; Span1 = EinhVekX; Span2 = EinhVekZ; break;
        default: Normale = EinhVekX; Span1 = EinhVekY; Span2 = EinhVekZ; break;
    }
    const TVek_R3 u = E.Richtungsvektor1, v = E.Richtungsvektor2;
    TVek_R3 x, N;
    if (LinearAbhaengig3(Span1, Span2, u) && LinearAbhaengig3(Span1, Span2, v)) {
        Sp.gueltig = 0;
    } else if (LoeseEbenenSystem(Normale, Kreuz(u, v), NullVektor, E.Stuetzvektor, x, N)) {
        Sp.Stuetzvektor = x;
        Sp.Richtungsvektor = N;
        Sp.gueltig = 1;
    } else {
        Sp.gueltig = 0;
    }
    Sp.Farbe = AchsenKreuz.Farbe;
}
