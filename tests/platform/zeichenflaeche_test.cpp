#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "platform/ProtokollZeichenflaeche.h"
#include "platform/Zeichenflaeche.h"

using Art = ProtokollZeichenflaeche::Art;

namespace {
constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
constexpr Extended Inf = std::numeric_limits<Extended>::infinity();
}  // namespace

TEST(PixelRunden, HalbZurGeradenZahlUndGrenzen) {
    const std::pair<Extended, int> faelle[] = {
        {0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2}, {-2.5L, -2},
        {2.4999999999L, 2}, {2.5000000001L, 3}, {-3.7L, -4}, {999999.5L, 1000000},
        // Far values and non-numbers stay far outside the picture, never overflow.
        {1e30L, PixelGrenze}, {-1e30L, -PixelGrenze}, {LDBL_MAX, PixelGrenze},
        {Inf, PixelGrenze}, {-Inf, -PixelGrenze}, {NaN, -PixelGrenze}};
    for (const auto& [x, soll] : faelle) EXPECT_EQ(PixelRunden(x), soll) << static_cast<double>(x);
}

TEST(PixelRunden, WieAbrundenUndRestVergleichen) {
    // Against the rounding written out: floor, and up from a rest above a
    // half or at a half to an odd floor. Halves, quarters and values a hair
    // off a half, spread over the whole range, both signs.
    const auto schlicht = [](Extended v) {
        const Extended unten = std::floor(v);
        const Extended rest = v - unten;
        long long n = static_cast<long long>(unten);
        if (rest > 0.5L || (rest == 0.5L && (n & 1) != 0)) ++n;
        return static_cast<int>(n);
    };
    for (int k = -4000; k <= 4000; ++k) {
        const Extended basis = static_cast<Extended>(k) * 249.75L;
        for (Extended d : {0.0L, 0.25L, 0.5L, 0.75L, 0.5L - 1e-12L, 0.5L + 1e-12L, 1e-15L, -1e-15L}) {
            const Extended v = basis + d;
            ASSERT_EQ(PixelRunden(v), schlicht(v)) << static_cast<double>(v);
        }
    }
}

TEST(StreckeKappen, InnenBleibtUnveraendertDurchgehendeWirdGekappt) {
    // Inside: unchanged; crossing the whole box, ends at +-1e6 on y = x/2 + 3;
    // along an edge; a single point inside.
    struct Fall {
        TVek_R2 a, b, sa, sb;
        double tol;
    };
    const Fall faelle[] = {
        {{1.25L, 2.75L}, {9.125L, 3.5L}, {1.25L, 2.75L}, {9.125L, 3.5L}, 0},
        {{-1e6L, -1e6L / 2 + 3}, {1e6L, 1e6L / 2 + 3}, {0, 3}, {10, 8}, 1e-12},
        {{-5, 10}, {15, 10}, {0, 10}, {10, 10}, 0},
        {{4, 4}, {4, 4}, {4, 4}, {4, 4}, 0},
    };
    for (const Fall& f : faelle) {
        TVek_R2 a = f.a, b = f.b;
        ASSERT_TRUE(StreckeKappen(a, b, 0, 0, 10, 10)) << static_cast<double>(f.a.x);
        for (const auto& [ist, soll] : {std::pair{a, f.sa}, std::pair{b, f.sb}}) {
            EXPECT_NEAR(static_cast<double>(ist.x), static_cast<double>(soll.x), f.tol);
            EXPECT_NEAR(static_cast<double>(ist.y), static_cast<double>(soll.y), f.tol);
        }
    }
}

TEST(StreckeKappen, FernesEndeBei1e30KostetDieGenauigkeitNicht) {
    // Near end inside, far end at 1e30 in the direction (1, 2): leaves the box
    // through y = 10 at x = 2 + 7 / 2.
    TVek_R2 a{2, 3}, b{2 + 1e30L, 3 + 2e30L};
    ASSERT_TRUE(StreckeKappen(a, b, 0, 0, 10, 10));
    EXPECT_EQ(a, (TVek_R2{2, 3}));
    EXPECT_NEAR(static_cast<double>(b.x), 5.5, 1e-12);
    EXPECT_EQ(b.y, 10);

    // The same with the ends swapped, and entering from far below.
    a = {2 + 1e30L, 3 + 2e30L};
    b = {2, 3};
    ASSERT_TRUE(StreckeKappen(a, b, 0, 0, 10, 10));
    EXPECT_NEAR(static_cast<double>(a.x), 5.5, 1e-12);
    EXPECT_EQ(b, (TVek_R2{2, 3}));
    a = {4, -1e30L};
    b = {4, 5};
    ASSERT_TRUE(StreckeKappen(a, b, 0, 0, 10, 10));
    EXPECT_EQ(a, (TVek_R2{4, 0}));

    // Ends at the largest values: the differences would overflow.
    a = {5, 5};
    b = {LDBL_MAX, LDBL_MAX};
    ASSERT_TRUE(StreckeKappen(a, b, 0, 0, 10, 10));
    EXPECT_NEAR(static_cast<double>(b.x), 10, 1e-9);
    EXPECT_NEAR(static_cast<double>(b.y), 10, 1e-9);
    a = {-LDBL_MAX, 5};
    b = {LDBL_MAX, 5};
    ASSERT_TRUE(StreckeKappen(a, b, 0, 0, 10, 10));
    EXPECT_EQ(a, (TVek_R2{0, 5}));
    EXPECT_EQ(b, (TVek_R2{10, 5}));
}

TEST(StreckeKappen, AussenUndUngueltigWirdAbgelehnt) {
    // Outside; passing the corner (10, 0) on the outside (x - y = 13); far
    // above with both ends astronomically far; a point outside; NaN and
    // infinite ends.
    const std::pair<TVek_R2, TVek_R2> faelle[] = {
        {{20, 20}, {30, 40}}, {{8, -5}, {15, 2}}, {{-1e30L, 1e30L}, {1e30L, 1e30L}}, {{11, 4}, {11, 4}},
        {{5, 5}, {NaN, 5}},   {{5, NaN}, {5, 5}}, {{5, 5}, {Inf, 5}}};
    for (auto [a, b] : faelle) EXPECT_FALSE(StreckeKappen(a, b, 0, 0, 10, 10)) << static_cast<double>(a.x);
    TVek_R2 a{5, 5}, b{6, 6};
    EXPECT_FALSE(StreckeKappen(a, b, 0, 0, NaN, 10));
    EXPECT_FALSE(StreckeKappen(a, b, 10, 0, 0, 10));  // empty box
}

TEST(PolygonKappen, FerneEckeWirdAnDerBoxAbgeschnitten) {
    // Triangle with one corner at 1e30 straight up: becomes the rectangle
    // (2,2) (8,2) (8,10) (2,10) up to far below a pixel.
    const auto k = PolygonKappen({{2, 2}, {8, 2}, {5, 1e30L}}, 0, 0, 10, 10);
    ASSERT_EQ(k.size(), 4u);
    for (const TVek_R2& e : k) {
        EXPECT_GE(e.x, 0);
        EXPECT_LE(e.x, 10);
        EXPECT_GE(e.y, 0);
        EXPECT_LE(e.y, 10);
    }
    // Shoelace area of the clipped polygon.
    long double flaeche = 0;
    for (std::size_t i = 0; i < k.size(); ++i) {
        const TVek_R2& p = k[i];
        const TVek_R2& q = k[(i + 1) % k.size()];
        flaeche += p.x * q.y - q.x * p.y;
    }
    EXPECT_NEAR(static_cast<double>(std::fabs(flaeche) / 2), 48, 1e-9);

    EXPECT_TRUE(PolygonKappen({{20, 20}, {30, 20}, {30, 30}}, 0, 0, 10, 10).empty());
    EXPECT_TRUE(PolygonKappen({{1, 1}, {5, NaN}, {3, 3}}, 0, 0, 10, 10).empty());
    // Entirely inside: unchanged.
    const std::vector<TVek_R2> innen{{1, 1}, {9, 1}, {5, 9}};
    EXPECT_EQ(PolygonKappen(innen, 0, 0, 10, 10), innen);
}

TEST(Zeichenflaeche, ErweiterteStreckenUndPolygone) {
    ProtokollZeichenflaeche z(100, 80);
    z.Pen.Color = 0x0000FF;
    z.StreckeR2({10.5L, 20.5L}, {30.5L, 41.5L});
    // Rounded half to even, pen state recorded with the line.
    ASSERT_EQ(z.Eintraege.size(), 2u);
    EXPECT_EQ(z.Eintraege[0].art, Art::MoveTo);
    EXPECT_EQ(z.Eintraege[0].punkte[0], (TPoint{10, 20}));
    EXPECT_EQ(z.Eintraege[1].art, Art::LineTo);
    EXPECT_EQ(z.Eintraege[1].punkte[0], (TPoint{10, 20}));
    EXPECT_EQ(z.Eintraege[1].punkte[1], (TPoint{30, 42}));
    EXPECT_EQ(z.Eintraege[1].pen.Color, 0x0000FFu);
    EXPECT_EQ(z.PenPos, (TPoint{30, 42}));

    // A far end is cut at the picture plus the margin, on the true line.
    z.Leeren();
    z.StreckeR2({50, 40}, {50 + 1e30L, 40});
    ASSERT_EQ(z.Strecken().size(), 1u);
    EXPECT_EQ(z.Strecken()[0].von, (TPoint{50, 40}));
    EXPECT_EQ(z.Strecken()[0].bis, (TPoint{100 + KappRand, 40}));

    // Invisible or invalid segments draw nothing at all.
    z.Leeren();
    z.StreckeR2({1e6L, 1e6L}, {2e6L, 1e6L});
    z.StreckeR2({1, 1}, {NaN, 1});
    EXPECT_TRUE(z.Eintraege.empty());

    z.PolygonR2({{10, 10}, {20, 10}, {15, -1e30L}});
    ASSERT_EQ(z.Anzahl(Art::Polygon), 1);
    for (const TPoint& p : z.Eintraege[0].punkte) EXPECT_GE(p.Y, -KappRand);
    z.Leeren();
    z.PolygonR2({{10, 10}, {20, 10}, {NaN, 5}});
    EXPECT_TRUE(z.Eintraege.empty());
}

TEST(ProtokollZeichenflaeche, ZustandTexteUndGepunkteteStifte) {
    ProtokollZeichenflaeche z(200, 100);
    z.Font.Height = -10;
    EXPECT_EQ(z.TextWidth("abc"), 18);
    EXPECT_EQ(z.TextWidth("Fläche"), 36);  // characters, not bytes
    EXPECT_EQ(z.TextHeight("x"), 10);
    z.Brush.Color = 0x123456;
    z.TextOut(5, 7, "abc");
    EXPECT_EQ(z.PenPos, (TPoint{23, 7}));
    ASSERT_EQ(z.Texte(), std::vector<std::string>{"abc"});
    EXPECT_EQ(z.Eintraege[0].brush.Color, 0x123456u);

    // Dotted only at width 1: wider dotted pens paint solid.
    z.Pen = {0xFF, 1, psDot};
    z.MoveTo(0, 0);
    z.LineTo(10, 0);
    z.Pen.Width = 2;
    z.LineTo(20, 0);
    z.Pen.Width = 0;
    z.LineTo(30, 0);
    const auto linien = z.Alle(Art::LineTo);
    ASSERT_EQ(linien.size(), 3u);
    EXPECT_TRUE(linien[0].Gepunktet());
    EXPECT_FALSE(linien[1].Gepunktet());
    EXPECT_EQ(linien[1].pen.Style, psDot);  // recorded as set
    EXPECT_TRUE(linien[2].Gepunktet());     // width 0 paints one pixel
    EXPECT_EQ(StiftStilWirksam({0, 3, psDash}), psSolid);
    EXPECT_EQ(StiftStilWirksam({0, 3, psClear}), psClear);

    // Polyline pieces count as lines; a clear pen paints none.
    z.Pen = {0x00FF00, 1, psSolid};
    z.Polyline({{0, 0}, {5, 5}, {10, 0}});
    z.Pen.Style = psClear;
    z.LineTo(40, 40);
    EXPECT_EQ(z.Strecken().size(), 5u);
    EXPECT_EQ(z.StreckenMitFarbe(0x00FF00), 2);
    EXPECT_EQ(z.StreckenMitFarbe(0xFF), 3);
}

TEST(Zeichenflaeche, ZeichenbitmapEinsetzen) {
    // The silent canvas keeps its size and records nothing.
    Zeichenbitmap().GroesseSetzen(300, 200);
    Zeichenbitmap().LineTo(5, 5);
    EXPECT_EQ(Zeichenbitmap().Width(), 300);
    ProtokollZeichenflaeche p(10, 10);
    {
        ZeichenbitmapEinsetzen e(p);
        Zeichenbitmap().Pen.Color = 7;
        Zeichenbitmap().LineTo(3, 4);
        EXPECT_EQ(&Zeichenbitmap(), &p);
    }
    EXPECT_NE(&Zeichenbitmap(), &p);
    ASSERT_EQ(p.Eintraege.size(), 1u);
    EXPECT_EQ(p.Eintraege[0].pen.Color, 7u);
    p.ZustandZuruecksetzen();
    EXPECT_EQ(p.Pen, TPen{});
    EXPECT_EQ(p.Brush.Color, 0x00FFFFFFu);
}

TEST(StreckeKappen, ZufallsStreckenGegenAbtastung) {
    // Clipped ends lie in the box and on the original line; a refused segment
    // has no sample point inside the box.
    unsigned long long zustand = 12345;
    auto zufall = [&zustand]() {
        zustand = zustand * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<Extended>(zustand >> 11) / static_cast<Extended>(1ULL << 53) * 70 - 30;
    };
    for (int n = 0; n < 2000; ++n) {
        const TVek_R2 a0{zufall(), zufall()}, b0{zufall(), zufall()};
        TVek_R2 a = a0, b = b0;
        if (StreckeKappen(a, b, 0, 0, 10, 10)) {
            for (const TVek_R2& e : {a, b}) {
                EXPECT_GE(e.x, -1e-12L);
                EXPECT_LE(e.x, 10 + 1e-12L);
                EXPECT_GE(e.y, -1e-12L);
                EXPECT_LE(e.y, 10 + 1e-12L);
                const Extended kreuz = (b0.x - a0.x) * (e.y - a0.y) - (b0.y - a0.y) * (e.x - a0.x);
                EXPECT_NEAR(static_cast<double>(kreuz), 0, 1e-9);
            }
        } else {
            for (int i = 0; i <= 1000; ++i) {
                const Extended t = i / 1000.0L;
                const Extended x = a0.x + t * (b0.x - a0.x), y = a0.y + t * (b0.y - a0.y);
                EXPECT_FALSE(x > 1e-9L && x < 10 - 1e-9L && y > 1e-9L && y < 10 - 1e-9L) << n;
            }
        }
    }
}

// Ends inside the picture are rounded through double; that must give the
// extended value's own rounding also where the double lies exactly halfway
// (a hair above or below one half in extended precision), and an end on or
// a hair beyond the margin must still be clipped as before.
TEST(Zeichenflaeche, StreckeR2RundetWieErweitertGenau) {
    ProtokollZeichenflaeche z(100, 80);
    const Extended haar = 1e-12L;   // far below a double's step at these values
    const Extended winzig = 1e-17L; // below it: the double is the half itself
    const Extended werte[] = {2.5L,          2.5L + winzig, 2.5L - winzig, 3.5L + winzig, 3.5L - winzig,
                              -1.5L + winzig, -1.5L - winzig, 7.5L + haar,  7.5L - haar,  40.25L,
                              -0.5L - winzig, 0.5L + winzig};
    for (Extended v : werte) {
        z.Leeren();
        z.StreckeR2({v, v + 10}, {v + 20, 30 - v});
        ASSERT_EQ(z.Strecken().size(), 1u) << static_cast<double>(v);
        const auto s = z.Strecken()[0];
        EXPECT_EQ(s.von, (TPoint{PixelRunden(v), PixelRunden(v + 10)})) << static_cast<double>(v);
        EXPECT_EQ(s.bis, (TPoint{PixelRunden(v + 20), PixelRunden(30 - v)})) << static_cast<double>(v);
    }
    // At the margin: the extended clip decides, whatever double says.
    const Extended rand = 100 + KappRand;
    for (Extended x : {rand, rand + winzig, rand - winzig, rand + 0.5L}) {
        z.Leeren();
        z.StreckeR2({10, 20}, {x, 20.5L + winzig});
        TVek_R2 a{10, 20}, b{x, 20.5L + winzig};
        ASSERT_TRUE(StreckeKappen(a, b, -KappRand, -KappRand, rand, 80 + KappRand));
        ASSERT_EQ(z.Strecken().size(), 1u);
        EXPECT_EQ(z.Strecken()[0].bis, (TPoint{PixelRunden(b.x), PixelRunden(b.y)})) << static_cast<double>(x - rand);
    }
    z.Leeren();
    z.StreckeR2({Inf, 1}, {1, 1});
    z.StreckeR2({1, NaN}, {1, 1});
    EXPECT_TRUE(z.Eintraege.empty());
}
