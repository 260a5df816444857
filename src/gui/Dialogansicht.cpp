#include "gui/Dialogansicht.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "gui/Fensterordnung.h"
#include "gui/Hauptfensteransicht.h"
#include "forms/Hauptfenster.h"
#include "platform/Komponenten.h"

DialogAnsicht::DialogAnsicht(TFormZustand& F, std::string name, QWidget* eltern)
    : QDialog(eltern), F_(F), name_(std::move(name)) {
    setObjectName(QtText(name_));
    setWindowTitle(QtText(F_.Caption));
}

void DialogAnsicht::Auffrischen() {
    const QString titel = QtText(F_.Caption);
    if (windowTitle() != titel) setWindowTitle(titel);
    b_.Auffrischen();
}

void DialogAnsicht::setVisible(bool sichtbar) {
    if (sichtbar && !isVisible()) {
        // The controls as the core has them, so the placing knows the size.
        b_.Auffrischen();
        adjustSize();
        Platzieren();
        // A window that does not place itself wants the middle of the main
        // window, where a dialog opens by default.
        QPoint wunsch = pos();
        if (!testAttribute(Qt::WA_Moved) && parentWidget() && parentWidget()->isVisible()) {
            const QMargins m = Rahmen(this);
            wunsch = parentWidget()->frameGeometry().center() -
                     QPoint((width() + m.left() + m.right()) / 2, (height() + m.top() + m.bottom()) / 2);
        }
        FreienPlatzWaehlen(this, wunsch, Schonen());
    }
    QDialog::setVisible(sichtbar);
}

void DialogAnsicht::Platzieren() { UeberRechtemPanel(); }

void DialogAnsicht::UeberRechtemPanel() {
    auto* haupt = dynamic_cast<Hauptfensteransicht*>(parentWidget());
    if (!haupt || !haupt->isVisible()) return;
    const TPanel& P = Form_Edits_01.Panel_rechts;
    const QPoint ecke = haupt->Client()->mapToGlobal(QPoint(P.Left + P.Width, P.Top));
    move(ecke.x() - frameGeometry().width(), ecke.y());
}

std::vector<QRect> DialogAnsicht::BildSchonen() const {
    auto* haupt = dynamic_cast<Hauptfensteransicht*>(parentWidget());
    if (!haupt || !haupt->isVisible()) return {};
    const QRect r = haupt->GezeichneterBildbereich();
    if (r.isEmpty()) return {};
    return {r};
}

void DialogAnsicht::SchriftEinpassen(const std::function<void()>& Breiten) {
    const QRect r = FreierBereich(this);
    if (r.isEmpty()) return;
    // The frame counts: the window manager's, or a title bar's worth before
    // anything is known of it.
    constexpr int Titelleiste = 32;
    const QMargins m = Rahmen(this);
    const int breiteRand = m.left() + m.right();
    const int hoeheRand = std::max(m.top() + m.bottom(), Titelleiste);
    QFont f = QApplication::font(this);
    setFont(f);
    for (;;) {
        if (Breiten) Breiten();
        if (layout()) layout()->activate();
        adjustSize();
        const bool passt = width() + breiteRand <= r.width() && height() + hoeheRand <= r.height();
        if (passt || f.pointSize() <= 6) break;
        f.setPointSize(f.pointSize() - 1);
        setFont(f);
    }
}

void DialogAnsicht::AufDenBildschirm() {
    const QScreen* s = screen();
    if (!s) return;
    const QRect r = s->availableGeometry();
    const QRect g = frameGeometry();
    const int x = std::max(r.left(), std::min(g.left(), r.right() + 1 - g.width()));
    const int y = std::max(r.top(), std::min(g.top(), r.bottom() + 1 - g.height()));
    move(x, y);
}

void DialogAnsicht::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) F_.Visible = true;
}

void DialogAnsicht::hideEvent(QHideEvent* e) {
    QDialog::hideEvent(e);
    if (e->spontaneous()) return;
    b_.EingabenBeenden();
    F_.Visible = false;
}

void DialogAnsicht::closeEvent(QCloseEvent* e) {
    b_.EingabenBeenden();
    bool zu = true;
    Benutzeraktion([&] { zu = Schliessen(); });
    if (zu)
        e->accept();
    else
        e->ignore();
}

void DialogAnsicht::reject() { close(); }
