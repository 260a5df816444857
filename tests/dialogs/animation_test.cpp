// The animation windows of lines and planes: their timers move g, h, E1 and
// E2, the windows' grids follow, the dialogs take the coordinates over with
// an undo state at every take-over and close, and the step fields are
// checked.

#include <initializer_list>

#include "Tippen.h"
#include "forms/Animationen.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "platform/Zahltext.h"

namespace {

class Animation : public Dialogtest {
protected:
    TForm_Einst_GeradenAnima& L = Form_Einst_GeradenAnima;
    TForm_Einst_EbenenAnima& E = Form_Einst_EbenenAnima;

    // Step fields of h (Ebene 0; Gerade 1 for g) or of E1, E2 from field ab
    // on, each typed and left.
    void Schritte(std::initializer_list<const char*> s, int Ebene = 0, int ab = 1, int Gerade = 2) {
        int k = ab;
        for (const char* t : s) {
            TEdit& F = Ebene ? E.SchrittFeld(Ebene, k) : L.SchrittFeld(Gerade, k);
            F.SetTextStill(t);
            Ebene ? E.Edit_SchrittExit(Ebene, k) : L.Edit_SchrittExit(Gerade, k);
            ++k;
        }
    }
};

TEST_F(Animation, StartschritteBewegenDieSichtbareGeradeG) {
    ProgrammStart();  // of the lines only g is visible
    ASSERT_TRUE(Gerade_g.sichtbar == 1 && Gerade_h.sichtbar == 0);
    const TGerade g = Gerade_g, h = Gerade_h;
    L.Timer1.OnTimer();
    EXPECT_EQ(Gerade_g.Stuetzvektor, plus(g.Stuetzvektor, V{0, 0, 0.1L}));
    EXPECT_EQ(Gerade_h.Stuetzvektor, h.Stuetzvektor);
    // Every step field names its object, vector and axis.
    EXPECT_EQ(L.SchrittFeld(1, 3).Hint, "Schritt von g, Stützvektor, z");
    EXPECT_EQ(E.SchrittFeld(2, 5).Hint, "Schritt von E2, 1. Richtungsvektor, y");
}

TEST_F(Animation, GeradenTimerBewegtH) {
    L.FormShow();
    EXPECT_EQ(L.Timer1.Interval, 80);
    EXPECT_FALSE(L.Timer1.Laeuft());
    EXPECT_EQ(L.StringGrid2.Cells(0, 3), "1,000");  // h's support z

    // g still; h one step of 0,5 along x per tick, turning its direction by (0, 0, 1).
    Schritte({"0", "0", "0"}, 0, 1, 1);
    Schritte({"0,5", "0", "0", "0", "0", "1"});
    Druecken(L.But_Start);
    EXPECT_TRUE(L.Timer1.Laeuft());
    EXPECT_EQ(L.But_Start.Caption, "Stopp");

    const int undo = UndoAnzahl;
    const V g = Gerade_g.Stuetzvektor;
    for (int i = 0; i < 3; ++i) L.Timer1.OnTimer();
    EXPECT_EQ(Gerade_h.Stuetzvektor, (V{7.5L, -2, 1}));
    EXPECT_EQ(Gerade_h.Richtungsvektor, (V{-2, 2, 3}));
    EXPECT_EQ(Gerade_g.Stuetzvektor, g);
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
    // Every take-over and every close records one, moved or not.
    L.FormClose();
    EXPECT_EQ(UndoAnzahl, undo + 2);
    L.Timer1.OnTimer();
    L.BitBtn_SchliessenClick();
    EXPECT_EQ(Form_Geraden_t.StringGrid2.Cells(0, 1), "8,000");
    EXPECT_EQ(UndoAnzahl, undo + 3);
    EXPECT_EQ(host.Fenster.back().name, "Form_Einst_GeradenAnima");
    EXPECT_FALSE(host.Fenster.back().zeigen);
}

TEST_F(Animation, RichtungGehtNieDurchDenNullvektorUndBleibtImBereich) {
    // Direction (-2, 2, 0) with the step (1, -1, 0): the second tick would
    // give the null vector and takes the step twice.
    Schritte({"0", "0", "0", "1", "-1", "0"});
    L.Timer1.OnTimer();
    EXPECT_EQ(Gerade_h.Richtungsvektor, (V{-1, 1, 0}));
    L.Timer1.OnTimer();
    EXPECT_EQ(Gerade_h.Richtungsvektor, (V{1, -1, 0}));

    // A step that would carry h out of the accepted range stops the timer.
    Schritte({"9999"});
    L.FormShow();
    Druecken(L.But_Start);
    L.Timer1.OnTimer();  // x = 6 + 9999 is beyond
    EXPECT_FALSE(L.Timer1.Laeuft());
    EXPECT_FALSE(L.But_Start.Down);
    EXPECT_EQ(Gerade_h.Stuetzvektor.x, 6.0L);
}

TEST_F(Animation, SchrittfelderWerdenGeprueft) {
    const Extended alt = L.Schritt2[3];
    EXPECT_EQ(L.Edit_SchrittKeyPress(2, 3, '.'), ',');
    EXPECT_FALSE(L.Edit_SchrittKeyPress(2, 3, 'x'));
    Schritte({"12000"}, 0, 3);
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Geben Sie bitte nur Zahlen z ein mit\n-10000 + < z < 10000   !");
    EXPECT_EQ(L.Schritt2[3], alt);
    EXPECT_EQ(L.Edit_Schritt2[3].Text(), "12000");  // stays for the user to correct
    // Unfinished: the last step comes back, silently.
    host.Vergessen();
    Schritte({"-"}, 0, 3);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(L.Edit_Schritt2[3].Text(), ZahlAllgemein(alt));
    Schritte({"-0,25"}, 0, 3);
    EXPECT_EQ(L.Schritt2[3], -0.25L);

    // The plane window's fields likewise.
    Schritte({"abc"}, 2, 4);
    EXPECT_EQ(host.LetzteMeldung(), "Diese Eingabe entspricht keiner Gleitkommazahl!");
}

TEST_F(Animation, EbenenTimerBewegenE1UndE2) {
    E.FormShow();
    EXPECT_EQ(E.Timer1.Interval, 100);
    EXPECT_EQ(E.Timer2.Interval, 140);
    Druecken(E.But_StartE1);
    Druecken(E.But_StartE2);
    EXPECT_TRUE(E.Timer1.Laeuft() && E.Timer2.Laeuft());

    Schritte({"0", "0", "1", "0", "0", "0"}, 1);   // E1 upward
    Schritte({"0", "0", "0", "4", "0", "-1"}, 2);  // E2's u towards its v
    const int undo = UndoAnzahl;
    E.Timer1.OnTimer();
    EXPECT_EQ(Ebene_E1.Stuetzvektor, (V{4, 0, 1}));
    EXPECT_NEAR(static_cast<double>(Ebene_E1.KoordD / Ebene_E1.KoordA), -5.0, 1e-12);
    EXPECT_EQ(E.StringGrid1.Cells(0, 3), "1,000");
    EXPECT_TRUE(SchnittgeradeVorhanden);
    // E2: u = (4, 0, 1) + (4, 0, -1) = (8, 0, 0).
    E.Timer2.OnTimer();
    EXPECT_EQ(Ebene_E2.Richtungsvektor1, (V{8, 0, 0}));
    EXPECT_EQ(E.StringGrid5.Cells(0, 1), "8,000");
    EXPECT_EQ(UndoAnzahl, undo);
    EXPECT_EQ(Form_Ebenen.StringGrid2.Cells(1, 1), "4");

    // A step onto the other direction is taken twice: u never becomes v.
    Schritte({"0", "0", "0", "-8", "4", "-1"}, 2);  // (8,0,0) -> (0,4,-1) = v
    E.Timer2.OnTimer();
    EXPECT_EQ(Ebene_E2.Richtungsvektor1, (V{-8, 8, -2}));

    E.FormClose();
    EXPECT_FALSE(E.Timer1.Laeuft() || E.Timer2.Laeuft());
    EXPECT_EQ(Form_Ebenen.StringGrid1.Cells(0, 3), "1,000");
    EXPECT_EQ(Form_Ebenen.StringGrid2.Cells(1, 1), "-8,000");
    EXPECT_EQ(UndoAnzahl, undo + 1);
    // Opened and closed again without a move: one more state.
    E.FormShow();
    E.BitBtn_SchliessenClick();
    EXPECT_EQ(UndoAnzahl, undo + 2);
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
    Waehle(Form_Edits_01.RadioGroup_Animationen, 0);
    ASSERT_FALSE(host.Fenster.empty());
    EXPECT_TRUE(host.Fenster.front().modal);
    // Closed: the timer is off and the dialog took the coordinates over.
    EXPECT_FALSE(L.Timer1.Laeuft());
    EXPECT_EQ(Form_Geraden_t.StringGrid2.Cells(0, 3), KoordText(Gerade_h.Stuetzvektor.z));
    EXPECT_EQ(UndoAnzahl, undo + 1);

    // Locked plane coordinates: the message instead of the window.
    host.Vergessen();
    KoordZeigenEbenen = false;
    Waehle(Form_Edits_01.RadioGroup_Animationen, 1);
    EXPECT_TRUE(host.Fenster.empty());
    EXPECT_EQ(host.Meldungen.size(), 1u);
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
