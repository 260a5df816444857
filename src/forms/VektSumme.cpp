#include "forms/VektSumme.h"

#include <cassert>

TForm_VektSumme::TForm_VektSumme() : PopupMenu_InSpeicher(VektSummeMenueTexte) {
    Caption = "   Vektorsummen";
    for (int i = 16; i <= 18; ++i) {
        Feld(i).ReadOnly = true;
        Feld(i).Color = ErgebnisFarbe;
    }
    const char* const Namen[3] = {"v1", "v2", "v3"};
    for (int k = 1; k <= 3; ++k) {
        TSpeedButton& B = Summandknopf(k);
        B.Caption = Namen[k - 1];
        B.GroupIndex = k;
        B.AllowAllUp = true;
        B.Enabled = false;
    }
    But_VSummeBestimm.Caption = "Vektorsummanden neu";
}

TEdit& TForm_VektSumme::Feld(int i) {
    TEdit* const Felder[18] = {&Edit_v1x,    &Edit_v1y,    &Edit_v1z,    &Edit_v2x,  &Edit_v2y,  &Edit_v2z,
                               &Edit_v3x,    &Edit_v3y,    &Edit_v3z,    &Edit_KoefV1, &Edit_KoefV2, &Edit_KoefV3,
                               &Edit_v4Ax,   &Edit_v4Ay,   &Edit_v4Az,   &Edit_v4x,  &Edit_v4y,  &Edit_v4z};
    assert(i >= 1 && i <= 18);
    return *Felder[i - 1];
}

TSpeedButton& TForm_VektSumme::Summandknopf(int k) {
    assert(k >= 1 && k <= 3);
    return k == 1 ? But_neu_v1 : k == 2 ? But_Neu_V2 : But_Neu_V3;
}

TPanel& TForm_VektSumme::Farbfeld(int k) {
    assert(k >= 1 && k <= 4);
    return k == 1 ? Panel_v1 : k == 2 ? Panel_v2 : k == 3 ? Panel_v3 : Panel_v4;
}
