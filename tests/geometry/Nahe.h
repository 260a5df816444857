#pragma once
// Shared by the geometry tests (and the rotation tests of the view and the
// window): comparisons within a tolerance, matrices written row by row, and
// a marker for outputs that must stay untouched.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

#include "geometry/Vektor.h"

inline void ErwarteNahe(TVek_R3 a, TVek_R3 b, Extended tol = 1e-15L) {
    EXPECT_NEAR(static_cast<double>(a.x), static_cast<double>(b.x), static_cast<double>(tol));
    EXPECT_NEAR(static_cast<double>(a.y), static_cast<double>(b.y), static_cast<double>(tol));
    EXPECT_NEAR(static_cast<double>(a.z), static_cast<double>(b.z), static_cast<double>(tol));
}

inline void ErwarteNahe(const TMatrix33& A, const TMatrix33& B, Extended tol = 1e-15L) {
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            EXPECT_NEAR(static_cast<double>(A(i, j)), static_cast<double>(B(i, j)), static_cast<double>(tol))
                << "element " << i << "," << j;
}

// The largest coordinate difference between two point lists, pair by pair.
inline long double GroessteAbweichung(const std::vector<TVek_R3>& a, const std::vector<TVek_R3>& b) {
    long double m = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        m = std::max({m, std::fabs(a[i].x - b[i].x), std::fabs(a[i].y - b[i].y), std::fabs(a[i].z - b[i].z)});
    return m;
}

inline TMatrix33 Matrix(std::initializer_list<Extended> w) {
    TMatrix33 M;
    auto it = w.begin();
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) M(i, j) = *it++;
    return M;
}

inline const TVek_R3 marke{99, 99, 99};
inline const TVek_R3 ex{1, 0, 0}, ey{0, 1, 0}, ez{0, 0, 1};
