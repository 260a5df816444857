#pragma once
// Dialog of the spheres K1..K4: one grid each (row 0 and column 0 fixed,
// column 1 the centre in rows 1..3), the radius field, the style group and
// the mesh densities: SpeedButton1..5 (captions "25" "13" "9" "7" "5":
// latitude densities 24, 12, 8, 6, 4) and SpeedButton6..9 (captions "12" "6"
// "4" "2": longitude densities 24, 12, 8, 4), each set one group.

#include "platform/Komponenten.h"

inline Byte AktKugel = 1;

struct TForm_Kugeln : TFormZustand {
    TForm_Kugeln();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TEdit Edit_Radius;
    TRadioGroup GroupStil;
    TSpeedButton SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4, SpeedButton5;
    TSpeedButton SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9;

    TStringGrid& Gitter(int Nr);
    TSpeedButton& Knopf(int Nr);  // SpeedButton1..9

    void FormCreate();
    void GroupStilClick();
    // A density button (1..9): presses it within its group and sets the
    // density of the current sphere.
    void SpeedButtonClick(int Nr);
};

inline TForm_Kugeln Form_Kugeln;
