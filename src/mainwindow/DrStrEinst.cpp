#include "forms/DrStrEinst.h"

#include "scene/Stilindex.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

void TForm_DrStrEinst::FormCreate() {
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    RadioGroup2.OnClick = [this] { RadioGroup2Click(); };
    Button_Farbe.OnClick = [this] { Button_FarbeClick(); };
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
    Anzeigen();
}

void TForm_DrStrEinst::FormShow() { Anzeigen(); }

void TForm_DrStrEinst::Anzeigen() {
    if (DrehstreckeBreite >= 1 && DrehstreckeBreite <= 4) RadioGroup1.ItemIndex = DrehstreckeBreite - 1;
    RadioGroup2.ItemIndex = LinienstilZuIndex(DrehstreckeStil);
    FarbfeldSetzen(Panel_Farbe, DrehstreckeFarbe);
    CheckBox1.Checked = DrehstreckeWinkelZeigen;
    WinkelGroesseZeigen(ComboBox1, DrehstreckeWinkelGroesse);
    ComboBox1.Enabled = DrehstreckeWinkelZeigen;
}

void TForm_DrStrEinst::RadioGroup1Click() {
    DrehstreckeBreite = RadioGroup1.ItemIndex + 1;
    SzeneZeichnen();
}

void TForm_DrStrEinst::RadioGroup2Click() {
    DrehstreckeStil = IndexZuLinienstil(static_cast<Byte>(RadioGroup2.ItemIndex));
    SzeneZeichnen();
}

void TForm_DrStrEinst::Button_FarbeClick() {
    if (!FarbeWaehlen("Farbe der Drehstrecken", DrehstreckeFarbe)) return;
    Anzeigen();
    SzeneZeichnen();
}

void TForm_DrStrEinst::CheckBox1Click() {
    DrehstreckeWinkelZeigen = CheckBox1.Checked;
    Anzeigen();
    SzeneZeichnen();
}

void TForm_DrStrEinst::ComboBox1Change() {
    if (!WinkelGroesseLesen(ComboBox1, DrehstreckeWinkelGroesse)) return;
    SzeneZeichnen();
}

void TForm_DrStrEinst::BitBtn_OkClick() { EinstellFensterVerbergen(*this); }
