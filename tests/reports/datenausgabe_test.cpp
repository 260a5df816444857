// The dispatcher's code table, the Ergebnisse menus, an open report that
// follows edits, rotation and undo, the closed window, and printed pages.

#include "Berichttest.h"

#include <map>

#include "dialogs/Tippen.h"
#include "forms/EbenKoord.h"
#include "forms/Ergebnismenue.h"
#include "forms/Hauptfenster.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"

namespace {

using Datenausgabe = Berichttest;

// Every code with a builder: the code it stores and its first line that is
// not blank.
std::map<int, std::pair<int, std::string>> Baut = {
    {1, {1, "Daten zu den Geraden g und h:"}}, {2, {2, "Daten zu den Geraden g und h:"}},
    {3, {3, "Daten zu den Geraden g und h:"}}, {4, {4, "Daten zum Zusammenhang zwischen g, h und E1, E2:"}},
    {5, {5, "Eine Parameterdarstellung von E1:"}}, {6, {6, "Daten zu E 2:"}}, {16, {16, "Daten zur den Geraden t:"}},
    {22, {22, "Daten zur Geraden g:"}}, {23, {23, "Daten zur Geraden h:"}}, {24, {24, "Daten zur Geraden t:"}},
    {25, {25, "Daten zu den Geraden g und h:"}}, {26, {26, "Daten zu den Geraden g und t:"}},
    {27, {27, "Daten zu den Geraden h und t:"}}, {28, {28, "Daten zum Zusammenhang zwischen g und E 1:"}},
    {29, {29, "Daten zum Zusammenhang zwischen g und E 2:"}}, {30, {30, "Daten zum Zusammenhang zwischen h und E 1:"}},
    {31, {31, "Daten zum Zusammenhang zwischen h und E 2:"}}, {32, {32, "Daten zum Zusammenhang zwischen t und E 1:"}},
    {33, {33, "Daten zum Zusammenhang zwischen t und E 2:"}}, {34, {34, "Daten zu E 1:"}},
    {35, {6, "Daten zu E 2:"}}, {118, {118, "E1 - E2:"}},
    {7, {7, "Spat 1:"}}, {10, {10, "Punkt 1:"}}, {11, {11, "Punkt 1:"}}, {12, {12, "Kugel:"}},
    {13, {13, "Kugel:"}}, {14, {14, "Vektoren"}}, {15, {15, "Strecken"}}, {17, {17, "Daten zu Kegel 1:"}},
    {40, {40, "Winkel zwischen den Vektoren"}}, {45, {45, "Winkel zwischen Strecken:"}},
    {200, {200, ""}}, {201, {201, ""}},
};

// The codes of the families, added to Baut by their numbers.
const bool Familien = [] {
    const std::string L = "ght";
    for (int n = 1; n <= 4; ++n) {
        const std::string z = std::to_string(n);
        Baut[17 + n] = {17 + n, "Spat " + z + ":"};
        Baut[35 + n] = {35 + n, "Vektor " + z + ":"};
        Baut[40 + n] = {40 + n, "Strecke " + z + ":"};
        Baut[45 + n] = {45 + n, "Punkt " + z + ":"};
        Baut[73 + n] = {250, "Kugel " + z + ":"};  // stores no code
        Baut[113 + n] = {113 + n, "Daten zu Kegel " + z + ":"};
        for (int j = 1; j <= 4; ++j) {
            const std::string k = std::to_string(j);
            Baut[78 + 4 * (n - 1) + (j - 1)] = {78 + 4 * (n - 1) + (j - 1), "Kugel " + z + " - Punkt " + k + ":"};
            if (j <= 3) {
                const int c = 94 + 3 * (n - 1) + (j - 1), p = 50 + 3 * (n - 1) + (j - 1);
                Baut[c] = {c, "Kugel " + z + " - Gerade " + L[j - 1] + ":"};
                Baut[p] = {p, "Punkt " + z + " - Gerade " + L[j - 1] + ":"};
            }
            if (j <= 2) {
                const int c = 106 + 2 * (n - 1) + (j - 1), p = 62 + 2 * (n - 1) + (j - 1);
                Baut[c] = {c, "Kugel " + z + " - Ebene " + k + ":"};
                Baut[p] = {p, "Punkt " + z + " - Ebene " + k + ":"};
            }
        }
    }
    return true;
}();

// The first line that is not blank.
std::string ErsteZeile(const Zeilen& z) {
    for (const std::string& l : z)
        if (l.find_first_not_of(' ') != std::string::npos) return l;
    return "";
}

TEST_F(Datenausgabe, CodeTabelle) {
    TMemo& M = Form_Datenausgabe.Memo1;
    for (int code = 0; code <= 255; ++code) {
        M.Lines = {"unverändert"};
        ErgebnisAuswahl = 250;
        ErgebnisAusgeben(static_cast<Byte>(code));
        const auto b = Baut.find(code);
        // A code without a builder leaves text and code alone.
        EXPECT_EQ(ErgebnisAuswahl, b == Baut.end() ? 250 : b->second.first) << code;
        EXPECT_EQ(ErsteZeile(M.Lines), b == Baut.end() ? "unverändert" : b->second.second) << code;
    }
}

TEST_F(Datenausgabe, MenuesSpeichernIhrenCodeUndZeigenDasFenster) {
    TForm_Edits_01& H = Form_Edits_01;
    int punkte = 0;
    const auto popup = H.AlleErgebnisse();
    std::vector<TErgebnisGruppe*> gruppen(popup.begin(), popup.end());
    gruppen.insert(gruppen.end(),
                   {&Form_Geraden_t.ErgebnisseGeraden, &Form_Geraden_t.ErgebnisseGeradenEbenen,
                    &Form_Ebenen.ErgebnisseEbenen, &Form_Ebenen.ErgebnisseGeradenEbenen, &Form_EbenKoord.ErgebnisseEbenen,
                    &Form_Spate.ErgebnisseSpate, &Form_Kugeln.ErgebnisseKugeln, &Form_Kugeln.ErgebnisseKugelnPunkte,
                    &Form_Kugeln.ErgebnisseKugelnGeraden, &Form_Kugeln.ErgebnisseKugelnEbenen,
                    &Form_Kegel.ErgebnisseKegel, &Form_Vektoren.ErgebnisseVektoren,
                    &Form_Strecken.ErgebnisseStrecken, &Form_Punkte.ErgebnissePunkte,
                    &Form_Punkte.ErgebnissePunkteGeraden, &Form_Punkte.ErgebnissePunkteEbenen});
    for (TErgebnisGruppe* G : gruppen)
        for (int i = 0; i < G->Anzahl; ++i, ++punkte) {
            SCOPED_TRACE(G->Punkt(i).Caption);
            Form_Datenausgabe.FormClose();
            host.Vergessen();
            G->Punkt(i).Click();
            const Byte gespeichert = G->Codes[static_cast<std::size_t>(i)];
            const auto& [code, titel] = Baut.at(gespeichert);
            // The sphere report keeps the code the entry stored.
            EXPECT_EQ(ErgebnisAuswahl, code == 250 ? gespeichert : code);
            EXPECT_EQ(ErsteZeile(Form_Datenausgabe.Memo1.Lines), titel);
            EXPECT_TRUE(Form_Datenausgabe.Visible);
            ASSERT_EQ(host.Fenster.size(), 1u);
            EXPECT_TRUE(host.Fenster[0].name == "Form_Datenausgabe" && host.Fenster[0].zeigen);
        }
    // Codes 18 to 69 and 74 to 118 in the popup menu; the lines and planes
    // dialogs' 24 entries; the 82 of the other dialogs.
    EXPECT_EQ(punkte, 97 + 24 + 82);
    // The hidden buttons of the segment listings store their code.
    EXPECT_FALSE(H.Button1.Visible || H.Button2.Visible);
    H.Button2.Click();
    EXPECT_EQ(ErgebnisAuswahl, 201);
}

TEST_F(Datenausgabe, OffenerBerichtFolgtBearbeitenDrehenUndRueckgaengig) {
    TMemo& M = Form_Datenausgabe.Memo1;
    Form_Geraden_t.ErgebnisseGeraden.Punkt(0).Click();  // g
    const Zeilen start = M.Lines;
    ASSERT_EQ(start[5], "              |-5,000|        |3,000|");
    Eingeben(Form_Geraden_t, Form_Geraden_t.StringGrid1, 0, 1, "1");
    EXPECT_EQ(M.Lines[5], "              | 1,000|        |3,000|");
    Form_Edits_01.rckgngig1Click();
    EXPECT_EQ(M.Lines, start);

    // A tick of the continuous rotation turns g: the report shows it turned,
    // exactly as a fresh build does.
    TForm_Edits_01& F = Form_Edits_01;
    for (TSpeedButton* b : {&F.AlleDrehEin, &F.But_DauerDrehungEinAus, &F.But_GesamtDrehenXplus}) {
        b->Down = true;
        b->Click();
    }
    F.Timer1Timer();
    const Zeilen gedreht = M.Lines;
    EXPECT_NE(gedreht[6], start[6]);
    EXPECT_EQ(Bericht(22), gedreht);

    // Closed: no report, and a later change leaves the last text alone.
    Form_Datenausgabe.beenden1.Click();
    EXPECT_EQ(ErgebnisAuswahl, 0);
    EXPECT_FALSE(Form_Datenausgabe.Visible || host.Fenster.back().zeigen);
    F.Timer1Timer();
    EXPECT_EQ(M.Lines, gedreht);
}

TEST_F(Datenausgabe, Druckseiten) {
    const auto drucken = [this](int zeilen, int breite) -> const SkriptHost::DruckEintrag& {
        host.DruckSeitenbreite = breite;
        Form_Datenausgabe.Memo1.Lines.clear();
        for (int i = 0; i < zeilen; ++i) Form_Datenausgabe.Memo1.Lines.push_back("Zeile " + std::to_string(i));
        Form_Datenausgabe.drucken1.Click();
        return host.Drucke.back();
    };
    const auto& d = drucken(120, 2400);
    EXPECT_TRUE(d.beendet);
    EXPECT_EQ(d.schrift, "Courier");
    EXPECT_EQ(d.schrifthoehe, 50);
    ASSERT_EQ(d.seiten.size(), 3u);
    for (const auto& [seite, erste, anzahl] : {std::tuple{0, 0, 49}, {1, 49, 49}, {2, 98, 22}}) {
        const auto& s = d.seiten[static_cast<std::size_t>(seite)];
        ASSERT_EQ(s.size(), static_cast<std::size_t>(anzahl));
        EXPECT_EQ(s[0].text, "Zeile " + std::to_string(erste));
        // From the top margin, 51 pixels a line.
        EXPECT_TRUE(s[0].x == 290 && s[0].y == 400 && s[1].y == 451) << seite;
    }
    // Scaled from the page width (A4 at 600 dpi); 49 lines fill one page.
    const auto& a4 = drucken(49, 4961);
    ASSERT_EQ(a4.seiten.size(), 1u);
    EXPECT_EQ(a4.schrifthoehe, 103);
    EXPECT_TRUE(a4.seiten[0][0].x == 599 && a4.seiten[0][0].y == 827 && a4.seiten[0][48].y == 827 + 48 * 104);
    // An empty memo: a job without text. Cancelled: no job.
    EXPECT_TRUE(drucken(0, 2400).seiten[0].empty());
    EXPECT_TRUE(host.Meldungen.empty());
    // A job that did not end well: the user hears what the printer said.
    host.DruckEndeFehler = "Der Druck ist fehlgeschlagen.";
    drucken(5, 2400);
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.LetzteMeldung(), "Der Druck ist fehlgeschlagen.");
    EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Warnung);
    host.DruckGelingt = false;
    drucken(5, 2400);
    EXPECT_EQ(host.Drucke.size(), 4u);
}

}  // namespace
