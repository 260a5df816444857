#include "reports/EbenenBerichte.h"

#include <string>

#include "geometry/Einheitsvektoren.h"
#include "geometry/Geometrie.h"
#include "reports/Berichtlayout.h"
#include "scene/Objekte.h"

namespace {

// How a plane report names its plane; the three reports differ only here.
struct TEbenentexte {
    const char* Name;            // in whole captions: "... von E 1:"
    const char* NameMitAbstand;  // after "- " and "zwischen", "von", "zu", "liegt in"
    const char* Marke;           // middle line of the parameter form
    bool yMitDoppelpunkt;        // the y-axis lying in the plane ends with ":"
    const char* Spurmarken[3];   // middle lines of the trace lines
};

const TEbenentexte TexteE1{"E 1", "  E 1", "    E 1:   x = ", true,
                           {"    spE 1_xy:   x = ", "    spE 1_xz:   x = ", "    spE 1_yz:   x = "}};
const TEbenentexte TexteE2{"E2", " E2", "     E2:   x = ", false,
                           {"     spE2xy:   x = ", "     spE2_xz:   x = ", "     spE2_yz:   x = "}};
const TEbenentexte TexteE1Alt{"E1", " E1", "     E1:   x = ", false,
                              {"     spE1_xy:   x = ", "     spE1_xz:   x = ", "     spE1_yz:   x = "}};

const char* const Koordinatenebenen[3] = {"x, y-Ebene", "x, z-Ebene", "y, z-Ebene"};
const TVek_R3 Achsen[3] = {EinhVekX, EinhVekY, EinhVekZ};
const char Achsnamen[3] = {'x', 'y', 'z'};
// The coordinate planes by their spanning axes.
const TVek_R3 EbenenP[3] = {EinhVekX, EinhVekX, EinhVekY};
const TVek_R3 EbenenQ[3] = {EinhVekY, EinhVekZ, EinhVekZ};

void Ebenenform(const TEbene& E, const std::string& Marke) {
    Parameterform(Marke, {Spalte(E.Stuetzvektor), Spalte(E.Richtungsvektor1), Spalte(E.Richtungsvektor2)});
}

void Koordinatenform(const TEbene& E, const TEbenentexte& T) {
    Leerzeile();
    Zeile(std::string("Eine Koordinatendarstellung von ") + T.Name + ":");
    Zeile("   " + Feldzahl(E.KoordA) + " x + " + Koeffizient(E.KoordB) + " y + " + Koeffizient(E.KoordC) +
          " z + " + Koeffizient(E.KoordD) + "  =  0");
}

void Normalenform(const TEbene& E, const TEbenentexte& T) {
    Leerzeile();
    Zeile(std::string("Eine Normalenform von ") + T.Name + ":");
    Leerzeile1();
    Ausdruck({"   |", "   |", "   |"}, {Spalte(E.Normalenvektor), Spalte(E.NormalenformPunkt)},
             {{"|     |        |", "|  *  |  x  -  |", "|     |        |"}}, {"||", "||  =  0", "||"});
    Leerzeile1();
}

void Ursprungsabstand(const TEbene& E, const TEbenentexte& T) {
    TVek_R3 F;
    const Extended d = AbstandPunktEbene(NullVektor, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, F);
    Leerzeile();
    Zeile(std::string("Abstand von ") + T.Name + " zum Ursprungspunkt:");
    Zeile("     " + Zahl(d) + " LE");
    Zeile("     zugehöriger Lotfußpunkt:");
    Zeile("        " + Klammerpunkt(F));
}

// How each coordinate axis meets the plane: its piercing point, or parallel
// with its distance, or lying in it.
void Koordinatenachsen(const TEbene& E, const TEbenentexte& T) {
    const TVek_R3 S = E.Stuetzvektor, u = E.Richtungsvektor1, v = E.Richtungsvektor2;
    for (int k = 0; k < 3; ++k) {
        const std::string achse = std::string(1, Achsnamen[k]) + "-Achse";
        bool durch = false;
        TVek_R3 D;
        SchnittpunktGeradeEbene(NullVektor, Achsen[k], S, u, v, durch, D);
        Leerzeile();
        if (durch) {
            Zeile("Durchstoßpunkt " + achse + " -" + T.NameMitAbstand + ":");
            Zeile("     " + Klammerpunkt(D));
            continue;
        }
        Zeile("Lagebeziehung " + achse + " -" + T.NameMitAbstand + ":");
        LageAchseEbene(NullVektor, Achsen[k], S, u, v, LageCodeAchseEbene);
        if (LageCodeAchseEbene == 1) {
            TVek_R3 F;
            Zeile("        Die " + achse + " verläuft echt parallel zu " + T.Name + ".");
            Zeile("     Abstand " + achse + " - " + T.Name + ":");
            Zeile("        d = " + Zahl(AbstandPunktEbene(NullVektor, S, u, v, F)) + " LE");
        } else {
            Zeile("        Die " + achse + " liegt in" + T.NameMitAbstand + (k == 1 && T.yMitDoppelpunkt ? ":" : "."));
        }
    }
}

// The trace lines Spurgeraden[Erste .. Erste + 2] in the x,y-, x,z- and y,z-plane.
void Spurgeradenbloecke(int Erste, const TEbenentexte& T) {
    for (int k = 0; k < 3; ++k) {
        const TGerade& L = Spurgeraden[Erste + k];
        Leerzeile();
        if (L.gueltig == 1) {
            Zeile("Eine Parameterdarstellung der Spurgeraden");
            Zeile(std::string("von") + T.NameMitAbstand + " in der " + Koordinatenebenen[k] + ":");
            Leerzeile();
            Parameterform(T.Spurmarken[k], {Spalte(L.Stuetzvektor), Spalte(L.Richtungsvektor)});
        } else {
            Zeile(std::string("Eine Spurgerade zu") + T.NameMitAbstand + " in der " + Koordinatenebenen[k]);
            Zeile("     existiert nicht");
        }
    }
}

// The angles with the coordinate planes (never negative) and with the axes
// (signed by the side of u × v the axis points to).
void Winkel(const TEbene& E, const TEbenentexte& T) {
    const TVek_R3 u = E.Richtungsvektor1, v = E.Richtungsvektor2;
    const std::string zwischen = std::string("Größe des Winkels zwischen") + T.NameMitAbstand + " und der ";
    for (int k = 0; k < 3; ++k) {
        Leerzeile();
        Zeile(zwischen + Koordinatenebenen[k] + ":");
        Zeile("     " + Zahl(WinkelEbeneEbene(EbenenP[k], EbenenQ[k], u, v)) + "°");
    }
    for (int k = 0; k < 3; ++k) {
        Leerzeile();
        Zeile(zwischen + Achsnamen[k] + "-Achse:");
        Zeile("     " + Zahl(WinkelGeradeEbene(Achsen[k], u, v)) + "°");
    }
}

// The report on plane E with its trace lines from Spurgeraden[ErsteSpur].
// The older report has no title, no coordinate and normal form and no angle
// of the direction vectors.
void Ebenenbericht(const TEbene& E, int ErsteSpur, const TEbenentexte& T, const char* Titel) {
    const bool alt = Titel == nullptr;
    if (!alt) Ueberschrift(Titel, 28);
    Leerzeile();
    Zeile(std::string("Eine Parameterdarstellung von ") + T.Name + ":");
    Leerzeile();
    Ebenenform(E, T.Marke);
    if (!alt) {
        Koordinatenform(E, T);
        Normalenform(E, T);
    }
    Ursprungsabstand(E, T);
    Koordinatenachsen(E, T);
    Spurgeradenbloecke(ErsteSpur, T);
    if (!alt) {
        Leerzeile();
        Zeile("Größe des Winkels zwischen den Richtungsvektoren:");
        Zeile("     " + Zahl(WinkelVektoren(E.Richtungsvektor1, E.Richtungsvektor2, 0)) + "°");
    }
    Winkel(E, T);
}

}  // namespace

void AusgabeEbene(Byte n) {
    AusgabeBeginnen();
    Ebenenbericht(Ebene[n], 3 * n - 2, TexteE1, "Daten zu E 1:");
    AusgabeBeenden(static_cast<Byte>(33 + n));
}

void AusgabeEbeneE2() {
    AusgabeBeginnen();
    Ebenenbericht(Ebene[2], 4, TexteE2, "Daten zu E 2:");
    AusgabeBeenden(6);
}

void AusgabeEbeneE1Alt() {
    AusgabeBeginnen();
    Ebenenbericht(Ebene[1], 1, TexteE1Alt, nullptr);
    AusgabeBeenden(5);
}

void AusgabeEbeneEbene() {
    const TEbene &E1 = Ebene[1], &E2 = Ebene[2];
    AusgabeBeginnen();
    Ueberschrift("E1 - E2:", 7);
    Leerzeile();
    Ueberschrift("Eine Parameterdarstellung von E1:", 32);
    Leerzeile();
    Ebenenform(E1, "     E1:   x = ");
    Leerzeile();
    Leerzeile();
    Zeile("Eine Parameterdarstellung von E2:");
    Leerzeile();
    Ebenenform(E2, "     E2:   x = ");
    Leerzeile();
    if (SchnittgeradeVorhanden) {
        Zeile("Eine Parameterdarstellung der Schnittgeraden sg von E1 und E2:");
        Leerzeile();
        Parameterform("     sg:  x = ", {Spalte(Gerade_sg.Stuetzvektor), Spalte(Gerade_sg.Richtungsvektor)});
        Leerzeile();
        Zeile("Größe des Winkels zwischen E1 und E2:");
        Zeile("     " +
              Zahl(WinkelEbeneEbene(E1.Richtungsvektor1, E1.Richtungsvektor2, E2.Richtungsvektor1, E2.Richtungsvektor2)) +
              "°");
    } else {
        TVek_R3 F;
        const Extended d =
            AbstandPunktEbene(E1.Stuetzvektor, E2.Stuetzvektor, E2.Richtungsvektor1, E2.Richtungsvektor2, F);
        if (std::fabs(d) < Toleranz) {
            Zeile("E1 und E2 sind identisch");
        } else {
            Zeile("E1 und E2 sind parallel zueinander.");
            Zeile("Der Abstand zwischen E1 und E2 ist " + Zahl(d) + " LE");
        }
    }
    AusgabeBeenden(118);
}
