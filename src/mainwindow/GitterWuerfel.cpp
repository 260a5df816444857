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
    Edit_AnzGitterLinien.OnChange = [this] { Edit_AnzGitterLinienChange(); };
    AnzahlLesen();
    TEinstellFenster::FormCreate();
}

void TForm_GitterWuerfelMax::FormShow() {
    AnzahlLesen();
    Anzeigen();
}

std::vector<TEinstellFeld> TForm_GitterWuerfelMax::Felder() {
    using A = TEinstellFeld::TArt;
    std::vector<TEinstellFeld> v;
    for (int w = 1; w <= 6; ++w)
        v.push_back({.Art = A::Schalter, .Element = &WandBox(w), .Lesen = [w] { return int(GitterWaende[w]); },
                     .Schreiben = [w](int an) { GitterWaende[w] = an != 0; }, .Spalten = 2, .Block = 1,
                     .Rahmen = "Wände mit Gitter"});
    v.push_back({.Art = A::Zahlfeld, .Element = &Edit_AnzGitterLinien, .Beschriftung = &Label1, .Name = "Edit_AnzGitterLinien"});
    v.push_back({.Art = A::Linienstil, .Element = &RadioGroup1, .Lesen = [] { return int(NetzLinienStil); },
                 .Schreiben = [](int s) { NetzLinienStil = static_cast<Byte>(s); }});
    v.push_back({.Art = A::Linienstil, .Element = &RadioGroup2, .Lesen = [] { return int(RandLinienStil); },
                 .Schreiben = [](int s) { RandLinienStil = static_cast<Byte>(s); }, .Daneben = true});
    v.push_back({.Art = A::Farbe, .Element = &Button_Farbe, .Farbfeld = &Panel_Farbe,
                 .FarbeLesen = [] { return MaxQuader.FarbeGitterwaende; },
                 .FarbeSchreiben = [](TColor c) { MaxQuader.FarbeGitterwaende = c; }});
    return v;
}

void TForm_GitterWuerfelMax::Edit_AnzGitterLinienChange() {
    const int vorher = AnzGitterLinien;
    if (AnzahlLesen() == PruefErgebnis::Gueltig && AnzGitterLinien != vorher) SzeneZeichnen();
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
