#include "forms/VektProd.h"

#include <cassert>
#include <utility>

TForm_VektProd::TForm_VektProd() : PopupMenu_InSpeicher(VektProdMenueTexte) {
    Caption = "   Vektorprodukt";
    const char* const Starttexte[9] = {"2", "-3", "0", "-1,5", "3", "0,468", "0", "-1", "2"};
    for (int i = 1; i <= 9; ++i) Feld(i).SetTextStill(Starttexte[i - 1]);
    for (auto [L, t] : {std::pair{&Label_a, "a"}, {&Label_b, "b"}, {&Label_c, "c"}, {&Label_aPrv, "a"},
                        {&Label_bPrv, "b"}, {&Label_aSPProd, "a"}, {&Label_bSPProd, "b"}, {&Label_cSPProd, "c"}})
        L->Caption = t;
}

TEdit& TForm_VektProd::Feld(int i) {
    TEdit* const Felder[9] = {&Edit_ax, &Edit_ay, &Edit_az, &Edit_bx, &Edit_by,
                              &Edit_bz, &Edit_cx, &Edit_cy, &Edit_cz};
    assert(i >= 1 && i <= 9);
    return *Felder[i - 1];
}
