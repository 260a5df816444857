#include "dialogs/Spate.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "scene/Objekte.h"

TForm_Spate::TForm_Spate() {
    Caption = "Spate";
    for (int i = 1; i <= 4; ++i) GitterAnlegen(Gitter(i), 4, 4, 0, 1, {"A", "AB", "AD", "AE"});
    GroupStiftAnlegen(GroupStift);
    GroupStilAnlegen(GroupStil);
    GroupErz.Caption = "Erzeugende Vektoren";
    GroupErz.Items = {"darstellen", "nicht darstellen"};
    GroupErz.ItemIndex = 1;
}

TStringGrid& TForm_Spate::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

void TForm_Spate::FormCreate() {
    struct { const char* A[3]; const char* AB[3]; const char* AD[3]; const char* AE[3]; } start[4] = {
        {{"2", "2", "-6"}, {"4", "0", "0"}, {"0", "4", "0"}, {"0", "0", "3"}},
        {{"-6", "2", "2"}, {"3", "0", "0"}, {"1", "3", "0"}, {"0", "1", "3"}},
        {{"-7", "-7", "-7"}, {"3", "0", "0"}, {"0", "3", "0"}, {"0", "0", "3"}},
        {{"2", "-6", "2"}, {"4", "0", "0"}, {"0", "3", "0"}, {"1", "1", "4"}},
    };
    for (int i = 1; i <= 4; ++i) {
        const auto& s = start[i - 1];
        SpalteSetzen(Gitter(i), 0, 1, s.A[0], s.A[1], s.A[2]);
        SpalteSetzen(Gitter(i), 1, 1, s.AB[0], s.AB[1], s.AB[2]);
        SpalteSetzen(Gitter(i), 2, 1, s.AD[0], s.AD[1], s.AD[2]);
        SpalteSetzen(Gitter(i), 3, 1, s.AE[0], s.AE[1], s.AE[2]);
    }
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
    GroupErz.OnClick = [this] { GroupErzClick(); };
}

void TForm_Spate::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Spat[AktSpat].Stiftbreite = GroupStift.ItemIndex + 1;
    NachAttributNeuZeichnen();
}

void TForm_Spate::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Spat[AktSpat].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}

void TForm_Spate::GroupErzClick() {
    if (GroupErz.ItemIndex < 0) return;
    Spat[AktSpat].ErzeugendeZeigen = IndexZuErzFlag(static_cast<Byte>(GroupErz.ItemIndex));
    NachAttributNeuZeichnen();
}
