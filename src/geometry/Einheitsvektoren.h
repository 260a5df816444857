#pragma once
// The unit vectors of the coordinate axes.

#include "geometry/Vektor.h"

inline constexpr TVek_R3 EinhVekX{1.0L, 0.0L, 0.0L};
inline constexpr TVek_R3 EinhVekY{0.0L, 1.0L, 0.0L};
inline constexpr TVek_R3 EinhVekZ{0.0L, 0.0L, 1.0L};
