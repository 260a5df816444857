#pragma once
// Settings of the difference vectors, the arrows between the support points
// of g, h, t, E1 and E2: one switch per pair, and their colour.

#include "forms/Einstellfenster.h"

struct TForm_Differenzvektoren : TEinstellFenster {
    TForm_Differenzvektoren();

    TLabel Label1;
    // DiffVekGH, DiffVekGT, DiffVekHT, DiffVekGE1, DiffVekGE2, DiffVekHE1,
    // DiffVekHE2, DiffVekTE1, DiffVekTE2, DiffVekE1E2.
    TCheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5;
    TCheckBox CheckBox6, CheckBox7, CheckBox8, CheckBox9, CheckBox10;
    TButton Button_Farbe;
    TPanel Panel_Farbe;

    TCheckBox& Box(int Nr);  // 1..10

    std::vector<TEinstellFeld> Felder() override;
};

inline TForm_Differenzvektoren Form_Differenzvektoren;
