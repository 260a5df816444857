// Points that the bodies derive from their dialog data: sphere mesh, cone
// and circle rims, apex and measures, parallelepiped corners and arrow heads,
// the box of the axes, crosshair arms and the arrow of a vector.

#include <gtest/gtest.h>

#include <cmath>

#include "dialogs/Fadenkreuz.h"
#include "dialogs/Kegel.h"
#include "dialogs/Kugeln.h"
#include "dialogs/Punkte.h"
#include "dialogs/Spate.h"
#include "dialogs/Vektoren.h"
#include "geometry/Geometrie.h"
#include "scene/ObjektGeometrie.h"
#include "view3d/Ansicht.h"

namespace {

void ErwarteNahe(TVek_R3 a, TVek_R3 b, Extended tol = 1e-12L) {
    EXPECT_NEAR(static_cast<double>(a.x), static_cast<double>(b.x), static_cast<double>(tol));
    EXPECT_NEAR(static_cast<double>(a.y), static_cast<double>(b.y), static_cast<double>(tol));
    EXPECT_NEAR(static_cast<double>(a.z), static_cast<double>(b.z), static_cast<double>(tol));
}

bool Endlich(TVek_R3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

void Spalte(TStringGrid& G, int c, int r, const char* x, const char* y, const char* z) {
    G.Cells(c, r) = x;
    G.Cells(c, r + 1) = y;
    G.Cells(c, r + 2) = z;
}

class ObjektGeometrie : public ::testing::Test {
protected:
    void SetUp() override {
        SzeneObjekteNullen();
        AchseXMax = 8;
        AchseYMax = 8;
        AchseZMax = 8;
        Pfeillaenge = 8.0L / 50;
    }
    void TearDown() override {
        SzeneObjekteNullen();
        AnsichtNullen();
    }
};

// Rim of Kegel[i] read from its grid with centre M and normal n.
void KegelSetzen(int i, const char* M[3], const char* n[3], Extended r, Extended h) {
    Spalte(Form_Kegel.Gitter(i), 0, 1, M[0], M[1], M[2]);
    Spalte(Form_Kegel.Gitter(i), 1, 1, n[0], n[1], n[2]);
    Kegel[i].Radius = r;
    Kegel[i].Hoehe = h;
    ASSERT_TRUE(KegelBerechnen(i));
}

}  // namespace

TEST_F(ObjektGeometrie, KugelNetz) {
    Spalte(Form_Kugeln.Gitter(2), 1, 1, "0", "0", "0");
    Kugel[2].Radius = 2;
    ASSERT_TRUE(KugelBerechnen(2));
    const TKugel& K = Kugel[2];
    EXPECT_EQ(K.n, 12);
    EXPECT_EQ(K.m, 24);
    ErwarteNahe(K.Netz[0], TVek_R3{0, 0, 2});
    // Ring 12 is the equator: point 0 at (0, -r, 0), point 6 turned by 90°.
    ErwarteNahe(K.Netz[1 + 11 * 24], TVek_R3{0, -2, 0});
    ErwarteNahe(K.Netz[1 + 11 * 24 + 6], TVek_R3{2, 0, 0});
    ErwarteNahe(K.Netz[553], TVek_R3{0, 0, -2});
    EXPECT_EQ(K.Netz[554], TVek_R3{});  // beyond the mesh: untouched

    // Off the origin: every point on the sphere, 23 rings of 24 points each
    // at one height, ring 1 next to the upper pole.
    Spalte(Form_Kugeln.Gitter(3), 1, 1, "1,5", "-2", "3");
    Kugel[3].Radius = 2.5L;
    ASSERT_TRUE(KugelBerechnen(3));
    const TVek_R3 M{1.5L, -2, 3};
    EXPECT_EQ(Kugel[3].Mittelpunkt, M);
    for (int k = 0; k <= 553; ++k)
        EXPECT_NEAR(static_cast<double>(AbstandPunktPunkt(Kugel[3].Netz[k], M)), 2.5, 1e-9) << k;
    for (int i = 1; i <= 23; ++i) {
        const Extended z = Kugel[3].Netz[1 + (i - 1) * 24].z;
        EXPECT_NEAR(static_cast<double>(z), static_cast<double>(3 + 2.5L / 12 * (12 - i)), 1e-12);
        for (int j = 1; j < 24; ++j)
            EXPECT_NEAR(static_cast<double>(Kugel[3].Netz[1 + (i - 1) * 24 + j].z),
                        static_cast<double>(z), 1e-12);
    }
    EXPECT_GT(Kugel[3].Netz[1].z, Kugel[3].Netz[25].z);
}

TEST_F(ObjektGeometrie, KugelRadiusNullUndNegativ) {
    Spalte(Form_Kugeln.Gitter(1), 1, 1, "1", "2", "3");
    Kugel[1].Radius = 0;
    ASSERT_TRUE(KugelBerechnen(1));
    for (int k = 0; k <= 553; ++k) EXPECT_EQ(Kugel[1].Netz[k], (TVek_R3{1, 2, 3})) << k;

    // Not refused here: the mesh must stay finite, on the sphere of |r|.
    Kugel[1].Radius = -1.5L;
    ASSERT_TRUE(KugelBerechnen(1));
    for (int k = 0; k <= 553; ++k) {
        ASSERT_TRUE(Endlich(Kugel[1].Netz[k])) << k;
        EXPECT_NEAR(static_cast<double>(AbstandPunktPunkt(Kugel[1].Netz[k], TVek_R3{1, 2, 3})),
                    1.5, 1e-9);
    }
}

TEST_F(ObjektGeometrie, KegelRandAchsenNormalen) {
    const char* M[3] = {"1", "2", "3"};
    {
        const char* n[3] = {"0", "0", "1"};
        KegelSetzen(1, M, n, 2, 3);
        const TKegel& K = Kegel[1];
        EXPECT_EQ(K.Winkelschritt, 6);
        ErwarteNahe(K.Randpunkt[1], TVek_R3{3, 2, 3});
        ErwarteNahe(K.Randpunkt[16], TVek_R3{1, 4, 3});
        for (int k = 1; k <= 61; ++k) EXPECT_NEAR(static_cast<double>(K.Randpunkt[k].z), 3, 1e-12);
        EXPECT_EQ(K.Randpunkt[61], K.Randpunkt[1]);
        EXPECT_EQ(K.Randpunkt[62], TVek_R3{});  // the right-angle mark is not ours
        ErwarteNahe(K.Spitze, TVek_R3{1, 2, 6});
    }
    {
        const char* n[3] = {"0", "0", "-1"};
        KegelSetzen(2, M, n, 2, 3);
        ErwarteNahe(Kegel[2].Randpunkt[16], TVek_R3{1, 0, 3});
        ErwarteNahe(Kegel[2].Spitze, TVek_R3{1, 2, 0});
    }
    {
        const char* n[3] = {"1", "0", "0"};
        KegelSetzen(3, M, n, 2, 3);
        for (int k = 1; k <= 61; ++k) EXPECT_NEAR(static_cast<double>(Kegel[3].Randpunkt[k].x), 1, 1e-12);
        ErwarteNahe(Kegel[3].Spitze, TVek_R3{4, 2, 3});
    }
    {
        // The apex lies at the height h along n whatever n's length.
        const char* n[3] = {"0", "-4", "0"};
        KegelSetzen(4, M, n, 2, 3);
        for (int k = 1; k <= 61; ++k) EXPECT_NEAR(static_cast<double>(Kegel[4].Randpunkt[k].y), 2, 1e-12);
        ErwarteNahe(Kegel[4].Spitze, TVek_R3{1, -1, 3});
    }
}

TEST_F(ObjektGeometrie, KegelRandSenkrechtZurNormalen) {
    // Every branch of the tilt, and normals whose x component lies on the
    // tolerance itself (they must tilt the rim too).
    const TVek_R3 Normalen[] = {
        {3, -4, 12}, {3, 4, -12}, {-3, 4, 12}, {-3, -4, -1}, {-2, 0, 1}, {2, 0, -1},
        {1, 1, 0},   {-1, -1, 0}, {0, 5, 1},   {0, -5, 1},   {0, 1, 0},  {0, -1, 0},
        {1e-9L, 1, 0}, {-1e-9L, 1, 0}, {1e-9L, 0, -1}, {2e-9L, 1, 0}, {5e-10L, -1, 1},
    };
    const TVek_R3 M{-2, 0.5L, 7};
    for (const TVek_R3& n : Normalen) {
        TKegel K;
        K.Mittelpunkt = M;
        K.Normalenvektor = n;
        K.Radius = 1.75L;
        K.Hoehe = 2;
        KegelGeometrieBerechnen(K);
        TVek_R3 e;
        Normiere(n, e);
        for (int k = 1; k <= 61; ++k) {
            TVek_R3 d;
            VektorAB(M, K.Randpunkt[k], d);
            EXPECT_NEAR(static_cast<double>(Betrag(d)), 1.75, 1e-9) << n.x << ' ' << n.y << ' ' << n.z;
            // The tilt ignores an x component within the tolerance: r·1e-9.
            EXPECT_NEAR(static_cast<double>(Skalarprodukt(d, e)), 0, 1.75e-9 + 1e-12)
                << n.x << ' ' << n.y << ' ' << n.z << " Punkt " << k;
        }
        EXPECT_EQ(K.Randpunkt[61], K.Randpunkt[1]);
        // Neighbours 6° apart: chord 2r·sin 3°.
        EXPECT_NEAR(static_cast<double>(AbstandPunktPunkt(K.Randpunkt[1], K.Randpunkt[2])),
                    2 * 1.75 * std::sin(3 * M_PI / 180), 1e-9);
        TVek_R3 S;
        SMultiplikation(e, 2, S);
        VektSumme(M, S, S);
        ErwarteNahe(K.Spitze, S, 1e-12L);
    }
}

TEST_F(ObjektGeometrie, KegelMasseUndGrenzfaelle) {
    TKegel K;
    K.Normalenvektor = TVek_R3{0, 0, 1};
    K.Radius = 3;
    K.Hoehe = 4;
    KegelGeometrieBerechnen(K);
    EXPECT_NEAR(static_cast<double>(K.Mantellinie), 5, 1e-15);
    EXPECT_NEAR(static_cast<double>(K.Volumen), 12 * M_PI, 1e-12);
    EXPECT_NEAR(static_cast<double>(K.Mantelflaeche), 15 * M_PI, 1e-12);
    EXPECT_NEAR(static_cast<double>(K.Oberflaeche), 24 * M_PI, 1e-12);
    EXPECT_NEAR(static_cast<double>(K.Oeffnungswinkel), 2 * std::asin(0.6) * 180 / M_PI, 1e-12);

    // A circle: the apex sits on the centre, the opening angle is 180°.
    K.Mittelpunkt = TVek_R3{1, 1, 1};
    K.Hoehe = 0;
    KegelGeometrieBerechnen(K);
    EXPECT_EQ(K.Spitze, K.Mittelpunkt);
    EXPECT_NEAR(static_cast<double>(K.Oeffnungswinkel), 180, 1e-12);

    // Radius and height 0: no slant height, opening angle 0 rather than 0/0.
    K.Radius = 0;
    KegelGeometrieBerechnen(K);
    EXPECT_EQ(K.Oeffnungswinkel, 0);
    EXPECT_EQ(K.Mantellinie, 0);
    for (int k = 1; k <= 61; ++k) EXPECT_EQ(K.Randpunkt[k], K.Mittelpunkt);

    // A null normal (refused by the dialog, possible from a file): the apex
    // stays on the centre instead of becoming NaN, the rim stays finite.
    K.Radius = 2;
    K.Hoehe = 3;
    K.Normalenvektor = TVek_R3{};
    KegelGeometrieBerechnen(K);
    EXPECT_EQ(K.Spitze, K.Mittelpunkt);
    for (int k = 1; k <= 61; ++k) EXPECT_TRUE(Endlich(K.Randpunkt[k]));
}

TEST_F(ObjektGeometrie, KreisRand) {
    Kreis[0].Mittelpunkt = TVek_R3{1, 2, 3};
    Kreis[0].Normalenvektor = TVek_R3{1, 1, 1};
    Kreis[0].Radius = 4;
    KreisBerechnen(0);
    EXPECT_EQ(Kreis[0].Winkelschritt, 6);
    for (int k = 1; k <= 61; ++k) {
        TVek_R3 d;
        VektorAB(Kreis[0].Mittelpunkt, Kreis[0].Randpunkt[k], d);
        EXPECT_NEAR(static_cast<double>(Betrag(d)), 4, 1e-9);
        EXPECT_NEAR(static_cast<double>(Skalarprodukt(d, TVek_R3{1, 1, 1})), 0, 1e-9);
    }
    EXPECT_EQ(Kreis[0].Randpunkt[61], Kreis[0].Randpunkt[1]);
    EXPECT_EQ(Kreis[1], TKreis{});  // only the circle asked for
}

TEST_F(ObjektGeometrie, SpatEckenUndPfeile) {
    TStringGrid& G = Form_Spate.Gitter(3);
    Spalte(G, 0, 1, "1", "2", "3");
    Spalte(G, 1, 1, "2", "0", "0");
    Spalte(G, 2, 1, "0", "3", "0");
    Spalte(G, 3, 1, "1", "1", "4");
    ASSERT_TRUE(SpatBerechnen(3));
    const TSpat& S = Spat[3];
    const TVek_R3 Soll[8] = {{1, 2, 3}, {3, 2, 3}, {3, 5, 3}, {1, 5, 3},
                             {2, 3, 7}, {4, 3, 7}, {4, 6, 7}, {2, 6, 7}};
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(S.Ecke[k], Soll[k - 1]) << k;
    EXPECT_EQ(S.AE, (TVek_R3{1, 1, 4}));

    // Heads: tips at A + AB, A + AD, A + AE; the barbs of AB in the face of
    // AB and AE, of AD in the face of AB and AD, of AE in the face of AB, AE.
    ErwarteNahe(S.ErzeugendePfeile[2], Soll[1]);
    ErwarteNahe(S.ErzeugendePfeile[5], Soll[3]);
    ErwarteNahe(S.ErzeugendePfeile[8], Soll[4]);
    const TVek_R3 Flaechen[3][2] = {{S.AB, S.AE}, {S.AB, S.AD}, {S.AB, S.AE}};
    for (int k = 0; k < 3; ++k) {
        TVek_R3 nrm;
        Vektorprodukt(Flaechen[k][0], Flaechen[k][1], nrm);
        for (int b : {1, 3}) {
            TVek_R3 d;
            VektorAB(S.Ecke[1], S.ErzeugendePfeile[3 * k + b], d);
            EXPECT_NEAR(static_cast<double>(Skalarprodukt(d, nrm)), 0, 1e-9) << k;
            EXPECT_GT(Betrag(d), 0);
        }
    }

    // A cell that is no number leaves the whole Spat as it was.
    const TSpat vorher = Spat[3];
    G.Cells(3, 2) = "x";
    EXPECT_FALSE(SpatBerechnen(3));
    EXPECT_EQ(Spat[3], vorher);
}

TEST_F(ObjektGeometrie, MaxQuader) {
    MaxQuader.Linienstil = 2;
    MaxQuaderFarbe = 0x00123456;
    MaxQuaderBerechnen();
    EXPECT_EQ(MaxQuader.Ecke[1], (TVek_R3{-8, -8, -8}));
    EXPECT_EQ(MaxQuader.Ecke[7], (TVek_R3{8, 8, 8}));
    EXPECT_EQ(MaxQuader.Linienstil, 0);
    EXPECT_EQ(MaxQuader.Farbe, 0x00123456u);

    AchseXMax = 8;
    AchseYMax = 6;
    AchseZMax = 4;
    MaxQuaderBerechnen();
    const TVek_R3 Soll[8] = {{-8, -6, -4}, {8, -6, -4}, {8, 6, -4}, {-8, 6, -4},
                             {-8, -6, 4},  {8, -6, 4},  {8, 6, 4},  {-8, 6, 4}};
    for (int k = 1; k <= 8; ++k) EXPECT_EQ(MaxQuader.Ecke[k], Soll[k - 1]) << k;
    EXPECT_EQ(MaxQuader.Kantenmitten[1], (TVek_R3{0, -6, -4}));
    EXPECT_EQ(MaxQuader.Kantenmitten[2], (TVek_R3{8, 0, -4}));
    EXPECT_EQ(MaxQuader.Kantenmitten[3], (TVek_R3{8, 6, 0}));
    EXPECT_EQ(MaxQuader.ErzeugendePfeile, TPunkte<9>{});
}

TEST_F(ObjektGeometrie, FadenkreuzUndPunktArme) {
    // Distinct half-lengths catch a mix-up of the axes.
    AchseXMax = 8;
    AchseYMax = 6;
    AchseZMax = 4;
    Spalte(Form_Fadenkreuz.StringGrid1, 0, 1, "1", "2", "3");
    ASSERT_TRUE(FadenkreuzAusDialog());
    EXPECT_EQ(Fadenkreuz.Mittelpunkt, (TVek_R3{1, 2, 3}));
    EXPECT_EQ(Fadenkreuz.ArmAnfang[1], (TVek_R3{1, 2, -4}));
    EXPECT_EQ(Fadenkreuz.ArmEnde[1], (TVek_R3{1, 2, 4}));
    EXPECT_EQ(Fadenkreuz.ArmAnfang[2], (TVek_R3{1, -6, 3}));
    EXPECT_EQ(Fadenkreuz.ArmEnde[2], (TVek_R3{1, 6, 3}));
    EXPECT_EQ(Fadenkreuz.ArmAnfang[3], (TVek_R3{-8, 2, 3}));
    EXPECT_EQ(Fadenkreuz.ArmEnde[3], (TVek_R3{8, 2, 3}));

    // The point's grid has its coordinates in rows 0..2 of column 1.
    Spalte(Form_Punkte.Gitter(4), 1, 0, "-1", "0,5", "2");
    ASSERT_TRUE(PunktBerechnen(4));
    const TPunkt& P = Punkt[4];
    EXPECT_EQ(P.Ort, (TVek_R3{-1, 0.5L, 2}));
    const TVek_R3 Soll[6] = {{-1, 0.5L, -4}, {-1, 0.5L, 4}, {-1, -6, 2},
                             {-1, 6, 2},     {-8, 0.5L, 2}, {8, 0.5L, 2}};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(P.FadenkreuzArme[k], Soll[k - 1]) << k;
}

TEST_F(ObjektGeometrie, VektorPfeil) {
    TStringGrid& G = Form_Vektoren.Gitter(2);
    Spalte(G, 0, 1, "1", "1", "1");
    Spalte(G, 1, 1, "2", "0", "0");
    ASSERT_TRUE(VektorBerechnen(2));
    const TVektor& V = Vektor[2];
    EXPECT_EQ(V.Anfangspunkt, (TVek_R3{1, 1, 1}));
    EXPECT_EQ(V.Vektor, (TVek_R3{2, 0, 0}));
    EXPECT_EQ(V.Endpunkt, (TVek_R3{3, 1, 1}));
    ErwarteNahe(V.Pfeil[2], V.Endpunkt);
    // Barbs behind the tip, one on each side of the shaft.
    EXPECT_LT(V.Pfeil[1].x, 3);
    EXPECT_LT(V.Pfeil[3].x, 3);
    TVek_R3 Mitte;
    VektSumme(V.Pfeil[1], V.Pfeil[3], Mitte);
    SMultiplikation(Mitte, 0.5L, Mitte);
    EXPECT_NEAR(static_cast<double>(Mitte.y), 1, 1e-12);
    EXPECT_NEAR(static_cast<double>(Mitte.z), 1, 1e-12);

    Spalte(G, 1, 1, "0", "0", "0");
    ASSERT_TRUE(VektorBerechnen(2));
    EXPECT_EQ(Vektor[2].Endpunkt, (TVek_R3{1, 1, 1}));
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(Vektor[2].Pfeil[k], TVek_R3{});
}
