#pragma once
// The code of the report shown in the result window; 0 when none is open.

#include "platform/Typen.h"

inline Byte ErgebnisAuswahl = 0;
