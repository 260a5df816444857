#include "forms/GitterWuerfel.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "scene/Stilindex.h"
#include "forms/Schalter.h"
#include "geometry/Eingabe.h"
#include "mainwindow/Einstellungen.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

namespace {

// Any count below 1 draws the borders only, any negative one no lines: far
// below is the same and still fits an int.
constexpr Extended KleinsteAnzahl = -1000;

}  // namespace

TCheckBox& TForm_GitterWuerfelMax::WandBox(int Nr) {
    switch (Nr) {
        case 1: return CheckBox1;
        case 2: return CheckBox2;
        case 3: return CheckBox3;
        case 4: return CheckBox4;
        case 5: return CheckBox5;
        default: assert(Nr == 6); return CheckBox6;
    }
}

PruefErgebnis TForm_GitterWuerfelMax::AnzahlLesen() {
    Extended n = 0;
    if (!ZahlLesen(Edit_AnzGitterLinien.Text(), n) || n != std::floor(n)) return PruefErgebnis::Unfertig;
    if (n > 20) {
        MeldungZeigen(GitterLinienMeldung);
        Edit_AnzGitterLinien.SetFocus();
        Edit_AnzGitterLinien.SelectAll();
        return PruefErgebnis::Abgelehnt;
    }
    AnzGitterLinien = static_cast<int>(std::max(n, KleinsteAnzahl));
    return PruefErgebnis::Gueltig;
}

void TForm_GitterWuerfelMax::FormCreate() {
    for (int w = 1; w <= 6; ++w) WandBox(w).OnClick = [this, w] { CheckBoxClick(w); };
    Edit_AnzGitterLinien.OnChange = [this] { Edit_AnzGitterLinienChange(); };
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    RadioGroup2.OnClick = [this] { RadioGroup2Click(); };
    Button_Farbe.OnClick = [this] { Button_FarbeClick(); };
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
    AnzahlLesen();
    Anzeigen();
}

void TForm_GitterWuerfelMax::FormShow() {
    AnzahlLesen();
    Anzeigen();
}

void TForm_GitterWuerfelMax::Anzeigen() {
    for (int w = 1; w <= 6; ++w) WandBox(w).Checked = GitterWaende[w];
    RadioGroup1.ItemIndex = LinienstilZuIndex(NetzLinienStil);
    RadioGroup2.ItemIndex = LinienstilZuIndex(RandLinienStil);
    FarbfeldSetzen(Panel_Farbe, MaxQuader.FarbeGitterwaende);
}

void TForm_GitterWuerfelMax::CheckBoxClick(int Nr) {
    GitterWaende[Nr] = WandBox(Nr).Checked;
    SzeneZeichnen();
}

void TForm_GitterWuerfelMax::Edit_AnzGitterLinienChange() {
    const int vorher = AnzGitterLinien;
    if (AnzahlLesen() == PruefErgebnis::Gueltig && AnzGitterLinien != vorher) SzeneZeichnen();
}

void TForm_GitterWuerfelMax::RadioGroup1Click() {
    NetzLinienStil = IndexZuLinienstil(static_cast<Byte>(RadioGroup1.ItemIndex));
    SzeneZeichnen();
}

void TForm_GitterWuerfelMax::RadioGroup2Click() {
    RandLinienStil = IndexZuLinienstil(static_cast<Byte>(RadioGroup2.ItemIndex));
    SzeneZeichnen();
}

void TForm_GitterWuerfelMax::Button_FarbeClick() {
    if (!FarbeWaehlen("Farbe des Gitter-Hintergrundes", MaxQuader.FarbeGitterwaende)) return;
    Anzeigen();
    SzeneZeichnen();
}

bool TForm_GitterWuerfelMax::FormCloseQuery() {
    switch (AnzahlLesen()) {
        case PruefErgebnis::Abgelehnt: return false;
        // No whole number: the field shows the number in use again.
        case PruefErgebnis::Unfertig: Edit_AnzGitterLinien.SetTextStill(std::to_string(AnzGitterLinien)); break;
        case PruefErgebnis::Gueltig: break;
    }
    for (int w = 1; w <= 6; ++w) GitterWaende[w] = WandBox(w).Checked;
    SzeneZeichnen();
    return true;
}

void TForm_GitterWuerfelMax::BitBtn_OkClick() {
    if (FormCloseQuery()) EinstellFensterVerbergen(*this);
}
