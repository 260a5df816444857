#include "view3d/Tiefenordnung.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>
#include <utility>
#include <vector>

#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "scene/Ansicht.h"
#include "scene/Objekte.h"
#include "view3d/Projektion.h"
#include "view3d/Zeichnen.h"

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

// ---- What the comparison needs of one entry ----------------------------------------

// In extended precision, every value exactly as the plain comparison
// computes it.
struct Genau {
    TVek_R2 E1, u;           // the prepared picture's Stuetzpunkt and Richtung
    Tiefenstrecke T;
    TVek_R3 v;               // T.B - T.A
    bool vNull = false;      // IstNullvektor(v)
    Byte vKoord = 0;         // the first coordinate of v that is not 0
    Byte LambdaArt = 0;      // λ from x (0), from y (1), none (2)
};

// In double, for the quick test and the search: the picture's box widened
// far enough that a crossing the exact comparison would find, rounding
// included, lies inside both boxes, and its direction.
struct Schnelltest {
    double xmin, xmax, ymin, ymax;
    double ux, uy, n;  // n = |ux| + |uy|
    double x1, y1;     // Stuetzpunkt
    double K;          // largest coordinate, plus 1
    bool Hauptachse;   // λ comes surely from a coordinate of at least n / 4
    bool Punkt;        // a picture of no length at all: Richtung exactly (0, 0)
    double Laenge;     // |Richtung|
    double Summe;      // Tiefenstrecke::Summe (central projection)
};

Schnelltest SchnelltestBerechnen(const TGer_R2& G) {
    const double x1 = static_cast<double>(G.Endpunkt1.x), y1 = static_cast<double>(G.Endpunkt1.y);
    const double x2 = static_cast<double>(G.Endpunkt2.x), y2 = static_cast<double>(G.Endpunkt2.y);
    const double ux = static_cast<double>(G.Richtung.x), uy = static_cast<double>(G.Richtung.y);
    Schnelltest t{-inf, inf, -inf, inf, ux, uy, std::fabs(ux) + std::fabs(uy), x1, y1, inf, false,
                  G.Richtung.x == 0 && G.Richtung.y == 0, std::sqrt(ux * ux + uy * uy), 0};
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
        !std::isfinite(t.n)) {
        t.n = inf;  // never passes the quick test
        return t;
    }
    // The crossing point is computed on the first segment's line and tested
    // by λ from one coordinate each (x unless the picture is upright): the
    // other coordinate may stray by the rounding of that λ times the slope.
    const double K = std::max({std::fabs(x1), std::fabs(y1), std::fabs(x2), std::fabs(y2)}) + 1.0;
    const double delta = 1e-12 * K;
    const double ax = std::fabs(ux), ay = std::fabs(uy);
    t.K = K;
    t.Hauptachse = (ax > 2e-9 && ax >= 0.25 * t.n) || (ax < 0.5e-9 && ay >= 0.25 * t.n);
    double mx, my;
    if (ax > 2e-9) {
        mx = 1e-8 * ax + delta;
        my = 1e-8 * ay + 5 * delta * (1 + ay / ax);
    } else if (ax < 0.5e-9) {
        my = 1e-8 * ay + delta;
        mx = ay > 0 ? 1e-8 * ax + 5 * delta * (1 + ax / ay) : inf;
    } else {
        return t;  // which coordinate λ comes from is not certain here
    }
    t.xmin = std::min(x1, x2) - mx;
    t.xmax = std::max(x1, x2) + mx;
    t.ymin = std::min(y1, y2) - my;
    t.ymax = std::max(y1, y2) + my;
    return t;
}

// ---- The comparison from the prepared data -------------------------------------------

Extended Lambda(const Genau& g, const TVek_R2& S) {
    switch (g.LambdaArt) {
        case 0: return (S.x - g.E1.x) / g.u.x;
        case 1: return (S.y - g.E1.y) / g.u.y;
        default: return -1;
    }
}

// PunktAufStrecke for the prepared segment: the line's point on the ray, the
// origin when they do not meet. The same operations in the same order as
// LageZweierGeraden and SchnittpunktZweierGeraden; what depends on the
// segment alone was computed once.
TVek_R3 PunktAufStreckeGenau(const Strahl& r, bool rNull, const Genau& g) {
    const TVek_R3& u = r.u;
    const TVek_R3& v = g.v;
    if (rNull || g.vNull) return {};  // LinearAbhaengig2: parallel
    const Extended k = g.vKoord == 0 ? u.x / v.x : g.vKoord == 1 ? u.y / v.y : u.z / v.z;
    if (std::fabs(u.x - k * v.x) < Toleranz && std::fabs(u.y - k * v.y) < Toleranz &&
        std::fabs(u.z - k * v.z) < Toleranz)
        return {};
    const TVek_R3 d{g.T.A.x - r.A.x, g.T.A.y - r.A.y, g.T.A.z - r.A.z};
    if (!(std::fabs(Determinante3(u, v, d)) < Toleranz)) return {};  // skew
    Extended D = u.x * v.y - u.y * v.x;
    if (std::fabs(D) >= Toleranz) {
        const Extended t = (u.x * d.y - u.y * d.x) / D;
        return {g.T.A.x - t * v.x, g.T.A.y - t * v.y, g.T.A.z - t * v.z};
    }
    D = u.y * v.z - u.z * v.y;
    if (std::fabs(D) >= Toleranz) {
        const Extended t = (u.y * d.z - u.z * d.y) / D;
        return {g.T.A.x - t * v.x, g.T.A.y - t * v.y, g.T.A.z - t * v.z};
    }
    D = u.x * v.z - u.z * v.x;
    if (std::fabs(D) >= Toleranz) {
        const Extended t = (u.x * d.z - u.z * d.x) / D;
        return {g.T.A.x - t * v.x, g.T.A.y - t * v.y, g.T.A.z - t * v.z};
    }
    return {};
}

// ---- The recovery of the space points in double, with a bound ------------------------

// A double and how far from it the value of the extended-precision
// computation it follows can lie: that value is within [v - e, v + e]. Each
// operation below follows one operation of the extended computation and
// widens e by the difference of the two inputs' ranges and by both
// roundings (of the double and of the extended result), so the extended
// value stays inside. A decision whose margin exceeds the bounds is the
// extended computation's decision; anything closer, or not finite, is left
// to the extended computation itself.
struct Schranke {
    double v = 0, e = 0;
};
constexpr double Rundung = 1.2e-16;  // half an ulp of double plus one of extended, relative
constexpr double Winzig = 1e-100;    // results near the subnormal range (kept far from it: slow)
// Every bound below is a sum and product of non-negative terms, so its own
// rounding makes it smaller by at most a factor 1 - 2^-53 per operation; a
// decision widens it by far more than the chains here can lose.
constexpr double Zuschlag = 1 + 1e-12;

inline Schranke Gebunden(double v, double Abstand) { return {v, Abstand + std::fabs(v) * Rundung + Winzig}; }
inline Schranke Aus(Extended L) {
    const double v = static_cast<double>(L);
    return {v, static_cast<double>(std::fabs(L - static_cast<Extended>(v))) * Zuschlag + Winzig};
}
inline Schranke operator+(Schranke a, Schranke b) { return Gebunden(a.v + b.v, a.e + b.e); }
inline Schranke operator-(Schranke a, Schranke b) { return Gebunden(a.v - b.v, a.e + b.e); }
inline Schranke operator-(Schranke a) { return {-a.v, a.e}; }
inline Schranke operator*(Schranke a, Schranke b) {
    return Gebunden(a.v * b.v, std::fabs(a.v) * b.e + (std::fabs(b.v) + b.e) * a.e);
}
// A divisor whose extended value is surely not 0, and far enough from it
// that the bound of the quotient does not hinge on the rounding of b.e.
inline bool Teiler(Schranke b) { return std::fabs(b.v) > 2 * b.e; }
// Only for Teiler(b).
inline Schranke operator/(Schranke a, Schranke b) {
    const double v = a.v / b.v;
    return Gebunden(v, (a.e + std::fabs(v) * (1 + 1e-15) * b.e) / (std::fabs(b.v) - b.e));
}
inline Schranke Abs(Schranke a) { return {std::fabs(a.v), a.e}; }
// Of a value that is not negative in either computation.
inline Schranke Wurzel(Schranke a) {
    const double v = std::sqrt(a.v);
    const double w = std::sqrt(a.e);
    return Gebunden(v, v > 0 ? std::min(a.e / v, w) : w);
}
// Whether the extended a < b: 1 surely, 0 surely not, -1 not sure.
inline int Kleiner(Schranke a, Schranke b) {
    const double d = b.v - a.v;
    const double r = (a.e + b.e) * Zuschlag + std::fabs(d) * 2.3e-16 + 1e-90;
    return d > r ? 1 : d < -r ? 0 : -1;
}
// a && b of such answers.
inline int Und(int a, int b) { return a == 0 || b == 0 ? 0 : a == 1 && b == 1 ? 1 : -1; }

struct Vek3 {
    Schranke x, y, z;
};
inline Vek3 Aus(const TVek_R3& v) { return {Aus(v.x), Aus(v.y), Aus(v.z)}; }

// The view's constants the recovery reads, as bounded doubles.
struct SichtSchranken {
    Schranke ox, oy, Vx, Vy, fest, s1, s2, Tol, Eins, Grenze;
    Vek3 Aug, P;
    bool versatz = false;
};

// Sehstrahl in bounded doubles.
void StrahlSchranken(const SichtSchranken& s, bool zentral, Schranke Sx, Schranke Sy, Vek3& A, Vek3& u) {
    Schranke bx = Sx - s.ox, by = Sy - s.oy;
    if (s.versatz) {
        bx = bx + s.Vx;
        by = by + s.Vy;
    }
    Vek3 X;
    switch (ProjEbene) {
        case 1: X = {bx, s.fest, by}; break;
        case 2: X = {s.fest, bx, by}; break;
        default: X = {-by, bx, s.fest}; break;
    }
    if (!zentral) {
        A = X;
        u = s.P;
        return;
    }
    switch (ProjEbene) {
        case 1:
            X.x = X.x / s.s1;
            X.z = X.z / s.s2;
            break;
        case 2:
            X.y = X.y / s.s1;
            X.z = X.z / s.s2;
            break;
        default:
            X.y = X.y / s.s1;
            X.x = X.x / s.s2;
            break;
    }
    A = s.Aug;
    u = {X.x - s.Aug.x, X.y - s.Aug.y, X.z - s.Aug.z};
}

// IstNullvektor in bounded doubles.
int Nullvektor(const Vek3& u, const Schranke& Tol) {
    return Und(Und(Kleiner(Abs(u.x), Tol), Kleiner(Abs(u.y), Tol)), Kleiner(Abs(u.z), Tol));
}

// The segment's data for the recovery, and its picture.
struct GenauSchranken {
    Vek3 A, v;
    Schranke E1x, E1y, ux, uy;
};

// |Determinante3(u, v, d)| < Toleranz in extended precision, from plain
// doubles each within eu, ev, ed of the extended coordinates (mu, mv, md the
// largest coordinates): 1 surely, 0 surely not, -1 not sure. The determinant
// is linear in each argument, so the inputs' distances add at most 6 · (each
// distance times the other two largest coordinates); each evaluation rounds
// each of its six terms through five operations.
int EbenDoppelt(const double* u, const double* v, const double* d, double mu, double mv, double md, double eu,
                double ev, double ed) {
    const double dv = u[0] * v[1] * d[2] + v[0] * d[1] * u[2] + d[0] * u[1] * v[2] -
                      (u[2] * v[1] * d[0] + v[2] * d[1] * u[0] + d[2] * u[1] * v[0]);
    const double B = (6 * (eu * (mv + ev) * (md + ed) + mu * ev * (md + ed) + mu * mv * ed) +
                      4e-15 * (mu + eu) * (mv + ev) * (md + ed)) *
                         Zuschlag +
                     1e-90;
    if (std::fabs(dv) + B < 0.9999999e-9) return 1;
    if (std::fabs(dv) - B > 1.0000001e-9) return 0;
    return -1;
}

// PunktAufStreckeGenau in bounded doubles: false when not sure.
bool PunktSchranken(const Vek3& rA, const Vek3& u, int rNull, const Genau& g, const GenauSchranken& b,
                    const Schranke& Tol, Vek3& Q) {
    const Schranke Null{};
    if (rNull == 1 || g.vNull) {
        Q = {Null, Null, Null};
        return true;
    }
    if (rNull < 0) return false;
    const Vek3& v = b.v;
    const Schranke& vk = g.vKoord == 0 ? v.x : g.vKoord == 1 ? v.y : v.z;
    if (!Teiler(vk)) return false;
    const Schranke k = (g.vKoord == 0 ? u.x : g.vKoord == 1 ? u.y : u.z) / vk;
    // LinearAbhaengig2's three tests; one that surely fails decides.
    int parallel = Kleiner(Abs(u.x - k * v.x), Tol);
    if (parallel != 0) parallel = Und(parallel, Kleiner(Abs(u.y - k * v.y), Tol));
    if (parallel != 0) parallel = Und(parallel, Kleiner(Abs(u.z - k * v.z), Tol));
    if (parallel < 0) return false;
    if (parallel == 1) {
        Q = {Null, Null, Null};
        return true;
    }
    const Vek3 d{b.A.x - rA.x, b.A.y - rA.y, b.A.z - rA.z};
    // Determinante3(u, v, d) < Toleranz? First in plain doubles.
    int eben;
    {
        const auto gross = [](const Vek3& w) {
            return std::max({std::fabs(w.x.v), std::fabs(w.y.v), std::fabs(w.z.v)});
        };
        const auto fehler = [](const Vek3& w) { return std::max({w.x.e, w.y.e, w.z.e}); };
        const double U[3] = {u.x.v, u.y.v, u.z.v}, V[3] = {v.x.v, v.y.v, v.z.v}, D3[3] = {d.x.v, d.y.v, d.z.v};
        eben = EbenDoppelt(U, V, D3, gross(u), gross(v), gross(d), fehler(u), fehler(v), fehler(d));
    }
    if (eben < 0) {
        // Term by term in its order.
        const Schranke det = u.x * v.y * d.z + v.x * d.y * u.z + d.x * u.y * v.z -
                             (u.z * v.y * d.x + v.z * d.y * u.x + d.z * u.y * v.x);
        eben = Kleiner(Abs(det), Tol);
    }
    if (eben < 0) return false;
    if (eben == 0) {
        Q = {Null, Null, Null};
        return true;
    }
    const Schranke* paare[3][4] = {{&u.x, &u.y, &v.x, &v.y}, {&u.y, &u.z, &v.y, &v.z}, {&u.x, &u.z, &v.x, &v.z}};
    const Schranke* dd[3][2] = {{&d.x, &d.y}, {&d.y, &d.z}, {&d.x, &d.z}};
    for (int p = 0; p < 3; ++p) {
        const Schranke &a1 = *paare[p][0], &a2 = *paare[p][1], &b1 = *paare[p][2], &b2 = *paare[p][3];
        const Schranke D = a1 * b2 - a2 * b1;
        const int klein = Kleiner(Abs(D), Tol);
        if (klein < 0) return false;
        if (klein == 1) continue;
        if (!Teiler(D)) return false;
        const Schranke t = (a1 * *dd[p][1] - a2 * *dd[p][0]) / D;
        Q = {b.A.x - t * v.x, b.A.y - t * v.y, b.A.z - t * v.z};
        return true;
    }
    Q = {Null, Null, Null};
    return true;
}

// PunktSchranken with one bound per vector (on the largest distance of a
// coordinate from the extended value) instead of one per coordinate: a
// third of the work, bounds a little wider. false when not sure; the
// caller then asks PunktSchranken. Each step widens the bound as the
// matching operation of Schranke would, taking the vector's largest
// coordinates where those take each one's.
bool PunktSchnell(const Vek3& rA, const Vek3& u, int rNull, const Genau& g, const GenauSchranken& b,
                  const Schranke& Tol, Vek3& Q) {
    const Schranke Null{};
    if (rNull == 1 || g.vNull) {
        Q = {Null, Null, Null};
        return true;
    }
    if (rNull < 0) return false;
    const auto gross = [](double x, double y, double z) { return std::max({std::fabs(x), std::fabs(y), std::fabs(z)}); };
    const double U[3] = {u.x.v, u.y.v, u.z.v}, V[3] = {b.v.x.v, b.v.y.v, b.v.z.v};
    const double eu = std::max({u.x.e, u.y.e, u.z.e}), ev = std::max({b.v.x.e, b.v.y.e, b.v.z.e});
    const double mu = gross(U[0], U[1], U[2]), mv = gross(V[0], V[1], V[2]);
    const double T = Tol.v, eT = Tol.e;
    // Whether the extended |x| < Toleranz, for x within e of the double: 1
    // surely, 0 surely not, -1 not sure.
    const auto unterTol = [T, eT](double x, double e) {
        const double a = std::fabs(x);
        const double r = (e + eT) * Zuschlag + 2.3e-16 * (a + T) + 1e-90;
        return T - a > r ? 1 : a - T > r ? 0 : -1;
    };
    const int c = g.vKoord;
    const double vk = V[c];
    if (!(std::fabs(vk) > 2 * ev)) return false;
    const double k = U[c] / vk;
    const double ak = std::fabs(k);
    const double ek = (eu + ak * (1 + 1e-15) * ev) / (std::fabs(vk) - ev) + ak * Rundung + Winzig;
    // LinearAbhaengig2: u - k·v within Toleranz of 0 in every coordinate.
    const double w[3] = {U[0] - k * V[0], U[1] - k * V[1], U[2] - k * V[2]};
    const double ew = eu + ak * ev + ek * (mv + ev) + Rundung * (ak * mv + gross(w[0], w[1], w[2])) + 2 * Winzig;
    int parallel = 1;
    for (double x : w) {
        const int t = unterTol(x, ew);
        if (t == 0) {
            parallel = 0;
            break;
        }
        if (t < 0) parallel = -1;
    }
    if (parallel < 0) return false;
    if (parallel == 1) {
        Q = {Null, Null, Null};
        return true;
    }
    const double A[3] = {b.A.x.v, b.A.y.v, b.A.z.v};
    const double eA = std::max({b.A.x.e, b.A.y.e, b.A.z.e});
    const double D3[3] = {A[0] - rA.x.v, A[1] - rA.y.v, A[2] - rA.z.v};
    const double md = gross(D3[0], D3[1], D3[2]);
    const double ed = eA + std::max({rA.x.e, rA.y.e, rA.z.e}) + Rundung * md + Winzig;
    const int eben = EbenDoppelt(U, V, D3, mu, mv, md, eu, ev, ed);
    if (eben < 0) return false;
    if (eben == 0) {
        Q = {Null, Null, Null};
        return true;
    }
    // The pairs of coordinates in the order of PunktAufStreckeGenau.
    static constexpr int paare[3][2] = {{0, 1}, {1, 2}, {0, 2}};
    for (const auto& pq : paare) {
        const double a1 = U[pq[0]], a2 = U[pq[1]], b1 = V[pq[0]], b2 = V[pq[1]];
        const double D = a1 * b2 - a2 * b1;
        const double eD = eu * (std::fabs(b1) + std::fabs(b2) + 2 * ev) + ev * (std::fabs(a1) + std::fabs(a2)) +
                          Rundung * (std::fabs(a1 * b2) + std::fabs(a2 * b1) + std::fabs(D)) + 3 * Winzig;
        const int klein = unterTol(D, eD);
        if (klein < 0) return false;
        if (klein == 1) continue;
        if (!(std::fabs(D) > 2 * eD)) return false;
        const double d1 = D3[pq[0]], d2 = D3[pq[1]];
        const double N = a1 * d2 - a2 * d1;
        const double eN = eu * (std::fabs(d1) + std::fabs(d2) + 2 * ed) + ed * (std::fabs(a1) + std::fabs(a2)) +
                          Rundung * (std::fabs(a1 * d2) + std::fabs(a2 * d1) + std::fabs(N)) + 3 * Winzig;
        const double t = N / D;
        const double at = std::fabs(t);
        const double et = (eN + at * (1 + 1e-15) * eD) / (std::fabs(D) - eD) + at * Rundung + Winzig;
        const double q[3] = {A[0] - t * V[0], A[1] - t * V[1], A[2] - t * V[2]};
        const double eQ = eA + at * ev + et * (mv + ev) + Rundung * (at * mv + gross(q[0], q[1], q[2])) + 2 * Winzig;
        Q = {{q[0], eQ}, {q[1], eQ}, {q[2], eQ}};
        return true;
    }
    Q = {Null, Null, Null};
    return true;
}

// The distance from the eye point as the central comparison computes it.
// Bounded as a whole: the differences' bounds, as a vector, move the length
// by at most their sum; both evaluations of the length round by less than
// 4 · 10^-16 of it.
Schranke AbstandVomAuge(const SichtSchranken& s, const Vek3& Q) {
    const double dx = s.Aug.x.v - Q.x.v, dy = s.Aug.y.v - Q.y.v, dz = s.Aug.z.v - Q.z.v;
    const double ex = s.Aug.x.e + Q.x.e + std::fabs(dx) * Rundung;
    const double ey = s.Aug.y.e + Q.y.e + std::fabs(dy) * Rundung;
    const double ez = s.Aug.z.e + Q.z.e + std::fabs(dz) * Rundung;
    const double d = std::sqrt(dx * dx + dy * dy + dz * dz);
    return {d, (ex + ey + ez + 4e-16 * d) * Zuschlag + Winzig};
}

// The comparison of the recovered points: di > dj - Toleranz (central),
// (Qj - Qi)·ProjRichtung > Grenze (parallel).
int RaumpunkteVergleichen(const SichtSchranken& s, bool zentral, const Vek3& Qi, const Vek3& Qj) {
    if (zentral) {
        const Schranke di = AbstandVomAuge(s, Qi);
        return Kleiner(AbstandVomAuge(s, Qj) - s.Tol, di);
    }
    const Schranke dx = Qj.x - Qi.x, dy = Qj.y - Qi.y, dz = Qj.z - Qi.z;
    return Kleiner(s.Grenze, dx * s.P.x + dy * s.P.y + dz * s.P.z);
}

// The recovery of Qi and Qj for the crossing point (Sx, Sy) and their
// comparison in bounded doubles; -1 when that is not sure.
int RaumvergleichSchranken(const SichtSchranken& s, bool zentral, Schranke Sx, Schranke Sy, const Genau& I,
                           const GenauSchranken& IB, const Genau& J, const GenauSchranken& JB) {
    Vek3 A, u;
    StrahlSchranken(s, zentral, Sx, Sy, A, u);
    const int rNull = Nullvektor(u, s.Tol);
    Vek3 Qi, Qj;
    if (!PunktSchnell(A, u, rNull, I, IB, s.Tol, Qi) && !PunktSchranken(A, u, rNull, I, IB, s.Tol, Qi)) return -1;
    if (!PunktSchnell(A, u, rNull, J, JB, s.Tol, Qj) && !PunktSchranken(A, u, rNull, J, JB, s.Tol, Qj)) return -1;
    return RaumpunkteVergleichen(s, zentral, Qi, Qj);
}

// The comparison of crossing pictures in bounded doubles, from the crossing
// point on: 1 or 0 when the result is sure, -1 when not (or when the
// pictures are not surely crossing lines).
int KreuzungSchranken(const SichtSchranken& s, bool zentral, const Genau& I, const GenauSchranken& IB,
                      const Genau& J, const GenauSchranken& JB) {
    if (I.LambdaArt == 2 || J.LambdaArt == 2) return -1;
    const Schranke det = IB.ux * JB.uy - IB.uy * JB.ux;
    if (Kleiner(Abs(det), s.Tol) != 0) return -1;
    // SchnittpunktZweierGeraden2D
    const Schranke Cx = JB.E1x - IB.E1x, Cy = JB.E1y - IB.E1y;
    const Schranke mx = -JB.ux, my = -JB.uy;
    const Schranke D = IB.ux * my - IB.uy * mx;
    if (!Teiler(D)) return -1;
    const Schranke r = (Cx * my - Cy * mx) / D;
    const Schranke Sx = IB.E1x + r * IB.ux, Sy = IB.E1y + r * IB.uy;
    // λ of both, and whether it lies within -Toleranz .. 1.000000001.
    int drin = 1;
    for (const auto* g : {&IB, &JB}) {
        const bool ausX = (g == &IB ? I : J).LambdaArt == 0;
        const Schranke& teiler = ausX ? g->ux : g->uy;
        if (!Teiler(teiler)) return -1;
        const Schranke Lambda = ((ausX ? Sx - g->E1x : Sy - g->E1y)) / teiler;
        const int auf = Und(Kleiner(-s.Tol, Lambda), Kleiner(Lambda, s.Eins));
        if (auf == 0) return 1;  // off a picture: true
        if (auf < 0) drin = -1;
    }
    if (drin < 0) return -1;
    return RaumvergleichSchranken(s, zentral, Sx, Sy, I, IB, J, JB);
}

// The comparison of the plain transcription (Vergleichen in
// VerdeckteLinien.cpp) on prepared data: the same values, so the same
// decisions.
bool VergleichGenau(const Genau& I, const Genau& J, int i, int j, bool zentral, Extended Grenze) {
    const Extended det = I.u.x * J.u.y - I.u.y * J.u.x;
    if (std::fabs(det) >= Toleranz) {
        // SchnittpunktZweierGeraden2D
        TVek_R2 S;
        const TVek_R2 C{J.E1.x - I.E1.x, J.E1.y - I.E1.y};
        const TVek_R2 m{-J.u.x, -J.u.y};
        const Extended D = I.u.x * m.y - I.u.y * m.x;
        if (D != 0) {
            const Extended r = (C.x * m.y - C.y * m.x) / D;
            S = {I.E1.x + r * I.u.x, I.E1.y + r * I.u.y};
        }
        if (!AufStrecke(Lambda(I, S)) || !AufStrecke(Lambda(J, S))) return true;
        const Strahl r = Sehstrahl(S, zentral);
        const bool rNull = IstNullvektor(r.u);
        const TVek_R3 Qi = PunktAufStreckeGenau(r, rNull, I);
        const TVek_R3 Qj = PunktAufStreckeGenau(r, rNull, J);
        if (zentral) return AbstandPunktPunkt(Qi, Augpunkt) > AbstandPunktPunkt(Qj, Augpunkt) - Toleranz;
        TVek_R3 d;
        VektorAB(Qi, Qj, d);
        return Skalarprodukt(d, ProjRichtung) > Grenze;
    }
    const TVek_R2 d{J.E1.x - I.E1.x, J.E1.y - I.E1.y};
    if (std::fabs(I.u.x * d.y - I.u.y * d.x) >= Toleranz) {
        if (!zentral) return true;
        return I.T.Summe > J.T.Summe - Toleranz;
    }
    if (zentral) return I.T.Summe >= J.T.Summe - Toleranz;
    return EineBildgeradeParallel(St[i], St[j]);
}

// ---- The search for the entries a comparison can come out false against ---------------

// The candidates of an entry a: those whose picture passes through a grid
// cell a's picture passes through, those whose picture is nearly parallel to
// a's (found in the order of the pictures' angles), and the few that are
// compared with every entry (pictures of almost no length, or not finite,
// or crossing too many cells). Every other pair compares true:
// - Pictures that are not nearly parallel cannot lie on one line or on
//   parallel lines (LageZweierGeraden2D gives 1), and a false result needs
//   their crossing point S within both, λ within 0..1. S lies on a's line
//   within a's ends (plus what the rounding of λ allows), and so close to
//   the other line that it lies within the other picture's ends as well:
//   the cell that holds S holds both pictures.
// - Nearly parallel pictures are all candidates.
// Each picture is registered in the cells its segment, lengthened at both
// ends and widened by those margins, meets.
class Nachbarsuche {
public:
    void Aufbauen(const std::vector<Schnelltest>& t, const std::vector<Genau>& g, int n);
    // Calls f(x) once for every candidate x of a (a itself left out); false
    // when a is compared with every entry (the caller takes every entry).
    template <typename F>
    bool FuerKandidaten(int a, F&& f);
    // x is drawn: no longer a candidate of anything.
    void Gezeichnet(int x) { Marke_[static_cast<std::size_t>(x)] = Weg; }

private:
    static constexpr int HoechstZellen = 96;    // more: compared with all
    static constexpr double KleinsteLaenge = 1e-2;
    static constexpr double KleinsterWinkel = 1e-7;

    enum Art : char { InZellen, Gross, Wild };
    // Marke_[x]: the run of FuerKandidaten that last offered x, or Weg for
    // an entry drawn already, which is never offered again.
    static constexpr unsigned Weg = ~0u;
    bool Besuchen(int x) {
        if (Marke_[static_cast<std::size_t>(x)] >= Lauf_) return false;
        Marke_[static_cast<std::size_t>(x)] = Lauf_;
        return true;
    }
    // Appends the cells of the lengthened, widened segment P0-P1 to Zellen_;
    // false when they are more than HoechstZellen.
    bool ZellenDerStrecke(double p0x, double p0y, double p1x, double p1y, double r);
    int Spalte(double x) const {
        const double k = std::floor((x - X0_) / Wx_);
        return k < 0 ? 0 : k >= Gx_ ? Gx_ - 1 : static_cast<int>(k);
    }
    int Zeile(double y) const {
        const double k = std::floor((y - Y0_) / Wy_);
        return k < 0 ? 0 : k >= Gy_ ? Gy_ - 1 : static_cast<int>(k);
    }

    std::vector<char> Art_;
    std::vector<int> Gross_, Wilde_;
    // Cells of entry k: Zellen_[EigeneAnfang_[k] .. EigeneAnfang_[k + 1]).
    std::vector<int> EigeneAnfang_, Zellen_;
    // Entries of cell c: Inhalt_[ZellAnfang_[c] .. ZellAnfang_[c + 1]).
    std::vector<int> ZellAnfang_, Inhalt_;
    int Gx_ = 1, Gy_ = 1;
    double X0_ = 0, Y0_ = 0, Wx_ = 1, Wy_ = 1;
    // Angles of the pictures modulo pi, in order; Fenster_[k]: how far apart
    // the angles of k and a picture that may be parallel to it can lie.
    std::vector<double> Winkel_, Fenster_;
    std::vector<int> NachWinkel_, Rang_;
    std::vector<std::pair<double, int>> Sortierung_;
    std::vector<unsigned> Marke_;
    unsigned Lauf_ = 0;
};

bool Nachbarsuche::ZellenDerStrecke(double p0x, double p0y, double p1x, double p1y, double r) {
    const std::size_t anfang = Zellen_.size();
    const double xmin = std::min(p0x, p1x) - r, xmax = std::max(p0x, p1x) + r;
    const double ymin = std::min(p0y, p1y) - r, ymax = std::max(p0y, p1y) + r;
    const int c0 = Spalte(xmin), c1 = Spalte(xmax);
    const double dx = p1x - p0x, dy = p1y - p0y;
    for (int c = c0; c <= c1; ++c) {
        // The part of the segment over this column (widened by r), as an
        // interval of y. The first and last columns take everything beyond
        // them as well: a segment reaching out of the grid is registered in
        // its border cells, where Spalte and Zeile put points out there.
        double ylo = ymin, yhi = ymax;
        if (c0 < c1 && dx != 0) {
            const double xa = (c == c0 ? xmin : X0_ + c * Wx_) - r;
            const double xb = (c == c1 ? xmax : X0_ + (c + 1) * Wx_) + r;
            double ta = (xa - p0x) / dx, tb = (xb - p0x) / dx;
            if (ta > tb) std::swap(ta, tb);
            ta = std::clamp(ta, 0.0, 1.0);
            tb = std::clamp(tb, 0.0, 1.0);
            const double ya = p0y + ta * dy, yb = p0y + tb * dy;
            ylo = std::max(ymin, std::min(ya, yb) - r);
            yhi = std::min(ymax, std::max(ya, yb) + r);
        }
        const int z0 = Zeile(ylo), z1 = Zeile(yhi);
        if (Zellen_.size() - anfang + static_cast<std::size_t>(z1 - z0 + 1) > HoechstZellen) {
            Zellen_.resize(anfang);
            return false;
        }
        for (int z = z0; z <= z1; ++z) Zellen_.push_back(z * Gx_ + c);
    }
    return true;
}

void Nachbarsuche::Aufbauen(const std::vector<Schnelltest>& t, const std::vector<Genau>& g, int n) {
    const auto N = static_cast<std::size_t>(n) + 2;
    Art_.assign(N, Wild);
    Winkel_.resize(N);
    Fenster_.resize(N);
    Rang_.resize(N);
    Marke_.assign(N, 0);
    Lauf_ = 0;
    Gross_.clear();
    Wilde_.clear();
    NachWinkel_.clear();
    Zellen_.clear();
    EigeneAnfang_.assign(N, 0);

    // Which entries take part in the search, the extent of their pictures,
    // the largest coordinate and the shortest picture.
    double x0 = inf, y0 = inf, x1 = -inf, y1 = -inf, Kmax = 1, Lmin = inf;
    for (int k = 1; k <= n; ++k) {
        const Schnelltest& q = t[static_cast<std::size_t>(k)];
        const bool endlich = std::isfinite(q.xmin) && std::isfinite(q.xmax) && std::isfinite(q.ymin) &&
                             std::isfinite(q.ymax) && std::isfinite(q.n) && std::isfinite(q.K);
        if (!endlich || q.n < KleinsteLaenge || g[static_cast<std::size_t>(k)].LambdaArt == 2) {
            Wilde_.push_back(k);
            continue;
        }
        Art_[static_cast<std::size_t>(k)] = InZellen;
        x0 = std::min(x0, q.xmin);
        x1 = std::max(x1, q.xmax);
        y0 = std::min(y0, q.ymin);
        y1 = std::max(y1, q.ymax);
        Kmax = std::max(Kmax, q.K);
        Lmin = std::min(Lmin, q.Laenge);
    }

    // The margins. W covers the rounding of the crossing point and of λ in
    // extended precision for pictures at least KleinsterWinkel apart, with
    // a wide reserve, and the rounding of the cell arithmetic below.
    const double W = 1e-9 * Kmax;
    const double rand = 2 * W;

    // Roughly two cells per entry, about square.
    const double bx = std::max(x1 - x0, 1.0), by = std::max(y1 - y0, 1.0);
    const double zellen = 2.0 * std::max(n, 1);
    Gx_ = std::clamp(static_cast<int>(std::sqrt(zellen * bx / by)), 1, 128);
    Gy_ = std::clamp(static_cast<int>(std::sqrt(zellen * by / bx)), 1, 128);
    X0_ = std::isfinite(x0) ? x0 - rand : 0;
    Y0_ = std::isfinite(y0) ? y0 - rand : 0;
    Wx_ = (bx + 2 * rand) / Gx_;
    Wy_ = (by + 2 * rand) / Gy_;

    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        EigeneAnfang_[u] = static_cast<int>(Zellen_.size());
        if (Art_[u] == Wild) continue;
        const Schnelltest& q = t[u];
        // λ may reach beyond 0..1 by its tolerance and by the rounding of S
        // in the coordinate λ comes from.
        const double uLambda = g[u].LambdaArt == 0 ? std::fabs(q.ux) : std::fabs(q.uy);
        const double tau = 2e-9 + W / uLambda;
        const double p0x = q.x1 - tau * q.ux, p0y = q.y1 - tau * q.uy;
        const double p1x = q.x1 + (1 + tau) * q.ux, p1y = q.y1 + (1 + tau) * q.uy;
        if (!std::isfinite(p0x + p0y + p1x + p1y) || !ZellenDerStrecke(p0x, p0y, p1x, p1y, rand)) {
            Art_[u] = Gross;
            Gross_.push_back(k);
            continue;
        }
        double w = std::atan2(q.uy, q.ux);
        if (w < 0) w += std::numbers::pi;
        if (w >= std::numbers::pi) w -= std::numbers::pi;
        Winkel_[u] = w;
        // Parallel or one line in the picture: |u_a × u_x| < 1e-9, so the
        // angle is below about pi/2 · 1e-9 / (|u_a| |u_x|).
        Fenster_[u] = std::max(KleinsterWinkel, 2e-9 / (q.Laenge * Lmin)) * 1.01;
        NachWinkel_.push_back(k);
    }
    EigeneAnfang_[static_cast<std::size_t>(n) + 1] = static_cast<int>(Zellen_.size());

    ZellAnfang_.assign(static_cast<std::size_t>(Gx_ * Gy_) + 1, 0);
    for (int c : Zellen_) ++ZellAnfang_[static_cast<std::size_t>(c) + 1];
    for (std::size_t c = 1; c < ZellAnfang_.size(); ++c) ZellAnfang_[c] += ZellAnfang_[c - 1];
    Inhalt_.resize(Zellen_.size());
    std::vector<int> frei(ZellAnfang_.begin(), ZellAnfang_.end() - 1);
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        for (int i = EigeneAnfang_[u]; i < EigeneAnfang_[u + 1]; ++i)
            Inhalt_[static_cast<std::size_t>(frei[static_cast<std::size_t>(Zellen_[static_cast<std::size_t>(i)])]++)] = k;
    }

    // Sorted as pairs (angle, entry): no look-up per comparison.
    Sortierung_.clear();
    for (int k : NachWinkel_) Sortierung_.push_back({Winkel_[static_cast<std::size_t>(k)], k});
    std::sort(Sortierung_.begin(), Sortierung_.end());
    for (std::size_t r = 0; r < Sortierung_.size(); ++r) NachWinkel_[r] = Sortierung_[r].second;
    for (std::size_t r = 0; r < NachWinkel_.size(); ++r)
        Rang_[static_cast<std::size_t>(NachWinkel_[r])] = static_cast<int>(r);
}

template <typename F>
bool Nachbarsuche::FuerKandidaten(int a, F&& f) {
    const auto ua = static_cast<std::size_t>(a);
    if (Art_[ua] != InZellen) return false;
    if (++Lauf_ == Weg) {
        for (unsigned& m : Marke_)
            if (m != Weg) m = 0;
        Lauf_ = 1;
    }
    Besuchen(a);
    for (int i = EigeneAnfang_[ua]; i < EigeneAnfang_[ua + 1]; ++i) {
        const auto c = static_cast<std::size_t>(Zellen_[static_cast<std::size_t>(i)]);
        for (int k = ZellAnfang_[c]; k < ZellAnfang_[c + 1]; ++k) {
            const int x = Inhalt_[static_cast<std::size_t>(k)];
            if (Besuchen(x)) f(x);
        }
    }
    for (int x : Gross_)
        if (Besuchen(x)) f(x);
    for (int x : Wilde_)
        if (Besuchen(x)) f(x);
    // Angles are taken modulo pi: the neighbours on both sides, round the end.
    const int W = static_cast<int>(NachWinkel_.size());
    const double wa = Winkel_[ua], fenster = Fenster_[ua];
    const int r = Rang_[ua];
    for (int s = 1; s < W; ++s) {
        const int x = NachWinkel_[static_cast<std::size_t>((r + s) % W)];
        double d = Winkel_[static_cast<std::size_t>(x)] - wa;
        if (d < 0) d += std::numbers::pi;
        if (d > fenster) break;
        if (Besuchen(x)) f(x);
    }
    for (int s = 1; s < W; ++s) {
        const int x = NachWinkel_[static_cast<std::size_t>((r - s + W) % W)];
        double d = wa - Winkel_[static_cast<std::size_t>(x)];
        if (d < 0) d += std::numbers::pi;
        if (d > fenster) break;
        if (Besuchen(x)) f(x);
    }
    return true;
}

// ---- Runs of exchanges that come round again ---------------------------------------------

// Tells when a run of exchanges (no entry drawn in between) has brought
// the list back into an order it had earlier in the run. The order decides
// every exchange, so from there on the run repeats with that period.
// Brent's search: the order is compared with a checkpoint that moves on
// after 1, 2, 4, ... exchanges; Herkunft[p] is the place at the checkpoint
// of the entry now at place p, and the order equals the checkpoint's when
// no entry is away from its place.
class Ringsuche {
public:
    // A new run over m entries.
    void Neu(int m) {
        if (Herkunft_.size() < static_cast<std::size_t>(m) + 1) {
            Herkunft_.resize(static_cast<std::size_t>(m) + 1);
            for (std::size_t p = 0; p < Herkunft_.size(); ++p) Herkunft_[p] = static_cast<int>(p);
        }
        Merkpunkt();
        Laenge_ = 1;
    }
    // After places 1 and j changed their entries: the number of exchanges
    // since the order was the same, else 0.
    int Getauscht(int j) {
        Beruehrt_.push_back(j);
        int& h1 = Herkunft_[1];
        int& hj = Herkunft_[static_cast<std::size_t>(j)];
        Weg_ -= (h1 != 1) + (hj != j);
        std::swap(h1, hj);
        Weg_ += (h1 != 1) + (hj != j);
        ++Schritte_;
        if (Weg_ == 0) return Schritte_;
        if (Schritte_ == Laenge_) {
            Merkpunkt();
            Laenge_ *= 2;
        }
        return 0;
    }

private:
    void Merkpunkt() {
        Herkunft_[1] = 1;
        for (int p : Beruehrt_) Herkunft_[static_cast<std::size_t>(p)] = p;
        Beruehrt_.clear();
        Weg_ = 0;
        Schritte_ = 0;
    }
    std::vector<int> Herkunft_, Beruehrt_;
    int Weg_ = 0, Schritte_ = 0, Laenge_ = 1;
};

// ---- The pass ---------------------------------------------------------------------------

// What the recovery of the space points gives for one end of a segment and
// any ray through a picture point within EndeSpielraum[Stufe] of that end's
// picture (in each coordinate): Q, and in central projection its distance
// from the eye point. Its state, in Zwischenspeicher::ZeugnisZustand: -1
// not yet known, 0 not sure, 1 known. The finer margin serves pairs whose crossing is known more closely; it keeps
// the bounds narrow where the picture's scale is large (parallel
// projection measures depth in pixels).
struct EndZeugnis {
    Vek3 Q;
    Schranke d;
};
constexpr double EndeSpielraum[2] = {1e-11, 1e-13};

constexpr std::size_t BitZeile = (StreckenHoechstzahl + 2 + 63) / 64;

// Everything the pass needs, index 1..n; kept between passes so nothing is
// allocated per picture.
struct Zwischenspeicher {
    int n = 0;
    bool zentral = false;
    Extended Grenze = 0;  // parallel projection: -Toleranz · |ProjRichtung|
    std::vector<Genau> Exakt;
    // The same in bounded doubles, for the recovery of the space points;
    // MitSchranken false when the view's constants do not allow it.
    bool MitSchranken = false;
    SichtSchranken Sicht;
    std::vector<GenauSchranken> Schranken;  // made when first needed:
    std::vector<char> SchrankenDa;          // SchrankenDa[k] once made
    // Per end (2k: A, 2k + 1: B of entry k): its picture as projected, the
    // number of its space point (equal points, equal numbers), and what the
    // recovery gives for rays through points near that picture (found when
    // first needed).
    std::vector<TVek_R2> EndBild;
    std::vector<int> EndNummer;
    std::vector<EndZeugnis> Zeugnisse[2];
    std::vector<signed char> ZeugnisZustand[2];
    std::vector<int> Tabelle;  // hash table of the numbering
    std::vector<Schnelltest> Schnell;
    std::vector<TVek_R2> PixelA, PixelB;  // the ends' picture points for drawing
    // Folge[Versatz + 1 .. Versatz + m]: the entries still to draw, in
    // order; Versatz counts the entries drawn. Entry x stands at place
    // Platz[x] - Versatz.
    std::vector<int> Folge;
    std::vector<int> Platz;
    std::vector<char> Gezeichnet;
    // The entries x that must be drawn before entry a (the comparison (a, x)
    // is false), among those not drawn when a first came to the front:
    // Vorher[Anfang[a] .. Anfang[a] + Anzahl[a]); Anfang -1 while unknown.
    std::vector<int> Anfang, Anzahl;
    std::vector<int> Vorher;
    // The same as bits, row a, bit x, for entries with many of them
    // (BitsDa[a] once made).
    std::vector<std::uint64_t> VorherBits;
    std::vector<char> BitsDa;
    Nachbarsuche Nachbarn;
    Ringsuche Ring;
};

Zwischenspeicher& Speicher() {
    static Zwischenspeicher z;
    if (z.Folge.empty()) {
        constexpr std::size_t N = StreckenHoechstzahl + 2;
        z.Exakt.resize(N);
        z.Schranken.resize(N);
        z.EndBild.resize(2 * N);
        z.EndNummer.resize(2 * N);
        z.Zeugnisse[0].resize(2 * N);
        z.Zeugnisse[1].resize(2 * N);
        z.ZeugnisZustand[0].resize(2 * N);
        z.ZeugnisZustand[1].resize(2 * N);
        z.SchrankenDa.resize(N);
        z.Schnell.resize(N);
        z.PixelA.resize(N);
        z.PixelB.resize(N);
        z.Folge.resize(N);
        z.Platz.resize(N);
        z.Gezeichnet.resize(N);
        z.Anfang.resize(N);
        z.Anzahl.resize(N);
        z.Vorher.reserve(1 << 16);
        z.VorherBits.resize(N * BitZeile);
        z.BitsDa.resize(N);
    }
    return z;
}

// The bounded data of entry k, made when first asked for.
const GenauSchranken& SchrankenVon(Zwischenspeicher& z, int k) {
    const auto u = static_cast<std::size_t>(k);
    if (!z.SchrankenDa[u]) {
        const Genau& e = z.Exakt[u];
        z.Schranken[u] = {Aus(e.T.A), Aus(e.v), Aus(e.E1.x), Aus(e.E1.y), Aus(e.u.x), Aus(e.u.y)};
        z.SchrankenDa[u] = 1;
    }
    return z.Schranken[u];
}

// The bounds of EndZeugnis for end e (0: A, 1: B) of entry k; nullptr when
// they are not sure.
const EndZeugnis* Zeugnis(Zwischenspeicher& z, int k, int e, int Stufe) {
    const std::size_t ende = 2 * static_cast<std::size_t>(k) + static_cast<std::size_t>(e);
    EndZeugnis& Z = z.Zeugnisse[Stufe][ende];
    signed char& Zustand = z.ZeugnisZustand[Stufe][ende];
    if (Zustand < 0) {
        Zustand = 0;
        const TVek_R2& p = z.EndBild[2 * static_cast<std::size_t>(k) + static_cast<std::size_t>(e)];
        Schranke Sx = Aus(p.x), Sy = Aus(p.y);
        Sx.e += EndeSpielraum[Stufe];
        Sy.e += EndeSpielraum[Stufe];
        Vek3 A, u;
        StrahlSchranken(z.Sicht, z.zentral, Sx, Sy, A, u);
        const auto uk = static_cast<std::size_t>(k);
        const int rNull = Nullvektor(u, z.Sicht.Tol);
        const GenauSchranken& b = SchrankenVon(z, k);
        if (PunktSchnell(A, u, rNull, z.Exakt[uk], b, z.Sicht.Tol, Z.Q) ||
            PunktSchranken(A, u, rNull, z.Exakt[uk], b, z.Sicht.Tol, Z.Q)) {
            if (z.zentral) Z.d = AbstandVomAuge(z.Sicht, Z.Q);
            Zustand = 1;
        }
    }
    return Zustand == 1 ? &Z : nullptr;
}

// Si > Sj - Toleranz or Si >= Sj - Toleranz in extended precision, from the
// sums as doubles: the two differ only when the sums lie exactly Toleranz
// apart, and the doubles decide both when the margin exceeds the roundings
// (of both sums, of the extended Sj - Toleranz and of the margin itself).
// 1 or 0 when sure, -1 when not (or not finite).
inline int SummenVergleich(const Schnelltest& a, const Schnelltest& b) {
    const double m = (a.Summe - b.Summe) + 1e-9;
    const double r = 4e-16 * (std::fabs(a.Summe) + std::fabs(b.Summe)) + 1e-24;
    return m > r ? 1 : m < -r ? 0 : -1;
}

// Whether the extended I.u × J.u is at least Toleranz in magnitude, from the
// doubles: 1 surely, 0 surely not, -1 not sure. Each product of doubles lies
// within 5e-16 of its size from the extended one, both roundings included.
inline int KreuzendeBilder(const Schnelltest& a, const Schnelltest& b) {
    const double D = std::fabs(a.ux * b.uy - a.uy * b.ux);
    const double r = 5e-16 * (std::fabs(a.ux * b.uy) + std::fabs(a.uy * b.ux)) + 1e-300;
    return D - r > 1.0000001e-9 ? 1 : D + r < 0.9999999e-9 ? 0 : -1;
}

// Segments with a common end whose pictures cross at a clear angle (most
// pairs of a mesh or a fan): the crossing point the comparison computes lies
// so close to the common end's picture that, if the pictures cross within
// both at all, the recovered space points lie within the bounds of both
// ends' EndZeugnis. When those bounds make the comparison of the space
// points true, the pair compares true either way.
bool GemeinsamesEndeWahr(Zwischenspeicher& z, int i, int j) {
    if (!z.MitSchranken) return false;
    const std::size_t a = 2 * static_cast<std::size_t>(i), b = 2 * static_cast<std::size_t>(j);
    int ei = -1, ej = -1;
    for (int p = 0; p < 2 && ei < 0; ++p)
        for (int q = 0; q < 2; ++q)
            if (z.EndNummer[a + static_cast<std::size_t>(p)] == z.EndNummer[b + static_cast<std::size_t>(q)]) {
                ei = p;
                ej = q;
                break;
            }
    if (ei < 0) return false;
    const Schnelltest& si = z.Schnell[static_cast<std::size_t>(i)];
    const Schnelltest& sj = z.Schnell[static_cast<std::size_t>(j)];
    // The comparison takes the branch of crossing pictures.
    const int kreuzend = KreuzendeBilder(si, sj);
    if (kreuzend == 0) return false;
    if (kreuzend < 0) {
        const Genau& I = z.Exakt[static_cast<std::size_t>(i)];
        const Genau& J = z.Exakt[static_cast<std::size_t>(j)];
        if (!(std::fabs(I.u.x * J.u.y - I.u.y * J.u.x) >= Toleranz)) return false;
    }
    // The crossing point S lies within U·K·(22.3 / sin θ + 4.4) of the common
    // end's picture, U = 2^-64, K the largest coordinate of the pictures'
    // ends: from the rounding of the crossing and of the pictures'
    // directions; here with a factor of about 6 in reserve.
    const double sinus = std::fabs(si.ux * sj.uy - si.uy * sj.ux) / (si.Laenge * sj.Laenge * (1 + 1e-14)) - 1e-15;
    const double K = std::max(si.K, sj.K);
    const double abstand = 1e-17 * K / sinus + 1e-18 * K;
    if (!(sinus > 0) || !(abstand <= EndeSpielraum[0])) return false;
    const int Stufe = abstand <= EndeSpielraum[1] ? 1 : 0;
    const EndZeugnis* Zi = Zeugnis(z, i, ei, Stufe);
    if (!Zi) return false;
    const EndZeugnis* Zj = Zeugnis(z, j, ej, Stufe);
    if (!Zj) return false;
    if (z.zentral) return Kleiner(Zj->d - z.Sicht.Tol, Zi->d) == 1;
    return RaumpunkteVergleichen(z.Sicht, false, Zi->Q, Zj->Q) == 1;
}

// The comparison of St[i] and St[j] from the prepared data. Pictures that
// surely cross as lines (clearly not parallel) need no more when their
// boxes cannot meet, or when the crossing lies clearly off one of them;
// the margins cover how far the exact comparison's crossing point and its
// λ may stray by rounding.
bool Vergleich(Zwischenspeicher& z, int i, int j) {
    const Schnelltest& a = z.Schnell[static_cast<std::size_t>(i)];
    const Schnelltest& b = z.Schnell[static_cast<std::size_t>(j)];
    if (a.Punkt || b.Punkt) {
        // A picture of no length: LageZweierGeraden2D multiplies its
        // direction (0, 0) into the first determinant, which is 0 (or NaN),
        // and into the second as well when it is St[i]'s: one line. As
        // VergleichGenau goes on from there. In central projection both
        // ways compare the distance sums.
        if (z.zentral) {
            const int sicher = SummenVergleich(a, b);
            if (sicher >= 0) return sicher == 1;
        }
        const Genau& I = z.Exakt[static_cast<std::size_t>(i)];
        const Genau& J = z.Exakt[static_cast<std::size_t>(j)];
        if (!a.Punkt) {
            const TVek_R2 d{J.E1.x - I.E1.x, J.E1.y - I.E1.y};
            if (std::fabs(I.u.x * d.y - I.u.y * d.x) >= Toleranz) return !z.zentral || I.T.Summe > J.T.Summe - Toleranz;
        }
        if (z.zentral) return I.T.Summe >= J.T.Summe - Toleranz;
        return EineBildgeradeParallel(St[i], St[j]);
    }
    const double D = a.ux * b.uy - a.uy * b.ux;
    const double dd = std::fabs(D);
    if (dd >= 2e-9 && dd >= 1e-4 * a.n * b.n) {
        if (a.xmax < b.xmin || b.xmax < a.xmin || a.ymax < b.ymin || b.ymax < a.ymin) return true;
        if (a.Hauptachse && b.Hauptachse) {
            const double cx = b.x1 - a.x1, cy = b.y1 - a.y1;
            const double ti = (cx * b.uy - cy * b.ux) / D;
            const double tj = (cx * a.uy - cy * a.ux) / D;
            const double weit = 1e-10 * (a.K + b.K + std::fabs(cx) + std::fabs(cy));
            const double mi = 1e-6 + weit / a.n, mj = 1e-6 + weit / b.n;
            if (ti < -mi || ti > 1 + mi || tj < -mj || tj > 1 + mj) return true;
        }
    } else if (dd + 5e-16 * (std::fabs(a.ux * b.uy) + std::fabs(a.uy * b.ux)) + 1e-300 < 0.9999999e-9) {
        // Surely parallel or on one line in the picture (|det| < 1e-9 in
        // extended precision as well: the bound covers both roundings).
        // Surely parallel and distinct when the second determinant of
        // LageZweierGeraden2D, with d = E1j - E1i, is clear of 1e-9 too.
        const double cx = b.x1 - a.x1, cy = b.y1 - a.y1;
        const double q = a.ux * cy - a.uy * cx;
        const double f = 3.5e-16 * (std::fabs(a.ux * cy) + std::fabs(a.uy * cx)) +
                          1.3e-16 * (std::fabs(a.ux) * (std::fabs(b.y1) + std::fabs(a.y1) + std::fabs(cy)) +
                                     std::fabs(a.uy) * (std::fabs(b.x1) + std::fabs(a.x1) + std::fabs(cx))) +
                          1e-300;
        const bool getrennt = std::fabs(q) - f > 1.0000001e-9;
        const bool eineGerade = std::fabs(q) + f < 0.9999999e-9;
        if (getrennt || eineGerade) {
            if (z.zentral) {
                const int sicher = SummenVergleich(a, b);
                if (sicher >= 0) return sicher == 1;
                const Extended Si = z.Exakt[static_cast<std::size_t>(i)].T.Summe;
                const Extended Sj = z.Exakt[static_cast<std::size_t>(j)].T.Summe;
                return getrennt ? Si > Sj - Toleranz : Si >= Sj - Toleranz;
            }
            return getrennt || EineBildgeradeParallel(St[i], St[j]);
        }
    }
    if (GemeinsamesEndeWahr(z, i, j)) return true;
    const auto ui = static_cast<std::size_t>(i), uj = static_cast<std::size_t>(j);
    if (z.MitSchranken) {
        const int sicher =
            KreuzungSchranken(z.Sicht, z.zentral, z.Exakt[ui], SchrankenVon(z, i), z.Exakt[uj], SchrankenVon(z, j));
        if (sicher >= 0) return sicher == 1;
    }
    return VergleichGenau(z.Exakt[ui], z.Exakt[uj], i, j, z.zentral, z.Grenze);
}

// The view's constants of Sehstrahl as bounded doubles; false when a
// division by them would not be sure.
bool SichtVorbereiten(SichtSchranken& s, bool zentral) {
    if (ProjEbene < 1 || ProjEbene > 3) return false;
    s.ox = Aus(AchsenKreuz.UrsprungX + VerschiebungX);
    s.oy = Aus(AchsenKreuz.UrsprungY + VerschiebungY);
    s.versatz = zentral && AugpunktMitte && !AugpunktDurchgang;
    s.Vx = Aus(UrsprungVersatz.x);
    s.Vy = Aus(UrsprungVersatz.y);
    const TVek_R3& E = (zentral ? ProjEbeneZentral : ProjEbeneParallel).Stuetzvektor;
    s.fest = Aus(ProjEbene == 1 ? E.y : ProjEbene == 2 ? E.x : E.z);
    s.s1 = Aus(ProjEbene == 1 ? MassstabX : MassstabY);
    s.s2 = Aus(ProjEbene == 3 ? MassstabX * SkFz : MassstabZ * SkFz);
    s.Tol = Aus(Toleranz);
    s.Eins = Aus(1.000000001L);
    s.Grenze = Aus(-Toleranz * Betrag(ProjRichtung));
    s.Aug = Aus(Augpunkt);
    s.P = Aus(ProjRichtung);
    return Teiler(s.s1) && Teiler(s.s2);
}

// Numbers the ends of St[1..n] by their space points: equal points, equal
// numbers (through a hash table over the points' doubles).
void EndenNummerieren(Zwischenspeicher& z, int n) {
    std::size_t groesse = 16;
    while (groesse < 4 * static_cast<std::size_t>(n)) groesse *= 2;
    z.Tabelle.assign(groesse, -1);
    const auto punkt = [](int ende) -> const TVek_R3& { return ende % 2 ? St[ende / 2].B : St[ende / 2].A; };
    const auto bits = [](Extended v) {
        const double d = static_cast<double>(v);
        std::uint64_t b;
        std::memcpy(&b, &d, sizeof b);
        return b;
    };
    for (int ende = 2; ende < 2 * n + 2; ++ende) {
        const TVek_R3& P = punkt(ende);
        std::uint64_t h = bits(P.x) * 0x9E3779B97F4A7C15ull;
        h = (h ^ (h >> 29) ^ bits(P.y)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 31) ^ bits(P.z)) * 0x94D049BB133111EBull;
        std::size_t platz = static_cast<std::size_t>(h ^ (h >> 32)) & (groesse - 1);
        while (true) {
            const int da = z.Tabelle[platz];
            if (da < 0) {
                z.Tabelle[platz] = ende;
                z.EndNummer[static_cast<std::size_t>(ende)] = ende;
                break;
            }
            if (punkt(da) == P) {
                z.EndNummer[static_cast<std::size_t>(ende)] = da;
                break;
            }
            platz = (platz + 1) & (groesse - 1);
        }
    }
}

void Vorbereiten(Zwischenspeicher& z, int n) {
    z.n = n;
    z.zentral = Zentralprojektion;
    z.Grenze = -Toleranz * Betrag(ProjRichtung);
    z.MitSchranken = SichtVorbereiten(z.Sicht, z.zentral);
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        TGer_R2 G;
        const bool getauscht = BildVorbereiten(St[k], G);
        // The ends' picture points as the drawing projects them (BildpunktPixel).
        const TVek_R2& PA = getauscht ? G.Endpunkt2 : G.Endpunkt1;
        const TVek_R2& PB = getauscht ? G.Endpunkt1 : G.Endpunkt2;
        z.PixelA[u] = {PA.x, BildY(PA.y)};
        z.PixelB[u] = {PB.x, BildY(PB.y)};
        z.EndBild[2 * u] = PA;
        z.EndBild[2 * u + 1] = PB;
        Genau& e = z.Exakt[u];
        e.E1 = G.Stuetzpunkt;
        e.u = G.Richtung;
        e.T = TiefenstreckeBerechnen(St[k], z.zentral);
        VektorAB(e.T.A, e.T.B, e.v);
        e.vNull = IstNullvektor(e.v);
        e.vKoord = e.v.x != 0 ? 0 : e.v.y != 0 ? 1 : 2;
        e.LambdaArt = std::fabs(e.u.x) > Toleranz ? 0 : e.u.y == 0 ? 2 : 1;
        z.Schnell[u] = SchnelltestBerechnen(G);
        z.Schnell[u].Summe = static_cast<double>(e.T.Summe);
    }
    for (auto& Zustand : z.ZeugnisZustand)
        std::fill(Zustand.begin(), Zustand.begin() + 2 * (static_cast<std::ptrdiff_t>(n) + 1), -1);
    std::fill(z.SchrankenDa.begin(), z.SchrankenDa.begin() + static_cast<std::ptrdiff_t>(n) + 1, 0);
    EndenNummerieren(z, n);
    z.Nachbarn.Aufbauen(z.Schnell, z.Exakt, n);
}

}  // namespace

void TiefenordnungVorbereiten(int n) { Vorbereiten(Speicher(), std::min(n, StreckenHoechstzahl)); }

bool TiefenvergleichVorbereitet(int i, int j) { return Vergleich(Speicher(), i, j); }

bool TiefenKandidat(int i, int j) {
    bool gefunden = false;
    if (!Speicher().Nachbarn.FuerKandidaten(i, [&](int x) { gefunden = gefunden || x == j; })) return true;
    return gefunden;
}

void TiefenordnungZeichnen(int n) {
    Zwischenspeicher& z = Speicher();
    Vorbereiten(z, n);
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        z.Folge[u] = k;
        z.Platz[u] = k;
        z.Gezeichnet[u] = 0;
        z.Anfang[u] = -1;
        z.Anzahl[u] = 0;
    }
    z.Vorher.clear();
    const auto zeichnen = [&z](int k) {
        const TStr& s = St[k];
        const auto u = static_cast<std::size_t>(k);
        StreckePixelZeichnen(z.PixelA[u], z.PixelB[u], s.Farbe, s.Linienstil, s.Stiftbreite);
    };

    // The entries are moved by their numbers only; St keeps its order. The
    // comparisons do not change during the pass, so the scan of the list
    // for the first entry that must come before the front one finds the
    // nearest of that entry's predecessors, each comparison made once.
    // Folge[Versatz + k] is the entry at place k: drawing the front entry
    // moves Versatz on and no other entry.
    int Versatz = 0;
    int* Reihe = z.Folge.data();
    int m = n;
    int Tausch = 0;
    z.Ring.Neu(n);
    do {
        const int a = Reihe[Versatz + 1];
        const auto ua = static_cast<std::size_t>(a);
        if (z.Anfang[ua] < 0) {
            z.Anfang[ua] = static_cast<int>(z.Vorher.size());
            z.BitsDa[ua] = 0;
            const auto vergleichen = [&](int x) {
                if (!Vergleich(z, a, x)) z.Vorher.push_back(x);
            };
            // The search offers entries not drawn yet; so does the list.
            if (!z.Nachbarn.FuerKandidaten(a, vergleichen))
                for (int k = 2; k <= m; ++k) vergleichen(Reihe[Versatz + k]);
            z.Anzahl[ua] = static_cast<int>(z.Vorher.size()) - z.Anfang[ua];
        }
        int j = m + 1;
        if (z.Anzahl[ua] <= 48) {
            // Few predecessors: the nearest of them; drawn ones leave the list.
            int* v = z.Vorher.data() + z.Anfang[ua];
            int bleiben = 0;
            for (int k = 0; k < z.Anzahl[ua]; ++k) {
                const int x = v[k];
                if (z.Gezeichnet[static_cast<std::size_t>(x)]) continue;
                v[bleiben++] = x;
                const int p = z.Platz[static_cast<std::size_t>(x)] - Versatz;
                if (p < j) j = p;
            }
            z.Anzahl[ua] = bleiben;
        } else {
            // Many: walk the list from the front to the first of them, but
            // no farther than there are of them; past that, taking the
            // nearest from the list of them costs less.
            std::uint64_t* bits = z.VorherBits.data() + ua * BitZeile;
            if (!z.BitsDa[ua]) {
                std::fill(bits, bits + BitZeile, std::uint64_t{0});
                for (int k = 0; k < z.Anzahl[ua]; ++k) {
                    const auto x = static_cast<unsigned>(z.Vorher[static_cast<std::size_t>(z.Anfang[ua] + k)]);
                    bits[x >> 6] |= std::uint64_t{1} << (x & 63);
                }
                z.BitsDa[ua] = 1;
            }
            const int bis = std::min(m, z.Anzahl[ua] + 1);
            const auto Bit = [bits](int x) {
                const auto u = static_cast<unsigned>(x);
                return static_cast<unsigned>(bits[u >> 6] >> (u & 63) & 1);
            };
            const int* r = Reihe + Versatz;
            int k = 2;
            // Four places a step: the look-ups do not wait for each other.
            for (; k + 3 <= bis; k += 4) {
                const unsigned t = Bit(r[k]) | Bit(r[k + 1]) << 1 | Bit(r[k + 2]) << 2 | Bit(r[k + 3]) << 3;
                if (t) {
                    j = k + std::countr_zero(t);
                    break;
                }
            }
            if (j > m)
                for (; k <= bis; ++k)
                    if (Bit(r[k])) {
                        j = k;
                        break;
                    }
            if (j > m && bis < m) {
                int* v = z.Vorher.data() + z.Anfang[ua];
                int bleiben = 0;
                for (int q = 0; q < z.Anzahl[ua]; ++q) {
                    const int x = v[q];
                    if (z.Gezeichnet[static_cast<std::size_t>(x)]) {
                        bits[static_cast<unsigned>(x) >> 6] &= ~(std::uint64_t{1} << (static_cast<unsigned>(x) & 63));
                        continue;
                    }
                    v[bleiben++] = x;
                    const int p = z.Platz[static_cast<std::size_t>(x)] - Versatz;
                    if (p < j) j = p;
                }
                z.Anzahl[ua] = bleiben;
            }
        }
        const bool alleWahr = j > m;
        if (!alleWahr) ++Tausch;
        if (alleWahr || Tausch > m) {
            // More exchanges than entries left: a ring of segments that
            // cover each other; the first is drawn anyway.
            if (Host().EscapeGedrueckt()) return;
            zeichnen(a);
            z.Gezeichnet[ua] = 1;
            z.Nachbarn.Gezeichnet(a);
            ++Versatz;
            --m;
            Tausch = 1;
            z.Ring.Neu(m);
        } else {
            int* vorn = Reihe + Versatz + 1;
            int* dort = Reihe + Versatz + j;
            TauschStrecke = *vorn;
            *vorn = *dort;
            *dort = TauschStrecke;
            z.Platz[static_cast<std::size_t>(*vorn)] = 1 + Versatz;
            z.Platz[static_cast<std::size_t>(*dort)] = j + Versatz;
            // Back in an order the run had before: it goes round the same
            // exchanges again and again until Tausch passes m. The whole
            // rounds that fit are left out; they would end where they began.
            const int Runde = z.Ring.Getauscht(j);
            if (Runde > 0 && Tausch + Runde <= m) Tausch += (m - Tausch) / Runde * Runde;
        }
    } while (m > 1);
    zeichnen(Reihe[Versatz + 1]);
}
