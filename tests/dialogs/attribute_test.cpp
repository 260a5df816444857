// Attribute controls of the object dialogs write into the dialog's current
// object only.

#include <functional>

#include "Tippen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"

namespace {

using Attribute = Dialogtest;

TEST_F(Attribute, GruppenWirkenNurAufDasAktuelleObjekt) {
    struct Fall {
        TRadioGroup& G;
        int i;
        Byte& Akt;
        Byte nr;
        int n;  // objects of the kind
        std::function<int(int)> wert;
        int soll;
    };
    const Fall faelle[] = {
        {Form_Geraden_t.GroupStift, 3, AktGerade, 2, 3, [](int k) { return Gerade[k].Stiftbreite; }, 4},
        {Form_Geraden_t.GroupStil, 1, AktGerade, 3, 3, [](int k) { return int(Gerade[k].Linienstil); }, 2},
        {Form_Geraden_t.GroupStil, 0, AktGerade, 3, 3, [](int k) { return int(Gerade[k].Linienstil); }, 0},
        {Form_Ebenen.GroupStift, 0, AktEbene, 2, 2, [](int k) { return int(Ebene[k].Stiftbreite); }, 1},
        {Form_Ebenen.GroupStil, 1, AktEbene, 1, 2, [](int k) { return int(Ebene[k].Linienstil); }, 2},
        {Form_Spate.GroupStift, 2, AktSpat, 3, 4, [](int k) { return Spat[k].Stiftbreite; }, 3},
        {Form_Spate.GroupStil, 0, AktSpat, 2, 4, [](int k) { return int(Spat[k].Linienstil); }, 0},
        {Form_Spate.GroupErz, 0, AktSpat, 2, 4, [](int k) { return int(Spat[k].ErzeugendeZeigen); }, 1},
        {Form_Spate.GroupErz, 1, AktSpat, 2, 4, [](int k) { return int(Spat[k].ErzeugendeZeigen); }, 0},
        {Form_Vektoren.GroupStift, 3, AktVektor, 4, 4, [](int k) { return Vektor[k].Stiftbreite; }, 4},
        {Form_Vektoren.GroupStil, 1, AktVektor, 1, 4, [](int k) { return int(Vektor[k].Linienstil); }, 2},
        {Form_Strecken.GroupStift, 0, AktStrecke, 1, 4, [](int k) { return Strecke[k].Stiftbreite; }, 1},
        {Form_Strecken.GroupStil, 1, AktStrecke, 1, 4, [](int k) { return int(Strecke[k].Linienstil); }, 2},
        {Form_Punkte.GroupStift, 2, AktPunkt, 2, 4, [](int k) { return Punkt[k].Stiftbreite; }, 3},
        {Form_Kugeln.GroupStil, 1, AktKugel, 4, 4, [](int k) { return int(Kugel[k].Linienstil); }, 2},
        {Form_Kegel.GroupStil, 1, AktKegel, 3, 4, [](int k) { return int(Kegel[k].Linienstil); }, 2},
    };
    int n = 0;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(++n);
        f.Akt = f.nr;
        int vorher[5] = {};
        for (int k = 1; k <= f.n; ++k) vorher[k] = f.wert(k);
        Waehle(f.G, f.i);
        for (int k = 1; k <= f.n; ++k) EXPECT_EQ(f.wert(k), k == f.nr ? f.soll : vorher[k]) << k;
    }
    EXPECT_EQ(Gerade_h.StiftbreiteVektor, 6);
    // No item chosen: nothing changes.
    Waehle(Form_Punkte.GroupStift, -1);
    EXPECT_EQ(Punkt[2].Stiftbreite, 3);
    Waehle(Form_Fadenkreuz.GroupStil, 0);
    EXPECT_EQ(Fadenkreuz.Linienstil, 0);

    AktPunkt = 3;
    Haken(Form_Punkte.CheckBox1, true);
    EXPECT_EQ(Punkt[3].mitFadenkreuz, 1);
    EXPECT_EQ(Punkt[1].mitFadenkreuz, 0);
    Haken(Form_Kegel.CheckBox_SpeichenEin, true);
    EXPECT_EQ(Kegel[3].SpeichenZeigen, 1);
    Haken(Form_Kegel.CheckBox_SpeichenEin, false);
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

}  // namespace
