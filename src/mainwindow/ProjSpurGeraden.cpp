#include "forms/ProjSpurGeraden.h"

#include "mainwindow/Einstellungen.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

namespace {

TGerade& Linie(int Nr) { return Nr <= 6 ? Projektionsgeraden[Nr] : Spurgeraden[Nr - 6]; }

}  // namespace

std::vector<TEinstellFeld> TForm_ProjSpurGeraden::Felder() {
    using A = TEinstellFeld::TArt;
    std::vector<TEinstellFeld> v;
    for (int Nr = 1; Nr <= 12; ++Nr) {
        // The projected lines in three columns, the trace lines in two.
        if (Nr == 1 || Nr == 7) v.push_back({.Art = A::Text, .Beschriftung = Nr == 1 ? &Label1 : &Label2});
        v.push_back({.Art = A::Schalter, .Element = &Box(Nr), .Lesen = [Nr] { return int(Linie(Nr).anzeigen == 1); },
                     .Schreiben = [Nr](int w) { Linie(Nr).anzeigen = w ? 1 : 0; }, .Spalten = Nr <= 6 ? 3 : 2,
                     .Block = Nr <= 6 ? 1 : 2});
    }
    return v;
}
