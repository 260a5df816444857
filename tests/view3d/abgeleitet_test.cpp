#include <gtest/gtest.h>

#include <cmath>

#include "dialogs/EbEinstell.h"
#include "dialogs/EbenKoord.h"
#include "dialogs/Ebenen.h"
#include "geometry/Geometrie.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Ansicht.h"

namespace {

#define ErwartePunkt(...)          \
    do {                            \
        SCOPED_TRACE("Punkt");      \
        ErwartePunktF(__VA_ARGS__); \
    } while (0)

void ErwartePunktF(TVek_R3 P, Extended x, Extended y, Extended z, double tol = 1e-12) {
    EXPECT_NEAR(static_cast<double>(P.x), static_cast<double>(x), tol);
    EXPECT_NEAR(static_cast<double>(P.y), static_cast<double>(y), tol);
    EXPECT_NEAR(static_cast<double>(P.z), static_cast<double>(z), tol);
}

bool Endlich(TVek_R3 P) {
    return std::isfinite(P.x) && std::isfinite(P.y) && std::isfinite(P.z);
}

class Abgeleitet : public ::testing::Test {
protected:
    void SetUp() override {
        AnsichtNullen();
        SzeneObjekteNullen();
        AchseXMax = AchseYMax = AchseZMax = 8;
        Pfeillaenge = 8.0L / 50;
        Form_EbEinstell.ScrollBar1.SetPositionStill(10);
        AktEbene = 1;
        EbenKoordQuelle = false;
    }

    static void SetzeGerade(int i, TVek_R3 A, TVek_R3 u) {
        Gerade[i].Stuetzvektor = A;
        Gerade[i].Richtungsvektor = u;
        GeradeBerechnen(Gerade[i]);
    }

    static void SetzeEbene(int i, TVek_R3 S, TVek_R3 u, TVek_R3 v) {
        Ebene[i].Stuetzvektor = S;
        Ebene[i].Richtungsvektor1 = u;
        Ebene[i].Richtungsvektor2 = v;
    }
};

}  // namespace

TEST_F(Abgeleitet, Pfeilspitzen) {
    const Extended L = 2 * Pfeillaenge;  // 0.32
    // Ordinary head: barbs L back from the tip along the shaft and L aside.
    TVek_R3 F1, Sp, F2;
    const TVek_R3 A{1, 2, 3}, u{0, 0, 4}, E{1, 2, 7};
    PfeilspitzeBerechnen(u, A, E, F1, Sp, F2);
    ErwartePunkt(Sp, 1, 2, 7);
    TVek_R3 M{(F1.x + F2.x) / 2, (F1.y + F2.y) / 2, (F1.z + F2.z) / 2};
    ErwartePunkt(M, 1, 2, 7 - L);
    EXPECT_NEAR(static_cast<double>(AbstandPunktPunkt(F1, M)), static_cast<double>(L), 1e-15);
    EXPECT_NEAR(static_cast<double>(F1.z), static_cast<double>(M.z), 1e-15);  // across the shaft

    // A vector exactly as long as the barbs: the base moves 0.001 off A.
    PfeilspitzeBerechnen({L, 0, 0}, {5, 0, 0}, {5 + L, 0, 0}, F1, Sp, F2);
    EXPECT_NEAR(static_cast<double>((F1.x + F2.x) / 2), 5.001, 1e-15);

    // A null vector collapses the head to the origin wherever it stands.
    PfeilspitzeBerechnen({0, 0, 0}, {3, 3, 3}, {3, 3, 3}, F1, Sp, F2);
    ErwartePunkt(F1, 0, 0, 0, 0);
    ErwartePunkt(Sp, 0, 0, 0, 0);
    ErwartePunkt(F2, 0, 0, 0, 0);

    // In a plane: barbs within the plane of p and q, hand-computed.
    TPunkte<3> P;
    PfeilspitzeInEbeneBerechnen({1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 1, 0}, P, false);
    ErwartePunkt(P[1], 0.68L, 0.32L, 0, 1e-15);
    ErwartePunkt(P[2], 1, 0, 0, 0);
    ErwartePunkt(P[3], 0.68L, -0.32L, 0, 1e-15);
    // The small head of the example pictures has barbs of length 6.
    PfeilspitzeInEbeneBerechnen({1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 1, 0}, P, true);
    ErwartePunkt(P[1], -5, 6, 0, 1e-15);
    // A flat parallelepiped (p, q dependent) still gets a finite head.
    PfeilspitzeInEbeneBerechnen({1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}, P, false);
    EXPECT_TRUE(Endlich(P[1]) && Endlich(P[3]));
    EXPECT_NEAR(static_cast<double>(AbstandPunktPunkt(P[1], P[3])), static_cast<double>(2 * L),
                1e-15);
}

TEST_F(Abgeleitet, GeradeSpurpunkteUndZeichenstueck) {
    Gerade[1].SpurpunktXZ = {7, 7, 7};
    SetzeGerade(1, {1, 2, 3}, {1, 1, 1});
    const TGerade& g = Gerade[1];
    EXPECT_EQ(g.SpurpunktXYvorhanden, 1);
    EXPECT_EQ(g.SpurpunktXZvorhanden, 1);
    EXPECT_EQ(g.SpurpunktYZvorhanden, 1);
    ErwartePunkt(g.SpurpunktXY, -2, -1, 0);
    ErwartePunkt(g.SpurpunktXZ, -1, 0, 1);
    ErwartePunkt(g.SpurpunktYZ, 0, 1, 2);
    // Square of side 2.5·Pfeillaenge = 0.4 in the x,y-plane.
    ErwartePunkt(g.SpurQuadratXY[1], -1.8L, -0.8L, 0, 1e-15);
    ErwartePunkt(g.SpurQuadratXY[3], -2.2L, -1.2L, 0, 1e-15);
    ErwartePunkt(g.SpurQuadratYZ[1], 0, 1.2L, 2.2L, 1e-15);
    ErwartePunkt(g.VektorAnfang, 1, 2, 3, 0);
    ErwartePunkt(g.VektorEnde, 2, 3, 4, 0);

    // u.y = 0: no trace point in the x,z-plane, the old one stays.
    Gerade[1].SpurpunktXZ = {7, 7, 7};
    SetzeGerade(1, {1, 2, 3}, {0, 0, 2});
    EXPECT_EQ(g.SpurpunktXYvorhanden, 1);
    EXPECT_EQ(g.SpurpunktXZvorhanden, 0);
    EXPECT_EQ(g.SpurpunktYZvorhanden, 0);
    ErwartePunkt(g.SpurpunktXY, 1, 2, 0);
    ErwartePunkt(g.SpurpunktXZ, 7, 7, 7, 0);
    // The drawn piece: 4·AchseXMax long, centred on A.
    ErwartePunkt(g.ZeichenAnfang, 1, 2, -13);
    ErwartePunkt(g.ZeichenEnde, 1, 2, 19);
    ErwartePunkt(g.PfeilRichtung[2], 1, 2, 5, 0);
    ErwartePunkt(g.PfeilStuetz[2], 1, 2, 3, 0);

    // Difference vectors between the support points, the same in every line.
    SetzeGerade(2, {4, 2, 3}, {0, 1, 0});
    SetzeGerade(3, {1, 2, 9}, {1, 0, 0});
    const TGerade& t = Gerade[3];
    ErwartePunkt(t.Verbindungsvektoren[1], 1, 2, 3, 0);
    ErwartePunkt(t.Verbindungsvektoren[2], 4, 2, 3, 0);
    ErwartePunkt(t.Verbindungsvektoren[4], 1, 2, 9, 0);
    ErwartePunkt(t.Verbindungsvektoren[5], 4, 2, 3, 0);
    ErwartePunkt(t.Verbindungsvektoren[8], 4, 2, 3, 0);   // tip of g->h
    ErwartePunkt(t.Verbindungsvektoren[14], 1, 2, 9, 0);  // tip of h->t
}

TEST_F(Abgeleitet, DrehachseOhneRichtungTeiltNichtDurchNull) {
    // The rotation axis starts zero-filled and may get two equal points.
    Drehachse.Stuetzvektor = {2, 3, 4};
    Drehachse.Richtungsvektor = {0, 0, 0};
    Drehachse.ZeichenAnfang = {-99, 0, 0};
    GeradeBerechnen(Drehachse);
    EXPECT_TRUE(Endlich(Drehachse.ZeichenAnfang) && Endlich(Drehachse.ZeichenEnde));
    ErwartePunkt(Drehachse.ZeichenAnfang, 2, 3, 4, 0);
    ErwartePunkt(Drehachse.ZeichenEnde, 2, 3, 4, 0);
    ErwartePunkt(Drehachse.VektorEnde, 2, 3, 4, 0);
    EXPECT_EQ(Drehachse.SpurpunktXYvorhanden + Drehachse.SpurpunktXZvorhanden +
                  Drehachse.SpurpunktYZvorhanden,
              0);
    ErwartePunkt(Drehachse.PfeilRichtung[1], 0, 0, 0, 0);
    // Once it has a direction it gets its piece.
    Drehachse.Richtungsvektor = {0, 0, 1};
    GeradeBerechnen(Drehachse);
    ErwartePunkt(Drehachse.ZeichenAnfang, 2, 3, -12);
    ErwartePunkt(Drehachse.ZeichenEnde, 2, 3, 20);
}

TEST_F(Abgeleitet, LageZweierGeradenUndTexte) {
    // Crossing at right angles in (2, 0, 0).
    SetzeGerade(1, {0, 0, 0}, {3, 0, 0});
    LageTextGH = "alt";
    SetzeGerade(2, {2, -1, 0}, {0, 2, 0});
    EXPECT_EQ(LageGH, 1);
    ErwartePunkt(SchnittpunktGH, 2, 0, 0);
    EXPECT_EQ(LageTextGH, "alt");  // left as it was
    // Marker along the bisector (1, 1, 0)/√2 and the normal (0, 0, 1).
    const Extended s = 2 * Pfeillaenge;
    const Extended d = s / std::sqrt(2.0L);
    ErwartePunkt(Gerade[2].SchnittQuadratGH[1], 2 + d, d, 0);
    ErwartePunkt(Gerade[2].SchnittQuadratGH[2], 2, 0, s);
    ErwartePunkt(Gerade[2].SchnittQuadratGH[3], 2 - d, -d, 0);
    ErwartePunkt(Gerade[2].SchnittQuadratGH[4], 2, 0, -s);
    ErwartePunkt(Gerade[1].SchnittQuadratGH[1], 0, 0, 0, 0);  // only h holds it

    SetzeGerade(2, {0, 1, 0}, {2, 0, 0});
    EXPECT_EQ(LageGH, 0);
    EXPECT_EQ(LageTextGH, "g ist echt parallel zu h");
    SetzeGerade(2, {5, 0, 0}, {-3, 0, 0});
    EXPECT_EQ(LageTextGH, "identisch");
    SetzeGerade(2, {0, 0, 0}, {1, 0, 0});  // same support point
    EXPECT_EQ(LageTextGH, "identisch");
    SetzeGerade(2, {0, 0, 1}, {0, 1, 0});
    EXPECT_EQ(LageGH, 0);
    EXPECT_EQ(LageTextGH, "windschief");

    // g-t and h-t: texts and squares in t.
    SetzeGerade(3, {0, 5, 1}, {1, 0, 0});
    EXPECT_EQ(LageTextGT, "g ist echt parallel zu t");
    EXPECT_EQ(LageHT, 1);
    ErwartePunkt(SchnittpunktHT, 0, 5, 1);
    ErwartePunkt(Gerade[3].SchnittQuadratHT[2], 0, 5, 1 - s);  // (0,1,0)+(1,0,0) × (1,0,0)
    SetzeGerade(2, {0, 0, 1}, {0, 0, 2});
    EXPECT_EQ(LageTextHT, "windschief");
    SetzeGerade(2, {9, 9, 1}, {-1, 0, 0});
    EXPECT_EQ(LageTextHT, "h ist echt parallel zu t");

    // Directions so short that no coordinate pair passes the tolerance still
    // give the point.
    SetzeGerade(1, {1, 1, 1}, {0.00003L, 0, 0});
    SetzeGerade(2, {1, 1, 1}, {0, 0.00003L, 0});
    EXPECT_EQ(LageGH, 1);
    ErwartePunkt(SchnittpunktGH, 1, 1, 1);
}

TEST_F(Abgeleitet, SchnittgeradeE1E2) {
    FarbeSg = 0x00112233;
    SetzeEbene(1, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});   // z = 1
    SetzeEbene(2, {2, 0, 0}, {0, 1, 0}, {0, 0, 1});   // x = 2
    SchnittgeradeE1E2Berechnen();
    EXPECT_TRUE(SchnittgeradeVorhanden);
    EXPECT_EQ(LageTextE1E2, "schneiden sich:");
    ErwartePunkt(Gerade_sg.Stuetzvektor, 2, 0, 1);
    ErwartePunkt(Gerade_sg.Richtungsvektor, 0, 1, 0);
    EXPECT_EQ(Gerade_sg.Farbe, 0x00112233u);

    // General planes: the point lies in both and is the one nearest the origin.
    SetzeEbene(1, {3, 0, 0}, {-1, 1, 0}, {-1, 0, 1});  // x + y + z = 3
    SetzeEbene(2, {0, 0, 0}, {1, 1, 0}, {0, 0, 1});    // x = y
    SchnittgeradeE1E2Berechnen();
    ASSERT_TRUE(SchnittgeradeVorhanden);
    ErwartePunkt(Gerade_sg.Stuetzvektor, 1, 1, 1);
    EXPECT_NEAR(static_cast<double>(Betrag(Gerade_sg.Richtungsvektor)), 1.0, 1e-15);

    // Same direction space: identical or truly parallel.
    Gerade_sg.Stuetzvektor = {7, 7, 7};
    SetzeEbene(1, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    SetzeEbene(2, {3, 4, 1}, {1, 1, 0}, {2, -1, 0});
    SchnittgeradeE1E2Berechnen();
    EXPECT_FALSE(SchnittgeradeVorhanden);
    EXPECT_EQ(LageTextE1E2, "identisch");
    ErwartePunkt(Gerade_sg.Stuetzvektor, 7, 7, 7, 0);
    SetzeEbene(2, {3, 4, 6}, {1, 1, 0}, {2, -1, 0});
    SchnittgeradeE1E2Berechnen();
    EXPECT_FALSE(SchnittgeradeVorhanden);
    EXPECT_EQ(LageTextE1E2, "echt parallel");
}

TEST_F(Abgeleitet, Projektionsgeraden) {
    AchsenKreuz.Farbe = 0x00445566;
    SetzeEbene(1, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});   // z = 0
    SetzeEbene(2, {0, 0, 2}, {1, 0, 0}, {0, 1, 0});   // z = 2
    SetzeGerade(1, {1, 2, 3}, {1, 0, 0});

    // Parallel projection: the eye sits 100 steps up the ray through A.
    Zentralprojektion = false;
    ProjRichtung = {0, 0, 1};
    ProjektionsgeradenBerechnen(1);
    const TGerade& p1 = Projektionsgeraden[1];
    EXPECT_EQ(p1.gueltig, 1);
    ErwartePunkt(p1.Stuetzvektor, 1, 2, 0);
    ErwartePunkt(p1.Richtungsvektor, 1.03L, 0, 0);
    EXPECT_EQ(p1.Farbe, 0x00445566u);
    ProjektionsgeradenBerechnen(2);  // g onto E2
    ErwartePunkt(Projektionsgeraden[2].Stuetzvektor, 1, 2, 2);

    // A line along the projection direction has no projected line.
    SetzeGerade(1, {1, 2, 3}, {0, 0, 1});
    ProjektionsgeradenBerechnen(1);
    EXPECT_EQ(p1.gueltig, 0);

    // Central projection from the eye point.
    Zentralprojektion = true;
    Augpunkt = {0, 0, 10};
    SetzeGerade(2, {1, 0, 5}, {0, 1, 0});
    ProjektionsgeradenBerechnen(3);  // h onto E1
    const TGerade& p3 = Projektionsgeraden[3];
    EXPECT_EQ(p3.gueltig, 1);
    ErwartePunkt(p3.Stuetzvektor, 2, 0, 0);
    ErwartePunkt(p3.Richtungsvektor, 0, 2, 0);
    // Through the eye point: no projected line.
    SetzeGerade(3, {1, 1, 5}, {1, 1, -5});
    ProjektionsgeradenBerechnen(5);
    EXPECT_EQ(Projektionsgeraden[5].gueltig, 0);

    // Rays parallel to the plane: invalid, the old image points stay.
    Zentralprojektion = false;
    ProjRichtung = {1, 0, 0};
    ProjektionsgeradenBerechnen(3);
    EXPECT_EQ(p3.gueltig, 0);
    ErwartePunkt(p3.VektorAnfang, 2, 0, 0);
    ErwartePunkt(p3.VektorEnde, 2, 2, 0);
}

TEST_F(Abgeleitet, Spurgeraden) {
    AchsenKreuz.Farbe = 0x00010203;
    SetzeEbene(1, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});   // z = 1
    SetzeEbene(2, {3, 0, 0}, {-1, 1, 0}, {-1, 0, 1}); // x + y + z = 3
    for (Byte i = 1; i <= 6; ++i) SpurgeradenBerechnen(i);
    EXPECT_EQ(Spurgeraden[1].gueltig, 0);  // E1 parallel to the x,y-plane
    EXPECT_EQ(Spurgeraden[2].gueltig, 1);
    ErwartePunkt(Spurgeraden[2].Stuetzvektor, 0, 0, 1);
    ErwartePunkt(Spurgeraden[2].Richtungsvektor, 1, 0, 0);
    EXPECT_EQ(Spurgeraden[3].gueltig, 1);
    ErwartePunkt(Spurgeraden[3].Stuetzvektor, 0, 0, 1);
    ErwartePunkt(Spurgeraden[3].Richtungsvektor, 0, -1, 0);
    const Extended r = 1 / std::sqrt(2.0L);
    EXPECT_EQ(Spurgeraden[4].gueltig, 1);
    ErwartePunkt(Spurgeraden[4].Stuetzvektor, 1.5L, 1.5L, 0);
    ErwartePunkt(Spurgeraden[4].Richtungsvektor, -r, r, 0);
    ErwartePunkt(Spurgeraden[5].Stuetzvektor, 1.5L, 0, 1.5L);
    ErwartePunkt(Spurgeraden[6].Stuetzvektor, 0, 1.5L, 1.5L);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(Spurgeraden[i].Farbe, 0x00010203u);
}

TEST_F(Abgeleitet, DurchstosspunkteUndLagetexte) {
    SetzeGerade(1, {1, 2, 3}, {0, 0, 1});
    SetzeGerade(2, {0, 0, 1}, {1, 0, 0});   // in z = 1
    SetzeGerade(3, {0, 0, 5}, {1, 1, 0});   // above it
    SetzeEbene(1, {0, 0, 1}, {2, 0, 0}, {0, 3, 0});
    SetzeEbene(2, {0, 0, 5}, {1, 0, 0}, {0, 1, 0});
    EbeneBerechnen(Ebene[1]);
    EbeneBerechnen(Ebene[2]);
    const TEbene& E1 = Ebene[1];
    EXPECT_EQ(E1.DurchstosspunktGvorhanden, 1);
    ErwartePunkt(E1.DurchstosspunktG, 1, 2, 1);
    ErwartePunkt(E1.DurchstossQuadratG[1], 1.2L, 2.2L, 1, 1e-15);
    ErwartePunkt(E1.DurchstossQuadratG[3], 0.8L, 1.8L, 1, 1e-15);
    EXPECT_EQ(E1.DurchstosspunktHvorhanden, 0);
    EXPECT_EQ(E1.LagetextH, "h liegt in E1");
    EXPECT_EQ(E1.DurchstosspunktTvorhanden, 0);
    EXPECT_EQ(E1.LagetextT, "echt parallel");
    EXPECT_EQ(Ebene[2].LagetextT, "t liegt in E2");
    EXPECT_EQ(Ebene[2].LagetextH, "echt parallel");

    // Piercing again: the flag is set, the old text stays for the reader
    // that looks at the flag first.
    SetzeGerade(2, {0, 0, 1}, {1, 0, 1});
    EbeneBerechnen(Ebene[1]);
    EXPECT_EQ(E1.DurchstosspunktHvorhanden, 1);
    ErwartePunkt(E1.DurchstosspunktH, 0, 0, 1);
    EXPECT_EQ(E1.LagetextH, "h liegt in E1");

    // Difference vectors: pairs g->E1 .. E1->E2, heads E1->E2 first.
    ErwartePunkt(E1.Verbindungsvektoren[1][1], 1, 2, 3, 0);
    ErwartePunkt(E1.Verbindungsvektoren[1][2], 0, 0, 1, 0);
    ErwartePunkt(E1.Verbindungsvektoren[7][1], 0, 0, 1, 0);
    ErwartePunkt(E1.Verbindungsvektoren[7][2], 0, 0, 5, 0);
    ErwartePunkt(E1.PfeilVerbindung[1][2], 0, 0, 5, 0);
    ErwartePunkt(E1.PfeilVerbindung[2][2], 0, 0, 1, 0);
    ErwartePunkt(E1.PfeilVerbindung[6][2], 0, 0, 1, 0);  // t->E1
    // t starts at E2's support point: a null difference, a collapsed head.
    ErwartePunkt(E1.PfeilVerbindung[7][2], 0, 0, 0, 0);
}

TEST_F(Abgeleitet, KoordinatenformNormaleUndDialog) {
    SetzeEbene(1, {1, 2, 3}, {1, 0, 0}, {0, 1, 1});
    EbeneBerechnen(Ebene[1]);
    const TEbene& E = Ebene[1];
    EXPECT_EQ(E.KoordA, 0);
    EXPECT_EQ(E.KoordB, -1);
    EXPECT_EQ(E.KoordC, 1);
    EXPECT_EQ(E.KoordD, -1);
    ErwartePunkt(E.Normalenvektor, 0, -1, 1, 0);
    ErwartePunkt(E.NormalenformPunkt, 1, 2, 3, 0);
    ErwartePunkt(E.NormalenvektorEnde, 1, 1, 4, 0);
    ErwartePunkt(E.PfeilNormale[2], 1, 1, 4, 0);
    EXPECT_EQ(Form_EbenKoord.Edit_a.Text(), "0,000");
    EXPECT_EQ(Form_EbenKoord.Edit_b.Text(), "-1,000");
    EXPECT_EQ(Form_EbenKoord.Edit_c.Text(), "1,000");
    EXPECT_EQ(Form_EbenKoord.Edit_d.Text(), "-1,000");
    EXPECT_EQ(Form_EbenKoord.Edit_ny.Text(), "-1,000");
    EXPECT_EQ(Form_EbenKoord.Edit_ax.Text(), "1,000");
    EXPECT_EQ(Form_EbenKoord.Edit_az.Text(), "3,000");

    // While the coordinate-form dialog applies its own change, its values
    // and its fields stay as it set them.
    EbenKoordQuelle = true;
    Ebene[1].KoordD = 42;
    Ebene[1].Normalenvektor = {0, 0, 2};
    SetzeEbene(1, {0, 0, 7}, {1, 0, 0}, {0, 1, 0});
    EbeneBerechnen(Ebene[1]);
    EXPECT_EQ(E.KoordD, 42);
    ErwartePunkt(E.NormalenformPunkt, 1, 2, 3, 0);
    ErwartePunkt(E.NormalenvektorEnde, 0, 0, 9, 0);
    EXPECT_EQ(Form_EbenKoord.Edit_d.Text(), "-1,000");
    EbenKoordQuelle = false;

    // The dialog shows AktEbene, whichever plane was recomputed.
    AktEbene = 2;
    SetzeEbene(2, {0, 0, 4}, {1, 0, 0}, {0, 1, 0});
    EbeneBerechnen(Ebene[2]);
    EXPECT_EQ(Form_EbenKoord.Edit_d.Text(), "-4,000");
    AktEbene = 1;
    EbeneBerechnen(Ebene[2]);
    EXPECT_EQ(Form_EbenKoord.Edit_d.Text(), "42,000");
}

TEST_F(Abgeleitet, QuadratVektorenUndWinkelmarken) {
    // Default factor 10, AchseXMax 8: side 16 centred on the foot of the
    // perpendicular from the origin, whatever the support point.
    SetzeEbene(1, {5, 5, 2}, {1, 0, 0}, {0, 1, 0});
    EbeneBerechnen(Ebene[1]);
    const TEbene& E = Ebene[1];
    ErwartePunkt(E.QuadratEcken[1], -8, 8, 2);
    ErwartePunkt(E.QuadratEcken[2], 8, 8, 2);
    ErwartePunkt(E.QuadratEcken[3], 8, -8, 2);
    ErwartePunkt(E.QuadratEcken[4], -8, -8, 2);
    Form_EbEinstell.ScrollBar1.SetPositionStill(5);
    EbeneBerechnen(Ebene[1]);
    ErwartePunkt(E.QuadratEcken[3], 4, -4, 2);

    ErwartePunkt(E.StuetzvektorEnde, 5, 5, 2, 0);
    ErwartePunkt(E.Richtungsvektor1Ende, 6, 5, 2, 0);
    ErwartePunkt(E.Richtungsvektor2Ende, 5, 6, 2, 0);
    ErwartePunkt(E.PfeilStuetz[2], 5, 5, 2, 0);
    // Barbs of the direction arrows lie in the plane.
    EXPECT_NEAR(static_cast<double>(E.PfeilRichtung1[1].z), 2.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(E.PfeilRichtung2[3].z), 2.0, 1e-15);

    // Right-angle marks of both planes, whichever is recomputed.
    Ebene[1].WinkelQuadratSeite = 0.1L;
    Ebene[2].WinkelQuadratSeite = 0.5L;
    SetzeEbene(2, {0, 0, 0}, {2, 0, 0}, {0, 3, 0});
    Ebene[2].NormalenvektorEnde = {0, 0, 6};
    SetzeEbene(1, {0, 0, 0}, {0, 2, 0}, {0, 0, 5});
    EbeneBerechnen(Ebene[1]);
    ErwartePunkt(Ebene[1].WinkelmarkeR1[1], 0, 0.1L, 0);
    ErwartePunkt(Ebene[1].WinkelmarkeR1[2], 0.1L, 0.1L, 0);
    ErwartePunkt(Ebene[1].WinkelmarkeR1[3], 0.1L, 0, 0);
    ErwartePunkt(Ebene[1].WinkelmarkeR2[1], 0, 0, 0.1L);
    ErwartePunkt(Ebene[1].WinkelmarkeR2[2], 0.1L, 0, 0.1L);
    ErwartePunkt(Ebene[2].WinkelmarkeR1[1], 0.5L, 0, 0);
    ErwartePunkt(Ebene[2].WinkelmarkeR1[2], 0.5L, 0, 0.5L);
    ErwartePunkt(Ebene[2].WinkelmarkeR2[3], 0, 0, 0.5L);
}

TEST_F(Abgeleitet, EbeneOhneAufspannNichtNaN) {
    // A plane whose direction vectors span nothing (such as a zero-filled
    // one) gives finite points throughout.
    SetzeEbene(1, {1, 1, 1}, {1, 0, 0}, {2, 0, 0});
    EbeneBerechnen(Ebene[1]);
    const TEbene& E = Ebene[1];
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(Endlich(E.QuadratEcken[k]));
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(Endlich(E.PfeilRichtung1[k]));
    EXPECT_EQ(E.SchnittpunktAnzahl, 0);
    SetzeEbene(2, {0, 0, 0}, {0, 0, 0}, {0, 0, 0});
    EbeneBerechnen(Ebene[2]);
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(Endlich(Ebene[2].QuadratEcken[k]));
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(Endlich(Ebene[2].WinkelmarkeR1[k]));
    // A marker square without directions shrinks to its centre.
    TPunkte<4> Q;
    EbenenQuadratEcken({0, 0, 0}, {0, 0, 0}, {1, 2, 3}, 1, Q);
    for (int k = 1; k <= 4; ++k) ErwartePunkt(Q[k], 1, 2, 3, 0);
}
