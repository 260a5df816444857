#include "view3d/VerdeckteLinien.h"

#include "view3d/Zeichnen.h"

void VerdeckteLinienZeichnen() {
    // Stand-in for the depth-ordered pass: list order, no depth comparison.
    const int n = StreckenAnzahl < StreckenHoechstzahl ? StreckenAnzahl : StreckenHoechstzahl;
    for (int i = 1; i <= n; ++i) {
        const TStr& s = St[i];
        StreckeDirektZeichnen(s.A, s.B, s.Farbe, s.Linienstil, s.Stiftbreite);
    }
}

void VerdeckteLinienNullen() {
    StreckenAnzahl = 0;
    for (TStr& s : St) s = TStr{};
}
