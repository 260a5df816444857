// Drawing of every object kind: segment counts and pens, directly and into
// the hidden-line list, with the rotation segments.
#include <set>
#include <vector>

#include "forms/Hauptfenster.h"
#include "view3d/ObjektGeometrie.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Bildtest.h"
#include "scene/DrehZustand.h"
#include "view3d/Objektzeichnen.h"

namespace {

using Art = ProtokollZeichenflaeche::Art;

// Parallel projection before the first activation: no fold, so (x, y, z)
// lands at pixel (400 + 20x, 600 - (300 + 20z)).
class ObjektZeichnen : public ::testing::Test {
protected:
    ProtokollZeichenflaeche Flaeche{800, 600};
    ZeichenbitmapEinsetzen Einsatz{Flaeche};

    void SetUp() override {
        SzeneObjekteNullen();
        SchalterNullen();
        DrehZustandNullen();
        AnsichtNullen();
        ErsteAktivierung = true;
        Zentralprojektion = false;
        ProjEbene = 1;
        MassstabX = MassstabY = MassstabZ = 20;
        AchsenKreuz.UrsprungX = 400;
        AchsenKreuz.UrsprungY = 300;
        Form_Edits_01.ClientHeight = 600;
        VerdeckteLinien = false;
        StreckenAnzahl = 0;
        Pfeillaenge = 8.0L / 50;
    }
    void TearDown() override {
        VerdeckteLinien = false;
        StreckenAnzahl = 0;
    }

    // The strokes f draws directly.
    template <class F>
    std::vector<ProtokollZeichenflaeche::Strecke> Direkt(F f) {
        VerdeckteLinien = false;
        Flaeche.Leeren();
        f();
        return Flaeche.Strecken();
    }
    // The segments f queues with hidden lines on.
    template <class F>
    std::vector<TStr> Liste(F f) {
        VerdeckteLinien = true;
        StreckenAnzahl = 0;
        Flaeche.Leeren();
        f();
        std::vector<TStr> l;
        for (int i = 1; i <= StreckenAnzahl; ++i) l.push_back(St[i]);
        return l;
    }

    // A whole-scene rotation about the z-axis has happened.
    static void GedrehtUmZ() {
        DrehungErfolgt = 5;
        DrehstreckenZeigen = true;
        Lotgerade.Stuetzvektor = {0, 0, 0};
        Lotgerade.Richtungsvektor = {0, 0, 1};
        DrehstreckeFarbe = 0x00DCC896;
        DrehstreckeBreite = 1;
        DrehstreckeStil = psDot;
        DrehstreckeWinkelZeigen = true;
        DrehstreckeWinkelGroesse = 0.5L;
    }
};

TSpat EinheitsSpat() {
    TSpat S;
    S.Ecke[1] = {1, 0, 1};
    S.AB = {2, 0, 0};
    S.AD = {0, 3, 0};
    S.AE = {0, 0, 4};
    SpatEckenBerechnen(S);
    S.Farbe = 0x0000FF00;
    S.Stiftbreite = 1;
    S.Linienstil = psDot;
    return S;
}

}  // namespace

TEST_F(ObjektZeichnen, SpatKantenUndErzeugende) {
    TSpat S = EinheitsSpat();
    auto l = Direkt([&] { SpatZeichnen(S); });
    ASSERT_EQ(l.size(), 12u);
    for (const auto& s : l) EXPECT_EQ(s.pen, (TPen{0x0000FF00, 1, psDot}));
    // A-B first: (1,0,1) -> (3,0,1).
    EXPECT_EQ(l[0].von, (TPoint{420, 280}));
    EXPECT_EQ(l[0].bis, (TPoint{460, 280}));

    // With the generating vectors shown, the edges from A widen by 2 and
    // three solid arrow heads follow.
    S.ErzeugendeZeigen = 1;
    SpatPfeilspitzenBerechnen(S);
    l = Direkt([&] { SpatZeichnen(S); });
    EXPECT_EQ(S.StiftbreiteVektoren, 3);
    ASSERT_EQ(l.size(), 18u);
    const int breit[12] = {3, 1, 1, 3, 1, 1, 1, 1, 3, 1, 1, 1};
    for (int k = 0; k < 18; ++k) EXPECT_EQ(l[k].pen.Width, k < 12 ? breit[k] : 3) << k;
    for (int k = 12; k < 18; ++k) EXPECT_EQ(l[k].pen.Style, psSolid);
}

TEST_F(ObjektZeichnen, KugelRingeUndMeridianeNachDichte) {
    TKugel K;
    K.Radius = 2;
    K.Mittelpunkt = {1, 1, 1};
    KugelNetzBerechnen(K);
    K.Farbe = 0x00C8C864;
    K.Linienstil = psDot;

    struct Fall {
        Byte b, l;
        std::size_t Ringe, Meridiane;
    };
    // 12: rings 1, 2, 4, ..., 22, 23; 4: rings 1, 6, 12, 18, 23; 6: rings
    // 1, 4, ..., 20, 23; meridians 24, 8 or 0, 6, 12, 18. A density of 0
    // keeps the outer rings and meridian 0.
    const Fall Faelle[] = {{12, 24, 13, 24}, {24, 24, 23, 24}, {4, 4, 5, 4}, {6, 8, 7, 8}, {0, 0, 2, 1}};
    for (const Fall& f : Faelle) {
        K.Breitenkreise = f.b;
        K.Laengenkreise = f.l;
        const auto l = Direkt([&] { KugelZeichnen(K); });
        EXPECT_EQ(l.size(), f.Ringe * 24 + f.Meridiane * 24) << int(f.b) << "/" << int(f.l);
        for (const auto& s : l) EXPECT_EQ(s.pen, (TPen{0x00C8C864, 1, psDot}));
        EXPECT_EQ(Flaeche.Anzahl(Art::Ellipse), 0);
        // The same mesh as segments with hidden lines on.
        EXPECT_EQ(Liste([&] { KugelZeichnen(K); }).size(), f.Ringe * 24 + f.Meridiane * 24);
    }

    // Which rings: with density 4 the drawn rings lie at the heights
    // r·(n - i)/n for i = 1, 6, 12, 18, 23.
    K.Breitenkreise = K.Laengenkreise = 4;
    std::set<long> Hoehen;
    int AmNordpol = 0;
    for (const TStr& s : Liste([&] { KugelZeichnen(K); })) {
        if (s.A.z == s.B.z) Hoehen.insert(std::lround(static_cast<double>((s.A.z - 1) * 1200)));
        if (Nahe(s.A, {1, 1, 3})) ++AmNordpol;
        EXPECT_EQ(s.Linienstil, psDot);
        EXPECT_EQ(s.Stiftbreite, 1);
    }
    EXPECT_EQ(Hoehen, (std::set<long>{2200, 1200, 0, -1200, -2200}));
    EXPECT_EQ(AmNordpol, 4);

    // A sphere that was never computed (n = m = 0) or whose ring count does
    // not fit the mesh array draws no mesh.
    TKugel L;
    L.Breitenkreise = 12;
    L.Laengenkreise = 24;
    EXPECT_TRUE(Direkt([&] { KugelZeichnen(L); }).empty());
    L.n = 20;
    L.m = 24;
    EXPECT_TRUE(Direkt([&] { KugelZeichnen(L); }).empty());
}

TEST_F(ObjektZeichnen, KegelSpeichenMantelUndRand) {
    TKegel K;
    K.Mittelpunkt = {0, 0, 0};
    K.Normalenvektor = {0, 0, 1};
    K.Radius = 3;
    K.Hoehe = 4;
    KegelGeometrieBerechnen(K);
    K.Farbe = 0x00004080;
    K.Randstaerke = 5;
    K.Linienstil = psSolid;
    K.Speichen = 3;
    K.SpeichenZeigen = 1;

    const auto l = Liste([&] { KegelZeichnen(K); });
    ASSERT_EQ(l.size(), 66u);  // 60 rim pieces, 3 spokes, 3 lateral lines
    for (const TStr& s : l) {
        EXPECT_EQ(s.Stiftbreite, 5);
        EXPECT_EQ(s.Farbe, 0x00004080u);
    }
    // Spokes at rim points 20, 40, 60, each followed by its lateral line.
    for (int i = 0; i < 3; ++i) {
        const TVek_R3 R = K.Randpunkt[20 * (i + 1)];
        EXPECT_TRUE(Nahe(l[60 + 2 * i].A, K.Mittelpunkt) && Nahe(l[60 + 2 * i].B, R)) << i;
        EXPECT_TRUE(Nahe(l[61 + 2 * i].A, R) && Nahe(l[61 + 2 * i].B, K.Spitze)) << i;
    }

    // A circle has no lateral lines; without spokes it is the rim alone.
    K.Hoehe = 0;
    KegelGeometrieBerechnen(K);
    EXPECT_EQ(Liste([&] { KegelZeichnen(K); }).size(), 63u);
    K.SpeichenZeigen = 0;
    EXPECT_EQ(Liste([&] { KegelZeichnen(K); }).size(), 60u);

    // Directly: the rim as 60 pieces, then per place one path centre - rim
    // point - apex.
    K.Hoehe = 4;
    KegelGeometrieBerechnen(K);
    K.SpeichenZeigen = 1;
    K.Speichen = 4;
    const auto d = Direkt([&] { KegelZeichnen(K); });
    EXPECT_EQ(d.size(), 60u + 8u);
    for (const auto& s : d) EXPECT_EQ(s.pen.Width, 5);

    // Unusable values: a spoke count of 0 or above 360 gives the rim alone;
    // a step of 2 degrees would need 180 pieces: cut at the 60 the rim
    // holds, and of the four spoke places (k·2 a multiple of 90) only
    // k = 45 lies among them; a cone never computed (step 0) draws nothing.
    for (int n : {0, 1000}) {
        K.Speichen = n;
        EXPECT_EQ(Liste([&] { KegelZeichnen(K); }).size(), 60u) << n;
    }
    K.Winkelschritt = 2;
    K.Speichen = 4;
    EXPECT_EQ(Liste([&] { KegelZeichnen(K); }).size(), 60u + 2u);
    TKegel L;
    L.Hoehe = 1;
    EXPECT_TRUE(Liste([&] { KegelZeichnen(L); }).empty());
}

TEST_F(ObjektZeichnen, VektorUndPunkt) {
    TVektor& V = Vektor[1];
    V.Anfangspunkt = {0, 0, 0};
    V.Vektor = V.Endpunkt = {2, 0, 1};
    PfeilspitzeBerechnen(V.Vektor, V.Anfangspunkt, V.Endpunkt, V.Pfeil);
    V.Farbe = 0x00FF00FF;
    V.Stiftbreite = 2;
    V.Linienstil = psDot;
    auto l = Direkt([&] { VektorZeichnen(V); });
    ASSERT_EQ(l.size(), 3u);
    // The shaft keeps its style, the head is solid; both strokes meet at the tip.
    EXPECT_EQ(l[0].pen.Style, psDot);
    EXPECT_TRUE(l[1].pen.Style == psSolid && l[2].pen.Style == psSolid);
    EXPECT_EQ(l[1].bis, (TPoint{440, 280}));
    EXPECT_EQ(l[2].von, (TPoint{440, 280}));

    // A point: a circle in its pen.
    TPunkt& P = Punkt[3];
    P.Ort = {1, 0, 2};
    P.Farbe = 0x00000080;
    P.Stiftbreite = 2;
    P.sichtbar = 1;
    EXPECT_TRUE(Direkt([&] { PunktZeichnen(P); }).empty());
    const auto e = Flaeche.Alle(Art::Ellipse);
    ASSERT_EQ(e.size(), 1u);
    // Picture point (420, 340 upward): corners (418, 600 - 338), (422, 600 - 342).
    EXPECT_EQ(e[0].punkte, (std::vector<TPoint>{{418, 262}, {422, 258}}));
    EXPECT_EQ(e[0].pen.Color, 0x00000080u);
    EXPECT_EQ(e[0].pen.Width, 2);

    // Its own crosshair: three dotted arms of width 1, for a shown point only.
    P.mitFadenkreuz = 1;
    FadenkreuzEnden(P.Ort, P.FadenkreuzArme);
    l = Direkt([&] { PunktZeichnen(P); });
    ASSERT_EQ(l.size(), 3u);
    for (const auto& s : l) EXPECT_TRUE(s.pen.Style == psDot && s.pen.Width == 1);
    P.sichtbar = 0;
    EXPECT_TRUE(Direkt([&] { PunktZeichnen(P); }).empty());

    // Hidden lines on: a cross of half-length 0.05 at width 2w, no circle.
    P.sichtbar = 1;
    P.mitFadenkreuz = 0;
    const auto v = Liste([&] { PunktZeichnen(P); });
    EXPECT_EQ(Flaeche.Anzahl(Art::Ellipse), 0);
    ASSERT_EQ(v.size(), 3u);
    ErwartePunkt(v[0].A, 1, 0, 1.95L);
    ErwartePunkt(v[1].A, 1, -0.05L, 2);
    ErwartePunkt(v[2].B, 1.05L, 0, 2);
    for (const TStr& s : v) EXPECT_TRUE(s.Stiftbreite == 4 && s.Linienstil == psSolid);
}

TEST_F(ObjektZeichnen, GeradeMitVektorenUndMarken) {
    TGerade& h = Gerade_h;
    h.ZeichenAnfang = {-4, 0, 0};
    h.ZeichenEnde = {4, 0, 0};
    h.Stuetzvektor = h.VektorAnfang = {1, 0, 1};
    h.VektorEnde = {2, 0, 1};
    h.Farbe = 0x00C8C864;
    h.Stiftbreite = 1;
    h.StiftbreiteVektor = 3;
    h.StiftbreiteStuetzvektor = 2;
    h.Linienstil = psDot;
    FarbeLinienDialog = 0x000000FF;
    const auto zeichnen = [&] { return Direkt([&] { GeradeZeichnen(h); }); };

    // A user line: piece, both vectors and both arrow heads. t (33) counts
    // as a user line, a derived line (6), sg (5) and the rotation axis (43)
    // show only their piece.
    for (int nr : {2, 33, 6, 5, 43}) {
        AktLinienNr = nr;
        EXPECT_EQ(zeichnen().size(), nr == 2 || nr == 33 ? 7u : 1u) << nr;
    }
    AktLinienNr = 2;
    auto l = zeichnen();
    EXPECT_EQ(l[0].pen.Style, psDot);
    EXPECT_EQ(l[1].pen.Width, 3);
    EXPECT_EQ(l[2].pen.Color, 0x000000FFu);
    EXPECT_EQ(l[2].von, (TPoint{400, 300}));  // support vector from the origin
    EXPECT_EQ(l[2].pen.Width, 2);
    StRiVektZeigen = false;
    EXPECT_EQ(zeichnen().size(), 1u);
}

TEST_F(ObjektZeichnen, EbeneDarstellungsarten) {
    TEbene& E = Ebene_E1;
    E.Farbe = 0x000000FF;
    E.Stiftbreite = 2;
    E.Linienstil = psDot;
    E.sichtbar = 1;
    E.Netzlinien = 8;
    EbenenQuadratEcken({1, 0, 0}, {0, 0, 1}, {0, 0, 0}, 4, E.QuadratEcken);
    for (int k = 1; k <= 12; ++k) E.Schnittpunkte[k] = {static_cast<Extended>(k % 3), 0, static_cast<Extended>(k)};
    E.SchnittpunktAnzahl = 6;
    StRiVektZeigen = false;
    FarbeE1 = 0x000000FF;
    FarbeE2 = 0x00FF0000;
    const auto zeichnen = [&] { return Direkt([&] { EbeneZeichnen(E); }); };

    AktLinienNr = 3;
    E.Darstellungsart = 0;
    EXPECT_EQ(zeichnen().size(), 3u);
    // A count past the array is cut at its twelve points.
    E.SchnittpunktAnzahl = 40;
    EXPECT_EQ(zeichnen().size(), 6u);

    E.Darstellungsart = 1;
    auto l = zeichnen();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0].pen.Width, 2);
    EXPECT_EQ(Flaeche.Brush.Style, bsClear);

    // Square with grid: 9 + 9 grid lines of width 1, then the outline.
    // E1's grid is solid whatever the plane's style.
    E.Darstellungsart = 2;
    l = zeichnen();
    ASSERT_EQ(l.size(), 22u);
    for (int k = 0; k < 18; ++k) EXPECT_EQ(l[k].pen, (TPen{0x000000FF, 1, psSolid})) << k;
    for (int k = 18; k < 22; ++k) EXPECT_EQ(l[k].pen.Width, 2);

    // E2's grid takes E2's style and colour FarbeE2.
    AktLinienNr = 4;
    l = zeichnen();
    ASSERT_EQ(l.size(), 22u);
    EXPECT_EQ(l[4].pen.Style, psDot);
    EXPECT_EQ(l[4].pen.Color, 0x00FF0000u);

    // No grid parts: the outline of the grid only, no division by zero.
    E.Netzlinien = 0;
    EXPECT_EQ(zeichnen().size(), 4u + 4u);
}

TEST_F(ObjektZeichnen, EckParallelogrammUndGitter) {
    TPunkte<3> W;
    EckParallelogramm({1, 1, 1}, {1, 1, 5}, {4, 1, 1}, 0.5L, W);
    ErwartePunkt(W[1], 1, 1, 1.5L);
    ErwartePunkt(W[2], 1.5L, 1, 1.5L);
    ErwartePunkt(W[3], 1.5L, 1, 1);
    // A point on the axis: P' = O, no NaN.
    EckParallelogramm({0, 0, 0}, {0, 0, 1}, {0, 0, 0}, 0.5L, W);
    ErwartePunkt(W[2], 0, 0, 0.5L);
    ErwartePunkt(W[3], 0, 0, 0);

    // N = 2: border, inner, border in each family; lines of width 1. No
    // parts: the four edges only, in the border style; a negative count:
    // nothing.
    const auto gitter = [&](int N) {
        return Liste([&] { ZeichneEbenenGitter({0, 0, 0}, {2, 0, 0}, {2, 0, 2}, {0, 0, 2}, N, psDot, psSolid, 0x00112233); });
    };
    auto v = gitter(2);
    ASSERT_EQ(v.size(), 6u);
    const TPenStyle Stile[6] = {psSolid, psDot, psSolid, psSolid, psDot, psSolid};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(v[k], (TStr{v[k].A, v[k].B, 0x00112233, Stile[k], 1})) << k;
    ErwartePunkt(v[1].A, 1, 0, 0);
    ErwartePunkt(v[1].B, 1, 0, 2);
    ErwartePunkt(v[4].A, 0, 0, 1);
    ErwartePunkt(v[4].B, 2, 0, 1);
    v = gitter(0);
    ASSERT_EQ(v.size(), 4u);
    for (const TStr& s : v) EXPECT_TRUE(s.Linienstil == psSolid && Endlich(s.A) && Endlich(s.B));
    EXPECT_TRUE(gitter(-3).empty());
}

TEST_F(ObjektZeichnen, DrehstreckenNurNachDrehungUndMitSchalter) {
    TVektor& V = Vektor[2];
    V.Anfangspunkt = {3, 0, 2};
    V.Endpunkt = {4, 0, 2};
    PfeilspitzeBerechnen({1, 0, 0}, V.Anfangspunkt, V.Endpunkt, V.Pfeil);
    V.Farbe = 0x00C8C864;
    V.Stiftbreite = 2;
    const auto vektor = [&] { return Liste([&] { VektorZeichnen(V); }); };

    EXPECT_EQ(vektor().size(), 3u);  // no rotation yet
    GedrehtUmZ();
    DrehstreckenZeigen = false;
    EXPECT_EQ(vektor().size(), 3u);
    DrehstreckenZeigen = true;
    const auto v = vektor();
    ASSERT_EQ(v.size(), 6u);
    // Start point to its foot on the z-axis in the segments' own pen, then
    // a right-angle mark towards the axis and the start point.
    ErwartePunkt(v[3].A, 3, 0, 2);
    ErwartePunkt(v[3].B, 0, 0, 2);
    EXPECT_EQ(v[3], (TStr{v[3].A, v[3].B, 0x00DCC896, psDot, 1}));
    ErwartePunkt(V.LotWinkel[2], 0.5L, 0, 2.5L);
    for (int k = 4; k <= 5; ++k) EXPECT_EQ(v[k], (TStr{v[k].A, v[k].B, 0x00C8C864, psSolid, 1})) << k;
    DrehstreckeWinkelZeigen = false;
    EXPECT_EQ(vektor().size(), 4u);
    DrehstreckeWinkelZeigen = true;

    // A derived line gets none.
    StRiVektZeigen = false;
    AktLinienNr = 5;
    EXPECT_EQ(Liste([&] { GeradeZeichnen(Gerade_sg); }).size(), 1u);

    // Axes turning with the objects: none for a vector, but a Spat keeps
    // its segment; the box of the axes never has one.
    AchsenMitDrehen = true;
    EXPECT_EQ(vektor().size(), 3u);
    TSpat S = EinheitsSpat();
    EXPECT_EQ(Liste([&] { SpatZeichnen(S); }).size(), 12u + 3u);
    ErwartePunkt(S.Lotfuss, 0, 0, 1);
    MaxQuaderWirdGezeichnet = true;
    EXPECT_EQ(Liste([&] { SpatZeichnen(S); }).size(), 12u);
    EXPECT_FALSE(MaxQuaderWirdGezeichnet);
}
