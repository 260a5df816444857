#pragma once
// Dialog of the vectors V1..V4: one grid each (column 0 start point "A",
// column 1 "Vektor"; x, y, z in rows 1..3), the choice of the one shown and
// its attribute groups. Cells follow the common edit protocol
// (Eingabeprotokoll.h); the null vector is a vector like any other.

#include "dialogs/Eingabeprotokoll.h"
#include "platform/Komponenten.h"

inline Byte AktVektor = 1;

struct TForm_Vektoren : TObjektDialog {
    TForm_Vektoren();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TFeld<TZellenGedaechtnis, 1, 4> Gedaechtnis;
    TRadioGroup RadioGroup_Objekt;  // "V1" .. "V4": the one shown
    TRadioGroup GroupStift, GroupStil;

    TStringGrid& Gitter(int Nr);
    TObjektGitter ObjektGitter(TStringGrid& G) override;

    void FormCreate();
    // Display rule and the controls of the current vector.
    void FormActivate();
    void ObjektWaehlen(int Nr);
    void RadioGroup_ObjektClick();
    void GroupStiftClick();
    void GroupStilClick();
};

inline TForm_Vektoren Form_Vektoren;
