// The main window's button of the object-data calculator: it opens the
// calculator without blocking, once the coordinates may be shown and the
// scene stands still in the mode without axes.

#include "control/Drehsteuerung.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/Ergebnisauswahl.h"
#include "forms/Hauptfenster.h"
#include "forms/ObjekteDaten.h"
#include "forms/Schalter.h"
#include "platform/Oberflaeche.h"
#include "reports/Ergebnisse.h"
#include "scene/DrehZustand.h"

namespace {

constexpr const char* DauerDrehenFrage =
    "Vorsicht!\n\nZum Aufnehmen von Koordinaten in einen Speicher ist vorher das DauerDrehen "
    "auszuschalten!\nSoll diese Umstellung für Sie jetzt durchgeführt werden?";

}  // namespace

void TForm_Edits_01::But_ObjekteDatenClick() {
    if (KoordGesperrt) {
        MeldungZeigen(DatenfensterGesperrtMeldung);
        return;
    }
    // After either question the user clicks again to open the calculator.
    if (AchsenMitDrehen) {
        if (FrageJa(AchsenUmstellenFrage)) DrehungenZuruecksetzen();
        return;
    }
    if (DrehModus > 0) {
        if (FrageJa(DauerDrehenFrage)) {
            DrehungAnhalten();
            ErgebnisAusgeben(ErgebnisAuswahl);
        }
        return;
    }
    ObjekteDatenZeigen();
}
