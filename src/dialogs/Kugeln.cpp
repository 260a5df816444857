#include "dialogs/Kugeln.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "scene/Objekte.h"
#include "view3d/Ansicht.h"

namespace {
const char* const KnopfTexte[9] = {"25", "13", "9", "7", "5", "12", "6", "4", "2"};
const Byte Dichten[9] = {24, 12, 8, 6, 4, 24, 12, 8, 4};
}  // namespace

TForm_Kugeln::TForm_Kugeln() {
    Caption = "Kugeln";
    for (int i = 1; i <= 4; ++i) {
        TStringGrid& g = Gitter(i);
        GitterAnlegen(g, 2, 4, 1, 1, {"", "Mittelp."});
        SpalteSetzen(g, 0, 1, "x", "y", "z");
    }
    GroupStilAnlegen(GroupStil);
    for (int n = 1; n <= 9; ++n) {
        Knopf(n).Caption = KnopfTexte[n - 1];
        Knopf(n).GroupIndex = n <= 5 ? 1 : 2;
    }
    SpeedButton2.Down = true;  // 12 latitude rings
    SpeedButton6.Down = true;  // 24 meridians
}

TStringGrid& TForm_Kugeln::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

TSpeedButton& TForm_Kugeln::Knopf(int Nr) {
    assert(Nr >= 1 && Nr <= 9);
    TSpeedButton* k[] = {&SpeedButton1, &SpeedButton2, &SpeedButton3, &SpeedButton4, &SpeedButton5,
                         &SpeedButton6, &SpeedButton7, &SpeedButton8, &SpeedButton9};
    return *k[Nr - 1];
}

void TForm_Kugeln::FormCreate() {
    // Four spheres in four corners of the axes cube, well apart.
    struct { const char* M[3]; Extended r; } start[4] = {
        {{"4", "4", "4"}, 2.0L},
        {{"-4", "4", "-4"}, 2.5L},
        {{"-4", "-4", "4"}, 2.0L},
        {{"4", "-4", "-4"}, 1.5L},
    };
    for (int i = 1; i <= 4; ++i) {
        SpalteSetzen(Gitter(i), 1, 1, start[i - 1].M[0], start[i - 1].M[1], start[i - 1].M[2]);
        Kugel[i].Radius = start[i - 1].r;
    }
    Edit_Radius.SetTextStill("2");
    GroupStil.OnClick = [this] { GroupStilClick(); };
    for (int n = 1; n <= 9; ++n) Knopf(n).OnClick = [this, n] { SpeedButtonClick(n); };
}

void TForm_Kugeln::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Kugel[AktKugel].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    if (!ErsteAktivierung) NachAttributNeuZeichnen();
}

void TForm_Kugeln::SpeedButtonClick(int Nr) {
    if (Nr < 1 || Nr > 9) return;
    const int von = Nr <= 5 ? 1 : 6, bis = Nr <= 5 ? 5 : 9;
    for (int k = von; k <= bis; ++k) Knopf(k).Down = (k == Nr);
    if (Nr <= 5)
        Kugel[AktKugel].Breitenkreise = Dichten[Nr - 1];
    else
        Kugel[AktKugel].Laengenkreise = Dichten[Nr - 1];
    NachAttributNeuZeichnen();
}
