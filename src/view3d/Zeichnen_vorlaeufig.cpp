// Stand-in for the redraw until the drawing of the scene exists; the drawing
// code replaces this file.
#include "view3d/Zeichnen.h"

void SzeneZeichnen() {}
