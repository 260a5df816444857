// The main window's zoom bar.
#include <cmath>

#include "forms/Hauptfenster.h"
#include "platform/Zahltext.h"
#include "scene/Ansicht.h"
#include "view3d/Projektion.h"
#include "view3d/Zeichnen.h"

void ScrollBar2Change() {
    const int pos = Form_Edits_01.ScrollBar2.Position();
    MassstabX = MassstabY = MassstabZ = MassstabBasis * pos * 0.01L;
    Form_Edits_01.Panel_ZoomFaktAnz.Caption = ZahlAllgemein(pos * 0.01L);
    SzeneZeichnen();
}
