#include "forms/LGS.h"

#include <cassert>

TForm_LGS::TForm_LGS() : PopupMenu_InSpeicher(LGSMenueTexte) {
    Caption = "   Lineare Gleichungssysteme";
    const char* const Starttexte[12] = {"4", "0", "-1", "0", "0", "0", "4", "0", "0", "3", "3", "-1,08"};
    for (int i = 1; i <= 12; ++i) Feld(i).SetTextStill(Starttexte[i - 1]);
}

TEdit& TForm_LGS::Feld(int i) {
    TEdit* const Felder[12] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6,
                               &Edit7, &Edit8, &Edit9, &Edit10, &Edit11, &Edit12};
    assert(i >= 1 && i <= 12);
    return *Felder[i - 1];
}

Extended& TForm_LGS::Wert(int i) {
    assert(i >= 1 && i <= 12);
    const int Zeile = (i - 1) % 3 + 1, Spalte = (i - 1) / 3 + 1;
    if (Spalte == 4) return Zeile == 1 ? b.x : Zeile == 2 ? b.y : b.z;
    return A(Zeile, Spalte);
}
