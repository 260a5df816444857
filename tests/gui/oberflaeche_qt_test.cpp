#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <functional>

#include "QtTestAnwendung.h"
#include "gui/QtOberflaeche.h"

namespace {

// Runs f once the next modal window is up (from inside its event loop).
void WennModal(std::function<void(QWidget*)> f) {
    QTimer::singleShot(0, [f] {
        QWidget* w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        f(w);
    });
}

QAbstractButton* KnopfMitText(QMessageBox* box, const QString& text) {
    for (QAbstractButton* b : box->buttons())
        if (b->text() == text) return b;
    return nullptr;
}

void TasteSchicken(QObject* ziel, int taste, QEvent::Type art, const QString& text = {}) {
    QCoreApplication::postEvent(ziel, new QKeyEvent(art, taste, Qt::NoModifier, text));
}

}  // namespace

TEST(QtOberflaeche, DateifilterPasstGrossUndKleinschreibung) {
    EXPECT_EQ(DateiFilterQt("Objektdaten (*.OVD)|*.OVD|Alle Dateien (*.*)|*.*"),
              QStringLiteral("Objektdaten (*.ovd *.OVD);;Alle Dateien (*)"));
    EXPECT_EQ(DateiFilterQt("Farbsets|*.ovf"), QStringLiteral("Farbsets (*.ovf *.OVF)"));
    EXPECT_EQ(DateiFilterQt("Bilder|*.BMP;*.WMF"), QStringLiteral("Bilder (*.bmp *.BMP *.wmf *.WMF)"));
    EXPECT_EQ(DateiFilterQt("Ohne Muster"), QStringLiteral("Ohne Muster (*)"));
    EXPECT_EQ(DateiFilterQt(""), QString());
}

TEST(QtOberflaeche, MeldungenMitDeutschenKnoepfen) {
    TestAnwendung();
    QtOberflaeche host;
    QString titel, text;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    int knoepfe = 0;
    WennModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        titel = box->windowTitle();
        text = box->text();
        symbol = box->icon();
        knoepfe = static_cast<int>(box->buttons().size());
        QAbstractButton* ja = KnopfMitText(box, QStringLiteral("&Ja"));
        ASSERT_NE(ja, nullptr);
        ASSERT_NE(KnopfMitText(box, QStringLiteral("&Nein")), nullptr);
        ja->click();
    });
    const std::string frage = "Vorsicht!\nWollen Sie -10001 < z < 10001 prüfen?";
    EXPECT_EQ(host.Meldung(frage, MeldungsArt::Warnung, Knoepfe::JaNein), Antwort::Ja);
    EXPECT_EQ(titel, QStringLiteral("Raumgeometrie"));
    EXPECT_EQ(text, QString::fromUtf8(frage.c_str()));
    EXPECT_EQ(symbol, QMessageBox::Warning);
    EXPECT_EQ(knoepfe, 2);

    // Closing the box answers No.
    WennModal([](QWidget* w) { w->close(); });
    EXPECT_EQ(host.Meldung("Frage", MeldungsArt::Warnung, Knoepfe::JaNein), Antwort::Nein);

    WennModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        symbol = box->icon();
        knoepfe = static_cast<int>(box->buttons().size());
        QAbstractButton* ok = KnopfMitText(box, QStringLiteral("OK"));
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    EXPECT_EQ(host.Meldung("Hinweis", MeldungsArt::Information, Knoepfe::Ok), Antwort::Ok);
    EXPECT_EQ(symbol, QMessageBox::Information);
    EXPECT_EQ(knoepfe, 1);
}

TEST(QtOberflaeche, EscapeWaehrendDesPassesUndGesperrteEingaben) {
    TestAnwendung();
    QtOberflaeche host;
    QLineEdit feld;
    feld.show();

    // Outside a pass nothing is dispatched by the poll, and input works.
    EXPECT_FALSE(host.EscapeGedrueckt());
    TasteSchicken(&feld, Qt::Key_A, QEvent::KeyPress, QStringLiteral("a"));
    QCoreApplication::processEvents();
    EXPECT_EQ(feld.text(), QStringLiteral("a"));

    // Inside: other keys are dropped, timer ticks wait, Escape is seen by the poll.
    bool tick = false;
    QTimer uhr;
    uhr.setInterval(0);
    QObject::connect(&uhr, &QTimer::timeout, [&] { tick = true; });
    host.LangerPassBeginnt();
    uhr.start();
    TasteSchicken(&feld, Qt::Key_B, QEvent::KeyPress, QStringLiteral("b"));
    EXPECT_FALSE(host.EscapeGedrueckt());
    EXPECT_EQ(feld.text(), QStringLiteral("a"));
    EXPECT_FALSE(tick);
    TasteSchicken(&feld, Qt::Key_Escape, QEvent::KeyPress);
    TasteSchicken(&feld, Qt::Key_Escape, QEvent::KeyRelease);
    QThread::msleep(20);  // the poll dispatches events at most every few ms
    EXPECT_TRUE(host.EscapeGedrueckt());   // pressed since the last poll
    EXPECT_FALSE(host.EscapeGedrueckt());  // released again
    host.LangerPassEndet();
    QCoreApplication::processEvents();
    EXPECT_TRUE(tick);
    uhr.stop();

    // A message during a pass can still be answered.
    host.LangerPassBeginnt();
    WennModal([](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); });
    EXPECT_EQ(host.Meldung("Frage", MeldungsArt::Warnung, Knoepfe::JaNein), Antwort::Ja);
    host.LangerPassEndet();
}

TEST(QtOberflaeche, FensterNachNamenUndSanduhr) {
    TestAnwendung();
    QtOberflaeche host;
    QDialog dialog;
    QWidget fenster;
    host.FensterRegistrieren("Form_Kugeln", &dialog);
    host.FensterRegistrieren("Form_Punkte", &fenster);

    // Modal: returns only after the window was hidden again.
    bool warSichtbar = false;
    WennModal([&](QWidget* w) {
        warSichtbar = w == &dialog && dialog.isVisible();
        host.FensterVerbergen("Form_Kugeln");
    });
    host.FensterZeigen("Form_Kugeln", true);
    EXPECT_TRUE(warSichtbar);
    EXPECT_FALSE(dialog.isVisible());

    // A plain window shown modally waits just the same.
    WennModal([&](QWidget* w) {
        warSichtbar = w == &fenster;
        host.FensterVerbergen("Form_Punkte");
    });
    host.FensterZeigen("Form_Punkte", true);
    EXPECT_TRUE(warSichtbar);
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(fenster.windowModality(), Qt::NonModal);

    host.FensterZeigen("Form_Punkte", false);
    EXPECT_TRUE(fenster.isVisible());
    host.FensterVerbergen("Form_Punkte");
    EXPECT_FALSE(fenster.isVisible());
    host.FensterZeigen("Form_Unbekannt", true);  // unknown names do nothing

    {
        QWidget* weg = new QWidget;
        host.FensterRegistrieren("Form_Weg", weg);
        delete weg;
        EXPECT_EQ(host.Fenster("Form_Weg"), nullptr);
        host.FensterZeigen("Form_Weg", false);
    }

    // The busy cursor is set, not stacked.
    host.Sanduhr(true);
    host.Sanduhr(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    host.Sanduhr(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    host.Sanduhr(false);
}
