// The depth-ordered hidden-line pass, its Escape key and the switch that
// turns it on and off.

#include <algorithm>
#include <vector>

#include "geometry/Geometrie.h"
#include "forms/Hauptfenster.h"
#include "mainwindow/VerdeckteLinienSchalter.h"
#include "view3d/Bildtest.h"
#include "view3d/Projektion.h"
#include "view3d/VolleSzene.h"

namespace {

class Verdeckt : public Bildtest {
protected:
    // Queues the segments as the list of one picture, nothing else in it.
    static void Liste(const std::vector<TStr>& l) {
        StreckenAnzahl = 0;
        for (const TStr& s : l) St[++StreckenAnzahl] = s;
    }
    static TStr Seg(TVek_R3 A, TVek_R3 B, TColor Farbe) { return TStr{A, B, Farbe, psSolid, 1}; }

    // The colours of the strokes the pass draws from a list of n, in order.
    std::vector<TColor> Durchgang(int n) {
        bild.Leeren();
        ZeichneStreckenNachTiefe(n);
        std::vector<TColor> f;
        for (const auto& s : bild.Strecken()) f.push_back(s.pen.Color);
        return f;
    }

    static void Parallel(TVek_R3 Richtung) {
        Zentralprojektion = false;
        ProjRichtung = Richtung;
    }

    // The pass as the program words it: entries move inside St, exchanges
    // swap entries, every comparison projects afresh (each pair once: the
    // outcome depends on the two segments only). Returns what it draws, in
    // order; St is left as it was.
    static std::vector<TStr> Referenz(int n) {
        const auto gesichert = St;
        std::vector<int> Nr(n + 1);
        for (int k = 1; k <= n; ++k) Nr[k] = k;
        std::vector<signed char> schon(static_cast<std::size_t>((n + 1) * (n + 1)), -1);
        const auto vergleich = [&](int j) {
            signed char& v = schon[Nr[1] * (n + 1) + Nr[j]];
            if (v < 0) v = StreckenTiefenvergleich(1, j) ? 1 : 0;
            return v == 1;
        };
        std::vector<TStr> gezeichnet;
        int m = n, Tausch = 0;
        while (m > 1) {
            int j = 2;
            while (j <= m && vergleich(j)) ++j;
            const bool alleWahr = j > m;
            if (!alleWahr) ++Tausch;
            if (alleWahr || Tausch > m) {
                gezeichnet.push_back(St[1]);
                for (int k = 1; k < m; ++k) St[k] = St[k + 1], Nr[k] = Nr[k + 1];
                --m;
                Tausch = 1;
            } else {
                std::swap(St[1], St[j]);
                std::swap(Nr[1], Nr[j]);
            }
        }
        if (n >= 1) gezeichnet.push_back(St[1]);
        St = gesichert;
        return gezeichnet;
    }
};

constexpr TColor Rot = 0x000000FF, Gruen = 0x0000FF00, Blau = 0x00FF0000, Grau = 0x00808080;

// A horizontal segment far behind (y = 3) and an upright one in front
// (y = -3) whose pictures cross in both projections, and one apart.
const TStr Hinten{{-4, 3, 1}, {4, 3, 1}, Rot, psSolid, 1};
const TStr Vorn{{1.5L, -3, -4}, {1.5L, -3, 6}, Gruen, psSolid, 1};
const TStr Abseits{{-7, 0, -7}, {-6, 0, -6}, Grau, psSolid, 1};

TEST_F(Verdeckt, KreuzendeStreckenDieHintereZuerst) {
    for (bool zentral : {true, false}) {
        if (!zentral) Parallel({0.8L, 1.0L, 0.5L});
        Liste({Vorn, Hinten, Abseits});
        EXPECT_FALSE(StreckenTiefenvergleich(1, 2)) << zentral;
        EXPECT_TRUE(StreckenTiefenvergleich(2, 1)) << zentral;
        EXPECT_TRUE(StreckenTiefenvergleich(1, 3)) << zentral;
        EXPECT_EQ(Durchgang(3), (std::vector<TColor>{Rot, Gruen, Grau})) << zentral;

        // A segment that crosses nothing keeps its place in the list.
        Liste({Abseits, Vorn, Hinten});
        EXPECT_EQ(Durchgang(3), (std::vector<TColor>{Grau, Rot, Gruen})) << zentral;
        // The list itself stays as it was queued.
        EXPECT_EQ(St[1], Abseits);
        EXPECT_EQ(St[3], Hinten);
    }
}

TEST_F(Verdeckt, RingLeereUndEinzelneListe) {
    // Three sticks, each over the next: a over b, b over c, c over a. The
    // view straight along y: the picture is (x, z), smaller y is nearer.
    Parallel({0, 1, 0});
    const TStr a = Seg({-1, 4.0L / 3, 0}, {7, -4.0L / 3, 0}, Rot);
    const TStr b = Seg({6.6L, 0.2L, -1}, {2.4L, -1.2L, 6}, Gruen);
    const TStr c = Seg({3.6L, 0, 6}, {-0.6L, 0, -1}, Blau);
    Liste({a, b, c});
    EXPECT_FALSE(StreckenTiefenvergleich(1, 2));  // a in front of b
    EXPECT_FALSE(StreckenTiefenvergleich(2, 3));  // b in front of c
    EXPECT_FALSE(StreckenTiefenvergleich(3, 1));  // c in front of a
    // Three exchanges, then the fourth false result draws the first entry.
    EXPECT_EQ(Durchgang(3), (std::vector<TColor>{Rot, Blau, Gruen}));

    Liste({Vorn});
    Durchgang(0);
    EXPECT_TRUE(bild.Eintraege.empty());
    host.Vergessen();
    host.EscapeAb = 1;  // a single segment is drawn without asking
    EXPECT_EQ(Durchgang(1), (std::vector<TColor>{Gruen}));
    EXPECT_EQ(host.EscapeAbfragen, 0);
}

TEST_F(Verdeckt, KreuzungAmEndeZaehlt) {
    // Upright segments standing on the horizontal one (λ = 0), hanging from
    // it (λ = 1) and stopping just short of it; all in front of it.
    Parallel({0, 1, 0});
    const TStr quer = Seg({-4, 2, 0}, {4, 2, 0}, Rot);
    Liste({Seg({1, -2, 0}, {1, -2, 3}, Gruen), quer});
    EXPECT_FALSE(StreckenTiefenvergleich(1, 2));
    Liste({Seg({1, -2, -3}, {1, -2, 0}, Gruen), quer});
    EXPECT_FALSE(StreckenTiefenvergleich(1, 2));
    Liste({Seg({1, -2, 0.001L}, {1, -2, 3}, Gruen), quer});
    EXPECT_TRUE(StreckenTiefenvergleich(1, 2));

    // λ from y for upright pictures; no usable coordinate gives no λ in
    // 0..1 (and no NaN).
    EXPECT_EQ(ParameterAufGerade2D({1, 1}, {2, 4}, {2, 3}), 0.5L);
    EXPECT_EQ(ParameterAufGerade2D({1, 1}, {1e-10L, 4}, {1, 3}), 0.5L);
    const Extended l = ParameterAufGerade2D({1, 1}, {1e-10L, 0}, {1, 1});
    EXPECT_FALSE(std::isnan(l));
    EXPECT_LT(l, 0);
}

TEST_F(Verdeckt, ParallelprojektionEntscheidetNachDerRichtung) {
    // Points far apart along the viewing ray: the one on the side the
    // direction points to is in front, however far apart they are. Measured
    // from a point 200 directions along the ray, one more than 400
    // directions nearer would count as the farther.
    for (TVek_R3 d : {TVek_R3{0, 1, 0}, TVek_R3{0.8L, 1, 0.5L}}) {
        Parallel(d);
        // Upright through the point of the far one at x = 0.5, moved 70
        // units towards the viewer along the viewing ray.
        const Extended k = 70 / d.y;
        const TVek_R3 M{0.5L + k * d.x, 40 - 70, 1 + k * d.z};
        Liste({Seg({-4, 40, 1}, {4, 40, 1}, Rot), Seg({M.x, M.y, M.z - 3}, {M.x, M.y, M.z + 3}, Gruen)});
        EXPECT_TRUE(StreckenTiefenvergleich(1, 2));
        EXPECT_FALSE(StreckenTiefenvergleich(2, 1));
    }
}

TEST_F(Verdeckt, ZentralprojektionMisstImRahmenDesAugpunkts) {
    // Eye far to the side: two segments on one picture line (the plane
    // z = 0 holds the eye), the one at mirrored y = -5 behind the one at
    // mirrored y = 5. Measured from the stored (unmirrored) ends, the
    // farther one would seem nearer.
    Augpunkt = {100, 20, 0};
    const TStr hinten = Seg({-25, 5, 0}, {-23, 5, 0}, Rot);
    const TStr vorn = Seg({25, -5, 0}, {27, -5, 0}, Gruen);
    Liste({hinten, vorn});
    EXPECT_TRUE(StreckenTiefenvergleich(1, 2));
    EXPECT_FALSE(StreckenTiefenvergleich(2, 1));
    Liste({vorn, hinten});
    EXPECT_EQ(Durchgang(2), (std::vector<TColor>{Rot, Gruen}));

    // Crossing pictures from the start eye point: the recovered points lie
    // on the eye's rays, in its frame (y mirrored), and the farther one
    // goes first.
    Augpunkt = {40, 80, 30};
    Liste({Hinten, Vorn});
    ASSERT_TRUE(StreckenTiefenvergleich(1, 2));
    TVek_R2 S;
    TVek_R3 Qi, Qj;
    ASSERT_TRUE(SchnittpunktZweierGeraden2D(GerR2[1].Stuetzpunkt, GerR2[1].Richtung, GerR2[2].Stuetzpunkt,
                                           GerR2[2].Richtung, S));
    RaumpunktZentralBerechnen(S, 1, 2, Qi, Qj);
    EXPECT_NEAR(static_cast<double>(Qi.y), -3.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(Qi.z), 1.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(Qj.x), 1.5, 1e-12);
    EXPECT_NEAR(static_cast<double>(Qj.y), 3.0, 1e-12);
    TVek_R2 Bi, Bj;
    BildpunktBerechnen({Qi.x, -Qi.y, Qi.z}, Bi, MassstabX, MassstabY, MassstabZ);
    BildpunktBerechnen({Qj.x, -Qj.y, Qj.z}, Bj, MassstabX, MassstabY, MassstabZ);
    EXPECT_NEAR(static_cast<double>(Bi.x), static_cast<double>(S.x), 1e-9);
    EXPECT_NEAR(static_cast<double>(Bj.y), static_cast<double>(S.y), 1e-9);
}

TEST_F(Verdeckt, EscapeBeimKtenAbfragen) {
    VerdeckteLinien = true;
    SzeneZeichnen();
    const auto alle = bild.Strecken();
    const int n = StreckenAnzahl;
    ASSERT_GT(n, 10);
    ASSERT_EQ(static_cast<int>(alle.size()), n);
    // One poll before the pass, one before every segment but the last.
    EXPECT_EQ(host.EscapeAbfragen, 1 + n - 1);
    EXPECT_EQ(host.PassWechsel, (std::vector<bool>{true, false}));

    for (int k : {2, 3, 7}) {
        const int vorher = uebertragungen;
        host.Vergessen();
        host.EscapeAb = k;
        bild.Leeren();
        SzeneZeichnen();
        const auto teil = bild.Strecken();
        ASSERT_EQ(static_cast<int>(teil.size()), k - 2) << k;
        for (int i = 0; i < k - 2; ++i) EXPECT_EQ(teil[i].von, alle[i].von) << k << " " << i;
        EXPECT_EQ(host.EscapeAbfragen, k) << k;
        EXPECT_EQ(host.PassWechsel, (std::vector<bool>{true, false})) << k;
        EXPECT_EQ(uebertragungen, vorher + 1) << k;  // the picture still reaches the screen
    }

    // Escape pressed before the pass only is thrown away.
    struct NurVorher : SkriptHost {
        bool EscapeGedrueckt() override { return ++EscapeAbfragen == 1; }
    } vorher;
    HostEinsetzen ein(vorher);
    bild.Leeren();
    SzeneZeichnen();
    EXPECT_EQ(static_cast<int>(bild.Strecken().size()), StreckenAnzahl);
}

TEST_F(Verdeckt, SchalterEinUndAus) {
    TForm_Edits_01& F = Form_Edits_01;
    // One sphere at its start density is far above the limit: asked first.
    Kugel[2].sichtbar = 1;
    F.SichtbarkeitAktualisieren();
    EXPECT_GT(VerdeckteLinienAufwand, VerdeckteLinienAufwandGrenze);
    F.But_vdL.Down = true;  // the button goes down as it is clicked
    F.But_vdL.Click();      // answered No: nothing changes
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, VerdeckteLinienFrage);
    EXPECT_EQ(host.Meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_FALSE(VerdeckteLinien || F.But_vdL.Down);
    EXPECT_EQ(F.vdL.Caption, "verdeckte Linien beachten   ein");
    EXPECT_EQ(Kugel[2].Breitenkreise, 12);
    EXPECT_EQ(uebertragungen, 0);

    host.Antworten.push_back(Antwort::Ja);
    Kugel[3].Breitenkreise = 4;
    F.vdL.Click();
    EXPECT_TRUE(VerdeckteLinien && F.But_vdL.Down);
    EXPECT_EQ(F.vdL.Caption, "verdeckte Linien beachten   aus");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(Kugel[i].Laengenkreise, 8) << i;
        EXPECT_EQ(Kugel[i].Breitenkreise, i == 3 ? 4 : 8) << i;
    }
    EXPECT_EQ(uebertragungen, 1);
    EXPECT_EQ(host.PassWechsel, (std::vector<bool>{true, false}));
    // A capped sphere counts 9 rings and 8 meridians of 24 pieces each.
    const int mit = VerdeckteLinienAufwandSchaetzen();
    Kugel[2].sichtbar = 0;
    EXPECT_EQ(mit - VerdeckteLinienAufwandSchaetzen(), 9 * 24 + 8 * 24);

    F.vdL.Click();
    EXPECT_FALSE(VerdeckteLinien || F.But_vdL.Down);
    EXPECT_EQ(uebertragungen, 2);

    // The start scene is cheap: on without a question.
    host.Vergessen();
    F.But_vdL.Down = true;
    F.But_vdL.Click();
    EXPECT_TRUE(VerdeckteLinien);
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(uebertragungen, 3);
}

TEST_F(Verdeckt, VolleListeWieDieSchlichteFassung) {
    // Every object, the spheres at the hidden-line density, both planes as
    // grids, the cones with 60 spokes and the whole frame (null vectors give
    // pictures of no length): more than the list holds.
    VolleSzeneEinstellen();
    Parallel({0.8L, 1, 0.5L});
    int tiefe = 0, tiefste = 0;
    BildUebertragen = [&] {
        ++uebertragungen;
        tiefste = std::max(tiefste, ++tiefe);
        --tiefe;
    };
    host.Antworten.push_back(Antwort::Ja);
    Form_Edits_01.vdLClick();
    ASSERT_EQ(host.Meldungen.size(), 2u);
    EXPECT_EQ(host.Meldungen[0].text, VerdeckteLinienFrage);
    EXPECT_EQ(host.Meldungen[1].text, StreckenGrenzeMeldung);
    // The mode went off through the switch without a nested redraw: no pass
    // ran, one finished picture with one background fill, the busy cursor
    // back; the densities stay capped.
    EXPECT_FALSE(VerdeckteLinien);
    EXPECT_FALSE(Form_Edits_01.But_vdL.Down);
    EXPECT_EQ(Form_Edits_01.vdL.Caption, "verdeckte Linien beachten   ein");
    EXPECT_EQ(host.EscapeAbfragen, 0);
    EXPECT_EQ(uebertragungen, 1);
    EXPECT_EQ(tiefste, 1);
    EXPECT_EQ(bild.Anzahl(Art::FillRect), 1);
    EXPECT_EQ(host.SanduhrWechsel, (std::vector<bool>{true, false}));
    EXPECT_EQ(Kugel[1].Breitenkreise, 8);

    // The full list the limit left behind: the pass draws exactly what the
    // plain transcription draws.
    const int n = StreckenHoechstzahl;
    bild.Leeren();
    ZeichneStreckenNachTiefe(n);
    const auto schnell = bild.Eintraege;
    bild.Leeren();
    for (const TStr& s : Referenz(n)) StreckeDirektZeichnen(s.A, s.B, s.Farbe, s.Linienstil, s.Stiftbreite);
    ASSERT_EQ(schnell.size(), bild.Eintraege.size());
    for (std::size_t i = 0; i < schnell.size(); ++i) {
        const auto &a = schnell[i], &b = bild.Eintraege[i];
        ASSERT_TRUE(a.art == b.art && a.punkte == b.punkte && a.pen == b.pen) << i;
    }

    // Switching on again asks again.
    host.Vergessen();
    Form_Edits_01.vdLClick();
    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_FALSE(VerdeckteLinien);
}

}  // namespace
