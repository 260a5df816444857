// The keyboard as a user meets it in the object windows, with real events:
// a window opened from the menu takes the first key in the cell or field
// shown selected; Escape in a cell editor cancels the edit, a second one
// closes the window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
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
#include "forms/Schalter.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "gui/Objektleiste.h"
#include "mainwindow/Objektmenue.h"
#include "scene/Datensatz.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"

namespace {

TForm_Geraden_t& L = Form_Geraden_t;

// The geometry of the whole scene, to compare.
std::vector<std::uint8_t> Szene() {
    std::vector<std::uint8_t> s;
    for (const auto& b : {InBytes(DatensatzAusObjekten()), InBytes(Datensatz2AusObjekten())})
        s.insert(s.end(), b.begin(), b.end());
    return s;
}

class Tastenfokus : public QtFenstertest {
public:
    // Keys go where the application's focus is, as the user's do.
    static void Tippen(const QString& text) {
        for (QChar k : text) {
            QWidget* f = QApplication::focusWidget();
            ASSERT_NE(f, nullptr);
            QTest::keyClicks(f, QString(k));
        }
    }
    static void Taste(Qt::Key k) {
        QWidget* f = QApplication::focusWidget();
        ASSERT_NE(f, nullptr);
        QTest::keyClick(f, k);
        // As between two keys of the user: what the key posted is done.
        QApplication::processEvents();
    }
protected:
    // Menu "Objekte", entry i; a modal window is served by imFenster, which
    // must close it.
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
    static GitterTabelle* Tabelle(DialogAnsicht* d, TStringGrid& G) { return d->B().Tabelle(G); }
    static QLineEdit* Feld(DialogAnsicht* d, TEdit& E) { return static_cast<QLineEdit*>(d->B().Widget(&E)); }
};

// The grid an object dialog shows for its current object.
TStringGrid* AktuellesGitter(std::size_t i) {
    switch (i) {
        case 0: return &L.Gitter(AktGerade);
        case 1: return &Form_Ebenen.Gitter(AktEbene);
        case 3: return &Form_Spate.Gitter(AktSpat);
        case 4: return &Form_Vektoren.Gitter(AktVektor);
        case 5: return &Form_Strecken.Gitter(AktStrecke);
        case 6: return &Form_Punkte.Gitter(AktPunkt);
        case 7: return &Form_Kugeln.Gitter(AktKugel);
        case 8: return &Form_Kegel.Gitter(AktKegel);
        case 9: return &Form_Fadenkreuz.StringGrid1;
        default: return nullptr;
    }
}

TEST_F(Tastenfokus, ObjektfensterAusDemMenueNimmtDieErsteTaste) {
    // Every object window opened from the menu: "1 Tab 2 Tab 3" fills the
    // selected cell and the two the protocol walks to, nothing lands early.
    for (std::size_t i : {0u, 1u, 3u, 4u, 5u, 6u, 7u, 8u, 9u}) {
        SCOPED_TRACE(ObjektDialoge[i].Fenster);
        Oeffnen(i);
        DialogAnsicht* d = Dialog(i);
        TStringGrid* G = AktuellesGitter(i);
        ASSERT_TRUE(d && d->isActiveWindow());
        GitterTabelle* t = Tabelle(d, *G);
        ASSERT_EQ(QApplication::focusWidget(), t);
        EXPECT_EQ(std::pair(t->currentColumn(), t->currentRow()), std::pair(G->Col, G->Row));
        std::vector<std::pair<int, int>> zellen;
        for (const char* k : {"1", "2", "3"}) {
            zellen.emplace_back(G->Col, G->Row);
            Tippen(QString::fromLatin1(k));
            Taste(Qt::Key_Tab);
        }
        EXPECT_EQ(G->Cells(zellen[0].first, zellen[0].second), "1");
        EXPECT_EQ(G->Cells(zellen[1].first, zellen[1].second), "2");
        EXPECT_EQ(G->Cells(zellen[2].first, zellen[2].second), "3");
        d->close();
        QApplication::processEvents();
    }
    // Chosen again while open, after the choice of the object had the
    // focus: back in the grid of the object now current.
    Oeffnen(0);
    DialogAnsicht* d = Dialog(0);
    L.RadioGroup_Objekt.ItemIndex = 1;
    Benutzeraktion([] { L.RadioGroup_ObjektClick(); });
    d->findChildren<QWidget*>().front()->setFocus();
    Oeffnen(0);
    EXPECT_EQ(QApplication::focusWidget(), Tabelle(d, L.StringGrid2));
    Tippen(QStringLiteral("8"));
    EXPECT_EQ(L.StringGrid2.Cells(L.StringGrid2.Col, L.StringGrid2.Row), "8");
}

TEST_F(Tastenfokus, FelderUndModaleFensterNehmenDieErsteTaste) {
    // The coordinate form: the first key replaces a.
    Oeffnen(2);
    TForm_EbenKoord& K = Form_EbenKoord;
    EXPECT_EQ(QApplication::focusWidget(), Feld(Dialog(2), K.Edit_a));
    Tippen(QStringLiteral("7"));
    EXPECT_EQ(K.Edit_a.Text(), "7");
    Dialog(2)->close();
    QApplication::processEvents();

    // The rotation axis, modal: its grid.
    TForm_DrehenUmGerade& A = Form_DrehenUmGerade;
    bool imGitter = false;
    std::string zelle;
    Oeffnen(10, [&] {
        imGitter = QApplication::focusWidget() == Tabelle(Dialog(10), A.StringGrid1);
        Tippen(QStringLiteral("6"));
        zelle = A.StringGrid1.Cells(A.StringGrid1.Col, A.StringGrid1.Row);
    });
    EXPECT_TRUE(imGitter);
    EXPECT_EQ(zelle, "6");

    // The animation windows: the first step of the first object.
    for (std::size_t i : {11u, 12u}) {
        TAnimaFenster& F = i == 11 ? static_cast<TAnimaFenster&>(Form_Einst_GeradenAnima)
                                   : static_cast<TAnimaFenster&>(Form_Einst_EbenenAnima);
        bool imFeld = false;
        std::string text;
        Oeffnen(i, [&] {
            imFeld = QApplication::focusWidget() == Feld(Dialog(i), F.SchrittFeld(1, 1));
            Tippen(QStringLiteral("-2"));
            text = F.SchrittFeld(1, 1).Text();
        });
        EXPECT_TRUE(imFeld) << i;
        EXPECT_EQ(text, "-2") << i;
    }
}

TEST_F(Tastenfokus, GesperrteKoordinatenNehmenKeinenFokus) {
    // A locked kind shows no grid: the focus goes to the window's first
    // control, never into the hidden grid.
    KoordZeigenKugeln = false;
    Oeffnen(7);
    DialogAnsicht* d = Dialog(7);
    ASSERT_TRUE(d->isVisible());
    EXPECT_TRUE(Tabelle(d, Form_Kugeln.StringGrid1)->isHidden());
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_TRUE(QApplication::focusWidget()->isVisible());
    KoordZeigenKugeln = true;
}

// With the scripted host: its messages are recorded, not shown.
class Abbruch : public Fenstertest {
protected:
    std::vector<DialogAnsicht*> dialoge;

    void SetUp() override {
        Fenstertest::SetUp();
        dialoge = DialogeAnlegen(fenster.get());
        host.Vergessen();
    }
    DialogAnsicht* Zeigen(const std::string& name) {
        for (DialogAnsicht* d : dialoge)
            if (d->Name() == name) {
                d->show();
                d->activateWindow();
                QApplication::processEvents();
                return d;
            }
        return nullptr;
    }
};

TEST_F(Abbruch, EscapeBrichtDieEingabeAbUndEinZweitesSchliesst) {
    DialogAnsicht* d = Zeigen("Form_Geraden_t");
    GitterTabelle* t = d->B().Tabelle(L.StringGrid1);
    const std::string vorher = L.StringGrid1.Cells(0, 1);
    const TVek_R3 stuetz = Gerade[1].Stuetzvektor;
    const std::vector<std::uint8_t> szene = Szene();
    const int zustaende = UndoAnzahl;

    // Typed and applied key by key; Escape takes it all back.
    t->ZelleBearbeiten(0, 1);
    Tastenfokus::Tippen(QStringLiteral("75"));
    ASSERT_EQ(Gerade[1].Stuetzvektor.x, 75.0L);
    ASSERT_GT(UndoAnzahl, zustaende);
    Tastenfokus::Taste(Qt::Key_Escape);
    EXPECT_EQ(t->Editor(), nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(L.StringGrid1.Cells(0, 1), vorher);
    EXPECT_EQ(t->item(1, 0)->text(), QString::fromStdString(vorher));
    EXPECT_EQ(Gerade[1].Stuetzvektor, stuetz);
    EXPECT_EQ(Szene(), szene);
    // No state of the cancelled edit is left to undo into.
    EXPECT_EQ(UndoAnzahl, zustaende);
    EXPECT_EQ(UndoModus, 0);
    EXPECT_FALSE(L.StringGrid1.Bearbeitung);

    // Leaving the cell afterwards changes nothing; a new edit applies as usual.
    EXPECT_EQ(QApplication::focusWidget(), t);
    Tastenfokus::Tippen(QStringLiteral("4"));
    Tastenfokus::Taste(Qt::Key_Return);
    EXPECT_EQ(Gerade[1].Stuetzvektor.x, 4.0L);
    EXPECT_EQ(UndoAnzahl, zustaende + 1);

    // A refused key on the way, then Escape: back to the text before the edit.
    const std::string richtung = L.StringGrid1.Cells(1, 1);
    t->ZelleBearbeiten(1, 1);
    Tastenfokus::Tippen(QStringLiteral("20000"));
    ASSERT_EQ(host.Meldungen.size(), 1u);
    Tastenfokus::Taste(Qt::Key_Escape);
    EXPECT_EQ(L.StringGrid1.Cells(1, 1), richtung);
    EXPECT_EQ(UndoAnzahl, zustaende + 1);

    // Escape with the editor open but nothing typed, then a second Escape:
    // the window closes as before.
    t->ZelleBearbeiten(0, 2);
    ASSERT_NE(t->Editor(), nullptr);
    Tastenfokus::Taste(Qt::Key_Escape);
    EXPECT_EQ(t->Editor(), nullptr);
    EXPECT_TRUE(d->isVisible());
    Tastenfokus::Taste(Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(UndoAnzahl, zustaende + 1);
    EXPECT_EQ(host.Meldungen.size(), 1u);
}

}  // namespace
