// The reports on vectors, segments and points: the start scene's texts and
// the lines where a report must choose, the older ones, a cell without a
// number, and the segment listings for counts around their limits.

#include "Berichttest.h"

#include <functional>

#include "forms/Punkte.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "scene/DrehZustand.h"
#include "view3d/VerdeckteLinien.h"

namespace {

class Punktberichte : public Berichttest {
protected:
    static void SetzeVektor(int n, Drei v) {
        SpalteSetzen(Form_Vektoren.Gitter(n), 1, 1, v[0], v[1], v[2]);
        SzeneNeuBerechnen();
    }
    static void SetzeStrecke(int n, Drei A, Drei B) {
        SpalteSetzen(Form_Strecken.Gitter(n), 0, 1, A[0], A[1], A[2]);
        SpalteSetzen(Form_Strecken.Gitter(n), 1, 1, B[0], B[1], B[2]);
        SzeneNeuBerechnen();
    }
    static void SetzePunkt(int j, Drei P) {
        SpalteSetzen(Form_Punkte.Gitter(j), 1, 0, P[0], P[1], P[2]);
        SzeneNeuBerechnen();
    }
};

// Typed texts stand as they were typed, cut to 10 characters: a minus
// before zeros stays.
TEST_F(Punktberichte, GetippteTexteBehaltenIhrMinusVorNullen) {
    SetzePunkt(1, {"4", "-0,000000000000001", "-0"});
    EXPECT_TRUE(EnthaeltFolge(Bericht(46), {"P 1 = (4/ -0,0000000/ -0)"}));
    SetzeVektor(1, {"-0,000000000000001", "1", "-0,0"});
    EXPECT_TRUE(EnthaeltFolge(Bericht(36), {"         |-0,0000000|", "Vektor = |         1|", "         |      -0,0|"}));
    SetzeStrecke(1, {"-0,0000000000001", "0", "0"}, {"1", "0", "0"});
    EXPECT_TRUE(EnthaeltFolge(Bericht(41), {"A = (-0,0000000/ 0/ 0)"}));
}

TEST_F(Punktberichte, StartszeneGanz) {
    EXPECT_EQ(Bericht(36), Text(R"(
   |
Vektor 1:|
---------|
   |
         |-3||
Vektor = |-3||
         | 0||
Länge(Vektor 1) = 4,243 LE|
   |
)"));
    EXPECT_EQ(Bericht(41), Text(R"(
   |
Strecke 1:|
---------|
A = (-8/ -8/ -8)|
B = (-8/ -4/ -4)|
Länge(Strecke 1) = 5,657 LE|
   Mittelpunkt = (-8,000/ -6,000/ -6,000)|
)"));
    EXPECT_EQ(Bericht(46), Text(R"(
   |
Punkt 1:|
------|
   |
P 1 = (4/ 4/ 0)|
   |
Abstand von P 1 zum Ursprungspunkt:|
     5,657|
   |
P 1 hat diese|
Abstände zu den Koordinatenachsen:|
     zur x-Achse: 4,000 LE|
     zugehöriger Lotfußpunkt:|
        (4,000/ 0,000/ 0,000)|
     zur y-Achse: 4,000 LE|
     zugehöriger Lotfußpunkt:|
        (0,000/ 4,000/ 0,000)|
     zur z-Achse: 5,657 LE|
     zugehöriger Lotfußpunkt:|
        (0,000/ 0,000/ 0,000)|
)"));
}

TEST_F(Punktberichte, Randfaelle) {
    const struct {
        const char* name;
        std::function<void()> szene;
        Byte code;
        std::vector<Zeilen> folgen;
    } faelle[] = {
        {"Vektoren: entgegengesetzt 180, senkrecht 90", [] {
             SetzeVektor(1, {"1", "0", "0"});
             SetzeVektor(2, {"-2", "0", "0"});
             SetzeVektor(3, {"0", "5", "0"});
         }, 40,
         {Text("   Vektor 1 und Vektor 2 : 180,000°|\n   Vektor 1 und Vektor 3 : 90,000°|\n")}},
        {"Vektoren alt: spitzer Winkel", [] {
             SetzeVektor(1, {"1", "0", "0"});
             SetzeVektor(2, {"-2", "0", "0"});
         }, 14, {Text("   Vektor 1 und Vektor 2 : 0,000°|\n")}},
        {"Strecken gegenläufig parallel", [] {
             SetzeStrecke(1, {"0", "0", "0"}, {"1", "0", "0"});
             SetzeStrecke(2, {"5", "5", "5"}, {"3", "5", "5"});
         }, 45,
         {Text("Winkel zwischen Strecken:|\n------------------------|\n |\nStrecke 1:|\nA = (0/ 0/ 0)|\nB = (1/ 0/ 0)|\n"
               "Strecke 2:|\n"),
          Text("   Strecke 1 und Strecke 2 : 0,000°|\n")}},
        {"Koordinate länger als 10 Zeichen", [] { SetzePunkt(2, {"1,0000000009", "0", "0"}); }, 47,
         {Text("P 2 = (1,00000000/ 0/ 0)|\n")}},
        {"Punkt auf g: kein Lotfußpunkt", [] {
             SetzeGerade(1, {"0", "0", "0"}, {"1", "1", "0"});
             SetzePunkt(4, {"2", "2", "0"});
         }, 59,
         {Text(R"(Punkt 4 - Gerade g:|
-----------------|
   |
P4 = (2/ 2/ 0)|
   |
Eine Parameterdarstellung von g:|
   |
              |0,000|        |1,000||
     g:   x = |0,000|  + k * |1,000||
              |0,000|        |0,000||
   |
Der Abstand von P4 zu g ist:|
        d = 0,000 LE|
)")}},
        {"Punkt in E2: Lotfußpunkt ist der Punkt", [] {
             SetzeEbene(2, {"0", "0", "1"}, {"1", "0", "0"}, {"0", "1", "0"});
             SetzePunkt(1, {"3", "-2", "1"});
         }, 63,
         {Text("Der Abstand von P1 zu E2 ist:|\n        d = 0,000 LE|\n     zugehöriger Lotfußpunkt:|\n"
               "        (3,000/ -2,000/ 1,000)|\n")}},
        {"Punkt alt mit Ebenen und Geraden", [] {}, 10,
         {Text("P1 hat diese|\nAbstände zu den Koordinatenachsen:|\n     zur x-Achse: 4,000 LE|\n     zur y-Achse: 4,000 LE|\n"),
          Text("   |\nDer Abstand von P1 zu h ist:|\n")}},
        {"Punkt gedreht: keine Drehung", [] {}, 11, {Text("der (festen) Hauptachsen nach|\n     keiner Drehung|\n")}},
        {"Punkt gedreht: eine Drehung", [] {
             DrehAnzahl = 1;
             DrehListe[1] = {2, 10};
         }, 11, {Text("     1. Drehung: um die x-Achse mit 10,000 Grad|\n     P_akt = (4,000/ 4,000/ 0,000)|\n")}},
        {"Strecken alt: eigene Nummern", [] {}, 15,
         {Text("Länge(Strecke 1) = 5,657 LE|\n"), Text("Strecke 4:|\n")}},
        {"Zelle ohne Zahl", [] { Form_Punkte.Gitter(1).Cells(1, 1) = "-"; }, 62,
         {Text("P1 = (4/ -/ 0)|\n"),
          Text("        d = nicht berechenbar|\n     zugehöriger Lotfußpunkt:|\n        nicht berechenbar|\n")}},
        {"Vektor ohne Zahl: sein Winkel nicht, die anderen schon", [] {
             SetzeVektor(1, {"1", "0", "0"});
             SetzeVektor(2, {"0", "1", "0"});
             Form_Vektoren.Gitter(3).Cells(1, 2) = "1,2,";
         }, 40,
         {Text("   Vektor 1 und Vektor 2 : 90,000°|\n   Vektor 1 und Vektor 3 : nicht berechenbar|\n")}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ProgrammStart();
        f.szene();
        const Zeilen& z = Bericht(f.code);
        for (const Zeilen& folge : f.folgen) EXPECT_TRUE(EnthaeltFolge(z, folge)) << ::testing::PrintToString(z);
    }
}

// The listings read no entry beyond the count; code 200 lists at most 20.
TEST_F(Punktberichte, Streckenlisten) {
    for (int i = 1; i <= StreckenHoechstzahl; ++i) St[i] = {{i + 0.5L, 0, -1}, {0, 0, 0}};
    const struct { int Anzahl, zeilen200, zeilen201; } faelle[] = {
        {0, 1, 1}, {5, 11, 1}, {20, 41, 1}, {39, 41, 1}, {40, 41, 3}, {2399, 41, 1 + 2 * 2360}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Anzahl);
        StreckenAnzahl = f.Anzahl;
        EXPECT_EQ(Bericht(200).size(), static_cast<std::size_t>(f.zeilen200));
        EXPECT_EQ(Bericht(201).size(), static_cast<std::size_t>(f.zeilen201));
        EXPECT_EQ(ErgebnisAuswahl, 201);
    }
    StreckenAnzahl = 45;
    EXPECT_EQ(Bericht(201).at(1), "St[40].A = 40,50 / 0,00 /  -1,00");
    EXPECT_EQ(Bericht(201).at(2), "St[40].B = 0,00 /  0,00 /  0,00");
    EXPECT_EQ(Bericht(201).back(), "St[45].B = 0,00 /  0,00 /  0,00");
    StreckenAnzahl = 5;
    EXPECT_EQ(Bericht(200).back(), "St[5].B = 0,00 /  0,00 /  0,00");
}

}  // namespace
