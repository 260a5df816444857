#include "forms/Normalenvektoren.h"

#include "forms/Gitter.h"

TForm_Normalenvektoren::TForm_Normalenvektoren() : TEinstellFenster("Form_Normalenvektoren") {
    Caption = "   Normalenvektoren einstellen";
    CheckBox1.Caption = "Normalenvektoren der Ebenen anzeigen";
    GroupStiftAnlegen(RadioGroup1);
    Button_Farbe.Caption = "Farbe der Normalenvektoren";
    CheckBox2.Caption = "rechte Winkel zu den Richtungsvektoren anzeigen";
    Label1.Caption = "Größe der Winkelzeichen:";
    WinkelGroessenAnlegen(ComboBox1);
}
