// The file commands of the main window's menu "Datei".

#include "forms/Hauptfenster.h"
#include "platform/Oberflaeche.h"
#include "control/Dateien.h"
#include "scene/Objekte.h"
#include "control/Undo.h"

void TForm_Edits_01::aktuelleObjektdatenspeichern1Click() { ObjektdatenSpeichernDialog(); }

void TForm_Edits_01::Objektdatenladen1Click() {
    NeuZeichnenAus = 1;
    const auto pfad = Host().DateiOeffnenDialog("", "OVD|*.OVD", "", "OVD");
    if (pfad && !pfad->empty()) {
        ObjektdatenPfad = *pfad;
        ObjektdatenLaden(*pfad);
    }
    NeuZeichnenAus = 0;
    UndoPunktSetzen();
}

void TForm_Edits_01::aktuellesFarbsetspeichern1Click() { FarbsetSpeichernDialog(); }

void TForm_Edits_01::Farbsetladen1Click() {
    const auto pfad = Host().DateiOeffnenDialog("", "OVF|*.OVF", "", "OVF");
    if (!pfad || pfad->empty()) return;
    FarbsetPfad = *pfad;
    FarbsetLaden(*pfad);
}

void TForm_Edits_01::DateimenueAnlegen() {
    aktuelleObjektdatenspeichern1.OnClick = [this] { aktuelleObjektdatenspeichern1Click(); };
    Objektdatenladen1.OnClick = [this] { Objektdatenladen1Click(); };
    aktuellesFarbsetspeichern1.OnClick = [this] { aktuellesFarbsetspeichern1Click(); };
    Farbsetladen1.OnClick = [this] { Farbsetladen1Click(); };
}
