#include "reports/KoerperBerichte.h"

#include <cmath>
#include <string>

#include "forms/DialogRoutinen.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "geometry/Einheitsvektoren.h"
#include "geometry/Geometrie.h"
#include "platform/Zahltext.h"
#include "reports/Berichtlayout.h"
#include "scene/Objekte.h"

namespace {

std::string Ziffer(Byte n) { return std::to_string(n); }

// A point from whole grid texts (not cut), as the diagonal point of a
// parallelepiped and the legacy P1 are read.
bool GanzeTexte(const std::string& x, const std::string& y, const std::string& z, TVek_R3& P) {
    TVek_R3 v{};
    if (!(ZahlLesen(x, v.x) && ZahlLesen(y, v.y) && ZahlLesen(z, v.z))) return false;
    P = v;
    return true;
}

// ---- Parallelepipeds ---------------------------------------------------------------

void Spatkopf(Byte n) {
    Leerzeile();
    Ueberschrift("Spat " + Ziffer(n) + ":", 6);
    Leerzeile();
}

// The three generating edges as columns with their lengths.
void Spatkanten(const TSpat& S) {
    const struct { const char* Name; const TVek_R3& V; } kanten[3] = {{"AB", S.AB}, {"AD", S.AD}, {"AE", S.AE}};
    for (const auto& k : kanten) {
        const std::string name = k.Name;
        Ausdruck({"     |", name + " = |", "     |"}, {Spalte(k.V)}, {},
                 {"|", "|   Länge(" + name + ") = " + Zahl(Betrag(k.V)) + " LE", "|"});
        Leerzeile();
    }
}

void Spatwinkel(const TSpat& S) {
    Zeile("Größe des Winkels zwischen zwei Erzeugenden:");
    Zeile("     zwischen AB und AD: " + Zahl(WinkelVektoren(S.AB, S.AD, 1)) + "°");
    Zeile("     zwischen AB und AE: " + Zahl(WinkelVektoren(S.AB, S.AE, 1)) + "°");
    Zeile("     zwischen AD und AE: " + Zahl(WinkelVektoren(S.AD, S.AE, 1)) + "°");
}

// Volume and the common point of the space diagonals, from the corner A as
// typed into column 0 of the grid.
void SpatVolumenUndMitte(Byte n, const TSpat& S) {
    TVek_R3 k;
    Vektorprodukt(S.AB, S.AD, k);
    Leerzeile();
    Zeile("Volumen des Spats " + Ziffer(n) + ":");
    Zeile("     " + Zahl(std::fabs(Skalarprodukt(k, S.AE))) + " VE");
    Leerzeile();
    Zeile("Schnittpunkt der Raumdiagonalen von Spat " + Ziffer(n) + ":");
    TStringGrid& G = Form_Spate.Gitter(n);
    TVek_R3 Ac;
    if (GanzeTexte(G.Cells(0, 1), G.Cells(0, 2), G.Cells(0, 3), Ac)) {
        TVek_R3 Z;
        SMultiplikation(Summe(Summe(S.AB, S.AD), S.AE), 0.5L, Z);
        Zeile("     " + Klammerpunkt(Summe(Ac, Z)));
    } else {
        Zeile("     " + NichtBerechenbar);
    }
}

// ---- Spheres -----------------------------------------------------------------------

// The centre cells of sphere n, right-aligned to their common width.
TGitterwerte Kugelmitte(Byte n) {
    TStringGrid& G = Form_Kugeln.Gitter(n);
    return GitterwerteBuendig(G.Cells(1, 1), G.Cells(1, 2), G.Cells(1, 3));
}

void Mittelpunktzeile(const TGitterwerte& M) { Zeile("Mittelpunkt = " + Textpunkt(M.x, M.y, M.z)); }

// "Abstand <von> zur" with the distance of P from the surface; the
// position (-1 inside, 0 on, 1 outside), or 2 when it cannot be computed.
int Oberflaechenabstand(const std::string& von, bool berechenbar, TVek_R3 Mc, TVek_R3 P, Extended r,
                        Zahlformat f) {
    Zeile("Abstand " + von + " zur");
    int lage = 2;
    const Extended d = berechenbar ? LagePunktKugel(Mc, P, r, lage) : 0;
    Zeile("Kugeloberfläche = " + Wert(berechenbar, d, " LE", f));
    return lage;
}

void Lagezeile(const std::string& wer, int lage) {
    if (lage == -1) Zeile("  " + wer + " liegt innerhalb der Kugel");
    if (lage == 0) Zeile("  " + wer + " liegt also auf der Kugeloberfläche");
    if (lage == 1) Zeile("  " + wer + " liegt außerhalb der Kugel");
}

void Mittelpunktabstand(const std::string& von, bool berechenbar, TVek_R3 Mc, TVek_R3 P) {
    Zeile("Abstand " + von + " zum");
    Zeile("Mittelpunkt der Kugel = " + Wert(berechenbar, AbstandPunktPunkt(Mc, P), " LE", Zahlformat::Fest6));
}

// How a plane meets the sphere (centre Mc, radius r), after the caption of
// the centre's distance. The texts name the plane.
struct TSchnitttexte {
    std::string Tangente, Keine, Kreis;
    const char* MittelpunktEnde;  // after the circle's centre
};

void Ebenenschnitt(bool berechenbar, TVek_R3 Mc, TVek_R3 S, TVek_R3 u, TVek_R3 w, Extended r,
                   const TSchnitttexte& T) {
    if (!berechenbar) {
        Zeile("     " + NichtBerechenbar);
        return;
    }
    TVek_R3 F;
    const Extended d = AbstandPunktEbene(Mc, S, u, w, F);
    Zeile("     " + Zahl(d) + " LE");
    if (std::fabs(d - r) < Toleranz) {
        Zeile(T.Tangente);
        Zeile("Der Berührpunkt ist");
        Zeile("     B = " + Klammerpunkt(F));
    } else if (d - r > Toleranz) {
        Zeile(T.Keine);
    } else {
        Zeile(T.Kreis);
        Zeile("mit dem Mittelpunkt");
        Zeile("     M = " + Klammerpunkt(F) + T.MittelpunktEnde);
        Zeile("dem Radius");
        Zeile("     r = " + Zahl(SchnittkreisRadius(Mc, S, u, w, r)) + " LE");
        Zeile("und dem Normalenvektor");
        TVek_R3 n;
        Vektorprodukt(u, w, n);
        Ausdruck({"|", "|", "|"}, {Spalte(n, Zahlformat::Allgemein)}, {}, SpaltenEnde);
    }
}

// The x,y-, x,z- and y,z-plane against the sphere.
void Koordinatenebenen(const TGitterwerte& M, Extended r) {
    const struct { const char* N; TVek_R3 p, q; } ebenen[3] = {
        {"x, y", EinhVekX, EinhVekY}, {"x, z", EinhVekX, EinhVekZ}, {"y, z", EinhVekY, EinhVekZ}};
    for (int k = 0; k < 3; ++k) {
        const std::string N = ebenen[k].N;
        if (k > 0) Leerzeile();
        Zeile("Abstand zwischen dem Mittelpunkt");
        Zeile("der Kugel und der " + N + "-Ebene =");
        Ebenenschnitt(M.Zahl, M.v, NullVektor, ebenen[k].p, ebenen[k].q, r,
                      {"die " + N + "-Ebene ist eine Tangentialebene der Kugel.",
                       "Die Kugel und die " + N + "-Ebene haben keine gemeinsamen Punkte",
                       "Die Kugel und die " + N + "-Ebene schneiden sich in einem Kreis", ""});
    }
}

// Tangent, secant or passant: line L (A + k·u) against the sphere (M, r).
void Geradenschnitt(const std::string& L, TVek_R3 M, TVek_R3 A, TVek_R3 u, Extended r) {
    Byte n = 0;
    TVek_R3 S1{}, S2{};
    SchnittGeradeKugel(M, A, u, r, n, S1, S2);
    const auto punkt = [](TVek_R3 P) {
        return "(" + Zahl(P.x) + "/ " + Zahl(P.y) + "/ " + Zahltext(P.z, Zahlformat::Fest6) + ").";
    };
    if (n == 1) {
        Zeile(L + " ist eine Tangente der Kugel.");
        Zeile("Der Berührpunkt ist B = " + punkt(S1));
    } else if (n == 2) {
        Zeile(L + " ist eine Sekante der Kugel.");
        Zeile("Die Durchstoßpunkte sind");
        Zeile("S1 = " + punkt(S1));
        Zeile("S2 = " + punkt(S2));
    } else {
        Zeile(L + " ist eine Passante der Kugel.");
    }
}

// The sphere's block at the head of the reports on a sphere and another
// object: title, centre and radius.
TGitterwerte Kugelblock(Byte i, bool LeerNachMitte) {
    Ueberschrift("Kugel " + Ziffer(i) + ":", 7);
    Leerzeile();
    const TGitterwerte M = Kugelmitte(i);
    Mittelpunktzeile(M);
    if (LeerNachMitte) Leerzeile();
    Zeile("Radius = " + Zahl(Kugel[i].Radius));
    Leerzeile();
    Leerzeile();
    return M;
}

// The opening of the older reports on sphere 1: a new report, title,
// centre and radius.
TGitterwerte KugelAltKopf() {
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Kugel:", 6);
    Leerzeile();
    const TGitterwerte M = Kugelmitte(1);
    Mittelpunktzeile(M);
    Leerzeile();
    Zeile("Radius = " + Zahl(Kugel[1].Radius));
    Leerzeile();
    return M;
}

// ---- Cones -------------------------------------------------------------------------

void Kegelwerte(const TKegel& K) {
    Zeile("  Mittelpunkt = " + Klammerpunkt(K.Mittelpunkt));
    Vektorausdruck("  Normalenvektor = ", {Spalte(K.Normalenvektor)}, {});
    Zeile("  Radius des Grundkreises = " + Zahl(K.Radius) + " LE");
    Zeile("  Höhe = " + Zahl(K.Hoehe) + " LE");
    Zeile("  Volumen = " + Zahl(K.Volumen) + " VE");
    Zeile("  Länge der Mantellinie = " + Zahl(K.Mantellinie) + " LE");
    Zeile("  Inhalt der Mantelfläche = " + Zahl(K.Mantelflaeche) + " FE");
    Zeile("  Inhalt der Oberfläche = " + Zahl(K.Oberflaeche) + " FE");
    Zeile("  Öffnungswinkel = " + Zahl(K.Oeffnungswinkel) + "°");
}

}  // namespace

// ---- Current reports ---------------------------------------------------------------

void AusgabeSpat(Byte n) {
    const TSpat& S = Spat[n];
    const auto f6 = [](TVek_R3 P) { return Klammerpunkt(P, Zahlformat::Fest6); };
    AusgabeBeginnen();
    Spatkopf(n);
    Zeile("A = " + f6(S.Ecke[1]));
    Leerzeile();
    Spatkanten(S);
    Zeile("    A, B, C, D bilden die Grundfläche des Spats.");
    Leerzeile();
    for (int e = 2; e <= 4; ++e) Zeile(std::string(1, static_cast<char>('A' + e - 1)) + " = " + f6(S.Ecke[e]));
    Zeile("    ");
    Zeile("    E, F, G, H bilden die Deckfläche des Spats.");
    Leerzeile();
    for (int e = 5; e <= 8; ++e) Zeile(std::string(1, static_cast<char>('A' + e - 1)) + " = " + f6(S.Ecke[e]));
    Zeile("    ");
    Spatwinkel(S);
    SpatVolumenUndMitte(n, S);
    Leerzeile1();
    const struct { const char* Text; TVek_R3 a, b; } paare[3] = {
        {"AB und AD", S.AB, S.AD}, {"AB und AE", S.AB, S.AE}, {"AD und AE", S.AD, S.AE}};
    for (const auto& p : paare) {
        Zeile(std::string("Inhalt eines von ") + p.Text + " aufgespannten");
        Zeile("Parallelogramms:");
        Zeile("     " + Zahl(ParallelogrammInhalt(p.a, p.b)) + " FE");
        Leerzeile1();
    }
    Zeile("Oberflächeninhalt von Spat " + Ziffer(n) + ":");
    Zeile("     " + Zahl(SpatOberflaeche(S.AB, S.AD, S.AE)) + " FE");
    AusgabeBeenden(static_cast<Byte>(17 + n));
}

void AusgabeKugel(Byte n) {
    TKugel& K = Kugel[n];
    const Extended r = K.Radius;
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Kugel " + Ziffer(n) + ":", 6);
    Leerzeile();
    const TGitterwerte M = Kugelmitte(n);
    Mittelpunktzeile(M);
    Leerzeile();
    Zeile("Radius = " + Zahl(r) + " LE");
    Leerzeile();
    Zeile("Kugelgleichung:");
    Ausdruck({"|      |", "|  x - |", "|      |"}, {{M.x, M.y, M.z}}, {},
             {"| |  2", "| |       = " + Zahl(r * r), "| |"});
    Leerzeile1();
    Zeile("bzw.");
    GeradeKugelKoeffizienten(K.Mittelpunkt, r, K.Koeffizienten[1], K.Koeffizienten[2], K.Koeffizienten[3],
                             K.Koeffizienten[4]);
    Zeile("(x1)^2 + (x2)^2 + (x3)^2 - " + Koeffizient(K.Koeffizienten[1]) + "*x1 - " +
          Koeffizient(K.Koeffizienten[2]) + "*x2 - " + Koeffizient(K.Koeffizienten[3]) + "*x3 + " +
          Koeffizient(K.Koeffizienten[4]) + " = 0");
    Leerzeile1();
    Lagezeile("Der Ursprung", Oberflaechenabstand("des Ursprungs", M.Zahl, M.v, NullVektor, r, Zahlformat::Fest7));
    Leerzeile();
    Mittelpunktabstand("des Ursprungs", M.Zahl, M.v, NullVektor);
    Leerzeile();
    Zeile("Volumen der Kugel = " + Zahltext(KugelVolumen(r), Zahlformat::Fest6) + " VE");
    Leerzeile();
    Zeile("Inhalt der Kugeloberfläche = " + Zahltext(KugelOberflaeche(r), Zahlformat::Fest6) + " FE");
    Leerzeile();
    Koordinatenebenen(M, r);
    AusgabeBeendenOhneCode();
}

void AusgabeKugelPunkt(Byte i, Byte j) {
    const TKugel& K = Kugel[i];
    const TVek_R3 M = K.Mittelpunkt, P = Punkt[j].Ort;
    const Extended r = K.Radius;
    const std::string Pj = "P" + Ziffer(j);
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Kugel " + Ziffer(i) + " - Punkt " + Ziffer(j) + ":", 14);
    Leerzeile();
    Ueberschrift("Kugel " + Ziffer(i) + ":", 7);
    const TGitterwerte Mc = Kugelmitte(i);
    Mittelpunktzeile(Mc);
    Leerzeile();
    Zeile("Radius = " + Zahl(r));
    Leerzeile();
    Leerzeile();
    TStringGrid& G = Form_Punkte.Gitter(j);
    const TGitterwerte Pc = GitterwerteBuendig(G.Cells(1, 0), G.Cells(1, 1), G.Cells(1, 2));
    Ueberschrift("Punkt " + Ziffer(j) + "= " + Textpunkt(Pc.x, Pc.y, Pc.z), 7);
    Leerzeile();
    const bool berechenbar = Mc.Zahl && Pc.Zahl;
    const int lage = Oberflaechenabstand("von " + Pj, berechenbar, Mc.v, Pc.v, r, Zahlformat::Fest6);
    Lagezeile(Pj, lage);
    if (lage == 1) {
        // The polar plane (P - M)·(X - M) = r² into the scratch plane E3.
        TEbene& E = Ebene_E3;
        TVek_R3 PM;
        VektorAB(M, P, PM);
        E.KoordA = PM.x;
        E.KoordB = PM.y;
        E.KoordC = PM.z;
        E.KoordD = -Skalarprodukt(PM, M) - r * r;
        const auto g = [](Extended v) { return Zahltext(v, Zahlformat::Allgemein); };
        Leerzeile1();
        Zeile("Eine Gleichung der Polarebene von Punkt " + Ziffer(j) + " an Kugel " + Ziffer(i) + ":");
        Zeile("     " + g(E.KoordA) + " * x1 + " + g(E.KoordB) + " * x2 + " + g(E.KoordC) + " * x3 + " +
              g(E.KoordD) + " = 0");
        EbeneKoordZuParam(3);
        TVek_R3 F;
        AbstandPunktEbene(M, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, F);
        Zeile("Der Mittelpunkt des Polarkreises ist ");
        Zeile("         " + Klammerpunkt(F, Zahlformat::Allgemein));
        Zeile("Der Radius des Polarkreises ist ");
        Zeile("         " + g(SchnittkreisRadius(M, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, r)) +
              " LE");
    }
    Leerzeile();
    Mittelpunktabstand("von " + Pj, berechenbar, Mc.v, Pc.v);
    AusgabeBeenden(static_cast<Byte>(78 + 4 * (i - 1) + (j - 1)));
}

void AusgabeKugelGerade(Byte i, Byte j) {
    const std::string L = Geradenname(j);
    const TGerade& G = Gerade[j];
    AusgabeBeginnen();
    Ueberschrift("Kugel " + Ziffer(i) + " - Gerade " + L + ":", 18);
    Leerzeile();
    Kugelblock(i, true);
    Zeile("Eine Parameterdarstellung von " + L + ":");
    Leerzeile();
    Parameterform("     " + L + ":   x = ", {Spalte(G.Stuetzvektor), Spalte(G.Richtungsvektor)});
    Leerzeile();
    Geradenschnitt(L, Kugel[i].Mittelpunkt, G.Stuetzvektor, G.Richtungsvektor, Kugel[i].Radius);
    AusgabeBeenden(static_cast<Byte>(94 + 3 * (i - 1) + (j - 1)));
}

void AusgabeKugelEbene(Byte i, Byte j) {
    const TEbene& E = Ebene[j];
    const std::string Ej = "E" + Ziffer(j), Ki = "Kugel " + Ziffer(i);
    AusgabeBeginnen();
    Ueberschrift(Ki + " - Ebene " + Ziffer(j) + ":", 17);
    Leerzeile();
    const TGitterwerte M = Kugelblock(i, false);
    Zeile("Eine Parameterdarstellung von E " + Ziffer(j) + ":");
    Zeile(std::string(33, '-') + "   ");
    Leerzeile();
    Parameterform("     " + Ej + ":   x = ",
                  {Spalte(E.Stuetzvektor), Spalte(E.Richtungsvektor1), Spalte(E.Richtungsvektor2)});
    Leerzeile();
    Zeile("Abstand zwischen dem Mittelpunkt");
    Zeile("der " + Ki + " und " + Ej + " =");
    Ebenenschnitt(M.Zahl, M.v, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, Kugel[i].Radius,
                  {Ej + " ist eine Tangentialebene der Kugel.", "Die " + Ki + " und " + Ej + " haben keine gemeinsamen Punkte",
                   "Die " + Ki + " und " + Ej + " schneiden sich in einem Kreis", ","});
    AusgabeBeenden(static_cast<Byte>(106 + 2 * (i - 1) + (j - 1)));
}

void AusgabeKegel(Byte n) {
    AusgabeBeginnen();
    Ueberschrift("Daten zu Kegel " + Ziffer(n) + ":", 16);
    Kegelwerte(Kegel[n]);
    Leerzeile();
    AusgabeBeenden(static_cast<Byte>(113 + n));
}

// ---- Older reports -----------------------------------------------------------------

void AusgabeSpat1Alt() {
    const TSpat& S = Spat[1];
    TStringGrid& G = Form_Spate.Gitter(1);
    AusgabeBeginnen();
    Spatkopf(1);
    const TGitterwerte A = GitterwerteBuendig(G.Cells(0, 1), G.Cells(0, 2), G.Cells(0, 3));
    Zeile("A = " + Textpunkt(A.x, A.y, A.z));
    Leerzeile();
    Spatkanten(S);
    Spatwinkel(S);
    SpatVolumenUndMitte(1, S);
    AusgabeBeenden(7);
}

void AusgabeKugelAlt() {
    const TKugel& K = Kugel[1];
    const Extended r = K.Radius;
    const TGitterwerte M = KugelAltKopf();
    TStringGrid& G = Form_Punkte.Gitter(1);
    TVek_R3 P1{};
    const bool p1 = GanzeTexte(G.Cells(1, 0), G.Cells(1, 1), G.Cells(1, 2), P1);
    const struct { const char* von; const char* wer; bool ok; TVek_R3 P; } punkte[2] = {
        {"des Ursprungs", "Der Ursprung", M.Zahl, NullVektor}, {"von P1", "P1", M.Zahl && p1, P1}};
    for (const auto& p : punkte) {
        Lagezeile(p.wer, Oberflaechenabstand(p.von, p.ok, M.v, p.P, r, Zahlformat::Fest6));
        Leerzeile();
        Mittelpunktabstand(p.von, p.ok, M.v, p.P);
        Leerzeile();
    }
    Zeile("Volumen der Kugel = " + Zahltext(KugelVolumen(r), Zahlformat::Fest6) + " VE");
    Leerzeile();
    Zeile("Inhalt der Kugeloberfläche = " + Zahltext(KugelOberflaeche(r), Zahlformat::Fest6) + " FE");
    Leerzeile();
    Geradenschnitt("g", K.Mittelpunkt, Gerade[1].Stuetzvektor, Gerade[1].Richtungsvektor, r);
    AusgabeBeenden(12);
}

void AusgabeKugelEbenenAlt() {
    const Extended r = Kugel[1].Radius;
    const TEbene& E = Ebene[1];
    const TGitterwerte M = KugelAltKopf();
    Zeile("Abstand zwischen dem Mittelpunkt");
    Zeile("der Kugel und E1 =");
    Ebenenschnitt(M.Zahl, M.v, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, r,
                  {"E1 ist eine Tangentialebene der Kugel.", "Die Kugel und E1 haben keine gemeinsamen Punkte",
                   "Die Kugel und E1 schneiden sich in einem Kreis", ","});
    Leerzeile();
    Koordinatenebenen(M, r);
    AusgabeBeenden(13);
}

void AusgabeKegelAlt() {
    AusgabeBeginnen();
    for (Byte n = 1; n <= 2; ++n) {
        Ueberschrift("Daten zu Kegel " + Ziffer(n) + ":", 28);
        Kegelwerte(Kegel[n]);
        if (n == 1) Leerzeile();
    }
    AusgabeBeenden(17);
}
