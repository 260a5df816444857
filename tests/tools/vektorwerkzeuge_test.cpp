// The vector-product and vector-sum windows: their results for typed
// vectors, their change checks, the product window's drawing, and the sum
// window's writing of V1..V4 into the scene and the vectors dialog.

#include <algorithm>
#include <array>

#include "Werkzeugtest.h"
#include "control/Undo.h"
#include "forms/Schalter.h"
#include "forms/VektProd.h"
#include "forms/VektSumme.h"
#include "forms/Vektoren.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "scene/Speicherzustand.h"
#include "tools/Werkzeugfelder.h"

namespace {

class VektProd : public Werkzeugtest {
protected:
    TForm_VektProd& P = Form_VektProd;
    void SetUp() override {
        Werkzeugtest::SetUp();
        P.FormActivate();
    }
    std::vector<std::string> Ergebnis() {
        std::vector<std::string> v;
        for (const TLabel* L : {&P.Label_vpx, &P.Label_vpy, &P.Label_vpz, &P.Label_Winkel, &P.Label_Hoehe,
                                &P.Label_Inhalt, &P.Label_SPProd, &P.Label_SpatVol})
            v.push_back(L->Caption);
        return v;
    }
};

TEST_F(VektProd, ErgebnisseTabelle) {
    const struct {
        std::array<const char*, 9> v;  // empty first text: the start values
        std::vector<std::string> soll;
    } faelle[] = {
        {{""}, {"-1,404", "-0,936", "1,500", "169,345 °", "0,626 LE", "2,258 FE", "3,936", "3,936 VE"}},
        {{"1", "0", "0", "2", "0", "0", "0", "0", "1"},
         {"0,000", "0,000", "0,000", "0,000 °", "ex. nicht", "ex. nicht", "0,000", "ex. nicht"}},
        {{"1", "0", "0", "-1", "1", "0", "0", "0", "1"},
         {"0,000", "0,000", "1,000", "135,000 °", "1,000 LE", "1,000 FE", "1,000", "1,000 VE"}},
        {{"0", "0", "0", "1", "2", "3", "4", "5", "6"},
         {"0,000", "0,000", "0,000", "0,000 °", "ex. nicht", "ex. nicht", "0,000", "ex. nicht"}},
        {{"10000", "0", "0", "0", "-10000", "0", "0", "0", "10000"},
         {"0,000", "0,000", "-1E8", "90,000 °", "10000,000 LE", "1E8 FE", "-1E12", "1E12 VE"}},
    };
    for (const auto& f : faelle) {
        if (*f.v[0])
            for (int i = 1; i <= 9; ++i) P.Feld(i).SetText(f.v[static_cast<std::size_t>(i - 1)]);
        EXPECT_EQ(Ergebnis(), f.soll);
    }
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(VektProd, AenderungsPruefung) {
    const auto vorher = Ergebnis();
    const struct {
        const char* Text;
        bool Meldung;
    } faelle[] = {{"10000,001", true}, {"-10000,5", true}, {"1,2,3", true}, {"", false}, {"-", false}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Text);
        host.Vergessen();
        P.Edit_ay.SetText(f.Text);
        EXPECT_EQ(host.LetzteMeldung(), f.Meldung ? Bereich10000Meldung : "");
        EXPECT_EQ(Ergebnis(), vorher);
    }
    P.Edit_ay.SetText("-10000");
    EXPECT_EQ(P.Label_vpx.Caption, "-4680,000");
}

TEST_F(VektProd, KlammernUndPfeile) {
    const auto Ort = [](TControl& c, int l, int t, int w, int h) {
        c.Left = l;
        c.Top = t;
        c.Width = w;
        c.Height = h;
    };
    Ort(P.Edit_ax, 100, 50, 60, 20);
    Ort(P.Edit_az, 100, 110, 60, 20);
    Ort(P.Label_a, 10, 30, 8, 14);
    ProtokollZeichenflaeche C(400, 300);
    P.FormPaint(C);
    using S = std::pair<TPoint, TPoint>;
    std::vector<S> Linien;
    for (const auto& s : C.Strecken()) {
        EXPECT_EQ(s.pen, (TPen{0, 1, psSolid}));
        Linien.push_back({s.von, s.bis});
    }
    // a's column: the left bracket, its mirror image, and a's arrow.
    for (const S& s : {S{{105, 47}, {95, 47}}, S{{95, 47}, {95, 133}}, S{{95, 133}, {105, 133}},
                       S{{155, 47}, {165, 47}}, S{{165, 47}, {165, 133}}, S{{165, 133}, {155, 133}},
                       S{{10, 27}, {18, 27}}, S{{15, 24}, {18, 27}}, S{{18, 27}, {15, 30}}})
        EXPECT_NE(std::find(Linien.begin(), Linien.end(), s), Linien.end())
            << s.first.X << "," << s.first.Y << " - " << s.second.X << "," << s.second.Y;
    // Three bracket pairs of three lines, eight arrows of three.
    EXPECT_EQ(Linien.size(), 3u * 6 + 8 * 3);
}

// ---- Vector sums -----------------------------------------------------------------------

class VektSumme : public Werkzeugtest {
protected:
    TForm_VektSumme& S = Form_VektSumme;
    void SetUp() override {
        Werkzeugtest::SetUp();
        Form_Vektoren.But_VSummeClick();
    }
    // The user types Text into edit i after entering it.
    void Tippen(int i, const std::string& Text) {
        S.EditEnter(i);
        S.EditGetippt(i, Text);
    }
};

TEST_F(VektSumme, OeffnenUndSchliessen) {
    EXPECT_TRUE(S.Visible);
    for (TStringGrid* G : Form_Vektoren.AlleGitter()) EXPECT_FALSE(G->Enabled);
    EXPECT_EQ(Texte({&S.Edit_v1x, &S.Edit_v1y, &S.Edit_v1z, &S.Edit_KoefV2, &S.Edit_v4Ax, &S.Edit_v4Az}),
              (std::vector<std::string>{"-3,000", "-3,000", "0,000", "1", "-3,000", "-2,000"}));
    EXPECT_EQ(S.Panel_v3.Color, Vektor[3].Farbe);
    // The term buttons wait for "Vektorsummanden neu".
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(S.Summandknopf(k).Enabled);
    S.But_VSummeBestimm.Click();
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(S.Summandknopf(k).Enabled);
    const int undo = UndoAnzahl;
    S.FormClose();
    for (TStringGrid* G : Form_Vektoren.AlleGitter()) EXPECT_TRUE(G->Enabled);
    EXPECT_EQ(UndoAnzahl, undo + 1);
    // While the vector coordinates are locked the window does not open.
    KoordZeigenVektoren = false;
    Form_Vektoren.But_VSummeClick();
    EXPECT_EQ(host.LetzteMeldung(), "Die Anzeige von Vektorkoordinaten wurde gesperrt!");
    EXPECT_FALSE(S.Visible);
}

TEST_F(VektSumme, KetteAusV3UndV1) {
    const V A{-3, 3, -2}, v1{-3, -3, 0}, v3{0, 3, 3};
    S.But_VSummeBestimm.Click();
    S.Summandknopf(3).Click();
    S.Summandknopf(1).Click();
    EXPECT_EQ(S.Label6.Caption, " v3 + v1");
    EXPECT_TRUE(S.Summandknopf(3).Down && !S.Summandknopf(3).Enabled && S.Summandknopf(2).Enabled);
    EXPECT_EQ(Vektor[3].Anfangspunkt, A);
    EXPECT_EQ(Vektor[1].Anfangspunkt, plus(A, v3));
    EXPECT_EQ(Vektor[4].Anfangspunkt, A);
    EXPECT_EQ(Vektor[4].Vektor, plus(v3, v1));
    EXPECT_EQ(Vektor[4].Endpunkt, plus(A, plus(v3, v1)));
    EXPECT_EQ(Texte({&S.Edit_v4x, &S.Edit_v4y, &S.Edit_v4z}), (std::vector<std::string>{"-3,000", "0,000", "3,000"}));
    // The vectors dialog shows and remembers what the scene holds.
    const TStringGrid& G1 = Form_Vektoren.StringGrid1;
    EXPECT_EQ(G1.Cells(0, 2), "6,000");
    EXPECT_EQ(*Form_Vektoren.Gedaechtnis[1].Text(0, 2), "6,000");
    EXPECT_EQ(Form_Vektoren.StringGrid4.Cells(1, 3), "3,000");

    // v2 joins with coefficient 2; then v3 grows and moves what follows it.
    S.Summandknopf(2).Click();
    Tippen(11, "2");
    EXPECT_EQ(Vektor[2].Vektor, (V{8, 4, 6}));
    EXPECT_EQ(Vektor[2].Anfangspunkt, plus(A, plus(v3, v1)));
    Tippen(7, "1");
    EXPECT_EQ(Vektor[3].Vektor, (V{1, 3, 3}));
    EXPECT_EQ(Vektor[1].Anfangspunkt, (V{-2, 6, 1}));
    EXPECT_EQ(Vektor[4].Vektor, (V{6, 4, 9}));
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(S.Summandknopf(k).Enabled);
    // A new start point moves the whole chain.
    Tippen(13, "0");
    EXPECT_EQ(Vektor[3].Anfangspunkt, (V{0, 3, -2}));
    EXPECT_EQ(Vektor[4].Endpunkt, (V{6, 7, 7}));
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(VektSumme, AenderungsPruefung) {
    S.But_VSummeBestimm.Click();
    S.Summandknopf(1).Click();
    Tippen(1, "10000");
    EXPECT_EQ(Vektor[1].Vektor.x, 10000);
    EXPECT_TRUE(host.Meldungen.empty());
    // Out of range: the message, and the text the edit had when entered.
    Tippen(2, "10000,5");
    EXPECT_EQ(host.LetzteMeldung(), Bereich10000Meldung);
    EXPECT_EQ(S.Edit_v1y.Text(), "-3,000");
    EXPECT_EQ(Vektor[1].Vektor.y, -3);
    // Unfinished: nothing recomputed, nothing said.
    host.Vergessen();
    Tippen(3, "-");
    EXPECT_FALSE(S.EingabeGueltig);
    EXPECT_EQ(Vektor[1].Vektor.z, 0);
    EXPECT_TRUE(host.Meldungen.empty());
    // The sum cells take no input.
    S.SummeClick();
    EXPECT_EQ(host.LetzteMeldung(), "hier ist keine Eingabe möglich!");
    EXPECT_GT(S.Edit_v1x.FokusAnforderungen, 0);
    EXPECT_TRUE(S.Edit_v4y.ReadOnly);
}

}  // namespace
