#include "forms/ProjSpurGeraden.h"

#include <cassert>

TForm_ProjSpurGeraden::TForm_ProjSpurGeraden() : TEinstellFenster("Form_ProjSpurGeraden") {
    Caption = "   Projektions- und Spurgeraden";
    Label1.Caption = "Projektionsgeraden:";
    Label2.Caption = "Spurgeraden:";
    const char* const Texte[12] = {"g auf E1",          "g auf E2",          "h auf E1",
                                   "h auf E2",          "t auf E1",          "t auf E2",
                                   "E1 in der x,y-Ebene", "E1 in der x,z-Ebene", "E1 in der y,z-Ebene",
                                   "E2 in der x,y-Ebene", "E2 in der x,z-Ebene", "E2 in der y,z-Ebene"};
    for (int Nr = 1; Nr <= 12; ++Nr) Box(Nr).Caption = Texte[Nr - 1];
}

TCheckBox& TForm_ProjSpurGeraden::Box(int Nr) {
    TCheckBox* const Boxen[12] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4,  &CheckBox5,  &CheckBox6,
                                  &CheckBox7, &CheckBox8, &CheckBox9, &CheckBox10, &CheckBox11, &CheckBox12};
    assert(Nr >= 1 && Nr <= 12);
    return *Boxen[Nr - 1];
}
