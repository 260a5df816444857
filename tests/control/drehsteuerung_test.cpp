// Whole-scene rotation: steps, the continuous rotation on its timer, the
// list of rotations with its limit and playback, the two modes and the
// preparation before coordinates change.
#include <vector>

#include "forms/Punkte.h"
#include "geometry/Einheitsvektoren.h"
#include "geometry/Nahe.h"
#include "forms/Hauptfenster.h"
#include "mainwindow/Hauptfenstertest.h"
#include "forms/DrehMatrizen.h"
#include "view3d/Bildtest.h"
#include "scene/DrehZustand.h"
#include "control/Drehsteuerung.h"

namespace {

// Every point of the scene that a rotation may move.
std::vector<TVek_R3> AllePunkte() {
    std::vector<TVek_R3> v;
    auto p = [&v](const TVek_R3& P) { v.push_back(P); };
    auto feld = [&p](const auto& F) {
        for (const TVek_R3& P : F) p(P);
    };
    auto gerade = [&](const TGerade& G) {
        p(G.Stuetzvektor), p(G.Richtungsvektor), p(G.ZeichenAnfang), p(G.ZeichenEnde);
        p(G.VektorAnfang), p(G.VektorEnde);
        feld(G.PfeilRichtung), feld(G.PfeilStuetz), feld(G.Verbindungsvektoren);
    };
    for (const TGerade& G : Gerade) gerade(G);
    for (const TGerade& G : Spurgeraden) gerade(G);
    for (const TGerade& G : Projektionsgeraden) gerade(G);
    gerade(Gerade_sg), gerade(Drehachse);
    for (int i = 1; i <= 2; ++i) {
        const TEbene& E = Ebene[i];
        p(E.Stuetzvektor), p(E.Richtungsvektor1), p(E.Richtungsvektor2);
        p(E.StuetzvektorEnde), p(E.Richtungsvektor1Ende), p(E.Richtungsvektor2Ende);
        p(E.NormalenvektorEnde);
        feld(E.QuadratEcken), feld(E.PfeilNormale), feld(E.WinkelmarkeR1), feld(E.WinkelmarkeR2);
        for (int k = 1; k <= E.SchnittpunktAnzahl; ++k) p(E.Schnittpunkte[k]);
    }
    for (const TSpat& S : Spat) feld(S.Ecke), feld(S.ErzeugendePfeile);
    feld(MaxQuader.Ecke), feld(MaxQuader.Kantenmitten);
    for (const TVektor& V : Vektor) p(V.Anfangspunkt), p(V.Endpunkt), feld(V.Pfeil);
    for (const TStrecke& S : Strecke) p(S.A), p(S.B);
    for (const TPunkt& P : Punkt) p(P.Ort), feld(P.FadenkreuzArme);
    for (const TKugel& K : Kugel)
        for (int k = 0; k <= 553; ++k) p(K.Netz[k]);
    // (A cone's normal takes the length of the height once it turns.)
    for (const TKegel& K : Kegel)
        for (int k = 1; k <= 61; ++k) p(K.Randpunkt[k]);
    for (const TKugel& K : Kugel) p(K.Mittelpunkt);
    for (const TKegel& K : Kegel) p(K.Mittelpunkt), p(K.Spitze);
    p(Fadenkreuz.Mittelpunkt), feld(Fadenkreuz.ArmAnfang), feld(Fadenkreuz.ArmEnde);
    feld(AchsenKreuz.Achsenpunkte);
    feld(AchsenEinteilung.XStrichAnfang), feld(AchsenEinteilung.ZStrichEnde);
    return v;
}

class Drehsteuerung : public Hauptfenstertest {
protected:
    int undo = 0;

    void SetUp() override {
        Hauptfenstertest::SetUp();
        UndoPunktSetzenAktion = [this] { ++undo; };
        host.Vergessen();
    }
    void TearDown() override {
        Hauptfenstertest::TearDown();
        UndoPunktSetzenAktion = nullptr;
    }
    TSpeedButton& Knopf(int Code) {
        TSpeedButton* k[7] = {&F.But_GesamtDrehenXmin, &F.But_GesamtDrehenXplus, &F.But_GesamtDrehenYmin,
                              &F.But_GesamtDrehenYplus, &F.But_GesamtDrehenZmin, &F.But_GesamtDrehenZplus,
                              &F.But_GesamtDrehenUmAchse};
        return *k[Code - 1];
    }
    void Tick() { F.Timer1.OnTimer(); }
};

}  // namespace

TEST_F(Drehsteuerung, DauerdrehungIstEinEintrag) {
    Klick(F.But_DauerDrehungEinAus);
    EXPECT_EQ(F.Timer1.Interval, 0);  // armed, nothing turns yet
    Klick(Knopf(1));
    EXPECT_EQ(DrehModus, 1);
    EXPECT_EQ(F.Timer1.Interval, 20);
    EXPECT_TRUE(Knopf(1).Down);
    EXPECT_EQ(Knopf(1).FontColor, 0x000000FFu);
    for (int n = 0; n < 37; ++n) Tick();
    EXPECT_EQ(DrehAnzahl, 1);
    EXPECT_EQ(DrehListe[1].Achse, 1);
    EXPECT_NEAR(static_cast<double>(DrehListe[1].Winkel), -37.0, 1e-12);
    EXPECT_EQ(bilder, 37);
    EXPECT_EQ(undo, 1);  // the start records one state, the ticks none
    // The same button stops it and leaves it armed; the next tick stops
    // the timer.
    Klick(Knopf(1));
    EXPECT_EQ(DrehModus, 0);
    EXPECT_EQ(F.Timer1.Interval, 0);
    EXPECT_FALSE(Knopf(1).Down);
    EXPECT_TRUE(DauerDrehen);
    F.Timer1.Interval = 20;
    Tick();
    EXPECT_EQ(F.Timer1.Interval, 0);
    EXPECT_NEAR(static_cast<double>(DrehListe[1].Winkel), -37.0, 1e-12);
    // Another direction opens a new entry.
    Klick(Knopf(4));
    Tick();
    Klick(Knopf(6));
    for (int n = 0; n < 2; ++n) Tick();
    EXPECT_EQ(DrehAnzahl, 3);
    EXPECT_EQ(DrehListe[2], (TDrehung{4, 1}));
    EXPECT_EQ(DrehListe[3], (TDrehung{6, 2}));
    EXPECT_FALSE(Knopf(4).Down);
    EXPECT_EQ(Knopf(4).FontColor, 0u);
}

TEST_F(Drehsteuerung, HoechstensZwanzigDrehungen) {
    for (int n = 1; n <= 20; ++n) Klick(Knopf(2));
    EXPECT_EQ(DrehAnzahl, 20);
    const std::vector<TVek_R3> vorher = AllePunkte();
    const auto liste = DrehListe;
    Klick(Knopf(5));
    EXPECT_EQ(host.LetzteMeldung(), DrehGrenzeMeldung);
    EXPECT_EQ(DrehAnzahl, 20);
    EXPECT_EQ(DrehListe, liste);
    EXPECT_EQ(AllePunkte(), vorher);
    EXPECT_EQ(DrehungErfolgt, 2);
    EXPECT_FALSE(Knopf(5).Down);
    // The rotation segments stay on the axis of the turn done.
    EXPECT_EQ(Lotgerade.Richtungsvektor, EinhVekX);

    // Even the button of the running rotation is refused, and it keeps
    // running.
    DrehAnzahl = 19;
    Klick(F.But_DauerDrehungEinAus);
    Klick(Knopf(3));
    ASSERT_EQ(DrehModus, 3);
    Klick(Knopf(3));
    EXPECT_EQ(host.LetzteMeldung(), DrehGrenzeMeldung);
    EXPECT_EQ(DrehModus, 3);
    EXPECT_EQ(F.Timer1.Interval, 20);
    EXPECT_TRUE(Knopf(3).Down);
    // A refused click on another button of the group, which released the
    // running one, leaves the running one marked.
    Knopf(3).Down = false;
    Klick(Knopf(4));
    EXPECT_EQ(DrehModus, 3);
    EXPECT_TRUE(Knopf(3).Down);
    EXPECT_FALSE(Knopf(4).Down);
    // A refused click on another axis: the running turn keeps its segments
    // on its own axis.
    Klick(Knopf(6));
    EXPECT_EQ(DrehModus, 3);
    EXPECT_EQ(Lotgerade.Richtungsvektor, EinhVekY);
    // The red dot resets the list (the objects keep their place without axes).
    F.BitBtn_DrehenAufheben.Click();
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_EQ(DrehModus, 0);
    EXPECT_FALSE(DauerDrehen);
}

TEST_F(Drehsteuerung, RueckdrehungMitAchsen) {
    F.But_drehenMit_OhneAchsen.Click();
    ASSERT_TRUE(AchsenMitDrehen);
    EXPECT_FALSE(F.But_GesamtDrehenUmAchse.Enabled);
    const std::vector<TVek_R3> vorher = AllePunkte();
    Drehwinkel = 17;
    Klick(Knopf(2));
    Klick(Knopf(3));
    Drehwinkel = 2.5L;
    Klick(F.But_DauerDrehungEinAus);
    Klick(Knopf(6));
    for (int n = 0; n < 9; ++n) Tick();
    Klick(F.But_DauerDrehungEinAus);
    Drehwinkel = 40;
    Klick(Knopf(1));
    ASSERT_EQ(DrehAnzahl, 4);
    EXPECT_GT(GroessteAbweichung(AllePunkte(), vorher), 1.0L);
    F.BitBtn_DrehenAufheben.Click();
    EXPECT_LT(GroessteAbweichung(AllePunkte(), vorher), 1e-9L);
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_FALSE(SzeneGedreht);
    EXPECT_TRUE(AchsenMitDrehen);
}

TEST_F(Drehsteuerung, RueckdrehungOhneAchsen) {
    F.AlleDrehKnoepfeSetzen(true);
    const std::vector<TVek_R3> vorher = AllePunkte();
    const std::string zelle = Form_Punkte.StringGrid1.Cells(1, 0);
    const TAKreuz kreuz = AchsenKreuz;
    Drehwinkel = 33;
    for (int n = 0; n < 5; ++n) Klick(Knopf(2));
    Klick(Knopf(3));
    Klick(Knopf(6));
    EXPECT_GT(GroessteAbweichung(AllePunkte(), vorher), 1.0L);
    EXPECT_NE(Form_Punkte.StringGrid1.Cells(1, 0), zelle);
    EXPECT_EQ(AchsenKreuz, kreuz);  // the axes turn only with the axes
    // Played back from the newest entry: a wrong order would not come home.
    AlleDrehungenRueckgaengig();
    EXPECT_LT(GroessteAbweichung(AllePunkte(), vorher), 1e-9L);
    EXPECT_EQ(Form_Punkte.StringGrid1.Cells(1, 0), "4,000");
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_FALSE(SzeneGedreht);
    // An empty list plays back into one picture.
    bilder = 0;
    SzeneGedreht = true;
    AlleDrehungenRueckgaengig();
    EXPECT_FALSE(SzeneGedreht);
    EXPECT_EQ(bilder, 1);
}

TEST_F(Drehsteuerung, OhneMarkierteObjekte) {
    // A step changes no object, but opens its entry, marks the scene
    // rotated and redraws.
    const std::vector<TVek_R3> vorher = AllePunkte();
    Klick(Knopf(4));
    EXPECT_EQ(AllePunkte(), vorher);
    EXPECT_EQ(DrehListe[1], (TDrehung{4, 1}));
    EXPECT_TRUE(SzeneGedreht);
    EXPECT_EQ(bilder, 1);
    EXPECT_EQ(undo, 1);
}

TEST_F(Drehsteuerung, ModuswechselDrehtZurueckOderBehaelt) {
    // Without -> with axes: the turned positions stay, the list is emptied.
    F.AlleDrehKnoepfeSetzen(true);
    Drehwinkel = 30;
    Klick(Knopf(2));
    const std::vector<TVek_R3> gedreht = AllePunkte();
    const long schritte = AchsenDrehschritte;
    F.But_drehenMit_OhneAchsen.Click();
    EXPECT_TRUE(AchsenMitDrehen);
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_EQ(AllePunkte(), gedreht);
    EXPECT_EQ(Form_Dreh_Matrizen.Label7.Caption, "Drehungen mit Koordinatenachsen");
    // With -> without axes: everything turns back first. Counted as turns
    // with the axes are the steps that turn: not the switch, nor an entry
    // of 0 degrees (a continuous turn stopped before its first tick).
    Klick(F.But_DauerDrehungEinAus);
    Klick(Knopf(1));
    Klick(Knopf(1));
    Klick(F.But_DauerDrehungEinAus);
    Klick(Knopf(3));
    Klick(Knopf(5));
    F.AchsmitObjdreh.Click();
    EXPECT_EQ(AchsenDrehschritte, schritte + 4);
    EXPECT_FALSE(AchsenMitDrehen);
    EXPECT_LT(GroessteAbweichung(AllePunkte(), gedreht), 1e-9L);
    EXPECT_EQ(F.But_drehenMit_OhneAchsen.Caption, "mit Achsen");
    EXPECT_TRUE(F.BitBtn_BackObj.Enabled);
}

TEST_F(Drehsteuerung, UmDieDrehachse) {
    F.AlleDrehKnoepfeSetzen(true);
    Drehachse.Stuetzvektor = Drehachse.VektorAnfang = {1, 1, 0};
    Drehachse.Richtungsvektor = {0, 0, 2};
    Drehachse.VektorEnde = {1, 1, 2};
    // A single step leaves the code alone (right after the start no
    // rotation segment is drawn) and records no entry. P1 (4, 4, 0) a
    // quarter turn about the vertical through (1, 1): (-2, 4, 0).
    Drehwinkel = 90;
    Klick(Knopf(7));
    EXPECT_EQ(DrehungErfolgt, 0);
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_EQ(Lotgerade.Stuetzvektor, Drehachse.Stuetzvektor);
    EXPECT_EQ(Form_Punkte.StringGrid1.Cells(1, 0), "-2,000");

    // Starting it continuously empties the counter without playing back;
    // the next direction button opens entry 1 with angle 0.
    Drehwinkel = 1;
    Klick(Knopf(2));
    Klick(Knopf(2));
    ASSERT_EQ(DrehAnzahl, 2);
    const std::vector<TVek_R3> vorher = AllePunkte();
    Klick(F.But_DauerDrehungEinAus);
    Klick(Knopf(7));
    EXPECT_EQ(DrehModus, 7);
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_EQ(DrehungErfolgt, 7);
    EXPECT_EQ(AllePunkte(), vorher);
    Tick();
    EXPECT_NE(AllePunkte(), vorher);
    Klick(Knopf(5));
    EXPECT_EQ(DrehAnzahl, 1);
    EXPECT_EQ(DrehListe[1], (TDrehung{5, 0}));
    EXPECT_FALSE(Knopf(7).Down);
}

TEST_F(Drehsteuerung, GesamtmatrixNachZuruecksetzen) {
    // The axis button resets the matrices; the next step must start the
    // total afresh instead of multiplying into zero.
    Drehwinkel = 10;
    Klick(Knopf(2));
    Klick(Knopf(7));
    EXPECT_EQ(MGes, TMatrix33{});
    EXPECT_EQ(DrehMatrixAnzahl, 0);
    Klick(Knopf(4));
    EXPECT_EQ(DrehMatrixAnzahl, 1);
    EXPECT_EQ(MGes, MAkt);
    EXPECT_NE(MGes, TMatrix33{});
    EXPECT_EQ(Form_Dreh_Matrizen.Mges_22.Text(), "1,000000");
}

TEST_F(Drehsteuerung, TickWaehrendEinerMeldung) {
    // A message shown during a tick runs its own loop, in which the timer
    // fires again: those ticks are dropped.
    struct MeldungMitTicks : SkriptHost {
        int ticks = 0;
        Antwort Meldung(const std::string& t, MeldungsArt a, Knoepfe k) override {
            for (int n = 0; n < 3; ++n) {
                ++ticks;
                Form_Edits_01.Timer1.OnTimer();
            }
            return SkriptHost::Meldung(t, a, k);
        }
    } meldend;
    HostEinsetzen h(meldend);
    BildUebertragen = [] { MeldungZeigen("beim Zeichnen"); };
    Klick(F.But_DauerDrehungEinAus);
    Klick(Knopf(2));
    Tick();
    EXPECT_EQ(meldend.ticks, 3);
    EXPECT_EQ(meldend.Meldungen.size(), 1u);
    EXPECT_NEAR(static_cast<double>(DrehListe[1].Winkel), 1.0, 1e-12);
    // Once answered, ticks run again.
    Tick();
    EXPECT_NEAR(static_cast<double>(DrehListe[1].Winkel), 2.0, 1e-12);
}

TEST_F(Drehsteuerung, VorDerKoordinatenaenderung) {
    EXPECT_TRUE(KoordinatenAenderungVorbereiten());  // nothing in the way: no question
    EXPECT_TRUE(host.Meldungen.empty());

    // With axes, No changes nothing; Yes turns back and leaves the mode.
    F.But_drehenMit_OhneAchsen.Click();
    const std::vector<TVek_R3> vorher = AllePunkte();
    Klick(Knopf(2));
    Klick(F.But_DauerDrehungEinAus);
    Klick(Knopf(4));
    Tick();
    host.Antworten = {Antwort::Nein};
    EXPECT_FALSE(KoordinatenAenderungVorbereiten());
    EXPECT_EQ(host.LetzteMeldung(), KoordAenderungFrage);
    EXPECT_TRUE(AchsenMitDrehen);
    EXPECT_EQ(DrehModus, 4);
    host.Antworten = {Antwort::Ja};
    EXPECT_TRUE(KoordinatenAenderungVorbereiten());
    EXPECT_FALSE(AchsenMitDrehen);
    EXPECT_EQ(DrehModus, 0);
    EXPECT_FALSE(DauerDrehen);
    EXPECT_LT(GroessteAbweichung(AllePunkte(), vorher), 1e-9L);

    // A continuous rotation without axes: Yes stops it.
    Klick(F.But_DauerDrehungEinAus);
    Klick(Knopf(1));
    host.Antworten = {Antwort::Ja};
    EXPECT_TRUE(KoordinatenAenderungVorbereiten());
    EXPECT_EQ(DrehModus, 0);
    EXPECT_FALSE(Knopf(1).Down);

    // Without asking.
    F.But_drehenMit_OhneAchsen.Click();
    Klick(Knopf(3));
    Klick(F.But_DauerDrehungEinAus);
    DrehungFuerEingabeAufheben();
    EXPECT_FALSE(AchsenMitDrehen);
    EXPECT_FALSE(DauerDrehen);
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_LT(GroessteAbweichung(AllePunkte(), vorher), 1e-9L);

    // For a dialog's own question: leaves the mode with axes.
    F.But_drehenMit_OhneAchsen.Click();
    DrehungenZuruecksetzen();
    EXPECT_FALSE(AchsenMitDrehen);
}

