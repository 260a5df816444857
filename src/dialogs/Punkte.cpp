#include "dialogs/Punkte.h"

#include "dialogs/Gitter.h"
#include "scene/Objekte.h"

TForm_Punkte::TForm_Punkte() {
    Caption = "Punkte";
    for (int i = 1; i <= 4; ++i) {
        TStringGrid& g = Gitter(i);
        GitterAnlegen(g, 2, 3, 1, 0);
        SpalteSetzen(g, 0, 0, "x", "y", "z");
    }
    GroupStiftAnlegen(GroupStift);
    GroupStift.ItemIndex = 1;  // width 2
    CheckBox1.Caption = "mit Fadenkreuz";
}

TStringGrid& TForm_Punkte::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

void TForm_Punkte::FormCreate() {
    SpalteSetzen(StringGrid1, 1, 0, "4", "4", "0");
    SpalteSetzen(StringGrid2, 1, 0, "-4", "4", "4");
    SpalteSetzen(StringGrid3, 1, 0, "-4", "-4", "-4");
    SpalteSetzen(StringGrid4, 1, 0, "4", "-4", "4");
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    CheckBox1.OnClick = [this] { CheckBox1Click(); };
}

void TForm_Punkte::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Punkt[AktPunkt].Stiftbreite = GroupStift.ItemIndex + 1;
    NachAttributNeuZeichnen();
}

void TForm_Punkte::CheckBox1Click() {
    Punkt[AktPunkt].mitFadenkreuz = CheckBox1.Checked ? 1 : 0;
    NachAttributNeuZeichnen();
}
