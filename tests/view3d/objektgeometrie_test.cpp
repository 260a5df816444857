// Object geometry from the dialog grids: the readers take exactly the cell
// texts (cut to 20 characters like the checks) and leave an object alone
// when a cell is no number; the points the bodies derive from them.

#include <cmath>

#include "control/Szenenstand.h"

#include "geometry/Eingabe.h"
#include "geometry/Geometrie.h"
#include "forms/Hauptfenster.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Ansicht.h"

namespace {

bool Endlich(TVek_R3 v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

class ObjektGeometrie : public ::testing::Test {
protected:
    void SetUp() override {
        SzeneObjekteNullen();
        AchseXMax = AchseYMax = AchseZMax = 8;
        Pfeillaenge = 8.0L / 50;
    }
    void TearDown() override {
        SzeneObjekteNullen();
        AnsichtNullen();
    }
};

// 22 characters: the first 20 read 2.5, the whole text would be 250000.
const char* const Lang = "2,500000000000000000E5";

TEST_F(ObjektGeometrie, GeradenLesenZellenUndAttribute) {
    FarbeG = 0x000000AA;
    FarbeT = 0x00CC0000;
    FarbeLinienDialog = 0x000000FF;
    StiftbreiteStuetzvektoren = 2;
    Gerade[1].Stiftbreite = 3;
    Gerade[3].Stiftbreite = 1;

    Spalte(Form_Geraden_t.StringGrid1, 0, 1, "1,5", "-2", "0,125");
    Spalte(Form_Geraden_t.StringGrid1, 1, 1, "-0,75", Lang, "1E2");
    ASSERT_TRUE(GeradeGAusDialog());
    EXPECT_EQ(Gerade[1].Stuetzvektor, (TVek_R3{1.5L, -2, 0.125L}));
    EXPECT_EQ(Gerade[1].Richtungsvektor, (TVek_R3{-0.75L, 2.5L, 100}));
    EXPECT_EQ(Gerade[1].Farbe, 0x000000AAu);
    EXPECT_EQ(Gerade[1].FarbeRichtungsvektor, 0x000000AAu);
    EXPECT_EQ(Gerade[1].FarbeStuetzvektor, 0x000000FFu);
    EXPECT_EQ(Gerade[1].StiftbreiteVektor, 5);
    EXPECT_EQ(Gerade[1].StiftbreiteStuetzvektor, 2);
    // Whatever the checks accept, the reader reads the same number.
    Extended v = 0;
    ASSERT_TRUE(ZelleLesen(Lang, v));
    EXPECT_EQ(Gerade[1].Richtungsvektor.y, v);

    // t takes its own grid and FarbeT, h is left alone.
    Spalte(Form_Geraden_t.StringGrid3, 0, 1, "0", "0", "0");
    Spalte(Form_Geraden_t.StringGrid3, 1, 1, "0", "1", "0");
    ASSERT_TRUE(GeradeTAusDialog());
    EXPECT_EQ(Gerade[3].Richtungsvektor, (TVek_R3{0, 1, 0}));
    EXPECT_EQ(Gerade[3].Farbe, 0x00CC0000u);
    EXPECT_EQ(Gerade[3].StiftbreiteVektor, 3);
    EXPECT_EQ(Gerade[2], TGerade{});

    // A cell that is no number (or unfinished) changes nothing, not even
    // the cells before it or the colours.
    const TGerade vorher = Gerade[1];
    FarbeG = 0x00111111;
    for (const char* t : {"-", "1.5"}) {
        Form_Geraden_t.StringGrid1.Cells(1, 3) = t;
        EXPECT_FALSE(GeradeGAusDialog()) << t;
    }
    EXPECT_EQ(Gerade[1], vorher);
}

TEST_F(ObjektGeometrie, EbeneStreckeKegelLesen) {
    FarbeE2 = 0x00040506;
    FarbeLinienDialog = 0x000000FF;
    StiftbreiteEbenenRichtungsvektoren = 3;
    StiftbreiteStuetzvektoren = 2;
    Ebene[2].Linienstil = 2;
    TStringGrid& G = Form_Ebenen.StringGrid2;
    Spalte(G, 0, 1, "1", "2", "3");
    Spalte(G, 1, 1, "1", "0", "-0,5");
    Spalte(G, 2, 1, "0", Lang, "4");
    ASSERT_TRUE(EbeneE2AusDialog());
    const TEbene& E = Ebene[2];
    EXPECT_EQ(E.Stuetzvektor, (TVek_R3{1, 2, 3}));
    EXPECT_EQ(E.Richtungsvektor1, (TVek_R3{1, 0, -0.5L}));
    EXPECT_EQ(E.Richtungsvektor2, (TVek_R3{0, 2.5L, 4}));
    for (TColor c : {E.Farbe, E.FarbeRichtungsvektor1, E.FarbeRichtungsvektor2}) EXPECT_EQ(c, 0x00040506u);
    EXPECT_EQ(E.FarbeStuetzvektor, 0x000000FFu);
    EXPECT_EQ(E.StiftbreiteRichtungsvektoren, 3);
    EXPECT_EQ(E.StiftbreiteStuetzvektor, 2);
    EXPECT_EQ(E.Linienstil, 2);  // not the reader's
    EXPECT_EQ(Ebene[1], TEbene{});
    const TEbene vorher = Ebene[2];
    G.Cells(2, 3) = "";
    EXPECT_FALSE(EbeneE2AusDialog());
    EXPECT_EQ(Ebene[2], vorher);

    TStringGrid& S = Form_Strecken.Gitter(4);
    Spalte(S, 0, 1, "-10000,5", "0", "1");
    Spalte(S, 1, 1, "3", Lang, "-0,001");
    ASSERT_TRUE(StreckeBerechnen(4));
    EXPECT_EQ(Strecke[4].A, (TVek_R3{-10000.5L, 0, 1}));
    EXPECT_EQ(Strecke[4].B, (TVek_R3{3, 2.5L, -0.001L}));

    TStringGrid& K = Form_Kegel.Gitter(2);
    Spalte(K, 0, 1, "1", "2", "3");
    Spalte(K, 1, 1, "0", "0", Lang);
    Kegel[2].Radius = 1;
    Kegel[2].Hoehe = 5;
    ASSERT_TRUE(KegelBerechnen(2));
    EXPECT_EQ(Kegel[2].Normalenvektor, (TVek_R3{0, 0, 2.5L}));
    EXPECT_EQ(Kegel[2].Spitze, (TVek_R3{1, 2, 8}));
    const TKegel kvorher = Kegel[2];
    K.Cells(0, 1) = "1e";
    EXPECT_FALSE(KegelBerechnen(2));
    EXPECT_EQ(Kegel[2], kvorher);
}

TEST_F(ObjektGeometrie, FarbPanels) {
    FarbeG = 1;
    FarbeH = 2;
    FarbeT = 3;
    FarbeE1 = 4;
    FarbeE2 = 5;
    Gerade[1].Farbe = 99;  // the panel of g follows FarbeG, not the line
    for (int i = 1; i <= 4; ++i) {
        Spat[i].Farbe = 5 + i;
        Vektor[i].Farbe = 9 + i;
        Strecke[i].Farbe = 13 + i;
        Punkt[i].Farbe = 17 + i;
        Kugel[i].Farbe = 21 + i;
        Kegel[i].Farbe = 25 + i;
    }
    Fadenkreuz.Farbe = 30;
    FarbPanelsSetzen();
    for (int Nr = 1; Nr <= 30; ++Nr)
        EXPECT_EQ(Form_Edits_01.Pan_Farbe(Nr).Color, static_cast<TColor>(Nr)) << Nr;
}

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
    for (int i = 1; i <= 23; ++i)
        for (int j = 0; j < 24; ++j)
            EXPECT_NEAR(static_cast<double>(Kugel[3].Netz[1 + (i - 1) * 24 + j].z),
                        static_cast<double>(3 + 2.5L / 12 * (12 - i)), 1e-12);

    // Radius 0: every point the centre; a negative radius (not refused
    // here): finite, on the sphere of |r|.
    Spalte(Form_Kugeln.Gitter(1), 1, 1, "1", "2", "3");
    Kugel[1].Radius = 0;
    ASSERT_TRUE(KugelBerechnen(1));
    for (int k = 0; k <= 553; ++k) EXPECT_EQ(Kugel[1].Netz[k], (TVek_R3{1, 2, 3})) << k;
    Kugel[1].Radius = -1.5L;
    ASSERT_TRUE(KugelBerechnen(1));
    for (int k = 0; k <= 553; ++k) {
        ASSERT_TRUE(Endlich(Kugel[1].Netz[k])) << k;
        EXPECT_NEAR(static_cast<double>(AbstandPunktPunkt(Kugel[1].Netz[k], TVek_R3{1, 2, 3})), 1.5, 1e-9);
    }
}

TEST_F(ObjektGeometrie, KegelRandAusDemGitter) {
    for (int i : {1, 2}) {
        Spalte(Form_Kegel.Gitter(i), 0, 1, "1", "2", "3");
        Spalte(Form_Kegel.Gitter(i), 1, 1, "0", "0", i == 1 ? "1" : "-1");
        Kegel[i].Radius = 2;
        Kegel[i].Hoehe = 3;
        ASSERT_TRUE(KegelBerechnen(i));
    }
    const TKegel& K = Kegel[1];
    EXPECT_EQ(K.Winkelschritt, 6);
    ErwarteNahe(K.Randpunkt[1], TVek_R3{3, 2, 3});
    ErwarteNahe(K.Randpunkt[16], TVek_R3{1, 4, 3});
    EXPECT_EQ(K.Randpunkt[61], K.Randpunkt[1]);
    EXPECT_EQ(K.Randpunkt[62], TVek_R3{});  // the right-angle mark is not ours
    ErwarteNahe(K.Spitze, TVek_R3{1, 2, 6});
    ErwarteNahe(Kegel[2].Randpunkt[16], TVek_R3{1, 0, 3});
    ErwarteNahe(Kegel[2].Spitze, TVek_R3{1, 2, 0});
}

TEST_F(ObjektGeometrie, KegelRandSenkrechtZurNormalen) {
    // Every branch of the tilt, normals along the axes and of other lengths
    // than 1, and normals whose x component lies on the tolerance itself
    // (they must tilt the rim too).
    const TVek_R3 Normalen[] = {
        {3, -4, 12}, {3, 4, -12}, {-3, 4, 12}, {-3, -4, -1}, {-2, 0, 1}, {2, 0, -1}, {1, 1, 0},
        {-1, -1, 0}, {0, 5, 1},   {0, -5, 1},  {0, 1, 0},    {0, -1, 0}, {1, 0, 0}, {0, -4, 0}, {0, 0, 1},
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
        // The apex at the height h along n whatever n's length.
        TVek_R3 S;
        SMultiplikation(e, 2, S);
        VektSumme(M, S, S);
        ErwarteNahe(K.Spitze, S);
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
    // The rim itself is the cone's (checked there).
    EXPECT_NEAR(static_cast<double>(AbstandPunktPunkt(Kreis[0].Randpunkt[30], Kreis[0].Mittelpunkt)), 4, 1e-9);
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

TEST_F(ObjektGeometrie, FadenkreuzUndPunktArme) {
    // Distinct half-lengths catch a mix-up of the axes.
    AchseXMax = 8;
    AchseYMax = 6;
    AchseZMax = 4;
    Spalte(Form_Fadenkreuz.StringGrid1, 0, 1, "1", "2", "3");
    ASSERT_TRUE(FadenkreuzAusDialog());
    EXPECT_EQ(Fadenkreuz.Mittelpunkt, (TVek_R3{1, 2, 3}));
    const TVek_R3 Arme[6] = {{1, 2, -4}, {1, 2, 4}, {1, -6, 3}, {1, 6, 3}, {-8, 2, 3}, {8, 2, 3}};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(Fadenkreuz.ArmAnfang[k], Arme[2 * k - 2]) << k;
        EXPECT_EQ(Fadenkreuz.ArmEnde[k], Arme[2 * k - 1]) << k;
    }

    // The point's grid has its coordinates in rows 0..2 of column 1.
    Spalte(Form_Punkte.Gitter(4), 1, 0, "-1", "0,5", "2");
    ASSERT_TRUE(PunktBerechnen(4));
    EXPECT_EQ(Punkt[4].Ort, (TVek_R3{-1, 0.5L, 2}));
    const TVek_R3 Soll[6] = {{-1, 0.5L, -4}, {-1, 0.5L, 4}, {-1, -6, 2},
                             {-1, 6, 2},     {-8, 0.5L, 2}, {8, 0.5L, 2}};
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(Punkt[4].FadenkreuzArme[k], Soll[k - 1]) << k;
}

TEST_F(ObjektGeometrie, VektorPfeil) {
    TStringGrid& G = Form_Vektoren.Gitter(2);
    Spalte(G, 0, 1, "1", "1", "1");
    Spalte(G, 1, 1, "2", "0", "0");
    ASSERT_TRUE(VektorBerechnen(2));
    const TVektor& V = Vektor[2];
    EXPECT_EQ(V.Anfangspunkt, (TVek_R3{1, 1, 1}));
    EXPECT_EQ(V.Endpunkt, (TVek_R3{3, 1, 1}));
    ErwarteNahe(V.Pfeil[2], V.Endpunkt);
    // Barbs behind the tip, one on each side of the shaft.
    EXPECT_LT(V.Pfeil[1].x, 3);
    EXPECT_LT(V.Pfeil[3].x, 3);
    ErwarteNahe(TVek_R3{0, (V.Pfeil[1].y + V.Pfeil[3].y) / 2, (V.Pfeil[1].z + V.Pfeil[3].z) / 2},
                TVek_R3{0, 1, 1});

    Spalte(G, 1, 1, "0", "0", "0");
    ASSERT_TRUE(VektorBerechnen(2));
    EXPECT_EQ(Vektor[2].Endpunkt, (TVek_R3{1, 1, 1}));
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(Vektor[2].Pfeil[k], TVek_R3{});
}

}  // namespace
