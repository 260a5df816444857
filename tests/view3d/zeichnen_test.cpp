// The redraw of the whole scene and the segment primitive, on a recording
// canvas from the program's start scene.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "Bildtest.h"
#include "mainwindow/Hauptfenster.h"
#include "view3d/DrehZustand.h"

namespace {

using Zeichnen = Bildtest;

// Colours of the painted line pieces, consecutive repeats merged.
std::vector<TColor> Farbfolge(const ProtokollZeichenflaeche& b) {
    std::vector<TColor> f;
    for (const auto& s : b.Strecken())
        if (f.empty() || f.back() != s.pen.Color) f.push_back(s.pen.Color);
    return f;
}

TEST_F(Zeichnen, SchritteInFesterReihenfolge) {
    // Distinct colours for each step; the walls' grid and the ticks stay black.
    AchsenKreuz.Farbe = 0x000000AA;
    AchseneinteilungZeigen = true;
    StRiVektZeigen = false;
    Gerade_g.Farbe = 0x0000BB00;
    Ebene_E2.Farbe = FarbeE2 = 0x00CC0000;
    Gerade_sg.Farbe = 0x000000DD;
    ASSERT_TRUE(SchnittgeradeVorhanden);

    SzeneZeichnen();

    ASSERT_FALSE(bild.Eintraege.empty());
    EXPECT_EQ(bild.Eintraege[0].art, Art::FillRect);  // background first
    EXPECT_EQ(bild.Eintraege[0].brush.Color, FarbeHintergrund);
    EXPECT_EQ(bild.Anzahl(Art::FillRect), 1);
    // The three default walls are filled before any line is drawn.
    EXPECT_EQ(bild.Anzahl(Art::Polygon), 3);
    const int ersteLinie = Erster(Art::LineTo);
    for (int i = 0; i < static_cast<int>(bild.Eintraege.size()); ++i)
        if (bild.Eintraege[i].art == Art::Polygon) EXPECT_LT(i, ersteLinie);
    // Walls' grid, axes, ticks, g, E2, then sg.
    const std::vector<TColor> erwartet = {0, 0xAA, 0, 0xBB00, 0xCC0000, 0xDD};
    EXPECT_EQ(Farbfolge(bild), erwartet);
    EXPECT_EQ(uebertragungen, 1);
}

TEST_F(Zeichnen, OhneSchalterNurHintergrund) {
    AllesAus();
    SchnittgeradeZeigen = false;
    FarbeHintergrund = 0x00102030;
    SzeneZeichnen();
    ASSERT_EQ(bild.Eintraege.size(), 1u);
    const auto& e = bild.Eintraege[0];
    EXPECT_EQ(e.art, Art::FillRect);
    EXPECT_EQ(e.brush.Color, 0x00102030u);
    EXPECT_EQ(e.brush.Style, bsSolid);
    // The picture area: the client area left of the right-hand panel.
    EXPECT_EQ(e.punkte[0], (TPoint{0, 0}));
    EXPECT_EQ(e.punkte[1], (TPoint{824, 740}));

    // Trail mode keeps the previous picture: nothing at all is painted.
    SpurModus = true;
    bild.Leeren();
    SzeneZeichnen();
    EXPECT_TRUE(bild.Eintraege.empty());
    EXPECT_EQ(uebertragungen, 2);

    // A plane may have left the brush clear: the fill fills all the same.
    SpurModus = false;
    bild.Leeren();
    bild.Brush.Style = bsClear;
    HintergrundFuellen();
    ASSERT_EQ(bild.Eintraege.size(), 1u);
    EXPECT_EQ(bild.Eintraege[0].brush.Style, bsSolid);
}

TEST_F(Zeichnen, ProjektionsgeradeNurMitSichtbarerGeradeUndEbene) {
    AllesAus();
    SchnittgeradeZeigen = false;
    TGerade& P = Projektionsgeraden[1];  // g onto E1
    P.anzeigen = 1;
    P.gueltig = 1;
    P.Farbe = 0x00345678;
    P.Stiftbreite = 1;
    P.ZeichenAnfang = {-2, 0, 0};
    P.ZeichenEnde = {2, 0, 1};
    auto gezeichnet = [&] {
        bild.Leeren();
        SzeneZeichnen();
        return bild.StreckenMitFarbe(0x00345678);
    };
    Gerade_g.sichtbar = 1;
    Ebene_E1.sichtbar = 0;
    EXPECT_EQ(gezeichnet(), 0);  // plane hidden
    Ebene_E1.sichtbar = 1;
    Gerade_g.sichtbar = 0;
    EXPECT_EQ(gezeichnet(), 0);  // line hidden
    Gerade_g.sichtbar = 1;
    EXPECT_EQ(gezeichnet(), 1);
    P.gueltig = 0;
    EXPECT_EQ(gezeichnet(), 0);  // wanted but does not exist
    P.gueltig = 1;
    P.anzeigen = 0;
    EXPECT_EQ(gezeichnet(), 0);  // exists but not wanted
}

TEST_F(Zeichnen, SchnittgeradeNurWennVorhanden) {
    AllesAus();
    SchnittgeradeZeigen = true;
    Gerade_sg.Farbe = 0x00ABCDEF;
    Gerade_sg.ZeichenAnfang = {-1, 0, 0};
    Gerade_sg.ZeichenEnde = {1, 0, 0};
    SchnittgeradeVorhanden = false;
    SzeneZeichnen();
    EXPECT_EQ(bild.StreckenMitFarbe(0x00ABCDEF), 0);
    SchnittgeradeVorhanden = true;
    SzeneZeichnen();
    EXPECT_EQ(bild.StreckenMitFarbe(0x00ABCDEF), 1);
    SchnittgeradeZeigen = false;
    bild.Leeren();
    SzeneZeichnen();
    EXPECT_EQ(bild.StreckenMitFarbe(0x00ABCDEF), 0);
}

TEST_F(Zeichnen, FluchtstreckenNurInZentralprojektion) {
    AllesAus();
    SchnittgeradeZeigen = false;
    FluchtstreckenZeigen = true;
    FluchtstreckenFarbe = 0x00445566;
    ASSERT_TRUE(Zentralprojektion);
    SzeneZeichnen();
    EXPECT_GT(bild.StreckenMitFarbe(0x00445566), 0);
    // The cuboid comes with them even with the axes cube off.
    EXPECT_GE(bild.StreckenMitFarbe(MaxQuader.Farbe), 12);

    Zentralprojektion = false;
    bild.Leeren();
    SzeneZeichnen();
    EXPECT_EQ(bild.StreckenMitFarbe(0x00445566), 0);
    EXPECT_EQ(bild.Strecken().size(), 0u);
}

TEST_F(Zeichnen, StreckenGrenzeMeldetEinmalUndZeichnetDirektWeiter) {
    AllesAus();
    SchnittgeradeZeigen = false;
    Zentralprojektion = false;
    VerdeckteLinien = true;
    const TColor farbe = 0x00010203;
    for (int i = 0; i < StreckenHoechstzahl; ++i)
        StreckeZeichnen3D({-1, 0, i * 0.001L}, {1, 0, i * 0.001L}, farbe, psSolid, 1);
    EXPECT_EQ(StreckenAnzahl, StreckenHoechstzahl);
    EXPECT_TRUE(bild.Strecken().empty());  // queued only
    EXPECT_TRUE(host.Meldungen.empty());

    // The 2400th is dropped; the mode goes off and the queue is drawn.
    StreckeZeichnen3D({-1, 0, 5}, {1, 0, 5}, 0x00FFFFFE, psSolid, 1);
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, StreckenGrenzeMeldung);
    EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Information);
    EXPECT_FALSE(VerdeckteLinien);
    EXPECT_FALSE(Form_Edits_01.But_vdL.Down);
    EXPECT_EQ(StreckenAnzahl, 0);
    EXPECT_EQ(bild.StreckenMitFarbe(farbe), StreckenHoechstzahl);
    EXPECT_EQ(bild.StreckenMitFarbe(0x00FFFFFE), 0);

    // Later segments are drawn at once and raise no further message.
    StreckeZeichnen3D({-1, 0, 6}, {1, 0, 6}, farbe, psSolid, 1);
    EXPECT_EQ(bild.StreckenMitFarbe(farbe), StreckenHoechstzahl + 1);
    EXPECT_EQ(host.Meldungen.size(), 1u);
}

TEST_F(Zeichnen, StreckenGrenzeImNeuzeichnenOhneVerschachtelung) {
    // Four dense spheres are far more than the list holds.
    AllesAus();
    SchnittgeradeZeigen = false;
    for (int i = 1; i <= 4; ++i) Kugel[i].sichtbar = 1;
    SzeneZeichnen();
    const std::size_t direkt = bild.Strecken().size();
    ASSERT_GT(direkt, static_cast<std::size_t>(StreckenHoechstzahl));

    // The main window's switch, as it acts: mode off, then a redraw.
    int klicks = 0;
    Form_Edits_01.But_vdL.OnClick = [&] {
        ++klicks;
        if (VerdeckteLinien) {
            VerdeckteLinien = false;
            SzeneZeichnen();
        }
    };
    int tiefe = 0, tiefste = 0;
    BildUebertragen = [&] {
        ++uebertragungen;
        ++tiefe;
        tiefste = std::max(tiefste, tiefe);
        --tiefe;
    };
    VerdeckteLinien = true;
    Form_Edits_01.But_vdL.Down = true;
    uebertragungen = 0;
    bild.Leeren();
    host.Vergessen();
    SzeneZeichnen();

    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(klicks, 1);
    EXPECT_FALSE(VerdeckteLinien);
    // One picture: one background fill, one transfer, nothing nested.
    EXPECT_EQ(bild.Anzahl(Art::FillRect), 1);
    EXPECT_EQ(uebertragungen, 1);
    EXPECT_EQ(tiefste, 1);
    // Every segment but the dropped one is in the finished picture.
    EXPECT_EQ(bild.Strecken().size(), direkt - 1);
    EXPECT_EQ(StreckenAnzahl, 0);
    // The busy cursor is back although the mode went off on the way.
    EXPECT_EQ(host.SanduhrWechsel, (std::vector<bool>{true, false}));
}

TEST_F(Zeichnen, KeinDurchgangVorDemEndeDerErstenAktivierung) {
    VerdeckteLinien = true;
    ErsteAktivierung = true;
    SzeneZeichnen();
    EXPECT_GT(StreckenAnzahl, 0);
    EXPECT_TRUE(bild.Strecken().empty());
    EXPECT_EQ(host.EscapeAbfragen, 0);

    ErsteAktivierung = false;
    bild.Leeren();
    SzeneZeichnen();
    EXPECT_GT(StreckenAnzahl, 0);
    EXPECT_FALSE(bild.Strecken().empty());
    // The queue is drawn after everything painted directly (the wall fills).
    const int letzterFill = [&] {
        int k = -1;
        for (int i = 0; i < static_cast<int>(bild.Eintraege.size()); ++i)
            if (bild.Eintraege[i].art == Art::Polygon) k = i;
        return k;
    }();
    EXPECT_LT(letzterFill, Erster(Art::LineTo));
    // Escape is read once before the pass, and its state thrown away.
    EXPECT_GE(host.EscapeAbfragen, 1);
}

TEST_F(Zeichnen, KeinNeuzeichnenImNeuzeichnen) {
    int tiefe = 0, tiefste = 0, laeufe = 0;
    bool nachfordern = true;
    BildUebertragen = [&] {
        ++laeufe;
        ++tiefe;
        tiefste = std::max(tiefste, tiefe);
        EXPECT_TRUE(SzeneWirdGezeichnet());
        if (nachfordern) {
            nachfordern = false;
            SzeneZeichnen();  // asked for while drawing
        }
        --tiefe;
    };
    SzeneZeichnen();
    EXPECT_EQ(laeufe, 2);  // remembered and run once after
    EXPECT_EQ(tiefste, 1);
    EXPECT_EQ(bild.Anzahl(Art::FillRect), 2);
    EXPECT_FALSE(SzeneWirdGezeichnet());

    // The saved projection texts go back into their edits; their change
    // actions redraw, but no redraw runs inside this one and none after it.
    int aenderungen = 0;
    TForm_Edits_01& F = Form_Edits_01;
    TEdit* edits[6] = {&F.Edit_FPx, &F.Edit_FPy, &F.Edit_FPz, &F.Edit_Projx, &F.Edit_Projy, &F.Edit_Projz};
    for (TEdit* e : edits)
        e->OnChange = [&] {
            ++aenderungen;
            SzeneZeichnen();
        };
    const char* texte[6] = {"41", "81", "31", "0,7", "1,5", "0,25"};
    for (int i = 1; i <= 6; ++i) ProjTexte[i] = texte[i - 1];
    ProjTexteZurueck = true;
    laeufe = 0;
    tiefste = 0;
    bild.Leeren();
    SzeneZeichnen();
    EXPECT_EQ(aenderungen, 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(edits[i]->Text(), texte[i]);
    EXPECT_FALSE(ProjTexteZurueck);
    EXPECT_EQ(laeufe, 1);
    EXPECT_EQ(tiefste, 1);
    EXPECT_EQ(bild.Anzahl(Art::FillRect), 1);
}

TEST_F(Zeichnen, FerneStreckenWerdenVorDemRundenGekappt) {
    Zentralprojektion = false;
    const TPoint o = Pixel({0, 0, 0});
    const int r = KappRand;
    // Far beyond any integer range: clipped to the picture and its margin.
    StreckeDirektZeichnen({-1e30L, 0, 0}, {1e30L, 0, 0}, 0x00000001, psSolid, 1);
    auto s = bild.Strecken();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].von, (TPoint{-r, o.Y}));
    EXPECT_EQ(s[0].bis, (TPoint{824 + r, o.Y}));

    // Half in the picture: the inner end stays exact.
    bild.Leeren();
    StreckeDirektZeichnen({0, 0, 0}, {0, 0, 1e25L}, 0x00000001, psSolid, 1);
    s = bild.Strecken();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].von, o);
    EXPECT_EQ(s[0].bis, (TPoint{o.X, -r}));

    // Entirely outside, or not a number: nothing, and no crash.
    bild.Leeren();
    StreckeDirektZeichnen({1e20L, 0, 1e20L}, {2e20L, 0, 1e20L}, 1, psSolid, 1);
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    StreckeDirektZeichnen({nan, 0, 0}, {1, 0, 0}, 1, psSolid, 1);
    StreckeDirektZeichnen({1e4000L, 0, 0}, {-1e4000L, 0, 1e4000L}, 1, psSolid, 1);
    for (const auto& e : bild.Eintraege)
        for (const TPoint& p : e.punkte) {
            EXPECT_LE(std::abs(p.X), 824 + r);
            EXPECT_LE(std::abs(p.Y), 740 + r);
        }
}

TEST_F(Zeichnen, SanduhrNurImVerdecktModusOhneDauerdrehen) {
    SzeneZeichnen();
    EXPECT_TRUE(host.SanduhrWechsel.empty());
    VerdeckteLinien = true;
    SzeneZeichnen();
    EXPECT_EQ(host.SanduhrWechsel, (std::vector<bool>{true, false}));
    host.Vergessen();
    DauerDrehen = true;
    SzeneZeichnen();
    EXPECT_TRUE(host.SanduhrWechsel.empty());
}

TEST_F(Zeichnen, BildVerschiebenVerschiebtUmGanzePixel) {
    AllesAus();
    SchnittgeradeZeigen = false;
    AchsenZeigen = true;
    SzeneZeichnen();
    const auto vorher = bild.Strecken();
    ASSERT_FALSE(vorher.empty());

    // Even steps: a picture x on a half pixel rounds the same way after them.
    bild.Leeren();
    BildVerschieben(8, true);
    EXPECT_EQ(VerschiebungX, 8);
    auto nachher = bild.Strecken();
    ASSERT_EQ(nachher.size(), vorher.size());
    EXPECT_EQ(nachher[0].von.X, vorher[0].von.X + 8);
    EXPECT_EQ(nachher[0].von.Y, vorher[0].von.Y);

    // A vertical step moves the picture up (y counts upward).
    bild.Leeren();
    BildVerschieben(-6, false);
    EXPECT_EQ(VerschiebungY, -6);
    nachher = bild.Strecken();
    ASSERT_EQ(nachher.size(), vorher.size());
    EXPECT_EQ(nachher[0].von.X, vorher[0].von.X + 8);
    EXPECT_EQ(nachher[0].von.Y, vorher[0].von.Y + 6);
    EXPECT_EQ(uebertragungen, 3);
}

}  // namespace
