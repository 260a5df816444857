#pragma once
// Dialog of the lines g, h, t: one grid per line (column 0 support point,
// column 1 direction vector; x, y, z in rows 1..3) and its attribute groups.

#include "platform/Komponenten.h"

inline Byte AktGerade = 1;  // 1 g, 2 h, 3 t

struct TForm_Geraden_t : TFormZustand {
    TForm_Geraden_t();

    TStringGrid StringGrid1, StringGrid2, StringGrid3;
    TRadioGroup GroupStift, GroupStil;

    TStringGrid& Gitter(int Nr);  // grid of line Nr (1..3)

    void FormCreate();
    void GroupStiftClick();
    void GroupStilClick();
};

inline TForm_Geraden_t Form_Geraden_t;
