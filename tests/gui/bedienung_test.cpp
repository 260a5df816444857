// The main window and its dialogs driven by keys and the mouse as a user
// drives them: Ctrl+A, Backspace on a cell, a click on a shift arrow, the
// close button, Alt+letter, the visibility buttons' tips.

#include <gtest/gtest.h>

#include <QAction>
#include <QCloseEvent>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QWindow>

#include "Fenstertest.h"
#include "forms/Geraden_t.h"
#include "forms/Schalter.h"
#include "gui/Beschleuniger.h"
#include "gui/DateiMenue.h"
#include "gui/Dialogansicht.h"
#include "gui/Objektleiste.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"

namespace {

TForm_Geraden_t& L = Form_Geraden_t;

class Bedienung : public Fenstertest {
protected:
    std::vector<DialogAnsicht*> dialoge;

    void SetUp() override {
        Fenstertest::SetUp();
        dialoge = DialogeAnlegen(fenster.get());
        host.Vergessen();
    }
    DialogAnsicht* Geraden() {
        for (DialogAnsicht* d : dialoge)
            if (d->Name() == "Form_Geraden_t") {
                d->show();
                d->activateWindow();
                QApplication::processEvents();
                return d;
            }
        return nullptr;
    }
    QRect Zelle(GitterTabelle* t, int c, int r) const { return t->visualRect(t->model()->index(r, c)); }
    // Press and release as the window system delivers them: to the window,
    // which passes them on to the widget under the mouse.
    QPoint ImFenster(QWidget* w) const { return w->mapTo(fenster.get(), w->rect().center()); }
    int Fragen(const std::string& anfang) const {
        int n = 0;
        for (const auto& m : host.Meldungen) n += m.text.rfind(anfang, 0) == 0;
        return n;
    }
};

TEST_F(Bedienung, StrgAMarkiertImFeldUndSchaltetSonstDenDrehmodus) {
    auto* feld = fenster->findChild<QLineEdit*>(QStringLiteral("Edit_FPx"));
    ASSERT_NE(feld, nullptr);
    QTest::mouseClick(feld, Qt::LeftButton);
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(feld->selectedText(), feld->text());
    EXPECT_FALSE(AchsenMitDrehen);
    EXPECT_TRUE(F.But_GesamtDrehenUmAchse.Enabled);

    // The same in a cell's editor.
    DialogAnsicht* d = Geraden();
    GitterTabelle* t = d->B().Tabelle(L.StringGrid1);
    t->ZelleBearbeiten(1, 1);
    ASSERT_NE(t->Editor(), nullptr);
    t->Editor()->setCursorPosition(0);
    QTest::keyClick(t->Editor(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(t->Editor()->selectedText(), t->Editor()->text());
    EXPECT_FALSE(AchsenMitDrehen);
    t->EditorSchliessen();
    d->close();

    // Anywhere else it is the menu's shortcut.
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    QTest::keyClick(fenster->PaintBox1(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(AchsenMitDrehen);
}

TEST_F(Bedienung, RuecktasteUndEntfernenBeginnenDieEingabeMitLeererZelle) {
    DialogAnsicht* d = Geraden();
    GitterTabelle* t = d->B().Tabelle(L.StringGrid1);
    for (const auto& [taste, zeile, ziffer] : {std::tuple{Qt::Key_Backspace, 1, "7"}, {Qt::Key_Delete, 2, "6"}}) {
        SCOPED_TRACE(zeile);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, Zelle(t, 1, zeile).center());
        ASSERT_EQ(t->Editor(), nullptr);  // chosen, not open
        QTest::keyClick(t, taste);
        ASSERT_NE(t->Editor(), nullptr);
        EXPECT_EQ(t->Editor()->text(), QString());
        QTest::keyClicks(t->Editor(), QString::fromLatin1(ziffer));
        EXPECT_EQ(L.StringGrid1.Cells(1, zeile), ziffer);
        QTest::keyClick(t->Editor(), Qt::Key_Return);
    }
    EXPECT_EQ(Gerade[1].Richtungsvektor.x, 7.0L);
    EXPECT_EQ(Gerade[1].Richtungsvektor.y, 6.0L);
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Bedienung, PfeilVerschiebtBeimKlickUndWiederholtBeimHalten) {
    QWidget* rechts = fenster->findChild<QWidget*>(QStringLiteral("BitBtn_VR"));
    ASSERT_NE(rechts, nullptr);
    QWindow* w = fenster->windowHandle();
    QTest::mouseClick(w, Qt::LeftButton, {}, ImFenster(rechts));
    EXPECT_EQ(VerschiebungX, 10);

    // Held for a second: Timer2 moves 3 pixels every 10 ms, then the
    // release clicks once more.
    QTest::mousePress(w, Qt::LeftButton, {}, ImFenster(rechts));
    Taktgeber::Vergehen(1000);
    EXPECT_EQ(VerschiebungX, 310);
    QTest::mouseRelease(w, Qt::LeftButton, {}, ImFenster(rechts));
    EXPECT_EQ(VerschiebungX, 320);
    Taktgeber::Vergehen(500);
    EXPECT_EQ(VerschiebungX, 320);

}

TEST_F(Bedienung, SichtbarkeitsknoepfeNennenIhrObjekt) {
    const struct { int Nr; const char* Tipp; } faelle[] = {
        {1, "g zeigen/ nicht zeigen"}, {5, "E2 zeigen/ nicht zeigen"}, {6, "Spat 1 zeigen/ nicht zeigen"},
        {29, "Kegel 4 zeigen/ nicht zeigen"}, {30, "Das Fadenkreuz zeigen/ nicht zeigen"}};
    for (const auto& f : faelle) {
        QToolButton* k = fenster->Objekte()->Sichtbarkeitsknopf(f.Nr);
        ASSERT_NE(k, nullptr);
        QHelpEvent e(QEvent::ToolTip, k->rect().center(), k->mapToGlobal(k->rect().center()));
        QApplication::sendEvent(k, &e);
        EXPECT_EQ(QToolTip::text(), QString::fromUtf8(f.Tipp)) << f.Nr;
    }
    QToolTip::hideText();
}

TEST_F(Bedienung, SchliessenFragtEinmalWieAuchImmer) {
    const std::string frage = "Wollen Sie die aktuellen Objekteinstellungen vor Beenden";
    // The close button (or Alt+F4): the window system asks the window, the
    // way QWindow::close goes through the platform window.
    host.StandardAntwort = Antwort::Ja;
    fenster->windowHandle()->close();
    EXPECT_EQ(Fragen(frage), 1);
    EXPECT_TRUE(fenster->isVisible());  // Yes: the object data are saved first

    host.Vergessen();
    host.StandardAntwort = Antwort::Nein;
    fenster->windowHandle()->close();
    QApplication::processEvents();
    EXPECT_FALSE(fenster->isVisible());
    // The window system's second close, queued while the question was open.
    QCloseEvent nochmal;
    QApplication::sendEvent(fenster.get(), &nochmal);
    EXPECT_TRUE(nochmal.isAccepted());
    EXPECT_EQ(Fragen(frage), 1);

    // "Datei > Beenden" of a window shown again.
    fenster->show();
    QApplication::processEvents();
    host.Vergessen();
    QAction* beenden = nullptr;
    for (QAction* a : fenster->menuBar()->actions().first()->menu()->actions())
        if (OhneBeschleuniger(a->text()) == QStringLiteral("Beenden")) beenden = a;
    ASSERT_NE(beenden, nullptr);
    beenden->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Fragen(frage), 1);
    EXPECT_FALSE(fenster->isVisible());
}

// Every entry of the menu and its submenus: an accelerator of its own.
void EindeutigeBeschleuniger(const QList<QAction*>& aktionen, const QString& wo) {
    QSet<QString> belegt;
    for (const QAction* a : aktionen) {
        if (a->isSeparator()) continue;
        const QString taste = QKeySequence::mnemonic(a->text()).toString();
        EXPECT_FALSE(taste.isEmpty()) << (wo + " / " + a->text()).toStdString();
        EXPECT_FALSE(belegt.contains(taste)) << (wo + " / " + a->text()).toStdString();
        belegt.insert(taste);
        if (a->menu()) EindeutigeBeschleuniger(a->menu()->actions(), wo + " / " + a->text());
    }
}

TEST_F(Bedienung, JedesMenueHatSeineAltTaste) {
    QMenuBar* leiste = fenster->menuBar();
    EindeutigeBeschleuniger(leiste->actions(), QStringLiteral("Menüleiste"));
    // A caption with its own key keeps it; a caption that changes keeps its key.
    EXPECT_EQ(fenster->Dateimenue()->Aktion(F.rckgngig1)->text(), QString::fromUtf8("&rückgängig"));
    QAction* zp = fenster->Menuepunkt(F.ZPEinAus);
    const QString taste = QKeySequence::mnemonic(zp->text()).toString();
    zp->trigger();
    QApplication::processEvents();
    EXPECT_EQ(OhneBeschleuniger(zp->text()), QStringLiteral("Zentralprojektion ein"));
    EXPECT_EQ(QKeySequence::mnemonic(zp->text()).toString(), taste);

    // Alt and the letter open the menu "zum Drehen".
    QAction* drehen = nullptr;
    for (QAction* a : leiste->actions())
        if (OhneBeschleuniger(a->text()) == QStringLiteral("zum Drehen")) drehen = a;
    ASSERT_NE(drehen, nullptr);
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));
    const QKeySequence alt = QKeySequence::mnemonic(drehen->text());
    ASSERT_FALSE(alt.isEmpty());
    QTest::keyClick(fenster.get(), alt[0].key(), alt[0].keyboardModifiers());
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), drehen->menu());
    if (QWidget* p = QApplication::activePopupWidget()) p->close();
}

}  // namespace
