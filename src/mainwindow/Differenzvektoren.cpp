#include "forms/Differenzvektoren.h"

#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "view3d/Zeichnen.h"

namespace {

bool& Schalter(int Nr) {
    bool* const Alle[10] = {&DiffVekGH,  &DiffVekGT,  &DiffVekHT,  &DiffVekGE1, &DiffVekGE2,
                            &DiffVekHE1, &DiffVekHE2, &DiffVekTE1, &DiffVekTE2, &DiffVekE1E2};
    return *Alle[Nr - 1];
}

}  // namespace

void TForm_Differenzvektoren::FormCreate() {
    for (int Nr = 1; Nr <= 10; ++Nr) Box(Nr).OnClick = [this, Nr] { CheckBoxClick(Nr); };
    Button_Farbe.OnClick = [this] { Button_FarbeClick(); };
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
    Anzeigen();
}

void TForm_Differenzvektoren::FormShow() { Anzeigen(); }

void TForm_Differenzvektoren::Anzeigen() {
    for (int Nr = 1; Nr <= 10; ++Nr) Box(Nr).Checked = Schalter(Nr);
    FarbfeldSetzen(Panel_Farbe, FarbeStuetzvektoren);
}

void TForm_Differenzvektoren::CheckBoxClick(int Nr) {
    Schalter(Nr) = Box(Nr).Checked;
    SzeneZeichnen();
}

void TForm_Differenzvektoren::Button_FarbeClick() {
    if (!FarbeWaehlen("Farbe der Differenzvektoren", FarbeStuetzvektoren)) return;
    Anzeigen();
    SzeneZeichnen();
}

void TForm_Differenzvektoren::BitBtn_OkClick() { EinstellFensterVerbergen(*this); }
