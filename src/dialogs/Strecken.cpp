#include "dialogs/Strecken.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "scene/Objekte.h"

TForm_Strecken::TForm_Strecken() {
    Caption = "Strecken";
    for (int i = 1; i <= 4; ++i) GitterAnlegen(Gitter(i), 2, 4, 0, 1, {"A", "B"});
    GroupStiftAnlegen(GroupStift);
    GroupStift.ItemIndex = 1;  // width 2
    GroupStilAnlegen(GroupStil);
}

TStringGrid& TForm_Strecken::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

void TForm_Strecken::FormCreate() {
    struct { const char* A[3]; const char* B[3]; } start[4] = {
        {{"-8", "-8", "-8"}, {"-8", "-4", "-4"}},
        {{"-4", "6", "-4"}, {"4", "6", "4"}},
        {{"6", "-6", "-2"}, {"6", "2", "-2"}},
        {{"-6", "0", "6"}, {"0", "-6", "6"}},
    };
    for (int i = 1; i <= 4; ++i) {
        const auto& s = start[i - 1];
        SpalteSetzen(Gitter(i), 0, 1, s.A[0], s.A[1], s.A[2]);
        SpalteSetzen(Gitter(i), 1, 1, s.B[0], s.B[1], s.B[2]);
    }
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
}

void TForm_Strecken::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Strecke[AktStrecke].Stiftbreite = GroupStift.ItemIndex + 1;
    NachAttributNeuZeichnen();
}

void TForm_Strecken::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Strecke[AktStrecke].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}
