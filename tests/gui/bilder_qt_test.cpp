// The picture commands, the help and the lock dialog in the real window,
// driven as a user drives them.

#include <QAction>
#include <QLineEdit>
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
#include "gui/Hilfefenster.h"

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

TEST_F(BilderQt, F1OeffnetDieHilfe) {
    QTest::keyClick(fenster.get(), Qt::Key_F1);
    ASSERT_EQ(host.Hilfeseiten.size(), 1u);
    HilfeFensterZeigen("Sperre");
    auto* text = HilfeFenster()->findChild<QTextBrowser*>(QStringLiteral("Hilfe_Text"));
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->toPlainText().contains(QStringLiteral("Koordinaten sperren")));
    // Every page of the contents can be opened and has text.
    for (const char* const* n = HilfeSeitenNamen(); *n; ++n) {
        HilfeFensterZeigen(*n);
        EXPECT_GT(text->toPlainText().size(), 80) << *n;
    }
    HilfeFenster()->close();
}

}  // namespace
