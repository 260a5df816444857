#pragma once
// The plane dialog's coordinate form turned into the plane's parameter form.

#include "platform/Typen.h"

// Parameter form of plane k (1..3) from its coordinate form KoordA..KoordD
// (EbeneAusKoordinatenform). False, and the plane unchanged, when a, b and c
// all vanish.
bool EbeneKoordZuParam(Byte k);
