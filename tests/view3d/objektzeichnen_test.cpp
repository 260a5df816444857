#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "mainwindow/Hauptfenster.h"
#include "mainwindow/Schalter.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "scene/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "view3d/Ansicht.h"
#include "view3d/Abgeleitet.h"
#include "view3d/DrehZustand.h"
#include "view3d/Objektzeichnen.h"
#include "view3d/VerdeckteLinien.h"

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

    // Switches hidden lines on: segments go to the list instead.
    void Verdeckt() {
        VerdeckteLinien = true;
        StreckenAnzahl = 0;
    }
    std::vector<TStr> Liste() const {
        std::vector<TStr> l;
        for (int i = 1; i <= StreckenAnzahl; ++i) l.push_back(St[i]);
        return l;
    }
    std::vector<ProtokollZeichenflaeche::Strecke> Linien() const { return Flaeche.Strecken(); }

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

bool Gleich(TVek_R3 a, TVek_R3 b) {
    return std::fabs(a.x - b.x) < 1e-12L && std::fabs(a.y - b.y) < 1e-12L && std::fabs(a.z - b.z) < 1e-12L;
}

#define ERWARTE_PUNKT(a, ...) EXPECT_TRUE(Gleich((a), TVek_R3{__VA_ARGS__}))

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
    SpatZeichnen(S);
    auto l = Linien();
    ASSERT_EQ(l.size(), 12u);
    for (const auto& s : l) {
        EXPECT_EQ(s.pen.Color, 0x0000FF00u);
        EXPECT_EQ(s.pen.Width, 1);
        EXPECT_EQ(s.pen.Style, psDot);
    }
    // A-B first: (1,0,1) -> (3,0,1).
    EXPECT_EQ(l[0].von, (TPoint{420, 280}));
    EXPECT_EQ(l[0].bis, (TPoint{460, 280}));

    // With the generating vectors shown, the edges from A widen by 2 and
    // three arrow heads follow.
    Flaeche.Leeren();
    S.ErzeugendeZeigen = 1;
    SpatPfeilspitzenBerechnen(S);
    SpatZeichnen(S);
    EXPECT_EQ(S.StiftbreiteVektoren, 3);
    l = Linien();
    ASSERT_EQ(l.size(), 18u);
    const int breit[12] = {3, 1, 1, 3, 1, 1, 1, 1, 3, 1, 1, 1};
    for (int k = 0; k < 12; ++k) EXPECT_EQ(l[k].pen.Width, breit[k]) << "Kante " << k;
    for (int k = 12; k < 18; ++k) {
        EXPECT_EQ(l[k].pen.Width, 3);
        EXPECT_EQ(l[k].pen.Style, psSolid);
    }
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
        Flaeche.Leeren();
        KugelZeichnen(K);
        const auto l = Linien();
        EXPECT_EQ(l.size(), f.Ringe * 24 + f.Meridiane * 24) << int(f.b) << "/" << int(f.l);
        for (const auto& s : l) {
            EXPECT_EQ(s.pen.Color, 0x00C8C864u);
            EXPECT_EQ(s.pen.Width, 1);
            EXPECT_EQ(s.pen.Style, psDot);
        }
        EXPECT_EQ(Flaeche.Anzahl(Art::Ellipse), 0);

        // The same mesh as segments with hidden lines on.
        Verdeckt();
        KugelZeichnen(K);
        EXPECT_EQ(static_cast<std::size_t>(StreckenAnzahl), f.Ringe * 24 + f.Meridiane * 24);
        VerdeckteLinien = false;
    }

    // Which rings: with density 4 the drawn rings lie at the heights
    // r·(n - i)/n for i = 1, 6, 12, 18, 23.
    K.Breitenkreise = 4;
    K.Laengenkreise = 4;
    Verdeckt();
    KugelZeichnen(K);
    std::set<long> Hoehen;
    int AmNordpol = 0;
    for (const TStr& s : Liste()) {
        if (s.A.z == s.B.z) Hoehen.insert(std::lround(static_cast<double>((s.A.z - 1) * 1200)));
        if (Gleich(s.A, {1, 1, 3})) ++AmNordpol;
        EXPECT_EQ(s.Linienstil, psDot);
        EXPECT_EQ(s.Stiftbreite, 1);
    }
    EXPECT_EQ(Hoehen, (std::set<long>{2200, 1200, 0, -1200, -2200}));
    EXPECT_EQ(AmNordpol, 4);
}

TEST_F(ObjektZeichnen, KugelOhneNetzZeichnetNichts) {
    // A sphere that was never computed (n = m = 0) or whose ring count does
    // not fit the mesh array draws no mesh.
    TKugel K;
    K.Breitenkreise = 12;
    K.Laengenkreise = 24;
    KugelZeichnen(K);
    K.n = 20;
    K.m = 24;
    KugelZeichnen(K);
    EXPECT_TRUE(Linien().empty());
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

    Verdeckt();
    KegelZeichnen(K);
    auto l = Liste();
    ASSERT_EQ(l.size(), 66u);  // 60 rim pieces, 3 spokes, 3 lateral lines
    for (const TStr& s : l) {
        EXPECT_EQ(s.Stiftbreite, 5);
        EXPECT_EQ(s.Farbe, 0x00004080u);
    }
    // Spokes at rim points 20, 40, 60, each followed by its lateral line.
    const int Stellen[3] = {20, 40, 60};
    for (int i = 0; i < 3; ++i) {
        const TStr& Speiche = l[60 + 2 * i];
        const TStr& Mantel = l[61 + 2 * i];
        EXPECT_TRUE(Gleich(Speiche.A, K.Mittelpunkt));
        EXPECT_TRUE(Gleich(Speiche.B, K.Randpunkt[Stellen[i]]));
        EXPECT_TRUE(Gleich(Mantel.A, K.Randpunkt[Stellen[i]]));
        EXPECT_TRUE(Gleich(Mantel.B, K.Spitze));
    }

    // A circle has no lateral lines; without spokes it is the rim alone.
    K.Hoehe = 0;
    KegelGeometrieBerechnen(K);
    Verdeckt();
    KegelZeichnen(K);
    EXPECT_EQ(StreckenAnzahl, 63);
    K.SpeichenZeigen = 0;
    Verdeckt();
    KegelZeichnen(K);
    EXPECT_EQ(StreckenAnzahl, 60);

    // Directly: the rim as 60 pieces, then per place one path centre - rim
    // point - apex.
    VerdeckteLinien = false;
    K.Hoehe = 4;
    KegelGeometrieBerechnen(K);
    K.SpeichenZeigen = 1;
    K.Speichen = 4;
    KegelZeichnen(K);
    auto d = Linien();
    EXPECT_EQ(d.size(), 60u + 8u);
    for (const auto& s : d) EXPECT_EQ(s.pen.Width, 5);
}

TEST_F(ObjektZeichnen, KegelMitUnbrauchbarenWertenStuerztNicht) {
    TKegel K;  // never computed: step 0, no spokes
    K.Hoehe = 1;
    Verdeckt();
    KegelZeichnen(K);
    EXPECT_EQ(StreckenAnzahl, 0);
    // Spoke count 0 or above 360 and a step finer than the rim can hold.
    K.Normalenvektor = {0, 0, 1};
    K.Radius = 1;
    KegelGeometrieBerechnen(K);
    K.Speichen = 0;
    K.SpeichenZeigen = 1;
    KegelZeichnen(K);
    EXPECT_EQ(StreckenAnzahl, 60);
    K.Speichen = 1000;
    Verdeckt();
    KegelZeichnen(K);
    EXPECT_EQ(StreckenAnzahl, 60);
    // A step of 2 degrees would need 180 pieces: cut at the 60 the rim
    // holds; of the four spoke places (k·2 a multiple of 90) only k = 45
    // lies among them.
    K.Winkelschritt = 2;
    K.Speichen = 4;
    Verdeckt();
    KegelZeichnen(K);
    EXPECT_EQ(StreckenAnzahl, 60 + 2);
}

TEST_F(ObjektZeichnen, VektorSchaftUndPfeil) {
    TVektor& V = Vektor[1];
    V.Anfangspunkt = {0, 0, 0};
    V.Vektor = {2, 0, 1};
    V.Endpunkt = {2, 0, 1};
    PfeilspitzeBerechnen(V.Vektor, V.Anfangspunkt, V.Endpunkt, V.Pfeil);
    V.Farbe = 0x00FF00FF;
    V.Stiftbreite = 2;
    V.Linienstil = psDot;
    VektorZeichnen(V);
    auto l = Linien();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_EQ(l[0].pen.Style, psDot);  // the shaft keeps its style
    EXPECT_EQ(l[1].pen.Style, psSolid);
    EXPECT_EQ(l[2].pen.Style, psSolid);
    EXPECT_EQ(l[1].bis, (TPoint{440, 280}));  // both strokes meet at the tip
    EXPECT_EQ(l[2].von, (TPoint{440, 280}));

}

TEST_F(ObjektZeichnen, PunktKreisOderRaumkreuz) {
    TPunkt& P = Punkt[3];
    P.Ort = {1, 0, 2};
    P.Farbe = 0x00000080;
    P.Stiftbreite = 2;
    P.sichtbar = 1;
    PunktZeichnen(P);
    auto e = Flaeche.Alle(Art::Ellipse);
    ASSERT_EQ(e.size(), 1u);
    // Picture point (420, 340 upward): corners (418, 600 - 338), (422, 600 - 342).
    EXPECT_EQ(e[0].punkte[0], (TPoint{418, 262}));
    EXPECT_EQ(e[0].punkte[1], (TPoint{422, 258}));
    EXPECT_EQ(e[0].pen.Color, 0x00000080u);
    EXPECT_EQ(e[0].pen.Width, 2);
    EXPECT_TRUE(Linien().empty());

    // Its own crosshair: three dotted arms of width 1.
    Flaeche.Leeren();
    P.mitFadenkreuz = 1;
    FadenkreuzEnden(P.Ort, P.FadenkreuzArme);
    PunktZeichnen(P);
    auto l = Linien();
    ASSERT_EQ(l.size(), 3u);
    for (const auto& s : l) {
        EXPECT_EQ(s.pen.Style, psDot);
        EXPECT_EQ(s.pen.Width, 1);
    }
    P.sichtbar = 0;  // the crosshair belongs to a shown point only
    Flaeche.Leeren();
    PunktZeichnen(P);
    EXPECT_TRUE(Linien().empty());

    // Hidden lines on: a cross of half-length 0.05 at width 2w, no circle.
    P.sichtbar = 1;
    P.mitFadenkreuz = 0;
    Flaeche.Leeren();
    Verdeckt();
    PunktZeichnen(P);
    EXPECT_EQ(Flaeche.Anzahl(Art::Ellipse), 0);
    auto v = Liste();
    ASSERT_EQ(v.size(), 3u);
    ERWARTE_PUNKT(v[0].A, 1, 0, 1.95L);
    ERWARTE_PUNKT(v[0].B, 1, 0, 2.05L);
    ERWARTE_PUNKT(v[1].A, 1, -0.05L, 2);
    ERWARTE_PUNKT(v[2].B, 1.05L, 0, 2);
    for (const TStr& s : v) {
        EXPECT_EQ(s.Stiftbreite, 4);
        EXPECT_EQ(s.Linienstil, psSolid);
    }
    ERWARTE_PUNKT(P.Kreuz3D[6], 1.05L, 0, 2);
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

    // A derived line shows only its piece.
    AktLinienNr = 6;
    GeradeZeichnen(h);
    EXPECT_EQ(Linien().size(), 1u);

    // A user line: piece, both vectors and both arrow heads.
    Flaeche.Leeren();
    AktLinienNr = 2;
    GeradeZeichnen(h);
    auto l = Linien();
    ASSERT_EQ(l.size(), 7u);
    EXPECT_EQ(l[0].pen.Style, psDot);
    EXPECT_EQ(l[1].pen.Width, 3);
    EXPECT_EQ(l[2].pen.Color, 0x000000FFu);
    EXPECT_EQ(l[2].von, (TPoint{400, 300}));  // support vector from the origin
    EXPECT_EQ(l[2].pen.Width, 2);

    StRiVektZeigen = false;
    Flaeche.Leeren();
    GeradeZeichnen(h);
    EXPECT_EQ(Linien().size(), 1u);

    // g-h intersection mark (stored in h): only with both lines visible.
    Gerade_g.sichtbar = 1;
    LageGH = 1;
    h.SchnittQuadratGH[1] = {0, 0, 0};
    h.SchnittQuadratGH[2] = {1, 0, 0};
    h.SchnittQuadratGH[3] = {1, 0, 1};
    h.SchnittQuadratGH[4] = {0, 0, 1};
    Flaeche.Leeren();
    GeradeZeichnen(h);
    EXPECT_EQ(Linien().size(), 1u);
    h.sichtbar = 1;
    Flaeche.Leeren();
    GeradeZeichnen(h);
    l = Linien();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[1].pen.Color, 0x0000FFFFu);
    EXPECT_EQ(l[4].bis, l[1].von);  // closed
    SchnittpunkteZeigen = false;

    // Difference vector g->h: shaft and head, needs both lines visible.
    DiffVekGH = true;
    FarbeStuetzvektoren = 0x00C8C800;
    StiftbreiteDifferenzvektoren = 2;
    h.Verbindungsvektoren[1] = {0, 0, 0};
    h.Verbindungsvektoren[2] = {1, 0, 1};
    Flaeche.Leeren();
    GeradeZeichnen(h);
    l = Linien();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[1].pen.Color, 0x00C8C800u);
    EXPECT_EQ(l[1].pen.Width, 2);
    Gerade_g.sichtbar = 0;
    Flaeche.Leeren();
    GeradeZeichnen(h);
    EXPECT_EQ(Linien().size(), 1u);

    // t (33) counts as a user line, sg (5) and the rotation axis (43) not.
    DiffVekGH = false;
    StRiVektZeigen = true;
    for (int nr : {33, 5, 43}) {
        AktLinienNr = nr;
        Flaeche.Leeren();
        GeradeZeichnen(h);
        EXPECT_EQ(Linien().size(), nr == 33 ? 7u : 1u) << nr;
    }
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

    AktLinienNr = 3;
    E.Darstellungsart = 0;
    EbeneZeichnen(E);
    EXPECT_EQ(Linien().size(), 3u);
    // A count past the array is cut at its twelve points.
    E.SchnittpunktAnzahl = 40;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    EXPECT_EQ(Linien().size(), 6u);

    E.Darstellungsart = 1;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    auto l = Linien();
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0].pen.Width, 2);
    EXPECT_EQ(Flaeche.Brush.Style, bsClear);

    // Square with grid: 9 + 9 grid lines of width 1, then the outline.
    // E1's grid is solid whatever the plane's style.
    E.Darstellungsart = 2;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    l = Linien();
    ASSERT_EQ(l.size(), 22u);
    for (int k = 0; k < 18; ++k) {
        EXPECT_EQ(l[k].pen.Width, 1);
        EXPECT_EQ(l[k].pen.Style, psSolid);
        EXPECT_EQ(l[k].pen.Color, 0x000000FFu);
    }
    for (int k = 18; k < 22; ++k) EXPECT_EQ(l[k].pen.Width, 2);

    // E2's grid takes E2's style and colour FarbeE2.
    AktLinienNr = 4;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    l = Linien();
    ASSERT_EQ(l.size(), 22u);
    EXPECT_EQ(l[4].pen.Style, psDot);
    EXPECT_EQ(l[4].pen.Color, 0x00FF0000u);

    // No grid parts: the outline of the grid only, no division by zero.
    E.Netzlinien = 0;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    EXPECT_EQ(Linien().size(), 4u + 4u);
}

TEST_F(ObjektZeichnen, EbeneMarkenNormaleDifferenzvektoren) {
    TEbene& E = Ebene_E2;
    AktLinienNr = 4;
    E.Farbe = 0x00FF0000;
    E.Linienstil = psSolid;
    E.Stiftbreite = 1;
    E.Darstellungsart = 1;
    E.sichtbar = 1;
    E.StuetzvektorEnde = {1, 0, 1};
    E.NormalenvektorEnde = {1, 1, 1};
    E.FarbeNormalenvektor = 0x00777777;
    E.StiftbreiteNormalenvektor = 2;
    StRiVektZeigen = false;

    const std::size_t Umriss = 4;
    // Piercing mark of g: only with g visible and the point present.
    E.DurchstosspunktGvorhanden = 1;
    EbeneZeichnen(E);
    EXPECT_EQ(Linien().size(), Umriss);
    Gerade_g.sichtbar = 1;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    EXPECT_EQ(Linien().size(), Umriss + 4);
    SchnittpunkteZeigen = false;

    // Normal vector, and with the squares its two right-angle marks.
    NVektZeigen = true;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    EXPECT_EQ(Linien().size(), Umriss + 3);
    E.WinkelQuadrateZeichnen = 1;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    auto l = Linien();
    ASSERT_EQ(l.size(), Umriss + 7);
    EXPECT_EQ(l.back().pen.Width, 1);
    EXPECT_EQ(l.back().pen.Color, 0x00777777u);
    NVektZeigen = false;

    // Difference vectors under their switch and both visibilities; g->E1
    // also when E2 is drawn (E1 visible required).
    DiffVekGE2 = true;
    DiffVekGE1 = true;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    EXPECT_EQ(Linien().size(), Umriss + 3);  // g->E2 only: E1 is hidden
    Ebene_E1.sichtbar = 1;
    Flaeche.Leeren();
    EbeneZeichnen(E);
    EXPECT_EQ(Linien().size(), Umriss + 6);
    Verdeckt();
    E.Verbindungsvektoren[2][1] = {0, 0, 0};
    E.Verbindungsvektoren[2][2] = {5, 5, 5};
    E.PfeilVerbindung[3][2] = {5, 5, 5};
    EbeneZeichnen(E);
    auto v = Liste();
    ASSERT_EQ(v.size(), Umriss + 6);
    // g->E1 first (pair 1, head 2), then g->E2 (pair 2, head 3).
    ERWARTE_PUNKT(v[Umriss + 3].B, 5, 5, 5);
    ERWARTE_PUNKT(v[Umriss + 4].B, 5, 5, 5);
}

TEST_F(ObjektZeichnen, EckParallelogrammUndGitter) {
    TPunkte<3> W;
    EckParallelogramm({1, 1, 1}, {1, 1, 5}, {4, 1, 1}, 0.5L, W);
    ERWARTE_PUNKT(W[1], 1, 1, 1.5L);
    ERWARTE_PUNKT(W[2], 1.5L, 1, 1.5L);
    ERWARTE_PUNKT(W[3], 1.5L, 1, 1);
    // A point on the axis: P' = O, no NaN.
    EckParallelogramm({0, 0, 0}, {0, 0, 1}, {0, 0, 0}, 0.5L, W);
    ERWARTE_PUNKT(W[2], 0, 0, 0.5L);
    ERWARTE_PUNKT(W[3], 0, 0, 0);

    // N = 2: border, inner, border in each family; lines of width 1.
    Verdeckt();
    ZeichneEbenenGitter({0, 0, 0}, {2, 0, 0}, {2, 0, 2}, {0, 0, 2}, 2, psDot, psSolid, 0x00112233);
    auto v = Liste();
    ASSERT_EQ(v.size(), 6u);
    const TPenStyle Stile[6] = {psSolid, psDot, psSolid, psSolid, psDot, psSolid};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(v[k].Linienstil, Stile[k]) << k;
        EXPECT_EQ(v[k].Stiftbreite, 1);
        EXPECT_EQ(v[k].Farbe, 0x00112233u);
    }
    ERWARTE_PUNKT(v[1].A, 1, 0, 0);
    ERWARTE_PUNKT(v[1].B, 1, 0, 2);
    ERWARTE_PUNKT(v[4].A, 0, 0, 1);
    ERWARTE_PUNKT(v[4].B, 2, 0, 1);

    // No parts or a negative count: the four edges only, in the border style.
    for (int N : {0, -3}) {
        Verdeckt();
        ZeichneEbenenGitter({0, 0, 0}, {2, 0, 0}, {2, 0, 2}, {0, 0, 2}, N, psDot, psSolid, 0);
        v = Liste();
        ASSERT_EQ(v.size(), 4u) << N;
        for (const TStr& s : v) EXPECT_EQ(s.Linienstil, psSolid);
        for (const TStr& s : v) EXPECT_TRUE(std::isfinite(s.A.x) && std::isfinite(s.B.z));
    }
}

TEST_F(ObjektZeichnen, DrehstreckeNurNachDrehungUndMitSchalter) {
    TVektor& V = Vektor[2];
    V.Anfangspunkt = {3, 0, 2};
    V.Endpunkt = {4, 0, 2};
    PfeilspitzeBerechnen({1, 0, 0}, V.Anfangspunkt, V.Endpunkt, V.Pfeil);
    V.Farbe = 0x00C8C864;
    V.Stiftbreite = 2;

    Verdeckt();
    VektorZeichnen(V);
    EXPECT_EQ(StreckenAnzahl, 3);  // no rotation yet

    GedrehtUmZ();
    DrehstreckenZeigen = false;
    Verdeckt();
    VektorZeichnen(V);
    EXPECT_EQ(StreckenAnzahl, 3);

    DrehstreckenZeigen = true;
    Verdeckt();
    VektorZeichnen(V);
    auto v = Liste();
    ASSERT_EQ(v.size(), 6u);
    // Start point to its foot on the z-axis, in the segments' own pen.
    ERWARTE_PUNKT(v[3].A, 3, 0, 2);
    ERWARTE_PUNKT(v[3].B, 0, 0, 2);
    EXPECT_EQ(v[3].Farbe, 0x00DCC896u);
    EXPECT_EQ(v[3].Linienstil, psDot);
    EXPECT_EQ(v[3].Stiftbreite, 1);
    ERWARTE_PUNKT(V.Lotfuss, 0, 0, 2);
    // Right-angle mark towards the axis and the start point.
    ERWARTE_PUNKT(V.LotWinkel[1], 0, 0, 2.5L);
    ERWARTE_PUNKT(V.LotWinkel[2], 0.5L, 0, 2.5L);
    ERWARTE_PUNKT(V.LotWinkel[3], 0.5L, 0, 2);
    for (int k = 4; k <= 5; ++k) {
        EXPECT_EQ(v[k].Farbe, 0x00C8C864u);
        EXPECT_EQ(v[k].Stiftbreite, 1);
        EXPECT_EQ(v[k].Linienstil, psSolid);
    }

    // Without the mark only the segment.
    DrehstreckeWinkelZeigen = false;
    Verdeckt();
    VektorZeichnen(V);
    EXPECT_EQ(StreckenAnzahl, 4);
    DrehstreckeWinkelZeigen = true;

    // Axes turning with the objects: none for a vector, but a Spat keeps
    // its segment; the box of the axes never has one.
    AchsenMitDrehen = true;
    Verdeckt();
    VektorZeichnen(V);
    EXPECT_EQ(StreckenAnzahl, 3);
    TSpat S = EinheitsSpat();
    Verdeckt();
    SpatZeichnen(S);
    EXPECT_EQ(StreckenAnzahl, 12 + 3);
    ERWARTE_PUNKT(S.Lotfuss, 0, 0, 1);
    Verdeckt();
    MaxQuaderWirdGezeichnet = true;
    SpatZeichnen(S);
    EXPECT_EQ(StreckenAnzahl, 12);
    EXPECT_FALSE(MaxQuaderWirdGezeichnet);
}

TEST_F(ObjektZeichnen, DrehstreckeJeObjektart) {
    GedrehtUmZ();
    // Each kind adds the segment and its two mark strokes at its own
    // reference point; the cone stores its mark in rim points 62..64.
    TKegel K;
    K.Mittelpunkt = {2, 0, 0};
    K.Normalenvektor = {0, 0, 1};
    K.Radius = 1;
    KegelGeometrieBerechnen(K);
    K.Speichen = 4;
    Verdeckt();
    KegelZeichnen(K);
    EXPECT_EQ(StreckenAnzahl, 60 + 3);
    ERWARTE_PUNKT(K.Lotfuss, 0, 0, 0);
    ERWARTE_PUNKT(K.Randpunkt[64], 0.5L, 0, 0);

    // A line: from its drawn vector's start; derived lines get none.
    Gerade_g.VektorAnfang = Gerade_g.Stuetzvektor = {4, 0, -1};
    StRiVektZeigen = false;
    SchnittpunkteZeigen = false;
    AktLinienNr = 1;
    Verdeckt();
    GeradeZeichnen(Gerade_g);
    EXPECT_EQ(StreckenAnzahl, 1 + 3);
    ERWARTE_PUNKT(Gerade_g.Lotfuss, 0, 0, -1);
    AktLinienNr = 5;
    Verdeckt();
    GeradeZeichnen(Gerade_sg);
    EXPECT_EQ(StreckenAnzahl, 1);

    // A plane: from its support point, before the normal vector.
    Ebene_E1.Stuetzvektor = {0, 3, 0};
    AktLinienNr = 3;
    StRiVektZeigen = false;
    Verdeckt();
    EbeneZeichnen(Ebene_E1);
    EXPECT_EQ(StreckenAnzahl, 3);
    ERWARTE_PUNKT(Ebene_E1.LotWinkel[3], 0, 0.5L, 0);
}
