#include "scene/Speicherzustand.h"

#include "scene/Datensatz.h"

void SpeicherzustandNullen() {
    UndoAnzahl = 0;
    UndoIndex = 0;
    UndoModus = 0;
    UndoAenderungen = 0;
    FarbsetSatz2 = 1;
    ObjektdatenSatz2 = 1;
    DatenWerdenGeladen = false;
    for (auto& d : UndoDrehstrecken) d = {};
    SpeicherDrehstrecken = {};
    DatensaetzeNullen();
    DateienNullen();
}
