#include <gtest/gtest.h>

#include "mainwindow/Hauptfenster.h"
#include "mainwindow/Schalter.h"
#include "scene/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "view3d/Achsen.h"
#include "view3d/Ansicht.h"
#include "view3d/Projektion.h"

namespace {

void ErwartePunkt(TVek_R3 P, Extended x, Extended y, Extended z) {
    EXPECT_NEAR(static_cast<double>(P.x), static_cast<double>(x), 1e-15);
    EXPECT_NEAR(static_cast<double>(P.y), static_cast<double>(y), 1e-15);
    EXPECT_NEAR(static_cast<double>(P.z), static_cast<double>(z), 1e-15);
}

// Distinct half-lengths, so that a mixed-up axis shows.
void Halblaengen(int X, int Y, int Z, Extended L) {
    AnsichtNullen();
    SzeneObjekteNullen();
    AchseXMax = X;
    AchseYMax = Y;
    AchseZMax = Z;
    Pfeillaenge = L;
}

}  // namespace

TEST(Achsen, AchsenKreuz) {
    Halblaengen(8, 4, 12, 0.25L);
    const Extended L = 0.25L;
    FarbeAchsen = 0x00123456;
    AchsenKreuz.UrsprungX = 300;
    AchsenKreuz.UrsprungY = 200;
    AchsenKreuz.Linienstil = 2;
    AKreuzBerechnen(AchsenKreuz);
    const auto& p = AchsenKreuz.Achsenpunkte;
    ErwartePunkt(p[1], -8, 0, 0);
    ErwartePunkt(p[2], 8, 0, 0);
    ErwartePunkt(p[3], 0, -4, 0);
    ErwartePunkt(p[4], 0, 4, 0);
    ErwartePunkt(p[5], 0, 0, -12);
    ErwartePunkt(p[6], 0, 0, 12);
    // Each arrow tip is its axis end, stored twice.
    EXPECT_EQ(p[8], p[2]);
    EXPECT_EQ(p[11], p[4]);
    EXPECT_EQ(p[14], p[6]);
    // Barbs: x and z in the x,z-plane, y in the y,z-plane.
    ErwartePunkt(p[7], 8 - 2 * L, 0, -2 * L);
    ErwartePunkt(p[9], 8 - 2 * L, 0, 2 * L);
    ErwartePunkt(p[10], 0, 4 - 2 * L, -2 * L);
    ErwartePunkt(p[12], 0, 4 - 2 * L, 2 * L);
    ErwartePunkt(p[13], -2 * L, 0, 12 - 2 * L);
    ErwartePunkt(p[15], 2 * L, 0, 12 - 2 * L);
    // Letters beyond the tips.
    ErwartePunkt(p[16], 8 + 2 * L, 0, 2 * L);
    ErwartePunkt(p[17], 8 + 5 * L, 0, -2 * L);
    ErwartePunkt(p[19], 8 + 2 * L, 0, -2 * L);
    ErwartePunkt(p[21], 0, 4 + 3.5L * L, 0);
    ErwartePunkt(p[22], 0, 4 + 5 * L, 2 * L);
    ErwartePunkt(p[24], -2 * L, 0, 12 + 5 * L);
    ErwartePunkt(p[27], 2 * L, 0, 12 + 2 * L);
    EXPECT_EQ(AchsenKreuz.Farbe, 0x00123456u);
    EXPECT_EQ(AchsenKreuz.Linienstil, 0);
    // The picture origin belongs to the layout.
    EXPECT_EQ(AchsenKreuz.UrsprungX, 300);
    EXPECT_EQ(AchsenKreuz.UrsprungY, 200);
}

TEST(Achsen, Einteilung) {
    Halblaengen(8, 4, 12, 0.16L);
    const TVek_R3 marke{99, 99, 99};
    AchsenEinteilung.XStrichAnfang[9] = marke;
    AchsenEinteilung.ZStrichEnde[10] = marke;
    AchseneinteilungenBerechnen(AchsenEinteilung);
    const auto& E = AchsenEinteilung;
    // -1..-4 then 1..4 quarters of the half-length; none at the origin.
    const int m[9] = {0, -1, -2, -3, -4, 1, 2, 3, 4};
    for (int i = 1; i <= 8; ++i) {
        ErwartePunkt(E.XStrichAnfang[i], m[i] * 2, 0, 0.16L);
        ErwartePunkt(E.XStrichEnde[i], m[i] * 2, 0, -0.16L);
        ErwartePunkt(E.YStrichAnfang[i], 0, m[i] * 1, -0.16L);
        ErwartePunkt(E.YStrichEnde[i], 0, m[i] * 1, 0.16L);
        ErwartePunkt(E.ZStrichAnfang[i], -0.16L, 0, m[i] * 3);
        ErwartePunkt(E.ZStrichEnde[i], 0.16L, 0, m[i] * 3);
    }
    // The outermost ticks sit at the axis ends; the spare entries stay.
    EXPECT_EQ(E.XStrichAnfang[8].x, 8);
    EXPECT_EQ(E.XStrichAnfang[4].x, -8);
    EXPECT_EQ(E.ZStrichEnde[8].z, 12);
    EXPECT_EQ(E.XStrichAnfang[9], marke);
    EXPECT_EQ(E.ZStrichEnde[10], marke);
}

TEST(Achsen, MaxQuader) {
    Halblaengen(8, 4, 12, 0.16L);
    MaxQuaderFarbe = 0x00ABCDEF;
    MaxQuader.Linienstil = 2;
    MaxQuader.FarbeGitterwaende = 0x00F0F0F0;
    MaxQuaderBerechnen();
    const auto& e = MaxQuader.Ecke;
    ErwartePunkt(e[1], -8, -4, -12);  // A
    ErwartePunkt(e[2], 8, -4, -12);   // B
    ErwartePunkt(e[3], 8, 4, -12);    // C
    ErwartePunkt(e[4], -8, 4, -12);   // D
    ErwartePunkt(e[5], -8, -4, 12);   // E
    ErwartePunkt(e[6], 8, -4, 12);    // F
    ErwartePunkt(e[7], 8, 4, 12);     // G
    ErwartePunkt(e[8], -8, 4, 12);    // H
    ErwartePunkt(MaxQuader.AB, 16, 0, 0);
    ErwartePunkt(MaxQuader.AD, 0, 8, 0);
    ErwartePunkt(MaxQuader.AE, 0, 0, 24);
    ErwartePunkt(MaxQuader.Kantenmitten[1], 0, -4, -12);
    ErwartePunkt(MaxQuader.Kantenmitten[2], 8, 0, -12);
    ErwartePunkt(MaxQuader.Kantenmitten[3], 8, 4, 0);
    EXPECT_EQ(MaxQuader.Linienstil, 0);
    EXPECT_EQ(MaxQuader.Farbe, 0x00ABCDEFu);
    EXPECT_EQ(MaxQuader.FarbeGitterwaende, 0x00F0F0F0u);  // the wall colour is the user's
}

TEST(Achsen, AusDemMassstab) {
    // The frame follows the axis length set with the scale.
    AnsichtNullen();
    SzeneObjekteNullen();
    Form_Edits_01 = TForm_Edits_01{};
    AchsenHalbLaenge = 10;
    BildSeite = 600;
    MassstabSetzen();
    AKreuzBerechnen(AchsenKreuz);
    AchseneinteilungenBerechnen(AchsenEinteilung);
    MaxQuaderBerechnen();
    ErwartePunkt(AchsenKreuz.Achsenpunkte[7], 10 - 0.4L, 0, -0.4L);
    ErwartePunkt(AchsenEinteilung.YStrichAnfang[5], 0, 2.5L, -0.2L);
    ErwartePunkt(MaxQuader.Ecke[7], 10, 10, 10);
    ErwartePunkt(MaxQuader.Ecke[1], -10, -10, -10);
}
