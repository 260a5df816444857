#pragma once
// The one redraw of the picture: draws the whole scene.

#include "geometry/Vektor.h"
#include "platform/Typen.h"
#include "platform/Zeichenflaeche.h"

void SzeneZeichnen();

// Draws the segment A-B of space onto the picture, or queues it while hidden
// lines are on. Every line of the picture goes through here.
void StreckeZeichnen3D(TVek_R3 A, TVek_R3 B, TColor Farbe, TPenStyle Stil, int Breite);
