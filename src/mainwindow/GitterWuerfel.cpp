#include "forms/GitterWuerfel.h"

#include <cmath>

#include "forms/Schalter.h"
#include "platform/Zahltext.h"

TForm_GitterWuerfelMax::TForm_GitterWuerfelMax() {
    Caption = "   Einstellungen des Gitters des Achsen-Würfels";
    CheckBox1.Caption = "Grundfläche";
    CheckBox2.Caption = "Rückwand";
    CheckBox3.Caption = "Deckfläche";
    CheckBox4.Caption = "vordere Wand";
    CheckBox5.Caption = "Seite links";
    CheckBox6.Caption = "Seite rechts";
    CheckBox1.Checked = CheckBox2.Checked = CheckBox5.Checked = true;
    Edit_AnzGitterLinien.SetTextStill("4");
}

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
