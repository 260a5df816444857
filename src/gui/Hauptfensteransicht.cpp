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
#include <QVBoxLayout>
#include <algorithm>

#include "gui/Bindung.h"
#include "gui/Bildermenue.h"
#include "gui/DateiMenue.h"
#include "gui/Datenausgabeansicht.h"
#include "gui/Objektleiste.h"
#include "gui/Drehleiste.h"
#include "gui/Einstellungsfenster.h"
#include "gui/QtZeichenflaeche.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "view3d/Schriftgroessen.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Ansicht.h"
#include "view3d/Projektion.h"
#include "view3d/Zeichnen.h"

namespace {

// Every refresh places the panels: only a change reaches the widget.
void GeometrieSetzen(QWidget* w, const TControl& c) {
    const QRect soll(c.Left, c.Top, c.Width, c.Height);
    if (w->geometry() != soll) w->setGeometry(soll);
    if (w->isHidden() == c.Visible) w->setVisible(c.Visible);
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
    klein.setPixelSize(10);
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
        fenster_.ClientGeaendert(e->size().width(), e->size().height());
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
    QMenu* rechnen = menuBar()->addMenu(QStringLiteral("&Rechnen"));
    QAction* rechner = rechnen->addAction(QStringLiteral("Rechnen mit Objektdaten"));
    rechner->setObjectName(QStringLiteral("But_ObjekteDaten"));
    connect(rechner, &QAction::triggered, this, [] { Benutzeraktion([] { Form_Edits_01.But_ObjekteDaten.Click(); }); });
    rechnen->addSeparator();
    TForm_Edits_01& R = Form_Edits_01;
    for (TMenuItem* m : {&R.Matrizen1, &R.DrehMatrizenEinAusMenue, &R.LinAbh1, &R.LGS1, &R.Vektorprodukt1})
        b_->Menuepunkt(*m, rechnen);

    new Bildermenue(*this, paintBox1_);
    // The redraw's last step: the finished picture into PaintBox1.
    BildUebertragen = [this] { BildZeigen(); };
    Auffrischen();
}

Hauptfensteransicht::~Hauptfensteransicht() { BildUebertragen = nullptr; }

void Hauptfensteransicht::MenueAnlegen() {
    TForm_Edits_01& F = Form_Edits_01;
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    dateiMenue_ = new DateiMenue(*this, datei, panels_[3].widget);
    QAction* beenden = datei->addAction(QStringLiteral("&Beenden"));
    connect(beenden, &QAction::triggered, this, &QWidget::close);

    QMenu* einstellungen = menuBar()->addMenu(QStringLiteral("&Einstellungen"));
    for (TMenuItem* m : {&F.ZPEinAus, &F.vdL}) b_->Menuepunkt(*m, einstellungen);
    EinstellungsmenueAnlegen(*b_, einstellungen);

    QMenu* ansicht = menuBar()->addMenu(QStringLiteral("&Ansicht"));
    for (TMenuItem* m : {&F.AchsenEinAus, &F.AchseneinteilungEinAus, &F.AchsenwerteEinAus, &F.GitterEinAus,
                         &F.AchsenWuerfelEinAus, &F.FluchtstreckenEinAus})
        b_->Menuepunkt(*m, ansicht);
    ansicht->addSeparator();
    for (TMenuItem* m : {&F.StRiVektEinAus, &F.NVektEinAus, &F.SchnittpunkteEinAus, &F.SpurpunkteEinAus,
                         &F.SchnittgeradeEinAus, &F.ParamDarstellungEinAus})
        b_->Menuepunkt(*m, ansicht);
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

void Hauptfensteransicht::ClientGroesseSetzen(int breite, int hoehe) {
    const int menue = menuBar()->isVisible() || !isVisible() ? menuBar()->sizeHint().height() : 0;
    resize(breite, hoehe + menue);
}

QWidget* Hauptfensteransicht::Client() const { return client_; }

QLabel* Hauptfensteransicht::Ergebnisfeld(const TLabel& l) const { return qobject_cast<QLabel*>(b_->Widget(&l)); }

QAction* Hauptfensteransicht::Menuepunkt(const TMenuItem& m) const { return b_->Aktion(m); }

void Hauptfensteransicht::Platzieren() {
    const TForm_Edits_01& F = Form_Edits_01;
    GeometrieSetzen(paintBox1_, F.PaintBox1);
    for (const PanelWidget& p : panels_) GeometrieSetzen(p.widget, *p.panel);
}

void Hauptfensteransicht::ClientGeaendert(int breite, int hoehe) {
    TForm_Edits_01& F = Form_Edits_01;
    F.ClientWidth = breite;
    F.ClientHeight = hoehe;
    F.KomponentenAusrichten();
    Platzieren();
    const int alteSeite = BildSeite;
    F.BildSeiteBerechnen();
    F.PanelsAnordnen();
    Zeichenbitmap().GroesseSetzen(F.PaintBox1.Width, F.PaintBox1.Height);
    SchriftGroessenSetzen();
    // Nothing is drawn before the first activation; it draws the first picture.
    if (!ErsteAktivierung) {
        if (BildSeite != alteSeite) MassstabSetzen();
        SzeneZeichnen();
    }
    AnsichtenAuffrischen();
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
    if (gezeigt_) return;
    gezeigt_ = true;
    // The first activation needs the real client size: the client area's
    // resize event, which Qt sends before the window shows, has laid it out
    // already. Then the start scene is built and drawn. It stands for the
    // activation that follows the first show.
    Aktivieren();
    aktiv_ = true;
}

void Hauptfensteransicht::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !gezeigt_) return;
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
}
