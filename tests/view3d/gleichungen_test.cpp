// The parameter equations in the picture: number texts, layout and their
// place at the very end of the redraw.
#include <string>
#include <utility>
#include <vector>

#include "view3d/Schriftgroessen.h"
#include "platform/Zahltext.h"
#include "view3d/Bildtest.h"
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
    // The third decimal is cut, not rounded.
    const std::pair<Extended, const char*> Faelle[] = {
        {1, " 0001,00"},          {-12.5L, "-0012,50"}, {1234.567L, " 1234,56"}, {-0.004L, "-0000,00"},
        {9999.999L, " 9999,99"}, {0, " 0000,00"},      {12345, "12345,00"},     {-10000.5L, "-10000,5"}};
    for (const auto& [v, text] : Faelle) EXPECT_EQ(GleichungsZahlText(v), text);
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
    // (The layout values show in the texts' places below.)
    EXPECT_EQ(b.Font.Height, -11);  // 8 points at 96 dpi for 1024 pixels
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
    const std::pair<int, const char*> weitere[] = {{8, "h: ... ="},  {12, "+   l  * "}, {16, "E1:...="},
                                                   {17, " 0004,00"}, {20, " + r * "},   {24, " + s* "},
                                                   {28, "E2:...="},  {32, " + t * "},   {36, " + u * "}};
    for (const auto& [i, text] : weitere) EXPECT_EQ(t[i].text, text) << i;

    // U = 25,75, L = 22, planes 630 lower; positions rounded half to even.
    const std::pair<int, TPoint> stellen[] = {{0, {26, 44}},   {1, {103, 22}},  {3, {103, 66}},
                                              {4, {180, 44}},  {5, {232, 22}},  {8, {489, 44}},
                                              {9, {566, 22}},  {16, {26, 674}}, {17, {82, 652}},
                                              {28, {438, 674}}};  // t[9] at 566,5
    for (const auto& [i, p] : stellen) EXPECT_EQ(t[i].punkte[0], p) << i;

    // Every text, also those of h, E1 and E2, in the colour of g.
    for (const auto& e : t) EXPECT_EQ(e.font.Color, 0x00112233u) << e.text;

    // Brackets of g's support column: its texts ("-0005,00") are 53 wide, 11 high.
    const auto k = bild.Alle(Art::Polyline);
    ASSERT_EQ(k.size(), 20u);
    EXPECT_EQ(k[0].punkte, (std::vector<TPoint>{{106, 81}, {100, 81}, {100, 18}, {106, 18}}));
    EXPECT_EQ(k[1].punkte, (std::vector<TPoint>{{153, 81}, {159, 81}, {159, 18}, {153, 18}}));
    EXPECT_EQ(k[0].pen, (TPen{0x00112233, 1, psSolid}));
}

TEST_F(Gleichungen, RechteKlammerSchliesstDenBreitestenText) {
    Gerade_g.Stuetzvektor = {-1234.5L, 0, 1e12L};  // z text "1E12" under "-1234,50"
    SzeneZeichnen();
    const auto t = Texte();
    const auto k = bild.Alle(Art::Polyline);
    ASSERT_TRUE(t.size() == 40u && k.size() == 20u);
    // Column c: texts from erster[c] on, right bracket k[2c + 1].
    const int erster[10] = {1, 5, 9, 13, 17, 21, 25, 29, 33, 37};
    for (int c = 0; c < 10; ++c)
        for (int i = erster[c]; i < erster[c] + 3; ++i)
            EXPECT_GE(k[2 * c + 1].punkte[0].X + 3, t[i].punkte[0].X + bild.TextWidth(t[i].text)) << t[i].text;
}

TEST_F(Gleichungen, KoordinatensperreBlendetJeweilsAus) {
    // The lines locked: only the planes' texts; the planes locked: only the
    // lines'; the switch off: none.
    struct Fall {
        bool geraden, ebenen;
        std::size_t n;
        const char *erste, *fehlt;
    };
    for (const Fall& f : {Fall{false, true, 24, "E1:...=", "g: ... ="}, Fall{true, false, 16, "g: ... =", "E1:...="}}) {
        KoordZeigenGeraden = f.geraden;
        KoordZeigenEbenen = f.ebenen;
        bild.Leeren();
        SzeneZeichnen();
        const auto t = Texte();
        ASSERT_EQ(t.size(), f.n);
        EXPECT_EQ(t[0].text, f.erste);
        EXPECT_EQ(TextIndex(f.fehlt), -1);
    }
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
