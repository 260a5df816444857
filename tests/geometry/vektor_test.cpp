#include <cmath>

#include "Nahe.h"

TEST(Vektor, AusgabeDarfEingabeSein) {
    const TVek_R3 A{1.5L, -2, 3}, B{0.25L, 4, -7};
    TVek_R3 R, A2 = A, B2 = B;
    VektSumme(A, B, R);
    VektSumme(A2, B, A2);
    EXPECT_EQ(A2, R);
    VektorAB(A, B2, B2);
    EXPECT_EQ(B2, (TVek_R3{-1.25L, 6, -10}));
    for (int achse = 1; achse <= 3; ++achse) {
        TVek_R3 Q, P = {1, 2, 3};
        DrehePunktUmAchse(P, achse, 37, Q);
        DrehePunktUmAchse(P, achse, 37, P);
        EXPECT_EQ(P, Q) << "axis " << achse;
    }
    const TMatrix33 M = Matrix({1, 2, 3, 4, 5, 6, 7, 8, 10});
    TMatrix33 C, M2 = M;
    MatrixProdukt(M, M, C);
    MatrixProdukt(M2, M2, M2);
    EXPECT_EQ(M2, C);
    TVek_R3 v{1, 1, 1};
    MatrixMalVektor(M, v, v);
    EXPECT_EQ(v, (TVek_R3{6, 15, 25}));
    EXPECT_EQ(Betrag(TVek_R3{2, 3, 6}), 7);
}

TEST(Vektor, DrehungUmKoordinatenachse) {
    // Axes outside 1..3 leave the output alone.
    for (int achse : {0, 4, -1}) {
        TVek_R3 Q = marke;
        DrehePunktUmAchse(TVek_R3{1, 2, 3}, achse, 45, Q);
        EXPECT_EQ(Q, marke);
    }
    TVek_R3 Q;
    DrehePunktUmAchse(ex, 3, 90, Q);
    ErwarteNahe(Q, ey);
    DrehePunktUmAchse(ex, 2, 90, Q);
    ErwarteNahe(Q, {0, 0, -1});
    DrehePunktUmAchse(ey, 1, 90, Q);
    ErwarteNahe(Q, ez);
    // The coordinate along the axis is copied, not recomputed.
    DrehePunktUmAchse(TVek_R3{0.1L, 0.2L, 0.3L}, 1, 33, Q);
    EXPECT_EQ(Q.x, 0.1L);
    DrehePunktUmAchse(TVek_R3{0.1L, 0.2L, 0.3L}, 2, 33, Q);
    EXPECT_EQ(Q.y, 0.2L);
}

TEST(Vektor, DrehungUmGerade) {
    // Axis parallel to y through (2, 0, 3): the auxiliary turn into the
    // x,y-plane is the identity and the point still turns about that axis.
    TVek_R3 Q;
    DrehePunktUmGerade(TVek_R3{3, 7, 3}, 90, TVek_R3{2, 0, 3}, TVek_R3{2, 5, 3}, Q);
    ErwarteNahe(Q, {2, 7, 2});
    DrehePunktUmGerade(TVek_R3{3, 7, 3}, 90, TVek_R3{2, 5, 3}, TVek_R3{2, 0, 3}, Q);
    ErwarteNahe(Q, {2, 7, 4});  // reversed axis: the other sense
    // Same turn as about the y-axis itself.
    TVek_R3 Qa;
    DrehePunktUmAchse(TVek_R3{1, -4, 2}, 2, 25, Qa);
    DrehePunktUmGerade(TVek_R3{1, -4, 2}, 25, TVek_R3{}, TVek_R3{0, 3, 0}, Q);
    ErwarteNahe(Q, Qa);
    // Right-hand rule about (1, 1, 1): 120 degrees cycle the unit vectors.
    DrehePunktUmGerade(ex, 120, TVek_R3{}, TVek_R3{1, 1, 1}, Q);
    ErwarteNahe(Q, ey);

    // Points on the axis stay; a full turn comes back; the alias is safe.
    const TVek_R3 P1{1, 2, -1}, P2{4, -2, 5};
    DrehePunktUmGerade(TVek_R3{2.5L, 0, 2}, 71, P1, P2, Q);
    ErwarteNahe(Q, {2.5L, 0, 2}, 1e-14L);
    TVek_R3 P{-3, 8, 0.5L};
    DrehePunktUmGerade(P, 360, P1, P2, Q);
    ErwarteNahe(Q, P, 1e-14L);
    TVek_R3 R;
    DrehePunktUmGerade(P, 40, P1, P2, R);
    DrehePunktUmGerade(P, 40, P1, P2, P);
    EXPECT_EQ(P, R);

    // Degenerate axis: a turn about the parallel to x through P1.
    DrehePunktUmGerade(TVek_R3{5, 2, 3}, 90, TVek_R3{1, 1, 1}, TVek_R3{1, 1, 1}, Q);
    ErwarteNahe(Q, {5, -1, 2});

}

TEST(Vektor, MinorKofaktorDeterminanteInverse) {
    const TMatrix33 M = Matrix({2, -1, 0, 1, 3, 4, 0, 5, -2});
    EXPECT_EQ(Unterdeterminante(1, 1, M), 3 * -2 - 5 * 4);
    EXPECT_EQ(Unterdeterminante(2, 3, M), 2 * 5 - 0 * -1);
    EXPECT_EQ(Kofaktor(1, 2, M), -(1 * -2 - 0 * 4));
    EXPECT_EQ(Kofaktor(3, 3, M), 2 * 3 - 1 * -1);
    EXPECT_EQ(Determinante(M), -54);   // along row 1: 2·(-26) + 1·(-2)

    const TMatrix33 Einheit = Matrix({1, 0, 0, 0, 1, 0, 0, 0, 1});
    TMatrix33 R, P;
    ASSERT_TRUE(InverseMatrix(M, R));
    MatrixProdukt(M, R, P);
    ErwarteNahe(P, Einheit);
    MatrixProdukt(R, M, P);
    ErwarteNahe(P, Einheit);

    // A singular matrix yields no infinities: the output stays as it was.
    TMatrix33 alt = M;
    EXPECT_FALSE(InverseMatrix(Matrix({1, 2, 3, 2, 4, 6, 0, 1, 1}), alt));
    EXPECT_EQ(alt, M);

    // Product order: C = A·B, not B·A.
    MatrixProdukt(Matrix({0, 1, 0, 0, 0, 0, 0, 0, 0}), Matrix({0, 0, 0, 1, 0, 0, 0, 0, 0}), P);
    EXPECT_EQ(P, Matrix({1, 0, 0, 0, 0, 0, 0, 0, 0}));
    NullMatrix(P);
    EXPECT_EQ(P, TMatrix33{});
}

TEST(Vektor, ElementareDrehmatrizen) {
    TMatrix33 M;
    DrehText.clear();
    DrehmatrixUmAchse(3, 90, M);
    ErwarteNahe(M, Matrix({0, 0, -1, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(DrehText, "um die y-Achse mit -90,0000 Grad");
    DrehmatrixUmAchse(1, 1, M);
    EXPECT_EQ(DrehText, "um die x-Achse mit -1,0000 Grad");
    DrehmatrixUmAchse(6, 12.5L, M);
    EXPECT_EQ(DrehText, "um die z-Achse mit 12,5000 Grad");

    // Codes without an elementary rotation write nothing.
    const TMatrix33 vorher = M;
    for (Byte code : {0, 7}) {
        DrehmatrixUmAchse(code, 30, M);
        EXPECT_EQ(M, vorher);
        EXPECT_EQ(DrehText, "um die z-Achse mit 12,5000 Grad");
    }

    // Each matrix turns points as the point rotation about its axis does.
    const TVek_R3 P{1, -2, 3};
    const std::pair<Byte, std::pair<int, Extended>> faelle[] = {{2, {1, 40}}, {6, {3, 40}}, {4, {2, 40}}, {3, {2, -40}}};
    for (const auto& [code, punkt] : faelle) {
        TVek_R3 Qm, Qp;
        DrehmatrixUmAchse(code, 40, M);
        MatrixMalVektor(M, P, Qm);
        DrehePunktUmAchse(P, punkt.first, punkt.second, Qp);
        ErwarteNahe(Qm, Qp);
    }
    DrehText.clear();
}

TEST(Vektor, GesamtDrehmatrix) {
    TMatrix33 erste, zweite;
    DrehmatrixUmAchse(2, 30, erste);
    DrehmatrixUmAchse(5, 50, zweite);
    NullMatrix(MGes);
    DrehMatrixAnzahl = 1;
    MAkt = erste;
    DrehmatrixUebernehmen();
    EXPECT_EQ(MGes, erste);

    DrehMatrixAnzahl = 2;
    MAkt = zweite;
    DrehmatrixUebernehmen();
    TMatrix33 erwartet;
    MatrixProdukt(zweite, erste, erwartet);  // newest from the left
    EXPECT_EQ(MGes, erwartet);

    DrehMatrixAnzahl = 0;
    DrehmatrixUebernehmen();
    EXPECT_EQ(MGes, TMatrix33{});  // the zero matrix, not the identity
    NullMatrix(MAkt);
    DrehText.clear();
}
