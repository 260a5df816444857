// Drawing of the frame of reference: axes cross, ticks, grid walls, axis
// numbers and vanishing segments.
#include <string>
#include <vector>

#include "view3d/ObjektGeometrie.h"
#include "view3d/Achsen.h"
#include "view3d/AchsenZeichnen.h"
#include "view3d/Bildtest.h"
#include "scene/DrehZustand.h"
#include "view3d/Projektion.h"

namespace {

class Rahmen : public Bildtest {
protected:
    void SetUp() override {
        Bildtest::SetUp();
        AllesAus();
    }
    // The strokes of one redraw.
    std::vector<ProtokollZeichenflaeche::Strecke> Zeichne() {
        bild.Leeren();
        SzeneZeichnen();
        return bild.Strecken();
    }
    std::vector<TPoint> Ecken(std::initializer_list<int> k) const {
        std::vector<TPoint> p;
        for (int i : k) p.push_back(Pixel(MaxQuader.Ecke[i]));
        return p;
    }
};

TEST_F(Rahmen, AchsenkreuzBreiteUndReihenfolge) {
    AchsenZeigen = true;
    AchsenKreuz.Farbe = 0x00AA0000;
    AchsenKreuz.Linienstil = psSolid;
    const auto s = Zeichne();
    ASSERT_EQ(s.size(), 16u);  // 3 axes, 6 arrow strokes, 7 letter strokes
    for (std::size_t i = 0; i < s.size(); ++i) {
        EXPECT_EQ(s[i].pen.Color, 0x00AA0000u);
        EXPECT_EQ(s[i].pen.Width, i < 9 ? 2 : 1) << i;
    }
    // The x-axis first; its arrow meets the axis end; the letters last.
    const auto& P = AchsenKreuz.Achsenpunkte;
    EXPECT_EQ(s[0].von, Pixel(P[1]));
    EXPECT_EQ(s[4].von, s[0].bis);
    EXPECT_EQ(s[4].von, Pixel(P[8]));
    EXPECT_EQ(s[15].bis, Pixel(P[27]));
}

TEST_F(Rahmen, StricheBleibenSchwarz) {
    AchseneinteilungZeigen = true;
    AchsenKreuz.Farbe = 0x000000FF;
    AchsenKreuz.Linienstil = psDot;
    const auto s = Zeichne();
    ASSERT_EQ(s.size(), 24u);
    for (const auto& e : s) EXPECT_EQ(e.pen, (TPen{0, 1, psDot}));
    // x, y, z of tick 1 first.
    EXPECT_EQ(s[0].von, Pixel(AchsenEinteilung.XStrichAnfang[1]));
    EXPECT_EQ(s[1].von, Pixel(AchsenEinteilung.YStrichAnfang[1]));
    EXPECT_EQ(s[2].bis, Pixel(AchsenEinteilung.ZStrichEnde[1]));
}

TEST_F(Rahmen, WaendeErstGefuelltDannGegittert) {
    GitterZeigen = true;
    RandLinienStil = psSolid;
    NetzLinienStil = psDot;
    MaxQuader.FarbeGitterwaende = 0x00E0E0E0;
    SzeneZeichnen();

    // Default walls 1, 2, 5 are filled in the order 1, 5, 2, without outline.
    const auto f = bild.Alle(Art::Polygon);
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0].punkte, Ecken({1, 2, 3, 4}));  // floor A B C D
    EXPECT_EQ(f[1].punkte, Ecken({1, 4, 8, 5}));  // left A D H E
    EXPECT_EQ(f[2].punkte, Ecken({4, 3, 7, 8}));  // back D C G H
    for (const auto& e : f) {
        EXPECT_EQ(e.brush.Color, 0x00E0E0E0u);
        EXPECT_EQ(e.brush.Style, bsSolid);
        EXPECT_EQ(e.pen.Style, psClear);
    }
    EXPECT_LT(Letzter(Art::Polygon), Erster(Art::LineTo));

    // Four parts per edge: 5 lines each way per wall, outer ones as borders.
    const auto s = bild.Strecken();
    ASSERT_EQ(s.size(), 30u);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::size_t k = i % 5;
        EXPECT_EQ(s[i].pen, (TPen{0, 1, (k == 0 || k == 4) ? psSolid : psDot})) << i;
    }
    EXPECT_EQ(s[0].von, Pixel(MaxQuader.Ecke[1]));  // the floor's grid first
}

TEST_F(Rahmen, GitterOhneTeilungZeigtNurDieRaender) {
    GitterZeigen = true;
    RandLinienStil = psSolid;
    NetzLinienStil = psDot;
    for (int n : {1, 0, -3}) {
        AnzGitterLinien = n;
        const auto s = Zeichne();
        EXPECT_EQ(bild.Anzahl(Art::Polygon), 3) << n;  // the fills stay
        // Four edges per wall; a negative count draws no grid lines.
        ASSERT_EQ(s.size(), n < 0 ? 0u : 12u) << n;
        for (const auto& e : s) EXPECT_EQ(e.pen.Style, psSolid) << n;
    }
}

TEST_F(Rahmen, VerdecktModusFuellungenUndZahlenSofort) {
    VerdeckteLinien = true;
    GitterwaendeZeichnen(MaxQuader);
    AchsenwerteZeichnen(MaxQuader);
    AKreuzZeichnen(AchsenKreuz);
    AchseneinteilungenZeichnen(AchsenEinteilung);
    FluchtstreckenZeichnen();
    EXPECT_EQ(bild.Anzahl(Art::Polygon), 3);
    EXPECT_EQ(bild.Anzahl(Art::TextOut), 9);
    EXPECT_EQ(bild.Anzahl(Art::Ellipse), 3);
    EXPECT_TRUE(bild.Strecken().empty());
    // 30 grid lines, 16 strokes of the cross, 24 ticks, 12 edges and 8
    // vanishing segments wait for the pass.
    EXPECT_EQ(StreckenAnzahl, 30 + 16 + 24 + 12 + 8);
}

TEST_F(Rahmen, AchsenwerteGanzzahligAnDenKanten) {
    AchsenwerteZeigen = true;
    FarbeHintergrund = 0x00F0F8FF;
    SzeneZeichnen();
    EXPECT_EQ(bild.Texte(), (std::vector<std::string>{"-8", "0", "8", "-8", "0", "8", "-8", "0", "8"}));
    const auto t = bild.Alle(Art::TextOut);
    ASSERT_EQ(t.size(), 9u);
    const TVek_R2 a = BildpunktPixel(MaxQuader.Ecke[1]);
    // Upper-left corner 15 to the left of A and 5 below it (y counts upward).
    EXPECT_EQ(t[0].punkte[0], (TPoint{PixelRunden(a.x - 15), PixelRunden(a.y + 5)}));
    const TVek_R2 g = BildpunktPixel(MaxQuader.Ecke[7]);
    EXPECT_EQ(t[8].punkte[0], (TPoint{PixelRunden(g.x + 5), PixelRunden(g.y - 5)}));
    for (const auto& e : t) EXPECT_TRUE(e.brush.Color == 0x00F0F8FFu && e.brush.Style == bsSolid);
    // Circles of radius 3 about the midpoints of AB, BC, CG.
    const auto k = bild.Alle(Art::Ellipse);
    ASSERT_EQ(k.size(), 3u);
    const TVek_R2 m = BildpunktPixel(MaxQuader.Kantenmitten[2]);
    EXPECT_EQ(k[1].punkte[0], (TPoint{PixelRunden(m.x - 3), PixelRunden(m.y + 3)}));

    AchsenHalbLaenge = 10;
    MassstabSetzen();
    AKreuzBerechnen(AchsenKreuz);
    MaxQuaderBerechnen();
    Zeichne();
    const auto z = bild.Texte();
    ASSERT_EQ(z.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(z.begin(), z.begin() + 3), (std::vector<std::string>{"-10", "0", "10"}));
    // The box follows the axis length.
    ErwartePunkt(MaxQuader.Ecke[7], 10, 10, 10);
}

TEST_F(Rahmen, FluchtstreckenVonJederEckeZumAugpunkt) {
    DrehungErfolgt = 1;  // a rotation happened: the box still gets no rotation segment
    DrehstreckenZeigen = true;
    DrehstreckeFarbe = 0x00123123;
    FluchtstreckenFarbe = 0x00000080;
    FluchtstreckenBreite = 1;
    FluchtstreckenStil = psDot;
    FluchtstreckenZeichnen();
    EXPECT_FALSE(MaxQuaderWirdGezeichnet);
    EXPECT_EQ(bild.StreckenMitFarbe(0x00123123), 0);
    EXPECT_EQ(bild.StreckenMitFarbe(MaxQuader.Farbe), 12);
    std::vector<ProtokollZeichenflaeche::Strecke> flucht;
    for (const auto& s : bild.Strecken())
        if (s.pen.Color == 0x00000080u) flucht.push_back(s);
    ASSERT_EQ(flucht.size(), 8u);
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(flucht[k - 1].von, Pixel(MaxQuader.Ecke[k])) << k;
        EXPECT_EQ(flucht[k - 1].pen.Style, psDot);
    }
}

}  // namespace
