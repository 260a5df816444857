#pragma once
// A user at the keyboard of an object dialog: keys go through the dialog's
// key filter, the cell's new text is reported after each key, and the text
// the protocol leaves in the cell is what the editor shows next.

#include <string>

#include "dialogs/EbenKoord.h"
#include "dialogs/Ebenen.h"
#include "dialogs/Eingabeprotokoll.h"
#include "dialogs/Geraden_t.h"
#include "platform/Komponenten.h"
#include "view3d/Szene.h"

// Lines and planes of known position, whatever the start scene holds:
//   g: (-4,-4,-2) + s(2,2,1)   h: (6,-2,1) + s(-2,2,0)   t: (0,0,5) + s(-2,2,0)
//   E1: x + y + z = 4          E2: -x + y + 4z + 4 = 0
// g and h meet in (2, 2, 1), t is parallel to h and skew to g.
inline void BekannteGeradenUndEbenen() {
    auto spalte = [](TStringGrid& G, int c, const char* x, const char* y, const char* z) {
        G.Cells(c, 1) = x;
        G.Cells(c, 2) = y;
        G.Cells(c, 3) = z;
    };
    spalte(Form_Geraden_t.StringGrid1, 0, "-4", "-4", "-2");
    spalte(Form_Geraden_t.StringGrid1, 1, "2", "2", "1");
    spalte(Form_Geraden_t.StringGrid2, 0, "6", "-2", "1");
    spalte(Form_Geraden_t.StringGrid2, 1, "-2", "2", "0");
    spalte(Form_Geraden_t.StringGrid3, 0, "0", "0", "5");
    spalte(Form_Geraden_t.StringGrid3, 1, "-2", "2", "0");
    spalte(Form_Ebenen.StringGrid1, 0, "4", "0", "0");
    spalte(Form_Ebenen.StringGrid1, 1, "-4", "4", "0");
    spalte(Form_Ebenen.StringGrid1, 2, "-4", "0", "4");
    spalte(Form_Ebenen.StringGrid2, 0, "0", "0", "-1");
    spalte(Form_Ebenen.StringGrid2, 1, "4", "0", "1");
    spalte(Form_Ebenen.StringGrid2, 2, "0", "4", "-1");
    SzeneNeuBerechnen();
}

// Types Text into cell (c, r); the first key replaces what the cell held.
inline void Tippen(TObjektDialog& D, TStringGrid& G, int c, int r, const std::string& Text,
                   bool Ersetzen = true) {
    G.Col = c;
    G.Row = r;
    std::string t = Ersetzen ? "" : G.Cells(c, r);
    for (char k : Text) {
        const auto z = D.TasteGedrueckt(G, k);
        if (!z) continue;
        if (*z == TasteBackspace) {
            if (!t.empty()) t.pop_back();
        } else {
            t += *z;
        }
        D.ZelleGetippt(G, c, r, t);
        t = G.Cells(c, r);
    }
}

// Types Text into cell (c, r) and leaves it.
inline void Eingeben(TObjektDialog& D, TStringGrid& G, int c, int r, const std::string& Text) {
    Tippen(D, G, c, r, Text);
    D.ZelleVerlassen(G, c, r);
}

// The same for a number field of the coordinate-form dialog.
inline void FeldTippen(TForm_EbenKoord& D, TEdit& E, const std::string& Text) {
    std::string t;
    for (char k : Text) {
        const auto z = D.TasteGedrueckt(E, k);
        if (!z) continue;
        if (*z == TasteBackspace) {
            if (!t.empty()) t.pop_back();
        } else {
            t += *z;
        }
        D.FeldGetippt(E, t);
        t = E.Text();
    }
}

inline void FeldEingeben(TForm_EbenKoord& D, TEdit& E, const std::string& Text) {
    FeldTippen(D, E, Text);
    D.FeldVerlassen(E);
}

// The same for the number fields of any other dialog (radius, height).
template <class Dialog>
void FeldTippen(Dialog& D, TEdit& E, const std::string& Text, bool Ersetzen = true) {
    std::string t = Ersetzen ? "" : E.Text();
    for (char k : Text) {
        const auto z = D.TasteGedrueckt(E, k);
        if (!z) continue;
        if (*z == TasteBackspace) {
            if (!t.empty()) t.pop_back();
        } else {
            t += *z;
        }
        D.FeldGetippt(E, t);
        t = E.Text();
    }
}

template <class Dialog>
void FeldEingeben(Dialog& D, TEdit& E, const std::string& Text) {
    FeldTippen(D, E, Text);
    D.FeldVerlassen(E);
}
