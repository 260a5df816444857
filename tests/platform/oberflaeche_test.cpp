#include <gtest/gtest.h>

#include "platform/Oberflaeche.h"
#include "platform/SkriptHost.h"

TEST(Oberflaeche, StillerHostAntwortetOkUndNein) {
    // No host installed: questions are answered No, so nothing destructive runs.
    HostSetzen(nullptr);
    EXPECT_EQ(Host().Meldung("x", MeldungsArt::Information, Knoepfe::Ok), Antwort::Ok);
    EXPECT_EQ(Host().Meldung("x", MeldungsArt::Warnung, Knoepfe::JaNein), Antwort::Nein);
    EXPECT_FALSE(FrageJa("Vorsicht!"));
    EXPECT_FALSE(Host().EscapeGedrueckt());
    EXPECT_FALSE(Host().DateiOeffnenDialog("t", "a|*.OVD", "", "OVD").has_value());
    EXPECT_FALSE(Host().DateiSpeichernDialog("t", "a|*.OVD", "n", "OVD").has_value());
    EXPECT_EQ(Host().DruckauftragBeginnen("t"), nullptr);
}

TEST(Oberflaeche, EinsetzenUndZuruecksetzen) {
    SkriptHost aussen, innen;
    {
        HostEinsetzen a(aussen);
        {
            HostEinsetzen i(innen);
            MeldungZeigen("innen");
        }
        MeldungZeigen("aussen");
    }
    // Back to the silent host: this message is recorded nowhere.
    MeldungZeigen("still");
    ASSERT_EQ(innen.Meldungen.size(), 1u);
    EXPECT_EQ(innen.Meldungen[0].text, "innen");
    ASSERT_EQ(aussen.Meldungen.size(), 1u);
    EXPECT_EQ(aussen.LetzteMeldung(), "aussen");
    EXPECT_EQ(aussen.Meldungen[0].art, MeldungsArt::Information);
    EXPECT_EQ(aussen.Meldungen[0].knoepfe, Knoepfe::Ok);
}

TEST(SkriptHost, FragenAusDerWarteschlange) {
    SkriptHost h;
    HostEinsetzen e(h);
    h.Antworten = {Antwort::Ja, Antwort::Nein};
    h.StandardAntwort = Antwort::Ja;
    MeldungZeigen("Hinweis", MeldungsArt::Warnung);  // an OK message takes no answer
    EXPECT_TRUE(FrageJa("a"));
    EXPECT_FALSE(FrageJa("b"));
    EXPECT_TRUE(FrageJa("c"));  // queue empty: the default
    ASSERT_EQ(h.Meldungen.size(), 4u);
    EXPECT_EQ(h.Meldungen[0].art, MeldungsArt::Warnung);
    EXPECT_EQ(h.Meldungen[0].knoepfe, Knoepfe::Ok);
    EXPECT_EQ(h.Meldungen[3].text, "c");
    EXPECT_EQ(h.Meldungen[3].knoepfe, Knoepfe::JaNein);
    h.Vergessen();
    EXPECT_TRUE(h.Meldungen.empty());
    EXPECT_EQ(h.LetzteMeldung(), "");
}

TEST(SkriptHost, FensterEscapeDateien) {
    SkriptHost h;
    HostEinsetzen e(h);
    std::vector<std::string> waehrendModal;
    h.BeiModal = [&](const std::string& name) {
        waehrendModal.push_back(name);
        Host().FensterVerbergen(name);  // the user closes it
    };
    Host().FensterZeigen("Form_Kugeln", false);
    Host().FensterZeigen("Form_Passwort", true);
    EXPECT_EQ(waehrendModal, std::vector<std::string>{"Form_Passwort"});
    ASSERT_EQ(h.Fenster.size(), 3u);
    EXPECT_TRUE(h.Fenster[0].zeigen);
    EXPECT_FALSE(h.Fenster[0].modal);
    EXPECT_TRUE(h.Fenster[1].modal);
    EXPECT_FALSE(h.Fenster[2].zeigen);
    EXPECT_EQ(h.Fenster[2].name, "Form_Passwort");

    // Escape from the third poll on.
    h.EscapeAb = 3;
    std::vector<bool> escape;
    for (int i = 0; i < 4; ++i) escape.push_back(Host().EscapeGedrueckt());
    EXPECT_EQ(escape, (std::vector<bool>{false, false, true, true}));
    EXPECT_EQ(h.EscapeAbfragen, 4);

    h.Dateinamen = {std::string("a.OVD"), std::nullopt};
    EXPECT_EQ(Host().DateiSpeichernDialog("Speichern", "Objektdaten|*.OVD", "x.OVD", "OVD"), "a.OVD");
    EXPECT_FALSE(Host().DateiOeffnenDialog("Laden", "Objektdaten|*.OVD", "", "OVD").has_value());
    EXPECT_FALSE(Host().DateiOeffnenDialog("Laden", "Objektdaten|*.OVD", "", "OVD").has_value());
    ASSERT_EQ(h.Dateidialoge.size(), 3u);
    EXPECT_TRUE(h.Dateidialoge[0].speichern);
    EXPECT_EQ(h.Dateidialoge[0].name, "x.OVD");
    EXPECT_EQ(h.Dateidialoge[0].endung, "OVD");
    EXPECT_FALSE(h.Dateidialoge[1].speichern);
}
