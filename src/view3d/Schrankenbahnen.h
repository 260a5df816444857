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

// PaarDet of Tiefenschranken.cpp for the pair of coordinates whose values
// are a1, a2 of u and b1, b2 of v.
RG_BAHN Vierfach PaarDet4(Vierfach a1, Vierfach a2, Vierfach b1, Vierfach b2, Vierfach eu, Vierfach ev,
                          Vierfach& eD) {
    const Vierfach D = a1 * b2 - a2 * b1;
    eD = eu * (Betrag(b1) + Betrag(b2) + Vier(2) * ev) + ev * (Betrag(a1) + Betrag(a2)) +
         Vier(Rundung) * (Betrag(a1 * b2) + Betrag(a2 * b1) + Betrag(D)) + Vier(3 * Winzig);
    return D;
}

// TAusPaar for the lanes' pairs (a1, a2 of U, d1, d2 of D3), q and kehr as
// KehrwertVon makes them.
RG_BAHN Vierfach TAusPaar4(Vierfach q, Vierfach kehr, Vierfach eD, Vierfach a1, Vierfach a2, Vierfach eu, Vierfach d1,
                           Vierfach d2, Vierfach ed, Vierfach& et) {
    const Vierfach N = a1 * d2 - a2 * d1;
    const Vierfach eN = eu * (Betrag(d1) + Betrag(d2) + Vier(2) * ed) + ed * (Betrag(a1) + Betrag(a2)) +
                        Vier(Rundung) * (Betrag(a1 * d2) + Betrag(a2 * d1) + Betrag(N)) + Vier(3 * Winzig);
    const Vierfach t = N * q;
    et = (eN + Betrag(N) * kehr * Vier(1 + 1e-15) * eD) * kehr * Vier(1 + 1e-15) + Vier(2) * Betrag(t) * Vier(Rundung) +
         Vier(Winzig);
    return t;
}

// KehrwertVon, then TAusPaar.
RG_BAHN Vierfach TAusPaar4(Vierfach D, Vierfach eD, Vierfach a1, Vierfach a2, Vierfach eu, Vierfach d1, Vierfach d2,
                           Vierfach ed, Vierfach& et) {
    const Vierfach q = Vier(1) / D;
    const Vierfach aq = Betrag(q);
    const Vierfach kehr = aq * (Vier(1) + Vier(2) * eD * aq * Vier(1 + 1e-15)) * Vier(1 + 1e-15);
    return TAusPaar4(q, kehr, eD, a1, a2, eu, d1, d2, ed, et);
}

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
