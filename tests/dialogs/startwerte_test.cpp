// The start scene that the dialogs write at their creation: bodies apart from
// each other, everything inside the axes cube, line and plane colours that
// stand apart on white. (The positions of lines and planes are checked with
// the start scene itself.)

#include <vector>

#include "Tippen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "platform/Zahltext.h"

namespace {

bool imWuerfel(V p, Extended rand = 0) {
    const Extended h = 8 - rand;
    return std::fabs(p.x) <= h && std::fabs(p.y) <= h && std::fabs(p.z) <= h;
}

Extended Zahl(const std::string& t) {
    Extended v = 0;
    EXPECT_TRUE(ZahlLesen(t, v)) << t;
    return v;
}

V Spalte(const TStringGrid& g, int c, int r0) {
    return {Zahl(g.Cells(c, r0)), Zahl(g.Cells(c, r0 + 1)), Zahl(g.Cells(c, r0 + 2))};
}

struct Startwerte : ::testing::Test {
    void SetUp() override { ProgrammStart(); }
};

TEST_F(Startwerte, AllesImWuerfelUndDieKoerperGetrennt) {
    // Bounding spheres: centre and radius that enclose each body.
    struct Huelle { V M; Extended r; };
    std::vector<Huelle> huellen;
    for (int i = 1; i <= 4; ++i) {
        const V M = Spalte(Form_Kugeln.Gitter(i), 1, 1);
        const Extended r = Kugel[i].Radius;
        EXPECT_TRUE(r >= 1 && r <= 3) << "Kugel " << i;
        EXPECT_TRUE(imWuerfel(M, r)) << "Kugel " << i;
        huellen.push_back({M, r});
    }
    EXPECT_EQ(Zahl(Form_Kugeln.Edit_Radius.Text()), Kugel[AktKugel].Radius);
    for (int i = 1; i <= 4; ++i) {
        const V M = Spalte(Form_Kegel.Gitter(i), 0, 1), n = Spalte(Form_Kegel.Gitter(i), 1, 1);
        ASSERT_GT(betrag(n), 1e-9L);
        const Extended r = Kegel[i].Radius, h = Kegel[i].Hoehe;
        EXPECT_TRUE(r >= 1 && r <= 3) << "Kegel " << i;
        const V e = mal(n, 1 / betrag(n));
        EXPECT_TRUE(imWuerfel(plus(M, mal(e, h))));  // the apex
        // The rim reaches r·sqrt(1 - ek²) along axis k.
        const Extended mk[3] = {M.x, M.y, M.z}, ek[3] = {e.x, e.y, e.z};
        for (int k = 0; k < 3; ++k)
            EXPECT_LE(std::fabs(mk[k]) + r * std::sqrt(1 - ek[k] * ek[k]), 8) << "Kegel " << i;
        huellen.push_back({plus(M, mal(e, h / 2)), std::sqrt(r * r + h * h / 4)});
    }
    EXPECT_EQ(Zahl(Form_Kegel.Edit_Radius.Text()), Kegel[AktKegel].Radius);
    EXPECT_EQ(Zahl(Form_Kegel.Edit_Hoehe.Text()), Kegel[AktKegel].Hoehe);
    for (size_t a = 0; a < huellen.size(); ++a)
        for (size_t b = a + 1; b < huellen.size(); ++b)
            EXPECT_GT(betrag(minus(huellen[a].M, huellen[b].M)), huellen[a].r + huellen[b].r)
                << "Koerper " << a + 1 << " und " << b + 1;

    // Points, vector tips, segments and the crosshair inside the cube; a
    // parallelepiped with independent edges and all corners inside.
    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(imWuerfel(Spalte(Form_Punkte.Gitter(i), 1, 0)));
        const V v = Spalte(Form_Vektoren.Gitter(i), 1, 1);
        EXPECT_GT(betrag(v), 1e-9L);
        EXPECT_TRUE(imWuerfel(plus(Spalte(Form_Vektoren.Gitter(i), 0, 1), v)));
        EXPECT_TRUE(imWuerfel(Spalte(Form_Strecken.Gitter(i), 0, 1)));
        EXPECT_TRUE(imWuerfel(Spalte(Form_Strecken.Gitter(i), 1, 1)));
        const TStringGrid& s = Form_Spate.Gitter(i);
        const V SA = Spalte(s, 0, 1), AB = Spalte(s, 1, 1), AD = Spalte(s, 2, 1), AE = Spalte(s, 3, 1);
        EXPECT_GT(std::fabs(punkt(AB, kreuz(AD, AE))), 1e-9L);
        for (int k = 0; k < 8; ++k) {
            const V E = plus(SA, plus(mal(AB, k & 1), plus(mal(AD, (k >> 1) & 1), mal(AE, (k >> 2) & 1))));
            EXPECT_TRUE(imWuerfel(E)) << "Spat " << i << " Ecke " << k;
        }
    }
    EXPECT_TRUE(imWuerfel(Spalte(Form_Fadenkreuz.StringGrid1, 0, 1)));
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
}

}  // namespace
