#pragma once
// The report dispatcher: rebuilds the text of the open report.

#include "platform/Typen.h"

// Rebuilds report Code in the result window from the current scene. Code 0
// (no report open) and every code without a report do nothing.
void ErgebnisAusgeben(Byte Code);
