#include "forms/DrehenUmGerade.h"

#include "forms/Gitter.h"

TForm_DrehenUmGerade::TForm_DrehenUmGerade() {
    Caption = "Einstellen der Drehachse";
    GitterAnlegen(StringGrid1, 2, 4, 0, 1, {"Stütz-V.", "Richt.-V."});
    RadioGroup_Form.Caption = "Eingabe der Drehachse";
    RadioGroup_Form.Items = {"Parameterform", "durch zwei Punkte"};
    RadioGroup_Form.ItemIndex = 0;
    GroupStiftAnlegen(GroupStift);
    GroupStilAnlegen(GroupStil);
    CheckBox_Zeigen.Caption = "Drehachse anzeigen";
    BitBtn_Ok.Caption = "OK";
}
