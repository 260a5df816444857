// The help pages: every window reaches a page, links lead to pages, and
// the captions the pages name are the captions the program shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "Hauptfenstertest.h"
#include "forms/DrehMatrizen.h"
#include "forms/DrehenUmGerade.h"
#include "forms/Koordsperre.h"
#include "mainwindow/Hilfe.h"
#include "mainwindow/Objektmenue.h"
#include "mainwindow/VerdeckteLinienSchalter.h"
#include "scene/Ansicht.h"

namespace {

// A page as it reads: a line break in the source is a blank.
std::string Seite(const char* name) {
    const HilfeSeite* s = HilfeSeiteSuchen(name);
    std::string t = s ? s->Html : "";
    std::replace(t.begin(), t.end(), '\n', ' ');
    return t;
}

// A caption as the user reads it: without the accelerator mark.
std::string Lesbar(std::string t) {
    std::erase(t, '&');
    return t;
}

TEST(Hilfe, SeitenFensterUndVerweisePassenZusammen) {
    std::set<std::string> namen;
    for (const HilfeSeite& s : HilfeSeiten()) {
        EXPECT_TRUE(namen.insert(s.Name).second) << "doppelt: " << s.Name;
        EXPECT_GT(std::string(s.Html).size(), 300u) << s.Name;
        EXPECT_GT(std::string(s.Titel).size(), 3u) << s.Name;
    }
    EXPECT_STREQ(HilfeSeiten()[0].Name, "Inhalt");
    // Every link of every page leads to a page, and the contents reaches
    // every page.
    const std::regex verweis(R"re(href="([^"]*)")re");
    std::set<std::string> vomInhalt;
    for (const HilfeSeite& s : HilfeSeiten()) {
        const std::string h = s.Html;
        for (auto it = std::sregex_iterator(h.begin(), h.end(), verweis); it != std::sregex_iterator(); ++it) {
            EXPECT_TRUE(HilfeSeiteSuchen((*it)[1])) << s.Name << " -> " << (*it)[1];
            if (std::string(s.Name) == "Inhalt") vomInhalt.insert((*it)[1]);
        }
        if (std::string(s.Name) != "Inhalt") {
            EXPECT_TRUE(vomInhalt.count(s.Name)) << s.Name;
        }
    }
    // Each window once, on a page that exists; the object menu's windows
    // among them.
    std::set<std::string> fenster;
    for (const HilfeFensterSeite& f : HilfeFensterSeiten()) {
        EXPECT_TRUE(fenster.insert(f.Fenster).second) << "doppelt: " << f.Fenster;
        EXPECT_TRUE(HilfeSeiteSuchen(f.Seite)) << f.Fenster << " -> " << f.Seite;
    }
    for (const DialogEintrag& d : ObjektDialoge) EXPECT_TRUE(fenster.count(d.Fenster)) << d.Fenster;
    EXPECT_EQ(HilfeSeiteFuerFenster("Form_Unbekannt"), nullptr);
}

class HilfeImProgramm : public Hauptfenstertest {};

TEST_F(HilfeImProgramm, F1UndMenueZeigenDieRichtigeSeite) {
    HilfeFuerFenster("Form_Geraden_t");
    HilfeFuerFenster("Form_Dreh_Matrizen");
    HilfeFuerFenster("");   // a window of no page: the contents
    F.HilfeausDatei1.Click();
    F.HilfeausDatei1Click();
    EXPECT_EQ(host.Hilfeseiten, (std::vector<std::string>{"Geraden", "Drehen", "Inhalt", "Inhalt"}));
    // From the main window the projection edits keep their texts meanwhile.
    ProjTexteZurueck = false;
    F.Edit_FPx.SetTextStill("12");
    HilfeFuerFenster("Form_Edits_01");
    EXPECT_EQ(host.Hilfeseiten.back(), "Hauptfenster");
    EXPECT_TRUE(ProjTexteZurueck);
    EXPECT_EQ(ProjTexte[1], "12");
}

// The pages quote the program's captions; a renamed control shows up here.
TEST_F(HilfeImProgramm, SeitenNennenDieBeschriftungenDesProgramms) {
    struct Fall {
        const char* seite;
        std::vector<std::string> beschriftungen;
    };
    std::vector<std::string> drehen = {F.But_DauerDrehungEinAus.Caption, F.AlleDrehEin.Caption,
                                       F.AlleDrehAus.Caption, F.But_drehenMit_OhneAchsen.Caption,
                                       F.BitBtn_EinstDrhAchse.Caption, F.But_DrhStr.Caption,
                                       F.But_DrehWinkAuf1.Caption, Lesbar(F.AchsmitObjdreh.Caption),
                                       Lesbar(F.Drehstrein.Caption), Lesbar(F.DrStrEinst.Caption),
                                       Form_DrehenUmGerade.Caption, Form_DrehenUmGerade.RadioGroup_Form.Caption,
                                       Form_DrehenUmGerade.CheckBox_Zeigen.Caption,
                                       Lesbar(F.DrehMatrizenEinAusMenue.Caption)};
    for (int i = 1; i <= 7; ++i) drehen.push_back(F.But_GesamtDrehen(i).Caption);
    for (const std::string& t : Form_DrehenUmGerade.RadioGroup_Form.Items) drehen.push_back(t);
    std::vector<std::string> sperre;
    for (const TCheckBox& c : Form_Koordsperre.CheckBox_Arten) sperre.push_back(c.Caption);
    const Fall faelle[] = {
        {"Drehen", drehen},
        {"Projektion",
         {F.CheckBox_ZP.Caption, F.But_ProjArt.Caption, F.But_Back.Caption, F.BitBtn1.Caption,
          F.But_xz.Caption, F.But_yz.Caption, F.But_xy.Caption, F.KavaProj_2.Caption, F.Grundriss1.Caption,
          F.Kreuzriss1.Caption, F.Aufriss1.Caption}},
        {"Hauptfenster",
         {F.BitBtn_DatenNachSpeich.Caption, F.But_SchnittAngabenEinAus.Caption, Lesbar(F.rckgngig1.Caption),
          Lesbar(F.widerrufen1.Caption), F.RadioGroup_Animationen.Caption}},
        {"Dateien",
         {Lesbar(F.ObjektDatensatz1Vorgabeladen1.Caption), Lesbar(F.aktuelleObjektdatenspeichern1.Caption),
          Lesbar(F.Objektdatenladen1.Caption), Lesbar(F.Farbsetladen1.Caption), Lesbar(F.FarbSet1.Caption)}},
        {"Rechnen",
         {Lesbar(F.Matrizen1.Caption), Lesbar(F.LinAbh1.Caption), Lesbar(F.LGS1.Caption),
          Lesbar(F.Vektorprodukt1.Caption)}},
        {"Sperre", sperre},
    };
    for (const Fall& f : faelle) {
        const std::string html = Seite(f.seite);
        ASSERT_FALSE(html.empty()) << f.seite;
        for (const std::string& b : f.beschriftungen) {
            ASSERT_FALSE(b.empty()) << f.seite;
            EXPECT_NE(html.find("<i>" + b + "</i>"), std::string::npos) << f.seite << ": " << b;
        }
    }
    // Each object window under the menu text that opens it.
    std::string alle;
    for (const HilfeSeite& s : HilfeSeiten()) alle += Seite(s.Name);
    for (const DialogEintrag& d : ObjektDialoge)
        EXPECT_NE(alle.find(std::string("<i>") + d.Titel + "</i>"), std::string::npos) << d.Titel;
}

// The help names the estimate above which the hidden-line switch asks.
TEST(Hilfe, VerdeckteLinienNennenDieGrenzeDerRueckfrage) {
    const std::string html = Seite("Einstellungen");
    EXPECT_NE(html.find("mehr als " + std::to_string(VerdeckteLinienAufwandGrenze) + ","), std::string::npos);
    EXPECT_NE(html.find("<b>Esc</b>"), std::string::npos);
}

}  // namespace
