#include "mainwindow/Einstellungen.h"

#include <optional>

#include "platform/Oberflaeche.h"

bool FarbeWaehlen(const std::string& Titel, TColor& Farbe) {
    const std::optional<TColor> neu = Host().FarbeWaehlen(Titel, Farbe);
    if (!neu) return false;
    // Only the three colour bytes: the top byte means something else to a
    // colour value and never comes from a dialog.
    Farbe = *neu & 0x00FFFFFFu;
    return true;
}

void EinstellFensterZeigen(const TEinstellFenster& F, bool Modal) { Host().FensterZeigen(F.Fenstername, Modal); }

void EinstellFensterVerbergen(const TEinstellFenster& F) { Host().FensterVerbergen(F.Fenstername); }
