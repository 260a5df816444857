#pragma once
// What the settings windows of the main window share: the name the host
// knows them by, the button that closes them, and the swatch that shows a
// colour beside the button that changes it.

#include "platform/Komponenten.h"
#include "platform/Typen.h"

struct TEinstellFenster : TFormZustand {
    explicit TEinstellFenster(const char* Name) : Fenstername(Name) { BitBtn_Ok.Caption = "OK"; }

    const char* Fenstername;
    TBitBtn BitBtn_Ok;
};

// A colour swatch: a panel without caption in the colour it shows.
inline void FarbfeldSetzen(TPanel& P, TColor Farbe) {
    P.Caption.clear();
    P.Color = Farbe;
}

// The sizes a right-angle mark may take, in space units: the items of the
// size boxes of the rotation-segment and normal-vector settings.
void WinkelGroessenAnlegen(TComboBox& C);
// Chooses the item of C that shows Groesse (none when no item does).
void WinkelGroesseZeigen(TComboBox& C, Extended Groesse);
// The size of the chosen item; false when none is chosen.
bool WinkelGroesseLesen(const TComboBox& C, Extended& Groesse);
