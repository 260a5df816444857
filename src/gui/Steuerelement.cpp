#include "gui/Steuerelement.h"

#include <QPointer>
#include <QTimer>
#include <QVariant>
#include <QWidget>

#include "gui/Texte.h"
#include "platform/Komponenten.h"

void FokusAnwenden(TControl& c, QWidget* w) {
    if (c.FokusAnforderungen <= 0) return;
    c.FokusAnforderungen = 0;
    QPointer<QWidget> wache(w);
    QTimer::singleShot(0, w, [wache] {
        if (wache && wache->isVisible()) wache->setFocus(Qt::OtherFocusReason);
    });
}

void ControlSetzen(QWidget* w, TControl& c) {
    if (w->isHidden() == c.Visible) w->setVisible(c.Visible);
    if (w->isEnabled() != c.Enabled) w->setEnabled(c.Enabled);
    // The tip follows the core's hint when that changes; between changes a
    // tip the view gave the widget itself stays.
    const QString hint = QtText(c.Hint);
    if (w->property("Hinweis").toString() != hint) {
        w->setProperty("Hinweis", hint);
        w->setToolTip(hint);
    }
    FokusAnwenden(c, w);
}
