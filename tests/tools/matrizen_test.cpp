// The matrix calculator: its buttons on the start values and on typed
// matrices, its singular and overflowing results, the checks of its cells.

#include <functional>

#include "Werkzeugtest.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/Matrizen.h"

namespace {

class Matrizen : public Werkzeugtest {
protected:
    TForm_Matrizen& M = Form_Matrizen;
    void SetUp() override {
        Werkzeugtest::SetUp();
        M.FormActivate();
    }
    void MatrixTippen(int m, std::initializer_list<const char*> t) {
        auto it = t.begin();
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) M.Zelle(m, i, j).SetText(*it++);
    }
    std::vector<std::string> ErgZellen() {
        std::vector<std::string> v;
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) v.push_back(M.Zelle(TForm_Matrizen::Erg, i, j).Text());
        return v;
    }
};

const std::vector<std::string> Einheit = {"1,000000", "0,000000", "0,000000", "0,000000", "1,000000",
                                          "0,000000", "0,000000", "0,000000", "1,000000"};
const std::vector<std::string> Null(9, "0");

TEST_F(Matrizen, KnoepfeTabelle) {
    const char* const keineInverse = "Diese Matrix hat keine Inverse, da ihre Determinate gleich 0 ist!";
    using F = TForm_Matrizen;
    const struct {
        const char* wo;
        std::function<void(F&)> Tun;
        std::string Label;             // Label_Ergebnismatrix afterwards
        std::vector<std::string> Erg;  // MErg's cells, empty: not checked
        std::string Meldung;
    } faelle[] = {
        {"Inverse(M2)", [](F& f) { f.But_Inverse[2].Click(); }, "MErg = Inverse(M2):", Einheit, ""},
        {"det 1e-10", [](F& f) {
             for (auto [E, t] : {std::pair{&f.M1_11, "0,00001"}, {&f.M1_22, "0,00001"}, {&f.M1_33, "1"},
                                 {&f.M1_13, "0"}, {&f.M1_21, "0"}, {&f.M1_23, "0"}, {&f.M1_31, "0"}, {&f.M1_32, "0"}})
                 E->SetText(t);
             f.But_Inverse[1].Click();
         }, "Ergebnismatrix MErg:", Null, keineInverse},
        {"det 2e-9", [](F& f) {
             for (auto [E, t] : {std::pair{&f.M1_11, "0,00001"}, {&f.M1_22, "0,0002"}, {&f.M1_33, "1"},
                                 {&f.M1_13, "0"}, {&f.M1_21, "0"}, {&f.M1_23, "0"}, {&f.M1_31, "0"}, {&f.M1_32, "0"}})
                 E->SetText(t);
             f.But_Inverse[1].Click();
         }, "MErg = Inverse(M1):",
         {"100000,000000", "0,000000", "0,000000", "0,000000", "5000,000000", "0,000000", "0,000000", "0,000000",
          "1,000000"}, ""},
        // M1 twice onto the identity is M1 squared.
        {"M1xMErg twice", [](F& f) {
             f.But_Inverse[2].Click();
             f.But_MalMErg[1].Click();
             f.But_MalMErg[1].Click();
         }, "MErg = M1 x MErg:",
         {"9,000000", "-2,000000", "2,000000", "23,000000", "-6,000000", "4,000000", "2,000000", "0,000000",
          "-1,000000"}, ""},
        {"Transp(MErg) symmetric", [](F& f) {
             f.But_Inverse[2].Click();
             f.But_Transp[F::Erg].Click();
         }, "MErg = Transponierte(MErg):", Einheit, ""},
        {"Transp(M1)", [](F& f) { f.But_Transp[1].Click(); }, "MErg = Transponierte(M1):",
         {"2,000000", "4,000000", "5,000000", "0,000000", "0,000000", "-2,000000", "1,000000", "3,000000",
          "0,000000"}, ""},
        {"M3 x M3", [](F& f) { f.But_Produkt[9].Click(); }, "MErg = M3 x M3:",
         {"192,400000", "10,192440", "3,133720", "195,758000", "190,950516", "2,241508", "63,000000",
          "5,386000", "1,998000"}, ""},
        {"Inverse(MErg) of zero", [](F& f) { f.But_Inverse[F::Erg].Click(); }, "Ergebnismatrix MErg:", Null,
         keineInverse},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wo);
        ProgrammStart();
        M.FormActivate();
        host.Vergessen();
        f.Tun(M);
        EXPECT_EQ(M.Label_Ergebnismatrix.Caption, f.Label);
        EXPECT_EQ(ErgZellen(), f.Erg);
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
    EXPECT_EQ(M.V2_z.Text(), "10,000000");
    // "als M1" after "M1 x M1": M1 is its square, shown with six decimals.
    M.But_Produkt[1].Click();
    M.But_AlsM[1].Click();
    EXPECT_EQ(M.M1_11.Text(), "9,000000");
    EXPECT_EQ(M.M1(2, 1), 23);
    M.But_Det[1].Click();
    EXPECT_EQ(M.Panel1.Caption, "Det(M1) = 16,000000");
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Matrizen, NieUnendlich) {
    // Results beyond the number range are refused; nothing shows inf or nan.
    TMatrix33 Gross;
    for (int i = 1; i <= 3; ++i) Gross(i, i) = 1e3000L;
    M.M1 = Gross;
    M.But_Inverse[2].Click();
    for (auto* K : {&M.But_Produkt[1], &M.But_Det[1], &M.But_Inverse[1]}) {
        host.Vergessen();
        K->Click();
        EXPECT_EQ(host.LetzteMeldung(), "Das Ergebnis liegt außerhalb des darstellbaren Zahlenbereichs!") << K->Caption;
    }
    EXPECT_EQ(ErgZellen(), Einheit);
    EXPECT_EQ(M.Panel1.Caption, "Det(...) = ...");
    M.MErg = Gross;
    M.MErg(1, 1) = 1e4932L;
    host.Vergessen();
    M.But_MalVektor[4].Click();  // MErg x V1
    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(M.VErg_x.Text(), "0");
}

TEST_F(Matrizen, ZellenPruefen) {
    // Leaving an input cell: 9999 passes, 9999,5 is refused, a cell
    // without a number keeps the focus silently.
    const struct {
        const char* Text;
        bool Meldung, Fokus;
    } faelle[] = {{"9999", false, false}, {"-9999", false, false}, {"9999,5", true, true},
                  {"", false, true},      {"-", false, true}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Text);
        host.Vergessen();
        M.M2_31.FokusAnforderungen = 0;
        M.M2_31.SetText(f.Text);
        M.ZelleExit(M.M2_31);
        EXPECT_EQ(host.LetzteMeldung(), f.Meldung ? Betrag10000Meldung : "");
        EXPECT_EQ(M.M2_31.FokusAnforderungen > 0, f.Fokus);
    }
    // The value typed is taken over at once; "-" keeps the last number.
    EXPECT_EQ(M.M2(3, 1), 9999.5L);
    // A result cell above 9999 is left without a word: it cannot be mended.
    MatrixTippen(3, {"9999", "0", "0", "0", "1", "0", "0", "0", "1"});
    M.But_Produkt[9].Click();
    host.Vergessen();
    M.MErg_11.FokusAnforderungen = 0;
    M.ZelleExit(M.MErg_11);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(M.MErg_11.FokusAnforderungen, 0);
    EXPECT_TRUE(M.MErg_11.ReadOnly && M.VErg_z.ReadOnly && !M.M1_11.ReadOnly);
    M.ErgebnisZelleClick();
    EXPECT_EQ(host.LetzteMeldung(), "Die Ergebnismatrix kann nicht geändert werden!");
    // Activation with a cell that holds no number: no failure, the cell's
    // value stays.
    host.Vergessen();
    M.M1_11.SetText("");
    M.FormActivate();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(M.M1(1, 1), 2);
}

}  // namespace
