#include "gui/Drehleiste.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <QTimer>

#include "gui/Auffrischen.h"
#include "gui/Bedienelemente.h"
#include "mainwindow/Hauptfenster.h"

namespace {

constexpr int KnopfHoehe = 24;
constexpr int SchalterHoehe = 15;   // the rows of Panel_oben
constexpr int BlockHoehe = 104;     // the block at the foot of Panel_rechts
constexpr int UndoLeiste = 34;      // the undo bar below it, with its margin

// The core writes shortcuts as the German menus show them ("Strg+A").
QKeySequence Kuerzel(const std::string& s) {
    QString t = QtText(s);
    t.replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"));
    t.replace(QStringLiteral("Umschalt"), QStringLiteral("Shift"));
    return QKeySequence::fromString(t, QKeySequence::PortableText);
}

// The red dot of BitBtn_DrehenAufheben.
QIcon RoterPunkt() {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(128, 0, 0), 1));
    m.setBrush(QColor(230, 0, 0));
    m.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    return QIcon(p);
}

// But_vdL: a box whose hidden edges are dotted.
QIcon VerdeckteKanten() {
    QPixmap p(18, 18);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setPen(QPen(Qt::black, 1));
    m.drawRect(1, 6, 10, 10);              // front face
    m.drawLine(1, 6, 6, 1);
    m.drawLine(11, 6, 16, 1);
    m.drawLine(11, 16, 16, 11);
    m.drawLine(6, 1, 16, 1);
    m.drawLine(16, 1, 16, 11);
    m.setPen(QPen(Qt::black, 1, Qt::DotLine));
    m.drawLine(6, 1, 6, 11);               // the hidden corner
    m.drawLine(6, 11, 16, 11);
    m.drawLine(6, 11, 1, 16);
    return QIcon(p);
}

QHBoxLayout* Reihe(QWidget* w, int abstand) {
    auto* r = new QHBoxLayout(w);
    r->setContentsMargins(0, 0, 0, 0);
    r->setSpacing(abstand);
    return r;
}

}  // namespace

Drehleiste::Drehleiste(QMainWindow& fenster, QWidget* panelOben, QWidget* panelObenA, QWidget* panelRechts)
    : QObject(&fenster), panelRechts_(panelRechts) {
    TForm_Edits_01& F = Form_Edits_01;

    auto tempo = [this](TSpeedButton& b, const char* name, QWidget* eltern, int hoehe) {
        auto* w = new Tempoknopf(b, name, eltern);
        w->setFixedHeight(hoehe);
        w->setToolButtonStyle(Qt::ToolButtonTextOnly);
        tempoknoepfe_.push_back(w);
        return w;
    };
    auto knopf = [this](TButton& b, const char* name, QWidget* eltern) {
        auto* w = new Knopf(b, name, eltern);
        w->setFixedHeight(KnopfHoehe);
        w->setFocusPolicy(Qt::NoFocus);
        knoepfe_.push_back(w);
        return w;
    };

    // ---- Panel_oben: the rotate switches, each as narrow as its caption.
    {
        auto* spalte = new QVBoxLayout(panelOben);
        spalte->setContentsMargins(3, 1, 3, 1);
        spalte->setSpacing(1);
        spalte->addStretch(1);
        auto* zeile = new QWidget(panelOben);
        zeile->setObjectName(QStringLiteral("Drehschalter"));
        QFont klein = zeile->font();
        klein.setPixelSize(10);
        zeile->setFont(klein);
        auto* r = Reihe(zeile, 1);
        static const char* const Namen[30] = {
            "But_Drehen_g",   "But_Drehen_h",   "But_Drehen_t",   "But_Drehen_E1",  "But_Drehen_E2",
            "But_Drehen_SP1", "But_Drehen_SP2", "But_Drehen_SP3", "But_Drehen_SP4", "But_Drehen_V1",
            "But_Drehen_V2",  "But_Drehen_V3",  "But_Drehen_V4",  "But_Drehen_S1",  "But_Drehen_S2",
            "But_Drehen_S3",  "But_Drehen_S4",  "But_Drehen_P1",  "But_Drehen_P2",  "But_Drehen_P3",
            "But_Drehen_P4",  "But_Drehen_K1",  "But_Drehen_K2",  "But_Drehen_K3",  "But_Drehen_K4",
            "But_Drehen_Ke1", "But_Drehen_Ke2", "But_Drehen_Ke3", "But_Drehen_Ke4", "But_Drehen_F"};
        for (int nr = 1; nr <= 30; ++nr) {
            Tempoknopf* w = tempo(F.But_Drehen(nr), Namen[nr - 1], zeile, SchalterHoehe);
            w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            w->setMinimumWidth(20);
            r->addWidget(w, 1);
        }
        r->addSpacing(8);
        r->addWidget(tempo(F.AlleDrehEin, "AlleDrehEin", zeile, SchalterHoehe));
        r->addWidget(tempo(F.AlleDrehAus, "AlleDrehAus", zeile, SchalterHoehe));
        spalte->addWidget(zeile);
    }

    // ---- Panel_oben_a: rotation buttons, continuous rotation, red dot and
    // counter, mode, step angle; the hidden-line button at the right end.
    {
        auto* r = new QHBoxLayout(panelObenA);
        r->setContentsMargins(4, 2, 4, 2);
        r->setSpacing(2);
        const struct { TSpeedButton* b; const char* name; } richtungen[] = {
            {&F.But_GesamtDrehenXmin, "But_GesamtDrehenXmin"},   {&F.But_GesamtDrehenXplus, "But_GesamtDrehenXplus"},
            {&F.But_GesamtDrehenYmin, "But_GesamtDrehenYmin"},   {&F.But_GesamtDrehenYplus, "But_GesamtDrehenYplus"},
            {&F.But_GesamtDrehenZmin, "But_GesamtDrehenZmin"},   {&F.But_GesamtDrehenZplus, "But_GesamtDrehenZplus"},
            {&F.But_GesamtDrehenUmAchse, "But_GesamtDrehenUmAchse"},
        };
        for (const auto& k : richtungen) {
            Tempoknopf* w = tempo(*k.b, k.name, panelObenA, KnopfHoehe);
            w->setMinimumWidth(26);
            r->addWidget(w);
        }
        r->addSpacing(8);
        r->addWidget(tempo(F.But_DauerDrehungEinAus, "But_DauerDrehungEinAus", panelObenA, KnopfHoehe));
        Knopf* punkt = knopf(F.BitBtn_DrehenAufheben, "BitBtn_DrehenAufheben", panelObenA);
        punkt->setIcon(RoterPunkt());
        punkt->setFixedWidth(KnopfHoehe + 4);
        r->addWidget(punkt);
        auto* anzahl = new Anzeigefeld(F.Panel_AnzDreh, "Panel_AnzDreh", panelObenA);
        anzahl->setFixedSize(28, KnopfHoehe - 2);
        anzeigen_.push_back(anzahl);
        r->addWidget(anzahl);
        r->addSpacing(8);
        r->addWidget(knopf(F.But_drehenMit_OhneAchsen, "But_drehenMit_OhneAchsen", panelObenA));
        r->addWidget(knopf(F.BitBtn_EinstDrhAchse, "BitBtn_EinstDrhAchse", panelObenA));
        r->addSpacing(8);
        drehwinkel_ = new Editfeld(
            F.Edit_Drehwinkel, "Edit_Drehwinkel", panelObenA,
            [](char& taste) { Form_Edits_01.Edit_DrehwinkelKeyPress(taste); },
            [] { Form_Edits_01.Edit_DrehwinkelExit(); });
        drehwinkel_->setFixedSize(64, KnopfHoehe - 2);
        drehwinkel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        r->addWidget(drehwinkel_);
        Tempoknopf* eins = tempo(F.But_DrehWinkAuf1, "But_DrehWinkAuf1", panelObenA, KnopfHoehe);
        eins->setFixedWidth(22);
        r->addWidget(eins);
        auto* winkel = new Rollbalken(F.ScrollBar1, "ScrollBar1", panelObenA);
        winkel->setMinimumWidth(90);
        winkel->setFixedHeight(17);
        rollbalken_.push_back(winkel);
        r->addWidget(winkel, 1);
        r->addSpacing(8);
        vdL_ = tempo(F.But_vdL, "But_vdL", panelObenA, KnopfHoehe);
        vdL_->setIcon(VerdeckteKanten());
        vdL_->setToolButtonStyle(Qt::ToolButtonIconOnly);
        vdL_->setFixedWidth(KnopfHoehe + 4);
        r->addWidget(vdL_);
    }

    // ---- Panel_rechts, foot: rotation segments, interval, animations.
    if (panelRechts_) {
        rechterBlock_ = new QWidget(panelRechts_);
        rechterBlock_->setObjectName(QStringLiteral("Drehblock"));
        auto* spalte = new QVBoxLayout(rechterBlock_);
        spalte->setContentsMargins(0, 0, 0, 0);
        spalte->setSpacing(3);
        auto* oben = new QWidget(rechterBlock_);
        auto* r = Reihe(oben, 4);
        r->addWidget(tempo(F.But_DrhStr, "But_DrhStr", oben, KnopfHoehe));
        r->addStretch(1);
        spalte->addWidget(oben);
        auto* mitte = new QWidget(rechterBlock_);
        auto* m = Reihe(mitte, 4);
        auto* intervall = new Rollbalken(F.ScrollBar3, "ScrollBar3", mitte);
        intervall->setFixedHeight(17);
        rollbalken_.push_back(intervall);
        m->addWidget(intervall, 1);
        auto* ms = new Anzeigefeld(F.Label_DrehIntervall, "Label_DrehIntervall", mitte);
        ms->setMinimumWidth(36);
        ms->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        anzeigen_.push_back(ms);
        m->addWidget(ms);
        spalte->addWidget(mitte);
        animationen_ = new Auswahlgruppe(F.RadioGroup_Animationen, "RadioGroup_Animationen", rechterBlock_, 2);
        spalte->addWidget(animationen_);
        spalte->addStretch(1);
    }

    // ---- Menu "zum Drehen".
    QMenu* drehen = fenster.menuBar()->addMenu(QStringLiteral("zum Drehen"));
    for (TMenuItem* item : {&F.AchsmitObjdreh, &F.Drehstrein, &F.DrStrEinst}) {
        QAction* a = drehen->addAction(QtText(item->Caption));
        if (!item->ShortCut.empty()) a->setShortcut(Kuerzel(item->ShortCut));
        connect(a, &QAction::triggered, this, [item] { Benutzeraktion([item] { item->Click(); }); });
        menue_.push_back({item, a});
    }

    // ---- Timer1: runs while the core's Timer1 runs; every tick is a user action.
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    connect(timer1_, &QTimer::timeout, this, [this] { Tick(); });

    Auffrischen();
}

void Drehleiste::Tick() {
    Benutzeraktion([] {
        TTimer& t = Form_Edits_01.Timer1;
        if (t.Laeuft() && t.OnTimer) t.OnTimer();
    });
    // Without a visible window no refresh came: the timer follows the core anyway.
    TimerAbgleichen();
}

QAction* Drehleiste::Aktion(const TMenuItem& m) const {
    for (const MenueEintrag& e : menue_)
        if (e.item == &m) return e.aktion;
    return nullptr;
}

void Drehleiste::Auffrischen() {
    const TForm_Edits_01& F = Form_Edits_01;
    for (Tempoknopf* w : tempoknoepfe_) w->Auffrischen();
    for (Knopf* w : knoepfe_) w->Auffrischen();
    for (Rollbalken* w : rollbalken_) w->Auffrischen();
    for (Anzeigefeld* w : anzeigen_) w->Auffrischen();
    if (drehwinkel_) drehwinkel_->Auffrischen();
    if (animationen_) animationen_->Auffrischen();
    // The hidden-line button has no text of its own: its tip is the menu's.
    if (vdL_ && F.But_vdL.Hint.empty()) vdL_->setToolTip(QtText(F.vdL.Caption));
    for (const MenueEintrag& m : menue_) {
        const QSignalBlocker s(m.aktion);
        const QString t = QtText(m.item->Caption);
        if (m.aktion->text() != t) m.aktion->setText(t);
        m.aktion->setEnabled(m.item->Enabled);
        m.aktion->setVisible(m.item->Visible);
    }
    if (rechterBlock_ && panelRechts_) {
        const int breite = panelRechts_->width() - 8;
        const int oben = panelRechts_->height() - UndoLeiste - 6 - BlockHoehe;
        const QRect soll(4, oben, breite, BlockHoehe);
        if (rechterBlock_->geometry() != soll) rechterBlock_->setGeometry(soll);
    }
    TimerAbgleichen();
}

void Drehleiste::TimerAbgleichen() {
    const TTimer& t = Form_Edits_01.Timer1;
    if (t.Laeuft()) {
        if (!timer1_->isActive() || timer1_->interval() != t.Interval) timer1_->start(t.Interval);
    } else if (timer1_->isActive()) {
        timer1_->stop();
    }
}
