// The reports on parallelepipeds, spheres and cones: one whole text, then
// the lines where a report must choose (tangent, secant, circle, inside,
// outside, the polar block), the scratch plane E3, the touching plane's
// radius, a centre cell that holds no number, and the older reports.

#include "Berichttest.h"

#include <functional>

#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "geometry/Geometrie.h"
#include "scene/Objekte.h"

namespace {

class Koerperberichte : public Berichttest {
protected:
    static void SetzeKugel(int i, Drei M, Extended r) {
        SpalteSetzen(Form_Kugeln.Gitter(i), 1, 1, M[0], M[1], M[2]);
        Kugel[i].Radius = r;
        SzeneNeuBerechnen();
    }
    static void SetzePunkt(int j, Drei P) {
        SpalteSetzen(Form_Punkte.Gitter(j), 1, 0, P[0], P[1], P[2]);
        SzeneNeuBerechnen();
    }
    static void SetzeSpat(int n, Drei A, Drei AB, Drei AD, Drei AE) {
        int c = 0;
        for (const Drei& v : {A, AB, AD, AE}) SpalteSetzen(Form_Spate.Gitter(n), c++, 1, v[0], v[1], v[2]);
        SzeneNeuBerechnen();
    }
};

TEST_F(Koerperberichte, KugelGanz) {
    SetzeKugel(2, {"0", "0", "5"}, 5);
    EXPECT_EQ(Bericht(75), Text(R"(
   |
Kugel 2:|
------|
   |
Mittelpunkt = (0/ 0/ 5)|
   |
Radius = 5,000 LE|
   |
Kugelgleichung:|
|      |0| |  2|
|  x - |0| |       = 25,000|
|      |5| ||
 |
bzw.|
(x1)^2 + (x2)^2 + (x3)^2 - 0,000*x1 - 0,000*x2 - 10,000*x3 + 0,000 = 0|
 |
Abstand des Ursprungs zur|
Kugeloberfläche = 0,000 LE|
  Der Ursprung liegt also auf der Kugeloberfläche|
   |
Abstand des Ursprungs zum|
Mittelpunkt der Kugel = 5,000 LE|
   |
Volumen der Kugel = 523,599 VE|
   |
Inhalt der Kugeloberfläche = 314,159 FE|
   |
Abstand zwischen dem Mittelpunkt|
der Kugel und der x, y-Ebene =|
     5,000 LE|
die x, y-Ebene ist eine Tangentialebene der Kugel.|
Der Berührpunkt ist|
     B = (0,000/ 0,000/ 0,000)|
   |
Abstand zwischen dem Mittelpunkt|
der Kugel und der x, z-Ebene =|
     0,000 LE|
Die Kugel und die x, z-Ebene schneiden sich in einem Kreis|
mit dem Mittelpunkt|
     M = (0,000/ 0,000/ 5,000)|
dem Radius|
     r = 5,000 LE|
und dem Normalenvektor|
| 0||
|-1||
| 0||
   |
Abstand zwischen dem Mittelpunkt|
der Kugel und der y, z-Ebene =|
     0,000 LE|
Die Kugel und die y, z-Ebene schneiden sich in einem Kreis|
mit dem Mittelpunkt|
     M = (0,000/ 0,000/ 5,000)|
dem Radius|
     r = 5,000 LE|
und dem Normalenvektor|
|1||
|0||
|0||
)"));
}

TEST_F(Koerperberichte, AeltereKugelberichteBeginnenGleich) {
    // Both older reports on sphere 1 open with the same block; what follows
    // differs.
    SetzeKugel(1, {"1", "2", "3"}, 1.5L);
    const Zeilen Kopf = Text(R"(
   |
Kugel:|
------|
   |
Mittelpunkt = (1/ 2/ 3)|
   |
Radius = 1,500|
   |
)");
    for (Byte Code : {12, 13}) {
        const Zeilen& z = Bericht(Code);
        ASSERT_GT(z.size(), Kopf.size());
        EXPECT_EQ(Zeilen(z.begin(), z.begin() + static_cast<std::ptrdiff_t>(Kopf.size())), Kopf) << int(Code);
    }
    EXPECT_EQ(Bericht(12)[Kopf.size()], "Abstand des Ursprungs zur");
    EXPECT_EQ(Bericht(13)[Kopf.size()], "Abstand zwischen dem Mittelpunkt");
}

TEST_F(Koerperberichte, Randfaelle) {
    const struct {
        const char* name;
        std::function<void()> szene;
        Byte code;
        std::vector<Zeilen> folgen;
    } faelle[] = {
        {"Ursprung innen, Koeffizient in Klammern", [] { SetzeKugel(1, {"1", "2", "3"}, 10); }, 74,
         {Text("(x1)^2 + (x2)^2 + (x3)^2 - 2,000*x1 - 4,000*x2 - 6,000*x3 + (-86,000) = 0|\n"),
          Text("Kugeloberfläche = 6,258 LE|\n  Der Ursprung liegt innerhalb der Kugel|\n")}},
        {"Koeffizient abgeschnitten, keine gemeinsamen Punkte", [] { SetzeKugel(1, {"-1", "0", "3"}, 351.4); }, 74,
         {Text("(x1)^2 + (x2)^2 + (x3)^2 - (-2,000)*x1 - 0,000*x2 - 6,000*x3 + (-123472,0 = 0|\n")}},
        {"Kugel über der x,y-Ebene", [] { SetzeKugel(1, {"0", "0", "3"}, 2); }, 74,
         {Text("Die Kugel und die x, y-Ebene haben keine gemeinsamen Punkte|\n")}},
        {"Kugel-Punkt außen: Polarebene", [] {
             SetzeKugel(1, {"0", "0", "0"}, 3);
             SetzePunkt(1, {"5", "0", "0"});
         }, 78,
         {Text(R"(Punkt 1= (5/ 0/ 0)|
-------|
   |
Abstand von P1 zur|
Kugeloberfläche = 2,000 LE|
  P1 liegt außerhalb der Kugel|
 |
Eine Gleichung der Polarebene von Punkt 1 an Kugel 1:|
     5 * x1 + 0 * x2 + 0 * x3 + -9 = 0|
Der Mittelpunkt des Polarkreises ist |
         (1,8/ 0/ 0)|
Der Radius des Polarkreises ist |
         2,4 LE|
   |
Abstand von P1 zum|
Mittelpunkt der Kugel = 5,000 LE|
)")}},
        {"Kugel-Punkt innen, rechtsbündig", [] {
             SetzeKugel(1, {"0", "0", "0"}, 3);
             SetzePunkt(3, {"1", "-12,5", "0"});
             SetzePunkt(1, {"1", "1", "1"});
         }, 80,
         {Text("Punkt 3= (    1/ -12,5/     0)|\n")}},
        {"Kugel-Punkt auf der Oberfläche", [] {
             SetzeKugel(1, {"0", "0", "0"}, 3);
             SetzePunkt(1, {"3", "0", "0"});
         }, 78,
         {Text("Kugeloberfläche = 0,000 LE|\n  P1 liegt also auf der Kugeloberfläche|\n   |\nAbstand von P1 zum|\n")}},
        {"Tangente", [] {
             SetzeKugel(1, {"0", "0", "0"}, 2);
             SetzeGerade(1, {"2", "0", "0"}, {"0", "1", "0"});
         }, 94,
         {Text(R"(Kugel 1 - Gerade g:|
------------------|
   |
Kugel 1:|
-------|
   |
Mittelpunkt = (0/ 0/ 0)|
   |
Radius = 2,000|
   |
   |
Eine Parameterdarstellung von g:|
   |
              |2,000|        |0,000||
     g:   x = |0,000|  + k * |1,000||
              |0,000|        |0,000||
   |
g ist eine Tangente der Kugel.|
Der Berührpunkt ist B = (2,000/ 0,000/ 0,000).|
)")}},
        {"Sekante, Spaltenbreiten unabhängig", [] {
             SetzeKugel(1, {"0", "0", "0"}, 2);
             SetzeGerade(2, {"1", "2", "3"}, {"-10", "0", "0"});
             SetzeGerade(2, {"0", "0", "0"}, {"1", "0", "0"});
         }, 95,
         {Text("h ist eine Sekante der Kugel.|\nDie Durchstoßpunkte sind|\nS1 = (-2,000/ 0,000/ 0,000).|\n"
               "S2 = (2,000/ 0,000/ 0,000).|\n")}},
        {"Passante", [] {
             SetzeKugel(4, {"0", "0", "0"}, 2);
             SetzeGerade(3, {"3", "0", "0"}, {"0", "0", "1"});
         }, 105, {Text("t ist eine Passante der Kugel.|\n")}},
        {"Kugel-Ebene: Kreis", [] {
             SetzeKugel(1, {"0", "0", "0"}, 2);
             SetzeEbene(1, {"0", "0", "1"}, {"2", "0", "0"}, {"0", "3", "0"});
         }, 106,
         {Text(R"(Kugel 1 - Ebene 1:|
-----------------|
   |
Kugel 1:|
-------|
   |
Mittelpunkt = (0/ 0/ 0)|
Radius = 2,000|
   |
   |
Eine Parameterdarstellung von E 1:|
---------------------------------   |
   |
               |0,000|        |2,000|        |0,000||
     E1:   x = |0,000|  + k * |0,000|  + r * |3,000||
               |1,000|        |0,000|        |0,000||
   |
Abstand zwischen dem Mittelpunkt|
der Kugel 1 und E1 =|
     1,000 LE|
Die Kugel 1 und E1 schneiden sich in einem Kreis|
mit dem Mittelpunkt|
     M = (0,000/ 0,000/ 1,000),|
dem Radius|
     r = 1,732 LE|
und dem Normalenvektor|
|0||
|0||
|6||
)")}},
        {"Kugel-Ebene: Tangentialebene", [] {
             SetzeKugel(3, {"0", "0", "0"}, 2);
             SetzeEbene(2, {"0", "0", "2"}, {"1", "0", "0"}, {"0", "1", "0"});
         }, 111,
         {Text("     2,000 LE|\nE2 ist eine Tangentialebene der Kugel.|\nDer Berührpunkt ist|\n     B = (0,000/ 0,000/ 2,000)|\n")}},
        {"Kugel-Ebene: keine gemeinsamen Punkte", [] {
             SetzeKugel(1, {"0", "0", "0"}, 2);
             SetzeEbene(1, {"0", "0", "3"}, {"1", "0", "0"}, {"0", "1", "0"});
         }, 106, {Text("Die Kugel 1 und E1 haben keine gemeinsamen Punkte|\n")}},
        {"Einheitswürfel", [] { SetzeSpat(1, {"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}); }, 18,
         {Text("     |1,000||\nAB = |0,000|   Länge(AB) = 1,000 LE|\n     |0,000||\n"),
          Text("G = (1,000/ 1,000/ 1,000)|\nH = (0,000/ 1,000/ 1,000)|\n    |\n"),
          Text("     zwischen AB und AD: 90,000°|\n"), Text("Volumen des Spats 1:|\n     1,000 VE|\n"),
          Text("Schnittpunkt der Raumdiagonalen von Spat 1:|\n     (0,500/ 0,500/ 0,500)|\n"),
          Text("Oberflächeninhalt von Spat 1:|\n     6,000 FE|\n")}},
        {"Spat: stumpfer Winkel spitz, Linkssystem positiv, breite Spalte", [] {
             SetzeSpat(2, {"0", "0", "0"}, {"10", "0", "0"}, {"-1", "1", "0"}, {"0", "0", "-1"});
         }, 19,
         {Text("     |10,000||\nAB = | 0,000|   Länge(AB) = 10,000 LE|\n     | 0,000||\n"),
          Text("     zwischen AB und AD: 45,000°|\n"), Text("Volumen des Spats 2:|\n     10,000 VE|\n")}},
        {"Kegel", [] {
             Kegel[2].Radius = 3;
             Kegel[2].Hoehe = 4;
             SpalteSetzen(Form_Kegel.Gitter(2), 1, 1, "0", "0", "-1");
             SzeneNeuBerechnen();
         }, 115,
         {Text(R"(Daten zu Kegel 2:|
----------------|
  Mittelpunkt = (7,000/ 1,000/ 0,000)|
                   | 0,000||
  Normalenvektor = | 0,000||
                   |-1,000||
  Radius des Grundkreises = 3,000 LE|
  Höhe = 4,000 LE|
  Volumen = 37,699 VE|
  Länge der Mantellinie = 5,000 LE|
  Inhalt der Mantelfläche = 47,124 FE|
  Inhalt der Oberfläche = 75,398 FE|
  Öffnungswinkel = 73,740°|
   |
)")}},
        {"Spat alt: A wie getippt", [] { SetzeSpat(1, {"1,5000", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"}); }, 7,
         {Text("Spat 1:|\n------|\n   |\nA = (1,5000/      0/      0)|\n")}},
        {"Kugel alt: P1 im Ursprung", [] {
             SetzeKugel(1, {"0", "0", "4"}, 2);
             SetzePunkt(1, {"0", "0", "0"});
         }, 12,
         {Text("Abstand des Ursprungs zur|\nKugeloberfläche = 2,000 LE|\n  Der Ursprung liegt außerhalb der Kugel|\n"),
          Text("Abstand von P1 zur|\nKugeloberfläche = 2,000 LE|\n  P1 liegt außerhalb der Kugel|\n")}},
        {"Kegel alt: immer Kegel 1 und 2", [] {}, 17,
         {Text("  Öffnungswinkel = 53,130°|\n   |\nDaten zu Kegel 2:|\n----------------------------|\n")}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ProgrammStart();
        f.szene();
        const Zeilen& z = Bericht(f.code);
        for (const Zeilen& folge : f.folgen) EXPECT_TRUE(EnthaeltFolge(z, folge)) << ::testing::PrintToString(z);
    }
}

// Only the sphere-point report writes E3, and only for a point outside.
TEST_F(Koerperberichte, HilfsebeneE3NurVomKugelPunktBericht) {
    SetzeKugel(1, {"0", "0", "0"}, 3);
    SetzePunkt(1, {"5", "0", "0"});
    Ebene_E3.KoordA = 42;
    const TEbene E3 = Ebene_E3;
    const TFeld<TEbene, 1, 3> Ebenen = Ebene;
    for (int code = 1; code <= 255; ++code) {
        if (code >= 78 && code <= 93) continue;
        ErgebnisAusgeben(static_cast<Byte>(code));
        ASSERT_TRUE(Ebene_E3 == E3) << code;
    }
    ErgebnisAusgeben(78);
    EXPECT_EQ(Ebene_E3.KoordA, 5);
    EXPECT_TRUE(Ebene[1] == Ebenen[1] && Ebene[2] == Ebenen[2]);
}

// A plane that touches the sphere up to rounding: radius exactly 0, not
// some 1e-9 from the root of r² - d².
TEST_F(Koerperberichte, BeruehrendeEbeneHatKreisradiusNull) {
    const TVek_R3 M{0.1L, 0.2L, 0.3L}, u{1, 2, 3}, w{-2, 0.7L, 5};
    TVek_R3 F;
    const Extended d = AbstandPunktEbene(M, {1, 1, 1}, u, w, F);
    EXPECT_EQ(SchnittkreisRadius(M, {1, 1, 1}, u, w, d + 1e-12L), 0);
    EXPECT_EQ(SchnittkreisRadius(M, {1, 1, 1}, u, w, d - 1e-12L), 0);
    EXPECT_GT(SchnittkreisRadius(M, {1, 1, 1}, u, w, d + 1e-6L), 0);
}

// A refused entry on screen: the text is shown, nothing is computed from it.
TEST_F(Koerperberichte, ZelleOhneZahl) {
    SetzeKugel(1, {"0", "0", "0"}, 2);
    Form_Kugeln.Gitter(1).Cells(1, 2) = "1,2,3";
    const Zeilen& z = Bericht(74);
    EXPECT_TRUE(EnthaeltFolge(z, Text("Mittelpunkt = (    0/ 1,2,3/     0)|\n")));
    EXPECT_TRUE(EnthaeltFolge(z, Text("Kugeloberfläche = nicht berechenbar|\n   |\n")));
    EXPECT_TRUE(EnthaeltFolge(z, Text("der Kugel und der x, y-Ebene =|\n     nicht berechenbar|\n")));
    EXPECT_TRUE(EnthaeltFolge(Bericht(106), Text("der Kugel 1 und E1 =|\n     nicht berechenbar|\n")));
}

// General-format numbers in a column are never cut inside the exponent.
TEST_F(Koerperberichte, NormalenspalteOhneSchnittImExponenten) {
    SetzeKugel(1, {"0", "0", "0"}, 9000);
    SetzeEbene(1, {"0", "0", "0"}, {"0,000123456789", "0", "0"}, {"0", "0,0003", "0,0001"});
    const Zeilen& z = Bericht(106);
    EXPECT_TRUE(EnthaeltFolge(z, Text("|         0||\n|-1,2346E-8||\n| 3,7037E-8||\n"))) << ::testing::PrintToString(z);
}

}  // namespace
