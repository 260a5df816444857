#include "forms/GitterWuerfel.h"

#include <cmath>

#include "forms/Schalter.h"
#include "platform/Zahltext.h"

TCheckBox& TForm_GitterWuerfelMax::WandBox(int Nr) {
    switch (Nr) {
        case 1: return CheckBox1;
        case 2: return CheckBox2;
        case 3: return CheckBox3;
        case 4: return CheckBox4;
        case 5: return CheckBox5;
        default: assert(Nr == 6); return CheckBox6;
    }
}

void TForm_GitterWuerfelMax::FormCreate() {
    Extended n = 0;
    if (ZahlLesen(Edit_AnzGitterLinien.Text(), n) && n == std::floor(n) && std::fabs(n) <= 20)
        AnzGitterLinien = static_cast<int>(n);
}
