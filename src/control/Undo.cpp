#include "control/Undo.h"

#include "forms/Animationen.h"
#include "forms/Hauptfenster.h"
#include "platform/Oberflaeche.h"
#include "control/DatenInDialoge.h"
#include "scene/Datensatz.h"
#include "scene/Speicherzustand.h"
#include "control/Drehsteuerung.h"
#include "scene/DrehZustand.h"
#include "scene/Objekte.h"

namespace {

// An undone state is taken as it is: no recorded rotation is replayed
// onto it, so the rotation list and matrices start afresh. A turn running
// with the axes stops as well: its further steps could not be recorded,
// and nothing could turn them back to what the cells show.
void DrehungenVergessen() {
    if (AchsenMitDrehen && DrehModus > 0) DrehungAnhalten();
    DrehAnzahl = 0;
    Form_Edits_01.DrehAnzahlAnzeigen();
    DrehMatrixAnzahl = 0;
    for (int i = 1; i <= 20; ++i) DrehListe[i] = TDrehung{};
    DrehMatrizenZuruecksetzen();
}

// A kept scene brought back holds none of the turns recorded with the axes
// since: played back later (red dot, a key's question, a change of mode),
// they would turn it away from what its cells show.
void FremdeDrehungenVergessen() {
    if (AchsenMitDrehen && DrehAnzahl > 0) DrehungenVergessen();
}

TDrehstreckenStand LetzteDrehung() {
    return {DrehungErfolgt, Lotgerade.Stuetzvektor, Lotgerade.Richtungsvektor};
}

// The segments the picture shows now.
TDrehstreckenStand DrehstreckenJetzt() {
    return DrehungInSzene ? LetzteDrehung() : TDrehstreckenStand{};
}

// Before the kept scene is written (which redraws), so the picture shows
// no segment of a turn that scene does not hold. The rotation state itself
// stays: a running turn goes on about its axis and shows its own matrices
// and segments whatever scene it turns.
void DrehstreckenZurueck(const TDrehstreckenStand& d) {
    if (DrehModus > 0) return;
    DrehungInSzene = d.DrehungErfolgt != 0 && d == LetzteDrehung();
}

}  // namespace

void UndoPunktSetzen() {
    if (UndoModus == 1) UndoAnzahl = UndoIndex + 1;   // the redo tail is given up
    if (UndoAnzahl < 0) UndoAnzahl = 0;
    if (UndoAnzahl >= UndoPlaetze) {
        // Table full: the start scene at place 0 stays, the oldest state
        // after it goes, the others move down one place.
        for (int p = 1; p < UndoPlaetze - 1; ++p) {
            UndoDaten[p] = UndoDaten[p + 1];
            UndoKegelDaten[p] = UndoKegelDaten[p + 1];
            UndoDrehstrecken[p] = UndoDrehstrecken[p + 1];
        }
        UndoAnzahl = UndoPlaetze - 1;
    }
    UndoDatenSichern(static_cast<Byte>(UndoAnzahl));
    UndoKegelSichern(static_cast<Byte>(UndoAnzahl));
    UndoDrehstrecken[UndoAnzahl] = DrehstreckenJetzt();
    ++UndoAnzahl;
    UndoModus = 0;
    ++UndoAenderungen;
}

void Rueckgaengig() {
    if (UndoAnzahl <= 0) {
        MeldungZeigen(KeineDatenMeldung);
        return;
    }
    if (UndoModus == 0) UndoIndex = UndoAnzahl - 1;   // the scene on screen
    if (UndoIndex <= 0) {
        MeldungZeigen(KeineDatenMeldung);
        return;
    }
    --UndoIndex;
    ++UndoAenderungen;
    DrehstreckenZurueck(UndoDrehstrecken[UndoIndex]);
    UndoDatensatzInDialoge(UndoIndex);
    UndoModus = 1;
    DrehungenVergessen();
}

void Wiederherstellen() {
    if (UndoModus == 1 && UndoIndex < UndoAnzahl - 1) {
        ++UndoIndex;
        ++UndoAenderungen;
        DrehstreckenZurueck(UndoDrehstrecken[UndoIndex]);
        UndoDatensatzInDialoge(UndoIndex);
        FremdeDrehungenVergessen();
        return;
    }
    MeldungZeigen(KeineDatenMeldung);
}

void RueckgaengigBisStart() {
    // Undoing state by state writes every state in turn, and each one
    // overwrites all cells of the one before: only place 0 is left in the
    // end. One step from place 1 gives the same with one redraw.
    if (UndoAnzahl > 0) {
        if (UndoModus == 0) UndoIndex = UndoAnzahl - 1;
        if (UndoIndex > 1) {
            UndoIndex = 1;
            UndoModus = 1;
        }
    }
    Rueckgaengig();
}

void SpeicherUebernehmen(Byte Meldung) {
    SpeicherDatenSichern();
    SpeicherKegelSichern();
    SpeicherDrehstrecken = DrehstreckenJetzt();
    if (Meldung == 1) MeldungZeigen(SpeicherUebernommenMeldung);
}

void SpeicherInObjekteUebertragen() {
    DrehstreckenZurueck(SpeicherDrehstrecken);
    SpeicherDatensatzInDialoge();
    FremdeDrehungenVergessen();
    // The animation windows show g, h, E1 and E2 too.
    GeradenAnimaGitterFuellen();
    EbenenAnimaGitterFuellen();
}
