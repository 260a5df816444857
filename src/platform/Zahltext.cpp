#include "platform/Zahltext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

// Decimal digits of |v| (v finite, not zero): d1 d2 ... with the decimal
// exponent e of d1, so |v| = 0.d1d2... * 10^(e+1). The first `noetig`
// digits are those of the exact value cut off, which is all that rounding
// to noetig - 1 digits reads (half away from zero looks at one digit only).
struct Dezimal {
    std::string ziffern;  // at least one digit
    int exponent = 0;
};

// Writes |v| in scientific form with `stellen` significant digits into buf
// and splits it. False when buf is too small.
bool Schreiben(Extended v, int stellen, char* buf, std::size_t groesse, Dezimal& d) {
    auto r = std::to_chars(buf, buf + groesse, std::fabs(v), std::chars_format::scientific, stellen - 1);
    if (r.ec != std::errc()) return false;
    // "d.ddddde[+-]xx"
    const char* e = buf;
    while (e != r.ptr && *e != 'e') ++e;
    d.ziffern.clear();
    for (const char* c = buf; c != e; ++c)
        if (IstZiffer(*c)) d.ziffern += *c;
    int exp = 0;
    bool minus = false;
    const char* c = e + 1;
    if (c != r.ptr && (*c == '+' || *c == '-')) minus = *c++ == '-';
    for (; c != r.ptr; ++c) exp = exp * 10 + (*c - '0');
    d.exponent = minus ? -exp : exp;
    return true;
}

// True when the exact decimal value of |v| has at most n significant digits.
// Conservative: may say false for a value that fits.
bool PasstInStellen(Extended v, int n) {
    int bin = 0;
    const Extended m = std::frexp(std::fabs(v), &bin);  // |v| = m * 2^bin, 0.5 <= m < 1
    auto ganz = static_cast<unsigned long long>(std::ldexp(m, 64));
    int e = bin - 64;  // |v| = ganz * 2^e exactly
    while ((ganz & 1U) == 0) {
        ganz >>= 1;
        ++e;
    }
    int bits = 0;
    for (unsigned long long g = ganz; g != 0; g >>= 1) ++bits;
    // ganz * 2^e has at most bits*log10(2) + 1 digits as an integer; with
    // e < 0 it is ganz * 5^-e / 10^-e, whose digits are those of ganz * 5^-e
    // (odd, so no trailing zero).
    const double stellen = e >= 0 ? (bits + e) * 0.30103 + 1 : bits * 0.30103 + (-e) * 0.69898 + 2;
    return stellen <= n;
}

// Whether |v| * 10^k is exactly the integer n (0 <= k, -k <= 27). Short
// values (whole numbers, a few decimals) end in genuine zeros, which the
// digits alone cannot tell from a rounding that ran up to them.
bool GenauGleich(Extended a, int k, unsigned long long n) {
    using U = unsigned __int128;
    static constexpr auto fuenfHoch = [] {
        std::array<unsigned long long, 28> f{};  // 5^27 < 2^63
        f[0] = 1;
        for (std::size_t i = 1; i < f.size(); ++i) f[i] = f[i - 1] * 5;
        return f;
    }();
    if (k > 27 || k < -27 || n == 0) return false;
    int bin = 0;
    const Extended m = std::frexp(a, &bin);
    auto ganz = static_cast<unsigned long long>(std::ldexp(m, 64));
    int e = bin - 64;  // a = ganz * 2^e exactly, ganz odd below
    while ((ganz & 1U) == 0) {
        ganz >>= 1;
        ++e;
    }
    // With ganz and 5^k odd, a power of two left in a denominator makes the
    // value no integer.
    if (k >= 0) {
        const U p = static_cast<U>(ganz) * fuenfHoch[static_cast<std::size_t>(k)];  // a * 10^k = p * 2^(e+k)
        const int s = e + k;
        if (s < 0 || s >= 64) return false;
        return (static_cast<U>(n) >> s) == p && ((static_cast<U>(n) >> s) << s) == n;
    }
    const U q = static_cast<U>(n) * fuenfHoch[static_cast<std::size_t>(-k)];  // equal to ganz * 2^(e+k)
    const int s = e + k;
    if (s < 0 || s >= 128) return false;
    return (q >> s) == ganz && ((q >> s) << s) == q;
}

// The digits by long double arithmetic, without printf: |v| * 10^k, for k
// that puts it in [10^(stellen-1), 10^stellen), is off the exact value by
// less than one unit (one rounding, below 10^19 < 2^64). The cut-off value
// then differs from the exact one's only where an integer lies between
// them; the digits above the extra ones differ too only when that integer
// ends in `extra` zeros, which leaves the extra digits all 0 or all 9.
// False in that case, unless the scaled value is exactly that integer, and
// outside the range done here.
bool Rechnen(Extended v, int stellen, int extra, Dezimal& d) {
    static constexpr auto zehnHoch = [] {
        std::array<Extended, 28> z{};  // exact: 5^27 < 2^64
        z[0] = 1;
        for (std::size_t i = 1; i < z.size(); ++i) z[i] = z[i - 1] * 10;
        return z;
    }();
    if (stellen > 19) return false;
    const Extended a = std::fabs(v);
    int bin = 0;
    std::frexp(a, &bin);  // 2^(bin-1) <= a < 2^bin
    int k = stellen - 1 - static_cast<int>(std::floor((bin - 1) * 0.30103));
    unsigned long long n = 0;
    for (int versuch = 0; versuch < 2; ++versuch) {
        if (k > 27 || k < -27) return false;
        const Extended s = k >= 0 ? a * zehnHoch[static_cast<std::size_t>(k)] : a / zehnHoch[static_cast<std::size_t>(-k)];
        if (s < zehnHoch[static_cast<std::size_t>(stellen - 1)]) {
            ++k;
        } else if (s >= zehnHoch[static_cast<std::size_t>(stellen)]) {
            --k;
        } else {
            n = static_cast<unsigned long long>(s);
            break;
        }
    }
    if (n == 0) return false;
    const unsigned long long wert = n;
    char z[20];
    for (int i = stellen - 1; i >= 0; --i) {
        z[i] = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    if (n != 0 || z[0] == '0') return false;
    bool nullen = true, neunen = true;
    for (int i = stellen - extra; i < stellen; ++i) {
        nullen = nullen && z[i] == '0';
        neunen = neunen && z[i] == '9';
    }
    if ((nullen || neunen) && !GenauGleich(a, k, wert)) return false;
    d.ziffern.assign(z, static_cast<std::size_t>(stellen));
    d.exponent = stellen - 1 - k;
    return true;
}

Dezimal Zerlegen(Extended v, int noetig) {
    char buf[128];
    Dezimal d;
    // A few digits more than needed, correctly rounded, carry the cut-off
    // digits unless the rounding ran up through all the extra ones, which
    // then read 0. Those are taken as they are only when the value has no
    // more digits; otherwise the long form below decides.
    constexpr int extra = 3;
    if (noetig >= 1 && Rechnen(v, noetig + extra, extra, d)) return d;
    if (noetig >= 1 && noetig + extra <= 40) {
        const int stellen = noetig + extra;
        if (Schreiben(v, stellen, buf, sizeof buf, d)) {
            bool nullen = true;
            for (int i = noetig; i < stellen; ++i) nullen = nullen && d.ziffern[static_cast<std::size_t>(i)] == '0';
            if (!nullen || PasstInStellen(v, stellen)) return d;
        }
    }
    Schreiben(v, 46, buf, sizeof buf, d);
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

}  // namespace

bool ZahlLesen(std::string_view s, Extended& v) {
    std::size_t i = 0, n = s.size();
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (i < n && blank(s[i])) ++i;
    while (n > i && blank(s[n - 1])) --n;
    std::string c;  // the same number in the form from_chars reads
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') c += '-';
        ++i;
    }
    int ziffern = 0;
    bool komma = false;
    while (i < n && (IstZiffer(s[i]) || s[i] == ',')) {
        if (s[i] == ',') {
            if (komma) return false;
            komma = true;
            c += (ziffern == 0) ? "0." : ".";
        } else {
            ++ziffern;
            c += s[i];
        }
        ++i;
    }
    if (ziffern == 0) return false;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        c += 'e';
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) c += s[i++];
        int expZiffern = 0;
        while (i < n && IstZiffer(s[i])) {
            c += s[i++];
            ++expZiffern;
        }
        if (expZiffern == 0) return false;
    }
    if (i != n) return false;
    Extended w = 0;
    auto r = std::from_chars(c.data(), c.data() + c.size(), w, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != c.data() + c.size() || !std::isfinite(w)) return false;
    v = w;
    return true;
}

std::string ZahlFest(Extended v, int precision, int digits) {
    if (!std::isfinite(v)) return NichtEndlich(v);
    if (precision < 1) precision = 1;
    if (digits < 0) digits = 0;
    bool negativ = std::signbit(v);
    std::string ganz = "0", bruch(static_cast<std::size_t>(digits), '0');
    if (v != 0) {
        const Dezimal exakt = Zerlegen(v, precision + 1);
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
    Dezimal d = Zerlegen(v, precision + 1);
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

std::string ZahlFestInBreite(Extended v, int precision, int digits, std::size_t Breite) {
    for (int d = digits; d >= 0; --d) {
        const std::string s = ZahlFest(v, precision, d);
        if (s.size() <= Breite) return s;
        if (s.find('E') != std::string::npos) break;  // fewer decimals cannot help
    }
    return ZahlAllgemeinInBreite(v, Breite);
}

std::string ZahlAllgemeinInBreite(Extended v, std::size_t Breite) {
    std::string s = ZahlAllgemein(v);
    for (int p = 14; p >= 1 && s.size() > Breite; --p) s = ZahlAllgemein(v, p);
    return s;
}

std::string ZahltextInBreite(const std::string& s, std::size_t Breite) {
    Extended v;
    if (!ZahlLesen(s, v)) return s.substr(0, std::min(s.size(), Breite));
    if (s.size() <= Breite) return s;
    const std::size_t komma = s.find(',');
    if (s.find_first_of("Ee") == std::string::npos && komma != std::string::npos && komma <= Breite)
        return s.substr(0, Breite);
    return ZahlAllgemeinInBreite(v, Breite);
}
