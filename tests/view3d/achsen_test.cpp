// The axes cross, its ticks and the box of the axes, computed with distinct
// half-lengths (8, 4, 12) so that a mixed-up axis shows.
#include "forms/Schalter.h"
#include "view3d/ObjektGeometrie.h"
#include "view3d/Achsen.h"
#include "view3d/Bildtest.h"

namespace {

void Halblaengen(Extended L) {
    AnsichtNullen();
    SzeneObjekteNullen();
    AchseXMax = 8;
    AchseYMax = 4;
    AchseZMax = 12;
    Pfeillaenge = L;
}

TEST(Achsen, AchsenKreuz) {
    Halblaengen(0.25L);  // barbs 2L = 0.5
    FarbeAchsen = 0x00123456;
    AchsenKreuz.UrsprungX = 300;
    AchsenKreuz.Linienstil = 2;
    AKreuzBerechnen(AchsenKreuz);
    // Axis ends; each arrow tip is its axis end again; barbs of x and z in
    // the x,z-plane, of y in the y,z-plane; letters beyond the tips.
    const struct {
        int k;
        TVek_R3 P;
    } Soll[] = {{1, {-8, 0, 0}},       {2, {8, 0, 0}},       {3, {0, -4, 0}},       {4, {0, 4, 0}},
                {5, {0, 0, -12}},      {6, {0, 0, 12}},      {8, {8, 0, 0}},        {11, {0, 4, 0}},
                {14, {0, 0, 12}},      {7, {7.5L, 0, -0.5L}}, {9, {7.5L, 0, 0.5L}}, {10, {0, 3.5L, -0.5L}},
                {12, {0, 3.5L, 0.5L}}, {13, {-0.5L, 0, 11.5L}}, {15, {0.5L, 0, 11.5L}}, {16, {8.5L, 0, 0.5L}},
                {17, {9.25L, 0, -0.5L}}, {19, {8.5L, 0, -0.5L}}, {21, {0, 4.875L, 0}}, {22, {0, 5.25L, 0.5L}},
                {24, {-0.5L, 0, 13.25L}}, {27, {0.5L, 0, 12.5L}}};
    for (const auto& s : Soll) EXPECT_TRUE(Nahe(AchsenKreuz.Achsenpunkte[s.k], s.P, 1e-15L)) << s.k;
    EXPECT_EQ(AchsenKreuz.Farbe, 0x00123456u);
    EXPECT_EQ(AchsenKreuz.Linienstil, 0);
    EXPECT_EQ(AchsenKreuz.UrsprungX, 300);  // the picture origin belongs to the layout
}

TEST(Achsen, EinteilungUndQuader) {
    Halblaengen(0.16L);
    const TVek_R3 marke{99, 99, 99};
    AchsenEinteilung.XStrichAnfang[9] = marke;
    AchsenEinteilung.ZStrichEnde[10] = marke;
    AchseneinteilungenBerechnen(AchsenEinteilung);
    const auto& E = AchsenEinteilung;
    // -1..-4 then 1..4 quarters of the half-length (the outermost at the
    // axis ends); none at the origin; the spare entries stay.
    const int m[9] = {0, -1, -2, -3, -4, 1, 2, 3, 4};
    for (int i = 1; i <= 8; ++i) {
        ErwartePunkt(E.XStrichAnfang[i], m[i] * 2, 0, 0.16L, 1e-15L);
        ErwartePunkt(E.XStrichEnde[i], m[i] * 2, 0, -0.16L, 1e-15L);
        ErwartePunkt(E.YStrichAnfang[i], 0, m[i] * 1, -0.16L, 1e-15L);
        ErwartePunkt(E.YStrichEnde[i], 0, m[i] * 1, 0.16L, 1e-15L);
        ErwartePunkt(E.ZStrichAnfang[i], -0.16L, 0, m[i] * 3, 1e-15L);
        ErwartePunkt(E.ZStrichEnde[i], 0.16L, 0, m[i] * 3, 1e-15L);
    }
    EXPECT_EQ(E.XStrichAnfang[9], marke);
    EXPECT_EQ(E.ZStrichEnde[10], marke);

    MaxQuaderFarbe = 0x00ABCDEF;
    MaxQuader.Linienstil = 2;
    MaxQuader.FarbeGitterwaende = 0x00F0F0F0;
    MaxQuaderBerechnen();
    // A B C D below, E F G H above.
    const int sx[8] = {-1, 1, 1, -1, -1, 1, 1, -1}, sy[8] = {-1, -1, 1, 1, -1, -1, 1, 1};
    for (int k = 1; k <= 8; ++k)
        ErwartePunkt(MaxQuader.Ecke[k], 8 * sx[k - 1], 4 * sy[k - 1], k <= 4 ? -12 : 12, 0);
    ErwartePunkt(MaxQuader.AB, 16, 0, 0, 0);
    ErwartePunkt(MaxQuader.AD, 0, 8, 0, 0);
    ErwartePunkt(MaxQuader.AE, 0, 0, 24, 0);
    ErwartePunkt(MaxQuader.Kantenmitten[1], 0, -4, -12, 0);
    ErwartePunkt(MaxQuader.Kantenmitten[2], 8, 0, -12, 0);
    ErwartePunkt(MaxQuader.Kantenmitten[3], 8, 4, 0, 0);
    EXPECT_EQ(MaxQuader.Linienstil, 0);
    EXPECT_EQ(MaxQuader.Farbe, 0x00ABCDEFu);
    EXPECT_EQ(MaxQuader.FarbeGitterwaende, 0x00F0F0F0u);  // the wall colour is the user's
}

}  // namespace
