#pragma once
// The window of example pictures, opened from the help menu: a vector, a
// line and a plane in parameter form, drawn small in an oblique view.

#include "platform/Komponenten.h"
#include "platform/Zeichenflaeche.h"

struct TForm_Beispiele : TFormZustand {
    TForm_Beispiele() {
        Caption = "   Beispiele";
        ClientWidth = 660;
        ClientHeight = 280;
    }
};
inline TForm_Beispiele Form_Beispiele;

// Draws the examples onto z, which covers the window's client area.
void BeispielZeichnen(Zeichenflaeche& z);
