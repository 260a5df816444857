#pragma once
// The picture's font and the layout of the equations in the picture; both
// follow the size of the main window and its paint box.

#include "platform/Typen.h"

// Layout of the equations (pixels).
inline Extended GleichungsTextMasse = 0;   // horizontal unit: PaintBox1 width / 80 · 2,5
inline int GleichungsZeilenabstand = 0;    // line spacing: twice the font height
inline Extended GleichungHLinks = 0;       // left edge of h: width - 14 units
inline Extended GleichungE2Links = 0;      // left edge of E2: width - 16 units
inline Extended GleichungEbenenOben = 0;   // offset of the plane equations: height - 5 lines

// Font height of the picture canvas (pixels) for a main window of the given
// client width: the program's font size rule (6 below 800, 7 below 1024,
// else width / 1000 · 8 rounded, in points at 96 dpi).
int BildSchriftHoehe(int ClientBreite);

// Sets the picture canvas font height from the main window's size and the
// layout values above from PaintBox1. Runs at creation and whenever the
// picture size changes.
void SchriftGroessenSetzen();
// The equation layout back to its start values (nothing laid out yet).
void SchriftGroessenNullen();
