#pragma once
// Dialog of the crosshair: its one grid (rows 1..3 the centre), the step of
// its move buttons and the style group.

#include "platform/Komponenten.h"

// The step by which the move buttons shift the crosshair's centre.
inline Extended FadenkreuzSchrittweite = 0.1L;

struct TForm_Fadenkreuz : TFormZustand {
    TForm_Fadenkreuz();

    TStringGrid StringGrid1;
    TEdit Edit1;  // the step as text
    TRadioGroup GroupStil;

    void FormCreate();
    void GroupStilClick();
};

inline TForm_Fadenkreuz Form_Fadenkreuz;
