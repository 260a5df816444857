#pragma once
// Settings of the normal vectors of E1 and E2: shown or not, pen width and
// colour of their arrows, and the right-angle marks between each normal and
// the plane's direction vectors (shown or not, their size).

#include "forms/Einstellfenster.h"

struct TForm_Normalenvektoren : TEinstellFenster {
    TForm_Normalenvektoren();

    TCheckBox CheckBox1;     // NVektZeigen
    TRadioGroup RadioGroup1; // pen width 1..4
    TButton Button_Farbe;
    TPanel Panel_Farbe;
    TCheckBox CheckBox2;     // TEbene.WinkelQuadrateZeichnen
    TLabel Label1;
    TComboBox ComboBox1;     // TEbene.WinkelQuadratSeite

    // Gives both planes the pen the window starts with.
    void FormCreate();
    // E1 stands for both planes: the window sets them alike; a new mark
    // size recomputes the marks of both.
    std::vector<TEinstellFeld> Felder() override;
};

inline TForm_Normalenvektoren Form_Normalenvektoren;
