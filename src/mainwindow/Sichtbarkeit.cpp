// The visibility switches of the main window, one speed button per object:
// a button is down exactly when its object is shown.

#include "forms/Hauptfenster.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

void TForm_Edits_01::SichtbarkeitAnlegen() {
    for (int Nr = 1; Nr <= ObjektAnzahl; ++Nr)
        But_sichtb(Nr).OnClick = [this, Nr] { But_sichtbClick(Nr); };
}

void TForm_Edits_01::But_sichtbClick(int Nr) {
    if (Nr < 1 || Nr > ObjektAnzahl) return;
    ObjektSichtbar(Nr) = But_sichtb(Nr).Down ? 1 : 0;
    SichtbarkeitAktualisieren();
    if (NeuZeichnenAus == 0) SzeneZeichnen();
}
