#pragma once
// The vector and matrix memories shared by every window.

#include <string>

#include "geometry/Vektor.h"

// One vector as three number texts of at most 18 characters each.
struct TSpeicherVektor {
    std::string x, y, z;
    bool operator==(const TSpeicherVektor&) const = default;
};

// Entry 0 is the transfer slot, 1..4 are "Speicher 1" .. "Speicher 4".
inline TFeld<TSpeicherVektor, 0, 4> VektorSpeicher{{{
    {}, {"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}}}};
// Slot 0 is the transfer slot, 1..3 are "Matrix-Speicher 1" .. "Matrix-Speicher 3".
inline TFeld<TMatrix33, 0, 3> MatrixSpeicher;

// Both memories to their start: entries 1..4 hold "0" three times, the
// transfer slot is empty, every matrix is zero.
void SpeicherNullen();
