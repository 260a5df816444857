// A vector pasted into a column of every dialog kind goes through that
// dialog's checks: out-of-range texts and objects the dialog refuses leave
// column and object as they were; an accepted paste is one applied object
// with one undo state. And the memory popup from one window to another.

#include <functional>

#include "control/Einfuegen.h"
#include "control/Undo.h"
#include "dialogs/Tippen.h"
#include "forms/DrehenUmGerade.h"
#include "forms/EbenKoord.h"
#include "forms/Fadenkreuz.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Vektoren.h"
#include "geometry/Eingabe.h"
#include "scene/DrehZustand.h"

namespace {

using Einfuegen = Dialogtest;

TEST_F(Einfuegen, JedeDialogartMitIhrenPruefungen) {
    const struct {
        TObjektDialog* D;
        TStringGrid* G;
        int Spalte;
        TSpeicherVektor T;
        const char* Meldung;  // nullptr: taken
        std::function<TVek_R3()> Objekt;
    } faelle[] = {
        {&Form_Geraden_t, &Form_Geraden_t.StringGrid1, 1, {"0", "0", "0"}, NullRichtungMeldung,
         [] { return Gerade_g.Richtungsvektor; }},
        {&Form_Geraden_t, &Form_Geraden_t.StringGrid1, 1, {"1", "2,5", "-3"}, nullptr, [] { return Gerade_g.Richtungsvektor; }},
        {&Form_Geraden_t, &Form_Geraden_t.StringGrid2, 0, {"1", "10001", "0"}, BereichsMeldung,
         [] { return Gerade_h.Stuetzvektor; }},
        {&Form_Ebenen, &Form_Ebenen.StringGrid1, 2, {"-4", "4", "0"}, AbhaengigeRichtungenMeldung,
         [] { return Ebene_E1.Richtungsvektor2; }},
        {&Form_Spate, &Form_Spate.StringGrid1, 3, {"8", "0", "0"}, AbhaengigeKantenMeldung, [] { return Spat[1].AE; }},
        {&Form_Vektoren, &Form_Vektoren.StringGrid2, 1, {"0", "0", "0"}, nullptr, [] { return Vektor[2].Vektor; }},
        {&Form_Punkte, &Form_Punkte.StringGrid4, 1, {"7", "8", "9"}, nullptr, [] { return Punkt[4].Ort; }},
        {&Form_Punkte, &Form_Punkte.StringGrid4, 1, {"7", "", "9"}, BereichsMeldung, [] { return Punkt[4].Ort; }},
        {&Form_Kugeln, &Form_Kugeln.StringGrid2, 1, {"-1", "0", "2"}, nullptr, [] { return Kugel[2].Mittelpunkt; }},
        {&Form_Kegel, &Form_Kegel.StringGrid1, 1, {"0", "0", "0"}, NullNormaleMeldung, [] { return Kegel[1].Normalenvektor; }},
        {&Form_Fadenkreuz, &Form_Fadenkreuz.StringGrid1, 0, {"0", "-1", "1"}, nullptr, [] { return Fadenkreuz.Mittelpunkt; }},
        {&Form_DrehenUmGerade, &Form_DrehenUmGerade.StringGrid1, 1, {"0", "0", "0"}, NullRichtungMeldung,
         [] { return Drehachse.Richtungsvektor; }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.D->Caption + " " + f.T.x + " " + f.T.y + " " + f.T.z);
        const int r0 = f.G->FixedRows;
        const auto Spalte = [&] {
            return TSpeicherVektor{f.G->Cells(f.Spalte, r0), f.G->Cells(f.Spalte, r0 + 1), f.G->Cells(f.Spalte, r0 + 2)};
        };
        const TSpeicherVektor vorher = Spalte();
        const TVek_R3 objekt = f.Objekt();
        const int undo = UndoAnzahl;
        host.Vergessen();
        ASSERT_TRUE(f.D->SpalteGewaehlt(*f.G, f.Spalte));
        EXPECT_EQ(VektorSpeicher[0], vorher);
        VektorSpeicher[3] = f.T;
        f.D->PopupMenu_InSpeicher.Punkt(TSpeicherMenue::SpalteEinfuegen).Items[2].Click();
        EXPECT_EQ(host.LetzteMeldung(), f.Meldung ? f.Meldung : "");
        EXPECT_EQ(Spalte(), f.Meldung ? vorher : f.T);
        EXPECT_EQ(UndoAnzahl, f.Meldung ? undo : undo + 1);
        Extended x = 0, y = 0, z = 0;
        ZelleLesen(f.T.x, x);
        ZelleLesen(f.T.y, y);
        ZelleLesen(f.T.z, z);
        EXPECT_EQ(f.Objekt(), (f.Meldung ? objekt : TVek_R3{x, y, z}));
    }
    // No number column: no target.
    EXPECT_FALSE(Form_Kugeln.SpalteGewaehlt(Form_Kugeln.StringGrid1, 0));
}

TEST_F(Einfuegen, NormalenformUndSpeicherZwischenFenstern) {
    TForm_EbenKoord& K = Form_EbenKoord;
    K.FormActivate();
    // Copy E2's support point into "Speicher 2", paste it as A of E1's normal form.
    ASSERT_TRUE(Form_Ebenen.SpalteGewaehlt(Form_Ebenen.StringGrid2, 0));
    Form_Ebenen.PopupMenu_InSpeicher.Punkt(TSpeicherMenue::SpalteKopieren).Items[1].Click();
    EXPECT_EQ(VektorSpeicher[2], (TSpeicherVektor{"0", "0", "-1"}));
    EXPECT_FALSE(K.FeldGewaehlt(K.Edit_d));
    ASSERT_TRUE(K.FeldGewaehlt(K.Edit_ay));
    K.PopupMenu_InSpeicher.AusSpeicherClick(2);
    EXPECT_EQ(K.Edit_az.Text(), "-1");
    EXPECT_EQ(Ebene_E1.NormalenformPunkt, (TVek_R3{0, 0, -1}));
    // The normal n: the null vector is refused.
    ASSERT_TRUE(K.FeldGewaehlt(K.Edit_nz));
    host.Vergessen();
    VektorSpeicher[4] = {"0", "0", "0"};
    K.PopupMenu_InSpeicher.AusSpeicherClick(4);
    EXPECT_EQ(host.LetzteMeldung(), NullNormaleMeldung);
    EXPECT_EQ(K.Edit_nz.Text(), "16,000");
    VektorSpeicher[4] = {"0", "0", "2"};
    K.PopupMenu_InSpeicher.AusSpeicherClick(4);
    EXPECT_EQ(Ebene_E1.Normalenvektor, (TVek_R3{0, 0, 2}));
    // The dialogs offer no whole-matrix groups.
    EXPECT_FALSE(K.PopupMenu_InSpeicher.Punkt(TSpeicherMenue::MatrixKopieren).Visible);
}

// The scene rotated with its axes: a paste asks first, as typing does.
TEST_F(Einfuegen, GedrehteSzeneFragtVorher) {
    AchsenMitDrehen = true;
    host.Antworten = {Antwort::Nein};
    ASSERT_TRUE(Form_Punkte.SpalteGewaehlt(Form_Punkte.StringGrid1, 1));
    VektorSpeicher[1] = {"1", "1", "1"};
    Form_Punkte.PopupMenu_InSpeicher.AusSpeicherClick(1);
    EXPECT_EQ(host.LetzteMeldung(), AchsenUmstellenFrage);
    EXPECT_EQ(Punkt[1].Ort, (TVek_R3{4, 4, 0}));
}

}  // namespace
