// The reports on planes: E1, E2, both planes and the older report on E1, as
// whole texts for the start scene and line by line for the planes whose
// axes, trace lines and coefficients put a report to the test.

#include "Berichttest.h"

#include <algorithm>

namespace {

using Ebenenberichte = Berichttest;

TEST_F(Ebenenberichte, StartszeneGanz) {
    // E1: x - 2y + 2z = 4 (negative b and d in parentheses, a negative axis
    // angle); E1 and E2 meet in sg.
    ErwarteText(Bericht(34), Text(R"(
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
    ErwarteText(Bericht(118), Text(R"(
E1 - E2:|
-------|
   |
Eine Parameterdarstellung von E1:|
--------------------------------|
   |
               |4,000|        |4,000|        |-4,000||
     E1:   x = |0,000|  + k * |2,000|  + r * | 0,000||
               |0,000|        |0,000|        | 2,000||
   |
   |
Eine Parameterdarstellung von E2:|
   |
               | 0,000|        |4,000|        | 4,000||
     E2:   x = | 0,000|  + k * |4,000|  + r * | 0,000||
               |-1,000|        |0,000|        |-1,000||
   |
Eine Parameterdarstellung der Schnittgeraden sg von E1 und E2:|
   |
              | 0,878|        | 0,937||
     sg:  x = |-3,707|  + k * | 0,312||
              |-2,146|        |-0,156||
   |
Größe des Winkels zwischen E1 und E2:|
     30,204°|
)"));
    EXPECT_EQ(ErgebnisAuswahl, 118);
}

TEST_F(Ebenenberichte, E2SchreibtSeinenNamenAnders) {
    const Zeilen& z = Bericht(35);
    EXPECT_EQ(ErgebnisAuswahl, 6);  // both codes build it; 6 is what it stores
    EXPECT_EQ(z.front(), "Daten zu E 2:");
    EXPECT_EQ(std::count_if(z.begin(), z.end(), [](const std::string& l) { return l.find("E 2") != std::string::npos; }), 1);
    for (const Zeilen& folge : std::vector<Zeilen>{
             {"Eine Parameterdarstellung von E2:", "   ", "               | 0,000|        |4,000|        | 4,000|",
              "     E2:   x = | 0,000|  + k * |4,000|  + r * | 0,000|"},
             {"Eine Koordinatendarstellung von E2:", "   -4,000 x + 4,000 y + (-16,000) z + (-16,000)  =  0"},
             {"Eine Normalenform von E2:"},
             {"Abstand von E2 zum Ursprungspunkt:"},
             {"Durchstoßpunkt x-Achse - E2:", "     (-4,000/ 0,000/ 0,000)"},
             {"von E2 in der x, y-Ebene:", "   ", "                   |-2,000|        |-0,707|",
              "     spE2xy:   x = | 2,000|  + k * |-0,707|"},
             {"von E2 in der x, z-Ebene:", "   ", "                    |-0,235|        |-0,970|",
              "     spE2_xz:   x = | 0,000|  + k * | 0,000|"},
             {"     spE2_yz:   x = | 0,235|  + k * |0,970|"},
             {"Größe des Winkels zwischen E2 und der x, y-Ebene:", "     19,471°"},
             {"Größe des Winkels zwischen E2 und der z-Achse:", "     -70,529°"}})
        EXPECT_TRUE(EnthaeltFolge(z, folge)) << folge.front();
    // A later edit rebuilds the same report.
    SetzeEbene(2, {"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"});
    EXPECT_EQ(Bericht(ErgebnisAuswahl).front(), "Daten zu E 2:");
    EXPECT_TRUE(EnthaeltFolge(Form_Datenausgabe.Memo1.Lines,
                              {"Lagebeziehung x-Achse - E2:", "        Die x-Achse liegt in E2."}));
    EXPECT_TRUE(EnthaeltFolge(Form_Datenausgabe.Memo1.Lines,
                              {"Lagebeziehung y-Achse - E2:", "        Die y-Achse liegt in E2."}));
}

struct Ebenenfall {
    const char* name;
    Drei S, u, v;
    std::vector<Zeilen> folgen;
};

TEST_F(Ebenenberichte, AchsenSpurgeradenUndKoeffizienten) {
    const Ebenenfall faelle[] = {
        {"z = 2", {"0", "0", "2"}, {"1", "0", "0"}, {"0", "1", "0"},
         {{"   0,000 x + 0,000 y + 1,000 z + (-2,000)  =  0"},
          {"Abstand von E 1 zum Ursprungspunkt:", "     2,000 LE", "     zugehöriger Lotfußpunkt:",
           "        (0,000/ 0,000/ 2,000)"},
          {"Lagebeziehung x-Achse -  E 1:", "        Die x-Achse verläuft echt parallel zu E 1.",
           "     Abstand x-Achse - E 1:", "        d = 2,000 LE", "   ", "Lagebeziehung y-Achse -  E 1:",
           "        Die y-Achse verläuft echt parallel zu E 1.", "     Abstand y-Achse - E 1:", "        d = 2,000 LE",
           "   ", "Durchstoßpunkt z-Achse -  E 1:", "     (0,000/ 0,000/ 2,000)"},
          {"Eine Spurgerade zu  E 1 in der x, y-Ebene", "     existiert nicht", "   ",
           "Eine Parameterdarstellung der Spurgeraden", "von  E 1 in der x, z-Ebene:"},
          {"Größe des Winkels zwischen den Richtungsvektoren:", "     90,000°", "   ",
           "Größe des Winkels zwischen  E 1 und der x, y-Ebene:", "     0,000°", "   ",
           "Größe des Winkels zwischen  E 1 und der x, z-Ebene:", "     90,000°", "   ",
           "Größe des Winkels zwischen  E 1 und der y, z-Ebene:", "     90,000°", "   ",
           "Größe des Winkels zwischen  E 1 und der x-Achse:", "     0,000°", "   ",
           "Größe des Winkels zwischen  E 1 und der y-Achse:", "     0,000°", "   ",
           "Größe des Winkels zwischen  E 1 und der z-Achse:", "     90,000°"}}},
        {"z = 0", {"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"},
         {{"Lagebeziehung x-Achse -  E 1:", "        Die x-Achse liegt in  E 1.", "   ",
           "Lagebeziehung y-Achse -  E 1:", "        Die y-Achse liegt in  E 1:", "   ",
           "Durchstoßpunkt z-Achse -  E 1:", "     (0,000/ 0,000/ 0,000)"}}},
        {"parallel zur x-Achse", {"0", "0", "3"}, {"1", "0", "0"}, {"0", "1", "1"},
         {{"Lagebeziehung x-Achse -  E 1:", "        Die x-Achse verläuft echt parallel zu E 1.",
           "     Abstand x-Achse - E 1:", "        d = 2,121 LE"}}},
        // a negative stays bare; d with an exponent keeps its parentheses.
        {"Koeffizienten", {"1234,567", "0", "0"}, {"0", "0", "10000"}, {"0", "10000", "0"},
         {{"   -1E8 x + 0,000 y + 0,000 z + 1,23457E11  =  0"},
          {"   | -1E8|     |        |1234,567||", "   |0,000|  *  |  x  -  |   0,000||  =  0",
           "   |0,000|     |        |   0,000||"}}},
        {"Koeffizienten negativ", {"0", "0", "1234,567"}, {"10000", "0", "0"}, {"0", "10000", "0"},
         {{"   0,000 x + 0,000 y + 1E8 z + (-1,23E11)  =  0"}}},
    };
    for (const Ebenenfall& f : faelle) {
        SCOPED_TRACE(f.name);
        ProgrammStart();
        SetzeEbene(1, f.S, f.u, f.v);
        const Zeilen& z = Bericht(34);
        for (const Zeilen& folge : f.folgen) EXPECT_TRUE(EnthaeltFolge(z, folge)) << folge.front();
    }
}

TEST_F(Ebenenberichte, ZweiEbenen) {
    // The same plane spanned otherwise.
    SetzeEbene(2, {"0", "-2", "0"}, {"8", "2", "-2"}, {"4", "2", "0"});
    EXPECT_EQ(Bericht(118).back(), "E1 und E2 sind identisch");
    SetzeEbene(1, {"0", "0", "0"}, {"1", "0", "0"}, {"0", "1", "0"});
    SetzeEbene(2, {"0", "0", "3"}, {"1", "0", "0"}, {"0", "1", "0"});
    const Zeilen& z = Bericht(118);
    EXPECT_EQ(Zeilen(z.end() - 3, z.end()),
              (Zeilen{"   ", "E1 und E2 sind parallel zueinander.", "Der Abstand zwischen E1 und E2 ist 3,000 LE"}));
    SetzeEbene(2, {"0", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1"});
    const Zeilen& s = Bericht(118);
    EXPECT_TRUE(EnthaeltFolge(s, {"Eine Parameterdarstellung der Schnittgeraden sg von E1 und E2:", "   "}));
    EXPECT_TRUE(EnthaeltFolge(s, {"Größe des Winkels zwischen E1 und E2:", "     90,000°"}));
}

TEST_F(Ebenenberichte, AlterBerichtZuE1) {
    const Zeilen& z = Bericht(5);
    EXPECT_EQ(ErgebnisAuswahl, 5);
    ASSERT_GE(z.size(), 3u);
    EXPECT_EQ(Zeilen(z.begin(), z.begin() + 3), (Zeilen{"   ", "Eine Parameterdarstellung von E1:", "   "}));
    EXPECT_EQ(z[3], "               |4,000|        |4,000|        |-4,000|");
    EXPECT_EQ(z[4], "     E1:   x = |0,000|  + k * |2,000|  + r * | 0,000|");
    const auto zaehle = [&z](const std::string& anfang) {
        return std::count_if(z.begin(), z.end(), [&](const std::string& l) { return l.rfind(anfang, 0) == 0; });
    };
    EXPECT_EQ(zaehle("Eine Parameterdarstellung der Spurgeraden") + zaehle("Eine Spurgerade zu"), 3);
    EXPECT_EQ(zaehle("Eine Koordinatendarstellung") + zaehle("Eine Normalenform") +
                  zaehle("Größe des Winkels zwischen den Richtungsvektoren"),
              0);
    EXPECT_TRUE(EnthaeltFolge(z, {"Durchstoßpunkt y-Achse - E1:", "     (0,000/ -2,000/ 0,000)"}));
    EXPECT_TRUE(EnthaeltFolge(z, {"von E1 in der x, y-Ebene:", "   ", "                    | 0,800|        |0,894|",
                                  "     spE1_xy:   x = |-1,600|  + k * |0,447|"}));
    EXPECT_TRUE(EnthaeltFolge(z, {"Größe des Winkels zwischen E1 und der z-Achse:", "     41,810°"}));
}

}  // namespace
