#pragma once
// Which of the derived lines the picture shows: the six projected lines (g,
// h, t onto E1 and onto E2) and the six trace lines (E1 and E2 in the
// coordinate planes). The scene computes them always; these switches only
// decide what is drawn.

#include "forms/Einstellfenster.h"

struct TForm_ProjSpurGeraden : TEinstellFenster {
    TForm_ProjSpurGeraden();

    TLabel Label1, Label2;
    // Projektionsgeraden[1..6]: g on E1, g on E2, h on E1, h on E2, t on E1, t on E2.
    TCheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6;
    // Spurgeraden[1..6]: E1 in the x,y-, x,z-, y,z-plane, then E2 likewise.
    TCheckBox CheckBox7, CheckBox8, CheckBox9, CheckBox10, CheckBox11, CheckBox12;

    // Box Nr 1..12: 1..6 the projected lines, 7..12 the trace lines.
    TCheckBox& Box(int Nr);

    std::vector<TEinstellFeld> Felder() override;
};

inline TForm_ProjSpurGeraden Form_ProjSpurGeraden;
