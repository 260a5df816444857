// The calculator's registers, its arithmetic, the delivery to the chosen
// target, and its opening: modal for a dialog with the hand-back, without
// blocking from the main window, and the two at once.

#include <cmath>
#include <limits>

#include "Rechnertest.h"
#include "control/Einfuegen.h"
#include "control/Undo.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "forms/Speicher.h"
#include "scene/DrehZustand.h"

namespace {

class Rechner : public Rechnertest {
protected:
    void Register(int i, const std::string& Text) { R.RegisterFeld(i).SetText(Text); }
    void Vektor(int r, const char* x, const char* y, const char* z) {
        Register(3 * r - 2, x);
        Register(3 * r - 1, y);
        Register(3 * r, z);
    }
};

TEST_F(Rechner, RechenknoepfeTabelle) {
    const std::string orth = "Zum Nullvektor sind alle Vektoren orthogonal!";
    const struct {
        TButton TForm_ObjekteDaten::*Knopf;
        const char *V1[3], *V2[3], *V3[3], *L1, *L2, *L;
        Erwartet e;
    } faelle[] = {
        {&TForm_ObjekteDaten::But_V1MinV2, {"1", "2", "3"}, {"4", "0", "-1"}, {"0", "0", "0"}, "0", "0", "1", Vek(-3, 2, 4)},
        {&TForm_ObjekteDaten::But_V3MinV2, {"1", "2", "3"}, {"4", "0", "-1"}, {"0", "0", "1"}, "0", "0", "1", Vek(-4, 0, 2)},
        {&TForm_ObjekteDaten::Button2, {"1", "2", "3"}, {"4", "0", "-1"}, {"0", "0", "1"}, "0", "0", "1", Vek(5, 2, 3)},
        {&TForm_ObjekteDaten::But_OrthV1V2, {"1", "0", "0"}, {"2", "0", "0"}, {"0", "0", "0"}, "0", "0", "1", Vek(0, 0, 0)},
        {&TForm_ObjekteDaten::But_OrthV1V2, {"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "0"}, "0", "0", "1", Vek(0, 0, 1)},
        {&TForm_ObjekteDaten::But_OrthV2V3, {"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "0"}, "0", "0", "1", Msg(orth)},
        {&TForm_ObjekteDaten::But_OrthV3, {"1", "0", "0"}, {"0", "1", "0"}, {"0", "0", "1e-10"}, "0", "0", "1", Msg(orth)},
        {&TForm_ObjekteDaten::But_V2xLaenge, {"0", "0", "0"}, {"1", "-2", "0,5"}, {"0", "0", "0"}, "0", "0", "-2", Vek(-2, 4, -1)},
        {&TForm_ObjekteDaten::But_LaengeV1AufLaenge, {"0", "3", "4"}, {"0", "0", "0"}, {"0", "0", "0"}, "0", "0", "-2",
         Vek(0, -1.2L, -1.6L)},
        {&TForm_ObjekteDaten::But_LaengeV1AufLaenge, {"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}, "0", "0", "0",
         Msg("Die Längenmaßzahl darf nicht 0 sein!")},
        {&TForm_ObjekteDaten::But_V3AufLaenge, {"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}, "0", "0", "2",
         Msg("Den Nullvektor kann man nicht auf diese Länge bringen!")},
        {&TForm_ObjekteDaten::But_LaengeV1, {"1", "2", "2"}, {"0", "0", "0"}, {"0", "0", "0"}, "0", "0", "1", Lg(3)},
        {&TForm_ObjekteDaten::But_L2MinL1, {"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}, "1,5", "4", "1", Lg(2.5L)},
        {&TForm_ObjekteDaten::But_L1DivL2, {"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}, "3", "0,0000000001", "1",
         Msg("Division durch 0")},
        {&TForm_ObjekteDaten::But_L2DurchL1, {"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}, "4", "3", "1", Lg(0.75L)},
    };
    for (const auto& f : faelle) {
        Vektor(1, f.V1[0], f.V1[1], f.V1[2]);
        Vektor(2, f.V2[0], f.V2[1], f.V2[2]);
        Vektor(3, f.V3[0], f.V3[1], f.V3[2]);
        Register(10, f.L1);
        Register(11, f.L2);
        Markieren();
        Register(12, f.L);
        (R.*f.Knopf).Click();
        const std::string wo = (R.*f.Knopf).Caption;
        switch (f.e.art) {
            case Erwartet::Art::Vektor: ErwarteNah(ErgebnisVektor, f.e.v); break;
            case Erwartet::Art::Laenge:
                EXPECT_NEAR(static_cast<double>(Laenge), static_cast<double>(f.e.l), 1e-14) << wo;
                break;
            case Erwartet::Art::Meldung:
                EXPECT_EQ(host.LetzteMeldung(), f.e.Meldung) << wo;
                EXPECT_EQ(ErgebnisVektor, Marke) << wo;
                break;
        }
    }
}

TEST_F(Rechner, ZieleDerAuswahl) {
    const TVek_R3 p{1234.5L, -10000.123456789L, -1234567.25L};
    // Memory slots keep at most 18 characters; Ergebnis stays.
    Markieren();
    Waehle(R.RadioGroup1, 1);
    VektorAusgeben(p);
    EXPECT_EQ(VektorSpeicher[2], (TSpeicherVektor{"1234,5000000000", "-10000,1234567890", "-1234567,250000000"}));
    EXPECT_EQ(ErgebnisVektor, Marke);
    // A register edit shows 10 decimals, and its register what the text says.
    Waehle(R.RadioGroup1, 5);
    VektorAusgeben(p);
    EXPECT_EQ(R.V2y.Text(), "-10000,1234567890");
    EXPECT_EQ(RechenVektor2.y, -10000.123456789L);
    EXPECT_EQ(ErgebnisVektor, Marke);
    // Ergebnis, then plus and minus the same pick.
    const struct {
        int Item;
        TVek_R3 soll;
    } erg[] = {{7, {1, 2, 3}}, {8, {2, 4, 6}}, {9, {1, 2, 3}}, {9, {0, 0, 0}}};
    for (const auto& e : erg) {
        Waehle(R.RadioGroup1, e.Item);
        VektorAusgeben({1, 2, 3});
        EXPECT_EQ(ErgebnisVektor, e.soll);
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
    Register(12, "2");
    Register(12, "");
    R.RegisterExit(12);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(R.Edit_Laenge.Text(), "2");
    Register(12, "-");
    Vektor(1, "1", "1", "0");
    Markieren();
    Register(12, "-");
    R.But_V1xLaenge.Click();
    EXPECT_EQ(ErgebnisVektor, (TVek_R3{777, 777, 0}));  // "Länge" is 777 from the mark
    Register(12, "2");
    R.But_V1xLaenge.Click();
    EXPECT_EQ(ErgebnisVektor, (TVek_R3{2, 2, 0}));
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
    // Every register edit has the key filter.
    EXPECT_EQ(R.RegisterTaste('.'), ',');
    EXPECT_EQ(R.RegisterTaste('a'), std::nullopt);
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
    TForm_Edits_01& H = Form_Edits_01;
    const struct {
        bool Sperre, Achsen, Drehen;
        Antwort a;
        const char* Meldung;
        bool offen;
    } faelle[] = {
        {true, false, false, Antwort::Ok, DatenfensterGesperrtMeldung, false},
        {false, true, false, Antwort::Ja, AchsenUmstellenFrage, false},
        {false, false, true, Antwort::Ja, "Vorsicht!\n\nZum Aufnehmen von Koordinaten in einen Speicher ist vorher das "
                                          "DauerDrehen auszuschalten!\nSoll diese Umstellung für Sie jetzt durchgeführt werden?",
         false},
        {false, false, false, Antwort::Ok, nullptr, true},
    };
    for (const auto& f : faelle) {
        KoordGesperrt = f.Sperre;
        AchsenMitDrehen = f.Achsen;
        DauerDrehen = f.Drehen;
        DrehModus = f.Drehen ? 3 : 0;
        host.Vergessen();
        host.Antworten = {f.a};
        H.But_ObjekteDaten.Click();
        EXPECT_EQ(host.LetzteMeldung(), f.Meldung ? f.Meldung : "");
        EXPECT_EQ(R.Visible, f.offen);
        EXPECT_FALSE(AchsenMitDrehen);
        EXPECT_EQ(DrehModus, 0);
    }
    EXPECT_EQ(R.BitBtn1.Caption, "Ok");
    ASSERT_FALSE(host.Fenster.empty());
    EXPECT_FALSE(host.Fenster.back().modal);
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
    EXPECT_FALSE(R.Visible);
    // Cancelled, the next "Ok" from the main window hands back nothing.
    ObjekteDatenZeigen();
    G.BerechnEinfuegenClick();
    R.BitBtn2.Click();
    ObjekteDatenZeigen();
    Eintrag("P2", {"Punkt"})->Click();
    R.BitBtn1.Click();
    EXPECT_EQ(Gerade_t.Stuetzvektor, Punkt[1].Ort);
}

TEST_F(Rueckgabe, UnsichtbarerKnopfFaelltDasLotAufG) {
    Punkt[1].Ort = {0, 0, 3};  // g runs through the origin along (2, 2, 1)
    R.Button1.Click();
    ErwarteNah(Gerade_h.Stuetzvektor, {2 / 3.0L, 2 / 3.0L, 1 / 3.0L});
    ErwarteNah(Gerade_h.Richtungsvektor, {2 / 3.0L, 2 / 3.0L, -8 / 3.0L});
    EXPECT_EQ(G.StringGrid2.Cells(1, 3), "-2,667");
    // P1 on g: h would have no direction.
    Punkt[1].Ort = {2, 2, 1};
    R.Button1.Click();
    EXPECT_EQ(host.LetzteMeldung(), NullRichtungMeldung);
    ErwarteNah(Gerade_h.Stuetzvektor, {2 / 3.0L, 2 / 3.0L, 1 / 3.0L});
}

}  // namespace
