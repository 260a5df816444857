#pragma once
// The part of the picture that shows the scene's frame: what a window laid
// over the picture should leave visible if it can.

#include "platform/Fensterplatz.h"

// The box around the projected corners of the axes cuboid and the axes
// cross (with arrow heads and letters), cut to PaintBox1, in PaintBox1's
// pixels; empty before anything is projected.
Rechteck GezeichneterBereich();
