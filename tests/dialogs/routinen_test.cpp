// The small routines of the dialogs: cone measures, group mappings, vector
// length, coordinate form to parameter form, feet of skew lines.

#include <cmath>

#include <gtest/gtest.h>

#include "dialogs/DialogRoutinen.h"
#include "scene/Objekte.h"

namespace {

constexpr Extended Eps = 1e-15L;

TVek_R3 Kreuz(TVek_R3 a, TVek_R3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

void ErwarteVektor(TVek_R3 ist, TVek_R3 soll, Extended eps = Eps) {
    EXPECT_NEAR(ist.x, soll.x, eps);
    EXPECT_NEAR(ist.y, soll.y, eps);
    EXPECT_NEAR(ist.z, soll.z, eps);
}

TEST(Kegelmasse, DreiVierFuenfKegel) {
    EXPECT_NEAR(KegelMantellinie(4, 3), 5.0L, Eps);
    EXPECT_NEAR(KegelVolumen(4, 3), 12 * Pi, 1e-14L);
    EXPECT_NEAR(KegelMantelflaeche(4, 3), 15 * Pi, 1e-14L);
    EXPECT_NEAR(KegelOberflaeche(4, 3), 24 * Pi, 1e-14L);
    EXPECT_NEAR(KegelOeffnungswinkel(4, 3), 2 * std::asin(0.6L) * 180 / Pi, 1e-13L);
    // A flat cone opens to 180 degrees, a needle to 0.
    EXPECT_NEAR(KegelOeffnungswinkel(0, 2), 180.0L, 1e-13L);
    EXPECT_EQ(KegelOeffnungswinkel(5, 0), 0.0L);
}

TEST(Kegelmasse, PunktkegelOhneNaN) {
    EXPECT_EQ(KegelVolumen(0, 0), 0.0L);
    EXPECT_EQ(KegelMantellinie(0, 0), 0.0L);
    EXPECT_EQ(KegelMantelflaeche(0, 0), 0.0L);
    EXPECT_EQ(KegelOberflaeche(0, 0), 0.0L);
    const Extended w = KegelOeffnungswinkel(0, 0);
    EXPECT_FALSE(std::isnan(w));
    EXPECT_EQ(w, 0.0L);
    // Tiny heights must not push r/s past 1.
    EXPECT_FALSE(std::isnan(KegelOeffnungswinkel(1e-300L, 1)));
}

TEST(Gruppenindizes, HinUndZurueck) {
    EXPECT_EQ(IndexZuLinienstil(0), 0);
    EXPECT_EQ(IndexZuLinienstil(1), 2);
    EXPECT_EQ(IndexZuLinienstil(7), 0);  // unknown: solid
    EXPECT_EQ(LinienstilZuIndex(0), 0);
    EXPECT_EQ(LinienstilZuIndex(2), 1);
    for (Byte i : {0, 1}) EXPECT_EQ(LinienstilZuIndex(IndexZuLinienstil(i)), i);
    EXPECT_EQ(IndexZuErzFlag(0), 1);
    EXPECT_EQ(IndexZuErzFlag(1), 0);
    EXPECT_EQ(IndexZuErzFlag(5), 0);
    EXPECT_EQ(ErzFlagZuIndex(1), 0);
    EXPECT_EQ(ErzFlagZuIndex(0), 1);
    EXPECT_EQ(ErzFlagZuIndex(3), 1);
    for (Byte i : {0, 1}) EXPECT_EQ(ErzFlagZuIndex(IndexZuErzFlag(i)), i);
}

TEST(VektorAufLaenge, StrecktKuerztUndLaesstNullvektorStehen) {
    TVek_R3 R;
    VektorAufLaenge({3, 4, 0}, R, 10);
    ErwarteVektor(R, {6, 8, 0});
    VektorAufLaenge({0, 0, -2}, R, 0.5L);
    ErwarteVektor(R, {0, 0, -0.5L});
    VektorAufLaenge({1, 1, 1}, R, -3);  // negative length reverses
    ErwarteVektor(R, {-std::sqrt(3.0L), -std::sqrt(3.0L), -std::sqrt(3.0L)}, 1e-15L);
    VektorAufLaenge({1e-10L, 0, 0}, R, 5);
    EXPECT_EQ(R, (TVek_R3{1e-10L, 0, 0}));
    TVek_R3 v{2, 0, 0};
    VektorAufLaenge(v, v, 1);  // same variable in and out
    EXPECT_EQ(v, (TVek_R3{1, 0, 0}));
}

// Each of the three cases gives the documented normal, and three points of
// the resulting plane satisfy the coordinate form.
TEST(EbeneKoordZuParam, DreiFaelle) {
    struct Fall {
        Extended a, b, c, d;
        TVek_R3 normale;
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
        ErwarteVektor(Kreuz(E.Richtungsvektor1, E.Richtungsvektor2), f.normale, 1e-15L);
        for (Extended l : {0.0L, 1.0L, -2.5L})
            for (Extended m : {0.0L, 3.0L}) {
                const TVek_R3 P{E.Stuetzvektor.x + l * E.Richtungsvektor1.x + m * E.Richtungsvektor2.x,
                                E.Stuetzvektor.y + l * E.Richtungsvektor1.y + m * E.Richtungsvektor2.y,
                                E.Stuetzvektor.z + l * E.Richtungsvektor1.z + m * E.Richtungsvektor2.z};
                EXPECT_NEAR(f.a * P.x + f.b * P.y + f.c * P.z + f.d, 0, 1e-14L);
            }
    }
}

TEST(EbeneKoordZuParam, OhneKoeffizientenBleibtDieEbene) {
    Ebene[3] = TEbene{};
    Ebene[3].Stuetzvektor = {1, 2, 3};
    Ebene[3].KoordD = 4;
    const TEbene vorher = Ebene[3];
    EXPECT_FALSE(EbeneKoordZuParam(3));
    EXPECT_EQ(Ebene[3], vorher);
}

TEST(LotFusspunkteWindschief, AllgemeinUndSenkrecht) {
    TVek_R3 F1, F2;
    // x-axis and the parallel to the y-axis through (0, 0, 5): perpendicular
    // directions, where dividing by u·w would fail.
    ASSERT_TRUE(LotFusspunkteWindschief({3, 0, 0}, {0, 7, 5}, {1, 0, 0}, {0, 2, 0}, F1, F2));
    ErwarteVektor(F1, {0, 0, 0});
    ErwarteVektor(F2, {0, 0, 5});
    // A general skew pair: F2 - F1 is perpendicular to both directions.
    const TVek_R3 A{1, 2, 3}, u{1, 1, 0}, B{-2, 0, 4}, w{0, 1, 2};
    ASSERT_TRUE(LotFusspunkteWindschief(A, B, u, w, F1, F2));
    const TVek_R3 d{F2.x - F1.x, F2.y - F1.y, F2.z - F1.z};
    EXPECT_NEAR(d.x * u.x + d.y * u.y + d.z * u.z, 0, 1e-15L);
    EXPECT_NEAR(d.x * w.x + d.y * w.y + d.z * w.z, 0, 1e-15L);
    // Parallel lines have no single pair of feet.
    F1 = {9, 9, 9};
    EXPECT_FALSE(LotFusspunkteWindschief(A, B, u, {2, 2, 0}, F1, F2));
    EXPECT_EQ(F1, (TVek_R3{9, 9, 9}));
}

TEST(LotpunktUeberNormale, FusspunktVomUrsprung) {
    TVek_R3 X;
    LotpunktUeberNormale({1, 1, 3}, {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, X);
    ErwarteVektor(X, {0, 0, 3});
    // Swapped direction vectors turn the normal away; it is turned back.
    LotpunktUeberNormale({1, 1, 3}, {0, 1, 0}, {1, 0, 0}, {0, 0, 0}, X);
    ErwarteVektor(X, {0, 0, 3});
    // x + y + z = 3: foot (1, 1, 1).
    LotpunktUeberNormale({3, 0, 0}, {-3, 3, 0}, {-3, 0, 3}, {0, 0, 0}, X);
    ErwarteVektor(X, {1, 1, 1}, 1e-15L);
    // Parallel direction vectors span no plane: X stays P, no NaN.
    LotpunktUeberNormale({1, 1, 3}, {1, 0, 0}, {2, 0, 0}, {4, 5, 6}, X);
    EXPECT_EQ(X, (TVek_R3{4, 5, 6}));
}

}  // namespace
