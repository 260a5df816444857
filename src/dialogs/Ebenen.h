#pragma once
// Dialog of the planes E1, E2 in parameter form: one grid per plane (column 0
// support point, columns 1 and 2 the direction vectors; x, y, z in rows 1..3)
// and its attribute groups.

#include "platform/Komponenten.h"

inline Byte AktEbene = 1;  // 1 E1, 2 E2; also the plane of the coordinate-form dialog

struct TForm_Ebenen : TFormZustand {
    TForm_Ebenen();

    TStringGrid StringGrid1, StringGrid2;
    TRadioGroup GroupStift, GroupStil;

    TStringGrid& Gitter(int Nr);  // grid of plane Nr (1..2)

    void FormCreate();
    void GroupStiftClick();
    void GroupStilClick();
};

inline TForm_Ebenen Form_Ebenen;
