// Numbers written into a text of at most 18 characters keep their value up
// to the last digit written: fewer digits, never a cut exponent.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "platform/Zahltext.h"

namespace {

// Half a unit of the last digit a text writes.
long double HalbeStelle(const std::string& s) {
    const std::size_t e = s.find('E'), k = s.find(',');
    const int exponent = e == std::string::npos ? 0 : std::stoi(s.substr(e + 1));
    const int stellen = k == std::string::npos ? 0 : static_cast<int>((e == std::string::npos ? s.size() : e) - k - 1);
    return 0.5L * std::pow(10.0L, exponent - stellen);
}

TEST(ZahlInBreite, HoechstensAchtzehnZeichenOhneWertverlust) {
    const struct {
        long double v;
        bool fest;  // fixed, 15 digits and 10 decimals; else general
        const char* soll;
    } faelle[] = {
        {1.23456789012345e-15L, false, "1,234567890123E-15"},
        {-12345.6789012345L, false, "-12345,6789012345"},
        {123456789012345678.0L, false, "1,2345678901235E17"},
        {-0.000012345678901234L, false, "-0,000012345678901"},
        {1234.5L, true, "1234,5000000000"},
        {-10000.123456789L, true, "-10000,1234567890"},
        {-1234567.25L, true, "-1234567,250000000"},
        {-1234567890123456789.0L, true, "-1,234567890123E18"},
    };
    for (const auto& f : faelle) {
        const std::string s = f.fest ? ZahlFestInBreite(f.v, 15, 10, 18) : ZahlAllgemeinInBreite(f.v, 18);
        EXPECT_EQ(s, f.soll);
        EXPECT_LE(s.size(), 18u);
        long double w = 0;
        ASSERT_TRUE(ZahlLesen(s, w)) << s;
        EXPECT_LE(std::fabs(w - f.v), HalbeStelle(s)) << s;
    }
}

}  // namespace

namespace {

TEST(ZahltextInBreite, GekuerzteZahlBehaeltWertUndGetipptesVorzeichen) {
    const struct {
        const char* text;
        const char* soll;
    } faelle[] = {
        {"-0,000000000000001", "-0,0000000"},  // cut as typed, the minus kept
        {"-0,00000000012E5", "-0,000012"},    // written shorter, never without its exponent
        {"-0,0", "-0,0"},
        {"-0", "-0"},
        {"-00,000", "-00,000"},
        {"-0,0000001234", "-0,0000001"},
        {"-12345,6789", "-12345,678"},        // a plain decimal loses decimals only
        {"1,2345678901E-20", "1,2346E-20"},   // never 1,23456789
        {"12345678901", "1,23457E10"},        // never a tenth of its value
        {"abcdefghijklm", "abcdefghij"},
        {"-", "-"},
    };
    for (const auto& f : faelle) EXPECT_EQ(ZahltextInBreite(f.text, 10), f.soll) << f.text;
}

}  // namespace
