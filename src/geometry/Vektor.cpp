#include "geometry/Vektor.h"

#include <cmath>

#include "platform/Zahltext.h"

void DrehePunktUmAchse(TVek_R3 P, int Achse, Extended Winkel, TVek_R3& Q) {
    if (Achse < 1 || Achse > 3) return;
    const Extended a = Winkel * GradZuBogen;
    const Extended c = std::cos(a), s = std::sin(a);
    TVek_R3 E;
    switch (Achse) {
        case 1: E = {P.x, c * P.y - s * P.z, s * P.y + c * P.z}; break;
        case 2: E = {c * P.x + s * P.z, P.y, -s * P.x + c * P.z}; break;
        default: E = {c * P.x - s * P.y, s * P.x + c * P.y, P.z}; break;
    }
    Q = E;
}

// The combined matrix is formed exactly as the rotation routine always did
// (inverses by cofactors, factors multiplied in from the left one by one),
// so turned coordinates stay identical to the last digit.
DrehungUmGerade::DrehungUmGerade(Extended Winkel, TVek_R3 A, TVek_R3 B) : P1(A) {
    const TVek_R3 w = Differenz(B, A);

    const Extended q = w.x * w.x + w.z * w.z;
    Extended c1 = 1, s1 = 0;
    if (q > Toleranz) {
        c1 = w.x / std::sqrt(q);
        s1 = w.z / std::sqrt(q);
    }
    const Extended L = Betrag(w);
    const Extended t = w.x * w.x + w.y * w.y + w.z * w.z;
    Extended c2 = 1, s2 = 0;
    if (t > Toleranz) {
        c2 = std::sqrt(q) / L;
        s2 = w.y / L;
    }

    TMatrix33 M1, M2, R;
    M1(1, 1) = c1;  M1(1, 3) = s1;
    M1(2, 2) = 1;
    M1(3, 1) = -s1; M1(3, 3) = c1;

    M2(1, 1) = c2;  M2(1, 2) = s2;
    M2(2, 1) = -s2; M2(2, 2) = c2;
    M2(3, 3) = 1;

    const Extended a = Winkel * GradZuBogen;
    const Extended ca = std::cos(a), sa = std::sin(a);
    R(1, 1) = 1;
    R(2, 2) = ca; R(2, 3) = -sa;
    R(3, 2) = sa; R(3, 3) = ca;

    TMatrix33 M1i, M2i;
    InverseMatrix(M1, M1i);  // determinant 1: always invertible
    InverseMatrix(M2, M2i);

    MatrixProdukt(M2, M1, T);
    MatrixProdukt(R, T, T);
    MatrixProdukt(M2i, T, T);
    MatrixProdukt(M1i, T, T);
}

void DrehungUmGerade::Anwenden(TVek_R3 P, TVek_R3& Q) const {
    TVek_R3 TD;
    MatrixMalVektor(T, Differenz(P, P1), TD);
    Q = Summe(TD, P1);
}

void DrehePunktUmGerade(TVek_R3 P, Extended Winkel, TVek_R3 P1, TVek_R3 P2, TVek_R3& Q) {
    DrehungUmGerade(Winkel, P1, P2).Anwenden(P, Q);
}

void NullMatrix(TMatrix33& M) {
    M = TMatrix33{};
}

void MatrixMalVektor(TMatrix33 M, TVek_R3 v, TVek_R3& w) {
    w = {M(1, 1) * v.x + M(1, 2) * v.y + M(1, 3) * v.z,
         M(2, 1) * v.x + M(2, 2) * v.y + M(2, 3) * v.z,
         M(3, 1) * v.x + M(3, 2) * v.y + M(3, 3) * v.z};
}

Extended Unterdeterminante(Byte i, Byte j, TMatrix33 M) {
    // The two rows and columns left after deleting row i and column j.
    int r[2], c[2], nr = 0, nc = 0;
    for (int k = 1; k <= 3 && nr < 2; ++k)
        if (k != i) r[nr++] = k;
    for (int k = 1; k <= 3 && nc < 2; ++k)
        if (k != j) c[nc++] = k;
    return M(r[0], c[0]) * M(r[1], c[1]) - M(r[1], c[0]) * M(r[0], c[1]);
}

Extended Kofaktor(Byte i, Byte j, TMatrix33 M) {
    const Extended vorzeichen = ((i + j) % 2 == 1) ? -1 : 1;
    return vorzeichen * Unterdeterminante(i, j, M);
}

Extended Determinante(TMatrix33 M) {
    return M(1, 1) * M(2, 2) * M(3, 3) + M(1, 2) * M(2, 3) * M(3, 1) + M(1, 3) * M(2, 1) * M(3, 2)
         - (M(3, 1) * M(2, 2) * M(1, 3) + M(3, 2) * M(2, 3) * M(1, 1) + M(3, 3) * M(2, 1) * M(1, 2));
}

bool InverseMatrix(TMatrix33 M, TMatrix33& R) {
    const Extended det = Determinante(M);
    if (det == 0) return false;  // would fill R with infinities and NaN
    const Extended kehrwert = 1 / det;
    TMatrix33 E;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            E(r, c) = Kofaktor(static_cast<Byte>(c), static_cast<Byte>(r), M) * kehrwert;
    R = E;
    return true;
}

void MatrixProdukt(TMatrix33 A, TMatrix33 B, TMatrix33& C) {
    TMatrix33 E;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            E(i, j) = A(i, 1) * B(1, j) + A(i, 2) * B(2, j) + A(i, 3) * B(3, j);
    C = E;
}

void DrehmatrixUmAchse(Byte Code, Extended Winkel, TMatrix33& M) {
    if (Code < 1 || Code > 6) return;
    const Extended phi = (Code % 2 == 1) ? -Winkel : Winkel;
    const Extended a = phi * GradZuBogen;
    const Extended c = std::cos(a), s = std::sin(a);
    TMatrix33 E;
    const char* anfang;
    if (Code <= 2) {
        anfang = "um die x-Achse mit ";
        E(1, 1) = 1;
        E(2, 2) = c; E(2, 3) = -s;
        E(3, 2) = s; E(3, 3) = c;
    } else if (Code <= 4) {
        // The turn DrehePunktUmAchse gives points about y, as for x and z:
        // the window shows the matrix of the rotation that was done.
        anfang = "um die y-Achse mit ";
        E(1, 1) = c; E(1, 3) = s;
        E(2, 2) = 1;
        E(3, 1) = -s; E(3, 3) = c;
    } else {
        anfang = "um die z-Achse mit ";
        E(1, 1) = c; E(1, 2) = -s;
        E(2, 1) = s; E(2, 2) = c;
        E(3, 3) = 1;
    }
    M = E;
    DrehText = KurzText(anfang + ZahlFest(phi, 12, 4) + " Grad", 36);
}

void DrehmatrixUebernehmen() {
    if (DrehMatrixAnzahl == 0)
        NullMatrix(MGes);
    else if (DrehMatrixAnzahl == 1)
        MGes = MAkt;
    else
        MatrixProdukt(MAkt, MGes, MGes);
}
