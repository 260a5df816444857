#include "gui/Zeitgeber.h"

#include <QPointer>
#include <QTimerEvent>
#include <algorithm>

#include "gui/Auffrischen.h"
#include "platform/Komponenten.h"

namespace {

struct Uhr {
    bool an = false;
    long long jetzt = 0;  // ms on the test clock
    std::vector<Taktgeber*> alle;
};

Uhr& DieUhr() {
    static Uhr u;
    return u;
}

}  // namespace

Taktgeber::Taktgeber(QObject* eltern) : QTimer(eltern) { DieUhr().alle.push_back(this); }

Taktgeber::~Taktgeber() { std::erase(DieUhr().alle, this); }

void Taktgeber::Starten(int ms) {
    start(ms);
    faellig_ = DieUhr().jetzt + std::max(ms, 1);
}

void Taktgeber::Testuhr(bool an) { DieUhr().an = an; }

bool Taktgeber::TestuhrAn() { return DieUhr().an; }

void Taktgeber::timerEvent(QTimerEvent* e) {
    if (!DieUhr().an) QTimer::timerEvent(e);
}

void Taktgeber::Ticken() {
    // QTimer's own handler emits timeout for an event with its id.
    QTimerEvent e(timerId());
    QTimer::timerEvent(&e);
}

void Taktgeber::Vergehen(int ms) {
    Uhr& u = DieUhr();
    const long long ende = u.jetzt + ms;
    for (;;) {
        Taktgeber* naechster = nullptr;
        for (Taktgeber* t : u.alle) {
            if (!t->isActive()) {
                t->faellig_ = -1;
                continue;
            }
            // Started by plain start(): its interval counts from now.
            if (t->faellig_ < 0) t->faellig_ = u.jetzt + std::max(t->interval(), 1);
            if (t->faellig_ <= ende && (!naechster || t->faellig_ < naechster->faellig_)) naechster = t;
        }
        if (!naechster) break;
        u.jetzt = naechster->faellig_;
        naechster->faellig_ += std::max(naechster->interval(), 1);
        // A tick may delete timers (a window closes): the list is read anew.
        QPointer<Taktgeber> wache(naechster);
        wache->Ticken();
    }
    u.jetzt = ende;
}

void ZeitgeberAbgleichen(const TTimer& T, Taktgeber* q) {
    if (!T.Laeuft()) {
        if (q->isActive()) q->stop();
    } else if (!q->isActive() || q->interval() != T.Interval) {
        q->Starten(T.Interval);
    }
}

void ZeitgeberVerbinden(TTimer& T, Taktgeber* q, std::shared_ptr<bool> lebt) {
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
