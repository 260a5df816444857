#pragma once
// Dialog of the parallelepipeds SP1..SP4: one grid each (column 0 corner A,
// columns 1..3 the edges AB, AD, AE; x, y, z in rows 1..3) and the attribute
// groups of the current one.

#include "platform/Komponenten.h"

inline Byte AktSpat = 1;

struct TForm_Spate : TFormZustand {
    TForm_Spate();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TRadioGroup GroupStift, GroupStil, GroupErz;

    TStringGrid& Gitter(int Nr);

    void FormCreate();
    void GroupStiftClick();
    void GroupStilClick();
    void GroupErzClick();
};

inline TForm_Spate Form_Spate;
