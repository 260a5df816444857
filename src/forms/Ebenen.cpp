#include "forms/Ebenen.h"

TForm_Ebenen::TForm_Ebenen()
    : TObjektartDialog("Ebenen", "Ebene", {"E1", "E2"},
                       {3, 4, 0, 1, {"Stütz-V.", "1. Richt.-V.", "2. Richt.-V."}}) {
    GroupStift.Caption = "Stiftbreite für Ränder";
    GroupStift.ItemIndex = 1;  // E1 starts with width 2
    But_Koordinatenform.Caption = "Koordinaten- u. Normalenform";
}
