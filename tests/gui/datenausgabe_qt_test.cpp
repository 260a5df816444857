// The result window in Qt with the real host: a report opened by clicks in
// the lines dialog's menu follows what the user types into the grid, takes
// the user's own typing, closes by its menu; and printing through Qt's print
// dialog into a PDF file, read back page by page.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "Fenstertest.h"
#include "forms/Datenausgabe.h"
#include "forms/Ergebnisauswahl.h"
#include "forms/Geraden_t.h"
#include "gui/Datenausgabeansicht.h"
#include "gui/Dialogansicht.h"
#include "gui/QtOberflaeche.h"

namespace {

class DatenausgabeQt : public Fenstertest {
protected:
    std::unique_ptr<QtOberflaeche> qt;
    std::vector<DialogAnsicht*> dialoge;

    void SetUp() override {
        TestAnwendung();
        qt = std::make_unique<QtOberflaeche>();
        Starten(*qt);
        dialoge = DialogeAnlegen(fenster.get());
        for (DialogAnsicht* d : dialoge) qt->FensterRegistrieren(d->Name(), d);
    }
    void TearDown() override {
        Fenstertest::TearDown();
        qt.reset();
    }

    DialogAnsicht* Dialog(const std::string& name) const {
        for (DialogAnsicht* d : dialoge)
            if (d->Name() == name) return d;
        return nullptr;
    }
    Datenausgabeansicht* Fenster() const { return dynamic_cast<Datenausgabeansicht*>(Dialog("Form_Datenausgabe")); }

    // Clicks the entry of the window's menu bar, then the item of the menu
    // it opens (none: the entry acts itself).
    static void MenueKlick(QMenuBar* leiste, const QString& eintrag, const QString& punkt = {}) {
        QAction* oben = nullptr;
        for (QAction* a : leiste->actions())
            if (a->text() == eintrag) oben = a;
        ASSERT_NE(oben, nullptr) << eintrag.toStdString();
        QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(oben).center());
        QApplication::processEvents();
        if (punkt.isEmpty()) return;
        QMenu* menue = oben->menu();
        ASSERT_NE(menue, nullptr);
        ASSERT_TRUE(menue->isVisible());
        for (QAction* a : menue->actions())
            if (a->text() == punkt) {
                QTest::mouseClick(menue, Qt::LeftButton, {}, menue->actionGeometry(a).center());
                QApplication::processEvents();
                return;
            }
        FAIL() << punkt.toStdString();
    }

    // Prints the memo's lines through the menu; the print dialog is
    // accepted (or cancelled) as soon as it shows.
    void Drucken(bool annehmen) {
        QTimer dialog;
        int gesehen = 0;
        QObject::connect(&dialog, &QTimer::timeout, [&] {
            if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
                ++gesehen;
                annehmen ? d->accept() : d->reject();
            }
        });
        dialog.start(10);
        MenueKlick(Fenster()->Menue(), QStringLiteral("dr&ucken"));
        dialog.stop();
        EXPECT_EQ(gesehen, 1);
    }
};

TEST_F(DatenausgabeQt, BerichtAusDemMenueFolgtDerEingabe) {
    DialogAnsicht* geraden = Dialog("Form_Geraden_t");
    geraden->show();
    QApplication::processEvents();
    MenueKlick(geraden->findChild<QMenuBar*>(), QStringLiteral("&Ergebnisse"), QStringLiteral("g"));

    Datenausgabeansicht* w = Fenster();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(ErgebnisAuswahl, 22);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("   Datenausgabe"));
    QPlainTextEdit* memo = w->Memo();
    EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch());
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(memo->isReadOnly());
    QStringList zeilen = memo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), static_cast<qsizetype>(Form_Datenausgabe.Memo1.Lines.size()));
    EXPECT_EQ(zeilen[0], QStringLiteral("Daten zur Geraden g:"));
    EXPECT_EQ(zeilen[5], QStringLiteral("              |-5,000|        |3,000|"));
    // The columns line up in the window's font.
    const QFontMetrics m(memo->font());
    EXPECT_EQ(m.horizontalAdvance(zeilen[5]), m.horizontalAdvance(zeilen[6]));

    // Typed into g's grid: the open report follows.
    GitterTabelle* t = geraden->B().Tabelle(Form_Geraden_t.StringGrid1);
    t->ZelleBearbeiten(0, 1);
    QTest::keyClicks(t->Editor(), QStringLiteral("1"));
    QTest::keyClick(t->Editor(), Qt::Key_Return);
    QApplication::processEvents();
    zeilen = memo->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(zeilen[5], QStringLiteral("              | 1,000|        |3,000|"));

    // What the user types into the report is the memo's until the next build.
    memo->setFocus();
    memo->moveCursor(QTextCursor::Start);
    QTest::keyClicks(memo, QStringLiteral("Notiz: "));
    EXPECT_EQ(Form_Datenausgabe.Memo1.Lines[0], "Notiz: Daten zur Geraden g:");

    // Closed by its menu: hidden, no report any more.
    MenueKlick(w->Menue(), QStringLiteral("&Datei"), QStringLiteral("&beenden"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(ErgebnisAuswahl, 0);
}

// The pages of a PDF file as pdftotext reads them, each a list of lines.
std::vector<QStringList> Seiten(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(20000);
    std::vector<QStringList> seiten;
    for (const QString& s : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'))) {
        QStringList z;
        for (const QString& l : s.split(QLatin1Char('\n')))
            if (!l.trimmed().isEmpty()) z << l.simplified();  // pdftotext spaces words its own way
        if (!z.isEmpty()) seiten.push_back(z);
    }
    return seiten;
}

TEST_F(DatenausgabeQt, DruckenInEinePdfDatei) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    QPrinter& drucker = qt->Drucker();
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pdf);

    ErgebnisAuswahl = 34;
    Fenster()->show();
    QApplication::processEvents();
    struct Fall {
        int zeilen;
        std::vector<int> seiten;
    };
    for (const Fall& f : {Fall{120, {49, 49, 22}}, Fall{49, {49}}}) {
        QFile::remove(pdf);
        std::vector<std::string>& l = Form_Datenausgabe.Memo1.Lines;
        l.clear();
        for (int i = 0; i < f.zeilen; ++i) l.push_back("Zeile " + std::to_string(i) + " |  1,000|");
        Drucken(true);
        const std::vector<QStringList> s = Seiten(pdf);
        ASSERT_EQ(s.size(), f.seiten.size()) << f.zeilen;
        int erste = 0;
        for (std::size_t k = 0; k < s.size(); ++k) {
            ASSERT_EQ(s[k].size(), f.seiten[k]) << f.zeilen << " Seite " << k;
            EXPECT_EQ(s[k].front(), QStringLiteral("Zeile %1 | 1,000|").arg(erste));
            EXPECT_EQ(s[k].back(), QStringLiteral("Zeile %1 | 1,000|").arg(erste + f.seiten[k] - 1));
            erste += f.seiten[k];
        }
    }

    // Cancelled: nothing printed.
    QFile::remove(pdf);
    Drucken(false);
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
