// The keyboard in the object windows opened from the menu, with real
// events: the first key lands in the cell or field shown selected; Escape
// in a cell editor cancels the edit, a second one closes the window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "Fenstertest.h"
#include "forms/Animationen.h"
#include "forms/DrehenUmGerade.h"
#include "forms/EbenKoord.h"
#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "gui/Objektleiste.h"
#include "mainwindow/Objektmenue.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"

namespace {

TForm_Geraden_t& L = Form_Geraden_t;

// With the real host a message box would wait for the user: each one is
// noted and closed as soon as it shows.
class Meldungsfaenger : public QObject {
public:
    std::vector<QString> Texte;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (auto* m = qobject_cast<QMessageBox*>(o); m && e->type() == QEvent::Show) {
            Texte.push_back(m->text());
            QMetaObject::invokeMethod(m, &QWidget::close, Qt::QueuedConnection);
        }
        return false;
    }
};

class Tastenfokus : public QtFenstertest {
protected:
    Meldungsfaenger meldungen;

    void SetUp() override {
        QtFenstertest::SetUp();
        QApplication::instance()->installEventFilter(&meldungen);
    }
    void TearDown() override {
        QApplication::instance()->removeEventFilter(&meldungen);
        QtFenstertest::TearDown();
    }
    // Keys go where the application's focus is, as the user's do, and what
    // a key posts is done before the next.
    static void Tasten(const QString& text) {
        for (QChar k : text) {
            ASSERT_NE(QApplication::focusWidget(), nullptr);
            if (k == QLatin1Char('\t'))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            else if (k == QLatin1Char('\x1b'))
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            else
                QTest::keyClicks(QApplication::focusWidget(), QString(k));
            QApplication::processEvents();
        }
    }
    // Menu "Objekte", entry i; a modal window is served by imFenster and
    // closed then.
    void Oeffnen(std::size_t i, const std::function<void()>& imFenster = {}) {
        if (imFenster)
            QTimer::singleShot(0, [imFenster] {
                QApplication::processEvents();
                imFenster();
                if (QWidget* m = QApplication::activeModalWidget()) m->close();
            });
        fenster->Objekte()->Menuepunkt(i)->trigger();
        QApplication::processEvents();
    }
    DialogAnsicht* Dialog(std::size_t i) const { return static_cast<DialogAnsicht*>(qt->Fenster(ObjektDialoge[i].Fenster)); }
    QWidget* Widget(std::size_t i, const void* k) const { return Dialog(i)->B().Widget(k); }
};

TEST_F(Tastenfokus, FensterAusDemMenueNimmtDieErsteTaste) {
    // "1 Tab 2 Tab 3" fills the selected cell of the current object and the
    // two the protocol walks to.
    TStringGrid* const gitter[] = {&L.Gitter(AktGerade),       &Form_Ebenen.Gitter(AktEbene),
                                   nullptr,                    &Form_Spate.Gitter(AktSpat),
                                   &Form_Vektoren.Gitter(AktVektor), &Form_Strecken.Gitter(AktStrecke),
                                   &Form_Punkte.Gitter(AktPunkt), &Form_Kugeln.Gitter(AktKugel),
                                   &Form_Kegel.Gitter(AktKegel), &Form_Fadenkreuz.StringGrid1};
    for (std::size_t i = 0; i < std::size(gitter); ++i) {
        TStringGrid* G = gitter[i];
        if (!G) continue;
        SCOPED_TRACE(ObjektDialoge[i].Fenster);
        Oeffnen(i);
        ASSERT_EQ(QApplication::focusWidget(), Widget(i, G));
        std::vector<std::pair<int, int>> zellen;
        for (const char* k : {"1\t", "2\t", "3\t"}) {
            zellen.emplace_back(G->Col, G->Row);
            Tasten(QString::fromLatin1(k));
        }
        for (int n = 0; n < 3; ++n) EXPECT_EQ(G->Cells(zellen[n].first, zellen[n].second), std::to_string(n + 1));
        Dialog(i)->close();
    }
    // Chosen again while open, the focus elsewhere: the grid of the object
    // now current.
    Oeffnen(0);
    L.RadioGroup_Objekt.ItemIndex = 1;
    Benutzeraktion([] { L.RadioGroup_ObjektClick(); });
    Dialog(0)->findChildren<QWidget*>().front()->setFocus();
    Oeffnen(0);
    Tasten(QStringLiteral("8"));
    EXPECT_EQ(L.StringGrid2.Cells(L.StringGrid2.Col, L.StringGrid2.Row), "8");

    // Fields: the first key replaces a of the coordinate form, the first
    // step of the animation windows; the modal axis window takes it in its
    // grid.
    Oeffnen(2);
    Tasten(QStringLiteral("7"));
    EXPECT_EQ(Form_EbenKoord.Edit_a.Text(), "7");
    TStringGrid& A = Form_DrehenUmGerade.StringGrid1;
    std::string zelle;
    Oeffnen(10, [&] {
        Tasten(QStringLiteral("6"));
        zelle = A.Cells(A.Col, A.Row);
    });
    EXPECT_EQ(zelle, "6");
    for (TAnimaFenster* F : {static_cast<TAnimaFenster*>(&Form_Einst_GeradenAnima),
                             static_cast<TAnimaFenster*>(&Form_Einst_EbenenAnima)}) {
        std::string text;
        Oeffnen(F == &Form_Einst_GeradenAnima ? 11 : 12, [&] {
            Tasten(QStringLiteral("-2"));
            text = F->SchrittFeld(1, 1).Text();
        });
        EXPECT_EQ(text, "-2") << F->Fenstername;
    }
    EXPECT_TRUE(meldungen.Texte.empty());
}

TEST_F(Tastenfokus, EscapeBrichtDieEingabeAbUndEinZweitesSchliesst) {
    Oeffnen(0);
    auto* t = static_cast<GitterTabelle*>(Widget(0, &L.StringGrid1));
    const std::string vorher = L.StringGrid1.Cells(0, 1);
    const TVek_R3 stuetz = Gerade[1].Stuetzvektor;
    const int zustaende = UndoAnzahl;

    // Applied key by key; Escape takes it all back, undo states included.
    Tasten(QStringLiteral("75"));
    ASSERT_EQ(Gerade[1].Stuetzvektor.x, 75.0L);
    Tasten(QStringLiteral("\x1b"));
    EXPECT_EQ(t->Editor(), nullptr);
    EXPECT_EQ(L.StringGrid1.Cells(0, 1), vorher);
    EXPECT_EQ(t->item(1, 0)->text(), QString::fromStdString(vorher));
    EXPECT_EQ(Gerade[1].Stuetzvektor, stuetz);
    EXPECT_EQ(UndoAnzahl, zustaende);

    // A new edit applies as usual; a refused key on the way, then Escape:
    // the text before the edit.
    Tasten(QStringLiteral("4\t"));
    EXPECT_EQ(Gerade[1].Stuetzvektor.x, 4.0L);
    const std::string y = L.StringGrid1.Cells(0, 2);
    Tasten(QStringLiteral("20000\x1b"));
    EXPECT_EQ(meldungen.Texte.size(), 1u);
    EXPECT_EQ(L.StringGrid1.Cells(0, 2), y);
    EXPECT_EQ(UndoAnzahl, zustaende + 1);

    // Escape with nothing typed closes the editor; a second one the window.
    t->ZelleBearbeiten(1, 1);
    Tasten(QStringLiteral("\x1b"));
    EXPECT_EQ(t->Editor(), nullptr);
    EXPECT_TRUE(Dialog(0)->isVisible());
    Tasten(QStringLiteral("\x1b"));
    EXPECT_FALSE(Dialog(0)->isVisible());
    EXPECT_EQ(UndoAnzahl, zustaende + 1);
}

}  // namespace
