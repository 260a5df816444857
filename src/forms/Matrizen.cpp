#include "forms/Matrizen.h"

#include <cassert>
#include <string>

namespace {

using F = TForm_Matrizen;
using Zelle = TEdit F::*;

// Matrices M1, M2, M3, MErg row by row, then V1, V2, VErg.
constexpr Zelle Zellen[45] = {
    &F::M1_11,   &F::M1_12,   &F::M1_13,   &F::M1_21,   &F::M1_22,   &F::M1_23,   &F::M1_31,   &F::M1_32,   &F::M1_33,
    &F::M2_11,   &F::M2_12,   &F::M2_13,   &F::M2_21,   &F::M2_22,   &F::M2_23,   &F::M2_31,   &F::M2_32,   &F::M2_33,
    &F::M3_11,   &F::M3_12,   &F::M3_13,   &F::M3_21,   &F::M3_22,   &F::M3_23,   &F::M3_31,   &F::M3_32,   &F::M3_33,
    &F::MErg_11, &F::MErg_12, &F::MErg_13, &F::MErg_21, &F::MErg_22, &F::MErg_23, &F::MErg_31, &F::MErg_32, &F::MErg_33,
    &F::V1_x,    &F::V1_y,    &F::V1_z,    &F::V2_x,    &F::V2_y,    &F::V2_z,    &F::VErg_x,  &F::VErg_y,  &F::VErg_z};

const char* const Starttexte[45] = {
    "2", "0", "1",  "4", "0",     "3",     "5", "-2", "0",   // M1
    "1", "0", "0",  "0", "1",     "0",     "0", "0",  "1",   // M2
    "2", "3,14", "0", "60", "1,246", "0,998", "1", "1", "1",  // M3
    "0", "0", "0",  "0", "0",     "0",     "0", "0",  "0",   // MErg
    "2", "0", "-1", "1,03", "2,048", "5",  "0", "0",  "0"};  // V1, V2, VErg

std::string Name(int m) { return m == F::Erg ? "MErg" : "M" + std::to_string(m); }

}  // namespace

TForm_Matrizen::TForm_Matrizen() {
    Caption = "   Produkte Matrix-Matrix, Matrix-Vektor/    Berechnung von Determinanten";
    for (int n = 0; n < 45; ++n) (this->*Zellen[n]).SetTextStill(Starttexte[n]);
    // The result cells take no typing, and look it.
    for (int n = 27; n < 45; ++n)
        if (n < 36 || n >= 42) {
            (this->*Zellen[n]).ReadOnly = true;
            (this->*Zellen[n]).Color = ErgebnisFarbe;
        }
    Label_Ergebnismatrix.Caption = "Ergebnismatrix MErg:";
    Label_Ergebnisvektor.Caption = "Ergebnisvektor VErg:";
    Panel1.Caption = "Det(...) = ...";
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) But_Produkt[3 * (i - 1) + j].Caption = Name(i) + " x " + Name(j);
    for (int m = 1; m <= 3; ++m) But_MalMErg[m].Caption = Name(m) + "xMErg";
    for (int m = 1; m <= Erg; ++m) {
        But_Inverse[m].Caption = "Inverse(" + Name(m) + ")";
        But_Transp[m].Caption = "Transp(" + Name(m) + ")";
        But_Det[m].Caption = "Det(" + Name(m) + ")";
        for (int v = 1; v <= 2; ++v) But_MalVektor[4 * (v - 1) + m].Caption = Name(m) + " x V" + std::to_string(v);
    }
    for (int m = 1; m <= 3; ++m) But_AlsM[m].Caption = "als " + Name(m);
    for (int v = 1; v <= 2; ++v) But_AlsV[v].Caption = "als V " + std::to_string(v);
    But_Hilfe.Caption = "Hilfe";
}

TEdit& TForm_Matrizen::Zelle(int m, int i, int j) {
    assert(m >= 1 && m <= Erg && i >= 1 && i <= 3 && j >= 1 && j <= 3);
    return this->*Zellen[9 * (m - 1) + 3 * (i - 1) + (j - 1)];
}

TEdit& TForm_Matrizen::VZelle(int v, int k) {
    assert(v >= 1 && v <= VErgNr && k >= 1 && k <= 3);
    return this->*Zellen[36 + 3 * (v - 1) + (k - 1)];
}

TMatrix33& TForm_Matrizen::Matrix(int m) {
    assert(m >= 1 && m <= Erg);
    return m == 1 ? M1 : m == 2 ? M2 : m == 3 ? M3 : MErg;
}

TVek_R3& TForm_Matrizen::Vektor(int v) {
    assert(v >= 1 && v <= VErgNr);
    return v == 1 ? V1 : v == 2 ? V2 : VErg;
}

bool TForm_Matrizen::IstErgebnisZelle(const TEdit& E) const {
    for (int n = 27; n < 36; ++n)
        if (&(this->*Zellen[n]) == &E) return true;
    for (int n = 42; n < 45; ++n)
        if (&(this->*Zellen[n]) == &E) return true;
    return false;
}
