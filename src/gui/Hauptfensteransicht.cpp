#include "gui/Hauptfensteransicht.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <QApplication>
#include <algorithm>

#include "gui/Bindung.h"
#include "gui/Beschleuniger.h"
#include "gui/Bildermenue.h"
#include "gui/DateiMenue.h"
#include "gui/Datenausgabeansicht.h"
#include "gui/Objektleiste.h"
#include "gui/Drehleiste.h"
#include "gui/Einstellungsfenster.h"
#include "gui/Fensterordnung.h"
#include "gui/Projektionsleiste.h"
#include "gui/QtZeichenflaeche.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "view3d/Schriftgroessen.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Ansicht.h"
#include "view3d/Bildbereich.h"
#include "view3d/Projektion.h"
#include "view3d/Zeichnen.h"

namespace {

// The main menu, as a table: a path ("Titel" or "Titel/Untermenü") and its
// items in order, nullptr a separator. The other parts of the view add
// their own menus (Datei, Bearbeiten, zum Drehen, Objekte).
using Punkt = TMenuItem TForm_Edits_01::*;
struct Menue {
    const char* Pfad;
    std::vector<Punkt> Punkte;
};
const Menue Hauptmenue[] = {
    {"&Einstellungen",
     {&TForm_Edits_01::ZPEinAus, &TForm_Edits_01::vdL, nullptr, &TForm_Edits_01::VerschProjEbEinst,
      &TForm_Edits_01::GitterwaendeAutomatEinAus}},
    {"&Ansicht",
     {&TForm_Edits_01::AchsenEinAus, &TForm_Edits_01::AchseneinteilungEinAus, &TForm_Edits_01::AchsenwerteEinAus,
      &TForm_Edits_01::GitterEinAus, &TForm_Edits_01::AchsenWuerfelEinAus, &TForm_Edits_01::FluchtstreckenEinAus,
      nullptr, &TForm_Edits_01::StRiVektEinAus, &TForm_Edits_01::NVektEinAus, &TForm_Edits_01::SchnittpunkteEinAus,
      &TForm_Edits_01::SpurpunkteEinAus, &TForm_Edits_01::SchnittgeradeEinAus,
      &TForm_Edits_01::ParamDarstellungEinAus, nullptr, &TForm_Edits_01::SpurModusEinAus, nullptr}},
    {"&Ansicht/Draufsichtebene",
     {&TForm_Edits_01::xzEbv, &TForm_Edits_01::xzEbh, &TForm_Edits_01::xyEbo, &TForm_Edits_01::xyEbu,
      &TForm_Edits_01::yzEbr, &TForm_Edits_01::yzEbl}},
};

// The menu of a path, made when it does not exist yet.
QMenu* MenueZuPfad(QMenuBar* leiste, const QString& pfad) {
    const QStringList teile = pfad.split(QLatin1Char('/'));
    QMenu* m = nullptr;
    for (const QString& t : teile) {
        const QList<QAction*> vorhanden = m ? m->actions() : leiste->actions();
        QMenu* gefunden = nullptr;
        for (QAction* a : vorhanden)
            if (a->menu() && a->text() == t) gefunden = a->menu();
        if (!gefunden) gefunden = m ? m->addMenu(t) : leiste->addMenu(t);
        m = gefunden;
    }
    return m;
}

}  // namespace

QHBoxLayout* Reihe(QWidget* w, int abstand) {
    auto* r = new QHBoxLayout(w);
    r->setContentsMargins(0, 0, 0, 0);
    r->setSpacing(abstand);
    return r;
}

QHBoxLayout* Schalterzeile(QWidget* panelOben, const char* name, bool oben) {
    auto* spalte = qobject_cast<QVBoxLayout*>(panelOben->layout());
    if (!spalte) {
        spalte = new QVBoxLayout(panelOben);
        spalte->setContentsMargins(3, 1, 3, 1);
        spalte->setSpacing(1);
        spalte->addStretch(1);
    }
    auto* zeile = new QWidget(panelOben);
    zeile->setObjectName(QString::fromLatin1(name));
    QFont klein = zeile->font();
    // The program's smaller font of narrow screens: 30 switches and their
    // colours fit one row of an 800-pixel window.
    klein.setPixelSize(9);
    zeile->setFont(klein);
    if (oben)
        spalte->insertWidget(0, zeile);
    else
        spalte->addWidget(zeile);
    return Reihe(zeile, 1);
}

// The client area below the menu bar; its size is the core's client size.
class Hauptfensteransicht::ClientFlaeche : public QWidget {
public:
    ClientFlaeche(Hauptfensteransicht& fenster) : QWidget(&fenster), fenster_(fenster) {}

protected:
    void resizeEvent(QResizeEvent* e) override {
        QWidget::resizeEvent(e);
        fenster_.LayoutGeaendert();
    }

private:
    Hauptfensteransicht& fenster_;
};

// ---- Bildflaeche -----------------------------------------------------------------

Bildflaeche::Bildflaeche(QWidget* eltern) : QWidget(eltern) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setObjectName(QStringLiteral("PaintBox1"));
}

void Bildflaeche::BildUebernehmen(const QImage& bild) {
    bild_ = bild;
    update();
}

void Bildflaeche::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (GroesseGeaendert) GroesseGeaendert();
}

void Bildflaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor grund = FarbeQt(FarbeHintergrund);
    // Beyond the picture (before the first one, or while a larger one is on
    // its way) the background colour.
    if (bild_.width() < width()) p.fillRect(bild_.width(), 0, width() - bild_.width(), height(), grund);
    if (bild_.height() < height()) p.fillRect(0, bild_.height(), width(), height() - bild_.height(), grund);
    if (!bild_.isNull()) p.drawImage(0, 0, bild_);
}

// ---- Hauptfensteransicht ---------------------------------------------------------

Hauptfensteransicht::Hauptfensteransicht(QWidget* eltern) : QMainWindow(eltern), b_(std::make_unique<Bindungen>()) {
    TForm_Edits_01& F = Form_Edits_01;
    setObjectName(QStringLiteral("Form_Edits_01"));
    client_ = new ClientFlaeche(*this);
    setCentralWidget(client_);

    paintBox1_ = new Bildflaeche(client_);
    paintBox1_->setMinimumSize(120, 120);
    for (const TPanel* p : {&F.Panel_oben, &F.Panel_oben_a, &F.Panel_links, &F.Panel_rechts}) {
        auto* w = new QFrame(client_);
        w->setFrameStyle(QFrame::Panel | QFrame::Raised);
        w->setAutoFillBackground(true);
        panels_.push_back({p, w});
    }
    panels_[0].widget->setObjectName(QStringLiteral("Panel_oben"));
    panels_[1].widget->setObjectName(QStringLiteral("Panel_oben_a"));
    panels_[2].widget->setObjectName(QStringLiteral("Panel_links"));
    panels_[3].widget->setObjectName(QStringLiteral("Panel_rechts"));

    ErgebnisseAnlegen();
    MenueAnlegen();
    ergebnispopup_ = new QMenu(this);
    for (TErgebnisGruppe* G : F.AlleErgebnisse()) ErgebnisseEinfuegen(*b_, ergebnispopup_, {G}, true);
    paintBox1_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(paintBox1_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { ergebnispopup_->popup(paintBox1_->mapToGlobal(p)); });
    drehleiste_ = new Drehleiste(*this, panels_[0].widget, panels_[1].widget, panels_[3].widget);
    objektleiste_ = new Objektleiste(*this, panels_[0].widget);
    // The calculator without blocking, as the main window's button opens it,
    // and the linear-algebra windows.
    // Its rotation-matrix item is red while that window is shown.
    QMenu* rechnen = new Farbmenue(QStringLiteral("&Rechnen"), this);
    menuBar()->addMenu(rechnen);
    QAction* rechner = rechnen->addAction(QStringLiteral("Rechnen mit Objektdaten"));
    rechner->setObjectName(QStringLiteral("But_ObjekteDaten"));
    connect(rechner, &QAction::triggered, this, [] { Benutzeraktion([] { Form_Edits_01.But_ObjekteDaten.Click(); }); });
    rechnen->addSeparator();
    TForm_Edits_01& R = Form_Edits_01;
    for (TMenuItem* m : {&R.Matrizen1, &R.DrehMatrizenEinAusMenue, &R.LinAbh1, &R.LGS1, &R.Vektorprodukt1})
        b_->Menuepunkt(*m, rechnen);
    projektionsleiste_ = new Projektionsleiste(*this, panels_[3].widget, client_);
    LayoutAnlegen();

    new Bildermenue(*this, paintBox1_);
    BeschleunigerVergeben(menuBar());
    // The redraw's last step: the finished picture into PaintBox1.
    BildUebertragen = [this] { BildZeigen(); };
    paintBox1_->GroesseGeaendert = [this] { LayoutGeaendert(); };
    Auffrischen();
}

void Hauptfensteransicht::LayoutAnlegen() {
    TForm_Edits_01& F = Form_Edits_01;
    // The right panel: the projection block at the top, the rotation block
    // and the undo bar at the foot.
    QFrame* rechts = panels_[3].widget;
    auto* r = new QVBoxLayout(rechts);
    r->setContentsMargins(4, 4, 4, 4);
    r->setSpacing(4);
    r->addWidget(projektionsleiste_->Block());
    r->addStretch(1);
    if (QWidget* w = drehleiste_->RechterBlock()) r->addWidget(w);
    if (QWidget* w = dateiMenue_->Leiste()) {
        // Its buttons read well below their size hint: they set no width.
        w->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        r->addWidget(w);
    }

    // The top panels keep the form's heights, the left panel its width; the
    // right panel is as wide as the form has it or as its controls need.
    panels_[0].widget->setFixedHeight(F.Panel_oben.Height);
    panels_[1].widget->setFixedHeight(F.Panel_oben_a.Height);
    panels_[2].widget->setFixedWidth(F.Panel_links.Width);
    rechts->setFixedWidth(std::max(F.Panel_rechts.Width, r->minimumSize().width()));
    for (QFrame* p : {panels_[0].widget, panels_[1].widget}) p->setMinimumWidth(0);

    auto* spalte = new QVBoxLayout(client_);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(panels_[0].widget);
    spalte->addWidget(panels_[1].widget);
    auto* mitte = new QHBoxLayout;
    mitte->setSpacing(0);
    mitte->addWidget(panels_[2].widget);
    mitte->addWidget(paintBox1_, 1);
    mitte->addWidget(rechts);
    spalte->addLayout(mitte, 1);
}

Hauptfensteransicht::~Hauptfensteransicht() { BildUebertragen = nullptr; }

void Hauptfensteransicht::MenueAnlegen() {
    TForm_Edits_01& F = Form_Edits_01;
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    dateiMenue_ = new DateiMenue(*this, datei, panels_[3].widget);
    QAction* beenden = datei->addAction(QStringLiteral("&Beenden"));
    connect(beenden, &QAction::triggered, this, &QWidget::close);

    for (const Menue& m : Hauptmenue) {
        QMenu* menue = MenueZuPfad(menuBar(), QString::fromUtf8(m.Pfad));
        for (Punkt p : m.Punkte) {
            if (p)
                b_->Menuepunkt(F.*p, menue);
            else
                menue->addSeparator();
        }
    }
    EinstellungsmenueAnlegen(*b_, MenueZuPfad(menuBar(), QStringLiteral("&Einstellungen")));
}

void Hauptfensteransicht::ErgebnisseAnlegen() {
    TForm_Edits_01& F = Form_Edits_01;
    QFrame* links = panels_[2].widget;
    auto* spalte = new QVBoxLayout(links);
    spalte->setContentsMargins(6, 6, 6, 6);
    spalte->setSpacing(1);

    auto ergebnis = [this](TLabel& l, QWidget* eltern) {
        QLabel* w = b_->Beschriftung(l, eltern);
        w->setWordWrap(true);
        return w;
    };
    const struct { const char* titel; TLabel* label; } zeilen[] = {
        {"g, h:", &F.Label_gh},   {"g, t:", &F.Label_gt},   {"h, t:", &F.Label_ht},
        {"g, E1:", &F.Label_gE1}, {"h, E1:", &F.Label_hE1}, {"t, E1:", &F.Label_tE1},
        {"g, E2:", &F.Label_gE2}, {"h, E2:", &F.Label_hE2}, {"t, E2:", &F.Label_tE2},
        {"E1, E2:", &F.Label_E1E2},
    };
    for (const auto& z : zeilen) {
        auto* titel = new QLabel(QString::fromUtf8(z.titel), links);
        QFont f = titel->font();
        f.setBold(true);
        titel->setFont(f);
        spalte->addWidget(titel);
        QLabel* w = ergebnis(*z.label, links);
        spalte->addWidget(w);
        ergebnisse_.push_back(w);
        spalte->addSpacing(3);
    }
    // sg: support point and direction as two columns.
    auto* sg = new QWidget(links);
    auto* gitter = new QGridLayout(sg);
    gitter->setContentsMargins(0, 0, 0, 0);
    gitter->setHorizontalSpacing(8);
    gitter->setVerticalSpacing(1);
    auto* titel = new QLabel(QStringLiteral("sg:"), sg);
    QFont f = titel->font();
    f.setBold(true);
    titel->setFont(f);
    gitter->addWidget(titel, 0, 0);
    gitter->addWidget(new QLabel(QStringLiteral("Stützv."), sg), 0, 1);
    gitter->addWidget(new QLabel(QStringLiteral("Richtungsv."), sg), 0, 2);
    TLabel* const stuetz[3] = {&F.Label_sg_Stuetz_x, &F.Label_sg_Stuetz_y, &F.Label_sg_Stuetz_z};
    TLabel* const richt[3] = {&F.Label_sg_Richt_x, &F.Label_sg_Richt_y, &F.Label_sg_Richt_z};
    const char* const achsen[3] = {"x", "y", "z"};
    for (int k = 0; k < 3; ++k) {
        gitter->addWidget(new QLabel(QString::fromLatin1(achsen[k]), sg), k + 1, 0);
        gitter->addWidget(ergebnis(*stuetz[k], sg), k + 1, 1);
        gitter->addWidget(ergebnis(*richt[k], sg), k + 1, 2);
    }
    spalte->addWidget(sg);
    spalte->addStretch(1);
}

// A label breaks its text only at ordinary blanks (a point holds no-break
// spaces). When a point is wider than the panel, the label's font gets just
// small enough for the point to fit on one line, and the tip shows the text
// in the panel's font.
void Hauptfensteransicht::ErgebnisseEinpassen() {
    const QWidget* links = panels_[2].widget;
    const QMargins m = links->layout() ? links->layout()->contentsMargins() : QMargins();
    const int breite = links->contentsRect().width() - m.left() - m.right();
    if (breite <= 0) return;
    for (QLabel* l : ergebnisse_) {
        const QFont basis = links->font();
        const QStringList woerter = l->text().split(QLatin1Char(' '));
        const auto breitestes = [&woerter](const QFont& f) {
            int b = 0;
            for (const QString& w : woerter) b = std::max(b, QFontMetrics(f).horizontalAdvance(w));
            return b;
        };
        QFont f = basis;
        const bool punkte = f.pointSizeF() > 0;
        qreal groesse = punkte ? f.pointSizeF() : f.pixelSize();
        while (groesse > 1 && breitestes(f) > breite) {
            groesse -= punkte ? 0.5 : 1;
            if (punkte)
                f.setPointSizeF(groesse);
            else
                f.setPixelSize(static_cast<int>(groesse));
        }
        if (l->font() != f) l->setFont(f);
        const QString tipp = f == basis ? QString() : l->text();
        if (l->toolTip() != tipp) l->setToolTip(tipp);
    }
}

void Hauptfensteransicht::KleinsteGroesseAuffrischen() {
    // The least size follows the controls shown now (one projection kind's).
    if (client_->layout()) client_->layout()->activate();
    if (layout()) layout()->activate();
}

void Hauptfensteransicht::ClientGroesseSetzen(int breite, int hoehe) {
    KleinsteGroesseAuffrischen();
    const int menue = menuBar()->isVisible() || !isVisible() ? menuBar()->sizeHint().height() : 0;
    resize(breite, hoehe + menue);
}

void Hauptfensteransicht::AnBildschirmAnpassen(QRect frei) {
    if (frei.isEmpty()) frei = FreierBereich(this);
    if (frei.isEmpty() || isMaximized() || isFullScreen()) return;
    KleinsteGroesseAuffrischen();
    // The frame, title bar included, fits the area, not the client alone.
    // Before the window manager has framed the window, the window is all.
    const QMargins m = Rahmen(this);
    rahmen_ = m;
    eingepasst_ = true;
    const QSize rand(m.left() + m.right(), m.top() + m.bottom());
    const QPoint ecke = isVisible() ? frameGeometry().topLeft() : pos();
    const Rechteck r = InDenBereich({ecke.x(), ecke.y(), width() + rand.width(), height() + rand.height()},
                                    {frei.left(), frei.top(), frei.width(), frei.height()});
    const QSize soll = QSize(r.Width - rand.width(), r.Height - rand.height()).expandedTo(minimumSize());
    if (soll != size()) resize(soll);
    if (QPoint(r.Left, r.Top) != ecke) move(r.Left, r.Top);
}

void Hauptfensteransicht::RahmenPruefen() {
    if (!eingepasst_ || !gezeigt_ || !isVisible()) return;
    const QMargins m = Rahmen(this);
    if (m != rahmen_) AnBildschirmAnpassen();
}

QRect Hauptfensteransicht::Bedienleisten() const {
    if (!isVisible()) return {};
    const QRect rahmen = frameGeometry();
    QWidget* unten = panels_[1].widget->isVisible() ? panels_[1].widget : panels_[0].widget;
    const int bis = unten->isVisible() ? unten->mapToGlobal(QPoint(0, unten->height())).y()
                                       : client_->mapToGlobal(QPoint(0, 0)).y();
    return QRect(rahmen.left(), rahmen.top(), rahmen.width(), bis - rahmen.top());
}

QRect Hauptfensteransicht::GezeichneterBildbereich() const {
    const Rechteck r = GezeichneterBereich();
    if (r.Leer()) return {};
    return QRect(paintBox1_->mapToGlobal(QPoint(r.Left, r.Top)), QSize(r.Width, r.Height));
}

QWidget* Hauptfensteransicht::Client() const { return client_; }

QLabel* Hauptfensteransicht::Ergebnisfeld(const TLabel& l) const { return qobject_cast<QLabel*>(b_->Widget(&l)); }

QAction* Hauptfensteransicht::Menuepunkt(const TMenuItem& m) const { return b_->Aktion(m); }

void Hauptfensteransicht::Platzieren() {
    for (const PanelWidget& p : panels_)
        if (p.widget->isHidden() == p.panel->Visible) p.widget->setVisible(p.panel->Visible);
}

void Hauptfensteransicht::LayoutGeaendert() {
    // The places Qt gave to the core, which decides what follows.
    const auto ort = [](const QRect& g) { return Rechteck{g.left(), g.top(), g.width(), g.height()}; };
    TForm_Edits_01::TLayout L;
    L.ClientWidth = client_->width();
    L.ClientHeight = client_->height();
    Rechteck* const ziele[] = {&L.Panel_oben, &L.Panel_oben_a, &L.Panel_links, &L.Panel_rechts};
    for (std::size_t i = 0; i < std::size(ziele) && i < panels_.size(); ++i) *ziele[i] = ort(panels_[i].widget->geometry());
    L.PaintBox1 = ort(paintBox1_->geometry());
    if (Form_Edits_01.LayoutGeaendert(L)) AnsichtenAuffrischen();
}

void Hauptfensteransicht::BildZeigen() {
    if (auto* z = dynamic_cast<QtZeichenflaeche*>(&Zeichenbitmap())) paintBox1_->BildUebernehmen(z->Bild());
}

void Hauptfensteransicht::Aktivieren() {
    // An activation inside a running handler (a message box closing) or a
    // redraw waits: that handler refreshes and redraws when it is done.
    if (BenutzeraktionLaeuft() || SzeneWirdGezeichnet()) return;
    Benutzeraktion([] { Form_Edits_01.FormActivate(); });
}

void Hauptfensteransicht::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    Form_Edits_01.Visible = true;
    if (!gezeigt_) {
        gezeigt_ = true;
        // The first activation needs the real client size: the client area's
        // resize event, which Qt sends before the window shows, has laid it out
        // already. Then the start scene is built and drawn. It stands for the
        // activation that follows the first show.
        Aktivieren();
        aktiv_ = true;
    }
    // A frame known by now is what fits the screen.
    RahmenPruefen();
}

void Hauptfensteransicht::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    RahmenPruefen();
}

void Hauptfensteransicht::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !gezeigt_) return;
    // The window manager has framed the window by its first activation.
    RahmenPruefen();
    if (isActiveWindow() && !aktiv_) Aktivieren();
    aktiv_ = isActiveWindow();
}

void Hauptfensteransicht::closeEvent(QCloseEvent* e) {
    Benutzeraktion([] { Form_Edits_01.FormClose(); });
    e->accept();
}

void Hauptfensteransicht::Auffrischen() {
    const TForm_Edits_01& F = Form_Edits_01;
    const QSignalBlocker sperre(this);
    setWindowTitle(QtText(F.Caption));
    Platzieren();
    for (const PanelWidget& p : panels_) FarbeSetzen(p.widget, QPalette::Window, p.panel->Color);
    b_->Auffrischen();
    ErgebnisseEinpassen();
    if (dateiMenue_) dateiMenue_->Auffrischen();
    if (objektleiste_) objektleiste_->Auffrischen();
    if (drehleiste_) drehleiste_->Auffrischen();
    if (projektionsleiste_) projektionsleiste_->Auffrischen();
}
