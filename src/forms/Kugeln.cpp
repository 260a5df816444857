#include "forms/Kugeln.h"

namespace {

const char* const KnopfTexte[9] = {"25", "13", "9", "7", "5", "12", "6", "4", "2"};

}  // namespace

TForm_Kugeln::TForm_Kugeln()
    : TObjektartDialog("Kugeln", "Kugel", {"K1", "K2", "K3", "K4"},
                       {2, 4, 1, 1, {"", "Mittelp."}}) {
    for (int i = 1; i <= 4; ++i) SpalteSetzen(Gitter(i), 0, 1, "x", "y", "z");
    for (int n = 1; n <= 9; ++n) {
        Knopf(n).Caption = KnopfTexte[n - 1];
        Knopf(n).GroupIndex = n <= 5 ? 1 : 2;
    }
    SpeedButton2.Down = true;  // 12 latitude rings
    SpeedButton6.Down = true;  // 24 meridians
}

TSpeedButton& TForm_Kugeln::Knopf(int Nr) {
    assert(Nr >= 1 && Nr <= 9);
    TSpeedButton* k[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4, &SpeedButton5,
                         &SpeedButton6, &SpeedButton7, &SpeedButton8, &SpeedButton9};
    return *k[Nr - 1];
}
