#include "forms/Punkte.h"

TForm_Punkte::TForm_Punkte()
    : TObjektartDialog("Punkte", "Punkt", {"P1", "P2", "P3", "P4"}, {2, 3, 1, 0}) {
    for (int i = 1; i <= 4; ++i) SpalteSetzen(Gitter(i), 0, 0, "x", "y", "z");
    GroupStift.ItemIndex = 1;  // width 2
    CheckBox1.Caption = "mit Fadenkreuz";
}
