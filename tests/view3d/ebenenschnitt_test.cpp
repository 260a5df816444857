#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "dialogs/EbEinstell.h"
#include "dialogs/EbenKoord.h"
#include "dialogs/Ebenen.h"
#include "geometry/Geometrie.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Ansicht.h"

namespace {

struct Strecke3D {
    TVek_R3 A, B;
};

// The segments of a plane as a sorted list, so that a test can compare them
// whatever the end order.
bool Gleich(TVek_R3 a, TVek_R3 b) {
    return std::fabs(a.x - b.x) < 1e-12L && std::fabs(a.y - b.y) < 1e-12L &&
           std::fabs(a.z - b.z) < 1e-12L;
}

bool EnthaeltStrecke(const TEbene& E, TVek_R3 A, TVek_R3 B) {
    for (int k = 1; k + 1 <= E.SchnittpunktAnzahl; k += 2) {
        const TVek_R3 P = E.Schnittpunkte[k], Q = E.Schnittpunkte[k + 1];
        if ((Gleich(P, A) && Gleich(Q, B)) || (Gleich(P, B) && Gleich(Q, A))) return true;
    }
    return false;
}

class Ebenenschnitt : public ::testing::Test {
protected:
    void SetUp() override {
        AnsichtNullen();
        SzeneObjekteNullen();
        Halbseiten(8, 8, 8);
        Form_EbEinstell.ScrollBar1.SetPositionStill(10);
        AktEbene = 1;
        EbenKoordQuelle = false;
    }

    static void Halbseiten(int X, int Y, int Z) {
        AchseXMax = X;
        AchseYMax = Y;
        AchseZMax = Z;
        Pfeillaenge = X / 50.0L;
    }

    static const TEbene& Schnitt(TVek_R3 S, TVek_R3 u, TVek_R3 v) {
        Ebene[1].Stuetzvektor = S;
        Ebene[1].Richtungsvektor1 = u;
        Ebene[1].Richtungsvektor2 = v;
        EbeneBerechnen(Ebene[1]);
        return Ebene[1];
    }
};

}  // namespace

TEST_F(Ebenenschnitt, VerfehltOderBeruehrt) {
    // Above the cube.
    EXPECT_EQ(Schnitt({0, 0, 20}, {1, 0, 0}, {0, 1, 0}).SchnittpunktAnzahl, 0);
    // Touching the cube in the corner (8, 8, 8) only: no face gives a segment.
    const TEbene& E = Schnitt({24, 0, 0}, {-1, 1, 0}, {-1, 0, 1});  // x + y + z = 24
    EXPECT_EQ(E.SchnittpunktAnzahl, 0);
    for (Byte K = 1; K <= 6; ++K) {
        int n = -1;
        TPunkte<2> P;
        SchnittEbeneWuerfelflaeche(K, {24, 0, 0}, {-1, 1, 0}, {-1, 0, 1}, n, P);
        EXPECT_EQ(n, 0) << "Flaeche " << int(K);
    }
    int n = -1;
    TPunkte<2> P;
    SchnittEbeneWuerfelflaeche(7, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, n, P);
    EXPECT_EQ(n, 0);
}

TEST_F(Ebenenschnitt, Sechseck) {
    // x + y + z = 0 cuts all six faces: a regular hexagon.
    const TEbene& E = Schnitt({0, 0, 0}, {1, -1, 0}, {1, 0, -1});
    ASSERT_EQ(E.SchnittpunktAnzahl, 12);
    // Face 1 (x = -8): from (-8, 8, 0) to (-8, 0, 8), and so on.
    EXPECT_TRUE(EnthaeltStrecke(E, {-8, 8, 0}, {-8, 0, 8}));
    EXPECT_TRUE(EnthaeltStrecke(E, {8, -8, 0}, {8, 0, -8}));
    EXPECT_TRUE(EnthaeltStrecke(E, {0, 8, -8}, {-8, 8, 0}));
    EXPECT_TRUE(EnthaeltStrecke(E, {0, -8, 8}, {8, -8, 0}));
    EXPECT_TRUE(EnthaeltStrecke(E, {8, 0, -8}, {0, 8, -8}));
    EXPECT_TRUE(EnthaeltStrecke(E, {-8, 0, 8}, {0, -8, 8}));
    // The list holds the faces in order 1..6 and matches the raw results.
    for (int K = 1; K <= 6; ++K) {
        EXPECT_TRUE(Gleich(E.Schnittpunkte[2 * K - 1], E.SchnittFlaechen[K][1]));
        EXPECT_TRUE(Gleich(E.Schnittpunkte[2 * K], E.SchnittFlaechen[K][2]));
    }
    EXPECT_NEAR(static_cast<double>(E.Schnittpunkte[1].x), -8.0, 1e-12);  // face 1 first
    EXPECT_NEAR(static_cast<double>(E.Schnittpunkte[3].y), 8.0, 1e-12);   // then y = Y
}

TEST_F(Ebenenschnitt, ParallelZuFlaechenUndUngleicheHalbseiten) {
    // z = 1 between the faces z = ±Z: a rectangle on the four side faces;
    // distinct half-sides show a mixed-up axis.
    Halbseiten(3, 5, 7);
    const TEbene& E = Schnitt({0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    ASSERT_EQ(E.SchnittpunktAnzahl, 8);
    EXPECT_TRUE(EnthaeltStrecke(E, {-3, -5, 1}, {-3, 5, 1}));
    EXPECT_TRUE(EnthaeltStrecke(E, {-3, 5, 1}, {3, 5, 1}));
    EXPECT_TRUE(EnthaeltStrecke(E, {3, 5, 1}, {3, -5, 1}));
    EXPECT_TRUE(EnthaeltStrecke(E, {-3, -5, 1}, {3, -5, 1}));
    // z = 7.5 lies above the box of half-side 7.
    EXPECT_EQ(Schnitt({0, 0, 7.5L}, {1, 0, 0}, {0, 1, 0}).SchnittpunktAnzahl, 0);
}

TEST_F(Ebenenschnitt, DurchEckenUndKanten) {
    // x + y + z = 8 runs through the corners (8, 8, -8), (8, -8, 8) and
    // (-8, 8, 8): three face diagonals; the opposite faces are only touched.
    {
        const TEbene& E = Schnitt({8, 0, 0}, {-1, 1, 0}, {-1, 0, 1});
        ASSERT_EQ(E.SchnittpunktAnzahl, 6);
        EXPECT_TRUE(EnthaeltStrecke(E, {8, 8, -8}, {8, -8, 8}));
        EXPECT_TRUE(EnthaeltStrecke(E, {8, 8, -8}, {-8, 8, 8}));
        EXPECT_TRUE(EnthaeltStrecke(E, {-8, 8, 8}, {8, -8, 8}));
    }
    // y + 2z = 8: through the corner (-8, -8, 8) shared by the first two
    // edges of face 1, which report it once; the third edge gives the other
    // end. The plane holds the cube edge y = -8, z = 8 and both faces that
    // share that edge report it whole.
    {
        const TEbene& E = Schnitt({-8, -8, 8}, {0, 2, -1}, {1, 0, 0});
        ASSERT_EQ(E.SchnittpunktAnzahl, 10);
        EXPECT_TRUE(Gleich(E.SchnittFlaechen[1][1], {-8, -8, 8}));
        EXPECT_TRUE(Gleich(E.SchnittFlaechen[1][2], {-8, 8, 0}));
        EXPECT_TRUE(EnthaeltStrecke(E, {8, -8, 8}, {8, 8, 0}));
        EXPECT_TRUE(EnthaeltStrecke(E, {-8, 8, 0}, {8, 8, 0}));
        int n = 0;
        TPunkte<2> P4, P6;
        SchnittEbeneWuerfelflaeche(4, {-8, -8, 8}, {0, 2, -1}, {1, 0, 0}, n, P4);
        EXPECT_EQ(n, 2);
        SchnittEbeneWuerfelflaeche(6, {-8, -8, 8}, {0, 2, -1}, {1, 0, 0}, n, P6);
        EXPECT_EQ(n, 2);
        for (const TPunkte<2>* P : {&P4, &P6}) {
            const bool ganz = (Gleich((*P)[1], {-8, -8, 8}) && Gleich((*P)[2], {8, -8, 8})) ||
                              (Gleich((*P)[2], {-8, -8, 8}) && Gleich((*P)[1], {8, -8, 8}));
            EXPECT_TRUE(ganz);
        }
        SchnittEbeneWuerfelflaeche(5, {-8, -8, 8}, {0, 2, -1}, {1, 0, 0}, n, P4);
        EXPECT_EQ(n, 0);
    }
    // The plane of the face x = -X: that face is parallel, its four edges
    // come whole from the four neighbouring faces.
    {
        const TEbene& E = Schnitt({-8, 0, 0}, {0, 1, 0}, {0, 0, 1});
        ASSERT_EQ(E.SchnittpunktAnzahl, 8);
        EXPECT_TRUE(EnthaeltStrecke(E, {-8, 8, -8}, {-8, 8, 8}));
        EXPECT_TRUE(EnthaeltStrecke(E, {-8, -8, -8}, {-8, -8, 8}));
        EXPECT_TRUE(EnthaeltStrecke(E, {-8, -8, -8}, {-8, 8, -8}));
        EXPECT_TRUE(EnthaeltStrecke(E, {-8, -8, 8}, {-8, 8, 8}));
    }
}

// Many random planes, plain and on an integer grid (which hits corners and
// edges often): every section point lies on the surface of the axes cube
// and in the plane, the count is even and at most 12, a plane through the
// interior gives at least three segments and one clear of the cube none.
TEST_F(Ebenenschnitt, ZufallsEbenen) {
    std::mt19937 zufall(20240611u);
    std::uniform_real_distribution<double> ort(-14.0, 14.0), richtung(-5.0, 5.0);
    std::uniform_int_distribution<int> gitterOrt(-10, 10), gitterRichtung(-2, 2);
    const int Halb[3][3] = {{8, 8, 8}, {3, 5, 7}, {10, 2, 6}};
    int geprueft = 0, durchInneres = 0, daneben = 0;
    for (int lauf = 0; lauf < 2000; ++lauf) {
        const int* h = Halb[lauf % 3];
        Halbseiten(h[0], h[1], h[2]);
        const bool gitter = lauf % 2 == 1;
        auto Zahl = [&](bool istOrt) -> Extended {
            if (gitter) return istOrt ? gitterOrt(zufall) : gitterRichtung(zufall);
            return istOrt ? ort(zufall) : richtung(zufall);
        };
        const TVek_R3 S{Zahl(true), Zahl(true), Zahl(true)};
        const TVek_R3 u{Zahl(false), Zahl(false), Zahl(false)};
        const TVek_R3 v{Zahl(false), Zahl(false), Zahl(false)};
        TVek_R3 n;
        Vektorprodukt(u, v, n);
        const Extended bn = Betrag(n);
        if (bn < 1e-3L) continue;  // the dialogs refuse dependent directions
        ++geprueft;
        const TEbene& E = Schnitt(S, u, v);
        const int Anzahl = E.SchnittpunktAnzahl;
        ASSERT_GE(Anzahl, 0);
        ASSERT_LE(Anzahl, 12);
        ASSERT_EQ(Anzahl % 2, 0);
        const Extended X = h[0], Y = h[1], Z = h[2];
        for (int k = 1; k <= Anzahl; ++k) {
            const TVek_R3 P = E.Schnittpunkte[k];
            ASSERT_TRUE(std::isfinite(P.x) && std::isfinite(P.y) && std::isfinite(P.z));
            EXPECT_LE(std::fabs(P.x), X + 1e-9L);
            EXPECT_LE(std::fabs(P.y), Y + 1e-9L);
            EXPECT_LE(std::fabs(P.z), Z + 1e-9L);
            const Extended aussen = std::min({std::fabs(std::fabs(P.x) - X),
                                              std::fabs(std::fabs(P.y) - Y),
                                              std::fabs(std::fabs(P.z) - Z)});
            EXPECT_LE(aussen, 1e-9L) << "Lauf " << lauf << ", Punkt " << k;
            TVek_R3 SP;
            VektorAB(S, P, SP);
            EXPECT_LE(std::fabs(Skalarprodukt(SP, n)) / bn, 1e-9L) << "Lauf " << lauf;
        }
        for (int k = 1; k + 1 <= Anzahl; k += 2)
            EXPECT_FALSE(VektorenGleich(E.Schnittpunkte[k], E.Schnittpunkte[k + 1]));
        // Signed distances of the eight corners from the plane.
        Extended kleinst = 1e30L, groesst = -1e30L;
        for (int sx = -1; sx <= 1; sx += 2)
            for (int sy = -1; sy <= 1; sy += 2)
                for (int sz = -1; sz <= 1; sz += 2) {
                    const TVek_R3 C{sx * X, sy * Y, sz * Z};
                    TVek_R3 SC;
                    VektorAB(S, C, SC);
                    const Extended d = Skalarprodukt(SC, n) / bn;
                    kleinst = std::min(kleinst, d);
                    groesst = std::max(groesst, d);
                }
        if (kleinst < -1e-6L && groesst > 1e-6L) {
            ++durchInneres;
            EXPECT_GE(Anzahl, 6) << "Lauf " << lauf;
        } else if (kleinst > 1e-6L || groesst < -1e-6L) {
            ++daneben;
            EXPECT_EQ(Anzahl, 0) << "Lauf " << lauf;
        }
    }
    EXPECT_GT(geprueft, 1800);
    EXPECT_GT(durchInneres, 300);
    EXPECT_GT(daneben, 100);
}
