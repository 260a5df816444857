// The start scene that the dialogs write at their creation: the relations a
// teacher is meant to see first hold, and everything fits the axes cube.

#include <algorithm>
#include <cmath>

#include <gtest/gtest.h>

#include "dialogs/EbEinstell.h"
#include "dialogs/Ebenen.h"
#include "dialogs/Fadenkreuz.h"
#include "dialogs/Geraden_t.h"
#include "dialogs/Kegel.h"
#include "dialogs/Kugeln.h"
#include "dialogs/Punkte.h"
#include "dialogs/Spate.h"
#include "dialogs/Strecken.h"
#include "dialogs/Vektoren.h"
#include "mainwindow/Programm.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"

namespace {

using V = TVek_R3;

V plus(V a, V b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V minus(V a, V b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V mal(V a, Extended s) { return {a.x * s, a.y * s, a.z * s}; }
Extended punkt(V a, V b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V kreuz(V a, V b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Extended betrag(V a) { return std::sqrt(punkt(a, a)); }
bool imWuerfel(V p, Extended rand = 0) {
    const Extended h = 8 - rand;
    return std::fabs(p.x) <= h && std::fabs(p.y) <= h && std::fabs(p.z) <= h;
}

V Spalte(const TStringGrid& g, int c, int r0) {
    V v;
    Extended* z[3] = {&v.x, &v.y, &v.z};
    for (int k = 0; k < 3; ++k) {
        const std::string& t = g.Cells(c, r0 + k);
        EXPECT_TRUE(ZahlLesen(t, *z[k])) << "Zelle (" << c << ", " << r0 + k << "): " << t;
    }
    return v;
}

Extended Zahl(const std::string& t) {
    Extended v = 0;
    EXPECT_TRUE(ZahlLesen(t, v)) << t;
    return v;
}

class Startwerte : public ::testing::Test {
protected:
    void SetUp() override { ProgrammStart(); }
};

TEST_F(Startwerte, GeradenUndEbenen) {
    const V Ag = Spalte(Form_Geraden_t.StringGrid1, 0, 1), ug = Spalte(Form_Geraden_t.StringGrid1, 1, 1);
    const V Ah = Spalte(Form_Geraden_t.StringGrid2, 0, 1), uh = Spalte(Form_Geraden_t.StringGrid2, 1, 1);
    const V At = Spalte(Form_Geraden_t.StringGrid3, 0, 1), ut = Spalte(Form_Geraden_t.StringGrid3, 1, 1);
    for (V A : {Ag, Ah, At}) EXPECT_TRUE(imWuerfel(A));

    // g and h intersect: not parallel, coplanar.
    EXPECT_GT(betrag(kreuz(ug, uh)), 1e-9L);
    EXPECT_NEAR(punkt(kreuz(ug, uh), minus(Ah, Ag)), 0, 1e-12L);
    // g and t are skew.
    EXPECT_GT(betrag(kreuz(ug, ut)), 1e-9L);
    EXPECT_GT(std::fabs(punkt(kreuz(ug, ut), minus(At, Ag))), 1e-9L);
    // h and t are parallel and distinct.
    EXPECT_LT(betrag(kreuz(uh, ut)), 1e-12L);
    EXPECT_GT(betrag(kreuz(uh, minus(At, Ah))), 1e-9L);

    const V S1 = Spalte(Form_Ebenen.StringGrid1, 0, 1);
    const V n1 = kreuz(Spalte(Form_Ebenen.StringGrid1, 1, 1), Spalte(Form_Ebenen.StringGrid1, 2, 1));
    const V S2 = Spalte(Form_Ebenen.StringGrid2, 0, 1);
    const V n2 = kreuz(Spalte(Form_Ebenen.StringGrid2, 1, 1), Spalte(Form_Ebenen.StringGrid2, 2, 1));
    ASSERT_GT(betrag(n1), 1e-9L);
    ASSERT_GT(betrag(n2), 1e-9L);

    // g pierces E2 inside the axes cube.
    const Extended nenner = punkt(n2, ug);
    ASSERT_GT(std::fabs(nenner), 1e-9L);
    const V D = plus(Ag, mal(ug, punkt(n2, minus(S2, Ag)) / nenner));
    EXPECT_TRUE(imWuerfel(D, 0.5L)) << D.x << " " << D.y << " " << D.z;

    // E1 and E2 meet in a line that crosses the cube: the line's point
    // nearest the origin lies inside it.
    const V d = kreuz(n1, n2);
    ASSERT_GT(betrag(d), 1e-9L);
    const Extended c1 = punkt(n1, S1), c2 = punkt(n2, S2);
    // x = a·n1 + b·n2 on both planes.
    const Extended n11 = punkt(n1, n1), n12 = punkt(n1, n2), n22 = punkt(n2, n2);
    const Extended det = n11 * n22 - n12 * n12;
    const V P = plus(mal(n1, (c1 * n22 - c2 * n12) / det), mal(n2, (c2 * n11 - c1 * n12) / det));
    EXPECT_NEAR(punkt(n1, P), c1, 1e-12L);
    EXPECT_NEAR(punkt(n2, P), c2, 1e-12L);
    EXPECT_TRUE(imWuerfel(P, 1));
}

TEST_F(Startwerte, KoerperLiegenImWuerfelUndGetrennt) {
    // Bounding spheres: centre and radius that enclose each body.
    struct Huelle { V M; Extended r; };
    std::vector<Huelle> huellen;
    for (int i = 1; i <= 4; ++i) {
        const V M = Spalte(Form_Kugeln.Gitter(i), 1, 1);
        const Extended r = Kugel[i].Radius;
        EXPECT_GE(r, 1);
        EXPECT_LE(r, 3);
        EXPECT_TRUE(imWuerfel(M, r)) << "Kugel " << i;
        huellen.push_back({M, r});
    }
    EXPECT_EQ(Zahl(Form_Kugeln.Edit_Radius.Text()), Kugel[AktKugel].Radius);
    for (int i = 1; i <= 4; ++i) {
        const V M = Spalte(Form_Kegel.Gitter(i), 0, 1);
        const V n = Spalte(Form_Kegel.Gitter(i), 1, 1);
        ASSERT_GT(betrag(n), 1e-9L);
        const Extended r = Kegel[i].Radius, h = Kegel[i].Hoehe;
        EXPECT_GE(r, 1);
        EXPECT_LE(r, 3);
        const V Spitze = plus(M, mal(n, h / betrag(n)));
        EXPECT_TRUE(imWuerfel(Spitze));
        // The rim reaches r·sqrt(1 - nk²) along axis k (n of length 1).
        const V e = mal(n, 1 / betrag(n));
        const Extended mk[3] = {M.x, M.y, M.z}, ek[3] = {e.x, e.y, e.z};
        for (int k = 0; k < 3; ++k)
            EXPECT_LE(std::fabs(mk[k]) + r * std::sqrt(1 - ek[k] * ek[k]), 8) << "Kegel " << i;
        huellen.push_back({plus(M, mal(n, h / 2 / betrag(n))), std::sqrt(r * r + h * h / 4)});
    }
    EXPECT_EQ(Zahl(Form_Kegel.Edit_Radius.Text()), Kegel[AktKegel].Radius);
    EXPECT_EQ(Zahl(Form_Kegel.Edit_Hoehe.Text()), Kegel[AktKegel].Hoehe);
    for (size_t a = 0; a < huellen.size(); ++a)
        for (size_t b = a + 1; b < huellen.size(); ++b)
            EXPECT_GT(betrag(minus(huellen[a].M, huellen[b].M)), huellen[a].r + huellen[b].r)
                << "Koerper " << a + 1 << " und " << b + 1;
}

TEST_F(Startwerte, VorgegebeneUndUebrigeObjekte) {
    EXPECT_EQ(Spalte(Form_Punkte.StringGrid1, 1, 0), (V{4, 4, 0}));
    EXPECT_EQ(Spalte(Form_Punkte.StringGrid2, 1, 0), (V{-4, 4, 4}));
    EXPECT_EQ(Spalte(Form_Punkte.StringGrid3, 1, 0), (V{-4, -4, -4}));
    EXPECT_EQ(Spalte(Form_Vektoren.StringGrid1, 0, 1), (V{0, 0, 0}));
    EXPECT_EQ(Spalte(Form_Vektoren.StringGrid1, 1, 1), (V{-3, -3, 0}));
    EXPECT_EQ(Spalte(Form_Strecken.StringGrid1, 0, 1), (V{-8, -8, -8}));
    EXPECT_EQ(Spalte(Form_Strecken.StringGrid1, 1, 1), (V{-8, -4, -4}));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(imWuerfel(Spalte(Form_Punkte.Gitter(i), 1, 0)));
        const V A = Spalte(Form_Vektoren.Gitter(i), 0, 1);
        const V v = Spalte(Form_Vektoren.Gitter(i), 1, 1);
        EXPECT_GT(betrag(v), 1e-9L);
        EXPECT_TRUE(imWuerfel(plus(A, v)));
        EXPECT_TRUE(imWuerfel(Spalte(Form_Strecken.Gitter(i), 0, 1)));
        EXPECT_TRUE(imWuerfel(Spalte(Form_Strecken.Gitter(i), 1, 1)));
        // A Spat needs independent edges and stays inside the cube.
        const TStringGrid& s = Form_Spate.Gitter(i);
        const V SA = Spalte(s, 0, 1), AB = Spalte(s, 1, 1), AD = Spalte(s, 2, 1), AE = Spalte(s, 3, 1);
        EXPECT_GT(std::fabs(punkt(AB, kreuz(AD, AE))), 1e-9L);
        for (int k = 0; k < 8; ++k) {
            V E = SA;
            if (k & 1) E = plus(E, AB);
            if (k & 2) E = plus(E, AD);
            if (k & 4) E = plus(E, AE);
            EXPECT_TRUE(imWuerfel(E)) << "Spat " << i << " Ecke " << k;
        }
    }
    EXPECT_TRUE(imWuerfel(Spalte(Form_Fadenkreuz.StringGrid1, 0, 1)));
    EXPECT_EQ(Form_EbEinstell.ScrollBar1.Position(), 10);
    EXPECT_EQ(Form_EbEinstell.ScrollBar1.Min, 1);
    EXPECT_EQ(Form_EbEinstell.ScrollBar1.Max, 50);
}

TEST_F(Startwerte, FarbenStehenAufWeissAuseinander) {
    const TColor farben[] = {FarbeG, FarbeH, FarbeT, FarbeE1, FarbeE2};
    auto kanal = [](TColor c, int k) { return static_cast<int>((c >> (8 * k)) & 0xFF); };
    for (size_t a = 0; a < 5; ++a) {
        // Dark enough to show on white.
        EXPECT_LT(kanal(farben[a], 0) + kanal(farben[a], 1) + kanal(farben[a], 2), 3 * 200);
        for (size_t b = a + 1; b < 5; ++b) {
            int abstand = 0;
            for (int k = 0; k < 3; ++k) abstand += std::abs(kanal(farben[a], k) - kanal(farben[b], k));
            EXPECT_GE(abstand, 128) << a << " " << b;
        }
    }
    EXPECT_EQ(FarbeT, 0x00004080u);
}

}  // namespace
