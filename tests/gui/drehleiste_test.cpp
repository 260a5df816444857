// The rotation and hidden-line controls of the real main window under the
// offscreen platform: clicks reach the core, the core's state comes back
// into the widgets, Timer1 follows the core, the picture follows both.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "Fenstertest.h"
#include "gui/Beschleuniger.h"
#include "geometry/Nahe.h"
#include "gui/Bindung.h"
#include "gui/Drehleiste.h"
#include "gui/Hauptfensteransicht.h"
#include "gui/QtOberflaeche.h"
#include "gui/QtZeichenflaeche.h"
#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "forms/Schalter.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "scene/DrehZustand.h"
#include "view3d/VerdeckteLinien.h"

namespace {

// Every point the rotations move, in one list.
std::vector<TVek_R3> Szenenpunkte() {
    std::vector<TVek_R3> p;
    for (const TGerade& g : Gerade) p.insert(p.end(), {g.Stuetzvektor, g.Richtungsvektor, g.ZeichenAnfang, g.ZeichenEnde});
    for (int i = 1; i <= 2; ++i)
        p.insert(p.end(), {Ebene[i].Stuetzvektor, Ebene[i].Richtungsvektor1, Ebene[i].Richtungsvektor2});
    for (const TVek_R3& a : AchsenKreuz.Achsenpunkte) p.push_back(a);
    for (const TVek_R3& e : MaxQuader.Ecke) p.push_back(e);
    return p;
}

TEST(Tempoknopf, GruppenWieBeiSpeedButtons) {
    TSpeedButton a, b, c, ohne;
    int klicks = 0;
    for (TSpeedButton* k : {&a, &b, &c, &ohne}) k->OnClick = [&klicks] { ++klicks; };
    a.GroupIndex = b.GroupIndex = 7;
    c.GroupIndex = 8;
    c.Down = true;
    const std::vector<TSpeedButton*> alle{&a, &b, &c, &ohne};
    TempoknopfDruecken(a, alle);
    TempoknopfDruecken(b, alle);    // releases a, not c of another group
    EXPECT_TRUE(!a.Down && b.Down && c.Down);
    TempoknopfDruecken(b, alle);    // the group may not be all up
    EXPECT_TRUE(b.Down);
    b.AllowAllUp = true;
    TempoknopfDruecken(b, alle);
    EXPECT_FALSE(b.Down);
    TempoknopfDruecken(ohne, alle); // group 0 never stays down
    EXPECT_FALSE(ohne.Down);
    EXPECT_EQ(klicks, 5);           // every press clicks
}

class Drehleiste_ : public Fenstertest {
protected:
    template <class T = QToolButton>
    T* W(const char* name) const {
        T* w = fenster->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Klick(const char* name) const { W<QAbstractButton>(name)->click(); }
    QTimer* Timer() const { return fenster->Drehsteuerung()->Timer1(); }
    static void Tippen(QWidget* w, Qt::Key key, const QString& text) {
        QKeyEvent k(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w, &k);
    }
};

TEST_F(Drehleiste_, XPlusDrehtDieMarkiertenObjekteUndDasBild) {
    EXPECT_TRUE(W("AlleDrehAus")->isChecked());
    Klick("AlleDrehEin");
    EXPECT_TRUE(W("AlleDrehEin")->isChecked());
    EXPECT_FALSE(W("AlleDrehAus")->isChecked());
    EXPECT_TRUE(W("But_Drehen_Ke4")->isChecked());
    // All 30 on: "alle drehen" cannot be released by its own click.
    Klick("AlleDrehEin");
    EXPECT_TRUE(W("AlleDrehEin")->isChecked());

    const TVek_R3 S = Gerade[1].Stuetzvektor;
    const QImage vorher = Aufnahme();
    Klick("But_GesamtDrehenXplus");
    EXPECT_FALSE(W("But_GesamtDrehenXplus")->isChecked());  // a single step releases it
    EXPECT_EQ(DrehAnzahl, 1);
    EXPECT_EQ(DrehListe[1], (TDrehung{2, 1.0L}));
    EXPECT_EQ(W<QLabel>("Panel_AnzDreh")->text(), QStringLiteral("1"));
    // g's support point turned by 1° about the x-axis.
    const TVek_R3 N = Gerade[1].Stuetzvektor;
    EXPECT_NEAR(N.x, S.x, 1e-12);
    EXPECT_NEAR(N.y * N.y + N.z * N.z, S.y * S.y + S.z * S.z, 1e-9);
    const long double w = std::atan2(N.z, N.y) - std::atan2(S.z, S.y);
    EXPECT_NEAR(std::fabs(w), std::acos(-1.0L) / 180, 1e-9);
    EXPECT_NE(Aufnahme(), vorher);

    // One switch off releases "alle drehen"; "alle aus" clears the rest.
    Klick("But_Drehen_g");
    EXPECT_FALSE(DrehObjektFlags[1]);
    EXPECT_FALSE(W("But_Drehen_g")->isChecked());
    EXPECT_FALSE(W("AlleDrehEin")->isChecked());
    Klick("AlleDrehAus");
    EXPECT_FALSE(W("But_Drehen_F")->isChecked());
    EXPECT_TRUE(W("AlleDrehAus")->isChecked());

    // The counter turns red from 19 rotations on.
    const QColor schwarz = W<QLabel>("Panel_AnzDreh")->palette().color(QPalette::WindowText);
    for (int i = 2; i <= 19; ++i) Klick("But_GesamtDrehenXmin");
    EXPECT_EQ(W<QLabel>("Panel_AnzDreh")->text(), QStringLiteral("19"));
    EXPECT_EQ(W<QLabel>("Panel_AnzDreh")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_NE(schwarz, QColor(255, 0, 0));
}

TEST_F(Drehleiste_, DauerdrehenLaeuftAufDemTimerBisZumNaechstenKlick) {
    Klick("AlleDrehEin");
    Klick("But_DauerDrehungEinAus");
    EXPECT_TRUE(W("But_DauerDrehungEinAus")->isChecked());
    EXPECT_FALSE(Timer()->isActive());  // armed, nothing turns yet

    Klick("But_GesamtDrehenXplus");
    EXPECT_TRUE(W("But_GesamtDrehenXplus")->isChecked());
    EXPECT_EQ(W("But_GesamtDrehenXplus")->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
    ASSERT_TRUE(Timer()->isActive());
    EXPECT_EQ(Timer()->interval(), 20);

    const QImage anfang = Aufnahme();
    Taktgeber::Vergehen(60);  // three ticks of 1°
    EXPECT_NEAR(static_cast<double>(DrehListe[1].Winkel), 3.0, 1e-9);
    EXPECT_NE(Aufnahme(), anfang);
    EXPECT_EQ(DrehAnzahl, 1);  // one run, one entry

    // The interval bar changes the running timer at once.
    W<QScrollBar>("ScrollBar3")->setValue(50);
    EXPECT_EQ(DrehIntervall, 50);
    EXPECT_EQ(Timer()->interval(), 50);
    EXPECT_EQ(W<QLabel>("Label_DrehIntervall")->text(), QStringLiteral("50"));

    Klick("But_GesamtDrehenXplus");
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_FALSE(W("But_GesamtDrehenXplus")->isChecked());
    EXPECT_TRUE(W("But_DauerDrehungEinAus")->isChecked());  // still armed
    const long double winkel = DrehListe[1].Winkel;
    const QImage halt = Aufnahme();
    Taktgeber::Vergehen(120);
    EXPECT_EQ(DrehListe[1].Winkel, winkel);
    EXPECT_EQ(Aufnahme(), halt);
}

TEST_F(Drehleiste_, RoterPunktDrehtMitAchsenInDieAusgangslage) {
    Klick("But_drehenMit_OhneAchsen");
    EXPECT_TRUE(AchsenMitDrehen);
    EXPECT_EQ(W<QAbstractButton>("But_drehenMit_OhneAchsen")->text(), QStringLiteral("ohne Achsen"));
    EXPECT_FALSE(W("But_GesamtDrehenUmAchse")->isEnabled());
    EXPECT_FALSE(W<QAbstractButton>("BitBtn_EinstDrhAchse")->isEnabled());
    EXPECT_EQ(OhneBeschleuniger(fenster->Drehsteuerung()->Aktion(F.AchsmitObjdreh)->text()),
              QStringLiteral("Achsen nicht mit Objekten drehen"));

    const std::vector<TVek_R3> start = Szenenpunkte();
    const QImage startbild = Aufnahme();
    W<QScrollBar>("ScrollBar1")->setValue(21);  // 1° + 20°
    EXPECT_EQ(W<QLineEdit>("Edit_Drehwinkel")->text(), QStringLiteral("21,0000"));
    Klick("But_GesamtDrehenXplus");
    Klick("But_GesamtDrehenYmin");
    Klick("But_DauerDrehungEinAus");
    Klick("But_GesamtDrehenZplus");
    Taktgeber::Vergehen(60);
    ASSERT_NEAR(std::fabs(static_cast<double>(DrehListe[3].Winkel)), 63.0, 1e-9);
    Klick("But_GesamtDrehenZplus");
    EXPECT_GT(GroessteAbweichung(Szenenpunkte(), start), 1.0L);
    EXPECT_NE(Aufnahme(), startbild);

    Klick("BitBtn_DrehenAufheben");
    EXPECT_EQ(DrehAnzahl, 0);
    EXPECT_FALSE(Timer()->isActive());
    EXPECT_FALSE(W("But_DauerDrehungEinAus")->isChecked());
    EXPECT_LE(GroessteAbweichung(Szenenpunkte(), start), 1e-9L);
    // The same picture, but where a point sits on a pixel boundary.
    const QImage zurueck = Aufnahme();
    ASSERT_EQ(zurueck.size(), startbild.size());
    int anders = 0;
    for (int y = 0; y < zurueck.height(); ++y)
        for (int x = 0; x < zurueck.width(); ++x) anders += zurueck.pixel(x, y) != startbild.pixel(x, y);
    EXPECT_LT(anders, zurueck.width() * zurueck.height() / 500);
}

TEST_F(Drehleiste_, VerdeckteLinienSchaltenUndZeichnenNeu) {
    QToolButton* vdL = W("But_vdL");
    QAction* menue = fenster->Menuepunkt(F.vdL);
    ASSERT_NE(menue, nullptr);
    EXPECT_EQ(OhneBeschleuniger(menue->text()), QStringLiteral("verdeckte Linien beachten   ein"));
    const QImage ohne = Aufnahme();
    const int ohneStrecken = StreckenAnzahl;

    vdL->click();
    EXPECT_TRUE(VerdeckteLinien);
    EXPECT_TRUE(vdL->isChecked());
    EXPECT_EQ(OhneBeschleuniger(menue->text()), QStringLiteral("verdeckte Linien beachten   aus"));
    EXPECT_GT(StreckenAnzahl, ohneStrecken);  // the picture went through the pass
    EXPECT_NE(Aufnahme(), ohne);

    menue->trigger();
    EXPECT_FALSE(VerdeckteLinien);
    EXPECT_FALSE(vdL->isChecked());
    EXPECT_EQ(Aufnahme(), ohne);
}

TEST_F(Drehleiste_, DrehwinkelTastenfilterUndVerlassen) {
    QLineEdit* e = W<QLineEdit>("Edit_Drehwinkel");
    e->setFocus();
    e->clear();
    Tippen(e, Qt::Key_1, QStringLiteral("1"));
    Tippen(e, Qt::Key_Period, QStringLiteral("."));
    Tippen(e, Qt::Key_A, QStringLiteral("a"));
    Tippen(e, Qt::Key_5, QStringLiteral("5"));
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    EXPECT_EQ(Drehwinkel, 1.5L);
    EXPECT_EQ(W<QScrollBar>("ScrollBar1")->value(), 2);

    // Losing the window's focus (a message box) is no exit.
    QFocusEvent fenster(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(e, &fenster);
    EXPECT_EQ(e->text(), QStringLiteral("1,5"));
    QFocusEvent weiter(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(e, &weiter);
    EXPECT_EQ(e->text(), QStringLiteral("1,5000"));
    EXPECT_EQ(e->selectedText(), e->text());

    // Too large: refused on leaving, the last angle comes back.
    e->setText(QString());
    for (const char* z : {"4", "0", "0"}) Tippen(e, Qt::Key_0, QString::fromLatin1(z));
    EXPECT_EQ(Drehwinkel, 40.0L);  // "400" is passed over while typing
    QApplication::sendEvent(e, &weiter);
    EXPECT_EQ(host.LetzteMeldung(), "Geben Sie bitte nur Zahlen z mit\n-360 <= z <= 360     ein!");
    EXPECT_EQ(e->text(), QStringLiteral("40,0000"));

    Klick("But_DrehWinkAuf1");
    EXPECT_EQ(e->text(), QStringLiteral("1,0000"));
    EXPECT_EQ(Drehwinkel, 1.0L);
    EXPECT_FALSE(W("But_DrehWinkAuf1")->isChecked());
}

TEST_F(Drehleiste_, MenueZumDrehenUndAnimationen) {
    Drehleiste* d = fenster->Drehsteuerung();
    QAction* mit = d->Aktion(F.AchsmitObjdreh);
    QAction* strecken = d->Aktion(F.Drehstrein);
    ASSERT_TRUE(mit && strecken && d->Aktion(F.DrStrEinst));
    EXPECT_EQ(mit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_EQ(strecken->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_EQ(OhneBeschleuniger(strecken->text()), QStringLiteral("Drehstrecke aus"));
    EXPECT_TRUE(W("But_DrhStr")->isChecked());
    strecken->trigger();
    EXPECT_FALSE(DrehstreckenZeigen);
    EXPECT_EQ(OhneBeschleuniger(strecken->text()), QStringLiteral("Drehstrecke ein"));
    EXPECT_FALSE(W("But_DrhStr")->isChecked());
    Klick("But_DrhStr");
    EXPECT_TRUE(DrehstreckenZeigen);

    // The animation group opens the window of its item, again on a second click.
    auto* g = fenster->findChild<QGroupBox*>(QStringLiteral("RadioGroup_Animationen"));
    ASSERT_NE(g, nullptr);
    const QList<QRadioButton*> eintraege = g->findChildren<QRadioButton*>();
    ASSERT_EQ(eintraege.size(), 2);
    eintraege[0]->click();
    eintraege[0]->click();
    int gezeigt = 0;
    for (const auto& f : host.Fenster) gezeigt += f.name == "Form_Einst_GeradenAnima" && f.zeigen && f.modal;
    EXPECT_EQ(gezeigt, 2);
    EXPECT_TRUE(eintraege[0]->isChecked());

    mit->trigger();
    EXPECT_TRUE(AchsenMitDrehen);
    EXPECT_EQ(OhneBeschleuniger(mit->text()), QStringLiteral("Achsen nicht mit Objekten drehen"));
}

// The real host: Escape pressed while the hidden-line pass runs reaches the
// application's filter through the pass's poll and ends the pass.
class DrehleisteQtHost : public Drehleiste_ {
protected:
    std::unique_ptr<QtOberflaeche> qt;
    void SetUp() override {
        TestAnwendung();
        qt = std::make_unique<QtOberflaeche>();
        Starten(*qt);
    }
    void TearDown() override {
        Drehleiste_::TearDown();
        qt.reset();
    }
};

TEST_F(DrehleisteQtHost, EscapeBeendetDenVerdecktePass) {
    QToolButton* vdL = W("But_vdL");
    vdL->click();
    ASSERT_TRUE(VerdeckteLinien);
    const QImage ganz = Aufnahme();
    EXPECT_FALSE(qt->Filter().PassLaeuft());

    // A redraw that changes nothing draws the same picture ...
    Klick("But_DrhStr");
    EXPECT_EQ(Aufnahme(), ganz);
    // ... but not with Escape waiting in the queue: the pass's first poll
    // (the queue is looked at every 15 ms at most) finds it and the pass
    // ends there.
    for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease})
        QApplication::postEvent(fenster.get(), new QKeyEvent(t, Qt::Key_Escape, Qt::NoModifier));
    QThread::msleep(20);
    Klick("But_DrhStr");
    EXPECT_FALSE(qt->Filter().PassLaeuft());
    EXPECT_NE(Aufnahme(), ganz);
    Klick("But_DrhStr");
    EXPECT_EQ(Aufnahme(), ganz);
}

}  // namespace
