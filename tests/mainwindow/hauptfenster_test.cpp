// Layout, wall choice and intersection texts of the main window.

#include "Hauptfenstertest.h"
#include "forms/GitterWuerfel.h"
#include "scene/Ansicht.h"

namespace {

using Hauptfenster = Hauptfenstertest;

TEST_F(Hauptfenster, UrsprungUndBildseiteFolgenDenPaneelen) {
    // The creation lays the panels out already.
    EXPECT_GT(AchsenKreuz.UrsprungX, 0);
    EXPECT_GT(BildSeite, 0);

    F.ClientWidth = 1024;
    F.ClientHeight = 740;
    F.Panel_rechts.Width = 200;
    F.Panel_links.Width = 170;
    F.Panel_oben.Height = 34;
    F.Panel_oben_a.Height = 30;
    F.Panel_links.Visible = true;

    Zentralprojektion = false;
    F.PanelsAnordnen();
    EXPECT_EQ(AchsenKreuz.UrsprungX, 327.0L);  // (1024 - 200 - 170) / 2
    EXPECT_EQ(AchsenKreuz.UrsprungY, 416.0L);  // 804 div 100 * 52
    Zentralprojektion = true;
    F.PanelsAnordnen();
    EXPECT_EQ(AchsenKreuz.UrsprungX, 360.0L);  // 654 div 100 * 60
    EXPECT_EQ(AchsenKreuz.UrsprungY, 440.0L);  // 804 div 100 * 55
    F.BildSeiteBerechnen();
    EXPECT_EQ(BildSeite, 654);

    F.Panel_links.Visible = false;
    F.PanelsAnordnen();
    EXPECT_EQ(AchsenKreuz.UrsprungX, 480.0L);
    Zentralprojektion = false;
    F.PanelsAnordnen();
    EXPECT_EQ(AchsenKreuz.UrsprungX, 412.0L);
    F.BildSeiteBerechnen();
    EXPECT_EQ(BildSeite, 740);  // the height is now the smaller side

    F.ClientWidth = 1023;  // odd free width: half a pixel
    F.PanelsAnordnen();
    EXPECT_EQ(AchsenKreuz.UrsprungX, 411.5L);
}

TEST_F(Hauptfenster, GitterwaendeJeAnsicht) {
    const int wahl[7][3] = {{}, {1, 2, 5}, {1, 3, 0}, {1, 4, 6}, {2, 3, 5}, {1, 4, 5}, {1, 2, 6}};
    for (Byte ansicht = 1; ansicht <= 6; ++ansicht) {
        F.GitterwaendeWaehlen(ansicht);
        for (int w = 1; w <= 6; ++w) {
            const bool soll = w == wahl[ansicht][0] || w == wahl[ansicht][1] || w == wahl[ansicht][2];
            EXPECT_EQ(GitterWaende[w], soll) << "Ansicht " << int(ansicht) << " Wand " << w;
            EXPECT_EQ(Form_GitterWuerfelMax.WandBox(w).Checked, soll);
        }
    }
    // An unknown view leaves the walls as they are.
    F.GitterwaendeWaehlen(2);
    F.GitterwaendeWaehlen(0);
    F.GitterwaendeWaehlen(7);
    EXPECT_TRUE(GitterWaende[1] && GitterWaende[3]);
    EXPECT_FALSE(GitterWaende[2] || GitterWaende[4] || GitterWaende[5] || GitterWaende[6]);
}

TEST_F(Hauptfenster, SchnittAngabenOhneUndMitSchnittgerade) {
    // Without a piercing point the position text, without sg a dash.
    Ebene[1].DurchstosspunktHvorhanden = 0;
    Ebene[1].LagetextH = "echt parallel";
    SchnittgeradeVorhanden = false;
    LageTextE1E2 = "echt parallel";
    F.SchnittAngabenSchreiben();
    EXPECT_EQ(F.Label_hE1.Caption, "echt parallel");
    EXPECT_EQ(F.Label_E1E2.Caption, "echt parallel");
    EXPECT_EQ(F.Label_sg_Stuetz_x.Caption, "-");
    EXPECT_EQ(F.Label_sg_Richt_z.Caption, "-");

    SchnittgeradeVorhanden = true;
    LageTextE1E2 = "schneiden sich:";
    Gerade_sg.Stuetzvektor = {4, 0, 0};
    Gerade_sg.Richtungsvektor = {0.5L, -0.25L, 1};
    F.SchnittAngabenSchreiben();
    EXPECT_EQ(F.Label_E1E2.Caption, "schneiden sich:");
    EXPECT_EQ(F.Label_sg_Stuetz_x.Caption, "4,000");
    EXPECT_EQ(F.Label_sg_Richt_y.Caption, "-0,250");
}

TEST_F(Hauptfenster, DrehknopfHinweisNenntSeinObjekt) {
    EXPECT_EQ(F.But_Drehen(23).Hint, "Kugel 2 beim Drehen ohne Achsen mitdrehen/ nicht mitdrehen");
}

}  // namespace
