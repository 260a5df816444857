#include "forms/DrStrEinst.h"

#include "scene/Stilindex.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

std::vector<TEinstellFeld> TForm_DrStrEinst::Felder() {
    using A = TEinstellFeld::TArt;
    return {
        {.Art = A::Stiftbreite, .Element = &RadioGroup1, .Lesen = [] { return DrehstreckeBreite; },
         .Schreiben = [](int v) { DrehstreckeBreite = v; }, .Spalten = 4},
        {.Art = A::Linienstil, .Element = &RadioGroup2, .Lesen = [] { return int(DrehstreckeStil); },
         .Schreiben = [](int v) { DrehstreckeStil = static_cast<Byte>(v); }},
        {.Art = A::Farbe, .Element = &Button_Farbe, .Farbfeld = &Panel_Farbe,
         .FarbeLesen = [] { return DrehstreckeFarbe; }, .FarbeSchreiben = [](TColor c) { DrehstreckeFarbe = c; }},
        {.Art = A::Schalter, .Element = &CheckBox1, .Lesen = [] { return int(DrehstreckeWinkelZeigen); },
         .Schreiben = [](int v) { DrehstreckeWinkelZeigen = v != 0; }},
        {.Art = A::Winkelgroesse, .Element = &ComboBox1, .Beschriftung = &Label1,
         .GroesseLesen = [] { return DrehstreckeWinkelGroesse; },
         .GroesseSchreiben = [](Extended s) { DrehstreckeWinkelGroesse = s; },
         .Aktiv = [] { return DrehstreckeWinkelZeigen; }},
    };
}
