#pragma once
// Dialog of the segments S1..S4: one grid each (end points "A" and "B" in
// columns 0 and 1; x, y, z in rows 1..3) and the attribute groups.

#include "platform/Komponenten.h"

inline Byte AktStrecke = 1;

struct TForm_Strecken : TFormZustand {
    TForm_Strecken();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TRadioGroup GroupStift, GroupStil;

    TStringGrid& Gitter(int Nr);

    void FormCreate();
    void GroupStiftClick();
    void GroupStilClick();
};

inline TForm_Strecken Form_Strecken;
