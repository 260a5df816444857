// Sections of a plane with the axes cube: misses, corners, edges, faces,
// and many random planes.
#include <algorithm>
#include <random>

#include "geometry/Geometrie.h"
#include "view3d/Bildtest.h"

namespace {

// Whether the plane's section list holds the segment A-B, either way round.
bool EnthaeltStrecke(const TEbene& E, TVek_R3 A, TVek_R3 B) {
    for (int k = 1; k + 1 <= E.SchnittpunktAnzahl; k += 2) {
        const TVek_R3 P = E.Schnittpunkte[k], Q = E.Schnittpunkte[k + 1];
        if ((Nahe(P, A) && Nahe(Q, B)) || (Nahe(P, B) && Nahe(Q, A))) return true;
    }
    return false;
}

class Ebenenschnitt : public Linienrechnung {
protected:
    static void Halbseiten(int X, int Y, int Z) {
        AchseXMax = X;
        AchseYMax = Y;
        AchseZMax = Z;
        Pfeillaenge = X / 50.0L;
    }
    static const TEbene& Schnitt(TVek_R3 S, TVek_R3 u, TVek_R3 v) {
        SetzeEbene(1, S, u, v);
        EbeneBerechnen(Ebene[1]);
        return Ebene[1];
    }
};

TEST_F(Ebenenschnitt, VerfehltOderBeruehrt) {
    // Above the cube.
    EXPECT_EQ(Schnitt({0, 0, 20}, {1, 0, 0}, {0, 1, 0}).SchnittpunktAnzahl, 0);
    // Touching the cube in the corner (8, 8, 8) only (x + y + z = 24): no
    // face gives a segment; nor does a face number outside 1..6.
    EXPECT_EQ(Schnitt({24, 0, 0}, {-1, 1, 0}, {-1, 0, 1}).SchnittpunktAnzahl, 0);
    for (Byte K = 1; K <= 7; ++K) {
        int n = -1;
        TPunkte<2> P;
        if (K < 7) SchnittEbeneWuerfelflaeche(K, {24, 0, 0}, {-1, 1, 0}, {-1, 0, 1}, n, P);
        else SchnittEbeneWuerfelflaeche(7, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, n, P);
        EXPECT_EQ(n, 0) << "Flaeche " << int(K);
    }
}

TEST_F(Ebenenschnitt, Sechseck) {
    // x + y + z = 0 cuts all six faces: a regular hexagon. Face 1 (x = -8):
    // from (-8, 8, 0) to (-8, 0, 8), and so on.
    const TEbene& E = Schnitt({0, 0, 0}, {1, -1, 0}, {1, 0, -1});
    ASSERT_EQ(E.SchnittpunktAnzahl, 12);
    const TVek_R3 Seiten[6][2] = {{{-8, 8, 0}, {-8, 0, 8}}, {{8, -8, 0}, {8, 0, -8}}, {{0, 8, -8}, {-8, 8, 0}},
                                  {{0, -8, 8}, {8, -8, 0}}, {{8, 0, -8}, {0, 8, -8}}, {{-8, 0, 8}, {0, -8, 8}}};
    for (const auto& S : Seiten) EXPECT_TRUE(EnthaeltStrecke(E, S[0], S[1]));
    // The list holds the faces in order 1..6 and matches the raw results.
    for (int K = 1; K <= 6; ++K) {
        EXPECT_TRUE(Nahe(E.Schnittpunkte[2 * K - 1], E.SchnittFlaechen[K][1]));
        EXPECT_TRUE(Nahe(E.Schnittpunkte[2 * K], E.SchnittFlaechen[K][2]));
    }
    EXPECT_NEAR(static_cast<double>(E.Schnittpunkte[1].x), -8.0, 1e-12);  // face 1 first
    EXPECT_NEAR(static_cast<double>(E.Schnittpunkte[3].y), 8.0, 1e-12);   // then y = Y
}

TEST_F(Ebenenschnitt, DurchEckenUndKanten) {
    // x + y + z = 8 runs through the corners (8, 8, -8), (8, -8, 8) and
    // (-8, 8, 8): three face diagonals; the opposite faces are only touched.
    const TEbene& E = Schnitt({8, 0, 0}, {-1, 1, 0}, {-1, 0, 1});
    ASSERT_EQ(E.SchnittpunktAnzahl, 6);
    EXPECT_TRUE(EnthaeltStrecke(E, {8, 8, -8}, {8, -8, 8}));
    EXPECT_TRUE(EnthaeltStrecke(E, {8, 8, -8}, {-8, 8, 8}));
    EXPECT_TRUE(EnthaeltStrecke(E, {-8, 8, 8}, {8, -8, 8}));

    // y + 2z = 8: through the corner (-8, -8, 8) shared by the first two
    // edges of face 1, which report it once; the third edge gives the other
    // end. The plane holds the cube edge y = -8, z = 8 and both faces that
    // share that edge report it whole.
    Schnitt({-8, -8, 8}, {0, 2, -1}, {1, 0, 0});
    ASSERT_EQ(E.SchnittpunktAnzahl, 10);
    EXPECT_TRUE(Nahe(E.SchnittFlaechen[1][1], {-8, -8, 8}));
    EXPECT_TRUE(Nahe(E.SchnittFlaechen[1][2], {-8, 8, 0}));
    EXPECT_TRUE(EnthaeltStrecke(E, {8, -8, 8}, {8, 8, 0}));
    EXPECT_TRUE(EnthaeltStrecke(E, {-8, 8, 0}, {8, 8, 0}));
    for (Byte K : {4, 6, 5}) {
        int n = 0;
        TPunkte<2> P;
        SchnittEbeneWuerfelflaeche(K, {-8, -8, 8}, {0, 2, -1}, {1, 0, 0}, n, P);
        if (K == 5) {
            EXPECT_EQ(n, 0);
            continue;
        }
        EXPECT_EQ(n, 2) << int(K);
        EXPECT_TRUE((Nahe(P[1], {-8, -8, 8}) && Nahe(P[2], {8, -8, 8})) ||
                    (Nahe(P[2], {-8, -8, 8}) && Nahe(P[1], {8, -8, 8})))
            << int(K);
    }

    // The plane of the face x = -X: that face is parallel, its four edges
    // come whole from the four neighbouring faces.
    Schnitt({-8, 0, 0}, {0, 1, 0}, {0, 0, 1});
    ASSERT_EQ(E.SchnittpunktAnzahl, 8);
    EXPECT_TRUE(EnthaeltStrecke(E, {-8, 8, -8}, {-8, 8, 8}));
    EXPECT_TRUE(EnthaeltStrecke(E, {-8, -8, -8}, {-8, -8, 8}));
    EXPECT_TRUE(EnthaeltStrecke(E, {-8, -8, -8}, {-8, 8, -8}));
    EXPECT_TRUE(EnthaeltStrecke(E, {-8, -8, 8}, {-8, 8, 8}));
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
            ASSERT_TRUE(Endlich(P));
            EXPECT_LE(std::fabs(P.x), X + 1e-9L);
            EXPECT_LE(std::fabs(P.y), Y + 1e-9L);
            EXPECT_LE(std::fabs(P.z), Z + 1e-9L);
            const Extended aussen =
                std::min({std::fabs(std::fabs(P.x) - X), std::fabs(std::fabs(P.y) - Y), std::fabs(std::fabs(P.z) - Z)});
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

}  // namespace
