#include "view3d/Tiefenschranken.h"

#include <algorithm>
#include <cmath>

#include "scene/Ansicht.h"

namespace tiefe {

// Strahl4 (Schrankenbahnen.h) repeats this routine in four lanes, and
// ZeugnisseVier (Zeugnisbahnen.cpp) PunktSchnell's common path (Laengs,
// EbenWert, PaarDet, PaarWaehlen, KehrwertVon, TAusPaar, PunktAusPaar) and
// AbstandVomAuge, operation by operation: a change to any of them must be
// made there as well (the tests compare their bits).
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
            X.x = X.x * s.r1;
            X.z = X.z * s.r2;
            break;
        case 2:
            X.y = X.y * s.r1;
            X.z = X.z * s.r2;
            break;
        default:
            X.y = X.y * s.r1;
            X.x = X.x * s.r2;
            break;
    }
    A = s.Aug;
    u = {X.x - s.Aug.x, X.y - s.Aug.y, X.z - s.Aug.z};
}

int Nullvektor(const Vek3& u, const Schranke& Tol) {
    return Und(Und(Kleiner(Abs(u.x), Tol), Kleiner(Abs(u.y), Tol)), Kleiner(Abs(u.z), Tol));
}

namespace {

// Determinante3(u, v, d) in plain doubles, and B: the extended value lies
// within dv ± B (see EbenDoppelt).
[[gnu::always_inline]] inline double EbenWert(const double* u, const double* v, const double* d, double mu, double mv,
                                              double md, double eu, double ev, double ed, double& B) {
    B = (6 * (eu * (mv + ev) * (md + ed) + mu * ev * (md + ed) + mu * mv * ed) +
         4e-15 * (mu + eu) * (mv + ev) * (md + ed)) *
            Zuschlag +
        1e-90;
    return u[0] * v[1] * d[2] + v[0] * d[1] * u[2] + d[0] * u[1] * v[2] -
           (u[2] * v[1] * d[0] + v[2] * d[1] * u[0] + d[2] * u[1] * v[0]);
}

}  // namespace

int EbenDoppelt(const double* u, const double* v, const double* d, double mu, double mv, double md, double eu,
                double ev, double ed) {
    double B;
    const double dv = EbenWert(u, v, d, mu, mv, md, eu, ev, ed, B);
    if (std::fabs(dv) + B < 0.9999999e-9) return 1;
    if (std::fabs(dv) - B > 1.0000001e-9) return 0;
    return -1;
}

GenauSchranken SchrankenMachen(const Genau& g) {
    GenauSchranken b;
    b.A = Aus(g.T.A);
    b.v = Aus(g.v);
    b.E1x = Aus(g.E1.x);
    b.E1y = Aus(g.E1.y);
    b.ux = Aus(g.u.x);
    b.uy = Aus(g.u.y);
    b.vNull = g.vNull;
    b.vKoord = g.vKoord;
    b.LambdaArt = g.LambdaArt;
    const Schranke& teiler = g.LambdaArt == 0 ? b.ux : b.uy;
    b.LambdaTeiler = g.LambdaArt != 2 && Teiler(teiler);
    if (b.LambdaTeiler) b.LambdaKehr = Schranke{1, 0} / teiler;
    const double V[3] = {b.v.x.v, b.v.y.v, b.v.z.v};
    const double ev = std::max({b.v.x.e, b.v.y.e, b.v.z.e});
    const double vk = V[g.vKoord];
    b.kTeiler = std::fabs(vk) > 2 * ev;
    if (b.kTeiler) {
        b.kKehr = 1 / vk;
        b.kNenner = 1 / (std::fabs(vk) - ev);
    }
    return b;
}

namespace {

// Determinante3(u, v, d) < Toleranz for d = A - rA, term by term in its
// order: 1 surely, 0 surely not, -1 not sure.
int EbenSchranken(const Vek3& u, const Vek3& v, const Vek3& d, const Schranke& Tol) {
    const Schranke det = u.x * v.y * d.z + v.x * d.y * u.z + d.x * u.y * v.z -
                         (u.z * v.y * d.x + v.z * d.y * u.x + d.z * u.y * v.x);
    return Kleiner(Abs(det), Tol);
}

int EbenSchranken(const Vek3& u, const GenauSchranken& b, const Vek3& rA, const Schranke& Tol) {
    return EbenSchranken(u, b.v, Vek3{b.A.x - rA.x, b.A.y - rA.y, b.A.z - rA.z}, Tol);
}

}  // namespace

bool PunktSchranken(const Vek3& rA, const Vek3& u, int rNull, const GenauSchranken& b, const Schranke& Tol, Vek3& Q) {
    const GenauSchranken& g = b;
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
    if (eben < 0) eben = EbenSchranken(u, v, d, Tol);  // term by term in its order
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

namespace {

[[gnu::always_inline]] inline double Gross(double x, double y, double z) {
    return std::max({std::fabs(x), std::fabs(y), std::fabs(z)});
}

// Whether the extended |x| < Toleranz, for x within e of the double: 1
// surely, 0 surely not, -1 not sure.
[[gnu::always_inline]] inline int UnterTol(double x, double e, const Schranke& Tol) {
    const double a = std::fabs(x);
    const double r = (e + Tol.e) * Zuschlag + 2.3e-16 * (a + Tol.v) + 1e-90;
    return Tol.v - a > r ? 1 : a - Tol.v > r ? 0 : -1;
}

// The ray's direction U (within eu, largest coordinate mu) against v, as
// LinearAbhaengig2 tests it: 1 along it (the recovery gives the origin),
// 0 not, -1 not sure.
[[gnu::always_inline]] inline int Laengs(const double U[3], double eu, const GenauSchranken& b, const double V[3],
                                         double ev, double mv, const Schranke& Tol) {
    // k = u / v in the coordinate vKoord, as the product with the
    // reciprocal: two roundings of the double instead of one.
    if (!b.kTeiler) return -1;
    const double k = U[b.vKoord] * b.kKehr;
    const double ak = std::fabs(k);
    const double ek = (eu + ak * (1 + 1e-15) * ev) * b.kNenner * (1 + 1e-15) + 2 * ak * Rundung + Winzig;
    // u - k·v within Toleranz of 0 in every coordinate.
    const double w[3] = {U[0] - k * V[0], U[1] - k * V[1], U[2] - k * V[2]};
    const double ew = eu + ak * ev + ek * (mv + ev) + Rundung * (ak * mv + Gross(w[0], w[1], w[2])) + 2 * Winzig;
    int parallel = 1;
    for (double x : w) {
        const int t = UnterTol(x, ew, Tol);
        if (t == 0) return 0;
        if (t < 0) parallel = -1;
    }
    return parallel;
}

// The pairs of coordinates in the order of PunktAufStreckeGenau.
constexpr int Paare[3][2] = {{0, 1}, {1, 2}, {0, 2}};

// The first pair whose 2x2 determinant D of u and v is not below
// Toleranz: 0..2, with D and its bound eD; 3 when there is none (the
// recovery gives the origin); -1 when not sure.
// The 2x2 determinant D of u and v for pair p, and its bound eD.
[[gnu::always_inline]] inline double PaarDet(int p, const double U[3], double eu, const double V[3], double ev,
                                             double& eD) {
    const double a1 = U[Paare[p][0]], a2 = U[Paare[p][1]], b1 = V[Paare[p][0]], b2 = V[Paare[p][1]];
    const double D = a1 * b2 - a2 * b1;
    eD = eu * (std::fabs(b1) + std::fabs(b2) + 2 * ev) + ev * (std::fabs(a1) + std::fabs(a2)) +
         Rundung * (std::fabs(a1 * b2) + std::fabs(a2 * b1) + std::fabs(D)) + 3 * Winzig;
    return D;
}

[[gnu::always_inline]] inline int PaarWaehlen(const double U[3], double eu, const double V[3], double ev,
                                              const Schranke& Tol, double& D, double& eD) {
    for (int p = 0; p < 3; ++p) {
        D = PaarDet(p, U, eu, V, ev, eD);
        const int klein = UnterTol(D, eD, Tol);
        if (klein < 0) return -1;
        if (klein == 1) continue;
        if (!(std::fabs(D) > 2 * eD)) return -1;
        return p;
    }
    return 3;
}

// The reciprocal q of the chosen pair's D (|D| > 2 eD), and an upper
// bound of 1 / (|D| - eD) from it without a second division: with
// x = eD / |D| <= 1/2, 1 / (1 - x) <= 1 + 2x; each factor widened by more
// than the roundings of q and of the products.
struct Kehrwert {
    double q, kehr;
};
[[gnu::always_inline]] inline Kehrwert KehrwertVon(double D, double eD) {
    const double q = 1 / D;
    const double aq = std::fabs(q);
    return {q, aq * (1 + 2 * eD * aq * (1 + 1e-15)) * (1 + 1e-15)};
}

// The line's parameter t for pair p, with its bound et.
[[gnu::always_inline]] inline double TAusPaar(int p, Kehrwert k, double eD, const double U[3], double eu,
                                              const double D3[3], double ed, double& et) {
    const double a1 = U[Paare[p][0]], a2 = U[Paare[p][1]];
    const double d1 = D3[Paare[p][0]], d2 = D3[Paare[p][1]];
    const double N = a1 * d2 - a2 * d1;
    const double eN = eu * (std::fabs(d1) + std::fabs(d2) + 2 * ed) + ed * (std::fabs(a1) + std::fabs(a2)) +
                      Rundung * (std::fabs(a1 * d2) + std::fabs(a2 * d1) + std::fabs(N)) + 3 * Winzig;
    // t = N / D as N · q: two roundings of the double. The bound from
    // 1 / (|D| - eD), which needs not wait for t: |t| <= |N| kehr.
    const double t = N * k.q;
    et = (eN + std::fabs(N) * k.kehr * (1 + 1e-15) * eD) * k.kehr * (1 + 1e-15) + 2 * std::fabs(t) * Rundung + Winzig;
    return t;
}

// The point of the line for pair p: A - t·v.
[[gnu::always_inline]] inline Vek3 PunktAusPaar(int p, Kehrwert k, double eD, const double U[3], double eu,
                                               const double A[3], double eA, const double V[3], double ev, double mv,
                                               const double D3[3], double ed) {
    double et;
    const double t = TAusPaar(p, k, eD, U, eu, D3, ed, et);
    const double at = std::fabs(t);
    const double q[3] = {A[0] - t * V[0], A[1] - t * V[1], A[2] - t * V[2]};
    const double eQ = eA + at * ev + et * (mv + ev) + Rundung * (at * mv + Gross(q[0], q[1], q[2])) + 2 * Winzig;
    return {{q[0], eQ}, {q[1], eQ}, {q[2], eQ}};
}

// Its common path repeated in four lanes by ZeugnisseVier (see
// StrahlSchranken).
[[gnu::always_inline]] inline bool PunktSchnellInnen(const Vek3& rA, const Vek3& u, int rNull, const GenauSchranken& b,
                                                     const Schranke& Tol, Vek3& Q) {
    const Schranke Null{};
    if (rNull == 1 || b.vNull) {
        Q = {Null, Null, Null};
        return true;
    }
    if (rNull < 0) return false;
    const double U[3] = {u.x.v, u.y.v, u.z.v}, V[3] = {b.v.x.v, b.v.y.v, b.v.z.v};
    const double eu = std::max({u.x.e, u.y.e, u.z.e}), ev = std::max({b.v.x.e, b.v.y.e, b.v.z.e});
    const double mu = Gross(U[0], U[1], U[2]), mv = Gross(V[0], V[1], V[2]);
    const int parallel = Laengs(U, eu, b, V, ev, mv, Tol);
    if (parallel < 0) return false;
    if (parallel == 1) {
        Q = {Null, Null, Null};
        return true;
    }
    const double A[3] = {b.A.x.v, b.A.y.v, b.A.z.v};
    const double eA = std::max({b.A.x.e, b.A.y.e, b.A.z.e});
    const double D3[3] = {A[0] - rA.x.v, A[1] - rA.y.v, A[2] - rA.z.v};
    const double md = Gross(D3[0], D3[1], D3[2]);
    const double ed = eA + std::max({rA.x.e, rA.y.e, rA.z.e}) + Rundung * md + Winzig;
    int eben = EbenDoppelt(U, V, D3, mu, mv, md, eu, ev, ed);
    if (eben < 0) eben = EbenSchranken(u, b, rA, Tol);
    if (eben < 0) return false;
    if (eben == 0) {
        Q = {Null, Null, Null};
        return true;
    }
    double D, eD;
    const int p = PaarWaehlen(U, eu, V, ev, Tol, D, eD);
    if (p < 0) return false;
    Q = p == 3 ? Vek3{Null, Null, Null} : PunktAusPaar(p, KehrwertVon(D, eD), eD, U, eu, A, eA, V, ev, mv, D3, ed);
    return true;
}

}  // namespace

bool PunktSchnell(const Vek3& rA, const Vek3& u, int rNull, const GenauSchranken& b, const Schranke& Tol, Vek3& Q) {
    return PunktSchnellInnen(rA, u, rNull, b, Tol, Q);
}

void StrahlFestMachen(const SichtSchranken& s, const GenauSchranken& b, StrahlFest& f) {
    f.V[0] = b.v.x.v;
    f.V[1] = b.v.y.v;
    f.V[2] = b.v.z.v;
    f.ev = std::max({b.v.x.e, b.v.y.e, b.v.z.e});
    f.mv = Gross(f.V[0], f.V[1], f.V[2]);
    f.A[0] = b.A.x.v;
    f.A[1] = b.A.y.v;
    f.A[2] = b.A.z.v;
    f.eA = std::max({b.A.x.e, b.A.y.e, b.A.z.e});
    // Every ray runs along ProjRichtung: what depends on u alone is known.
    const Vek3& u = s.P;
    f.U[0] = u.x.v;
    f.U[1] = u.y.v;
    f.U[2] = u.z.v;
    f.eu = std::max({u.x.e, u.y.e, u.z.e});
    f.mu = Gross(f.U[0], f.U[1], f.U[2]);
    f.vNull = b.vNull;
    f.Vorab = static_cast<signed char>(Laengs(f.U, f.eu, b, f.V, f.ev, f.mv, s.Tol));
    f.Paar = f.Vorab == 0 ? static_cast<signed char>(PaarWaehlen(f.U, f.eu, f.V, f.ev, s.Tol, f.D, f.eD)) : -1;
    if (f.Paar >= 0 && f.Paar < 3) {
        const Kehrwert k = KehrwertVon(f.D, f.eD);
        f.q = k.q;
        f.kehr = k.kehr;
    }
    // N = U × V: each coordinate within the inputs' distances times the
    // other factors' sizes, and 2.0001·2^-53 of its two products' sizes
    // (both products and the difference rounded), of the exact product of
    // the extended u and v.
    f.N1 = f.eN = 0;
    for (int c = 0; c < 3; ++c) {
        const int a = (c + 1) % 3, b2 = (c + 2) % 3;
        const double p = f.U[a] * f.V[b2], q = f.U[b2] * f.V[a];
        f.N[c] = p - q;
        const double e = f.eu * (std::fabs(f.V[a]) + std::fabs(f.V[b2]) + 2 * f.ev) +
                         f.ev * (std::fabs(f.U[a]) + std::fabs(f.U[b2])) + 2.3e-16 * (std::fabs(p) + std::fabs(q));
        f.eN = std::max(f.eN, e * Zuschlag + Winzig);
        f.N1 += std::fabs(f.N[c]);
    }
}

namespace {

// Determinante3(u, v, d) of a ray along ProjRichtung as D3·N, the same value
// in exact arithmetic, with the bound B of its distance from the extended
// one: D3 within ed and N within eN of the exact vectors of the extended
// inputs move the dot product by at most ed·Σ|N| + eN·(Σ|D3| + 3 ed); its
// three roundings by 3.34e-16·Σ|D3_c N_c| <= 3.4e-16·md·Σ|N|; the
// extended evaluation term by term rounds its six terms through at most
// five operations each, within 1.7e-18 of mu·mv·md (each widened by its
// bound), here 1.2e-17.
[[gnu::always_inline]] inline double EbenKreuz(const StrahlFest& f, const double D3[3], double md, double ed,
                                               double& B) {
    B = (ed * f.N1 + f.eN * 3 * (md + ed) + 3.4e-16 * md * f.N1 +
         1.2e-17 * (f.mu + f.eu) * (f.mv + f.ev) * (md + ed)) *
            Zuschlag +
        1e-90;
    return D3[0] * f.N[0] + D3[1] * f.N[1] + D3[2] * f.N[2];
}

}  // namespace

bool PunktSchnellParallel(const SichtSchranken& s, const Vek3& rA, int rNull, const GenauSchranken& b,
                          const StrahlFest& f, Vek3& Q) {
    const Schranke Null{};
    if (rNull == 1 || f.vNull) {
        Q = {Null, Null, Null};
        return true;
    }
    if (rNull < 0 || f.Vorab < 0) return false;
    if (f.Vorab == 1) {
        Q = {Null, Null, Null};
        return true;
    }
    const double D3[3] = {f.A[0] - rA.x.v, f.A[1] - rA.y.v, f.A[2] - rA.z.v};
    const double md = Gross(D3[0], D3[1], D3[2]);
    const double ed = f.eA + std::max({rA.x.e, rA.y.e, rA.z.e}) + Rundung * md + Winzig;
    double B;
    const double det = EbenKreuz(f, D3, md, ed, B);
    int eben = std::fabs(det) + B < 0.9999999e-9 ? 1 : std::fabs(det) - B > 1.0000001e-9 ? 0 : -1;
    if (eben < 0) eben = EbenSchranken(s.P, b, rA, s.Tol);
    if (eben < 0) return false;
    if (eben == 0) {
        Q = {Null, Null, Null};
        return true;
    }
    if (f.Paar < 0) return false;
    Q = f.Paar == 3 ? Vek3{Null, Null, Null}
                    : PunktAusPaar(f.Paar, {f.q, f.kehr}, f.eD, f.U, f.eu, f.A, f.eA, f.V, f.ev, f.mv, D3, ed);
    return true;
}

// Repeated in four lanes by ZeugnisseVier (see StrahlSchranken).
Schranke AbstandVomAuge(const SichtSchranken& s, const Vek3& Q) {
    const double dx = s.Aug.x.v - Q.x.v, dy = s.Aug.y.v - Q.y.v, dz = s.Aug.z.v - Q.z.v;
    const double ex = s.Aug.x.e + Q.x.e + std::fabs(dx) * Rundung;
    const double ey = s.Aug.y.e + Q.y.e + std::fabs(dy) * Rundung;
    const double ez = s.Aug.z.e + Q.z.e + std::fabs(dz) * Rundung;
    const double d = std::sqrt(dx * dx + dy * dy + dz * dz);
    return {d, (ex + ey + ez + 4e-16 * d) * Zuschlag + Winzig};
}

int RaumpunkteVergleichen(const SichtSchranken& s, bool zentral, const Vek3& Qi, const Vek3& Qj) {
    if (zentral) {
        const Schranke di = AbstandVomAuge(s, Qi);
        return Kleiner(AbstandVomAuge(s, Qj) - s.Tol, di);
    }
    const Schranke dx = Qj.x - Qi.x, dy = Qj.y - Qi.y, dz = Qj.z - Qi.z;
    return Kleiner(s.Grenze, dx * s.P.x + dy * s.P.y + dz * s.P.z);
}

Schranke PunktTiefe(const SichtSchranken& s, bool zentral, const Vek3& Q) {
    if (zentral) return AbstandVomAuge(s, Q);
    // The products and sums in Schranke hold the exact value for any Q and
    // P within their bounds (the bounds cover the double's rounding, and
    // more). The extended (Qj - Qi)·P rounds each difference once and each
    // term of the dot product three times: it lies within
    // 4·U·(1 + U)^4·Σ|Qj - Qi|·|P| (U = 2^-64) of the exact Qj·P - Qi·P,
    // and Σ|Qj - Qi|·|P| <= (|Qi|∞ + |Qj|∞)·‖P‖₁: each point adds
    // 2.2e-19·|Q|∞·‖P‖₁, here four times that.
    Schranke h = Q.x * s.P.x + Q.y * s.P.y + Q.z * s.P.z;
    const double gross = std::max({std::fabs(Q.x.v) + Q.x.e, std::fabs(Q.y.v) + Q.y.e, std::fabs(Q.z.v) + Q.z.e});
    const double P1 = std::fabs(s.P.x.v) + std::fabs(s.P.y.v) + std::fabs(s.P.z.v) + s.P.x.e + s.P.y.e + s.P.z.e;
    h.e = (h.e + 8.8e-19 * gross * P1) * Zuschlag + Winzig;
    return h;
}

namespace {

[[gnu::always_inline]] inline bool PunktImBereichInnen(bool zentral, const Vek3& rA, const Vek3& u,
                                                       const GenauSchranken& b, const StrahlFest* f, int p, Vek3& Q) {
    if (!zentral && f) {
        const double D3[3] = {f->A[0] - rA.x.v, f->A[1] - rA.y.v, f->A[2] - rA.z.v};
        const double md = Gross(D3[0], D3[1], D3[2]);
        const double ed = f->eA + std::max({rA.x.e, rA.y.e, rA.z.e}) + Rundung * md + Winzig;
        if (f->Paar != p) return false;
        Q = PunktAusPaar(p, {f->q, f->kehr}, f->eD, f->U, f->eu, f->A, f->eA, f->V, f->ev, f->mv, D3, ed);
        return true;
    }
    const double U[3] = {u.x.v, u.y.v, u.z.v}, V[3] = {b.v.x.v, b.v.y.v, b.v.z.v};
    const double eu = std::max({u.x.e, u.y.e, u.z.e}), ev = std::max({b.v.x.e, b.v.y.e, b.v.z.e});
    const double mv = Gross(V[0], V[1], V[2]);
    double eD;
    const double D = PaarDet(p, U, eu, V, ev, eD);
    if (!(std::fabs(D) > 2 * eD)) return false;
    const double A[3] = {b.A.x.v, b.A.y.v, b.A.z.v};
    const double eA = std::max({b.A.x.e, b.A.y.e, b.A.z.e});
    const double D3[3] = {A[0] - rA.x.v, A[1] - rA.y.v, A[2] - rA.z.v};
    const double md = Gross(D3[0], D3[1], D3[2]);
    const double ed = eA + std::max({rA.x.e, rA.y.e, rA.z.e}) + Rundung * md + Winzig;
    Q = PunktAusPaar(p, KehrwertVon(D, eD), eD, U, eu, A, eA, V, ev, mv, D3, ed);
    return true;
}

}  // namespace

bool PunktImBereich(bool zentral, const Vek3& rA, const Vek3& u, const GenauSchranken& b, const StrahlFest* f,
                    int Paar, Vek3& Q) {
    if (Paar < 0 || Paar > 2) return false;
    return PunktImBereichInnen(zentral, rA, u, b, f, Paar, Q);
}

int RaumvergleichSchranken(const SichtSchranken& s, bool zentral, Schranke Sx, Schranke Sy, const GenauSchranken& IB,
                           const GenauSchranken& JB, const StrahlFest* IF, const StrahlFest* JF,
                           const Tiefenbereich* IT, const Tiefenbereich* JT) {
    Vek3 A, u;
    StrahlSchranken(s, zentral, Sx, Sy, A, u);
    Vek3 Qi, Qj;
    // A crossing point in the regions of both depth ranges: the recovery's
    // tests are known there.
    if (IT && JT && IT->Paar >= 0 && IT->Paar <= 2 && JT->Paar >= 0 && JT->Paar <= 2 &&
        PunktImBereichInnen(zentral, A, u, IB, IF, IT->Paar, Qi) &&
        PunktImBereichInnen(zentral, A, u, JB, JF, JT->Paar, Qj))
        return RaumpunkteVergleichen(s, zentral, Qi, Qj);
    const int rNull = StrahlNullvektor(s, u);
    if (zentral) {
        // Both recoveries side by side: neither waits for the other's division.
        const bool si = PunktSchnellInnen(A, u, rNull, IB, s.Tol, Qi);
        const bool sj = PunktSchnellInnen(A, u, rNull, JB, s.Tol, Qj);
        if (!si && !PunktSchranken(A, u, rNull, IB, s.Tol, Qi)) return -1;
        if (!sj && !PunktSchranken(A, u, rNull, JB, s.Tol, Qj)) return -1;
        return RaumpunkteVergleichen(s, zentral, Qi, Qj);
    }
    if (!PunktSchnellFuer(s, zentral, A, u, rNull, IB, IF, Qi) && !PunktSchranken(A, u, rNull, IB, s.Tol, Qi))
        return -1;
    if (!PunktSchnellFuer(s, zentral, A, u, rNull, JB, JF, Qj) && !PunktSchranken(A, u, rNull, JB, s.Tol, Qj))
        return -1;
    return RaumpunkteVergleichen(s, zentral, Qi, Qj);
}

namespace {

// Parallel projection: both depths at the crossing from the ranges' affine
// t; -1 when they do not decide.
[[gnu::noinline]] int TiefenAnDerKreuzung(const SichtSchranken& s, const Tiefengerade& IG, Schranke Li,
                                          const Tiefengerade& JG, Schranke Lj) {
    Tiefenbereich Ti, Tj;
    TiefenbereichBeiLambda(IG, Li, Ti);
    TiefenbereichBeiLambda(JG, Lj, Tj);
    if (!(std::isfinite(Ti.lo) && std::isfinite(Ti.hi) && std::isfinite(Tj.lo) && std::isfinite(Tj.hi))) return -1;
    return TiefenbereicheVergleichen(s, false, Ti, Tj);
}

}  // namespace

int KreuzungSchranken(const SichtSchranken& s, bool zentral, const GenauSchranken& IB, const GenauSchranken& JB,
                      const StrahlFest* IF, const StrahlFest* JF, int wennDrin, const Tiefenbereich* IT,
                      const Tiefenbereich* JT, const Tiefengerade* IG, const Tiefengerade* JG) {
    if (IB.LambdaArt == 2 || JB.LambdaArt == 2) return -1;
    const Schranke det = IB.ux * JB.uy - IB.uy * JB.ux;
    if (Kleiner(Abs(det), s.Tol) != 0) return -1;
    // SchnittpunktZweierGeraden2D. Its D = I.u x (-J.u) is -det bit for
    // bit (negation is exact and rounding is symmetric), so is det's
    // negation; likewise Cx·my - Cy·mx with m = -J.u is -(Cx·J.uy - Cy·J.ux).
    const Schranke Cx = JB.E1x - IB.E1x, Cy = JB.E1y - IB.E1y;
    const Schranke D = -det;
    if (!Teiler(D)) return -1;
    const Schranke r = -(Cx * JB.uy - Cy * JB.ux) / D;
    const Schranke Sx = IB.E1x + r * IB.ux, Sy = IB.E1y + r * IB.uy;
    // λ of both, and whether it lies within -Toleranz .. 1.000000001.
    int drin = 1;
    Schranke Lambda[2];
    for (int k = 0; k < 2; ++k) {
        const GenauSchranken* g = k == 0 ? &IB : &JB;
        const bool ausX = g->LambdaArt == 0;
        if (!g->LambdaTeiler) return -1;
        Lambda[k] = (ausX ? Sx - g->E1x : Sy - g->E1y) * g->LambdaKehr;
        const int auf = Und(Kleiner(-s.Tol, Lambda[k]), Kleiner(Lambda[k], s.Eins));
        if (auf == 0) return 1;  // off a picture: true
        if (auf < 0) drin = -1;
    }
    if (drin < 0) return -1;
    if (wennDrin >= 0) return wennDrin;
    if (!zentral && IT && JT && IG && JG) {
        const int sicher = TiefenAnDerKreuzung(s, *IG, Lambda[0], *JG, Lambda[1]);
        if (sicher >= 0) return sicher;
    }
    return RaumvergleichSchranken(s, zentral, Sx, Sy, IB, JB, IF, JF, IT, JT);
}

namespace {

// At the start point rA of a ray along ProjRichtung, for a segment whose
// StrahlFest settles the pair: the determinant of the coplanarity test and
// t, each with its bound, and the size of d = A - rA.
struct StartWerte {
    double det, eDet, t, et, md;
};

[[gnu::always_inline]] inline void StartWerteParallel(const Vek3& rA, const StrahlFest& f, StartWerte& w) {
    const double D3[3] = {f.A[0] - rA.x.v, f.A[1] - rA.y.v, f.A[2] - rA.z.v};
    const double md = Gross(D3[0], D3[1], D3[2]);
    const double ed = f.eA + std::max({rA.x.e, rA.y.e, rA.z.e}) + Rundung * md + Winzig;
    w.det = EbenKreuz(f, D3, md, ed, w.eDet);
    w.t = TAusPaar(f.Paar, {f.q, f.kehr}, f.eD, f.U, f.eu, D3, ed, w.et);
    w.md = md + ed;
}

// The margin w of the boxes around the picture line's ends and the bound of
// the coordinates, for a picture with K its largest coordinate; false when
// the picture is too steep for λ's coordinate. A point off the line moves
// along it, in λ's coordinate a, by at most |u| / a (<= (|ux| + |uy|) / a)
// times its distance; q covers that and the distance itself.
bool BereichsRand(const GenauSchranken& g, double K, Tiefenbereich& T) {
    const double ux = std::fabs(g.ux.v), uy = std::fabs(g.uy.v);
    const double a = g.LambdaArt == 0 ? ux : uy;
    const double q = 1 + (ux + uy) / a * (1 + 1e-12);
    if (!(q <= 1e6) || !std::isfinite(K)) return false;
    T.w = 1e-16 * K * q;
    T.Kgrenze = 10 * K;
    return true;
}

}  // namespace

// TiefenbereicheParallelVier (Bereichsbahnen.cpp) repeats this routine,
// and TiefenbereicheZentralVier the central one, operation by operation in
// four lanes: a change here must be made there as well (the tests compare
// their bits).
bool TiefenbereichParallel(const SichtSchranken& s, const GenauSchranken& b, const StrahlFest& f, double K,
                           Tiefenbereich& T, Tiefengerade* G) {
    if (s.StrahlNull != 0 || f.vNull || f.Vorab != 0 || f.Paar < 0 || f.Paar > 2 || b.LambdaArt == 2) return false;
    if (!BereichsRand(b, K, T)) return false;
    const Schranke &Ex = b.E1x, &Ey = b.E1y;
    const Schranke Enden[2][2] = {{Ex, Ey}, {Ex + b.ux, Ey + b.uy}};
    StartWerte W[2];
    for (int k = 0; k < 2; ++k) {
        Schranke Sx = Enden[k][0], Sy = Enden[k][1];
        Sx.e += T.w;
        Sy.e += T.w;
        Vek3 A, u;
        StrahlSchranken(s, false, Sx, Sy, A, u);
        StartWerteParallel(A, f, W[k]);
    }
    constexpr double eta = 1.0000001e-9;
    const double mA = Gross(f.A[0], f.A[1], f.A[2]) + f.eA;
    const double mu = f.mu + f.eu, mv = f.mv + f.ev;
    const double md = std::max(W[0].md, W[1].md);
    // The extended determinant and t at a start point differ from the
    // affine functions of the picture point they round by less than R and
    // TR: from the rounding of the start point (one operation), of d (one)
    // and of the determinant's six products and five sums (at most 60 U of
    // mu·mv·(md + |rA|), U = 2^-64), and of N, its d and the division for
    // t. The factors 1e-16 hold more than 30 times that.
    const double R = 1e-16 * mu * mv * (2 * md + mA) + 1e-300;
    const double detMax = std::max(std::fabs(W[0].det) + W[0].eDet, std::fabs(W[1].det) + W[1].eDet);
    // Affine along the picture line: over λ in [-eta, 1 + eta] at most
    // (1 + 2 eta) times its larger value at the ends.
    if (!(((1 + 2 * eta) * (detMax + R) + R) * Zuschlag < 0.9999999e-9)) return false;
    const double tGross = std::max(std::fabs(W[0].t) + W[0].et, std::fabs(W[1].t) + W[1].et);
    const double TR = 1e-16 * (mu * (2 * md + mA) * f.kehr + tGross) + 1e-300;
    double lo = std::min(W[0].t - W[0].et, W[1].t - W[1].et) - TR;
    double hi = std::max(W[0].t + W[0].et, W[1].t + W[1].et) + TR;
    const double weit = eta * (hi - lo) * Zuschlag + TR + 1e-15 * (std::fabs(lo) + std::fabs(hi)) + 1e-300;
    lo -= weit;
    hi += weit;
    if (!std::isfinite(lo) || !std::isfinite(hi)) return false;
    // (A - t·v)·P = A·P - t (v·P), from the doubles of A, v and P with
    // their bounds; each sum of three products rounds by less than
    // 4e-16 of the sum of their sizes.
    double AP = 0, vP = 0, PL = 0, sA = 0, sV = 0, lA = 0, lV = 0;
    for (int c = 0; c < 3; ++c) {
        AP += f.A[c] * f.U[c];
        vP += f.V[c] * f.U[c];
        PL += std::fabs(f.U[c]);
        sA += std::fabs(f.A[c] * f.U[c]);
        sV += std::fabs(f.V[c] * f.U[c]);
        lA += std::fabs(f.A[c]);
        lV += std::fabs(f.V[c]);
    }
    const double eAP = (f.eu * lA + f.eA * PL + 3 * f.eA * f.eu + 4e-16 * sA) * Zuschlag + 1e-300;
    const double evP = (f.eu * lV + f.ev * PL + 3 * f.ev * f.eu + 4e-16 * sV) * Zuschlag + 1e-300;
    const double tMax = std::max(std::fabs(lo), std::fabs(hi));
    const double h1 = AP - lo * vP, h2 = AP - hi * vP;
    const double eh = (eAP + tMax * evP + 4e-16 * (std::fabs(AP) + tMax * std::fabs(vP))) * Zuschlag + 1e-300;
    T.lo = std::min(h1, h2) - eh;
    T.hi = std::max(h1, h2) + eh;
    T.lo -= 1e-15 * std::fabs(T.lo);
    T.hi += 1e-15 * std::fabs(T.hi);
    // The rounding of the comparison's (Qj - Qi)·P: within 6 U of the
    // recovered points' largest coordinates times |P| summed, per point.
    T.rund = 1e-17 * (mA + tMax * mv) * (PL + 3 * f.eu) + 1e-300;
    T.Paar = f.Paar;
    if (G) *G = {W[0].t, W[0].et, W[1].t, W[1].et, TR, AP, vP, eAP, evP, 1e-17 * mA * (PL + 3 * f.eu),
                 1e-17 * mv * (PL + 3 * f.eu)};
    return std::isfinite(T.lo) && std::isfinite(T.hi) && std::isfinite(T.rund);
}

void TiefenbereichBeiLambda(const Tiefengerade& G, Schranke L, Tiefenbereich& T) {
    // t at both ends of L's interval (linear in λ, its bound convex). The
    // ends' own roundings move t by at most 1.2e-16·|l|·|t1 - t0|, the
    // evaluation rounds within 4.5e-16 of |a t0| + |l t1|: with |l| and
    // |a| at most 1 + 1e-9, both within 1e-15 (|t0| + |t1|).
    double lo = inf, hi = -inf;
    const double rund = 1e-15 * (std::fabs(G.t0) + std::fabs(G.t1)) + 1e-300;
    for (const double l : {L.v - L.e * Zuschlag, L.v + L.e * Zuschlag}) {
        const double a = 1 - l;
        const double t = a * G.t0 + l * G.t1;
        const double e = (std::fabs(a) * G.et0 + std::fabs(l) * G.et1 + G.TR) * Zuschlag + rund;
        lo = std::min(lo, t - e);
        hi = std::max(hi, t + e);
    }
    const double tMax = std::max(std::fabs(lo), std::fabs(hi));
    const double h1 = G.AP - lo * G.vP, h2 = G.AP - hi * G.vP;
    const double eh = (G.eAP + tMax * G.evP + 4e-16 * (std::fabs(G.AP) + tMax * std::fabs(G.vP))) * Zuschlag + 1e-300;
    T.lo = std::min(h1, h2) - eh;
    T.hi = std::max(h1, h2) + eh;
    T.lo -= 1e-15 * std::fabs(T.lo);
    T.hi += 1e-15 * std::fabs(T.hi);
    T.rund = (G.rundA + tMax * G.rundV) * Zuschlag + 1e-300;
}

namespace {

// (Qj - Qi)·ProjRichtung > Grenze for every pair of points recovered
// within I's and J's ranges: the value lies within [J.lo - I.hi, J.hi - I.lo]
// widened by both roundings.
int TiefenbereicheParallel(const SichtSchranken& s, const Tiefenbereich& I, const Tiefenbereich& J) {
    const double rund = (I.rund + J.rund) * Zuschlag + 1e-300;
    const double unten = J.lo - I.hi;
    if (Kleiner(s.Grenze, Schranke{unten, rund + 2.3e-16 * std::fabs(unten)}) == 1) return 1;
    const double oben = J.hi - I.lo;
    if (Kleiner(Schranke{oben, rund + 2.3e-16 * std::fabs(oben)}, s.Grenze) == 1) return 0;
    return -1;
}

// di > dj - Toleranz for every di, dj within I's and J's ranges (each
// widened by its rounding).
int TiefenbereicheZentral(const SichtSchranken& s, const Tiefenbereich& I, const Tiefenbereich& J) {
    if (Kleiner(Schranke{J.hi, J.rund} - s.Tol, Schranke{I.lo, I.rund}) == 1) return 1;
    if (Kleiner(Schranke{I.hi, I.rund}, Schranke{J.lo, J.rund} - s.Tol) == 1) return 0;
    return -1;
}

}  // namespace

int TiefenbereicheVergleichen(const SichtSchranken& s, bool zentral, const Tiefenbereich& I,
                              const Tiefenbereich& J) {
    return zentral ? TiefenbereicheZentral(s, I, J) : TiefenbereicheParallel(s, I, J);
}

bool TiefenbereichZentral(const SichtSchranken& s, const GenauSchranken& b, double K, Tiefenbereich& T) {
    if (s.StrahlNull != 0 || b.vNull || b.LambdaArt == 2 || !b.kTeiler) return false;
    if (!BereichsRand(b, K, T)) return false;
    // Every ray starts at the eye point, so d = A - Augpunkt is the same for
    // all; the ray's direction is an affine function of the picture point,
    // and so are u - k·v, the determinant of the coplanarity test and the
    // pairs' D and N. The region (the picture line for λ in -eta .. 1 + eta,
    // widened by w) is the hull of the two boxes of w around its ends: an
    // affine function takes its extremes, and N / D with D of one sign
    // takes its own, at vertices of that hull, which lie in the boxes.
    constexpr double eta = 1.0000001e-9;
    const double lambda[2] = {-eta, 1 + eta};
    const double V[3] = {b.v.x.v, b.v.y.v, b.v.z.v};
    const double ev = std::max({b.v.x.e, b.v.y.e, b.v.z.e}), mv = Gross(V[0], V[1], V[2]);
    const double A[3] = {b.A.x.v, b.A.y.v, b.A.z.v};
    const double eA = std::max({b.A.x.e, b.A.y.e, b.A.z.e});
    const double D3[3] = {A[0] - s.Aug.x.v, A[1] - s.Aug.y.v, A[2] - s.Aug.z.v};
    const double md = Gross(D3[0], D3[1], D3[2]);
    const double ed = eA + std::max({s.Aug.x.e, s.Aug.y.e, s.Aug.z.e}) + Rundung * md + Winzig;
    struct Ecke {
        double U[3], eu, mu, w[3], ew, k, det, eDet, D[3], eD[3];
    } W[2];
    const Schranke &Ex = b.E1x, &Ey = b.E1y, &Ux = b.ux, &Uy = b.uy;
    for (int e = 0; e < 2; ++e) {
        Schranke Sx = Ex + Schranke{lambda[e], 0} * Ux, Sy = Ey + Schranke{lambda[e], 0} * Uy;
        Sx.e += T.w;
        Sy.e += T.w;
        Vek3 rA, u;
        StrahlSchranken(s, true, Sx, Sy, rA, u);
        Ecke& E = W[e];
        E.U[0] = u.x.v;
        E.U[1] = u.y.v;
        E.U[2] = u.z.v;
        E.eu = std::max({u.x.e, u.y.e, u.z.e});
        E.mu = Gross(E.U[0], E.U[1], E.U[2]);
        // u - k·v as Laengs bounds it.
        E.k = E.U[b.vKoord] * b.kKehr;
        const double ak = std::fabs(E.k);
        const double ek = (E.eu + ak * (1 + 1e-15) * ev) * b.kNenner * (1 + 1e-15) + 2 * ak * Rundung + Winzig;
        for (int c = 0; c < 3; ++c) E.w[c] = E.U[c] - E.k * V[c];
        E.ew = E.eu + ak * ev + ek * (mv + ev) + Rundung * (ak * mv + Gross(E.w[0], E.w[1], E.w[2])) + 2 * Winzig;
        E.k = ak + ek;
        E.det = EbenWert(E.U, V, D3, E.mu, mv, md, E.eu, ev, ed, E.eDet);
    }
    // How far the extended values at a point of the region lie from the
    // affine functions they round: u within 4 U (|u| + |Augpunkt|) (the
    // start point's two roundings, the division, the difference; U = 2^-64),
    // the rest from u's error times the other factor's size plus their own
    // roundings (at most 42 U of the size of the determinant's terms, 6 U of
    // the pairs'); every factor below holds more than 4 times that.
    const double mAug = Gross(s.Aug.x.v, s.Aug.y.v, s.Aug.z.v) + std::max({s.Aug.x.e, s.Aug.y.e, s.Aug.z.e});
    const double mU = std::max(W[0].mu + W[0].eu, W[1].mu + W[1].eu);
    const double mvv = mv + ev, mdd = md + ed, kGross = std::max(W[0].k, W[1].k);
    const double fU = 1e-18 * (mU + mAug);
    const double Rdet = 6 * mvv * mdd * fU + 1e-17 * mU * mvv * mdd + 1e-300;
    const double RD = 2 * mvv * fU + 1e-18 * mU * mvv + 1e-300;
    const double Rw = fU * (1 + mvv * b.kNenner) + 1e-18 * (kGross * mvv + mU) + 1e-300;
    const double RN = 2 * mdd * fU + 1e-18 * mU * mdd + 1e-300;
    constexpr double TolUnten = 0.9999999e-9, TolOben = 1.0000001e-9;
    // Not along the ray: one coordinate of u - k·v of one sign and beyond
    // Toleranz everywhere.
    bool quer = false;
    for (int c = 0; c < 3 && !quer; ++c)
        quer = W[0].w[c] * W[1].w[c] > 0 &&
               std::min(std::fabs(W[0].w[c]) - W[0].ew, std::fabs(W[1].w[c]) - W[1].ew) - 2 * Rw > TolOben;
    if (!quer) return false;
    // In the plane of the line: the determinant below Toleranz everywhere.
    const double detGross = std::max(std::fabs(W[0].det) + W[0].eDet, std::fabs(W[1].det) + W[1].eDet);
    if (!((detGross + 2 * Rdet) * Zuschlag < TolUnten)) return false;
    // The pair: each before it below Toleranz everywhere, it beyond it, of
    // one sign, with |D| >= Dmin.
    int p = 0;
    double Dmin = 0;
    for (;; ++p) {
        if (p == 3) return false;
        // The pairs' determinants as far as the choice goes.
        for (Ecke& E : W) E.D[p] = PaarDet(p, E.U, E.eu, V, ev, E.eD[p]);
        const double gross = std::max(std::fabs(W[0].D[p]) + W[0].eD[p], std::fabs(W[1].D[p]) + W[1].eD[p]);
        if ((gross + 2 * RD) * Zuschlag < TolUnten) continue;
        Dmin = std::min(std::fabs(W[0].D[p]) - W[0].eD[p], std::fabs(W[1].D[p]) - W[1].eD[p]) - 2 * RD;
        if (!(W[0].D[p] * W[1].D[p] > 0 && Dmin * (1 - 1e-12) > TolOben)) return false;
        if (!(std::fabs(W[0].D[p]) > 2 * W[0].eD[p] && std::fabs(W[1].D[p]) > 2 * W[1].eD[p])) return false;
        break;
    }
    double t[2], et[2];
    for (int e = 0; e < 2; ++e)
        t[e] = TAusPaar(p, KehrwertVon(W[e].D[p], W[e].eD[p]), W[e].eD[p], W[e].U, W[e].eu, D3, ed, et[e]);
    const double tGross = std::max(std::fabs(t[0]) + et[0], std::fabs(t[1]) + et[1]);
    // t = N / D: the extended from the affine quotient by at most
    // (|ΔN| + |t| |ΔD|) / |D| and its own rounding.
    const double TR = ((RN + 2 * tGross * RD) / (Dmin * (1 - 1e-12)) + 1e-18 * tGross) * Zuschlag + 1e-300;
    double lo = std::min(t[0] - et[0], t[1] - et[1]) - 2 * TR;
    double hi = std::max(t[0] + et[0], t[1] + et[1]) + 2 * TR;
    const double rand = 1e-15 * (std::fabs(lo) + std::fabs(hi)) + 1e-300;
    lo -= rand;
    hi += rand;
    if (!std::isfinite(lo) || !std::isfinite(hi)) return false;
    // The distance |A - t·v - Augpunkt| over t in [lo, hi]: convex, largest
    // at an end; smallest at an end unless the line's nearest point to the
    // eye point may lie between, then at least the line's distance. In
    // plain doubles: y = D3 - t·V lies within ed + |t| ev of the real
    // coordinates, plus the roundings of t·V and of the difference; its
    // length within their sum plus its own rounding.
    const auto abstand = [&](double tt, double& e) {
        const double y[3] = {D3[0] - tt * V[0], D3[1] - tt * V[1], D3[2] - tt * V[2]};
        const double L = std::sqrt(y[0] * y[0] + y[1] * y[1] + y[2] * y[2]);
        const double at = std::fabs(tt);
        e = (3 * (ed + at * ev) + 2e-15 * (at * mv + md) + 3e-16 * L) * Zuschlag + 1e-300;
        return L;
    };
    double e0, e1;
    const double L0 = abstand(lo, e0), L1 = abstand(hi, e1);
    // The nearest point's t = (D3·V) / (V·V), with the bound of the quotient.
    const double num = D3[0] * V[0] + D3[1] * V[1] + D3[2] * V[2];
    const double den = V[0] * V[0] + V[1] * V[1] + V[2] * V[2];
    const double enm = (3 * (ed * mv + ev * md + ed * ev) + 1.2e-15 * md * mv) * Zuschlag + 1e-300;
    const double eden = (3 * (2 * ev * mv + ev * ev) + 1.2e-15 * mv * mv) * Zuschlag + 1e-300;
    if (!(den > 2 * eden)) return false;
    const double tn = num / den;
    const double etn = (enm + std::fabs(tn) * eden) / (den - eden) * (1 + 1e-15) + 4e-16 * std::fabs(tn) + 1e-300;
    double unten;
    if (tn + etn < lo) {
        unten = L0 - e0;
    } else if (tn - etn > hi) {
        unten = L1 - e1;
    } else {
        // |D3 × V| / |V|, each coordinate of the product within
        // 2 (ed mv + ev md + ed ev) and its roundings.
        const double x[3] = {D3[1] * V[2] - D3[2] * V[1], D3[2] * V[0] - D3[0] * V[2], D3[0] * V[1] - D3[1] * V[0]};
        const double ex = (6 * (ed * mv + ev * md + ed * ev) + 2e-15 * md * mv) * Zuschlag + 1e-300;
        const double Lx = std::sqrt(x[0] * x[0] + x[1] * x[1] + x[2] * x[2]);
        unten = (Lx * (1 - 1e-15) - ex) / std::sqrt(den + eden) * (1 - 1e-15);
    }
    const double oben = std::max(L0 + e0, L1 + e1);
    T.lo = unten - 1e-15 * std::fabs(unten);
    T.hi = oben + 1e-15 * std::fabs(oben);
    // The comparison's distance from its recovered point: within 10 U of
    // the sizes of A, t·v and Augpunkt of the distance at t (the point's
    // two roundings, the difference, the length).
    T.rund = 3e-17 * (Gross(A[0], A[1], A[2]) + eA + std::max(std::fabs(lo), std::fabs(hi)) * mvv + mAug) + 1e-300;
    T.Paar = static_cast<signed char>(p);
    return std::isfinite(T.lo) && std::isfinite(T.hi) && std::isfinite(T.rund);
}

}  // namespace tiefe
