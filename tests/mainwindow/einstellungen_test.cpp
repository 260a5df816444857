// The settings windows of the menu "Einstellungen" and the colour controls:
// each control sets what the picture reads and redraws; the refusals of the
// grid window; the marks and squares of planes turned with the axes.

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <string>
#include <utility>

#include "Hauptfenstertest.h"
#include "forms/AchsenWuerfel.h"
#include "forms/Differenzvektoren.h"
#include "forms/DrStrEinst.h"
#include "forms/EbEinstell.h"
#include "forms/Fluchtstr.h"
#include "forms/GitterWuerfel.h"
#include "forms/Normalenvektoren.h"
#include "forms/ProjSpurGeraden.h"
#include "geometry/Geometrie.h"
#include "geometry/Vektor.h"
#include "control/Farbsets.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "view3d/Szene.h"

namespace {

constexpr TColor Neu = FarbeAusRGB(0x12, 0x34, 0x56);

void Kreuzen(TCheckBox& C, bool an) {
    C.Checked = an;
    C.Click();
}
void Waehlen(TRadioGroup& R, int i) {
    R.ItemIndex = i;
    R.Click();
}
void Waehlen(TComboBox& C, const std::string& Text) {
    C.ItemIndex = static_cast<int>(std::find(C.Items.begin(), C.Items.end(), Text) - C.Items.begin());
    C.OnChange();
}

Extended Abstand(const TVek_R3& a, const TVek_R3& b) { return Betrag(Differenz(a, b)); }
TVek_R3 Kreuz(TVek_R3 a, TVek_R3 b) {
    TVek_R3 c;
    Vektorprodukt(a, b, c);
    return c;
}

class Einstellungen : public Hauptfenstertest {
protected:
    // The user picks Neu in the next colour dialog.
    void FarbeNeu() { host.Farben.push_back(Neu); }
};

// Every control of every settings window, as the user works it: the value
// lands where the drawing reads it, and the picture is drawn again.
TEST_F(Einstellungen, JedesBedienelementSetztWasDasBildLiestUndZeichnet) {
    TForm_GitterWuerfelMax& G = Form_GitterWuerfelMax;
    TForm_AchsenWuerfel& A = Form_AchsenWuerfel;
    TForm_Fluchtstr& Fl = Form_Fluchtstr;
    TForm_DrStrEinst& D = Form_DrStrEinst;
    TForm_Normalenvektoren& N = Form_Normalenvektoren;
    TForm_EbEinstell& E = Form_EbEinstell;
    TForm_ProjSpurGeraden& P = Form_ProjSpurGeraden;
    TForm_Differenzvektoren& V = Form_Differenzvektoren;
    struct Fall {
        const char* was;
        std::function<void()> tun;
        std::function<bool()> gilt;
    };
    const Fall faelle[] = {
        {"Deckfläche ein", [&] { Kreuzen(G.CheckBox3, true); }, [] { return GitterWaende[3]; }},
        {"Grundfläche aus", [&] { Kreuzen(G.CheckBox1, false); }, [] { return !GitterWaende[1]; }},
        {"12 Gitterteile", [&] { G.Edit_AnzGitterLinien.SetText("12"); }, [] { return AnzGitterLinien == 12; }},
        {"0 Gitterteile", [&] { G.Edit_AnzGitterLinien.SetText("0"); }, [] { return AnzGitterLinien == 0; }},
        {"-3 Gitterteile", [&] { G.Edit_AnzGitterLinien.SetText("-3"); }, [] { return AnzGitterLinien == -3; }},
        {"Netz durchgezogen", [&] { Waehlen(G.RadioGroup1, 0); }, [] { return NetzLinienStil == psSolid; }},
        {"Ränder durchgezogen", [&] { Waehlen(G.RadioGroup2, 0); }, [] { return RandLinienStil == psSolid; }},
        {"Gitterfarbe", [&] { FarbeNeu(); G.Button_Farbe.Click(); },
         [&] { return MaxQuader.FarbeGitterwaende == Neu && G.Panel_Farbe.Color == Neu; }},
        {"Würfel ein", [&] { Kreuzen(A.CheckBox1, true); },
         [&] { return AchsenWuerfelZeigen && F.AchsenWuerfelEinAus.Checked; }},
        {"Würfel Breite 3", [&] { Waehlen(A.RadioGroup1, 2); }, [] { return MaxQuader.Stiftbreite == 3; }},
        {"Würfelfarbe", [&] { FarbeNeu(); A.Button_Farbe.Click(); },
         [] { return MaxQuaderFarbe == Neu && MaxQuader.Farbe == Neu; }},
        {"Fluchtstrecken ein", [&] { Kreuzen(Fl.CheckBox1, true); },
         [&] { return FluchtstreckenZeigen && F.FluchtstreckenEinAus.Checked; }},
        // Dotted only with width 1: a wider pen is solid, dotted is width 1.
        {"Flucht Breite 3", [&] { Waehlen(Fl.RadioGroup1, 2); },
         [&] { return FluchtstreckenBreite == 3 && FluchtstreckenStil == psSolid && Fl.RadioGroup2.ItemIndex == 0; }},
        {"Flucht gepunktet", [&] { Waehlen(Fl.RadioGroup2, 1); },
         [&] { return FluchtstreckenStil == psDot && FluchtstreckenBreite == 1 && Fl.RadioGroup1.ItemIndex == 0; }},
        {"Fluchtfarbe", [&] { FarbeNeu(); Fl.Button_Farbe.Click(); }, [] { return FluchtstreckenFarbe == Neu; }},
        {"Drehstrecke Breite 4", [&] { Waehlen(D.RadioGroup1, 3); }, [] { return DrehstreckeBreite == 4; }},
        {"Drehstrecke durchgezogen", [&] { Waehlen(D.RadioGroup2, 0); }, [] { return DrehstreckeStil == psSolid; }},
        {"Drehstreckenfarbe", [&] { FarbeNeu(); D.Button_Farbe.Click(); }, [] { return DrehstreckeFarbe == Neu; }},
        {"Drehstrecke Winkel 1,5", [&] { Waehlen(D.ComboBox1, "1,5"); },
         [] { return DrehstreckeWinkelGroesse == 1.5L; }},
        {"Drehstrecke ohne Winkel", [&] { Kreuzen(D.CheckBox1, false); },
         [&] { return !DrehstreckeWinkelZeigen && !D.ComboBox1.Enabled; }},
        {"Normalen ein", [&] { Kreuzen(N.CheckBox1, true); }, [&] { return NVektZeigen && F.NVektEinAus.Checked; }},
        {"Normalen Breite 3", [&] { Waehlen(N.RadioGroup1, 2); },
         [] { return Ebene[1].StiftbreiteNormalenvektor == 3 && Ebene[2].StiftbreiteNormalenvektor == 3; }},
        {"Normalenfarbe", [&] { FarbeNeu(); N.Button_Farbe.Click(); },
         [] { return Ebene[1].FarbeNormalenvektor == Neu && Ebene[2].FarbeNormalenvektor == Neu; }},
        {"Winkelquadrate ein", [&] { Kreuzen(N.CheckBox2, true); },
         [&] { return Ebene[1].WinkelQuadrateZeichnen == 1 && Ebene[2].WinkelQuadrateZeichnen == 1 && N.ComboBox1.Enabled; }},
        // The marks are computed again at once, for both planes.
        {"Winkelquadrate 0,5", [&] { Waehlen(N.ComboBox1, "0,5"); },
         [] {
             return Ebene[2].WinkelQuadratSeite == 0.5L &&
                    std::fabs(Abstand(Ebene[2].WinkelmarkeR1[1], Ebene[2].Stuetzvektor) - 0.5L) < 1e-12L &&
                    std::fabs(Abstand(Ebene[1].WinkelmarkeR2[3], Ebene[1].Stuetzvektor) - 0.5L) < 1e-12L;
         }},
        {"Quadratfaktor 20", [&] { E.ScrollBar1.SetPosition(20); },
         [&] {
             return E.Label2.Caption == "20" &&
                    std::fabs(Abstand(Ebene[2].QuadratEcken[1], Ebene[2].QuadratEcken[2]) - 20 * 2 * AchseXMax * 0.1L) < 1e-9L;
         }},
        {"E2 mit Gitternetz", [&] { Waehlen(E.RadioGroup2, 2); }, [] { return Ebene[2].Darstellungsart == 2; }},
        {"g auf E2", [&] { Kreuzen(P.CheckBox2, true); }, [] { return Projektionsgeraden[2].anzeigen == 1; }},
        {"E2 in der x,y-Ebene", [&] { Kreuzen(P.CheckBox10, true); }, [] { return Spurgeraden[4].anzeigen == 1; }},
        {"von E1 nach E2", [&] { Kreuzen(V.CheckBox10, true); }, [] { return DiffVekE1E2; }},
        {"von h nach t", [&] { Kreuzen(V.CheckBox3, true); }, [] { return DiffVekHT && !DiffVekGT; }},
        {"Differenzfarbe", [&] { FarbeNeu(); V.Button_Farbe.Click(); }, [] { return FarbeStuetzvektoren == Neu; }},
        // The colour panels and the menu "Farben".
        {"Farbe von g", [&] { FarbeNeu(); F.Pan_FarbeClick(1); },
         [&] { return FarbeG == Neu && Gerade[1].Farbe == Neu && F.Pan_Farbe_g.Color == Neu; }},
        {"Farbe von E2", [&] { FarbeNeu(); F.Pan_FarbeClick(5); },
         [&] { return FarbeE2 == Neu && Ebene[2].FarbeRichtungsvektor2 == Neu && F.Pan_Farbe_E2.Color == Neu; }},
        {"Farbe von Ke1", [&] { FarbeNeu(); F.Pan_FarbeClick(26); },
         [&] { return Kegel[1].Farbe == Neu && F.Pan_Farbe_Ke1.Color == Neu; }},
        {"Farbe von F", [&] { FarbeNeu(); F.Pan_FarbeClick(30); }, [] { return Fadenkreuz.Farbe == Neu; }},
        {"Hintergrund", [&] { FarbeNeu(); F.FarbeHintergrund1.Click(); }, [] { return FarbeHintergrund == Neu; }},
        {"Achsen", [&] { FarbeNeu(); F.FarbeAchsen1.Click(); },
         [] { return FarbeAchsen == Neu && AchsenKreuz.Farbe == Neu && Spurgeraden[4].Farbe == Neu; }},
        {"Differenzvektoren", [&] { FarbeNeu(); F.FarbeStuetzvektoren1.Click(); },
         [] { return FarbeStuetzvektoren == Neu; }},
        {"Gitterwände", [&] { FarbeNeu(); F.FarbeGitterwaende1.Click(); },
         [] { return MaxQuader.FarbeGitterwaende == Neu; }},
    };
    for (const Fall& f : faelle) {
        // Each colour row starts from another colour than Neu.
        FarbsetAnwenden(1);
        MaxQuaderFarbe = MaxQuader.Farbe = FluchtstreckenFarbe = DrehstreckeFarbe = 0;
        Ebene[1].FarbeNormalenvektor = Ebene[2].FarbeNormalenvektor = 0;
        const int b = bilder;
        f.tun();
        EXPECT_TRUE(f.gilt()) << f.was;
        EXPECT_EQ(bilder, b + 1) << f.was;
        EXPECT_TRUE(host.Meldungen.empty()) << f.was << ": " << host.LetzteMeldung();
    }
    // The box takes its colour back from MaxQuaderFarbe at a recompute.
    SzeneNeuBerechnen();
    EXPECT_EQ(MaxQuader.Farbe, MaxQuaderFarbe);
}

// A colour dialog starts at the colour in use; a cancel changes nothing and
// draws nothing.
TEST_F(Einstellungen, FarbdialogBeginntBeiDerFarbeAbbruchAendertNichts) {
    struct Fall {
        std::function<void()> klick;
        TColor* farbe;
        const char* titel;
    };
    const Fall faelle[] = {
        {[&] { F.Pan_FarbeClick(2); }, &Gerade[2].Farbe, "Farbe von h"},
        {[&] { F.FarbeHintergrund1.Click(); }, &FarbeHintergrund, "Farbe des Hintergrundes"},
        {[] { Form_GitterWuerfelMax.Button_Farbe.Click(); }, &MaxQuader.FarbeGitterwaende,
         "Farbe des Gitter-Hintergrundes"},
        {[] { Form_DrStrEinst.Button_Farbe.Click(); }, &DrehstreckeFarbe, "Farbe der Drehstrecken"},
    };
    for (const Fall& f : faelle) {
        const TColor vorher = *f.farbe;
        const int b = bilder;
        host.Farbdialoge.clear();
        f.klick();
        ASSERT_EQ(host.Farbdialoge.size(), 1u) << f.titel;
        EXPECT_EQ(host.Farbdialoge[0].titel, f.titel);
        EXPECT_EQ(host.Farbdialoge[0].farbe, vorher) << f.titel;
        EXPECT_EQ(*f.farbe, vorher) << f.titel;
        EXPECT_EQ(bilder, b) << f.titel;
    }
    // The top byte of a chosen colour never reaches a colour value.
    host.Farben.push_back(0xFF000080u);
    F.Pan_FarbeClick(3);
    EXPECT_EQ(Gerade[3].Farbe, 0x00000080u);
}

// More than 20 grid parts is refused with the message, the field keeps the
// focus with its text selected, and the window stays open until the field
// holds a number the grid can take. Text that is no whole number is never
// applied; at closing the field shows the number in use again.
TEST_F(Einstellungen, GitterfensterLehntMehrAls20TeileAb) {
    TForm_GitterWuerfelMax& G = Form_GitterWuerfelMax;
    TEdit& Feld = G.Edit_AnzGitterLinien;
    F.GitterWuerfelEinst.Click();
    ASSERT_EQ(host.Fenster.back().name, "Form_GitterWuerfelMax");
    EXPECT_FALSE(host.Fenster.back().modal);

    struct Fall {
        const char* text;
        int anzahl;     // AnzGitterLinien afterwards
        bool meldung;
    };
    const Fall faelle[] = {{"21", 4, true}, {"", 4, false}, {"-", 4, false}, {"4,5", 4, false},
                           {"x", 4, false}, {"1E3", 4, true}, {"20", 20, false}, {"25", 20, true}};
    for (const Fall& f : faelle) {
        host.Vergessen();
        const int fokus = Feld.FokusAnforderungen;
        Feld.SetText(f.text);
        EXPECT_EQ(AnzGitterLinien, f.anzahl) << f.text;
        EXPECT_EQ(Feld.Text(), f.text);  // the text stays for the user to mend
        if (f.meldung) {
            ASSERT_EQ(host.Meldungen.size(), 1u) << f.text;
            EXPECT_EQ(host.Meldungen[0].text, GitterLinienMeldung);
            EXPECT_EQ(Feld.FokusAnforderungen, fokus + 1);
            EXPECT_TRUE(Feld.AllesMarkiert);
        } else {
            EXPECT_TRUE(host.Meldungen.empty()) << f.text;
        }
    }

    // "25" still stands: OK refuses again and keeps the window.
    host.Vergessen();
    Kreuzen(G.CheckBox6, true);
    G.BitBtn_Ok.Click();
    EXPECT_EQ(host.LetzteMeldung(), GitterLinienMeldung);
    EXPECT_TRUE(host.Fenster.empty());

    // Text that is no whole number: closing puts the number in use back.
    Feld.SetText("abc");
    host.Vergessen();
    G.BitBtn_Ok.Click();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(Feld.Text(), "20");
    ASSERT_EQ(host.Fenster.size(), 1u);
    EXPECT_FALSE(host.Fenster[0].zeigen);
    EXPECT_TRUE(GitterWaende[6]);

    // The walls chosen for a view reach the boxes, and the boxes the walls
    // at closing.
    F.GitterwaendeWaehlen(3);
    EXPECT_TRUE(G.CheckBox4.Checked && G.CheckBox6.Checked && !G.CheckBox2.Checked);
    G.CheckBox2.Checked = true;
    EXPECT_TRUE(G.FormCloseQuery());
    EXPECT_TRUE(GitterWaende[2]);
}

// Each menu entry opens its window with the settings in use; the rotation
// segments' window is modal.
TEST_F(Einstellungen, MenuepunkteOeffnenIhrFensterMitDenAktuellenWerten) {
    struct Fall {
        TMenuItem* punkt;
        const char* fenster;
        bool modal;
    };
    const Fall faelle[] = {{&F.GitterWuerfelEinst, "Form_GitterWuerfelMax", false},
                           {&F.AchsenWuerfelEinst, "Form_AchsenWuerfel", false},
                           {&F.FluchtstreckenEinst, "Form_Fluchtstr", false},
                           {&F.DrehstreckenEinst, "Form_DrStrEinst", true},
                           {&F.DrStrEinst, "Form_DrStrEinst", true},
                           {&F.NormalenvektorenEinst, "Form_Normalenvektoren", false},
                           {&F.EbenenEinst, "Form_EbEinstell", false},
                           {&F.ProjSpurGeradenEinst, "Form_ProjSpurGeraden", false},
                           {&F.DifferenzvektorenEinst, "Form_Differenzvektoren", false}};
    // Settings changed elsewhere: by a colour set and by the menu "Ansicht".
    F.Farbset4.Click();
    F.AchsenWuerfelEinAus.Click();
    F.NVektEinAus.Click();
    for (const Fall& f : faelle) {
        host.Vergessen();
        f.punkt->Click();
        ASSERT_EQ(host.Fenster.size(), 1u) << f.fenster;
        EXPECT_EQ(host.Fenster[0].name, f.fenster);
        EXPECT_EQ(host.Fenster[0].modal, f.modal) << f.fenster;
    }
    EXPECT_EQ(Form_GitterWuerfelMax.Panel_Farbe.Color, MaxQuader.FarbeGitterwaende);
    EXPECT_EQ(Form_Differenzvektoren.Panel_Farbe.Color, FarbeStuetzvektoren);
    EXPECT_TRUE(Form_AchsenWuerfel.CheckBox1.Checked);
    EXPECT_TRUE(Form_Normalenvektoren.CheckBox1.Checked);
    EXPECT_EQ(Form_DrStrEinst.ComboBox1.Text, "0,5");
    EXPECT_EQ(Form_Normalenvektoren.ComboBox1.Text, "0,1");
}

// In the mode with axes a plane keeps its turned drawing: a new mark size or
// square size builds marks and square from the turned vectors, not from the
// plane's unturned support and direction vectors.
TEST_F(Einstellungen, MarkenUndQuadratFolgenDerMitDenAchsenGedrehtenEbene) {
    F.But_drehenMit_OhneAchsenClick();
    ASSERT_TRUE(AchsenMitDrehen);
    Drehwinkel = 70;
    F.But_GesamtDrehenClick(2);
    ASSERT_TRUE(SzeneGedreht);
    TEbene& E = Ebene[2];
    const TVek_R3 S = E.StuetzvektorEnde;
    ASSERT_GT(Abstand(S, E.Stuetzvektor), 0.5L);  // the drawing has turned

    Waehlen(Form_Normalenvektoren.ComboBox1, "0,5");
    const TVek_R3 u = Differenz(E.Richtungsvektor1Ende, S);
    const TVek_R3 n = Differenz(E.NormalenvektorEnde, S);
    EXPECT_NEAR(static_cast<double>(Abstand(E.WinkelmarkeR1[1], S)), 0.5, 1e-12);
    EXPECT_NEAR(static_cast<double>(Betrag(Kreuz(Differenz(E.WinkelmarkeR1[1], S), u))), 0.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(Betrag(Kreuz(Differenz(E.WinkelmarkeR1[3], S), n))), 0.0, 1e-12);

    Form_EbEinstell.ScrollBar1.SetPosition(5);
    const TVek_R3 v = Differenz(E.Richtungsvektor2Ende, S);
    const TVek_R3 Normale = Kreuz(u, v);
    for (int i = 1; i <= 4; ++i)  // in the turned plane
        EXPECT_NEAR(static_cast<double>(Skalarprodukt(Differenz(E.QuadratEcken[i], S), Normale) / Betrag(Normale)), 0.0,
                    1e-9);
    EXPECT_NEAR(static_cast<double>(Abstand(E.QuadratEcken[1], E.QuadratEcken[2])), 5 * 2 * AchseXMax * 0.1, 1e-9);
}

// The picture draws with the settings: the difference vectors, the normal
// vectors and the vanishing segments in their colour and width, the trace
// lines once switched on, the grid with its number of parts.
TEST_F(Einstellungen, DasBildZeichntMitDenEinstellungen) {
    ProtokollZeichenflaeche bild(824, 740);
    ZeichenbitmapEinsetzen ein(bild);
    F.But_sichtb_h.Down = true;
    F.But_sichtbClick(2);
    const auto Mit = [&](TColor farbe, int breite) {
        int n = 0;
        for (const auto& s : bild.Strecken()) n += s.pen.Color == farbe && s.pen.Width == breite;
        return n;
    };
    const TColor C1 = FarbeAusRGB(1, 2, 3), C2 = FarbeAusRGB(4, 5, 6);
    int vorher = 0;
    const std::pair<std::function<void()>, std::function<bool()>> faelle[] = {
        {[&] { host.Farben.push_back(Neu), F.FarbeStuetzvektoren1.Click(), Kreuzen(Form_Differenzvektoren.CheckBox1, true); },
         [&] { return Mit(Neu, StiftbreiteDifferenzvektoren) >= 3; }},  // shaft and two strokes
        {[&] {
             host.Farben.push_back(C1), Form_Normalenvektoren.Button_Farbe.Click();
             Waehlen(Form_Normalenvektoren.RadioGroup1, 3), Kreuzen(Form_Normalenvektoren.CheckBox1, true);
         },
         [&] { return Mit(C1, 4) == 3; }},  // E2's normal
        {[&] {
             host.Farben.push_back(C2), Form_Fluchtstr.Button_Farbe.Click();
             Waehlen(Form_Fluchtstr.RadioGroup1, 1), Kreuzen(Form_Fluchtstr.CheckBox1, true);
         },
         [&] { return Mit(C2, 2) == 8; }},
        {[&] { vorher = Mit(AchsenKreuz.Farbe, 1), Kreuzen(Form_ProjSpurGeraden.CheckBox10, true); },
         [&] { return Spurgeraden[4].gueltig == 1 && Mit(AchsenKreuz.Farbe, 1) > vorher; }},
        // three walls, two families, four more lines each
        {[&] { vorher = static_cast<int>(bild.Strecken().size()), Form_GitterWuerfelMax.Edit_AnzGitterLinien.SetText("8"); },
         [&] { return static_cast<int>(bild.Strecken().size()) == vorher + 3 * 2 * 4; }},
    };
    for (std::size_t i = 0; i < std::size(faelle); ++i) {
        bild.Leeren();
        SzeneZeichnen();
        faelle[i].first();
        bild.Leeren();
        SzeneZeichnen();
        EXPECT_TRUE(faelle[i].second()) << "Fall " << i;
    }
}

}  // namespace
