#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "platform/Zahltext.h"

namespace {

// Runs the checks once in the C locale and once under a German locale,
// where the C library prints and reads with a comma.
class ZahltextTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        alt_ = std::setlocale(LC_ALL, nullptr);
        if (!std::setlocale(LC_ALL, GetParam())) FAIL() << "Locale fehlt: " << GetParam();
    }
    void TearDown() override { std::setlocale(LC_ALL, alt_.c_str()); }
    std::string alt_;
};

TEST_P(ZahltextTest, FestesFormatRundetEinmalHalbWeg) {
    // One rounding at the coarser of the two places: a first rounding to 7
    // digits would leave a 5 (12,34550) for a second one to carry.
    EXPECT_EQ(ZahlFest(12.345496L, 7, 3), "12,345");
    EXPECT_EQ(ZahlFest(-1.0004999L, 7, 3), "-1,000");
    EXPECT_EQ(ZahlFest(999.6L, 7, 0), "1000");
    EXPECT_EQ(ZahlFest(12345.6789L, 7, 3), "12345,680");
    EXPECT_EQ(ZahlFest(2.5L, 7, 3), "2,500");
    EXPECT_EQ(ZahlFest(-0.1234L, 7, 3), "-0,123");
    EXPECT_EQ(ZahlFest(0.0625L, 7, 3), "0,063");
    EXPECT_EQ(ZahlFest(10000.1234L, 7, 3), "10000,120");
    EXPECT_EQ(ZahlFest(1234567.89L, 7, 3), "1234568,000");
    EXPECT_EQ(ZahlFest(-0.0004L, 7, 3), "0,000");
    EXPECT_EQ(ZahlFest(4.0L, 14, 6), "4,000000");
    EXPECT_EQ(ZahlFest(0.0L, 7, 3), "0,000");
    EXPECT_EQ(ZahlFest(-0.0L, 7, 3), "0,000");
    // The Extended nearest to -0,0005 lies just above it: no tie to round away.
    EXPECT_EQ(ZahlFest(-0.0005L, 7, 3), "0,000");
    EXPECT_EQ(ZahlFest(-0.00050001L, 7, 3), "-0,001");
    EXPECT_EQ(ZahlFest(0.9996L, 7, 3), "1,000");
    EXPECT_EQ(ZahlFest(-9999.9999L, 7, 3), "-10000,000");
    EXPECT_EQ(ZahlFest(-1.0L, 12, 4), "-1,0000");
    EXPECT_EQ(ZahlFest(3.0L, 7, 0), "3");
    // Integer part longer than the precision: scientific form.
    EXPECT_EQ(ZahlFest(12345678.0L, 7, 3), "1,234568E7");
    EXPECT_EQ(ZahlFest(-10000000.0L, 7, 3), "-1E7");
    // Rounding to the precision first can make the integer part too long.
    EXPECT_EQ(ZahlFest(9999999.6L, 7, 3), "1E7");
}

TEST_P(ZahltextTest, AllgemeinesFormat) {
    EXPECT_EQ(ZahlAllgemein(2.5L), "2,5");
    EXPECT_EQ(ZahlAllgemein(3.0L), "3");
    EXPECT_EQ(ZahlAllgemein(1e15L), "1E15");
    EXPECT_EQ(ZahlAllgemein(999999999999999.0L), "999999999999999");
    EXPECT_EQ(ZahlAllgemein(0.00001L), "0,00001");
    EXPECT_EQ(ZahlAllgemein(0.000001L), "1E-6");
    EXPECT_EQ(ZahlAllgemein(-0.1L), "-0,1");
    EXPECT_EQ(ZahlAllgemein(0.0L), "0");
    EXPECT_EQ(ZahlAllgemein(1.0L / 3.0L), "0,333333333333333");
    EXPECT_EQ(ZahlAllgemein(3.5527136788005e-15L), "3,5527136788005E-15");
    EXPECT_EQ(ZahlAllgemein(-123456.75L), "-123456,75");
    EXPECT_EQ(ZahlAllgemein(std::numeric_limits<Extended>::quiet_NaN()), "NAN");
}

TEST_P(ZahltextTest, LesenNimmtNurZahlenMitKomma) {
    const std::pair<const char*, Extended> gut[] = {{"2,5", 2.5L},   {"  -0,5 ", -0.5L}, {"+7", 7.0L},
                                                    {",5", 0.5L},    {"-,25", -0.25L},   {"3,", 3.0L},
                                                    {"1E15", 1e15L}, {"1,5e-3", 1.5e-3L}, {"10000,999", 10000.999L}};
    for (const auto& [s, w] : gut) {
        Extended v = 99;
        EXPECT_TRUE(ZahlLesen(s, v)) << '"' << s << '"';
        EXPECT_EQ(v, w) << '"' << s << '"';
    }
    Extended v = 42;
    for (const char* s : {"", "-", "+", ",", "1.5", "1,2,3", "abc", "1e", "1E+", "--1", "1 2", "0x10",
                          "inf", "nan", "1E5000", "5-", "1,5x"}) {
        EXPECT_FALSE(ZahlLesen(s, v)) << '"' << s << '"';
        EXPECT_EQ(v, 42.0L) << '"' << s << '"';
    }
}

TEST_P(ZahltextTest, TexteLesenSichZurueck) {
    for (Extended w : {0.1L, -7.25L, 1234.5678L, 1e-7L, 6.02214076e23L, -3.0L}) {
        Extended v = 0;
        ASSERT_TRUE(ZahlLesen(ZahlAllgemein(w), v));
        EXPECT_NEAR(static_cast<double>(v / w), 1.0, 1e-14);
        ASSERT_TRUE(ZahlLesen(ZahlFest(w, 18, 6), v));
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, ZahltextTest, ::testing::Values("C", "de_DE.UTF-8"));

}  // namespace
