#include "reports/Ergebnisse.h"

void ErgebnisAusgeben(Byte Code) {
    // No report builder is wired in yet: every code does nothing.
    (void)Code;
}
