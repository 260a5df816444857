#include "dialogs/Ebenen.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "scene/Objekte.h"
#include "view3d/Ansicht.h"

TForm_Ebenen::TForm_Ebenen() {
    Caption = "Ebenen";
    for (int i = 1; i <= 2; ++i)
        GitterAnlegen(Gitter(i), 3, 4, 0, 1, {"Stütz-V.", "1. Richt.-V.", "2. Richt.-V."});
    GroupStiftAnlegen(GroupStift, "Stiftbreite für Ränder");
    GroupStift.ItemIndex = 1;  // E1 starts with width 2
    GroupStilAnlegen(GroupStil);
}

TStringGrid& TForm_Ebenen::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 2);
    return Nr == 1 ? StringGrid1 : StringGrid2;
}

void TForm_Ebenen::FormCreate() {
    // E1: x + y + z = 4. E2: -x + y + 4z + 4 = 0. They meet in the line
    // through (4, 0, 0) with direction (3, -5, 2).
    SpalteSetzen(StringGrid1, 0, 1, "4", "0", "0");
    SpalteSetzen(StringGrid1, 1, 1, "-4", "4", "0");
    SpalteSetzen(StringGrid1, 2, 1, "-4", "0", "4");
    SpalteSetzen(StringGrid2, 0, 1, "0", "0", "-1");
    SpalteSetzen(StringGrid2, 1, 1, "4", "0", "1");
    SpalteSetzen(StringGrid2, 2, 1, "0", "4", "-1");
    FarbeE1 = 0x00808000;  // teal
    FarbeE2 = 0x000080FF;  // orange
    WuerfelFaktor = 1.0L;
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
}

void TForm_Ebenen::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Ebene[AktEbene].Stiftbreite = static_cast<Byte>(GroupStift.ItemIndex + 1);
    NachAttributNeuZeichnen();
}

void TForm_Ebenen::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Ebene[AktEbene].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}
