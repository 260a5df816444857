#include "forms/Normalenvektoren.h"

#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Zeichnen.h"

void TForm_Normalenvektoren::FormCreate() {
    TEinstellFenster::FormCreate();
    for (int k = 1; k <= 2; ++k) Ebene[k].StiftbreiteNormalenvektor = RadioGroup1.ItemIndex + 1;
    Anzeigen();
}

std::vector<TEinstellFeld> TForm_Normalenvektoren::Felder() {
    using A = TEinstellFeld::TArt;
    return {
        {.Art = A::Schalter, .Element = &CheckBox1, .Lesen = [] { return int(NVektZeigen); },
         .Schreiben = [](int v) { NVektZeigen = v != 0; }, .Danach = [] { Form_Edits_01.AnzeigeschalterZeigen(); }},
        {.Art = A::Stiftbreite, .Element = &RadioGroup1, .Lesen = [] { return Ebene[1].StiftbreiteNormalenvektor; },
         .Schreiben = [](int v) { for (int k = 1; k <= 2; ++k) Ebene[k].StiftbreiteNormalenvektor = v; },
         .Spalten = 4},
        {.Art = A::Farbe, .Element = &Button_Farbe, .Farbfeld = &Panel_Farbe,
         .FarbeLesen = [] { return Ebene[1].FarbeNormalenvektor; },
         .FarbeSchreiben = [](TColor c) { for (int k = 1; k <= 2; ++k) Ebene[k].FarbeNormalenvektor = c; }},
        {.Art = A::Schalter, .Element = &CheckBox2, .Lesen = [] { return int(Ebene[1].WinkelQuadrateZeichnen == 1); },
         .Schreiben = [](int v) { for (int k = 1; k <= 2; ++k) Ebene[k].WinkelQuadrateZeichnen = v ? 1 : 0; }},
        {.Art = A::Winkelgroesse, .Element = &ComboBox1, .Beschriftung = &Label1,
         .GroesseLesen = [] { return Ebene[1].WinkelQuadratSeite; },
         .GroesseSchreiben = [](Extended s) { for (int k = 1; k <= 2; ++k) Ebene[k].WinkelQuadratSeite = s; },
         .Aktiv = [] { return Ebene[1].WinkelQuadrateZeichnen == 1; },
         .Danach = [] { NormalenvektorenBerechnen(); }},
    };
}
