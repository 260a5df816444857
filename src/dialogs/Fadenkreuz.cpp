#include "dialogs/Fadenkreuz.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "scene/Objekte.h"

TForm_Fadenkreuz::TForm_Fadenkreuz() {
    Caption = "Fadenkreuz";
    GitterAnlegen(StringGrid1, 1, 4, 0, 1, {"Mittelp."});
    GroupStilAnlegen(GroupStil, "gepunktet");
    GroupStil.ItemIndex = 1;  // the crosshair starts dotted
}

void TForm_Fadenkreuz::FormCreate() {
    SpalteSetzen(StringGrid1, 0, 1, "2", "2", "2");
    FadenkreuzSchrittweite = 0.1L;
    Edit1.SetTextStill("0,1");
    GroupStil.OnClick = [this] { GroupStilClick(); };
}

void TForm_Fadenkreuz::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Fadenkreuz.Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}
