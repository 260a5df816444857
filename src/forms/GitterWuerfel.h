#pragma once
// Settings dialog of the grid of the axes cuboid ("   Einstellungen des
// Gitters des Achsen-Würfels"): one check box per wall, in the order of
// GitterWaende, and the number of grid parts per edge.

#include "platform/Komponenten.h"

struct TForm_GitterWuerfelMax : TFormZustand {
    TForm_GitterWuerfelMax();

    TCheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6;
    TEdit Edit_AnzGitterLinien;

    // Reads the number of grid parts from its edit.
    void FormCreate();

    // Check box of wall Nr (1..6).
    TCheckBox& WandBox(int Nr);
};

inline TForm_GitterWuerfelMax Form_GitterWuerfelMax;
