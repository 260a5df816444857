// The animation windows of lines and planes: their timers move h, E1 and E2,
// the windows' grids follow, the dialogs take the coordinates over with one
// undo state, and the step fields are checked.

#include <cmath>

#include <gtest/gtest.h>

#include "Tippen.h"
#include "dialogs/Animationen.h"
#include "dialogs/Ebenen.h"
#include "dialogs/Geraden_t.h"
#include "mainwindow/Hauptfenster.h"
#include "mainwindow/Programm.h"
#include "mainwindow/Schalter.h"
#include "platform/SkriptHost.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "view3d/Zeichnen.h"

namespace {

class Animation : public ::testing::Test {
protected:
    SkriptHost host;
    HostEinsetzen eingesetzt{host};
    TForm_Einst_GeradenAnima& L = Form_Einst_GeradenAnima;
    TForm_Einst_EbenenAnima& E = Form_Einst_EbenenAnima;
    int Bilder = 0;

    void SetUp() override {
        ProgrammStart();
        BekannteGeradenUndEbenen();
        BildUebertragen = [this] { ++Bilder; };
        host.Vergessen();
    }
    void TearDown() override { BildUebertragen = nullptr; }

    static void Druecken(TSpeedButton& B) {
        B.Down = !B.Down;
        B.Click();
    }
    static void Schrittfeld(TEdit& F, const std::string& Text) {
        F.SetTextStill(Text);
    }
};

TEST_F(Animation, GeradenTimerBewegtH) {
    L.FormShow();
    EXPECT_EQ(L.Timer1.Interval, 80);
    EXPECT_FALSE(L.Timer1.Laeuft());
    EXPECT_EQ(L.StringGrid2.Cells(0, 3), "1,000");  // h's support z

    // h one step of 0,5 along x per tick, turning its direction by (0, 0, 1).
    for (int k = 1; k <= 6; ++k) Schrittfeld(L.Edit_Schritt[k], "0");
    Schrittfeld(L.Edit_Schritt[1], "0,5");
    Schrittfeld(L.Edit_Schritt[6], "1");
    for (int k = 1; k <= 6; ++k) L.Edit_SchrittExit(k);
    Druecken(L.But_Start);
    EXPECT_TRUE(L.Timer1.Laeuft());
    EXPECT_EQ(L.But_Start.Caption, "Stopp");

    const int undo = UndoAnzahl;
    for (int i = 0; i < 3; ++i) L.Timer1.OnTimer();
    EXPECT_EQ(Gerade_h.Stuetzvektor, (TVek_R3{7.5L, -2, 1}));
    EXPECT_EQ(Gerade_h.Richtungsvektor, (TVek_R3{-2, 2, 3}));
    // Everything derived follows: drawn vector, positions, main window, picture.
    EXPECT_EQ(Gerade_h.VektorAnfang, Gerade_h.Stuetzvektor);
    EXPECT_EQ(LageGH, 0);
    EXPECT_EQ(Form_Edits_01.Label_gh.Caption, LageTextGH);
    EXPECT_EQ(Bilder, 3);
    // The window's grids follow, the lines dialog keeps its texts, and no
    // tick records an undo state.
    EXPECT_EQ(L.StringGrid2.Cells(0, 1), "7,500");
    EXPECT_EQ(L.StringGrid2.Cells(1, 3), "3,000");
    EXPECT_EQ(Form_Geraden_t.StringGrid2.Cells(0, 1), "6");
    EXPECT_EQ(UndoAnzahl, undo);

    // Stop, take over: the dialog holds h's coordinates, one undo state.
    Druecken(L.But_Start);
    EXPECT_FALSE(L.Timer1.Laeuft());
    L.But_KoordUebernehmen.Click();
    EXPECT_EQ(Form_Geraden_t.StringGrid2.Cells(0, 1), "7,500");
    EXPECT_EQ(UndoAnzahl, undo + 1);
    // Closing after that records nothing more; closing after a move does.
    L.FormClose();
    EXPECT_EQ(UndoAnzahl, undo + 1);
    L.Timer1.OnTimer();
    L.BitBtn_SchliessenClick();
    EXPECT_EQ(Form_Geraden_t.StringGrid2.Cells(0, 1), "8,000");
    EXPECT_EQ(UndoAnzahl, undo + 2);
    EXPECT_EQ(host.Fenster.back().name, "Form_Einst_GeradenAnima");
    EXPECT_FALSE(host.Fenster.back().zeigen);
}

TEST_F(Animation, RichtungGehtNieDurchDenNullvektorUndBleibtImBereich) {
    // Direction (-2, 2, 0) with the step (1, -1, 0): the second tick would
    // give the null vector and takes the step twice.
    const char* s[6] = {"0", "0", "0", "1", "-1", "0"};
    for (int k = 1; k <= 6; ++k) {
        Schrittfeld(L.Edit_Schritt[k], s[k - 1]);
        L.Edit_SchrittExit(k);
    }
    L.Timer1.OnTimer();
    EXPECT_EQ(Gerade_h.Richtungsvektor, (TVek_R3{-1, 1, 0}));
    L.Timer1.OnTimer();
    EXPECT_EQ(Gerade_h.Richtungsvektor, (TVek_R3{1, -1, 0}));

    // A step that would carry h out of the accepted range stops the timer.
    Schrittfeld(L.Edit_Schritt[1], "9999");
    L.Edit_SchrittExit(1);
    L.FormShow();
    Druecken(L.But_Start);
    L.Timer1.OnTimer();  // x = 6 + 9999 is beyond
    EXPECT_FALSE(L.Timer1.Laeuft());
    EXPECT_FALSE(L.But_Start.Down);
    EXPECT_EQ(Gerade_h.Stuetzvektor.x, 6.0L);
}

TEST_F(Animation, SchrittfelderWerdenGeprueft) {
    const Extended alt = L.Schritt[3];
    // The key filter of the fields.
    EXPECT_EQ(L.Edit_SchrittKeyPress(3, '.'), ',');
    EXPECT_FALSE(L.Edit_SchrittKeyPress(3, 'x'));
    Schrittfeld(L.Edit_Schritt[3], "12000");
    L.Edit_SchrittExit(3);
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Geben Sie bitte nur Zahlen z ein mit\n-10000 + < z < 10000   !");
    EXPECT_EQ(L.Schritt[3], alt);
    EXPECT_EQ(L.Edit_Schritt[3].Text(), "12000");  // stays for the user to correct
    // Unfinished: the last step comes back, silently.
    host.Vergessen();
    Schrittfeld(L.Edit_Schritt[3], "-");
    L.Edit_SchrittExit(3);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(L.Edit_Schritt[3].Text(), ZahlAllgemein(alt));
    Schrittfeld(L.Edit_Schritt[3], "-0,25");
    L.Edit_SchrittExit(3);
    EXPECT_EQ(L.Schritt[3], -0.25L);

    // The plane window's fields likewise.
    Schrittfeld(E.SchrittFeld(2, 4), "abc");
    E.Edit_SchrittExit(2, 4);
    EXPECT_EQ(host.LetzteMeldung(), "Diese Eingabe entspricht keiner Gleitkommazahl!");
}

TEST_F(Animation, EbenenTimerBewegenE1UndE2) {
    E.FormShow();
    EXPECT_EQ(E.Timer1.Interval, 100);
    EXPECT_EQ(E.Timer2.Interval, 140);
    Druecken(E.But_StartE1);
    Druecken(E.But_StartE2);
    EXPECT_TRUE(E.Timer1.Laeuft() && E.Timer2.Laeuft());

    const char* s1[6] = {"0", "0", "1", "0", "0", "0"};   // E1 upward
    const char* s2[6] = {"0", "0", "0", "4", "0", "-1"};  // E2's u onto its v
    for (int k = 1; k <= 6; ++k) {
        Schrittfeld(E.SchrittFeld(1, k), s1[k - 1]);
        E.Edit_SchrittExit(1, k);
        Schrittfeld(E.SchrittFeld(2, k), s2[k - 1]);
        E.Edit_SchrittExit(2, k);
    }
    const int undo = UndoAnzahl;
    E.Timer1.OnTimer();
    EXPECT_EQ(Ebene_E1.Stuetzvektor, (TVek_R3{4, 0, 1}));
    EXPECT_NEAR(static_cast<double>(Ebene_E1.KoordD / Ebene_E1.KoordA), -5.0, 1e-12);
    EXPECT_EQ(E.StringGrid1.Cells(0, 3), "1,000");
    EXPECT_TRUE(SchnittgeradeVorhanden);
    // E2: u = (4, 0, 1) + (4, 0, -1) = (8, 0, 0) is fine; the next step
    // would give (12, 0, -1), also fine.
    E.Timer2.OnTimer();
    EXPECT_EQ(Ebene_E2.Richtungsvektor1, (TVek_R3{8, 0, 0}));
    EXPECT_EQ(E.StringGrid5.Cells(0, 1), "8,000");
    EXPECT_EQ(UndoAnzahl, undo);
    EXPECT_EQ(Form_Ebenen.StringGrid2.Cells(1, 1), "4");

    // A step onto the other direction is taken twice: u never becomes v.
    const char* s3[6] = {"0", "0", "0", "-8", "4", "-1"};  // (8,0,0) -> (0,4,-1) = v
    for (int k = 1; k <= 6; ++k) {
        Schrittfeld(E.SchrittFeld(2, k), s3[k - 1]);
        E.Edit_SchrittExit(2, k);
    }
    E.Timer2.OnTimer();
    EXPECT_EQ(Ebene_E2.Richtungsvektor1, (TVek_R3{-8, 8, -2}));

    E.FormClose();
    EXPECT_FALSE(E.Timer1.Laeuft() || E.Timer2.Laeuft());
    EXPECT_EQ(Form_Ebenen.StringGrid1.Cells(0, 3), "1,000");
    EXPECT_EQ(Form_Ebenen.StringGrid2.Cells(1, 1), "-8,000");
    EXPECT_EQ(UndoAnzahl, undo + 1);
}

TEST_F(Animation, ParameterdarstellungEinUndAus) {
    L.FormShow();
    EXPECT_EQ(L.But_ParamDarst.Caption, "Param.-Darstell. ein");
    Druecken(L.But_ParamDarst);
    EXPECT_TRUE(ParamDarstellungZeigen);
    EXPECT_EQ(L.But_ParamDarst.Caption, "Param.-Darstell. aus");
    EXPECT_EQ(Form_Edits_01.ParamDarstellungEinAus.Caption, "Param.-Darstell. ausblenden");
    EXPECT_EQ(Bilder, 1);
    // The plane window shows the same state and switches it back.
    E.FormShow();
    EXPECT_TRUE(E.But_ParamDarst.Down);
    Druecken(E.But_ParamDarst);
    EXPECT_FALSE(ParamDarstellungZeigen);
    EXPECT_EQ(Bilder, 2);
}

TEST_F(Animation, OeffnenUeberDieAnimationsauswahlDesHauptfensters) {
    // The user starts h, lets it tick twice and closes the window.
    host.BeiModal = [this](const std::string& name) {
        ASSERT_EQ(name, "Form_Einst_GeradenAnima");
        Druecken(L.But_Start);
        L.Timer1.OnTimer();
        L.Timer1.OnTimer();
    };
    const int undo = UndoAnzahl;
    Form_Edits_01.RadioGroup_Animationen.ItemIndex = 0;
    Form_Edits_01.RadioGroup_Animationen.Click();
    ASSERT_FALSE(host.Fenster.empty());
    EXPECT_EQ(host.Fenster.front().name, "Form_Einst_GeradenAnima");
    EXPECT_TRUE(host.Fenster.front().modal);
    // Closed: the timer is off and the dialog took the coordinates over.
    EXPECT_FALSE(L.Timer1.Laeuft());
    EXPECT_EQ(Form_Geraden_t.StringGrid2.Cells(0, 3), KoordText(Gerade_h.Stuetzvektor.z));
    EXPECT_EQ(UndoAnzahl, undo + 1);

    // Locked plane coordinates: the message instead of the window.
    host.Vergessen();
    host.BeiModal = nullptr;
    KoordZeigenEbenen = false;
    Form_Edits_01.RadioGroup_Animationen.ItemIndex = 1;
    Form_Edits_01.RadioGroup_Animationen.Click();
    EXPECT_TRUE(host.Fenster.empty());
    EXPECT_EQ(host.LetzteMeldung(),
              "Die Anzeige der Ebenen-Koordinaten ist gesperrt!\n"
              "Mit dem Paßwort koennen Sie diese Sperre unter\n"
              "'Einstellungen/ Koordinaten sperren-zeigen' aufheben!");
}

TEST_F(Animation, TickUeberschreibtDieZelleInBearbeitungNicht) {
    TStringGrid& G = L.StringGrid2;
    G.Col = 0;
    G.Row = 1;
    G.Bearbeitung = true;
    G.Cells(0, 1) = "12";
    L.Timer1.OnTimer();
    EXPECT_EQ(G.Cells(0, 1), "12");
    EXPECT_EQ(G.Cells(0, 3), KoordText(Gerade_h.Stuetzvektor.z));
    G.Bearbeitung = false;
    GeradenAnimaGitterFuellen();
    EXPECT_EQ(G.Cells(0, 1), "6,000");
}

}  // namespace
