#pragma once
// The Qt timers of the core's timers (TTimer). Each is a Taktgeber: a
// QTimer whose ticks a test can drive by a clock of its own, so that a test
// of a held button or a running animation never waits in real time.

#include <QTimer>
#include <memory>
#include <vector>

struct TTimer;

class Taktgeber : public QTimer {
public:
    explicit Taktgeber(QObject* eltern = nullptr);
    ~Taktgeber() override;

    // Starts the timer at interval ms, the test clock counting from now.
    void Starten(int ms);

    // The test clock: while it is on, real time fires no tick of any
    // Taktgeber; Vergehen lets ms pass and fires every tick due meanwhile,
    // earliest first, as the running timers would have.
    static void Testuhr(bool an);
    static bool TestuhrAn();
    static void Vergehen(int ms);

protected:
    void timerEvent(QTimerEvent* e) override;

private:
    void Ticken();
    long long faellig_ = -1;  // the next tick on the test clock (-1: unknown)
};

// The timer runs exactly while the core's runs, at its interval.
void ZeitgeberAbgleichen(const TTimer& T, Taktgeber* q);
// Ticks of q run T's OnTimer as a user action while *lebt (a tick is
// dropped while one still runs).
void ZeitgeberVerbinden(TTimer& T, Taktgeber* q, std::shared_ptr<bool> lebt);
