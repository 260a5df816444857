#pragma once
// Settings of the axes cube, the box of the axes' half-lengths: shown or
// not, its pen width and its colour.

#include "forms/Einstellfenster.h"

struct TForm_AchsenWuerfel : TEinstellFenster {
    TForm_AchsenWuerfel();

    TCheckBox CheckBox1;     // AchsenWuerfelZeigen
    TRadioGroup RadioGroup1; // pen width 1..4
    TButton Button_Farbe;
    TPanel Panel_Farbe;

    std::vector<TEinstellFeld> Felder() override;
};

inline TForm_AchsenWuerfel Form_AchsenWuerfel;
