// The redraw of the whole scene and the segment primitive, on a recording
// canvas from the program's start scene.
#include <algorithm>
#include <limits>
#include <vector>

#include "forms/Hauptfenster.h"
#include "view3d/Bildtest.h"
#include "scene/DrehZustand.h"

namespace {

using Zeichnen = Bildtest;

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
    EXPECT_LT(Letzter(Art::Polygon), Erster(Art::LineTo));
    // Walls' grid, axes, ticks, g, E2, then sg (consecutive repeats merged).
    std::vector<TColor> f;
    for (const auto& s : bild.Strecken())
        if (f.empty() || f.back() != s.pen.Color) f.push_back(s.pen.Color);
    EXPECT_EQ(f, (std::vector<TColor>{0, 0xAA, 0, 0xBB00, 0xCC0000, 0xDD}));
    EXPECT_EQ(uebertragungen, 1);
}

TEST_F(Zeichnen, OhneSchalterNurHintergrund) {
    AllesAus();
    FarbeHintergrund = 0x00102030;
    SzeneZeichnen();
    ASSERT_EQ(bild.Eintraege.size(), 1u);
    const auto& e = bild.Eintraege[0];
    EXPECT_EQ(e.art, Art::FillRect);
    EXPECT_EQ(e.brush.Color, 0x00102030u);
    EXPECT_EQ(e.brush.Style, bsSolid);
    // The picture area: the client area left of the right-hand panel.
    EXPECT_EQ(e.punkte, (std::vector<TPoint>{{0, 0}, {824, 740}}));

    // Trail mode keeps the previous picture: nothing at all is painted.
    SpurModus = true;
    bild.Leeren();
    SzeneZeichnen();
    EXPECT_TRUE(bild.Eintraege.empty());
    EXPECT_EQ(uebertragungen, 2);

    // A plane may have left the brush clear: the fill fills all the same.
    bild.Brush.Style = bsClear;
    HintergrundFuellen();
    ASSERT_EQ(bild.Eintraege.size(), 1u);
    EXPECT_EQ(bild.Eintraege[0].brush.Style, bsSolid);
}

TEST_F(Zeichnen, AbgeleiteteLinienNurUnterIhrenBedingungen) {
    AllesAus();
    const auto gezeichnet = [&](TColor farbe) {
        bild.Leeren();
        SzeneZeichnen();
        return bild.StreckenMitFarbe(farbe);
    };
    // The projection of g onto E1: with the line and the plane visible,
    // when it exists and is wanted.
    TGerade& P = Projektionsgeraden[1];
    P.anzeigen = P.gueltig = 1;
    P.Farbe = 0x00345678;
    P.Stiftbreite = 1;
    P.ZeichenAnfang = {-2, 0, 0};
    P.ZeichenEnde = {2, 0, 1};
    Gerade_g.sichtbar = 1;
    EXPECT_EQ(gezeichnet(0x00345678), 0);  // plane hidden
    Ebene_E1.sichtbar = 1;
    Gerade_g.sichtbar = 0;
    EXPECT_EQ(gezeichnet(0x00345678), 0);  // line hidden
    Gerade_g.sichtbar = 1;
    EXPECT_EQ(gezeichnet(0x00345678), 1);
    P.gueltig = 0;
    EXPECT_EQ(gezeichnet(0x00345678), 0);  // wanted but does not exist
    P.gueltig = 1;
    P.anzeigen = 0;
    EXPECT_EQ(gezeichnet(0x00345678), 0);  // exists but not wanted

    // sg: shown and existing.
    AllesAus();
    SchnittgeradeZeigen = true;
    Gerade_sg.Farbe = 0x00ABCDEF;
    Gerade_sg.ZeichenAnfang = {-1, 0, 0};
    Gerade_sg.ZeichenEnde = {1, 0, 0};
    SchnittgeradeVorhanden = false;
    EXPECT_EQ(gezeichnet(0x00ABCDEF), 0);
    SchnittgeradeVorhanden = true;
    EXPECT_EQ(gezeichnet(0x00ABCDEF), 1);
    SchnittgeradeZeigen = false;
    EXPECT_EQ(gezeichnet(0x00ABCDEF), 0);

    // Vanishing segments only in central projection, with the cuboid even
    // with the axes cube off.
    FluchtstreckenZeigen = true;
    FluchtstreckenFarbe = 0x00445566;
    ASSERT_TRUE(Zentralprojektion);
    EXPECT_GT(gezeichnet(0x00445566), 0);
    EXPECT_GE(bild.StreckenMitFarbe(MaxQuader.Farbe), 12);
    Zentralprojektion = false;
    EXPECT_EQ(gezeichnet(0x00445566), 0);
    EXPECT_EQ(bild.Strecken().size(), 0u);
}

TEST_F(Zeichnen, StreckenGrenzeMeldetEinmalUndZeichnetDirektWeiter) {
    AllesAus();
    Zentralprojektion = false;
    VerdeckteLinien = true;
    const TColor farbe = 0x00010203;
    for (int i = 0; i < StreckenHoechstzahl; ++i)
        StreckeZeichnen3D({-1, 0, i * 0.001L}, {1, 0, i * 0.001L}, farbe, psSolid, 1);
    EXPECT_EQ(StreckenAnzahl, StreckenHoechstzahl);
    EXPECT_TRUE(bild.Strecken().empty());  // queued only
    EXPECT_TRUE(host.Meldungen.empty());

    // The 2400th does not fit: the mode goes off, the queue is drawn and
    // then the 2400th itself.
    StreckeZeichnen3D({-1, 0, 5}, {1, 0, 5}, 0x00FFFFFE, psSolid, 1);
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, StreckenGrenzeMeldung);
    EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Information);
    EXPECT_FALSE(VerdeckteLinien);
    EXPECT_FALSE(Form_Edits_01.But_vdL.Down);
    EXPECT_EQ(StreckenAnzahl, 0);
    EXPECT_EQ(bild.StreckenMitFarbe(farbe), StreckenHoechstzahl);
    EXPECT_EQ(bild.StreckenMitFarbe(0x00FFFFFE), 1);
    EXPECT_EQ(bild.Strecken().back().pen.Color, TColor{0x00FFFFFE});

    // Later segments are drawn at once and raise no further message.
    StreckeZeichnen3D({-1, 0, 6}, {1, 0, 6}, farbe, psSolid, 1);
    EXPECT_EQ(bild.StreckenMitFarbe(farbe), StreckenHoechstzahl + 1);
    EXPECT_EQ(host.Meldungen.size(), 1u);
}

TEST_F(Zeichnen, DurchgangErstNachDerAktivierung) {
    // No pass before the end of the first activation: queued only.
    VerdeckteLinien = true;
    ErsteAktivierung = true;
    SzeneZeichnen();
    EXPECT_GT(StreckenAnzahl, 0);
    EXPECT_TRUE(bild.Strecken().empty());
    EXPECT_EQ(host.EscapeAbfragen, 0);

    // After it the queue is drawn after everything painted directly (the
    // wall fills), with the busy cursor.
    ErsteAktivierung = false;
    host.Vergessen();
    bild.Leeren();
    SzeneZeichnen();
    EXPECT_FALSE(bild.Strecken().empty());
    EXPECT_LT(Letzter(Art::Polygon), Erster(Art::LineTo));
    EXPECT_EQ(host.SanduhrWechsel, (std::vector<bool>{true, false}));
    // No busy cursor during a continuous rotation.
    DauerDrehen = true;
    host.Vergessen();
    SzeneZeichnen();
    EXPECT_TRUE(host.SanduhrWechsel.empty());
}

TEST_F(Zeichnen, KeinNeuzeichnenImNeuzeichnen) {
    int tiefe = 0, tiefste = 0, laeufe = 0;
    bool nachfordern = true;
    BildUebertragen = [&] {
        ++laeufe;
        tiefste = std::max(tiefste, ++tiefe);
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
    laeufe = tiefste = 0;
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
    // Half in the picture: the inner end stays exact.
    StreckeDirektZeichnen({0, 0, 0}, {0, 0, 1e25L}, 0x00000001, psSolid, 1);
    auto s = bild.Strecken();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].von, (TPoint{-r, o.Y}));
    EXPECT_EQ(s[0].bis, (TPoint{824 + r, o.Y}));
    EXPECT_EQ(s[1].von, o);
    EXPECT_EQ(s[1].bis, (TPoint{o.X, -r}));

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

TEST_F(Zeichnen, BildVerschiebenVerschiebtUmGanzePixel) {
    AllesAus();
    AchsenZeigen = true;
    SzeneZeichnen();
    const auto vorher = bild.Strecken();
    ASSERT_FALSE(vorher.empty());

    // Even steps: a picture x on a half pixel rounds the same way after
    // them. A vertical step moves the picture up (y counts upward).
    bild.Leeren();
    BildVerschieben(8, true);
    EXPECT_EQ(VerschiebungX, 8);
    ASSERT_EQ(bild.Strecken().size(), vorher.size());
    EXPECT_EQ(bild.Strecken()[0].von.X, vorher[0].von.X + 8);
    bild.Leeren();
    BildVerschieben(-6, false);
    EXPECT_EQ(VerschiebungY, -6);
    const auto nachher = bild.Strecken();
    ASSERT_EQ(nachher.size(), vorher.size());
    EXPECT_EQ(nachher[0].von.X, vorher[0].von.X + 8);
    EXPECT_EQ(nachher[0].von.Y, vorher[0].von.Y + 6);
    EXPECT_EQ(uebertragungen, 3);
}

}  // namespace
