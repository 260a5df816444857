#include "forms/GitterWuerfel.h"

#include "forms/Gitter.h"

TForm_GitterWuerfelMax::TForm_GitterWuerfelMax() : TEinstellFenster("Form_GitterWuerfelMax") {
    Caption = "   Einstellungen des Gitters des Achsen-Würfels";
    CheckBox1.Caption = "Grundfläche";
    CheckBox2.Caption = "Rückwand";
    CheckBox3.Caption = "Deckfläche";
    CheckBox4.Caption = "vordere Wand";
    CheckBox5.Caption = "Seite links";
    CheckBox6.Caption = "Seite rechts";
    CheckBox1.Checked = CheckBox2.Checked = CheckBox5.Checked = true;
    Label1.Caption = "Anzahl der Gitterteile je Kante (höchstens 20):";
    Edit_AnzGitterLinien.SetTextStill("4");
    GroupStilAnlegen(RadioGroup1, "gepunktet");
    RadioGroup1.Caption = "Linienstil der Netzlinien";
    GroupStilAnlegen(RadioGroup2, "gepunktet");
    RadioGroup2.Caption = "Linienstil der Ränder";
    RadioGroup1.ItemIndex = RadioGroup2.ItemIndex = 1;
    Button_Farbe.Caption = "Farbe des Gitter-Hintergrundes";
}
