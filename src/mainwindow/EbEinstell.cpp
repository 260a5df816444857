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
    TEinstellFenster::FormCreate();
}

std::vector<TEinstellFeld> TForm_EbEinstell::Felder() {
    using A = TEinstellFeld::TArt;
    std::vector<TEinstellFeld> v{{.Art = A::Text, .Beschriftung = &Label1},
                                 {.Art = A::Rollbalken, .Element = &ScrollBar1, .Beschriftung = &Label2,
                                  .Name = "ScrollBar1"}};
    for (int Nr = 1; Nr <= 2; ++Nr)
        v.push_back({.Art = A::Auswahl, .Element = Nr == 1 ? &RadioGroup1 : &RadioGroup2,
                     .Lesen = [Nr] { return int(Ebene[Nr].Darstellungsart); },
                     .Schreiben = [Nr](int i) { Ebene[Nr].Darstellungsart = static_cast<Byte>(i); },
                     // The square with its grid costs the hidden-line pass more lines.
                     .Danach = [] { Form_Edits_01.SichtbarkeitAktualisieren(); }, .Daneben = Nr == 2});
    return v;
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
