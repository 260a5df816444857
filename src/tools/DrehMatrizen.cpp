#include "forms/DrehMatrizen.h"

#include <string>

#include "geometry/Vektor.h"
#include "platform/Zahltext.h"
#include "scene/DrehZustand.h"

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

void MatrixSchreiben(const TMatrix33& M, TEdit& (TForm_Dreh_Matrizen::*Zelle)(int, int)) {
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) (Form_Dreh_Matrizen.*Zelle)(i, j).SetText(ZahlFest(M(i, j), 14, 6));
}

const char* AchsBuchstabe(int Code) {
    if (Code == 1 || Code == 2) return "x";
    if (Code == 3 || Code == 4) return "y";
    if (Code == 5 || Code == 6) return "z";
    return "";  // no axis recorded (an entry is always opened with 1..6)
}

}  // namespace

TForm_Dreh_Matrizen::TForm_Dreh_Matrizen() {
    Caption = "   Dreh-Matrizen";
    for (Zellen z : AktZellen) (this->*z).ReadOnly = true;
    for (Zellen z : GesZellen) (this->*z).ReadOnly = true;
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

void TForm_Dreh_Matrizen::FormCreate() {
    NullMatrix(MAkt);
    NullMatrix(MGes);
    ZeigeAktuelleDrehmatrix();
    ZeigeDrehungenliste();
    Label8.Caption = "Sie können die Anzeige der Drehungen über den roten Punkt";
}

void TForm_Dreh_Matrizen::FormActivate() {
    if (!AchsenMitDrehen) Label7.Caption = "Drehungen ohne Koordinatenachsen";
}

void ZeigeAktuelleDrehmatrix() {
    MatrixSchreiben(MAkt, &TForm_Dreh_Matrizen::Makt);
    Form_Dreh_Matrizen.Label4.Caption = "\n" + DrehText;
}

void ZeigeGesamtDrehmatrix() {
    MatrixSchreiben(MGes, &TForm_Dreh_Matrizen::Mges);
    Form_Dreh_Matrizen.Label3.Caption = "\n" + DrehText;
}

void ZeigeDrehungenliste() {
    std::string text;
    const int n = DrehAnzahl < 20 ? DrehAnzahl : 20;
    for (int i = 1; i <= n; ++i) {
        text += "\n" + std::to_string(i) + ". Drehung: um die " + AchsBuchstabe(DrehListe[i].Achse) +
                "-Achse mit " + ZahlFest(DrehListe[i].Winkel, 7, 3) + " Grad";
    }
    Form_Dreh_Matrizen.Label4.Caption = text;
    ZeigeGesamtDrehmatrix();
}
