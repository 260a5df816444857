// The main window's projection controls through the scripted host: eye
// point and direction, held step buttons, presets, ready-made projections,
// views, the plane shift and the picture controls.

#include <cmath>
#include <functional>
#include <string>

#include "Hauptfenstertest.h"
#include "geometry/Eingabe.h"
#include "geometry/Geometrie.h"
#include "forms/Datenausgabe.h"
#include "forms/GitterWuerfel.h"
#include "reports/Ergebnisse.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "view3d/Projektion.h"

namespace {

const char* const Fluchtpunkt = "Der Fluchtpunkt darf nicht in der\nProjektionsebene liegen!";
const char* const Richtung =
    "Die Projektionsrichtung kann nicht durch den\nNullvektor dargestellt werden\n"
    "oder parallel zur Projektionsebene\nverlaufen!";

class Projektionssteuerung : public Hauptfenstertest {
protected:
    void Ebene(TSpeedButton& b) {
        for (TSpeedButton* k : {&F.But_xz, &F.But_yz, &F.But_xy}) k->Down = k == &b;
        b.Click();
    }
    // Every valid projected line of a shown line is the image of the line's
    // drawn vector along the projection in use.
    static void FolgtDerProjektion() {
        for (int i = 1; i <= 6; ++i) {
            const TGerade& p = Projektionsgeraden[i];
            if (p.gueltig != 1 || Gerade[(i + 1) / 2].sichtbar != 1) continue;
            const TVek_R3 P = Gerade[(i + 1) / 2].VektorAnfang, d = Differenz(p.VektorAnfang, P);
            TVek_R3 q;
            Vektorprodukt(d, Zentralprojektion ? Differenz(Augpunkt, P) : ProjRichtung, q);
            EXPECT_LT(Betrag(q), 1e-9L * (1 + Betrag(d)) * (1 + Betrag(Augpunkt))) << i;
        }
    }
    // Held for n steps: the press makes the first, the ticks of the delay
    // none (three at 80 ms), then every tick one.
    static void Halten(TSpeedButton& b, TTimer& t, int n) {
        b.OnMouseDown();
        for (int i = 0; i < 3 + n - 1; ++i) t.OnTimer();
    }
    std::size_t Meldungen(const char* text) const {
        std::size_t n = 0;
        for (const auto& m : host.Meldungen) n += m.text == text;
        return n;
    }
};

TEST_F(Projektionssteuerung, AugpunktUndRichtung) {
    // Eye point: unfinished texts change nothing; y = 0 puts it into the
    // central plane: warning, the old value back. Taken, it unticks the views.
    const struct { const char* text; Extended y; const char* feld; bool warnung, gezeichnet; } augpunkt[] = {
        {"-", 80, "-", false, false}, {"", 80, "", false, false}, {"95", 95, "95", false, true},
        {"0", 95, "95", true, true},  {"-12", -12, "-12", false, true}};
    for (const auto& f : augpunkt) {
        host.Vergessen();
        F.xzEbv.Checked = true;
        bilder = 0;
        F.Edit_FPy.SetText(f.text);
        EXPECT_EQ(Augpunkt.y, f.y) << f.text;
        EXPECT_EQ(F.Edit_FPy.Text(), f.feld) << f.text;
        EXPECT_EQ(Meldungen(Fluchtpunkt), f.warnung ? 1u : 0u) << f.text;
        EXPECT_EQ(F.xzEbv.Checked, !f.gezeichnet) << f.text;
        EXPECT_EQ(bilder > 0, f.gezeichnet) << f.text;
    }
    FolgtDerProjektion();

    // Direction: each edit refuses a zero only where its plane drops that
    // axis ("0,0" differs from the straight views' "0").
    F.ZPEinAusClick();
    const struct { TSpeedButton* ebene; int k; const char* text; bool abgelehnt; } richtung[] = {
        {&F.But_xz, 2, "0", true},    {&F.But_xz, 1, "0,0", false}, {&F.But_xz, 3, "0,0", false},
        {&F.But_yz, 1, "0", true},    {&F.But_yz, 2, "0,0", false}, {&F.But_xy, 3, "0", true},
        {&F.But_xz, 2, "-", false},   {&F.But_xz, 2, "0,25", false}};
    for (const auto& f : richtung) {
        Ebene(*f.ebene);
        const TVek_R3 vorher = ProjRichtung;
        const std::string alt = F.Edit_Proj(f.k).Text();
        host.Vergessen();
        F.Label_ProjArt.Caption = "Kav. 1";
        F.Edit_Proj(f.k).SetText(f.text);
        EXPECT_EQ(F.Label_ProjArt.Caption, "");
        EXPECT_EQ(Meldungen(Richtung), f.abgelehnt ? 1u : 0u) << f.k << f.text;
        if (f.abgelehnt) {
            EXPECT_TRUE(F.Edit_Proj(f.k).Text() == alt && VektorenGleich(ProjRichtung, vorher));
        }
    }
    // Silenced once, then speaking again.
    Ebene(F.But_xz);
    host.Vergessen();
    RichtungsMeldungAus = true;
    F.Edit_Projy.SetText("0");
    F.Edit_Projy.SetText("0");
    EXPECT_EQ(Meldungen(Richtung), 1u);
    F.Edit_Projx.SetText("1");
    F.Edit_Projz.SetText("1");
    EXPECT_EQ(F.Panel_Gradxy.Caption, "45,00");
    FolgtDerProjektion();
}

TEST_F(Projektionssteuerung, GehaltenerSchrittWiederholtKeineAblehnung) {
    // The central plane at y = 82 of its frame refuses the second step of
    // y+: the timer stops, and ticks still on their way step no more.
    ProjEbeneZentral.Stuetzvektor.y = 82;
    Halten(F.ButFPyPl, F.Timer4, 1);
    EXPECT_EQ(F.Timer4.Interval, 80);
    EXPECT_EQ(F.Edit_FPy.Text(), "81");
    for (int i = 0; i < 4; ++i) F.Timer4.OnTimer();
    EXPECT_FALSE(F.Timer4.Laeuft());
    EXPECT_EQ(Augpunkt.y, 81);
    EXPECT_EQ(Meldungen(Fluchtpunkt), 1u);
    // Released in time: x- steps twice.
    Halten(F.ButFPxMin, F.Timer4, 2);
    F.ButFPxMin.OnMouseUp();
    F.Timer4.OnTimer();
    EXPECT_EQ(Augpunkt.x, 38);

    // Direction y- on the x,z-plane from 0,03 down to the refused 0.
    F.ZPEinAusClick();
    F.Edit_Projy.SetText("0,03");
    Halten(F.ButProjRichtyMin, F.Timer5, 5);
    EXPECT_FALSE(F.Timer5.Laeuft());
    EXPECT_EQ(F.Edit_Projy.Text(), "0,01");  // no binary rest digits
    EXPECT_EQ(Meldungen(Richtung), 1u);
    Halten(F.ButProjRichtzPl, F.Timer5, 3);
    EXPECT_EQ(F.Edit_Projz.Text(), "0,53");
    FolgtDerProjektion();
}

TEST_F(Projektionssteuerung, KlickSchreitetEinmalHaltenWiederholtNachDerVerzoegerung) {
    // One button of each timer: released within 0.3 s it steps once, from
    // the press; held on, it repeats from 0.3 s on at its timer's speed.
    // Time passes as the ticks of the timer.
    struct Knopf { TNotifyEvent *runter, *hoch; TTimer* t; Extended* wert; Extended erster, weitere; };
    const Knopf knoepfe[] = {
        {&F.BitBtn_VU.OnMouseDown, &F.BitBtn_VU.OnMouseUp, &F.Timer2, &VerschiebungY, -10, -3},
        {&F.ButFPzMin.OnMouseDown, &F.ButFPzMin.OnMouseUp, &F.Timer4, &Augpunkt.z, -1, -1},
        {&F.ProjEbMin.OnMouseDown, &F.ProjEbMin.OnMouseUp, &F.Timer6, &ProjEbeneZentral.Stuetzvektor.y, 1, 1},
        {&F.ButProjRichtxPl.OnMouseDown, &F.ButProjRichtxPl.OnMouseUp, &F.Timer5, &ProjRichtung.x, 0.01L, 0.01L}};
    // Held ms, then the steps at 80 ms and at 10 ms a tick.
    const struct { int ms, bei80, bei10; } zeiten[] = {{100, 1, 1}, {290, 1, 1}, {320, 2, 4}, {1000, 10, 72}};
    for (const Knopf& k : knoepfe) {
        if (k.t == &F.Timer5) F.ZPEinAusClick();
        for (const auto& z : zeiten) {
            SCOPED_TRACE(std::to_string(k.t->Interval) + ", " + std::to_string(z.ms) + " ms");
            const Extended vorher = *k.wert;
            (*k.runter)();
            const int takt = k.t->Interval;
            ASSERT_TRUE(k.t->Laeuft() && (takt == 80 || takt == 10));
            for (int ms = takt; ms <= z.ms; ms += takt) k.t->OnTimer();
            (*k.hoch)();
            k.t->OnTimer();  // on its way at the release
            const int n = takt == 80 ? z.bei80 : z.bei10;
            EXPECT_NEAR(static_cast<double>(*k.wert - vorher), static_cast<double>(k.erster + (n - 1) * k.weitere), 1e-9);
        }
    }
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Projektionssteuerung, VorgabeImFluchtpunktBehaeltDenAltenWert) {
    F.Edit_FPy.SetText("60");
    ProjEbeneZentral.Stuetzvektor.y = 80;
    F.ButVorg2.Click();  // "80": into the shifted plane
    EXPECT_EQ(Meldungen(Fluchtpunkt), 1u);
    EXPECT_EQ(Augpunkt.y, 60);
    EXPECT_EQ(F.Edit_FPy.Text(), "60");
    F.ZPEinAusClick();
    F.Edit_Projz.SetText("2");
    F.ButVorg3.Click();
    EXPECT_EQ(ProjRichtung.z, 0.5L);
}

TEST_F(Projektionssteuerung, ProjizierteGeradenFolgenJederAenderung) {
    Gerade[2].sichtbar = 1;
    ErgebnisAusgeben(22);  // the report on g, with its projected lines, open
    const std::pair<const char*, std::function<void()>> faelle[] = {
        {"parallel, yz", [&] { F.ZPEinAusClick(); Ebene(F.But_yz); }},
        {"Kavalierprojektion 1", [&] { F.KavaProj_2.Click(); }},
        {"Ansicht von hinten", [&] { F.xzEbh.Click(); }},
        {"Ansicht von vorne", [&] { F.xzEbv.Click(); }},
        {"Schritt der Richtung", [&] { Halten(F.ButProjRichtxPl, F.Timer5, 1); }},
        {"zentral, xy", [&] { F.ZPEinAusClick(); Ebene(F.But_xy); }},
        {"Grundriss nach Drehung mit Achsen",
         [&] { F.ZPEinAusClick(); F.But_drehenMit_OhneAchsenClick(); F.But_GesamtDrehenClick(2); F.Grundriss1.Click(); }},
        {"Schritt des Augpunkts", [&] { F.ZPEinAusClick(); Halten(F.ButFPzPl, F.Timer4, 1); }},
    };
    for (const auto& [name, aktion] : faelle) {
        SCOPED_TRACE(name);
        aktion();
        F.Timer4.Interval = F.Timer5.Interval = 0;
        FolgtDerProjektion();
        // The open report is the one the state gives now.
        const std::vector<std::string> gezeigt = Form_Datenausgabe.Memo1.Lines;
        ErgebnisAusgeben(22);
        EXPECT_EQ(gezeigt, Form_Datenausgabe.Memo1.Lines);
        for (const auto& m : host.Meldungen) ADD_FAILURE() << m.text;
        host.Vergessen();
    }
}

TEST_F(Projektionssteuerung, FertigeProjektionen) {
    F.ZPEinAusClick();
    const struct { TMenuItem* punkt; Byte ebene; TVek_R3 richtung; Extended SkFy; const char* name; } faelle[] = {
        {&F.KavaProj_2, 2, {-1, -0.5L, 0.5L}, 0.5L, "Kav. 1"},   {&F.KavaProj_3, 2, {-1, 0.5L, 0.5L}, 2, "Kav. 2"},
        {&F.KavaProj_4, 2, {-1, 0.300221L, 0.52L}, 0.6667L, "Kav. 3"}, {&F.Grundriss1, 3, {0, 0, -1}, 1, "Grundr."},
        {&F.Kreuzriss1, 2, {-1, 0, 0}, 1, "Kreuzr."},                {&F.Aufriss1, 1, {0, 1, 0}, 1, "Aufr."}};
    for (const auto& f : faelle) {
        F.Edit_SkalF_2.SetText("2");
        f.punkt->Click();
        EXPECT_EQ(ProjEbene, f.ebene) << f.name;
        EXPECT_TRUE(VektorenGleich(ProjRichtung, f.richtung)) << f.name;
        EXPECT_TRUE(SkFy == f.SkFy && SkFz == 1) << f.name;
        EXPECT_EQ(F.Label_ProjArt.Caption, f.name);
        EXPECT_TRUE((f.ebene == 1 ? F.But_xz : f.ebene == 2 ? F.But_yz : F.But_xy).Down) << f.name;
    }
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Projektionssteuerung, ProjektionsebeneVerschieben) {
    // Step 10, "-" held from the eye point (40, 80, 30): the plane moves to
    // y = 10 .. 70 of its frame (-70 of the scene) and stops before 80.
    F.ComboBox1.ItemIndex = 3;
    F.ComboBox1.OnChange();
    EXPECT_TRUE(VerschProjEb == 10 && F.But_VerschProjEb.Caption == "10" && !F.ComboBox1.Visible);
    EXPECT_EQ(F.VerschProjEbEinst.Caption,
              "VerschProjEb (verschiebt die Projektionsebene in y-Richtung) einstellen (akt.: VerschProjEb = 10)");
    Halten(F.ProjEbMin, F.Timer6, 7);
    EXPECT_EQ(F.Panel_VerschProjEb.Caption, "-70");
    EXPECT_TRUE(host.Meldungen.empty());
    Halten(F.ProjEbMin, F.Timer6, 1);  // refused at the press: the timer stops at once
    EXPECT_FALSE(F.Timer6.Laeuft());
    F.Timer6.OnTimer();
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.y, 70);
    EXPECT_EQ(Meldungen(Fluchtpunkt), 1u);
    Halten(F.ProjEbPlus, F.Timer6, 2);
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.y, 50);
    // The step box opens by the menu or the button; parallel hides it.
    F.VerschProjEbEinst.Click();
    EXPECT_TRUE(F.ComboBox1.Visible && F.ComboBox1.Left == F.Panel_links.Left + 4);
    F.ZPEinAusClick();
    EXPECT_FALSE(F.ComboBox1.Visible);
}

TEST_F(Projektionssteuerung, AnsichtenUndGitterwaende) {
    const auto Waende = [] {
        std::string s;
        for (int w = 1; w <= 6; ++w) s += GitterWaende[w] ? char('0' + w) : '-';
        return s;
    };
    // Off at start, also after the first activation's plane button.
    EXPECT_FALSE(GitterwaendeAutomatisch);
    EXPECT_EQ(F.GitterwaendeAutomatEinAus.Caption, "automat. Einblenden von 3 Wänden des Achsen-Würfels    ein");
    // From behind: 180 degrees about z with the axes; the angle text back.
    const TVek_R3 x = AchsenKreuz.Achsenpunkte[2];
    F.xzEbh.Click();
    EXPECT_EQ(Waende(), "12--5-");
    ASSERT_TRUE(AchsenMitDrehen && DrehAnzahl == 1);
    EXPECT_EQ(DrehListe[1].Achse, 6);
    EXPECT_NEAR(static_cast<double>(DrehListe[1].Winkel), 180, 1e-12);
    EXPECT_NEAR(static_cast<double>(AchsenKreuz.Achsenpunkte[2].x), static_cast<double>(-x.x), 1e-12);
    EXPECT_TRUE(F.Edit_Drehwinkel.Text() == "1,0000" && Drehwinkel == 1);
    for (int nr = 1; nr <= 6; ++nr) EXPECT_EQ(F.AnsichtMenue(nr).Checked, nr == 2) << nr;
    F.xzEbv.Click();
    EXPECT_EQ(DrehAnzahl, 0);

    // A plane button switches the walls' choice on; from another plane the
    // views look along y again.
    Ebene(F.But_xy);
    EXPECT_EQ(F.GitterwaendeAutomatEinAus.Caption, "automat. Einblenden von 3 Wänden des Achsen-Würfels    aus");
    EXPECT_EQ(Waende(), "1--4-6");
    EXPECT_TRUE(Form_GitterWuerfelMax.WandBox(4).Checked);
    F.xyEbu.Click();
    EXPECT_TRUE(ProjEbene == 1 && Waende() == "-23-5-");
    F.GitterwaendeAutomatEinAus.Click();
    F.xzEbh.Click();
    EXPECT_EQ(Waende(), "-23-5-");

    // A long angle text comes back with its value, written shorter.
    const std::pair<const char*, Extended> winkel[] = {{"0,000000000012", 1.2e-11L}, {"-0,00000000005", -5e-11L}};
    for (const auto& [text, wert] : winkel) {
        F.Edit_Drehwinkel.SetText(text);
        F.xyEbo.Click();
        EXPECT_TRUE(F.Edit_Drehwinkel.Text().size() <= 12 && Drehwinkel == wert) << text;
    }
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Projektionssteuerung, BildSteuerung) {
    const struct { TButton* knopf; Extended dx, dy; } faelle[] = {
        {&F.BitBtn_VR, 10, 0}, {&F.BitBtn_VL, -10, 0}, {&F.BitBtn_VO, 0, 10}, {&F.BitBtn_VU, 0, -10}};
    for (const auto& f : faelle) {
        VerschiebungX = VerschiebungY = 0;
        bilder = 0;
        // The press shifts by a click's step; held past the delay, 3 pixels
        // a tick of Timer2 (10 ms) until released.
        f.knopf->OnMouseDown();
        EXPECT_EQ(bilder, 1);
        EXPECT_TRUE(F.Timer2.Laeuft() && F.Timer2.Interval == 10);
        for (int i = 0; i < 31; ++i) F.Timer2.OnTimer();
        f.knopf->OnMouseUp();
        f.knopf->Click();  // the click that ends the press: its step came with the press
        F.Timer2.OnTimer();
        EXPECT_TRUE(VerschiebungX == f.dx * 1.6L && VerschiebungY == f.dy * 1.6L);
    }
    // The axis length rebuilds the scene: its scale, no shift.
    F.ScrollBar4.SetPosition(12);
    EXPECT_TRUE(AchsenHalbLaenge == 12 && AchseXMax == 12 && VerschiebungX == 0);
}

}  // namespace
