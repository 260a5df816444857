#pragma once
// Dialog of the cones and circles Ke1..Ke4: one grid each (column 0 centre
// of the base, column 1 normal vector; x, y, z in rows 1..3), radius and
// height fields, spokes (ComboBox1), rim thickness (ComboBox2), the spokes
// switch and the style group.

#include "platform/Komponenten.h"

inline Byte AktKegel = 1;

struct TForm_Kegel : TFormZustand {
    TForm_Kegel();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TEdit Edit_Radius, Edit_Hoehe;
    TComboBox ComboBox1;            // spokes "3" .. "60"
    TComboBox ComboBox2;            // rim thickness "1" .. "12"
    TCheckBox CheckBox_SpeichenEin; // "Kreis-Speichen ein"
    TRadioGroup GroupStil;

    TStringGrid& Gitter(int Nr);

    void FormCreate();
    void GroupStilClick();
    void CheckBox_SpeichenEinClick();
};

inline TForm_Kegel Form_Kegel;
