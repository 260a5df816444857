// The matrix calculator: its buttons on the start values and on typed
// matrices, its singular and overflowing results, the checks of its cells.

#include <functional>

#include "Werkzeugtest.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/Matrizen.h"
#include "tools/Werkzeugfelder.h"

namespace {

using F = TForm_Matrizen;

class Matrizen : public Werkzeugtest {
protected:
    F& M = Form_Matrizen;
    void SetUp() override {
        Werkzeugtest::SetUp();
        M.FormActivate();
    }
    // Matrix m's nine cells row by row, separated by blanks.
    static std::string Zellen(F& f, int m) {
        std::string s;
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) s += (s.empty() ? "" : " ") + f.Zelle(m, i, j).Text();
        return s;
    }
};

void Diagonale(F& f, const char* a, const char* b) {
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) f.Zelle(1, i, j).SetText(i != j ? "0" : i == 1 ? a : i == 2 ? b : "1");
}

TEST_F(Matrizen, KnoepfeTabelle) {
    const std::string Einheit = "1,000000 0,000000 0,000000 0,000000 1,000000 0,000000 0,000000 0,000000 1,000000";
    const char* const keineInverse = "Diese Matrix hat keine Inverse, da ihre Determinate gleich 0 ist!";
    const struct {
        std::function<void(F&)> Tun;
        std::string Label, Erg, Meldung;
    } faelle[] = {
        {[](F& f) { f.But_Inverse[2].Click(); }, "MErg = Inverse(M2):", Einheit, ""},
        {[](F& f) { Diagonale(f, "0,00001", "0,00001"), f.But_Inverse[1].Click(); }, "Ergebnismatrix MErg:",
         "0 0 0 0 0 0 0 0 0", keineInverse},
        {[](F& f) { Diagonale(f, "0,00001", "0,0002"), f.But_Inverse[1].Click(); }, "MErg = Inverse(M1):",
         "100000,000000 0,000000 0,000000 0,000000 5000,000000 0,000000 0,000000 0,000000 1,000000", ""},
        // M1 twice onto the identity is M1 squared.
        {[](F& f) { f.But_Inverse[2].Click(), f.But_MalMErg[1].Click(), f.But_MalMErg[1].Click(); },
         "MErg = M1 x MErg:", "9,000000 -2,000000 2,000000 23,000000 -6,000000 4,000000 2,000000 0,000000 -1,000000",
         ""},
        {[](F& f) { f.But_Inverse[2].Click(), f.But_Transp[F::Erg].Click(); }, "MErg = Transponierte(MErg):", Einheit,
         ""},
        {[](F& f) { f.But_Produkt[9].Click(); }, "MErg = M3 x M3:",
         "192,400000 10,192440 3,133720 195,758000 190,950516 2,241508 63,000000 5,386000 1,998000", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Label);
        ProgrammStart();
        M.FormActivate();
        host.Vergessen();
        f.Tun(M);
        EXPECT_EQ(M.Label_Ergebnismatrix.Caption, f.Label);
        EXPECT_EQ(Zellen(M, F::Erg), f.Erg);
        EXPECT_EQ(host.LetzteMeldung(), f.Meldung);
    }
}

TEST_F(Matrizen, DeterminanteVektorenUndUebernahme) {
    M.But_Det[1].Click();
    EXPECT_EQ(M.Panel1.Caption, "Det(M1) = 4,000000");
    M.But_MalVektor[6].Click();  // M2 x V2
    EXPECT_EQ(Texte({&M.VErg_x, &M.VErg_y, &M.VErg_z}), (std::vector<std::string>{"1,030000", "2,048000", "5,000000"}));
    EXPECT_EQ(M.Label_Ergebnisvektor.Caption, "VErg = M2 x V2:");
    M.But_MalVektor[1].Click();  // M1 x V1 = (3, 5, 10)
    M.But_AlsV[2].Click();
    EXPECT_EQ(M.V2, (TVek_R3{3, 5, 10}));
    // "als M1" after "M1 x M1": M1 is its square, shown with six decimals.
    M.But_Produkt[1].Click();
    M.But_AlsM[1].Click();
    EXPECT_EQ(M.M1_11.Text(), "9,000000");
    M.But_Det[1].Click();
    EXPECT_EQ(M.Panel1.Caption, "Det(M1) = 16,000000");
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Matrizen, NieUnendlich) {
    // Results beyond the number range are refused; nothing shows INF or NAN.
    TMatrix33 Gross;
    for (int i = 1; i <= 3; ++i) Gross(i, i) = 1e3000L;
    M.M1 = Gross;
    M.But_Inverse[2].Click();
    for (auto* K : {&M.But_Produkt[1], &M.But_Det[1], &M.But_Inverse[1], &M.But_MalVektor[4]}) {
        host.Vergessen();
        if (K == &M.But_MalVektor[4]) M.MErg(1, 1) = 1e4932L;
        K->Click();
        EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung) << K->Caption;
    }
    EXPECT_EQ(M.MErg_22.Text(), "1,000000");
    EXPECT_EQ(M.Panel1.Caption, "Det(...) = ...");
    EXPECT_EQ(M.VErg_x.Text(), "0");
}

TEST_F(Matrizen, ZellenPruefen) {
    // Leaving an input cell: 9999 passes, 9999,5 is refused, a cell
    // without a number keeps the focus silently and its last value.
    const struct {
        const char* Text;
        bool Meldung, Fokus;
    } faelle[] = {{"-9999", false, false}, {"9999,5", true, true}, {"-", false, true}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Text);
        host.Vergessen();
        M.M2_31.FokusAnforderungen = 0;
        M.M2_31.SetText(f.Text);
        M.ZelleExit(M.M2_31);
        EXPECT_EQ(host.LetzteMeldung(), f.Meldung ? Betrag10000Meldung : "");
        EXPECT_EQ(M.M2_31.FokusAnforderungen > 0, f.Fokus);
        // A refused number is selected: the next key replaces it.
        EXPECT_EQ(M.M2_31.AllesMarkiert, f.Meldung);
        M.M2_31.AllesMarkiert = false;
    }
    EXPECT_EQ(M.M2(3, 1), 9999.5L);
    // A result cell above 9999 is left without a word: it cannot be mended.
    for (auto [E, t] : {std::pair{&M.M3_11, "9999"}, {&M.M3_12, "0"}, {&M.M3_21, "0"}}) E->SetText(t);
    M.But_Produkt[9].Click();
    host.Vergessen();
    M.ZelleExit(M.MErg_11);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(M.MErg_11.FokusAnforderungen, 0);
    EXPECT_TRUE(M.MErg_11.ReadOnly && M.VErg_z.ReadOnly && !M.M1_11.ReadOnly);
    M.ErgebnisZelleClick();
    EXPECT_EQ(host.LetzteMeldung(), "Die Ergebnismatrix kann nicht geändert werden!");
    // Activation with a cell that holds no number: no failure, its value stays.
    host.Vergessen();
    M.M1_11.SetText("");
    M.FormActivate();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(M.M1(1, 1), 2);
}

}  // namespace
