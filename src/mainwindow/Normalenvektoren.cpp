#include "forms/Normalenvektoren.h"

#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Zeichnen.h"

void TForm_Normalenvektoren::FormCreate() {
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    Button_Farbe.OnClick = [this] { Button_FarbeClick(); };
    CheckBox2.OnClick = [this] { CheckBox2Click(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
    for (int k = 1; k <= 2; ++k) Ebene[k].StiftbreiteNormalenvektor = RadioGroup1.ItemIndex + 1;
    Anzeigen();
}

void TForm_Normalenvektoren::FormShow() { Anzeigen(); }

// E1 stands for both planes: the window sets them alike.
void TForm_Normalenvektoren::Anzeigen() {
    const TEbene& E = Ebene[1];
    CheckBox1.Checked = NVektZeigen;
    if (E.StiftbreiteNormalenvektor >= 1 && E.StiftbreiteNormalenvektor <= 4)
        RadioGroup1.ItemIndex = E.StiftbreiteNormalenvektor - 1;
    FarbfeldSetzen(Panel_Farbe, E.FarbeNormalenvektor);
    CheckBox2.Checked = E.WinkelQuadrateZeichnen == 1;
    WinkelGroesseZeigen(ComboBox1, E.WinkelQuadratSeite);
    ComboBox1.Enabled = CheckBox2.Checked;
}

void TForm_Normalenvektoren::CheckBox1Click() {
    NVektZeigen = CheckBox1.Checked;
    Form_Edits_01.AnzeigeschalterZeigen();
    SzeneZeichnen();
}

void TForm_Normalenvektoren::RadioGroup1Click() {
    for (int k = 1; k <= 2; ++k) Ebene[k].StiftbreiteNormalenvektor = RadioGroup1.ItemIndex + 1;
    SzeneZeichnen();
}

void TForm_Normalenvektoren::Button_FarbeClick() {
    TColor Farbe = Ebene[1].FarbeNormalenvektor;
    if (!FarbeWaehlen("Farbe der Normalenvektoren", Farbe)) return;
    for (int k = 1; k <= 2; ++k) Ebene[k].FarbeNormalenvektor = Farbe;
    Anzeigen();
    SzeneZeichnen();
}

void TForm_Normalenvektoren::CheckBox2Click() {
    for (int k = 1; k <= 2; ++k) Ebene[k].WinkelQuadrateZeichnen = CheckBox2.Checked ? 1 : 0;
    Anzeigen();
    SzeneZeichnen();
}

void TForm_Normalenvektoren::ComboBox1Change() {
    Extended s = 0;
    if (!WinkelGroesseLesen(ComboBox1, s)) return;
    for (int k = 1; k <= 2; ++k) Ebene[k].WinkelQuadratSeite = s;
    NormalenvektorenBerechnen();
    SzeneZeichnen();
}

void TForm_Normalenvektoren::BitBtn_OkClick() { EinstellFensterVerbergen(*this); }
