#include "forms/DrStrEinst.h"

#include "forms/Gitter.h"

TForm_DrStrEinst::TForm_DrStrEinst() : TEinstellFenster("Form_DrStrEinst") {
    Caption = "   Drehstrecken einstellen";
    GroupStiftAnlegen(RadioGroup1);
    GroupStilAnlegen(RadioGroup2);
    Button_Farbe.Caption = "Farbe der Drehstrecken";
    CheckBox1.Caption = "rechten Winkel am Lotfußpunkt anzeigen";
    Label1.Caption = "Größe des Winkelzeichens:";
    WinkelGroessenAnlegen(ComboBox1);
}
