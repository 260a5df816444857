#include "dialogs/Geraden_t.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "scene/Objekte.h"

TForm_Geraden_t::TForm_Geraden_t() {
    Caption = "Geraden";
    for (int i = 1; i <= 3; ++i) GitterAnlegen(Gitter(i), 2, 4, 0, 1, {"Stütz-V.", "Richt.-V."});
    GroupStiftAnlegen(GroupStift);
    GroupStilAnlegen(GroupStil);
}

TStringGrid& TForm_Geraden_t::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 3);
    return Nr == 1 ? StringGrid1 : Nr == 2 ? StringGrid2 : StringGrid3;
}

void TForm_Geraden_t::FormCreate() {
    // g and h meet in (2, 2, 1); t is parallel to h and skew to g; g pierces E2
    // inside the axes cube.
    SpalteSetzen(StringGrid1, 0, 1, "-4", "-4", "-2");
    SpalteSetzen(StringGrid1, 1, 1, "2", "2", "1");
    SpalteSetzen(StringGrid2, 0, 1, "6", "-2", "1");
    SpalteSetzen(StringGrid2, 1, 1, "-2", "2", "0");
    SpalteSetzen(StringGrid3, 0, 1, "0", "0", "5");
    SpalteSetzen(StringGrid3, 1, 1, "-2", "2", "0");
    FarbeG = 0x00FF0000;  // blue
    FarbeH = 0x00008000;  // green
    FarbeT = 0x00004080;  // brown
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
}

void TForm_Geraden_t::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    TGerade& g = Gerade[AktGerade];
    g.Stiftbreite = GroupStift.ItemIndex + 1;
    g.StiftbreiteVektor = g.Stiftbreite + 2;
    NachAttributNeuZeichnen();
}

void TForm_Geraden_t::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Gerade[AktGerade].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}
