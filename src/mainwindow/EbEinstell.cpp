#include "forms/EbEinstell.h"

#include <string>

#include "forms/Hauptfenster.h"
#include "geometry/Vektor.h"
#include "mainwindow/Einstellungen.h"
#include "scene/DrehZustand.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Zeichnen.h"

void TForm_EbEinstell::FormCreate() {
    ScrollBar1.OnChange = [this] { ScrollBar1Change(); };
    RadioGroup1.OnClick = [this] { RadioGroupClick(1); };
    RadioGroup2.OnClick = [this] { RadioGroupClick(2); };
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
    Anzeigen();
}

void TForm_EbEinstell::FormShow() { Anzeigen(); }

void TForm_EbEinstell::Anzeigen() {
    Label2.Caption = std::to_string(ScrollBar1.Position());
    TRadioGroup* Gruppe[2] = {&RadioGroup1, &RadioGroup2};
    for (int k = 1; k <= 2; ++k)
        if (Ebene[k].Darstellungsart <= 2) Gruppe[k - 1]->ItemIndex = Ebene[k].Darstellungsart;
}

void TForm_EbEinstell::ScrollBar1Change() {
    Anzeigen();
    for (int k = 1; k <= 2; ++k) {
        TEbene& E = Ebene[k];
        if (AchsenMitDrehen) {
            // The plane turned with the axes: its square from the drawn,
            // turned vectors, whose foot of the perpendicular turned alike.
            const TVek_R3 S = E.StuetzvektorEnde;
            EbenenQuadratBerechnen(E, S, Differenz(E.Richtungsvektor1Ende, S), Differenz(E.Richtungsvektor2Ende, S));
        } else {
            EbenenQuadratBerechnen(E, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2);
        }
    }
    SzeneZeichnen();
}

void TForm_EbEinstell::RadioGroupClick(int Nr) {
    const TRadioGroup& R = Nr == 1 ? RadioGroup1 : RadioGroup2;
    if (R.ItemIndex < 0 || R.ItemIndex > 2) return;
    Ebene[Nr].Darstellungsart = static_cast<Byte>(R.ItemIndex);
    // The square with its grid costs the hidden-line pass more lines.
    Form_Edits_01.SichtbarkeitAktualisieren();
    SzeneZeichnen();
}

void TForm_EbEinstell::BitBtn_OkClick() { EinstellFensterVerbergen(*this); }
