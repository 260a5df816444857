#include "forms/Hauptfenster.h"
#include "platform/Oberflaeche.h"
#include "scene/Ansicht.h"

void TForm_Edits_01::HilfeausDatei1Click() {
    const TEdit* edits[6] = {&Edit_FPx, &Edit_FPy, &Edit_FPz, &Edit_Projx, &Edit_Projy, &Edit_Projz};
    for (int i = 1; i <= 6; ++i) ProjTexte[i] = edits[i - 1]->Text().substr(0, 20);
    ProjTexteZurueck = true;
    Host().HilfeZeigen("Inhalt");
}
