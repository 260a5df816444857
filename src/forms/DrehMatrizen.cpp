#include "forms/DrehMatrizen.h"

namespace {

using Zellen = TEdit TForm_Dreh_Matrizen::*;

constexpr Zellen AktZellen[9] = {
    &TForm_Dreh_Matrizen::Makt_11, &TForm_Dreh_Matrizen::Makt_12, &TForm_Dreh_Matrizen::Makt_13,
    &TForm_Dreh_Matrizen::Makt_21, &TForm_Dreh_Matrizen::Makt_22, &TForm_Dreh_Matrizen::Makt_23,
    &TForm_Dreh_Matrizen::Makt_31, &TForm_Dreh_Matrizen::Makt_32, &TForm_Dreh_Matrizen::Makt_33};
constexpr Zellen GesZellen[9] = {
    &TForm_Dreh_Matrizen::Mges_11, &TForm_Dreh_Matrizen::Mges_12, &TForm_Dreh_Matrizen::Mges_13,
    &TForm_Dreh_Matrizen::Mges_21, &TForm_Dreh_Matrizen::Mges_22, &TForm_Dreh_Matrizen::Mges_23,
    &TForm_Dreh_Matrizen::Mges_31, &TForm_Dreh_Matrizen::Mges_32, &TForm_Dreh_Matrizen::Mges_33};

}  // namespace

TForm_Dreh_Matrizen::TForm_Dreh_Matrizen() {
    Caption = "   Dreh-Matrizen";
    for (const Zellen* Satz : {AktZellen, GesZellen})
        for (int n = 0; n < 9; ++n) {
            (this->*Satz[n]).ReadOnly = true;
            (this->*Satz[n]).Color = ErgebnisFarbe;
        }
    Label1.Caption = "Matrix zur aktuellen Drehung:";
    Label2.Caption = "Matrix zur Gesamtdrehung:";
    Label5.Caption = "Eingaben in diese Zellen sind nicht möglich!";
    Label6.Caption = "Die Dreh-Matrizen werden angezeigt, wenn Sie eine Drehung aktivieren.";
    Label9.Caption = "im Drehblock (rechtes Einstellfenster) löschen!";
}

TEdit& TForm_Dreh_Matrizen::Makt(int i, int j) {
    assert(i >= 1 && i <= 3 && j >= 1 && j <= 3);
    return this->*AktZellen[(i - 1) * 3 + (j - 1)];
}

TEdit& TForm_Dreh_Matrizen::Mges(int i, int j) {
    assert(i >= 1 && i <= 3 && j >= 1 && j <= 3);
    return this->*GesZellen[(i - 1) * 3 + (j - 1)];
}
