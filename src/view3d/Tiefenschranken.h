#pragma once
// Decisions of the depth comparison in plain doubles with a bound on how far
// the extended computation they follow can lie: a decision whose margin
// exceeds the bound is the extended computation's; anything closer is left
// to that computation itself.

#include "view3d/Tiefenvergleich.h"

namespace tiefe {

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

// Gebunden and the operators +, -, * are repeated in four lanes by
// Schrankenbahnen.h, in the same order.
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

// Only for Teiler(b). The exact quotient of values within the bounds lies
// within (a.e + |a.v / b.v|·b.e) / (|b.v| - b.e) of a.v / b.v. With one
// division: v as a.v times q = 1 / b.v (its second rounding covered by a
// further Rundung·|v|), and 1 / (|b.v| - b.e) bounded from |q|: with
// x = b.e / |b.v| < 1/2, 1 / (1 - x) <= 1 + 2x; the factors 1 + 1e-15
// cover the roundings of q and of the products.
inline Schranke operator/(Schranke a, Schranke b) {
    const double q = 1 / b.v, aq = std::fabs(q);
    const double v = a.v * q;
    const double kehr = aq * (1 + 2 * b.e * aq * (1 + 1e-15)) * (1 + 1e-15);
    return Gebunden(v, (a.e + std::fabs(v) * (1 + 1e-15) * b.e) * kehr * (1 + 1e-15) + std::fabs(v) * Rundung);
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
// Division by the scales as multiplication by their reciprocals (r1, r2):
// the product of the bounds holds the exact quotient of the extended values,
// and the rounding Gebunden adds covers the extended division's rounding.
struct SichtSchranken {
    Schranke ox, oy, Vx, Vy, fest, s1, s2, r1, r2, Tol, Eins, Grenze;
    Vek3 Aug, P;
    bool versatz = false;
    // Nullvektor of every ray's direction when it is the same for all rays
    // of the view (0 or 1); -1 when each ray must be asked.
    int StrahlNull = -1;
};

// What PunktSchnell computes from the segment alone and from what all rays
// of a parallel projection share: they all run along ProjRichtung, so
// whether the ray runs along the segment and which pair of coordinates the
// recovery solves for are known once per segment. Made by StrahlFestMachen;
// PunktSchnellParallel then does only what depends on the ray's start, with
// the same operations as PunktSchnell but for the coplanarity test: that
// takes the determinant as d·(u × v), with u × v made once (N, each
// coordinate within eN). Its decisions, like PunktSchnell's, are the
// extended computation's, so where both answer they answer alike.
struct StrahlFest {
    double V[3] = {}, ev = 0, mv = 0, A[3] = {}, eA = 0;
    // u = ProjRichtung; whether it runs along v (1), not (0) or not surely
    // (-1); the pair of coordinates t comes from (0..2; 3 none, the origin;
    // -1 not sure), that pair's determinant, q = 1 / D and kehr >= 1 / (|D| - eD).
    double U[3] = {}, eu = 0, mu = 0;
    bool vNull = false;
    signed char Vorab = -1, Paar = -1;
    double D = 0, eD = 0, q = 0, kehr = 0;
    double N[3] = {}, eN = 0, N1 = 0;  // N1 = Σ|N|
};

// Sehstrahl in bounded doubles.
void StrahlSchranken(const SichtSchranken& s, bool zentral, Schranke Sx, Schranke Sy, Vek3& A, Vek3& u);

// IstNullvektor in bounded doubles.
int Nullvektor(const Vek3& u, const Schranke& Tol);

// The segment's data for the recovery, and its picture. Made with
// SchrankenMachen, which also prepares the divisions by the segment's own
// values as multiplications: LambdaKehr bounds the reciprocal of the
// coordinate of the picture's direction λ comes from (when LambdaTeiler),
// kKehr the reciprocal of v's coordinate vKoord and kNenner that of its
// size less its bound (when kTeiler).
// Genau's choices are copied in, so that the bounded comparison never
// reads the (much larger) extended data of an entry.
struct GenauSchranken {
    Vek3 A, v;
    Schranke E1x, E1y, ux, uy;
    Schranke LambdaKehr;
    bool LambdaTeiler = false;
    double kKehr = 0, kNenner = 0;
    bool kTeiler = false;
    bool vNull = false;
    Byte vKoord = 0;
    Byte LambdaArt = 0;
};
GenauSchranken SchrankenMachen(const Genau& g);

// |Determinante3(u, v, d)| < Toleranz in extended precision, from plain
// doubles each within eu, ev, ed of the extended coordinates (mu, mv, md the
// largest coordinates): 1 surely, 0 surely not, -1 not sure. The determinant
// is linear in each argument, so the inputs' distances add at most 6 · (each
// distance times the other two largest coordinates); each evaluation rounds
// each of its six terms through five operations.
int EbenDoppelt(const double* u, const double* v, const double* d, double mu, double mv, double md, double eu,
                double ev, double ed);

// PunktAufStreckeGenau in bounded doubles: false when not sure.
bool PunktSchranken(const Vek3& rA, const Vek3& u, int rNull, const GenauSchranken& b, const Schranke& Tol, Vek3& Q);

// PunktSchranken with one bound per vector (on the largest distance of a
// coordinate from the extended value) instead of one per coordinate: a
// third of the work, bounds a little wider. false when not sure; the
// caller then asks PunktSchranken. Each step widens the bound as the
// matching operation of Schranke would, taking the vector's largest
// coordinates where those take each one's. Only the coplanarity test,
// whose bound grows with the product of three sizes, is asked once more
// term by term, as PunktSchranken asks it, when that bound leaves it open.
bool PunktSchnell(const Vek3& rA, const Vek3& u, int rNull, const GenauSchranken& b, const Schranke& Tol, Vek3& Q);

// For a parallel projection s.
void StrahlFestMachen(const SichtSchranken& s, const GenauSchranken& b, StrahlFest& f);

// PunktSchnell for a ray along ProjRichtung from rA (parallel projection).
bool PunktSchnellParallel(const SichtSchranken& s, const Vek3& rA, int rNull, const GenauSchranken& b,
                          const StrahlFest& f, Vek3& Q);

// PunktSchnell as the pass asks it: in parallel projection through the
// segment's StrahlFest f when there is one, else in full (in central
// projection the rays' directions differ, and what the start point alone
// would save is small).
inline bool PunktSchnellFuer(const SichtSchranken& s, bool zentral, const Vek3& rA, const Vek3& u, int rNull,
                             const GenauSchranken& b, const StrahlFest* f, Vek3& Q) {
    if (!zentral && f) return PunktSchnellParallel(s, rA, rNull, b, *f, Q);
    return PunktSchnell(rA, u, rNull, b, s.Tol, Q);
}

// Nullvektor of a ray's direction in the view s.
inline int StrahlNullvektor(const SichtSchranken& s, const Vek3& u) {
    return s.StrahlNull >= 0 ? s.StrahlNull : Nullvektor(u, s.Tol);
}

// The distance from the eye point as the central comparison computes it.
// Bounded as a whole: the differences' bounds, as a vector, move the length
// by at most their sum; both evaluations of the length round by less than
// 4 · 10^-16 of it.
Schranke AbstandVomAuge(const SichtSchranken& s, const Vek3& Q);

// The comparison of the recovered points: di > dj - Toleranz (central),
// (Qj - Qi)·ProjRichtung > Grenze (parallel).
int RaumpunkteVergleichen(const SichtSchranken& s, bool zentral, const Vek3& Qi, const Vek3& Qj);

// The same comparison from one bounded value per point, for points whose
// comparison is asked often (the ends of segments that share them):
// PunktTiefe holds the point's distance from the eye point (central), or the
// exact Q·ProjRichtung (parallel) widened by the point's share of the
// rounding of the extended (Qj - Qi)·ProjRichtung; PunktTiefenVergleichen
// then decides as RaumpunkteVergleichen does, or answers -1.
Schranke PunktTiefe(const SichtSchranken& s, bool zentral, const Vek3& Q);
inline int PunktTiefenVergleichen(const SichtSchranken& s, bool zentral, const Schranke& hi, const Schranke& hj) {
    return zentral ? Kleiner(hj - s.Tol, hi) : Kleiner(s.Grenze, hj - hi);
}

struct Tiefenbereich;
struct Tiefengerade;

// The recovery for a ray through the region of a segment's Tiefenbereich
// (Paar its pair): only t and the point, as PunktSchnell computes them;
// false when the division is not sure. In parallel projection through the
// segment's StrahlFest f when there is one.
bool PunktImBereich(bool zentral, const Vek3& rA, const Vek3& u, const GenauSchranken& b, const StrahlFest* f,
                    int Paar, Vek3& Q);

// The recovery of Qi and Qj for the crossing point (Sx, Sy) and their
// comparison in bounded doubles; -1 when that is not sure.
// IF, JF: the segments' StrahlFest in parallel projection, or nullptr.
// IT, JT: the segments' depth ranges when the crossing point surely lies
// in their regions, or nullptr.
int RaumvergleichSchranken(const SichtSchranken& s, bool zentral, Schranke Sx, Schranke Sy, const GenauSchranken& IB,
                           const GenauSchranken& JB, const StrahlFest* IF = nullptr, const StrahlFest* JF = nullptr,
                           const Tiefenbereich* IT = nullptr, const Tiefenbereich* JT = nullptr);

// The comparison of crossing pictures in bounded doubles, from the crossing
// point on: 1 or 0 when the result is sure, -1 when not (or when the
// pictures are not surely crossing lines). wennDrin, when 0 or 1: the
// result for a crossing within both pictures, known beforehand (from the
// depth ranges below); the recovery is then left out. IT, JT: the
// segments' depth ranges when a crossing within both pictures lies in
// their regions (see BereicheVergleichen in Tiefenpaare.cpp), or nullptr.
// IG, JG: their Tiefengerade in parallel projection, or nullptr; the
// depths at the crossing then come from them before the recovery is asked.
int KreuzungSchranken(const SichtSchranken& s, bool zentral, const GenauSchranken& IB, const GenauSchranken& JB,
                      const StrahlFest* IF = nullptr, const StrahlFest* JF = nullptr, int wennDrin = -1,
                      const Tiefenbereich* IT = nullptr, const Tiefenbereich* JT = nullptr,
                      const Tiefengerade* IG = nullptr, const Tiefengerade* JG = nullptr);

// ---- Depth ranges of a segment over its whole picture -----------------------------

// Every ray of a parallel projection runs along ProjRichtung. For a segment
// whose StrahlFest settles for every ray whether it runs along the segment
// (it does not) and the pair of coordinates t comes from, the recovery's
// only choice that depends on the ray's start is the coplanarity test; its
// determinant and t are affine functions of the picture point, up to the
// extended roundings. Bounded at both ends of the picture line (with a
// margin w across it), they are bounded at every point within w of the
// line whose λ lies within -Toleranz .. 1.000000001: the determinant surely
// below Toleranz there, t within [lo, hi], so the recovered point's depth
// (A - t·v)·ProjRichtung within Tiefenbereich's [lo, hi].
// The margin w is 1e-16·K·q, K the largest coordinate of the picture's
// ends, q how far a point's distance from the line moves it along the line
// in λ's coordinate: it holds for crossing points of pairs whose K is at
// most Kgrenze = 10·K (see BereicheVergleichen in Tiefenpaare.cpp).
struct Tiefenbereich {
    double lo = 0, hi = 0;
    double Kgrenze = 0;
    double rund = 0;  // this segment's share of the rounding of the comparison
    double w = 0;     // the margin around the picture line, per coordinate
    signed char Zustand = -1;  // for the pass: -1 not yet made, 0 none, 1 made
    // The pair of coordinates t comes from for every ray through the
    // region: there the recovery's tests are known (not along the ray, in
    // its plane, the pairs before it below Toleranz).
    signed char Paar = -1;
};
// In parallel projection t is an affine function of the picture point
// over the region, up to TR: bounded by t0 ± et0 in the box at λ = 0 and
// by t1 ± et1 in the box at λ = 1. A point of the region with λ, off the
// line by o, is the affine combination (1 - λ)(P0 + o) + λ(P1 + o) of
// points of those boxes, so t there lies within (1 - λ) t0 + λ t1 ±
// (|1 - λ| et0 + |λ| et1 + TR), also for λ a little outside 0 .. 1. The
// depth (A - t·v)·P then as for the whole range (AP, vP and their bounds),
// the comparison's rounding rundA + |t| rundV.
struct Tiefengerade {
    double t0 = 0, et0 = 0, t1 = 0, et1 = 0, TR = 0;
    double AP = 0, vP = 0, eAP = 0, evP = 0, rundA = 0, rundV = 0;
};
// false when the segment's depth cannot be bounded so; G, when given, is
// made as well.
bool TiefenbereichParallel(const SichtSchranken& s, const GenauSchranken& b, const StrahlFest& f, double K,
                           Tiefenbereich& T, Tiefengerade* G = nullptr);
// The depth range (lo, hi, rund) of the points recovered within the
// region of a range whose Tiefengerade is G, at picture points whose λ
// lies within L (surely within -Toleranz .. 1.000000001).
void TiefenbereichBeiLambda(const Tiefengerade& G, Schranke L, Tiefenbereich& T);

// The same in central projection, where every ray starts at the eye point:
// its direction is an affine function of the picture point, and so are all
// the recovery's tests and t's numerator and denominator. Tiefenbereich's
// [lo, hi] then bounds the recovered point's distance from the eye point.
bool TiefenbereichZentral(const SichtSchranken& s, const GenauSchranken& b, double K, Tiefenbereich& T);
// The comparison of points recovered within I's and J's ranges
// ((Qj - Qi)·ProjRichtung > Grenze, or di > dj - Toleranz in central
// projection): 1 surely true for all of them, 0 surely false, -1 neither.
int TiefenbereicheVergleichen(const SichtSchranken& s, bool zentral, const Tiefenbereich& I,
                              const Tiefenbereich& J);

}  // namespace tiefe
