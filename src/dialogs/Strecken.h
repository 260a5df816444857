#pragma once
// Dialog of the segments S1..S4: one grid each (end points "A" and "B" in
// columns 0 and 1; x, y, z in rows 1..3), the choice of the one shown and
// its attribute groups. Cells follow the common edit protocol
// (Eingabeprotokoll.h).

#include "dialogs/Eingabeprotokoll.h"
#include "platform/Komponenten.h"

inline Byte AktStrecke = 1;

struct TForm_Strecken : TObjektDialog {
    TForm_Strecken();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TFeld<TZellenGedaechtnis, 1, 4> Gedaechtnis;
    TRadioGroup RadioGroup_Objekt;  // "S1" .. "S4": the one shown
    TRadioGroup GroupStift, GroupStil;

    TStringGrid& Gitter(int Nr);
    TObjektGitter ObjektGitter(TStringGrid& G) override;

    void FormCreate();
    // Display rule and the controls of the current segment.
    void FormActivate();
    void ObjektWaehlen(int Nr);
    void RadioGroup_ObjektClick();
    void GroupStiftClick();
    void GroupStilClick();
};

inline TForm_Strecken Form_Strecken;
