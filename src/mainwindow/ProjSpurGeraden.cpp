#include "forms/ProjSpurGeraden.h"

#include "mainwindow/Einstellungen.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

namespace {

TGerade& Linie(int Nr) { return Nr <= 6 ? Projektionsgeraden[Nr] : Spurgeraden[Nr - 6]; }

}  // namespace

void TForm_ProjSpurGeraden::FormCreate() {
    for (int Nr = 1; Nr <= 12; ++Nr) Box(Nr).OnClick = [this, Nr] { CheckBoxClick(Nr); };
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
    Anzeigen();
}

void TForm_ProjSpurGeraden::FormShow() { Anzeigen(); }

void TForm_ProjSpurGeraden::Anzeigen() {
    for (int Nr = 1; Nr <= 12; ++Nr) Box(Nr).Checked = Linie(Nr).anzeigen == 1;
}

void TForm_ProjSpurGeraden::CheckBoxClick(int Nr) {
    Linie(Nr).anzeigen = Box(Nr).Checked ? 1 : 0;
    SzeneZeichnen();
}

void TForm_ProjSpurGeraden::BitBtn_OkClick() { EinstellFensterVerbergen(*this); }
