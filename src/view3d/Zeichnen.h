#pragma once
// The one redraw of the picture: draws the whole scene.

void SzeneZeichnen();
