// The main window's commands that keep scenes: undo and redo, the object
// store, the preset data set, the view resets that undo down to the start
// scene, and the question before the program closes.

#include "mainwindow/Farbvorgaben.h"
#include "forms/Hauptfenster.h"
#include "platform/Oberflaeche.h"
#include "control/Dateien.h"
#include "scene/Speicherzustand.h"
#include "control/Undo.h"
#include "control/Vorgabe.h"
#include "scene/Ansicht.h"
#include "control/Drehsteuerung.h"
#include "scene/DrehZustand.h"
#include "view3d/Projektion.h"

namespace {

constexpr const char* BeendenFrage =
    "Wollen Sie die aktuellen Objekteinstellungen vor Beenden\n"
    "des Programms speichern, so klicken Sie bitte 'Ja' an!";

}  // namespace

void TForm_Edits_01::ObjektspeicherAnlegen() {
    rckgngig1.OnClick = [this] { rckgngig1Click(); };
    widerrufen1.OnClick = [this] { widerrufen1Click(); };
    BitBtn_BackObj.OnClick = [this] { BitBtn_BackObjClick(); };
    BitBtn_RebackObj.OnClick = [this] { BitBtn_RebackObjClick(); };
    BitBtn_DatenNachSpeich.OnClick = [this] { BitBtn_DatenNachSpeichClick(); };
    BitBtn_DatenAusSpeich.OnClick = [this] { BitBtn_DatenAusSpeichClick(); };
    ObjektDatensatz1Vorgabeladen1.OnClick = [this] { ObjektDatensatz1Vorgabeladen1Click(); };
    But_Back.OnClick = [this] { But_BackClick(); };
    BitBtn1.OnClick = [this] { BitBtn1Click(); };
    TMenuItem* Farbmenue[5] = {&FarbSet1, &Farbset2, &Farbset3, &Farbset4, &Farbset5};
    for (int n = 1; n <= 5; ++n) Farbmenue[n - 1]->OnClick = [this, n] { FarbSetClick(n); };

    FarbsetsVorgeben();
    // The rotation steps record their states through this hook.
    UndoPunktSetzenAktion = UndoPunktSetzen;
}

void TForm_Edits_01::rckgngig1Click() { Rueckgaengig(); }
void TForm_Edits_01::widerrufen1Click() { Wiederherstellen(); }

void TForm_Edits_01::BitBtn_BackObjClick() {
    if (DrehModus > 0) {
        MeldungZeigen(DauerdrehenStoppenMeldung);
        return;
    }
    Rueckgaengig();
}

void TForm_Edits_01::BitBtn_RebackObjClick() { Wiederherstellen(); }

void TForm_Edits_01::BitBtn_DatenNachSpeichClick() {
    if (FrageJa(SpeicherAendernFrage)) SpeicherUebernehmen(1);
}

void TForm_Edits_01::BitBtn_DatenAusSpeichClick() {
    if (DrehModus > 0) {
        MeldungZeigen(DauerdrehenStoppenMeldung);
        return;
    }
    if (!FrageJa(SpeicherUeberschreibenFrage)) return;
    SpeicherInObjekteUebertragen();
    MeldungZeigen(SpeicherUebertragenMeldung);
}

void TForm_Edits_01::ObjektDatensatz1Vorgabeladen1Click() {
    UrzustandHerstellen();
    UndoPunktSetzen();
}

void TForm_Edits_01::AnsichtZuruecksetzen() {
    // The start view: no shift, zoom 100 %, the x,z-plane with the oblique
    // presets of the projection in use.
    VerschiebungX = 0;
    VerschiebungY = 0;
    MassstabSetzen();
    But_xz.Down = true;
    But_yz.Down = false;
    But_xy.Down = false;
    SchraegbildVorgabe = true;
    But_xzClick();
    SchraegbildVorgabe = false;
}

void TForm_Edits_01::But_BackClick() {
    AnsichtZuruecksetzen();
    RueckgaengigBisStart();
}

void TForm_Edits_01::BitBtn1Click() {
    AnsichtZuruecksetzen();
    RueckgaengigBisStart();
    if (!AchsenMitDrehen) DrehListeLoeschen();
}

void TForm_Edits_01::PaintBox1MouseMove() {
    // The move that follows a load comes from the closing file dialog.
    if (DatenWerdenGeladen) DatenWerdenGeladen = false;
}

bool TForm_Edits_01::FormCloseQuery() {
    if (FrageJa(BeendenFrage)) {
        ObjektdatenSpeichernDialog();
        return false;
    }
    return true;
}
