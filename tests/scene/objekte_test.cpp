// Start state of the scene: attributes, visibility, untouched geometry, and
// that the program start puts back whatever an earlier test changed.

#include <gtest/gtest.h>

#include "dialogs/Kugeln.h"
#include "dialogs/Speicher.h"
#include "mainwindow/Hauptfenster.h"
#include "mainwindow/Programm.h"
#include "mainwindow/Schalter.h"
#include "reports/Ergebnisauswahl.h"
#include "scene/Objekte.h"
#include "view3d/Ansicht.h"
#include "view3d/DrehZustand.h"

namespace {

class Szenenstart : public ::testing::Test {
protected:
    void SetUp() override { FensterErzeugen(); }
};

TEST_F(Szenenstart, NurGUndE2SindSichtbar) {
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) {
        const bool soll = (nr == 1 || nr == 5);
        EXPECT_EQ(ObjektSichtbar(nr), soll ? 1 : 0) << "Objekt " << nr;
        EXPECT_EQ(Form_Edits_01.But_sichtb(nr).Down, soll) << "Knopf " << nr;
    }
    EXPECT_EQ(Gerade_g.sichtbar, 1);
    EXPECT_EQ(Ebene_E2.sichtbar, 1);
    EXPECT_EQ(Ebene_E1.sichtbar, 0);
}

TEST_F(Szenenstart, ObjektnummernTreffenIhreObjekte) {
    EXPECT_EQ(&ObjektSichtbar(3), &Gerade[3].sichtbar);
    EXPECT_EQ(&ObjektSichtbar(4), &Ebene[1].sichtbar);
    EXPECT_EQ(&ObjektSichtbar(6), &Spat[1].sichtbar);
    EXPECT_EQ(&ObjektSichtbar(13), &Vektor[4].sichtbar);
    EXPECT_EQ(&ObjektSichtbar(14), &Strecke[1].sichtbar);
    EXPECT_EQ(&ObjektSichtbar(21), &Punkt[4].sichtbar);
    EXPECT_EQ(&ObjektSichtbar(22), &Kugel[1].sichtbar);
    EXPECT_EQ(&ObjektSichtbar(29), &Kegel[4].sichtbar);
    EXPECT_EQ(&ObjektSichtbar(30), &Fadenkreuz.sichtbar);
    EXPECT_EQ(&Gerade_t, &Gerade[3]);
    EXPECT_EQ(&Ebene_E3, &Ebene[3]);
}

TEST_F(Szenenstart, StartattributeUndFarbtabelle) {
    EXPECT_EQ(Spat[1].Linienstil, 0);
    EXPECT_EQ(Spat[2].Linienstil, 2);
    EXPECT_EQ(Spat[3].Linienstil, 0);
    EXPECT_EQ(Spat[4].Linienstil, 0);
    // Colour 3 differs between the two colour rows of the table.
    EXPECT_EQ(Vektor[3].Farbe, 0x00000080u);
    EXPECT_EQ(Strecke[3].Farbe, 0x00000080u);
    EXPECT_EQ(Punkt[3].Farbe, 0x00000080u);
    EXPECT_EQ(Spat[3].Farbe, 0x00004080u);
    EXPECT_EQ(Kugel[3].Farbe, 0x00004080u);
    EXPECT_EQ(Kegel[3].Farbe, 0x00004080u);
    for (int i : {1, 2, 4}) {
        EXPECT_EQ(Vektor[i].Farbe, Spat[i].Farbe);
        EXPECT_EQ(Kugel[i].Farbe, Spat[i].Farbe);
    }
    EXPECT_EQ(Spat[2].Farbe, 0x00C8C864u);
    EXPECT_EQ(Gerade_t.Farbe, 0x00004080u);
    EXPECT_EQ(FarbeT, 0x00004080u);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(Spat[i].Stiftbreite, 1);
        EXPECT_EQ(Spat[i].StiftbreiteVektoren, 2);
        EXPECT_EQ(Spat[i].ErzeugendeZeigen, 0);
        EXPECT_EQ(Punkt[i].Stil, 2);
        EXPECT_EQ(Punkt[i].Stiftbreite, 2);
        EXPECT_EQ(Kugel[i].Breitenkreise, 12);
        EXPECT_EQ(Kugel[i].Laengenkreise, 24);
    }
    EXPECT_EQ(Fadenkreuz.Linienstil, 2);
    EXPECT_EQ(Fadenkreuz.Farbe, 0x0032C8C8u);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(Ebene[i].Stiftbreite, 2);
        EXPECT_EQ(Ebene[i].Netzlinien, 8);
        EXPECT_EQ(Ebene[i].WinkelQuadratSeite, 0.1L);
    }
    EXPECT_EQ(Ebene[3].Netzlinien, 0);  // the scratch plane gets no attributes
    EXPECT_EQ(FarbeLinienDialog, 0x000000FFu);
    EXPECT_EQ(DrehstreckeFarbe, 0x00DCC896u);
    EXPECT_EQ(StiftbreiteEbenenRichtungsvektoren, 3);
    EXPECT_EQ(StiftbreiteStuetzvektoren, 2);
}

// Before the first activation recomputes the scene, nothing but the start
// attributes is set: every point is still the origin.
TEST_F(Szenenstart, JederPunktIstVorDerAktivierungDerUrsprung) {
    for (int i = 1; i <= 3; ++i) {
        TGerade g = Gerade[i];
        g.Stiftbreite = 0;
        g.Linienstil = 0;
        g.sichtbar = 0;
        g.Farbe = 0;
        EXPECT_EQ(g, TGerade{}) << "Gerade " << i;
    }
    for (int i = 1; i <= 2; ++i) {
        TEbene e = Ebene[i];
        e.Linienstil = 0;
        e.Stiftbreite = 0;
        e.Darstellungsart = 0;
        e.Netzlinien = 0;
        e.WinkelQuadratSeite = 0;
        e.sichtbar = 0;
        EXPECT_EQ(e, TEbene{}) << "Ebene " << i;
    }
    for (int i = 1; i <= 4; ++i) {
        TSpat s = Spat[i];
        s.Linienstil = 0;
        s.Farbe = 0;
        s.Stiftbreite = s.StiftbreiteVektoren = 0;
        s.sichtbar = 0;
        EXPECT_EQ(s, TSpat{});
        TKugel k = Kugel[i];
        k.Farbe = 0;
        k.Breitenkreise = k.Laengenkreise = 0;
        k.Radius = 0;  // radii are dialog values, not points
        EXPECT_EQ(k, TKugel{});
        TKegel c = Kegel[i];
        c.Farbe = 0;
        c.Radius = c.Hoehe = 0;
        c.Speichen = c.Randstaerke = 0;
        EXPECT_EQ(c, TKegel{});
        TPunkt p = Punkt[i];
        p.Farbe = 0;
        p.Stiftbreite = 0;
        p.Stil = 0;
        EXPECT_EQ(p, TPunkt{});
        EXPECT_EQ(Vektor[i].Anfangspunkt, TVek_R3{});
        EXPECT_EQ(Vektor[i].Pfeil, (TFeld<TVek_R3, 1, 3>{}));
        EXPECT_EQ(Strecke[i].B, TVek_R3{});
    }
    EXPECT_EQ(Gerade_sg, TGerade{});
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(Projektionsgeraden[i], TGerade{});
        EXPECT_EQ(Spurgeraden[i], TGerade{});
    }
    EXPECT_EQ(AchsenEinteilung, TAchseneinteilungen{});
    EXPECT_EQ(AchsenKreuz.Achsenpunkte, (TFeld<TVek_R3, 1, 27>{}));
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(Kreis[i], TKreis{});
    EXPECT_EQ(Fadenkreuz.Mittelpunkt, TVek_R3{});
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

TEST_F(Szenenstart, StartwerteDerEinstellungen) {
    EXPECT_EQ(AchsenHalbLaenge, 8);
    EXPECT_EQ(SkFy, 1.0L);
    EXPECT_EQ(SkFz, 1.0L);
    EXPECT_EQ(ProjEbene, 1);
    EXPECT_EQ(Drehwinkel, 1.0L);
    EXPECT_EQ(DrehIntervall, 20);
    EXPECT_TRUE(DrehstreckenZeigen);
    EXPECT_TRUE(Urzustand);
    EXPECT_EQ(AnzGitterLinien, 4);
    EXPECT_EQ(NetzLinienStil, 2);
    EXPECT_EQ(RandLinienStil, 2);
    EXPECT_EQ(FluchtstreckenFarbe, 0x00000080u);
    EXPECT_TRUE(AchsenZeigen);
    EXPECT_FALSE(AchseneinteilungZeigen);
    EXPECT_TRUE(GitterZeigen);
    EXPECT_EQ(FarbeStuetzvektoren, 0x00C8C800u);
    EXPECT_EQ(GeradenFaktor, 1.0L);
    EXPECT_EQ(WuerfelFaktor, 1.0L);
    EXPECT_EQ(VektorSpeicher[0], TSpeicherVektor{});
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(VektorSpeicher[i], (TSpeicherVektor{"0", "0", "0"}));
}

}  // namespace
