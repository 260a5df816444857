// The calculator in the real Qt windows, with the real host: a user opens
// it from the lines dialog's column popup, picks a value from an object
// menu, computes with it, and hands the result back into g's column.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "Fenstertest.h"
#include "gui/Beschleuniger.h"
#include "forms/Geraden_t.h"
#include "forms/ObjekteDaten.h"
#include "gui/Dialogansicht.h"
#include "gui/Objektleiste.h"
#include "gui/QtOberflaeche.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

namespace {

// Clicks the entry captioned text of the menu that is open now.
void MenueKlick(const QString& text) {
    auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(m, nullptr) << text.toStdString();
    for (QAction* a : m->actions())
        if (OhneBeschleuniger(a->text()) == text) {
            QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(a).center());
            return;
        }
    FAIL() << "no entry " << text.toStdString();
}

template <class W>
W* Kind(QWidget* w, const QString& text) {
    for (W* k : w->findChildren<W*>())
        if (k->text() == text && k->isVisible()) return k;
    return nullptr;
}

class RechnerAnsicht : public QtFenstertest {
protected:
    DialogAnsicht* Fenster(const char* name) const { return static_cast<DialogAnsicht*>(qt->Fenster(name)); }
};

TEST_F(RechnerAnsicht, AusDemGeradendialogBerechnenUndEinfuegen) {
    fenster->Objekte()->Menuepunkt(0)->trigger();
    DialogAnsicht* d = Fenster("Form_Geraden_t");
    ASSERT_TRUE(d && d->isVisible());
    GitterTabelle* t = d->B().Tabelle(Form_Geraden_t.StringGrid1);
    const QImage vorher = Aufnahme();

    // In the modal calculator: h's support point (6, -2, 1)... into Vektor 1,
    // then "Länge" typed as 0.5, Vektor 1 * Länge into Ergebnis, take over.
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        DialogAnsicht* r = Fenster("Form_ObjekteDaten");
        ASSERT_EQ(QApplication::activeModalWidget(), r);
        gesehen = true;
        QToolButton* ok = Kind<QToolButton>(r, QStringLiteral("Ergebnis übernehmen"));
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(Kind<QRadioButton>(r, QStringLiteral("Vektor 1")), Qt::LeftButton);
        QTest::mouseClick(r->findChild<QPushButton*>(QStringLiteral("But_aDh")), Qt::LeftButton);
        MenueKlick(QStringLiteral("stv"));
        EXPECT_EQ(Form_ObjekteDaten.V1x.Text(), "6,0000000000");
        QTest::mouseClick(Kind<QRadioButton>(r, QStringLiteral("Ergebnis")), Qt::LeftButton);
        auto* laenge = qobject_cast<QLineEdit*>(r->B().Widget(&Form_ObjekteDaten.Edit_Laenge));
        laenge->setFocus();
        laenge->selectAll();
        // No key filter here: "." stays a point and is no number.
        QTest::keyClicks(laenge, QStringLiteral("0.5"));
        EXPECT_EQ(laenge->text(), QStringLiteral("0.5"));
        laenge->selectAll();
        QTest::keyClicks(laenge, QStringLiteral("0,5"));
        EXPECT_EQ(laenge->text(), QStringLiteral("0,5"));
        QTest::mouseClick(Kind<QPushButton>(r, QStringLiteral("V1 * Länge")), Qt::LeftButton);
        EXPECT_EQ(Form_ObjekteDaten.Ergx.Caption, "3,0000000000");
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    // Right click on g's support-point column, then the popup's entry.
    const QPoint zelle = t->visualItemRect(t->item(2, 0)).center();
    QContextMenuEvent rechts(QContextMenuEvent::Mouse, zelle, t->viewport()->mapToGlobal(zelle));
    QApplication::sendEvent(t->viewport(), &rechts);
    MenueKlick(QStringLiteral("Vektor (Punkt) berechnen und einfügen"));
    QApplication::processEvents();

    EXPECT_TRUE(gesehen);
    EXPECT_FALSE(Fenster("Form_ObjekteDaten")->isVisible());
    EXPECT_EQ(Gerade_g.Stuetzvektor, (TVek_R3{3, -1, 0.5L}));
    EXPECT_EQ(t->item(1, 0)->text(), QStringLiteral("3"));
    EXPECT_EQ(t->item(3, 0)->text(), QStringLiteral("0,5"));
    // The picture shows g through its new support point: points of g on
    // the far side of it from its direction arrow have g's colour.
    const QImage nachher = Aufnahme();
    EXPECT_NE(nachher, vorher);
    const QRgb farbe = FarbeQt(Gerade_g.Farbe).rgb();
    int innen = 0, getroffen = 0;
    for (int i = 3; i <= 30; ++i) {
        const TVek_R2 p = BildpunktPixel(Summe(Gerade_g.Stuetzvektor, Vielfaches(Gerade_g.Richtungsvektor, -0.1L * i)));
        const int x = static_cast<int>(p.x), y = static_cast<int>(p.y);
        if (x < 3 || y < 3 || x >= nachher.width() - 3 || y >= nachher.height() - 3) continue;
        ++innen;
        bool da = false;
        for (int dy = -2; dy <= 2 && !da; ++dy)
            for (int dx = -2; dx <= 2 && !da; ++dx) da = nachher.pixel(x + dx, y + dy) == farbe;
        getroffen += da;
    }
    EXPECT_GT(innen, 10);
    EXPECT_GE(getroffen, innen * 3 / 4);
}

}  // namespace
