#include "gui/Dialogansicht.h"

#include <QCloseEvent>
#include <QShowEvent>

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
