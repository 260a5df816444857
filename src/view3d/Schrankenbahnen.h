#pragma once
// The bounded doubles of Tiefenschranken.h (Schranke) in the four lanes of
// Vierfach.h, with the same operations in the same order, so each lane
// gives the scalar bits; and the viewing ray of StrahlSchranken for four
// picture points at once. For the routines that make the pass's bounded
// data four entries at a time.

#include "view3d/Tiefenschranken.h"
#include "view3d/Vierfach.h"

#ifdef RG_VIERFACH

#include "scene/Ansicht.h"

namespace tiefe {

#define RG_BAHN [[gnu::target("avx2"), gnu::always_inline]] inline

// A Schranke in each lane; the operations as Schranke's (Tiefenschranken.h).
struct Schranke4 {
    Vierfach v, e;
};

RG_BAHN Schranke4 Breit(Schranke a) { return {Vier(a.v), Vier(a.e)}; }
RG_BAHN Schranke4 Gebunden4(Vierfach v, Vierfach Abstand) {
    return {v, Abstand + Betrag(v) * Vier(Rundung) + Vier(Winzig)};
}
RG_BAHN Schranke4 operator+(Schranke4 a, Schranke4 b) { return Gebunden4(a.v + b.v, a.e + b.e); }
RG_BAHN Schranke4 operator-(Schranke4 a, Schranke4 b) { return Gebunden4(a.v - b.v, a.e + b.e); }
RG_BAHN Schranke4 operator-(Schranke4 a) { return {-a.v, a.e}; }
RG_BAHN Schranke4 operator*(Schranke4 a, Schranke4 b) {
    return Gebunden4(a.v * b.v, Betrag(a.v) * b.e + (Betrag(b.v) + b.e) * a.e);
}

// std::max({a, b, c}) and Gross (the largest |coordinate|).
RG_BAHN Vierfach Max3(Vierfach a, Vierfach b, Vierfach c) { return Maximum(Maximum(a, b), c); }
RG_BAHN Vierfach Gross3(Vierfach a, Vierfach b, Vierfach c) { return Max3(Betrag(a), Betrag(b), Betrag(c)); }
RG_BAHN Maske Endlich(Vierfach a) { return Betrag(a) < Vier(inf); }

// StrahlSchranken(s, zentral, Sx, Sy, A, u) in each lane.
RG_BAHN void Strahl4(const SichtSchranken& s, bool zentral, Schranke4 Sx, Schranke4 Sy, Schranke4 A[3],
                     Schranke4 u[3]) {
    Schranke4 bx = Sx - Breit(s.ox), by = Sy - Breit(s.oy);
    if (s.versatz) {
        bx = bx + Breit(s.Vx);
        by = by + Breit(s.Vy);
    }
    const Schranke4 fest = Breit(s.fest);
    Schranke4 X[3];
    switch (ProjEbene) {
        case 1: X[0] = bx, X[1] = fest, X[2] = by; break;
        case 2: X[0] = fest, X[1] = bx, X[2] = by; break;
        default: X[0] = -by, X[1] = bx, X[2] = fest; break;
    }
    if (!zentral) {
        for (int c = 0; c < 3; ++c) A[c] = X[c];
        u[0] = Breit(s.P.x);
        u[1] = Breit(s.P.y);
        u[2] = Breit(s.P.z);
        return;
    }
    switch (ProjEbene) {
        case 1:
            X[0] = X[0] * Breit(s.r1);
            X[2] = X[2] * Breit(s.r2);
            break;
        case 2:
            X[1] = X[1] * Breit(s.r1);
            X[2] = X[2] * Breit(s.r2);
            break;
        default:
            X[1] = X[1] * Breit(s.r1);
            X[0] = X[0] * Breit(s.r2);
            break;
    }
    A[0] = Breit(s.Aug.x);
    A[1] = Breit(s.Aug.y);
    A[2] = Breit(s.Aug.z);
    u[0] = X[0] - Breit(s.Aug.x);
    u[1] = X[1] - Breit(s.Aug.y);
    u[2] = X[2] - Breit(s.Aug.z);
}

#undef RG_BAHN

}  // namespace tiefe

#endif
