#include "forms/Vektoren.h"

#include "view3d/ObjektGeometrie.h"

TForm_Vektoren::TForm_Vektoren()
    : TObjektartDialog("Vektoren", "Vektor", {"V1", "V2", "V3", "V4"},
                       {2, 4, 0, 1, {"A", "Vektor"}}) {
    GroupStift.ItemIndex = 1;  // width 2
}

void TForm_Vektoren::FormCreate() {
    SpaltenSetzen(StringGrid1, {{"0", "0", "0"}, {"-3", "-3", "0"}});
    SpaltenSetzen(StringGrid2, {{"0", "0", "0"}, {"4", "2", "3"}});
    SpaltenSetzen(StringGrid3, {{"2", "-4", "1"}, {"0", "3", "3"}});
    SpaltenSetzen(StringGrid4, {{"-3", "3", "-2"}, {"2", "1", "4"}});
    Verbinden();
}

void TForm_Vektoren::Einlesen(int Nr) { VektorBerechnen(Nr); }
