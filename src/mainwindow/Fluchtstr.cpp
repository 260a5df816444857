#include "forms/Fluchtstr.h"

#include "scene/Stilindex.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "view3d/Zeichnen.h"

// Dotted only with width 1: choosing dotted sets width 1, a wider pen
// makes the segments solid.
std::vector<TEinstellFeld> TForm_Fluchtstr::Felder() {
    using A = TEinstellFeld::TArt;
    return {
        {.Art = A::Schalter, .Element = &CheckBox1, .Lesen = [] { return int(FluchtstreckenZeigen); },
         .Schreiben = [](int v) { FluchtstreckenZeigen = v != 0; },
         .Danach = [] { Form_Edits_01.AnzeigeschalterZeigen(); }},
        {.Art = A::Stiftbreite, .Element = &RadioGroup1, .Lesen = [] { return int(FluchtstreckenBreite); },
         .Schreiben =
             [](int v) {
                 FluchtstreckenBreite = static_cast<Byte>(v);
                 if (FluchtstreckenBreite > 1) FluchtstreckenStil = psSolid;
             },
         .Spalten = 4},
        {.Art = A::Linienstil, .Element = &RadioGroup2, .Lesen = [] { return int(FluchtstreckenStil); },
         .Schreiben =
             [](int v) {
                 FluchtstreckenStil = static_cast<Byte>(v);
                 if (FluchtstreckenStil != psSolid) FluchtstreckenBreite = 1;
             }},
        {.Art = A::Farbe, .Element = &Button_Farbe, .Farbfeld = &Panel_Farbe,
         .FarbeLesen = [] { return FluchtstreckenFarbe; }, .FarbeSchreiben = [](TColor c) { FluchtstreckenFarbe = c; }},
    };
}
