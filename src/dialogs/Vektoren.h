#pragma once
// Dialog of the vectors V1..V4: one grid each (column 0 start point "A",
// column 1 "Vektor"; x, y, z in rows 1..3) and the attribute groups.

#include "platform/Komponenten.h"

inline Byte AktVektor = 1;

struct TForm_Vektoren : TFormZustand {
    TForm_Vektoren();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TRadioGroup GroupStift, GroupStil;

    TStringGrid& Gitter(int Nr);

    void FormCreate();
    void GroupStiftClick();
    void GroupStilClick();
};

inline TForm_Vektoren Form_Vektoren;
