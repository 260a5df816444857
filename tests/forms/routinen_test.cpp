// The small routines of the dialogs: group mappings, and plane k's
// parameter form from its coordinate form.

#include "dialogs/Tippen.h"
#include "forms/DialogRoutinen.h"
#include "scene/Stilindex.h"

namespace {

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

}  // namespace
