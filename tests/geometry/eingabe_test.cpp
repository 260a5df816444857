#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "geometry/Eingabe.h"
#include "platform/SkriptHost.h"

TEST(Eingabe, ZahlenpruefungNurDieErstenZwanzigZeichen) {
    for (const char* t : {"-0,5", "12", "1,000000000000000000xyz"})   // rubbish after 20 characters
        EXPECT_TRUE(IstGleitkommazahl(t)) << t;
    for (const char* t : {"1.5", "-", "", "abc", "1,00000000000000000x9"}) EXPECT_FALSE(IstGleitkommazahl(t)) << t;

    EXPECT_EQ(PruefText("12345678901234567890"), "12345678901234567890");
    EXPECT_EQ(PruefText("123456789012345678901"), "12345678901234567890");
    // "ä" takes bytes 20 and 21: it goes whole, the number before it stays.
    const std::string s = "1,00000000000000000\xC3\xA4";
    EXPECT_EQ(PruefText(s), "1,00000000000000000");
    EXPECT_TRUE(IstGleitkommazahl(s));
    // "ä" takes bytes 19 and 20: kept whole, so no number.
    EXPECT_EQ(PruefText("1,0000000000000000\xC3\xA4"), "1,0000000000000000\xC3\xA4");

    // The cut changes the value: 100 is inside, 100E9 would not be; the
    // reader reads what the check judged.
    const std::string lang = "100,0000000000000000E9";
    EXPECT_TRUE(ZahlImBereich(lang, -10001, 10001));
    Extended v = 0;
    ASSERT_TRUE(ZelleLesen(lang, v));
    EXPECT_EQ(v, 100.0L);
}

TEST(Eingabe, BereicheStriktUndKeineZahlIstNurEinNein) {
    for (const char* t : {"10000,999", "-10000,999"}) EXPECT_TRUE(ZahlImBereich(t, -10001, 10001)) << t;
    // No number is a plain refusal, never a failure the caller must catch.
    for (const char* t : {"10001", "-10001", "1E5", "", "-", "1.5"})
        EXPECT_FALSE(ZahlImBereich(t, -10001, 10001)) << t;
    for (const char* t : {"9999,5", "-9999,5"}) EXPECT_TRUE(ZahlBetragPruefen(t, 10000)) << t;
    EXPECT_TRUE(ZahlBetragPruefen("9,99", 10));
    for (const char* t : {"10000", "-10000", "abc", "", "-"}) EXPECT_FALSE(ZahlBetragPruefen(t, 10000)) << t;
}

TEST(Eingabe, EditGleitkommaPruefen) {
    SkriptHost h;
    HostEinsetzen e(h);
    TEdit ed;
    auto pruefe = [&](const char* t) {
        ed.SetText(t);
        return EditGleitkommaPruefen(ed, 10000);
    };
    EXPECT_EQ(pruefe("12000"), PruefErgebnis::Abgelehnt);
    ASSERT_EQ(h.Meldungen.size(), 1u);
    EXPECT_EQ(h.Meldungen[0].text, "Geben Sie bitte nur Zahlen z ein mit\n-10000 + < z < 10000   !");
    EXPECT_EQ(h.Meldungen[0].art, MeldungsArt::Warnung);
    EXPECT_EQ(h.Meldungen[0].knoepfe, Knoepfe::Ok);
    EXPECT_EQ(ed.FokusAnforderungen, 1);
    EXPECT_FALSE(ed.AllesMarkiert);
    EXPECT_EQ(ed.Text(), "12000");

    EXPECT_EQ(pruefe("abc"), PruefErgebnis::Abgelehnt);
    ASSERT_EQ(h.Meldungen.size(), 2u);
    EXPECT_EQ(h.Meldungen[1].text, "Diese Eingabe entspricht keiner Gleitkommazahl!");
    EXPECT_EQ(h.Meldungen[1].art, MeldungsArt::Warnung);
    EXPECT_EQ(ed.FokusAnforderungen, 2);
    EXPECT_TRUE(ed.AllesMarkiert);
    EXPECT_EQ(ed.Text(), "abc");

    // Unfinished input: no message, no focus change, nothing to apply.
    for (const char* t : {"", "-"}) {
        EXPECT_EQ(pruefe(t), PruefErgebnis::Unfertig) << t;
        EXPECT_EQ(ed.Text(), t);
    }
    EXPECT_EQ(h.Meldungen.size(), 2u);
    EXPECT_EQ(ed.FokusAnforderungen, 2);

    for (const char* t : {"-9999,999", "0", "9999,999"}) EXPECT_EQ(pruefe(t), PruefErgebnis::Gueltig) << t;
    EXPECT_EQ(pruefe("-10000"), PruefErgebnis::Abgelehnt);
    EXPECT_EQ(h.Meldungen.size(), 3u);
    EXPECT_EQ(ed.FokusAnforderungen, 3);
}

TEST(Eingabe, EditZahlPruefen) {
    SkriptHost h;
    HostEinsetzen e(h);
    TEdit ed;
    auto pruefe = [&](const char* t, int n = 3) {
        ed.SetText(t);
        return EditZahlPruefen(ed, n);
    };
    for (const char* t : {"2,5", "-2,9", "0"}) EXPECT_EQ(pruefe(t), PruefErgebnis::Gueltig) << t;
    EXPECT_TRUE(h.Meldungen.empty());
    EXPECT_EQ(ed.FokusAnforderungen, 0);

    for (const char* t : {"3", "-3"}) {
        EXPECT_EQ(pruefe(t), PruefErgebnis::Abgelehnt) << t;
        EXPECT_TRUE(ed.AllesMarkiert);
        EXPECT_EQ(ed.Text(), t);
    }
    ASSERT_EQ(h.Meldungen.size(), 2u);
    EXPECT_EQ(h.Meldungen[0].text, "Gib bitte nur Zahlen z mit\nz < 3 ein!");
    EXPECT_EQ(h.Meldungen[0].art, MeldungsArt::Information);
    EXPECT_EQ(h.Meldungen[0].knoepfe, Knoepfe::Ok);
    EXPECT_EQ(ed.FokusAnforderungen, 2);
    EXPECT_EQ(pruefe("4000", 3000), PruefErgebnis::Abgelehnt);
    EXPECT_EQ(h.LetzteMeldung(), "Gib bitte nur Zahlen z mit\nz < 3000 ein!");

    // No number: only the focus goes back, without a message or selection.
    h.Vergessen();
    const std::pair<const char*, PruefErgebnis> faelle[] = {
        {"", PruefErgebnis::Unfertig}, {"-", PruefErgebnis::Unfertig}, {"x1", PruefErgebnis::Abgelehnt}};
    for (const auto& [t, erwartet] : faelle) {
        const int fokus = ed.FokusAnforderungen;
        EXPECT_EQ(pruefe(t), erwartet) << t;
        EXPECT_EQ(ed.FokusAnforderungen, fokus + 1) << t;
        EXPECT_FALSE(ed.AllesMarkiert) << t;
    }
    EXPECT_TRUE(h.Meldungen.empty());
}

TEST(Eingabe, TabWeg) {
    TStringGrid g;
    g.Groesse(2, 4);  // header row plus three rows, no fixed column
    g.FixedRows = 1;
    g.FixedCols = 0;
    g.Col = 0;
    g.Row = 1;
    std::vector<std::pair<int, int>> weg;  // (row, column)
    for (int i = 0; i < 6; ++i) {
        GitterNaechsteZelle(g);
        weg.emplace_back(g.Row, g.Col);
    }
    EXPECT_EQ(weg, (std::vector<std::pair<int, int>>{{2, 0}, {3, 0}, {1, 1}, {2, 1}, {3, 1}, {1, 0}}));

    // Without a fixed row the walk still stays inside the grid: 1, 2, 0, 1.
    TStringGrid o;
    o.Groesse(1, 3);
    o.FixedRows = 0;
    o.FixedCols = 0;
    o.Col = 0;
    o.Row = 0;
    std::vector<int> zeilen;
    for (int i = 0; i < 4; ++i) {
        GitterNaechsteZelle(o);
        EXPECT_EQ(o.Col, 0);
        zeilen.push_back(o.Row);
    }
    EXPECT_EQ(zeilen, (std::vector<int>{1, 2, 0, 1}));
}
