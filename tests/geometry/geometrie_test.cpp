#include <cmath>
#include <limits>
#include <vector>

#include "Nahe.h"

#include "geometry/Geometrie.h"

TEST(Geometrie, LineareAbhaengigkeit) {
    EXPECT_TRUE(LinearAbhaengig2(TVek_R3{}, TVek_R3{1, 2, 3}));
    EXPECT_TRUE(LinearAbhaengig2(TVek_R3{1, 2, 3}, TVek_R3{1e-10L, 0, 0}));
    EXPECT_TRUE(LinearAbhaengig2(TVek_R3{2, 4, 6}, TVek_R3{1, 2, 3}));
    EXPECT_TRUE(LinearAbhaengig2(TVek_R3{0, 0, -5}, TVek_R3{0, 0, 2}));
    EXPECT_FALSE(LinearAbhaengig2(TVek_R3{1, 2, 3}, TVek_R3{1, 2, 4}));
    // The ratio comes from the first exactly non-zero coordinate of b.
    EXPECT_FALSE(LinearAbhaengig2(TVek_R3{0, 10, 0}, TVek_R3{1e-12L, 5, 0}));

    EXPECT_TRUE(LinearAbhaengig3(ex, ey, TVek_R3{3, -2, 0}));
    EXPECT_FALSE(LinearAbhaengig3(ex, ey, ez));
    EXPECT_EQ(Determinante3(ex, ey, ez), 1);
    EXPECT_EQ(Determinante3(TVek_R3{1, 2, 3}, TVek_R3{0, 1, 4}, TVek_R3{5, 6, 0}), 1);
}

TEST(Geometrie, LageUndSchnittZweierGeraden) {
    const TVek_R3 A{1, 1, 1};
    EXPECT_EQ(LageZweierGeraden(A, ex, A, ey), 1);
    EXPECT_EQ(LageZweierGeraden(A, ex, TVek_R3{4, 1, 1}, TVek_R3{-2, 0, 0}), 3);
    EXPECT_EQ(LageZweierGeraden(A, ex, TVek_R3{4, 2, 1}, ex), 2);
    EXPECT_EQ(LageZweierGeraden(A, ex, TVek_R3{0, 0, 5}, ey), 4);
    EXPECT_EQ(LageZweierGeraden(A, TVek_R3{}, TVek_R3{0, 0, 5}, ey), 3);

    TVek_R3 X = marke;
    ASSERT_TRUE(SchnittpunktZweierGeraden(TVek_R3{}, ez, TVek_R3{1, 0, 5}, ex, X));
    ErwarteNahe(X, {0, 0, 5});  // only the (x, z) pair is usable here
    ASSERT_TRUE(SchnittpunktZweierGeraden(TVek_R3{1, 2, 3}, TVek_R3{1, 1, 1},
                                          TVek_R3{0, 5, 4}, TVek_R3{1, -1, 0}, X));
    ErwarteNahe(X, {2, 3, 4});
    X = marke;
    EXPECT_FALSE(SchnittpunktZweierGeraden(A, ex, TVek_R3{0, 5, 5}, ex, X));
    EXPECT_EQ(X, marke);

    const TVek_R2 O{0, 0}, e1{1, 0}, e2{0, 1};
    EXPECT_EQ(LageZweierGeraden2D(O, e1, TVek_R2{3, 3}, e2), 1);
    EXPECT_EQ(LageZweierGeraden2D(O, e1, TVek_R2{3, 3}, TVek_R2{2, 0}), 2);
    EXPECT_EQ(LageZweierGeraden2D(O, e1, TVek_R2{3, 0}, TVek_R2{2, 0}), 3);
    TVek_R2 X2{7, 7};
    ASSERT_TRUE(SchnittpunktZweierGeraden2D(TVek_R2{1, 1}, TVek_R2{1, 1}, TVek_R2{4, 0}, TVek_R2{0, 2}, X2));
    EXPECT_EQ(X2, (TVek_R2{4, 4}));
    X2 = {7, 7};
    EXPECT_FALSE(SchnittpunktZweierGeraden2D(O, e1, TVek_R2{0, 1}, e1, X2));
    EXPECT_EQ(X2, (TVek_R2{7, 7}));
}

TEST(Geometrie, LotUndSpurpunkt) {
    TVek_R3 F, D;
    LotPunktGerade(TVek_R3{1, 2, 3}, TVek_R3{}, TVek_R3{2, 0, 0}, F, D);
    EXPECT_EQ(F, (TVek_R3{1, 0, 0}));
    EXPECT_EQ(D, (TVek_R3{0, -2, -3}));
    EXPECT_NEAR(static_cast<double>(AbstandPunktGerade(TVek_R3{1, 2, 3}, TVek_R3{}, TVek_R3{2, 0, 0}, F)),
                std::sqrt(13.0), 1e-15);
    // A null direction is the point A itself, not a NaN.
    const Extended d = AbstandPunktGerade(TVek_R3{4, 6, 3}, TVek_R3{1, 2, 3}, TVek_R3{}, F);
    EXPECT_EQ(d, 5);
    EXPECT_EQ(F, (TVek_R3{1, 2, 3}));

    // Trace points in the planes 1..3; parallel to the x,y-plane only z is
    // written; plane 4 writes nothing.
    const std::pair<TVek_R3, Byte> spur[] = {{{1, 1, 0}, 1}, {{1, 1, 1}, 1}, {{1, 1, 1}, 2}, {{1, 1, 1}, 3}, {{1, 1, 1}, 4}};
    const TVek_R3 soll[] = {{99, 99, 0}, {-2, -1, 0}, {-1, 0, 1}, {0, 1, 2}, marke};
    for (int k = 0; k < 5; ++k) {
        TVek_R3 T = marke;
        Spurpunkt(TVek_R3{1, 2, 3}, spur[k].first, spur[k].second, T);
        EXPECT_EQ(T, soll[k]) << k;
    }
    // The output may be the support point itself.
    TVek_R3 A{1, 2, 3};
    Spurpunkt(A, TVek_R3{1, 1, 1}, 1, A);
    EXPECT_EQ(A, (TVek_R3{-2, -1, 0}));
}

TEST(Geometrie, GeradeUndEbene) {
    const TVek_R3 S{0, 0, 1};
    bool ok = true;
    TVek_R3 X = marke;
    SchnittpunktGeradeEbene(TVek_R3{0, 0, 5}, TVek_R3{1, 0, 5}, S, ex, ey, ok, X);
    EXPECT_FALSE(ok);
    EXPECT_EQ(X, marke);
    SchnittpunktGeradeEbene(TVek_R3{1, 1, 5}, TVek_R3{2, 1, 3}, S, ex, ey, ok, X);
    EXPECT_TRUE(ok);
    EXPECT_EQ(X, (TVek_R3{3, 1, 1}));

    TVek_R3 F;
    EXPECT_EQ(AbstandPunktEbene(TVek_R3{1, 2, 5}, S, ex, ey, F), 4);
    EXPECT_EQ(F, (TVek_R3{1, 2, 1}));
    EXPECT_EQ(AbstandPunktEbene(TVek_R3{1, 2, -5}, S, TVek_R3{2, 0, 0}, TVek_R3{1, 3, 0}, F), 6);
    // Tiny but independent directions: the foot point is still found.
    EXPECT_NEAR(static_cast<double>(AbstandPunktEbene(TVek_R3{1, 2, 5}, S, TVek_R3{1e-5L, 0, 0},
                                                      TVek_R3{0, 1e-5L, 0}, F)), 4, 1e-15);
    ErwarteNahe(F, {1, 2, 1});
    // Dependent directions span no plane: 0 and the point itself, no NaN.
    EXPECT_EQ(AbstandPunktEbene(TVek_R3{1, 2, 5}, S, ex, TVek_R3{2, 0, 0}, F), 0);
    EXPECT_EQ(F, (TVek_R3{1, 2, 5}));

    EXPECT_NEAR(static_cast<double>(SchnittkreisRadius(TVek_R3{}, TVek_R3{0, 0, 3}, ex, ey, 5)), 4, 1e-15);

    Byte lage = 0;
    const std::pair<TVek_R3, TVek_R3> achseUndStuetz[] = {{ex, S}, {ex, {}}, {ez, S}};
    const Byte soll[] = {1, 2, 2};
    for (int k = 0; k < 3; ++k) {
        LageAchseEbene(TVek_R3{}, achseUndStuetz[k].first, achseUndStuetz[k].second, ex, ey, lage);
        EXPECT_EQ(lage, soll[k]) << k;
    }
}

TEST(Geometrie, WinkelOhneNaN) {
    // Perpendicular line and plane: exactly 90, signed by the side of the normal.
    EXPECT_EQ(WinkelGeradeEbene(ez, ex, ey), 90);
    EXPECT_EQ(WinkelGeradeEbene(TVek_R3{0, 0, -3}, ex, ey), -90);
    EXPECT_EQ(WinkelGeradeEbeneBetrag(TVek_R3{0, 0, -3}, ex, ey), 90);
    EXPECT_NEAR(static_cast<double>(WinkelGeradeEbene(TVek_R3{1, 0, 1}, ex, ey)), 45, 1e-14);
    EXPECT_EQ(WinkelGeradeEbene(ex, ex, ey), 0);

    // Directions for which rounding carries the cosine or sine just past 1.
    const TVek_R3 a{1.0L / 7, 1.0L / 3, 1.0L / 11}, b{1.0L / 13, -1.0L / 3, 1.0L / 5};
    TVek_R3 n, d, a2, b2;
    Vektorprodukt(a, b, n);
    SMultiplikation(n, 0.3L, d);
    EXPECT_EQ(WinkelGeradeEbene(d, a, b), 90);
    EXPECT_EQ(WinkelGeradeEbeneBetrag(d, a, b), 90);
    SMultiplikation(a, 0.1L, a2);
    SMultiplikation(b, 3, b2);
    EXPECT_EQ(WinkelEbeneEbene(a, b, a2, b2), 0);
    EXPECT_EQ(WinkelEbeneEbene(ex, ey, ey, ex), 0);
    EXPECT_NEAR(static_cast<double>(WinkelEbeneEbene(ex, ey, ex, ez)), 90, 1e-14);
    const TVek_R3 v{1.0L / 7, 2, 1.0L / 11};
    TVek_R3 v2;
    SMultiplikation(v, 0.3L, v2);
    EXPECT_EQ(WinkelVektoren(v, v2, 1), 0);
    EXPECT_EQ(WinkelVektoren(v, v2, 0), 0);

    // Null vectors, NaN and dependent plane directions give 0, not NaN.
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    for (Extended w : {WinkelGeradeEbene(TVek_R3{}, ex, ey), WinkelGeradeEbene(ez, ex, ex),
                       WinkelGeradeEbeneBetrag(TVek_R3{}, ex, ey), WinkelGeradeEbeneBetrag(ez, ex, TVek_R3{3, 0, 0}),
                       WinkelEbeneEbene(ex, ex, ex, ey), WinkelVektoren(ex, TVek_R3{}, 0),
                       WinkelVektoren(TVek_R3{nan, 0, 0}, ex, 0), WinkelVektoren(ex, TVek_R3{-1, 0, 0}, 1)})
        EXPECT_EQ(w, 0);
    EXPECT_EQ(WinkelVektoren(ex, TVek_R3{-1, 0, 0}, 0), 180);
    EXPECT_NEAR(static_cast<double>(WinkelVektoren(ex, TVek_R3{-1, 1, 0}, 0)), 135, 1e-13);
    EXPECT_NEAR(static_cast<double>(WinkelVektoren(ex, TVek_R3{-1, 1, 0}, 1)), 45, 1e-13);
}

// Every pair of small integer directions: exactly perpendicular or parallel
// input gives exactly 90, 0 or 180 (arcsin and arccos of the quotient gave
// 89,99999998 and the like for some); other angles agree with them.
TEST(Geometrie, WinkelGenauBeiSenkrechtUndParallel) {
    std::vector<TVek_R3> r;
    for (int x = -2; x <= 2; ++x)
        for (int y = -2; y <= 2; ++y)
            for (int z = -2; z <= 2; ++z)
                if (x != 0 || y != 0 || z != 0) r.push_back(TVek_R3{Extended(x), Extended(y), 3.0L * z});
    int genau = 0;
    for (const TVek_R3& a : r)
        for (const TVek_R3& b : r) {
            TVek_R3 ab, s, as;
            Vektorprodukt(a, b, ab);
            const Extended d = Skalarprodukt(a, b), c = d / (Betrag(a) * Betrag(b));
            if (d == 0 || Betrag(ab) == 0) {
                ++genau;
                EXPECT_EQ(WinkelVektoren(a, b, 0), d == 0 ? 90 : d > 0 ? 0 : 180);
                EXPECT_EQ(WinkelVektoren(a, b, 1), d == 0 ? 90 : 0);
                // The plane spanned by b and a × b has the normal a when
                // a ⟂ b, and none when they are parallel (angle 0).
                EXPECT_EQ(WinkelGeradeEbeneBetrag(a, b, ab), d == 0 ? 90 : 0);
                EXPECT_EQ(WinkelGeradeEbene(b, a, ab), d == 0 ? -90 : 0);
            } else {
                EXPECT_NEAR(double(WinkelVektoren(a, b, 0)), double(std::acos(c) * BogenZuGrad), 1e-9);
                EXPECT_NEAR(double(WinkelVektoren(a, b, 1)), double(std::acos(std::fabs(c)) * BogenZuGrad), 1e-9);
            }
            // Line a against the plane spanned by b and a perpendicular s of
            // a: a lies in it or meets it as the planes' normals say.
            SenkrechterVektor(a, s);
            Vektorprodukt(a, s, as);
            EXPECT_EQ(WinkelEbeneEbene(a, s, a, as), 90);
            EXPECT_EQ(WinkelGeradeEbeneBetrag(as, a, s), 90);
        }
    EXPECT_GT(genau, 500);
}

TEST(Geometrie, Kugel) {
    int lage = 5;
    EXPECT_EQ(LagePunktKugel(TVek_R3{1, 1, 1}, TVek_R3{1, 1, 1}, 2, lage), 2);
    EXPECT_EQ(lage, -1);
    LagePunktKugel(TVek_R3{}, TVek_R3{2 + 1e-10L, 0, 0}, 2, lage);
    EXPECT_EQ(lage, 0);
    EXPECT_EQ(LagePunktKugel(TVek_R3{}, TVek_R3{0, 4, 0}, 2, lage), 2);
    EXPECT_EQ(lage, 1);

    EXPECT_NEAR(static_cast<double>(KugelVolumen(3)), 36 * M_PI, 1e-12);
    EXPECT_NEAR(static_cast<double>(KugelOberflaeche(3)), 36 * M_PI, 1e-12);

    // Line through A along x with the unit sphere: two points, a touch, a
    // miss (outputs untouched beyond n), A on the sphere (S1 = A, parameter 0).
    struct Fall {
        TVek_R3 A;
        bool trifft;
        Byte n;
        TVek_R3 S1, S2;
    };
    const Fall faelle[] = {{{-2, 0, 0}, true, 2, {-1, 0, 0}, {1, 0, 0}},
                           {{-2, 1, 0}, true, 1, {0, 1, 0}, marke},
                           {{-2, 3, 0}, false, 0, marke, marke},
                           {{1, 0, 0}, true, 2, {1, 0, 0}, {-1, 0, 0}}};
    for (const Fall& f : faelle) {
        Byte n = 9;
        TVek_R3 S1 = marke, S2 = marke;
        EXPECT_EQ(SchnittGeradeKugel(TVek_R3{}, f.A, ex, 1, n, S1, S2), f.trifft);
        EXPECT_EQ(n, f.n);
        EXPECT_EQ(S1, f.S1);
        EXPECT_EQ(S2, f.S2);
    }

    // Spheres (0,0,0; 2) and (4,0,0; 2): their radical plane is x = 2.
    Extended a1, b1, c1, d1, a2, b2, c2, d2, A, B, C, D;
    GeradeKugelKoeffizienten(TVek_R3{}, 2, a1, b1, c1, d1);
    GeradeKugelKoeffizienten(TVek_R3{4, 0, 0}, 2, a2, b2, c2, d2);
    EXPECT_EQ(a2, 8);
    EXPECT_EQ(d2, 12);
    VektorDifferenzen(a1, b1, c1, d1, a2, b2, c2, d2, A, B, C, D);
    EXPECT_EQ(A, 8);
    EXPECT_EQ(B, 0);
    EXPECT_EQ(C, 0);
    EXPECT_EQ(D, -16);
}

TEST(Geometrie, QuadratischeGleichung) {
    // (a, b, c) -> number of roots and the roots as written; x[1] stays 7
    // when only one root is written (NaN: not checked).
    struct Fall {
        Extended a, b, c;
        Byte n;
        Extended x0, x1;
    };
    const Fall faelle[] = {{1, -3, 2, 2, 1, 2},  {1, 2, 1, 1, -1, 7}, {1, 0, 1, 0, 7, 7}, {0, 1, 1, 0, 7, 7},
                           {1, 4, 0, 2, 0, -4},  {2, 0, -8, 2, -2, 2}, {3, 0, 0, 1, 0, NAN}};
    for (const Fall& f : faelle) {
        Byte n = 9;
        TFeld<Extended, 0, 1> x;
        x[0] = x[1] = 7;
        LoeseQuadratischeGleichung(f.a, f.b, f.c, n, x);
        EXPECT_EQ(n, f.n) << f.a << ' ' << f.b << ' ' << f.c;
        EXPECT_EQ(x[0], f.x0) << f.a << ' ' << f.b << ' ' << f.c;
        if (!std::isnan(f.x1)) {
            EXPECT_EQ(x[1], f.x1) << f.a << ' ' << f.b << ' ' << f.c;
        }
    }
}

TEST(Geometrie, VektorRoutinen) {
    TVek_R3 R;
    Normiere(TVek_R3{3, 0, 4}, R);
    ErwarteNahe(R, {0.6L, 0, 0.8L});
    R = marke;
    Normiere(TVek_R3{}, R);
    EXPECT_EQ(R, TVek_R3{});

    PunktImAbstand(TVek_R3{1, 1, 1}, TVek_R3{4, 5, 1}, 10, R);
    ErwarteNahe(R, {7, 9, 1});
    PunktImAbstand(TVek_R3{1, 1, 1}, TVek_R3{1, 1, 1 + 1e-10L}, 10, R);
    EXPECT_EQ(R, (TVek_R3{1, 1, 1}));

    EXPECT_TRUE(VektorenGleich(TVek_R3{1, 2, 3}, TVek_R3{1, 2, 3 + 5e-10L}));
    EXPECT_FALSE(VektorenGleich(TVek_R3{1, 2, 3}, TVek_R3{1, 2, 3 + 2e-9L}));

    for (TVek_R3 v : {ex, ey, ez, TVek_R3{1, 1, 0}, TVek_R3{2, 2, 2}, TVek_R3{1e-9L, 0, 0},
                      TVek_R3{-3, 7, 0.5L}}) {
        SenkrechterVektor(v, R);
        EXPECT_GE(Betrag(R), 1e-9L);
        EXPECT_NEAR(static_cast<double>(Skalarprodukt(v, R)), 0, 1e-15);
    }
    // The null vector has no perpendicular: no endless search.
    R = marke;
    SenkrechterVektor(TVek_R3{}, R);
    EXPECT_EQ(R, TVek_R3{});
}

TEST(Geometrie, LineareSysteme) {
    const TMatrix33 A = Matrix({2, 1, -1, -3, -1, 2, -2, 1, 2});
    // Along row 1: 2·(-4) - 1·(-2) - 1·(-5).
    EXPECT_EQ(DeterminanteMatrix33(A), -1);
    // Singular by a repeated row, and a triangle whose diagonal is all.
    EXPECT_EQ(DeterminanteMatrix33(Matrix({1, 2, 3, 4, 5, 6, 1, 2, 3})), 0);
    EXPECT_EQ(DeterminanteMatrix33(Matrix({2, 7, -9, 0, -3, 5, 0, 0, 0.5L})), -3);
    TVek_R3 x = marke;
    ASSERT_TRUE(CramerLoesen(A, TVek_R3{8, -11, -3}, x));
    ErwarteNahe(x, {2, 3, -1});

    TMatrix33 R;
    SpalteErsetzen(A, TVek_R3{7, 8, 9}, 2, R);
    EXPECT_EQ(R(1, 2), 7);
    EXPECT_EQ(R(3, 2), 9);
    EXPECT_EQ(R(3, 3), 2);

    TMatrix33 S;  // singular: x stays as it was
    x = marke;
    EXPECT_FALSE(CramerLoesen(S, TVek_R3{1, 2, 3}, x));
    EXPECT_EQ(x, marke);

    // Planes x = 1 and y = 2 meet in the line (1, 2, t).
    TVek_R3 N;
    ASSERT_TRUE(LoeseEbenenSystem(ex, ey, TVek_R3{1, 5, 5}, TVek_R3{7, 2, 7}, x, N));
    ErwarteNahe(x, {1, 2, 0});
    EXPECT_EQ(N, ez);
    x = marke;
    EXPECT_FALSE(LoeseEbenenSystem(ex, TVek_R3{2, 0, 0}, TVek_R3{1, 0, 0}, TVek_R3{3, 0, 0}, x, N));
    EXPECT_EQ(x, marke);
}

TEST(Geometrie, ParallelogrammUndSpat) {
    EXPECT_NEAR(static_cast<double>(SpatHoehe(TVek_R3{2, 0, 0}, TVek_R3{1, 3, 0})), 3, 1e-15);
    EXPECT_NEAR(static_cast<double>(ParallelogrammInhalt(TVek_R3{2, 0, 0}, TVek_R3{1, 3, 0})), 6, 1e-15);
    EXPECT_EQ(SpatHoehe(ex, TVek_R3{0, 5, 0}), 5);
    EXPECT_EQ(SpatHoehe(ex, TVek_R3{-4, 0, 0}), 0);
    EXPECT_NEAR(static_cast<double>(SpatOberflaeche(ex, TVek_R3{0, 2, 0}, TVek_R3{0, 0, 3})), 22, 1e-14);
}

TEST(Geometrie, Spaltentexte) {
    const std::pair<int, const char*> auffuellen[] = {{5, "   ab"}, {14, "        ab"}, {1, "ab"}};
    for (const auto& [breite, soll] : auffuellen) {
        std::string s = "ab";
        AuffuellenLinks(breite, s);
        EXPECT_EQ(s, soll) << breite;
    }
    EXPECT_EQ(MaxLaenge3("a", "abcdefghijkl", "abc"), 10);
    EXPECT_EQ(MaxLaenge3("", "12,5", "3"), 4);

    const std::pair<const char*, const char*> faelle[] = {
        {"12345", "12345"},     {"7", " 0007"},          {"3,5", " 0003,5"},
        {"-12,25", "-0012,25"}, {"-10000,0", "-10000,0"}, {"1,000", " 0001,00"},
        {"1234,567", " 1234,56"}, {"-12,500", "-0012,50"}, {"-0,500", "-0000,50"},
        {"999,9", " 0999,9"},
    };
    for (const auto& [ein, aus] : faelle) {
        std::string R;
        ZahlVierstellig(ein, R);
        EXPECT_EQ(R, aus) << ein;
    }
}
