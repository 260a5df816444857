// The object dialogs' Qt windows under the offscreen platform: typing into
// a real cell editor, leaving it, Tab, fields, the animation
// timer, the menu "Objekte" and the visibility switches of the main window.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "Fenstertest.h"
#include "gui/Beschleuniger.h"
#include "forms/Animationen.h"
#include "forms/EbenKoord.h"
#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "gui/Dialogansicht.h"
#include "gui/Hauptfensteransicht.h"
#include "gui/Objektleiste.h"
#include "gui/QtZeichenflaeche.h"
#include "forms/Hauptfenster.h"
#include "mainwindow/Objektmenue.h"
#include "control/Programm.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "view3d/Zeichnen.h"

namespace {

class DialogeAnsicht : public Fenstertest {
protected:
    std::vector<DialogAnsicht*> dialoge;
    TForm_Geraden_t& G = Form_Geraden_t;

    void SetUp() override {
        Fenstertest::SetUp();
        dialoge = DialogeAnlegen(fenster.get());
        host.Vergessen();
    }

    DialogAnsicht* Dialog(const std::string& name) const {
        for (DialogAnsicht* d : dialoge)
            if (d->Name() == name) return d;
        return nullptr;
    }
    DialogAnsicht* Zeigen(const std::string& name) const {
        DialogAnsicht* d = Dialog(name);
        if (d) {
            d->show();
            QApplication::processEvents();
        }
        return d;
    }

    // Of 41 points along line Nr's drawn piece that lie inside the picture:
    // how many, and how many have the line's colour within 2 pixels.
    std::pair<int, int> FarbeAufGerade(const QImage& b, int Nr) const {
        const TGerade& L = Gerade[Nr];
        const QRgb soll = FarbeQt(L.Farbe).rgb();
        int innen = 0, getroffen = 0;
        for (int i = 0; i <= 40; ++i) {
            const long double t = i / 40.0L;
            const TVek_R3 P{L.ZeichenAnfang.x + t * (L.ZeichenEnde.x - L.ZeichenAnfang.x),
                            L.ZeichenAnfang.y + t * (L.ZeichenEnde.y - L.ZeichenAnfang.y),
                            L.ZeichenAnfang.z + t * (L.ZeichenEnde.z - L.ZeichenAnfang.z)};
            const TVek_R2 p = BildpunktPixel(P);
            const int x = PixelRunden(p.x), y = PixelRunden(p.y);
            if (x < 3 || y < 3 || x >= b.width() - 3 || y >= b.height() - 3) continue;
            ++innen;
            bool da = false;
            for (int dy = -2; dy <= 2 && !da; ++dy)
                for (int dx = -2; dx <= 2 && !da; ++dx) da = b.pixel(x + dx, y + dy) == soll;
            getroffen += da;
        }
        return {innen, getroffen};
    }
};

TEST_F(DialogeAnsicht, JedesFensterDesMenuesHatSeineAnsicht) {
    // Every window the menu opens is registered under its name.
    for (const DialogEintrag& e : ObjektDialoge) EXPECT_NE(Dialog(e.Fenster), nullptr) << e.Fenster;
    // The menu goes through the core's opener, which asks the host.
    QAction* a = fenster->Objekte()->Menuepunkt(0);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(OhneBeschleuniger(a->text()), QString::fromUtf8(ObjektDialoge[0].Titel));
    a->trigger();
    ASSERT_EQ(host.Fenster.size(), 1u);
    EXPECT_EQ(host.Fenster[0].name, "Form_Geraden_t");
    EXPECT_TRUE(host.Fenster[0].zeigen);
    EXPECT_FALSE(host.Fenster[0].modal);
}

TEST_F(DialogeAnsicht, TippenInDieZelleAendertGeradeUndBild) {
    DialogAnsicht* d = Zeigen("Form_Geraden_t");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), QString::fromUtf8(G.Caption.c_str()));
    GitterTabelle* t = d->B().Tabelle(G.StringGrid1);
    ASSERT_NE(t, nullptr);
    // Only the current line's grid shows.
    EXPECT_TRUE(t->isVisible());
    EXPECT_FALSE(d->B().Tabelle(G.StringGrid2)->isVisible());
    EXPECT_EQ(t->item(0, 0)->text(), QStringLiteral("Stütz-V."));
    EXPECT_FALSE(t->item(0, 0)->flags() & Qt::ItemIsEditable);

    const QImage vorher = Aufnahme();
    const auto [innen0, getroffen0] = FarbeAufGerade(vorher, 1);
    ASSERT_GE(innen0, 20);
    EXPECT_GE(getroffen0, innen0 - 2);
    const int undoVorher = UndoAnzahl;

    // The x of the direction: "3" becomes "0,5"; "." turns into ",", a
    // letter is dropped.
    t->ZelleBearbeiten(1, 1);
    QLineEdit* e = t->Editor();
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(G.StringGrid1.Bearbeitung);
    EXPECT_EQ(e->text(), QStringLiteral("3"));
    QTest::keyClicks(e, QStringLiteral("0.a5"));
    EXPECT_EQ(e->text(), QStringLiteral("0,5"));
    EXPECT_EQ(G.StringGrid1.Cells(1, 1), "0,5");
    EXPECT_EQ(Gerade[1].Richtungsvektor.x, 0.5L);
    EXPECT_GT(UndoAnzahl, undoVorher);

    // Leaving the cell closes the editor; the grid shows the core's text.
    QTest::keyClick(e, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(t->Editor(), nullptr);
    EXPECT_FALSE(G.StringGrid1.Bearbeitung);
    EXPECT_EQ(t->item(1, 1)->text(), QStringLiteral("0,5"));
    EXPECT_TRUE(host.Meldungen.empty());

    // The picture shows g on its new path.
    const QImage nachher = Aufnahme();
    EXPECT_NE(nachher, vorher);
    const auto [innen1, getroffen1] = FarbeAufGerade(nachher, 1);
    ASSERT_GE(innen1, 20);
    EXPECT_GE(getroffen1, innen1 - 2);
}

TEST_F(DialogeAnsicht, TabVerlaesstDieZelleUndWandertWeiter) {
    // Tab leaves an unfinished cell with its last valid text and walks on by
    // the program's rule (last row of the last column: first cell).
    DialogAnsicht* d = Zeigen("Form_Geraden_t");
    GitterTabelle* t = d->B().Tabelle(G.StringGrid1);
    t->ZelleBearbeiten(1, 3);
    QLineEdit* e = t->Editor();
    ASSERT_NE(e, nullptr);
    QTest::keyClicks(e, QStringLiteral("-"));
    QTest::keyClick(e, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(t->Editor(), nullptr);
    EXPECT_EQ(G.StringGrid1.Cells(1, 3), "1");
    EXPECT_EQ(t->item(3, 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(G.StringGrid1.Col, 0);
    EXPECT_EQ(G.StringGrid1.Row, 1);
    EXPECT_EQ(t->currentColumn(), 0);
    EXPECT_EQ(t->currentRow(), 1);
    EXPECT_FALSE(G.StringGrid1.Bearbeitung);

    // Tab without an editor walks as well.
    QTest::keyClick(t, Qt::Key_Tab);
    EXPECT_EQ(G.StringGrid1.Row, 2);
    EXPECT_EQ(t->currentRow(), 2);
}

TEST_F(DialogeAnsicht, OffenerEditorBehaeltSeinenText) {
    // Code that writes other cells (a rotation step, say) does not disturb
    // the cell being typed in, nor its cursor.
    DialogAnsicht* d = Zeigen("Form_Geraden_t");
    GitterTabelle* t = d->B().Tabelle(G.StringGrid1);
    t->ZelleBearbeiten(0, 2);
    QLineEdit* e = t->Editor();
    QTest::keyClicks(e, QStringLiteral("12"));
    e->setCursorPosition(1);
    G.StringGrid1.Cells(1, 1) = "9";
    AnsichtenAuffrischen();
    EXPECT_EQ(t->item(1, 1)->text(), QStringLiteral("9"));
    EXPECT_EQ(e->text(), QStringLiteral("12"));
    EXPECT_EQ(e->cursorPosition(), 1);
    QTest::keyClicks(e, QStringLiteral("5"));
    EXPECT_EQ(e->text(), QStringLiteral("152"));
    EXPECT_EQ(Gerade[1].Stuetzvektor.y, 152.0L);

    // Choosing another line hides this grid; the open edit is left first.
    QTest::keyClick(e, Qt::Key_Backspace);
    EXPECT_EQ(G.StringGrid1.Cells(0, 2), "12");
    auto* h = d->findChildren<QRadioButton*>()[1];
    ASSERT_EQ(h->text(), QStringLiteral("h"));
    QTest::mouseClick(h, Qt::LeftButton);
    EXPECT_EQ(AktGerade, 2);
    EXPECT_FALSE(t->isVisible());
    EXPECT_TRUE(d->B().Tabelle(G.StringGrid2)->isVisible());
    EXPECT_EQ(t->Editor(), nullptr);
    EXPECT_FALSE(G.StringGrid1.Bearbeitung);
}

TEST_F(DialogeAnsicht, KoordinatenformImFeld) {
    DialogAnsicht* d = Zeigen("Form_EbenKoord");
    ASSERT_NE(d, nullptr);
    TForm_EbenKoord& K = Form_EbenKoord;
    auto* feld = static_cast<QLineEdit*>(d->B().Widget(&K.Edit_d));
    ASSERT_NE(feld, nullptr);
    EXPECT_EQ(feld->text(), QString::fromUtf8(K.Edit_d.Text().c_str()));
    feld->setFocus();
    feld->selectAll();
    QTest::keyClicks(feld, QStringLiteral("-2.5x"));
    EXPECT_EQ(feld->text(), QStringLiteral("-2,5"));
    EXPECT_EQ(Ebene[AktEbene].KoordD, -2.5L);
    // The plane's parameter form follows into the planes dialog.
    const TEbene& E = Ebene[AktEbene];
    const TVek_R3& S = E.Stuetzvektor;
    EXPECT_NEAR(static_cast<double>(E.KoordA * S.x + E.KoordB * S.y + E.KoordC * S.z + E.KoordD), 0.0, 1e-9);
}

TEST_F(DialogeAnsicht, AnimationsfensterBewegtGMitSeinemZeitgeber) {
    DialogAnsicht* d = Zeigen("Form_Einst_GeradenAnima");
    ASSERT_NE(d, nullptr);
    TForm_Einst_GeradenAnima& A = Form_Einst_GeradenAnima;
    auto* start = static_cast<QToolButton*>(d->B().Widget(&A.But_Start));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->text(), QStringLiteral("Start"));
    // The grids are for reading only.
    GitterTabelle* h = d->B().Tabelle(A.StringGrid2);
    EXPECT_FALSE(h->item(1, 0)->flags() & Qt::ItemIsEditable);

    // One box of step fields per line, each saying which line it moves.
    QStringList titel;
    for (const QGroupBox* b : d->findChildren<QGroupBox*>()) titel << b->title();
    EXPECT_TRUE(titel.contains(QStringLiteral("Schrittweite von g"))) << titel.join(", ").toStdString();
    EXPECT_TRUE(titel.contains(QStringLiteral("Schrittweite von h")));
    EXPECT_EQ(d->B().Widget(&A.Edit_Schritt1[3])->toolTip(), QStringLiteral("Schritt von g, Stützvektor, z"));

    // The start steps move g, which the start scene shows.
    const long double z0 = Gerade[1].Stuetzvektor.z;
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_TRUE(A.But_Start.Down);
    EXPECT_TRUE(start->isChecked());
    EXPECT_EQ(start->text(), QStringLiteral("Stopp"));
    auto* timer = d->findChild<QTimer*>();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 80);
    Taktgeber::Vergehen(79);
    EXPECT_EQ(Gerade[1].Stuetzvektor.z, z0);
    Taktgeber::Vergehen(241);  // ticks at 80, 160, 240 and 320 ms
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_FALSE(A.Timer1.Laeuft());
    EXPECT_FALSE(timer->isActive());
    const long double z1 = Gerade[1].Stuetzvektor.z;
    EXPECT_NEAR(static_cast<double>(z1 - z0), 0.4, 1e-9);
    Taktgeber::Vergehen(500);
    EXPECT_EQ(Gerade[1].Stuetzvektor.z, z1);
    GitterTabelle* g = d->B().Tabelle(A.StringGrid1);
    EXPECT_EQ(g->item(3, 0)->text(), QString::fromUtf8(A.StringGrid1.Cells(0, 3).c_str()));

    // A step field filters its keys and checks its value when left.
    auto* schritt = static_cast<QLineEdit*>(d->B().Widget(&A.Edit_Schritt2[3]));
    schritt->setFocus();
    schritt->selectAll();
    QTest::keyClicks(schritt, QStringLiteral("0.25"));
    EXPECT_EQ(schritt->text(), QStringLiteral("0,25"));
    static_cast<QLineEdit*>(d->B().Widget(&A.Edit_Schritt2[4]))->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(A.Schritt2[3], 0.25L);

    // Closing takes the moved coordinates over into the lines dialog.
    d->close();
    QApplication::processEvents();
    EXPECT_FALSE(A.Visible);
    EXPECT_EQ(G.StringGrid1.Cells(0, 3), A.StringGrid1.Cells(0, 3));
}

TEST_F(DialogeAnsicht, KnoepfeAuswahlUndFelderDerKoerper) {
    // Spheres: a density button goes down in its group, the others up.
    DialogAnsicht* k = Zeigen("Form_Kugeln");
    TForm_Kugeln& K = Form_Kugeln;
    auto* fuenf = static_cast<QToolButton*>(k->B().Widget(&K.SpeedButton5));
    auto* dreizehn = static_cast<QToolButton*>(k->B().Widget(&K.SpeedButton2));
    ASSERT_EQ(fuenf->text(), QStringLiteral("5"));
    EXPECT_TRUE(dreizehn->isChecked());
    QTest::mouseClick(fuenf, Qt::LeftButton);
    EXPECT_EQ(Kugel[AktKugel].Breitenkreise, 4);
    EXPECT_TRUE(fuenf->isChecked());
    EXPECT_FALSE(dreizehn->isChecked());
    // A click on the pressed one keeps it down.
    QTest::mouseClick(fuenf, Qt::LeftButton);
    EXPECT_TRUE(fuenf->isChecked());
    EXPECT_TRUE(K.SpeedButton5.Down);
    // The radius field follows the protocol.
    auto* radius = static_cast<QLineEdit*>(k->B().Widget(&K.Edit_Radius));
    radius->setFocus();
    radius->selectAll();
    QTest::keyClicks(radius, QStringLiteral("3.5"));
    EXPECT_EQ(radius->text(), QStringLiteral("3,5"));
    EXPECT_EQ(Kugel[AktKugel].Radius, 3.5L);
    k->close();

    // Cones: the spokes from their choice box.
    DialogAnsicht* c = Zeigen("Form_Kegel");
    auto* speichen = static_cast<QComboBox*>(c->B().Widget(&Form_Kegel.ComboBox1));
    ASSERT_NE(speichen, nullptr);
    const int i = speichen->findText(QStringLiteral("6"));
    ASSERT_GE(i, 0);
    speichen->setCurrentIndex(i);
    emit speichen->activated(i);
    EXPECT_EQ(Kegel[AktKegel].Speichen, 6);
    EXPECT_EQ(Form_Kegel.ComboBox1.Text, "6");
    c->close();

    // Crosshair: a move button shifts the centre and the grid shows it.
    DialogAnsicht* f = Zeigen("Form_Fadenkreuz");
    auto* plusX = static_cast<QToolButton*>(f->B().Widget(&Form_Fadenkreuz.But_Xplus));
    const long double x0 = Fadenkreuz.Mittelpunkt.x;
    QTest::mouseClick(plusX, Qt::LeftButton);
    EXPECT_NEAR(static_cast<double>(Fadenkreuz.Mittelpunkt.x - x0), 0.1, 1e-12);
    EXPECT_EQ(f->B().Tabelle(Form_Fadenkreuz.StringGrid1)->item(1, 0)->text(),
              QString::fromUtf8(Form_Fadenkreuz.StringGrid1.Cells(0, 1).c_str()));
    EXPECT_FALSE(plusX->isCheckable());
}

TEST_F(DialogeAnsicht, SichtbarkeitsknopfVerbirgtSeinObjekt) {
    QToolButton* g = fenster->Objekte()->Sichtbarkeitsknopf(1);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->text(), QStringLiteral("g"));
    EXPECT_TRUE(g->isCheckable());
    EXPECT_TRUE(g->isChecked());
    EXPECT_FALSE(fenster->Objekte()->Sichtbarkeitsknopf(2)->isChecked());
    // The colour panel beside the switch shows g's colour.
    EXPECT_EQ(fenster->Objekte()->Farbfeld(1)->palette().color(QPalette::Window), FarbeQt(Gerade[1].Farbe));

    const auto [innen, getroffen] = FarbeAufGerade(Aufnahme(), 1);
    ASSERT_GE(innen, 20);
    EXPECT_GE(getroffen, innen - 2);

    QTest::mouseClick(g, Qt::LeftButton);
    EXPECT_FALSE(Form_Edits_01.But_sichtb_g.Down);
    EXPECT_FALSE(g->isChecked());
    EXPECT_EQ(Gerade[1].sichtbar, 0);
    const auto [innen2, getroffen2] = FarbeAufGerade(Aufnahme(), 1);
    ASSERT_EQ(innen2, innen);
    EXPECT_LE(getroffen2, 1);

    QTest::mouseClick(g, Qt::LeftButton);
    EXPECT_TRUE(g->isChecked());
    EXPECT_EQ(Gerade[1].sichtbar, 1);
    EXPECT_GE(FarbeAufGerade(Aufnahme(), 1).second, innen - 2);
}

}  // namespace
