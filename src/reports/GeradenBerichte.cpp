#include "reports/GeradenBerichte.h"

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "geometry/Einheitsvektoren.h"
#include "geometry/Geometrie.h"
#include "reports/Berichtlayout.h"
#include "scene/Ansicht.h"
#include "scene/Objekte.h"

namespace {

// The planes the angles of a line are measured against, with their labels.
struct TKoordinatenebene {
    const char* Beschriftung;
    TVek_R3 p, q;
};
const TKoordinatenebene Koordinatenebenen[3] = {
    {"     mit der x,y-Ebene:", EinhVekX, EinhVekY},
    {"     mit der x,z-Ebene:", EinhVekX, EinhVekZ},
    {"     mit der y,z-Ebene:", EinhVekY, EinhVekZ},
};

void Geradenform(const TGerade& G, const std::string& name, const TDreiteile& Ende = SpaltenEnde) {
    Parameterform("     " + name + ":   x = ", {Spalte(G.Stuetzvektor), Spalte(G.Richtungsvektor)}, Ende);
}

void Ebenenform(const TEbene& E, const std::string& Marke) {
    Parameterform(Marke, {Spalte(E.Stuetzvektor), Spalte(E.Richtungsvektor1), Spalte(E.Richtungsvektor2)});
}

void Parameterdarstellung(const std::string& Titel) {
    Zeile("Eine Parameterdarstellung von " + Titel + ":");
    Leerzeile();
}

// The trace points with the x,y-, x,z- and y,z-plane, each where it exists.
void Spurpunkte(const std::string& name, const TGerade& G, const bool (&vorhanden)[3]) {
    Zeile("Spurpunkte zu " + name + ":");
    Zeile("- - - - - - - -");
    const TVek_R3* punkte[3] = {&G.SpurpunktXY, &G.SpurpunktXZ, &G.SpurpunktYZ};
    for (int k = 0; k < 3; ++k) {
        Zeile(Koordinatenebenen[k].Beschriftung);
        Zeile(vorhanden[k] ? "       " + KlammerpunktWeit(*punkte[k]) : "       ex. nicht");
    }
}

void SpurpunkteNachFlags(const std::string& name, const TGerade& G) {
    const bool v[3] = {G.SpurpunktXYvorhanden == 1, G.SpurpunktXZvorhanden == 1, G.SpurpunktYZvorhanden == 1};
    Spurpunkte(name, G, v);
}

// The older reports decide from the direction itself, as the flags do.
void SpurpunkteNachRichtung(const std::string& name, const TGerade& G) {
    const TVek_R3& u = G.Richtungsvektor;
    const bool v[3] = {SpurpunktExistiert(u, 1), SpurpunktExistiert(u, 2), SpurpunktExistiert(u, 3)};
    Spurpunkte(name, G, v);
}

// The signed angles of direction u with the three coordinate planes.
void Schnittwinkel(const std::string& name, TVek_R3 u) {
    Ueberschrift("Größe des Schnittwinkels von " + name + " mit den Koordinatenebenen:", 45);
    for (const TKoordinatenebene& k : Koordinatenebenen) {
        Zeile(k.Beschriftung);
        Zeile("        " + Zahl(WinkelGeradeEbene(u, k.p, k.q)) + "°");
    }
}

void Ursprungsabstand(const std::string& name, const TGerade& G) {
    Ueberschrift("Abstand von " + name + " zum Ursprungspunkt:", 26);
    TVek_R3 F;
    const Extended d = AbstandPunktGerade(NullVektor, G.Stuetzvektor, G.Richtungsvektor, F);
    Zeile("     d = " + Zahl(d) + " LE");
    Zeile("     zugehöriger Lotfußpunkt:");
    Zeile("        " + Klammerpunkt(F));
}

// What the view found for the pair of lines a < b.
struct TPaarLage {
    Byte Lage;
    const std::string& Text;
    const TVek_R3& Punkt;
};

TPaarLage PaarLage(Byte a, Byte b) {
    if (a == 1 && b == 2) return {LageGH, LageTextGH, SchnittpunktGH};
    if (a == 1) return {LageGT, LageTextGT, SchnittpunktGT};
    return {LageHT, LageTextHT, SchnittpunktHT};
}

// How the lines named e and z lie to each other, and the acute angle of
// their directions u and w. The older reports write the angle's heading
// without a colon and nothing after the degree sign.
void LageUndWinkel(const std::string& e, const std::string& z, const TPaarLage& P, TVek_R3 u, TVek_R3 w,
                   bool Alt) {
    const std::string paar = e + " und " + z;
    Zeile("Lagebeziehung zwischen " + paar + ":");
    if (P.Lage == 1) {
        Zeile("            " + paar + " schneiden sich im Punkte");
        Zeile("               " + Klammerpunkt(P.Punkt));
    } else {
        Zeile("            " + P.Text);
    }
    Leerzeile1();
    Zeile(P.Lage == 1 ? "Der Winkel zwischen " + paar + (Alt ? "" : ":") : "Der Winkel zwischen den Richtungsvektoren");
    Zeile("von " + paar + " hat die Größe   " + Zahl(WinkelVektoren(u, w, 1)) + (Alt ? "°" : "°   ."));
}

// How line i meets plane E, as the plane's computation found it.
void Durchstoss(const std::string& paar, Byte i, const TEbene& E) {
    const Byte vorhanden = i == 1 ? E.DurchstosspunktGvorhanden : i == 2 ? E.DurchstosspunktHvorhanden
                                                                          : E.DurchstosspunktTvorhanden;
    if (vorhanden == 1) {
        Zeile("Durchstoßpunkt " + paar + ":");
        Zeile("     " + Klammerpunkt(i == 1 ? E.DurchstosspunktG : i == 2 ? E.DurchstosspunktH : E.DurchstosspunktT));
        return;
    }
    Zeile("Lagebeziehung " + paar + ":");
    Zeile("     " + (i == 1 ? E.LagetextG : i == 2 ? E.LagetextH : E.LagetextT));
    Zeile("     Abstand " + paar + ":");
    TVek_R3 F;
    const Extended d = AbstandPunktEbene(Gerade[i].Stuetzvektor, E.Stuetzvektor, E.Richtungsvektor1,
                                         E.Richtungsvektor2, F);
    Zeile("        d = " + Zahl(d) + " LE");
}

void Winkelzeile(const std::string& Titel, Extended Winkel) {
    Zeile("Größe des Winkels zwischen " + Titel + ":");
    Zeile("     " + Zahl(Winkel) + "°");
}

// The projection of line G onto E1 or E2 as the view computed it.
void Projektionsgerade(const TGerade& P, const std::string& Marke) {
    if (P.gueltig != 1) {
        Zeile("       ex. nicht");
        return;
    }
    Leerzeile();
    Parameterform(Marke, {Spalte(P.Stuetzvektor), Spalte(P.Richtungsvektor)});
}

// The orthogonal projections of G onto the three coordinate planes. The
// support and direction columns take the given widths in all three blocks;
// the coordinate the plane sets to zero is written "0,00".
void Koordinatenprojektionen(const std::string& name, const TGerade& G, int BreiteA, int BreiteU) {
    Zeile("Projektionsgeraden zu " + name + ":");
    Zeile("- - - - - - - - - - - -");
    static const char* const Titel[3] = {"     auf die x,y-Ebene:", "     auf die x,z-Ebene:", "     auf die y,z-Ebene:"};
    static const char* const Marken[3] = {"     p_xy:   x = ", "     p_xz:   x = ", "     p_yz:   x = "};
    for (int k = 0; k < 3; ++k) {
        if (k > 0) Leerzeile();
        Zeile(Titel[k]);
        // A line perpendicular to the plane projects to a point: its
        // projected direction is what the block would print.
        TVek_R3 p = G.Richtungsvektor;
        (k == 0 ? p.z : k == 1 ? p.y : p.x) = 0;
        if (IstNullvektor(p)) {
            Zeile("       ex. nicht");
            continue;
        }
        Leerzeile();
        TSpalte a = Spalte(G.Stuetzvektor), u = Spalte(G.Richtungsvektor);
        (k == 0 ? a.z : k == 1 ? a.y : a.x) = "0,00";
        (k == 0 ? u.z : k == 1 ? u.y : u.x) = "0,00";
        a.Breite = BreiteA;
        u.Breite = BreiteU;
        Parameterform(Marken[k], {a, u});
    }
}

}  // namespace

// ---- Current reports ---------------------------------------------------------------

namespace {

// The parts of a line's report that depend on the line alone, before and
// after its projections. An eye-point step or a change of the projection
// rebuilds the open report, and of it only the projections change: the
// parts are kept for the line last built, with the column widths its
// parameter form left (the only global state they write).
struct TGeradenteile {
    Byte n = 0;
    TVek_R3 A, u, XY, XZ, YZ;
    Byte vXY = 0, vXZ = 0, vYZ = 0;
    std::vector<std::string> vorn, hinten;
    int breite1 = 0, breite2 = 0;
};

// The same number and the same sign of zero; NaN is never the same.
bool Gleich(Extended a, Extended b) { return a == b && std::signbit(a) == std::signbit(b); }
bool Gleich(const TVek_R3& a, const TVek_R3& b) { return Gleich(a.x, b.x) && Gleich(a.y, b.y) && Gleich(a.z, b.z); }

const TGeradenteile& Geradenteile(Byte n, const TGerade& G) {
    static std::optional<TGeradenteile> gebaut;
    if (gebaut && gebaut->n == n && Gleich(gebaut->A, G.Stuetzvektor) && Gleich(gebaut->u, G.Richtungsvektor) &&
        Gleich(gebaut->XY, G.SpurpunktXY) && Gleich(gebaut->XZ, G.SpurpunktXZ) && Gleich(gebaut->YZ, G.SpurpunktYZ) &&
        gebaut->vXY == G.SpurpunktXYvorhanden && gebaut->vXZ == G.SpurpunktXZvorhanden &&
        gebaut->vYZ == G.SpurpunktYZvorhanden)
        return *gebaut;
    gebaut.reset();
    TGeradenteile T{n, G.Stuetzvektor, G.Richtungsvektor, G.SpurpunktXY, G.SpurpunktXZ, G.SpurpunktYZ,
                    G.SpurpunktXYvorhanden, G.SpurpunktXZvorhanden, G.SpurpunktYZvorhanden, {}, {}, 0, 0};
    const std::string name = Geradenname(n);
    std::vector<std::string> aussen;
    aussen.swap(Ausgabeliste);
    Ueberschrift("Daten zur Geraden " + name + ":", 28);
    Leerzeile();
    Parameterdarstellung(name);
    Geradenform(G, name);
    Leerzeile1();
    SpurpunkteNachFlags(name, G);
    Leerzeile1();
    T.vorn.swap(Ausgabeliste);
    T.breite1 = Spaltenbreite[1];
    T.breite2 = Spaltenbreite[2];
    Leerzeile();
    Schnittwinkel(name, G.Richtungsvektor);
    Leerzeile();
    Ursprungsabstand(name, G);
    T.hinten.swap(Ausgabeliste);
    Ausgabeliste.swap(aussen);
    gebaut = std::move(T);
    return *gebaut;
}

}  // namespace

void AusgabeGerade(Byte n) {
    const std::string name = Geradenname(n);
    const TGeradenteile& T = Geradenteile(n, Gerade[n]);
    AusgabeBeginnen();
    // The parameter form of the line wrote these.
    Spaltenbreite[1] = T.breite1;
    Spaltenbreite[2] = T.breite2;
    Zeile("Projektionsgeraden zu " + name + ":");
    Zeile("- - - - - - - - - - - -");
    if (Zentralprojektion) {
        Zeile("bei einer Zentralprojektion mit dem");
        Zeile("Fluchtpunkt " + Klammerpunkt(Augpunkt));
    } else {
        Zeile("bei einer Parallelprojektion mit dem");
        Zeile("Projektionsvektor " + Klammerpunkt(ProjRichtung));
    }
    Leerzeile1();
    Zeile("     auf E1:");
    Projektionsgerade(Projektionsgeraden[2 * n - 1], "    pr_E1:   x = ");
    Leerzeile();
    Zeile("     auf E2-Ebene:");
    Projektionsgerade(Projektionsgeraden[2 * n], "    pr_E2:   x = ");
    AusgabeBeendenZwischen(static_cast<Byte>(21 + n), T.vorn, T.hinten);
}

void AusgabeGeradeGerade(Byte a, Byte b) {
    const std::string na = Geradenname(a), nb = Geradenname(b);
    const TGerade &G = Gerade[a], &H = Gerade[b];
    const TVek_R3 A = G.Stuetzvektor, u = G.Richtungsvektor, B = H.Stuetzvektor, w = H.Richtungsvektor;
    const TPaarLage P = PaarLage(a, b);
    AusgabeBeginnen();
    Ueberschrift("Daten zu den Geraden " + na + " und " + nb + ":", 28);
    Leerzeile();
    Parameterdarstellung(" " + na);
    Geradenform(G, na);
    Leerzeile();
    Parameterdarstellung(nb);
    Geradenform(H, nb, {"|", "|", "|  ."});
    Leerzeile1();
    LageUndWinkel(na, nb, P, u, w, false);
    Leerzeile1();
    Zeile("Abstand zwischen " + na + " und " + nb + ":");
    const std::string einzug(15, ' ');
    if (P.Lage == 1) {
        Zeile(einzug + "0 LE");
    } else if (!LinearAbhaengig2(u, w)) {
        // Skew: the distance along the common perpendicular, its feet and
        // the perpendicular itself. The feet solve the normal equations, so
        // perpendicular directions have them too.
        TVek_R3 uw, AB;
        Vektorprodukt(u, w, uw);
        VektorAB(B, A, AB);
        const Extended d = std::fabs(Skalarprodukt(AB, uw)) / Betrag(uw);
        TVek_R3 F1 = A, F2 = B;
        LotFusspunkteWindschief(A, B, u, w, F1, F2);
        Zeile(einzug + Zahl(d) + " LE");
        Zeile(einzug);
        Zeile("Die Lotfusspunkte sind:");
        Zeile("                " + Klammerpunkt(F1) + "  auf " + na + " und");
        Zeile("                " + Klammerpunkt(F2) + "  auf " + nb + ".");
        Zeile(einzug);
        Zeile("Die gemeinsame Lotgerade von " + na + " " + nb + " ist");
        Vektorausdruck("        l: x =  ", {Spalte(F1), Spalte(Differenz(F1, F2))}, {"    +  k * "});
    } else {
        TVek_R3 AB, uAB;
        VektorAB(A, B, AB);
        Vektorprodukt(u, AB, uAB);
        Zeile(einzug + Zahl(Betrag(uAB) / Betrag(u)) + " LE");
    }
    AusgabeBeenden(a == 1 ? (b == 2 ? 25 : 26) : 27);
}

void AusgabeGeradeEbene(Byte i, Byte j) {
    const std::string g = Geradenname(i), E = j == 1 ? "E 1" : "E 2";
    const TEbene& Eb = Ebene[j];
    AusgabeBeginnen();
    Ueberschrift("Daten zum Zusammenhang zwischen " + g + " und " + E + ":", 28);
    Leerzeile();
    Parameterdarstellung(g);
    Geradenform(Gerade[i], g);
    Leerzeile();
    Parameterdarstellung(E);
    Ebenenform(Eb, "    " + E + ":   x = ");
    Leerzeile();
    Durchstoss(g + "-" + E, i, Eb);
    Leerzeile();
    Winkelzeile(g + "-" + E, WinkelGeradeEbeneBetrag(Gerade[i].Richtungsvektor, Eb.Richtungsvektor1,
                                                     Eb.Richtungsvektor2));
    AusgabeBeenden(static_cast<Byte>(25 + 2 * i + j));
}

// ---- Older reports -----------------------------------------------------------------

void AusgabeGeradenGH() {
    const TGerade &g = Gerade[1], &h = Gerade[2];
    AusgabeBeginnen();
    Ueberschrift("Daten zu den Geraden g und h:", 28);
    Leerzeile();
    Parameterdarstellung("g");
    Geradenform(g, "g");
    Leerzeile();
    Parameterdarstellung("h");
    Geradenform(h, "h");
    Leerzeile1();
    LageUndWinkel("g", "h", PaarLage(1, 2), g.Richtungsvektor, h.Richtungsvektor, true);
    Leerzeile1();
    SpurpunkteNachRichtung("g", g);
    Leerzeile1();
    SpurpunkteNachRichtung("h", h);
    Leerzeile1();
    AusgabeBeenden(1);
}

void AusgabeGeradenGHProjektion() {
    const TGerade &g = Gerade[1], &h = Gerade[2];
    // g's columns are as wide as its x and y entries and a zero, h's as all
    // three of its entries.
    const std::string null = Feldzahl(0);
    const TSpalte ga = Spalte(g.Stuetzvektor), gu = Spalte(g.Richtungsvektor);
    const TSpalte ha = Spalte(h.Stuetzvektor), hu = Spalte(h.Richtungsvektor);
    AusgabeBeginnen();
    Ueberschrift("Daten zu den Geraden g und h:", 28);
    Koordinatenprojektionen("g", g, MaxLaenge3(ga.x, ga.y, null), MaxLaenge3(gu.x, gu.y, null));
    Leerzeile();
    Koordinatenprojektionen("h", h, MaxLaenge3(ha.x, ha.y, ha.z), MaxLaenge3(hu.x, hu.y, hu.z));
    AusgabeBeenden(2);
}

void AusgabeGeradenGHWinkel() {
    AusgabeBeginnen();
    Ueberschrift("Daten zu den Geraden g und h:", 28);
    Leerzeile();
    Schnittwinkel("g", Gerade[1].Richtungsvektor);
    Leerzeile();
    Schnittwinkel("h", Gerade[2].Richtungsvektor);
    Leerzeile();
    Ursprungsabstand("g", Gerade[1]);
    Leerzeile();
    Ursprungsabstand("h", Gerade[2]);
    AusgabeBeenden(3);
}

void AusgabeGeradenEbenen() {
    AusgabeBeginnen();
    Ueberschrift("Daten zum Zusammenhang zwischen g, h und E1, E2:", 28);
    Leerzeile();
    for (Byte i = 1; i <= 2; ++i) {
        Parameterdarstellung(Geradenname(i));
        Geradenform(Gerade[i], Geradenname(i));
        Leerzeile();
    }
    for (Byte j = 1; j <= 2; ++j) {
        const std::string E = j == 1 ? "E1" : "E2";
        Parameterdarstellung(E);
        Ebenenform(Ebene[j], "     " + E + ":   x = ");
        Leerzeile();
    }
    Leerzeile();
    // g-E1, h-E1, g-E2, h-E2.
    for (int k = 0; k < 4; ++k) {
        const Byte i = static_cast<Byte>(1 + k % 2), j = static_cast<Byte>(1 + k / 2);
        if (k > 0) Leerzeile();
        Durchstoss(Geradenname(i) + "-E" + std::to_string(j), i, Ebene[j]);
    }
    Leerzeile();
    for (int k = 0; k < 4; ++k) {
        const Byte i = static_cast<Byte>(1 + k % 2), j = static_cast<Byte>(1 + k / 2);
        if (k > 0) Leerzeile();
        const TEbene& E = Ebene[j];
        Winkelzeile(Geradenname(i) + " und E" + std::to_string(j),
                    WinkelGeradeEbeneBetrag(Gerade[i].Richtungsvektor, E.Richtungsvektor1, E.Richtungsvektor2));
    }
    AusgabeBeenden(4);
}

void AusgabeGeradeTAlt() {
    const TGerade& t = Gerade[3];
    AusgabeBeginnen();
    Ueberschrift("Daten zur den Geraden t:", 28);
    Leerzeile();
    Parameterdarstellung("t");
    Geradenform(t, "t");
    Leerzeile1();
    LageUndWinkel("t", "g", PaarLage(1, 3), t.Richtungsvektor, Gerade[1].Richtungsvektor, true);
    Leerzeile1();
    Leerzeile1();
    LageUndWinkel("t", "h", PaarLage(2, 3), t.Richtungsvektor, Gerade[2].Richtungsvektor, true);
    Leerzeile1();
    SpurpunkteNachRichtung("t", t);
    Leerzeile1();
    AusgabeBeenden(16);
}
