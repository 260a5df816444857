#pragma once
// The plain vector and matrix value types. They lie here, below the geometry
// that computes with them, so the canvas can take points without the
// geometry's routines.

#include <cassert>

#include "platform/Typen.h"

struct TVek_R3 {
    Extended x = 0, y = 0, z = 0;
    bool operator==(const TVek_R3&) const = default;
};

struct TVek_R2 {
    Extended x = 0, y = 0;
    bool operator==(const TVek_R2&) const = default;
};

// 3x3 matrix indexed (row, column) from 1 to 3, stored row by row.
struct TMatrix33 {
    Extended m[3][3] = {};
    Extended& operator()(int i, int j) {
        assert(i >= 1 && i <= 3 && j >= 1 && j <= 3);
        return m[i - 1][j - 1];
    }
    Extended operator()(int i, int j) const {
        assert(i >= 1 && i <= 3 && j >= 1 && j <= 3);
        return m[i - 1][j - 1];
    }
    bool operator==(const TMatrix33&) const = default;
};
