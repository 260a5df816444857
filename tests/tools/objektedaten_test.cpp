// The calculator's registers, its arithmetic, the delivery to the chosen
// target, and its opening: modal for a dialog with the hand-back, without
// blocking from the main window, and the two at once.

#include <cmath>
#include <limits>
#include <optional>

#include "Rechnertest.h"
#include "control/Einfuegen.h"
#include "control/Undo.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "forms/Speicher.h"
#include "tools/Werkzeugfelder.h"
#include "scene/DrehZustand.h"

namespace {

class Rechner : public Rechnertest {
protected:
    void Register(int i, const std::string& Text) { R.RegisterFeld(i).SetText(Text); }
    void Vektor(int r, TVek_R3 v) {
        for (int k = 0; k < 3; ++k) Register(3 * r - 2 + k, ZahlAllgemein(k == 0 ? v.x : k == 1 ? v.y : v.z));
    }
};

TEST_F(Rechner, RechenknoepfeTabelle) {
    const std::string orth = "Zum Nullvektor sind alle Vektoren orthogonal!";
    using F = TForm_ObjekteDaten;
    const struct {
        TButton F::*Knopf;
        TVek_R3 V1, V2, V3;
        long double L1, L2, L;
        Erwartet e;
    } faelle[] = {
        {&F::But_V1MinV2, {1, 2, 3}, {4, 0, -1}, {}, 0, 0, 1, Vek(-3, 2, 4)},
        {&F::Button2, {1, 2, 3}, {4, 0, -1}, {0, 0, 1}, 0, 0, 1, Vek(5, 2, 3)},
        {&F::But_OrthV1V2, {1, 0, 0}, {2, 0, 0}, {}, 0, 0, 1, Vek(0, 0, 0)},
        {&F::But_OrthV1V2, {1, 0, 0}, {0, 1, 0}, {}, 0, 0, 1, Vek(0, 0, 1)},
        {&F::But_OrthV2V3, {1, 0, 0}, {0, 1, 0}, {}, 0, 0, 1, Msg(orth)},
        {&F::But_OrthV3, {}, {}, {0, 0, 1e-10L}, 0, 0, 1, Msg(orth)},
        {&F::But_V2xLaenge, {}, {1, -2, 0.5L}, {}, 0, 0, -2, Vek(-2, 4, -1)},
        {&F::But_LaengeV1AufLaenge, {0, 3, 4}, {}, {}, 0, 0, -2, Vek(0, -1.2L, -1.6L)},
        {&F::But_LaengeV1AufLaenge, {}, {}, {}, 0, 0, 0, Msg("Die Längenmaßzahl darf nicht 0 sein!")},
        {&F::But_V3AufLaenge, {}, {}, {}, 0, 0, 2, Msg("Den Nullvektor kann man nicht auf diese Länge bringen!")},
        {&F::But_LaengeV1, {1, 2, 2}, {}, {}, 0, 0, 1, Lg(3)},
        {&F::But_L1DivL2, {}, {}, {}, 3, 1e-10L, 1, Msg("Division durch 0")},
        {&F::But_L2DurchL1, {}, {}, {}, 4, 3, 1, Lg(0.75L)},
    };
    for (const auto& f : faelle) {
        Vektor(1, f.V1);
        Vektor(2, f.V2);
        Vektor(3, f.V3);
        Register(10, ZahlAllgemein(f.L1));
        Register(11, ZahlAllgemein(f.L2));
        Markieren();
        Register(12, ZahlAllgemein(f.L));
        Pruefen([&] { (R.*f.Knopf).Click(); }, (R.*f.Knopf).Caption, f.e);
    }
}

TEST_F(Rechner, ZieleDerAuswahl) {
    // Memory slots keep at most 18 characters, a register edit shows 10
    // decimals; neither touches Ergebnis.
    Markieren();
    for (int Item : {1, 5}) {
        Waehle(R.RadioGroup1, Item);
        VektorAusgeben({1234.5L, -10000.123456789L, -1234567.25L});
    }
    EXPECT_EQ(VektorSpeicher[2], (TSpeicherVektor{"1234,5000000000", "-10000,1234567890", "-1234567,250000000"}));
    EXPECT_EQ(R.V2y.Text(), "-10000,1234567890");
    EXPECT_EQ(RechenVektor2.y, -10000.123456789L);
    EXPECT_EQ(ErgebnisVektor, Marke);
    // Ergebnis, then plus and minus the same pick.
    for (const auto& [Item, soll] : {std::pair{7, TVek_R3{1, 2, 3}}, {8, {2, 4, 6}}, {9, {1, 2, 3}}, {9, {0, 0, 0}}}) {
        Waehle(R.RadioGroup1, Item);
        VektorAusgeben({1, 2, 3});
        EXPECT_EQ(ErgebnisVektor, soll);
    }
    EXPECT_EQ(R.Ergx.Caption, "0,0000000000");
    Waehle(R.RadioGroup2, 0);
    LaengeAusgeben(1.0L / 3);
    EXPECT_EQ(R.Edit_Laenge1.Text(), "0,333333333333333");
    EXPECT_EQ(Laenge1, 0.333333333333333L);
    // A value beyond the number range is refused, nothing shows NAN or INF.
    host.Vergessen();
    LaengeAusgeben(std::numeric_limits<long double>::quiet_NaN());
    Waehle(R.RadioGroup1, 8);
    ErgebnisVektor = {1e4932L, 0, 0};
    VektorAusgeben({1e4932L, 0, 0});
    EXPECT_EQ(host.Meldungen.size(), 2u);
    EXPECT_EQ(ErgebnisVektor.x, 1e4932L);
    EXPECT_EQ(R.Edit_Laenge1.Text(), "0,333333333333333");
}

// Empty and "-" never fail a conversion; leaving such an edit puts the
// register's value back, so the edit shows what the buttons compute with.
TEST_F(Rechner, RegisterfelderBleibenImTakt) {
    Vektor(1, {1, 1, 0});
    Markieren();
    Register(12, "-");
    R.But_V1xLaenge.Click();
    EXPECT_EQ(ErgebnisVektor, (TVek_R3{777, 777, 0}));  // "Länge" is 777 from the mark
    Register(12, "");
    R.RegisterExit(12);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(R.Edit_Laenge.Text(), "777");
    // Letters: a warning where the edit has its check, silence on Vektor 3.
    Register(2, "1,,5");
    EXPECT_EQ(RechenVektor1.y, 1);
    R.RegisterExit(2);
    EXPECT_EQ(host.LetzteMeldung(), "Diese Eingabe entspricht keiner Gleitkommazahl!");
    EXPECT_EQ(R.RegisterFeld(2).FokusAnforderungen, 1);
    host.Vergessen();
    Register(7, "3");
    Register(7, "3,,");
    R.RegisterExit(7);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(R.V3x.Text(), "3");
    // Only V1x filters its keys; every other register takes any key, and
    // its checks answer what is no number.
    EXPECT_EQ(R.RegisterTaste(1, '.'), std::optional<char>(','));
    EXPECT_EQ(R.RegisterTaste(1, 'x'), std::nullopt);
    for (int i : {2, 7, 12}) {
        EXPECT_EQ(R.RegisterTaste(i, '.'), std::optional<char>('.'));
        EXPECT_EQ(R.RegisterTaste(i, 'x'), std::optional<char>('x'));
    }
}

// ---- Opening and the hand-back -----------------------------------------------------------

class Rueckgabe : public Rechner {
protected:
    TForm_Geraden_t& G = Form_Geraden_t;

    // In the modal window: pick the support point of h into Ergebnis, then
    // close with Knopf.
    void ImFenster(TBitBtn TForm_ObjekteDaten::*Knopf) {
        host.BeiModal = [this, Knopf](const std::string& name) {
            ASSERT_EQ(name, "Form_ObjekteDaten");
            EXPECT_EQ(R.BitBtn1.Caption, "Ergebnis übernehmen");
            Waehle(R.RadioGroup1, 7);
            Eintrag("h", {"stv"})->Click();
            (R.*Knopf).Click();
        };
    }
};

TEST_F(Rueckgabe, ModalAusDemGeradendialog) {
    const int undo = UndoAnzahl;
    ASSERT_TRUE(G.SpalteGewaehlt(G.StringGrid1, 0));
    ImFenster(&TForm_ObjekteDaten::BitBtn2);
    G.BerechnEinfuegenClick();
    EXPECT_EQ(Gerade_g.Stuetzvektor, (TVek_R3{-4, -4, -2}));
    ImFenster(&TForm_ObjekteDaten::BitBtn1);
    G.BerechnEinfuegenClick();
    EXPECT_EQ(Gerade_g.Stuetzvektor, (TVek_R3{6, -2, 1}));
    EXPECT_EQ(G.StringGrid1.Cells(0, 2), "-2");
    EXPECT_EQ(VektorSpeicher[0], (TSpeicherVektor{"6", "-2", "1"}));
    EXPECT_EQ(UndoAnzahl, undo + 1);
    EXPECT_FALSE(R.Visible);
    // The lock refuses before anything shows.
    KoordGesperrt = true;
    host.Vergessen();
    G.BerechnEinfuegenClick();
    EXPECT_EQ(host.LetzteMeldung(), DatenfensterGesperrtMeldung);
    EXPECT_TRUE(host.Fenster.empty());
}

// A number written shorter for the 18 characters of the slot keeps its
// value; one outside the cells' range is refused by the dialog.
TEST_F(Rueckgabe, ZahlenFuerDenTransferplatz) {
    ASSERT_TRUE(G.SpalteGewaehlt(G.StringGrid1, 1));
    host.BeiModal = [this](const std::string&) {
        ErgebnisVektor = {1.23456789012345e-15L, 2, -12345.6789012345L};
        R.BitBtn1.Click();
    };
    G.BerechnEinfuegenClick();
    EXPECT_EQ(VektorSpeicher[0], (TSpeicherVektor{"1,234567890123E-15", "2", "-12345,6789012345"}));
    EXPECT_EQ(host.LetzteMeldung(), BereichsMeldung);
    EXPECT_EQ(Gerade_g.Richtungsvektor, (TVek_R3{2, 2, 1}));
    EXPECT_EQ(G.StringGrid1.Cells(1, 1), "2");
    host.BeiModal = [this](const std::string&) {
        ErgebnisVektor = {1.23456789012345e-15L, 2, 1};
        R.BitBtn1.Click();
    };
    G.BerechnEinfuegenClick();
    EXPECT_NEAR(static_cast<double>(Gerade_g.Richtungsvektor.x), 1.234567890123e-15, 1e-28);
}

TEST_F(Rueckgabe, HauptfensterOhneSperre) {
    const char* drehen = "Vorsicht!\n\nZum Aufnehmen von Koordinaten in einen Speicher ist vorher das DauerDrehen "
                         "auszuschalten!\nSoll diese Umstellung für Sie jetzt durchgeführt werden?";
    const struct {
        bool Sperre, Achsen, Drehen;
        const char* Meldung;
    } faelle[] = {{true, false, false, DatenfensterGesperrtMeldung},
                  {false, true, false, AchsenUmstellenFrage},
                  {false, false, true, drehen},
                  {false, false, false, ""}};
    for (const auto& f : faelle) {
        KoordGesperrt = f.Sperre;
        AchsenMitDrehen = f.Achsen;
        DauerDrehen = f.Drehen;
        DrehModus = f.Drehen ? 3 : 0;
        host.Antworten = {Antwort::Ja};
        Form_Edits_01.But_ObjekteDaten.Click();
        EXPECT_EQ(host.LetzteMeldung(), f.Meldung);
        // Opened only on a click that found nothing in the way.
        EXPECT_EQ(R.Visible, *f.Meldung == 0);
        EXPECT_FALSE(AchsenMitDrehen || DrehModus);
        host.Vergessen();
    }
    EXPECT_EQ(R.BitBtn1.Caption, "Ok");
}

// A dialog asks while the window is open without blocking: the window comes
// to the front, and its "Ok" hands back to that dialog.
TEST_F(Rueckgabe, OffenUndModalZugleich) {
    ObjekteDatenZeigen();
    ASSERT_TRUE(G.SpalteGewaehlt(G.StringGrid3, 0));
    host.Vergessen();
    G.BerechnEinfuegenClick();
    ASSERT_EQ(host.Fenster.size(), 1u);
    EXPECT_FALSE(host.Fenster[0].modal);
    EXPECT_EQ(Gerade_t.Stuetzvektor, (TVek_R3{0, 0, 5}));
    Eintrag("P1", {"Punkt"})->Click();
    R.BitBtn1.Click();
    EXPECT_EQ(Gerade_t.Stuetzvektor, Punkt[1].Ort);
    // Handed back once: the next "Ok" from the main window hands back nothing.
    ObjekteDatenZeigen();
    Eintrag("P2", {"Punkt"})->Click();
    R.BitBtn1.Click();
    EXPECT_EQ(Gerade_t.Stuetzvektor, Punkt[1].Ort);
}

TEST_F(Rueckgabe, UnsichtbarerKnopfFaelltDasLotAufG) {
    Punkt[1].Ort = {0, 0, 3};  // g runs through the origin along (2, 2, 1)
    R.Button1.Click();
    ErwarteNah(Gerade_h.Richtungsvektor, {2 / 3.0L, 2 / 3.0L, -8 / 3.0L});
    EXPECT_EQ(G.StringGrid2.Cells(1, 3), "-2,667");
    Punkt[1].Ort = {2, 2, 1};  // on g: h would have no direction
    R.Button1.Click();
    EXPECT_EQ(host.LetzteMeldung(), NullRichtungMeldung);
    ErwarteNah(Gerade_h.Richtungsvektor, {2 / 3.0L, 2 / 3.0L, -8 / 3.0L});
    // From a loaded far-out P1, h would leave the scene's bound.
    Punkt[1].Ort = {1e110L, -1e110L, 1e110L};
    R.Button1.Click();
    EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung);
    ErwarteNah(Gerade_h.Richtungsvektor, {2 / 3.0L, 2 / 3.0L, -8 / 3.0L});
}

}  // namespace
