#pragma once
// Basic types of the program: the 80-bit extended float, bytes, colours
// and the fixed arrays that are numbered as the program numbers them.

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>

using Extended = long double;   // x87 double-extended on x86-64 Linux
using Byte = std::uint8_t;
using TColor = std::uint32_t;   // $00BBGGRR

static_assert(sizeof(Extended) >= 10, "Extended must be the 80-bit x87 type");

// Fixed array with the bounds Lo..Hi (both inclusive). Bounds are checked in
// debug builds; the program never indexes outside them.
template <typename T, int Lo, int Hi>
struct TFeld {
    static_assert(Hi >= Lo);
    static constexpr int Low = Lo;
    static constexpr int High = Hi;
    static constexpr int Anzahl = Hi - Lo + 1;
    std::array<T, Anzahl> a{};

    T& operator[](int i) {
        assert(i >= Lo && i <= Hi);
        return a[static_cast<std::size_t>(i - Lo)];
    }
    const T& operator[](int i) const {
        assert(i >= Lo && i <= Hi);
        return a[static_cast<std::size_t>(i - Lo)];
    }
    T* begin() { return a.data(); }
    T* end() { return a.data() + Anzahl; }
    const T* begin() const { return a.data(); }
    const T* end() const { return a.data() + Anzahl; }
    bool operator==(const TFeld&) const = default;
};

// Angle conversion constants, as the program uses them.
inline constexpr Extended GradZuBogen = 0.017453292519943295769L;
inline constexpr Extended BogenZuGrad = 57.295779513082320877L;
inline constexpr Extended Pi = 3.1415926535897932385L;

// The one tolerance for every test against zero, parallelism or incidence.
inline constexpr Extended Toleranz = 1e-9L;

// A short string of at most n characters (the program's ShortString[n]).
inline std::string KurzText(const std::string& s, std::size_t n) {
    return s.size() <= n ? s : s.substr(0, n);
}
