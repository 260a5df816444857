// Constructions the dialogs and reports use: cone measures, a vector
// brought to a length, the feet of the common perpendicular of skew lines,
// the foot of the perpendicular onto a plane.

#include <gtest/gtest.h>

#include <cmath>

#include "Nahe.h"
#include "geometry/Geometrie.h"

namespace {

using V = TVek_R3;

// The 3-4-5 cone is checked with the cone's geometry; here the edges.
TEST(Kegelmasse, GrenzfaelleOhneNaN) {
    // A flat cone opens to 180 degrees, a needle to 0.
    EXPECT_NEAR(KegelOeffnungswinkel(0, 2), 180.0L, 1e-13L);
    EXPECT_EQ(KegelOeffnungswinkel(5, 0), 0.0L);

    // A point cone: every measure 0, the angle 0 rather than 0/0.
    for (auto f : {KegelVolumen, KegelMantellinie, KegelMantelflaeche, KegelOberflaeche, KegelOeffnungswinkel})
        EXPECT_EQ(f(0, 0), 0.0L);
    // A radius whose square is subnormal: r·r loses digits, sqrt(r·r)
    // comes out 2.5 % below r, and r/s > 1 would give arcsin's NaN. The flat
    // cone still opens to 180 degrees.
    const Extended r = 1.6378027763123181827e-2475L;
    ASSERT_GT(r / std::sqrt(r * r), 1.0L);
    EXPECT_EQ(KegelOeffnungswinkel(0, r), 180.0L);
    EXPECT_EQ(KegelOeffnungswinkel(0, -r), -180.0L);
}

TEST(VektorAufLaenge, StrecktKuerztUndLaesstNullvektorStehen) {
    V R;
    VektorAufLaenge({3, 4, 0}, R, 10);
    ErwarteNahe(R, {6, 8, 0}, 1e-15);
    VektorAufLaenge({0, 0, -2}, R, 0.5L);
    ErwarteNahe(R, {0, 0, -0.5L}, 1e-15);
    VektorAufLaenge({1, 1, 1}, R, -3);  // negative length reverses
    const Extended w = -std::sqrt(3.0L);
    ErwarteNahe(R, {w, w, w}, 1e-15);
    VektorAufLaenge({1e-10L, 0, 0}, R, 5);
    EXPECT_EQ(R, (V{1e-10L, 0, 0}));
    V v{2, 0, 0};
    VektorAufLaenge(v, v, 1);  // same variable in and out
    EXPECT_EQ(v, (V{1, 0, 0}));
}

TEST(LotFusspunkteWindschief, AllgemeinUndSenkrecht) {
    V F1, F2;
    // x-axis and the parallel to the y-axis through (0, 0, 5): perpendicular
    // directions, where dividing by u·w would fail.
    ASSERT_TRUE(LotFusspunkteWindschief({3, 0, 0}, {0, 7, 5}, {1, 0, 0}, {0, 2, 0}, F1, F2));
    ErwarteNahe(F1, {0, 0, 0}, 1e-15);
    ErwarteNahe(F2, {0, 0, 5}, 1e-15);
    // A general skew pair: F2 - F1 is perpendicular to both directions.
    const V A{1, 2, 3}, u{1, 1, 0}, B{-2, 0, 4}, w{0, 1, 2};
    ASSERT_TRUE(LotFusspunkteWindschief(A, B, u, w, F1, F2));
    EXPECT_NEAR(Skalarprodukt(Differenz(F2, F1), u), 0, 1e-15L);
    EXPECT_NEAR(Skalarprodukt(Differenz(F2, F1), w), 0, 1e-15L);
    // Parallel lines have no single pair of feet.
    F1 = {9, 9, 9};
    EXPECT_FALSE(LotFusspunkteWindschief(A, B, u, {2, 2, 0}, F1, F2));
    EXPECT_EQ(F1, (V{9, 9, 9}));
}

TEST(LotpunktUeberNormale, FusspunktVomUrsprung) {
    V X;
    LotpunktUeberNormale({1, 1, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, X);
    ErwarteNahe(X, {0, 0, 3}, 1e-15);
    // Swapped direction vectors turn the normal away; it is turned back.
    LotpunktUeberNormale({1, 1, 3}, {0, 1, 0}, {1, 0, 0}, {0, 0, 0}, X);
    ErwarteNahe(X, {0, 0, 3}, 1e-15);
    // x + y + z = 3: foot (1, 1, 1).
    LotpunktUeberNormale({3, 0, 0}, {-3, 3, 0}, {-3, 0, 3}, {0, 0, 0}, X);
    ErwarteNahe(X, {1, 1, 1}, 1e-15);
    // Parallel direction vectors span no plane: X stays P, no NaN.
    LotpunktUeberNormale({1, 1, 3}, {1, 0, 0}, {2, 0, 0}, {4, 5, 6}, X);
    EXPECT_EQ(X, (V{4, 5, 6}));
}

}  // namespace
