// Start state of the scene: the object numbers, visibility, the table of
// start attributes, and that the program start puts back whatever an earlier
// test changed.

#include <gtest/gtest.h>

#include "forms/Kugeln.h"
#include "forms/Speicher.h"
#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "forms/Schalter.h"
#include "forms/Ergebnisauswahl.h"
#include "scene/Objekte.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"

namespace {

class Szenenstart : public ::testing::Test {
protected:
    void SetUp() override { FensterErzeugen(); }
};

TEST_F(Szenenstart, ObjektnummernUndNurGUndE2Sichtbar) {
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) {
        const bool soll = (nr == 1 || nr == 5);
        EXPECT_EQ(ObjektSichtbar(nr), soll ? 1 : 0) << "Objekt " << nr;
        EXPECT_EQ(Form_Edits_01.But_sichtb(nr).Down, soll) << "Knopf " << nr;
    }
}

TEST_F(Szenenstart, StartattributeUndFarbtabelle) {
    EXPECT_EQ(Spat[2].Linienstil, 2);   // the one dotted Spat
    // Colour 3 differs between the two colour rows of the table.
    for (TColor c : {Vektor[3].Farbe, Strecke[3].Farbe, Punkt[3].Farbe}) EXPECT_EQ(c, 0x00000080u);
    for (TColor c : {Spat[3].Farbe, Kugel[3].Farbe, Kegel[3].Farbe, Gerade_t.Farbe}) EXPECT_EQ(c, 0x00004080u);
    for (int i : {1, 2, 4}) {
        EXPECT_EQ(Vektor[i].Farbe, Spat[i].Farbe);
        EXPECT_EQ(Kugel[i].Farbe, Spat[i].Farbe);
    }
    EXPECT_EQ(Ebene[3].Netzlinien, 0);  // the scratch plane gets no attributes
    // Before the first activation nothing else is set.
    EXPECT_EQ(Gerade_g.Stuetzvektor, TVek_R3{});
    EXPECT_EQ(Kugel[1].Netz[0], TVek_R3{});
}

TEST(Programmstart, SetztVeraenderteZustaendeZurueck) {
    ProgrammStart();
    // What an earlier test might leave behind.
    Kugel[2].Netz[600] = {1, 2, 3};
    Gerade_h.sichtbar = 1;
    LageTextGH = "windschief";
    DrehAnzahl = 7;
    AchsenMitDrehen = true;
    Zentralprojektion = true;
    ErsteAktivierung = false;
    ErgebnisAuswahl = 42;
    VektorSpeicher[1].x = "9";
    MatrixSpeicher[2](1, 1) = 5;
    GitterWaende[3] = true;
    AktKugel = 4;
    Form_Kugeln.StringGrid1.Cells(1, 1) = "7";
    Form_Edits_01.But_sichtb_h.Down = true;
    NeuZeichnenAus = 1;

    ProgrammStart();
    EXPECT_EQ(Kugel[2].Netz[600], TVek_R3{});  // beyond the used mesh
    EXPECT_EQ(Gerade_h.sichtbar, 0);
    EXPECT_TRUE(LageTextGH.empty());
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_FALSE(AchsenMitDrehen);
    // The first activation has run again: central projection on.
    EXPECT_TRUE(Zentralprojektion);
    EXPECT_FALSE(ErsteAktivierung);
    EXPECT_EQ(ErgebnisAuswahl, 0);
    EXPECT_EQ(VektorSpeicher[1].x, "0");
    EXPECT_EQ(MatrixSpeicher[2], TMatrix33{});
    EXPECT_FALSE(GitterWaende[3]);
    EXPECT_TRUE(GitterWaende[1] && GitterWaende[2] && GitterWaende[5]);
    EXPECT_EQ(AktKugel, 1);
    EXPECT_EQ(Form_Kugeln.StringGrid1.Cells(1, 1), "4");
    EXPECT_FALSE(Form_Edits_01.But_sichtb_h.Down);
    EXPECT_EQ(NeuZeichnenAus, 0);
}

}  // namespace
