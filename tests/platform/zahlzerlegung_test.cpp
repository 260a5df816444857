#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "platform/Zahltext.h"

// The number texts must come out byte for byte as the straightforward
// routine below writes them: all 46 digits from to_chars, then rounded on
// strings. The program's texts are built with fewer digits and no heap
// strings; these tests hold the two against each other.
namespace alt {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

// Decimal digits of |v| (v finite, not zero): d1 d2 ... with the decimal
// exponent e of d1, so |v| = 0.d1d2... * 10^(e+1). Enough digits that
// rounding to at most 21 places is decided correctly.
struct Dezimal {
    std::string ziffern;  // at least one digit
    int exponent = 0;
};

Dezimal Zerlegen(Extended v) {
    char buf[128];
    auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 45);
    std::string s(buf, r.ptr);
    // "d.ddddde[+-]xx"
    Dezimal d;
    std::size_t epos = s.find('e');
    for (std::size_t i = 0; i < epos; ++i)
        if (IstZiffer(s[i])) d.ziffern += s[i];
    d.exponent = std::stoi(s.substr(epos + 1));
    return d;
}

// Rounds the digit string to n >= 1 digits, half away from zero. A carry
// that adds a digit raises the exponent.
void Runden(Dezimal& d, int n) {
    if (static_cast<int>(d.ziffern.size()) <= n) {
        d.ziffern.append(static_cast<std::size_t>(n) - d.ziffern.size(), '0');
        return;
    }
    bool aufrunden = d.ziffern[static_cast<std::size_t>(n)] >= '5';
    d.ziffern.resize(static_cast<std::size_t>(n));
    if (!aufrunden) return;
    int i = n - 1;
    while (i >= 0 && d.ziffern[static_cast<std::size_t>(i)] == '9') {
        d.ziffern[static_cast<std::size_t>(i)] = '0';
        --i;
    }
    if (i >= 0) {
        ++d.ziffern[static_cast<std::size_t>(i)];
    } else {
        d.ziffern.insert(d.ziffern.begin(), '1');
        d.ziffern.pop_back();
        ++d.exponent;
    }
}

std::string OhneEndnullen(std::string s) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    return s;
}

std::string NichtEndlich(Extended v) {
    if (std::isnan(v)) return "NAN";
    return v < 0 ? "-INF" : "INF";
}

// Scientific form: mantissa without trailing zeros, "E", exponent.
std::string Wissenschaftlich(bool negativ, const Dezimal& d) {
    std::string z = OhneEndnullen(d.ziffern);
    if (z.empty()) z.push_back('0');
    std::string s;
    if (negativ) s.push_back('-');
    s += z[0];
    if (z.size() > 1) {
        s += ',';
        s.append(z, 1, std::string::npos);
    }
    s += 'E';
    s += std::to_string(d.exponent);
    return s;
}

std::string ZahlFest(Extended v, int precision, int digits) {
    if (!std::isfinite(v)) return NichtEndlich(v);
    if (precision < 1) precision = 1;
    if (digits < 0) digits = 0;
    bool negativ = std::signbit(v);
    std::string ganz = "0", bruch(static_cast<std::size_t>(digits), '0');
    if (v != 0) {
        const Dezimal exakt = Zerlegen(v);
        Dezimal d = exakt;
        Runden(d, precision);
        if (d.exponent + 1 > precision) return Wissenschaftlich(negativ, d);
        // One rounding of the exact digits, at the coarser of the two places:
        // rounding first to the precision and then to the decimals could
        // carry twice (12,345496 -> 12,34550 -> 12,346).
        d = exakt;
        const int n = std::min(precision, exakt.exponent + 1 + digits);  // digits kept
        if (n >= 1) {
            Runden(d, n);
        } else {
            // Every digit lies below the last decimal written: 0, or one unit
            // of that decimal when the first digit rounds up.
            const bool auf = n == 0 && d.ziffern[0] >= '5';
            d.ziffern = auf ? "1" : "0";
            d.exponent = -digits;
            if (!auf) d.exponent = 0;
        }
        const std::string& z = d.ziffern;
        const int e = d.exponent;
        // The digit string stands for 0.z * 10^(e+1); spread it into integer
        // and decimal part.
        std::string alle;
        if (e >= 0) {
            ganz = z.substr(0, std::min(z.size(), static_cast<std::size_t>(e + 1)));
            ganz.append(static_cast<std::size_t>(e + 1) - ganz.size(), '0');
            alle = z.size() > static_cast<std::size_t>(e + 1) ? z.substr(static_cast<std::size_t>(e + 1)) : "";
        } else {
            ganz = "0";
            alle = std::string(static_cast<std::size_t>(-e - 1), '0') + z;
        }
        if (z == "0") alle.clear();
        alle.resize(static_cast<std::size_t>(digits), '0');  // only zeros are cut or added
        bruch = alle;
    }
    std::size_t k = 0;
    while (k + 1 < ganz.size() && ganz[k] == '0') ++k;
    ganz.erase(0, k);
    bool nurNullen = ganz.find_first_not_of('0') == std::string::npos &&
                     bruch.find_first_not_of('0') == std::string::npos;
    std::string s = (negativ && !nurNullen) ? "-" : "";
    s += ganz;
    if (digits > 0) {
        s += ',';
        s += bruch;
    }
    return s;
}

std::string ZahlAllgemein(Extended v, int precision) {
    if (!std::isfinite(v)) return NichtEndlich(v);
    if (v == 0) return "0";
    if (precision < 1) precision = 1;
    bool negativ = v < 0;
    Dezimal d = Zerlegen(v);
    Runden(d, precision);
    if (d.exponent >= precision || d.exponent < -5) return Wissenschaftlich(negativ, d);
    std::string s = negativ ? "-" : "";
    const std::string& z = d.ziffern;
    if (d.exponent >= 0) {
        s += z.substr(0, static_cast<std::size_t>(d.exponent + 1));
        std::string rest = OhneEndnullen(z.substr(static_cast<std::size_t>(d.exponent + 1)));
        if (!rest.empty()) s += "," + rest;
    } else {
        s += "0,";
        s += std::string(static_cast<std::size_t>(-d.exponent - 1), '0');
        s += OhneEndnullen(z);
    }
    return s;
}


}  // namespace alt

namespace {

void Vergleichen(Extended v, int precision, int digits) {
    ASSERT_EQ(ZahlFest(v, precision, digits), alt::ZahlFest(v, precision, digits))
        << "ZahlFest(" << static_cast<double>(v) << ", " << precision << ", " << digits << ")";
    ASSERT_EQ(ZahlAllgemein(v, precision), alt::ZahlAllgemein(v, precision))
        << "ZahlAllgemein(" << static_cast<double>(v) << ", " << precision << ")";
}

void AlleStellen(Extended v) {
    for (int p : {1, 2, 3, 7, 15, 18, 19, 20, 21, 22, 30, 37, 38, 45, 50})
        for (int d : {0, 1, 3, 7, 12, 20}) {
            Vergleichen(v, p, d);
            Vergleichen(-v, p, d);
        }
}

// Random bits of the 64-bit mantissa, over the whole range of exponents
// and, more densely, over the range the program's coordinates live in.
TEST(Zahlzerlegung, ZufaelligeWerteWieDieLangeForm) {
    std::mt19937_64 zufall(20261207);
    std::uniform_int_distribution<int> weit(-16440, 16383), nah(-70, 70), prec(1, 24), dig(0, 21);
    for (int i = 0; i < 40000; ++i) {
        const auto bits = zufall() | (1ULL << 63);
        const int e = i % 4 == 0 ? weit(zufall) : nah(zufall);
        const Extended v = std::ldexp(static_cast<Extended>(bits), e - 64);
        if (v == 0 || !std::isfinite(v)) continue;
        Vergleichen(v, 7, 3);
        Vergleichen(v, 15, 0);
        Vergleichen(v, prec(zufall), dig(zufall));
    }
}

// Short decimals and the long doubles next to them: exact values, and
// values just below or above a place where rounding ties or carries.
TEST(Zahlzerlegung, TiesUebertraegeUndNeunenWieDieLangeForm) {
    std::vector<Extended> werte = {1, 10, 80, 81, 0.5L, 2.5L, 0.125L, 12.345496L, 999.6L, 1e15L, 1e-5L, 0.1L};
    for (const char* t : {"9", "99999", "9999999", "99999999999999", "999999999999999999999",
                          "0.99999995", "12.3455", "0.0000015", "4.5", "1.0000005", "123456.75"}) {
        Extended v = 0;
        std::from_chars(t, t + std::char_traits<char>::length(t), v);
        werte.push_back(v);
    }
    for (int k = -30; k <= 30; ++k) {
        const Extended z = std::pow(10.0L, static_cast<Extended>(k));
        werte.push_back(z);
        werte.push_back(5 * z);
        werte.push_back(z - z * 1e-16L);
        werte.push_back(z * (1 - std::numeric_limits<Extended>::epsilon()));
        werte.push_back(z * (1 + std::numeric_limits<Extended>::epsilon()));
    }
    werte.push_back(std::numeric_limits<Extended>::max());
    werte.push_back(std::numeric_limits<Extended>::min());
    werte.push_back(std::numeric_limits<Extended>::denorm_min());
    werte.push_back(std::numeric_limits<Extended>::lowest() / 3);
    for (Extended w : std::vector<Extended>(werte)) {
        werte.push_back(std::nextafter(w, 0.0L));
        werte.push_back(std::nextafter(w, std::numeric_limits<Extended>::infinity()));
    }
    for (Extended v : werte) AlleStellen(v);
}

// Whole numbers and halves through many magnitudes: their digits run out
// long before 46, so the few digits written end in genuine zeros.
TEST(Zahlzerlegung, KurzeWerteWieDieLangeForm) {
    for (int i = -2000; i <= 2000; ++i) {
        const Extended v = static_cast<Extended>(i) / 8;
        if (v == 0) continue;
        Vergleichen(v, 7, 3);
        Vergleichen(v, 3, 1);
        Vergleichen(v * 1e12L, 7, 3);
        Vergleichen(v * 1e18L, 21, 2);
    }
    for (int s = 0; s < 64; ++s) AlleStellen(std::ldexp(1.0L, s) + 1);
}

// Whole multiples of powers of ten, large and small, which the short form
// takes as they are once it finds them exact, and their neighbours, which
// it must not.
TEST(Zahlzerlegung, VielfacheVonZehnerpotenzenWieDieLangeForm) {
    for (int k = -27; k <= 40; ++k)
        for (const Extended n : {1.0L, 3.0L, 25.0L, 999.0L, 123456789.0L, 4503599627370497.0L}) {
            const Extended v = k >= 0 ? n * std::pow(10.0L, static_cast<Extended>(k)) : n / std::pow(10.0L, static_cast<Extended>(-k));
            for (const Extended w : {v, std::nextafter(v, 0.0L), std::nextafter(v, std::numeric_limits<Extended>::infinity())})
                for (int p : {1, 7, 15, 19, 21})
                    for (int d : {0, 3, 12}) Vergleichen(w, p, d);
        }
}

}  // namespace
