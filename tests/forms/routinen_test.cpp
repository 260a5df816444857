// The small routines of the dialogs: cone measures, group mappings, vector
// length, coordinate form to parameter form, feet of skew lines.

#include "dialogs/Tippen.h"
#include "forms/DialogRoutinen.h"

namespace {

// The 3-4-5 cone is checked with the cone's geometry; here the edges.
TEST(Kegelmasse, GrenzfaelleOhneNaN) {
    // A flat cone opens to 180 degrees, a needle to 0.
    EXPECT_NEAR(KegelOeffnungswinkel(0, 2), 180.0L, 1e-13L);
    EXPECT_EQ(KegelOeffnungswinkel(5, 0), 0.0L);

    // A point cone: every measure 0, the angle 0 rather than 0/0.
    for (auto f : {KegelVolumen, KegelMantellinie, KegelMantelflaeche, KegelOberflaeche, KegelOeffnungswinkel})
        EXPECT_EQ(f(0, 0), 0.0L);
    // Tiny heights must not push r/s past 1.
    EXPECT_FALSE(std::isnan(KegelOeffnungswinkel(1e-300L, 1)));
}

TEST(Gruppenindizes, HinUndZurueck) {
    for (Byte i : {0, 1}) {
        EXPECT_EQ(LinienstilZuIndex(IndexZuLinienstil(i)), i);
        EXPECT_EQ(ErzFlagZuIndex(IndexZuErzFlag(i)), i);
    }
    EXPECT_EQ(IndexZuLinienstil(1), 2);  // dotted
    EXPECT_EQ(IndexZuErzFlag(0), 1);     // item 0 shows the generating vectors
    // Values no item gives (say, from a file): solid and "not shown".
    EXPECT_EQ(IndexZuLinienstil(7), 0);
    EXPECT_EQ(IndexZuErzFlag(5), 0);
    EXPECT_EQ(ErzFlagZuIndex(3), 1);
}

TEST(VektorAufLaenge, StrecktKuerztUndLaesstNullvektorStehen) {
    V R;
    VektorAufLaenge({3, 4, 0}, R, 10);
    ErwarteNah(R, {6, 8, 0}, 1e-15);
    VektorAufLaenge({0, 0, -2}, R, 0.5L);
    ErwarteNah(R, {0, 0, -0.5L}, 1e-15);
    VektorAufLaenge({1, 1, 1}, R, -3);  // negative length reverses
    const Extended w = -std::sqrt(3.0L);
    ErwarteNah(R, {w, w, w}, 1e-15);
    VektorAufLaenge({1e-10L, 0, 0}, R, 5);
    EXPECT_EQ(R, (V{1e-10L, 0, 0}));
    V v{2, 0, 0};
    VektorAufLaenge(v, v, 1);  // same variable in and out
    EXPECT_EQ(v, (V{1, 0, 0}));
}

// Each of the three cases gives the documented normal, and points of the
// resulting plane satisfy the coordinate form; without coefficients the
// plane stays.
TEST(EbeneKoordZuParam, DreiFaelleUndKeiner) {
    struct Fall {
        Extended a, b, c, d;
        V normale;
    } faelle[] = {
        {2, 3, 4, -8, {-1, -1.5L, -2}},
        {0, 4, 2, 6, {0, 1, 0.5L}},
        {0, 0, -5, 10, {0, 0, -1}},
        {1e-10L, 2, 0, 1, {0.5e-10L, 1, 0}},  // a below the tolerance: second case
    };
    for (const Fall& f : faelle) {
        Ebene[3] = TEbene{};
        Ebene[3].KoordA = f.a;
        Ebene[3].KoordB = f.b;
        Ebene[3].KoordC = f.c;
        Ebene[3].KoordD = f.d;
        ASSERT_TRUE(EbeneKoordZuParam(3));
        const TEbene& E = Ebene[3];
        ErwarteNah(kreuz(E.Richtungsvektor1, E.Richtungsvektor2), f.normale, 1e-15);
        for (Extended l : {0.0L, 1.0L, -2.5L})
            for (Extended m : {0.0L, 3.0L}) {
                const V P = plus(E.Stuetzvektor, plus(mal(E.Richtungsvektor1, l), mal(E.Richtungsvektor2, m)));
                EXPECT_NEAR(f.a * P.x + f.b * P.y + f.c * P.z + f.d, 0, 1e-14L);
            }
    }

    Ebene[3] = TEbene{};
    Ebene[3].Stuetzvektor = {1, 2, 3};
    Ebene[3].KoordD = 4;
    const TEbene vorher = Ebene[3];
    EXPECT_FALSE(EbeneKoordZuParam(3));
    EXPECT_EQ(Ebene[3], vorher);
}

TEST(LotFusspunkteWindschief, AllgemeinUndSenkrecht) {
    V F1, F2;
    // x-axis and the parallel to the y-axis through (0, 0, 5): perpendicular
    // directions, where dividing by u·w would fail.
    ASSERT_TRUE(LotFusspunkteWindschief({3, 0, 0}, {0, 7, 5}, {1, 0, 0}, {0, 2, 0}, F1, F2));
    ErwarteNah(F1, {0, 0, 0}, 1e-15);
    ErwarteNah(F2, {0, 0, 5}, 1e-15);
    // A general skew pair: F2 - F1 is perpendicular to both directions.
    const V A{1, 2, 3}, u{1, 1, 0}, B{-2, 0, 4}, w{0, 1, 2};
    ASSERT_TRUE(LotFusspunkteWindschief(A, B, u, w, F1, F2));
    EXPECT_NEAR(punkt(minus(F2, F1), u), 0, 1e-15L);
    EXPECT_NEAR(punkt(minus(F2, F1), w), 0, 1e-15L);
    // Parallel lines have no single pair of feet.
    F1 = {9, 9, 9};
    EXPECT_FALSE(LotFusspunkteWindschief(A, B, u, {2, 2, 0}, F1, F2));
    EXPECT_EQ(F1, (V{9, 9, 9}));
}

TEST(LotpunktUeberNormale, FusspunktVomUrsprung) {
    V X;
    LotpunktUeberNormale({1, 1, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, X);
    ErwarteNah(X, {0, 0, 3}, 1e-15);
    // Swapped direction vectors turn the normal away; it is turned back.
    LotpunktUeberNormale({1, 1, 3}, {0, 1, 0}, {1, 0, 0}, {0, 0, 0}, X);
    ErwarteNah(X, {0, 0, 3}, 1e-15);
    // x + y + z = 3: foot (1, 1, 1).
    LotpunktUeberNormale({3, 0, 0}, {-3, 3, 0}, {-3, 0, 3}, {0, 0, 0}, X);
    ErwarteNah(X, {1, 1, 1}, 1e-15);
    // Parallel direction vectors span no plane: X stays P, no NaN.
    LotpunktUeberNormale({1, 1, 3}, {1, 0, 0}, {2, 0, 0}, {4, 5, 6}, X);
    EXPECT_EQ(X, (V{4, 5, 6}));
}

}  // namespace
