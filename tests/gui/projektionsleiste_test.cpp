// The projection and picture controls of the real main window under the
// offscreen platform, driven by QTest's mouse and keys: the core follows,
// the picture changes, held buttons stop with the mouse, and the window is
// readable on an 800 x 600 screen.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <string>
#include <utility>
#include <vector>

#include "Fenstertest.h"
#include "gui/Beschleuniger.h"
#include "gui/Projektionsleiste.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"

namespace {

class Projektionsleiste_ : public Fenstertest {
protected:
    template <class T = QAbstractButton>
    T* W(const char* name) const {
        T* w = fenster->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Klick(const char* name) const {
        QTest::mouseClick(W(name), Qt::LeftButton);
        QApplication::processEvents();
    }
    static void Warten(int ms) {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < ms) {
            QApplication::processEvents();
            QThread::msleep(2);
        }
    }
    // Clicks through the menu bar: a menu, its submenu, the item.
    void Menue(std::initializer_list<const char*> weg) const {
        QWidget* m = fenster->menuBar();
        for (const char* t : weg) {
            QAction* a = nullptr;
            for (QAction* p : m->actions())
                a = OhneBeschleuniger(p->text()) == OhneBeschleuniger(QString::fromUtf8(t)) ? p : a;
            ASSERT_TRUE(a && m->isVisible()) << t;
            auto* leiste = qobject_cast<QMenuBar*>(m);
            QTest::mouseClick(m, Qt::LeftButton, {}, (leiste ? leiste->actionGeometry(a) : static_cast<QMenu*>(m)->actionGeometry(a)).center());
            Warten(50);
            m = a->menu();
        }
    }
};

TEST_F(Projektionsleiste_, KnoepfeVorgabeAnsichtZoomUndVerschiebung) {
    // A plane button: the straight view onto the y,z-plane.
    const QImage start = Aufnahme();
    Klick("But_yz");
    EXPECT_TRUE(ProjEbene == 2 && Augpunkt.x == -80 && W("But_yz")->isChecked() && !W("But_xz")->isChecked());
    EXPECT_EQ(W<QLineEdit>("Edit_FPx")->text(), QStringLiteral("-80"));
    const QImage yz = Aufnahme();
    EXPECT_NE(yz, start);

    // A preset: x of the oblique eye point of the y,z-plane.
    EXPECT_EQ(W("ButVorg2")->text(), QStringLiteral("40"));
    Klick("ButVorg2");
    EXPECT_EQ(Augpunkt.y, 40);
    EXPECT_NE(Aufnahme(), yz);

    // A view through the menu bar: from above, turning with the axes.
    Menue({"&Ansicht", "Draufsichtebene", "x, y-Ebene (Ansicht von oben)"});
    EXPECT_EQ(ProjEbene, 1);
    EXPECT_TRUE(AchsenMitDrehen && DrehAnzahl == 1 && fenster->Menuepunkt(F.xyEbo)->isChecked());
    EXPECT_EQ(W<QLineEdit>("Edit_Drehwinkel")->text(), QStringLiteral("1,0000"));
    const QImage oben = Aufnahme();

    // The zoom bar: a click into its groove right of the handle, +10 %.
    auto* zoom = W<QScrollBar>("ScrollBar2");
    const Extended basis = MassstabBasis;
    QTest::mouseClick(zoom, Qt::LeftButton, {}, QPoint(zoom->width() - 22, zoom->height() / 2));
    QApplication::processEvents();
    EXPECT_TRUE(F.ScrollBar2.Position() == 110 && MassstabX == basis * 110 * 0.01L);
    EXPECT_EQ(W<QLabel>("Panel_ZoomFaktAnz")->text(), QStringLiteral("1,1"));
    const QImage gross = Aufnahme();
    EXPECT_NE(gross, oben);

    // A shift button: the whole picture 10 pixels to the right.
    Klick("BitBtn_VR");
    EXPECT_EQ(VerschiebungX, 10);
    // (Dotted lines cut at the border may start their dots elsewhere.)
    const QImage rechts = Aufnahme();
    const QRect innen(40, 40, gross.width() - 100, gross.height() - 80);
    const auto Abweichung = [&](int dx, int n = 0) {
        for (int y = innen.top(); y <= innen.bottom(); ++y)
            for (int x = innen.left(); x <= innen.right(); ++x) n += rechts.pixel(x + dx, y) != gross.pixel(x, y);
        return n;
    };
    EXPECT_LT(Abweichung(10), innen.width() * innen.height() / 500);
    EXPECT_GT(Abweichung(0), 10 * Abweichung(10));
}

TEST_F(Projektionsleiste_, GehaltenerKnopfSchreitetBisZumLoslassen) {
    QAbstractButton* yPlus = W("ButFPyPl");
    QTimer* t = fenster->Projektion()->Zeitgeber(F.Timer4);
    ASSERT_NE(t, nullptr);
    const Extended vorher = Augpunkt.y;
    QTest::mousePress(yPlus, Qt::LeftButton);
    EXPECT_TRUE(t->isActive());
    Taktgeber::Vergehen(400);  // the press's step, and from 0.3 s on a step every 80 ms
    const Extended gehalten = Augpunkt.y;
    EXPECT_NEAR(static_cast<double>(gehalten - vorher), 3.0, 1e-9);
    EXPECT_EQ(W<QLineEdit>("Edit_FPy")->text().toStdString(), ZahlAllgemein(gehalten));
    QTest::mouseRelease(yPlus, Qt::LeftButton);
    EXPECT_FALSE(t->isActive());
    Taktgeber::Vergehen(200);
    EXPECT_EQ(Augpunkt.y, gehalten);

    // The release goes to a message box that came up meanwhile: the holding
    // ends with it, and the button does not stay pressed.
    QAbstractButton* runter = W("ProjEbMin");
    QTimer* t6 = fenster->Projektion()->Zeitgeber(F.Timer6);
    ProjEbeneZentral.Stuetzvektor.y = 0;
    QTest::mousePress(runter, Qt::LeftButton);
    Taktgeber::Vergehen(200);
    ASSERT_GT(ProjEbeneZentral.Stuetzvektor.y, 0);
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Test"), QStringLiteral("modal"), QMessageBox::Ok, fenster.get());
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    QApplication::processEvents();
    QTest::mouseRelease(&box, Qt::LeftButton);
    box.close();
    const Extended y = ProjEbeneZentral.Stuetzvektor.y;
    Taktgeber::Vergehen(300);
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.y, y);
    EXPECT_FALSE(t6->isActive() || F.Timer6.Laeuft() || runter->isDown());
    EXPECT_EQ(W<QLabel>("Panel_VerschProjEb")->text().toStdString(), ZahlAllgemein(-y));
}

TEST_F(Projektionsleiste_, KlickSchreitetEinmalHaltenWiederholtNachDerVerzoegerung) {
    // Every held button, pressed and released through the window with the
    // time on the test clock: a click of 0.1 s or of 0.29 s steps once;
    // held for a second, the press steps, then nothing until 0.3 s, then a
    // step at each tick of the button's timer.
    QWindow* fw = fenster->windowHandle();
    const auto Maus = [&](QWidget* w, bool runter) {
        const QPoint p = w->mapTo(fenster.get(), w->rect().center());
        runter ? QTest::mousePress(fw, Qt::LeftButton, {}, p) : QTest::mouseRelease(fw, Qt::LeftButton, {}, p);
    };
    struct Knopf {
        std::string name;
        Extended* wert;
        Extended erster, weitere;  // the press's step, each repeat's
        int takt;                  // ms
    };
    std::vector<Knopf> zentral = {{"BitBtn_VR", &VerschiebungX, 10, 3, 10}, {"BitBtn_VL", &VerschiebungX, -10, -3, 10},
                                  {"BitBtn_VO", &VerschiebungY, 10, 3, 10}, {"BitBtn_VU", &VerschiebungY, -10, -3, 10},
                                  {"ProjEbMin", &ProjEbeneZentral.Stuetzvektor.y, 1, 1, 80},
                                  {"ProjEbPlus", &ProjEbeneZentral.Stuetzvektor.y, -1, -1, 80}};
    std::vector<Knopf> parallel;
    for (const char* a : {"x", "y", "z"}) {
        Extended& fp = *a == 'x' ? Augpunkt.x : *a == 'y' ? Augpunkt.y : Augpunkt.z;
        Extended& r = *a == 'x' ? ProjRichtung.x : *a == 'y' ? ProjRichtung.y : ProjRichtung.z;
        for (const auto& [endung, v] : {std::pair{"Pl", 1}, std::pair{"Min", -1}}) {
            zentral.push_back({std::string("ButFP") + a + endung, &fp, 1.0L * v, 1.0L * v, 80});
            parallel.push_back({std::string("ButProjRicht") + a + endung, &r, 0.01L * v, 0.01L * v, 80});
        }
    }
    const auto Pruefen = [&](const Knopf& k) {
        SCOPED_TRACE(k.name);
        QWidget* w = W(k.name.c_str());
        ASSERT_TRUE(w && w->isVisible());
        const auto Schritte = [&](Extended vorher, int n) {
            EXPECT_NEAR(static_cast<double>(*k.wert - vorher), static_cast<double>(k.erster + (n - 1) * k.weitere), 1e-9);
        };
        for (int ms : {100, 290}) {
            const Extended vorher = *k.wert;
            Maus(w, true);
            Taktgeber::Vergehen(ms);
            Maus(w, false);
            Taktgeber::Vergehen(200);
            Schritte(vorher, 1);
        }
        const Extended vorher = *k.wert;
        Maus(w, true);
        Schritte(vorher, 1);
        Taktgeber::Vergehen(299);
        Schritte(vorher, 1);
        Taktgeber::Vergehen(k.takt == 80 ? 21 : 1);  // the first tick from 0.3 s on
        Schritte(vorher, 2);
        Taktgeber::Vergehen(1000 - 300 - (k.takt == 80 ? 20 : 0));
        Schritte(vorher, k.takt == 80 ? 10 : 72);
        Maus(w, false);
        Taktgeber::Vergehen(500);
        Schritte(vorher, k.takt == 80 ? 10 : 72);
    };
    for (const Knopf& k : zentral) Pruefen(k);
    Klick("CheckBox_ZP");
    ASSERT_FALSE(Zentralprojektion);
    for (const Knopf& k : parallel) Pruefen(k);
    EXPECT_TRUE(host.Meldungen.empty());

    // The zoom bar's arrows are Qt's: a click steps once (Qt repeats only
    // after half a second).
    auto* zoom = W<QScrollBar>("ScrollBar2");
    for (const auto& [x, soll] : {std::pair{zoom->width() - 4, 101}, std::pair{4, 100}}) {
        const QPoint p = zoom->mapTo(fenster.get(), QPoint(x, zoom->height() / 2));
        QTest::mousePress(fw, Qt::LeftButton, {}, p);
        QTest::mouseRelease(fw, Qt::LeftButton, {}, p);
        EXPECT_EQ(F.ScrollBar2.Position(), soll);
    }
}

TEST_F(Projektionsleiste_, TippenUndParallelprojektion) {
    // The eye-point edit takes digits and "-" only.
    auto* fx = W<QLineEdit>("Edit_FPx");
    fx->setFocus();
    fx->selectAll();
    QTest::keyClicks(fx, QStringLiteral("-2a,5"));
    EXPECT_EQ(fx->text(), QStringLiteral("-25"));
    EXPECT_EQ(Augpunkt.x, -25);

    // The projection switch shows the parallel controls; "Proj-Art" opens
    // the ready-made projections.
    QTest::mouseClick(W<QCheckBox>("CheckBox_ZP"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(Zentralprojektion);
    EXPECT_FALSE(fx->isVisible());
    ASSERT_TRUE(W<QLineEdit>("Edit_Projy")->isVisible());
    auto* art = W<QAbstractButton>("But_ProjArt");
    QMenu* menue = fenster->findChild<QMenu*>(QStringLiteral("PopupMenu4"));
    ASSERT_NE(menue, nullptr);
    QTimer::singleShot(50, menue, [menue] {
        for (QAction* a : menue->actions())
            if (a->text() == QStringLiteral("Kavalierprojektion 1"))
                QTest::mouseClick(menue, Qt::LeftButton, {}, menue->actionGeometry(a).center());
    });
    QTest::mouseClick(art, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(ProjEbene == 2 && SkFy == 0.5L);
    EXPECT_EQ(W<QLabel>("Label_ProjArt")->text(), QStringLiteral("Kav. 1"));
    EXPECT_EQ(W<QLineEdit>("Edit_Projy")->text(), QStringLiteral("-0,5"));

    // The direction edit turns "." into ","; a zero y on the y,z-plane is fine.
    auto* py = W<QLineEdit>("Edit_Projy");
    py->setFocus();
    py->selectAll();
    QTest::keyClicks(py, QStringLiteral("0.25"));
    EXPECT_EQ(py->text(), QStringLiteral("0,25"));
    EXPECT_EQ(ProjRichtung.y, 0.25L);
    EXPECT_EQ(W<QLabel>("Label_ProjArt")->text(), QString());
}

TEST_F(Projektionsleiste_, SchrittwahlUndLinkeLeiste) {
    // The step box opens left of the right panel, level with its button,
    // with its list open; the choice closes it and names the step.
    QWidget* knopf = W<QWidget>("But_VerschProjEb");
    Klick("But_VerschProjEb");
    auto* box = W<QComboBox>("ComboBox1");
    ASSERT_TRUE(box->isVisible());
    const QPoint k = knopf->mapTo(fenster->Client(), QPoint(0, 0));
    EXPECT_EQ(box->y(), k.y());
    EXPECT_EQ(box->geometry().right() + 3, W<QWidget>("Panel_rechts")->x());
    Warten(50);
    ASSERT_TRUE(box->view()->isVisible());
    QTest::keyClick(box->view(), Qt::Key_Down);
    QTest::keyClick(box->view(), Qt::Key_Down);
    QTest::keyClick(box->view(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_TRUE(VerschProjEb == 5 && !box->isVisible() && W("But_VerschProjEb")->text() == QStringLiteral("5"));

    // The left panel's switch: the picture takes its room.
    Klick("But_SchnittAngabenEinAus");
    QApplication::processEvents();
    EXPECT_FALSE(W<QWidget>("Panel_links")->isVisible());
    EXPECT_EQ(fenster->PaintBox1()->geometry(), QRect(0, 64, 824, 676));
    EXPECT_TRUE(F.PaintBox1.Width == 824 && bild.Width() == 824 && AchsenKreuz.UrsprungX == 480);
    Klick("But_SchnittAngabenEinAus");
    QApplication::processEvents();
    EXPECT_EQ(fenster->PaintBox1()->geometry(), QRect(170, 64, 654, 676));
    EXPECT_EQ(bild.Width(), 654);
}

TEST_F(Projektionsleiste_, LesbarAufAchthundertMalSechshundert) {
    // On an 800 x 600 screen the form's 1024 x 740 shrinks to it.
    const QRect frei(0, 0, 800, 600);
    fenster->AnBildschirmAnpassen(frei);
    QApplication::processEvents();
    EXPECT_TRUE(frei.contains(fenster->frameGeometry()));
    EXPECT_EQ(fenster->frameGeometry().size(), frei.size());
    EXPECT_EQ(F.ClientWidth, fenster->Client()->width());
    EXPECT_EQ(F.PaintBox1.Width, fenster->PaintBox1()->width());

    // In both projection kinds every control of the top and right panels
    // shows its whole caption, inside its panel, overlapping no other.
    for (int art = 0; art < 2; ++art) {
        SCOPED_TRACE(art == 0 ? "zentral" : "parallel");
        for (const char* name : {"Panel_oben", "Panel_oben_a", "Panel_rechts"}) {
            QWidget* panel = W<QWidget>(name);
            std::vector<std::pair<QWidget*, QRect>> teile;
            for (QWidget* w : panel->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(panel) || !w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).isEmpty())
                    continue;
                const QRect r(w->mapTo(panel, QPoint(0, 0)), w->size());
                EXPECT_TRUE(panel->rect().contains(r)) << qPrintable(w->objectName()) << " in " << name;
                QString text;
                if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
                if (auto* lb = qobject_cast<QLabel*>(w)) text = lb->text();
                if (!text.isEmpty() && !text.contains(QLatin1Char('\n'))) {
                    EXPECT_LE(w->fontMetrics().horizontalAdvance(text), w->width()) << qPrintable(text);
                }
                for (const auto& [anderer, ar] : teile)
                    EXPECT_FALSE(ar.intersects(r)) << qPrintable(text) << " / " << qPrintable(anderer->objectName());
                teile.emplace_back(w, r);
            }
        }
        F.ZPEinAusClick();
        fenster->Auffrischen();
        QApplication::processEvents();
    }
}

// The number fields draw unshaped, in the font of their panel, and follow
// it when it changes (a smaller font on a small screen).
TEST_F(Projektionsleiste_, FelderFolgenDerSchriftIhresPanels) {
    QWidget* panel = W<QWidget>("Panel_rechts");
    for (const char* name : {"Edit_FPx", "Edit_FPy", "Edit_Projz"}) {
        auto* feld = W<QLineEdit>(name);
        EXPECT_TRUE(feld->font().styleStrategy() & QFont::PreferNoShaping) << name;
        EXPECT_EQ(feld->font().family(), panel->font().family()) << name;
    }
    QFont klein = panel->font();
    klein.setPointSizeF(klein.pointSizeF() - 2);
    panel->setFont(klein);
    QApplication::processEvents();
    auto* feld = W<QLineEdit>("Edit_FPy");
    EXPECT_EQ(feld->font().pointSizeF(), klein.pointSizeF());
    EXPECT_TRUE(feld->font().styleStrategy() & QFont::PreferNoShaping);
}

// An eye-point step rewrites its field: only the field paints, not the
// panel behind it, and what the window shows after many steps is what a
// fresh paint of the whole panel shows (the field's corners keep the
// panel's colour, nothing piles up), and what the style draws itself.
TEST_F(Projektionsleiste_, FeldSchrittMaltNurDasFeld) {
    QWidget* panel = W<QWidget>("Panel_rechts");
    auto* feld = W<QLineEdit>("Edit_FPy");
    struct Maler : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            n += e->type() == QEvent::Paint;
            return false;
        }
    } panelMaler, feldMaler;
    panel->installEventFilter(&panelMaler);
    feld->installEventFilter(&feldMaler);
    const QRect r(feld->mapTo(fenster.get(), QPoint(0, 0)), feld->size());
    const auto gezeigt = [&] {
        return fenster->screen()
            ->grabWindow(fenster->winId(), r.x(), r.y(), r.width(), r.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    const auto frisch = [&] {
        const QRect imPanel(feld->mapTo(panel, QPoint(0, 0)), feld->size());
        return panel->grab(imPanel).toImage().convertToFormat(QImage::Format_RGB32);
    };
    for (int i = 0; i < 12; ++i) {
        Benutzeraktion([this, i] { F.Edit_FPy.SetText(i % 2 ? "81" : "80,5"); });
        QApplication::processEvents();
    }
    EXPECT_EQ(feldMaler.n, 12);
    EXPECT_EQ(panelMaler.n, 0);
    EXPECT_EQ(feld->text(), QStringLiteral("81"));
    EXPECT_EQ(gezeigt(), frisch());
    // Another colour of the panel reaches the field's corners.
    const QImage grau = gezeigt();
    Benutzeraktion([this] {
        F.Panel_rechts.Color = 0x2878C8;
        F.Edit_FPy.SetText("82");
    });
    QApplication::processEvents();
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(200, 120, 40));
    EXPECT_EQ(gezeigt(), frisch());
    EXPECT_NE(gezeigt().pixel(0, 0), grau.pixel(0, 0));
    // The fields copy their panel from a picture: the same pixels as the
    // application's style draws straight into the field.
    const QImage kopiert = gezeigt();
    feld->setStyle(QApplication::style());
    EXPECT_EQ(frisch(), kopiert);
    panel->removeEventFilter(&panelMaler);
    feld->removeEventFilter(&feldMaler);
}

}  // namespace
