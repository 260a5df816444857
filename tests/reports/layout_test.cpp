// The shared report layout: number fields, points, expressions of columns,
// and the common end of every builder.

#include "Berichttest.h"

#include "reports/Berichtlayout.h"

namespace {

TEST(Berichtlayout, FeldzahlKuerztNieImExponenten) {
    using enum Zahlformat;
    const struct {
        Extended v;
        Zahlformat f;
        std::size_t breite;
        const char* soll;
    } faelle[] = {
        {-10000, Fest7, 10, "-10000,000"},
        {-123456.7L, Fest7, 10, "-123456,70"},  // plain decimals lose decimals only
        {-1234567.8L, Fest7, 8, "-1234568"},
        {12345678, Fest7, 10, "1,234568E7"},
        {-1.2345678e12L, Fest7, 10, "-1,2346E12"},  // never "-1,234568E"
        {-1.2345678e12L, Fest7, 8, "-1,23E12"},
        {9.99999999e12L, Fest7, 10, "1E13"},
        {-1234567.8L, Fest6, 10, "-1,23457E6"},
        {3.5527136788005e-15L, Allgemein, 10, "3,5527E-15"},
        {123456789012.0L, Allgemein, 10, "1,23457E11"},
        {0.000012345678901L, Allgemein, 10, "0,00001234"},
    };
    for (const auto& f : faelle) EXPECT_EQ(Feldzahl(f.v, f.f, f.breite), f.soll) << static_cast<double>(f.v);
    EXPECT_EQ(Feldtext("-12345,6789"), "-12345,678");
    // Whole on a point line.
    EXPECT_EQ(Klammerpunkt({-1234567.8L, 2.5L, -0.1234L}), "(-1234568,000/ 2,500/ -0,123)");
    EXPECT_EQ(KlammerpunktWeit({1, -1, 0}), "(1,000 / -1,000 / 0,000)");
}

TEST(Berichtlayout, SpaltenRechtsbuendigMitEigenerBreite) {
    AusgabeBeginnen();
    Parameterform("    E 1:   x = ", {Spalte({1, -12.5L, 0}), Spalte({-1e8L, 3, 4}), Spalte({0, 0, 0})});
    Vektorausdruck("Vektor = ", {Spalte("1", "-2,5", "x12345678901")}, {});
    EXPECT_EQ(Ausgabeliste, Text(R"(
               |  1,000|        | -1E8|        |0,000||
    E 1:   x = |-12,500|  + k * |3,000|  + r * |0,000||
               |  0,000|        |4,000|        |0,000||
         |         1||
Vektor = |      -2,5||
         |x123456789||
)"));
    EXPECT_EQ(Spaltenbreite[1], 10);  // the last expression's
    EXPECT_EQ(Spaltenbreite[2], 5);   // left from the one before
}

TEST_F(Berichttest, JederBauErsetztDenGanzenText) {
    TMemo& M = Form_Datenausgabe.Memo1;
    EXPECT_EQ(M.Font.Height, -13);
    EXPECT_EQ(M.Lines, (Zeilen{"", " "}));
    const Zeilen e1 = Bericht(34);
    EXPECT_EQ(M.Font.Height, 8);
    EXPECT_TRUE(Ausgabeliste.empty());
    EXPECT_EQ(Bericht(22).front(), "Daten zur Geraden g:");
    EXPECT_LT(M.Lines.size(), e1.size());  // nothing of the longer one stays
    EXPECT_EQ(Bericht(34), e1);            // the same data, the same text
}

}  // namespace
