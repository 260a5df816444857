// Rotation of single objects: the turned point sets, the write-back into the
// grids, the mended cone and circle, and the step bookkeeping.
#include "control/Szenenstand.h"
#include "forms/Kugeln.h"
#include "view3d/ObjektGeometrie.h"
#include "view3d/Bildtest.h"
#include "scene/DrehZustand.h"
#include "view3d/Drehen.h"
#include "view3d/Szene.h"

namespace {

TVek_R3 UmGerade(TVek_R3 P) {
    TVek_R3 Q;
    DrehePunktUmGerade(P, Drehwinkel, Drehachse.VektorAnfang, Drehachse.VektorEnde, Q);
    return Q;
}

TVek_R3 UmAchse(TVek_R3 P, int Achse, Extended Winkel) {
    TVek_R3 Q;
    DrehePunktUmAchse(P, Achse, Winkel, Q);
    return Q;
}

void KegelSetzen(int i, TVek_R3 M, TVek_R3 n, Extended r, Extended h) {
    for (int c = 0; c < 2; ++c) {
        const TVek_R3& v = c == 0 ? M : n;
        Spalte(Form_Kegel.Gitter(i), c, 1, KoordText(v.x).c_str(), KoordText(v.y).c_str(), KoordText(v.z).c_str());
    }
    Kegel[i].Radius = r;
    Kegel[i].Hoehe = h;
    ASSERT_TRUE(KegelBerechnen(i));
}

class Drehen : public ::testing::Test {
protected:
    void SetUp() override { ProgrammStart(); }
};

}  // namespace

TEST_F(Drehen, EinStapelGleichVielenEinzelnenDrehungen) {
    // About the rotation axis: the matrices built once per step give every
    // point exactly what the per-point routine gives, bit for bit.
    Drehachse.VektorAnfang = {1, -2, 0.5L};
    Drehachse.VektorEnde = {3, 1, 4};
    Drehwinkel = 23.5L;
    const TKugel vorher = Kugel[2];
    KugelDrehenUmGerade(Kugel[2]);
    EXPECT_EQ(Kugel[2].Mittelpunkt, UmGerade(vorher.Mittelpunkt));
    EXPECT_EQ(Kugel[2].Netz[553], UmGerade(vorher.Netz[553]));

    // About a coordinate axis the whole sphere mesh turns whatever
    // densities are drawn, the entries behind it stay.
    Kugel[4].Breitenkreise = Kugel[4].Laengenkreise = 4;
    Kugel[4].Netz[554] = {9, 9, 9};
    const TKugel k4 = Kugel[4];
    KugelDrehen(Kugel[4], 1, 30);
    for (int j = 0; j <= 553; ++j) ASSERT_EQ(Kugel[4].Netz[j], UmAchse(k4.Netz[j], 1, 30)) << j;
    EXPECT_EQ(Kugel[4].Netz[554], k4.Netz[554]);

    // A degenerate axis turns about the parallel to the x-axis through its
    // first point, in the batch as well.
    Drehachse.VektorEnde = Drehachse.VektorAnfang;
    const TVek_R3 p = Punkt[1].Ort;
    PunktDrehenUmGerade(Punkt[1]);
    EXPECT_EQ(Punkt[1].Ort, UmGerade(p));
    EXPECT_EQ(Punkt[1].Ort.x, p.x);
}

TEST_F(Drehen, UnberuehrteKoordinateBehaeltImGitterIhreStellen) {
    // x of a point turned about the x-axis stays what was typed; written
    // back with three decimals, the next reading of the grid would move
    // the point onto the y,z-plane.
    TStringGrid& G = Form_Punkte.StringGrid1;
    Spalte(G, 1, 0, "0,0001", "2", "-1,5");
    ASSERT_TRUE(PunktBerechnen(1));
    const Extended x = Punkt[1].Ort.x;
    PunktDrehen(Punkt[1], 1, 30);
    EXPECT_EQ(G.Cells(1, 0), "0,0001");
    // The spheres' write-back follows the same rule.
    Spalte(Form_Kugeln.Gitter(1), 1, 1, "1", "2", "-0,0002");
    ASSERT_TRUE(KugelBerechnen(1));
    KugelDrehen(Kugel[1], 3, 45);
    EXPECT_EQ(Form_Kugeln.Gitter(1).Cells(1, 3), "-0,0002");
    ASSERT_TRUE(PunktBerechnen(1));
    EXPECT_EQ(Punkt[1].Ort.x, x);
}

TEST_F(Drehen, PunktInsGitterAusserDerZelleInBearbeitung) {
    TStringGrid& G = Form_Punkte.StringGrid1;
    G.Cells(1, 0) = "1";
    G.Cells(1, 1) = "2";
    G.Cells(1, 2) = "3";
    ASSERT_TRUE(PunktBerechnen(1));
    PunktDrehen(Punkt[1], 3, 180);
    EXPECT_EQ(G.Cells(1, 0), "-1,000");
    EXPECT_EQ(G.Cells(1, 1), "-2,000");
    EXPECT_EQ(G.Cells(1, 2), "3,000");
    // The other points' grids are written too, in the same format.
    EXPECT_EQ(Form_Punkte.StringGrid2.Cells(1, 0), "-4,000");
    // The crosshair arms run through the turned point parallel to the axes.
    const TVek_R3 C = Punkt[1].Ort;
    EXPECT_EQ(Punkt[1].FadenkreuzArme[1], (TVek_R3{C.x, C.y, -static_cast<Extended>(AchseZMax)}));
    EXPECT_EQ(Punkt[1].FadenkreuzArme[6], (TVek_R3{static_cast<Extended>(AchseXMax), C.y, C.z}));

    // The crosshair keeps its arms parallel to the axes.
    const Extended X = AchseXMax, Y = AchseYMax, Z = AchseZMax;
    for (int achse = 1; achse <= 3; ++achse) {
        FadenkreuzDrehen(Fadenkreuz, achse, 27);
        const TVek_R3 M = Fadenkreuz.Mittelpunkt;
        EXPECT_EQ(Fadenkreuz.ArmAnfang[1], (TVek_R3{M.x, M.y, -Z}));
        EXPECT_EQ(Fadenkreuz.ArmAnfang[2], (TVek_R3{M.x, -Y, M.z}));
        EXPECT_EQ(Fadenkreuz.ArmEnde[3], (TVek_R3{X, M.y, M.z}));
    }

    // The cell the user is typing in stays; once the editor is closed, the
    // next step writes it again.
    G.Col = G.Row = 1;
    G.Bearbeitung = true;
    G.Cells(1, 1) = "7,";
    PunktDrehen(Punkt[1], 3, 90);
    EXPECT_EQ(G.Cells(1, 1), "7,");
    EXPECT_EQ(G.Cells(1, 0), "2,000");
    G.Bearbeitung = false;
    PunktDrehen(Punkt[1], 3, 90);
    EXPECT_EQ(G.Cells(1, 1), "2,000");
}

TEST_F(Drehen, KegelKreisUndNegativeHoeheUeberlebenDasNeuLesen) {
    // The normal written back is apex minus centre.
    KegelSetzen(1, {1, 0, 0}, {0, 0, 1}, 1, 2);
    KegelDrehen(Kegel[1], 3, 33);
    EXPECT_TRUE(Nahe(Kegel[1].Normalenvektor, {0, 0, 2}, 1e-15L));
    EXPECT_EQ(Form_Kegel.Gitter(1).Cells(1, 3), "2,000");
    // 61 rim points turned, with the step of 6 degrees.
    KegelSetzen(2, {0, 0, 0}, {1, 0, 0}, 1, 1);
    const TKegel k = Kegel[2];
    KegelDrehen(Kegel[2], 1, 40);
    for (int j = 1; j <= 61; ++j) EXPECT_EQ(Kegel[2].Randpunkt[j], UmAchse(k.Randpunkt[j], 1, 40));
    EXPECT_EQ(Kegel[2].Randpunkt[62], k.Randpunkt[62]);

    // A circle turns its normal with its rim; a cone of negative height
    // keeps its apex where the turn put it. The recomputation from the
    // grids then shows what the turn showed.
    KegelSetzen(1, {1, 2, 0}, {0, 0, 1}, 2, 0);
    KegelSetzen(2, {-2, 1, 1}, {0, 1, 0}, 1.5L, -3);
    DrehObjektFlags[26] = DrehObjektFlags[27] = true;
    KegelDrehen(Kegel[1], 1, 90);
    KegelDrehen(Kegel[2], 3, 90);
    EXPECT_TRUE(Nahe(Kegel[1].Normalenvektor, {0, -1, 0}, 1e-15L));
    EXPECT_EQ(Form_Kegel.Gitter(1).Cells(1, 2), "-1,000");
    const TKegel kreis = Kegel[1], kegel = Kegel[2];
    SzeneNeuBerechnen();
    EXPECT_TRUE(Nahe(Kegel[1].Mittelpunkt, kreis.Mittelpunkt, 2e-3L));
    EXPECT_TRUE(Nahe(Kegel[1].Spitze, kreis.Mittelpunkt, 2e-3L));
    // The rim lies in the plane the turn moved it to.
    for (int j = 1; j <= 61; ++j)
        EXPECT_NEAR(static_cast<double>(Kegel[1].Randpunkt[j].y - kreis.Mittelpunkt.y), 0, 2e-3) << j;
    EXPECT_TRUE(Nahe(Kegel[2].Spitze, kegel.Spitze, 2e-3L));
    // Apex (-2, -2, 1) before, (2, -2, 1) after a quarter turn about z.
    EXPECT_TRUE(Nahe(Kegel[2].Spitze, {2, -2, 1}, 2e-3L));

    // A cone record whose rim was never computed has no step: turning it
    // must not divide by zero.
    Kegel[3].Winkelschritt = 0;
    Kegel[3].Randpunkt[1] = {1, 2, 3};
    KegelDrehen(Kegel[3], 1, 10);
    EXPECT_EQ(Kegel[3].Randpunkt[1], (TVek_R3{1, 2, 3}));
}

TEST_F(Drehen, MitAchsenBleibenDieDialogdaten) {
    AchsenMitDrehen = true;
    const auto gitter = Gitterbild(false);
    const TGerade g = Gerade[1];
    const TEbene e = Ebene[2];
    const TSpat s = Spat[3];
    const TKegel k = Kegel[1];
    const TPunkt p = Punkt[2];
    const TStrecke st = Strecke[1];
    for (int n = 0; n < 5; ++n) {
        const int a = 1 + n % 3;
        GeradeDrehen(Gerade[1], a, 11);
        EbeneDrehen(Ebene[2], a, 11);
        VektorDrehen(Vektor[1], a, 11);
        SpatDrehen(Spat[3], a, 11);
        KegelDrehen(Kegel[1], a, 11);
        FadenkreuzDrehen(Fadenkreuz, a, 11);
        PunktDrehen(Punkt[2], a, 11);
        StreckeDrehen(Strecke[1], a, 11);
        KugelDrehen(Kugel[1], a, 11);
    }
    // The grids and the defining data stay in the frame of the turned axes;
    // what is defining data and drawing point at once has turned.
    EXPECT_EQ(Gitterbild(false), gitter);
    EXPECT_EQ(Gerade[1].Richtungsvektor, g.Richtungsvektor);
    EXPECT_EQ(Ebene[2].Normalenvektor, e.Normalenvektor);
    EXPECT_EQ(Spat[3].AE, s.AE);
    EXPECT_EQ(Kegel[1].Normalenvektor, k.Normalenvektor);
    EXPECT_NE(Punkt[2].Ort, p.Ort);
    EXPECT_NE(Strecke[1].B, st.B);
    EXPECT_NE(Spat[3].Ecke[1], s.Ecke[1]);
    EXPECT_NE(Ebene[2].NormalenvektorEnde, e.NormalenvektorEnde);

    // About the rotation axis: each arm end of a point's own crosshair
    // turned once, from its own value; a plane turns its normal arrow,
    // right-angle marks and section like its other drawing points.
    Drehachse.VektorAnfang = {0, 1, 2};
    Drehachse.VektorEnde = {1, 3, -1};
    Drehwinkel = 40;
    const TPunkt p3 = Punkt[3];
    PunktDrehenUmGerade(Punkt[3]);
    for (int j = 1; j <= 6; ++j) EXPECT_EQ(Punkt[3].FadenkreuzArme[j], UmGerade(p3.FadenkreuzArme[j])) << j;
    const TEbene e1 = Ebene[1];
    EbeneDrehenUmGerade(Ebene[1]);
    EXPECT_EQ(Ebene[1].WinkelmarkeR2[3], UmGerade(e1.WinkelmarkeR2[3]));
    EXPECT_EQ(Ebene[1].Schnittpunkte[e1.SchnittpunktAnzahl], UmGerade(e1.Schnittpunkte[e1.SchnittpunktAnzahl]));
    EXPECT_EQ(Ebene[1].Stuetzvektor, e1.Stuetzvektor);

    // A plane without a section with the axes cube turns no section point.
    Ebene[2].SchnittpunktAnzahl = 0;
    Ebene[2].Schnittpunkte[1] = {5, 6, 7};
    EbeneDrehen(Ebene[2], 3, 45);
    EXPECT_EQ(Ebene[2].Schnittpunkte[1], (TVek_R3{5, 6, 7}));
}

TEST_F(Drehen, DreissigSchritteEinEintrag) {
    // Thirty steps of one run sum into its one entry; the playback leaves
    // it untouched.
    Drehwinkel = 1;
    DrehungErfolgt = 2;
    DrehAnzahl = 1;
    DrehListe[1] = {2, 0};
    for (int n = 0; n < 30; ++n) AKreuzDrehen(AchsenKreuz, 1, 1);
    EXPECT_NEAR(static_cast<double>(DrehListe[1].Winkel), 30.0, 1e-12);
    RueckdrehungLaeuft = true;
    AKreuzDrehen(AchsenKreuz, 1, -30);
    EXPECT_NEAR(static_cast<double>(DrehListe[1].Winkel), 30.0, 1e-12);
    RueckdrehungLaeuft = false;
}

TEST_F(Drehen, GeradeUndEbeneOhneAchsen) {
    // g turned a quarter about z: (-5, -3, -2) + s(3, 1, 1) becomes
    // (3, -5, -2) + s(-1, 3, 1) in its grid, and the piercing point with E1
    // follows: x - 2y + 2z = 4 at s = 1.
    GeradeDrehen(Gerade[1], 3, 90);
    const TStringGrid& G = Form_Geraden_t.StringGrid1;
    EXPECT_EQ(G.Cells(0, 1), "3,000");
    EXPECT_EQ(G.Cells(0, 2), "-5,000");
    EXPECT_EQ(G.Cells(1, 1), "-1,000");
    EXPECT_EQ(G.Cells(1, 3), "1,000");
    ASSERT_EQ(Ebene[1].DurchstosspunktGvorhanden, 1);
    EXPECT_TRUE(Nahe(Ebene[1].DurchstosspunktG, {2, -2, -1}));
    // h shows its difference vector from g where g now is.
    EXPECT_EQ(Gerade[2].Verbindungsvektoren[1], Gerade[1].Stuetzvektor);

    // E1 turned: its three drawn ends give its new data, x - 2y - 2z = 4;
    // sg follows into both planes.
    EbeneDrehen(Ebene[1], 1, 90);
    EXPECT_TRUE(Nahe(Ebene[1].Stuetzvektor, {4, 0, 0}, 1e-15L));
    EXPECT_TRUE(Nahe(Ebene[1].Richtungsvektor1, {4, 0, 2}, 1e-15L));
    EXPECT_TRUE(Nahe(Ebene[1].Richtungsvektor2, {-4, -2, 0}, 1e-15L));
    EXPECT_EQ(Form_Ebenen.StringGrid1.Cells(2, 2), "-2,000");
    const TVek_R3 S = Gerade_sg.Stuetzvektor;
    EXPECT_NEAR(static_cast<double>(S.x - 2 * S.y - 2 * S.z), 4.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(S.x - S.y + 4 * S.z), -4.0, 1e-12);
}

TEST_F(Drehen, NeuLesenZeigtWasDieDrehungZeigte) {
    // After a turn of everything without axes, the recomputation from the
    // grids keeps every object where the turn put it (up to the grids'
    // three decimals).
    for (auto& f : DrehObjektFlags) f = true;
    const PunktDrehung D(2, 37);
    for (int i = 1; i <= 4; ++i) {
        ObjektDrehen(Spat[i], D);
        ObjektDrehen(Vektor[i], D);
        ObjektDrehen(Strecke[i], D);
        ObjektDrehen(Punkt[i], D);
        ObjektDrehen(Kugel[i], D);
        ObjektDrehen(Kegel[i], D);
    }
    for (int i = 1; i <= 3; ++i) ObjektDrehen(Gerade[i], D);
    ObjektDrehen(Fadenkreuz, D);
    ObjektDrehen(Ebene[1], D);
    ObjektDrehen(Ebene[2], D);

    const auto spat = Spat;
    const auto vektor = Vektor;
    const auto strecke = Strecke;
    const auto punkt = Punkt;
    const auto kugel = Kugel;
    const auto kegel = Kegel;
    const auto gerade = Gerade;
    const auto ebene = Ebene;
    const TFadenkreuz f = Fadenkreuz;
    SzeneNeuBerechnen();
    const long double eps = 3e-3L;
    for (int i = 1; i <= 4; ++i) {
        for (int k = 1; k <= 8; ++k) EXPECT_TRUE(Nahe(Spat[i].Ecke[k], spat[i].Ecke[k], eps));
        EXPECT_TRUE(Nahe(Vektor[i].Endpunkt, vektor[i].Endpunkt, eps));
        EXPECT_TRUE(Nahe(Strecke[i].B, strecke[i].B, eps));
        for (int k = 1; k <= 6; ++k) EXPECT_TRUE(Nahe(Punkt[i].FadenkreuzArme[k], punkt[i].FadenkreuzArme[k], eps));
        EXPECT_TRUE(Nahe(Kugel[i].Mittelpunkt, kugel[i].Mittelpunkt, eps));
        EXPECT_TRUE(Nahe(Kegel[i].Mittelpunkt, kegel[i].Mittelpunkt, eps));
        EXPECT_TRUE(Nahe(Kegel[i].Spitze, kegel[i].Spitze, eps)) << i;
    }
    for (int i = 1; i <= 3; ++i) EXPECT_TRUE(Nahe(Gerade[i].VektorEnde, gerade[i].VektorEnde, eps));
    for (int i = 1; i <= 2; ++i) EXPECT_TRUE(Nahe(Ebene[i].Richtungsvektor2Ende, ebene[i].Richtungsvektor2Ende, eps));
    EXPECT_TRUE(Nahe(Fadenkreuz.ArmEnde[3], f.ArmEnde[3], eps));
}
