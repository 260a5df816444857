// What the view derives from lines and planes: arrow heads, trace points,
// positions, sg, projected and trace lines, piercing points, the normal form.
#include "forms/DialogRoutinen.h"
#include "geometry/Geometrie.h"
#include "view3d/Bildtest.h"

namespace {

using Abgeleitet = Linienrechnung;

TEST_F(Abgeleitet, Pfeilspitzen) {
    const Extended L = 2 * Pfeillaenge;  // 0.32
    // Ordinary head: barbs L back from the tip along the shaft and L aside.
    TVek_R3 F1, Sp, F2;
    PfeilspitzeBerechnen({0, 0, 4}, {1, 2, 3}, {1, 2, 7}, F1, Sp, F2);
    ErwartePunkt(Sp, 1, 2, 7);
    const TVek_R3 M{(F1.x + F2.x) / 2, (F1.y + F2.y) / 2, (F1.z + F2.z) / 2};
    ErwartePunkt(M, 1, 2, 7 - L);
    EXPECT_NEAR(static_cast<double>(AbstandPunktPunkt(F1, M)), static_cast<double>(L), 1e-15);
    EXPECT_NEAR(static_cast<double>(F1.z), static_cast<double>(M.z), 1e-15);  // across the shaft

    // A vector exactly as long as the barbs: the base moves 0.001 off A.
    PfeilspitzeBerechnen({L, 0, 0}, {5, 0, 0}, {5 + L, 0, 0}, F1, Sp, F2);
    EXPECT_NEAR(static_cast<double>((F1.x + F2.x) / 2), 5.001, 1e-15);

    // A null vector collapses the head to the origin wherever it stands.
    PfeilspitzeBerechnen({0, 0, 0}, {3, 3, 3}, {3, 3, 3}, F1, Sp, F2);
    for (const TVek_R3& P : {F1, Sp, F2}) ErwartePunkt(P, 0, 0, 0, 0);

    // In a plane: barbs within the plane of p and q, hand-computed; a flat
    // parallelepiped (p, q dependent) still gets a finite head.
    TPunkte<3> P;
    PfeilspitzeInEbeneBerechnen({1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {0, 1, 0}, P, false);
    ErwartePunkt(P[1], 0.68L, 0.32L, 0, 1e-15);
    ErwartePunkt(P[3], 0.68L, -0.32L, 0, 1e-15);
    PfeilspitzeInEbeneBerechnen({1, 0, 0}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}, {2, 0, 0}, P, false);
    EXPECT_TRUE(Endlich(P[1]) && Endlich(P[3]));
    EXPECT_NEAR(static_cast<double>(AbstandPunktPunkt(P[1], P[3])), static_cast<double>(2 * L), 1e-15);
}

TEST_F(Abgeleitet, GeradeSpurpunkteUndZeichenstueck) {
    SetzeGerade(1, {1, 2, 3}, {1, 1, 1});
    const TGerade& g = Gerade[1];
    EXPECT_EQ(g.SpurpunktXYvorhanden + g.SpurpunktXZvorhanden + g.SpurpunktYZvorhanden, 3);
    ErwartePunkt(g.SpurpunktXY, -2, -1, 0);
    ErwartePunkt(g.SpurpunktXZ, -1, 0, 1);
    ErwartePunkt(g.SpurpunktYZ, 0, 1, 2);

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
}

// A direction or normal component of exactly the tolerance still counts;
// the next smaller one does not. The same rule for the trace points, the
// older reports' recheck and a plane's coordinate form.
TEST_F(Abgeleitet, SpurpunktUndKoordinatenformAnDerToleranzgrenze) {
    const Extended knapp = std::nextafter(Toleranz, 0.0L);
    const TGerade& g = Gerade[1];
    for (Byte k = 1; k <= 3; ++k) {
        const int i = 3 - k;   // z, y, x
        TVek_R3 u{1, 1, 1};
        for (const auto& [wert, da] : {std::pair{Toleranz, true}, std::pair{knapp, false}, std::pair{-Toleranz, true}}) {
            AchsKoordinate(u, i) = wert;
            SetzeGerade(1, {1, 2, 3}, u);
            const Byte flags[3] = {g.SpurpunktXYvorhanden, g.SpurpunktXZvorhanden, g.SpurpunktYZvorhanden};
            EXPECT_EQ(flags[k - 1], da ? 1 : 0) << int(k) << " " << static_cast<double>(wert);
            EXPECT_EQ(SpurpunktExistiert(u, k), da);
        }
    }
    // Exactly the tolerance: the trace point lies far out but in its plane.
    SetzeGerade(1, {1, 2, 3}, {Toleranz, 0, 1});
    EXPECT_EQ(g.SpurpunktYZ.x, 0);
    EXPECT_EQ(g.SpurpunktYZ.y, 2);
    EXPECT_NEAR(static_cast<double>(g.SpurpunktYZ.z), 3 - 1e9, 1);

    // x·Toleranz + z = 1 is solved for x; just below the tolerance, for z.
    TEbene& E = Ebene[1];
    E.KoordB = 0, E.KoordC = 1, E.KoordD = -1;
    E.KoordA = Toleranz;
    ASSERT_TRUE(EbeneKoordZuParam(1));
    ErwartePunkt(E.Stuetzvektor, 1 / Toleranz, 0, 0);
    E.KoordA = knapp;
    ASSERT_TRUE(EbeneKoordZuParam(1));
    ErwartePunkt(E.Stuetzvektor, 0, 0, 1);
    E.KoordA = knapp, E.KoordC = knapp;
    EXPECT_FALSE(EbeneKoordZuParam(1));
}

TEST_F(Abgeleitet, DrehachseOhneRichtungTeiltNichtDurchNull) {
    // The rotation axis starts zero-filled and may get two equal points.
    Drehachse.Stuetzvektor = {2, 3, 4};
    Drehachse.Richtungsvektor = {0, 0, 0};
    Drehachse.ZeichenAnfang = {-99, 0, 0};
    GeradeBerechnen(Drehachse);
    ErwartePunkt(Drehachse.ZeichenAnfang, 2, 3, 4, 0);
    ErwartePunkt(Drehachse.ZeichenEnde, 2, 3, 4, 0);
    ErwartePunkt(Drehachse.VektorEnde, 2, 3, 4, 0);
    EXPECT_EQ(Drehachse.SpurpunktXYvorhanden + Drehachse.SpurpunktXZvorhanden + Drehachse.SpurpunktYZvorhanden, 0);
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
    ErwartePunkt(Gerade[1].SchnittQuadratGH[1], 0, 0, 0, 0);  // only h holds it

    struct Fall {
        TVek_R3 A, u;
        const char* Text;
    };
    const Fall Faelle[] = {{{0, 1, 0}, {2, 0, 0}, "g ist echt parallel zu h"},
                           {{5, 0, 0}, {-3, 0, 0}, "identisch"},
                           {{0, 0, 0}, {1, 0, 0}, "identisch"},  // same support point
                           {{0, 0, 1}, {0, 1, 0}, "windschief"}};
    for (const Fall& f : Faelle) {
        SetzeGerade(2, f.A, f.u);
        EXPECT_EQ(LageTextGH, f.Text);
        EXPECT_EQ(LageGH, 0) << f.Text;
    }

    // g-t and h-t: their texts and the mark in t.
    SetzeGerade(3, {0, 5, 1}, {1, 0, 0});
    EXPECT_EQ(LageTextGT, "g ist echt parallel zu t");
    EXPECT_EQ(LageHT, 1);
    ErwartePunkt(Gerade[3].SchnittQuadratHT[2], 0, 5, 1 - s);  // (0,1,0)+(1,0,0) × (1,0,0)
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
    // The support point lies in both planes and is the one nearest the
    // origin; the direction has length 1.
    FarbeSg = 0x00112233;
    SetzeEbene(1, {3, 0, 0}, {-1, 1, 0}, {-1, 0, 1});  // x + y + z = 3
    SetzeEbene(2, {0, 0, 0}, {1, 1, 0}, {0, 0, 1});    // x = y
    SchnittgeradeE1E2Berechnen();
    ASSERT_TRUE(SchnittgeradeVorhanden);
    EXPECT_EQ(LageTextE1E2, "schneiden sich:");
    ErwartePunkt(Gerade_sg.Stuetzvektor, 1, 1, 1);
    EXPECT_NEAR(static_cast<double>(Betrag(Gerade_sg.Richtungsvektor)), 1.0, 1e-15);
    EXPECT_EQ(Gerade_sg.Farbe, 0x00112233u);

    // Same direction space: identical or truly parallel; sg stays.
    Gerade_sg.Stuetzvektor = {7, 7, 7};
    SetzeEbene(1, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    for (Extended z : {1, 6}) {
        SetzeEbene(2, {3, 4, z}, {1, 1, 0}, {2, -1, 0});
        SchnittgeradeE1E2Berechnen();
        EXPECT_FALSE(SchnittgeradeVorhanden);
        EXPECT_EQ(LageTextE1E2, z == 1 ? "identisch" : "echt parallel");
        ErwartePunkt(Gerade_sg.Stuetzvektor, 7, 7, 7, 0);
    }
}

TEST_F(Abgeleitet, ProjektionsUndSpurgeraden) {
    AchsenKreuz.Farbe = 0x00445566;
    SetzeEbene(1, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});  // z = 0
    SetzeEbene(2, {0, 0, 2}, {1, 0, 0}, {0, 1, 0});  // z = 2
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

    // Trace lines of z = 1 and x + y + z = 3: none of E1 in the x,y-plane;
    // the support point nearest the origin, a unit direction.
    AchsenKreuz.Farbe = 0x00010203;
    SetzeEbene(1, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    SetzeEbene(2, {3, 0, 0}, {-1, 1, 0}, {-1, 0, 1});
    for (Byte i = 1; i <= 6; ++i) SpurgeradenBerechnen(i);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(Spurgeraden[i].gueltig, i == 1 ? 0 : 1) << i;
    ErwartePunkt(Spurgeraden[2].Stuetzvektor, 0, 0, 1);
    const Extended r = 1 / std::sqrt(2.0L);
    ErwartePunkt(Spurgeraden[4].Stuetzvektor, 1.5L, 1.5L, 0);
    ErwartePunkt(Spurgeraden[4].Richtungsvektor, -r, r, 0);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(Spurgeraden[i].Farbe, 0x00010203u);
}

TEST_F(Abgeleitet, ProjektionsgeradeGenauWennSieExistiert) {
    // E1: the plane x = y. Each case: the line, the projection, and whether
    // the geometry has a projected line (the plane of the rays through the
    // line is no plane, or parallel to E1, or the rays never reach E1).
    SetzeEbene(1, {0, 0, 0}, {1, 1, 0}, {0, 0, 1});
    struct Fall {
        const char* name;
        TVek_R3 A, u;
        bool zentral;
        TVek_R3 Zentrum;  // eye point, or direction of the parallel projection
        bool Bild;
    };
    const Fall faelle[] = {
        // The ray through A runs parallel to E1; so does one through A + u.
        {"Strahl durch A parallel", {-20, 20, 0}, {1, 0, 0}, true, {40, 80, 30}, true},
        {"Strahl durch A+u parallel", {-21, 20, 0}, {1, 0, 0}, true, {40, 80, 30}, true},
        {"Auge auf der Geraden", {40, 80, 20}, {0, 0, 1}, true, {40, 80, 30}, false},
        {"Strahlenebene parallel zu E1", {5, 0, 0}, {0, 0, 1}, true, {0, -5, 0}, false},
        // Parallel: the cut through A + u fails, the line's image exists.
        {"parallel, zweiter Strahl parallel", {0, 3, 0}, {50, -50, 0}, false, {1, 0, 0}, true},
        {"parallel, Richtung parallel zu E1", {0, 3, 0}, {1, 0, 0}, false, {1, 1, 0}, false},
        {"parallel, Gerade in Richtung", {0, 3, 0}, {2, 0, 0}, false, {1, 0, 0}, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        SetzeGerade(1, f.A, f.u);
        Zentralprojektion = f.zentral;
        (f.zentral ? Augpunkt : ProjRichtung) = f.Zentrum;
        ProjektionsgeradenBerechnen(1);
        const TGerade& p = Projektionsgeraden[1];
        EXPECT_EQ(p.gueltig == 1, f.Bild);
        if (!f.Bild || p.gueltig != 1) continue;
        // In E1, and in the plane of the rays through g.
        TVek_R3 n;
        Vektorprodukt(f.u, f.zentral ? Differenz(f.A, f.Zentrum) : f.Zentrum, n);
        for (const TVek_R3& Q : {p.Stuetzvektor, Summe(p.Stuetzvektor, p.Richtungsvektor)}) {
            EXPECT_NEAR(static_cast<double>(Q.x - Q.y), 0, 1e-12);
            EXPECT_NEAR(static_cast<double>(Skalarprodukt(n, Differenz(Q, f.A))), 0, 1e-9);
        }
        EXPECT_GT(Betrag(p.Richtungsvektor), 1e-6L);
    }

    // Parallel view along the x-axis, E1 through the point 100 steps up the
    // ray through g's support point: the image is the line A + t·(0|1|1)
    // moved into E1.
    Zentralprojektion = false;
    SetzeGerade(1, {0, 1, 2}, {0, 1, 1});
    for (const Extended r : {1.0L, -1.0L}) {
        ProjRichtung = {r, 0, 0};
        const TVek_R3 C{100 * r, 1, 2};
        for (const TVek_R3& w : {TVek_R3{1, 0, 1}, TVek_R3{0, 0, 1}}) {   // x = 100r, and a slanted plane
            SetzeEbene(1, C, {0, 1, 0}, w);
            SCOPED_TRACE(static_cast<double>(r + w.x));
            ProjektionsgeradenBerechnen(1);
            const TGerade& p = Projektionsgeraden[1];
            ASSERT_EQ(p.gueltig, 1);
            TVek_R3 n;
            Vektorprodukt({0, 1, 0}, w, n);
            for (const TVek_R3& Q : {p.Stuetzvektor, Summe(p.Stuetzvektor, p.Richtungsvektor)}) {
                EXPECT_NEAR(static_cast<double>(Skalarprodukt(n, Differenz(Q, C))), 0, 1e-9);   // in E1
                EXPECT_NEAR(static_cast<double>(Q.y - Q.z), -1, 1e-9);   // on the rays through g
            }
            EXPECT_GT(Betrag(p.Richtungsvektor), 1e-6L);
        }
    }
}

TEST_F(Abgeleitet, DurchstosspunkteUndLagetexte) {
    SetzeGerade(1, {1, 2, 3}, {0, 0, 1});
    SetzeGerade(2, {0, 0, 1}, {1, 0, 0});  // in z = 1
    SetzeGerade(3, {0, 0, 5}, {1, 1, 0});  // above it
    SetzeEbene(1, {0, 0, 1}, {2, 0, 0}, {0, 3, 0});
    SetzeEbene(2, {0, 0, 5}, {1, 0, 0}, {0, 1, 0});
    EbeneBerechnen(Ebene[1]);
    EbeneBerechnen(Ebene[2]);
    const TEbene& E1 = Ebene[1];
    EXPECT_EQ(E1.DurchstosspunktGvorhanden, 1);
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

    // t starts at E2's support point: a null difference, a collapsed head.
    ErwartePunkt(E1.PfeilVerbindung[7][2], 0, 0, 0, 0);

    // The display square at factor 10 with AchseXMax 8: side 16, centred on
    // the foot of the perpendicular from the origin, whatever the support
    // point; at factor 5 half of it.
    SetzeEbene(1, {5, 5, 2}, {1, 0, 0}, {0, 1, 0});
    EbeneBerechnen(Ebene[1]);
    ErwartePunkt(E1.QuadratEcken[1], -8, 8, 2);
    Form_EbEinstell.ScrollBar1.SetPositionStill(5);
    EbeneBerechnen(Ebene[1]);
    ErwartePunkt(E1.QuadratEcken[3], 4, -4, 2);
}

TEST_F(Abgeleitet, EbeneOhneAufspannNichtNaN) {
    // A plane whose direction vectors span nothing (such as a zero-filled
    // one) gives finite points throughout.
    SetzeEbene(1, {1, 1, 1}, {1, 0, 0}, {2, 0, 0});
    EbeneBerechnen(Ebene[1]);
    SetzeEbene(2, {0, 0, 0}, {0, 0, 0}, {0, 0, 0});
    EbeneBerechnen(Ebene[2]);
    EXPECT_EQ(Ebene[1].SchnittpunktAnzahl, 0);
    for (const TEbene& E : Ebene) {
        for (int k = 1; k <= 4; ++k) EXPECT_TRUE(Endlich(E.QuadratEcken[k]));
        for (int k = 1; k <= 3; ++k) EXPECT_TRUE(Endlich(E.PfeilRichtung1[k]) && Endlich(E.WinkelmarkeR1[k]));
    }
    // A marker square without directions shrinks to its centre.
    TPunkte<4> Q;
    EbenenQuadratEcken({0, 0, 0}, {0, 0, 0}, {1, 2, 3}, 1, Q);
    for (int k = 1; k <= 4; ++k) ErwartePunkt(Q[k], 1, 2, 3, 0);
}

}  // namespace
