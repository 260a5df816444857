// The shared report layout: number fields, points, columns and expressions,
// and the common end of every builder.

#include "Berichttest.h"

#include "reports/Berichtlayout.h"

namespace {

TEST(Berichtlayout, FeldzahlKuerztNieImExponenten) {
    struct Fall {
        Extended v;
        Zahlformat f;
        std::size_t breite;
        const char* soll;
    };
    const Fall faelle[] = {
        {2.5L, Zahlformat::Fest7, 10, "2,500"},
        {-10000, Zahlformat::Fest7, 10, "-10000,000"},
        // Plain decimals lose decimals only.
        {-123456.7L, Zahlformat::Fest7, 10, "-123456,70"},
        {-1234567.8L, Zahlformat::Fest7, 10, "-1234568,0"},
        {-1234567.8L, Zahlformat::Fest7, 8, "-1234568"},
        // An exponent is never cut: fewer digits instead.
        {12345678, Zahlformat::Fest7, 10, "1,234568E7"},
        {-1.2345678e12L, Zahlformat::Fest7, 10, "-1,2346E12"},
        {-1.2345678e12L, Zahlformat::Fest7, 8, "-1,23E12"},
        {9.99999999e12L, Zahlformat::Fest7, 10, "1E13"},
        {-1234567.8L, Zahlformat::Fest7, 6, "-1,2E6"},
        {-1234567.8L, Zahlformat::Fest6, 10, "-1,23457E6"},
        // The general format: an integer part longer than the field takes
        // an exponent, small numbers keep theirs.
        {3.5527136788005e-15L, Zahlformat::Allgemein, 10, "3,5527E-15"},
        {123456789012.0L, Zahlformat::Allgemein, 10, "1,23457E11"},
        {0.000012345678901L, Zahlformat::Allgemein, 10, "0,00001234"},
        {2.5L, Zahlformat::Allgemein, 10, "2,5"},
    };
    for (const Fall& f : faelle) {
        const std::string s = Feldzahl(f.v, f.f, f.breite);
        EXPECT_EQ(s, f.soll) << static_cast<double>(f.v);
        EXPECT_LE(s.size(), f.breite);
    }
    EXPECT_EQ(Feldtext("-12345,6789"), "-12345,678");
    EXPECT_EQ(Zahl(-0.1234L), "-0,123");
    // Whole on a point line.
    EXPECT_EQ(Klammerpunkt({-1234567.8L, 2.5L, 0}), "(-1234568,000/ 2,500/ 0,000)");
    EXPECT_EQ(KlammerpunktWeit({1, -1, 0}), "(1,000 / -1,000 / 0,000)");
}

TEST(Berichtlayout, SpaltenRechtsbuendigMitEigenerBreite) {
    AusgabeBeginnen();
    Parameterform("    E 1:   x = ", {Spalte({1, -12.5L, 0}), Spalte({-1e8L, 3, 4}), Spalte({0, 0, 0})});
    Vektorausdruck("Vektor = ", {Spalte("1", "-2,5", "x12345678901")}, {});
    ErwarteText(Ausgabeliste, Text(R"(
               |  1,000|        | -1E8|        |0,000||
    E 1:   x = |-12,500|  + k * |3,000|  + r * |0,000||
               |  0,000|        |4,000|        |0,000||
         |         1||
Vektor = |      -2,5||
         |x123456789||
)"));
    EXPECT_EQ(Spaltenbreite[1], 10);  // the last expression's
    EXPECT_EQ(Spaltenbreite[2], 5);   // left from the one before
    EXPECT_EQ(Spaltenbreite[3], 5);
}

TEST_F(Berichttest, JederBauErsetztDenGanzenTextUndSpeichertSeinenCode) {
    TForm_Datenausgabe& F = Form_Datenausgabe;
    EXPECT_EQ(F.Memo1.Font.Height, -13);
    EXPECT_EQ(F.Memo1.Lines, (Zeilen{"", " "}));
    const Zeilen e1 = Bericht(34);
    EXPECT_EQ(F.Memo1.Font.Height, 8);
    EXPECT_EQ(ErgebnisAuswahl, 34);
    EXPECT_TRUE(Ausgabeliste.empty());
    // A shorter report leaves nothing of the longer one; the same data give
    // the same text.
    const Zeilen g = Bericht(22);
    EXPECT_LT(g.size(), e1.size());
    EXPECT_EQ(g.front(), "Daten zur Geraden g:");
    EXPECT_EQ(Bericht(34), e1);
    AusgabeBeginnen();
    Zeile("x");
    AusgabeBeendenOhneCode();
    EXPECT_EQ(F.Memo1.Lines, Zeilen{"x"});
    EXPECT_EQ(ErgebnisAuswahl, 34);
}

}  // namespace
