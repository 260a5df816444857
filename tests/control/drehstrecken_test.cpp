// The rotation segments of a turn show only while the scene holds that
// turn: undo and redo, the object store and the preset bring back the
// segments of the scene they restore, and the preset and a loaded file
// forget the recorded rotations along with the turn. A running turn keeps
// its own matrices and segments through all of them.

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "control/Dateien.h"
#include "control/Undo.h"
#include "control/Vorgabe.h"
#include "forms/DrehMatrizen.h"
#include "forms/Hauptfenster.h"
#include "geometry/Einheitsvektoren.h"
#include "geometry/Vektor.h"
#include "mainwindow/Hauptfenstertest.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "scene/DrehZustand.h"

namespace {

constexpr TColor Segmentfarbe = 0x00123456;

class Drehstrecken : public Hauptfenstertest {
protected:
    ProtokollZeichenflaeche bild{900, 640};
    std::unique_ptr<ZeichenbitmapEinsetzen> ein;

    void SetUp() override {
        ein = std::make_unique<ZeichenbitmapEinsetzen>(bild);
        Hauptfenstertest::SetUp();
        DrehstreckeFarbe = Segmentfarbe;
        Klick(F.But_Drehen_g);   // g turns in the mode without axes
        host.Vergessen();
    }
    void TearDown() override {
        Hauptfenstertest::TearDown();
        ein.reset();
    }
    // Rotation segments in the pictures drawn by the action.
    template <typename Aktion>
    int Segmente(Aktion a) {
        bild.Leeren();
        a();
        return bild.StreckenMitFarbe(Segmentfarbe);
    }
    int SegmenteJetzt() {
        return Segmente([] { SzeneZeichnen(); });
    }
    void Tick() { F.Timer1.OnTimer(); }
    // The next tick of a running x+ turn shows the x matrix and drops g's
    // rotation segment onto the x-axis.
    void TickZeigtXDrehung() {
        const int n = Segmente([&] { Tick(); });
        TMatrix33 M;
        DrehmatrixUmAchse(2, Drehwinkel, M);
        EXPECT_EQ(MAkt, M);
        EXPECT_EQ(Form_Dreh_Matrizen.Makt_11.Text(), "1,000000");
        EXPECT_EQ(Lotgerade.Richtungsvektor, EinhVekX);
        EXPECT_GT(n, 0);
        EXPECT_EQ(Gerade[1].Lotfuss.y, 0);
        EXPECT_EQ(Gerade[1].Lotfuss.z, 0);
    }
};

}  // namespace

TEST_F(Drehstrecken, UndoUndRedoZeigenDieSegmenteDesGezeigtenStands) {
    ASSERT_EQ(SegmenteJetzt(), 0);
    EXPECT_GT(Segmente([&] { Klick(F.But_GesamtDrehenXplus); }), 0);
    EXPECT_EQ(DrehAnzahl, 1);
    // Back past the turn: the start scene never turned.
    EXPECT_EQ(Segmente([&] { F.rckgngig1Click(); }), 0);
    EXPECT_EQ(SegmenteJetzt(), 0);
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_EQ(F.Panel_AnzDreh.Caption, "0");
    // Forward again: the turned state comes with its segments.
    EXPECT_GT(Segmente([&] { F.widerrufen1Click(); }), 0);
    // A turn about y after undoing to the start drops its segments onto
    // the y-axis; redo of an older state must not mix the two up.
    F.rckgngig1Click();
    Klick(F.But_GesamtDrehenYplus);
    const TVek_R3 yAchse = Lotgerade.Richtungsvektor;
    F.rckgngig1Click();
    F.widerrufen1Click();
    EXPECT_EQ(Lotgerade.Richtungsvektor, yAchse);
    EXPECT_GT(SegmenteJetzt(), 0);
}

TEST_F(Drehstrecken, ObjektSpeicherBringtDieSegmenteSeinerSzene) {
    Klick(F.But_GesamtDrehenXplus);
    ASSERT_GT(SegmenteJetzt(), 0);
    // The store holds the start scene: taking it back shows no segment.
    host.Antworten = {Antwort::Ja};
    EXPECT_EQ(Segmente([&] { F.BitBtn_DatenAusSpeichClick(); }), 0);
    EXPECT_EQ(SegmenteJetzt(), 0);

    // A turned scene kept in the store brings its segments back with it.
    Klick(F.But_GesamtDrehenZplus);
    host.Antworten = {Antwort::Ja};
    F.BitBtn_DatenNachSpeichClick();
    F.rckgngig1Click();
    F.rckgngig1Click();
    F.rckgngig1Click();
    ASSERT_EQ(SegmenteJetzt(), 0);
    host.Antworten = {Antwort::Ja};
    EXPECT_GT(Segmente([&] { F.BitBtn_DatenAusSpeichClick(); }), 0);
}

TEST_F(Drehstrecken, VorgabeLoeschtSegmenteUndDrehungen) {
    Klick(F.But_GesamtDrehenXplus);
    Klick(F.But_GesamtDrehenXplus);
    ASSERT_EQ(DrehAnzahl, 2);
    host.Antworten = {Antwort::Ja};
    EXPECT_EQ(Segmente([&] { F.ObjektDatensatz1Vorgabeladen1Click(); }), 0);
    EXPECT_EQ(host.LetzteMeldung(), UrzustandFrage);
    EXPECT_EQ(SegmenteJetzt(), 0);
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_EQ(F.Panel_AnzDreh.Caption, "0");
    EXPECT_FALSE(SzeneGedreht);
    // The state recorded after the load shows no segment either.
    F.rckgngig1Click();
    F.widerrufen1Click();
    EXPECT_EQ(SegmenteJetzt(), 0);

    // Answered No, nothing is forgotten.
    Klick(F.But_GesamtDrehenYmin);
    host.Antworten = {Antwort::Nein};
    F.ObjektDatensatz1Vorgabeladen1Click();
    EXPECT_EQ(DrehAnzahl, 1);
    EXPECT_GT(SegmenteJetzt(), 0);
}

TEST_F(Drehstrecken, VorgabeMitAchsenLaesstNichtsZumZurueckdrehen) {
    F.But_drehenMit_OhneAchsen.Click();
    ASSERT_TRUE(AchsenMitDrehen);
    const TAKreuz kreuz = AchsenKreuz;
    Drehwinkel = 30;
    for (int n = 0; n < 3; ++n) Klick(F.But_GesamtDrehenZplus);
    host.Antworten = {Antwort::Ja};
    F.ObjektDatensatz1Vorgabeladen1Click();
    EXPECT_EQ(AchsenKreuz, kreuz);   // the load rebuilds the axes unturned
    // A stale list would now turn the unturned axes by -90 degrees.
    F.BitBtn_DrehenAufhebenClick();
    EXPECT_EQ(AchsenKreuz, kreuz);
}

// A scene loaded from a file holds no turn either.
TEST_F(Drehstrecken, GeladeneDateiZeigtKeineSegmente) {
    const std::string pfad =
        (std::filesystem::temp_directory_path() / ("drehstrecken_" + std::to_string(getpid()) + ".OVD")).string();
    ObjektdatenPfad = pfad;
    ASSERT_TRUE(ObjektdatenSchreiben());
    Klick(F.But_GesamtDrehenXplus);
    ASSERT_GT(SegmenteJetzt(), 0);
    EXPECT_EQ(Segmente([&] { ASSERT_TRUE(ObjektdatenLaden(pfad)); }), 0);
    EXPECT_EQ(SegmenteJetzt(), 0);
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_FALSE(SzeneGedreht);
    // Showing the matrices names a latest turn again, but not one this
    // scene holds.
    F.DrehMatrizenEinAusMenue.Click();
    ASSERT_NE(DrehungErfolgt, 0);
    EXPECT_EQ(SegmenteJetzt(), 0);
    std::filesystem::remove(pfad);
}

// A running turn goes on about its own axis whatever scene undo, redo or
// the store bring back: every tick shows its matrix and drops the segments
// onto its axis.
TEST_F(Drehstrecken, LaufendeDrehungBehaeltIhreMatrizenUndSegmente) {
    F.DrehMatrizenEinAusMenue.Click();
    Klick(F.But_GesamtDrehenZplus);
    Klick(F.But_GesamtDrehenYplus);
    host.Antworten = {Antwort::Ja};
    F.BitBtn_DatenNachSpeichClick();   // the store holds the y-turned scene
    Klick(F.But_DauerDrehungEinAus);
    Klick(F.But_GesamtDrehenXplus);
    for (int n = 0; n < 3; ++n) Tick();

    F.rckgngig1Click();   // the state after the y step
    TickZeigtXDrehung();
    F.rckgngig1Click();   // after the z step
    TickZeigtXDrehung();
    F.widerrufen1Click();
    TickZeigtXDrehung();
    // The store's button refuses while a turn runs; its routine alike
    // leaves the turn alone.
    SpeicherInObjekteUebertragen();
    TickZeigtXDrehung();
    host.Antworten = {Antwort::Ja};
    F.BitBtn_DatenNachSpeichClick();   // taken while it runs
    F.rckgngig1Click();
    F.rckgngig1Click();   // the start scene, which never turned
    TickZeigtXDrehung();
    EXPECT_EQ(DrehungErfolgt, 2);

    // Stopped, the scene it leaves holds the x turn: its state keeps the
    // segments, an older scene shows none.
    Klick(F.But_GesamtDrehenXplus);
    ASSERT_EQ(DrehModus, 0);
    EXPECT_GT(SegmenteJetzt(), 0);
    F.rckgngig1Click();
    EXPECT_EQ(SegmenteJetzt(), 0);
    F.widerrufen1Click();
    EXPECT_GT(SegmenteJetzt(), 0);
    // The store holds the scene taken during the run, turned about x.
    host.Antworten = {Antwort::Ja};
    EXPECT_GT(Segmente([&] { F.BitBtn_DatenAusSpeichClick(); }), 0);
}

// A state recorded while the picture shows no segment keeps none, even
// when the turn it was recorded under is still the latest.
TEST_F(Drehstrecken, ZustandOhneSegmenteBleibtOhne) {
    Klick(F.But_GesamtDrehenYplus);
    Klick(F.But_GesamtDrehenZplus);
    F.rckgngig1Click();   // turned about y only: not the z turn's segments
    EXPECT_EQ(SegmenteJetzt(), 0);
    EXPECT_EQ(DrehungErfolgt, 6);   // the latest turn stays the latest
    F.BitBtn_DrehenAufhebenClick();   // records a state in the mode without axes
    F.rckgngig1Click();
    F.widerrufen1Click();
    EXPECT_EQ(SegmenteJetzt(), 0);
    // The next turn is held again.
    EXPECT_GT(Segmente([&] { Klick(F.But_GesamtDrehenXmin); }), 0);
}

// Turned back with the axes, the scene holds none of the recorded turns.
TEST_F(Drehstrecken, ZurueckgedrehteSzeneZeigtKeineSegmente) {
    F.But_drehenMit_OhneAchsen.Click();
    Klick(F.But_GesamtDrehenXplus);
    F.But_drehenMit_OhneAchsen.Click();   // plays the list back
    ASSERT_FALSE(AchsenMitDrehen);
    EXPECT_EQ(SegmenteJetzt(), 0);
    EXPECT_GT(Segmente([&] { Klick(F.But_GesamtDrehenXplus); }), 0);
    // Leaving the mode with an empty list turns nothing back.
    F.But_drehenMit_OhneAchsen.Click();
    F.But_drehenMit_OhneAchsen.Click();
    EXPECT_GT(SegmenteJetzt(), 0);
}
