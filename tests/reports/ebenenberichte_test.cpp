// The reports on planes: E1 as a whole text for the start scene, E2's own
// way of naming itself, the axes, trace lines and coefficients of special
// planes, the two planes together and the older report on E1.

#include "Berichttest.h"

namespace {

using Ebenenberichte = Berichttest;

TEST_F(Ebenenberichte, StartszeneGanz) {
    // E1: x - 2y + 2z = 4: negative b and d in parentheses, a negative angle.
    EXPECT_EQ(Bericht(34), Text(R"(
Daten zu E 1:|
----------------------------|
   |
Eine Parameterdarstellung von E 1:|
   |
               |4,000|        |4,000|        |-4,000||
    E 1:   x = |0,000|  + k * |2,000|  + r * | 0,000||
               |0,000|        |0,000|        | 2,000||
   |
Eine Koordinatendarstellung von E 1:|
   4,000 x + (-8,000) y + 8,000 z + (-16,000)  =  0|
   |
Eine Normalenform von E 1:|
 |
   | 4,000|     |        |4,000|||
   |-8,000|  *  |  x  -  |0,000||  =  0|
   | 8,000|     |        |0,000|||
 |
   |
Abstand von E 1 zum Ursprungspunkt:|
     1,333 LE|
     zugehöriger Lotfußpunkt:|
        (0,444/ -0,889/ 0,889)|
   |
Durchstoßpunkt x-Achse -  E 1:|
     (4,000/ 0,000/ 0,000)|
   |
Durchstoßpunkt y-Achse -  E 1:|
     (0,000/ -2,000/ 0,000)|
   |
Durchstoßpunkt z-Achse -  E 1:|
     (0,000/ 0,000/ 2,000)|
   |
Eine Parameterdarstellung der Spurgeraden|
von  E 1 in der x, y-Ebene:|
   |
                    | 0,800|        |0,894||
    spE 1_xy:   x = |-1,600|  + k * |0,447||
                    | 0,000|        |0,000||
   |
Eine Parameterdarstellung der Spurgeraden|
von  E 1 in der x, z-Ebene:|
   |
                    |0,800|        | 0,894||
    spE 1_xz:   x = |0,000|  + k * | 0,000||
                    |1,600|        |-0,447||
   |
Eine Parameterdarstellung der Spurgeraden|
von  E 1 in der y, z-Ebene:|
   |
                    | 0,000|        | 0,000||
    spE 1_yz:   x = |-1,000|  + k * |-0,707||
                    | 1,000|        |-0,707||
   |
Größe des Winkels zwischen den Richtungsvektoren:|
     143,130°|
   |
Größe des Winkels zwischen  E 1 und der x, y-Ebene:|
     48,190°|
   |
Größe des Winkels zwischen  E 1 und der x, z-Ebene:|
     48,190°|
   |
Größe des Winkels zwischen  E 1 und der y, z-Ebene:|
     70,529°|
   |
Größe des Winkels zwischen  E 1 und der x-Achse:|
     19,471°|
   |
Größe des Winkels zwischen  E 1 und der y-Achse:|
     -41,810°|
   |
Größe des Winkels zwischen  E 1 und der z-Achse:|
     41,810°|
)"));
    EXPECT_EQ(ErgebnisAuswahl, 34);
}

TEST_F(Ebenenberichte, E2SchreibtSeinenNamenAnders) {
    const Zeilen& z = Bericht(35);
    EXPECT_EQ(ErgebnisAuswahl, 6);  // both codes build it; 6 is what it stores
    EXPECT_EQ(z.front(), "Daten zu E 2:");
    for (const Zeilen& folge : std::vector<Zeilen>{
             {"Eine Parameterdarstellung von E2:", "   ", "               | 0,000|        |4,000|        | 4,000|",
              "     E2:   x = | 0,000|  + k * |4,000|  + r * | 0,000|"},
             {"Eine Koordinatendarstellung von E2:", "   -4,000 x + 4,000 y + (-16,000) z + (-16,000)  =  0"},
             {"Durchstoßpunkt x-Achse - E2:", "     (-4,000/ 0,000/ 0,000)"},
             {"von E2 in der x, y-Ebene:", "   ", "                   |-2,000|        |-0,707|",
              "     spE2xy:   x = | 2,000|  + k * |-0,707|"},
             {"     spE2_xz:   x = | 0,000|  + k * | 0,000|"},
             {"Größe des Winkels zwischen E2 und der z-Achse:", "     -70,529°"}})
        EXPECT_TRUE(EnthaeltFolge(z, folge)) << folge.front();
    // An edit rebuilds the same report; every axis name ends in ".".
    SetzeEbene(2, {"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"});
    EXPECT_EQ(Bericht(ErgebnisAuswahl).front(), "Daten zu E 2:");
    EXPECT_TRUE(EnthaeltFolge(Form_Datenausgabe.Memo1.Lines, {"Lagebeziehung y-Achse - E2:", "        Die y-Achse liegt in E2."}));
}

TEST_F(Ebenenberichte, AchsenSpurgeradenUndKoeffizienten) {
    const struct {
        const char* name;
        Drei S, u, v;
        std::vector<Zeilen> folgen;
    } faelle[] = {
        {"z = 2", {"0", "0", "2"}, {"1", "0", "0"}, {"0", "1", "0"},
         {{"   0,000 x + 0,000 y + 1,000 z + (-2,000)  =  0"},
          {"     2,000 LE", "     zugehöriger Lotfußpunkt:", "        (0,000/ 0,000/ 2,000)"},
          {"        Die x-Achse verläuft echt parallel zu E 1.", "     Abstand x-Achse - E 1:", "        d = 2,000 LE"},
          {"Durchstoßpunkt z-Achse -  E 1:", "     (0,000/ 0,000/ 2,000)"},
          {"Eine Spurgerade zu  E 1 in der x, y-Ebene", "     existiert nicht"},
          {"Größe des Winkels zwischen den Richtungsvektoren:", "     90,000°", "   ",
           "Größe des Winkels zwischen  E 1 und der x, y-Ebene:", "     0,000°"},
          {"Größe des Winkels zwischen  E 1 und der z-Achse:", "     90,000°"}}},
        {"z = 0", {"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"},
         {{"Lagebeziehung x-Achse -  E 1:", "        Die x-Achse liegt in  E 1.", "   ",
           "Lagebeziehung y-Achse -  E 1:", "        Die y-Achse liegt in  E 1:"}}},
        // a negative stays bare; numbers with an exponent are written short
        // and keep their parentheses.
        {"Koeffizienten", {"1234,567", "0", "0"}, {"0", "0", "10000"}, {"0", "10000", "0"},
         {{"   -1E8 x + 0,000 y + 0,000 z + 1,23457E11  =  0"}, {"   | -1E8|     |        |1234,567||"}}},
        {"Koeffizienten negativ", {"0", "0", "1234,567"}, {"10000", "0", "0"}, {"0", "10000", "0"},
         {{"   0,000 x + 0,000 y + 1E8 z + (-1,23E11)  =  0"}}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        SetzeEbene(1, f.S, f.u, f.v);
        const Zeilen& z = Bericht(34);
        for (const Zeilen& folge : f.folgen) EXPECT_TRUE(EnthaeltFolge(z, folge)) << folge.front();
    }
}

TEST_F(Ebenenberichte, ZweiEbenenUndDerAlteBericht) {
    EXPECT_TRUE(EnthaeltFolge(Bericht(118), {"              | 0,878|        | 0,937|", "     sg:  x = |-3,707|  + k * | 0,312|",
                                             "              |-2,146|        |-0,156|", "   ",
                                             "Größe des Winkels zwischen E1 und E2:", "     30,204°"}));
    EXPECT_EQ(ErgebnisAuswahl, 118);
    SetzeEbene(2, {"0", "-2", "0"}, {"8", "2", "-2"}, {"4", "2", "0"});  // E1 spanned otherwise
    EXPECT_EQ(Bericht(118).back(), "E1 und E2 sind identisch");
    SetzeEbene(1, {"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"});
    SetzeEbene(2, {"0", "0", "3"}, {"1", "0", "0"}, {"0", "1", "0"});
    EXPECT_TRUE(EnthaeltFolge(Bericht(118), {"   ", "E1 und E2 sind parallel zueinander.",
                                             "Der Abstand zwischen E1 und E2 ist 3,000 LE"}));

    // The older report on E1: no title, no forms, three trace lines.
    const Zeilen& z = Bericht(5);
    EXPECT_EQ(ErgebnisAuswahl, 5);
    EXPECT_EQ(Zeilen(z.begin(), z.begin() + 5),
              (Zeilen{"   ", "Eine Parameterdarstellung von E1:", "   ", "               |0,000|        |1,000|        |0,000|",
                      "     E1:   x = |0,000|  + k * |0,000|  + r * |1,000|"}));
    EXPECT_TRUE(EnthaeltFolge(z, {"        Die y-Achse liegt in E1.", "   ", "Durchstoßpunkt z-Achse - E1:"}));
    EXPECT_TRUE(EnthaeltFolge(z, {"Eine Spurgerade zu E1 in der x, y-Ebene", "     existiert nicht", "   ",
                                  "Eine Parameterdarstellung der Spurgeraden", "von E1 in der x, z-Ebene:"}));
    EXPECT_EQ(std::count(z.begin(), z.end(), "Eine Koordinatendarstellung von E1:"), 0);
}

}  // namespace
