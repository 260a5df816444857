#include "scene/Datensatz.h"

#include <cmath>
#include <limits>

#include "scene/Objekte.h"
#include "scene/Stilindex.h"

// ---- 10-byte extended floats -----------------------------------------------

namespace {

constexpr unsigned ExponentMax = 0x7FFF;
constexpr int Bias = 16383;
constexpr std::uint64_t Ganzzahlbit = std::uint64_t{1} << 63;
// A significand unit of the smallest exponent: value = significand · 2^-16445.
constexpr int KleinsterExponent = 1 - Bias - 63;

}  // namespace

void ExtendedZuBytes(Extended v, std::uint8_t* b) {
    std::uint64_t signifikand = 0;
    unsigned exponent = 0;
    const bool negativ = std::signbit(v);
    if (std::isnan(v)) {
        exponent = ExponentMax;
        signifikand = Ganzzahlbit | (Ganzzahlbit >> 1);   // quiet NaN
    } else if (std::isinf(v)) {
        exponent = ExponentMax;
        signifikand = Ganzzahlbit;
    } else if (v != 0) {
        const Extended a = std::fabs(v);
        int e = 0;
        const Extended m = std::frexp(a, &e);   // a = m·2^e, 0.5 <= m < 1
        const int biased = e - 1 + Bias;
        if (biased >= 1) {
            // m·2^64 is a whole number in [2^63, 2^64): the 64 significand bits.
            signifikand = static_cast<std::uint64_t>(std::ldexp(m, 64));
            exponent = static_cast<unsigned>(biased);
        } else {
            // Denormal: exponent field 0, integer bit clear.
            signifikand = static_cast<std::uint64_t>(std::ldexp(a, -KleinsterExponent));
            exponent = 0;
        }
    }
    for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(signifikand >> (8 * i));
    b[8] = static_cast<std::uint8_t>(exponent & 0xFF);
    b[9] = static_cast<std::uint8_t>(((exponent >> 8) & 0x7F) | (negativ ? 0x80 : 0));
}

Extended BytesZuExtended(const std::uint8_t* b) {
    std::uint64_t signifikand = 0;
    for (int i = 0; i < 8; ++i) signifikand |= static_cast<std::uint64_t>(b[i]) << (8 * i);
    const unsigned oben = static_cast<unsigned>(b[8]) | (static_cast<unsigned>(b[9]) << 8);
    const bool negativ = (oben & 0x8000) != 0;
    const unsigned exponent = oben & ExponentMax;
    Extended r;
    if (exponent == 0) {
        // Zero, denormal, or pseudo-denormal (integer bit set), which the x87
        // reads with the smallest normal exponent: the same formula.
        r = std::ldexp(static_cast<Extended>(signifikand), KleinsterExponent);
    } else if (exponent == ExponentMax) {
        r = signifikand == Ganzzahlbit ? std::numeric_limits<Extended>::infinity()
                                       : std::numeric_limits<Extended>::quiet_NaN();
    } else if ((signifikand & Ganzzahlbit) == 0) {
        r = std::numeric_limits<Extended>::quiet_NaN();   // unnormal
    } else {
        r = std::ldexp(static_cast<Extended>(signifikand), static_cast<int>(exponent) - Bias - 63);
    }
    return negativ ? -r : r;
}

// ---- Byte layout -------------------------------------------------------------
// One description of each record serves both directions: the visitor gets the
// byte offset and the field.

namespace {

constexpr std::size_t Slot(int k) { return static_cast<std::size_t>(32 * k); }

// Place p of the run of single numbers in record 2: the x, y and z places of
// slots 13, 14, ... in turn.
constexpr std::size_t Platz(int p) {
    return static_cast<std::size_t>(416 + 32 * (p / 3) + 10 * (p % 3));
}

template <class D, class VekF, class ZahlF>
void Felder1(D& d, VekF&& vek, ZahlF&& zahl) {
    int k = 0;
    for (auto* v : {&d.gStuetz, &d.gRichtung, &d.hStuetz, &d.hRichtung, &d.tStuetz, &d.tRichtung,
                    &d.E1Stuetz, &d.E1Richtung1, &d.E1Richtung2, &d.E2Stuetz, &d.E2Richtung1,
                    &d.E2Richtung2})
        vek(Slot(k++), *v);
    for (int i = 1; i <= 4; ++i) {
        vek(Slot(k++), d.Spat[i].A);
        vek(Slot(k++), d.Spat[i].AB);
        vek(Slot(k++), d.Spat[i].AD);
        vek(Slot(k++), d.Spat[i].AE);
    }
    for (int i = 1; i <= 4; ++i) {
        vek(Slot(k++), d.Vektor[i].Anfang);
        vek(Slot(k++), d.Vektor[i].Vektor);
    }
    for (int i = 1; i <= 4; ++i) {
        vek(Slot(k++), d.Strecke[i].A);
        vek(Slot(k++), d.Strecke[i].B);
    }
    for (int i = 1; i <= 4; ++i) vek(Slot(k++), d.Punkt[i]);
    for (int i = 1; i <= 4; ++i) vek(Slot(k++), d.KugelMitte[i]);
    for (int i = 1; i <= 4; ++i) zahl(static_cast<std::size_t>(1664 + 10 * (i - 1)), d.KugelRadius[i]);
}

template <class D, class VekF, class ZahlF>
void Felder2(D& d, VekF&& vek, ZahlF&& zahl) {
    vek(0, d.FadenkreuzMitte);
    for (int i = 1; i <= 4; ++i) {
        const std::size_t o = static_cast<std::size_t>(96 * (i - 1));
        vek(32 + o, d.Kegel[i].Mitte);
        vek(64 + o, d.Kegel[i].Normale);
        zahl(96 + o, d.Kegel[i].Radius);
        zahl(106 + o, d.Kegel[i].Speichen);
        zahl(116 + o, d.Kegel[i].Randdicke);
    }
    int p = 0;
    auto naechste = [&](auto& x) { zahl(Platz(p++), x); };
    auto alle = [&](auto& feld) {
        for (auto& x : feld) naechste(x);
    };
    alle(d.KegelHoehe);
    alle(d.EbeneStiftbreite);
    alle(d.GeradeStiftbreite);
    alle(d.SpatStiftbreite);
    alle(d.VektorStiftbreite);
    alle(d.StreckeStiftbreite);
    alle(d.PunktStiftbreite);
    alle(d.KugelBreitenkreise);
    alle(d.KugelLaengenkreise);
    alle(d.GeradeStil);
    alle(d.EbeneStil);
    alle(d.SpatStil);
    alle(d.VektorStil);
    alle(d.StreckeStil);
    alle(d.KugelStil);
    alle(d.KegelStil);
    naechste(d.FadenkreuzStil);
    ++p;   // 1044: unused
    alle(d.GeradeSichtbar);
    alle(d.EbeneSichtbar);
    alle(d.SpatSichtbar);
    alle(d.VektorSichtbar);
    alle(d.StreckeSichtbar);
    alle(d.PunktSichtbar);
    alle(d.KugelSichtbar);
    alle(d.KegelSichtbar);
    naechste(d.FadenkreuzSichtbar);
    alle(d.SpatErzeugende);
    for (int i = 1; i <= 3; ++i) naechste(d.PunktFadenkreuz[i]);
    ++p;   // 1450: unused
    naechste(d.PunktFadenkreuz[4]);
    naechste(d.FadenkreuzSchrittweite);
}

void ColorZuBytes(TColor c, std::uint8_t* b) {
    for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(c >> (8 * i));
}

TColor BytesZuColor(const std::uint8_t* b) {
    TColor c = 0;
    for (int i = 0; i < 4; ++i) c |= static_cast<TColor>(b[i]) << (8 * i);
    return c;
}

template <class D, class F>
TDatensatzBytes Schreiben(const D& d, F felder) {
    TDatensatzBytes b{};
    felder(
        d,
        [&](std::size_t o, const TVek_R3& v) {
            ExtendedZuBytes(v.x, &b[o]);
            ExtendedZuBytes(v.y, &b[o + 10]);
            ExtendedZuBytes(v.z, &b[o + 20]);
        },
        [&](std::size_t o, const Extended& x) { ExtendedZuBytes(x, &b[o]); });
    return b;
}

template <class D, class F>
void Lesen(const TDatensatzBytes& b, D& d, F felder) {
    felder(
        d,
        [&](std::size_t o, TVek_R3& v) {
            v.x = BytesZuExtended(&b[o]);
            v.y = BytesZuExtended(&b[o + 10]);
            v.z = BytesZuExtended(&b[o + 20]);
        },
        [&](std::size_t o, Extended& x) { x = BytesZuExtended(&b[o]); });
}

}  // namespace

TDatensatzBytes InBytes(const TObjektDatensatz& d) {
    return Schreiben(d, [](auto& dd, auto&& v, auto&& z) { Felder1(dd, v, z); });
}

TDatensatzBytes InBytes(const TObjektDatensatz2& d) {
    return Schreiben(d, [](auto& dd, auto&& v, auto&& z) { Felder2(dd, v, z); });
}

void AusBytes(const TDatensatzBytes& b, TObjektDatensatz& d) {
    Lesen(b, d, [](auto& dd, auto&& v, auto&& z) { Felder1(dd, v, z); });
}

void AusBytes(const TDatensatzBytes& b, TObjektDatensatz2& d) {
    Lesen(b, d, [](auto& dd, auto&& v, auto&& z) { Felder2(dd, v, z); });
}

TFarbsetBytes InBytes(const TFarbset& f) {
    TFarbsetBytes b{};
    for (int n = 1; n <= 30; ++n) ColorZuBytes(f.Farben[n], &b[static_cast<std::size_t>(4 * (n - 1))]);
    return b;
}

TFarbsetBytes InBytes(const TFarbset2& f) {
    TFarbsetBytes b{};
    ColorZuBytes(f.FadenkreuzFarbe, &b[0]);
    for (int i = 1; i <= 4; ++i) ColorZuBytes(f.KegelFarbe[i], &b[static_cast<std::size_t>(4 * i)]);
    return b;
}

void AusBytes(const TFarbsetBytes& b, TFarbset& f) {
    for (int n = 1; n <= 30; ++n) f.Farben[n] = BytesZuColor(&b[static_cast<std::size_t>(4 * (n - 1))]);
}

void AusBytes(const TFarbsetBytes& b, TFarbset2& f) {
    f.FadenkreuzFarbe = BytesZuColor(&b[0]);
    for (int i = 1; i <= 4; ++i) f.KegelFarbe[i] = BytesZuColor(&b[static_cast<std::size_t>(4 * i)]);
}

// ---- Tables ------------------------------------------------------------------

void DatensaetzeNullen() {
    Objektdatensaetze = {};
    Objektdatensaetze2 = {};
    UndoDaten = {};
    UndoKegelDaten = {};
    ObjektSpeicher = {};
    ObjektSpeicherKegel = {};
    Farbsets = {};
    Farbsets2 = {};
}

// ---- Filling from the scene objects -------------------------------------------

TObjektDatensatz DatensatzAusObjekten() {
    TObjektDatensatz d;
    d.gStuetz = Gerade[1].Stuetzvektor;
    d.gRichtung = Gerade[1].Richtungsvektor;
    d.hStuetz = Gerade[2].Stuetzvektor;
    d.hRichtung = Gerade[2].Richtungsvektor;
    d.tStuetz = Gerade[3].Stuetzvektor;
    d.tRichtung = Gerade[3].Richtungsvektor;
    d.E1Stuetz = Ebene[1].Stuetzvektor;
    d.E1Richtung1 = Ebene[1].Richtungsvektor1;
    d.E1Richtung2 = Ebene[1].Richtungsvektor2;
    d.E2Stuetz = Ebene[2].Stuetzvektor;
    d.E2Richtung1 = Ebene[2].Richtungsvektor1;
    d.E2Richtung2 = Ebene[2].Richtungsvektor2;
    for (int i = 1; i <= 4; ++i) {
        d.Spat[i] = {Spat[i].Ecke[1], Spat[i].AB, Spat[i].AD, Spat[i].AE};
        d.Vektor[i] = {Vektor[i].Anfangspunkt, Vektor[i].Vektor};
        d.Strecke[i] = {Strecke[i].A, Strecke[i].B};
        d.Punkt[i] = Punkt[i].Ort;
        d.KugelMitte[i] = Kugel[i].Mittelpunkt;
        d.KugelRadius[i] = Kugel[i].Radius;
    }
    return d;
}

TObjektDatensatz2 Datensatz2AusObjekten() {
    auto stil = [](Byte s) { return static_cast<Extended>(LinienstilZuIndex(s)); };
    auto flag = [](Byte f) { return static_cast<Extended>(ErzFlagZuIndex(f)); };
    TObjektDatensatz2 d;
    KegelteilAusObjekten(d);
    for (int i = 1; i <= 4; ++i) {
        d.Kegel[i].Speichen = Kegel[i].Speichen;
        d.Kegel[i].Randdicke = Kegel[i].Randstaerke;
    }
    for (int i = 1; i <= 2; ++i) {
        d.EbeneStiftbreite[i] = Ebene[i].Stiftbreite;
        d.EbeneStil[i] = stil(Ebene[i].Linienstil);
        d.EbeneSichtbar[i] = flag(Ebene[i].sichtbar);
    }
    for (int i = 1; i <= 3; ++i) {
        d.GeradeStiftbreite[i] = Gerade[i].Stiftbreite;
        d.GeradeStil[i] = stil(Gerade[i].Linienstil);
        d.GeradeSichtbar[i] = flag(Gerade[i].sichtbar);
    }
    for (int i = 1; i <= 4; ++i) {
        d.SpatStiftbreite[i] = Spat[i].Stiftbreite;
        d.VektorStiftbreite[i] = Vektor[i].Stiftbreite;
        d.StreckeStiftbreite[i] = Strecke[i].Stiftbreite;
        d.PunktStiftbreite[i] = Punkt[i].Stiftbreite;
        d.KugelBreitenkreise[i] = Kugel[i].Breitenkreise;
        d.KugelLaengenkreise[i] = Kugel[i].Laengenkreise;
        d.SpatStil[i] = stil(Spat[i].Linienstil);
        d.VektorStil[i] = stil(Vektor[i].Linienstil);
        d.StreckeStil[i] = stil(Strecke[i].Linienstil);
        d.KugelStil[i] = stil(Kugel[i].Linienstil);
        d.KegelStil[i] = stil(Kegel[i].Linienstil);
        d.SpatSichtbar[i] = flag(Spat[i].sichtbar);
        d.VektorSichtbar[i] = flag(Vektor[i].sichtbar);
        d.StreckeSichtbar[i] = flag(Strecke[i].sichtbar);
        d.PunktSichtbar[i] = flag(Punkt[i].sichtbar);
        d.KugelSichtbar[i] = flag(Kugel[i].sichtbar);
        d.KegelSichtbar[i] = flag(Kegel[i].sichtbar);
        d.SpatErzeugende[i] = flag(Spat[i].ErzeugendeZeigen);
        d.PunktFadenkreuz[i] = flag(Punkt[i].mitFadenkreuz);
    }
    d.FadenkreuzStil = stil(Fadenkreuz.Linienstil);
    d.FadenkreuzSichtbar = flag(Fadenkreuz.sichtbar);
    d.FadenkreuzSchrittweite = FadenkreuzSchrittweite;
    return d;
}

void KegelteilAusObjekten(TObjektDatensatz2& d) {
    d.FadenkreuzMitte = Fadenkreuz.Mittelpunkt;
    for (int i = 1; i <= 4; ++i) {
        d.Kegel[i].Mitte = Kegel[i].Mittelpunkt;
        d.Kegel[i].Normale = Kegel[i].Normalenvektor;
        d.Kegel[i].Radius = Kegel[i].Radius;
        d.KegelHoehe[i] = Kegel[i].Hoehe;
    }
}

void ObjektdatenSatzFuellen() { Objektdatensaetze[0] = DatensatzAusObjekten(); }

void ObjektdatenKegelSatzFuellen() { Objektdatensaetze2[0] = Datensatz2AusObjekten(); }

void UndoDatenSichern(Byte N) { UndoDaten[N] = DatensatzAusObjekten(); }

void UndoKegelSichern(Byte N) { KegelteilAusObjekten(UndoKegelDaten[N]); }

void SpeicherDatenSichern() { ObjektSpeicher = DatensatzAusObjekten(); }

void SpeicherKegelSichern() { KegelteilAusObjekten(ObjektSpeicherKegel); }
