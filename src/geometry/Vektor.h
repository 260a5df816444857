#pragma once
// The small vector and matrix routines every other part uses on the value
// types of platform/Vektortypen.h.
//
// Routines take their inputs by value and write their out-parameters only
// after every input has been read, so a caller may pass the same variable as
// input and output (VektSumme(A, B, A)).

#include <cmath>
#include <string>

#include "platform/Typen.h"
#include "platform/Vektortypen.h"

// ---- Vectors --------------------------------------------------------------

// Defined here: they sit in the innermost loops (the hidden-line pass, the
// rotation), where a call would cost more than the arithmetic.
// sqrt(x² + y² + z²); 0 for the null vector.
inline Extended Betrag(TVek_R3 v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}
// R := -v
inline void Gegenvektor(TVek_R3 v, TVek_R3& R) {
    R = {-v.x, -v.y, -v.z};
}
// R := B - A
inline void VektorAB(TVek_R3 A, TVek_R3 B, TVek_R3& R) {
    R = {B.x - A.x, B.y - A.y, B.z - A.z};
}
// R := B - A
inline void VektorAB2D(TVek_R2 A, TVek_R2 B, TVek_R2& R) {
    R = {B.x - A.x, B.y - A.y};
}
// R := A + B
inline void VektSumme(TVek_R3 A, TVek_R3 B, TVek_R3& R) {
    R = {A.x + B.x, A.y + B.y, A.z + B.z};
}
// R := A + B
inline void VektSumme2D(TVek_R2 A, TVek_R2 B, TVek_R2& R) {
    R = {A.x + B.x, A.y + B.y};
}
// R := r·v
inline void SMultiplikation(TVek_R3 v, Extended r, TVek_R3& R) {
    R = {r * v.x, r * v.y, r * v.z};
}
// The same sum, difference and multiple as values, for use in expressions.
inline TVek_R3 Summe(TVek_R3 A, TVek_R3 B) { return {A.x + B.x, A.y + B.y, A.z + B.z}; }
inline TVek_R3 Differenz(TVek_R3 A, TVek_R3 B) { return {A.x - B.x, A.y - B.y, A.z - B.z}; }  // A - B
inline TVek_R3 Vielfaches(TVek_R3 v, Extended r) { return {r * v.x, r * v.y, r * v.z}; }

// ---- Rotations of points (angles in degrees) -------------------------------

// Q := P turned about the x- (1), y- (2) or z-axis (3) through the origin;
// any other axis leaves Q as it is.
void DrehePunktUmAchse(TVek_R3 P, int Achse, Extended Winkel, TVek_R3& Q);

// Rotation about the line through P1 and P2 (positive angle: counterclockwise
// seen from P2 towards P1). The combined matrix is built once, so a caller
// that turns many points by the same step builds one of these and applies it
// to every point; the result is the same as DrehePunktUmGerade's.
// When P1 and P2 (nearly) coincide the turn is about the parallel to the
// x-axis through P1.
struct DrehungUmGerade {
    TMatrix33 T;   // M1⁻¹·M2⁻¹·R·M2·M1
    TVek_R3 P1;
    DrehungUmGerade(Extended Winkel, TVek_R3 P1, TVek_R3 P2);
    void Anwenden(TVek_R3 P, TVek_R3& Q) const;  // Q := T·(P - P1) + P1
};

// Q := P turned about the line through P1 and P2 (the rotation axis's
// two defining points).
void DrehePunktUmGerade(TVek_R3 P, Extended Winkel, TVek_R3 P1, TVek_R3 P2, TVek_R3& Q);

// ---- 3x3 matrices ---------------------------------------------------------

void NullMatrix(TMatrix33& M);
void MatrixMalVektor(TMatrix33 M, TVek_R3 v, TVek_R3& w);   // w := M·v
// The minor of element (i, j), i and j in 1..3.
Extended Unterdeterminante(Byte i, Byte j, TMatrix33 M);
Extended Kofaktor(Byte i, Byte j, TMatrix33 M);             // (-1)^(i+j)·minor
Extended Determinante(TMatrix33 M);                          // rule of Sarrus
// R := M⁻¹ by cofactors. Callers refuse |det| <= 1e-9 first; a matrix whose
// determinant is exactly 0 leaves R untouched and gives false.
bool InverseMatrix(TMatrix33 M, TMatrix33& R);
void MatrixProdukt(TMatrix33 A, TMatrix33 B, TMatrix33& C);  // C := A·B

// ---- Rotation matrices of the whole scene ----------------------------------

// Matrix of the latest whole-scene rotation, product of all of them since the
// last reset, and the caption of the latest (at most 36 characters).
inline TMatrix33 MAkt;
inline TMatrix33 MGes;
inline std::string DrehText;
// Rotations counted into MGes (counted by the rotation of the axes cross).
inline int DrehMatrixAnzahl = 0;

// M := the elementary rotation matrix of a rotation button: codes 1/2 about x,
// 3/4 about y, 5/6 about z; odd codes turn by -Winkel. Also sets DrehText.
// Any other code writes neither M nor DrehText.
void DrehmatrixUmAchse(Byte Code, Extended Winkel, TMatrix33& M);

// Folds MAkt into MGes after the caller has counted the rotation in
// DrehMatrixAnzahl: 0 -> zero matrix, 1 -> copy of MAkt, else MAkt·MGes.
void DrehmatrixUebernehmen();
