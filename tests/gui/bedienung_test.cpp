// The main window and its dialogs driven by keys and the mouse as a user
// drives them: Ctrl+A, Backspace on a cell, a click on a shift arrow, the
// close button, Alt+letter, the visibility buttons' tips.

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
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
#include "forms/Koordsperre.h"
#include "forms/Schalter.h"
#include "gui/Beschleuniger.h"
#include "gui/DateiMenue.h"
#include "gui/Dialogansicht.h"
#include "gui/Objektleiste.h"
#include "gui/QtOberflaeche.h"
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

    // Held for a second: the press moves a click's step, then nothing for
    // 0.3 s, then Timer2 moves 3 pixels every 10 ms (71 ticks); the
    // release adds nothing.
    QTest::mousePress(w, Qt::LeftButton, {}, ImFenster(rechts));
    EXPECT_EQ(VerschiebungX, 20);
    Taktgeber::Vergehen(290);
    EXPECT_EQ(VerschiebungX, 20);
    Taktgeber::Vergehen(710);
    EXPECT_EQ(VerschiebungX, 20 + 71 * 3);
    QTest::mouseRelease(w, Qt::LeftButton, {}, ImFenster(rechts));
    EXPECT_EQ(VerschiebungX, 233);
    Taktgeber::Vergehen(500);
    EXPECT_EQ(VerschiebungX, 233);

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

    // No: the window closes. The window system may send its close a second
    // time before the window is gone; that one is asked no more.
    host.Vergessen();
    host.StandardAntwort = Antwort::Nein;
    for (int mal = 0; mal < 2; ++mal) {
        QCloseEvent zu;
        QApplication::sendEvent(fenster.get(), &zu);
        EXPECT_TRUE(zu.isAccepted()) << mal;
    }
    EXPECT_EQ(Fragen(frage), 1);
    fenster->windowHandle()->close();
    QApplication::processEvents();
    EXPECT_EQ(Fragen(frage), 1);
    EXPECT_FALSE(fenster->isVisible());

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

// With the real message boxes and the modal lock dialog of the Qt host.
class BedienungQt : public Fenstertest {
protected:
    std::unique_ptr<QtOberflaeche> qt;
    QTimer boxZu, sperre;
    std::vector<std::string> boxen;                // the texts of the boxes closed
    std::function<void(QDialog*)> imSperrdialog;  // what the user does there
    std::uint32_t runden = SperrIterationen;
    QString name;

    void SetUp() override {
        TestAnwendung();
        QStandardPaths::setTestModeEnabled(true);
        // A folder of this process's own, so that test runs side by side
        // never read each other's lock.
        name = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(name + QStringLiteral("-test-") + QString::number(getpid()));
        SperrIterationen = 1000;
        qt = std::make_unique<QtOberflaeche>();
        Starten(*qt);
        std::remove(SperrDateiPfad().c_str());
        for (DialogAnsicht* d : DialogeAnlegen(fenster.get())) qt->FensterRegistrieren(d->Name(), d);
        QObject::connect(&boxZu, &QTimer::timeout, [this] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxen.push_back(b->text().toStdString());
                b->close();
            }
        });
        boxZu.start(10);
        QObject::connect(&sperre, &QTimer::timeout, [this] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d || d->objectName() != QStringLiteral("Form_Koordsperre") || !imSperrdialog) return;
            const auto was = std::exchange(imSperrdialog, nullptr);
            was(d);
            // A failed check left the dialog open: close it, or its loop
            // would never end.
            if (d->isVisible()) d->reject();
        });
        sperre.start(10);
    }
    void TearDown() override {
        boxZu.stop();
        sperre.stop();
        std::remove(SperrDateiPfad().c_str());
        SperrIterationen = runden;
        Fenstertest::TearDown();
        qt.reset();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();
        QCoreApplication::setApplicationName(name);
        QStandardPaths::setTestModeEnabled(false);
    }
    QAction* Menuepunkt(const QString& text) const {
        for (QAction* m : fenster->menuBar()->actions())
            for (QAction* a : m->menu() ? m->menu()->actions() : QList<QAction*>{})
                if (OhneBeschleuniger(a->text()) == text) return a;
        return nullptr;
    }
    // Through the menu into the lock dialog, where tun acts as the user.
    void Sperrdialog(std::function<void(QDialog*)> tun) {
        imSperrdialog = std::move(tun);
        QAction* a = Menuepunkt(QStringLiteral("Koordinaten sperren-zeigen ..."));
        ASSERT_NE(a, nullptr);
        a->trigger();
        QApplication::processEvents();
        EXPECT_FALSE(imSperrdialog);
    }
    static void Geraden(QDialog* d, bool an) {
        auto* c = d->findChild<QCheckBox*>(QStringLiteral("CheckBox_Geraden"));
        if (c->isChecked() != an) QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(5, c->height() / 2));
    }
    static QLineEdit* Feld(QDialog* d, const char* name) { return d->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    static void Ok(QDialog* d) { QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("But_Ok")), Qt::LeftButton); }
};

TEST_F(BedienungQt, SperreWirktSofortUndDasPasswortfeldBehaeltDenFokus) {
    fenster->Objekte()->Menuepunkt(0)->trigger();
    QApplication::processEvents();
    auto* d = static_cast<DialogAnsicht*>(qt->Fenster("Form_Geraden_t"));
    ASSERT_TRUE(d && d->isVisible());
    GitterTabelle* t = d->B().Tabelle(L.StringGrid1);
    ASSERT_TRUE(t->isVisible());

    Sperrdialog([](QDialog* s) {
        Geraden(s, true);
        QTest::keyClicks(Feld(s, "Edit_Passwort"), QStringLiteral("abc"));
        QTest::keyClicks(Feld(s, "Edit_Passwort2"), QStringLiteral("abc"));
        Ok(s);
    });
    EXPECT_TRUE(t->isHidden());

    // A wrong password: the field is empty and keeps the keys that follow.
    bool getippt = false;
    Sperrdialog([&](QDialog* s) {
        Geraden(s, false);
        QLineEdit* pw = Feld(s, "Edit_Passwort");
        QTest::keyClicks(pw, QStringLiteral("xyz"));
        Ok(s);
        // The dialog gets the focus back once the message box is gone.
        (void)QTest::qWaitFor([pw] { return QApplication::focusWidget() == pw; }, 5000);
        EXPECT_EQ(pw->text(), QString());
        ASSERT_EQ(QApplication::focusWidget(), pw);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("abc"));
        getippt = pw->text() == QStringLiteral("abc");
        Ok(s);
    });
    EXPECT_TRUE(getippt);
    ASSERT_EQ(boxen.size(), 1u);
    EXPECT_EQ(boxen[0], "Das Paßwort ist falsch.\nDie Sperre bleibt, wie sie war.");
    // Unlocked: the table is back at once, whole inside its window, and
    // stays when the menu opens the dialog again.
    for (int mal = 0; mal < 2; ++mal) {
        QApplication::processEvents();
        EXPECT_TRUE(t->isVisible()) << mal;
        const QRect r(t->mapTo(d, QPoint(0, 0)), t->size());
        EXPECT_TRUE(d->rect().contains(r)) << mal;
        fenster->Objekte()->Menuepunkt(0)->trigger();
    }
}

TEST_F(BedienungQt, NachDerBereichsmeldungErsetztDieNaechsteTasteDenText) {
    fenster->Objekte()->Menuepunkt(0)->trigger();
    QApplication::processEvents();
    auto* d = static_cast<DialogAnsicht*>(qt->Fenster("Form_Geraden_t"));
    GitterTabelle* t = d->B().Tabelle(L.StringGrid1);
    t->ZelleBearbeiten(1, 1);
    for (QChar k : QStringLiteral("99999")) QTest::keyClicks(d->focusWidget(), QString(k));
    ASSERT_EQ(boxen.size(), 1u);
    EXPECT_EQ(boxen[0], BereichsMeldung);
    ASSERT_NE(t->Editor(), nullptr);
    EXPECT_EQ(t->Editor()->text(), QStringLiteral("9999"));
    EXPECT_EQ(t->Editor()->selectedText(), QStringLiteral("9999"));
    QTest::keyClicks(d->focusWidget(), QStringLiteral("5"));
    EXPECT_EQ(L.StringGrid1.Cells(1, 1), "5");
    EXPECT_EQ(Gerade[1].Richtungsvektor.x, 5.0L);
    EXPECT_EQ(boxen.size(), 1u);
}

}  // namespace
