#include "forms/EbEinstell.h"

TForm_EbEinstell::TForm_EbEinstell() : TEinstellFenster("Form_EbEinstell") {
    Caption = "   Darstellung der Ebenen";
    Label1.Caption = "Faktor zur Größenänderung der Quadrate zur Darstellung der Ebenen:";
    ScrollBar1.Min = 1;
    ScrollBar1.Max = 50;
    ScrollBar1.LargeChange = 5;
    ScrollBar1.SetPositionStill(10);
    Label2.Caption = "10";
    const std::vector<std::string> Arten = {"Schnitt mit dem Achsen-Würfel", "Quadrat", "Quadrat mit Gitternetz"};
    RadioGroup1.Caption = "Darstellung von E1";
    RadioGroup2.Caption = "Darstellung von E2";
    RadioGroup1.Items = RadioGroup2.Items = Arten;
    RadioGroup1.ItemIndex = RadioGroup2.ItemIndex = 0;
}
