#pragma once
// The modal dialog "Einstellen der Drehachse": the rotation axis Drehachse in
// parameter form (support point, direction vector) or through two points A
// and B, and its drawing attributes. Cells follow the common edit protocol
// (Eingabeprotokoll.h); a null direction vector and two equal points are
// refused, so the axis always has a direction.

#include "forms/Eingabeprotokoll.h"
#include "platform/Komponenten.h"

inline constexpr const char* GleichePunkteMeldung =
    "Die beiden Punkte der Drehachse dürfen nicht zusammenfallen!";

struct TForm_DrehenUmGerade : TObjektDialog {
    TForm_DrehenUmGerade();

    // Column 0 the support point (or A), column 1 the direction vector (or
    // B); x, y, z in rows 1..3.
    TStringGrid StringGrid1;
    TZellenGedaechtnis Gedaechtnis;
    TRadioGroup RadioGroup_Form;  // "Parameterform", "durch zwei Punkte"
    TRadioGroup GroupStift, GroupStil;
    TCheckBox CheckBox_Zeigen;    // "Drehachse anzeigen"
    TBitBtn BitBtn_Ok;

    TObjektGitter ObjektGitter(TStringGrid& G) override;

    // Start axis: the z-axis, set into Drehachse at once.
    void FormCreate();
    // The grid and the controls from Drehachse.
    void FormActivate();
    void RadioGroup_FormClick();
    void GroupStiftClick();
    void GroupStilClick();
    void CheckBox_ZeigenClick();
    // The current cell is left (unfinished texts go back), then the window
    // closes.
    void BitBtn_OkClick();
    bool FormCloseQuery();
};

inline TForm_DrehenUmGerade Form_DrehenUmGerade;
