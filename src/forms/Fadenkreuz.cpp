#include "forms/Fadenkreuz.h"

#include "forms/Gitter.h"

TForm_Fadenkreuz::TForm_Fadenkreuz() {
    Caption = "Fadenkreuz";
    GitterAnlegen(StringGrid1, 1, 4, 0, 1, {"Mittelp."});
    GroupStilAnlegen(GroupStil, "gepunktet");
    GroupStil.ItemIndex = 1;  // the crosshair starts dotted
    const char* Texte[6] = {"-x", "+x", "-y", "+y", "-z", "+z"};
    for (int c = 1; c <= 6; ++c) VerschiebeKnopf(c).Caption = Texte[c - 1];
}

TSpeedButton& TForm_Fadenkreuz::VerschiebeKnopf(int Code) {
    assert(Code >= 1 && Code <= 6);
    TSpeedButton* k[] = {&But_Xmin, &But_Xplus, &But_Ymin, &But_Yplus, &But_Zmin, &But_Zplus};
    return *k[Code - 1];
}
