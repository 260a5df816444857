#pragma once
// Settings of the rotation segments ("   Drehstrecken einstellen"), shown
// modally from the menu "zum Drehen": pen width, line style and colour of
// the perpendiculars to the rotation axis, and the right-angle mark at
// their feet (shown or not, its size).

#include "forms/Einstellfenster.h"

struct TForm_DrStrEinst : TEinstellFenster {
    TForm_DrStrEinst();

    TRadioGroup RadioGroup1; // pen width 1..4
    TRadioGroup RadioGroup2; // solid, dotted
    TButton Button_Farbe;
    TPanel Panel_Farbe;
    TCheckBox CheckBox1;     // DrehstreckeWinkelZeigen
    TLabel Label1;
    TComboBox ComboBox1;     // DrehstreckeWinkelGroesse

    std::vector<TEinstellFeld> Felder() override;
};

inline TForm_DrStrEinst Form_DrStrEinst;
