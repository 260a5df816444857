#include "forms/AchsenWuerfel.h"

#include "forms/Gitter.h"

TForm_AchsenWuerfel::TForm_AchsenWuerfel() : TEinstellFenster("Form_AchsenWuerfel") {
    Caption = "   Einstellungen des Achsen-Würfels";
    CheckBox1.Caption = "Achsen-Würfel anzeigen";
    GroupStiftAnlegen(RadioGroup1);
    Button_Farbe.Caption = "Farbe des Achsen-Würfels";
}
