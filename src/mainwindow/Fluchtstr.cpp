#include "forms/Fluchtstr.h"

#include "scene/Stilindex.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "view3d/Zeichnen.h"

void TForm_Fluchtstr::FormCreate() {
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    RadioGroup2.OnClick = [this] { RadioGroup2Click(); };
    Button_Farbe.OnClick = [this] { Button_FarbeClick(); };
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
    Anzeigen();
}

void TForm_Fluchtstr::FormShow() { Anzeigen(); }

void TForm_Fluchtstr::Anzeigen() {
    CheckBox1.Checked = FluchtstreckenZeigen;
    if (FluchtstreckenBreite >= 1 && FluchtstreckenBreite <= 4) RadioGroup1.ItemIndex = FluchtstreckenBreite - 1;
    RadioGroup2.ItemIndex = LinienstilZuIndex(FluchtstreckenStil);
    FarbfeldSetzen(Panel_Farbe, FluchtstreckenFarbe);
}

void TForm_Fluchtstr::CheckBox1Click() {
    FluchtstreckenZeigen = CheckBox1.Checked;
    Form_Edits_01.AnzeigeschalterZeigen();
    SzeneZeichnen();
}

void TForm_Fluchtstr::RadioGroup1Click() {
    FluchtstreckenBreite = static_cast<Byte>(RadioGroup1.ItemIndex + 1);
    if (FluchtstreckenBreite > 1) FluchtstreckenStil = psSolid;
    Anzeigen();
    SzeneZeichnen();
}

void TForm_Fluchtstr::RadioGroup2Click() {
    FluchtstreckenStil = IndexZuLinienstil(static_cast<Byte>(RadioGroup2.ItemIndex));
    if (FluchtstreckenStil != psSolid) FluchtstreckenBreite = 1;
    Anzeigen();
    SzeneZeichnen();
}

void TForm_Fluchtstr::Button_FarbeClick() {
    if (!FarbeWaehlen("Farbe der Fluchtstrecken", FluchtstreckenFarbe)) return;
    Anzeigen();
    SzeneZeichnen();
}

void TForm_Fluchtstr::BitBtn_OkClick() { EinstellFensterVerbergen(*this); }
