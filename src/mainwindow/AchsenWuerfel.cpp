#include "forms/AchsenWuerfel.h"

#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

void TForm_AchsenWuerfel::FormCreate() {
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    Button_Farbe.OnClick = [this] { Button_FarbeClick(); };
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
    Anzeigen();
}

void TForm_AchsenWuerfel::FormShow() { Anzeigen(); }

void TForm_AchsenWuerfel::Anzeigen() {
    CheckBox1.Checked = AchsenWuerfelZeigen;
    if (MaxQuader.Stiftbreite >= 1 && MaxQuader.Stiftbreite <= 4) RadioGroup1.ItemIndex = MaxQuader.Stiftbreite - 1;
    FarbfeldSetzen(Panel_Farbe, MaxQuaderFarbe);
}

void TForm_AchsenWuerfel::CheckBox1Click() {
    AchsenWuerfelZeigen = CheckBox1.Checked;
    Form_Edits_01.AnzeigeschalterZeigen();
    SzeneZeichnen();
}

void TForm_AchsenWuerfel::RadioGroup1Click() {
    MaxQuader.Stiftbreite = RadioGroup1.ItemIndex + 1;
    SzeneZeichnen();
}

void TForm_AchsenWuerfel::Button_FarbeClick() {
    if (!FarbeWaehlen("Farbe des Achsen-Würfels", MaxQuaderFarbe)) return;
    // The recompute copies MaxQuaderFarbe into the box; the picture now.
    MaxQuader.Farbe = MaxQuaderFarbe;
    Anzeigen();
    SzeneZeichnen();
}

void TForm_AchsenWuerfel::BitBtn_OkClick() { EinstellFensterVerbergen(*this); }
