#include "gui/Zeitgeber.h"

#include <QPointer>
#include <QTimer>

#include "gui/Auffrischen.h"
#include "platform/Komponenten.h"

void ZeitgeberAbgleichen(const TTimer& T, QTimer* q) {
    if (!T.Laeuft()) {
        if (q->isActive()) q->stop();
    } else if (!q->isActive() || q->interval() != T.Interval) {
        q->start(T.Interval);
    }
}

void ZeitgeberVerbinden(TTimer& T, QTimer* q, std::shared_ptr<bool> lebt) {
    auto laeuft = std::make_shared<bool>(false);
    QObject::connect(q, &QTimer::timeout, q, [lebt, &T, q, laeuft] {
        if (!*lebt || !T.Laeuft()) {
            q->stop();
            return;
        }
        // A tick whose predecessor still runs (a message keeps its loop) is dropped.
        if (*laeuft) return;
        *laeuft = true;
        QPointer<QTimer> wache(q);
        Benutzeraktion([&T] {
            if (T.OnTimer) T.OnTimer();
        });
        *laeuft = false;
        // Without a visible window no refresh came: the timer follows the core anyway.
        if (wache && *lebt) ZeitgeberAbgleichen(T, q);
    });
}
