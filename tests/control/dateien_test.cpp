// Object-data and colour-set files: exact bytes on disk, round trips, bad
// files that must change nothing, failed writes that must keep the previous
// file, and a fuzz run over random and mutated files.

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>

#include "Szenenstand.h"

#include "dialogs/Tippen.h"
#include "forms/EbenKoord.h"
#include "forms/Hauptfenster.h"
#include "forms/ObjekteDaten.h"
#include "forms/VektSumme.h"
#include "forms/Vektoren.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "view3d/Zeichnen.h"
#include "forms/Schalter.h"
#include "control/Dateien.h"
#include "forms/Datenausgabe.h"
#include "reports/Ergebnisse.h"
#include "scene/Datensatz.h"
#include "scene/Speicherzustand.h"

namespace fs = std::filesystem;

namespace {

using Inhalt = std::vector<std::uint8_t>;

Inhalt Lesen(const std::string& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return Inhalt(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void Schreiben(const std::string& pfad, const Inhalt& b) {
    // A new file each time: rewriting one in place makes some file systems
    // flush it to disk at every close.
    std::remove(pfad.c_str());
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Extended ZahlBei(const Inhalt& b, std::size_t o) { return BytesZuExtended(&b[o]); }

void ZahlSetzen(Inhalt& b, std::size_t o, Extended v) { ExtendedZuBytes(v, &b[o]); }

// Everything a load could change: the objects as records, every dialog
// grid, the colours, the file buffers and the preset menu checks.
struct Zustand {
    TDatensatzBytes satz1, satz2;
    std::vector<std::string> zellen;
    std::vector<TColor> farben;
    TDatensatzBytes puffer1, puffer2;
    TFarbsetBytes farbpuffer1, farbpuffer2;
    std::vector<bool> haken;
    std::string radiusText;
    bool operator==(const Zustand&) const = default;
};

Zustand Aufnehmen() {
    Zustand s;
    s.satz1 = InBytes(DatensatzAusObjekten());
    s.satz2 = InBytes(Datensatz2AusObjekten());
    s.zellen = Gitterbild(false);
    for (int i = 1; i <= 3; ++i) s.farben.push_back(Gerade[i].Farbe);
    for (int i = 1; i <= 4; ++i)
        s.farben.insert(s.farben.end(), {Spat[i].Farbe, Kugel[i].Farbe, Kegel[i].Farbe});
    s.farben.insert(s.farben.end(), {FarbeG, FarbeHintergrund, FarbeAchsen, Fadenkreuz.Farbe,
                                     Form_Edits_01.Pan_Farbe_g.Color});
    s.puffer1 = InBytes(Objektdatensaetze[0]);
    s.puffer2 = InBytes(Objektdatensaetze2[0]);
    s.farbpuffer1 = InBytes(Farbsets[0]);
    s.farbpuffer2 = InBytes(Farbsets2[0]);
    for (TMenuItem* m : {&Form_Edits_01.FarbSet1, &Form_Edits_01.Farbset2, &Form_Edits_01.Farbset3,
                         &Form_Edits_01.Farbset4, &Form_Edits_01.Farbset5})
        s.haken.push_back(m->Checked);
    s.radiusText = Form_Kugeln.Edit_Radius.Text();
    return s;
}

class Dateien : public Szenenstand {
protected:
    void SetUp() override {
        Szenenstand::SetUp();
        char muster[] = "/tmp/rg_dateien_XXXXXX";
        ASSERT_NE(::mkdtemp(muster), nullptr);
        ordner = muster;
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(ordner, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(ordner, ec);
        Szenenstand::TearDown();
    }

    std::string Pfad(const std::string& name) const { return ordner + "/" + name; }
    long Dateianzahl() const {
        return std::distance(fs::directory_iterator(ordner), fs::directory_iterator());
    }

    // The menu commands, the file dialog answering `pfad`.
    void Befehl(const std::string& pfad, void (TForm_Edits_01::*klick)()) {
        host.Dateinamen.push_back(pfad);
        (Form_Edits_01.*klick)();
    }
    void ObjekteSpeichern(const std::string& p) { Befehl(p, &TForm_Edits_01::aktuelleObjektdatenspeichern1Click); }
    void ObjekteLaden(const std::string& p) { Befehl(p, &TForm_Edits_01::Objektdatenladen1Click); }
    void FarbenSpeichern(const std::string& p) { Befehl(p, &TForm_Edits_01::aktuellesFarbsetspeichern1Click); }
    void FarbenLaden(const std::string& p) { Befehl(p, &TForm_Edits_01::Farbsetladen1Click); }

    // Refused: a message naming the file, nothing changed, one undo state.
    void ErwarteAbgelehnt(const std::string& pfad, const Inhalt& b, const std::string& fall) {
        Schreiben(pfad, b);
        const Zustand vorher = Aufnehmen();
        const int undo = UndoAnzahl;
        host.Vergessen();
        ObjekteLaden(pfad);
        ASSERT_EQ(host.Meldungen.size(), 1u) << fall;
        EXPECT_NE(host.LetzteMeldung().find(pfad), std::string::npos) << fall;
        EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Warnung);
        EXPECT_TRUE(Aufnehmen() == vorher) << fall;
        EXPECT_EQ(UndoAnzahl, undo + 1) << fall;
        EXPECT_EQ(NeuZeichnenAus, 0);
    }

    std::string ordner;
};

TEST_F(Dateien, GespeicherteObjektdatenHabenIhrLayout) {
    Kugel[2].Radius = 1.23456L;
    Kegel[3].Hoehe = 0;
    FadenkreuzSchrittweite = 0.1L;
    // The dialog adds a missing extension itself (and asks about that file):
    // the path it gives is written as it is.
    ObjekteSpeichern(Pfad("szene.OVD"));
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_EQ(host.Dateidialoge.back().endung, "OVD");
    EXPECT_EQ(ObjektdatenPfad, Pfad("szene.OVD"));
    const Inhalt b = Lesen(Pfad("szene.OVD"));
    ASSERT_EQ(b.size(), 3408u);

    // h is hidden at start: its visibility field holds 1.0.
    const Inhalt eins = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    EXPECT_EQ(Inhalt(b.begin() + 1704 + 1066, b.begin() + 1704 + 1076), eins);
    // Every offset is checked with the records; here that the file holds
    // the scene's own values in both records.
    const std::pair<std::size_t, Extended> felder[] = {
        {1704 + 1056, 0.0L},   // g visible
        {0, Gerade_g.Stuetzvektor.x},
        {1674, 1.23456L},
        {1704 + 436, 0.0L},
        {1704 + 1472, 0.1L},
    };
    for (const auto& [o, w] : felder) EXPECT_EQ(ZahlBei(b, o), w) << o;
    // Filler bytes of a slot and the unused tail are zero.
    EXPECT_EQ(b[30], 0);
    EXPECT_EQ(b[31], 0);
    for (std::size_t i = 1704 + 1482; i < 3408; ++i) ASSERT_EQ(b[i], 0) << i;
    EXPECT_EQ(Dateianzahl(), 1);   // nothing else left in the folder
}

TEST_F(Dateien, FarbsetRundreiseEinSatzUndLeereDatei) {
    FarbenSpeichern(Pfad("farben.OVF"));
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_EQ(FarbsetPfad, Pfad("farben.OVF"));
    ASSERT_EQ(host.Dateidialoge.back().titel, "aktuelles Farbset speichern");
    EXPECT_EQ(host.Dateidialoge.back().endung, "OVF");
    const Inhalt a = Lesen(Pfad("farben.OVF"));
    ASSERT_EQ(a.size(), 240u);
    EXPECT_EQ(a[4 * 7 + 0], FarbeHintergrund & 0xFF);
    EXPECT_EQ(a[120 + 0], Fadenkreuz.Farbe & 0xFF);
    EXPECT_EQ(a[120 + 2], (Fadenkreuz.Farbe >> 16) & 0xFF);

    // (Round trips of any colours: rundreise_test.) A load shows in the panels
    // and takes the check off the preset sets.
    const TColor ke4 = Kegel[4].Farbe;
    Kegel[4].Farbe = 0x00222222;
    FarbenLaden(Pfad("farben.OVF"));
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_EQ(Form_Edits_01.Pan_Farbe_Ke4.Color, ke4);
    EXPECT_FALSE(Form_Edits_01.FarbSet1.Checked);

    // Record 1 and a broken rest: only record 1 is applied.
    Inhalt b = a;
    b.resize(120 + 50);
    b[0] = 0x12;   // g
    Schreiben(Pfad("eins.ovf"), b);
    Fadenkreuz.Farbe = 0x00445566;
    FarbenLaden(Pfad("eins.ovf"));
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_EQ(Gerade_g.Farbe & 0xFF, 0x12u);
    EXPECT_EQ(Fadenkreuz.Farbe, 0x00445566u);   // crosshair and cones stay

    // Empty and truncated files: nothing changes, the user is told.
    for (std::size_t groesse : {0u, 119u}) {
        Form_Edits_01.Farbset3.Checked = true;
        Schreiben(Pfad("leer.ovf"), Inhalt(groesse, 0x01));
        const Zustand vorher = Aufnehmen();
        host.Vergessen();
        FarbenLaden(Pfad("leer.ovf"));
        ASSERT_EQ(host.Meldungen.size(), 1u);
        EXPECT_NE(host.LetzteMeldung().find(Pfad("leer.ovf")), std::string::npos);
        EXPECT_TRUE(Aufnehmen() == vorher) << groesse;
    }
    // A colour with a top byte is no colour of this program.
    b = a;
    b[4 * 3 + 3] = 0x80;
    Schreiben(Pfad("schlecht.ovf"), b);
    const Zustand vorher = Aufnehmen();
    host.Vergessen();
    FarbenLaden(Pfad("schlecht.ovf"));
    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_TRUE(Aufnehmen() == vorher);
    // Cancelled: nothing.
    host.Vergessen();
    Form_Edits_01.Farbsetladen1Click();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_TRUE(Aufnehmen() == vorher);
}

TEST_F(Dateien, EinSatzUndUeberlangeDatei) {
    ObjekteSpeichern(Pfad("a.ovd"));
    const Inhalt gut = Lesen(Pfad("a.ovd"));
    const TVek_R3 g = Gerade_g.Stuetzvektor;

    // Garbage after the second record is not read.
    Inhalt b = gut;
    b.resize(3408 + 5000, 0xFF);
    Schreiben(Pfad("lang.ovd"), b);
    Spalte(Form_Geraden_t.StringGrid1, 0, 1, "1", "2", "3");
    SzeneNeuBerechnen();
    ObjekteLaden(Pfad("lang.ovd"));
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_EQ(Gerade_g.Stuetzvektor, g);

    // One whole record and a torn second one: applied and recomputed.
    b = gut;
    b.resize(1704 + 100);
    ZahlSetzen(b, 0, 3.5L);      // g's support point x
    ZahlSetzen(b, 1664, 2.5L);   // K1's radius
    Schreiben(Pfad("eins.ovd"), b);
    Kegel[1].Speichen = 60;
    Gerade_g.sichtbar = 0;
    ObjekteLaden(Pfad("eins.ovd"));
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    // The objects follow the file, not only the cells.
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, 3.5L);
    EXPECT_EQ(Kugel[1].Radius, 2.5L);
    EXPECT_EQ(UndoDaten[UndoAnzahl - 1].gStuetz.x, 3.5L);
    EXPECT_TRUE(DatenWerdenGeladen);
    // Record 2 was not read: attributes stay.
    EXPECT_EQ(Kegel[1].Speichen, 60);
    EXPECT_EQ(Gerade_g.sichtbar, 0);
}

TEST_F(Dateien, SchlechteDateienAendernNichts) {
    ObjekteSpeichern(Pfad("gut.ovd"));
    const Inhalt gut = Lesen(Pfad("gut.ovd"));
    ASSERT_EQ(gut.size(), 3408u);
    const std::string p = Pfad("schlecht.ovd");
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();

    ErwarteAbgelehnt(p, {}, "leer");
    ErwarteAbgelehnt(p, Inhalt(gut.begin(), gut.begin() + 1703), "abgeschnitten");
    Inhalt nanGefuellt(3408);
    for (std::size_t o = 0; o + 10 <= nanGefuellt.size(); o += 10) ZahlSetzen(nanGefuellt, o, nan);
    ErwarteAbgelehnt(p, nanGefuellt, "NaN");
    ErwarteAbgelehnt(p, Inhalt(3408, 0xFF), "0xFF");

    struct Fall {
        std::size_t offset;
        Extended wert;
        const char* name;
    };
    const Fall faelle[] = {
        {0, inf, "unendliche Koordinate"},
        {1408 + 20, nan, "NaN in einem Punkt"},
        {1664, -inf, "Kugelradius -inf"},
        {1704 + 96, nan, "Kegelradius NaN"},
        {1704 + 448, inf, "Kegelhoehe"},
        {1704 + 64 + 20, nan, "Kegelnormale"},
        {1704 + 106 + 96, 7, "Speichenzahl 7"},
        {1704 + 116, 13, "Randdicke 13"},
        {1704 + 116, 0, "Randdicke 0"},
        {1704 + 458, 0, "Stiftbreite 0"},
        {1704 + 640, 5, "Punktgroesse 5"},
        {1704 + 554, 2.5L, "halbe Stiftbreite"},
        {1704 + 682, 10, "Breitenkreise 10"},
        {1704 + 724, 6, "Laengenkreise 6"},
        {1704 + 768, 2, "Stilindex 2"},
        {1704 + 1034, -1, "Fadenkreuzstil -1"},
        {1704 + 1312, 0.5L, "Sichtbarkeit 0,5"},
        {1704 + 1460, 3, "Fadenkreuz von P4"},
        {1704 + 1472, nan, "Schrittweite NaN"},
    };
    for (const Fall& f : faelle) {
        Inhalt b = gut;
        ZahlSetzen(b, f.offset, f.wert);
        ErwarteAbgelehnt(p, b, f.name);
    }

    // Only the first record can fail when the second is missing.
    Inhalt b(gut.begin(), gut.begin() + 1704);
    ZahlSetzen(b, 1664, nan);
    ErwarteAbgelehnt(p, b, "ein Satz mit NaN");

    // A missing file; a folder.
    const Zustand vorher = Aufnehmen();
    for (const std::string& q : {Pfad("gibt_es_nicht.ovd"), ordner}) {
        host.Vergessen();
        ObjekteLaden(q);
        ASSERT_EQ(host.Meldungen.size(), 1u) << q;
        EXPECT_NE(host.LetzteMeldung().find(q), std::string::npos) << q;
        EXPECT_TRUE(Aufnehmen() == vorher) << q;
    }
}

// Whatever is finite comes in exactly as it is: what a turn, a plane form or
// a shift makes beyond what can be typed, more decimals than a cell shows, a
// null direction, radii and a step no field would take.
TEST_F(Dateien, JedeEndlicheZahlKommtGenauAn) {
    ObjekteSpeichern(Pfad("gut.ovd"));
    Inhalt b = Lesen(Pfad("gut.ovd"));
    const std::pair<std::size_t, Extended> werte[] = {
        {64, 14142.135623730950488L}, {74, -20000}, {84, 6e17L},   // h's support point
        {96, 0}, {106, 0}, {116, 0},                             // h's direction
        {160, 0.0001L}, {170, 0}, {180, -0.0L},                  // t's direction
        {1664, -9999.5L}, {1674, 1e6L}, {1704 + 448, 0}, {1704 + 1472, 12.5L},
    };
    for (const auto& [o, v] : werte) ZahlSetzen(b, o, v);
    Schreiben(Pfad("weit.ovd"), b);
    ObjekteLaden(Pfad("weit.ovd"));
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    ObjekteSpeichern(Pfad("wieder.ovd"));
    EXPECT_EQ(Lesen(Pfad("wieder.ovd")), b);
}

// Numbers far beyond anything the program writes are refused; up to that
// bound, nothing a label or a report shows is NaN or infinite.
TEST_F(Dateien, ZahlenJenseitsDerGrenzeAbgelehntDarunterNurEndlicheTexte) {
    ObjekteSpeichern(Pfad("gut.ovd"));
    const Inhalt gut = Lesen(Pfad("gut.ovd"));
    const std::pair<std::size_t, Extended> zuGross[] = {
        {0, std::numeric_limits<Extended>::max()}, {0, 1e4000L}, {0, 1e111L}, {10, -1.01e110L},
        {1664, 1e111L}, {1704 + 448, 1e111L}, {1704 + 1472, -1e130L}, {1704 + 64, 1e300L},
    };
    for (const auto& [o, v] : zuGross) {
        Inhalt b = gut;
        ZahlSetzen(b, o, v);
        ErwarteAbgelehnt(Pfad("gross.ovd"), b, std::to_string(o));
        EXPECT_NE(host.LetzteMeldung().find("enthält keine gültigen Objektdaten"), std::string::npos);
    }

    // At the bound: g, h, t and both planes far out, some directions tiny.
    Inhalt b = gut;
    const Extended G = 1e110L;
    const Extended werte[12][3] = {
        {G, -G, G},   {1e-9L, G, 0}, {-G, G, -G},  {G, G, 1e-9L}, {0, 0, G}, {1e-9L, 0, 0},
        {G, G, -G},   {G, 0, 1e-9L}, {0, G, G},    {-G, 0, G},    {1, 0, 0}, {G, 1e-9L, 0},
    };
    for (std::size_t k = 0; k < 12; ++k)
        for (std::size_t i = 0; i < 3; ++i) ZahlSetzen(b, 32 * k + 10 * i, werte[k][i]);
    Schreiben(Pfad("grenze.ovd"), b);
    host.Vergessen();
    ObjekteLaden(Pfad("grenze.ovd"));
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    const auto endlich = [](const std::string& t) {
        return t.find("NAN") == std::string::npos && t.find("INF") == std::string::npos;
    };
    TForm_Edits_01& F = Form_Edits_01;
    for (const TLabel* l : {&F.Label_gh, &F.Label_gt, &F.Label_ht, &F.Label_gE1, &F.Label_hE1, &F.Label_tE1,
                            &F.Label_gE2, &F.Label_hE2, &F.Label_tE2, &F.Label_E1E2, &F.Label_sg_Stuetz_x,
                            &F.Label_sg_Stuetz_y, &F.Label_sg_Stuetz_z, &F.Label_sg_Richt_x, &F.Label_sg_Richt_y,
                            &F.Label_sg_Richt_z})
        EXPECT_TRUE(endlich(l->Caption)) << l->Caption;
    for (int code = 1; code <= 118; ++code) {
        ErgebnisAusgeben(static_cast<Byte>(code));
        for (const std::string& z : Form_Datenausgabe.Memo1.Lines) EXPECT_TRUE(endlich(z)) << code << ": " << z;
    }
}

// Every object at the bound, all of them shown: the picture, with and
// without hidden lines, the reports and the tool windows that read the
// scene show no NAN or INF.
TEST_F(Dateien, AllesAnDerGrenzeZeigtNurEndlicheZahlen) {
    ObjekteSpeichern(Pfad("gut.ovd"));
    Inhalt b = Lesen(Pfad("gut.ovd"));
    const Extended G = 1e110L;
    const Extended wahl[] = {G, -G, 0, 1e-9L, G, 1, -G};
    std::size_t n = 0;
    for (const auto& f : Vektorfelder1())
        for (std::size_t i = 0; i < 3; ++i) ZahlSetzen(b, f.Offset + 10 * i, wahl[n++ % std::size(wahl)]);
    for (const auto& f : Vektorfelder2())
        for (std::size_t i = 0; i < 3; ++i) ZahlSetzen(b, DatensatzGroesse + f.Offset + 10 * i, wahl[n++ % 7]);
    for (const auto& f : Zahlfelder1()) ZahlSetzen(b, f.Offset, G);
    for (const auto& f : Zahlfelder2())
        if (f.Art == TWertArt::Zahl) ZahlSetzen(b, DatensatzGroesse + f.Offset, G);
    Schreiben(Pfad("grenze.ovd"), b);
    ObjekteLaden(Pfad("grenze.ovd"));
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();

    const auto endlich = [](const std::string& t) {
        return t.find("NAN") == std::string::npos && t.find("INF") == std::string::npos;
    };
    TForm_Edits_01& F = Form_Edits_01;
    for (int i = 1; i <= 30; ++i)
        if (!F.But_sichtb(i).Down) F.But_sichtb(i).Down = true, F.But_sichtb(i).Click();
    ProtokollZeichenflaeche bild(824, 740);
    ZeichenbitmapEinsetzen ein(bild);
    ParamDarstellungZeigen = true;   // the equations in the picture
    for (bool verdeckt : {false, true}) {
        host.StandardAntwort = Antwort::Ja;
        if (verdeckt != VerdeckteLinien) F.vdLClick();
        ASSERT_EQ(VerdeckteLinien, verdeckt);
        bild.Leeren();
        SzeneZeichnen();
        EXPECT_GE(bild.Texte().size(), 40u);
        for (const std::string& t : bild.Texte()) EXPECT_TRUE(endlich(t)) << t;
    }
    for (const std::string& t : Gitterbild(false)) EXPECT_TRUE(endlich(t)) << t;
    for (int code = 1; code <= 118; ++code) {
        ErgebnisAusgeben(static_cast<Byte>(code));
        for (const std::string& z : Form_Datenausgabe.Memo1.Lines) EXPECT_TRUE(endlich(z)) << code << ": " << z;
    }

    // The plane forms, whose coefficients are products of the plane's numbers.
    TForm_EbenKoord& K = Form_EbenKoord;
    for (Byte e : {1, 2}) {
        AktEbene = e;
        K.FormActivate();
        for (const TEdit* E : {&K.Edit_a, &K.Edit_b, &K.Edit_c, &K.Edit_d, &K.Edit_nx, &K.Edit_ny, &K.Edit_nz,
                               &K.Edit_ax, &K.Edit_ay, &K.Edit_az})
            EXPECT_TRUE(endlich(E->Text())) << E->Text();
    }
    // The vector sum reads the scene's vectors and start point.
    Form_Vektoren.But_VSummeClick();
    ASSERT_TRUE(Form_VektSumme.Visible);
    for (int i = 1; i <= 18; ++i) EXPECT_TRUE(endlich(Form_VektSumme.Feld(i).Text())) << i;
    Form_VektSumme.FormClose();
    // The calculator: every value it offers of every object.
    TForm_ObjekteDaten& R = Form_ObjekteDaten;
    R.FormActivate();
    std::function<void(TMenuItem&)> klicken = [&](TMenuItem& m) {
        m.Click();
        for (TMenuItem& u : m.Items) klicken(u);
        for (const TEdit* E : {&R.V1x, &R.V1y, &R.V1z, &R.V2x, &R.V2y, &R.V2z, &R.V3x, &R.V3y, &R.V3z,
                               &R.Edit_Laenge1, &R.Edit_Laenge2, &R.Edit_Laenge})
            EXPECT_TRUE(endlich(E->Text())) << m.Caption << ": " << E->Text();
        for (const TPanel* P : {&R.Ergx, &R.Ergy, &R.Ergz})
            EXPECT_TRUE(endlich(P->Caption)) << m.Caption << ": " << P->Caption;
    };
    for (int i = 1; i <= RechenObjektAnzahl; ++i) {
        for (int ziel = 0; ziel < 10; ziel += 3) {
            Waehle(R.RadioGroup1, ziel);
            for (TMenuItem& m : R.PopupMenu[i].Items) klicken(m);
        }
    }
}

TEST_F(Dateien, LangePfadeBleibenGanz) {
    std::string tief = ordner;
    for (int i = 0; i < 6; ++i) tief += "/ein_recht_langer_Ordnername_" + std::to_string(i);
    fs::create_directories(tief);
    const std::string pfad = tief + "/Szene mit Leerzeichen und Umlauten äöü.ovd";
    ASSERT_GT(pfad.size(), 200u);
    ObjekteSpeichern(pfad);
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_EQ(ObjektdatenPfad, pfad);
    EXPECT_EQ(Lesen(pfad).size(), 3408u);
    ObjekteLaden(pfad);
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_EQ(ObjektdatenPfad, pfad);
}

TEST_F(Dateien, FehlgeschlagenesSpeichernLaesstDieAlteDatei) {
    const std::string ziel = Pfad("alt.ovd");
    const Inhalt alt(3408, 0x5A);
    Schreiben(ziel, alt);

    // A limit of 1000 bytes per file, its signal as the system sets it: the
    // save fails with the message instead of ending the program. In a child,
    // whose exit code tells: 1 the colour set (240 bytes) failed, 2 not one
    // message naming the file, 4 the signal left ignored.
    auto kind = [&] {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit grenze{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        ObjekteSpeichern(ziel);
        FarbsetPfad = Pfad("f.ovf");
        const bool farbenOk = FarbsetSchreiben();
        const bool gemeldet = host.Meldungen.size() == 1 && host.LetzteMeldung().find(ziel) != std::string::npos;
        const bool signalZurueck = std::signal(SIGXFSZ, SIG_DFL) == SIG_DFL;
        std::_Exit((farbenOk ? 0 : 1) | (gemeldet ? 0 : 2) | (signalZurueck ? 0 : 4));
    };
    EXPECT_EXIT(kind(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(Lesen(ziel), alt);
    EXPECT_EQ(Lesen(Pfad("f.ovf")).size(), 240u);
    EXPECT_EQ(Dateianzahl(), 2);   // no temporary file is left behind

    // A folder that does not exist; a target that is a folder.
    fs::create_directory(Pfad("ordner.ovd"));
    for (const char* name : {"fehlt/x.ovd", "ordner.ovd"}) {
        host.Vergessen();
        ObjekteSpeichern(Pfad(name));
        EXPECT_EQ(host.Meldungen.size(), 1u) << name;
    }
    EXPECT_TRUE(fs::is_directory(Pfad("ordner.ovd")));

    if (::geteuid() != 0) {   // root may write anywhere
        // A read-only target, then a read-only folder.
        for (const std::string& schutz : {ziel, ordner}) {
            ::chmod(schutz.c_str(), 0555);
            host.Vergessen();
            ObjekteSpeichern(ziel);
            EXPECT_EQ(host.Meldungen.size(), 1u) << schutz;
            EXPECT_EQ(Lesen(ziel), alt) << schutz;
            ::chmod(schutz.c_str(), schutz == ordner ? 0755 : 0644);
        }
    }

    // A later save to the same place succeeds and replaces the old bytes.
    host.Vergessen();
    ObjekteSpeichern(ziel);
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_EQ(Lesen(ziel).size(), 3408u);
}

// Saving through a symbolic link replaces the file it names; the link stays.
TEST_F(Dateien, SpeichernDurchVerweise) {
    fs::create_directory(Pfad("echt"));
    const std::string echt = Pfad("echt/szene.ovd");
    Schreiben(echt, Inhalt(10, 1));
    fs::create_symlink("echt/szene.ovd", Pfad("kurz.ovd"));   // relative to the link's folder
    fs::create_symlink(Pfad("kurz.ovd"), Pfad("kette.ovd"));  // a chain
    fs::create_symlink("neu.ovd", Pfad("ins_leere.ovd"));     // to a file not yet there
    fs::create_symlink("schleife2", Pfad("schleife1"));
    fs::create_symlink("schleife1", Pfad("schleife2"));

    ObjekteSpeichern(Pfad("kette.ovd"));
    ObjekteSpeichern(Pfad("ins_leere.ovd"));
    FarbenSpeichern(Pfad("kurz.ovd"));
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    for (const char* name : {"kette.ovd", "kurz.ovd", "ins_leere.ovd"}) EXPECT_TRUE(fs::is_symlink(Pfad(name))) << name;
    EXPECT_EQ(Lesen(Pfad("kette.ovd")).size(), 240u);   // the colour set came last
    EXPECT_EQ(Lesen(Pfad("neu.ovd")).size(), 3408u);
    ObjekteLaden(Pfad("ins_leere.ovd"));
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();

    ObjekteSpeichern(Pfad("schleife1"));   // a loop names no file
    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_TRUE(fs::is_symlink(Pfad("schleife1")));
    EXPECT_EQ(Dateianzahl(), 7);           // no temporary file here or beside the target
    EXPECT_EQ(std::distance(fs::directory_iterator(Pfad("echt")), fs::directory_iterator()), 1);
}

TEST_F(Dateien, AbbruchSpeichertNichtsUndLadenSetztEinenUndoPunkt) {
    const int undo = UndoAnzahl;
    const Zustand vorher = Aufnehmen();
    Form_Edits_01.aktuelleObjektdatenspeichern1.Click();   // both dialogs cancelled
    Form_Edits_01.Objektdatenladen1.Click();
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(UndoAnzahl, undo + 1);
    EXPECT_EQ(NeuZeichnenAus, 0);
    EXPECT_TRUE(Aufnehmen() == vorher);
    EXPECT_EQ(Dateianzahl(), 0);
    ASSERT_EQ(host.Dateidialoge.size(), 2u);
    EXPECT_TRUE(host.Dateidialoge[0].speichern);
    EXPECT_FALSE(host.Dateidialoge[1].speichern);
    EXPECT_EQ(host.Dateidialoge[1].endung, "OVD");
}

// Random and mutated files: no crash, no sanitizer finding; a refused file
// changes nothing, an accepted one leaves only finite numbers in the scene.
TEST_F(Dateien, Fuzz) {
    ObjekteSpeichern(Pfad("gut.ovd"));
    FarbenSpeichern(Pfad("gut.ovf"));
    const Inhalt gut = Lesen(Pfad("gut.ovd"));
    const Inhalt gutFarben = Lesen(Pfad("gut.ovf"));
    ASSERT_EQ(gut.size(), 3408u);
    std::mt19937 zufall(4711);
    auto byte = [&] { return static_cast<std::uint8_t>(zufall()); };
    const std::string p = Pfad("fuzz");
    int angenommen = 0, abgelehnt = 0;

    for (int k = 0; k < 2400; ++k) {
        const bool farben = k % 3 == 2;
        const Inhalt& basis = farben ? gutFarben : gut;
        Inhalt b = basis;
        switch (k % 4) {
            case 0:   // random bytes
                for (auto& x : b) x = byte();
                break;
            case 1:   // a few random bytes changed
                for (int m = 1 + static_cast<int>(zufall() % 4); m > 0; --m) b[zufall() % b.size()] = byte();
                break;
            case 2: {   // one number replaced by a special or random value
                const std::size_t o = zufall() % (b.size() - 9);
                const Extended spezial[] = {std::numeric_limits<Extended>::quiet_NaN(),
                                            std::numeric_limits<Extended>::infinity(),
                                            std::numeric_limits<Extended>::denorm_min(),
                                            -0.0L,
                                            1e4000L,
                                            10001,
                                            static_cast<Extended>(static_cast<int>(zufall() % 200) - 100)};
                ExtendedZuBytes(spezial[zufall() % 7], &b[o]);
                break;
            }
            default:   // cut or lengthened
                b.resize(zufall() % (basis.size() * 2));
                for (std::size_t i = basis.size(); i < b.size(); ++i) b[i] = byte();
                break;
        }
        Schreiben(p, b);
        const Zustand vorher = Aufnehmen();
        host.Vergessen();
        const bool ok = farben ? FarbsetLaden(p) : ObjektdatenLaden(p);
        if (ok) {
            ++angenommen;
            EXPECT_TRUE(host.Meldungen.empty());
            // What the scene took from the file is itself a valid scene.
            ASSERT_TRUE(DatensatzGueltig(DatensatzAusObjekten())) << k;
            ASSERT_TRUE(Datensatz2Gueltig(Datensatz2AusObjekten())) << k;
        } else {
            ++abgelehnt;
            ASSERT_EQ(host.Meldungen.size(), 1u) << k;
            ASSERT_TRUE(Aufnehmen() == vorher) << k;
        }
    }
    EXPECT_GT(angenommen, 100);
    EXPECT_GT(abgelehnt, 800);
}

}  // namespace

namespace {

// A plane from its normal form with a tiny normal component, edited once in
// the planes dialog and then given a tiny coefficient in the coordinate
// form: its support point lies near -2e26. What the program made this way
// must save and load again.
TEST_F(Dateien, WeitEntfernteEbeneAusDerKoordinatenformLaedtWieder) {
    TForm_EbenKoord& K = Form_EbenKoord;
    AktEbene = 1;
    K.FormActivate();
    const std::pair<TEdit*, const char*> normalenform[] = {
        {&K.Edit_nx, "0,000000001"}, {&K.Edit_ny, "10000"}, {&K.Edit_nz, "10000"},
        {&K.Edit_ax, "10000"},       {&K.Edit_ay, "10000"}, {&K.Edit_az, "10000"}};
    for (const auto& [E, t] : normalenform) FeldEingeben(K, *E, t);
    K.FormCloseQuery();
    Eingeben(Form_Ebenen, Form_Ebenen.StringGrid1, 1, 1, "1");
    K.FormActivate();
    FeldEingeben(K, K.Edit_a, "0,000000001");
    K.FormCloseQuery();
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_GT(Betrag(Ebene[1].Stuetzvektor), 1e25L);

    ObjekteSpeichern(Pfad("weit.ovd"));
    const Inhalt gespeichert = Lesen(Pfad("weit.ovd"));
    host.Vergessen();
    ObjekteLaden(Pfad("weit.ovd"));
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    ObjekteSpeichern(Pfad("wieder.ovd"));
    EXPECT_EQ(Lesen(Pfad("wieder.ovd")), gespeichert);

    // Each further round takes the plane 1e9 times farther out, until the
    // form refuses it (the coefficient given whole, as a paste gives it):
    // the plane stays where it was, and still loads.
    int runden = 0;
    while (host.Meldungen.empty() && ++runden < 40) {
        Eingeben(Form_Ebenen, Form_Ebenen.StringGrid1, 1, 1, runden % 2 ? "2" : "1");
        K.FormActivate();
        const TEbene vorher = Ebene[1];
        K.FeldGetippt(K.Edit_a, runden % 2 ? "0,000000002" : "0,000000001");
        if (!host.Meldungen.empty()) {
            EXPECT_EQ(host.LetzteMeldung(), EbeneZuWeitMeldung);
            EXPECT_EQ(Ebene[1].Stuetzvektor, vorher.Stuetzvektor);
            EXPECT_EQ(Ebene[1].Richtungsvektor2, vorher.Richtungsvektor2);
        }
        K.FeldVerlassen(K.Edit_a);
        K.FormCloseQuery();
    }
    EXPECT_GT(runden, 5);
    EXPECT_LT(runden, 40);
    EXPECT_GT(Betrag(Ebene[1].Stuetzvektor), 1e80L);
    host.Vergessen();
    ObjekteSpeichern(Pfad("weiter.ovd"));
    ObjekteLaden(Pfad("weiter.ovd"));
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
}

}  // namespace
