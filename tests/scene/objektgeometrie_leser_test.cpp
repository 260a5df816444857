// The readers take exactly the cell texts (cut to 20 characters like the
// checks), copy colours and widths into lines and planes, and leave an
// object alone when a cell is no number.

#include <gtest/gtest.h>

#include "dialogs/Ebenen.h"
#include "dialogs/Geraden_t.h"
#include "dialogs/Kegel.h"
#include "dialogs/Strecken.h"
#include "geometry/Eingabe.h"
#include "mainwindow/Hauptfenster.h"
#include "scene/ObjektGeometrie.h"
#include "view3d/Ansicht.h"

namespace {

void Spalte(TStringGrid& G, int c, const char* x, const char* y, const char* z) {
    G.Cells(c, 1) = x;
    G.Cells(c, 2) = y;
    G.Cells(c, 3) = z;
}

class ObjektLeser : public ::testing::Test {
protected:
    void SetUp() override {
        SzeneObjekteNullen();
        AchseXMax = AchseYMax = AchseZMax = 8;
        Pfeillaenge = 8.0L / 50;
    }
    void TearDown() override {
        SzeneObjekteNullen();
        AnsichtNullen();
    }
};

// 22 characters: the first 20 read 2.5, the whole text would be 250000.
const char* const Lang = "2,500000000000000000E5";

}  // namespace

TEST_F(ObjektLeser, GeradenLesenZellenUndAttribute) {
    FarbeG = 0x000000AA;
    FarbeH = 0x0000BB00;
    FarbeT = 0x00CC0000;
    FarbeLinienDialog = 0x000000FF;
    StiftbreiteStuetzvektoren = 2;
    Gerade[1].Stiftbreite = 3;
    Gerade[3].Stiftbreite = 1;

    Spalte(Form_Geraden_t.StringGrid1, 0, "1,5", "-2", "0,125");
    Spalte(Form_Geraden_t.StringGrid1, 1, "-0,75", Lang, "1E2");
    ASSERT_TRUE(GeradeGAusDialog());
    EXPECT_EQ(Gerade[1].Stuetzvektor, (TVek_R3{1.5L, -2, 0.125L}));
    EXPECT_EQ(Gerade[1].Richtungsvektor, (TVek_R3{-0.75L, 2.5L, 100}));
    EXPECT_EQ(Gerade[1].Farbe, 0x000000AAu);
    EXPECT_EQ(Gerade[1].FarbeRichtungsvektor, 0x000000AAu);
    EXPECT_EQ(Gerade[1].FarbeStuetzvektor, 0x000000FFu);
    EXPECT_EQ(Gerade[1].StiftbreiteVektor, 5);
    EXPECT_EQ(Gerade[1].StiftbreiteStuetzvektor, 2);

    // Whatever the checks accept, the reader reads the same number.
    Extended v = 0;
    ASSERT_TRUE(ZelleLesen(Lang, v));
    EXPECT_EQ(Gerade[1].Richtungsvektor.y, v);

    // t takes its own grid and FarbeT, h is left alone.
    Spalte(Form_Geraden_t.StringGrid3, 0, "0", "0", "0");
    Spalte(Form_Geraden_t.StringGrid3, 1, "0", "1", "0");
    ASSERT_TRUE(GeradeTAusDialog());
    EXPECT_EQ(Gerade[3].Richtungsvektor, (TVek_R3{0, 1, 0}));
    EXPECT_EQ(Gerade[3].Farbe, 0x00CC0000u);
    EXPECT_EQ(Gerade[3].StiftbreiteVektor, 3);
    EXPECT_EQ(Gerade[2], TGerade{});

    // A cell that is no number (or unfinished) changes nothing, not even
    // the cells before it or the colours.
    const TGerade vorher = Gerade[1];
    FarbeG = 0x00111111;
    Form_Geraden_t.StringGrid1.Cells(1, 3) = "-";
    EXPECT_FALSE(GeradeGAusDialog());
    Form_Geraden_t.StringGrid1.Cells(1, 3) = "1.5";
    EXPECT_FALSE(GeradeGAusDialog());
    EXPECT_EQ(Gerade[1], vorher);
}

TEST_F(ObjektLeser, EbenenLesenZellenUndAttribute) {
    FarbeE1 = 0x00010203;
    FarbeE2 = 0x00040506;
    FarbeLinienDialog = 0x000000FF;
    StiftbreiteEbenenRichtungsvektoren = 3;
    StiftbreiteStuetzvektoren = 2;
    Ebene[2].Linienstil = 2;

    TStringGrid& G = Form_Ebenen.StringGrid2;
    Spalte(G, 0, "1", "2", "3");
    Spalte(G, 1, "1", "0", "-0,5");
    Spalte(G, 2, "0", Lang, "4");
    ASSERT_TRUE(EbeneE2AusDialog());
    const TEbene& E = Ebene[2];
    EXPECT_EQ(E.Stuetzvektor, (TVek_R3{1, 2, 3}));
    EXPECT_EQ(E.Richtungsvektor1, (TVek_R3{1, 0, -0.5L}));
    EXPECT_EQ(E.Richtungsvektor2, (TVek_R3{0, 2.5L, 4}));
    EXPECT_EQ(E.Farbe, 0x00040506u);
    EXPECT_EQ(E.FarbeRichtungsvektor1, 0x00040506u);
    EXPECT_EQ(E.FarbeRichtungsvektor2, 0x00040506u);
    EXPECT_EQ(E.FarbeStuetzvektor, 0x000000FFu);
    EXPECT_EQ(E.StiftbreiteRichtungsvektoren, 3);
    EXPECT_EQ(E.StiftbreiteStuetzvektor, 2);
    EXPECT_EQ(E.Linienstil, 2);  // not the reader's
    EXPECT_EQ(Ebene[1], TEbene{});

    const TEbene vorher = Ebene[2];
    G.Cells(2, 3) = "";
    EXPECT_FALSE(EbeneE2AusDialog());
    EXPECT_EQ(Ebene[2], vorher);
}

TEST_F(ObjektLeser, StreckeUndKegelLesen) {
    TStringGrid& S = Form_Strecken.Gitter(4);
    Spalte(S, 0, "-10000,5", "0", "1");
    Spalte(S, 1, "3", Lang, "-0,001");
    ASSERT_TRUE(StreckeBerechnen(4));
    EXPECT_EQ(Strecke[4].A, (TVek_R3{-10000.5L, 0, 1}));
    EXPECT_EQ(Strecke[4].B, (TVek_R3{3, 2.5L, -0.001L}));

    TStringGrid& K = Form_Kegel.Gitter(2);
    Spalte(K, 0, "1", "2", "3");
    Spalte(K, 1, "0", "0", Lang);
    Kegel[2].Radius = 1;
    Kegel[2].Hoehe = 5;
    ASSERT_TRUE(KegelBerechnen(2));
    EXPECT_EQ(Kegel[2].Normalenvektor, (TVek_R3{0, 0, 2.5L}));
    EXPECT_EQ(Kegel[2].Spitze, (TVek_R3{1, 2, 8}));

    const TKegel vorher = Kegel[2];
    K.Cells(0, 1) = "1e";
    EXPECT_FALSE(KegelBerechnen(2));
    EXPECT_EQ(Kegel[2], vorher);
}

TEST_F(ObjektLeser, FarbPanels) {
    FarbeG = 1;
    FarbeH = 2;
    FarbeT = 3;
    FarbeE1 = 4;
    FarbeE2 = 5;
    Gerade[1].Farbe = 99;  // the panel of g follows FarbeG, not the line
    for (int i = 1; i <= 4; ++i) {
        Spat[i].Farbe = 5 + i;
        Vektor[i].Farbe = 9 + i;
        Strecke[i].Farbe = 13 + i;
        Punkt[i].Farbe = 17 + i;
        Kugel[i].Farbe = 21 + i;
        Kegel[i].Farbe = 25 + i;
    }
    Fadenkreuz.Farbe = 30;
    FarbPanelsSetzen();
    for (int Nr = 1; Nr <= 30; ++Nr)
        EXPECT_EQ(Form_Edits_01.Pan_Farbe(Nr).Color, static_cast<TColor>(Nr)) << Nr;
    EXPECT_EQ(Form_Edits_01.Pan_Farbe_Ke3.Color, 28u);
    EXPECT_EQ(Form_Edits_01.Pan_Farbe_F.Color, 30u);
}
