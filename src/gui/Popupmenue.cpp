#include "gui/Popupmenue.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <vector>

#include "forms/Eingabeprotokoll.h"
#include "forms/Speichermenue.h"
#include "gui/Auffrischen.h"
#include "gui/Bindung.h"
#include "gui/Texte.h"

namespace {

struct Punkt {
    QAction* aktion;
    TMenuItem* item;
};

void Fuellen(QMenu* q, std::vector<TMenuItem>& Items) {
    auto punkte = std::make_shared<std::vector<Punkt>>();
    for (TMenuItem& m : Items) {
        QAction* a = nullptr;
        if (m.Caption == "-") {
            a = q->addSeparator();
        } else if (!m.Items.empty()) {
            QMenu* u = q->addMenu(QtText(m.Caption));
            Fuellen(u, m.Items);
            TMenuItem* k = &m;
            QObject::connect(u, &QMenu::aboutToShow, u, [k] {
                if (!k->OnClick) return;
                // Its click answers with a message: the menus close first.
                QTimer::singleShot(0, [k] {
                    while (QWidget* p = QApplication::activePopupWidget()) p->close();
                    Benutzeraktion([k] { k->Click(); });
                });
            });
            a = u->menuAction();
        } else {
            a = q->addAction(QtText(m.Caption));
            TMenuItem* k = &m;
            QObject::connect(a, &QAction::triggered, q, [k] { Benutzeraktion([k] { k->Click(); }); });
        }
        punkte->push_back({a, &m});
    }
    QObject::connect(q, &QMenu::aboutToShow, q, [punkte] {
        for (const Punkt& p : *punkte) {
            if (!p.aktion->isSeparator()) {
                const QString t = QtText(p.item->Caption);
                if (p.aktion->text() != t) p.aktion->setText(t);
            }
            p.aktion->setVisible(p.item->Visible);
            p.aktion->setEnabled(p.item->Enabled);
        }
    });
}

// The memory popup of a window: one menu, made on first use.
QMenu* SpeicherPopup(QWidget* fenster, TSpeicherMenue& M) {
    const QString name = QStringLiteral("PopupMenu_InSpeicher");
    if (auto* m = fenster->findChild<QMenu*>(name, Qt::FindDirectChildrenOnly)) return m;
    QMenu* m = PopupAufbauen(M.Menue, fenster);
    m->setObjectName(name);
    return m;
}

void Oeffnen(QWidget* w, TSpeicherMenue& M, const std::function<bool()>& Gewaehlt, const QPoint& global) {
    bool gesetzt = false;
    Benutzeraktion([&] { gesetzt = Gewaehlt(); });
    if (gesetzt) SpeicherPopup(w->window(), M)->popup(global);
}

}  // namespace

QMenu* PopupAufbauen(TPopupMenu& P, QWidget* eltern) {
    auto* q = new QMenu(eltern);
    Fuellen(q, P.Items);
    return q;
}

void SpaltenPopup(GitterTabelle* t, TObjektDialog& D, TStringGrid& G) {
    t->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(t, &QWidget::customContextMenuRequested, t, [t, &D, &G](const QPoint& p) {
        const int Spalte = t->columnAt(p.x());
        // The popup belongs to the column: an open editor ends first.
        t->EditorSchliessen();
        Oeffnen(t, D.PopupMenu_InSpeicher, [&D, &G, Spalte] { return D.SpalteGewaehlt(G, Spalte); },
                t->viewport()->mapToGlobal(p));
    });
}

void FeldPopup(QWidget* Feld, TSpeicherMenue& M, std::function<bool()> Gewaehlt, std::function<QPoint()> Ort) {
    Feld->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(Feld, &QWidget::customContextMenuRequested, Feld, [Feld, &M, Gewaehlt, Ort](const QPoint& p) {
        Oeffnen(Feld, M, Gewaehlt, Ort ? Ort() : Feld->mapToGlobal(p));
    });
}
