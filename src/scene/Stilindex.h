#pragma once
// The records and the dialogs keep a pen style or an on/off flag as the
// item of a two-item radio group; the objects keep the style and the flag.

#include "platform/Typen.h"

// Radio group item <-> pen style (0 solid, 2 dotted); an unknown index gives
// a solid pen, an unknown style the first item.
inline Byte IndexZuLinienstil(Byte Index) { return Index == 1 ? 2 : 0; }
inline Byte LinienstilZuIndex(Byte Stil) { return Stil == 2 ? 1 : 0; }
// Radio group item <-> on/off flag: item 0 means on.
inline Byte IndexZuErzFlag(Byte Index) { return Index == 0 ? 1 : 0; }
inline Byte ErzFlagZuIndex(Byte Flag) { return Flag == 1 ? 0 : 1; }
