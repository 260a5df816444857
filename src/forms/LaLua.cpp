#include "forms/LaLua.h"

#include <cassert>

TForm_LaLua::TForm_LaLua() {
    Caption = "linear abhängig - linear unabhängig";
    const char* const Starttexte[9] = {"3", "4", "-2", "0", "-1,5", "0", "6", "8", "-4"};
    for (int i = 1; i <= 9; ++i) Feld(i).SetTextStill(Starttexte[i - 1]);
    Label1.Caption = "v 1:";
    Label2.Caption = "v 2:";
    Label3.Caption = "v 3:";
}

TEdit& TForm_LaLua::Feld(int i) {
    TEdit* const Felder[9] = {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5, &Edit6, &Edit7, &Edit8, &Edit9};
    assert(i >= 1 && i <= 9);
    return *Felder[i - 1];
}

TVek_R3& TForm_LaLua::Vektor(int k) {
    assert(k >= 1 && k <= 3);
    return k == 1 ? v1 : k == 2 ? v2 : v3;
}
