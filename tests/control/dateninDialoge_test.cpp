// Stored records back into the dialogs: the cells each field lands in, the
// values that go straight into the objects, and the dialogs' controls.

#include <limits>

#include "Szenenstand.h"

#include "forms/Hauptfenster.h"
#include "control/DatenInDialoge.h"
#include "scene/Datensatz.h"
#include "scene/DrehZustand.h"

namespace {

using DatenInDialoge = Szenenstand;

TEST_F(DatenInDialoge, DateisatzInZellenObjekteUndSteuerungen) {
    TObjektDatensatz d = DatensatzAusObjekten();
    d.Punkt[2] = {1.5L, -2.25L, 3};
    d.KugelMitte[3] = {7, 8, -9.0004L};
    d.E2Richtung2 = {-0.1234L, 2.5L, 0};
    Objektdatensaetze[0] = d;
    DateiDatensatzInDialoge(0);
    const TStringGrid& P = Form_Punkte.StringGrid2;   // x, y, z in column 1, rows 0..2
    EXPECT_EQ(P.Cells(1, 0), "1,500");
    EXPECT_EQ(P.Cells(1, 2), "3,000");
    EXPECT_EQ(P.Cells(0, 0), "x");
    const TStringGrid& K = Form_Kugeln.StringGrid3;   // centre in column 1, rows 1..3
    EXPECT_EQ(K.Cells(1, 3), "-9,0004");   // more decimals only where the value has them
    EXPECT_EQ(K.Cells(1, 0), "Mittelp.");
    EXPECT_EQ(Form_Ebenen.StringGrid2.Cells(2, 1), "-0,1234");

    // The controls follow the object each dialog shows, not the first one.
    AktGerade = 2;
    AktKegel = 4;
    AktPunkt = 4;
    TObjektDatensatz2 d2 = Datensatz2AusObjekten();
    d2.FadenkreuzMitte = {1, -1, 0.5L};
    d2.GeradeSichtbar[1] = 1;          // g hidden
    d2.EbeneSichtbar[1] = 0;           // E1 shown
    d2.GeradeStiftbreite[2] = 3;
    d2.GeradeStil[2] = 1;
    d2.KegelHoehe[4] = 0;              // a circle
    d2.Kegel[4].Speichen = 30;
    d2.Kegel[4].Randdicke = 7;
    d2.PunktFadenkreuz[4] = 0;
    d2.KugelBreitenkreise[1] = 6;
    d2.FadenkreuzSchrittweite = 0.25L;
    Objektdatensaetze2[0] = d2;
    TForm_Edits_01& F = Form_Edits_01;
    F.AlleDrehAus.Down = false;
    F.But_Drehen(3).Down = true;
    DrehObjektFlags[3] = true;
    DateiDatensatz2InDialoge(0);

    EXPECT_FALSE(F.But_sichtb_g.Down);
    EXPECT_TRUE(F.But_sichtb_E1.Down);
    EXPECT_EQ(Ebene[1].sichtbar, 1);
    EXPECT_EQ(Form_Geraden_t.GroupStift.ItemIndex, 2);
    EXPECT_EQ(Gerade[2].Linienstil, 2);
    EXPECT_EQ(Gerade[1].Stiftbreite, 1);
    EXPECT_EQ(Form_Kegel.Edit_Hoehe.Text(), "0,000");
    EXPECT_EQ(Form_Kegel.ComboBox1.Text, "30");
    EXPECT_EQ(Form_Kegel.ComboBox2.ItemIndex, 6);
    EXPECT_TRUE(Form_Punkte.CheckBox1.Checked);
    EXPECT_TRUE(Form_Kugeln.SpeedButton4.Down);       // "7": 6 rings
    EXPECT_FALSE(Form_Kugeln.SpeedButton2.Down);
    EXPECT_EQ(Form_Fadenkreuz.Edit1.Text(), "0,250");
    // "alle aus" is up: every rotate switch is released.
    EXPECT_FALSE(F.But_Drehen(3).Down);
    EXPECT_FALSE(DrehObjektFlags[3]);
    // Rebuilt from the cells at the end, the first record's too.
    EXPECT_EQ(Fadenkreuz.Mittelpunkt, (TVek_R3{1, -1, 0.5L}));
    EXPECT_EQ(Punkt[2].Ort, (TVek_R3{1.5L, -2.25L, 3}));
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
    d.FadenkreuzStil = 5;
    d.GeradeStiftbreite[1] = 9;
    d.SpatStiftbreite[1] = NaN;
    d.VektorStil[1] = -std::numeric_limits<Extended>::infinity();
    Objektdatensaetze2[0] = d;
    const int Stift = Form_Geraden_t.GroupStift.ItemIndex;
    const int Combo1 = Form_Kegel.ComboBox1.ItemIndex, Combo2 = Form_Kegel.ComboBox2.ItemIndex;
    DateiDatensatz2InDialoge(0);

    EXPECT_EQ(Kugel[1].Breitenkreise, 7);
    EXPECT_EQ(Kugel[1].Laengenkreise, 255);
    EXPECT_TRUE(Form_Kugeln.SpeedButton2.Down);       // as before
    EXPECT_EQ(Kegel[1].Speichen, 7);
    EXPECT_EQ(Form_Kegel.ComboBox1.ItemIndex, Combo1);
    EXPECT_EQ(Kegel[1].Randstaerke, 13);
    EXPECT_EQ(Form_Kegel.ComboBox2.ItemIndex, Combo2);
    EXPECT_EQ(Fadenkreuz.Linienstil, 0);
    EXPECT_EQ(Form_Geraden_t.GroupStift.ItemIndex, Stift);
    EXPECT_EQ(Gerade[1].Stiftbreite, 9);
    EXPECT_EQ(Spat[1].Stiftbreite, 0);
    EXPECT_EQ(Vektor[1].Linienstil, 0);
}

}  // namespace
