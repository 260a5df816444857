#include "dialogs/Vektoren.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "scene/Objekte.h"

TForm_Vektoren::TForm_Vektoren() {
    Caption = "Vektoren";
    for (int i = 1; i <= 4; ++i) GitterAnlegen(Gitter(i), 2, 4, 0, 1, {"A", "Vektor"});
    GroupStiftAnlegen(GroupStift);
    GroupStift.ItemIndex = 1;  // width 2
    GroupStilAnlegen(GroupStil);
}

TStringGrid& TForm_Vektoren::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

void TForm_Vektoren::FormCreate() {
    struct { const char* A[3]; const char* v[3]; } start[4] = {
        {{"0", "0", "0"}, {"-3", "-3", "0"}},
        {{"0", "0", "0"}, {"4", "2", "3"}},
        {{"2", "-4", "1"}, {"0", "3", "3"}},
        {{"-3", "3", "-2"}, {"2", "1", "4"}},
    };
    for (int i = 1; i <= 4; ++i) {
        const auto& s = start[i - 1];
        SpalteSetzen(Gitter(i), 0, 1, s.A[0], s.A[1], s.A[2]);
        SpalteSetzen(Gitter(i), 1, 1, s.v[0], s.v[1], s.v[2]);
    }
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
}

void TForm_Vektoren::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Vektor[AktVektor].Stiftbreite = GroupStift.ItemIndex + 1;
    NachAttributNeuZeichnen();
}

void TForm_Vektoren::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Vektor[AktVektor].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}
