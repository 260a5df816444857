// Stacking and placing of the windows on a small screen (the offscreen
// screen is 800 x 800; some tests run on 1280 x 1024 once more): with a report
// open, every tool window that stays on top opens above it, comes to the
// front, and lies wholly on the screen; the object dialogs, the vector
// product and the calculator stay ordinary windows and open where the
// windows on top leave their title bar and input fields in sight; a modal
// window stays above them all.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "Fenstertest.h"
#include "forms/Ergebnisauswahl.h"
#include "forms/ObjekteDaten.h"
#include "forms/Vektoren.h"
#include "gui/Auffrischen.h"
#include "gui/DateiMenue.h"
#include "gui/Hilfefenster.h"
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
    static QRect Titelleiste(const QWidget* w) {
        const QRect f = w->frameGeometry();
        return QRect(f.topLeft(), QSize(f.width(), w->geometry().top() - f.top()));
    }
    // The title bar and the input fields of w that a window on top covers,
    // as "window: what" lines.
    static QStringList Verdeckt(const QWidget* w) {
        std::vector<std::pair<QString, QRect>> teile{{QStringLiteral("Titel"), Titelleiste(w)}};
        for (const QLineEdit* e : w->findChildren<QLineEdit*>())
            if (e->isVisible() && !e->isReadOnly())
                teile.push_back({QStringLiteral("Feld"), QRect(e->mapToGlobal(QPoint(0, 0)), e->size())});
        QStringList liste;
        for (QWidget* o : QApplication::topLevelWidgets())
            if (o != w && o->isVisible() && Oben(o))
                for (const auto& [name, r] : teile)
                    if (r.intersects(o->frameGeometry())) liste << o->objectName() + QStringLiteral(": ") + name;
        liste.removeDuplicates();
        return liste;
    }
    // A screen like 1280 x 1024 (ctest runs the tests that need one on such
    // a screen once more).
    static bool Gross() { return Frei().width() >= 1200 && Frei().height() >= 900; }
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
    for (const char* name : {"Form_Geraden_t", "Form_Kugeln", "Form_VektProd", "Form_ObjekteDaten"})
        EXPECT_FALSE(Oben(W(name))) << name;
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
    // The small offscreen screen leaves the lines dialog, which opens below
    // both, no wholly free place: neither covers its title bar or its grid.
    QWidget* g = W("Form_Geraden_t");
    EXPECT_FALSE(geraden.intersects(bericht));
    EXPECT_FALSE(Titelleiste(g).intersects(lalua));
    for (QWidget* gitter : g->findChildren<QAbstractItemView*>()) {
        if (gitter->isVisible()) {
            EXPECT_FALSE(QRect(gitter->mapToGlobal(QPoint(0, 0)), gitter->size()).intersects(lalua));
        }
    }
}

TEST_F(Fensterordnung, VektorproduktUndRechnerNachDemBerichtSichtbar) {
    // The report covers the left half of the screen; the vector product
    // and then the calculator open with their title bars in sight, on a
    // large screen with all their fields too, and the calculator wholly on
    // the screen with its closing buttons.
    ErgebnisAuswahl = 22;
    Benutzeraktion([] { DatenfensterZeigen(); });
    Benutzeraktion([] { Form_Edits_01.Vektorprodukt1.Click(); });
    QApplication::processEvents();
    QWidget* vp = W("Form_VektProd");
    ASSERT_TRUE(vp->isVisible());
    EXPECT_TRUE(Frei().contains(vp->frameGeometry()));
    const QStringList titel{QStringLiteral("Form_Datenausgabe: Titel")};
    if (Gross()) EXPECT_EQ(Verdeckt(vp), QStringList()) << Verdeckt(vp).join(' ').toStdString();
    else EXPECT_FALSE(Verdeckt(vp).contains(titel[0]));

    Benutzeraktion([] { Form_Edits_01.But_ObjekteDaten.Click(); });
    QApplication::processEvents();
    QWidget* rechner = W("Form_ObjekteDaten");
    ASSERT_TRUE(rechner->isVisible());
    EXPECT_TRUE(Frei().contains(rechner->frameGeometry()));
    if (Gross()) EXPECT_EQ(Verdeckt(rechner), QStringList()) << Verdeckt(rechner).join(' ').toStdString();
    else EXPECT_FALSE(Verdeckt(rechner).contains(titel[0]));
    int knoepfe = 0;
    for (QAbstractButton* k : rechner->findChildren<QAbstractButton*>())
        if (k->text() == QStringLiteral("Ok") || k->text() == QStringLiteral("Abbrechen")) {
            ++knoepfe;
            EXPECT_TRUE(Frei().contains(QRect(k->mapToGlobal(QPoint(0, 0)), k->size()))) << k->text().toStdString();
        }
    EXPECT_EQ(knoepfe, 2);
}

TEST_F(Fensterordnung, ModaleFensterUeberAllen) {
    // With the report and a tool window on top open, a message box, the
    // program's info box and the calculator shown modally stay above them while they are open; the
    // calculator is an ordinary window again afterwards.
    ErgebnisAuswahl = 22;
    Benutzeraktion([] { DatenfensterZeigen(); });
    Benutzeraktion([] { Form_Edits_01.LinAbh1.Click(); });
    QApplication::processEvents();
    QStringList gesehen;
    const auto wennModal = [&gesehen] {
        QTimer::singleShot(0, [&gesehen] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w) return;
            gesehen << w->objectName() + (Oben(w) ? QStringLiteral(" oben") : QStringLiteral(" darunter"));
            w->close();
        });
    };
    wennModal();
    qt->Meldung("Hallo", MeldungsArt::Information, Knoepfe::Ok);
    wennModal();
    UeberDasProgramm(fenster.get());
    QWidget* rechner = W("Form_ObjekteDaten");
    wennModal();
    Form_ObjekteDaten.Visible = true;
    qt->FensterZeigen("Form_ObjekteDaten", true);
    ASSERT_EQ(gesehen.size(), 3);
    for (int i : {0, 1}) EXPECT_TRUE(gesehen[i].endsWith(QStringLiteral(" oben"))) << gesehen[i].toStdString();
    EXPECT_EQ(gesehen[2], QStringLiteral("Form_ObjekteDaten oben"));
    EXPECT_FALSE(rechner->isVisible());
    EXPECT_FALSE(Oben(rechner));
    Benutzeraktion([] { Form_Edits_01.But_ObjekteDaten.Click(); });
    QApplication::processEvents();
    EXPECT_TRUE(rechner->isVisible());
    EXPECT_FALSE(Oben(rechner));
}

TEST_F(Fensterordnung, SechsRechenfensterInMenuefolge) {
    // On a large screen (1280 x 1024, as ctest runs this test once more)
    // the six windows of "Rechnen", opened in menu order, leave the last,
    // the ordinary vector product, in sight with its fields, and clear of
    // the undo and redo buttons.
    if (!Gross()) GTEST_SKIP() << "needs a large screen";
    TForm_Edits_01& H = Form_Edits_01;
    Benutzeraktion([&H] { H.But_ObjekteDaten.Click(); });
    Benutzeraktion([&H] { H.Matrizen1.Click(); });
    Benutzeraktion([&H] { H.DrehMatrizenEinAusMenue.Click(); });
    Benutzeraktion([&H] { H.LinAbh1.Click(); });
    Benutzeraktion([&H] { H.LGS1.Click(); });
    Benutzeraktion([&H] { H.Vektorprodukt1.Click(); });
    QApplication::processEvents();
    for (const char* name : {"Form_ObjekteDaten", "Form_Matrizen", "Form_Dreh_Matrizen", "Form_LaLua", "Form_LGS",
                             "Form_VektProd"})
        ASSERT_TRUE(W(name)->isVisible()) << name;
    QWidget* vp = W("Form_VektProd");
    EXPECT_TRUE(Frei().contains(vp->frameGeometry()));
    EXPECT_EQ(Verdeckt(vp), QStringList()) << Verdeckt(vp).join(' ').toStdString();
    QRect undo;
    for (const TButton* k : {&H.BitBtn_BackObj, &H.BitBtn_RebackObj})
        if (QWidget* b = fenster->Dateimenue()->Knopf(*k)) undo |= QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
    ASSERT_FALSE(undo.isEmpty());
    EXPECT_FALSE(vp->frameGeometry().intersects(undo));
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
