#pragma once
// Settings of the plane display: the size factor of the squares that show
// the planes (1..50, 10 at start), read by every plane recomputation, and
// the display mode of E1 and of E2 (section with the axes cube, square,
// square with grid).

#include "forms/Einstellfenster.h"

struct TForm_EbEinstell : TEinstellFenster {
    TForm_EbEinstell();

    TLabel Label1;
    TScrollBar ScrollBar1;
    TLabel Label2;            // the factor's position
    TRadioGroup RadioGroup1;  // display mode of E1
    TRadioGroup RadioGroup2;  // display mode of E2

    void FormCreate();
    std::vector<TEinstellFeld> Felder() override;
    // The squares of both planes anew, then the picture.
    void ScrollBar1Change();
};

inline TForm_EbEinstell Form_EbEinstell;
