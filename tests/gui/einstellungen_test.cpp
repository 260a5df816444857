// The settings windows and colours of the real main window, with the real
// host and real clicks: a window opened from the menu "Einstellungen", a
// box ticked, a refused number and its message box, then typing on; an
// object's colour from its colour panel through Qt's colour dialog.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "Fenstertest.h"
#include "forms/GitterWuerfel.h"
#include "forms/Schalter.h"
#include "gui/Dialogansicht.h"
#include "gui/QtOberflaeche.h"
#include "scene/Objekte.h"

namespace {

// Runs f once the next modal window is up (from inside its event loop).
void WennModal(std::function<void(QWidget*)> f) {
    QTimer::singleShot(0, [f] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        f(w);
    });
}

int PixelMitFarbe(const QImage& bild, QRgb farbe) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += bild.pixel(x, y) == farbe;
    return n;
}

class EinstellungenQt : public QtFenstertest {
protected:
    void SetUp() override {
        QtFenstertest::SetUp();
        qt->FensterRegistrieren("Form_Edits_01", fenster.get());
    }

    // Opens the menu titel of the menu bar and clicks its entry m.
    void MenueKlicken(const QString& titel, const TMenuItem& m) {
        QMenuBar* leiste = fenster->menuBar();
        QAction* menue = nullptr;
        for (QAction* a : leiste->actions())
            if (a->text().remove(QLatin1Char('&')) == titel) menue = a;
        ASSERT_TRUE(menue && menue->menu());
        QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(menue).center());
        QMenu* liste = menue->menu();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(liste));
        QTest::mouseClick(liste, Qt::LeftButton, {}, liste->actionGeometry(fenster->Menuepunkt(m)).center());
        QApplication::processEvents();
    }
    template <class W>
    static W* MitText(QWidget* eltern, const QString& text) {
        for (W* w : eltern->findChildren<W*>())
            if (w->text() == text) return w;
        return nullptr;
    }
};

TEST_F(EinstellungenQt, GitterfensterAusDemMenueAendertDasBild) {
    MenueKlicken(QStringLiteral("Einstellungen"), F.GitterWuerfelEinst);
    QWidget* fensterGitter = qt->Fenster("Form_GitterWuerfelMax");
    ASSERT_TRUE(fensterGitter && fensterGitter->isVisible());

    // The top wall joins the grid.
    const QImage vorher = Aufnahme();
    QCheckBox* deckflaeche = MitText<QCheckBox>(fensterGitter, QStringLiteral("Deckfläche"));
    ASSERT_NE(deckflaeche, nullptr);
    EXPECT_FALSE(deckflaeche->isChecked());
    QTest::mouseClick(deckflaeche, Qt::LeftButton, {}, QPoint(8, deckflaeche->height() / 2));
    EXPECT_TRUE(deckflaeche->isChecked());
    EXPECT_TRUE(GitterWaende[3]);
    const QImage mitDecke = Aufnahme();
    EXPECT_NE(mitDecke, vorher);

    // 25 parts: the message box, OK; the field keeps the focus with its
    // text selected, so the next digit replaces it.
    auto* feld = fensterGitter->findChild<QLineEdit*>(QStringLiteral("Edit_AnzGitterLinien"));
    ASSERT_NE(feld, nullptr);
    QTest::mouseClick(feld, Qt::LeftButton);
    feld->selectAll();
    QString meldung;
    WennModal([&meldung](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        meldung = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QTest::keyClicks(feld, QStringLiteral("25"));
    QApplication::processEvents();
    EXPECT_EQ(meldung, QString::fromUtf8(GitterLinienMeldung));
    EXPECT_EQ(AnzGitterLinien, 2);  // the "2" on the way was taken
    const QImage mitZwei = Aufnahme();
    EXPECT_NE(mitZwei, mitDecke);
    EXPECT_TRUE(feld->hasFocus());
    EXPECT_EQ(feld->selectedText(), QStringLiteral("25"));
    QTest::keyClicks(fensterGitter->focusWidget(), QStringLiteral("8"));
    EXPECT_EQ(feld->text(), QStringLiteral("8"));
    EXPECT_EQ(AnzGitterLinien, 8);
    EXPECT_NE(Aufnahme(), mitZwei);

    QTest::mouseClick(MitText<QPushButton>(fensterGitter, QStringLiteral("OK")), Qt::LeftButton);
    EXPECT_FALSE(fensterGitter->isVisible());
    EXPECT_TRUE(GitterWaende[3]);
}

TEST_F(EinstellungenQt, FarbfeldWaehltDieFarbeDesObjekts) {
    const QColor gewaehlt(1, 200, 100);
    const QImage vorher = Aufnahme();
    EXPECT_EQ(PixelMitFarbe(vorher, gewaehlt.rgb()), 0);
    auto* feld = fenster->findChild<QFrame*>(QStringLiteral("Pan_Farbe_g"));
    ASSERT_NE(feld, nullptr);
    QColor angeboten;
    WennModal([&](QWidget* w) {
        auto* dialog = qobject_cast<QColorDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        angeboten = dialog->currentColor();
        dialog->setCurrentColor(gewaehlt);
        dialog->accept();
    });
    QTest::mouseClick(feld, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(angeboten, FarbeQt(FarbeAusRGB(0, 0, 255)));  // g's start colour
    EXPECT_EQ(Gerade[1].Farbe, FarbeAusRGB(1, 200, 100));
    EXPECT_EQ(feld->palette().color(QPalette::Window), gewaehlt);
    EXPECT_GT(PixelMitFarbe(Aufnahme(), gewaehlt.rgb()), 50);
}

}  // namespace
