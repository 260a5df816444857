// Attribute controls of the object dialogs write into the dialog's current
// object only, and the controls start in step with the start attributes.

#include <gtest/gtest.h>

#include "dialogs/Ebenen.h"
#include "dialogs/Fadenkreuz.h"
#include "dialogs/Geraden_t.h"
#include "dialogs/Kegel.h"
#include "dialogs/Kugeln.h"
#include "dialogs/Punkte.h"
#include "dialogs/Spate.h"
#include "dialogs/Strecken.h"
#include "dialogs/Vektoren.h"
#include "mainwindow/Programm.h"
#include "scene/Objekte.h"

namespace {

class Attribute : public ::testing::Test {
protected:
    void SetUp() override { ProgrammStart(); }
};

void Waehle(TRadioGroup& g, int i) {
    g.ItemIndex = i;
    g.Click();
}

TEST_F(Attribute, GruppenStehenAufDenStartattributen) {
    EXPECT_EQ(Form_Geraden_t.GroupStift.ItemIndex, Gerade[AktGerade].Stiftbreite - 1);
    EXPECT_EQ(Form_Ebenen.GroupStift.ItemIndex, Ebene[AktEbene].Stiftbreite - 1);
    EXPECT_EQ(Form_Spate.GroupStift.ItemIndex, Spat[AktSpat].Stiftbreite - 1);
    EXPECT_EQ(Form_Spate.GroupErz.ItemIndex, 1);  // generating vectors not shown
    EXPECT_EQ(Form_Vektoren.GroupStift.ItemIndex, Vektor[AktVektor].Stiftbreite - 1);
    EXPECT_EQ(Form_Strecken.GroupStift.ItemIndex, Strecke[AktStrecke].Stiftbreite - 1);
    EXPECT_EQ(Form_Punkte.GroupStift.ItemIndex, Punkt[AktPunkt].Stiftbreite - 1);
    EXPECT_EQ(Form_Fadenkreuz.GroupStil.ItemIndex, 1);  // dotted
    EXPECT_TRUE(Form_Kugeln.SpeedButton2.Down);          // "13": 12 rings
    EXPECT_TRUE(Form_Kugeln.SpeedButton6.Down);          // "12": 24 meridians
    EXPECT_EQ(Form_Kegel.ComboBox1.Items[Form_Kegel.ComboBox1.ItemIndex],
              std::to_string(Kegel[AktKegel].Speichen));
    EXPECT_EQ(Form_Kegel.ComboBox2.ItemIndex, Kegel[AktKegel].Randstaerke - 1);
    EXPECT_EQ(Form_Ebenen.GroupStift.Caption, "Stiftbreite für Ränder");
    EXPECT_EQ(Form_Geraden_t.GroupStil.Items[1], "gepunktet (Stiftbr. 1)");
    EXPECT_EQ(Form_Fadenkreuz.GroupStil.Items[1], "gepunktet");
}

TEST_F(Attribute, StiftbreiteGiltNurFuerDasAktuelleObjekt) {
    AktGerade = 2;
    Waehle(Form_Geraden_t.GroupStift, 3);
    EXPECT_EQ(Gerade_h.Stiftbreite, 4);
    EXPECT_EQ(Gerade_h.StiftbreiteVektor, 6);
    EXPECT_EQ(Gerade_g.Stiftbreite, 1);
    EXPECT_EQ(Gerade_t.Stiftbreite, 1);

    AktEbene = 2;
    Waehle(Form_Ebenen.GroupStift, 0);
    EXPECT_EQ(Ebene_E2.Stiftbreite, 1);
    EXPECT_EQ(Ebene_E1.Stiftbreite, 2);

    AktSpat = 3;
    Waehle(Form_Spate.GroupStift, 2);
    EXPECT_EQ(Spat[3].Stiftbreite, 3);
    EXPECT_EQ(Spat[1].Stiftbreite, 1);

    AktVektor = 4;
    Waehle(Form_Vektoren.GroupStift, 3);
    EXPECT_EQ(Vektor[4].Stiftbreite, 4);
    AktStrecke = 1;
    Waehle(Form_Strecken.GroupStift, 0);
    EXPECT_EQ(Strecke[1].Stiftbreite, 1);
    EXPECT_EQ(Strecke[2].Stiftbreite, 2);
    AktPunkt = 2;
    Waehle(Form_Punkte.GroupStift, 2);
    EXPECT_EQ(Punkt[2].Stiftbreite, 3);
    EXPECT_EQ(Punkt[1].Stiftbreite, 2);

    // No item chosen: nothing changes.
    Waehle(Form_Punkte.GroupStift, -1);
    EXPECT_EQ(Punkt[2].Stiftbreite, 3);
}

TEST_F(Attribute, LinienstilUndSchalter) {
    AktGerade = 3;
    Waehle(Form_Geraden_t.GroupStil, 1);
    EXPECT_EQ(Gerade_t.Linienstil, 2);
    Waehle(Form_Geraden_t.GroupStil, 0);
    EXPECT_EQ(Gerade_t.Linienstil, 0);

    AktSpat = 2;  // starts dotted
    Waehle(Form_Spate.GroupStil, 0);
    EXPECT_EQ(Spat[2].Linienstil, 0);
    Waehle(Form_Spate.GroupErz, 0);
    EXPECT_EQ(Spat[2].ErzeugendeZeigen, 1);
    Waehle(Form_Spate.GroupErz, 1);
    EXPECT_EQ(Spat[2].ErzeugendeZeigen, 0);

    Waehle(Form_Ebenen.GroupStil, 1);
    EXPECT_EQ(Ebene_E1.Linienstil, 2);
    Waehle(Form_Vektoren.GroupStil, 1);
    EXPECT_EQ(Vektor[1].Linienstil, 2);
    Waehle(Form_Strecken.GroupStil, 1);
    EXPECT_EQ(Strecke[1].Linienstil, 2);
    AktKugel = 4;
    Waehle(Form_Kugeln.GroupStil, 1);
    EXPECT_EQ(Kugel[4].Linienstil, 2);
    EXPECT_EQ(Kugel[1].Linienstil, 0);
    AktKegel = 3;
    Waehle(Form_Kegel.GroupStil, 1);
    EXPECT_EQ(Kegel[3].Linienstil, 2);
    Waehle(Form_Fadenkreuz.GroupStil, 0);
    EXPECT_EQ(Fadenkreuz.Linienstil, 0);

    AktPunkt = 3;
    Form_Punkte.CheckBox1.Checked = true;
    Form_Punkte.CheckBox1.Click();
    EXPECT_EQ(Punkt[3].mitFadenkreuz, 1);
    EXPECT_EQ(Punkt[1].mitFadenkreuz, 0);
    Form_Kegel.CheckBox_SpeichenEin.Checked = true;
    Form_Kegel.CheckBox_SpeichenEin.Click();
    EXPECT_EQ(Kegel[3].SpeichenZeigen, 1);
    Form_Kegel.CheckBox_SpeichenEin.Checked = false;
    Form_Kegel.CheckBox_SpeichenEin.Click();
    EXPECT_EQ(Kegel[3].SpeichenZeigen, 0);
}

TEST_F(Attribute, KugeldichtenImmerNurEinKnopfJeGruppe) {
    AktKugel = 2;
    Form_Kugeln.SpeedButton5.Click();  // "5": 4 rings
    EXPECT_EQ(Kugel[2].Breitenkreise, 4);
    EXPECT_TRUE(Form_Kugeln.SpeedButton5.Down);
    EXPECT_FALSE(Form_Kugeln.SpeedButton2.Down);
    EXPECT_TRUE(Form_Kugeln.SpeedButton6.Down);  // other group untouched
    Form_Kugeln.SpeedButton8.Click();            // "4": 8 meridians
    EXPECT_EQ(Kugel[2].Laengenkreise, 8);
    EXPECT_FALSE(Form_Kugeln.SpeedButton6.Down);
    EXPECT_EQ(Kugel[1].Breitenkreise, 12);
    const Byte erwartet[10] = {0, 24, 12, 8, 6, 4, 24, 12, 8, 4};
    for (int n = 1; n <= 9; ++n) {
        Form_Kugeln.Knopf(n).Click();
        EXPECT_EQ(n <= 5 ? Kugel[2].Breitenkreise : Kugel[2].Laengenkreise, erwartet[n]);
        EXPECT_NE(Kugel[2].Breitenkreise, 0);
        EXPECT_NE(Kugel[2].Laengenkreise, 0);
    }
}

TEST_F(Attribute, GitterformenDerDialoge) {
    const TStringGrid& g = Form_Geraden_t.StringGrid2;
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.FixedCols, 0);
    EXPECT_EQ(g.FixedRows, 1);
    EXPECT_EQ(g.Cells(0, 0), "Stütz-V.");
    EXPECT_EQ(Form_Ebenen.StringGrid1.ColCount(), 3);
    EXPECT_EQ(Form_Spate.StringGrid4.ColCount(), 4);
    EXPECT_EQ(Form_Vektoren.StringGrid1.Cells(0, 0), "A");
    EXPECT_EQ(Form_Vektoren.StringGrid1.Cells(1, 0), "Vektor");
    EXPECT_EQ(Form_Strecken.StringGrid3.Cells(1, 0), "B");
    const TStringGrid& p = Form_Punkte.StringGrid4;
    EXPECT_EQ(p.ColCount(), 2);
    EXPECT_EQ(p.RowCount(), 3);
    EXPECT_EQ(p.FixedCols, 1);
    EXPECT_EQ(p.FixedRows, 0);
    EXPECT_EQ(p.Cells(0, 2), "z");
    const TStringGrid& k = Form_Kugeln.StringGrid1;
    EXPECT_EQ(k.FixedCols, 1);
    EXPECT_EQ(k.FixedRows, 1);
    EXPECT_EQ(k.Cells(0, 1), "x");
    EXPECT_EQ(Form_Fadenkreuz.StringGrid1.ColCount(), 1);
    EXPECT_EQ(Form_Fadenkreuz.StringGrid1.RowCount(), 4);
    EXPECT_EQ(Form_Fadenkreuz.Edit1.Text(), "0,1");
    EXPECT_EQ(FadenkreuzSchrittweite, 0.1L);
    EXPECT_EQ(Form_Kegel.ComboBox1.Items.size(), 10u);
    EXPECT_EQ(Form_Kegel.ComboBox2.Items.back(), "12");
}

}  // namespace
