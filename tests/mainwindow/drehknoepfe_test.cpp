// The main window's rotation inputs: the step angle (edit, scroll bar and
// the "1" button), the per-object rotate switches with "alle drehen" and
// "alle aus", the rotation-segment switch, the counter, the interval and the
// rotation-matrix window.

#include <string>

#include "Hauptfenstertest.h"
#include "forms/DrehMatrizen.h"
#include "scene/DrehZustand.h"
#include "control/Drehsteuerung.h"

namespace {

class Drehknoepfe : public Hauptfenstertest {
protected:
    // Typing into the step-angle edit, key by key through its filter.
    void Tippen(const std::string& tasten) {
        for (char taste : tasten) {
            F.Edit_DrehwinkelKeyPress(taste);
            if (taste == 0) continue;
            std::string t = F.Edit_Drehwinkel.Text();
            if (taste != '\b')
                t += taste;
            else if (!t.empty())
                t.pop_back();
            F.Edit_Drehwinkel.SetText(t);
        }
    }
};

TEST_F(Drehknoepfe, PunktWirdKomma) {
    F.Edit_Drehwinkel.SetText("");
    Tippen("1.5");
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "1,5");
    EXPECT_EQ(Drehwinkel, 1.5L);
    EXPECT_EQ(F.ScrollBar1.Position(), 2);
    // Letters and blanks are dropped; Backspace passes.
    Tippen("a 7\b");
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "1,5");
    // Leaving the edit writes the angle with four decimals.
    F.Edit_DrehwinkelExit();
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "1,5000");
    EXPECT_TRUE(F.Edit_Drehwinkel.AllesMarkiert);
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Drehknoepfe, GrenzenDesDrehwinkels) {
    F.Edit_Drehwinkel.SetText("");
    Tippen("360");
    EXPECT_EQ(Drehwinkel, 360.0L);
    EXPECT_EQ(F.ScrollBar1.Position(), 360);
    F.Edit_Drehwinkel.SetText("-360");
    EXPECT_EQ(Drehwinkel, -360.0L);
    F.Edit_DrehwinkelExit();
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "-360,0000");
    EXPECT_TRUE(host.Meldungen.empty());

    // While typing, 360,5 is passed over; leaving the edit refuses it and
    // puts the last valid angle back.
    F.Edit_Drehwinkel.SetText("12");
    F.Edit_Drehwinkel.SetText("360,5");
    EXPECT_EQ(Drehwinkel, 12.0L);
    F.Edit_DrehwinkelExit();
    EXPECT_EQ(host.LetzteMeldung(), "Geben Sie bitte nur Zahlen z mit\n-360 <= z <= 360     ein!");
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "12,0000");
    EXPECT_EQ(Drehwinkel, 12.0L);

    // "-" and an empty edit are unfinished: left alone, no message.
    host.Vergessen();
    for (const char* t : {"-", ""}) {
        F.Edit_Drehwinkel.SetText(t);
        F.Edit_DrehwinkelExit();
        EXPECT_EQ(F.Edit_Drehwinkel.Text(), t);
        EXPECT_EQ(Drehwinkel, 12.0L);
    }
    EXPECT_TRUE(host.Meldungen.empty());

    // The "1" button.
    F.But_DrehWinkAuf1.Click();
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "1,0000");
    EXPECT_EQ(Drehwinkel, 1.0L);
    EXPECT_EQ(F.ScrollBar1.Position(), 1);
}

TEST_F(Drehknoepfe, RollbalkenAendertDenWinkel) {
    F.ScrollBar1.SetPosition(11);  // a click into the free space
    EXPECT_EQ(Drehwinkel, 11.0L);
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "11,0000");
    F.ScrollBar1.SetPosition(10);  // an arrow
    EXPECT_EQ(Drehwinkel, 10.0L);
    // The bar adds its change to an angle with decimals, without feeding
    // the edit's own move back in.
    F.Edit_Drehwinkel.SetText("2,25");
    EXPECT_EQ(F.ScrollBar1.Position(), 2);
    F.ScrollBar1.SetPosition(3);
    EXPECT_EQ(Drehwinkel, 3.25L);
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "3,2500");
    // Beyond 360 the angle stops at 360.
    F.Edit_Drehwinkel.SetText("0,4");
    ASSERT_EQ(F.ScrollBar1.Position(), 0);
    F.ScrollBar1.SetPosition(360);
    EXPECT_EQ(Drehwinkel, 360.0L);
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "360,0000");
}

TEST_F(Drehknoepfe, DrehschalterUndAlle) {
    EXPECT_TRUE(F.AlleDrehAus.Down);
    EXPECT_FALSE(F.AlleDrehEin.Down);
    for (int nr = 1; nr < ObjektAnzahl; ++nr) Klick(F.But_Drehen(nr));
    EXPECT_FALSE(F.AlleDrehEin.Down || F.AlleDrehAus.Down);
    EXPECT_TRUE(DrehObjektFlags[29]);
    EXPECT_FALSE(DrehObjektFlags[30]);
    // The 30th switch presses "alle drehen", which cannot be released while
    // all are on.
    Klick(F.But_Drehen_F);
    EXPECT_TRUE(F.AlleDrehEin.Down);
    Klick(F.AlleDrehEin);
    EXPECT_TRUE(F.AlleDrehEin.Down);
    // Any one switched off releases it.
    Klick(F.But_Drehen_K2);
    EXPECT_FALSE(DrehObjektFlags[23]);
    EXPECT_FALSE(F.AlleDrehEin.Down);
    // "alle aus" switches every one off and stays down.
    Klick(F.AlleDrehAus);
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) {
        EXPECT_FALSE(DrehObjektFlags[nr]);
        EXPECT_FALSE(F.But_Drehen(nr).Down);
    }
    Klick(F.AlleDrehAus);
    EXPECT_TRUE(F.AlleDrehAus.Down);
    // "alle drehen" switches every one on.
    Klick(F.AlleDrehEin);
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) EXPECT_TRUE(DrehObjektFlags[nr]);
    EXPECT_FALSE(F.AlleDrehAus.Down);
    // The switches themselves turn and draw nothing.
    EXPECT_EQ(bilder, 0);
}

TEST_F(Drehknoepfe, DrehstreckenSchalter) {
    EXPECT_TRUE(DrehstreckenZeigen);
    EXPECT_EQ(F.Drehstrein.Caption, "Drehstrecke aus");
    Klick(F.But_DrhStr);
    EXPECT_FALSE(DrehstreckenZeigen);
    EXPECT_EQ(F.Drehstrein.Caption, "Drehstrecke ein");
    EXPECT_EQ(bilder, 1);
    // The menu item switches back and keeps the button in step.
    F.Drehstrein.Click();
    EXPECT_TRUE(DrehstreckenZeigen);
    EXPECT_TRUE(F.But_DrhStr.Down);
    EXPECT_EQ(F.Drehstrein.Caption, "Drehstrecke aus");
    F.DrStrEinst.Click();
    ASSERT_EQ(host.Fenster.size(), 1u);
    EXPECT_EQ(host.Fenster[0].name, "Form_DrStrEinst");
    EXPECT_TRUE(host.Fenster[0].modal);
}

TEST_F(Drehknoepfe, ZaehlerUndIntervall) {
    // The counter turns red from the 19th rotation on.
    DrehAnzahl = 18;
    F.DrehAnzahlAnzeigen();
    EXPECT_EQ(F.Panel_AnzDreh.FontColor, 0u);
    DrehAnzahl = 19;
    F.DrehAnzahlAnzeigen();
    EXPECT_EQ(F.Panel_AnzDreh.Caption, "19");
    EXPECT_EQ(F.Panel_AnzDreh.FontColor, 0x000000FFu);

    // The interval reaches a stopped timer only with the next start, a
    // running one at once.
    EXPECT_EQ(F.Timer1.Interval, 0);
    F.ScrollBar3.SetPosition(250);
    EXPECT_EQ(DrehIntervall, 250);
    EXPECT_EQ(F.Timer1.Interval, 0);
    EXPECT_EQ(F.Label_DrehIntervall.Caption, "250");
    F.But_DauerDrehungEinAus.Down = true;
    F.But_DauerDrehungEinAus.Click();
    F.But_GesamtDrehenYplus.Down = true;
    F.But_GesamtDrehenYplus.Click();
    EXPECT_EQ(F.Timer1.Interval, 250);
    F.ScrollBar3.SetPosition(5);
    EXPECT_EQ(F.Timer1.Interval, 5);
}

TEST_F(Drehknoepfe, DrehmatrizenFenster) {
    // At start: zero matrices, no list.
    EXPECT_EQ(Form_Dreh_Matrizen.Makt_11.Text(), "0,000000");
    EXPECT_EQ(Form_Dreh_Matrizen.Label4.Caption, "");
    // Showing it before any rotation marks the x-axis as the latest one.
    F.DrehMatrizenEinAusMenue.Click();
    EXPECT_TRUE(DrehMatrizenZeigen && Form_Dreh_Matrizen.Visible);
    EXPECT_EQ(DrehungErfolgt, 1);
    EXPECT_EQ(F.DrehMatrizenEinAusMenue.Caption, "Dreh-Matrizen ausblenden");
    ASSERT_FALSE(host.Fenster.empty());
    EXPECT_EQ(host.Fenster.back().name, "Form_Dreh_Matrizen");
    EXPECT_FALSE(host.Fenster.back().modal);

    F.Edit_Drehwinkel.SetText("10");
    Klick(F.But_GesamtDrehenXplus);
    EXPECT_EQ(Form_Dreh_Matrizen.Makt_11.Text(), "1,000000");
    EXPECT_EQ(Form_Dreh_Matrizen.Makt_22.Text(), "0,984808");
    EXPECT_EQ(Form_Dreh_Matrizen.Makt_23.Text(), "-0,173648");
    EXPECT_EQ(Form_Dreh_Matrizen.Label3.Caption, "\num die x-Achse mit 10,0000 Grad");
    F.Edit_Drehwinkel.SetText("5");
    Klick(F.But_GesamtDrehenYmin);
    EXPECT_EQ(Form_Dreh_Matrizen.Label4.Caption,
              "\n1. Drehung: um die x-Achse mit 10,000 Grad\n2. Drehung: um die y-Achse mit -5,000 Grad");

    // The red dot clears the display.
    F.BitBtn_DrehenAufheben.Click();
    EXPECT_EQ(Form_Dreh_Matrizen.Label4.Caption, "");
    EXPECT_EQ(Form_Dreh_Matrizen.Mges_11.Text(), "0,000000");

    F.DrehMatrizenEinAusMenue.Click();
    EXPECT_FALSE(DrehMatrizenZeigen);
    EXPECT_FALSE(Form_Dreh_Matrizen.Visible);
    EXPECT_EQ(F.DrehMatrizenEinAusMenue.Caption, "Dreh-Matrizen einblenden");
}

TEST_F(Drehknoepfe, KoordinatensperreBeiAnimationen) {
    KoordZeigenGeraden = false;
    F.RadioGroup_Animationen.ItemIndex = 0;
    F.RadioGroup_Animationen.Click();
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text,
              "Die Anzeige der Geraden-Koordinaten ist gesperrt!\n"
              "Mit dem Paßwort koennen Sie diese Sperre unter\n"
              "'Einstellungen/ Koordinaten sperren-zeigen' aufheben!");
    // A continuous rotation is switched off first.
    F.But_DauerDrehungEinAus.Down = true;
    F.But_DauerDrehungEinAus.Click();
    F.RadioGroup_Animationen.Click();
    EXPECT_FALSE(DauerDrehen);
    EXPECT_FALSE(F.But_DauerDrehungEinAus.Down);
}

}  // namespace
