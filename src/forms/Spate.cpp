#include "forms/Spate.h"

TForm_Spate::TForm_Spate()
    : TObjektartDialog("Spate", "Spat", {"SP1", "SP2", "SP3", "SP4"},
                       {4, 4, 0, 1, {"A", "AB", "AD", "AE"}}) {
    GroupErz.Caption = "Erzeugende Vektoren";
    GroupErz.Items = {"darstellen", "nicht darstellen"};
    GroupErz.ItemIndex = 1;
}
