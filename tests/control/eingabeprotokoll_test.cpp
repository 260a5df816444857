// The common edit protocol, driven through the lines dialog as a user types:
// the key filter, unfinished and refused texts, the whole-object rule, the
// apply chain with its one undo state, Tab, and the cell in edit.

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "Szenenstand.h"
#include "control/Dateien.h"
#include "forms/Animationen.h"
#include "forms/DrehenUmGerade.h"
#include "forms/VektSumme.h"
#include "dialogs/Tippen.h"
#include "forms/EbenKoord.h"
#include "forms/Fadenkreuz.h"
#include "forms/Hauptfenster.h"
#include "forms/Punkte.h"
#include "geometry/Eingabe.h"
#include "scene/Datensatz.h"
#include "scene/DrehZustand.h"
#include "control/Undo.h"
#include "view3d/Drehen.h"
#include "view3d/ObjektGeometrie.h"
#include "control/Drehsteuerung.h"

namespace {

class Protokoll : public Dialogtest {
protected:
    TForm_Geraden_t& D = Form_Geraden_t;
    TStringGrid& g = Form_Geraden_t.StringGrid1;
};

TEST(Tastenfilter, NurZiffernKommaMinusUndRuecktasteUndDreiArtenVonText) {
    EXPECT_EQ(TasteFiltern('.'), ',');
    for (char k : {',', '-', '0', '9', TasteBackspace}) EXPECT_EQ(TasteFiltern(k), k);
    for (char k : {'a', 'E', 'e', '+', ' ', '/', ':', '\r', TasteTab}) EXPECT_FALSE(TasteFiltern(k)) << k;

    for (const char* t : {"", "-", ",", "-,"}) EXPECT_EQ(ZellTextPruefen(t), ZellStand::Unfertig) << t;
    for (const char* t : {"0", "-0,5", ",5", "10000,999", "-10000,999", "1,"})
        EXPECT_EQ(ZellTextPruefen(t), ZellStand::Gueltig) << t;
    for (const char* t : {"10001", "-10001", "1-2", "--", "1,2,3", "abc", "1.5"})
        EXPECT_EQ(ZellTextPruefen(t), ZellStand::Abgelehnt) << t;
}

TEST_F(Protokoll, EinTastendruckDurchlaeuftDieGanzeKette) {
    const int undo = UndoAnzahl;
    ASSERT_EQ(LageGH, 1);  // g and h meet at the start

    // g's support point x from -4 to 1.5, typed with a point and a stray letter.
    Tippen(D, g, 0, 1, "1.a5");
    EXPECT_EQ(g.Cells(0, 1), "1,5");
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, 1.5L);
    // Three keys, three applies, three undo states and pictures; leaving
    // the applied cell adds nothing.
    EXPECT_EQ(UndoAnzahl, undo + 3);
    EXPECT_EQ(Bilder, 3);
    D.ZelleVerlassen(g, 0, 1);
    EXPECT_EQ(UndoAnzahl, undo + 3);
    EXPECT_TRUE(host.Meldungen.empty());

    // Derived objects follow: drawn piece around the new support point,
    // trace point in the x,y-plane (A = (1.5, -4, -2), u = (2, 2, 1): z = 0
    // at t = 2), positions, the main window's texts, the projected line.
    EXPECT_EQ(Gerade_g.VektorAnfang.x, 1.5L);
    EXPECT_EQ(Gerade_g.SpurpunktXYvorhanden, 1);
    EXPECT_NEAR(static_cast<double>(Gerade_g.SpurpunktXY.x), 5.5, 1e-12);
    EXPECT_EQ(LageGH, 0);
    EXPECT_EQ(LageTextGH, "windschief");
    EXPECT_EQ(Form_Edits_01.Label_gh.Caption, "windschief");
    EXPECT_EQ(Projektionsgeraden[1].gueltig, 1);

    // Without redraw the edit applies but draws nothing.
    NeuZeichnenAus = 1;
    Tippen(D, g, 1, 1, "12");
    NeuZeichnenAus = 0;
    EXPECT_EQ(Gerade_g.Richtungsvektor.x, 12.0L);
    EXPECT_EQ(Bilder, 3);
}

TEST_F(Protokoll, BereichsfehlerMeldetUndSetztDenLetztenGueltigenTextZurueck) {
    Tippen(D, g, 0, 2, "20000");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Geben Sie bitte nur Zahlen z ein mit\n-10001 < z < 10001 !");
    EXPECT_EQ(g.Cells(0, 2), "2000");
    EXPECT_EQ(Gerade_g.Stuetzvektor.y, 2000.0L);
    // The text put back is selected: the next key starts a new number.
    EXPECT_TRUE(g.AllesMarkiert);

    // The boundaries themselves are refused, just inside is accepted.
    host.Vergessen();
    Tippen(D, g, 0, 3, "-10001");
    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(g.Cells(0, 3), "-1000");
    host.Vergessen();
    Tippen(D, g, 0, 3, "10000,999");
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(Gerade_g.Stuetzvektor.z, 10000.999L);
}

TEST_F(Protokoll, UnfertigeTexteWerdenNieAngewandt) {
    const TGerade vorher = Gerade_g;
    const int undo = UndoAnzahl;
    Tippen(D, g, 0, 1, "-");
    EXPECT_EQ(g.Cells(0, 1), "-");
    Tippen(D, g, 0, 1, ",", true);  // "-," on the way to "-,5"
    EXPECT_EQ(g.Cells(0, 1), "-,");
    EXPECT_EQ(Gerade_g, vorher);
    EXPECT_EQ(UndoAnzahl, undo);
    EXPECT_EQ(Bilder, 0);
    EXPECT_TRUE(host.Meldungen.empty());
    Tippen(D, g, 0, 1, "5", true);
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, -0.5L);

    // Emptied with Backspace and left: the last valid text comes back,
    // silently, and the line stays as it was.
    const std::string alt = g.Cells(0, 2);
    Tippen(D, g, 0, 2, std::string(alt.size(), TasteBackspace), true);
    EXPECT_EQ(g.Cells(0, 2), "");
    D.ZelleVerlassen(g, 0, 2);
    EXPECT_EQ(g.Cells(0, 2), alt);
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Protokoll, EinHalbesObjektWirdNieAngewandt) {
    // A cell emptied without the protocol (say, pasted over) leaves the
    // object incomplete: typing elsewhere applies nothing.
    g.Cells(1, 3) = "";
    const TGerade vorher = Gerade_g;
    const int undo = UndoAnzahl;
    Eingeben(D, g, 0, 1, "7");
    EXPECT_EQ(Gerade_g, vorher);
    EXPECT_EQ(UndoAnzahl, undo);
    EXPECT_EQ(g.Cells(0, 1), "7");  // waits for the object to be whole
    // Once the object is whole again, both cells apply together.
    Eingeben(D, g, 1, 3, "3");
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, 7.0L);
    EXPECT_EQ(Gerade_g.Richtungsvektor.z, 3.0L);
    EXPECT_EQ(UndoAnzahl, undo + 1);
}

TEST_F(Protokoll, AbgelehntesObjektBekommtSofortSeinenLetztenGueltigenText) {
    Eingeben(D, g, 1, 1, "0");
    Eingeben(D, g, 1, 2, "0");
    EXPECT_TRUE(host.Meldungen.empty());
    const int undo = UndoAnzahl;
    // Each key that makes the direction the null vector: its message, nothing
    // applied, and the cell shows what the line holds, selected, so the keys
    // after it start anew (0 on the way to 0,5 ends as ",5").
    struct Taste { const char* Text; bool Weiter; const char* Zelle; Extended z; int Meldungen; };
    for (const Taste& t : {Taste{"0", false, "1", 1, 1}, Taste{",5", true, ",5", 0.5L, 1},
                           Taste{"0", false, ",5", 0.5L, 2}, Taste{"5", true, "5", 5, 2}}) {
        Tippen(D, g, 1, 3, t.Text, t.Weiter);
        EXPECT_EQ(g.Cells(1, 3), t.Zelle) << t.Text;
        EXPECT_EQ(Gerade_g.Richtungsvektor.z, t.z) << t.Text;
        EXPECT_EQ(host.Meldungen.size(), static_cast<std::size_t>(t.Meldungen)) << t.Text;
    }
    EXPECT_EQ(host.Meldungen[0].text, "Der Richtungsvektor darf nicht der Nullvektor sein!");
    EXPECT_EQ(UndoAnzahl, undo + 2);
    D.ZelleVerlassen(g, 1, 3);
    EXPECT_EQ(g.Cells(1, 3), "5");
    EXPECT_EQ(host.Meldungen.size(), 2u);
}

TEST_F(Protokoll, TabWandertDurchDasGitter) {
    g.Col = 0;
    g.Row = 1;
    for (const auto& z : {std::pair{0, 2}, {0, 3}, {1, 1}, {1, 2}, {1, 3}, {0, 1}}) {
        EXPECT_FALSE(D.TasteGedrueckt(g, TasteTab));
        EXPECT_EQ(std::pair(g.Col, g.Row), z);
    }
    // Tab leaves the cell: an unfinished text goes back before the move.
    Tippen(D, g, 0, 1, "-");
    D.TasteGedrueckt(g, TasteTab);
    EXPECT_EQ(g.Cells(0, 1), "-4");
    EXPECT_EQ(g.Row, 2);
    EXPECT_FALSE(g.Bearbeitung);
}

TEST_F(Protokoll, RueckschreibungLaesstDieZelleInBearbeitungUndWendetNichtsAn) {
    Tippen(D, g, 0, 1, "-");
    EXPECT_TRUE(g.Bearbeitung);
    // A rotation step writes the turned lines back into the grids.
    Gerade_g.Stuetzvektor = {9, 9, 9};
    GeradenDatenInDialog();
    EXPECT_EQ(g.Cells(0, 1), "-");
    EXPECT_EQ(g.Cells(0, 2), "9,000");
    D.ZelleVerlassen(g, 0, 1);
    EXPECT_FALSE(g.Bearbeitung);
    GeradenDatenInDialog();
    EXPECT_EQ(g.Cells(0, 1), "9,000");

    // Only a cell the user changed is applied on leaving: after a rotation
    // step wrote the cell anew, clicking into it and out again applies nothing.
    Eingeben(D, g, 0, 1, "1");
    Gerade_g.Stuetzvektor.x = 1.5L;
    GeradenDatenInDialog();
    const int undo = UndoAnzahl;
    D.ZelleVerlassen(g, 0, 1);
    EXPECT_EQ(UndoAnzahl, undo);
    EXPECT_EQ(g.Cells(0, 1), "1,500");
    // An editor opened without a key: a write that left it alone shows
    // once it closes, in that cell only, and Escape after the first key
    // brings that back, not the text the editor opened with.
    g.Col = 0, g.Row = 2, g.Bearbeitung = true;
    Gerade_g.Stuetzvektor.y = 2.5L;
    GeradenDatenInDialog();
    EXPECT_EQ(g.Cells(0, 2), "9,000");
    D.ZelleVerlassen(g, 0, 1);
    EXPECT_EQ(g.Cells(0, 1), "1,500");
    D.ZelleVerlassen(g, 0, 2);
    EXPECT_EQ(g.Cells(0, 2), "2,500");
    Gerade_g.Stuetzvektor.y = 4;
    GeradenDatenInDialog();
    D.ZelleVerlassen(g, 0, 2);
    EXPECT_EQ(g.Cells(0, 2), "4,000");
    g.Bearbeitung = true;
    Gerade_g.Stuetzvektor.y = 3.5L;
    GeradenDatenInDialog();
    Tippen(D, g, 0, 2, "7");
    D.ZelleAbbrechen(g, 0, 2);
    EXPECT_EQ(g.Cells(0, 2), "3,500");
    EXPECT_EQ(Gerade_g.Stuetzvektor.y, 3.5L);

    // A change without keys (a paste) is an edit as well: pasted "-" goes
    // back to the text before it on leaving.
    D.ZelleGetippt(g, 0, 1, "-");
    D.ZelleVerlassen(g, 0, 1);
    EXPECT_EQ(g.Cells(0, 1), "1,500");
    D.ZelleGetippt(g, 0, 1, "2");
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, 2.0L);
    EXPECT_EQ(UndoAnzahl, undo + 1);
}

TEST_F(Protokoll, MitGedrehtenAchsenFragtDieErsteTaste) {
    DrehModusAnzeigen();  // mode with axes
    ASSERT_TRUE(AchsenMitDrehen);
    host.Antworten = {Antwort::Nein};
    Tippen(D, g, 0, 1, "1");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    // The dialogs' own question, without the line on continuous rotation.
    EXPECT_EQ(host.Meldungen[0].text, AchsenUmstellenFrage);
    EXPECT_EQ(g.Cells(0, 1), "-4");  // the key was dropped
    EXPECT_TRUE(AchsenMitDrehen);

    host.Vergessen();
    host.Antworten = {Antwort::Ja};
    Tippen(D, g, 0, 1, "1");
    EXPECT_FALSE(AchsenMitDrehen);
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, 1.0L);
    EXPECT_EQ(host.Meldungen.size(), 1u);  // asked once only

    // Turning without axes: the question of the rotation control.
    host.Vergessen();
    DauerDrehen = true;
    DrehModus = 2;
    host.Antworten = {Antwort::Ja};
    Tippen(D, g, 0, 1, "2");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, KoordAenderungFrage);
    EXPECT_EQ(DrehModus, 0);
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, 2.0L);
}

TEST_F(Protokoll, AbbruchLaesstSzeneUndRueckgaengigTabelleWieVorDerEingabe) {
    // After an undo: the redo steps stay.
    Eingeben(D, g, 0, 1, "1");
    Eingeben(D, g, 0, 1, "2");
    Rueckgaengig();
    Rueckgaengig();
    std::vector<std::string> vorher = UndoUndSzene();
    const std::string text = g.Cells(0, 1);
    Tippen(D, g, 0, 1, "9");
    const int bilder = Bilder;
    D.ZelleAbbrechen(g, 0, 1);
    EXPECT_EQ(g.Cells(0, 1), text);
    EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), vorher), -1);
    EXPECT_EQ(Bilder, bilder + 1);
    host.Vergessen();
    Wiederherstellen();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, 1.0L);

    // A full table keeps its oldest states.
    while (UndoAnzahl < UndoPlaetze) Eingeben(D, g, 1, 1, std::to_string(UndoAnzahl % 7 + 1));
    vorher = UndoUndSzene();
    Tippen(D, g, 0, 2, "1234");
    D.ZelleAbbrechen(g, 0, 2);
    EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), vorher), -1);

    // Another change recorded a state during the edit: the edit's states
    // stay, and the scene put back gets one, so an undo starts from it.
    Eingeben(D, g, 0, 1, "3");
    const int undo = UndoAnzahl;
    Tippen(D, g, 0, 1, "8");
    UndoPunktSetzen();
    D.ZelleAbbrechen(g, 0, 1);
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, 3.0L);
    EXPECT_EQ(UndoAnzahl, std::min(undo + 3, UndoPlaetze));
    EXPECT_EQ(UndoDaten[UndoAnzahl - 1].gStuetz.x, 3.0L);

    // The object before the edit would fail its own check as its cells
    // show it: g's direction (0; 0,0004; 0) shows 0,000 twice after a turn.
    for (auto [r, t] : {std::pair{1, "0,0004"}, {2, "0"}, {3, "0"}}) Eingeben(D, g, 1, r, t);
    for (bool& f : DrehObjektFlags) f = true;
    Drehwinkel = 90;
    GesamtDrehenPlus(3);
    ASSERT_EQ(g.Cells(1, 1), "0,000");
    ASSERT_EQ(g.Cells(1, 2), "0,000");
    vorher = UndoUndSzene();
    Tippen(D, g, 1, 1, "75");
    ASSERT_EQ(Gerade_g.Richtungsvektor.x, 75.0L);
    D.ZelleAbbrechen(g, 1, 1);
    EXPECT_EQ(g.Cells(1, 1), "0,000");
    EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), vorher), -1);

    // Turned with the axes, the first key's Yes undid the rotations: the
    // cancel goes back to right after that, the turns stay undone.
    Eingeben(D, g, 1, 1, "1");
    const TVek_R3 h0 = Gerade_h.Stuetzvektor;
    const int zustaende = UndoAnzahl;
    TForm_Edits_01& F = Form_Edits_01;
    F.But_drehenMit_OhneAchsen.Click();
    F.AlleDrehKnoepfeSetzen(true);
    F.But_GesamtDrehenZplus.Down = true;
    F.But_GesamtDrehenZplus.Click();
    ASSERT_TRUE(AchsenMitDrehen && SzeneGedreht);
    host.Antworten = {Antwort::Ja};
    Tippen(D, g, 0, 3, "7");
    ASSERT_EQ(Gerade_g.Stuetzvektor.z, 7.0L);
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_FALSE(AchsenMitDrehen || SzeneGedreht);
    for (auto [a, b] : {std::pair{Gerade_h.Stuetzvektor.x, h0.x}, {Gerade_h.Stuetzvektor.y, h0.y}})
        EXPECT_NEAR(static_cast<double>(a), static_cast<double>(b), 1e-12);
    EXPECT_EQ(UndoAnzahl, zustaende);
}

// Something else happens while a cell's edit stays open (its editor keeps
// its text when the window loses the focus); Escape must take back the
// edit's own typing and nothing that other action did.
TEST_F(Protokoll, AbbruchNachAnderemNimmtNurDasEigeneTippenZurueck) {
    TForm_Edits_01& F = Form_Edits_01;
    TStringGrid& h = Form_Geraden_t.StringGrid2;
    host.StandardAntwort = Antwort::Ja;

    // Two undos change g: Escape or leaving the cell changes nothing, the
    // redo steps stay.
    std::vector<std::string> vorher;
    for (bool abbrechen : {true, false}) {
        Eingeben(D, g, 0, 3, "1");
        Eingeben(D, g, 0, 3, "2");
        Tippen(D, g, 0, 3, "7");
        F.rckgngig1Click();
        F.rckgngig1Click();
        ASSERT_EQ(g.Cells(0, 3), "1,000");
        vorher = UndoUndSzene();
        abbrechen ? D.ZelleAbbrechen(g, 0, 3) : D.ZelleVerlassen(g, 0, 3);
        EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), vorher), -1);
        host.Vergessen();
        F.widerrufen1Click();
        EXPECT_EQ(Gerade_g.Stuetzvektor.z, 2.0L);
        EXPECT_TRUE(host.Meldungen.empty());
    }

    // The object store brought back (no undo state) changes g and h; the
    // key typed since goes, the store's scene stays.
    Eingeben(D, h, 0, 1, "9");
    F.BitBtn_DatenNachSpeichClick();
    Eingeben(D, h, 0, 1, "1");
    Tippen(D, g, 0, 3, "7");
    F.BitBtn_DatenAusSpeichClick();
    ASSERT_EQ(Gerade_h.Stuetzvektor.x, 9.0L);
    const Extended zSpeicher = Gerade_g.Stuetzvektor.z;
    vorher = UndoUndSzene();
    Tippen(D, g, 0, 3, "5", true);
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), vorher), -1);
    EXPECT_EQ(Gerade_h.Stuetzvektor.x, 9.0L);
    EXPECT_EQ(Gerade_g.Stuetzvektor.z, zSpeicher);
    // The same when the store brings the very scene the typing made.
    Eingeben(D, g, 0, 3, "6");
    F.BitBtn_DatenNachSpeichClick();
    Eingeben(D, g, 0, 3, "5");
    Tippen(D, g, 0, 3, "6");
    F.BitBtn_DatenAusSpeichClick();
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(Gerade_g.Stuetzvektor.z, 6.0L);
    EXPECT_EQ(g.Cells(0, 3), "6,000");

    // A vector-sum step (no undo state) between two keys leaves g alone:
    // g gets its text from before the edit back, with one state; V1 stays.
    TForm_VektSumme& S = Form_VektSumme;
    Eingeben(D, g, 0, 3, "3");
    Tippen(D, g, 0, 3, "7");
    Form_Vektoren.But_VSummeClick();
    S.EditEnter(10);
    S.EditGetippt(10, "2");
    const TVektor V1 = Vektor[1];
    const int undo = UndoAnzahl;
    Tippen(D, g, 0, 3, "5", true);
    ASSERT_EQ(Gerade_g.Stuetzvektor.z, 75.0L);
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(Gerade_g.Stuetzvektor.z, 3.0L);
    EXPECT_EQ(g.Cells(0, 3), "3");
    EXPECT_EQ(Vektor[1].Vektor, V1.Vektor);
    EXPECT_EQ(S.Feld(10).Text(), "2");
    EXPECT_EQ(UndoAnzahl, std::min(undo + 2, UndoPlaetze));
    EXPECT_EQ(UndoDaten[UndoAnzahl - 1].gStuetz.z, 3.0L);
    EXPECT_EQ(UndoDaten[UndoAnzahl - 1].Vektor[1].Vektor, V1.Vektor);
    S.FormClose();
}

// The other action changed the edited object: a load, a turn with or
// without the axes, an animation. What it left stays, and the cell shows it.
TEST_F(Protokoll, AbbruchLaesstGeladenesGedrehtesUndAnimiertesStehen) {
    TForm_Edits_01& F = Form_Edits_01;
    host.StandardAntwort = Antwort::Ja;
    std::string pfad = (std::filesystem::temp_directory_path() / "rg_protokoll_XXXXXX").string();
    const int fd = ::mkstemp(pfad.data());
    ASSERT_GE(fd, 0);
    ::close(fd);
    ObjektdatenPfad = pfad;
    ASSERT_TRUE(ObjektdatenSchreiben());   // g's z is -2

    Eingeben(D, g, 0, 3, "3");
    Tippen(D, g, 0, 3, "7");
    ASSERT_TRUE(ObjektdatenLaden(pfad));
    std::filesystem::remove(pfad);
    std::vector<std::string> vorher = UndoUndSzene();
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(Gerade_g.Stuetzvektor.z, -2.0L);
    EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), vorher), -1);

    // Turned by 90 degrees about x: the turn skipped the open cell, which
    // shows the turned line afterwards; the next edit starts from it.
    for (bool& f : DrehObjektFlags) f = true;
    Drehwinkel = 90;
    Tippen(D, g, 0, 3, "7");
    GesamtDrehenPlus(1);
    const TGerade gedreht = Gerade_g;
    vorher = UndoUndSzene();
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(Gerade_g.Stuetzvektor, gedreht.Stuetzvektor);
    EXPECT_EQ(ZelleOhneIhrObjekt(), "");
    EXPECT_EQ(g.Cells(0, 3), ZellText(gedreht.Stuetzvektor.z));
    // Typed after the turn, Escape takes back those keys only.
    Tippen(D, g, 1, 1, "7");
    GesamtDrehenPlus(1);
    const TGerade zweimal = Gerade_g;
    Tippen(D, g, 1, 1, "5", true);
    D.ZelleAbbrechen(g, 1, 1);
    EXPECT_EQ(Gerade_g.Richtungsvektor, zweimal.Richtungsvektor);
    EXPECT_EQ(ZelleOhneIhrObjekt(), "");

    // Turned with the axes: the turns and the mode stay, nothing is asked.
    Tippen(D, g, 0, 3, "7");
    F.But_drehenMit_OhneAchsen.Click();
    F.AlleDrehKnoepfeSetzen(true);
    F.But_GesamtDrehenZplus.Down = true;
    F.But_GesamtDrehenZplus.Click();
    ASSERT_TRUE(AchsenMitDrehen && DrehAnzahl == 1);
    host.Vergessen();
    vorher = UndoUndSzene();
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_TRUE(AchsenMitDrehen && DrehAnzahl == 1);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), vorher), -1);
    EXPECT_EQ(g.Cells(0, 3), "7");   // the axes' frame, as the turn left it
    F.But_drehenMit_OhneAchsen.Click();

    // Overtaken by another action before the turn with the axes, the
    // typing is gone: the edit ends showing the object in the axes' frame,
    // Escape or a click elsewhere, and the next apply does not read it back.
    // So for g turned, and for E2 set by its coordinate form.
    TForm_EbenKoord& K = Form_EbenKoord;
    TForm_Ebenen& E = Form_Ebenen;
    const TObjektGitter e2 = E.ObjektGitter(E.StringGrid2);
    for (const int fall : {0, 1, 2}) {
        const bool ebene = fall == 2;
        TObjektDialog& Dlg = ebene ? static_cast<TObjektDialog&>(E) : D;
        TStringGrid& G = ebene ? E.StringGrid2 : g;
        Tippen(Dlg, G, 0, 3, "7,8");
        if (ebene) {
            AktEbene = 2;
            K.FormActivate();
            FeldEingeben(K, K.Edit_d, "3");
        } else {
            GesamtDrehenPlus(1);
        }
        const Extended z = ebene ? e2.ObjektWert(0, 3) : Gerade_g.Stuetzvektor.z;
        ASSERT_FALSE(ZeigtWert("7,8", z));
        F.But_drehenMit_OhneAchsen.Click();
        F.But_GesamtDrehenZplus.Down = true;
        F.But_GesamtDrehenZplus.Click();
        ASSERT_TRUE(AchsenMitDrehen && DrehAnzahl == 1);
        fall == 1 ? Dlg.ZelleVerlassen(G, 0, 3) : Dlg.ZelleAbbrechen(G, 0, 3);
        EXPECT_EQ(G.Cells(0, 3), ZellText(z)) << fall;
        host.Antworten = {Antwort::Ja};
        Eingeben(Dlg, G, 0, 1, "2");
        ASSERT_FALSE(AchsenMitDrehen);
        EXPECT_TRUE(ZeigtWert(G.Cells(0, 3), z) && ZeigtWert(ZellText(z), Dlg.ObjektGitter(G).ObjektWert(0, 3))) << fall;
    }
    // Typed on after such a write, the typing is the object's again and
    // goes with the turn.
    Tippen(D, g, 0, 3, "7");
    GesamtDrehenPlus(1);
    Tippen(D, g, 0, 3, "5", true);
    F.But_drehenMit_OhneAchsen.Click();
    F.But_GesamtDrehenZplus.Down = true;
    F.But_GesamtDrehenZplus.Click();
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(g.Cells(0, 3), "75");
    F.But_drehenMit_OhneAchsen.Click();

    // The line animation moves g up to its end and takes it over.
    TForm_Einst_GeradenAnima& L = Form_Einst_GeradenAnima;
    Tippen(D, g, 0, 3, "7");
    L.FormShow();
    for (int n = 0; n < 3; ++n) L.Timer1.OnTimer();
    L.FormClose();
    const TVek_R3 Ende = Gerade_g.Stuetzvektor;
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(Gerade_g.Stuetzvektor, Ende);
    EXPECT_EQ(ZelleOhneIhrObjekt(), "");
}

// After Escape every cell and field shows what the scene holds, also when
// the edit applied nothing; an object no undo state keeps comes back too.
TEST_F(Protokoll, NachDemAbbruchZeigtJedeZelleIhrObjekt) {
    // Only "-" typed, then an undo: the cell shows the undone scene.
    Eingeben(D, g, 0, 3, "5");
    Tippen(D, g, 0, 3, "-");
    Form_Edits_01.rckgngig1Click();
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(g.Cells(0, 3), ZellText(Gerade_g.Stuetzvektor.z));
    EXPECT_EQ(Gerade_g.Stuetzvektor.z, -2.0L);
    // A cell that held no number when the edit began gets its object's.
    for (const char* getippt : {"7", "-"}) {
        g.Cells(0, 3) = "";
        Tippen(D, g, 0, 3, getippt);
        D.ZelleAbbrechen(g, 0, 3);
        EXPECT_EQ(g.Cells(0, 3), "-2,000") << getippt;
        EXPECT_EQ(Gerade_g.Stuetzvektor.z, -2.0L);
    }

    // Another sphere chosen during the edit: the radius field shows it.
    TForm_Kugeln& K = Form_Kugeln;
    K.ObjektWaehlen(2);
    FeldEingeben(K, K.Edit_Radius, "2,5");
    K.ObjektWaehlen(1);
    FeldEingeben(K, K.Edit_Radius, "2");
    Tippen(D, g, 0, 3, "7");
    K.ObjektWaehlen(2);
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(K.Edit_Radius.Text(), "2,500");
    EXPECT_EQ(Gerade_g.Stuetzvektor.z, -2.0L);

    // The rotation axis is kept by no undo state: it comes back through its
    // cells.
    TForm_DrehenUmGerade& A = Form_DrehenUmGerade;
    A.FormActivate();
    const TVek_R3 Stuetz = Drehachse.Stuetzvektor;
    const std::string Text = A.StringGrid1.Cells(0, 1);
    Tippen(A, A.StringGrid1, 0, 1, "5");
    ASSERT_EQ(Drehachse.Stuetzvektor.x, 5.0L);
    A.ZelleAbbrechen(A.StringGrid1, 0, 1);
    EXPECT_EQ(Drehachse.Stuetzvektor, Stuetz);
    EXPECT_EQ(A.StringGrid1.Cells(0, 1), Text);
    // An undo writes none of its cells, yet counts: Escape records no
    // state, and the redo step stays.
    Eingeben(D, g, 0, 3, "4");
    Tippen(A, A.StringGrid1, 0, 1, "5");
    Form_Edits_01.rckgngig1Click();
    const std::vector<std::string> vorher = UndoUndSzene();
    A.ZelleAbbrechen(A.StringGrid1, 0, 1);
    EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), vorher), -1);

    // The object from before fails its own check (a file brought g without
    // a direction): after another change, Escape keeps the typing and the
    // cells show it.
    Spalte(g, 1, 1, "0", "0", "0");
    SzeneNeuBerechnen();
    Tippen(D, g, 1, 1, "5");
    Eingeben(Form_Ebenen, Form_Ebenen.StringGrid1, 0, 1, "9");
    D.ZelleAbbrechen(g, 1, 1);
    EXPECT_EQ(Gerade_g.Richtungsvektor.x, 5.0L);
    EXPECT_EQ(g.Cells(1, 1), "5,000");
}

// What counts as a change of the edited object: a turn that turns, and a
// write of the open cell, whatever its text. A list emptied or a mode
// switched turns nothing, and an edit open in another field keeps its text.
TEST_F(Protokoll, NurWasDasObjektAendertZaehltAlsSeineAenderung) {
    TForm_Edits_01& F = Form_Edits_01;
    for (bool& f : DrehObjektFlags) f = false;
    Drehwinkel = 30;
    // Switched to "with axes" after a turn that turned no object: Escape
    // asks as a key would; Yes gives g its 3 back with one state, No
    // leaves all. Without a turn before, nothing else happened at all.
    struct Fall { bool drehen, aufheben; Antwort antwort; };
    for (const Fall f : {Fall{true, false, Antwort::Ja}, {true, true, Antwort::Ja}, {true, false, Antwort::Nein},
                         {false, false, Antwort::Ja}}) {
        if (AchsenMitDrehen) F.But_drehenMit_OhneAchsen.Click();
        Eingeben(D, g, 0, 3, "3");
        if (f.drehen) Druecken(F.But_GesamtDrehen(2));
        const int undo = UndoAnzahl;
        Tippen(D, g, 0, 3, "7");
        if (f.aufheben) F.BitBtn_DrehenAufheben.Click();
        F.But_drehenMit_OhneAchsen.Click();
        ASSERT_TRUE(AchsenMitDrehen && DrehAnzahl == 0);
        const int getippt = UndoAnzahl;
        host.Vergessen();
        host.Antworten = {f.antwort};
        D.ZelleAbbrechen(g, 0, 3);
        const bool gefragt = host.Meldungen.size() == 1 && host.Meldungen[0].text == AchsenUmstellenFrage;
        EXPECT_EQ(gefragt, f.drehen);
        EXPECT_EQ(Gerade_g.Stuetzvektor.z, f.antwort == Antwort::Ja ? 3.0L : 7.0L);
        EXPECT_EQ(UndoAnzahl, !f.drehen ? undo : f.antwort == Antwort::Ja ? getippt + 1 : getippt);
        EXPECT_EQ(AchsenMitDrehen, !gefragt || f.antwort == Antwort::Nein);
    }
    F.But_drehenMit_OhneAchsen.Click();

    // Escape in g brings back all it wrote, but leaves what other edits
    // hold open: the radius field's typing, and the cell of E1, to whose
    // edit this is no write; its own Escape takes its typing back.
    TForm_Kugeln& K = Form_Kugeln;
    TForm_Ebenen& E = Form_Ebenen;
    const std::vector<std::string> vorher = UndoUndSzene();
    Tippen(E, E.StringGrid1, 0, 1, "9");
    Tippen(D, g, 0, 3, "7");
    FeldTippen(K, K.Edit_Radius, "-");
    D.ZelleAbbrechen(g, 0, 3);
    EXPECT_EQ(K.Edit_Radius.Text(), "-");
    K.FeldVerlassen(K.Edit_Radius);
    E.ZelleAbbrechen(E.StringGrid1, 0, 1);
    EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), vorher), -1);

    // The store writes the open cell with the very text typed: its scene
    // stays.
    host.StandardAntwort = Antwort::Ja;
    for (const char* text : {"6,000", "1,2345"}) {
        Eingeben(D, g, 0, 3, text);
        F.BitBtn_DatenNachSpeichClick();
        const Extended z = Gerade_g.Stuetzvektor.z;
        Eingeben(D, g, 0, 3, "5");
        Tippen(D, g, 0, 3, text);
        F.BitBtn_DatenAusSpeichClick();
        ASSERT_EQ(g.Cells(0, 3), text);
        D.ZelleAbbrechen(g, 0, 3);
        EXPECT_EQ(Gerade_g.Stuetzvektor.z, z) << text;
    }

    // The axis length rebuilds the scene from the numbers it holds, not from
    // their texts: a turned line keeps every digit, and E1 through the
    // origin by its coordinate form its -0. So an edit open meanwhile sees
    // no change, and Escape keeps the redo step and records nothing, with a
    // full table too.
    TForm_EbenKoord& EK = Form_EbenKoord;
    TScrollBar& Laenge = F.ScrollBar4;
    const TObjektGitter e1 = Form_Ebenen.ObjektGitter(Form_Ebenen.StringGrid1);
    for (bool& f : DrehObjektFlags) f = true;
    AktEbene = 1;
    EK.FormActivate();
    FeldEingeben(EK, EK.Edit_d, "0");
    for (const int fall : {0, 1, 2}) {
        GesamtDrehenPlus(1);
        Extended gezeigt = 0;
        ASSERT_TRUE(ZahlLesen(g.Cells(0, 3), gezeigt));
        ASSERT_NE(gezeigt, Gerade_g.Stuetzvektor.z);
        int minusNull = 0;
        for (int c = 0; c < 3; ++c)
            for (int r = 1; r <= 3; ++r) minusNull += e1.ObjektWert(c, r) == 0 && std::signbit(e1.ObjektWert(c, r));
        ASSERT_TRUE(minusNull > 0 || fall > 0);
        if (fall == 1) Eingeben(D, g, 1, 1, "4"), Rueckgaengig();
        while (fall == 2 && UndoAnzahl < UndoPlaetze) Eingeben(D, g, 1, 1, std::to_string(UndoAnzahl % 7 + 1));
        const std::vector<std::string> szene = UndoUndSzene();
        if (fall > 0) Tippen(D, g, 1, 2, "7");
        Laenge.SetPosition(Laenge.Position() + (fall == 1 ? -1 : 1));
        if (fall > 0) D.ZelleAbbrechen(g, 1, 2);
        EXPECT_EQ(ErsterUnterschied(UndoUndSzene(), szene), -1) << fall;
    }
}

TEST(Anzeigeregel, NurDasAktuelleGitterUndKeinesBeiSperre) {
    TStringGrid a, b, c;
    GitterAnzeigen({&a, &b, &c}, 2, true);
    EXPECT_FALSE(a.Visible || c.Visible);
    EXPECT_TRUE(b.Visible);
    GitterAnzeigen({&a, &b, &c}, 2, false);
    EXPECT_FALSE(a.Visible || b.Visible || c.Visible);
}

}  // namespace

namespace {

TEST_F(Dialogtest, ZahlenDesProgrammsJenseitsDesBereichsSperrenKeineEingabe) {
    TForm_Punkte& P = Form_Punkte;
    TForm_Geraden_t& L = Form_Geraden_t;
    TForm_EbenKoord& K = Form_EbenKoord;
    // g and P1 at (10000, 10000, 0), turned by 45 degrees about the rotation
    // axis (the z-axis) and about z; E1 from a = 0,5, d = 10000 (x = -20000).
    for (int r : {0, 1}) Eingeben(P, P.StringGrid1, 1, r, "10000");
    for (int r : {1, 2}) Eingeben(L, L.StringGrid1, 0, r, "10000");
    Drehwinkel = 45;
    DrehObjektFlags[1] = true;
    GesamtDrehenUmGerade();
    DrehObjektFlags[1] = false;
    DrehObjektFlags[18] = true;
    GesamtDrehenPlus(3);
    K.FormActivate();
    for (auto [F, t] : {std::pair{&K.Edit_a, "0,5"}, {&K.Edit_b, "0"}, {&K.Edit_c, "0"}, {&K.Edit_d, "10000"}})
        FeldEingeben(K, *F, t);
    ASSERT_EQ(K.Edit_ax.Text(), "-20000,000");

    // An edit of another cell of each object applies, with its undo state.
    host.Vergessen();
    const int undo = UndoAnzahl;
    Eingeben(P, P.StringGrid1, 1, 2, "5");
    EXPECT_EQ(Punkt[1].Ort.z, 5);
    Eingeben(L, L.StringGrid1, 1, 3, "7");
    EXPECT_EQ(Gerade_g.Richtungsvektor.z, 7);
    Eingeben(Form_Ebenen, Form_Ebenen.StringGrid1, 0, 3, "3");
    EXPECT_EQ(Ebene_E1.Stuetzvektor.z, 3);
    FeldEingeben(K, K.Edit_nz, "1");
    EXPECT_EQ(Ebene_E1.Normalenvektor.z, 1);
    EXPECT_EQ(UndoAnzahl, undo + 4);
    // Closing the forms' window mends no number the program wrote.
    EXPECT_TRUE(K.FormCloseQuery());
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();

    // The crosshair beyond the range steps back towards it, never further out.
    TStringGrid& F = Form_Fadenkreuz.StringGrid1;
    F.Cells(0, 1) = "15000";
    FadenkreuzAusDialog();
    host.Vergessen();
    Form_Fadenkreuz.But_VerschiebenClick(1);  // x minus the step
    EXPECT_EQ(F.Cells(0, 1), "14999,900");
    EXPECT_TRUE(host.Meldungen.empty());
    Form_Fadenkreuz.But_VerschiebenClick(2);
    EXPECT_EQ(host.LetzteMeldung(), BereichsMeldung);
    EXPECT_EQ(F.Cells(0, 1), "14999,900");
}

}  // namespace
