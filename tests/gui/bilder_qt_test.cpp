// The picture commands, the help and the lock dialog in the real window,
// driven as a user drives them.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <filesystem>

#include "Fenstertest.h"
#include "gui/Beschleuniger.h"
#include "forms/Bilder.h"
#include "forms/Koordsperre.h"
#include "forms/Schalter.h"
#include "gui/Dialogansicht.h"
#include "gui/Hilfefenster.h"
#include "mainwindow/Hilfe.h"

namespace fs = std::filesystem;

namespace {

class BilderQt : public Fenstertest {
protected:
    fs::path ordner = fs::temp_directory_path() / ("bilder_qt_" + std::to_string(::getpid()));
    void SetUp() override {
        fs::create_directories(ordner);
        host.Konfiguration = ordner.string();
        Fenstertest::SetUp();
    }
    void TearDown() override {
        Fenstertest::TearDown();
        Bildausschnitt = {};
        fs::remove_all(ordner);
    }
    QAction* Menue(const QString& text) {
        for (QAction* m : fenster->menuBar()->actions())
            if (m->menu())
                for (QAction* a : m->menu()->actions())
                    if (OhneBeschleuniger(a->text()) == text) return a;
        return nullptr;
    }
};

TEST_F(BilderQt, BitmapHatDiePixelDesBildes) {
    const fs::path p = ordner / "bild.bmp";
    host.Dateinamen.push_back(p.string());
    Menue(QStringLiteral("Bild als Bitmap (*.BMP) speichern ..."))->trigger();
    ASSERT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    const QImage gelesen(QString::fromStdString(p.string()), "BMP");
    ASSERT_FALSE(gelesen.isNull());
    EXPECT_EQ(gelesen.convertToFormat(QImage::Format_RGB32), bild.Bild().convertToFormat(QImage::Format_RGB32));
}

TEST_F(BilderQt, AusschnittMitDerMausKommtInDieZwischenablage) {
    QWidget* pb = fenster->PaintBox1();
    Menue(QStringLiteral("Bildausschnitt mit der Maus wählen"))->trigger();
    QTest::mousePress(pb, Qt::LeftButton, {}, QPoint(200, 150));
    QTest::mouseMove(pb, QPoint(260, 190));
    QTest::mouseRelease(pb, Qt::LeftButton, {}, QPoint(300, 230));
    ASSERT_EQ(host.Zwischenablage.size(), 1u);
    QImage teil;
    ASSERT_TRUE(teil.loadFromData(host.Zwischenablage[0].data(), int(host.Zwischenablage[0].size()), "BMP"));
    EXPECT_EQ(teil.convertToFormat(QImage::Format_RGB32),
              bild.Bild().copy(200, 150, 100, 80).convertToFormat(QImage::Format_RGB32));
    // A click without a drag chooses nothing: a message, no copy, and the
    // next click on the picture is an ordinary click again.
    Menue(QStringLiteral("Bildausschnitt mit der Maus wählen"))->trigger();
    QTest::mouseClick(pb, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(host.LetzteMeldung(), AusschnittLeerMeldung);
    EXPECT_EQ(host.Zwischenablage.size(), 1u);
    EXPECT_FALSE(BildausschnittWaehlen);
}

TEST_F(BilderQt, F1ZeigtInJedemFensterDessenSeite) {
    DialogeAnlegen(fenster.get());  // every dialog, as the program makes them
    std::vector<QWidget*> alle;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName().startsWith(QStringLiteral("Form_"))) alle.push_back(w);
    ASSERT_GE(alle.size(), 30u);
    for (QWidget* w : alle) {
        const std::string name = w->objectName().toStdString();
        const char* seite = HilfeSeiteFuerFenster(name);
        ASSERT_NE(seite, nullptr) << name;
        // Pressed in a control of the window, as a user presses it.
        // (The main window's dialogs are its children: skip their controls.)
        QWidget* ziel = w;
        for (QWidget* k : w->findChildren<QWidget*>())
            if (k->window() == w && (qobject_cast<QAbstractItemView*>(k) || qobject_cast<QLineEdit*>(k))) {
                ziel = k;
                break;
            }
        host.Hilfeseiten.clear();
        QTest::keyClick(ziel, Qt::Key_F1);
        ASSERT_EQ(host.Hilfeseiten.size(), 1u) << name;  // not a second time through the menu
        EXPECT_EQ(host.Hilfeseiten[0], seite) << name;
    }
    // The menu command opens the contents.
    host.Hilfeseiten.clear();
    Menue(QStringLiteral("Hilfe"))->trigger();
    ASSERT_EQ(host.Hilfeseiten.size(), 1u);
    EXPECT_EQ(host.Hilfeseiten[0], HilfeSeiten()[0].Name);
}

TEST(Hilfefenster, ZeigtJedeSeiteUndGehoertZumOffenenModalenDialog) {
    TestAnwendung();
    HilfeFensterZeigen("Sperre");
    auto* text = HilfeFenster()->findChild<QTextBrowser*>(QStringLiteral("Hilfe_Text"));
    auto* inhalt = HilfeFenster()->findChild<QListWidget*>(QStringLiteral("Hilfe_Inhalt"));
    ASSERT_TRUE(text && inhalt);
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Koordinaten sperren")));
    for (const HilfeSeite& s : HilfeSeiten()) {
        HilfeFensterZeigen(s.Name);
        ASSERT_TRUE(inhalt->currentItem());
        EXPECT_EQ(inhalt->currentItem()->text(), QString::fromUtf8(s.Titel));
        EXPECT_GT(text->toPlainText().size(), 200) << s.Name;
    }
    EXPECT_EQ(HilfeFenster()->parentWidget(), nullptr);

    // Over a modal dialog the help must not be blocked by it: it becomes
    // the dialog's window; afterwards it stands on its own again.
    QDialog d;
    d.setObjectName(QStringLiteral("Form_DrehenUmGerade"));
    QWidget* eltern = nullptr;
    QTimer::singleShot(0, &d, [&] {
        HilfeFensterZeigen("Drehen");
        eltern = HilfeFenster()->parentWidget();
        d.reject();
    });
    d.exec();
    EXPECT_EQ(eltern, &d);
    HilfeFensterZeigen("Inhalt");
    EXPECT_EQ(HilfeFenster()->parentWidget(), nullptr);
    EXPECT_TRUE(HilfeFenster()->isWindow());
    HilfeFenster()->close();
}

TEST(Hilfefenster, EscSchliesstDieHilfeUndNurSie) {
    TestAnwendung();
    const auto text = [] { return HilfeFenster()->findChild<QTextBrowser*>(QStringLiteral("Hilfe_Text")); };
    const auto inhalt = [] { return HilfeFenster()->findChild<QListWidget*>(QStringLiteral("Hilfe_Inhalt")); };
    // Pressed in either part of the window, wherever the focus is.
    for (bool imText : {true, false}) {
        HilfeFensterZeigen("Drehen");
        QWidget* ziel = imText ? static_cast<QWidget*>(text()) : inhalt();
        ziel->setFocus();
        QPointer<QWidget> hilfe = HilfeFenster();
        QTest::keyClick(ziel, Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(!hilfe || !hilfe->isVisible()) << imText;
    }
    // Over a modal dialog: the help closes, the dialog stays open.
    QDialog d;
    d.setObjectName(QStringLiteral("Form_DrehenUmGerade"));
    bool hilfeZu = false, dialogOffen = false;
    QTimer::singleShot(0, &d, [&] {
        HilfeFensterZeigen("Drehen");
        QPointer<QWidget> hilfe = HilfeFenster();
        QTest::keyClick(text(), Qt::Key_Escape);
        QApplication::processEvents();
        hilfeZu = !hilfe || !hilfe->isVisible();
        dialogOffen = d.isVisible();
        d.reject();
    });
    d.exec();
    EXPECT_TRUE(hilfeZu);
    EXPECT_TRUE(dialogOffen);
}

}  // namespace
