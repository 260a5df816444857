#pragma once
// What the hidden-line pass's comparison needs of one entry, and the
// comparison itself on that data in extended precision: the same values as
// the plain comparison (VerdeckteLinien.cpp), so the same decisions. The
// quick tests in doubles that decide a pair before it.

#include <cmath>
#include <limits>

#include "view3d/Tiefenordnung.h"

namespace tiefe {

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
    bool Punkt;        // a picture of no length at all: Richtung exactly (0, 0)
    double Laenge;     // |Richtung|
    double Summe;      // Tiefenstrecke::Summe (central projection)
    double LambdaKehr = inf;  // the quick λ test's scale of its margin; inf: no such test
    double LaengeKehr = 0;    // 1 / Laenge
};

// t := the quick test of the prepared picture with ends E1, E2 and
// direction u = E2 - E1, and the segment's distance sum Summe.
void SchnelltestBerechnen(const TVek_R2& E1, const TVek_R2& E2, const TVek_R2& u, double Summe, Schnelltest& t);

// ---- The comparison from the prepared data -------------------------------------------

Extended Lambda(const Genau& g, const TVek_R2& S);

// PunktAufStrecke for the prepared segment: the line's point on the ray, the
// origin when they do not meet. The same operations in the same order as
// LageZweierGeraden and SchnittpunktZweierGeraden; what depends on the
// segment alone was computed once.
TVek_R3 PunktAufStreckeGenau(const Strahl& r, bool rNull, const Genau& g);

// The comparison of the plain transcription (Vergleichen in
// VerdeckteLinien.cpp) on prepared data: the same values, so the same
// decisions.
bool VergleichGenau(const Genau& I, const Genau& J, int i, int j, bool zentral, Extended Grenze);

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

// Whether the pictures are surely parallel or on one line for
// LageZweierGeraden2D (|I.u × J.u| < Toleranz in extended precision as well:
// the bound covers both roundings), and then whether surely on distinct
// lines (1) or surely on one (0), by its second determinant with
// d = E1j - E1i; -1 when any of it is not sure.
inline int ParalleleBilder(const Schnelltest& a, const Schnelltest& b) {
    const double dd = std::fabs(a.ux * b.uy - a.uy * b.ux);
    if (!(dd + 5e-16 * (std::fabs(a.ux * b.uy) + std::fabs(a.uy * b.ux)) + 1e-300 < 0.9999999e-9)) return -1;
    const double cx = b.x1 - a.x1, cy = b.y1 - a.y1;
    const double q = a.ux * cy - a.uy * cx;
    const double f = 3.5e-16 * (std::fabs(a.ux * cy) + std::fabs(a.uy * cx)) +
                     1.3e-16 * (std::fabs(a.ux) * (std::fabs(b.y1) + std::fabs(a.y1) + std::fabs(cy)) +
                                std::fabs(a.uy) * (std::fabs(b.x1) + std::fabs(a.x1) + std::fabs(cx))) +
                     1e-300;
    if (std::fabs(q) - f > 1.0000001e-9) return 1;
    if (std::fabs(q) + f < 0.9999999e-9) return 0;
    return -1;
}

// Whether the extended I.u × J.u is at least Toleranz in magnitude, from the
// doubles: 1 surely, 0 surely not, -1 not sure. Each product of doubles lies
// within 5e-16 of its size from the extended one, both roundings included.
inline int KreuzendeBilder(const Schnelltest& a, const Schnelltest& b) {
    const double D = std::fabs(a.ux * b.uy - a.uy * b.ux);
    const double r = 5e-16 * (std::fabs(a.ux * b.uy) + std::fabs(a.uy * b.ux)) + 1e-300;
    return D - r > 1.0000001e-9 ? 1 : D + r < 0.9999999e-9 ? 0 : -1;
}

// The quick tests of the comparison of St[i] and St[j] (a and b their
// Schnelltest): true when they decide it true. Pictures that surely cross
// as lines (clearly not parallel) need no more when their boxes cannot
// meet, or when the crossing lies clearly off one of them; the margins cover
// how far the exact comparison's crossing point and its λ may stray by
// rounding. Written without branches, so a run over many pairs does not
// stall on them: every value is computed whether it is needed or not (in
// the same operations, so to the same doubles), and only the decisions are
// combined.
inline bool SchnellWahr(const Schnelltest& a, const Schnelltest& b) {
    const double D = a.ux * b.uy - a.uy * b.ux;
    const double dd = std::fabs(D);
    const bool kreuzend = (dd >= 2e-9) & (dd >= 1e-4 * a.n * b.n);
    const bool getrennt = (a.xmax < b.xmin) | (b.xmax < a.xmin) | (a.ymax < b.ymin) | (b.ymax < a.ymin);
    // The parameters ti, tj of the crossing as ni / dd, nj / dd: compared
    // without dividing, the margins widened by far more than the products'
    // roundings, so only pairs whose quotients lie clearly off are decided.
    const double cx = b.x1 - a.x1, cy = b.y1 - a.y1;
    const double Vz = D > 0 ? 1 : -1;
    const double ni = (cx * b.uy - cy * b.ux) * Vz;
    const double nj = (cx * a.uy - cy * a.ux) * Vz;
    const double weit = 1e-10 * (a.K + b.K + std::fabs(cx) + std::fabs(cy));
    const double mi = (1e-6 + weit * a.LambdaKehr) * (1 + 1e-9) * dd;
    const double mj = (1e-6 + weit * b.LambdaKehr) * (1 + 1e-9) * dd;
    const bool abseits = (a.LambdaKehr < inf) & (b.LambdaKehr < inf) &
                         ((ni < -mi) | (ni > dd + mi) | (nj < -mj) | (nj > dd + mj));
    return !a.Punkt & !b.Punkt & kreuzend & (getrennt | abseits);
}

}  // namespace tiefe
