// Undo and redo over the table of 61 states, the object store, and the
// main window's commands around them.

#include "Szenenstand.h"

#include "forms/Animationen.h"
#include "forms/Hauptfenster.h"
#include "scene/Datensatz.h"
#include "scene/Speicherzustand.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "control/Drehsteuerung.h"

namespace {

using Undo = Szenenstand;

TStringGrid& Gg() { return Form_Geraden_t.StringGrid1; }
Extended gx() { return Gerade[1].Stuetzvektor.x; }

TEST_F(Undo, ZurueckUndWiederStelltJedenZellinhaltHer) {
    const auto start = Gitterbild();
    Rueckgaengig();                             // only the start scene so far
    EXPECT_EQ(Meldungen(KeineDatenMeldung), 1);
    Bearbeiten(Gg(), 0, 1, "1,5");
    const auto nach1 = Gitterbild();
    Bearbeiten(Form_Ebenen.StringGrid2, 2, 3, "-3,25");
    Bearbeiten(Form_Punkte.StringGrid4, 1, 0, "7");
    const auto nach3 = Gitterbild();

    Rueckgaengig();
    Rueckgaengig();
    EXPECT_EQ(Gitterbild(), nach1);
    EXPECT_EQ(Punkt[4].Ort.x, 4.0L);           // the scene follows the cells
    Rueckgaengig();
    EXPECT_EQ(Gitterbild(), start);
    Rueckgaengig();
    EXPECT_EQ(Meldungen(KeineDatenMeldung), 2);
    for (int i = 0; i < 3; ++i) Wiederherstellen();
    EXPECT_EQ(Gitterbild(), nach3);
    Wiederherstellen();                         // the newest state is reached
    EXPECT_EQ(Meldungen(KeineDatenMeldung), 3);
    EXPECT_EQ(UndoAnzahl, 4);                   // neither records a state

    // An edit after an undo gives up the states after the one shown.
    Rueckgaengig();
    Rueckgaengig();
    Bearbeiten(Gg(), 0, 2, "9");
    EXPECT_EQ(UndoAnzahl, 3);
    Wiederherstellen();
    EXPECT_EQ(Meldungen(KeineDatenMeldung), 4);
    Rueckgaengig();
    EXPECT_EQ(Gitterbild(), nach1);
}

// With all 61 places in use the start scene stays at place 0 and the oldest
// state after it goes; nothing is written outside the table.
TEST_F(Undo, VolleTabelleBehaeltDenStartUndVerliertDenAeltestenSchritt) {
    const auto start = Gitterbild();
    for (int k = 1; k <= 75; ++k) {
        Bearbeiten(Gg(), 0, 1, KoordText(k));
        ASSERT_LE(UndoAnzahl, UndoPlaetze);
    }
    EXPECT_EQ(UndoAnzahl, 61);
    // Places 1..60 now hold the edits 16..75.
    for (int n = 1; n <= 59; ++n) {
        Rueckgaengig();
        ASSERT_EQ(gx(), static_cast<Extended>(75 - n)) << n;
    }
    Rueckgaengig();
    EXPECT_EQ(Gitterbild(), start);
    Rueckgaengig();
    EXPECT_EQ(Meldungen(KeineDatenMeldung), 1);

    // Recording on from the middle of a full table, then filling it again:
    // the view reset still finds the start scene at place 0.
    for (int n = 1; n <= 30; ++n) Wiederherstellen();
    Bearbeiten(Gg(), 0, 1, "100");
    EXPECT_EQ(UndoAnzahl, 32);
    for (int k = 1; k <= 40; ++k) Bearbeiten(Gg(), 0, 1, KoordText(200 + k));
    EXPECT_EQ(UndoAnzahl, 61);
    VerschiebungX = 40;
    Form_Edits_01.But_BackClick();
    EXPECT_EQ(Gitterbild(), start);
    EXPECT_EQ(UndoIndex, 0);
    EXPECT_EQ(VerschiebungX, 0);
    EXPECT_EQ(Meldungen(KeineDatenMeldung), 1);
    Form_Edits_01.BitBtn1Click();               // already at the start: as a plain undo
    EXPECT_EQ(Meldungen(KeineDatenMeldung), 2);
}

// Coordinates come back as they were typed, not cut to the 3 decimals of
// the usual text (a direction 0,0001 would become the null vector); radii,
// heights and every attribute stay as they are; the rotation list is
// forgotten by undo only.
TEST_F(Undo, NurGeometrieUndGenau) {
    Kugel[1].Radius = 1.23456L;
    Kegel[1].Radius = 2.5L;
    Bearbeiten(Gg(), 0, 1, "1,23456");
    Bearbeiten(Gg(), 1, 1, "10000,1234");
    Bearbeiten(Form_Geraden_t.StringGrid2, 1, 1, "0,0001");
    Bearbeiten(Form_Geraden_t.StringGrid2, 1, 2, "0");
    Bearbeiten(Form_Geraden_t.StringGrid2, 1, 3, "0");
    Bearbeiten(Form_Kegel.StringGrid1, 1, 1, "1");
    Kugel[1].Radius = 9.0L;
    Kegel[1].Speichen = 30;
    Gerade[1].Stiftbreite = 3;
    ObjektSichtbar(2) = 1;
    DrehAnzahl = 5;
    DrehListe[20] = {6, -5.0L};
    MGes(2, 3) = 0.5L;
    // The latest turn stays the latest: a restore never resets it.
    DrehungErfolgt = 4;
    Lotgerade.Richtungsvektor = {0, 1, 0};
    Rueckgaengig();
    EXPECT_EQ(Gg().Cells(0, 1), "1,23456");
    EXPECT_EQ(gx(), 1.23456L);
    EXPECT_EQ(Gg().Cells(1, 1), "10000,1234");
    EXPECT_EQ(Gerade[2].Richtungsvektor, (TVek_R3{0.0001L, 0, 0}));
    EXPECT_EQ(Form_Geraden_t.StringGrid2.Cells(1, 1), "0,0001");
    EXPECT_EQ(Kugel[1].Radius, 1.23456L);
    EXPECT_EQ(Kegel[1].Radius, 2.5L);
    EXPECT_EQ(Kegel[1].Normalenvektor.x, 0.0L);
    EXPECT_EQ(Kegel[1].Speichen, 30);
    EXPECT_EQ(Gerade[1].Stiftbreite, 3);
    EXPECT_EQ(ObjektSichtbar(2), 1);
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_EQ(Form_Edits_01.Panel_AnzDreh.Caption, "0");
    EXPECT_EQ(DrehListe[20], TDrehung{});
    EXPECT_EQ(MGes(2, 3), 0.0L);
    EXPECT_EQ(DrehungErfolgt, 4);
    DrehAnzahl = 4;
    Wiederherstellen();
    EXPECT_EQ(DrehAnzahl, 4);
    EXPECT_EQ(Kegel[1].Normalenvektor.x, 1.0L);
    EXPECT_EQ(DrehungErfolgt, 4);
    EXPECT_EQ(Lotgerade.Richtungsvektor, (TVek_R3{0, 1, 0}));
}

// The edit fields of the sphere and cone shown follow every restore, so the
// next edit in those dialogs does not bring the old value back.
TEST_F(Undo, RadiusUndHoeheDerDialogeFolgenJederWiederherstellung) {
    AktKugel = 2;
    AktKegel = 4;
    Kugel[2].Radius = 3.0L;
    Kegel[4].Radius = 1.75L;
    Kegel[4].Hoehe = 0.5L;
    Form_Kugeln.Edit_Radius.SetTextStill("3");
    Form_Kegel.Edit_Hoehe.SetTextStill("0,5");
    Bearbeiten(Gg(), 0, 1, "1");

    Rueckgaengig();
    EXPECT_EQ(Form_Kugeln.Edit_Radius.Text(), "2,500");
    EXPECT_EQ(Form_Kegel.Edit_Radius.Text(), "1,000");
    EXPECT_EQ(Form_Kegel.Edit_Hoehe.Text(), "3,000");
    Wiederherstellen();
    EXPECT_EQ(Form_Kugeln.Edit_Radius.Text(), "3,000");
    EXPECT_EQ(Form_Kegel.Edit_Hoehe.Text(), "0,500");
    host.Antworten = {Antwort::Ja};
    Form_Edits_01.BitBtn_DatenAusSpeichClick();   // the store holds the start scene
    EXPECT_EQ(Form_Kugeln.Edit_Radius.Text(), "2,500");
    EXPECT_EQ(Form_Kegel.Edit_Hoehe.Text(), "3,000");
}

TEST_F(Undo, ObjektSpeicherUndDauerdrehen) {
    TForm_Edits_01& F = Form_Edits_01;
    const auto start = Gitterbild();
    Bearbeiten(Gg(), 0, 1, "1");
    Bearbeiten(Gg(), 0, 1, "2");
    host.Antworten = {Antwort::Nein};
    F.BitBtn_DatenAusSpeichClick();
    EXPECT_EQ(gx(), 2.0L);
    EXPECT_EQ(host.LetzteMeldung(), SpeicherUeberschreibenFrage);

    Form_Einst_GeradenAnima.StringGrid1.Cells(0, 1) = "99";
    host.Antworten = {Antwort::Ja};
    F.BitBtn_DatenAusSpeichClick();
    EXPECT_EQ(Gitterbild(), start);
    EXPECT_EQ(Form_Einst_GeradenAnima.StringGrid1.Cells(0, 1), Gg().Cells(0, 1));
    EXPECT_EQ(host.LetzteMeldung(), SpeicherUebertragenMeldung);
    EXPECT_EQ(UndoAnzahl, 3);                   // taking the store back records nothing
    Rueckgaengig();                             // the newest state counts as the one on screen
    EXPECT_EQ(gx(), 1.0L);

    const TObjektDatensatz vorher = ObjektSpeicher;
    host.Antworten = {Antwort::Nein};
    F.BitBtn_DatenNachSpeichClick();
    EXPECT_EQ(ObjektSpeicher, vorher);
    host.Antworten = {Antwort::Ja};
    F.BitBtn_DatenNachSpeichClick();
    EXPECT_EQ(host.LetzteMeldung(), SpeicherUebernommenMeldung);
    Bearbeiten(Gg(), 0, 1, "-6");

    // While the scene turns, the two buttons refuse before they ask.
    DrehModus = 3;
    const std::size_t n = host.Meldungen.size();
    F.BitBtn_BackObjClick();
    host.Antworten = {Antwort::Ja};
    F.BitBtn_DatenAusSpeichClick();
    EXPECT_EQ(host.Meldungen.size(), n + 2);
    EXPECT_EQ(host.LetzteMeldung(), DauerdrehenStoppenMeldung);
    EXPECT_EQ(gx(), -6.0L);
    F.rckgngig1Click();                         // the menu item makes no such test
    EXPECT_EQ(gx(), 1.0L);
    EXPECT_EQ(DrehModus, 3);
    // Turning with the axes, the undone scene holds no recorded turn, so
    // the running turn stops: its steps could never be turned back.
    DrehModusAnzeigen();
    DrehAnzahl = 1;
    F.rckgngig1Click();
    EXPECT_TRUE(DrehModus == 0 && DrehAnzahl == 0);
    DrehModusAnzeigen();
    DrehModus = 0;
    Bearbeiten(Gg(), 0, 1, "-7");
    host.Antworten = {Antwort::Ja};
    F.BitBtn_DatenAusSpeich.Click();
    EXPECT_EQ(gx(), 1.0L);
}

}  // namespace
