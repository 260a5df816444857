#pragma once
// Dialog of the points P1..P4: one grid each (no fixed row; column 0 the
// fixed labels "x", "y", "z", column 1 the coordinates in rows 0..2), the
// choice of the point shown, the pen-width group and the switch of the
// point's own crosshair. Cells follow the common edit protocol
// (Eingabeprotokoll.h).

#include "dialogs/Eingabeprotokoll.h"
#include "platform/Komponenten.h"

inline Byte AktPunkt = 1;

struct TForm_Punkte : TObjektDialog {
    TForm_Punkte();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TFeld<TZellenGedaechtnis, 1, 4> Gedaechtnis;
    TRadioGroup RadioGroup_Objekt;  // "P1" .. "P4": the one shown
    TRadioGroup GroupStift;
    TCheckBox CheckBox1;  // "mit Fadenkreuz"

    TStringGrid& Gitter(int Nr);
    TObjektGitter ObjektGitter(TStringGrid& G) override;

    void FormCreate();
    // Display rule and the controls of the current point.
    void FormActivate();
    void ObjektWaehlen(int Nr);
    void RadioGroup_ObjektClick();
    void GroupStiftClick();
    void CheckBox1Click();
};

inline TForm_Punkte Form_Punkte;
