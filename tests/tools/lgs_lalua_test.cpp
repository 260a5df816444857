// The 3x3 linear-system window and the linear-dependence window: their
// verdicts for typed systems and vectors, their cells' checks, and the
// dependence window's pictures.

#include <array>
#include <set>

#include "Werkzeugtest.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/LGS.h"
#include "forms/LaLua.h"
#include "platform/ProtokollZeichenflaeche.h"

namespace {

constexpr const char* Eindeutig = "Das Gleichungssystem hat eine eindeutig bestimmte Lösung.";
constexpr const char* Unendlich = "Das Gleichungssystem hat unendlich viele Lösungen.";
constexpr const char* Unloesbar = "Das Gleichungssystem ist unlösbar:  L = { }   .";

class LGS : public Werkzeugtest {
protected:
    TForm_LGS& L = Form_LGS;
    // The equations row by row: a1 a2 a3 b.
    void Gleichungen(const std::array<const char*, 12>& t) {
        for (int r = 0; r < 3; ++r)
            for (int s = 0; s < 4; ++s) L.Feld(3 * s + r + 1).SetText(t[static_cast<std::size_t>(4 * r + s)]);
    }
};

TEST_F(LGS, UrteileTabelle) {
    const struct {
        const char* wo;
        std::array<const char*, 12> t;  // empty first text: the start values
        const char *D, *D2, *Urteil, *Loesung;
    } faelle[] = {
        {"start", {""}, "D = 0,000000", "D2 = 12,000000", Unloesbar, ""},
        {"x1 = 1, x2 = 2, x3 = 3", {"1", "0", "0", "1", "0", "1", "0", "2", "0", "0", "1", "3"}, "D = 1,000000",
         "D2 = 2,000000", Eindeutig, "Also ist L = {(1,000000/    2,000000/    3,000000)}"},
        // All four determinants vanish, yet the equations contradict each other.
        {"x1+x2+x3 = 1, 2, 3", {"1", "1", "1", "1", "1", "1", "1", "2", "1", "1", "1", "3"}, "D = 0,000000",
         "D2 = 0,000000", Unloesbar, ""},
        {"three identical", {"1", "2", "3", "4", "1", "2", "3", "4", "1", "2", "3", "4"}, "D = 0,000000",
         "D2 = 0,000000", Unendlich, ""},
        {"two planes, one of them twice", {"1", "0", "0", "1", "0", "1", "0", "2", "2", "0", "0", "2"},
         "D = 0,000000", "D2 = 0,000000", Unendlich, ""},
        {"D = 5e-10", {"1", "0", "0", "1", "0", "1", "0", "1", "0", "0", "0,0000000005", "1"}, "D = 0,000000",
         "D2 = 0,000000", Unloesbar, ""},
        {"nothing at all", {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0"}, "D = 0,000000",
         "D2 = 0,000000", Unendlich, ""},
        {"0 = 1", {"0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "0", "1"}, "D = 0,000000", "D2 = 0,000000",
         Unloesbar, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.wo);
        ProgrammStart();
        L.FormActivate();
        if (*f.t[0]) Gleichungen(f.t);
        EXPECT_EQ(L.Label13.Caption, f.D);
        EXPECT_EQ(L.Label15.Caption, f.D2);
        EXPECT_EQ(L.Label17.Caption, f.Urteil);
        EXPECT_EQ(L.Label19.Caption, f.Loesung);
        if (!*f.Loesung) EXPECT_EQ(L.Label18.Caption, "");
    }
    EXPECT_EQ(L.Caption, "   Lineare Gleichungssysteme (nach der Cramer'schen Regel)");
}

TEST_F(LGS, BruecheUndZellen) {
    L.FormActivate();
    Gleichungen({"2", "1", "0", "1", "1", "3", "1", "2", "0", "1", "1", "1"});
    EXPECT_EQ(L.Label13.Caption, "D = 3,000000");
    EXPECT_EQ(L.Label18.Caption, "Es ist x1 = D1/ D = 0,333333,   x2 = D2/ D = 0,333333,   x3 = D3/ D = "
                                 "0,666667   .");
    // Leaving a cell: 9999,5 is refused; a cell without a number keeps its
    // last value, also through the activation, and says nothing.
    L.Edit1.SetText("9999,5");
    L.EditExit(1);
    EXPECT_EQ(host.LetzteMeldung(), Betrag10000Meldung);
    host.Vergessen();
    L.Edit1.SetText("");
    L.FormActivate();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(L.A(1, 1), 9999.5L);
    // Numbers pasted so large that the determinants overflow: a message,
    // and no label shows INF or NAN.
    VektorSpeicher[2] = {"1E3000", "1E3000", "1E3000"};
    for (int i : {5, 8}) {
        L.EditRechtsklick(i);
        L.PopupMenu_InSpeicher.AusSpeicherClick(2);
    }
    EXPECT_EQ(host.LetzteMeldung(), "Das Ergebnis liegt außerhalb des darstellbaren Zahlenbereichs!");
    for (const TLabel* t : {&L.Label13, &L.Label14, &L.Label17, &L.Label19}) EXPECT_EQ(t->Caption, "");
}

// ---- Linear dependence -----------------------------------------------------------------

class LaLua : public Werkzeugtest {
protected:
    TForm_LaLua& W = Form_LaLua;
    void SetUp() override {
        Werkzeugtest::SetUp();
        W.FormActivate();
    }
};

TEST_F(LaLua, UrteileTabelle) {
    const struct {
        std::array<const char*, 9> v;  // empty first text: the start values
        bool v12, v13, v23, alle;      // dependent
    } faelle[] = {
        {{""}, false, true, false, true},
        {{"3", "4", "-2", "0", "0", "0", "6", "8", "-4"}, true, true, true, true},
        {{"1", "0", "0", "0", "1", "0", "0", "0", "1"}, false, false, false, false},
        {{"1", "2", "3", "-2", "-4", "-6", "0", "0", "1"}, true, false, false, true},
        {{"0,0000000001", "0", "0", "0", "1", "0", "0", "0", "1"}, true, true, false, true},
    };
    for (const auto& f : faelle) {
        if (*f.v[0])
            for (int i = 1; i <= 9; ++i) W.Feld(i).SetText(f.v[static_cast<std::size_t>(i - 1)]);
        const auto Urteil = [](const char* wer, bool abh) {
            return std::string(wer) + (abh ? " sind linear abhängig" : " sind linear unabhängig");
        };
        EXPECT_EQ(W.Label4.Caption, Urteil("v1 und v2", f.v12));
        EXPECT_EQ(W.Label5.Caption, Urteil("v1 und v3", f.v13));
        EXPECT_EQ(W.Label6.Caption, Urteil("v2 und v3", f.v23));
        EXPECT_EQ(W.Label7.Caption, Urteil("v1, v2, v3", f.alle));
        EXPECT_EQ(W.Image1.Bild, f.v12 ? BildLa2 : BildLua2);
        EXPECT_EQ(W.Image3.Bild, f.v23 ? BildLa2 : BildLua2);
        EXPECT_EQ(W.Image4.Bild, f.alle ? BildLa3 : BildLua3);
    }
}

TEST_F(LaLua, SchliessenUndPruefen) {
    // Emptying Edit5 and closing: the window stays open, Edit5 has the focus.
    W.EditEnter(5);
    W.Edit5.SetText("");
    EXPECT_FALSE(W.FormCloseQuery());
    EXPECT_GT(W.Edit5.FokusAnforderungen, 0);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(W.v2.y, -1.5L);
    // Out of range: the message, but the window may close.
    W.Edit5.SetText("12345");
    EXPECT_TRUE(W.FormCloseQuery());
    EXPECT_EQ(host.LetzteMeldung(), Betrag10000Meldung);
}

TEST_F(LaLua, BilderNebenDenUrteilen) {
    // Each verdict's picture is drawn by the program beside its label: a
    // missing file can never leave a row without its picture.
    W.Label4.Left = 10;
    W.Label4.Top = 40;
    W.Label4.Width = 150;
    ProtokollZeichenflaeche C(400, 300);
    W.FormPaint(C);
    EXPECT_EQ(C.Anzahl(ProtokollZeichenflaeche::Art::Rectangle), 4);
    EXPECT_EQ(W.Image1.Left, 180);
    EXPECT_EQ(W.Image1.Top, 40);
    // The four pictures differ and stay inside their 16 x 16 square.
    std::set<std::vector<std::pair<int, int>>> Bilder;
    for (const char* n : {BildLa2, BildLua2, BildLa3, BildLua3}) {
        ProtokollZeichenflaeche B(100, 100);
        VerdiktBildZeichnen(B, n, 50, 20);
        std::vector<std::pair<int, int>> Punkte;
        for (const auto& e : B.Eintraege)
            for (const TPoint& p : e.punkte) {
                EXPECT_TRUE(p.X >= 50 && p.X <= 66 && p.Y >= 20 && p.Y <= 36) << n;
                Punkte.emplace_back(p.X, p.Y);
            }
        Bilder.insert(Punkte);
    }
    EXPECT_EQ(Bilder.size(), 4u);
    ProtokollZeichenflaeche L;
    VerdiktBildZeichnen(L, "gibtsnicht.ICO", 0, 0);
    EXPECT_TRUE(L.Eintraege.empty());
}

}  // namespace
