// The result window in Qt with the real host: a report opened by clicks in
// the lines dialog's menu follows what the user types into the grid, takes
// the user's own typing and closes by its menu; printing goes through Qt's
// print dialog into a PDF file, read back page by page.

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QDir>
#include <QPaintEvent>
#include <QScreen>
#include <QSizeGrip>
#include <memory>

#include "Fenstertest.h"
#include "forms/Datenausgabe.h"
#include "forms/Ergebnisauswahl.h"
#include "forms/Geraden_t.h"
#include "gui/Datenausgabeansicht.h"
#include "gui/Auffrischen.h"
#include "gui/QtOberflaeche.h"
#include "reports/Datenfenster.h"
#include "reports/Druckseiten.h"

namespace {

class DatenausgabeQt : public QtFenstertest {
protected:
    std::map<std::string, DialogAnsicht*> dialoge;

    void SetUp() override {
        QtFenstertest::SetUp();
        for (DialogAnsicht* d : angelegt) dialoge[d->Name()] = d;
    }
    Datenausgabeansicht* Fenster() { return dynamic_cast<Datenausgabeansicht*>(dialoge["Form_Datenausgabe"]); }
    // Shows the report with the code as its menu entry does; its window.
    Datenausgabeansicht* BerichtZeigen(Byte code) {
        ErgebnisAuswahl = code;
        Benutzeraktion([] { DatenfensterZeigen(); });
        QApplication::processEvents();
        return Fenster();
    }

    // Clicks an entry of the menu bar, then the item of the menu it opens.
    static void MenueKlick(QMenuBar* leiste, const QString& eintrag, const QString& punkt = {}) {
        for (QAction* a : leiste->actions()) {
            if (a->text() != eintrag) continue;
            QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(a).center());
            QApplication::processEvents();
            for (QAction* p : a->menu() ? a->menu()->actions() : QList<QAction*>{})
                if (p->text() == punkt) {
                    QTest::mouseClick(a->menu(), Qt::LeftButton, {}, a->menu()->actionGeometry(p).center());
                    QApplication::processEvents();
                }
        }
    }
};

TEST_F(DatenausgabeQt, BerichtAusDemMenueFolgtDerEingabe) {
    DialogAnsicht* geraden = dialoge["Form_Geraden_t"];
    geraden->show();
    QApplication::processEvents();
    MenueKlick(geraden->findChild<QMenuBar*>(), QStringLiteral("&Ergebnisse"), QStringLiteral("g"));

    Datenausgabeansicht* w = Fenster();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(ErgebnisAuswahl, 22);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    QPlainTextEdit* memo = w->Memo();
    EXPECT_TRUE(QFontInfo(memo->font()).fixedPitch());
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_FALSE(memo->isReadOnly());
    QStringList zeilen = memo->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(zeilen.size(), static_cast<qsizetype>(Form_Datenausgabe.Memo1.Lines.size()));
    EXPECT_EQ(zeilen[5], QStringLiteral("              |-5,000|        |3,000|"));

    // Typed into g's grid while the result window keeps the activation (a
    // key the editor leaves goes back to the grid once): the report follows.
    GitterTabelle* t = geraden->B().Tabelle(Form_Geraden_t.StringGrid1);
    t->ZelleBearbeiten(0, 1);
    QTest::keyClicks(t->Editor(), QStringLiteral("1"));
    QTest::keyClick(t->Editor(), Qt::Key_Return);
    QApplication::processEvents();
    zeilen = memo->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(zeilen[5], QStringLiteral("              | 1,000|        |3,000|"));

    // What the user types into the report is the memo's, to print.
    memo->setFocus();
    memo->moveCursor(QTextCursor::Start);
    QTest::keyClicks(memo, QStringLiteral("Notiz: "));
    EXPECT_EQ(Form_Datenausgabe.Memo1.Lines[0], "Notiz: Daten zur Geraden g:");

    MenueKlick(w->Menue(), QStringLiteral("&Datei"), QStringLiteral("&beenden"));
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(ErgebnisAuswahl, 0);
}

TEST_F(DatenausgabeQt, DruckenInEinePdfDatei) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    qt->Drucker().setOutputFormat(QPrinter::PdfFormat);
    qt->Drucker().setOutputFileName(pdf);
    Fenster()->show();
    QString meldung;
    // Prints n lines through the menu; the print dialog is accepted or
    // cancelled as it shows. The pages as pdftotext reads them.
    const auto drucken = [&](int n, bool annehmen) {
        QFile::remove(pdf);
        Form_Datenausgabe.Memo1.Lines.clear();
        for (int i = 0; i < n; ++i) Form_Datenausgabe.Memo1.Lines.push_back("Zeile " + std::to_string(i) + " |  1,000|");
        QTimer dialog;
        QObject::connect(&dialog, &QTimer::timeout, [&, annehmen] {
            if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) annehmen ? d->accept() : d->reject();
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                meldung = m->text();
                m->close();
            }
        });
        dialog.start(10);
        MenueKlick(Fenster()->Menue(), QStringLiteral("dr&ucken"));
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
    };
    const std::vector<QStringList> drei = drucken(120, true);
    ASSERT_EQ(drei.size(), 3u);
    int erste = 0;
    for (int k = 0; k < 3; ++k) {
        const int n = k < 2 ? 49 : 22;
        ASSERT_EQ(drei[static_cast<std::size_t>(k)].size(), n) << k;
        EXPECT_EQ(drei[static_cast<std::size_t>(k)].front(), QStringLiteral("Zeile %1 | 1,000|").arg(erste));
        EXPECT_EQ(drei[static_cast<std::size_t>(k)].back(), QStringLiteral("Zeile %1 | 1,000|").arg(erste + n - 1));
        erste += n;
    }
    const std::vector<QStringList> eine = drucken(49, true);
    ASSERT_EQ(eine.size(), 1u);
    EXPECT_EQ(eine[0].size(), 49);
    EXPECT_TRUE(drucken(5, false).empty());
    EXPECT_FALSE(QFile::exists(pdf));
    // A printer that takes no job: the user is told, nothing is printed.
    qt->Drucker().setOutputFileName(dir.filePath(QStringLiteral("fehlt/bericht.pdf")));
    EXPECT_TRUE(drucken(5, true).empty());
    EXPECT_EQ(meldung, QStringLiteral("Der Druck konnte nicht begonnen werden."));
}

// A job into a file that cannot be written whole (a file-size limit, a full
// disk) leaves the old file as it was, no temporary file beside it, and
// says so; the program is not ended by the size limit.
TEST_F(DatenausgabeQt, DruckInDateiErsetztDieAlteNurGanz) {
    const QByteArray alt(3000, 'a');
    const auto vorbereiten = [&](const QString& pdf) {
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(alt);
    };
    // 120 lines into pdf on the printer as set, without the dialog: what
    // the job's end says.
    const auto drucken = [&](const QString& pdf) -> std::string {
        qt->Drucker().setOutputFormat(QPrinter::PdfFormat);
        qt->Drucker().setOutputFileName(pdf);
        std::unique_ptr<Druckauftrag> auftrag = qt->AuftragStarten("Datenausgabe");
        if (!auftrag) return "nicht begonnen";
        std::vector<std::string> zeilen;
        for (int i = 0; i < 120; ++i) zeilen.push_back("Zeile " + std::to_string(i) + " |  1,000|");
        BerichtDrucken(zeilen, "Courier", *auftrag);
        return auftrag->Beenden();
    };
    const auto unveraendert = [&](const QString& pdf) {
        QFile f(pdf);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), alt);
        EXPECT_EQ(QDir(QFileInfo(pdf).path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
            << "a temporary file was left";
    };

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("bericht.pdf"));
    vorbereiten(pdf);
    // A job that ends well replaces the file.
    EXPECT_EQ(drucken(pdf), "");
    {
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_TRUE(f.readAll().trimmed().endsWith("%%EOF"));
    }

    // Under a file-size limit, in a child so the limit binds it alone.
    vorbereiten(pdf);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        const rlimit grenze{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &grenze);
        const std::string meldung = drucken(pdf);
        ::_exit(meldung.find("ist fehlgeschlagen.") != std::string::npos ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_FALSE(WIFSIGNALED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failure was not reported";
    unveraendert(pdf);

    // Onto a full disk: a small file system of its own.
    QTemporaryDir klein;
    if (::mount("tmpfs", QFile::encodeName(klein.path()).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "no tmpfs could be mounted for the full disk (needs root): " << std::strerror(errno);
    struct Aushaengen {
        QByteArray p;
        ~Aushaengen() { ::umount2(p.constData(), MNT_DETACH); }
    } aushaengen{QFile::encodeName(klein.path())};
    const QString voll = klein.filePath(QStringLiteral("bericht.pdf"));
    vorbereiten(voll);
    {
        QFile fueller(klein.filePath(QStringLiteral("fueller")));
        ASSERT_TRUE(fueller.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'f');
        while (fueller.write(block) == block.size()) {}
        fueller.close();
        // Room for the start of the job, not for all of it.
        fueller.resize(qMax<qint64>(0, fueller.size() - 2048));
    }
    const std::string meldung = drucken(voll);
    EXPECT_NE(meldung.find("Der Druck in die Datei\n" + voll.toStdString() + "\nist fehlgeschlagen."),
              std::string::npos)
        << meldung;
    QFile::remove(klein.filePath(QStringLiteral("fueller")));
    unveraendert(voll);
}

// The sphere-line report from the spheres dialog's menu follows line g as
// it is moved in its own dialog.
TEST_F(DatenausgabeQt, KugelGeradeAusDemKugelmenue) {
    DialogAnsicht* kugeln = dialoge["Form_Kugeln"];
    kugeln->show();
    QApplication::processEvents();
    MenueKlick(kugeln->findChild<QMenuBar*>(), QStringLiteral("&Ergebnisse"), QStringLiteral("K1 - g"));
    ASSERT_TRUE(Fenster()->isVisible());
    EXPECT_EQ(ErgebnisAuswahl, 94);
    EXPECT_EQ(Form_Datenausgabe.Memo1.Lines.at(0), "Kugel 1 - Gerade g:");
    EXPECT_EQ(Form_Datenausgabe.Memo1.Lines.back(), "g ist eine Passante der Kugel.");

    // g through the centre (4, 4, 4) of K1: a secant.
    DialogAnsicht* geraden = dialoge["Form_Geraden_t"];
    geraden->show();
    QApplication::processEvents();
    GitterTabelle* t = geraden->B().Tabelle(Form_Geraden_t.StringGrid1);
    for (int zeile = 1; zeile <= 3; ++zeile) {
        t->ZelleBearbeiten(0, zeile);
        QTest::keyClick(t->Editor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(t->Editor(), QStringLiteral("4"));
        QTest::keyClick(t->Editor(), Qt::Key_Return);
        QApplication::processEvents();
    }
    const QStringList zeilen = Fenster()->Memo()->toPlainText().split(QLatin1Char('\n'));
    EXPECT_TRUE(zeilen.contains(QStringLiteral("g ist eine Sekante der Kugel."))) << zeilen.join('\n').toStdString();
    EXPECT_EQ(ErgebnisAuswahl, 94);
}

// The report's lines look the same with and without shaping, which the
// window leaves out for speed: umlauts, degrees, the sign of a square root.
TEST_F(DatenausgabeQt, UngeformteZeilenSehenGleichAus) {
    QPlainTextEdit* memo = BerichtZeigen(34)->Memo();
    memo->appendPlainText(QStringLiteral("Größe äöüß 17,548° √2 ² fi ff -> <= 1E-15"));
    const QFont f = memo->font();
    ASSERT_EQ(f.styleStrategy() & QFont::PreferNoShaping, QFont::PreferNoShaping);
    const QImage ohne = memo->viewport()->grab().toImage();
    QFont geformt = f;
    geformt.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() & ~QFont::PreferNoShaping));
    memo->setFont(geformt);
    QApplication::processEvents();
    EXPECT_EQ(memo->viewport()->grab().toImage(), ohne);
}

// A refresh writes the report's new lines into the window in place: the
// text is the report's whole text, the cursor keeps its line and column, the
// scroll bars keep their place, and the same text changes nothing.
TEST_F(DatenausgabeQt, AuffrischenSchreibtNurGeaenderteZeilen) {
    Datenausgabeansicht* w = BerichtZeigen(22);
    ASSERT_TRUE(w->isVisible());
    w->resize(200, 150);
    QApplication::processEvents();
    QPlainTextEdit* memo = w->Memo();
    std::vector<std::string>& zeilen = Form_Datenausgabe.Memo1.Lines;
    const auto ganzerText = [&] {
        QStringList l;
        for (const std::string& z : zeilen) l << QString::fromStdString(z);
        return l.join(QLatin1Char('\n'));
    };
    ASSERT_GT(zeilen.size(), 30u);
    ASSERT_EQ(memo->toPlainText(), ganzerText());

    // The cursor in line 21 (the eye point's line), column 4, the view
    // scrolled down and to the right.
    QTextCursor c = memo->textCursor();
    c.setPosition(memo->document()->findBlockByNumber(21).position() + 4);
    memo->setTextCursor(c);
    memo->verticalScrollBar()->setValue(5);
    memo->horizontalScrollBar()->setValue(7);
    int aenderungen = 0;
    QObject::connect(memo->document(), &QTextDocument::contentsChange, memo, [&] { ++aenderungen; });
    const auto pruefen = [&](const char* fall, int line, int v = 5, int h = 7) {
        SCOPED_TRACE(fall);
        EXPECT_EQ(memo->toPlainText(), ganzerText());
        EXPECT_EQ(memo->textCursor().blockNumber(), std::min(line, memo->document()->blockCount() - 1));
        EXPECT_EQ(memo->verticalScrollBar()->value(), std::min(v, memo->verticalScrollBar()->maximum()));
        EXPECT_EQ(memo->horizontalScrollBar()->value(), std::min(h, memo->horizontalScrollBar()->maximum()));
        aenderungen = 0;
    };

    // An eye-point step changes the eye point's and the projected lines'
    // numbers, the cursor's line among them.
    const std::string vorher = zeilen[21];
    Benutzeraktion([this] { F.Edit_FPy.SetText("90"); });
    QApplication::processEvents();
    ASSERT_NE(zeilen[21], vorher);
    pruefen("Augpunkt", 21);
    EXPECT_EQ(memo->textCursor().positionInBlock(), 4);

    // The same text again changes nothing.
    Benutzeraktion([] {});
    EXPECT_EQ(aenderungen, 0);

    // Lines added at the end, lines dropped, a report of one empty line,
    // and a line with a non-ASCII character.
    const std::vector<std::string> lang = zeilen;
    zeilen.push_back("neu 1");
    zeilen.push_back("Größe");
    Benutzeraktion([] {});
    pruefen("mehr Zeilen", 21);
    zeilen.resize(10);
    Benutzeraktion([] {});
    pruefen("weniger Zeilen", 9);
    zeilen.clear();
    Benutzeraktion([] {});
    EXPECT_EQ(memo->toPlainText(), QString());
    EXPECT_EQ(memo->document()->blockCount(), 1);
    aenderungen = 0;
    zeilen = lang;
    Benutzeraktion([] {});
    // The empty text had nowhere to scroll: the long one starts at the top.
    pruefen("wieder lang", 0, 0, 0);
}

// The paint events of a widget, as one region.
struct Malprotokoll : QObject {
    QRegion gemalt;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) gemalt += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

// The pixels of widget sicht in window w as the window holds them, and a
// fresh rendering of it.
QImage Gezeigt(QWidget* w, QWidget* sicht) {
    const QRect r(sicht->mapTo(w, QPoint(0, 0)), sicht->size());
    return w->screen()->grabWindow(w->winId(), r.x(), r.y(), r.width(), r.height()).toImage().convertToFormat(
        QImage::Format_RGB32);
}

QImage Frisch(QWidget* sicht) { return sicht->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// A refresh that changes some lines lays out and repaints those alone: the
// other lines keep their layout and their pixels, and what the window shows
// is what a full repaint would show, also for a line that changed out of
// view and is scrolled in later.
TEST_F(DatenausgabeQt, AuffrischenMaltNurGeaenderteZeilen) {
    Datenausgabeansicht* w = BerichtZeigen(22);
    ASSERT_TRUE(w->isVisible());
    QPlainTextEdit* memo = w->Memo();
    QWidget* sicht = memo->viewport();
    QTextDocument* doc = memo->document();

    // The viewport's paint events, and its pixels as the window holds them
    // against a fresh rendering of it.
    Malprotokoll maler;
    sicht->installEventFilter(&maler);
    const auto gezeigt = [&] { return Gezeigt(w, sicht); };
    const auto frisch = [&] { return Frisch(sicht); };
    // The lines in view: block number and its band in the viewport.
    const auto sichtbar = [&] {
        std::vector<std::pair<int, QRect>> z;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            const QRect c = memo->cursorRect(QTextCursor(b));
            if (c.bottom() >= 0 && c.top() < sicht->height()) z.push_back({b.blockNumber(), QRect(0, c.top(), sicht->width(), c.height())});
        }
        return z;
    };
    const auto texte = [&] {
        QStringList l;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) l << b.text();
        return l;
    };
    QApplication::processEvents();
    ASSERT_TRUE(gezeigt() == frisch());
    const std::vector<std::pair<int, QRect>> zeilen = sichtbar();
    ASSERT_GT(zeilen.size(), 20u);
    ASSERT_LT(static_cast<int>(zeilen.size()), doc->blockCount()) << "some lines must be out of view";

    // An eye-point step changes the numbers of a few lines in view.
    const QStringList vorher = texte();
    maler.gemalt = QRegion();
    Benutzeraktion([this] { F.Edit_FPy.SetText("90"); });
    const QStringList nachher = texte();
    int geaendert = 0;
    for (const auto& [nr, band] : zeilen) {
        if (nachher[nr] != vorher[nr]) {
            ++geaendert;
            continue;
        }
        EXPECT_GT(doc->findBlockByNumber(nr).layout()->lineCount(), 0) << "line " << nr << " was laid out again";
    }
    ASSERT_GT(geaendert, 0);
    ASSERT_LT(geaendert, static_cast<int>(zeilen.size()) / 2);
    QApplication::processEvents();
    for (const auto& [nr, band] : zeilen) {
        // Bands of neighbouring lines may share their edge pixel.
        const QRect innen = band.adjusted(0, 2, 0, -2);
        if (nachher[nr] != vorher[nr])
            EXPECT_TRUE(maler.gemalt.intersects(innen)) << "changed line " << nr << " not repainted";
        else
            EXPECT_FALSE(maler.gemalt.intersects(innen)) << "unchanged line " << nr << " repainted";
    }
    EXPECT_TRUE(gezeigt() == frisch()) << "the window shows other pixels than a full repaint";

    // A line out of view changes: nothing in view is painted; scrolled in,
    // it shows its new text.
    std::vector<std::string>& M = Form_Datenausgabe.Memo1.Lines;
    ASSERT_EQ(static_cast<int>(M.size()), doc->blockCount());
    M.back() += " (neu)";
    maler.gemalt = QRegion();
    Benutzeraktion([] {});
    QApplication::processEvents();
    EXPECT_TRUE(maler.gemalt.isEmpty());
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
    QApplication::processEvents();
    EXPECT_EQ(doc->lastBlock().text(), QString::fromStdString(M.back()));
    EXPECT_TRUE(gezeigt() == frisch()) << "the window shows other pixels than a full repaint";

    // The same with the result window active and the cursor in the memo
    // (not blinking, which would repaint its line now and then), narrower
    // and scrolled to the right: of the window only the changed lines and
    // the cursor's line are painted.
    w->resize(260, w->height());
    QApplication::processEvents();
    memo->verticalScrollBar()->setValue(0);
    ASSERT_GT(memo->horizontalScrollBar()->maximum(), 20);
    memo->horizontalScrollBar()->setValue(20);
    QApplication::processEvents();
    const int blinken = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    QApplication::setActiveWindow(w);
    memo->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(memo->hasFocus());
    std::map<QObject*, int> andere;
    struct Zaehler : QObject {
        std::map<QObject*, int>& n;
        explicit Zaehler(std::map<QObject*, int>& m) : n(m) {}
        bool eventFilter(QObject* o, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++n[o];
            return false;
        }
    } zaehler(andere);
    for (QWidget* k : w->findChildren<QWidget*>())
        if (k != sicht) k->installEventFilter(&zaehler);
    w->installEventFilter(&zaehler);
    const QStringList davor = texte();
    maler.gemalt = QRegion();
    Benutzeraktion([this] { F.Edit_FPy.SetText("60"); });
    QApplication::processEvents();
    const QStringList danach = texte();
    for (const auto& [nr, band] : zeilen) {
        if (danach[nr] == davor[nr] && nr != memo->textCursor().blockNumber()) {
            EXPECT_FALSE(maler.gemalt.intersects(band.adjusted(0, 2, 0, -2))) << "unchanged line " << nr << " repainted";
        }
    }
    EXPECT_FALSE(maler.gemalt.isEmpty());
    for (const auto& [o, n] : andere)
        if (!qobject_cast<QSizeGrip*>(o))  // the grip overlaps the view's corner
            ADD_FAILURE() << o->metaObject()->className() << " " << qPrintable(o->objectName()) << " repainted";
    EXPECT_TRUE(gezeigt() == frisch()) << "the window shows other pixels than a full repaint";
    w->removeEventFilter(&zaehler);
    for (QWidget* k : w->findChildren<QWidget*>()) k->removeEventFilter(&zaehler);
    QApplication::setCursorFlashTime(blinken);
    sicht->removeEventFilter(&maler);
}

}  // namespace

// Within a changed line only the changed characters are repainted while the
// rest of the line stays where it was; when the rest moves (a longer or
// shorter number, a character of another width) the line is repainted to
// its end. What the window shows is what a full repaint would show.
TEST_F(DatenausgabeQt, AuffrischenMaltNurDenGeaendertenTeil) {
    Datenausgabeansicht* w = BerichtZeigen(22);
    ASSERT_TRUE(w->isVisible());
    QPlainTextEdit* memo = w->Memo();
    QWidget* sicht = memo->viewport();
    Malprotokoll maler;
    sicht->installEventFilter(&maler);
    const auto gezeigt = [&] { return Gezeigt(w, sicht); };
    const auto frisch = [&] { return Frisch(sicht); };
    QApplication::processEvents();

    // A line in view long enough to hold a change in its middle.
    std::vector<std::string>& M = Form_Datenausgabe.Memo1.Lines;
    const int nr = 3;
    const char* const ziffern = "0123456789 0123456789 0123456789 0123456789";
    M[nr] = ziffern;
    Benutzeraktion([] {});
    QApplication::processEvents();
    ASSERT_TRUE(gezeigt() == frisch());
    const QRect zeile = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(nr)));
    const auto x = [&](int spalte) {
        QTextCursor c(memo->document()->findBlockByNumber(nr));
        c.setPosition(c.position() + spalte);
        return memo->cursorRect(c).left();
    };
    ASSERT_GT(x(40) - x(20), 40);

    struct Fall {
        const char* name;
        const char* text;
        const char* vorher;
        bool restBleibt;  // the characters after the change keep their place
        bool hoeher = false;
    };
    const Fall faelle[] = {
        {"gleich lang", "0123456789 0123456789 01234X6789 0123456789", ziffern, true},
        {"laenger", "0123456789 0123456789 01234XX6789 0123456789", ziffern, false},
        {"kuerzer", "0123456789 0123456789 012346789 0123456789", ziffern, false},
        {"breiteres Zeichen", "0123456789 0123456789 01234\xe4\xb8\xad" "6789 0123456789", ziffern, false, true},
        {"Umlaute", "Gr\xc3\xb6\xc3\x9f" "e \xc3\xa4\xc3\xbc \xc3\x84\xc3\x96\xc3\x9c \xc2\xb5\xc2\xb0\xc2\xb2 01234567895|-9,091| + k * |2,359|",
         "Gr\xc3\xb6\xc3\x9f" "e \xc3\xa4\xc3\xbc \xc3\x84\xc3\x96\xc3\x9c \xc2\xb5\xc2\xb0\xc2\xb2 01234567894|-9,091| + k * |2,359|", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        M[nr] = f.vorher;
        Benutzeraktion([] {});
        QApplication::processEvents();
        M[nr] = f.text;
        maler.gemalt = QRegion();
        Benutzeraktion([] {});
        QApplication::processEvents();
        EXPECT_EQ(memo->document()->findBlockByNumber(nr).text(), QString::fromUtf8(f.text));
        EXPECT_TRUE(maler.gemalt.intersects(QRect(x(27), zeile.top() + 2, 1, zeile.height() - 4)));
        // A glyph from another font may make the line higher: all below it moves.
        if (!f.hoeher) {
            EXPECT_FALSE(maler.gemalt.intersects(QRect(0, zeile.top() + 2, x(20), zeile.height() - 4)))
                << "the unchanged start of the line repainted";
        }
        if (f.restBleibt) {
            EXPECT_FALSE(maler.gemalt.intersects(QRect(x(35), zeile.top() + 2, sicht->width(), zeile.height() - 4)))
                << "the unchanged rest of the line repainted";
        }
        EXPECT_TRUE(gezeigt() == frisch()) << "the window shows other pixels than a full repaint";
    }

    // A selection across the line keeps its highlight behind the new text.
    M[nr] = ziffern;
    Benutzeraktion([] {});
    QTextCursor auswahl(memo->document()->findBlockByNumber(nr - 1));
    auswahl.setPosition(memo->document()->findBlockByNumber(nr + 1).position() + 3, QTextCursor::KeepAnchor);
    memo->setTextCursor(auswahl);
    QApplication::processEvents();
    M[nr] = faelle[0].text;
    Benutzeraktion([] {});
    QApplication::processEvents();
    EXPECT_TRUE(memo->textCursor().hasSelection());
    EXPECT_TRUE(gezeigt() == frisch()) << "the window shows other pixels than a full repaint";

    // A short report: its last line, in view, changes.
    memo->setTextCursor(QTextCursor(memo->document()));
    M = {"Kurz:", "|-1,000|", ziffern};
    Benutzeraktion([] {});
    QApplication::processEvents();
    M[2] = faelle[0].text;
    maler.gemalt = QRegion();
    Benutzeraktion([] {});
    QApplication::processEvents();
    EXPECT_FALSE(maler.gemalt.isEmpty());
    EXPECT_EQ(memo->document()->lastBlock().text(), QString::fromUtf8(faelle[0].text));
    EXPECT_TRUE(gezeigt() == frisch()) << "the window shows other pixels than a full repaint";
    sicht->removeEventFilter(&maler);
}
