#include "gui/Objektleiste.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QToolButton>
#include <string_view>

#include "gui/Auffrischen.h"
#include "gui/Bindung.h"
#include "gui/Hauptfensteransicht.h"
#include "forms/Hauptfenster.h"
#include "mainwindow/Objektmenue.h"

namespace {

constexpr int Zeilenhoehe = 15;  // a row of Panel_oben
constexpr int Farbbreite = 3;

// A colour panel: a click chooses its object's colour.
class FarbPanel : public QFrame {
public:
    FarbPanel(int nr, QWidget* eltern) : QFrame(eltern), nr_(nr) { setCursor(Qt::PointingHandCursor); }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) {
            QFrame::mousePressEvent(e);
            return;
        }
        const int nr = nr_;
        Benutzeraktion([nr] { Form_Edits_01.Pan_FarbeClick(nr); });
    }

private:
    int nr_;
};

}  // namespace

Objektleiste::Objektleiste(QMainWindow& fenster, QWidget* panelOben)
    : QObject(&fenster), b_(std::make_unique<Bindungen>()) {
    TForm_Edits_01& F = Form_Edits_01;

    // ---- Menu "Objekte": every dialog as the main window opens it.
    QMenu* objekte = fenster.menuBar()->addMenu(QStringLiteral("&Objekte"));
    for (std::size_t i = 0; i < ObjektDialogAnzahl; ++i) {
        // The rotation axis and the animations after the objects.
        if (std::string_view(ObjektDialoge[i].Fenster) == "Form_DrehenUmGerade") objekte->addSeparator();
        QAction* a = objekte->addAction(QtText(ObjektDialoge[i].Titel));
        connect(a, &QAction::triggered, this, [i] { Benutzeraktion([i] { ObjektDialogOeffnen(i); }); });
        menue_.push_back(a);
    }

    // ---- Panel_oben: one cell per object, its colour beside its switch.
    if (!panelOben) return;
    QHBoxLayout* r = Schalterzeile(panelOben, "Sichtbarkeit", true);
    QWidget* zeile = r->parentWidget();
    for (int nr = 1; nr <= 30; ++nr) {
        auto* zelle = new QWidget(zeile);
        QHBoxLayout* z = Reihe(zelle, 0);
        auto* farbe = new FarbPanel(nr, zelle);
        farbe->setObjectName(QStringLiteral("Pan_Farbe_") + QtText(F.But_sichtb(nr).Caption));
        farbe->setFixedSize(Farbbreite, Zeilenhoehe);
        farbe->setAutoFillBackground(true);
        farbe->setFrameStyle(QFrame::Box | QFrame::Plain);
        farbe->setLineWidth(0);
        z->addWidget(farbe);
        QToolButton* k = b_->Schnellknopf(F.But_sichtb(nr), {}, zelle);
        k->setObjectName(QStringLiteral("But_sichtb_") + QtText(F.But_sichtb(nr).Caption));
        k->setFixedHeight(Zeilenhoehe);
        k->setToolButtonStyle(Qt::ToolButtonTextOnly);
        k->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        k->setMinimumWidth(20 - Farbbreite);
        z->addWidget(k, 1);
        zelle->setMinimumWidth(20);
        zelle->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        r->addWidget(zelle, 1);
        farben_[nr - 1] = farbe;
        knoepfe_[nr - 1] = k;
    }
    // The row of rotate switches ends in two buttons: keep the same room so
    // each object's switches stand one above the other.
    const char* const ende[2] = {"AlleDrehEin", "AlleDrehAus"};
    bool erstes = true;
    for (const char* name : ende)
        if (auto* w = panelOben->findChild<QWidget*>(QString::fromLatin1(name))) {
            if (erstes) r->addSpacing(8);
            erstes = false;
            r->addSpacing(w->sizeHint().width());
        }
    Auffrischen();
}

Objektleiste::~Objektleiste() = default;

void Objektleiste::Auffrischen() {
    b_->Auffrischen();
    for (int nr = 1; nr <= 30; ++nr) {
        QFrame* f = farben_[nr - 1];
        if (!f) continue;
        const TPanel& P = Form_Edits_01.Pan_Farbe(nr);
        FarbeSetzen(f, QPalette::Window, P.Color);
        const QString tip = QtText(P.Hint);
        if (f->toolTip() != tip) f->setToolTip(tip);
        if (f->isHidden() == P.Visible) f->setVisible(P.Visible);
    }
}

QToolButton* Objektleiste::Sichtbarkeitsknopf(int Nr) const {
    return Nr >= 1 && Nr <= 30 ? knoepfe_[Nr - 1] : nullptr;
}

QFrame* Objektleiste::Farbfeld(int Nr) const { return Nr >= 1 && Nr <= 30 ? farben_[Nr - 1] : nullptr; }

QAction* Objektleiste::Menuepunkt(std::size_t i) const { return i < menue_.size() ? menue_[i] : nullptr; }
