// The main window's menu "Einstellungen": its settings windows and the
// colours that belong to no object; and the colour panels beside the
// objects' switches, which change an object's colour.

#include "forms/AchsenWuerfel.h"
#include "forms/Differenzvektoren.h"
#include "forms/DrStrEinst.h"
#include "forms/EbEinstell.h"
#include "forms/Fluchtstr.h"
#include "forms/GitterWuerfel.h"
#include "forms/Hauptfenster.h"
#include "forms/Normalenvektoren.h"
#include "forms/ProjSpurGeraden.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "control/Farbsets.h"
#include "scene/Objekte.h"
#include "view3d/ObjektGeometrie.h"
#include "view3d/Zeichnen.h"

namespace {

// A settings window opens with its controls from the current settings.
template <class TForm>
void Oeffnen(TForm& F) {
    F.FormShow();
    EinstellFensterZeigen(F);
}

}  // namespace

void TForm_Edits_01::EinstellungenAnlegen() {
    struct Punkt {
        TMenuItem TForm_Edits_01::*Menue;
        const char* Caption;
        void (*Klick)();
    };
    const Punkt Punkte[] = {
        {&TForm_Edits_01::GitterWuerfelEinst, "Gitter des Achsen-Würfels ...", [] { Oeffnen(Form_GitterWuerfelMax); }},
        {&TForm_Edits_01::AchsenWuerfelEinst, "Achsen-Würfel ...", [] { Oeffnen(Form_AchsenWuerfel); }},
        {&TForm_Edits_01::FluchtstreckenEinst, "Fluchtstrecken ...", [] { Oeffnen(Form_Fluchtstr); }},
        {&TForm_Edits_01::DrehstreckenEinst, "Drehstrecken ...", [] { Form_Edits_01.DrStrEinstClick(); }},
        {&TForm_Edits_01::NormalenvektorenEinst, "Normalenvektoren ...", [] { Oeffnen(Form_Normalenvektoren); }},
        {&TForm_Edits_01::EbenenEinst, "Darstellung der Ebenen ...", [] { Oeffnen(Form_EbEinstell); }},
        {&TForm_Edits_01::ProjSpurGeradenEinst, "Projektions- und Spurgeraden ...", [] { Oeffnen(Form_ProjSpurGeraden); }},
        {&TForm_Edits_01::DifferenzvektorenEinst, "Differenzvektoren ...", [] { Oeffnen(Form_Differenzvektoren); }},
        {&TForm_Edits_01::FarbeHintergrund1, "Hintergrund ...", [] { Form_Edits_01.FarbeHintergrund1Click(); }},
        {&TForm_Edits_01::FarbeAchsen1, "Achsen ...", [] { Form_Edits_01.FarbeAchsen1Click(); }},
        {&TForm_Edits_01::FarbeStuetzvektoren1, "Differenzvektoren ...", [] { Form_Edits_01.FarbeStuetzvektoren1Click(); }},
        {&TForm_Edits_01::FarbeGitterwaende1, "Gitterwände ...", [] { Form_Edits_01.FarbeGitterwaende1Click(); }},
    };
    for (const Punkt& p : Punkte) {
        TMenuItem& m = this->*p.Menue;
        m.Caption = p.Caption;
        m.OnClick = p.Klick;
    }
    for (int Nr = 1; Nr <= ObjektAnzahl; ++Nr)
        Pan_Farbe(Nr).Hint = "Farbe von " + But_sichtb(Nr).Caption + " wählen";
}

void TForm_Edits_01::Pan_FarbeClick(int Nr) {
    TColor Farbe = ObjektFarbe(Nr);
    if (!FarbeWaehlen("Farbe von " + But_sichtb(Nr).Caption, Farbe)) return;
    ObjektFarbeSetzen(Nr, Farbe);
    FarbPanelsSetzen();
    SzeneZeichnen();
}

void TForm_Edits_01::FarbeHintergrund1Click() {
    if (!FarbeWaehlen("Farbe des Hintergrundes", FarbeHintergrund)) return;
    SzeneZeichnen();
}

void TForm_Edits_01::FarbeAchsen1Click() {
    TColor Farbe = AchsenKreuz.Farbe;
    if (!FarbeWaehlen("Farbe der Achsen", Farbe)) return;
    AchsenFarbeSetzen(Farbe);
    SzeneZeichnen();
}

void TForm_Edits_01::FarbeStuetzvektoren1Click() {
    if (!FarbeWaehlen("Farbe der Differenzvektoren", FarbeStuetzvektoren)) return;
    SzeneZeichnen();
}

void TForm_Edits_01::FarbeGitterwaende1Click() {
    if (!FarbeWaehlen("Farbe der Gitterwände", MaxQuader.FarbeGitterwaende)) return;
    SzeneZeichnen();
}
