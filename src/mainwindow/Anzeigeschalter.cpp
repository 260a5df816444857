// The main window's display switches: each menu item turns one part of the
// picture on or off and redraws.
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "view3d/Zeichnen.h"

namespace {

struct Schalterpunkt {
    TMenuItem TForm_Edits_01::*Punkt;
    bool* Schalter;
    const char* Caption;
};

const Schalterpunkt Schalterpunkte[] = {
    {&TForm_Edits_01::AchsenEinAus, &AchsenZeigen, "Achsen"},
    {&TForm_Edits_01::AchseneinteilungEinAus, &AchseneinteilungZeigen, "Achseneinteilung"},
    {&TForm_Edits_01::GitterEinAus, &GitterZeigen, "Gitterwände"},
    {&TForm_Edits_01::AchsenWuerfelEinAus, &AchsenWuerfelZeigen, "Achsen-Würfel"},
    {&TForm_Edits_01::FluchtstreckenEinAus, &FluchtstreckenZeigen, "Fluchtstrecken (Zentralprojektion)"},
    {&TForm_Edits_01::StRiVektEinAus, &StRiVektZeigen, "Stütz- und Richtungsvektoren"},
    {&TForm_Edits_01::NVektEinAus, &NVektZeigen, "Normalenvektoren der Ebenen"},
    {&TForm_Edits_01::SchnittpunkteEinAus, &SchnittpunkteZeigen, "Schnitt- und Durchstoßpunkte"},
    {&TForm_Edits_01::SpurpunkteEinAus, &SpurpunkteZeigen, "Spurpunkte"},
    {&TForm_Edits_01::SchnittgeradeEinAus, &SchnittgeradeZeigen, "Schnittgerade sg"},
    {&TForm_Edits_01::SpurModusEinAus, &SpurModus, "Spurmodus (alte Bilder bleiben stehen)"},
};

}  // namespace

void TForm_Edits_01::AnzeigeschalterAnlegen() {
    for (const Schalterpunkt& p : Schalterpunkte) {
        TMenuItem& m = this->*p.Punkt;
        m.Caption = p.Caption;
        bool* schalter = p.Schalter;
        m.OnClick = [this, schalter] {
            *schalter = !*schalter;
            AnzeigeschalterZeigen();
            SzeneZeichnen();
        };
    }
    AchsenwerteEinAus.OnClick = [this] {
        AchsenwerteZeigen = !AchsenwerteZeigen;
        AnzeigeschalterZeigen();
        SzeneZeichnen();
    };
    ParamDarstellungEinAus.OnClick = [this] {
        ParamDarstellungZeigen = !ParamDarstellungZeigen;
        AnzeigeschalterZeigen();
        SzeneZeichnen();
    };
    AnzeigeschalterZeigen();
}

void TForm_Edits_01::AnzeigeschalterZeigen() {
    for (const Schalterpunkt& p : Schalterpunkte) (this->*p.Punkt).Checked = *p.Schalter;
    AchsenwerteEinAus.Caption = AchsenwerteZeigen ? "Achsenwerte aus" : "Achsenwerte ein";
    ParamDarstellungEinAus.Caption =
        ParamDarstellungZeigen ? "Param.-Darstell. ausblenden" : "Param.-Darstell. einblenden";
}
