#pragma once
// The one redraw of the picture and the segment primitive every line of the
// picture goes through. All drawing goes to Zeichenbitmap(); the finished
// picture reaches the screen once per redraw through BildUebertragen.

#include <functional>

#include "geometry/Vektor.h"
#include "platform/Typen.h"
#include "platform/Zeichenflaeche.h"

// Draws the whole scene in its fixed order. Never runs inside itself: a
// redraw asked for while one runs is remembered and runs once after it.
void SzeneZeichnen();
// true while SzeneZeichnen runs.
bool SzeneWirdGezeichnet();
// Runs Aktion with the redraws it asks for held back, then draws once when
// it asked for any: a handler made of others that each redraw shows one
// picture, of the state they end in.
void MitEinemBild(const std::function<void()>& Aktion);

// Draws the segment A-B of space onto the picture, or queues it while hidden
// lines are on. Every line of the picture goes through here. At the queue's
// limit it tells the user, switches hidden lines off and draws on directly.
void StreckeZeichnen3D(TVek_R3 A, TVek_R3 B, TColor Farbe, TPenStyle Stil, int Breite);
// The same drawing without the queue (the hidden-line pass uses it).
void StreckeDirektZeichnen(TVek_R3 A, TVek_R3 B, TColor Farbe, TPenStyle Stil, int Breite);
// The same from the ends' picture points in pixels (BildpunktPixel of A
// and B), for a caller that has them already.
void StreckePixelZeichnen(TVek_R2 a, TVek_R2 b, TColor Farbe, TPenStyle Stil, int Breite);

// Fills the picture area (the client area left of Panel_rechts) with
// FarbeHintergrund.
void HintergrundFuellen();

// Shifts the picture by Schritt pixels, horizontally or vertically, and
// redraws.
void BildVerschieben(int Schritt, bool Waagerecht);

// The picture point of P in pixels of the bitmap (x to the right, y
// downward), not rounded: for drawing straight onto the canvas through
// StreckeR2 / PolygonR2 or PixelRunden, which clip and round safely.
TVek_R2 BildpunktPixel(TVek_R3 P);

// Set by the front: shows the finished picture (the block transfer of the
// bitmap to PaintBox1). Runs once at the end of every redraw.
inline std::function<void()> BildUebertragen;

// The message at the hidden-line list's limit.
inline constexpr const char* StreckenGrenzeMeldung =
    "Bei der Einstellung 'verdeckte Linien beachten ein' ist nur\n"
    "eine begrenzte Anzahl von Strecken zugelassen!\n"
    "Insbesondere Kugeln werden durch Hunderte von Strecken dargestellt!\n"
    "Blenden Sie also bitte einige Objekte, insbesondere mindestens zwei der Kugeln aus,\n"
    "wenn Sie 'Berücksichtigen verdeckter Linien ein' eingestellt haben!";
