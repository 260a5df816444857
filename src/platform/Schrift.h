#pragma once
// A font as the canvas and the components take it.

#include <string>

#include "platform/Typen.h"

struct TFont {
    std::string Name = "DejaVu Sans";
    // As the class library counts it: negative = character height in pixels,
    // positive = cell height including the internal leading, 0 = default.
    int Height = -11;
    TColor Color = 0;
    bool operator==(const TFont&) const = default;
};
