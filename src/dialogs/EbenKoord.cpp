#include "dialogs/EbenKoord.h"

TForm_EbenKoord::TForm_EbenKoord() { Caption = "Koordinatenform und Normalenform der Ebene"; }

void TForm_EbenKoord::FormCreate() {
    // The fields are filled from the plane whenever it is recomputed.
    EbenKoordQuelle = false;
}
