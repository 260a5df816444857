#pragma once
// Settings of the vanishing segments of the central projection: shown or
// not, pen width 1..4, colour, solid or dotted (dotted only with width 1:
// choosing dotted sets width 1, a wider pen makes them solid).

#include "forms/Einstellfenster.h"

struct TForm_Fluchtstr : TEinstellFenster {
    TForm_Fluchtstr();

    TCheckBox CheckBox1;     // FluchtstreckenZeigen
    TRadioGroup RadioGroup1; // pen width 1..4
    TRadioGroup RadioGroup2; // solid, dotted
    TButton Button_Farbe;
    TPanel Panel_Farbe;

    std::vector<TEinstellFeld> Felder() override;
};

inline TForm_Fluchtstr Form_Fluchtstr;
