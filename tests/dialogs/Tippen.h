#pragma once
// A user at the keyboard of an object dialog: keys go through the dialog's
// key filter, the cell's new text is reported after each key, and the text
// the protocol leaves in the cell is what the editor shows next.

#include <string>

#include "dialogs/EbenKoord.h"
#include "dialogs/Eingabeprotokoll.h"
#include "platform/Komponenten.h"

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
