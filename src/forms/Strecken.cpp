#include "forms/Strecken.h"

TForm_Strecken::TForm_Strecken()
    : TObjektartDialog("Strecken", "Strecke", {"S1", "S2", "S3", "S4"}, {2, 4, 0, 1, {"A", "B"}}) {
    GroupStift.ItemIndex = 1;  // width 2
}
