// The linear-algebra windows in Qt with the real host: each opened from the
// main window's menus and typed into; the matrix calculator used with real
// clicks, its message boxes and its memory popup.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>

#include "Fenstertest.h"
#include "gui/Beschleuniger.h"
#include "forms/DrehMatrizen.h"
#include "forms/LGS.h"
#include "forms/LaLua.h"
#include "forms/Matrizen.h"
#include "forms/ObjekteDaten.h"
#include "forms/Speicher.h"
#include "forms/VektProd.h"
#include "forms/VektSumme.h"
#include "forms/Vektoren.h"
#include "gui/Auffrischen.h"
#include "gui/Dialogansicht.h"
#include "gui/Objektleiste.h"
#include "gui/QtOberflaeche.h"
#include "scene/Objekte.h"

namespace {

// Clicks the entry captioned text of the menu open now (a submenu opens).
void MenueKlick(const QString& text) {
    QApplication::processEvents();
    auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(m, nullptr) << text.toStdString();
    for (QAction* a : m->actions())
        if (OhneBeschleuniger(a->text()) == text) {
            QTest::mouseMove(m, m->actionGeometry(a).center());
            QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(a).center());
            // A submenu opens after a moment.
            for (int i = 0; a->menu() && i < 50 && QApplication::activePopupWidget() != a->menu(); ++i)
                QTest::qWait(10);
            return;
        }
    FAIL() << "no entry " << text.toStdString();
}

class Werkzeuge : public QtFenstertest {
protected:
    QTimer boxZu;
    std::vector<std::string> boxen;  // the texts of the message boxes closed

    void SetUp() override {
        QtFenstertest::SetUp();
        // Every message box is read and closed as the user closes it.
        QObject::connect(&boxZu, &QTimer::timeout, [this] {
            if (auto* b = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxen.push_back(b->text().toStdString());
                b->close();
            }
        });
        boxZu.start(20);
    }
    void TearDown() override {
        boxZu.stop();
        QtFenstertest::TearDown();
    }
    DialogAnsicht* Fenster(const char* name) const { return static_cast<DialogAnsicht*>(qt->Fenster(name)); }

    // The user opens "Rechnen" in the menu bar and clicks the entry.
    void Rechnen(const QString& eintrag) {
        for (QAction* a : fenster->menuBar()->actions())
            if (a->text() == QStringLiteral("&Rechnen")) {
                a->menu()->popup(fenster->mapToGlobal(QPoint(0, 0)));
                MenueKlick(eintrag);
                return;
            }
        FAIL() << "no menu Rechnen";
    }
    // The colour of an item's text in the opened "Rechnen" menu, as drawn:
    // red or black where most of its text pixels are so, else transparent.
    QColor TextfarbeImMenue(const TMenuItem& M) {
        QAction* a = fenster->Menuepunkt(M);
        QMenu* m = nullptr;
        for (QAction* b : fenster->menuBar()->actions())
            if (b->text() == QStringLiteral("&Rechnen")) m = b->menu();
        if (!a || !m) return {};
        m->popup(fenster->mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        const QImage bild = m->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect zeile = m->actionGeometry(a);
        m->hide();
        int rot = 0, schwarz = 0, text = 0;
        for (int y = zeile.top(); y <= zeile.bottom(); ++y)
            for (int x = zeile.left(); x <= zeile.right(); ++x) {
                const QColor c = bild.pixelColor(x, y);
                if (std::min({c.red(), c.green(), c.blue()}) >= 160) continue;  // background, edges
                ++text;
                rot += c.red() > 200 && c.green() < 160 && c.blue() < 160;
                schwarz += c.red() < 160 && std::abs(c.red() - c.green()) < 20 && std::abs(c.red() - c.blue()) < 20;
            }
        if (text > 20 && rot > text / 3) return Qt::red;
        if (text > 20 && schwarz > text / 3) return Qt::black;
        return Qt::transparent;
    }
    QLineEdit* Feld(DialogAnsicht* d, const TEdit& E) { return qobject_cast<QLineEdit*>(d->B().Widget(&E)); }
    // A click into the field, its text selected, the keys typed, Tab.
    void Tippen(DialogAnsicht* d, const TEdit& E, const QString& tasten, bool tab = true) {
        QLineEdit* w = Feld(d, E);
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton);
        QApplication::processEvents();
        w->selectAll();
        QTest::keyClicks(w, tasten);
        if (tab) QTest::keyClick(w, Qt::Key_Tab);
        QApplication::processEvents();
    }
    // The vector sums from the button of the vectors dialog, which opens
    // from the menu first.
    DialogAnsicht* Vektorsummen() {
        DialogAnsicht* v = Fenster("Form_Vektoren");
        if (!v->isVisible()) fenster->Objekte()->Menuepunkt(4)->trigger();
        Klick(v, QStringLiteral("Vektorsummen ..."));
        QApplication::processEvents();
        return Fenster("Form_VektSumme");
    }
    void Klick(DialogAnsicht* d, const QString& text) {
        for (QPushButton* k : d->findChildren<QPushButton*>())
            if (k->text() == text) return QTest::mouseClick(k, Qt::LeftButton);
        FAIL() << "no button " << text.toStdString();
    }
    void Rechtsklick(QWidget* w) {
        QContextMenuEvent e(QContextMenuEvent::Mouse, w->rect().center(), w->mapToGlobal(w->rect().center()));
        QApplication::sendEvent(w, &e);
    }
    // Waits until the box timer has closed n boxes.
    bool Boxen(std::size_t n) {
        return QTest::qWaitFor([&] { return boxen.size() >= n; }, 1000) && boxen.size() == n;
    }
};

TEST_F(Werkzeuge, JedesFensterAusDemMenueUndEineEingabe) {
    const struct {
        const char* Eintrag;
        const char* Name;
        const TEdit* Feld;
        const char* Tasten;
        const char* Angezeigt;  // the field afterwards
        std::function<bool()> Folgt;
    } faelle[] = {
        {"Matrizen, Determinanten ...", "Form_Matrizen", &Form_Matrizen.M2_22, "-2.5x", "-2,5",
         [] { return Form_Matrizen.M2(2, 2) == -2.5L; }},
        // Read-only cells: typing changes nothing.
        // The menu item's text is red while the window is shown.
        {"Dreh-Matrizen einblenden", "Form_Dreh_Matrizen", &Form_Dreh_Matrizen.Makt_22, "7", "0,000000",
         [this] {
             return Form_Edits_01.DrehMatrizenEinAusMenue.Caption == "Dreh-Matrizen ausblenden" &&
                    TextfarbeImMenue(Form_Edits_01.DrehMatrizenEinAusMenue) == Qt::red;
         }},
        {"Lineare Abhängigkeit ...", "Form_LaLua", &Form_LaLua.Edit5, "0", "0",
         [] { return Form_LaLua.Label4.Caption == "v1 und v2 sind linear abhängig"; }},
        {"Lineare Gleichungssysteme ...", "Form_LGS", &Form_LGS.Edit5, "1.5", "1,5",
         [] { return Form_LGS.Label13.Caption == "D = 6,000000"; }},
        {"Vektorprodukt, Spatprodukt ...", "Form_VektProd", &Form_VektProd.Edit_ax, "1,5", "1,5",
         [] { return Form_VektProd.Label_vpz.Caption == "0,000"; }},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.Name);
        Rechnen(QString::fromUtf8(f.Eintrag));
        DialogAnsicht* d = Fenster(f.Name);
        ASSERT_TRUE(d && d->isVisible());
        Tippen(d, *f.Feld, QString::fromUtf8(f.Tasten));
        EXPECT_EQ(Feld(d, *f.Feld)->text(), QString::fromUtf8(f.Angezeigt));
        EXPECT_EQ(f.Feld->Text(), f.Angezeigt);
        EXPECT_TRUE(f.Folgt());
    }
    // The vector sums from the vectors dialog's button: a coefficient of 2
    // doubles V1 in the scene and in the dialog's grid.
    DialogAnsicht* v = Fenster("Form_Vektoren");
    DialogAnsicht* s = Vektorsummen();
    ASSERT_TRUE(v->isVisible() && s && s->isVisible());
    EXPECT_FALSE(v->B().Tabelle(Form_Vektoren.StringGrid1)->isEnabled());
    Tippen(s, Form_VektSumme.Edit_KoefV1, QStringLiteral("2"));
    EXPECT_EQ(Vektor[1].Vektor, (TVek_R3{-6, -6, 0}));
    EXPECT_EQ(v->B().Tabelle(Form_Vektoren.StringGrid1)->item(1, 1)->text(), QStringLiteral("-6,000"));
    s->close();
    QApplication::processEvents();
    EXPECT_TRUE(v->B().Tabelle(Form_Vektoren.StringGrid1)->isEnabled());
    EXPECT_TRUE(boxen.empty());
}

TEST_F(Werkzeuge, ErstesFeldZaehltBeimOeffnenAlsBetreten) {
    // The field that has the focus when the window opens is entered then:
    // a number beyond the range typed at once gives way to the text it had.
    DialogAnsicht* s = Vektorsummen();
    ASSERT_TRUE(s && s->isVisible());
    auto* w = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->window(), s);
    const QString vorher = w->text();
    w->selectAll();
    QTest::keyClicks(w, QStringLiteral("20000"));
    ASSERT_TRUE(Boxen(1));
    EXPECT_EQ(w->text(), vorher);
    const TVek_R3 V1 = Vektor[1].Vektor;
    // Once the window was hidden and shown again, its first field is
    // entered anew.
    s->close();
    QApplication::processEvents();
    Vektorsummen();
    w = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(w, nullptr);
    const QString wieder = w->text();
    w->selectAll();
    QTest::keyClicks(w, QStringLiteral("30000"));
    ASSERT_TRUE(Boxen(2));
    EXPECT_EQ(w->text(), wieder);
    EXPECT_EQ(Vektor[1].Vektor, V1);
}

TEST_F(Werkzeuge, MatrizenMitEchtenKlicks) {
    TForm_Matrizen& M = Form_Matrizen;
    Rechnen(QStringLiteral("Matrizen, Determinanten ..."));
    DialogAnsicht* d = Fenster("Form_Matrizen");
    ASSERT_TRUE(d && d->isVisible());

    Tippen(d, M.M1_11, QStringLiteral("3"));
    Klick(d, QStringLiteral("Det(M1)"));
    QApplication::processEvents();
    EXPECT_EQ(qobject_cast<QLabel*>(d->B().Widget(&M.Panel1))->text(), QStringLiteral("Det(M1) = 10,000000"));
    Klick(d, QStringLiteral("M1 x M1"));
    QApplication::processEvents();
    EXPECT_EQ(Feld(d, M.MErg_21)->text(), QStringLiteral("27,000000"));

    // 9999,5 left with Tab: the box, and the focus back in the cell, its
    // text selected: 9999 typed replaces it. A click into the result: its
    // box, and the cell keeps its text.
    Tippen(d, M.M2_31, QStringLiteral("9999.5"));
    ASSERT_TRUE(Boxen(1));
    EXPECT_EQ(boxen[0], "Gib bitte nur Zahlen z mit\nz < 10 000   ein!");
    EXPECT_EQ(d->focusWidget(), Feld(d, M.M2_31));
    QTest::keyClicks(Feld(d, M.M2_31), QStringLiteral("9999"));
    EXPECT_EQ(Feld(d, M.M2_31)->text(), QStringLiteral("9999"));
    QTest::mouseClick(Feld(d, M.MErg_22), Qt::LeftButton);
    ASSERT_TRUE(Boxen(2));
    EXPECT_EQ(boxen[1], "Die Ergebnismatrix kann nicht geändert werden!");
    QTest::keyClicks(Feld(d, M.MErg_22), QStringLiteral("5"));
    EXPECT_EQ(M.MErg_22.Text(), "-6,000000");

    // Column 1 of MErg into "Speicher 1" through the popup, which opens at
    // the window's top-left corner; then into V2.
    Rechtsklick(Feld(d, M.MErg_31));
    QApplication::processEvents();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->pos(), d->frameGeometry().topLeft() - QPoint(0, 20));
    MenueKlick(QStringLiteral("Den Inhalt dieser Spalte in einen Speicher   kopieren"));
    MenueKlick(QStringLiteral("in Speicher 1"));
    EXPECT_EQ(VektorSpeicher[1], (TSpeicherVektor{"14,000000", "27,000000", "7,000000"}));
    Rechtsklick(Feld(d, M.V2_y));
    QApplication::processEvents();
    MenueKlick(QStringLiteral("In diese Spalte den Inhalt eines Speichers   einfügen"));
    MenueKlick(QStringLiteral("aus Speicher 1"));
    EXPECT_EQ(Feld(d, M.V2_x)->text(), QStringLiteral("14,000000"));
    EXPECT_EQ(M.V2, (TVek_R3{14, 27, 7}));
    // 9999,5 typed and the window closed: the box once, and the window goes.
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    Tippen(d, M.M3_33, QStringLiteral("9999.5"), false);
    d->close();
    EXPECT_TRUE(Boxen(3)) << boxen.size();
    EXPECT_EQ(boxen[2], boxen[0]);
    EXPECT_FALSE(d->isVisible());
}

TEST_F(Werkzeuge, FensterBehaltenIhreGroesse) {
    // What the cells and labels show changes; the windows do not: a large
    // number in the linear system, a singular and a solvable system, and
    // rotations under the rotation matrices, whose two matrices keep columns
    // of one width.
    Rechnen(QStringLiteral("Lineare Gleichungssysteme ..."));
    DialogAnsicht* l = Fenster("Form_LGS");
    ASSERT_TRUE(l && l->isVisible());
    const QSize lgs = l->size();
    Tippen(l, Form_LGS.Edit5, QStringLiteral("1"));
    EXPECT_EQ(Form_LGS.Label17.Caption, "Das Gleichungssystem hat eine eindeutig bestimmte Lösung.");
    EXPECT_EQ(l->size(), lgs);
    for (const TEdit* E : {&Form_LGS.Edit1, &Form_LGS.Edit5, &Form_LGS.Edit9, &Form_LGS.Edit10})
        Tippen(l, *E, QStringLiteral("-9999.123456"));
    EXPECT_EQ(Form_LGS.Label13.Caption, "D = -999737099845,700000");
    EXPECT_EQ(l->size(), lgs);
    Tippen(l, Form_LGS.Edit5, QStringLiteral("0.0001"));
    EXPECT_EQ(l->size(), lgs);

    Rechnen(QStringLiteral("Dreh-Matrizen einblenden"));
    DialogAnsicht* d = Fenster("Form_Dreh_Matrizen");
    ASSERT_TRUE(d && d->isVisible());
    const QSize dreh = d->size();
    const auto Spalten = [&](bool aktuell) {
        std::vector<int> x;
        for (int j = 1; j <= 3; ++j) {
            const QWidget* w = d->B().Widget(aktuell ? &Form_Dreh_Matrizen.Makt(1, j) : &Form_Dreh_Matrizen.Mges(1, j));
            x.push_back(w->mapTo(d, QPoint(0, 0)).x());
        }
        return x;
    };
    const std::vector<int> akt = Spalten(true), ges = Spalten(false);
    const auto Klick = [](TSpeedButton& b) {
        b.Down = !b.Down;
        b.Click();
    };
    Benutzeraktion([&] { Klick(F.AlleDrehEin); });
    for (const char* w : {"33", "-7,5", "123,456"}) {
        Benutzeraktion([&] {
            F.Edit_Drehwinkel.SetText(w);
            Klick(F.But_GesamtDrehenXplus);
            Klick(F.But_GesamtDrehenZmin);
        });
        QApplication::processEvents();
    }
    EXPECT_EQ(Form_Dreh_Matrizen.Label4.Caption.substr(0, 13), "\n1. Drehung: ");
    EXPECT_EQ(d->size(), dreh);
    EXPECT_EQ(Spalten(true), akt);
    EXPECT_EQ(Spalten(false), ges);
    EXPECT_EQ(akt[1] - akt[0], akt[2] - akt[1]);
    EXPECT_EQ(ges[1] - ges[0], ges[2] - ges[1]);
}

TEST_F(Werkzeuge, VektorproduktNimmtJedeTaste) {
    // The product's edits have no key filter: a letter goes in and is
    // answered by the range message, and the results stay.
    Rechnen(QStringLiteral("Vektorprodukt, Spatprodukt ..."));
    DialogAnsicht* p = Fenster("Form_VektProd");
    ASSERT_TRUE(p && p->isVisible());
    Tippen(p, Form_VektProd.Edit_ay, QStringLiteral("x"), false);
    ASSERT_TRUE(Boxen(1));
    EXPECT_EQ(boxen[0], "Gib bitte eine Zahl z mit\n-10000 <= z <= 10000  ein!");
    EXPECT_EQ(Feld(p, Form_VektProd.Edit_ay)->text(), QStringLiteral("x"));
    EXPECT_EQ(Form_VektProd.Label_vpx.Caption, "-1,404");
}

TEST_F(Werkzeuge, DrehMatrizenEintragRotSolangeDasFensterOffenIst) {
    const TMenuItem& M = Form_Edits_01.DrehMatrizenEinAusMenue;
    EXPECT_EQ(TextfarbeImMenue(M), QColor(Qt::black));
    Rechnen(QStringLiteral("Dreh-Matrizen einblenden"));
    DialogAnsicht* d = Fenster("Form_Dreh_Matrizen");
    ASSERT_TRUE(d && d->isVisible());
    EXPECT_EQ(TextfarbeImMenue(M), QColor(Qt::red));
    // Nothing but the text shows it: no mark beside it.
    EXPECT_TRUE(fenster->Menuepunkt(M)->icon().isNull());
    // Closed by its own title bar, the window turns the item black again.
    d->close();
    QApplication::processEvents();
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(M.Caption, "Dreh-Matrizen einblenden");
    EXPECT_EQ(TextfarbeImMenue(M), QColor(Qt::black));
}

// A key as the keyboard sends it, with its text (also one beyond Latin-1).
void Taste(QWidget* w, QChar zeichen) {
    const int code = zeichen.isLetter() ? zeichen.toUpper().unicode() : zeichen.unicode();
    QKeyEvent druck(QEvent::KeyPress, code, Qt::NoModifier, QString(zeichen));
    QKeyEvent los(QEvent::KeyRelease, code, Qt::NoModifier, QString(zeichen));
    QApplication::sendEvent(w, &druck);
    QApplication::sendEvent(w, &los);
}

TEST_F(Werkzeuge, RechnerregisterOhneFilterNehmenJedeTaste) {
    Rechnen(QStringLiteral("Rechnen mit Objektdaten"));
    DialogAnsicht* r = Fenster("Form_ObjekteDaten");
    ASSERT_TRUE(r && r->isVisible());
    const QString tasten = QStringLiteral("1ä.ß°€x");
    const auto tippen = [&](const TEdit& E) {
        QLineEdit* w = Feld(r, E);
        w->setFocus();
        w->selectAll();
        for (QChar c : tasten) Taste(w, c);
        return w->text();
    };
    // V1x filters: the point becomes a comma, everything else but digits
    // is dropped.
    EXPECT_EQ(tippen(Form_ObjekteDaten.V1x), QStringLiteral("1,"));
    EXPECT_EQ(Form_ObjekteDaten.V1x.Text(), "1,");
    // Every other register takes every key, umlauts and signs included.
    for (int i = 2; i <= 12; ++i) {
        SCOPED_TRACE(i);
        const TEdit& E = Form_ObjekteDaten.RegisterFeld(i);
        EXPECT_EQ(tippen(E), tasten);
        EXPECT_EQ(E.Text(), tasten.toStdString());
    }
}

}  // namespace
