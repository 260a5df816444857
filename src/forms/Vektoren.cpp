#include "forms/Vektoren.h"

TForm_Vektoren::TForm_Vektoren()
    : TObjektartDialog("Vektoren", "Vektor", {"V1", "V2", "V3", "V4"},
                       {2, 4, 0, 1, {"A", "Vektor"}}) {
    GroupStift.ItemIndex = 1;  // width 2
    But_VSumme.Caption = "Vektorsummen ...";
}
