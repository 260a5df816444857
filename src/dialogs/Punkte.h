#pragma once
// Dialog of the points P1..P4: one grid each (column 0 the fixed labels
// "x", "y", "z", column 1 the coordinates in rows 0..2), the pen-width group
// and the switch of the point's own crosshair.

#include "platform/Komponenten.h"

inline Byte AktPunkt = 1;

struct TForm_Punkte : TFormZustand {
    TForm_Punkte();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TRadioGroup GroupStift;
    TCheckBox CheckBox1;  // "mit Fadenkreuz"

    TStringGrid& Gitter(int Nr);

    void FormCreate();
    void GroupStiftClick();
    void CheckBox1Click();
};

inline TForm_Punkte Form_Punkte;
