// Stacking and placing of the windows on a small screen (the offscreen
// screen is 800 x 600): with a report open, every tool window that stays on
// top opens above it, comes to the front, and lies wholly on the screen;
// the object dialogs and the vector-product window stay ordinary windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <memory>

#include "Fenstertest.h"
#include "forms/Ergebnisauswahl.h"
#include "forms/Vektoren.h"
#include "gui/Auffrischen.h"
#include "gui/Dialogansicht.h"
#include "gui/QtOberflaeche.h"
#include "reports/Datenfenster.h"

namespace {

class Fensterordnung : public QtFenstertest {
protected:
    void SetUp() override {
        QtFenstertest::SetUp();
        // The main window as large as the screen allows, as the program starts.
        fenster->AnBildschirmAnpassen();
        QApplication::processEvents();
    }
    QWidget* W(const char* name) const { return qt->Fenster(name); }
    static QRect Frei() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static bool Oben(const QWidget* w) { return w->windowFlags() & Qt::WindowStaysOnTopHint; }
};

TEST_F(Fensterordnung, WerkzeugeOeffnenUeberDemBerichtImBildschirm) {
    ErgebnisAuswahl = 22;
    Benutzeraktion([] { DatenfensterZeigen(); });
    QApplication::processEvents();
    QWidget* bericht = W("Form_Datenausgabe");
    ASSERT_TRUE(bericht->isVisible());
    EXPECT_TRUE(Oben(bericht));
    EXPECT_TRUE(Frei().contains(bericht->frameGeometry()));

    TForm_Edits_01& H = Form_Edits_01;
    const struct {
        const char* name;
        std::function<void()> oeffnen;
    } werkzeuge[] = {
        {"Form_Matrizen", [&H] { H.Matrizen1.Click(); }},
        {"Form_Dreh_Matrizen", [&H] { H.DrehMatrizenEinAusMenue.Click(); }},
        {"Form_LaLua", [&H] { H.LinAbh1.Click(); }},
        {"Form_LGS", [&H] { H.LGS1.Click(); }},
        {"Form_VektSumme", [] { Form_Vektoren.But_VSumme.Click(); }},
    };
    std::vector<QWidget*> offen{bericht};
    for (const auto& t : werkzeuge) {
        SCOPED_TRACE(t.name);
        Benutzeraktion(t.oeffnen);
        QApplication::processEvents();
        QWidget* w = W(t.name);
        ASSERT_TRUE(w && w->isVisible());
        // Above the main window and the object dialogs like the report, and
        // the one opened last in front of them all.
        EXPECT_TRUE(Oben(w));
        EXPECT_EQ(QApplication::activeWindow(), w);
        EXPECT_TRUE(Frei().contains(w->frameGeometry()));
        // Never exactly over a window open before it.
        for (QWidget* o : offen) EXPECT_NE(o->frameGeometry().topLeft(), w->frameGeometry().topLeft());
        offen.push_back(w);
    }
    // Ordinary windows: an object dialog and the vector product.
    for (const char* name : {"Form_Geraden_t", "Form_Kugeln", "Form_VektProd"}) EXPECT_FALSE(Oben(W(name))) << name;
}

TEST_F(Fensterordnung, NebenDemBerichtWennRaumIst) {
    // The linear-dependence window, which wants the middle of the main
    // window, opens beside the report, and the lines dialog beside both
    // as far as the screen has room.
    ErgebnisAuswahl = 22;
    Benutzeraktion([] { DatenfensterZeigen(); });
    Benutzeraktion([] { Form_Edits_01.LinAbh1.Click(); });
    qt->FensterZeigen("Form_Geraden_t", false);
    QApplication::processEvents();
    const QRect bericht = W("Form_Datenausgabe")->frameGeometry(), lalua = W("Form_LaLua")->frameGeometry(),
                geraden = W("Form_Geraden_t")->frameGeometry();
    ASSERT_TRUE(W("Form_LaLua")->isVisible() && W("Form_Geraden_t")->isVisible());
    for (const QRect& r : {bericht, lalua, geraden}) EXPECT_TRUE(Frei().contains(r));
    EXPECT_FALSE(lalua.intersects(bericht));
    // The small offscreen screen leaves the lines dialog no wholly free
    // place beside both: it keeps clear of the report and of the tool
    // window's title bar.
    EXPECT_FALSE(geraden.intersects(bericht));
    const QRect titel(lalua.topLeft(), QSize(lalua.width(), W("Form_LaLua")->geometry().top() - lalua.top() + 1));
    EXPECT_FALSE(geraden.intersects(titel));
}

TEST_F(Fensterordnung, HauptfensterMitRahmenImBildschirm) {
    // Fitted before it is shown, the window knows no frame yet and takes
    // the whole area for its client; once shown with a frame, the frame
    // with its title bar is what fits the area.
    fenster->hide();
    QApplication::processEvents();
    fenster->resize(1200, 900);
    fenster->move(0, 0);
    fenster->AnBildschirmAnpassen();
    fenster->show();
    fenster->activateWindow();
    QApplication::processEvents();
    const QRect rahmen = fenster->frameGeometry();
    ASSERT_NE(rahmen, fenster->geometry()) << "the platform gives no frame";
    EXPECT_TRUE(Frei().contains(rahmen));
    EXPECT_EQ(rahmen.size(), Frei().size());
    EXPECT_EQ(F.ClientWidth, fenster->Client()->width());
}

}  // namespace
