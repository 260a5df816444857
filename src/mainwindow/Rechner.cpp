// The main window's button of the object-data calculator: it opens the
// calculator without blocking, once the coordinates may be shown and the
// scene stands still in the mode without axes. And the menu items of the
// linear-algebra windows.

#include "control/Drehsteuerung.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/Ergebnisauswahl.h"
#include "forms/Hauptfenster.h"
#include "forms/LGS.h"
#include "forms/LaLua.h"
#include "forms/Matrizen.h"
#include "forms/VektProd.h"
#include "forms/ObjekteDaten.h"
#include "forms/Schalter.h"
#include "platform/Oberflaeche.h"
#include "reports/Ergebnisse.h"
#include "scene/DrehZustand.h"

namespace {

constexpr const char* DauerDrehenFrage =
    "Vorsicht!\n\nZum Aufnehmen von Koordinaten in einen Speicher ist vorher das DauerDrehen "
    "auszuschalten!\nSoll diese Umstellung für Sie jetzt durchgeführt werden?";

// A tool window is shown as it is; its activation takes over its edits.
template <class Form>
void WerkzeugZeigen(Form& F, const char* Name) {
    F.FormActivate();
    F.Visible = true;
    Host().FensterZeigen(Name, false);
}

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

void TForm_Edits_01::WerkzeugmenueAnlegen() {
    Matrizen1.Caption = "Matrizen, Determinanten ...";
    LinAbh1.Caption = "Lineare Abhängigkeit ...";
    LGS1.Caption = "Lineare Gleichungssysteme ...";
    Vektorprodukt1.Caption = "Vektorprodukt, Spatprodukt ...";
    Matrizen1.OnClick = [this] { Matrizen1Click(); };
    LinAbh1.OnClick = [this] { LinAbh1Click(); };
    LGS1.OnClick = [this] { LGS1Click(); };
    Vektorprodukt1.OnClick = [this] { Vektorprodukt1Click(); };
}

void TForm_Edits_01::Matrizen1Click() { WerkzeugZeigen(Form_Matrizen, "Form_Matrizen"); }
void TForm_Edits_01::LinAbh1Click() { WerkzeugZeigen(Form_LaLua, "Form_LaLua"); }
void TForm_Edits_01::LGS1Click() { WerkzeugZeigen(Form_LGS, "Form_LGS"); }
void TForm_Edits_01::Vektorprodukt1Click() { WerkzeugZeigen(Form_VektProd, "Form_VektProd"); }
