// The dialogs of parallelepipeds, spheres and cones: typing into their grids
// and fields as a user does, their refusals, the object shown, and what an
// edit recomputes.

#include "Tippen.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Spate.h"
#include "forms/Schalter.h"

namespace {

using Koerper = Dialogtest;

TEST_F(Koerper, SpatFolgtSeinerKanteUndLehntAbhaengigeAb) {
    TForm_Spate& D = Form_Spate;
    // SP1: A = (2, 2, -6), AB = (4, 0, 0), AD = (0, 4, 0), AE = (0, 0, 3).
    Eingeben(D, D.StringGrid1, 1, 1, "5");
    ErwarteNah(Spat[1].Ecke[2], {7, 2, -6});  // B = A + AB
    ErwarteNah(Spat[1].Ecke[7], {7, 6, -3});  // G = A + AB + AD + AE
    ErwarteNah(Spat[1].Ecke[8], {2, 6, -3});  // H = G - AB
    EXPECT_EQ(Bilder, 1);

    TStringGrid& G = D.StringGrid3;  // AB = (3, 0, 0), AD = (0, 3, 0), AE = (0, 0, 3)
    Eingeben(D, G, 3, 1, "3");       // AE = (3, 0, 3): still a solid
    ErwarteNah(Spat[3].AE, {3, 0, 3});
    const TSpat vorher = Spat[3];
    const int undo = UndoAnzahl;

    // AE = (3, 0, 0) = AB on the way to 0,5: refused, the last valid text
    // comes back selected, and the keys after it start anew.
    Tippen(D, G, 3, 3, "0,");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Die Vektoren AB, AD und AE dürfen nicht linear abhängig sein!");
    EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Warnung);
    EXPECT_EQ(G.Cells(3, 3), ",");
    EXPECT_EQ(Spat[3], vorher);
    EXPECT_EQ(UndoAnzahl, undo);
    Tippen(D, G, 3, 3, "5", true);
    ErwarteNah(Spat[3].AE, {3, 0, 0.5});
    EXPECT_EQ(UndoAnzahl, undo + 1);
}

TEST_F(Koerper, RadiusfeldGehtInDieKugelVorIhremNetz) {
    TForm_Kugeln& D = Form_Kugeln;
    D.FormActivate();
    EXPECT_EQ(D.Edit_Radius.Text(), "2,000");
    const int undo = UndoAnzahl;
    // K1 around (4, 4, 4): "3", "3," and "3,5" each apply.
    FeldTippen(D, D.Edit_Radius, "3.5");
    EXPECT_EQ(D.Edit_Radius.Text(), "3,5");
    EXPECT_EQ(Kugel[1].Radius, 3.5L);
    EXPECT_EQ(UndoAnzahl, undo + 3);
    ErwarteNah(Kugel[1].Netz[0], {4, 4, 7.5});
    ErwarteNah(Kugel[1].Netz[553], {4, 4, 0.5});
    EXPECT_TRUE(host.Meldungen.empty());

    // 10 000 is too large: the message, and the text before the last key.
    FeldTippen(D, D.Edit_Radius, "10000");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Gib bitte nur Zahlen z mit\nz < 10 000   ein!");
    EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Information);
    EXPECT_EQ(D.Edit_Radius.Text(), "1000");
    EXPECT_EQ(Kugel[1].Radius, 1000.0L);
    FeldEingeben(D, D.Edit_Radius, "9999,5");
    EXPECT_EQ(Kugel[1].Radius, 9999.5L);

    // A negative radius is refused with its message; the sphere keeps its
    // radius and the field its text. Zero is a radius like any other.
    host.Vergessen();
    FeldTippen(D, D.Edit_Radius, "-2");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Der Radius darf nicht negativ sein!");
    EXPECT_EQ(Kugel[1].Radius, 9999.5L);
    EXPECT_EQ(D.Edit_Radius.Text(), "9999,5");
    FeldEingeben(D, D.Edit_Radius, "0");
    EXPECT_EQ(Kugel[1].Radius, 0.0L);
    FeldEingeben(D, D.Edit_Radius, "9999,5");

    // A lone "-" is never applied; left, the text before it comes back.
    host.Vergessen();
    const int u2 = UndoAnzahl;
    FeldEingeben(D, D.Edit_Radius, "-");
    EXPECT_EQ(D.Edit_Radius.Text(), "9999,5");
    EXPECT_EQ(UndoAnzahl, u2);
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Koerper, KugelAuswahlZeigtRadiusUndDichtenDerKugel) {
    TForm_Kugeln& D = Form_Kugeln;
    Waehle(D.RadioGroup_Objekt, 1);
    EXPECT_EQ(AktKugel, 2);
    EXPECT_TRUE(D.StringGrid2.Visible);
    EXPECT_FALSE(D.StringGrid1.Visible);
    EXPECT_EQ(D.Edit_Radius.Text(), "2,500");

    // K2's centre x from -4 to 0, with its own radius 2.5.
    Eingeben(D, D.StringGrid2, 1, 1, "0");
    ErwarteNah(Kugel[2].Netz[0], {0, 4, -1.5});
    ErwarteNah(Kugel[1].Mittelpunkt, {4, 4, 4});

    D.SpeedButton4.Click();  // "7": 6 rings for K2 only
    D.SpeedButton9.Click();  // "2": 4 meridians
    EXPECT_EQ(Kugel[2].Breitenkreise, 6);
    EXPECT_EQ(Kugel[2].Laengenkreise, 4);
    EXPECT_EQ(Kugel[1].Breitenkreise, 12);
    Waehle(D.RadioGroup_Objekt, 0);
    EXPECT_TRUE(D.SpeedButton2.Down);
    EXPECT_FALSE(D.SpeedButton4.Down);
    EXPECT_TRUE(D.SpeedButton6.Down);
    EXPECT_EQ(D.Edit_Radius.Text(), "2,000");
    // A radius typed now belongs to K1.
    FeldEingeben(D, D.Edit_Radius, "1");
    EXPECT_EQ(Kugel[1].Radius, 1.0L);
    EXPECT_EQ(Kugel[2].Radius, 2.5L);
}

TEST_F(Koerper, KegelLehntDieNullnormaleAbUndFolgtDerNormalen) {
    TForm_Kegel& D = Form_Kegel;
    TStringGrid& G = D.StringGrid1;  // Ke1: M = (0, 0, -7), n = (0, 0, 1), r 2, h 4
    const TKegel vorher = Kegel[1];
    const int undo = UndoAnzahl;
    Tippen(D, G, 1, 3, "0,");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Der Nullvektor ist nicht als Normalenvektor geeignet!");
    EXPECT_EQ(Kegel[1], vorher);
    D.ZelleVerlassen(G, 1, 3);
    EXPECT_EQ(G.Cells(1, 3), "1");
    EXPECT_EQ(UndoAnzahl, undo);

    // Normal (0, 0, -1): the apex goes below, the rim turns by -180 degrees.
    Kreis[0].Radius = 1;
    Kreis[0].Normalenvektor = {0, 0, 1};
    Eingeben(D, G, 1, 3, "-1");
    EXPECT_EQ(UndoAnzahl, undo + 1);  // "-" is unfinished
    ErwarteNah(Kegel[1].Spitze, {0, 0, -11});
    ErwarteNah(Kegel[1].Randpunkt[16], {0, -2, -7});
    // The scratch circle is recomputed with every cone change.
    ErwarteNah(Kreis[0].Randpunkt[1], {1, 0, 0});
}

TEST_F(Koerper, RadiusUndHoeheDesKegels) {
    TForm_Kegel& D = Form_Kegel;
    D.FormActivate();
    EXPECT_EQ(D.Edit_Radius.Text(), "2,000");
    EXPECT_EQ(D.Edit_Hoehe.Text(), "4,000");
    const int undo = UndoAnzahl;
    FeldEingeben(D, D.Edit_Radius, "3");
    EXPECT_EQ(UndoAnzahl, undo + 1);
    ErwarteNah(Kegel[1].Randpunkt[1], {3, 0, -7});
    FeldEingeben(D, D.Edit_Hoehe, "0");
    ErwarteNah(Kegel[1].Spitze, {0, 0, -7});
    EXPECT_EQ(Kegel[1].Radius, 3.0L);

    // Too high: message, the text before the last key, the cone with it.
    FeldTippen(D, D.Edit_Hoehe, "12000");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, Betrag10000Meldung);
    EXPECT_EQ(D.Edit_Hoehe.Text(), "1200");
    EXPECT_EQ(Kegel[1].Hoehe, 1200.0L);

    // A grid cell left open with "-" ends before the field takes the keys:
    // the cone is never applied with half a grid.
    Tippen(D, D.StringGrid1, 0, 1, "-");
    EXPECT_TRUE(D.StringGrid1.Bearbeitung);
    FeldEingeben(D, D.Edit_Radius, "1");
    EXPECT_FALSE(D.StringGrid1.Bearbeitung);
    EXPECT_EQ(D.StringGrid1.Cells(0, 1), "0");
    EXPECT_EQ(Kegel[1].Radius, 1.0L);
    ErwarteNah(Kegel[1].Mittelpunkt, {0, 0, -7});
}

TEST_F(Koerper, SpeichenRandUndAuswahlDesKegels) {
    TForm_Kegel& D = Form_Kegel;
    D.ComboBox1.ItemIndex = 9;  // "60"
    D.ComboBox1.OnChange();
    D.ComboBox2.ItemIndex = 4;  // "5"
    D.ComboBox2.OnChange();
    Haken(D.CheckBox_SpeichenEin, true);
    EXPECT_EQ(Kegel[1].Speichen, 60);
    EXPECT_EQ(Kegel[1].Randstaerke, 5);
    EXPECT_EQ(Kegel[2].Speichen, 12);
    EXPECT_EQ(Bilder, 3);

    // Ke3, a circle, shows its own height and controls.
    Waehle(D.RadioGroup_Objekt, 2);
    EXPECT_EQ(AktKegel, 3);
    EXPECT_TRUE(D.StringGrid3.Visible);
    EXPECT_FALSE(D.StringGrid1.Visible);
    EXPECT_EQ(D.Edit_Hoehe.Text(), "0,000");
    EXPECT_EQ(D.ComboBox1.Text, "12");
    EXPECT_EQ(D.ComboBox2.ItemIndex, 0);
    EXPECT_FALSE(D.CheckBox_SpeichenEin.Checked);
}

}  // namespace
