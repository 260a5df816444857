#include "forms/Differenzvektoren.h"

#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "view3d/Zeichnen.h"

namespace {

bool& Schalter(int Nr) {
    bool* const Alle[10] = {&DiffVekGH,  &DiffVekGT,  &DiffVekHT,  &DiffVekGE1, &DiffVekGE2,
                            &DiffVekHE1, &DiffVekHE2, &DiffVekTE1, &DiffVekTE2, &DiffVekE1E2};
    return *Alle[Nr - 1];
}

}  // namespace

std::vector<TEinstellFeld> TForm_Differenzvektoren::Felder() {
    using A = TEinstellFeld::TArt;
    std::vector<TEinstellFeld> v{{.Art = A::Text, .Beschriftung = &Label1}};
    for (int Nr = 1; Nr <= 10; ++Nr)
        v.push_back({.Art = A::Schalter, .Element = &Box(Nr), .Lesen = [Nr] { return int(Schalter(Nr)); },
                     .Schreiben = [Nr](int w) { Schalter(Nr) = w != 0; }, .Spalten = 2, .Block = 1});
    v.push_back({.Art = A::Farbe, .Element = &Button_Farbe, .Farbfeld = &Panel_Farbe,
                 .FarbeLesen = [] { return FarbeStuetzvektoren; },
                 .FarbeSchreiben = [](TColor c) { FarbeStuetzvektoren = c; }});
    return v;
}
