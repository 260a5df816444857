// A continuous turn on the real timer, undone from the menu "Bearbeiten":
// the ticks after the undo go on about the running axis.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>

#include "Fenstertest.h"
#include "forms/DrehMatrizen.h"
#include "geometry/Einheitsvektoren.h"
#include "gui/DateiMenue.h"
#include "gui/Zeitgeber.h"
#include "scene/DrehZustand.h"
#include "scene/Objekte.h"

namespace {

class LaufendeDrehung : public Fenstertest {
protected:
    void Klick(const char* name) const {
        auto* k = fenster->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(k, nullptr) << name;
        k->click();
    }
};

TEST_F(LaufendeDrehung, RueckgaengigBehaeltDieAchseDerLaufendenDrehung) {
    Klick("But_Drehen_g");
    F.DrehMatrizenEinAusMenue.Click();
    Klick("But_GesamtDrehenZplus");   // an earlier step about z
    Klick("But_DauerDrehungEinAus");
    Klick("But_GesamtDrehenXplus");
    Taktgeber::Vergehen(60);
    ASSERT_EQ(DrehModus, 2);

    fenster->Dateimenue()->Aktion(F.rckgngig1)->trigger();   // back to the state after the z step
    QApplication::processEvents();
    Taktgeber::Vergehen(40);
    EXPECT_EQ(Form_Dreh_Matrizen.Makt_11.Text(), "1,000000");   // about x; about z it is cos 1°
    EXPECT_NE(Form_Dreh_Matrizen.Label3.Caption.find("x-Achse"), std::string::npos);
    EXPECT_EQ(Lotgerade.Richtungsvektor, EinhVekX);
    EXPECT_EQ(Gerade[1].Lotfuss.y, 0);
    EXPECT_EQ(Gerade[1].Lotfuss.z, 0);
    Klick("But_GesamtDrehenXplus");
    EXPECT_EQ(DrehModus, 0);
}

}  // namespace
