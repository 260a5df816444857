// The memory popup of the linear-algebra windows: which groups each column
// offers, vectors and matrices carried between a dialog and the tools, the
// refused pastes, and the calculator's hand-back into a tool.

#include <functional>

#include "Werkzeugtest.h"
#include "forms/DrehMatrizen.h"
#include "forms/Geraden_t.h"
#include "forms/LGS.h"
#include "forms/LaLua.h"
#include "forms/Matrizen.h"
#include "forms/ObjekteDaten.h"
#include "forms/Schalter.h"
#include "forms/VektProd.h"
#include "forms/VektSumme.h"
#include "forms/Vektoren.h"
#include "geometry/Eingabe.h"

namespace {

using G = TSpeicherMenue;
using Texte3 = std::vector<std::string>;

class Werkzeugspeicher : public Werkzeugtest {
protected:
    TForm_Matrizen& M = Form_Matrizen;
    TForm_LGS& L = Form_LGS;
    TForm_LaLua& W = Form_LaLua;
    TForm_VektSumme& S = Form_VektSumme;
    TForm_VektProd& P = Form_VektProd;
    void SetUp() override {
        Werkzeugtest::SetUp();
        M.FormActivate();
        L.FormActivate();
        W.FormActivate();
        P.FormActivate();
        Form_Vektoren.But_VSummeClick();
    }
    // A right click on a column, then "aus Speicher k" of its popup.
    static void Aus(TSpeicherMenue& Menue, bool Rechtsklick, int k) {
        ASSERT_TRUE(Rechtsklick);
        Menue.AusSpeicherClick(k);
    }
};

TEST_F(Werkzeugspeicher, GruppenJeSpalte) {
    S.But_VSummeBestimm.Click();
    S.Summandknopf(2).Click();  // the sum holds text
    TForm_Dreh_Matrizen& D = Form_Dreh_Matrizen;
    const struct {
        TSpeicherMenue& Menue;
        std::function<bool()> Rechtsklick;
        bool Einfuegen, MatrixKopieren, MatrixEinfuegen, Rechner;
    } faelle[] = {
        {M.PopupMenu_InSpeicher, [&] { return M.ZelleRechtsklick(M.M1_32); }, true, true, true, true},
        {M.PopupMenu_InSpeicher, [&] { return M.ZelleRechtsklick(M.VErg_y); }, false, false, false, false},
        {L.PopupMenu_InSpeicher, [&] { return L.EditRechtsklick(12); }, true, false, false, true},
        {S.PopupMenu_InSpeicher, [&] { return S.Rechtsklick(14); }, true, false, false, true},
        // The sum and the product take no paste, but offer the calculator.
        {S.PopupMenu_InSpeicher, [&] { return S.Rechtsklick(17); }, false, false, false, true},
        {P.PopupMenu_InSpeicher, [&] { return P.Rechtsklick(10); }, false, false, false, true},
        {D.PopupMenu_InSpeicher, [&] { return D.ZelleRechtsklick(D.Mges_21); }, false, true, false, false},
    };
    int n = 0;
    for (const auto& f : faelle) {
        SCOPED_TRACE(++n);
        ASSERT_TRUE(f.Rechtsklick());
        EXPECT_TRUE(Sichtbar(f.Menue, G::SpalteKopieren));
        EXPECT_EQ(Sichtbar(f.Menue, G::SpalteEinfuegen), f.Einfuegen);
        EXPECT_EQ(Sichtbar(f.Menue, G::BerechnEinfuegen), f.Rechner);
        EXPECT_EQ(Sichtbar(f.Menue, G::MatrixKopieren), f.MatrixKopieren);
        EXPECT_EQ(Sichtbar(f.Menue, G::MatrixEinfuegen), f.MatrixEinfuegen);
    }
    // The coefficients are no column; an empty sum offers nothing.
    EXPECT_FALSE(S.Rechtsklick(11));
    S.Edit_v4x.SetText("");
    EXPECT_FALSE(S.Rechtsklick(16));
    EXPECT_TRUE(host.Meldungen.empty());
}

// Every caption of every tool window's popup, to the character: the blanks
// inside them are the windows' own.
TEST_F(Werkzeugspeicher, BeschriftungenJeFenster) {
    const std::string Spalte = "Den Inhalt dieser Spalte in einen Speicher   kopieren";
    const std::string Einfuegen = "In diese Spalte den Inhalt eines Speichers   einfügen";
    const std::string Matrix = "Die ganze Matrix in einen Speicher   kopieren";
    const std::string MatrixAus = "Eine ganze Matrix aus einem Speicher   einfügen";
    const struct {
        const char* Fenster;
        TSpeicherMenue& Menue;
        std::string Gruppen[4];
        std::string In, Aus;  // the vector items without their number
    } faelle[] = {
        {"Matrizen", M.PopupMenu_InSpeicher, {Spalte, Einfuegen, Matrix, MatrixAus}, "in Speicher ", "aus Speicher "},
        {"LaLua", W.PopupMenu_InSpeicher, {Spalte, Einfuegen, Matrix, MatrixAus}, "in Speicher ", "aus Speicher "},
        {"Dreh-Matrizen", Form_Dreh_Matrizen.PopupMenu_InSpeicher, {Spalte, Einfuegen, Matrix, MatrixAus},
         "in Speicher ", "aus Speicher "},
        {"LGS",
         L.PopupMenu_InSpeicher,
         {Spalte, "In diese Spalte den Inhalt eines Speichers       einfügen", Matrix, MatrixAus},
         "in Speicher ",
         "aus Speicher "},
        {"Vektorsummen",
         S.PopupMenu_InSpeicher,
         {"Die Koordinaten dieses Vektors  in einen Speicher   kopieren",
          "Diese Vektor- (Punkt-) Koordinaten durch die eines Speichers ersetzen",
          "Die Koordinaten zu v1, v2, v3 insgesamt als Matrix in einen Speicher   kopieren",
          "In die Zellen zu v1, v2, v3 den Inhalt eines Matrix-Speichers   einfügen"},
         "in Speicher ",
         "aus Speicher "},
        {"Vektorprodukt",
         P.PopupMenu_InSpeicher,
         {Spalte, Einfuegen, "Die 3 Vektoren als 3x3-Matrix in einen Speicher   kopieren",
          "Die 3 Vektoren durch Spalten einer Matrix ersetzen"},
         " in Speicher ",
         " aus Speicher "},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Fenster);
        const std::vector<TMenuItem>& I = f.Menue.Menue.Items;
        ASSERT_EQ(I.size(), 7u);
        const std::size_t Gruppe[4] = {0, 1, 3, 4};
        for (int g = 0; g < 4; ++g) EXPECT_EQ(I[Gruppe[g]].Caption, f.Gruppen[g]);
        EXPECT_EQ(I[2].Caption, "-");
        EXPECT_EQ(I[5].Caption, "-");
        EXPECT_EQ(I[6].Caption, "Vektor (Punkt) berechnen und einfügen");
        ASSERT_EQ(I[0].Items.size(), 4u);
        ASSERT_EQ(I[1].Items.size(), 4u);
        ASSERT_EQ(I[3].Items.size(), 3u);
        ASSERT_EQ(I[4].Items.size(), 3u);
        for (std::size_t k = 1; k <= 4; ++k) {
            EXPECT_EQ(I[0].Items[k - 1].Caption, f.In + std::to_string(k));
            EXPECT_EQ(I[1].Items[k - 1].Caption, f.Aus + std::to_string(k));
        }
        // The matrix items have no leading blank, in any window.
        for (std::size_t k = 1; k <= 3; ++k) {
            EXPECT_EQ(I[3].Items[k - 1].Caption, "in Matrix-Speicher " + std::to_string(k));
            EXPECT_EQ(I[4].Items[k - 1].Caption, "aus Matrix-Speicher " + std::to_string(k));
        }
    }
}

TEST_F(Werkzeugspeicher, RundreisenZwischenDialogUndWerkzeugen) {
    // g's direction from the lines dialog via "Speicher 2" into v1 of the
    // sum window: the texts arrive unchanged and V1 follows.
    ASSERT_TRUE(Form_Geraden_t.SpalteGewaehlt(Form_Geraden_t.StringGrid1, 1));
    Form_Geraden_t.PopupMenu_InSpeicher.InSpeicherClick(2);
    Aus(S.PopupMenu_InSpeicher, S.Rechtsklick(2), 2);
    EXPECT_EQ(Texte({&S.Edit_v1x, &S.Edit_v1y, &S.Edit_v1z}), (Texte3{"2", "2", "1"}));
    EXPECT_EQ(Vektor[1].Vektor, (V{2, 2, 1}));
    EXPECT_EQ(Form_Vektoren.StringGrid1.Cells(1, 1), "2,000");
    // v1 via "Speicher 3" into the matrix window's V2 and the linear
    // system's right-hand side (six decimals) and the dependence window's v3
    // (as it is).
    S.Rechtsklick(1);
    S.PopupMenu_InSpeicher.InSpeicherClick(3);
    Aus(M.PopupMenu_InSpeicher, M.ZelleRechtsklick(M.V2_y), 3);
    EXPECT_EQ(Texte({&M.V2_x, &M.V2_y, &M.V2_z}), (Texte3{"2,000000", "2,000000", "1,000000"}));
    EXPECT_EQ(M.V2, (V{2, 2, 1}));
    Aus(L.PopupMenu_InSpeicher, L.EditRechtsklick(11), 3);
    EXPECT_EQ(L.b, (V{2, 2, 1}));
    Aus(W.PopupMenu_InSpeicher, W.EditRechtsklick(8), 3);
    EXPECT_EQ(Texte({&W.Edit7, &W.Edit8, &W.Edit9}), (Texte3{"2", "2", "1"}));
    EXPECT_EQ(W.Label7.Caption, "v1, v2, v3 sind linear unabhängig");
    // Column 2 of M1 into a dialog, through its own checks: h's support point.
    M.ZelleRechtsklick(M.M1_22);
    M.PopupMenu_InSpeicher.InSpeicherClick(4);
    Aus(Form_Geraden_t.PopupMenu_InSpeicher, Form_Geraden_t.SpalteGewaehlt(Form_Geraden_t.StringGrid2, 0), 4);
    EXPECT_EQ(Gerade_h.Stuetzvektor, (V{0, 0, -2}));
    // "Speicher 1" was never written: its zeros arrive.
    Aus(P.PopupMenu_InSpeicher, P.Rechtsklick(2), 1);
    EXPECT_EQ(Texte({&P.Edit_ax, &P.Edit_ay, &P.Edit_az}), (Texte3{"0", "0", "0"}));
    EXPECT_EQ(P.Label_Hoehe.Caption, "ex. nicht");
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Werkzeugspeicher, GanzeMatrizen) {
    // The dependence window's vectors as columns into "Matrix-Speicher 1",
    // then into M2 (six decimals), MErg (no typing, but a paste) and the
    // linear system (general format).
    W.EditRechtsklick(1);
    W.PopupMenu_InSpeicher.InMatrixSpeicherClick(1);
    const TMatrix33 S1 = MatrixSpeicher[1];
    EXPECT_EQ(S1(2, 3), 8);
    for (TEdit* E : {&M.M2_13, &M.MErg_31}) {
        M.ZelleRechtsklick(*E);
        M.PopupMenu_InSpeicher.AusMatrixSpeicherClick(1);
    }
    EXPECT_EQ(M.M2_22.Text(), "-1,500000");
    EXPECT_EQ(M.M2, S1);
    EXPECT_EQ(M.MErg, S1);
    L.EditRechtsklick(1);
    L.PopupMenu_InSpeicher.AusMatrixSpeicherClick(1);
    EXPECT_EQ(Texte({&L.Edit4, &L.Edit5, &L.Edit6}), (Texte3{"0", "-1,5", "0"}));
    EXPECT_EQ(L.A, S1);
    M.ZelleRechtsklick(M.M3_11);
    EXPECT_EQ(MatrixSpeicher[0], M.M3);
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Werkzeugspeicher, EinfuegenOhneRundung) {
    // Pastes that the windows show with fewer digits keep the value pasted:
    // a third into the linear system's right-hand side (six decimals) and,
    // as a whole matrix, into the product's and the dependence window's
    // vectors.
    // The edit shows the six decimals already: the new value alone counts.
    L.Edit10.SetText("0,333333");
    VektorSpeicher[1] = {"0,333333333333333", "1", "2"};
    Aus(L.PopupMenu_InSpeicher, L.EditRechtsklick(10), 1);
    EXPECT_EQ(L.Edit10.Text(), "0,333333");
    EXPECT_NEAR(static_cast<double>(L.b.x - 0.333333333333333L), 0.0, 1e-18);
    MatrixSpeicher[2](1, 1) = 1.0L / 3;
    MatrixSpeicher[2](2, 1) = 2;
    ASSERT_TRUE(P.Rechtsklick(1));
    P.PopupMenu_InSpeicher.AusMatrixSpeicherClick(2);
    EXPECT_EQ(P.Edit_ax.Text(), "0,333333");
    EXPECT_EQ(P.a.x, 1.0L / 3);
    ASSERT_TRUE(W.EditRechtsklick(1));
    W.PopupMenu_InSpeicher.AusMatrixSpeicherClick(2);
    W.FormActivate();
    EXPECT_EQ(W.v1.x, 1.0L / 3);
    // v1 = (1/3, 2, 0) and v2 = 3 v1 = (1, 6, 0): dependent only with the
    // exact third.
    Setzen({&W.Edit4, &W.Edit5, &W.Edit6}, {"1", "6", "0"});
    EXPECT_EQ(W.Label4.Caption, "v1 und v2 sind linear abhängig");
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Werkzeugspeicher, AbgelehnteEinfuegungen) {
    // After a right click on VErg a paste goes nowhere, not into the column
    // clicked before.
    M.ZelleRechtsklick(M.M1_11);
    M.ZelleRechtsklick(M.VErg_y);
    const TMatrix33 m1 = M.M1;
    M.PopupMenu_InSpeicher.AusSpeicherClick(2);
    M.PopupMenu_InSpeicher.AusMatrixSpeicherClick(2);
    EXPECT_EQ(M.M1, m1);
    // An entry that holds no number is refused before anything is written.
    VektorSpeicher[1] = {"1", "", "2"};
    Aus(M.PopupMenu_InSpeicher, M.ZelleRechtsklick(M.M1_11), 1);
    EXPECT_EQ(host.LetzteMeldung(), "'' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(M.M1, m1);
    // Out of the change check's range: one message each; the vector sum
    // writes the texts as stored and leaves the answer to the change check.
    host.Vergessen();
    VektorSpeicher[3] = {"1", "10000,5", "2"};
    Aus(S.PopupMenu_InSpeicher, S.Rechtsklick(1), 3);
    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(S.Edit_v1y.Text(), "10000,5");
    // A right click while a vector edit holds no number: no popup.
    P.Edit_cz.SetText("-");
    EXPECT_FALSE(P.Rechtsklick(1));
    EXPECT_EQ(host.LetzteMeldung(), "'-' ist kein gültiger Gleitkommawert.");
}

TEST_F(Werkzeugspeicher, AchtzehnZeichenOhneWertverlust) {
    // -9996000599960001 shows as "-9,9960005999600E15" (19 characters); the
    // memory gets a shorter text of the same value, not a cut exponent.
    M.M1(1, 1) = -9996000599960001.0L;
    M.But_Transp[1].Click();
    M.ZelleRechtsklick(M.MErg_21);
    const std::string& x = VektorSpeicher[0].x;
    Extended v = 0;
    EXPECT_LE(x.size(), 18u);
    ASSERT_TRUE(ZelleLesen(x, v)) << x;
    EXPECT_NEAR(static_cast<double>(v / -9996000599960001.0L), 1.0, 1e-13) << x;
}

TEST_F(Werkzeugspeicher, RechnerInEinWerkzeug) {
    // The calculator's hand-back arrives in the column clicked, written as
    // that window writes a paste.
    host.BeiModal = [](const std::string&) {
        ErgebnisVektor = {1, -2.5L, 1.0L / 3};
        Form_ObjekteDaten.BitBtn1Click();
    };
    L.EditRechtsklick(6);
    L.BerechnEinfuegenClick();
    EXPECT_EQ(Texte({&L.Edit4, &L.Edit5, &L.Edit6}), (Texte3{"1,000000", "-2,500000", "0,333333"}));
    // While the coordinates are locked nothing is computed or pasted.
    KoordGesperrt = true;
    M.ZelleRechtsklick(M.V1_x);
    M.BerechnEinfuegenClick();
    EXPECT_EQ(host.LetzteMeldung(), DatenfensterGesperrtMeldung);
    EXPECT_EQ(M.V1_x.Text(), "2");
    // From the product the calculator only fills the transfer slot: the
    // shown product stays what a x b gives.
    KoordGesperrt = false;
    ASSERT_TRUE(P.Rechtsklick(10));
    P.BerechnEinfuegenClick();
    EXPECT_EQ(VektorSpeicher[0], (TSpeicherVektor{"1", "-2,5", "0,333333333333333"}));
    EXPECT_EQ(Texte({&P.Edit_ax, &P.Edit_ay, &P.Edit_az}), (Texte3{"2", "-3", "0"}));
    EXPECT_EQ(P.Label_vpx.Caption, "-1,404");
}

}  // namespace
