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

// ---- The field table -----------------------------------------------------------

namespace {

constexpr std::size_t Slot(int k) { return static_cast<std::size_t>(32 * k); }

// Place p of the run of single numbers in record 2: the x, y and z places of
// slots 13, 14, ... in turn.
constexpr std::size_t Platz(int p) {
    return static_cast<std::size_t>(416 + 32 * (p / 3) + 10 * (p % 3));
}

// The nearest whole number of a stored value. Records that did not come
// from this program may hold anything: NaN counts as 0 and the value is
// kept within a range every target can hold, so no conversion overflows.
long Ganz(Extended v) {
    if (std::isnan(v)) return 0;
    if (v > 1e6L) return 1000000;
    if (v < -1e6L) return -1000000;
    return std::lround(v);
}
Byte GanzByte(Extended v) {
    const long n = Ganz(v);
    return static_cast<Byte>(n < 0 ? 0 : n > 255 ? 255 : n);
}
int GanzInt(Extended v) { return static_cast<int>(Ganz(v)); }
// Style and flag indexes are 0 or 1; anything else reads as the second item
// for flags (off) and gives a solid pen for styles, as the conversions do.
Byte Stil(Extended v) { return IndexZuLinienstil(GanzByte(v)); }
Byte Flag(Extended v) { return IndexZuErzFlag(GanzByte(v)); }
Extended StilIndex(Byte s) { return static_cast<Extended>(LinienstilZuIndex(s)); }
Extended FlagIndex(Byte f) { return static_cast<Extended>(ErzFlagZuIndex(f)); }

using V1 = TVektorfeld<TObjektDatensatz>;
using Z1 = TZahlfeld<TObjektDatensatz>;
using V2 = TVektorfeld<TObjektDatensatz2>;
using Z2 = TZahlfeld<TObjektDatensatz2>;
using D1 = TObjektDatensatz;
using D2 = TObjektDatensatz2;
using A = TGitterArt;

}  // namespace

const std::vector<V1>& Vektorfelder1() {
    static const std::vector<V1> felder = [] {
        std::vector<V1> f;
        int k = 0;
        auto feld = [&](int nr, TVek_R3& (*imSatz)(D1&, int), TVek_R3& (*inSzene)(int), TZellenOrt z) {
            f.push_back({Slot(k++), nr, imSatz, inSzene, z, false});
        };
        feld(1, [](D1& d, int) -> TVek_R3& { return d.gStuetz; }, [](int) -> TVek_R3& { return Gerade[1].Stuetzvektor; }, {A::Geraden, 1, 0, 1});
        feld(1, [](D1& d, int) -> TVek_R3& { return d.gRichtung; }, [](int) -> TVek_R3& { return Gerade[1].Richtungsvektor; }, {A::Geraden, 1, 1, 1});
        feld(2, [](D1& d, int) -> TVek_R3& { return d.hStuetz; }, [](int) -> TVek_R3& { return Gerade[2].Stuetzvektor; }, {A::Geraden, 2, 0, 1});
        feld(2, [](D1& d, int) -> TVek_R3& { return d.hRichtung; }, [](int) -> TVek_R3& { return Gerade[2].Richtungsvektor; }, {A::Geraden, 2, 1, 1});
        feld(3, [](D1& d, int) -> TVek_R3& { return d.tStuetz; }, [](int) -> TVek_R3& { return Gerade[3].Stuetzvektor; }, {A::Geraden, 3, 0, 1});
        feld(3, [](D1& d, int) -> TVek_R3& { return d.tRichtung; }, [](int) -> TVek_R3& { return Gerade[3].Richtungsvektor; }, {A::Geraden, 3, 1, 1});
        feld(1, [](D1& d, int) -> TVek_R3& { return d.E1Stuetz; }, [](int) -> TVek_R3& { return Ebene[1].Stuetzvektor; }, {A::Ebenen, 1, 0, 1});
        feld(1, [](D1& d, int) -> TVek_R3& { return d.E1Richtung1; }, [](int) -> TVek_R3& { return Ebene[1].Richtungsvektor1; }, {A::Ebenen, 1, 1, 1});
        feld(1, [](D1& d, int) -> TVek_R3& { return d.E1Richtung2; }, [](int) -> TVek_R3& { return Ebene[1].Richtungsvektor2; }, {A::Ebenen, 1, 2, 1});
        feld(2, [](D1& d, int) -> TVek_R3& { return d.E2Stuetz; }, [](int) -> TVek_R3& { return Ebene[2].Stuetzvektor; }, {A::Ebenen, 2, 0, 1});
        feld(2, [](D1& d, int) -> TVek_R3& { return d.E2Richtung1; }, [](int) -> TVek_R3& { return Ebene[2].Richtungsvektor1; }, {A::Ebenen, 2, 1, 1});
        feld(2, [](D1& d, int) -> TVek_R3& { return d.E2Richtung2; }, [](int) -> TVek_R3& { return Ebene[2].Richtungsvektor2; }, {A::Ebenen, 2, 2, 1});
        for (int i = 1; i <= 4; ++i) {
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.Spat[n].A; }, [](int n) -> TVek_R3& { return Spat[n].Ecke[1]; }, {A::Spate, i, 0, 1});
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.Spat[n].AB; }, [](int n) -> TVek_R3& { return Spat[n].AB; }, {A::Spate, i, 1, 1});
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.Spat[n].AD; }, [](int n) -> TVek_R3& { return Spat[n].AD; }, {A::Spate, i, 2, 1});
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.Spat[n].AE; }, [](int n) -> TVek_R3& { return Spat[n].AE; }, {A::Spate, i, 3, 1});
        }
        for (int i = 1; i <= 4; ++i) {
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.Vektor[n].Anfang; }, [](int n) -> TVek_R3& { return Vektor[n].Anfangspunkt; }, {A::Vektoren, i, 0, 1});
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.Vektor[n].Vektor; }, [](int n) -> TVek_R3& { return Vektor[n].Vektor; }, {A::Vektoren, i, 1, 1});
        }
        for (int i = 1; i <= 4; ++i) {
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.Strecke[n].A; }, [](int n) -> TVek_R3& { return Strecke[n].A; }, {A::Strecken, i, 0, 1});
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.Strecke[n].B; }, [](int n) -> TVek_R3& { return Strecke[n].B; }, {A::Strecken, i, 1, 1});
        }
        // The points' grids hold x, y, z in rows 0..2.
        for (int i = 1; i <= 4; ++i)
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.Punkt[n]; }, [](int n) -> TVek_R3& { return Punkt[n].Ort; }, {A::Punkte, i, 1, 0});
        for (int i = 1; i <= 4; ++i)
            feld(i, [](D1& d, int n) -> TVek_R3& { return d.KugelMitte[n]; }, [](int n) -> TVek_R3& { return Kugel[n].Mittelpunkt; }, {A::Kugeln, i, 1, 1});
        return f;
    }();
    return felder;
}

const std::vector<Z1>& Zahlfelder1() {
    static const std::vector<Z1> felder = [] {
        std::vector<Z1> f;
        // The radii go straight into the spheres.
        for (int i = 1; i <= 4; ++i)
            f.push_back({static_cast<std::size_t>(1664 + 10 * (i - 1)), i,
                         [](D1& d, int n) -> Extended& { return d.KugelRadius[n]; }, TWertArt::Zahl,
                         [](int n) { return Kugel[n].Radius; }, [](int n, Extended v) { Kugel[n].Radius = v; }, false});
        return f;
    }();
    return felder;
}

const std::vector<V2>& Vektorfelder2() {
    static const std::vector<V2> felder = [] {
        std::vector<V2> f;
        f.push_back({0, 0, [](D2& d, int) -> TVek_R3& { return d.FadenkreuzMitte; },
                     [](int) -> TVek_R3& { return Fadenkreuz.Mittelpunkt; }, {A::Fadenkreuz, 0, 0, 1}, true});
        for (int i = 1; i <= 4; ++i) {
            const std::size_t o = static_cast<std::size_t>(96 * (i - 1));
            f.push_back({32 + o, i, [](D2& d, int n) -> TVek_R3& { return d.Kegel[n].Mitte; },
                         [](int n) -> TVek_R3& { return Kegel[n].Mittelpunkt; }, {A::Kegel, i, 0, 1}, true});
            f.push_back({64 + o, i, [](D2& d, int n) -> TVek_R3& { return d.Kegel[n].Normale; },
                         [](int n) -> TVek_R3& { return Kegel[n].Normalenvektor; }, {A::Kegel, i, 1, 1}, true});
        }
        return f;
    }();
    return felder;
}

const std::vector<Z2>& Zahlfelder2() {
    static const std::vector<Z2> felder = [] {
        std::vector<Z2> f;
        using ImSatz = Extended& (*)(D2&, int);
        using Aus = Extended (*)(int);
        using In = void (*)(int, Extended);
        for (int i = 1; i <= 4; ++i) {
            const std::size_t o = static_cast<std::size_t>(96 * (i - 1));
            f.push_back({96 + o, i, [](D2& d, int n) -> Extended& { return d.Kegel[n].Radius; }, TWertArt::Zahl,
                         [](int n) { return Kegel[n].Radius; }, [](int n, Extended v) { Kegel[n].Radius = v; }, true});
            f.push_back({106 + o, i, [](D2& d, int n) -> Extended& { return d.Kegel[n].Speichen; }, TWertArt::Speichen,
                         [](int n) { return static_cast<Extended>(Kegel[n].Speichen); },
                         [](int n, Extended v) { Kegel[n].Speichen = GanzInt(v); }, false});
            f.push_back({116 + o, i, [](D2& d, int n) -> Extended& { return d.Kegel[n].Randdicke; }, TWertArt::Randdicke,
                         [](int n) { return static_cast<Extended>(Kegel[n].Randstaerke); },
                         [](int n, Extended v) { Kegel[n].Randstaerke = GanzInt(v); }, false});
        }
        // The run of single numbers from byte 416 on.
        int p = 0;
        auto reihe = [&](int von, int bis, ImSatz imSatz, TWertArt art, Aus aus, In in, bool kegelteil = false) {
            for (int i = von; i <= bis; ++i) f.push_back({Platz(p++), i, imSatz, art, aus, in, kegelteil});
        };
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.KegelHoehe[n]; }, TWertArt::Zahl,
              [](int n) { return Kegel[n].Hoehe; }, [](int n, Extended v) { Kegel[n].Hoehe = v; }, true);
        reihe(1, 2, [](D2& d, int n) -> Extended& { return d.EbeneStiftbreite[n]; }, TWertArt::Stiftbreite,
              [](int n) { return static_cast<Extended>(Ebene[n].Stiftbreite); },
              [](int n, Extended v) { Ebene[n].Stiftbreite = GanzByte(v); });
        reihe(1, 3, [](D2& d, int n) -> Extended& { return d.GeradeStiftbreite[n]; }, TWertArt::Stiftbreite,
              [](int n) { return static_cast<Extended>(Gerade[n].Stiftbreite); },
              [](int n, Extended v) { Gerade[n].Stiftbreite = GanzInt(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.SpatStiftbreite[n]; }, TWertArt::Stiftbreite,
              [](int n) { return static_cast<Extended>(Spat[n].Stiftbreite); },
              [](int n, Extended v) { Spat[n].Stiftbreite = GanzInt(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.VektorStiftbreite[n]; }, TWertArt::Stiftbreite,
              [](int n) { return static_cast<Extended>(Vektor[n].Stiftbreite); },
              [](int n, Extended v) { Vektor[n].Stiftbreite = GanzInt(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.StreckeStiftbreite[n]; }, TWertArt::Stiftbreite,
              [](int n) { return static_cast<Extended>(Strecke[n].Stiftbreite); },
              [](int n, Extended v) { Strecke[n].Stiftbreite = GanzInt(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.PunktStiftbreite[n]; }, TWertArt::Stiftbreite,
              [](int n) { return static_cast<Extended>(Punkt[n].Stiftbreite); },
              [](int n, Extended v) { Punkt[n].Stiftbreite = GanzInt(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.KugelBreitenkreise[n]; }, TWertArt::Breitenkreise,
              [](int n) { return static_cast<Extended>(Kugel[n].Breitenkreise); },
              [](int n, Extended v) { Kugel[n].Breitenkreise = GanzByte(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.KugelLaengenkreise[n]; }, TWertArt::Laengenkreise,
              [](int n) { return static_cast<Extended>(Kugel[n].Laengenkreise); },
              [](int n, Extended v) { Kugel[n].Laengenkreise = GanzByte(v); });
        reihe(1, 3, [](D2& d, int n) -> Extended& { return d.GeradeStil[n]; }, TWertArt::Index,
              [](int n) { return StilIndex(Gerade[n].Linienstil); }, [](int n, Extended v) { Gerade[n].Linienstil = Stil(v); });
        reihe(1, 2, [](D2& d, int n) -> Extended& { return d.EbeneStil[n]; }, TWertArt::Index,
              [](int n) { return StilIndex(Ebene[n].Linienstil); }, [](int n, Extended v) { Ebene[n].Linienstil = Stil(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.SpatStil[n]; }, TWertArt::Index,
              [](int n) { return StilIndex(Spat[n].Linienstil); }, [](int n, Extended v) { Spat[n].Linienstil = Stil(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.VektorStil[n]; }, TWertArt::Index,
              [](int n) { return StilIndex(Vektor[n].Linienstil); }, [](int n, Extended v) { Vektor[n].Linienstil = Stil(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.StreckeStil[n]; }, TWertArt::Index,
              [](int n) { return StilIndex(Strecke[n].Linienstil); }, [](int n, Extended v) { Strecke[n].Linienstil = Stil(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.KugelStil[n]; }, TWertArt::Index,
              [](int n) { return StilIndex(Kugel[n].Linienstil); }, [](int n, Extended v) { Kugel[n].Linienstil = Stil(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.KegelStil[n]; }, TWertArt::Index,
              [](int n) { return StilIndex(Kegel[n].Linienstil); }, [](int n, Extended v) { Kegel[n].Linienstil = Stil(v); });
        reihe(0, 0, [](D2& d, int) -> Extended& { return d.FadenkreuzStil; }, TWertArt::Index,
              [](int) { return StilIndex(Fadenkreuz.Linienstil); }, [](int, Extended v) { Fadenkreuz.Linienstil = Stil(v); });
        ++p;   // 1044: unused
        // Visibility in the order of the object numbers.
        reihe(1, 3, [](D2& d, int n) -> Extended& { return d.GeradeSichtbar[n]; }, TWertArt::Index,
              [](int n) { return FlagIndex(Gerade[n].sichtbar); }, [](int n, Extended v) { Gerade[n].sichtbar = Flag(v); });
        reihe(1, 2, [](D2& d, int n) -> Extended& { return d.EbeneSichtbar[n]; }, TWertArt::Index,
              [](int n) { return FlagIndex(Ebene[n].sichtbar); }, [](int n, Extended v) { Ebene[n].sichtbar = Flag(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.SpatSichtbar[n]; }, TWertArt::Index,
              [](int n) { return FlagIndex(Spat[n].sichtbar); }, [](int n, Extended v) { Spat[n].sichtbar = Flag(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.VektorSichtbar[n]; }, TWertArt::Index,
              [](int n) { return FlagIndex(Vektor[n].sichtbar); }, [](int n, Extended v) { Vektor[n].sichtbar = Flag(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.StreckeSichtbar[n]; }, TWertArt::Index,
              [](int n) { return FlagIndex(Strecke[n].sichtbar); }, [](int n, Extended v) { Strecke[n].sichtbar = Flag(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.PunktSichtbar[n]; }, TWertArt::Index,
              [](int n) { return FlagIndex(Punkt[n].sichtbar); }, [](int n, Extended v) { Punkt[n].sichtbar = Flag(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.KugelSichtbar[n]; }, TWertArt::Index,
              [](int n) { return FlagIndex(Kugel[n].sichtbar); }, [](int n, Extended v) { Kugel[n].sichtbar = Flag(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.KegelSichtbar[n]; }, TWertArt::Index,
              [](int n) { return FlagIndex(Kegel[n].sichtbar); }, [](int n, Extended v) { Kegel[n].sichtbar = Flag(v); });
        reihe(0, 0, [](D2& d, int) -> Extended& { return d.FadenkreuzSichtbar; }, TWertArt::Index,
              [](int) { return FlagIndex(Fadenkreuz.sichtbar); }, [](int, Extended v) { Fadenkreuz.sichtbar = Flag(v); });
        reihe(1, 4, [](D2& d, int n) -> Extended& { return d.SpatErzeugende[n]; }, TWertArt::Index,
              [](int n) { return FlagIndex(Spat[n].ErzeugendeZeigen); },
              [](int n, Extended v) { Spat[n].ErzeugendeZeigen = Flag(v); });
        const ImSatz kreuz = [](D2& d, int n) -> Extended& { return d.PunktFadenkreuz[n]; };
        const Aus kreuzAus = [](int n) { return FlagIndex(Punkt[n].mitFadenkreuz); };
        const In kreuzIn = [](int n, Extended v) { Punkt[n].mitFadenkreuz = Flag(v); };
        reihe(1, 3, kreuz, TWertArt::Index, kreuzAus, kreuzIn);
        ++p;   // 1450: unused
        reihe(4, 4, kreuz, TWertArt::Index, kreuzAus, kreuzIn);
        reihe(0, 0, [](D2& d, int) -> Extended& { return d.FadenkreuzSchrittweite; }, TWertArt::Zahl,
              [](int) { return FadenkreuzSchrittweite; }, [](int, Extended v) { FadenkreuzSchrittweite = v; });
        return f;
    }();
    return felder;
}

// ---- Byte layout -------------------------------------------------------------

namespace {

void ColorZuBytes(TColor c, std::uint8_t* b) {
    for (int i = 0; i < 4; ++i) b[i] = static_cast<std::uint8_t>(c >> (8 * i));
}

TColor BytesZuColor(const std::uint8_t* b) {
    TColor c = 0;
    for (int i = 0; i < 4; ++i) c |= static_cast<TColor>(b[i]) << (8 * i);
    return c;
}

template <class D>
TDatensatzBytes Schreiben(const D& d, const std::vector<TVektorfeld<D>>& vektoren,
                          const std::vector<TZahlfeld<D>>& zahlen) {
    TDatensatzBytes b{};
    for (const auto& f : vektoren) {
        const TVek_R3& v = f.Wert(d);
        ExtendedZuBytes(v.x, &b[f.Offset]);
        ExtendedZuBytes(v.y, &b[f.Offset + 10]);
        ExtendedZuBytes(v.z, &b[f.Offset + 20]);
    }
    for (const auto& f : zahlen) ExtendedZuBytes(f.Wert(d), &b[f.Offset]);
    return b;
}

template <class D>
void Lesen(const TDatensatzBytes& b, D& d, const std::vector<TVektorfeld<D>>& vektoren,
           const std::vector<TZahlfeld<D>>& zahlen) {
    for (const auto& f : vektoren) {
        TVek_R3& v = f.ImSatz(d, f.Nr);
        v.x = BytesZuExtended(&b[f.Offset]);
        v.y = BytesZuExtended(&b[f.Offset + 10]);
        v.z = BytesZuExtended(&b[f.Offset + 20]);
    }
    for (const auto& f : zahlen) f.ImSatz(d, f.Nr) = BytesZuExtended(&b[f.Offset]);
}

}  // namespace

TDatensatzBytes InBytes(const TObjektDatensatz& d) { return Schreiben(d, Vektorfelder1(), Zahlfelder1()); }

TDatensatzBytes InBytes(const TObjektDatensatz2& d) { return Schreiben(d, Vektorfelder2(), Zahlfelder2()); }

void AusBytes(const TDatensatzBytes& b, TObjektDatensatz& d) { Lesen(b, d, Vektorfelder1(), Zahlfelder1()); }

void AusBytes(const TDatensatzBytes& b, TObjektDatensatz2& d) { Lesen(b, d, Vektorfelder2(), Zahlfelder2()); }

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
    for (const auto& f : Vektorfelder1()) f.ImSatz(d, f.Nr) = f.InSzene(f.Nr);
    for (const auto& f : Zahlfelder1()) f.ImSatz(d, f.Nr) = f.AusSzene(f.Nr);
    return d;
}

TObjektDatensatz2 Datensatz2AusObjekten() {
    TObjektDatensatz2 d;
    for (const auto& f : Vektorfelder2()) f.ImSatz(d, f.Nr) = f.InSzene(f.Nr);
    for (const auto& f : Zahlfelder2()) f.ImSatz(d, f.Nr) = f.AusSzene(f.Nr);
    return d;
}

void KegelteilAusObjekten(TObjektDatensatz2& d) {
    for (const auto& f : Vektorfelder2())
        if (f.Kegelteil) f.ImSatz(d, f.Nr) = f.InSzene(f.Nr);
    for (const auto& f : Zahlfelder2())
        if (f.Kegelteil) f.ImSatz(d, f.Nr) = f.AusSzene(f.Nr);
}

void ObjektdatenSatzFuellen() { Objektdatensaetze[0] = DatensatzAusObjekten(); }

void ObjektdatenKegelSatzFuellen() { Objektdatensaetze2[0] = Datensatz2AusObjekten(); }

void UndoDatenSichern(Byte N) { UndoDaten[N] = DatensatzAusObjekten(); }

void UndoKegelSichern(Byte N) { KegelteilAusObjekten(UndoKegelDaten[N]); }

void SpeicherDatenSichern() { ObjektSpeicher = DatensatzAusObjekten(); }

void SpeicherKegelSichern() { KegelteilAusObjekten(ObjektSpeicherKegel); }
