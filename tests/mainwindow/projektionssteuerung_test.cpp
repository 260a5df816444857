// The main window's projection controls through the scripted host: the
// eye-point and direction edits, the held step buttons, the presets, the
// ready-made projections, the views, the plane shift and the picture
// controls.

#include <cmath>
#include <functional>
#include <string>

#include "Hauptfenstertest.h"
#include "geometry/Geometrie.h"
#include "geometry/Vektor.h"
#include "forms/GitterWuerfel.h"
#include "platform/Zahltext.h"
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
    void Parallel() {
        F.ZPEinAusClick();
        ASSERT_FALSE(Zentralprojektion);
    }
    void Ebene(TSpeedButton& b) {
        for (TSpeedButton* k : {&F.But_xz, &F.But_yz, &F.But_xy}) k->Down = k == &b;
        b.Click();
    }
    // Every valid projected line is the image of its line's drawn vector
    // along the projection in use.
    static void FolgtDerProjektion() {
        int geprueft = 0;
        for (int i = 1; i <= 6; ++i) {
            const TGerade& p = Projektionsgeraden[i];
            if (p.gueltig != 1 || Gerade[(i + 1) / 2].sichtbar != 1) continue;
            const TVek_R3 P = Gerade[(i + 1) / 2].VektorAnfang;
            const TVek_R3 r = Zentralprojektion ? Differenz(Augpunkt, P) : ProjRichtung;
            TVek_R3 q;
            Vektorprodukt(Differenz(p.VektorAnfang, P), r, q);
            EXPECT_LT(Betrag(q), 1e-9L * (1 + Betrag(Differenz(p.VektorAnfang, P))) * Betrag(r)) << i;
            ++geprueft;
        }
        EXPECT_GE(geprueft, 2);
    }
    // The user holds a step button for n ticks of its timer.
    static void Halten(TSpeedButton& b, TTimer& t, int n) {
        b.OnMouseDown();
        for (int i = 0; i < n; ++i) t.OnTimer();
    }
    std::size_t Meldungen(const char* text) const {
        std::size_t n = 0;
        for (const auto& m : host.Meldungen) n += m.text == text;
        return n;
    }
};

TEST_F(Projektionssteuerung, AugpunktEingaben) {
    enum Ausgang { Nichts, Angenommen, Warnung };
    struct Fall {
        const char* text;
        Extended y;          // the eye point's y afterwards
        const char* feld;    // the edit's text afterwards
        Ausgang ausgang;
    };
    // The central plane starts through the origin: y = 0 puts the eye in it.
    const Fall faelle[] = {
        {"-", 80, "-", Nichts},       {"", 80, "", Nichts},          {"95", 95, "95", Angenommen},
        {"0", 95, "95", Warnung},     {"-12", -12, "-12", Angenommen},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        host.Vergessen();
        F.xzEbv.Checked = true;
        bilder = 0;
        F.Edit_FPy.SetText(f.text);
        EXPECT_EQ(Augpunkt.y, f.y);
        EXPECT_EQ(F.Edit_FPy.Text(), f.feld);
        ASSERT_EQ(host.Meldungen.size(), f.ausgang == Warnung ? 1u : 0u);
        if (f.ausgang == Warnung) EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Warnung);
        // Any eye point taken (also the old one back) leaves no view ticked
        // and is drawn.
        EXPECT_EQ(F.xzEbv.Checked, f.ausgang == Nichts);
        EXPECT_EQ(bilder > 0, f.ausgang != Nichts);
    }
    FolgtDerProjektion();
    // Leaving the edit checks |z| < 3000.
    F.Edit_FPx.SetText("3000");
    F.Edit_FPExit(1);
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Gib bitte nur Zahlen z mit\nz < 3000 ein!");
}

TEST_F(Projektionssteuerung, Tastenfilter) {
    struct Fall {
        char taste, augpunkt, richtung, faktor;
    };
    const Fall faelle[] = {{'7', '7', '7', '7'}, {'-', '-', '-', 0},   {',', 0, ',', ','},
                           {'.', 0, ',', ','},   {'\b', '\b', '\b', '\b'}, {'e', 0, 0, 0}};
    for (const Fall& f : faelle) {
        char a = f.taste, r = f.taste, s = f.taste;
        F.Edit_FPKeyPress(a);
        F.Edit_ProjKeyPress(r);
        F.Edit_SkalFKeyPress(s);
        EXPECT_EQ(a, f.augpunkt) << f.taste;
        EXPECT_EQ(r, f.richtung) << f.taste;
        EXPECT_EQ(s, f.faktor) << f.taste;
    }
}

TEST_F(Projektionssteuerung, RichtungsEingaben) {
    Parallel();
    struct Fall {
        int ebene;                   // ProjEbene
        int k;                       // edit 1 x, 2 y, 3 z
        const char* text;
        bool abgelehnt;
    };
    // Each edit refuses a zero only when its plane drops that axis.
    // (The plane buttons give the straight views: "0,0" differs from "0".)
    const Fall faelle[] = {{1, 2, "0", true},    {1, 1, "0,0", false}, {1, 3, "0,0", false}, {2, 1, "0", true},
                           {2, 2, "0,0", false}, {3, 3, "0", true},    {1, 2, "-", false},   {1, 2, "0,25", false}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.ebene) + " " + std::to_string(f.k) + " " + f.text);
        Ebene(f.ebene == 1 ? F.But_xz : f.ebene == 2 ? F.But_yz : F.But_xy);
        const TVek_R3 vorher = ProjRichtung;
        const std::string altText = F.Edit_Proj(f.k).Text();
        host.Vergessen();
        F.Label_ProjArt.Caption = "Kav. 1";
        F.Edit_Proj(f.k).SetText(f.text);
        EXPECT_EQ(F.Label_ProjArt.Caption, "");  // emptied in every case
        ASSERT_EQ(host.Meldungen.size(), f.abgelehnt ? 1u : 0u);
        if (f.abgelehnt) {
            EXPECT_EQ(host.Meldungen[0].text, Richtung);
            EXPECT_EQ(F.Edit_Proj(f.k).Text(), altText);
            EXPECT_EQ(ProjRichtung.x, vorher.x);
            EXPECT_EQ(ProjRichtung.y, vorher.y);
            EXPECT_EQ(ProjRichtung.z, vorher.z);
        }
    }
    // Once silenced, a refusal shows nothing and the next one speaks again.
    Ebene(F.But_xz);
    host.Vergessen();
    RichtungsMeldungAus = true;
    F.Edit_Projy.SetText("0");
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_FALSE(RichtungsMeldungAus);
    F.Edit_Projy.SetText("0");
    EXPECT_EQ(host.Meldungen.size(), 1u);
    // An accepted direction shows its angles and is followed by the lines.
    Ebene(F.But_xz);  // straight: (0, 1, 0)
    F.Edit_Projx.SetText("1");
    F.Edit_Projz.SetText("1");
    EXPECT_EQ(F.Panel_Gradxy.Caption, "45,00");
    FolgtDerProjektion();
    host.Vergessen();
    F.Edit_Projz.SetText("3");
    F.Edit_ProjExit(3);
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Gib bitte nur Zahlen z mit\nz < 3 ein!");
}

TEST_F(Projektionssteuerung, GehaltenerSchrittWiederholtKeineAblehnung) {
    // Eye point: the central plane shifted to y = 82 of its frame refuses
    // the second step of y+; the timer stops, later ticks step no more.
    ProjEbeneZentral.Stuetzvektor.y = 82;
    Halten(F.ButFPyPl, F.Timer4, 1);
    EXPECT_EQ(F.Timer4.Interval, 80);
    EXPECT_EQ(Augpunkt.y, 81);
    F.Timer4.OnTimer();
    EXPECT_EQ(Augpunkt.y, 81);
    EXPECT_EQ(F.Edit_FPy.Text(), "81");
    EXPECT_FALSE(F.Timer4.Laeuft());
    for (int i = 0; i < 3; ++i) F.Timer4.OnTimer();  // ticks on their way
    EXPECT_EQ(Augpunkt.y, 81);
    EXPECT_EQ(Meldungen(Fluchtpunkt), 1u);
    F.ButFPyPl.OnMouseUp();
    // Released in time: x- steps twice and stops.
    Halten(F.ButFPxMin, F.Timer4, 2);
    F.ButFPxMin.OnMouseUp();
    F.Timer4.OnTimer();
    EXPECT_EQ(Augpunkt.x, 38);

    // Direction: y- on the x,z-plane from 0,03 down to the refused 0.
    Parallel();
    F.Edit_Projy.SetText("0,03");
    host.Vergessen();
    Halten(F.ButProjRichtyMin, F.Timer5, 2);
    EXPECT_EQ(F.Edit_Projy.Text(), "0,01");  // no binary rest digits
    EXPECT_EQ(ProjRichtung.y, 0.01L);
    for (int i = 0; i < 3; ++i) F.Timer5.OnTimer();
    EXPECT_FALSE(F.Timer5.Laeuft());
    EXPECT_EQ(ProjRichtung.y, 0.01L);
    EXPECT_EQ(Meldungen(Richtung), 1u);
    // z+ follows its steps with the projected lines.
    Halten(F.ButProjRichtzPl, F.Timer5, 3);
    F.ButProjRichtzPl.OnMouseUp();
    EXPECT_EQ(F.Edit_Projz.Text(), "0,53");
    FolgtDerProjektion();
}

TEST_F(Projektionssteuerung, VorgabeImFluchtpunktBehaeltDenAltenWert) {
    // The x,z-plane shifted to y = 80 of its frame; the eye point at y = 60.
    F.Edit_FPy.SetText("60");
    ProjEbeneZentral.Stuetzvektor.y = 80;
    EXPECT_EQ(F.ButVorg2.Caption, "80");
    F.ButVorg2.Click();
    EXPECT_EQ(Meldungen(Fluchtpunkt), 1u);
    EXPECT_EQ(Augpunkt.y, 60);
    EXPECT_EQ(F.Edit_FPy.Text(), "60");
    // Away from the plane the preset is taken.
    F.ButVorg1.Click();
    F.Edit_FPx.SetText("7");
    F.ButVorg1.Click();
    EXPECT_EQ(Augpunkt.x, 40);
    // Parallel: the preset of the direction.
    Parallel();
    F.Edit_Projz.SetText("2");
    F.ButVorg3.Click();
    EXPECT_EQ(ProjRichtung.z, 0.5L);
    EXPECT_EQ(F.Edit_Projz.Text(), "0,5");
}

TEST_F(Projektionssteuerung, ProjizierteGeradenFolgenJederAenderung) {
    // Planes E1 and E2 and lines g, h shown: the projected lines exist.
    for (int i = 1; i <= 6; ++i) Projektionsgeraden[i].anzeigen = 1;
    Gerade[2].sichtbar = 1;
    struct Fall {
        const char* name;
        std::function<void()> aktion;
    };
    const Fall faelle[] = {
        {"parallel, yz", [&] { Parallel(); Ebene(F.But_yz); }},
        {"Kavalierprojektion 1", [&] { F.KavaProj_2.Click(); }},
        {"Ansicht von hinten", [&] { F.xzEbh.Click(); }},
        {"Ansicht von vorne", [&] { F.xzEbv.Click(); }},
        {"Schritt der Richtung", [&] { Halten(F.ButProjRichtxPl, F.Timer5, 1); F.ButProjRichtxPl.OnMouseUp(); }},
        {"zentral, xy", [&] { F.ZPEinAusClick(); Ebene(F.But_xy); }},
        {"Grundriss nach Drehung mit Achsen", [&] {
             F.ZPEinAusClick();
             F.But_drehenMit_OhneAchsenClick();
             F.But_GesamtDrehenClick(2);
             F.Grundriss1.Click();
         }},
        {"Schritt des Augpunkts", [&] { F.ZPEinAusClick(); Halten(F.ButFPzPl, F.Timer4, 1); F.ButFPzPl.OnMouseUp(); }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        f.aktion();
        FolgtDerProjektion();
        for (const auto& m : host.Meldungen) ADD_FAILURE() << m.text;
        host.Vergessen();
    }
}

TEST_F(Projektionssteuerung, FertigeProjektionen) {
    Parallel();
    struct Fall {
        TMenuItem* punkt;
        Byte ebene;
        TVek_R3 richtung;
        Extended SkFy;
        const char* name;
        TSpeedButton* knopf;
    };
    const Fall faelle[] = {
        {&F.KavaProj_2, 2, {-1, -0.5L, 0.5L}, 0.5L, "Kav. 1", &F.But_yz},
        {&F.KavaProj_3, 2, {-1, 0.5L, 0.5L}, 2, "Kav. 2", &F.But_yz},
        {&F.KavaProj_4, 2, {-1, 0.300221L, 0.52L}, 0.6667L, "Kav. 3", &F.But_yz},
        {&F.Grundriss1, 3, {0, 0, -1}, 1, "Grundr.", &F.But_xy},
        {&F.Kreuzriss1, 2, {-1, 0, 0}, 1, "Kreuzr.", &F.But_yz},
        {&F.Aufriss1, 1, {0, 1, 0}, 1, "Aufr.", &F.But_xz},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        F.Edit_SkalF_2.SetText("2");
        f.punkt->Click();
        EXPECT_EQ(ProjEbene, f.ebene);
        EXPECT_NEAR(static_cast<double>(Betrag(Differenz(ProjRichtung, f.richtung))), 0, 1e-18);
        EXPECT_EQ(SkFy, f.SkFy);
        EXPECT_EQ(SkFz, 1);
        EXPECT_EQ(F.Label_ProjArt.Caption, f.name);
        EXPECT_TRUE(f.knopf->Down);
        EXPECT_EQ(F.But_xz.Down + F.But_yz.Down + F.But_xy.Down, 1);
    }
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Projektionssteuerung, ProjektionsebeneVerschieben) {
    // Step 10, then "-" held from the eye point (40, 80, 30): the plane moves
    // to y = 10 .. 70 of its frame and stops with the warning before 80.
    F.ComboBox1.ItemIndex = 3;
    F.ComboBox1.Visible = true;
    F.ComboBox1.OnChange();
    EXPECT_EQ(VerschProjEb, 10);
    EXPECT_FALSE(F.ComboBox1.Visible);
    EXPECT_EQ(F.But_VerschProjEb.Caption, "10");
    EXPECT_EQ(F.VerschProjEbEinst.Caption,
              "VerschProjEb (verschiebt die Projektionsebene in y-Richtung) einstellen (akt.: VerschProjEb = 10)");
    Halten(F.ProjEbMin, F.Timer6, 7);
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.y, 70);
    EXPECT_EQ(F.Panel_VerschProjEb.Caption, "-70");
    EXPECT_TRUE(host.Meldungen.empty());
    F.Timer6.OnTimer();
    EXPECT_EQ(Meldungen(Fluchtpunkt), 1u);
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.y, 70);
    EXPECT_FALSE(F.Timer6.Laeuft());
    F.Timer6.OnTimer();
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.y, 70);
    // "+" moves it back; the reset puts it through the origin.
    Halten(F.ProjEbPlus, F.Timer6, 2);
    F.ProjEbPlus.OnMouseUp();
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.y, 50);
    F.ProjEbStart.Click();
    EXPECT_EQ(F.Panel_VerschProjEb.Caption, "0");

    // Where the step box opens.
    F.VerschProjEbEinst.Click();
    EXPECT_TRUE(F.ComboBox1.Visible);
    EXPECT_EQ(F.ComboBox1.Left, F.Panel_links.Left + 4);
    F.But_VerschProjEb.Click();
    EXPECT_EQ(F.ComboBox1.Left + F.ComboBox1.Width, F.Panel_rechts.Left - 2);
    // Parallel projection hides it with the other controls of the shift.
    F.ZPEinAusClick();
    EXPECT_FALSE(F.ComboBox1.Visible);
}

TEST_F(Projektionssteuerung, AnsichtenDrehenMitAchsen) {
    const TVek_R3 x = AchsenKreuz.Achsenpunkte[2];
    // From behind: 180 degrees about z, turning with the axes; the old angle
    // text comes back and only this item is ticked.
    F.xzEbh.Click();
    EXPECT_TRUE(AchsenMitDrehen);
    ASSERT_EQ(DrehAnzahl, 1);
    EXPECT_EQ(DrehListe[1].Achse, 6);
    EXPECT_NEAR(static_cast<double>(DrehListe[1].Winkel), 180, 1e-12);
    EXPECT_NEAR(static_cast<double>(AchsenKreuz.Achsenpunkte[2].x), static_cast<double>(-x.x), 1e-12);
    EXPECT_EQ(F.Edit_Drehwinkel.Text(), "1,0000");
    EXPECT_EQ(Drehwinkel, 1);
    EXPECT_EQ(Augpunkt.x, 0);
    EXPECT_EQ(Augpunkt.z, 0);
    for (int nr = 1; nr <= 6; ++nr) EXPECT_EQ(F.AnsichtMenue(nr).Checked, nr == 2) << nr;
    // From the front: the rotation undone, nothing turned anew.
    F.xzEbv.Click();
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_NEAR(static_cast<double>(AchsenKreuz.Achsenpunkte[2].x), static_cast<double>(x.x), 1e-12);
    EXPECT_TRUE(F.xzEbv.Checked && !F.xzEbh.Checked);

    // A long angle text comes back with its value, written shorter.
    struct Fall {
        const char* text;
        Extended wert;
    };
    const Fall faelle[] = {{"0,000000000012", 1.2e-11L}, {"-0,00000000005", -5e-11L}, {"12,5", 12.5L}};
    for (const Fall& f : faelle) {
        F.Edit_Drehwinkel.SetText(f.text);
        F.xyEbo.Click();
        EXPECT_LE(F.Edit_Drehwinkel.Text().size(), 12u) << f.text;
        EXPECT_EQ(Drehwinkel, f.wert) << f.text;
    }
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Projektionssteuerung, GitterwaendeAutomatisch) {
    const auto Waende = [] {
        std::string s;
        for (int w = 1; w <= 6; ++w) s += GitterWaende[w] ? char('0' + w) : '-';
        return s;
    };
    // Off at start, also after the first activation's plane button.
    EXPECT_FALSE(GitterwaendeAutomatisch);
    EXPECT_EQ(F.GitterwaendeAutomatEinAus.Caption, "automat. Einblenden von 3 Wänden des Achsen-Würfels    ein");
    F.yzEbr.Click();
    EXPECT_EQ(Waende(), "12--5-");
    F.ZPEinAusClick();
    Ebene(F.But_xy);
    EXPECT_TRUE(GitterwaendeAutomatisch);
    EXPECT_EQ(F.GitterwaendeAutomatEinAus.Caption, "automat. Einblenden von 3 Wänden des Achsen-Würfels    aus");
    EXPECT_EQ(Waende(), "1--4-6");
    EXPECT_TRUE(Form_GitterWuerfelMax.WandBox(4).Checked);
    F.xzEbh.Click();
    EXPECT_EQ(Waende(), "1-3---");
    F.GitterwaendeAutomatEinAus.Click();
    EXPECT_FALSE(GitterwaendeAutomatisch);
    F.xyEbu.Click();
    EXPECT_EQ(Waende(), "1-3---");
}

TEST_F(Projektionssteuerung, BildSteuerung) {
    struct Fall {
        TButton* knopf;
        Extended dx, dy;
    };
    const Fall faelle[] = {{&F.BitBtn_VR, 10, 0}, {&F.BitBtn_VL, -10, 0}, {&F.BitBtn_VO, 0, 10}, {&F.BitBtn_VU, 0, -10}};
    for (const Fall& f : faelle) {
        VerschiebungX = VerschiebungY = 0;
        bilder = 0;
        f.knopf->Click();
        EXPECT_EQ(VerschiebungX, f.dx);
        EXPECT_EQ(VerschiebungY, f.dy);
        EXPECT_EQ(bilder, 1);
        // Held: Timer2 shifts by 3 pixels every tick until released.
        f.knopf->OnMouseDown();
        EXPECT_TRUE(F.Timer2.Laeuft());
        EXPECT_EQ(F.Timer2.Interval, 10);
        F.Timer2.OnTimer();
        F.Timer2.OnTimer();
        f.knopf->OnMouseUp();
        F.Timer2.OnTimer();
        EXPECT_EQ(VerschiebungX, f.dx * 1.6L);
        EXPECT_EQ(VerschiebungY, f.dy * 1.6L);
    }
    // "V" holds the origin's picture.
    bilder = 0;
    F.SpeedButton1.Click();
    EXPECT_TRUE(AugpunktMitte);
    EXPECT_EQ(bilder, 1);
    // The axis length rebuilds the scene: new scale, no shift.
    F.ScrollBar4.SetPosition(12);
    EXPECT_EQ(AchsenHalbLaenge, 12);
    EXPECT_EQ(AchseXMax, 12);
    EXPECT_EQ(VerschiebungX, 0);
    EXPECT_EQ(Gerade[1].ZeichenEnde.x - Gerade[1].ZeichenAnfang.x > 40, true);
    // The left panel's switch: the picture takes its room, the scale stays.
    const Extended m = MassstabX;
    F.But_SchnittAngabenEinAus.Down = false;
    F.But_SchnittAngabenEinAus.Click();
    EXPECT_FALSE(F.Panel_links.Visible);
    EXPECT_EQ(F.PaintBox1.Left, 0);
    EXPECT_EQ(F.PaintBox1.Width, F.ClientWidth - F.Panel_rechts.Width);
    EXPECT_EQ(Zeichenbitmap().Width(), F.PaintBox1.Width);
    EXPECT_EQ(AchsenKreuz.UrsprungX, F.PaintBox1.Width / 100 * 60);
    EXPECT_EQ(MassstabX, m);
    F.But_SchnittAngabenEinAus.Down = true;
    F.But_SchnittAngabenEinAus.Click();
    EXPECT_TRUE(F.Panel_links.Visible);
    EXPECT_EQ(F.PaintBox1.Left, F.Panel_links.Width);
}

}  // namespace
