#pragma once
// Shared by the dialog tests: a user at the keyboard (each key through the
// dialog's key filter, the new text reported after it, and the text the
// dialog leaves is what the next key edits), clicks, a fixture, and a few
// vector sums for hand-made expectations.

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "forms/Ebenen.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/Geraden_t.h"
#include "control/Programm.h"
#include "platform/Komponenten.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "view3d/Szene.h"
#include "view3d/Zeichnen.h"

// Feeds Keys through Filter onto the text t; Melden reports each new text
// and answers what the field holds afterwards; a text the dialog selected
// (Markiert) is replaced by the next key.
template <class Filter, class Melden, class Markiert>
void Tasten(const std::string& Keys, std::string t, Filter filter, Melden melden, Markiert markiert) {
    for (char k : Keys) {
        const std::optional<char> z = filter(k);
        if (!z) continue;
        if (markiert()) t.clear();
        if (*z != TasteBackspace)
            t += *z;
        else if (!t.empty())
            t.pop_back();
        t = melden(t);
    }
}

// Types Text into cell (c, r); unless Weiter, the first key replaces the cell.
inline void Tippen(TObjektDialog& D, TStringGrid& G, int c, int r, const std::string& Text,
                   bool Weiter = false) {
    G.Col = c;
    G.Row = r;
    Tasten(Text, Weiter ? G.Cells(c, r) : "", [&](char k) { return D.TasteGedrueckt(G, k); },
           [&](const std::string& t) {
               D.ZelleGetippt(G, c, r, t);
               return G.Cells(c, r);
           },
           [&] { return std::exchange(G.AllesMarkiert, false); });
}

// Types Text into cell (c, r) and leaves it.
inline void Eingeben(TObjektDialog& D, TStringGrid& G, int c, int r, const std::string& Text) {
    Tippen(D, G, c, r, Text);
    D.ZelleVerlassen(G, c, r);
}

// The same for a number field of a dialog (plane forms, radius, height).
template <class Dialog>
void FeldTippen(Dialog& D, TEdit& E, const std::string& Text) {
    Tasten(Text, "", [&](char k) { return D.TasteGedrueckt(E, k); },
           [&](const std::string& t) {
               D.FeldGetippt(E, t);
               return E.Text();
           },
           [&] { return std::exchange(E.AllesMarkiert, false); });
}

template <class Dialog>
void FeldEingeben(Dialog& D, TEdit& E, const std::string& Text) {
    FeldTippen(D, E, Text);
    D.FeldVerlassen(E);
}

inline void Druecken(TSpeedButton& B) {
    B.Down = !B.Down;
    B.Click();
}
inline void Waehle(TRadioGroup& G, int i) {
    G.ItemIndex = i;
    G.Click();
}
inline void Haken(TCheckBox& B, bool an) {
    B.Checked = an;
    B.Click();
}

// Lines and planes of known position, whatever the start scene holds:
//   g: (-4,-4,-2) + s(2,2,1)   h: (6,-2,1) + s(-2,2,0)   t: (0,0,5) + s(-2,2,0)
//   E1: x + y + z = 4          E2: -x + y + 4z + 4 = 0
// g and h meet in (2, 2, 1), t is parallel to h and skew to g.
inline void BekannteGeradenUndEbenen() {
    struct Spalte { TStringGrid* G; int c; const char* x; const char* y; const char* z; };
    const Spalte spalten[] = {
        {&Form_Geraden_t.StringGrid1, 0, "-4", "-4", "-2"}, {&Form_Geraden_t.StringGrid1, 1, "2", "2", "1"},
        {&Form_Geraden_t.StringGrid2, 0, "6", "-2", "1"},   {&Form_Geraden_t.StringGrid2, 1, "-2", "2", "0"},
        {&Form_Geraden_t.StringGrid3, 0, "0", "0", "5"},    {&Form_Geraden_t.StringGrid3, 1, "-2", "2", "0"},
        {&Form_Ebenen.StringGrid1, 0, "4", "0", "0"},       {&Form_Ebenen.StringGrid1, 1, "-4", "4", "0"},
        {&Form_Ebenen.StringGrid1, 2, "-4", "0", "4"},      {&Form_Ebenen.StringGrid2, 0, "0", "0", "-1"},
        {&Form_Ebenen.StringGrid2, 1, "4", "0", "1"},       {&Form_Ebenen.StringGrid2, 2, "0", "4", "-1"},
    };
    for (const Spalte& s : spalten) {
        s.G->Cells(s.c, 1) = s.x;
        s.G->Cells(s.c, 2) = s.y;
        s.G->Cells(s.c, 3) = s.z;
    }
    SzeneNeuBerechnen();
}

// The start scene with the known lines and planes, a scripted host and a
// count of the pictures that reach the screen.
class Dialogtest : public ::testing::Test {
protected:
    SkriptHost host;
    HostEinsetzen eingesetzt{host};
    int Bilder = 0;

    void SetUp() override {
        ProgrammStart();
        BekannteGeradenUndEbenen();
        BildUebertragen = [this] { ++Bilder; };
        host.Vergessen();
    }
    void TearDown() override { BildUebertragen = nullptr; }
};

using V = TVek_R3;
inline V plus(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline V minus(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline V mal(V a, Extended s) { return {a.x * s, a.y * s, a.z * s}; }
inline Extended punkt(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline V kreuz(V a, V b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline Extended betrag(V a) { return std::sqrt(punkt(a, a)); }

inline void ErwarteNah(const V& ist, V soll, double eps = 1e-12) {
    EXPECT_NEAR(static_cast<double>(ist.x), static_cast<double>(soll.x), eps);
    EXPECT_NEAR(static_cast<double>(ist.y), static_cast<double>(soll.y), eps);
    EXPECT_NEAR(static_cast<double>(ist.z), static_cast<double>(soll.z), eps);
}
