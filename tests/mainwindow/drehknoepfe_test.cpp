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

// The common paths (comma, a refused angle, leaving the edit, the "1"
// button, the bar, the switches, the counter) run through real widgets in
// gui/drehleiste_test; here the edges only the core sees.
TEST_F(Drehknoepfe, DrehwinkelRaender) {
    F.Edit_Drehwinkel.SetText("");
    Tippen("36 0\b0");  // blanks dropped, Backspace passes
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "360");
    EXPECT_EQ(Drehwinkel, 360.0L);
    EXPECT_EQ(F.ScrollBar1.Position(), 360);
    F.Edit_Drehwinkel.SetText("-360");
    F.Edit_DrehwinkelExit();
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "-360,0000");
    EXPECT_EQ(Drehwinkel, -360.0L);
    F.Edit_Drehwinkel.SetText("360,5");  // passed over while typing
    EXPECT_EQ(Drehwinkel, -360.0L);
    // "-" and an empty edit are unfinished: left alone, no message.
    for (const char* t : {"-", ""}) {
        F.Edit_Drehwinkel.SetText(t);
        F.Edit_DrehwinkelExit();
        EXPECT_EQ(F.Edit_Drehwinkel.Text(), t);
        EXPECT_EQ(Drehwinkel, -360.0L);
    }
    EXPECT_TRUE(host.Meldungen.empty());
    F.But_DrehWinkAuf1.Click();
    EXPECT_EQ(F.ScrollBar1.Position(), 1);

    // The bar adds its change to an angle with decimals, without feeding
    // the edit's own move back in, and stops at 360.
    F.Edit_Drehwinkel.SetText("2,25");
    EXPECT_EQ(F.ScrollBar1.Position(), 2);
    F.ScrollBar1.SetPosition(3);
    EXPECT_EQ(Drehwinkel, 3.25L);
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "3,2500");
    F.Edit_Drehwinkel.SetText("0,4");
    ASSERT_EQ(F.ScrollBar1.Position(), 0);
    F.ScrollBar1.SetPosition(360);
    EXPECT_EQ(Drehwinkel, 360.0L);
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "360,0000");
}

TEST_F(Drehknoepfe, DrehschalterZaehlerUndIntervall) {
    for (int nr = 1; nr < ObjektAnzahl; ++nr) Klick(F.But_Drehen(nr));
    EXPECT_FALSE(F.AlleDrehEin.Down || F.AlleDrehAus.Down);
    EXPECT_TRUE(DrehObjektFlags[29]);
    EXPECT_FALSE(DrehObjektFlags[30]);
    Klick(F.But_Drehen_F);  // the 30th presses "alle drehen"
    EXPECT_TRUE(F.AlleDrehEin.Down);
    // "alle aus" switches every one off and stays down.
    Klick(F.AlleDrehAus);
    Klick(F.AlleDrehAus);
    EXPECT_TRUE(F.AlleDrehAus.Down);
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) EXPECT_FALSE(DrehObjektFlags[nr] || F.But_Drehen(nr).Down) << nr;
    Klick(F.AlleDrehEin);
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) EXPECT_TRUE(DrehObjektFlags[nr]) << nr;
    EXPECT_EQ(bilder, 0);  // the switches themselves turn and draw nothing
    Klick(F.But_DrhStr);
    EXPECT_FALSE(DrehstreckenZeigen);
    EXPECT_EQ(bilder, 1);
    F.DrStrEinst.Click();
    ASSERT_EQ(host.Fenster.size(), 1u);
    EXPECT_EQ(host.Fenster[0].name, "Form_DrStrEinst");
    EXPECT_TRUE(host.Fenster[0].modal);

    // Still black at 18 (red from 19 on); the interval reaches a stopped
    // timer only with the next start.
    DrehAnzahl = 18;
    F.DrehAnzahlAnzeigen();
    EXPECT_EQ(F.Panel_AnzDreh.FontColor, 0u);
    F.ScrollBar3.SetPosition(250);
    EXPECT_EQ(DrehIntervall, 250);
    EXPECT_EQ(F.Timer1.Interval, 0);
    Klick(F.But_DauerDrehungEinAus);
    Klick(F.But_GesamtDrehenYplus);
    EXPECT_EQ(F.Timer1.Interval, 250);
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
    EXPECT_EQ(F.DrehMatrizenEinAusMenue.FontColor, 0x000000FFu);  // red
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
    EXPECT_EQ(F.DrehMatrizenEinAusMenue.FontColor, 0x00000000u);
    // Closing the window itself turns the item back as well.
    F.DrehMatrizenEinAusMenue.Click();
    Form_Dreh_Matrizen.FormClose();
    EXPECT_EQ(F.DrehMatrizenEinAusMenue.Caption, "Dreh-Matrizen einblenden");
    EXPECT_EQ(F.DrehMatrizenEinAusMenue.FontColor, 0x00000000u);
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
