#pragma once
// The matrix calculator: three matrices M1, M2, M3 and two vectors V1, V2
// typed into cells, their products, inverses, transposes, determinants and
// matrix-vector products into the result matrix MErg and the result vector
// VErg, which take no typing and can be taken over as an input. Operations
// read the stored numbers, which follow every change of an input cell.

#include "forms/Speichermenue.h"
#include "platform/Komponenten.h"
#include "platform/Vektortypen.h"

struct TForm_Matrizen : TFormZustand {
    TForm_Matrizen();  // captions and start texts

    // Matrix number m: 1..3 for M1..M3, Erg for MErg; vector number v: 1, 2
    // for V1, V2, VErgNr for VErg.
    static constexpr int Erg = 4;
    static constexpr int VErgNr = 3;

    TEdit M1_11, M1_12, M1_13, M1_21, M1_22, M1_23, M1_31, M1_32, M1_33;
    TEdit M2_11, M2_12, M2_13, M2_21, M2_22, M2_23, M2_31, M2_32, M2_33;
    TEdit M3_11, M3_12, M3_13, M3_21, M3_22, M3_23, M3_31, M3_32, M3_33;
    TEdit MErg_11, MErg_12, MErg_13, MErg_21, MErg_22, MErg_23, MErg_31, MErg_32, MErg_33;
    TEdit V1_x, V1_y, V1_z, V2_x, V2_y, V2_z, VErg_x, VErg_y, VErg_z;
    TLabel Label_Ergebnismatrix, Label_Ergebnisvektor;
    TPanel Panel1;  // the last determinant

    TFeld<TButton, 1, 9> But_Produkt;    // "M1 x M1" .. "M3 x M3", row by row
    TFeld<TButton, 1, 3> But_MalMErg;    // "M1xMErg" .. "M3xMErg"
    TFeld<TButton, 1, 4> But_Inverse;    // "Inverse(M1)" .. "Inverse(MErg)"
    TFeld<TButton, 1, 4> But_Transp;     // "Transp(M1)" .. "Transp(MErg)"
    TFeld<TButton, 1, 4> But_Det;        // "Det(M1)" .. "Det(MErg)"
    TFeld<TButton, 1, 8> But_MalVektor;  // "M1 x V1" .. "MErg x V1", "M1 x V2" .. "MErg x V2"
    TFeld<TButton, 1, 3> But_AlsM;       // "als M1" .. "als M3"
    TFeld<TButton, 1, 2> But_AlsV;       // "als V 1", "als V 2"
    TButton But_Hilfe;

    TSpeicherMenue PopupMenu_InSpeicher;

    TMatrix33 M1, M2, M3, MErg;
    TVek_R3 V1, V2, VErg;

    TEdit& Zelle(int m, int i, int j);  // row i, column j of matrix m
    TEdit& VZelle(int v, int k);        // component k (1..3) of vector v
    TMatrix33& Matrix(int m);
    TVek_R3& Vektor(int v);
    // The result cells: read-only, no leave check.
    bool IstErgebnisZelle(const TEdit& E) const;

    void FormCreate();
    void FormActivate();
    // Input cells: the value on every change, the range when left.
    void ZelleChange(TEdit& E);
    void ZelleExit(TEdit& E);
    // A left click on a result cell.
    void ErgebnisZelleClick();
    // A right click on any cell: its column becomes the popup's target.
    bool ZelleRechtsklick(TEdit& E);

    void ProduktClick(int m1, int m2);  // MErg := matrix m1 · matrix m2
    void InverseClick(int m);
    void TranspClick(int m);
    void DetClick(int m);
    void MalVektorClick(int m, int v);  // VErg := matrix m · vector v
    void AlsMatrixClick(int m);         // matrix m := MErg
    void AlsVektorClick(int v);         // vector v := VErg
    void HilfeClick();
    void BerechnEinfuegenClick();
};

inline TForm_Matrizen Form_Matrizen;
