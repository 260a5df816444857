// The dispatcher's code table, the result window, the Ergebnisse menus, a
// report that follows edits, rotations and undo, and the printed pages.

#include "Berichttest.h"

#include <map>

#include "dialogs/Tippen.h"
#include "forms/Ergebnismenue.h"
#include "forms/Hauptfenster.h"
#include "forms/EbenKoord.h"

namespace {

using Datenausgabe = Berichttest;

// Every code with a builder in this program: the code it leaves stored and
// the report's first line.
const std::map<int, std::pair<int, std::string>> Baut = {
    {1, {1, "Daten zu den Geraden g und h:"}},
    {2, {2, "Daten zu den Geraden g und h:"}},
    {3, {3, "Daten zu den Geraden g und h:"}},
    {4, {4, "Daten zum Zusammenhang zwischen g, h und E1, E2:"}},
    {5, {5, "   "}},
    {6, {6, "Daten zu E 2:"}},
    {16, {16, "Daten zur den Geraden t:"}},
    {22, {22, "Daten zur Geraden g:"}},
    {23, {23, "Daten zur Geraden h:"}},
    {24, {24, "Daten zur Geraden t:"}},
    {25, {25, "Daten zu den Geraden g und h:"}},
    {26, {26, "Daten zu den Geraden g und t:"}},
    {27, {27, "Daten zu den Geraden h und t:"}},
    {28, {28, "Daten zum Zusammenhang zwischen g und E 1:"}},
    {29, {29, "Daten zum Zusammenhang zwischen g und E 2:"}},
    {30, {30, "Daten zum Zusammenhang zwischen h und E 1:"}},
    {31, {31, "Daten zum Zusammenhang zwischen h und E 2:"}},
    {32, {32, "Daten zum Zusammenhang zwischen t und E 1:"}},
    {33, {33, "Daten zum Zusammenhang zwischen t und E 2:"}},
    {34, {34, "Daten zu E 1:"}},
    {35, {6, "Daten zu E 2:"}},
    {118, {118, "E1 - E2:"}},
};

TEST_F(Datenausgabe, CodeTabelle) {
    TMemo& M = Form_Datenausgabe.Memo1;
    for (int code = 0; code <= 255; ++code) {
        M.Lines = {"unverändert"};
        ErgebnisAuswahl = 250;
        ErgebnisAusgeben(static_cast<Byte>(code));
        const auto b = Baut.find(code);
        if (b == Baut.end()) {
            EXPECT_EQ(M.Lines, Zeilen{"unverändert"}) << code;
            EXPECT_EQ(ErgebnisAuswahl, 250) << code;
        } else {
            EXPECT_EQ(ErgebnisAuswahl, b->second.first) << code;
            EXPECT_EQ(M.Lines.at(0), b->second.second) << code;
        }
    }
}

TEST_F(Datenausgabe, MenuesSpeichernIhrenCodeUndZeigenDasFenster) {
    struct Menue {
        const char* fenster;
        std::vector<TErgebnisGruppe*> gruppen;
    };
    TForm_Edits_01& H = Form_Edits_01;
    const Menue menues[] = {
        {"Hauptfenster", {&H.ErgebnisseGeraden, &H.ErgebnisseEbenen, &H.ErgebnisseGeradenEbenen}},
        {"Geraden", {&Form_Geraden_t.ErgebnisseGeraden, &Form_Geraden_t.ErgebnisseGeradenEbenen}},
        {"Ebenen", {&Form_Ebenen.ErgebnisseEbenen, &Form_Ebenen.ErgebnisseGeradenEbenen}},
        {"Koordinatenform", {&Form_EbenKoord.ErgebnisseEbenen}},
    };
    int punkte = 0;
    for (const Menue& m : menues)
        for (TErgebnisGruppe* G : m.gruppen)
            for (int i = 0; i < G->Anzahl; ++i) {
                SCOPED_TRACE(std::string(m.fenster) + " " + G->Punkt(i).Caption);
                Form_Datenausgabe.FormClose();
                host.Vergessen();
                G->Punkt(i).Click();
                const auto b = Baut.find(G->Codes[static_cast<std::size_t>(i)]);
                ASSERT_NE(b, Baut.end());
                EXPECT_EQ(ErgebnisAuswahl, b->second.first);
                EXPECT_EQ(Form_Datenausgabe.Memo1.Lines.at(0), b->second.second);
                EXPECT_TRUE(Form_Datenausgabe.Visible);
                ASSERT_EQ(host.Fenster.size(), 1u);
                EXPECT_EQ(host.Fenster[0].name, "Form_Datenausgabe");
                EXPECT_TRUE(host.Fenster[0].zeigen && !host.Fenster[0].modal);
                ++punkte;
            }
    EXPECT_EQ(punkte, 15 + 12 + 9 + 3);
    EXPECT_EQ(H.ErgebnisseEbenen.Punkt(1).Caption, "E 2");
    EXPECT_EQ(H.ErgebnisseEbenen.Punkt(2).Caption, "E1 - E2");

    // The hidden buttons of the segment listings: the code is stored, the
    // text stays (they have no report here).
    const Zeilen vorher = Form_Datenausgabe.Memo1.Lines;
    EXPECT_FALSE(H.Button1.Visible || H.Button2.Visible);
    H.Button2.Click();
    EXPECT_EQ(ErgebnisAuswahl, 201);
    EXPECT_EQ(Form_Datenausgabe.Memo1.Lines, vorher);
}

TEST_F(Datenausgabe, OffenerBerichtFolgtBearbeitenDrehenUndRueckgaengig) {
    TMemo& M = Form_Datenausgabe.Memo1;
    Form_Geraden_t.ErgebnisseGeraden.Punkt(0).Click();  // g
    const Zeilen start = M.Lines;
    ASSERT_EQ(start[5], "              |-5,000|        |3,000|");

    // Typed into the lines dialog: the report follows the cell.
    Eingeben(Form_Geraden_t, Form_Geraden_t.StringGrid1, 0, 1, "1");
    EXPECT_EQ(M.Lines[5], "              | 1,000|        |3,000|");

    // Undo writes the grids back and recomputes: the report with them.
    Form_Edits_01.rckgngig1Click();
    EXPECT_EQ(M.Lines, start);
    EXPECT_EQ(ErgebnisAuswahl, 22);

    // A tick of the continuous rotation turns g: the report shows it turned,
    // exactly as a fresh build does.
    TForm_Edits_01& F = Form_Edits_01;
    F.AlleDrehEin.Down = true;
    F.AlleDrehEin.Click();
    F.But_DauerDrehungEinAus.Down = true;
    F.But_DauerDrehungEinAus.Click();
    F.But_GesamtDrehenXplus.Down = true;
    F.But_GesamtDrehenXplus.Click();
    F.Timer1Timer();
    const Zeilen gedreht = M.Lines;
    EXPECT_NE(gedreht[6], start[6]);
    EXPECT_EQ(Bericht(22), gedreht);

    // Closed: no report any more, and an edit leaves the last text alone.
    F.But_DauerDrehungEinAus.Down = false;
    F.But_DauerDrehungEinAus.Click();
    Form_Datenausgabe.beenden1.Click();
    EXPECT_EQ(ErgebnisAuswahl, 0);
    EXPECT_FALSE(Form_Datenausgabe.Visible);
    EXPECT_EQ(host.Fenster.back().name, "Form_Datenausgabe");
    EXPECT_FALSE(host.Fenster.back().zeigen);
    host.Antworten = {Antwort::Ja};  // the turned scene is set back first
    Eingeben(Form_Geraden_t, Form_Geraden_t.StringGrid1, 0, 2, "7");
    EXPECT_EQ(M.Lines, gedreht);
}

// Lines "Zeile 0", "Zeile 1", ... printed on a page of the given width.
const SkriptHost::DruckEintrag& Drucken(SkriptHost& host, int zeilen, int breite) {
    host.DruckSeitenbreite = breite;
    Form_Datenausgabe.Memo1.Lines.clear();
    for (int i = 0; i < zeilen; ++i) Form_Datenausgabe.Memo1.Lines.push_back("Zeile " + std::to_string(i));
    Form_Datenausgabe.drucken1.Click();
    return host.Drucke.back();
}

TEST_F(Datenausgabe, Druckseiten) {
    Form_Datenausgabe.FormCreate();
    const auto& d = Drucken(host, 120, 2400);
    EXPECT_TRUE(d.beendet);
    EXPECT_EQ(d.titel, "Datenausgabe");
    EXPECT_EQ(d.schrift, "Courier");
    EXPECT_EQ(d.schrifthoehe, 50);
    ASSERT_EQ(d.seiten.size(), 3u);
    EXPECT_EQ(d.seiten[0].size(), 49u);
    EXPECT_EQ(d.seiten[1].size(), 49u);
    EXPECT_EQ(d.seiten[2].size(), 22u);
    // Each page from the top margin, 51 pixels a line.
    for (const auto& [seite, erste] : {std::pair{0, 0}, {1, 49}, {2, 98}}) {
        const auto& s = d.seiten[static_cast<std::size_t>(seite)];
        EXPECT_EQ(s[0].text, "Zeile " + std::to_string(erste));
        EXPECT_EQ(s[0].x, 290);
        EXPECT_EQ(s[0].y, 400);
        EXPECT_EQ(s[1].y, 451);
        EXPECT_EQ(s.back().text, "Zeile " + std::to_string(erste + static_cast<int>(s.size()) - 1));
    }
    EXPECT_EQ(d.seiten[0][48].y, 400 + 48 * 51);

    // Scaled from the page width: 4961 pixels of A4 at 600 dpi.
    const auto& a4 = Drucken(host, 49, 4961);
    ASSERT_EQ(a4.seiten.size(), 1u);
    EXPECT_EQ(a4.schrifthoehe, 103);
    EXPECT_EQ(a4.seiten[0][0].x, 599);
    EXPECT_EQ(a4.seiten[0][0].y, 827);
    EXPECT_EQ(a4.seiten[0][2].y, 827 + 2 * 104);

    // An empty memo: a job without text.
    const auto& leer = Drucken(host, 0, 2400);
    EXPECT_TRUE(leer.beendet);
    ASSERT_EQ(leer.seiten.size(), 1u);
    EXPECT_TRUE(leer.seiten[0].empty());

    // Cancelled: no job at all.
    host.DruckGelingt = false;
    const std::size_t jobs = host.Drucke.size();
    Drucken(host, 5, 2400);
    EXPECT_EQ(host.Drucke.size(), jobs);
}

TEST_F(Datenausgabe, GetippterTextWirdGedrucktUndVomNaechstenBauErsetzt) {
    Form_Geraden_t.ErgebnisseGeraden.Punkt(1).Click();  // h
    Form_Datenausgabe.Memo1.Lines[0] = "Meine Gerade h:";
    Form_Datenausgabe.drucken1Click();
    ASSERT_EQ(host.Drucke.size(), 1u);
    EXPECT_EQ(host.Drucke[0].seiten[0][0].text, "Meine Gerade h:");
    Form_Datenausgabe.FormActivate();
    EXPECT_EQ(Form_Datenausgabe.Memo1.Lines[0], "Daten zur Geraden h:");
}

}  // namespace
