#include "forms/EbEinstell.h"

TForm_EbEinstell::TForm_EbEinstell() {
    Caption = "Darstellung der Ebenen";
    Label1.Caption = "Faktor zur Größenänderung der Quadrate zur Darstellung der Ebenen:";
    ScrollBar1.Min = 1;
    ScrollBar1.Max = 50;
    ScrollBar1.SetPositionStill(10);
}
