#include "reports/PunktBerichte.h"

#include <algorithm>
#include <string>

#include "forms/Punkte.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "geometry/Einheitsvektoren.h"
#include "geometry/Geometrie.h"
#include "platform/Zahltext.h"
#include "reports/Berichtlayout.h"
#include "scene/DrehZustand.h"
#include "scene/Objekte.h"
#include "view3d/VerdeckteLinien.h"

namespace {

std::string Ziffer(int n) { return std::to_string(n); }

// The pairs of the angle lists, in report order.
const int Paare[6][2] = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};

// ---- Grids -------------------------------------------------------------------------

// Column Spalte (rows ErsteZeile .. + 2) of grid G.
TGitterwerte Gitterspalte(TStringGrid& G, int Spalte, int ErsteZeile) {
    return Gitterwerte(G.Cells(Spalte, ErsteZeile), G.Cells(Spalte, ErsteZeile + 1), G.Cells(Spalte, ErsteZeile + 2));
}

TGitterwerte VektorWerte(int n) { return Gitterspalte(Form_Vektoren.Gitter(n), 1, 1); }
TGitterwerte PunktWerte(int n) { return Gitterspalte(Form_Punkte.Gitter(n), 1, 0); }

struct TStreckenwerte {
    TGitterwerte A, B;
    bool Zahl() const { return A.Zahl && B.Zahl; }
    TVek_R3 Richtung() const { return Differenz(B.v, A.v); }
};
TStreckenwerte StreckenWerte(int n) {
    TStringGrid& G = Form_Strecken.Gitter(n);
    return {Gitterspalte(G, 0, 1), Gitterspalte(G, 1, 1)};
}

std::string Punktzeile(const std::string& Name, const TGitterwerte& W) {
    return Name + " = " + Textpunkt(W.x, W.y, W.z);
}

// ---- Blocks ------------------------------------------------------------------------

void Vektorblock(const TGitterwerte& W) { Vektorausdruck("Vektor = ", {Spalte(W.x, W.y, W.z)}, {}); }

void Vektorlaenge(int n, const TGitterwerte& W) {
    Zeile("Länge(Vektor " + Ziffer(n) + ") = " + Wert(W.Zahl, Betrag(W.v), " LE"));
}

void Streckenpunkte(const TStreckenwerte& S) {
    Zeile(Punktzeile("A", S.A));
    Zeile(Punktzeile("B", S.B));
}

void Streckenwerte(int n, const TStreckenwerte& S) {
    Zeile("Länge(Strecke " + Ziffer(n) + ") = " + Wert(S.Zahl(), Betrag(S.Richtung()), " LE"));
    TVek_R3 halb;
    SMultiplikation(S.Richtung(), 0.5L, halb);
    Zeile("   Mittelpunkt = " + (S.Zahl() ? Klammerpunkt(Summe(S.A.v, halb)) : NichtBerechenbar));
}

// "Größe des Winkels zwischen" and the six pairs of four objects named Art.
template <class Werte, class Winkel>
void Winkelliste(const std::string& Art, const Werte& W, Winkel winkel) {
    Zeile("Größe des Winkels zwischen");
    for (const auto& p : Paare) {
        const auto &a = W[p[0] - 1], &b = W[p[1] - 1];
        Zeile("   " + Art + " " + Ziffer(p[0]) + " und " + Art + " " + Ziffer(p[1]) + " : " +
              Wert(a.Zahl && b.Zahl, winkel(a, b), "°"));
    }
}

// The distances of P from the three axes, each with its foot point unless
// Fusspunkte is false.
void Achsenabstaende(bool berechenbar, TVek_R3 P, bool Fusspunkte) {
    const struct { const char* Achse; TVek_R3 e; } achsen[3] = {{"x", EinhVekX}, {"y", EinhVekY}, {"z", EinhVekZ}};
    for (const auto& a : achsen) {
        TVek_R3 F{};
        const Extended d = berechenbar ? AbstandPunktGerade(P, NullVektor, a.e, F) : 0;
        Zeile(std::string("     zur ") + a.Achse + "-Achse: " + Wert(berechenbar, d, " LE"));
        if (!Fusspunkte) continue;
        Zeile("     zugehöriger Lotfußpunkt:");
        Zeile("        " + (berechenbar ? Klammerpunkt(F) : NichtBerechenbar));
    }
}

// The point report; the older one names the point "P1" and has no feet.
void Punktbericht(int n, const std::string& Name, bool alt) {
    const TGitterwerte P = PunktWerte(n);
    Leerzeile();
    Ueberschrift("Punkt " + Ziffer(n) + ":", 6);
    Leerzeile();
    Zeile(Punktzeile(Name, P));
    Leerzeile();
    Zeile("Abstand von " + Name + " zum Ursprungspunkt:");
    Zeile("     " + Wert(P.Zahl, AbstandPunktPunkt(NullVektor, P.v), ""));
    Leerzeile();
    Zeile(Name + " hat diese");
    Zeile("Abstände zu den Koordinatenachsen:");
    Achsenabstaende(P.Zahl, P.v, !alt);
}

void Abstandszeile(bool berechenbar, Extended d) { Zeile("        d = " + Wert(berechenbar, d, " LE")); }

void Streckenliste(int von, int bis) {
    AusgabeBeginnen();
    Leerzeile();
    const auto f = [](Extended v) { return ZahlFest(v, 6, 2); };
    for (int i = von; i <= bis; ++i) {
        const TStr& S = St[i];
        const std::string Nr = "St[" + Ziffer(i) + "].";
        Zeile(Nr + "A = " + f(S.A.x) + " / " + f(S.A.y) + " /  " + f(S.A.z));
        Zeile(Nr + "B = " + f(S.B.x) + " /  " + f(S.B.y) + " /  " + f(S.B.z));
    }
}

}  // namespace

// ---- Current reports ---------------------------------------------------------------

void AusgabeVektor(Byte n) {
    const TGitterwerte V = VektorWerte(n);
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Vektor " + Ziffer(n) + ":", 9);
    Leerzeile();
    Vektorblock(V);
    Vektorlaenge(n, V);
    Leerzeile();
    AusgabeBeenden(static_cast<Byte>(35 + n));
}

void AusgabeVektorenWinkel() {
    TGitterwerte V[4];
    for (int k = 1; k <= 4; ++k) V[k - 1] = VektorWerte(k);
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Winkel zwischen den Vektoren", 6);
    Leerzeile();
    for (int k = 1; k <= 4; ++k) {
        Zeile("Vektor " + Ziffer(k) + ":");
        Vektorblock(V[k - 1]);
        Leerzeile();
    }
    Winkelliste("Vektor", V, [](const TGitterwerte& a, const TGitterwerte& b) { return WinkelVektoren(a.v, b.v, 0); });
    AusgabeBeenden(40);
}

void AusgabeStrecke(Byte n) {
    const TStreckenwerte S = StreckenWerte(n);
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Strecke " + Ziffer(n) + ":", 9);
    Streckenpunkte(S);
    Streckenwerte(n, S);
    AusgabeBeenden(static_cast<Byte>(40 + n));
}

void AusgabeStreckenWinkel() {
    struct TRichtung {
        bool Zahl;
        TVek_R3 v;
    };
    TStreckenwerte S[4];
    TRichtung R[4];
    for (int k = 1; k <= 4; ++k) {
        S[k - 1] = StreckenWerte(k);
        R[k - 1] = {S[k - 1].Zahl(), S[k - 1].Richtung()};
    }
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Winkel zwischen Strecken:", 24);
    Leerzeile1();
    for (int k = 1; k <= 4; ++k) {
        if (k >= 3) Leerzeile();
        Zeile("Strecke " + Ziffer(k) + ":");
        Streckenpunkte(S[k - 1]);
    }
    Leerzeile();
    Winkelliste("Strecke", R, [](const TRichtung& a, const TRichtung& b) { return WinkelVektoren(a.v, b.v, 1); });
    AusgabeBeenden(45);
}

void AusgabePunkt(Byte n) {
    AusgabeBeginnen();
    Punktbericht(n, "P " + Ziffer(n), false);
    AusgabeBeenden(static_cast<Byte>(45 + n));
}

void AusgabePunktGerade(Byte i, Byte j) {
    const std::string name = Geradenname(j), Pi = "P" + Ziffer(i);
    const TGitterwerte P = PunktWerte(i);
    const TGerade& G = Gerade[j];
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Punkt " + Ziffer(i) + " - Gerade " + name + ":", 17);
    Leerzeile();
    Zeile(Punktzeile(Pi, P));
    Leerzeile();
    Zeile("Eine Parameterdarstellung von " + name + ":");
    Leerzeile();
    Parameterform("     " + name + ":   x = ", {Spalte(G.Stuetzvektor), Spalte(G.Richtungsvektor)});
    Leerzeile();
    Zeile("Der Abstand von " + Pi + " zu " + name + " ist:");
    TVek_R3 F{};
    const Extended d = P.Zahl ? AbstandPunktGerade(P.v, G.Stuetzvektor, G.Richtungsvektor, F) : 0;
    Abstandszeile(P.Zahl, d);
    if (P.Zahl && d > Toleranz) {
        Zeile("     zugehöriger Lotfußpunkt:");
        Zeile("        " + Klammerpunkt(F));
    }
    AusgabeBeenden(static_cast<Byte>(50 + 3 * (i - 1) + (j - 1)));
}

void AusgabePunktEbene(Byte i, Byte j) {
    const std::string Ej = "E" + Ziffer(j), Pi = "P" + Ziffer(i);
    const TGitterwerte P = PunktWerte(i);
    const TEbene& E = Ebene[j];
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Punkt " + Ziffer(i) + " - Ebene " + Ziffer(j) + ":", 17);
    Leerzeile();
    Zeile(Punktzeile(Pi, P));
    Leerzeile();
    Zeile("Eine Parameterdarstellung von " + Ej + ":");
    Leerzeile();
    Parameterform("     " + Ej + ":   x = ",
                  {Spalte(E.Stuetzvektor), Spalte(E.Richtungsvektor1), Spalte(E.Richtungsvektor2)});
    Leerzeile();
    Zeile("Der Abstand von " + Pi + " zu " + Ej + " ist:");
    TVek_R3 F{};
    const Extended d =
        P.Zahl ? AbstandPunktEbene(P.v, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, F) : 0;
    Abstandszeile(P.Zahl, d);
    Zeile("     zugehöriger Lotfußpunkt:");
    Zeile("        " + (P.Zahl ? Klammerpunkt(F) : NichtBerechenbar));
    AusgabeBeenden(static_cast<Byte>(62 + 2 * (i - 1) + (j - 1)));
}

// ---- Older reports -----------------------------------------------------------------

void AusgabePunkt1Alt() {
    const TGitterwerte P = PunktWerte(1);
    AusgabeBeginnen();
    Punktbericht(1, "P1", true);
    for (int k = 1; k <= 2; ++k) {
        const TEbene& E = Ebene[k];
        TVek_R3 F;
        Leerzeile();
        Zeile("Der Abstand von P1 zu E" + Ziffer(k) + " ist:");
        Abstandszeile(P.Zahl, P.Zahl ? AbstandPunktEbene(P.v, E.Stuetzvektor, E.Richtungsvektor1,
                                                          E.Richtungsvektor2, F)
                                     : 0);
    }
    for (Byte k = 1; k <= 2; ++k) {
        TVek_R3 F;
        Leerzeile();
        Zeile("Der Abstand von P1 zu " + Geradenname(k) + " ist:");
        Abstandszeile(P.Zahl,
                      P.Zahl ? AbstandPunktGerade(P.v, Gerade[k].Stuetzvektor, Gerade[k].Richtungsvektor, F) : 0);
    }
    AusgabeBeenden(10);
}

void AusgabePunkt1Gedreht() {
    const TGitterwerte P = PunktWerte(1);
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Punkt 1:", 6);
    Leerzeile();
    Zeile(Punktzeile("P1", P));
    Leerzeile();
    Zeile("aktuelle Koordinaten von Punkt 1 bezüglich");
    Zeile("der (festen) Hauptachsen nach");
    if (DrehAnzahl <= 0) Zeile("     keiner Drehung");
    for (int i = 1; i <= std::min(DrehAnzahl, DrehListe.High); ++i) {
        const TDrehung& D = DrehListe[i];
        const char achse = D.Achse <= 2 ? 'x' : D.Achse <= 4 ? 'y' : 'z';
        Zeile("     " + Ziffer(i) + ". Drehung: um die " + achse + "-Achse mit " + Zahl(D.Winkel) + " Grad");
    }
    Zeile("     P_akt = " + Klammerpunkt(Punkt[1].Ort));
    Leerzeile();
    Zeile("Nach den angegeben Drehungen hat der aktuelle Punkt P1 diese");
    Zeile("Abstände zu den (festen) Hauptachsen:");
    Achsenabstaende(true, Punkt[1].Ort, false);
    AusgabeBeenden(11);
}

void AusgabeVektorenAlt() {
    TGitterwerte V[4];
    for (int k = 1; k <= 4; ++k) V[k - 1] = VektorWerte(k);
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Vektoren", 6);
    Leerzeile();
    for (int k = 1; k <= 4; ++k) {
        TStringGrid& G = Form_Vektoren.Gitter(k);
        const TGitterwerte A = GitterwerteBuendig(G.Cells(0, 1), G.Cells(0, 2), G.Cells(0, 3));
        Zeile("Vektor " + Ziffer(k) + ":");
        Zeile(Punktzeile("A", A));
        Vektorblock(V[k - 1]);
        Vektorlaenge(k, V[k - 1]);
        Leerzeile();
    }
    Winkelliste("Vektor", V, [](const TGitterwerte& a, const TGitterwerte& b) { return WinkelVektoren(a.v, b.v, 1); });
    AusgabeBeenden(14);
}

void AusgabeStreckenAlt() {
    AusgabeBeginnen();
    Leerzeile();
    Ueberschrift("Strecken", 6);
    Leerzeile();
    for (int k = 1; k <= 4; ++k) {
        const TStreckenwerte S = StreckenWerte(k);
        if (k > 1) Leerzeile();
        Zeile("Strecke " + Ziffer(k) + ":");
        Streckenpunkte(S);
        Streckenwerte(k, S);
    }
    AusgabeBeenden(15);
}

// ---- Listings ----------------------------------------------------------------------

void TestausgabeStrecken1bis20() {
    // Only the entries the last picture filled.
    Streckenliste(1, std::min(20, StreckenAnzahl));
    AusgabeBeenden(200);
}

void TestausgabeStreckenAb40() {
    Streckenliste(40, std::min(StreckenAnzahl, StreckenHoechstzahl));
    AusgabeBeenden(201);
}
