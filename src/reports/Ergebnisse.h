#pragma once
// The report dispatcher: rebuilds the text of the open report.

#include "platform/Typen.h"

// Builds report Code into the result window. Most builders store their own
// code in ErgebnisAuswahl. Code 0 (no report open) and every code without a
// builder leave the window's text as it is.
void ErgebnisAusgeben(Byte Code);

// While one lives, ErgebnisAusgeben only notes that a rebuild is wanted; when
// the outermost ends, the report is built once. A rotation step turns many
// objects, and each would rebuild the report.
class ErgebnisseGebuendelt {
public:
    ErgebnisseGebuendelt();
    ~ErgebnisseGebuendelt();
    ErgebnisseGebuendelt(const ErgebnisseGebuendelt&) = delete;
    ErgebnisseGebuendelt& operator=(const ErgebnisseGebuendelt&) = delete;
};
