// The memory popup of the linear-algebra windows: which groups each column
// offers, vectors and matrices carried between a dialog and the tools, the
// refused pastes, and the calculator's hand-back into a tool.

#include <cmath>
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
};

TEST_F(Werkzeugspeicher, GruppenJeSpalte) {
    S.But_VSummeBestimm.Click();
    S.Summandknopf(2).Click();  // the sum holds text
    const struct {
        const char* wo;
        TSpeicherMenue& Menue;
        std::function<bool()> Rechtsklick;
        bool Einfuegen, MatrixKopieren, MatrixEinfuegen;
    } faelle[] = {
        {"M1", M.PopupMenu_InSpeicher, [&] { return M.ZelleRechtsklick(M.M1_32); }, true, true, true},
        {"V1", M.PopupMenu_InSpeicher, [&] { return M.ZelleRechtsklick(M.V1_x); }, true, false, false},
        {"VErg", M.PopupMenu_InSpeicher, [&] { return M.ZelleRechtsklick(M.VErg_y); }, false, false, false},
        {"LGS column", L.PopupMenu_InSpeicher, [&] { return L.EditRechtsklick(5); }, true, true, true},
        {"LGS b", L.PopupMenu_InSpeicher, [&] { return L.EditRechtsklick(12); }, true, false, false},
        {"LaLua", W.PopupMenu_InSpeicher, [&] { return W.EditRechtsklick(9); }, true, true, true},
        {"sum v2", S.PopupMenu_InSpeicher, [&] { return S.Rechtsklick(4); }, true, true, true},
        {"sum A", S.PopupMenu_InSpeicher, [&] { return S.Rechtsklick(14); }, true, false, false},
        {"sum v4", S.PopupMenu_InSpeicher, [&] { return S.Rechtsklick(17); }, false, false, false},
        {"product b", P.PopupMenu_InSpeicher, [&] { return P.Rechtsklick(4); }, true, true, true},
        {"product a x b", P.PopupMenu_InSpeicher, [&] { return P.Rechtsklick(10); }, false, false, false},
        {"rotation", Form_Dreh_Matrizen.PopupMenu_InSpeicher,
         [&] { return Form_Dreh_Matrizen.ZelleRechtsklick(Form_Dreh_Matrizen.Mges_21); }, false, true, false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wo);
        ASSERT_TRUE(f.Rechtsklick());
        EXPECT_TRUE(Sichtbar(f.Menue, G::SpalteKopieren));
        EXPECT_EQ(Sichtbar(f.Menue, G::SpalteEinfuegen), f.Einfuegen);
        EXPECT_EQ(Sichtbar(f.Menue, G::MatrixKopieren), f.MatrixKopieren);
        EXPECT_EQ(Sichtbar(f.Menue, G::MatrixEinfuegen), f.MatrixEinfuegen);
        EXPECT_EQ(Sichtbar(f.Menue, G::BerechnEinfuegen), f.Einfuegen);
    }
    // The coefficients are no column; an empty sum offers nothing.
    EXPECT_FALSE(S.Rechtsklick(11));
    S.FormActivate();
    S.Edit_v4x.SetText("");
    EXPECT_FALSE(S.Rechtsklick(16));
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Werkzeugspeicher, RundreisenZwischenDialogUndWerkzeugen) {
    // g's direction from the lines dialog into "Speicher 2", on into v1 of
    // the sum window: the texts arrive unchanged and V1 follows.
    ASSERT_TRUE(Form_Geraden_t.SpalteGewaehlt(Form_Geraden_t.StringGrid1, 1));
    Form_Geraden_t.PopupMenu_InSpeicher.InSpeicherClick(2);
    EXPECT_EQ(VektorSpeicher[2], (TSpeicherVektor{"2", "2", "1"}));
    S.Rechtsklick(2);
    S.PopupMenu_InSpeicher.AusSpeicherClick(2);
    EXPECT_EQ(Texte({&S.Edit_v1x, &S.Edit_v1y, &S.Edit_v1z}), (std::vector<std::string>{"2", "2", "1"}));
    EXPECT_EQ(Vektor[1].Vektor, (V{2, 2, 1}));
    EXPECT_EQ(Form_Vektoren.StringGrid1.Cells(1, 1), "2,000");

    // v1 into "Speicher 3", then into the matrix window's V2, the linear
    // system's right-hand side (both six decimals) and the dependence
    // window's v3 (as typed).
    S.Rechtsklick(1);
    S.PopupMenu_InSpeicher.InSpeicherClick(3);
    M.ZelleRechtsklick(M.V2_y);
    M.PopupMenu_InSpeicher.AusSpeicherClick(3);
    EXPECT_EQ(Texte({&M.V2_x, &M.V2_y, &M.V2_z}), (std::vector<std::string>{"2,000000", "2,000000", "1,000000"}));
    EXPECT_EQ(M.V2, (V{2, 2, 1}));
    L.EditRechtsklick(11);
    L.PopupMenu_InSpeicher.AusSpeicherClick(3);
    EXPECT_EQ(L.Edit10.Text(), "2,000000");
    EXPECT_EQ(L.b, (V{2, 2, 1}));
    W.EditRechtsklick(8);
    W.PopupMenu_InSpeicher.AusSpeicherClick(3);
    EXPECT_EQ(Texte({&W.Edit7, &W.Edit8, &W.Edit9}), (std::vector<std::string>{"2", "2", "1"}));
    EXPECT_EQ(W.Label7.Caption, "v1, v2, v3 sind linear unabhängig");

    // Column 2 of M1 into a dialog, through its own checks: h's support point.
    M.ZelleRechtsklick(M.M1_22);
    M.PopupMenu_InSpeicher.InSpeicherClick(4);
    ASSERT_TRUE(Form_Geraden_t.SpalteGewaehlt(Form_Geraden_t.StringGrid2, 0));
    Form_Geraden_t.PopupMenu_InSpeicher.AusSpeicherClick(4);
    EXPECT_EQ(Gerade_h.Stuetzvektor, (V{0, 0, -2}));

    // "Speicher 1" was never written: its zeros arrive.
    P.Rechtsklick(2);
    P.PopupMenu_InSpeicher.AusSpeicherClick(1);
    EXPECT_EQ(Texte({&P.Edit_ax, &P.Edit_ay, &P.Edit_az}), (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(P.Label_Hoehe.Caption, "ex. nicht");
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Werkzeugspeicher, GanzeMatrizen) {
    // The dependence window's vectors as columns into "Matrix-Speicher 1".
    W.EditRechtsklick(1);
    W.PopupMenu_InSpeicher.InMatrixSpeicherClick(1);
    EXPECT_EQ(MatrixSpeicher[1](2, 3), 8);
    // Into M2, shown with six decimals; MErg x V1 then works with it.
    M.ZelleRechtsklick(M.M2_13);
    M.PopupMenu_InSpeicher.AusMatrixSpeicherClick(1);
    EXPECT_EQ(M.M2_22.Text(), "-1,500000");
    EXPECT_EQ(M.M2, MatrixSpeicher[1]);
    // Into MErg, which takes no typing but a paste.
    M.ZelleRechtsklick(M.MErg_31);
    M.PopupMenu_InSpeicher.AusMatrixSpeicherClick(1);
    M.V1_y.SetText("1");
    M.But_MalVektor[4].Click();
    EXPECT_EQ(M.VErg, (V{0, -1.5L, 0}));
    // Into the linear system, general format: the edits' values follow.
    L.EditRechtsklick(1);
    L.PopupMenu_InSpeicher.AusMatrixSpeicherClick(1);
    EXPECT_EQ(Texte({&L.Edit4, &L.Edit5, &L.Edit6}), (std::vector<std::string>{"0", "-1,5", "0"}));
    EXPECT_EQ(L.A, MatrixSpeicher[1]);
    // Into the sum window: all three terms recomputed.
    S.Rechtsklick(5);
    S.PopupMenu_InSpeicher.AusMatrixSpeicherClick(1);
    EXPECT_EQ(Vektor[3].Vektor, (V{6, 8, -4}));
    // Slot 0 follows every right click on a column of a matrix.
    M.ZelleRechtsklick(M.M3_11);
    EXPECT_EQ(MatrixSpeicher[0], M.M3);
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Werkzeugspeicher, AbgelehnteEinfuegungen) {
    // After a right click on VErg a paste goes nowhere, not into the column
    // clicked before.
    M.ZelleRechtsklick(M.M1_11);
    M.ZelleRechtsklick(M.VErg_y);
    const TMatrix33 m1 = M.M1;
    const TVek_R3 v1 = M.V1;
    M.PopupMenu_InSpeicher.AusSpeicherClick(2);
    M.PopupMenu_InSpeicher.AusMatrixSpeicherClick(2);
    EXPECT_EQ(M.M1, m1);
    EXPECT_EQ(M.V1, v1);
    // A memory entry that holds no number is refused before anything is written.
    VektorSpeicher[1] = {"1", "", "2"};
    M.ZelleRechtsklick(M.M1_11);
    M.PopupMenu_InSpeicher.AusSpeicherClick(1);
    EXPECT_EQ(host.LetzteMeldung(), "'' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(M.M1, m1);
    EXPECT_EQ(M.M1_11.Text(), "2");
    // Out of the change check's range: refused once, the edits keep their texts.
    host.Vergessen();
    VektorSpeicher[3] = {"1", "10000,5", "2"};
    for (const auto& [Menue, Rechtsklick] : {std::pair<TSpeicherMenue*, std::function<bool()>>{
                                                 &S.PopupMenu_InSpeicher, [&] { return S.Rechtsklick(1); }},
                                             {&P.PopupMenu_InSpeicher, [&] { return P.Rechtsklick(1); }}}) {
        ASSERT_TRUE(Rechtsklick());
        Menue->AusSpeicherClick(3);
    }
    EXPECT_EQ(host.Meldungen.size(), 2u);
    EXPECT_EQ(S.Edit_v1y.Text(), "-3,000");
    EXPECT_EQ(P.Edit_ay.Text(), "-3");
    // A right click while a vector edit holds no number: no popup.
    host.Vergessen();
    P.Edit_cz.SetText("-");
    EXPECT_FALSE(P.Rechtsklick(1));
    EXPECT_EQ(host.LetzteMeldung(), "'-' ist kein gültiger Gleitkommawert.");
}

TEST_F(Werkzeugspeicher, AchtzehnZeichenOhneWertverlust) {
    // -9996000599960001 shows as "-9,9960005999600E15" (19 characters); the
    // memory gets a shorter text of the same value, not a cut exponent.
    M.M1 = TMatrix33{};
    M.M1(1, 1) = -9996000599960001.0L;
    M.But_Transp[1].Click();
    M.ZelleRechtsklick(M.MErg_21);
    const std::string& x = VektorSpeicher[0].x;
    EXPECT_LE(x.size(), 18u);
    Extended v = 0;
    ASSERT_TRUE(ZelleLesen(x, v)) << x;
    EXPECT_NEAR(static_cast<double>(v / -9996000599960001.0L), 1.0, 1e-13) << x;
}

TEST_F(Werkzeugspeicher, RechnerInEinWerkzeug) {
    // The calculator's hand-back arrives in the column clicked, formatted as
    // that window writes it.
    host.BeiModal = [](const std::string& name) {
        ASSERT_EQ(name, "Form_ObjekteDaten");
        ErgebnisVektor = {1, -2.5L, 1.0L / 3};
        Form_ObjekteDaten.BitBtn1Click();
    };
    L.EditRechtsklick(6);
    L.BerechnEinfuegenClick();
    EXPECT_EQ(Texte({&L.Edit4, &L.Edit5, &L.Edit6}), (std::vector<std::string>{"1,000000", "-2,500000", "0,333333"}));
    EXPECT_EQ(L.A(2, 2), -2.5L);
    S.Rechtsklick(13);
    S.BerechnEinfuegenClick();
    EXPECT_EQ(Texte({&S.Edit_v4Ax, &S.Edit_v4Ay, &S.Edit_v4Az}),
              (std::vector<std::string>{"1", "-2,5", "0,333333333333333"}));
    EXPECT_EQ(Vektor[4].Anfangspunkt.y, -2.5L);
    // While the coordinates are locked nothing is computed or pasted.
    KoordGesperrt = true;
    host.Vergessen();
    M.ZelleRechtsklick(M.V1_x);
    M.BerechnEinfuegenClick();
    EXPECT_EQ(host.LetzteMeldung(), DatenfensterGesperrtMeldung);
    EXPECT_EQ(M.V1_x.Text(), "2");
}

}  // namespace
