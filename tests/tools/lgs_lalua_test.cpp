// The 3x3 linear-system window and the linear-dependence window: their
// verdicts for typed systems and vectors, their cells' checks, and the
// dependence window's pictures.

#include <sstream>

#include "Werkzeugtest.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/LGS.h"
#include "forms/LaLua.h"
#include "platform/ProtokollZeichenflaeche.h"

namespace {

// Types the blank-separated texts into Feld(1), Feld(2), ... in this order.
template <class W>
void Eintippen(W& w, const std::string& Texte, const std::vector<int>& Felder) {
    std::istringstream t(Texte);
    std::string s;
    for (int i : Felder)
        if (t >> s) w.Feld(i).SetText(s);
}
// The equations row by row, "a1 a2 a3 b".
const std::vector<int> Zeilenweise = {1, 4, 7, 10, 2, 5, 8, 11, 3, 6, 9, 12};

constexpr const char* Eindeutig = "Das Gleichungssystem hat eine eindeutig bestimmte Lösung.";
constexpr const char* Unendlich = "Das Gleichungssystem hat unendlich viele Lösungen.";
constexpr const char* Unloesbar = "Das Gleichungssystem ist unlösbar:  L = { }   .";

class LGS : public Werkzeugtest {
protected:
    TForm_LGS& L = Form_LGS;
};

TEST_F(LGS, UrteileTabelle) {
    const struct {
        const char *Gleichungen, *D, *D2, *Urteil, *Loesung;
    } faelle[] = {
        {"", "D = 0,000000", "D2 = 12,000000", Unloesbar, ""},  // the start values
        {"1 0 0 1  0 1 0 2  0 0 1 3", "D = 1,000000", "D2 = 2,000000", Eindeutig,
         "Also ist L = {(1,000000/    2,000000/    3,000000)}"},
        // All four determinants vanish, yet the equations contradict each other.
        {"1 1 1 1  1 1 1 2  1 1 1 3", "D = 0,000000", "D2 = 0,000000", Unloesbar, ""},
        {"1 2 3 4  1 2 3 4  1 2 3 4", "D = 0,000000", "D2 = 0,000000", Unendlich, ""},
        {"1 0 0 1  0 1 0 2  2 0 0 2", "D = 0,000000", "D2 = 0,000000", Unendlich, ""},
        {"1 0 0 1  0 1 0 1  0 0 0,0000000005 1", "D = 0,000000", "D2 = 0,000000", Unloesbar, ""},
        {"0 0 0 0  0 0 0 0  0 0 0 0", "D = 0,000000", "D2 = 0,000000", Unendlich, ""},
        {"0 0 0 0  0 0 0 0  0 0 0 1", "D = 0,000000", "D2 = 0,000000", Unloesbar, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Gleichungen);
        ProgrammStart();
        L.FormActivate();
        Eintippen(L, f.Gleichungen, Zeilenweise);
        EXPECT_EQ(L.Label13.Caption + " " + L.Label15.Caption, std::string(f.D) + " " + f.D2);
        EXPECT_EQ(L.Label17.Caption, f.Urteil);
        EXPECT_EQ(L.Label19.Caption, f.Loesung);
    }
    EXPECT_EQ(L.Label18.Caption, "");
    EXPECT_EQ(L.Caption, "   Lineare Gleichungssysteme (nach der Cramer'schen Regel)");
}

TEST_F(LGS, BruecheUndZellen) {
    L.FormActivate();
    Eintippen(L, "2 1 0 1  1 3 1 2  0 1 1 1", Zeilenweise);
    EXPECT_EQ(L.Label18.Caption,
              "Es ist x1 = D1/ D = 0,333333,   x2 = D2/ D = 0,333333,   x3 = D3/ D = 0,666667   .");
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
    EXPECT_EQ(L.Label13.Caption + L.Label14.Caption + L.Label17.Caption + L.Label19.Caption, "");
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
        const char* v;             // v1, v2, v3; "" the start values
        bool v12, v13, v23, alle;  // dependent
    } faelle[] = {
        {"", false, true, false, true},
        {"3 4 -2  0 0 0  6 8 -4", true, true, true, true},
        {"1 0 0  0 1 0  0 0 1", false, false, false, false},
        {"1 2 3  -2 -4 -6  0 0 1", true, false, false, true},
        {"0,0000000001 0 0  0 1 0  0 0 1", true, true, false, true},
    };
    const auto Urteil = [](const char* wer, bool abh) {
        return std::string(wer) + (abh ? " sind linear abhängig" : " sind linear unabhängig");
    };
    for (const auto& f : faelle) {
        Eintippen(W, f.v, {1, 2, 3, 4, 5, 6, 7, 8, 9});
        EXPECT_EQ(std::vector<std::string>({W.Label4.Caption, W.Label5.Caption, W.Label6.Caption, W.Label7.Caption}),
                  std::vector<std::string>({Urteil("v1 und v2", f.v12), Urteil("v1 und v3", f.v13),
                                            Urteil("v2 und v3", f.v23), Urteil("v1, v2, v3", f.alle)}));
        EXPECT_EQ(W.Image3.Bild, f.v23 ? BildLa2 : BildLua2);
        EXPECT_EQ(W.Image4.Bild, f.alle ? BildLa3 : BildLua3);
    }
}

TEST_F(LaLua, SchliessenUndBilder) {
    // Emptying Edit5 and closing: the window stays open, Edit5 has the
    // focus; a number out of range is told but lets it close.
    W.EditEnter(5);
    W.Edit5.SetText("");
    EXPECT_FALSE(W.FormCloseQuery());
    EXPECT_GT(W.Edit5.FokusAnforderungen, 0);
    EXPECT_EQ(W.v2.y, -1.5L);
    W.Edit5.SetText("12345");
    EXPECT_TRUE(W.FormCloseQuery());
    EXPECT_EQ(host.LetzteMeldung(), Betrag10000Meldung);

    // Each verdict's picture is drawn by the program 20 pixels right of its
    // label: no file can be missing.
    W.Label4.Left = 10;
    W.Label4.Width = 150;
    ProtokollZeichenflaeche C(400, 300);
    W.FormPaint(C);
    EXPECT_EQ(C.Anzahl(ProtokollZeichenflaeche::Art::Rectangle), 4);
    EXPECT_EQ(W.Image1.Left, 180);
    // Each picture keeps to its 16 x 16 square; an unknown name draws nothing.
    for (const char* n : {BildLa2, BildLua2, BildLa3, BildLua3, "gibtsnicht.ICO"}) {
        ProtokollZeichenflaeche B(100, 100);
        VerdiktBildZeichnen(B, n, 50, 20);
        EXPECT_EQ(B.Eintraege.empty(), n[0] == 'g') << n;
        for (const auto& e : B.Eintraege)
            for (const TPoint& p : e.punkte) EXPECT_TRUE(p.X >= 50 && p.X <= 66 && p.Y >= 20 && p.Y <= 36) << n;
    }
}

}  // namespace
