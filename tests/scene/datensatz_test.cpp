// The object data and colour-set records: the 10-byte extended numbers, every
// field at its fixed offset, and the filling from the scene objects.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "dialogs/Fadenkreuz.h"
#include "mainwindow/Farbsets.h"
#include "mainwindow/Hauptfenster.h"
#include "mainwindow/Programm.h"
#include "mainwindow/Schalter.h"
#include "scene/Datensatz.h"
#include "scene/Objekte.h"
#include "view3d/Szene.h"

namespace {

using Bytes10 = std::array<std::uint8_t, 10>;

Bytes10 Kodiert(Extended v) {
    Bytes10 b{};
    ExtendedZuBytes(v, b.data());
    return b;
}

Extended Zahl(const TDatensatzBytes& b, std::size_t o) { return BytesZuExtended(&b[o]); }

// The machine's own reading of 10 bytes (x86-64: long double is this format),
// used only to cross-check the explicit conversion.
Extended Maschine(const Bytes10& b) {
    Extended v = 0;
    std::memcpy(&v, b.data(), 10);
    return v;
}

TEST(ExtendedZahl, BekannteMuster) {
    EXPECT_EQ(Kodiert(1.0L), (Bytes10{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    EXPECT_EQ(Kodiert(-2.0L), (Bytes10{0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
    EXPECT_EQ(Kodiert(0.0L), (Bytes10{}));
    EXPECT_EQ(Kodiert(-0.0L), (Bytes10{0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(Kodiert(0.75L), (Bytes10{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFE, 0x3F}));
    const Extended inf = std::numeric_limits<Extended>::infinity();
    EXPECT_EQ(Kodiert(inf), (Bytes10{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}));
    EXPECT_EQ(Kodiert(-inf), (Bytes10{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}));
    EXPECT_EQ(Kodiert(std::numeric_limits<Extended>::quiet_NaN()),
              (Bytes10{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}));
    // Smallest denormal: significand 1, exponent field 0.
    EXPECT_EQ(Kodiert(std::numeric_limits<Extended>::denorm_min()),
              (Bytes10{1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Kodiert(std::numeric_limits<Extended>::min()),
              (Bytes10{0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}));
    EXPECT_EQ(Kodiert(std::numeric_limits<Extended>::max()),
              (Bytes10{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F}));

    const Bytes10 eins{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    EXPECT_EQ(BytesZuExtended(eins.data()), 1.0L);
    EXPECT_TRUE(std::signbit(BytesZuExtended(Kodiert(-0.0L).data())));
    EXPECT_EQ(BytesZuExtended(Kodiert(-inf).data()), -inf);
    EXPECT_TRUE(std::isnan(BytesZuExtended(Kodiert(std::nanl("")).data())));
    // 0.1 keeps all 64 significand bits.
    EXPECT_EQ(BytesZuExtended(Kodiert(0.1L).data()), 0.1L);
}

TEST(ExtendedZahl, EncodingsTheX87Refuses) {
    // Unnormal: exponent set, integer bit clear.
    EXPECT_TRUE(std::isnan(BytesZuExtended(Bytes10{0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}.data())));
    // Pseudo-infinity and pseudo-NaN: exponent all ones, integer bit clear.
    EXPECT_TRUE(std::isnan(BytesZuExtended(Bytes10{0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x7F}.data())));
    EXPECT_TRUE(std::isnan(BytesZuExtended(Bytes10{1, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0xFF}.data())));
    // Signalling NaN reads as a NaN, not as a number.
    EXPECT_TRUE(std::isnan(BytesZuExtended(Bytes10{1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}.data())));
    // Pseudo-denormal: the value the x87 gives it, 2^-16382.
    const Bytes10 pseudo{0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0};
    EXPECT_EQ(BytesZuExtended(pseudo.data()), std::numeric_limits<Extended>::min());
    EXPECT_EQ(BytesZuExtended(pseudo.data()), Maschine(pseudo));
}

TEST(ExtendedZahl, ZufaelligeMusterWieDieMaschine) {
    std::mt19937_64 zufall(20240611);
    for (int k = 0; k < 20000; ++k) {
        Bytes10 b{};
        const std::uint64_t sig = zufall();
        for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(sig >> (8 * i));
        const unsigned se = static_cast<unsigned>(zufall() & 0xFFFF);
        b[8] = static_cast<std::uint8_t>(se);
        b[9] = static_cast<std::uint8_t>(se >> 8);
        const unsigned exponent = se & 0x7FFF;
        // Canonical encodings: integer bit set exactly when the exponent is not 0.
        if (exponent != 0)
            b[7] |= 0x80;
        else
            b[7] &= 0x7F;
        const Extended v = BytesZuExtended(b.data());
        const Extended m = Maschine(b);
        if (std::isnan(m)) {
            EXPECT_TRUE(std::isnan(v));
            continue;
        }
        ASSERT_EQ(v, m) << k;
        ASSERT_EQ(std::signbit(v), std::signbit(m));
        // Every canonical number goes back to its own bytes.
        ASSERT_EQ(Kodiert(v), b) << k;
    }
}

// ---- Record layout -----------------------------------------------------------------

// Record 2's single numbers with their offsets as the file format lists them.
std::vector<std::pair<Extended*, std::size_t>> Einzelzahlen(TObjektDatensatz2& d) {
    std::vector<std::pair<Extended*, std::size_t>> z;
    auto feld = [&](auto& f, std::initializer_list<std::size_t> offsets) {
        int i = 0;
        for (std::size_t o : offsets) z.push_back({&f.a[static_cast<std::size_t>(i++)], o});
    };
    feld(d.KegelHoehe, {416, 426, 436, 448});
    feld(d.EbeneStiftbreite, {458, 468});
    feld(d.GeradeStiftbreite, {480, 490, 500});
    feld(d.SpatStiftbreite, {512, 522, 532, 544});
    feld(d.VektorStiftbreite, {554, 564, 576, 586});
    feld(d.StreckeStiftbreite, {596, 608, 618, 628});
    feld(d.PunktStiftbreite, {640, 650, 660, 672});
    feld(d.KugelBreitenkreise, {682, 692, 704, 714});
    feld(d.KugelLaengenkreise, {724, 736, 746, 756});
    feld(d.GeradeStil, {768, 778, 788});
    feld(d.EbeneStil, {800, 810});
    feld(d.SpatStil, {820, 832, 842, 852});
    feld(d.VektorStil, {864, 874, 884, 896});
    feld(d.StreckeStil, {906, 916, 928, 938});
    feld(d.KugelStil, {948, 960, 970, 980});
    feld(d.KegelStil, {992, 1002, 1012, 1024});
    z.push_back({&d.FadenkreuzStil, 1034});
    feld(d.GeradeSichtbar, {1056, 1066, 1076});
    feld(d.EbeneSichtbar, {1088, 1098});
    feld(d.SpatSichtbar, {1108, 1120, 1130, 1140});
    feld(d.VektorSichtbar, {1152, 1162, 1172, 1184});
    feld(d.StreckeSichtbar, {1194, 1204, 1216, 1226});
    feld(d.PunktSichtbar, {1236, 1248, 1258, 1268});
    feld(d.KugelSichtbar, {1280, 1290, 1300, 1312});
    feld(d.KegelSichtbar, {1322, 1332, 1344, 1354});
    z.push_back({&d.FadenkreuzSichtbar, 1364});
    feld(d.SpatErzeugende, {1376, 1386, 1396, 1408});
    feld(d.PunktFadenkreuz, {1418, 1428, 1440, 1460});
    z.push_back({&d.FadenkreuzSchrittweite, 1472});
    for (int i = 1; i <= 4; ++i) {
        const std::size_t o = static_cast<std::size_t>(96 * (i - 1));
        z.push_back({&d.Kegel[i].Radius, 96 + o});
        z.push_back({&d.Kegel[i].Speichen, 106 + o});
        z.push_back({&d.Kegel[i].Randdicke, 116 + o});
    }
    return z;
}

std::vector<std::pair<TVek_R3*, std::size_t>> Vektoren1(TObjektDatensatz& d) {
    std::vector<std::pair<TVek_R3*, std::size_t>> v = {
        {&d.gStuetz, 0},     {&d.gRichtung, 32},    {&d.hStuetz, 64},      {&d.hRichtung, 96},
        {&d.tStuetz, 128},   {&d.tRichtung, 160},   {&d.E1Stuetz, 192},    {&d.E1Richtung1, 224},
        {&d.E1Richtung2, 256}, {&d.E2Stuetz, 288},  {&d.E2Richtung1, 320}, {&d.E2Richtung2, 352}};
    for (int i = 1; i <= 4; ++i) {
        const std::size_t k = static_cast<std::size_t>(i - 1);
        v.push_back({&d.Spat[i].A, 384 + 128 * k});
        v.push_back({&d.Spat[i].AB, 416 + 128 * k});
        v.push_back({&d.Spat[i].AD, 448 + 128 * k});
        v.push_back({&d.Spat[i].AE, 480 + 128 * k});
        v.push_back({&d.Vektor[i].Anfang, 896 + 64 * k});
        v.push_back({&d.Vektor[i].Vektor, 928 + 64 * k});
        v.push_back({&d.Strecke[i].A, 1152 + 64 * k});
        v.push_back({&d.Strecke[i].B, 1184 + 64 * k});
        v.push_back({&d.Punkt[i], 1408 + 32 * k});
        v.push_back({&d.KugelMitte[i], 1536 + 32 * k});
    }
    return v;
}

// Marks which bytes a list of fields covers.
void Belegen(std::vector<bool>& belegt, std::size_t o, std::size_t n) {
    for (std::size_t i = o; i < o + n; ++i) {
        ASSERT_FALSE(belegt[i]) << "byte " << i << " used twice";
        belegt[i] = true;
    }
}

TEST(Objektdatensatz, JedesFeldAnSeinemOffset) {
    TObjektDatensatz d;
    auto vek = Vektoren1(d);
    ASSERT_EQ(vek.size(), 52u);
    Extended w = 1;
    for (auto& [v, o] : vek) *v = {w++, w++, w++};
    for (int i = 1; i <= 4; ++i) d.KugelRadius[i] = 1000 + i;

    const TDatensatzBytes b = InBytes(d);
    std::vector<bool> belegt(DatensatzGroesse);
    w = 1;
    for (auto& [v, o] : vek) {
        EXPECT_EQ(Zahl(b, o), w++) << o;
        EXPECT_EQ(Zahl(b, o + 10), w++) << o;
        EXPECT_EQ(Zahl(b, o + 20), w++) << o;
        Belegen(belegt, o, 30);
    }
    for (int i = 1; i <= 4; ++i) {
        const std::size_t o = 1664 + 10 * static_cast<std::size_t>(i - 1);
        EXPECT_EQ(Zahl(b, o), 1000 + i);
        Belegen(belegt, o, 10);
    }
    for (std::size_t i = 0; i < DatensatzGroesse; ++i)
        if (!belegt[i]) {
            EXPECT_EQ(b[i], 0) << "filler byte " << i;
        }

    TObjektDatensatz zurueck;
    AusBytes(b, zurueck);
    EXPECT_EQ(zurueck, d);
}

TEST(Objektdatensatz, Satz2JedesFeldAnSeinemOffset) {
    TObjektDatensatz2 d;
    auto zahlen = Einzelzahlen(d);
    Extended w = 1;
    for (auto& [x, o] : zahlen) *x = w++;
    d.FadenkreuzMitte = {-1, -2, -3};
    for (int i = 1; i <= 4; ++i) {
        d.Kegel[i].Mitte = {10.0L * i, 10.0L * i + 1, 10.0L * i + 2};
        d.Kegel[i].Normale = {-10.0L * i, -10.0L * i - 1, -10.0L * i - 2};
    }

    const TDatensatzBytes b = InBytes(d);
    std::vector<bool> belegt(DatensatzGroesse);
    w = 1;
    for (auto& [x, o] : zahlen) {
        EXPECT_EQ(Zahl(b, o), w++) << "offset " << o;
        Belegen(belegt, o, 10);
    }
    EXPECT_EQ(Zahl(b, 20), -3);
    Belegen(belegt, 0, 30);
    for (int i = 1; i <= 4; ++i) {
        const std::size_t o = 96 * static_cast<std::size_t>(i - 1);
        EXPECT_EQ(Zahl(b, 32 + o + 10), 10.0L * i + 1);
        EXPECT_EQ(Zahl(b, 64 + o + 20), -10.0L * i - 2);
        Belegen(belegt, 32 + o, 30);
        Belegen(belegt, 64 + o, 30);
    }
    // Unused: 1044, 1450, everything after the step width, all filler bytes.
    EXPECT_FALSE(belegt[1044]);
    EXPECT_FALSE(belegt[1450]);
    for (std::size_t i = 0; i < DatensatzGroesse; ++i)
        if (!belegt[i]) {
            EXPECT_EQ(b[i], 0) << "unused byte " << i;
        }

    TObjektDatensatz2 zurueck;
    AusBytes(b, zurueck);
    EXPECT_EQ(zurueck, d);
}

TEST(Objektdatensatz, LesenIgnoriertFuellbytes) {
    TObjektDatensatz d;
    d.gStuetz = {1, 2, 3};
    TDatensatzBytes b = InBytes(d);
    b[30] = 0xAB;
    b[31] = 0xCD;
    b[1663] = 0xEE;
    TObjektDatensatz2 d2;
    d2.FadenkreuzSchrittweite = 0.5L;
    TDatensatzBytes b2 = InBytes(d2);
    b2[1044] = 0x77;
    b2[1450] = 0x55;
    b2[1703] = 0x99;
    TObjektDatensatz r;
    TObjektDatensatz2 r2;
    AusBytes(b, r);
    AusBytes(b2, r2);
    EXPECT_EQ(r, d);
    EXPECT_EQ(r2, d2);
}

// ---- Filling from the scene -----------------------------------------------------------

class AusDerSzene : public ::testing::Test {
protected:
    void SetUp() override { ProgrammStart(); }
};

TEST_F(AusDerSzene, Satz1KopiertDieObjekte) {
    Spat[3].Ecke[1] = {1.5L, -2.25L, 3};
    Spat[3].AD = {0, 7, 0};
    Vektor[2].Vektor = {4, 5, 6};
    Vektor[2].Endpunkt = {99, 99, 99};   // the tip is not stored
    Kugel[4].Radius = 1.23456L;
    ObjektdatenSatzFuellen();
    const TDatensatzBytes b = InBytes(Objektdatensaetze[0]);
    EXPECT_EQ(Zahl(b, 384 + 256), 1.5L);
    EXPECT_EQ(Zahl(b, 384 + 256 + 10), -2.25L);
    EXPECT_EQ(Zahl(b, 448 + 256 + 10), 7);
    EXPECT_EQ(Zahl(b, 928 + 64), 4);
    EXPECT_EQ(Zahl(b, 928 + 64 + 20), 6);
    EXPECT_EQ(Zahl(b, 1694), 1.23456L);   // full precision, not 3 decimals
    EXPECT_EQ(Zahl(b, 0), Gerade_g.Stuetzvektor.x);
    EXPECT_EQ(Zahl(b, 1408 + 64 + 20), Punkt[3].Ort.z);

    // Undo state, object store and file buffer agree.
    UndoDatenSichern(7);
    SpeicherDatenSichern();
    EXPECT_EQ(InBytes(UndoDaten[7]), b);
    EXPECT_EQ(InBytes(ObjektSpeicher), b);
}

TEST_F(AusDerSzene, Satz2KodiertAttribute) {
    // Start: g visible, h hidden; Spat 2 dotted, Spat 1 solid.
    Punkt[3].mitFadenkreuz = 1;
    Kegel[2].Hoehe = 0;   // a circle
    Kegel[3].Speichen = 15;
    Kegel[3].Randstaerke = 7;
    Kugel[1].Breitenkreise = 6;
    FadenkreuzSchrittweite = 0.25L;
    ObjektdatenKegelSatzFuellen();
    const TDatensatzBytes b = InBytes(Objektdatensaetze2[0]);
    EXPECT_EQ(Zahl(b, 1056), 0.0L);   // g visible
    EXPECT_EQ(Zahl(b, 1066), 1.0L);   // h hidden
    EXPECT_EQ(Zahl(b, 820), 0.0L);    // Spat 1 solid
    EXPECT_EQ(Zahl(b, 832), 1.0L);    // Spat 2 dotted
    EXPECT_EQ(Zahl(b, 1440), 0.0L);   // P3 with its own crosshair
    EXPECT_EQ(Zahl(b, 1460), 1.0L);   // P4 without
    for (std::size_t i = 1450; i < 1460; ++i) EXPECT_EQ(b[i], 0);
    EXPECT_EQ(Zahl(b, 426), 0.0L);
    EXPECT_EQ(Zahl(b, 448), Kegel[4].Hoehe);
    EXPECT_EQ(Zahl(b, 106 + 192), 15);
    EXPECT_EQ(Zahl(b, 116 + 192), 7);
    EXPECT_EQ(Zahl(b, 682), 6);
    EXPECT_EQ(Zahl(b, 480), Gerade_g.Stiftbreite);
    EXPECT_EQ(Zahl(b, 1472), 0.25L);
    EXPECT_EQ(Zahl(b, 1034), 1.0L);   // the crosshair starts dotted
}

TEST_F(AusDerSzene, KegelteilLaesstDenRestStehen) {
    TObjektDatensatz2 marke;
    for (auto& [x, o] : Einzelzahlen(marke)) *x = 42;
    UndoKegelDaten[5] = marke;
    ObjektSpeicherKegel = marke;
    Kegel[1].Radius = 3.5L;
    Kegel[4].Hoehe = 2.75L;
    UndoKegelSichern(5);
    SpeicherKegelSichern();

    for (const TObjektDatensatz2* k : {&UndoKegelDaten[5], &ObjektSpeicherKegel}) {
        const TDatensatzBytes b = InBytes(*k);
        const TDatensatzBytes m = InBytes(marke);
        EXPECT_EQ(Zahl(b, 96), 3.5L);
        EXPECT_EQ(Zahl(b, 448), 2.75L);
        EXPECT_EQ(Zahl(b, 0), Fadenkreuz.Mittelpunkt.x);
        EXPECT_EQ(Zahl(b, 64 + 96 + 20), Kegel[2].Normalenvektor.z);
        for (int i = 0; i < 4; ++i)
            for (std::size_t o = 106; o < 126; ++o)
                EXPECT_EQ(b[o + 96 * static_cast<std::size_t>(i)], m[o + 96 * static_cast<std::size_t>(i)]);
        for (std::size_t o = 458; o < DatensatzGroesse; ++o) ASSERT_EQ(b[o], m[o]) << o;
    }
}

// ---- Colour sets --------------------------------------------------------------------

TEST(Farbset, LayoutKleinEndianUndUngenutzteBytes) {
    TFarbset f;
    for (int n = 1; n <= 30; ++n) f.Farben[n] = 0x00010203u * static_cast<TColor>(n);
    const TFarbsetBytes b = InBytes(f);
    EXPECT_EQ(b[0], 0x03);
    EXPECT_EQ(b[1], 0x02);
    EXPECT_EQ(b[2], 0x01);
    EXPECT_EQ(b[3], 0x00);
    EXPECT_EQ(b[116], static_cast<std::uint8_t>(0x03 * 30));   // colour 30 at 4·29
    TFarbset r;
    AusBytes(b, r);
    EXPECT_EQ(r, f);

    TFarbset2 f2;
    f2.FadenkreuzFarbe = 0x0032C8C8;
    f2.KegelFarbe[4] = 0x00ABCDEF;
    TFarbsetBytes b2 = InBytes(f2);
    EXPECT_EQ(b2[0], 0xC8);
    EXPECT_EQ(b2[2], 0x32);
    EXPECT_EQ(b2[16], 0xEF);
    for (std::size_t i = 20; i < FarbsetGroesse; ++i) EXPECT_EQ(b2[i], 0);
    b2[50] = 0xFF;   // unused bytes are ignored
    TFarbset2 r2;
    AusBytes(b2, r2);
    EXPECT_EQ(r2, f2);
}

TEST_F(AusDerSzene, FarbsetSichernUndAnwenden) {
    FarbsetSichern();
    FarbsetSichern2();
    EXPECT_EQ(Farbsets[0].Farben[3], Gerade_t.Farbe);
    EXPECT_EQ(Farbsets[0].Farben[8], FarbeHintergrund);
    EXPECT_EQ(Farbsets[0].Farben[10], MaxQuader.FarbeGitterwaende);
    EXPECT_EQ(Farbsets[0].Farben[28], Kugel[2].Farbe);
    EXPECT_EQ(Farbsets2[0].FadenkreuzFarbe, 0x0032C8C8u);

    TFarbset neu;
    for (int n = 1; n <= 30; ++n) neu.Farben[n] = 0x00100000u + static_cast<TColor>(n);
    Farbsets[3] = neu;
    Farbsets2[3].KegelFarbe[2] = 0x00123456;
    FarbsetAnwenden(3);
    FarbsetAnwenden2(3);
    // A recompute rebuilds g and E2 from the colour variables: the new
    // colours must survive it.
    SzeneNeuBerechnen();
    EXPECT_EQ(Gerade_g.Farbe, 0x00100001u);
    EXPECT_EQ(Ebene_E2.Farbe, 0x00100005u);
    EXPECT_EQ(Gerade_sg.Farbe, 0x00100006u);
    EXPECT_EQ(AchsenKreuz.Farbe, 0x00100009u);
    EXPECT_EQ(Punkt[4].Farbe, 0x00100000u + 26);
    EXPECT_EQ(Kegel[2].Farbe, 0x00123456u);
    EXPECT_EQ(Form_Edits_01.Pan_Farbe_g.Color, 0x00100001u);
    EXPECT_EQ(Form_Edits_01.Pan_Farbe_Ke2.Color, 0x00123456u);
    FarbsetSichern();
    EXPECT_EQ(Farbsets[0], neu);
}

}  // namespace
