// The object data and colour-set records: the 10-byte extended numbers, every
// field at its fixed offset, and the filling from the scene objects.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "forms/Fadenkreuz.h"
#include "control/Programm.h"
#include "scene/Datensatz.h"
#include "scene/Objekte.h"

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

TEST(ExtendedZahl, BekannteMusterUndWasDerX87Verweigert) {
    using L = std::numeric_limits<Extended>;
    const std::pair<Extended, Bytes10> muster[] = {
        {1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-2.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}},
        {0.0L, {}},
        {-0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
        {0.75L, {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFE, 0x3F}},
        {L::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {-L::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}},
        {L::quiet_NaN(), {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F}},
        {L::denorm_min(), {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},   // significand 1, exponent field 0
        {L::min(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x00}},
        {L::max(), {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F}},
    };
    for (const auto& [v, b] : muster) {
        EXPECT_EQ(Kodiert(v), b) << static_cast<double>(v);
        if (!std::isnan(v)) {
            EXPECT_EQ(BytesZuExtended(b.data()), v);
            EXPECT_EQ(std::signbit(BytesZuExtended(b.data())), std::signbit(v));
        }
    }
    EXPECT_TRUE(std::isnan(BytesZuExtended(Kodiert(std::nanl("")).data())));
    EXPECT_EQ(BytesZuExtended(Kodiert(0.1L).data()), 0.1L);   // all 64 significand bits

    // Unnormal (exponent set, integer bit clear), pseudo-infinity, pseudo-NaN
    // and a signalling NaN all read as NaN, never as a number.
    const Bytes10 nan[] = {{0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F},
                           {0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0x7F},
                           {1, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0xFF},
                           {1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}};
    for (const Bytes10& b : nan) EXPECT_TRUE(std::isnan(BytesZuExtended(b.data())));
    // Pseudo-denormal: the value the x87 gives it, 2^-16382.
    const Bytes10 pseudo{0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0};
    EXPECT_EQ(BytesZuExtended(pseudo.data()), L::min());
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
        // Canonical encodings: integer bit set exactly when the exponent is not 0.
        if ((se & 0x7FFF) != 0)
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
        ASSERT_EQ(Kodiert(v), b) << k;   // every canonical number goes back to its own bytes
    }
}

// ---- Record layout -----------------------------------------------------------------

using Felder = std::vector<std::pair<Extended*, std::size_t>>;

void Vek(Felder& z, TVek_R3& v, std::size_t o) {
    z.insert(z.end(), {{&v.x, o}, {&v.y, o + 10}, {&v.z, o + 20}});
}
template <class F>
void Feld(Felder& z, F& f, std::initializer_list<std::size_t> offsets) {
    int i = 0;
    for (std::size_t o : offsets) z.push_back({&f.a[static_cast<std::size_t>(i++)], o});
}

// Every number of record 1 with its offset as the file format lists them.
Felder Felder1(TObjektDatensatz& d) {
    Felder z;
    int k = 0;
    for (TVek_R3* v : {&d.gStuetz, &d.gRichtung, &d.hStuetz, &d.hRichtung, &d.tStuetz, &d.tRichtung,
                       &d.E1Stuetz, &d.E1Richtung1, &d.E1Richtung2, &d.E2Stuetz, &d.E2Richtung1,
                       &d.E2Richtung2})
        Vek(z, *v, 32 * static_cast<std::size_t>(k++));
    for (int i = 1; i <= 4; ++i) {
        const std::size_t n = static_cast<std::size_t>(i - 1);
        Vek(z, d.Spat[i].A, 384 + 128 * n);
        Vek(z, d.Spat[i].AB, 416 + 128 * n);
        Vek(z, d.Spat[i].AD, 448 + 128 * n);
        Vek(z, d.Spat[i].AE, 480 + 128 * n);
        Vek(z, d.Vektor[i].Anfang, 896 + 64 * n);
        Vek(z, d.Vektor[i].Vektor, 928 + 64 * n);
        Vek(z, d.Strecke[i].A, 1152 + 64 * n);
        Vek(z, d.Strecke[i].B, 1184 + 64 * n);
        Vek(z, d.Punkt[i], 1408 + 32 * n);
        Vek(z, d.KugelMitte[i], 1536 + 32 * n);
        z.push_back({&d.KugelRadius[i], 1664 + 10 * n});
    }
    return z;
}

// Record 2: the irregular run of single numbers (1044 and 1450 stay unused).
Felder Felder2(TObjektDatensatz2& d) {
    Felder z;
    Vek(z, d.FadenkreuzMitte, 0);
    for (int i = 1; i <= 4; ++i) {
        const std::size_t o = static_cast<std::size_t>(96 * (i - 1));
        Vek(z, d.Kegel[i].Mitte, 32 + o);
        Vek(z, d.Kegel[i].Normale, 64 + o);
        z.insert(z.end(), {{&d.Kegel[i].Radius, 96 + o}, {&d.Kegel[i].Speichen, 106 + o},
                           {&d.Kegel[i].Randdicke, 116 + o}});
    }
    Feld(z, d.KegelHoehe, {416, 426, 436, 448});
    Feld(z, d.EbeneStiftbreite, {458, 468});
    Feld(z, d.GeradeStiftbreite, {480, 490, 500});
    Feld(z, d.SpatStiftbreite, {512, 522, 532, 544});
    Feld(z, d.VektorStiftbreite, {554, 564, 576, 586});
    Feld(z, d.StreckeStiftbreite, {596, 608, 618, 628});
    Feld(z, d.PunktStiftbreite, {640, 650, 660, 672});
    Feld(z, d.KugelBreitenkreise, {682, 692, 704, 714});
    Feld(z, d.KugelLaengenkreise, {724, 736, 746, 756});
    Feld(z, d.GeradeStil, {768, 778, 788});
    Feld(z, d.EbeneStil, {800, 810});
    Feld(z, d.SpatStil, {820, 832, 842, 852});
    Feld(z, d.VektorStil, {864, 874, 884, 896});
    Feld(z, d.StreckeStil, {906, 916, 928, 938});
    Feld(z, d.KugelStil, {948, 960, 970, 980});
    Feld(z, d.KegelStil, {992, 1002, 1012, 1024});
    z.push_back({&d.FadenkreuzStil, 1034});
    Feld(z, d.GeradeSichtbar, {1056, 1066, 1076});
    Feld(z, d.EbeneSichtbar, {1088, 1098});
    Feld(z, d.SpatSichtbar, {1108, 1120, 1130, 1140});
    Feld(z, d.VektorSichtbar, {1152, 1162, 1172, 1184});
    Feld(z, d.StreckeSichtbar, {1194, 1204, 1216, 1226});
    Feld(z, d.PunktSichtbar, {1236, 1248, 1258, 1268});
    Feld(z, d.KugelSichtbar, {1280, 1290, 1300, 1312});
    Feld(z, d.KegelSichtbar, {1322, 1332, 1344, 1354});
    z.push_back({&d.FadenkreuzSichtbar, 1364});
    Feld(z, d.SpatErzeugende, {1376, 1386, 1396, 1408});
    Feld(z, d.PunktFadenkreuz, {1418, 1428, 1440, 1460});
    z.push_back({&d.FadenkreuzSchrittweite, 1472});
    return z;
}

// Distinct numbers into every field: each at its offset, no byte used twice,
// every other byte zero when written and ignored when read.
template <class D>
void ErwarteLayout(Felder (*felder)(D&)) {
    D d;
    const Felder z = felder(d);
    EXPECT_EQ(z.size() * sizeof(Extended), sizeof(D));   // the list misses no field
    Extended w = 1;
    for (auto& [x, o] : z) *x = w++;
    TDatensatzBytes b = InBytes(d);
    std::vector<bool> belegt(DatensatzGroesse);
    w = 1;
    for (auto& [x, o] : z) {
        EXPECT_EQ(Zahl(b, o), w++) << "offset " << o;
        for (std::size_t i = o; i < o + 10; ++i) {
            ASSERT_FALSE(belegt[i]) << "byte " << i << " used twice";
            belegt[i] = true;
        }
    }
    for (std::size_t i = 0; i < DatensatzGroesse; ++i)
        if (!belegt[i]) {
            EXPECT_EQ(b[i], 0) << "filler byte " << i;
            b[i] = 0xA5;
        }
    D zurueck;
    AusBytes(b, zurueck);
    EXPECT_EQ(zurueck, d);
}

TEST(Objektdatensatz, JedesFeldAnSeinemOffset) {
    ErwarteLayout(Felder1);
    ErwarteLayout(Felder2);
}

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

// ---- Filling from the scene -----------------------------------------------------------

class AusDerSzene : public ::testing::Test {
protected:
    void SetUp() override { ProgrammStart(); }
    static void Erwarte(const TDatensatzBytes& b, std::initializer_list<std::pair<std::size_t, Extended>> z) {
        for (const auto& [o, w] : z) EXPECT_EQ(Zahl(b, o), w) << "offset " << o;
    }
};

TEST_F(AusDerSzene, Satz1KopiertDieObjekte) {
    Spat[3].Ecke[1] = {1.5L, -2.25L, 3};
    Spat[3].AD = {0, 7, 0};
    Vektor[2].Vektor = {4, 5, 6};
    Vektor[2].Endpunkt = {99, 99, 99};   // the tip is not stored
    Kugel[4].Radius = 1.23456L;
    ObjektdatenSatzFuellen();
    const TDatensatzBytes b = InBytes(Objektdatensaetze[0]);
    Erwarte(b, {{384 + 256, 1.5L}, {384 + 256 + 10, -2.25L}, {448 + 256 + 10, 7}, {928 + 64, 4},
                {928 + 64 + 20, 6}, {1694, 1.23456L},   // full precision, not 3 decimals
                {0, Gerade_g.Stuetzvektor.x}, {1408 + 64 + 20, Punkt[3].Ort.z}});

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
    Erwarte(b, {{1056, 0}, {1066, 1},   // g visible, h hidden
                {820, 0}, {832, 1},     // Spat 1 solid, Spat 2 dotted
                {1440, 0}, {1460, 1},   // P3 with its own crosshair, P4 without
                {426, 0}, {448, Kegel[4].Hoehe}, {106 + 192, 15}, {116 + 192, 7}, {682, 6},
                {480, Gerade_g.Stiftbreite}, {1472, 0.25L},
                {1034, 1}});            // the crosshair starts dotted
    for (std::size_t i = 1450; i < 1460; ++i) EXPECT_EQ(b[i], 0);
}

}  // namespace

namespace {

// The field table reaches every member of a record once: set through the
// table, a record filled with ones has none left; no two fields share bytes,
// a scene value or a grid column.
template <class D>
void JedesFeldEinmal(const std::vector<TVektorfeld<D>>& vektoren, const std::vector<TZahlfeld<D>>& zahlen) {
    static_assert(sizeof(D) % sizeof(Extended) == 0);
    D d;
    Extended* w = reinterpret_cast<Extended*>(&d);
    const std::size_t n = sizeof(D) / sizeof(Extended);
    for (std::size_t i = 0; i < n; ++i) w[i] = 1;
    std::vector<int> belegt(DatensatzGroesse, 0);
    std::vector<const void*> szene;
    std::vector<std::array<int, 4>> zellen;
    for (const auto& f : vektoren) {
        f.ImSatz(d, f.Nr) = {};
        for (std::size_t b = f.Offset; b < f.Offset + 30; ++b) ++belegt.at(b);
        szene.push_back(&f.InSzene(f.Nr));
        zellen.push_back({static_cast<int>(f.Zelle.Gitter), f.Zelle.Nr, f.Zelle.Spalte, f.Zelle.Zeile});
    }
    for (const auto& f : zahlen) {
        f.ImSatz(d, f.Nr) = 0;
        for (std::size_t b = f.Offset; b < f.Offset + 10; ++b) ++belegt.at(b);
    }
    for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(w[i], 0) << "member " << i << " is in no field";
    for (std::size_t b = 0; b < belegt.size(); ++b) EXPECT_LE(belegt[b], 1) << "byte " << b;
    std::sort(szene.begin(), szene.end());
    EXPECT_EQ(std::adjacent_find(szene.begin(), szene.end()), szene.end());
    std::sort(zellen.begin(), zellen.end());
    EXPECT_EQ(std::adjacent_find(zellen.begin(), zellen.end()), zellen.end());

    // Each number goes into the scene and comes back as itself, and no
    // other number's scene value moves with it.
    const auto wert = [](TWertArt a, bool anders) -> Extended {
        switch (a) {
            case TWertArt::Zahl: return anders ? 2.5L : -7;
            case TWertArt::Speichen: return anders ? 12 : 5;
            case TWertArt::Randdicke: return anders ? 3 : 11;
            case TWertArt::Breitenkreise: return anders ? 8 : 24;
            case TWertArt::Laengenkreise: return anders ? 4 : 12;
            case TWertArt::Stiftbreite: return anders ? 3 : 1;
            case TWertArt::Index: return anders ? 1 : 0;
        }
        return 0;
    };
    for (std::size_t k = 0; k < zahlen.size(); ++k) {
        for (const auto& f : zahlen) f.InSzene(f.Nr, wert(f.Art, false));
        zahlen[k].InSzene(zahlen[k].Nr, wert(zahlen[k].Art, true));
        for (std::size_t j = 0; j < zahlen.size(); ++j)
            ASSERT_EQ(zahlen[j].AusSzene(zahlen[j].Nr), wert(zahlen[j].Art, j == k)) << k << " moved " << j;
    }
}

TEST(Feldtabelle, JedesFeldGenauEinmal) {
    JedesFeldEinmal(Vektorfelder1(), Zahlfelder1());
    JedesFeldEinmal(Vektorfelder2(), Zahlfelder2());
}

}  // namespace
