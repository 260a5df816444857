#include "gui/Drehleiste.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QBoxLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include "gui/Bindung.h"
#include "gui/Hauptfensteransicht.h"
#include "forms/Hauptfenster.h"

namespace {

constexpr int KnopfHoehe = 24;
constexpr int SchalterHoehe = 15;   // the rows of Panel_oben

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

// The rotation angle's key filter in the form of the edit protocol.
std::optional<char> DrehwinkelTaste(char taste) {
    Form_Edits_01.Edit_DrehwinkelKeyPress(taste);
    return taste != 0 ? std::optional<char>(taste) : std::nullopt;
}

// Tests find the main window's controls by the names of their components.
template <class W>
W* Benannt(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

}  // namespace

Drehleiste::Drehleiste(QMainWindow& fenster, QWidget* panelOben, QWidget* panelObenA, QWidget* panelRechts)
    : QObject(&fenster), b_(std::make_unique<Bindungen>()) {
    TForm_Edits_01& F = Form_Edits_01;

    auto tempo = [this](TSpeedButton& b, const char* name, QWidget* eltern, int hoehe) {
        QToolButton* w = Benannt(b_->Schnellknopf(b, {}, eltern), name);
        w->setFixedHeight(hoehe);
        w->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return w;
    };
    auto knopf = [this](TButton& b, const char* name, QWidget* eltern) {
        QPushButton* w = Benannt(b_->Knopf(b, {}, eltern), name);
        w->setFixedHeight(KnopfHoehe);
        w->setFocusPolicy(Qt::NoFocus);
        return w;
    };
    auto rollbalken = [this](TScrollBar& s, const char* name, QWidget* eltern) {
        QScrollBar* w = Benannt(b_->Rollbalken(s, Qt::Horizontal, eltern), name);
        w->setFocusPolicy(Qt::NoFocus);
        w->setFixedHeight(17);
        return w;
    };

    // ---- Panel_oben: the rotate switches, each as narrow as its caption.
    {
        QHBoxLayout* r = Schalterzeile(panelOben, "Drehschalter", false);
        QWidget* zeile = r->parentWidget();
        static const char* const Namen[30] = {
            "But_Drehen_g",   "But_Drehen_h",   "But_Drehen_t",   "But_Drehen_E1",  "But_Drehen_E2",
            "But_Drehen_SP1", "But_Drehen_SP2", "But_Drehen_SP3", "But_Drehen_SP4", "But_Drehen_V1",
            "But_Drehen_V2",  "But_Drehen_V3",  "But_Drehen_V4",  "But_Drehen_S1",  "But_Drehen_S2",
            "But_Drehen_S3",  "But_Drehen_S4",  "But_Drehen_P1",  "But_Drehen_P2",  "But_Drehen_P3",
            "But_Drehen_P4",  "But_Drehen_K1",  "But_Drehen_K2",  "But_Drehen_K3",  "But_Drehen_K4",
            "But_Drehen_Ke1", "But_Drehen_Ke2", "But_Drehen_Ke3", "But_Drehen_Ke4", "But_Drehen_F"};
        for (int nr = 1; nr <= 30; ++nr) {
            QToolButton* w = tempo(F.But_Drehen(nr), Namen[nr - 1], zeile, SchalterHoehe);
            w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            w->setMinimumWidth(20);
            r->addWidget(w, 1);
        }
        r->addSpacing(8);
        r->addWidget(tempo(F.AlleDrehEin, "AlleDrehEin", zeile, SchalterHoehe));
        r->addWidget(tempo(F.AlleDrehAus, "AlleDrehAus", zeile, SchalterHoehe));
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
            QToolButton* w = tempo(*k.b, k.name, panelObenA, KnopfHoehe);
            // Never narrower than its caption ("Achse").
            w->setMinimumWidth(std::max(26, w->fontMetrics().horizontalAdvance(w->text()) + 6));
            r->addWidget(w);
        }
        r->addSpacing(3);
        QToolButton* dauer = tempo(F.But_DauerDrehungEinAus, "But_DauerDrehungEinAus", panelObenA, KnopfHoehe);
        dauer->setMinimumWidth(dauer->fontMetrics().horizontalAdvance(dauer->text()) + 10);
        r->addWidget(dauer);
        QPushButton* punkt = knopf(F.BitBtn_DrehenAufheben, "BitBtn_DrehenAufheben", panelObenA);
        punkt->setIcon(RoterPunkt());
        punkt->setFixedWidth(KnopfHoehe + 4);
        r->addWidget(punkt);
        QLabel* anzahl = Benannt(b_->Anzeige(F.Panel_AnzDreh, panelObenA), "Panel_AnzDreh");
        anzahl->setFixedSize(28, KnopfHoehe - 2);
        r->addWidget(anzahl);
        r->addSpacing(3);
        // On a narrow window these give up their padding before the
        // step bar gets too short to use.
        for (auto [b, name] : {std::pair{&F.But_drehenMit_OhneAchsen, "But_drehenMit_OhneAchsen"},
                               std::pair{&F.BitBtn_EinstDrhAchse, "BitBtn_EinstDrhAchse"}}) {
            QPushButton* w = knopf(*b, name, panelObenA);
            w->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
            w->setMinimumWidth(w->fontMetrics().horizontalAdvance(w->text()) + 12);
            r->addWidget(w);
        }
        r->addSpacing(3);
        FeldEreignisse winkel;
        winkel.Taste = DrehwinkelTaste;
        winkel.Verlassen = [] { Form_Edits_01.Edit_DrehwinkelExit(); };
        QLineEdit* drehwinkel = Benannt(b_->Feld(F.Edit_Drehwinkel, std::move(winkel), panelObenA), "Edit_Drehwinkel");
        drehwinkel->setFixedSize(64, KnopfHoehe - 2);
        drehwinkel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        r->addWidget(drehwinkel);
        QToolButton* eins = tempo(F.But_DrehWinkAuf1, "But_DrehWinkAuf1", panelObenA, KnopfHoehe);
        eins->setFixedWidth(22);
        r->addWidget(eins);
        QScrollBar* schritt = rollbalken(F.ScrollBar1, "ScrollBar1", panelObenA);
        schritt->setMinimumWidth(90);
        r->addWidget(schritt, 1);
        r->addSpacing(3);
        vdL_ = tempo(F.But_vdL, "But_vdL", panelObenA, KnopfHoehe);
        vdL_->setIcon(VerdeckteKanten());
        vdL_->setToolButtonStyle(Qt::ToolButtonIconOnly);
        vdL_->setFixedWidth(KnopfHoehe + 4);
        r->addWidget(vdL_);
    }

    // ---- Panel_rechts, foot: rotation segments, interval, animations.
    if (panelRechts) {
        rechterBlock_ = new QWidget(panelRechts);
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
        m->addWidget(rollbalken(F.ScrollBar3, "ScrollBar3", mitte), 1);
        QLabel* ms = Benannt(b_->Beschriftung(F.Label_DrehIntervall, mitte), "Label_DrehIntervall");
        ms->setMinimumWidth(36);
        ms->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m->addWidget(ms);
        spalte->addWidget(mitte);
        // The group opens the window of its item, again when it is chosen already.
        spalte->addWidget(Benannt(b_->Radiogruppe(F.RadioGroup_Animationen, {.Spalten = 2, .Wiederholen = true, .Fokus = false},
                                                  {}, rechterBlock_),
                                  "RadioGroup_Animationen"));
    }

    // ---- Menu "zum Drehen".
    QMenu* drehen = fenster.menuBar()->addMenu(QStringLiteral("zum Drehen"));
    for (TMenuItem* item : {&F.AchsmitObjdreh, &F.Drehstrein, &F.DrStrEinst}) b_->Menuepunkt(*item, drehen);

    // ---- Timer1: runs while the core's Timer1 runs; every tick is a user action.
    timer1_ = b_->Zeitgeber(F.Timer1, this);
    timer1_->setObjectName(QStringLiteral("Timer1"));

    Auffrischen();
}

Drehleiste::~Drehleiste() = default;

QAction* Drehleiste::Aktion(const TMenuItem& m) const { return b_->Aktion(m); }

void Drehleiste::Auffrischen() {
    const TForm_Edits_01& F = Form_Edits_01;
    b_->Auffrischen();
    // The hidden-line button has no text of its own: its tip is the menu's.
    if (vdL_ && F.But_vdL.Hint.empty()) {
        const QString tip = QtText(F.vdL.Caption);
        if (vdL_->toolTip() != tip) vdL_->setToolTip(tip);
    }
}
