// Stored records back into the dialogs: the cells each field lands in, the
// values that go straight into the objects, and the dialogs' controls.

#include <limits>

#include "Szenenstand.h"

#include "mainwindow/Hauptfenster.h"
#include "scene/DatenInDialoge.h"
#include "scene/Datensatz.h"
#include "view3d/DrehZustand.h"

namespace {

using DatenInDialoge = Szenenstand;

TEST_F(DatenInDialoge, Satz1LandetInDenRichtigenZellen) {
    TObjektDatensatz d = DatensatzAusObjekten();
    d.Punkt[2] = {1.5L, -2.25L, 3};
    d.KugelMitte[3] = {7, 8, -9.0004L};
    d.KugelRadius[3] = 1.23456L;
    d.Spat[4].AE = {0.001L, 0, 1};
    d.E2Richtung2 = {-0.1234L, 2.5L, 0};
    const TVek_R3 MVorher = Kugel[3].Mittelpunkt;
    Objektdatensaetze[0] = d;
    DateiDatensatzInDialoge(0);

    const TStringGrid& P = Form_Punkte.StringGrid2;   // x, y, z in column 1, rows 0..2
    EXPECT_EQ(P.Cells(1, 0), "1,500");
    EXPECT_EQ(P.Cells(1, 1), "-2,250");
    EXPECT_EQ(P.Cells(1, 2), "3,000");
    EXPECT_EQ(P.Cells(0, 0), "x");
    const TStringGrid& K = Form_Kugeln.StringGrid3;   // centre in column 1, rows 1..3
    EXPECT_EQ(K.Cells(1, 1), "7,000");
    EXPECT_EQ(K.Cells(1, 3), "-9,000");
    EXPECT_EQ(K.Cells(1, 0), "Mittelp.");
    EXPECT_EQ(Form_Spate.StringGrid4.Cells(3, 1), "0,001");
    EXPECT_EQ(Form_Ebenen.StringGrid2.Cells(2, 1), "-0,123");
    EXPECT_EQ(Form_Ebenen.StringGrid2.Cells(2, 2), "2,500");
    EXPECT_EQ(Kugel[3].Radius, 1.23456L);
    // The file reader leaves the rebuild to the record 2 reader.
    EXPECT_EQ(Kugel[3].Mittelpunkt, MVorher);
}

TEST_F(DatenInDialoge, Satz2SetztObjekteUndDieSteuerungenDesGezeigtenObjekts) {
    AktGerade = 2;
    AktKegel = 4;
    AktPunkt = 4;
    AktKugel = 1;
    TObjektDatensatz2 d = Datensatz2AusObjekten();
    d.FadenkreuzMitte = {1, -1, 0.5L};
    d.GeradeSichtbar[1] = 1;          // g hidden
    d.EbeneSichtbar[1] = 0;           // E1 shown
    d.GeradeStiftbreite[2] = 3;
    d.GeradeStil[2] = 1;
    d.KegelHoehe[4] = 0;              // a circle
    d.Kegel[4].Radius = 1.23456L;
    d.Kegel[4].Speichen = 30;
    d.Kegel[4].Randdicke = 7;
    d.FadenkreuzStil = 0;
    d.SpatErzeugende[3] = 0;
    d.PunktFadenkreuz[4] = 0;
    d.KugelBreitenkreise[1] = 6;
    d.KugelLaengenkreise[1] = 8;
    d.FadenkreuzSchrittweite = 0.25L;
    Objektdatensaetze2[0] = d;
    NeuZeichnenAus = 1;
    DateiDatensatz2InDialoge(0);
    NeuZeichnenAus = 0;

    TForm_Edits_01& F = Form_Edits_01;
    EXPECT_EQ(Gerade[1].sichtbar, 0);
    EXPECT_FALSE(F.But_sichtb_g.Down);
    EXPECT_EQ(Ebene[1].sichtbar, 1);
    EXPECT_TRUE(F.But_sichtb_E1.Down);
    // The groups follow h, the line the dialog shows; g keeps its width.
    EXPECT_EQ(Form_Geraden_t.GroupStift.ItemIndex, 2);
    EXPECT_EQ(Form_Geraden_t.GroupStil.ItemIndex, 1);
    EXPECT_EQ(Gerade[2].Stiftbreite, 3);
    EXPECT_EQ(Gerade[2].Linienstil, 2);
    EXPECT_EQ(Gerade[1].Stiftbreite, 1);
    EXPECT_EQ(Form_Kegel.Edit_Hoehe.Text(), "0,000");
    EXPECT_EQ(Form_Kegel.Edit_Radius.Text(), "1,235");
    EXPECT_EQ(Kegel[4].Radius, 1.23456L);
    EXPECT_EQ(Form_Kegel.ComboBox1.Text, "30");
    EXPECT_EQ(Form_Kegel.ComboBox2.ItemIndex, 6);
    EXPECT_EQ(Form_Fadenkreuz.GroupStil.ItemIndex, 0);
    EXPECT_EQ(Fadenkreuz.Linienstil, 0);
    EXPECT_EQ(Spat[3].ErzeugendeZeigen, 1);
    EXPECT_TRUE(Form_Punkte.CheckBox1.Checked);
    EXPECT_EQ(Punkt[4].mitFadenkreuz, 1);
    EXPECT_TRUE(Form_Kugeln.SpeedButton4.Down);       // "7": 6 rings
    EXPECT_FALSE(Form_Kugeln.SpeedButton2.Down);
    EXPECT_TRUE(Form_Kugeln.SpeedButton8.Down);       // "4": 8 meridians
    EXPECT_FALSE(Form_Kugeln.SpeedButton6.Down);
    EXPECT_EQ(FadenkreuzSchrittweite, 0.25L);
    EXPECT_EQ(Form_Fadenkreuz.Edit1.Text(), "0,250");
    // The scene is rebuilt from the cells at the end.
    EXPECT_EQ(Fadenkreuz.Mittelpunkt, (TVek_R3{1, -1, 0.5L}));
    EXPECT_EQ(Kegel[4].Hoehe, 0.0L);
}

TEST_F(DatenInDialoge, DrehknoepfeNurWennAlleAusNichtGedruecktIst) {
    TForm_Edits_01& F = Form_Edits_01;
    Objektdatensaetze2[0] = Datensatz2AusObjekten();
    ASSERT_TRUE(F.AlleDrehAus.Down);
    F.But_Drehen(3).Down = true;
    DrehObjektFlags[3] = true;
    DateiDatensatz2InDialoge(0);
    EXPECT_TRUE(F.But_Drehen(3).Down);
    EXPECT_TRUE(DrehObjektFlags[3]);

    F.AlleDrehAus.Down = false;
    DateiDatensatz2InDialoge(0);
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) {
        EXPECT_FALSE(F.But_Drehen(nr).Down) << nr;
        EXPECT_FALSE(DrehObjektFlags[nr]) << nr;
    }
}

// Values outside the choices of a control leave the control alone; style
// indexes other than 0 and 1 give a solid pen; nonsense numbers never lead
// to an undefined conversion.
TEST_F(DatenInDialoge, WerteAusserhalbDerAuswahl) {
    const Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
    TObjektDatensatz2 d = Datensatz2AusObjekten();
    d.KugelBreitenkreise[1] = 7;
    d.KugelLaengenkreise[1] = 1e300L;
    d.Kegel[1].Speichen = 7;
    d.Kegel[1].Randdicke = 13;
    d.GeradeStil[1] = 5;
    d.FadenkreuzStil = 5;
    d.GeradeStiftbreite[1] = 9;
    d.SpatStiftbreite[1] = NaN;
    d.VektorStil[1] = -std::numeric_limits<Extended>::infinity();
    d.PunktSichtbar[1] = NaN;
    Gerade[1].Linienstil = 2;
    Objektdatensaetze2[0] = d;
    const int Stift = Form_Geraden_t.GroupStift.ItemIndex;
    const int Combo1 = Form_Kegel.ComboBox1.ItemIndex, Combo2 = Form_Kegel.ComboBox2.ItemIndex;
    DateiDatensatz2InDialoge(0);

    EXPECT_EQ(Kugel[1].Breitenkreise, 7);
    EXPECT_EQ(Kugel[1].Laengenkreise, 255);
    EXPECT_TRUE(Form_Kugeln.SpeedButton2.Down);       // as before
    EXPECT_TRUE(Form_Kugeln.SpeedButton6.Down);
    EXPECT_EQ(Kegel[1].Speichen, 7);
    EXPECT_EQ(Form_Kegel.ComboBox1.ItemIndex, Combo1);
    EXPECT_EQ(Kegel[1].Randstaerke, 13);
    EXPECT_EQ(Form_Kegel.ComboBox2.ItemIndex, Combo2);
    EXPECT_EQ(Gerade[1].Linienstil, 0);
    EXPECT_EQ(Fadenkreuz.Linienstil, 0);
    EXPECT_EQ(Form_Fadenkreuz.GroupStil.ItemIndex, 0);
    EXPECT_EQ(Form_Geraden_t.GroupStift.ItemIndex, Stift);
    EXPECT_EQ(Gerade[1].Stiftbreite, 9);
    EXPECT_EQ(Spat[1].Stiftbreite, 0);
    EXPECT_EQ(Vektor[1].Linienstil, 0);
    EXPECT_EQ(Punkt[1].sichtbar, 1);                   // NaN reads as index 0: shown
}

TEST_F(DatenInDialoge, UndoUndSpeicherNurDerKegelteil) {
    TObjektDatensatz2 d = Datensatz2AusObjekten();
    d.Kegel[2].Mitte = {1, 2, 3};
    d.Kegel[2].Radius = 0.75L;
    d.KegelHoehe[2] = 2.0L;
    d.Kegel[2].Speichen = 60;
    d.FadenkreuzMitte = {-3, 0, 0};
    d.GeradeStiftbreite[1] = 4;
    d.FadenkreuzSchrittweite = 5;
    UndoKegelDaten[7] = d;
    UndoKegelInDialog(7);
    EXPECT_EQ(Kegel[2].Mittelpunkt, (TVek_R3{1, 2, 3}));
    EXPECT_EQ(Kegel[2].Radius, 0.75L);
    EXPECT_EQ(Kegel[2].Hoehe, 2.0L);
    EXPECT_EQ(Kegel[2].Speichen, 12);
    EXPECT_EQ(Fadenkreuz.Mittelpunkt, (TVek_R3{-3, 0, 0}));
    EXPECT_EQ(Gerade[1].Stiftbreite, 1);
    EXPECT_EQ(FadenkreuzSchrittweite, 0.1L);

    d.Kegel[2].Mitte = {4, 4, 4};
    ObjektSpeicherKegel = d;
    SpeicherKegelInDialog();
    EXPECT_EQ(Form_Kegel.StringGrid2.Cells(0, 1), "4,000");
    EXPECT_EQ(Kegel[2].Mittelpunkt, (TVek_R3{4, 4, 4}));
}

}  // namespace
