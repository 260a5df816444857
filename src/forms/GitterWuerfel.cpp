#include "forms/GitterWuerfel.h"

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
