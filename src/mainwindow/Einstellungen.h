#pragma once
// What the settings windows' handlers share: the colour dialog and the
// showing and hiding of a settings window through the host.

#include <string>

#include "forms/Einstellfenster.h"
#include "platform/Typen.h"

// Asks for a colour starting at Farbe; true, with Farbe set, when the user
// chose one (a cancel leaves Farbe alone).
bool FarbeWaehlen(const std::string& Titel, TColor& Farbe);

void EinstellFensterZeigen(const TEinstellFenster& F, bool Modal = false);
void EinstellFensterVerbergen(const TEinstellFenster& F);
