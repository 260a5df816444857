#include "forms/Fluchtstr.h"

#include "forms/Gitter.h"

TForm_Fluchtstr::TForm_Fluchtstr() : TEinstellFenster("Form_Fluchtstr") {
    Caption = "   Fluchtstrecken einstellen";
    CheckBox1.Caption = "Fluchtstrecken anzeigen (nur bei Zentralprojektion)";
    GroupStiftAnlegen(RadioGroup1);
    GroupStilAnlegen(RadioGroup2);
    Button_Farbe.Caption = "Farbe der Fluchtstrecken";
}
