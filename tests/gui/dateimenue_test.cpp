// The menus "Datei" and "Bearbeiten", the undo, redo and store buttons and
// the close question of the real main window under the offscreen platform.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "Fenstertest.h"
#include "gui/Beschleuniger.h"
#include "forms/Geraden_t.h"
#include "gui/DateiMenue.h"
#include "gui/Hauptfensteransicht.h"
#include "gui/QtOberflaeche.h"
#include "gui/QtZeichenflaeche.h"
#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "forms/Schalter.h"
#include "platform/SkriptHost.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "control/Undo.h"
#include "view3d/Szene.h"

namespace {

class DateiMenueAnsicht : public Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        host.Vergessen();
    }
    DateiMenue& M() const { return *fenster->Dateimenue(); }
};

TEST_F(DateiMenueAnsicht, MenuesInIhrerOrdnung) {
    const QList<QAction*> leiste = fenster->menuBar()->actions();
    ASSERT_GE(leiste.size(), 2);
    EXPECT_EQ(leiste[0]->text(), "&Datei");
    EXPECT_EQ(leiste[1]->text(), "&Bearbeiten");
    QStringList texte;
    for (QAction* a : leiste[0]->menu()->actions())
        if (!a->isSeparator()) texte << OhneBeschleuniger(a->text());
    const QStringList soll = {"aktuelle Objektdaten in Datei speichern", "Objektdaten aus Datei laden",
                              "Objektdatensatz1 (Vorgabe) laden", "aktuelles Farbset in Datei speichern",
                              "Farbset aus Datei laden", "Farbset 1 (Startfarbset)", "Farbset 2",
                              "Farbset 3", "Farbset 4", "Farbset 5", "Beenden"};
    EXPECT_EQ(texte, soll);
    EXPECT_EQ(M().Aktion(F.rckgngig1)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(M().Aktion(F.widerrufen1)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_EQ(M().Aktion(F.Farbset5)->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_TRUE(M().Aktion(F.FarbSet1)->isChecked());
}

TEST_F(DateiMenueAnsicht, ZurueckUndWiederUeberMenueUndKnoepfe) {
    TStringGrid& G = Form_Geraden_t.StringGrid1;
    const Extended x0 = Gerade[1].Stuetzvektor.x;
    G.Cells(0, 1) = "6,5";
    SzeneNeuBerechnen();
    UndoPunktSetzen();

    M().Aktion(F.rckgngig1)->trigger();
    EXPECT_EQ(Gerade[1].Stuetzvektor.x, x0);
    QToolButton* wieder = M().Knopf(F.BitBtn_RebackObj);
    ASSERT_NE(wieder, nullptr);
    EXPECT_EQ(wieder->toolTip(), QString::fromUtf8(F.BitBtn_RebackObj.Hint.c_str()));
    EXPECT_TRUE(wieder->isVisible());
    wieder->click();
    EXPECT_EQ(Gerade[1].Stuetzvektor.x, 6.5L);
    M().Knopf(F.BitBtn_BackObj)->click();
    EXPECT_EQ(G.Cells(0, 1), std::string(KoordText(x0)));
    M().Aktion(F.widerrufen1)->trigger();
    EXPECT_EQ(Gerade[1].Stuetzvektor.x, 6.5L);
    EXPECT_TRUE(host.Meldungen.empty());

    QToolButton* nach = M().Knopf(F.BitBtn_DatenNachSpeich);
    EXPECT_EQ(nach->text(), "Speich.");
    host.Antworten = {Antwort::Ja};
    nach->click();
    EXPECT_EQ(host.LetzteMeldung(), SpeicherUebernommenMeldung);
    M().Aktion(F.ObjektDatensatz1Vorgabeladen1)->trigger();
    EXPECT_EQ(Gerade[1].Stuetzvektor.x, x0);
    host.Antworten = {Antwort::Ja};
    M().Knopf(F.BitBtn_DatenAusSpeich)->click();
    EXPECT_EQ(Gerade[1].Stuetzvektor.x, 6.5L);
    EXPECT_EQ(host.LetzteMeldung(), SpeicherUebertragenMeldung);
}

// Change, undo, redo, save, the preset, and the saved file back, all
// through the window's own menus and buttons.
TEST_F(DateiMenueAnsicht, SzeneSpeichernUndWiederLaden) {
    const std::string pfad = (QDir::tempPath() + QStringLiteral("/dateimenue_test.OVD")).toStdString();
    QFile::remove(QString::fromStdString(pfad));
    TStringGrid& G = Form_Geraden_t.StringGrid2;
    const Extended y0 = Gerade[2].Richtungsvektor.y;
    G.Cells(1, 2) = "-2,75";
    SzeneNeuBerechnen();
    UndoPunktSetzen();
    M().Knopf(F.BitBtn_BackObj)->click();
    EXPECT_EQ(Gerade[2].Richtungsvektor.y, y0);
    M().Knopf(F.BitBtn_RebackObj)->click();
    EXPECT_EQ(Gerade[2].Richtungsvektor.y, -2.75L);

    host.Dateinamen = {pfad};
    M().Aktion("aktuelle Objektdaten in Datei speichern")->trigger();
    EXPECT_EQ(QFileInfo(QString::fromStdString(pfad)).size(), 3408);
    M().Aktion(F.ObjektDatensatz1Vorgabeladen1)->trigger();
    EXPECT_EQ(Gerade[2].Richtungsvektor.y, y0);
    host.Dateinamen = {pfad};
    M().Aktion("Objektdaten aus Datei laden")->trigger();
    EXPECT_EQ(Gerade[2].Richtungsvektor.y, -2.75L);
    EXPECT_EQ(G.Cells(1, 2), "-2,750");
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    QFile::remove(QString::fromStdString(pfad));
}

TEST_F(DateiMenueAnsicht, FarbsetAusDemMenueImBild) {
    M().Aktion(F.Farbset4)->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(M().Aktion(F.Farbset4)->isChecked());
    EXPECT_FALSE(M().Aktion(F.FarbSet1)->isChecked());
    const QImage b = fenster->PaintBox1()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(b.pixel(2, b.height() / 2), FarbeQt(FarbeHintergrund).rgb());
    EXPECT_EQ(FarbeHintergrund, 0x00000000u);
}

TEST_F(DateiMenueAnsicht, SchliessenFragtUndJaBehaeltDasFenster) {
    host.Antworten = {Antwort::Ja};
    EXPECT_FALSE(fenster->close());
    EXPECT_TRUE(fenster->isVisible());
    ASSERT_EQ(host.Dateidialoge.size(), 1u);       // the save dialog, cancelled here
    EXPECT_TRUE(host.Dateidialoge[0].speichern);
    host.Antworten = {Antwort::Nein};
    EXPECT_TRUE(fenster->close());
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(host.Meldungen.size(), 2u);
}

// The real Qt save dialog: a name typed without extension is asked about as
// the .OVD file it will be written to; No keeps the dialog and the old file,
// Yes writes it. The open dialog adds the extension as well.
TEST_F(DateiMenueAnsicht, QtDialogFragtVorDemErsetzenDerDateiMitEndung) {
    QtOberflaeche qt;
    HostEinsetzen ein(qt);
    QTemporaryDir ordner;
    const QString ziel = ordner.filePath("szene.OVD"), name = ordner.filePath("szene");
    QFile alt(ziel);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
    alt.close();
    QStringList fragen, liegengeblieben;
    QTimer wache;   // a window left open fails the test instead of waiting for ever
    QObject::connect(&wache, &QTimer::timeout, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) liegengeblieben << w->metaObject()->className(), w->close();
    });
    wache.start(2000);
    // In the file dialog: the name typed into its focused field, the accept
    // button clicked, a question that follows answered.
    auto eingeben = [&](QMessageBox::StandardButton antwort) {
        QTimer::singleShot(0, [&fragen, antwort] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                fragen << box->text(), box->button(antwort)->click();
        });
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        auto* feld = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QApplication::setActiveWindow(dialog);
        feld->setFocus();
        feld->selectAll();
        QTest::keyClicks(feld, name);
        if (QWidget* vorschlaege = QApplication::activePopupWidget()) vorschlaege->close();
        auto* knoepfe = dialog->findChild<QDialogButtonBox*>();
        QPushButton* speichern = knoepfe->button(QDialogButtonBox::Save);
        QTest::mouseClick(speichern ? speichern : knoepfe->button(QDialogButtonBox::Open), Qt::LeftButton);
    };
    bool offenUndAlt = false;
    QTimer::singleShot(0, [&] {
        eingeben(QMessageBox::No);
        offenUndAlt = QApplication::activeModalWidget() && QFileInfo(ziel).size() == 3;
        eingeben(QMessageBox::Yes);
    });
    M().Aktion("aktuelle Objektdaten in Datei speichern")->trigger();
    EXPECT_TRUE(offenUndAlt);
    ASSERT_EQ(fragen.size(), 2);
    EXPECT_TRUE(fragen[0].contains(QStringLiteral("szene.OVD"))) << fragen[0].toStdString();
    EXPECT_EQ(QFileInfo(ziel).size(), 3408);
    EXPECT_FALSE(QFileInfo::exists(name));

    QTimer::singleShot(0, [&] { eingeben(QMessageBox::NoButton); });
    M().Aktion("Objektdaten aus Datei laden")->trigger();
    EXPECT_EQ(ObjektdatenPfad, ziel.toStdString());
    EXPECT_TRUE(liegengeblieben.isEmpty()) << liegengeblieben.join(' ').toStdString();
}

}  // namespace
