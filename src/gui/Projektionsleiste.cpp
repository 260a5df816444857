#include "gui/Projektionsleiste.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <optional>

#include "gui/Auffrischen.h"
#include "gui/Bindung.h"
#include "gui/Hauptfensteransicht.h"
#include "gui/Zeitgeber.h"
#include "forms/Hauptfenster.h"

namespace {

constexpr int Zeile = 22;  // height of a row of controls

template <class W>
W* Benannt(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

// A key filter of the core in the form of the edit protocol.
std::function<std::optional<char>(char)> Filter(void (TForm_Edits_01::*filter)(char&)) {
    return [filter](char taste) {
        (Form_Edits_01.*filter)(taste);
        return taste != 0 ? std::optional<char>(taste) : std::nullopt;
    };
}

QLabel* Text(const char* text, QWidget* eltern) { return new QLabel(QString::fromUtf8(text), eltern); }

QWidget* Leer(QWidget* eltern, QHBoxLayout*& reihe, int abstand = 2) {
    auto* w = new QWidget(eltern);
    reihe = Reihe(w, abstand);
    return w;
}

}  // namespace

struct Projektionsleiste::Halten {
    TTimer* T = nullptr;
    Taktgeber* q = nullptr;
    QPointer<QAbstractButton> knopf;  // the button that holds the timer now
    std::function<void()> los;        // its release handler
    bool laeuft = false;              // a tick runs (a message may keep it)
};

Projektionsleiste::Projektionsleiste(QMainWindow& fenster, QWidget* panelRechts, QWidget* client)
    : QObject(&fenster), b_(std::make_unique<Bindungen>()), panelRechts_(panelRechts) {
    TForm_Edits_01& F = Form_Edits_01;
    block_ = Benannt(new QWidget(panelRechts), "Projektionsblock");
    auto* spalte = new QVBoxLayout(block_);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(3);

    auto schnell = [this](TSpeedButton& k, const char* name, QWidget* eltern, int breite = 0) {
        QToolButton* w = Benannt(b_->Schnellknopf(k, {}, eltern), name);
        w->setToolButtonStyle(Qt::ToolButtonTextOnly);
        w->setFixedHeight(Zeile);
        if (breite > 0) w->setFixedWidth(breite);
        return w;
    };
    auto feld = [this](TEdit& e, FeldEreignisse ev, const char* name, QWidget* eltern) {
        QLineEdit* w = Benannt(b_->Feld(e, std::move(ev), eltern), name);
        w->setFixedHeight(Zeile);
        w->setMinimumWidth(44);
        w->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Numbers look the same unshaped, and a held button rewrites one of
        // these fields at every step; the rest of the font is the parent's.
        QFont ungeformt;
        ungeformt.setStyleStrategy(QFont::PreferNoShaping);
        w->setFont(ungeformt);
        return w;
    };
    auto anzeige = [this](TPanel& p, const char* name, QWidget* eltern, int breite) {
        QLabel* w = Benannt(b_->Anzeige(p, eltern), name);
        w->setFixedSize(breite, Zeile - 2);
        return w;
    };
    auto rollbalken = [this](TScrollBar& s, const char* name, QWidget* eltern) {
        QScrollBar* w = Benannt(b_->Rollbalken(s, Qt::Horizontal, eltern), name);
        w->setFocusPolicy(Qt::NoFocus);
        w->setFixedHeight(17);
        w->setMinimumWidth(60);
        return w;
    };

    // ---- Projection kind and "V"; the picture plane.
    {
        QHBoxLayout* r;
        QWidget* w = Leer(block_, r, 4);
        r->addWidget(Benannt(b_->Ankreuzfeld(F.CheckBox_ZP, {}, w), "CheckBox_ZP"));
        r->addStretch(1);
        r->addWidget(schnell(F.SpeedButton1, "SpeedButton1", w, 24));
        spalte->addWidget(w);
    }
    {
        QHBoxLayout* r;
        QWidget* w = Leer(block_, r);
        r->addWidget(Text("Ebene:", w));
        r->addWidget(schnell(F.But_xz, "But_xz", w, 28));
        r->addWidget(schnell(F.But_yz, "But_yz", w, 28));
        r->addWidget(schnell(F.But_xy, "But_xy", w, 28));
        r->addStretch(1);
        spalte->addWidget(w);
    }
    // ---- Eye point (central) or direction (parallel): an edit and two
    // held step buttons per coordinate. The parallel group begins with the
    // ready-made projections ("Proj-Art", PopupMenu4) and ends with the
    // angle of the receding axis.
    const char* const Achsen[3] = {"x", "y", "z"};
    auto koordinaten = [&](const char* titel, const char* name, bool zentral) {
        auto* gruppe = Benannt(new QWidget(block_), name);
        auto* v = new QVBoxLayout(gruppe);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(2);
        if (!zentral) {
            QHBoxLayout* r;
            QWidget* w = Leer(gruppe, r, 4);
            QToolButton* art = schnell(F.But_ProjArt, "But_ProjArt", w);
            auto* menue = new QMenu(art);
            menue->setObjectName(QStringLiteral("PopupMenu4"));
            for (TMenuItem* m : {&F.KavaProj_2, &F.KavaProj_3, &F.KavaProj_4, &F.Grundriss1, &F.Kreuzriss1, &F.Aufriss1})
                b_->Menuepunkt(*m, menue);
            art->setMenu(menue);
            art->setPopupMode(QToolButton::InstantPopup);
            r->addWidget(art);
            r->addWidget(Benannt(b_->Beschriftung(F.Label_ProjArt, w), "Label_ProjArt"), 1);
            v->addWidget(w);
        }
        v->addWidget(Text(titel, gruppe));
        auto* w = new QWidget(gruppe);
        auto* g = new QGridLayout(w);
        g->setContentsMargins(0, 0, 0, 0);
        g->setHorizontalSpacing(2);
        g->setVerticalSpacing(2);
        for (int k = 1; k <= 3; ++k) {
            g->addWidget(Text(Achsen[k - 1], w), k, 0);
            FeldEreignisse ev;
            if (zentral) {
                ev.Taste = Filter(&TForm_Edits_01::Edit_FPKeyPress);
                ev.Verlassen = [k] { Form_Edits_01.Edit_FPExit(k); };
            } else {
                ev.Taste = Filter(&TForm_Edits_01::Edit_ProjKeyPress);
                ev.Verlassen = [k] { Form_Edits_01.Edit_ProjExit(k); };
            }
            TEdit& e = zentral ? F.Edit_FP(k) : F.Edit_Proj(k);
            const std::string n = (zentral ? "Edit_FP" : "Edit_Proj") + std::string(Achsen[k - 1]);
            g->addWidget(feld(e, std::move(ev), n.c_str(), w), k, 1);
            for (int s = 0; s < 2; ++s) {
                const Byte taste = static_cast<Byte>(2 * k - 1 + s);
                TSpeedButton& b = zentral ? F.ButFP(taste) : F.ButProjRicht(taste);
                const std::string bn = (zentral ? "ButFP" : "ButProjRicht") + std::string(Achsen[k - 1]) +
                                       (s == 0 ? "Pl" : "Min");
                QToolButton* knopf = schnell(b, bn.c_str(), w, 24);
                Haltbar(b, knopf, zentral ? F.Timer4 : F.Timer5);
                g->addWidget(knopf, k, 2 + s);
            }
        }
        g->setColumnStretch(1, 1);
        v->addWidget(w);
        if (!zentral) {
            QHBoxLayout* r;
            QWidget* a = Leer(gruppe, r, 4);
            r->addWidget(Benannt(b_->Beschriftung(F.Label_Grad_xy, a), "Label_Grad_xy"));
            r->addWidget(anzeige(F.Panel_Gradxy, "Panel_Gradxy", a, 56));
            r->addStretch(1);
            v->addWidget(a);
        }
        spalte->addWidget(gruppe);
        return gruppe;
    };
    zentral_ = koordinaten("Fluchtpunkt:", "Fluchtpunkt", true);
    parallel_ = koordinaten("Projektionsrichtung:", "Projektionsrichtung", false);
    // ---- Presets and axis factors.
    {
        QHBoxLayout* r;
        QWidget* w = Leer(block_, r);
        r->addWidget(Text("Vorgabe:", w));
        const struct { TSpeedButton* b; const char* name; } vorg[] = {
            {&F.ButVorg1, "ButVorg1"}, {&F.ButVorg2, "ButVorg2"}, {&F.ButVorg3, "ButVorg3"}};
        for (const auto& v : vorg) {
            QToolButton* k = schnell(*v.b, v.name, w);
            k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            r->addWidget(k, 1);
        }
        spalte->addWidget(w);
    }
    {
        QHBoxLayout* r;
        QWidget* w = Leer(block_, r, 3);
        r->addWidget(Benannt(b_->Beschriftung(F.Label15, w), "Label15"));
        const auto faktor = [&](TEdit& e, const char* name) {
            FeldEreignisse ev;
            ev.Taste = Filter(&TForm_Edits_01::Edit_SkalFKeyPress);
            r->addWidget(feld(e, std::move(ev), name, w), 1);
        };
        faktor(F.Edit_SkalF_1, "Edit_SkalF_1");
        faktor(F.Edit_SkalF_2, "Edit_SkalF_2");
        r->addWidget(Benannt(b_->Beschriftung(F.Label17, w), "Label17"));
        spalte->addWidget(w);
    }
    // ---- Shift of the central picture plane and its step.
    {
        QHBoxLayout* r;
        verschiebung_ = Benannt(Leer(block_, r), "Ebenenverschiebung");
        QWidget* w = verschiebung_;
        r->addWidget(Text("Versch.:", w));
        for (TSpeedButton* k : {&F.ProjEbMin, &F.ProjEbPlus}) {
            QToolButton* knopf = schnell(*k, k == &F.ProjEbMin ? "ProjEbMin" : "ProjEbPlus", w, 22);
            Haltbar(*k, knopf, F.Timer6);
            r->addWidget(knopf);
            if (k == &F.ProjEbMin) r->addWidget(schnell(F.ProjEbStart, "ProjEbStart", w, 22));
        }
        r->addWidget(anzeige(F.Panel_VerschProjEb, "Panel_VerschProjEb", w, 34), 1);
        // The core opens the step box level with the button: it learns the
        // button's place when it is clicked (the layout has settled then).
        QToolButton* schritt = Benannt(b_->Schnellknopf(F.But_VerschProjEb, [this] {
                                           TForm_Edits_01& G = Form_Edits_01;
                                           G.But_VerschProjEb.Top = verschKnopf_->mapTo(panelRechts_, QPoint(0, 0)).y();
                                           G.But_VerschProjEb.Click();
                                       }, w),
                                       "But_VerschProjEb");
        schritt->setToolButtonStyle(Qt::ToolButtonTextOnly);
        schritt->setFixedSize(28, Zeile);
        verschKnopf_ = schritt;
        r->addWidget(schritt);
        spalte->addWidget(w);
        QComboBox* box = Benannt(b_->Auswahl(F.ComboBox1, {}, client), "ComboBox1");
        box->setFixedSize(F.ComboBox1.Width, F.ComboBox1.Height);
        auswahl_ = box;
    }
    // ---- Zoom and axis length.
    {
        QHBoxLayout* r;
        QWidget* w = Leer(block_, r, 3);
        r->addWidget(Text("Zoom:", w));
        r->addWidget(rollbalken(F.ScrollBar2, "ScrollBar2", w), 1);
        r->addWidget(anzeige(F.Panel_ZoomFaktAnz, "Panel_ZoomFaktAnz", w, 36));
        spalte->addWidget(w);
        QWidget* a = Leer(block_, r, 3);
        r->addWidget(Text("Achsen:", a));
        r->addWidget(rollbalken(F.ScrollBar4, "ScrollBar4", a), 1);
        spalte->addWidget(a);
    }
    // ---- Picture shift: a click moves it a step, holding moves it on.
    {
        QHBoxLayout* r;
        QWidget* w = Leer(block_, r);
        r->addWidget(Text("Bild:", w));
        const struct { TButton* b; QStyle::StandardPixmap symbol; const char* name; } pfeile[] = {
            {&F.BitBtn_VL, QStyle::SP_ArrowLeft, "BitBtn_VL"},
            {&F.BitBtn_VR, QStyle::SP_ArrowRight, "BitBtn_VR"},
            {&F.BitBtn_VO, QStyle::SP_ArrowUp, "BitBtn_VO"},
            {&F.BitBtn_VU, QStyle::SP_ArrowDown, "BitBtn_VU"}};
        for (const auto& p : pfeile) {
            QToolButton* k = Benannt(b_->Symbolknopf(*p.b, fenster.style()->standardIcon(p.symbol), {}, w), p.name);
            k->setFocusPolicy(Qt::NoFocus);
            k->setFixedSize(Zeile + 4, Zeile);
            Haltbar(*p.b, k, F.Timer2);
            r->addWidget(k);
        }
        r->addStretch(1);
        spalte->addWidget(w);
    }
    // ---- View resets and the left panel.
    {
        QHBoxLayout* r;
        QWidget* w = Leer(block_, r);
        for (TButton* k : {&F.But_Back, &F.BitBtn1}) {
            QPushButton* p = Benannt(b_->Knopf(*k, {}, w), k == &F.But_Back ? "But_Back" : "BitBtn1");
            p->setFocusPolicy(Qt::NoFocus);
            p->setFixedHeight(Zeile + 2);
            r->addWidget(p, 1);
        }
        spalte->addWidget(w);
        spalte->addWidget(schnell(F.But_SchnittAngabenEinAus, "But_SchnittAngabenEinAus", block_));
    }

    qApp->installEventFilter(this);
    Auffrischen();
}

Projektionsleiste::~Projektionsleiste() = default;

template <class K>
void Projektionsleiste::Haltbar(K& k, QAbstractButton* w, TTimer& T) {
    Halten* h = nullptr;
    for (const auto& x : halten_)
        if (x->T == &T) h = x.get();
    if (!h) {
        halten_.push_back(std::make_unique<Halten>());
        h = halten_.back().get();
        h->T = &T;
        h->q = new Taktgeber(this);
        connect(h->q, &QTimer::timeout, this, [this, h] { Tick(*h); });
    }
    connect(w, &QAbstractButton::pressed, this, [h, &k, w] {
        h->knopf = w;
        h->los = [&k] {
            if (k.OnMouseUp) k.OnMouseUp();
        };
        Benutzeraktion([&k] {
            if (k.OnMouseDown) k.OnMouseDown();
        });
    });
    connect(w, &QAbstractButton::released, this, [this, h, w] {
        if (h->knopf == w) Loslassen(*h);
    });
}

void Projektionsleiste::Loslassen(Halten& h) {
    const std::function<void()> los = std::move(h.los);
    h.los = nullptr;
    // A release that went to a message box never reached the button: it
    // would stay pressed.
    if (h.knopf && h.knopf->isDown()) h.knopf->setDown(false);
    h.knopf = nullptr;
    if (los) Benutzeraktion(los);
    ZeitgeberAbgleichen(*h.T, h.q);
}

void Projektionsleiste::Tick(Halten& h) {
    if (!h.T->Laeuft()) {
        h.q->stop();
        return;
    }
    // A tick whose predecessor still runs (its message is open) is dropped.
    if (h.laeuft) return;
    // Only a button still held may step: after a message box, or with the
    // mouse slid off the button, the holding is over.
    if (!h.knopf || !h.knopf->isDown() || QApplication::activeModalWidget()) {
        Loslassen(h);
        return;
    }
    h.laeuft = true;
    Benutzeraktion([&h] {
        if (h.T->OnTimer) h.T->OnTimer();
    });
    h.laeuft = false;
    ZeitgeberAbgleichen(*h.T, h.q);
}

bool Projektionsleiste::eventFilter(QObject* ziel, QEvent* e) {
    // A release from the window system passes the window (a QWindow) on its
    // way to the button: only a widget other than the button ends the
    // holding, or the button would never see its click.
    if (e->type() == QEvent::MouseButtonRelease && ziel->isWidgetType() &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton)
        for (const auto& h : halten_)
            if (h->knopf && h->knopf != ziel) Loslassen(*h);
    return QObject::eventFilter(ziel, e);
}

QAction* Projektionsleiste::Aktion(const TMenuItem& m) const { return b_->Aktion(m); }

QTimer* Projektionsleiste::Zeitgeber(const TTimer& t) const {
    for (const auto& h : halten_)
        if (h->T == &t) return h->q;
    return nullptr;
}

void Projektionsleiste::Auffrischen() {
    TForm_Edits_01& F = Form_Edits_01;
    b_->Auffrischen();
    // The groups without a component of their own follow their controls.
    if (zentral_ && zentral_->isHidden() == F.Edit_FPx.Visible) zentral_->setVisible(F.Edit_FPx.Visible);
    if (parallel_ && parallel_->isHidden() == F.Edit_Projx.Visible) parallel_->setVisible(F.Edit_Projx.Visible);
    if (verschiebung_ && verschiebung_->isHidden() == F.ProjEbMin.Visible) verschiebung_->setVisible(F.ProjEbMin.Visible);
    for (const auto& h : halten_) ZeitgeberAbgleichen(*h->T, h->q);
    if (auto* box = qobject_cast<QComboBox*>(auswahl_)) {
        const QPoint soll(F.ComboBox1.Left, F.ComboBox1.Top);
        if (box->pos() != soll) box->move(soll);
        if (F.ComboBox1.Visible) box->raise();
        // Shown, its list opens at once: the user came to choose.
        if (F.ComboBox1.Visible && !auswahlOffen_) {
            QPointer<QComboBox> wache(box);
            QTimer::singleShot(0, box, [wache] {
                if (wache && wache->isVisible()) wache->showPopup();
            });
        }
        auswahlOffen_ = F.ComboBox1.Visible;
    }
}
