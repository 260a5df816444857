#include "forms/Einstellfenster.h"

#include <cmath>

#include "platform/Zahltext.h"

void WinkelGroessenAnlegen(TComboBox& C) {
    C.Items = {"0,1", "0,2", "0,3", "0,5", "0,75", "1", "1,5", "2"};
    C.ItemIndex = -1;
    C.Text.clear();
}

void WinkelGroesseZeigen(TComboBox& C, Extended Groesse) {
    C.ItemIndex = -1;
    C.Text.clear();
    for (std::size_t i = 0; i < C.Items.size(); ++i) {
        Extended v = 0;
        if (ZahlLesen(C.Items[i], v) && std::fabs(v - Groesse) < 1e-9L) {
            C.ItemIndex = static_cast<int>(i);
            C.Text = C.Items[i];
            return;
        }
    }
}

bool WinkelGroesseLesen(const TComboBox& C, Extended& Groesse) {
    if (C.ItemIndex < 0 || C.ItemIndex >= static_cast<int>(C.Items.size())) return false;
    return ZahlLesen(C.Items[static_cast<std::size_t>(C.ItemIndex)], Groesse);
}
