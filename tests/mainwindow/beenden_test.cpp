// The question before the program closes.

#include <gtest/gtest.h>

#include "mainwindow/Hauptfenster.h"
#include "mainwindow/Programm.h"
#include "platform/SkriptHost.h"

namespace {

TEST(Beenden, JaSpeichertUndLaesstDasProgrammOffen) {
    SkriptHost host;
    HostEinsetzen ein(host);
    ProgrammStart();
    host.Vergessen();
    host.Antworten = {Antwort::Nein, Antwort::Ja};
    EXPECT_TRUE(Form_Edits_01.FormCloseQuery());
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text,
              "Wollen Sie die aktuellen Objekteinstellungen vor Beenden\n"
              "des Programms speichern, so klicken Sie bitte 'Ja' an!");
    EXPECT_TRUE(host.Dateidialoge.empty());
    EXPECT_FALSE(Form_Edits_01.FormCloseQuery());   // the save dialog, cancelled here
    ASSERT_EQ(host.Dateidialoge.size(), 1u);
    EXPECT_TRUE(host.Dateidialoge[0].speichern);
}

}  // namespace
