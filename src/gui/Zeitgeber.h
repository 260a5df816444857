#pragma once
// The Qt timer of a core timer (TTimer): it runs exactly while the core's
// runs, at its interval, and its ticks run OnTimer.

#include <memory>

class QTimer;
struct TTimer;

void ZeitgeberAbgleichen(const TTimer& T, QTimer* q);
// Ticks of q run T's OnTimer as a user action while *lebt (a tick is
// dropped while one still runs).
void ZeitgeberVerbinden(TTimer& T, QTimer* q, std::shared_ptr<bool> lebt);
