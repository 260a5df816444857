#include "forms/AchsenWuerfel.h"

#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

std::vector<TEinstellFeld> TForm_AchsenWuerfel::Felder() {
    using A = TEinstellFeld::TArt;
    return {
        {.Art = A::Schalter, .Element = &CheckBox1, .Lesen = [] { return int(AchsenWuerfelZeigen); },
         .Schreiben = [](int v) { AchsenWuerfelZeigen = v != 0; },
         .Danach = [] { Form_Edits_01.AnzeigeschalterZeigen(); }},
        {.Art = A::Stiftbreite, .Element = &RadioGroup1, .Lesen = [] { return MaxQuader.Stiftbreite; },
         .Schreiben = [](int v) { MaxQuader.Stiftbreite = v; }, .Spalten = 4},
        // The recompute copies MaxQuaderFarbe into the box; the picture now.
        {.Art = A::Farbe, .Element = &Button_Farbe, .Farbfeld = &Panel_Farbe,
         .FarbeLesen = [] { return MaxQuaderFarbe; },
         .FarbeSchreiben = [](TColor c) { MaxQuaderFarbe = MaxQuader.Farbe = c; }},
    };
}
