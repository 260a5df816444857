#include "forms/EbenKoord.h"

TForm_EbenKoord::TForm_EbenKoord() {
    Caption = "Koordinatenform und Normalenform der Ebene";
    Label_Ebene.Caption = "E1";
}
