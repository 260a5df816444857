// The reports on lines: the report on g as a whole text for the start
// scene, and line by line where a report must choose: trace points and
// projections that do not exist, the position of two lines (skew ones with
// perpendicular directions too), of a line and a plane, and the older
// reports.

#include "Berichttest.h"

#include <array>
#include <functional>

#include "forms/Hauptfenster.h"
#include "reports/Berichtlayout.h"
#include "scene/Ansicht.h"

namespace {

using Geradenberichte = Berichttest;

TEST_F(Geradenberichte, StartszeneGanz) {
    EXPECT_EQ(Bericht(22), Text(R"(
Daten zur Geraden g:|
----------------------------|
   |
Eine Parameterdarstellung von g:|
   |
              |-5,000|        |3,000||
     g:   x = |-3,000|  + k * |1,000||
              |-2,000|        |1,000||
 |
Spurpunkte zu g:|
- - - - - - - -|
     mit der x,y-Ebene:|
       (1,000 / -1,000 / 0,000)|
     mit der x,z-Ebene:|
       (4,000 / 0,000 / 1,000)|
     mit der y,z-Ebene:|
       (0,000 / -1,333 / -0,333)|
 |
Projektionsgeraden zu g:|
- - - - - - - - - - - -|
bei einer Zentralprojektion mit dem|
Fluchtpunkt (40,000/ 80,000/ 30,000)|
 |
     auf E1:|
   |
                 |-10,526|        |5,726||
    pr_E1:   x = |-13,193|  + k * |5,726||
                 | -5,930|        |2,863||
   |
     auf E2-Ebene:|
   |
                 |-2,000|        | 0,000||
    pr_E2:   x = | 2,533|  + k * |-4,533||
                 | 0,133|        |-1,133||
   |
Größe des Schnittwinkels von g mit den Koordinatenebenen:|
---------------------------------------------|
     mit der x,y-Ebene:|
        17,548°|
     mit der x,z-Ebene:|
        -17,548°|
     mit der y,z-Ebene:|
        64,761°|
   |
Abstand von g zum Ursprungspunkt:|
--------------------------|
     d = 1,279 LE|
     zugehöriger Lotfußpunkt:|
        (0,455/ -1,182/ -0,182)|
)"));
    EXPECT_EQ(ErgebnisAuswahl, 22);
}

TEST_F(Geradenberichte, Randfaelle) {
    const struct {
        const char* name;
        std::function<void()> szene;
        Byte code;
        std::vector<Zeilen> folgen;
    } faelle[] = {
        {"parallel zur x,y-Ebene", [] { SetzeGerade(1, {"1", "2", "3"}, {"1", "1", "0"}); }, 22,
         {{"     mit der x,y-Ebene:", "       ex. nicht"}, {"     mit der x,y-Ebene:", "        0,000°"}}},
        {"identisch", [] { SetzeGerade(2, {"1", "-1", "0"}, {"-6", "-2", "-2"}); }, 25,
         {{"            identisch", " ", "Der Winkel zwischen den Richtungsvektoren",
           "von g und h hat die Größe   0,000°   .", " ", "Abstand zwischen g und h:", "               0,000 LE"}}},
        {"echt parallel", [] { SetzeGerade(3, {"0", "0", "5"}, {"3", "1", "1"}); }, 26,
         {{"            g ist echt parallel zu t"}, {"Abstand zwischen g und t:", "               5,117 LE"}}},
        {"h und t schneiden sich", [] { SetzeGerade(3, {"6", "-2", "1"}, {"1", "0", "0"}); }, 27,
         {{"            h und t schneiden sich im Punkte", "               (6,000/ -2,000/ 1,000)", " ",
           "Der Winkel zwischen h und t:", "von h und t hat die Größe   45,000°   .", " ",
           "Abstand zwischen h und t:", "               0 LE"}}},
        // Skew with u·w = 0: the feet of the common perpendicular exist.
        {"windschief und senkrecht",
         [] {
             SetzeGerade(1, {"0", "0", "0"}, {"1", "0", "0"});
             SetzeGerade(3, {"0", "0", "5"}, {"0", "2", "0"});
         },
         26,
         {{"von g und t hat die Größe   90,000°   .", " ", "Abstand zwischen g und t:", "               5,000 LE",
           "               ", "Die Lotfusspunkte sind:", "                (0,000/ 0,000/ 0,000)  auf g und",
           "                (0,000/ 0,000/ 5,000)  auf t.", "               ", "Die gemeinsame Lotgerade von g t ist",
           "                |0,000|           | 0,000|", "        l: x =  |0,000|    +  k * | 0,000|",
           "                |0,000|           |-5,000|"}}},
        {"g liegt in E2", [] { SetzeGerade(1, {"0", "0", "-1"}, {"4", "4", "0"}); }, 29,
         {{"Lagebeziehung g-E 2:", "     g liegt in E2", "     Abstand g-E 2:", "        d = 0,000 LE", "   ",
           "Größe des Winkels zwischen g-E 2:", "     0,000°"}}},
        {"senkrecht zu E1", [] { SetzeGerade(1, {"0", "0", "0"}, {"-1", "2", "-2"}); }, 28,
         {{"   ", "Durchstoßpunkt g-E 1:", "     (0,444/ -0,889/ 0,889)", "   ", "Größe des Winkels zwischen g-E 1:",
           "     90,000°"}}},
        // The older reports. A line perpendicular to the x,y-plane projects
        // onto it as a point, although it has projections onto E1 and E2.
        {"alt: Projektion zum Punkt", [] { SetzeGerade(1, {"1", "2", "3"}, {"0", "0", "1"}); }, 2,
         {{"- - - - - - - - - - - -", "     auf die x,y-Ebene:", "       ex. nicht", "   ", "     auf die x,z-Ebene:",
           "   ", "                 |1,000|        |0,000|", "     p_xz:   x = | 0,00|  + k * | 0,00|"}}},
        {"alt: t und g schneiden sich", [] { SetzeGerade(3, {"1", "-1", "0"}, {"0", "0", "1"}); }, 16,
         {{"Lagebeziehung zwischen t und g:", "            t und g schneiden sich im Punkte",
           "               (1,000/ -1,000/ 0,000)", " ", "Der Winkel zwischen t und g",
           "von t und g hat die Größe   72,452°", " ", " ", "Lagebeziehung zwischen t und h:"}}},
        {"alt: g liegt in E1", [] { SetzeGerade(1, {"4", "0", "0"}, {"4", "2", "0"}); }, 4,
         {{"Lagebeziehung g-E1:", "     g liegt in E1", "     Abstand g-E1:", "        d = 0,000 LE", "   ",
           "Durchstoßpunkt h-E1:"}}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        ProgrammStart();
        f.szene();
        const Zeilen& z = Bericht(f.code);
        EXPECT_EQ(ErgebnisAuswahl, f.code);
        for (const Zeilen& folge : f.folgen) EXPECT_TRUE(EnthaeltFolge(z, folge)) << folge.front();
    }
    // The older report on angles and distances repeats the new ones'.
    const Zeilen neu = Bericht(23), alt = Bericht(3);
    EXPECT_TRUE(EnthaeltFolge(alt, Zeilen(neu.end() - 14, neu.end() - 6)));
    EXPECT_TRUE(EnthaeltFolge(alt, Zeilen(neu.end() - 5, neu.end())));
}

TEST_F(Geradenberichte, ProjektionsartAendertNurIhreZeilen) {
    const Zeilen zentral = Bericht(22);
    Form_Edits_01.ZentralprojektionEinAus();  // rebuilds the open report
    const Zeilen& parallel = Form_Datenausgabe.Memo1.Lines;
    ASSERT_EQ(parallel.size(), zentral.size());
    // Lines 20 to 33 tell the projection; the rest stays.
    for (std::size_t i = 0; i < zentral.size(); ++i) {
        if (i < 20 || i > 33) {
            EXPECT_EQ(parallel[i], zentral[i]) << i;
        }
    }
    EXPECT_EQ(parallel[21], "Projektionsvektor " + Klammerpunkt(ProjRichtung));
    EXPECT_NE(parallel[26], zentral[26]);
    // Along the projection rays g projects to a point on both planes.
    const TVek_R3 r = ProjRichtung;
    SpaltenSetzen(Form_Geraden_t.Gitter(1), {{"1", "2", "3"}, {Zahl(r.x).c_str(), Zahl(r.y).c_str(), Zahl(r.z).c_str()}});
    SzeneNeuBerechnen();
    EXPECT_TRUE(EnthaeltFolge(Bericht(22), {"     auf E1:", "       ex. nicht", "   ", "     auf E2-Ebene:", "       ex. nicht"}));
}

// The report on a line rebuilt after a change is the report built afresh
// (another line's report in between leaves nothing of g's), line for line
// and in the column widths it leaves: after eye-point steps, which change
// only the projections, and after changes of g itself.
TEST_F(Geradenberichte, NeubauGleichtDemFrischenBericht) {
    using Breiten = std::array<int, 4>;
    const auto breiten = [] { return Breiten{Spaltenbreite[1], Spaltenbreite[2], Spaltenbreite[3], Spaltenbreite[4]}; };
    // Both builds start from the same widths, which are not the line's.
    const auto vorher = [] {
        for (int k = 1; k <= 4; ++k) Spaltenbreite[k] = 99;
    };
    const auto pruefen = [&](const char* fall) {
        SCOPED_TRACE(fall);
        vorher();
        const Zeilen neu = Bericht(22);
        const Breiten b = breiten();
        Bericht(23);
        vorher();
        EXPECT_EQ(neu, Bericht(22));
        EXPECT_EQ(b, breiten());
    };
    pruefen("Start");
    for (const char* y : {"81", "80", "-7"}) {
        Form_Edits_01.Edit_FP(2).SetText(y);
        pruefen(y);
    }
    // What the user typed into the memo goes with the next build, also
    // where the line's own parts are kept.
    Zeilen& memo = Form_Datenausgabe.Memo1.Lines;
    const Zeilen ganz = Bericht(22);
    for (const std::size_t i : {std::size_t{3}, std::size_t{21}, ganz.size() - 2}) {
        Bericht(22);
        memo[i] += " getippt";
        EXPECT_EQ(Bericht(22), ganz) << i;
    }
    Bericht(22);
    memo.pop_back();
    EXPECT_EQ(Bericht(22), ganz);
    memo.insert(memo.begin() + 22, "eingefuegt");
    EXPECT_EQ(Bericht(22), ganz);
    SetzeGerade(1, {"1", "2", "3"}, {"3", "1", "1"});
    pruefen("anderer Stuetzvektor");
    SetzeGerade(1, {"1", "2", "3"}, {"3", "1", "0"});
    pruefen("ohne Spurpunkt in der x,y-Ebene");
    SetzeGerade(1, {"4", "3", "3"}, {"3", "1", "0"});
    pruefen("gleiche Gerade, anderer Stuetzvektor");
    SetzeGerade(1, {"4", "3", "3"}, {"6", "2", "0"});
    pruefen("gleiche Gerade, anderer Richtungsvektor");
    // Along the projection rays: no projection writes the widths.
    const TVek_R3 r = ProjRichtung;
    Form_Edits_01.ZentralprojektionEinAus();
    SetzeGerade(1, {"1", "2", "3"}, {Zahl(r.x).c_str(), Zahl(r.y).c_str(), Zahl(r.z).c_str()});
    ASSERT_TRUE(EnthaeltFolge(Bericht(22), {"     auf E1:", "       ex. nicht", "   ", "     auf E2-Ebene:", "       ex. nicht"}));
    pruefen("ohne Projektionen");
}

}  // namespace
