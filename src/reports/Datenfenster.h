#pragma once
// Opening the result window, and the "Ergebnisse" menus that do it.

#include "forms/Datenausgabe.h"
#include "forms/Ergebnismenue.h"

// Shows the result window and brings it to the front; its activation
// builds the report of ErgebnisAuswahl. Callers store the code first.
void DatenfensterZeigen();

// Every entry of G stores its code and shows the result window.
void ErgebnisseVerbinden(TErgebnisGruppe& G);
