#include "forms/Geraden_t.h"

TForm_Geraden_t::TForm_Geraden_t()
    : TObjektartDialog("Geraden", "Gerade", {"g", "h", "t"},
                       {2, 4, 0, 1, {"Stütz-V.", "Richt.-V."}}) {}
