// The parameter equations in the picture: number texts, layout and their
// place at the very end of the redraw.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Bildtest.h"
#include "mainwindow/Schriftgroessen.h"
#include "platform/Zahltext.h"
#include "view3d/Gleichungen.h"

namespace {

class Gleichungen : public Bildtest {
protected:
    void SetUp() override {
        Bildtest::SetUp();
        SchriftGroessenSetzen();
        ParamDarstellungZeigen = true;
    }
    std::vector<ProtokollZeichenflaeche::Eintrag> Texte() const { return bild.Alle(Art::TextOut); }
    int TextIndex(const std::string& t) const {
        for (std::size_t i = 0; i < bild.Eintraege.size(); ++i)
            if (bild.Eintraege[i].art == Art::TextOut && bild.Eintraege[i].text == t) return static_cast<int>(i);
        return -1;
    }
};

TEST(GleichungsZahl, AchtZeichenMitVorzeichenplatz) {
    EXPECT_EQ(GleichungsZahlText(1), " 0001,00");
    EXPECT_EQ(GleichungsZahlText(-12.5L), "-0012,50");
    EXPECT_EQ(GleichungsZahlText(1234.567L), " 1234,56");  // third decimal cut, not rounded
    EXPECT_EQ(GleichungsZahlText(-0.004L), "-0000,00");
    EXPECT_EQ(GleichungsZahlText(9999.999L), " 9999,99");
    EXPECT_EQ(GleichungsZahlText(0), " 0000,00");
    EXPECT_EQ(GleichungsZahlText(12345), "12345,00");
    EXPECT_EQ(GleichungsZahlText(-10000.5L), "-10000,5");
    // Too large for the fixed form: shorter, with its exponent whole.
    for (Extended v : {123456789.0L, -98765432.0L, 1e12L}) {
        const std::string s = GleichungsZahlText(v);
        EXPECT_LE(s.size(), 8u) << s;
        Extended zurueck = 0;
        ASSERT_TRUE(ZahlLesen(s, zurueck)) << s;
        EXPECT_NEAR(static_cast<double>(zurueck / v), 1.0, 0.01) << s;
    }
}

TEST(GleichungsLayout, FolgtDerBildgroesse) {
    ProtokollZeichenflaeche b(824, 740);
    ZeichenbitmapEinsetzen ein(b);
    ProgrammStart();
    SchriftGroessenSetzen();
    EXPECT_EQ(b.Font.Height, -11);  // 8 points at 96 dpi for 1024 pixels
    EXPECT_EQ(GleichungsZeilenabstand, 22);
    EXPECT_DOUBLE_EQ(static_cast<double>(GleichungsTextMasse), 25.75);
    EXPECT_DOUBLE_EQ(static_cast<double>(GleichungHLinks), 463.5);
    EXPECT_DOUBLE_EQ(static_cast<double>(GleichungE2Links), 412.0);
    EXPECT_DOUBLE_EQ(static_cast<double>(GleichungEbenenOben), 630.0);
    EXPECT_EQ(BildSchriftHoehe(640), 8);   // 6 points
    EXPECT_EQ(BildSchriftHoehe(900), 9);   // 7 points
    EXPECT_EQ(BildSchriftHoehe(1280), 13); // 10 points
}

TEST_F(Gleichungen, TexteStellenUndKlammern) {
    Gerade_g.Farbe = 0x00112233;
    Gerade_h.Farbe = 0x00445566;
    ASSERT_EQ(Gerade_h.sichtbar, 0);  // written whatever the visibility
    ASSERT_EQ(Ebene_E1.sichtbar, 0);
    SzeneZeichnen();

    const auto t = Texte();
    ASSERT_EQ(t.size(), 40u);
    const std::vector<std::string> g = {"g: ... =", "-0005,00", "-0003,00", "-0002,00",
                                        "+ k *",    " 0003,00", " 0001,00", " 0001,00"};
    for (std::size_t i = 0; i < g.size(); ++i) EXPECT_EQ(t[i].text, g[i]);
    EXPECT_EQ(t[8].text, "h: ... =");
    EXPECT_EQ(t[12].text, "+   l  * ");
    EXPECT_EQ(t[16].text, "E1:...=");
    EXPECT_EQ(t[17].text, " 0004,00");
    EXPECT_EQ(t[20].text, " + r * ");
    EXPECT_EQ(t[21].text, " 0004,00");
    EXPECT_EQ(t[24].text, " + s* ");
    EXPECT_EQ(t[28].text, "E2:...=");
    EXPECT_EQ(t[32].text, " + t * ");
    EXPECT_EQ(t[36].text, " + u * ");

    // U = 25,75, L = 22, planes 630 lower; positions rounded half to even.
    EXPECT_EQ(t[0].punkte[0], (TPoint{26, 44}));
    EXPECT_EQ(t[1].punkte[0], (TPoint{103, 22}));
    EXPECT_EQ(t[3].punkte[0], (TPoint{103, 66}));
    EXPECT_EQ(t[4].punkte[0], (TPoint{180, 44}));
    EXPECT_EQ(t[5].punkte[0], (TPoint{232, 22}));
    EXPECT_EQ(t[8].punkte[0], (TPoint{489, 44}));
    EXPECT_EQ(t[9].punkte[0], (TPoint{566, 22}));  // 566,5
    EXPECT_EQ(t[16].punkte[0], (TPoint{26, 674}));
    EXPECT_EQ(t[17].punkte[0], (TPoint{82, 652}));
    EXPECT_EQ(t[28].punkte[0], (TPoint{438, 674}));

    // Every text, also those of h, E1 and E2, in the colour of g.
    for (const auto& e : t) EXPECT_EQ(e.font.Color, 0x00112233u) << e.text;

    // Brackets of g's support column: text "-2,000" is 40 wide, 11 high.
    const auto k = bild.Alle(Art::Polyline);
    ASSERT_EQ(k.size(), 20u);
    EXPECT_EQ(k[0].punkte, (std::vector<TPoint>{{106, 81}, {100, 81}, {100, 18}, {106, 18}}));
    EXPECT_EQ(k[1].punkte, (std::vector<TPoint>{{140, 81}, {146, 81}, {146, 18}, {140, 18}}));
    EXPECT_EQ(k[0].pen.Color, 0x00112233u);
    EXPECT_EQ(k[0].pen.Width, 1);
    EXPECT_EQ(k[0].pen.Style, psSolid);
}

TEST_F(Gleichungen, KoordinatensperreBlendetJeweilsAus) {
    KoordZeigenGeraden = false;
    SzeneZeichnen();
    auto t = Texte();
    ASSERT_EQ(t.size(), 24u);
    EXPECT_EQ(t[0].text, "E1:...=");
    EXPECT_EQ(TextIndex("g: ... ="), -1);

    KoordZeigenGeraden = true;
    KoordZeigenEbenen = false;
    bild.Leeren();
    SzeneZeichnen();
    t = Texte();
    ASSERT_EQ(t.size(), 16u);
    EXPECT_EQ(t[0].text, "g: ... =");
    EXPECT_EQ(TextIndex("E1:...="), -1);

    ParamDarstellungZeigen = false;
    KoordZeigenEbenen = true;
    bild.Leeren();
    SzeneZeichnen();
    EXPECT_TRUE(Texte().empty());
}

TEST_F(Gleichungen, StehenZuletztObenauf) {
    VerdeckteLinien = true;
    SpurModus = true;
    AchsenwerteZeigen = true;
    SzeneZeichnen();
    const int erste = TextIndex("g: ... =");
    ASSERT_GE(erste, 0);
    int letzteLinie = -1, ersteLinie = -1, letzteZahl = -1;
    for (int i = 0; i < static_cast<int>(bild.Eintraege.size()); ++i) {
        const auto& e = bild.Eintraege[i];
        if (e.art == Art::LineTo) {
            letzteLinie = i;
            if (ersteLinie < 0) ersteLinie = i;
        }
        if (e.art == Art::TextOut && i < erste) letzteZahl = i;
    }
    ASSERT_GE(letzteLinie, 0);
    EXPECT_LT(letzteLinie, erste);     // after the hidden-line pass
    ASSERT_GE(letzteZahl, 0);
    EXPECT_LT(letzteZahl, ersteLinie); // axis numbers lie under the queued lines
    EXPECT_EQ(bild.Anzahl(Art::FillRect), 0);
}

}  // namespace
