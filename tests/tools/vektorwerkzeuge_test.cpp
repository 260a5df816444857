// The vector-product and vector-sum windows: their results for typed
// vectors, their change checks, the product window's drawing, and the sum
// window's writing of V1..V4 into the scene and the vectors dialog.

#include <array>

#include "Werkzeugtest.h"
#include "control/Drehsteuerung.h"
#include "control/Undo.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "forms/VektProd.h"
#include "forms/VektSumme.h"
#include "forms/Vektoren.h"
#include "geometry/Geometrie.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "scene/DrehZustand.h"
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
};

TEST_F(VektProd, ErgebnisseUndAenderungspruefung) {
    const auto Erg = [](const char* p, const char* w, const char* h, const char* F, const char* s, const char* V) {
        return std::string(p) + "|" + w + "|" + h + "|" + F + "|" + s + "|" + V;
    };
    // Edit i := text (0: all nine below), then what the window shows.
    const struct {
        int i;
        std::array<const char*, 9> v;
        std::string soll;
        bool Meldung = false;
    } faelle[] = {
        {0, {}, Erg("-1,404 -0,936 1,500", "169,345 °", "0,626 LE", "2,258 FE", "3,936", "3,936 VE")},
        // The change check: a number beyond 10000 or no number is told and
        // changes nothing; an unfinished one says nothing.
        {2, {"10000,001"}, Erg("-1,404 -0,936 1,500", "169,345 °", "0,626 LE", "2,258 FE", "3,936", "3,936 VE"), true},
        {2, {"1,2,3"}, Erg("-1,404 -0,936 1,500", "169,345 °", "0,626 LE", "2,258 FE", "3,936", "3,936 VE"), true},
        {2, {"-"}, Erg("-1,404 -0,936 1,500", "169,345 °", "0,626 LE", "2,258 FE", "3,936", "3,936 VE")},
        // Seven significant digits: -29987,064 shows as -29987,060.
        {2, {"-10000"}, Erg("-4680,000 -0,936 -14994,000", "152,367 °", "1,571 LE", "15707,400 FE", "-29987,060",
                            "29987,060 VE")},
        {0, {"1", "0", "0", "2", "0", "0", "0", "0", "1"},
         Erg("0,000 0,000 0,000", "0,000 °", "ex. nicht", "ex. nicht", "0,000", "ex. nicht")},
        {0, {"1", "0", "0", "-1", "1", "0", "0", "0", "1"},
         Erg("0,000 0,000 1,000", "135,000 °", "1,000 LE", "1,000 FE", "1,000", "1,000 VE")},
        {0, {"10000", "0", "0", "0", "-10000", "0", "0", "0", "10000"},
         Erg("0,000 0,000 -1E8", "90,000 °", "10000,000 LE", "1E8 FE", "-1E12", "1E12 VE")},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.soll);
        host.Vergessen();
        if (f.i)
            P.Feld(f.i).SetText(f.v[0]);
        else if (f.v[0])
            for (int i = 1; i <= 9; ++i) P.Feld(i).SetText(f.v[static_cast<std::size_t>(i - 1)]);
        EXPECT_EQ(Erg((P.Label_vpx.Caption + " " + P.Label_vpy.Caption + " " + P.Label_vpz.Caption).c_str(),
                      P.Label_Winkel.Caption.c_str(), P.Label_Hoehe.Caption.c_str(), P.Label_Inhalt.Caption.c_str(),
                      P.Label_SPProd.Caption.c_str(), P.Label_SpatVol.Caption.c_str()),
                  f.soll);
        EXPECT_EQ(host.LetzteMeldung(), f.Meldung ? Bereich10000Meldung : "");
    }
}

TEST_F(VektProd, ErgebnisseGehoerenZuDenNeunFeldern) {
    const auto Ergebnisse = [&] {
        return P.Label_vpx.Caption + " " + P.Label_vpy.Caption + " " + P.Label_vpz.Caption + "|" +
               P.Label_Winkel.Caption + "|" + P.Label_Hoehe.Caption + "|" + P.Label_Inhalt.Caption + "|" +
               P.Label_SPProd.Caption + "|" + P.Label_SpatVol.Caption;
    };
    const std::string Start = Ergebnisse();
    // A refused number keeps its text and is told; the next change computes
    // with all nine texts: a = (20000, -3, 0), b = (-1,5; 3; 1).
    P.Edit_ax.SetText("20000");
    EXPECT_EQ(host.LetzteMeldung(), Bereich10000Meldung);
    EXPECT_EQ(Ergebnisse(), Start);
    host.Vergessen();
    P.Edit_bz.SetText("1");
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(P.Label_vpx.Caption + " " + P.Label_vpy.Caption + " " + P.Label_vpz.Caption,
              "-3,000 -20000,000 59995,500");
    EXPECT_EQ(P.Label_SPProd.Caption, "139991,000");
    EXPECT_EQ(P.a.x, 20000);
    // Results beyond the number range are not shown as numbers: the labels
    // are emptied and the window says why, also on activation.
    for (const char* t : {"1E4932", "-1E4932"}) {
        SCOPED_TRACE(t);
        P.Edit_ax.SetText(t);
        host.Vergessen();
        P.Edit_bz.SetText("0,5");
        EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung);
        EXPECT_EQ(Ergebnisse(), "  |||||");
        host.Vergessen();
        P.FormActivate();
        EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung);
        P.Edit_bz.SetText("1");
    }
    // a x b = (0, 0, 1E3000) is a number, but its length overflows: the
    // angle would read 0 and the area "ex. nicht".
    Setzen({&P.Edit_ax, &P.Edit_bx, &P.Edit_by}, {"1E2000", "1E1000", "1E1000"});
    host.Vergessen();
    P.Edit_bz.SetText("0");
    EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung);
    EXPECT_EQ(P.Label_Winkel.Caption, "");
    // Once mended, the pass runs again.
    host.Vergessen();
    Setzen({&P.Edit_ax, &P.Edit_bx, &P.Edit_by, &P.Edit_bz}, {"2", "-1,5", "3", "0,468"});
    EXPECT_EQ(Ergebnisse(), Start);
    EXPECT_TRUE(host.Meldungen.empty());
    // Another edit that holds no number stops the pass before any label
    // changes, and the edit being changed tells the user.
    P.Edit_ay.SetText("x");
    host.Vergessen();
    P.Edit_cz.SetText("5");
    EXPECT_EQ(host.LetzteMeldung(), Bereich10000Meldung);
    EXPECT_EQ(Ergebnisse(), Start);
}

TEST_F(VektProd, EinfuegenLaesstDieBereichspruefungAntworten) {
    // A column from the memory is written as typed: the number beyond the
    // range is told by its own edit, and the results follow all nine texts.
    VektorSpeicher[3] = {"1", "10000,5", "2"};
    ASSERT_TRUE(P.Rechtsklick(2));
    P.PopupMenu_InSpeicher.AusSpeicherClick(3);
    EXPECT_EQ(Texte({&P.Edit_ax, &P.Edit_ay, &P.Edit_az}), (std::vector<std::string>{"1", "10000,5", "2"}));
    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.LetzteMeldung(), Bereich10000Meldung);
    // a x b with a = (1; 10000,5; 2), b = (-1,5; 3; 0,468).
    EXPECT_EQ(P.Label_vpx.Caption, "4674,234");
    // A whole matrix likewise, each of its out-of-range elements told once.
    host.Vergessen();
    MatrixSpeicher[1] = TMatrix33{};
    // a = (1, 0, 0), b = (0, 1, 30000), c = (0, -20000, 1).
    MatrixSpeicher[1](1, 1) = MatrixSpeicher[1](2, 2) = MatrixSpeicher[1](3, 3) = 1;
    MatrixSpeicher[1](3, 2) = 30000;
    MatrixSpeicher[1](2, 3) = -20000;
    P.PopupMenu_InSpeicher.AusMatrixSpeicherClick(1);
    EXPECT_EQ(host.Meldungen.size(), 2u);
    EXPECT_EQ(P.Edit_bz.Text(), "30000,000000");
    EXPECT_EQ(P.Label_vpx.Caption + " " + P.Label_vpy.Caption + " " + P.Label_vpz.Caption, "0,000 -30000,000 1,000");
    EXPECT_EQ(P.Label_SPProd.Caption, "6E8");  // 600000001 to seven digits
    // An entry that holds no number writes nothing.
    host.Vergessen();
    VektorSpeicher[2] = {"1", "a", "2"};
    P.PopupMenu_InSpeicher.AusSpeicherClick(2);
    EXPECT_EQ(host.LetzteMeldung(), "'a' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(P.Edit_ax.Text(), "1,000000");
}

TEST_F(VektProd, RechtsklickOhneZahlFuelltDenTransferplatz) {
    // The popup does not open, but the column's texts are in entry 0.
    P.Edit_cz.SetText("-");
    VektorSpeicher[0] = {"7", "7", "7"};
    EXPECT_FALSE(P.Rechtsklick(4));
    EXPECT_EQ(host.LetzteMeldung(), "'-' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(VektorSpeicher[0], (TSpeicherVektor{"-1,5", "3", "0,468"}));
}

TEST_F(VektProd, KlammernUndPfeile) {
    // a's column from (100, 50) to (160, 130): the left bracket 5 pixels out
    // and 3 past its ends; the arrow over the letter a at (10, 30), 8 wide.
    for (auto [c, t] : {std::pair{&P.Edit_ax, 50}, {&P.Edit_az, 110}})
        static_cast<TControl&>(*c) = {true, true, "", 100, t, 60, 20, 0};
    static_cast<TControl&>(P.Label_a) = {true, true, "", 10, 30, 8, 14, 0};
    ProtokollZeichenflaeche C(400, 300);
    P.FormPaint(C);
    const auto S = C.Strecken();
    EXPECT_EQ(S.size(), 3u * 6 + 8 * 3);  // three bracket pairs, eight arrows
    EXPECT_EQ(C.StreckenMitFarbe(0), static_cast<int>(S.size()));
    EXPECT_EQ(std::vector<TPoint>({S[0].von, S[0].bis, S[1].bis, S[2].bis}),
              std::vector<TPoint>({{105, 47}, {95, 47}, {95, 133}, {105, 133}}));
    const auto& Pfeil = S[18];
    EXPECT_EQ(std::vector<TPoint>({Pfeil.von, Pfeil.bis}), std::vector<TPoint>({{10, 27}, {18, 27}}));
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
    void Wiederoeffnen() {
        S.FormClose();
        Form_Vektoren.But_VSummeClick();
    }
    // Term k's coefficient typed in Anzahl fresh openings of the window.
    void Runden(int k, const char* Koeffizient, int Anzahl) {
        for (int n = 0; n < Anzahl; ++n) Wiederoeffnen(), Tippen(9 + k, Koeffizient);
    }
    // The mode with axes, and a turn by 45° about z: one step, or (Dauer) a
    // running turn after one tick.
    void MitAchsenGedreht(bool Dauer = false) {
        TForm_Edits_01& F = Form_Edits_01;
        if (!AchsenMitDrehen) F.But_drehenMit_OhneAchsen.Click();
        F.Edit_Drehwinkel.SetText("45");
        if (Dauer) F.But_DauerDrehungEinAus.Click();
        F.But_GesamtDrehenZplus.Down = true;
        F.But_GesamtDrehenZplus.Click();
        if (Dauer) F.Timer1.OnTimer();
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

TEST_F(VektSumme, DrehungErstVorDemSchreiben) {
    // The scene turned with its axes: opening the window only reads it;
    // the rotations are undone when the window first writes the scene.
    TForm_Edits_01& F = Form_Edits_01;
    F.But_drehenMit_OhneAchsen.Click();
    ASSERT_TRUE(AchsenMitDrehen);
    F.AlleDrehKnoepfeSetzen(true);
    F.Edit_Drehwinkel.SetText("30");
    F.But_GesamtDrehenZplus.Down = true;
    F.But_GesamtDrehenZplus.Click();
    ASSERT_EQ(DrehAnzahl, 1);
    S.FormActivate();
    EXPECT_EQ(DrehAnzahl, 1);
    EXPECT_TRUE(SzeneGedreht);
    S.But_VSummeBestimm.Click();
    EXPECT_EQ(DrehAnzahl, 1);
    S.Summandknopf(2).Click();
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_FALSE(SzeneGedreht);
    EXPECT_EQ(Vektor[4].Vektor, Vektor[2].Vektor);
}

TEST_F(VektSumme, AbgelehnteZahlErreichtNieDieSzene) {
    S.But_VSummeBestimm.Click();
    S.Summandknopf(3).Click();
    const TVektor v3 = Vektor[3];
    // A refused text left in an edit the user did not enter (set by the
    // program, pasted); a later accepted change of its term, or typing the
    // same text again, computes nothing with it, and the window says why.
    S.Edit_v3x.SetText("1E4932");
    S.Edit_v4Ax.SetText("-20000");
    EXPECT_EQ(S.Edit_v3x.Text(), "1E4932");
    host.Vergessen();
    Tippen(9, "1");
    Tippen(13, "-20000");
    EXPECT_EQ(host.Meldungen.size(), 2u);
    EXPECT_EQ(host.LetzteMeldung(), Bereich10000Meldung);
    EXPECT_GT(S.Edit_v3x.FokusAnforderungen, 0);
    EXPECT_EQ(Vektor[3].Endpunkt, v3.Endpunkt);
    EXPECT_EQ(Vektor[4].Anfangspunkt, (V{-3, 3, -2}));
    EXPECT_EQ(Form_Vektoren.StringGrid3.Cells(1, 1), "0,000");
    // An accepted text in its place lets the term compute again.
    Tippen(7, "1");
    EXPECT_EQ(Vektor[3].Vektor, (V{1, 3, 1}));
    EXPECT_EQ(Vektor[4].Vektor, (V{1, 3, 1}));
}

TEST_F(VektSumme, EinfuegenSchreibtTexteUndPrueftJedenBereich) {
    S.But_VSummeBestimm.Click();
    S.Summandknopf(1).Click();
    S.Summandknopf(3).Click();
    const TVektor v1 = Vektor[1];
    // The texts arrive as stored, the change check answers the one out of
    // range, and the term is not computed until that text is replaced.
    VektorSpeicher[3] = {"1", "10000,5", "2"};
    ASSERT_TRUE(S.Rechtsklick(1));
    S.PopupMenu_InSpeicher.AusSpeicherClick(3);
    EXPECT_EQ(Texte({&S.Edit_v1x, &S.Edit_v1y, &S.Edit_v1z}), (std::vector<std::string>{"1", "10000,5", "2"}));
    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(Vektor[1].Vektor, v1.Vektor);
    Tippen(2, "1");
    EXPECT_EQ(Vektor[1].Vektor, (V{1, 1, 2}));
    // A whole matrix: the terms whose columns pass are computed.
    MatrixSpeicher[1] = TMatrix33{};
    MatrixSpeicher[1](1, 1) = 3;
    MatrixSpeicher[1](1, 3) = 1E300L;
    ASSERT_TRUE(S.Rechtsklick(4));
    S.PopupMenu_InSpeicher.AusMatrixSpeicherClick(1);
    EXPECT_EQ(host.Meldungen.size(), 2u);
    EXPECT_EQ(Vektor[1].Vektor, (V{3, 0, 0}));
    EXPECT_EQ(Vektor[3].Vektor, (V{0, 3, 3}));
    // A start point pasted with a refused text stays where it was.
    VektorSpeicher[2] = {"7", "8", "-10000,01"};
    ASSERT_TRUE(S.Rechtsklick(13));
    S.PopupMenu_InSpeicher.AusSpeicherClick(2);
    EXPECT_EQ(host.Meldungen.size(), 3u);
    EXPECT_EQ(Vektor[4].Anfangspunkt, (V{-3, 3, -2}));
}

TEST_F(VektSumme, WiederholteRundenBleibenInDerSzenengrenze) {
    // Each opening shows the scene's vectors again and the coefficient
    // multiplies them into V1: 30 rounds would reach 1e120. The round that
    // would leave the bound is refused and changes nothing.
    S.FormClose();
    int abgelehnt = 0;
    for (int runde = 0; runde < 30; ++runde) {
        Form_Vektoren.But_VSummeClick();
        const TVektor v1 = Vektor[1];
        host.Vergessen();
        Tippen(10, "10000");
        if (!host.Meldungen.empty()) {
            ++abgelehnt;
            EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung);
            EXPECT_EQ(Vektor[1].Vektor, v1.Vektor);
            EXPECT_GT(S.Edit_KoefV1.FokusAnforderungen, 0);
        }
        S.FormClose();
    }
    EXPECT_EQ(abgelehnt, 6);
    Extended erwartet = -3;
    for (int runde = 0; runde < 24; ++runde) erwartet *= 10000;
    EXPECT_EQ(Vektor[1].Vektor.x, erwartet);

    // V1 and V2 near the bound: their sum is refused, the term stays
    // unpicked, and the scene keeps its V4.
    for (int runde = 0; runde < 24; ++runde) Form_Vektoren.But_VSummeClick(), Tippen(11, "10000"), S.FormClose();
    Form_Vektoren.But_VSummeClick();
    Tippen(10, "-3000");
    Tippen(11, "2000");
    ASSERT_NEAR(static_cast<double>(Vektor[2].Vektor.x), 8e99, 1e85);
    S.But_VSummeBestimm.Click();
    S.Summandknopf(1).Click();
    const TVektor v4 = Vektor[4];
    host.Vergessen();
    S.Summandknopf(2).Down = true;
    S.Summandknopf(2).Click();
    EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung);
    EXPECT_TRUE(S.Summandknopf(2).Enabled);
    EXPECT_FALSE(S.Summandknopf(2).Down);
    EXPECT_EQ(S.Label6.Caption, " v1");
    EXPECT_EQ(Vektor[4].Vektor, v4.Vektor);
}

TEST_F(VektSumme, EinSchrittLaesstJedeStelleDerUebrigenZahlen) {
    // After a turn the vectors hold more digits than their cells show, and
    // v2's start x is -0. A step writes them all into the grids; the scene
    // keeps every digit and the sign, and a term taken with coefficient 1
    // from its fields is the scene's vector as it was.
    S.FormClose();
    for (bool& f : DrehObjektFlags) f = true;
    Drehwinkel = 30;
    GesamtDrehenPlus(1);
    Eingeben(Form_Vektoren, Form_Vektoren.StringGrid2, 0, 1, "-0");
    ASSERT_TRUE(Vektor[2].Anfangspunkt.x == 0 && std::signbit(Vektor[2].Anfangspunkt.x));
    const TVektor v1 = Vektor[1], v2 = Vektor[2], v3 = Vektor[3];
    ASSERT_NE(Form_Vektoren.StringGrid3.Cells(0, 2), ZahlAllgemein(v3.Anfangspunkt.y, 21));
    Form_Vektoren.But_VSummeClick();
    S.But_VSummeBestimm.Click();
    S.Summandknopf(1).Click();
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    for (const auto& [jetzt, vorher] : {std::pair{&Vektor[2], &v2}, {&Vektor[3], &v3}}) {
        EXPECT_EQ(jetzt->Anfangspunkt, vorher->Anfangspunkt);
        EXPECT_EQ(jetzt->Vektor, vorher->Vektor);
    }
    EXPECT_TRUE(std::signbit(Vektor[2].Anfangspunkt.x));
    EXPECT_EQ(Vektor[1].Vektor, v1.Vektor);
    Tippen(10, "1");
    EXPECT_EQ(Vektor[1].Vektor, v1.Vektor);
    EXPECT_EQ(Vektor[3].Anfangspunkt, v3.Anfangspunkt);
}

TEST_F(VektSumme, RechtsklickOhneZahlFuelltDenTransferplatz) {
    S.Edit_v2y.SetText("-");
    VektorSpeicher[0] = {"7", "7", "7"};
    EXPECT_FALSE(S.Rechtsklick(1));
    EXPECT_EQ(host.LetzteMeldung(), "'-' ist kein gültiger Gleitkommawert.");
    EXPECT_EQ(VektorSpeicher[0], (TSpeicherVektor{"-3,000", "-3,000", "0,000"}));
}

TEST_F(VektSumme, AnfangspunktImGedrehtenSzenenrahmen) {
    // Turned with the axes, V4's start point is stored turned while the
    // vectors dialog shows it in the axes' frame. The window reads A in
    // that frame, so undoing the turns on its first write leaves V4 there.
    TForm_Edits_01& F = Form_Edits_01;
    F.But_drehenMit_OhneAchsen.Click();
    F.AlleDrehKnoepfeSetzen(true);
    F.Edit_Drehwinkel.SetText("90");
    F.But_GesamtDrehenZplus.Down = true;
    F.But_GesamtDrehenZplus.Click();
    ASSERT_EQ(DrehAnzahl, 1);
    ASSERT_NEAR(static_cast<double>(Vektor[4].Anfangspunkt.y), -3, 1e-12);
    Form_Vektoren.But_VSummeClick();
    EXPECT_EQ(Texte({&S.Edit_v4Ax, &S.Edit_v4Ay, &S.Edit_v4Az}), (std::vector<std::string>{"-3,000", "3,000", "-2,000"}));
    Tippen(10, "2");
    ASSERT_EQ(DrehAnzahl, 0);
    const TStringGrid& G4 = Form_Vektoren.StringGrid4;
    EXPECT_EQ((std::vector<std::string>{G4.Cells(0, 1), G4.Cells(0, 2), G4.Cells(0, 3)}),
              (std::vector<std::string>{"-3,000", "3,000", "-2,000"}));
    EXPECT_NEAR(static_cast<double>(Vektor[4].Anfangspunkt.y), 3, 1e-15);
}

TEST_F(VektSumme, SzenengrenzeMitAchsenGedrehtPrueftDieGeschriebenenZahlen) {
    // Turned with the axes, the start points are stored turned, the vectors
    // as the grids show them; the write undoes the turns and writes V1..V4
    // in the axes' frame. V1 = (-9e99; -9e99; 0) stays as it is when only
    // v2 is computed, though turned back it would read (-1,27e100; 0; 0).
    Runden(1, "10000", 24);
    Runden(1, "3000", 1);
    MitAchsenGedreht();
    Wiederoeffnen();
    const TVek_R3 v1 = Vektor[1].Vektor;
    ASSERT_NEAR(static_cast<double>(v1.y), -9e99, 1e90);
    host.Vergessen();
    Tippen(11, "1");
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_EQ(Vektor[1].Vektor, v1);
    // The scene gets the very numbers the step computes, and the bound
    // checks those: -9,9999999e99 passes, -1,00000017e100 does not, though
    // three decimals would show it as -1E100.
    Tippen(10, "1,1111111");
    EXPECT_TRUE(host.Meldungen.empty());
    Extended r = 0;
    ZahlLesen("1,1111111", r);
    EXPECT_EQ(Vektor[1].Vektor.x, r * v1.x);
    Tippen(10, "1,1111113");
    EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung);
}

TEST_F(VektSumme, SzenengrenzeMitAchsenGedrehtLehntAb) {
    // V1 = (-9e99; 0; 0) and V2 = (-3e99; 0; 0): their sum lies beyond the
    // bound, though with both turned back it would read (-8,5e99; 8,5e99; 0).
    // Refused while a turn runs: scene, turns and grids stay as they were.
    Tippen(2, "0");
    Runden(1, "10000", 24);
    Runden(1, "3000", 1);
    Tippen(4, "-3");
    Tippen(5, "0");
    Tippen(6, "0");
    Runden(2, "10000", 24);
    Runden(2, "1000", 1);
    ASSERT_NEAR(static_cast<double>(Vektor[2].Vektor.x), -3e99, 1e90);
    S.But_VSummeBestimm.Click();
    S.Summandknopf(1).Click();
    MitAchsenGedreht(true);
    const auto Szene = Vektor;
    const std::string Zelle = Form_Vektoren.StringGrid4.Cells(1, 1);
    host.Vergessen();
    S.Summandknopf(2).Down = true;
    S.Summandknopf(2).Click();
    EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung);
    EXPECT_TRUE(Vektor == Szene);
    EXPECT_EQ(Form_Vektoren.StringGrid4.Cells(1, 1), Zelle);
    EXPECT_TRUE(AchsenMitDrehen && DauerDrehen);
    EXPECT_EQ(DrehAnzahl, 1);
    EXPECT_TRUE(S.Summandknopf(2).Enabled && !S.Summandknopf(2).Down);

    // With the axes but no turn the bound holds as before.
    Form_Edits_01.BitBtn_DrehenAufheben.Click();
    ASSERT_TRUE(AchsenMitDrehen && DrehAnzahl == 0);
    host.Vergessen();
    S.Summandknopf(2).Click();
    EXPECT_EQ(host.LetzteMeldung(), NichtEndlichMeldung);
    host.Vergessen();
    Tippen(11, "200");  // the edits still hold v2 = (-3e96; 0; 0)
    S.Summandknopf(2).Click();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_NEAR(static_cast<double>(Vektor[4].Vektor.x), -9.6e99, 1e90);
}

}  // namespace
