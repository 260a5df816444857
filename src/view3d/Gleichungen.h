#pragma once
// The parameter equations of g and h (top edge) and of E1 and E2 (bottom
// edge) in the picture, as column vectors in brackets. Written after the
// hidden-line pass, so they stand on top of the picture.

#include <string>

#include "platform/Typen.h"

// All four equations in the colour of g; the lines only while their
// coordinates are shown (KoordZeigenGeraden), the planes likewise
// (KoordZeigenEbenen). Layout from SchriftGroessenSetzen.
void GleichungenZeichnen();

// The text of one component: fixed point with 3 decimals, shaped into eight
// characters (sign slot, four integer digits, comma, two decimals: " 0001,00",
// "-0012,50"). A value too large for the fixed form is written shorter,
// never cut inside its exponent.
std::string GleichungsZahlText(Extended c);

// Brackets around a column from top to bottom, left at x, right at x2, in
// the current pen.
void ZeichneLinkeKlammerBild(Extended x, Extended oben, Extended unten);
void ZeichneRechteKlammerBild(Extended x2, Extended oben, Extended unten);
