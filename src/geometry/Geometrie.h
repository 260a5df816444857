#pragma once
// Lines, planes and spheres: products, dependence, positions, intersections,
// foot points, distances, angles (degrees), areas, the quadratic equation, the
// 3x3 system, and two small text routines of the report columns.
// The small routines of the hidden-line comparison are defined here, inline:
// called millions of times per picture, their calls cost more than their
// arithmetic.
//
// A line is A + t·u, a plane S + λ·rv1 + μ·rv2 (normal rv1 × rv2), a sphere
// centre M and radius r. Every test uses the one tolerance 1e-9. Inputs are
// taken by value; out-parameters are written last, so they may alias inputs.

#include <cmath>
#include <string>

#include "geometry/Vektor.h"

// ---- Vector algebra --------------------------------------------------------

inline Extended Skalarprodukt(TVek_R3 a, TVek_R3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline void Vektorprodukt(TVek_R3 a, TVek_R3 b, TVek_R3& c) {
    c = {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// R := v/|v|. The null vector stays the null vector (no division by zero).
void Normiere(TVek_R3 v, TVek_R3& R);
bool VektorenGleich(TVek_R3 a, TVek_R3 b);       // every coordinate within 1e-9
// The null vector as every test of the program judges it: each coordinate
// below 1e-9 in magnitude.
inline bool IstNullvektor(TVek_R3 v) {
    return std::fabs(v.x) < Toleranz && std::fabs(v.y) < Toleranz && std::fabs(v.z) < Toleranz;
}
// No coordinate NaN or infinite.
inline bool IstEndlich(TVek_R3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}
inline Extended AbstandPunktPunkt(TVek_R3 A, TVek_R3 B) {
    TVek_R3 d;
    VektorAB(A, B, d);
    return Betrag(d);
}
inline Extended Determinante2D(TVek_R2 a, TVek_R2 b) {
    return a.x * b.y - a.y * b.x;
}
// a·(b × c)
inline Extended Determinante3(TVek_R3 a, TVek_R3 b, TVek_R3 c) {
    return a.x * b.y * c.z + b.x * c.y * a.z + c.x * a.y * b.z -
           (a.z * b.y * c.x + b.z * c.y * a.x + c.z * a.y * b.x);
}
inline bool LinearAbhaengig2(TVek_R3 a, TVek_R3 b) {
    if (IstNullvektor(a) || IstNullvektor(b)) return true;
    // The ratio comes from the first coordinate of b that is not exactly 0.
    Extended k;
    if (b.x != 0)
        k = a.x / b.x;
    else if (b.y != 0)
        k = a.y / b.y;
    else
        k = a.z / b.z;
    return std::fabs(a.x - k * b.x) < Toleranz && std::fabs(a.y - k * b.y) < Toleranz &&
           std::fabs(a.z - k * b.z) < Toleranz;
}
inline bool LinearAbhaengig3(TVek_R3 a, TVek_R3 b, TVek_R3 c) {
    return std::fabs(Determinante3(a, b, c)) < Toleranz;
}
// A vector perpendicular to v. For a null vector (every coordinate below
// 1e-9) or a non-finite one there is none: R := (0, 0, 0).
void SenkrechterVektor(TVek_R3 v, TVek_R3& R);
// R := the point at distance d from A towards B; A itself when A equals B.
void PunktImAbstand(TVek_R3 A, TVek_R3 B, Extended d, TVek_R3& R);
// Angle 0..180 degrees, or the acute angle 0..90 with spitz = 1; 0 when a
// vector is (nearly) null or the computation fails.
Extended WinkelVektoren(TVek_R3 a, TVek_R3 b, Byte spitz);
// R := v scaled to length L; v itself when |v| < 1e-9.
void VektorAufLaenge(TVek_R3 v, TVek_R3& R, Extended L);

// ---- 3x3 systems -----------------------------------------------------------

// The name the linear-system tool knows the determinant by.
inline Extended DeterminanteMatrix33(TMatrix33 M) { return Determinante(M); }
// R := M with column k (1..3) replaced by b.
void SpalteErsetzen(TMatrix33 M, TVek_R3 b, int k, TMatrix33& R);
// x := the solution of A·x = b by Cramer's rule. Callers pass a regular
// matrix; a determinant of exactly 0 leaves x untouched and gives false.
bool CramerLoesen(TMatrix33 A, TVek_R3 b, TVek_R3& x);
// N := unit vector of u × w; x := the point of the line where the planes
// {u·x = u·P} and {w·x = w·Q} meet that lies in the plane through the origin
// perpendicular to that line. False (x untouched) when u and w are parallel.
bool LoeseEbenenSystem(TVek_R3 u, TVek_R3 w, TVek_R3 P, TVek_R3 Q, TVek_R3& x, TVek_R3& N);

// ---- Lines -----------------------------------------------------------------

// 1 intersecting, 2 parallel and distinct, 3 identical, 4 skew.
inline int LageZweierGeraden(TVek_R3 A1, TVek_R3 u1, TVek_R3 A2, TVek_R3 u2) {
    TVek_R3 d;
    VektorAB(A1, A2, d);
    const bool parallel = LinearAbhaengig2(u1, u2);
    if (!parallel) return LinearAbhaengig3(u1, u2, d) ? 1 : 4;
    return LinearAbhaengig2(u1, d) ? 3 : 2;
}
// 1 intersecting, 2 parallel and distinct, 3 identical.
inline int LageZweierGeraden2D(TVek_R2 A1, TVek_R2 u1, TVek_R2 A2, TVek_R2 u2) {
    if (std::fabs(Determinante2D(u1, u2)) >= Toleranz) return 1;
    TVek_R2 d;
    VektorAB2D(A1, A2, d);
    return std::fabs(Determinante2D(u1, d)) >= Toleranz ? 2 : 3;
}
// The intersection point of two intersecting lines. When no coordinate pair
// gives a usable determinant (lines not intersecting), X is left untouched
// and the result is false.
inline bool SchnittpunktZweierGeraden(TVek_R3 A1, TVek_R3 u1, TVek_R3 A2, TVek_R3 u2, TVek_R3& X) {
    TVek_R3 C;
    VektorAB(A1, A2, C);
    // Coordinate pairs in the order (x, y), (y, z), (x, z).
    const TVek_R2 a[3] = {{u1.x, u1.y}, {u1.y, u1.z}, {u1.x, u1.z}};
    const TVek_R2 b[3] = {{u2.x, u2.y}, {u2.y, u2.z}, {u2.x, u2.z}};
    const TVek_R2 c[3] = {{C.x, C.y}, {C.y, C.z}, {C.x, C.z}};
    for (int i = 0; i < 3; ++i) {
        const Extended D = Determinante2D(a[i], b[i]);
        if (std::fabs(D) >= Toleranz) {
            const Extended t = Determinante2D(a[i], c[i]) / D;
            TVek_R3 tu2;
            SMultiplikation(u2, t, tu2);
            VektorAB(tu2, A2, X);
            return true;
        }
    }
    return false;
}
// The same in the picture plane; false (X untouched) for exactly parallel lines.
inline bool SchnittpunktZweierGeraden2D(TVek_R2 A1, TVek_R2 u1, TVek_R2 A2, TVek_R2 u2, TVek_R2& X) {
    TVek_R2 C;
    VektorAB2D(A1, A2, C);
    const TVek_R2 minusU2{-u2.x, -u2.y};
    const Extended D = Determinante2D(u1, minusU2);
    if (D == 0) return false;
    const Extended r = Determinante2D(C, minusU2) / D;
    X = {A1.x + r * u1.x, A1.y + r * u1.y};
    return true;
}
// F := foot of the perpendicular from P on A + t·u (A itself when u is the
// null vector).
void LotfusspunktPunktGerade(TVek_R3 P, TVek_R3 A, TVek_R3 u, TVek_R3& F);
void LotPunktGerade(TVek_R3 P, TVek_R3 A, TVek_R3 u, TVek_R3& F, TVek_R3& D);  // D := F - P
Extended AbstandPunktGerade(TVek_R3 P, TVek_R3 A, TVek_R3 u, TVek_R3& F);
// Coordinate i (0 x, 1 y, 2 z) of v.
Extended& AchsKoordinate(TVek_R3& v, int i);
Extended AchsKoordinate(const TVek_R3& v, int i);
// The one rule for "this coordinate of a direction or normal is not zero":
// at least the tolerance in magnitude. A line of direction u then meets the
// coordinate plane across axis i (Spurpunkt), and a plane of normal n can
// be solved for coordinate i (EbeneKoordZuParam).
inline bool AchseTraegt(const TVek_R3& v, int i) { return std::fabs(AchsKoordinate(v, i)) >= Toleranz; }
// The axis across the x,y- (k = 1), x,z- (2) and y,z-plane (3): z, y, x.
inline int AchseQuerZu(Byte k) { return 3 - k; }
// True when A + t·u has a trace point in coordinate plane k (1..3).
inline bool SpurpunktExistiert(TVek_R3 u, Byte k) { return AchseTraegt(u, AchseQuerZu(k)); }
// Trace point of A + t·u in the x,y- (k = 1), x,z- (2) or y,z-plane (3). The
// zeroed coordinate is always written, the other two only when the line is
// not parallel to the plane.
void Spurpunkt(TVek_R3 A, TVek_R3 u, Byte k, TVek_R3& T);
// Feet F1 on A + s·u and F2 on B + t·w of the common perpendicular of two
// skew lines (also for perpendicular directions). False, and F1, F2
// untouched, when u and w are parallel.
bool LotFusspunkteWindschief(TVek_R3 A, TVek_R3 B, TVek_R3 u, TVek_R3 w, TVek_R3& F1,
                             TVek_R3& F2);

// ---- Planes ----------------------------------------------------------------

// Intersection of the line through P and Q with the plane (S; A, B). ok is
// false and X untouched when the line is parallel to the plane.
// Inline: every projected point of the picture goes through here.
inline void SchnittpunktGeradeEbene(TVek_R3 P, TVek_R3 Q, TVek_R3 S, TVek_R3 A, TVek_R3 B,
                                    bool& ok, TVek_R3& X) {
    TVek_R3 n, d, SP;
    Vektorprodukt(A, B, n);
    VektorAB(P, Q, d);
    const Extended nenner = Skalarprodukt(d, n);
    if (std::fabs(nenner) < Toleranz) {
        ok = false;
        return;
    }
    VektorAB(P, S, SP);
    const Extended t = Skalarprodukt(SP, n) / nenner;
    TVek_R3 td;
    SMultiplikation(d, t, td);
    VektSumme(P, td, X);
    ok = true;
}
// Distance of P from the plane, never negative; F := the foot point.
Extended AbstandPunktEbene(TVek_R3 P, TVek_R3 S, TVek_R3 rv1, TVek_R3 rv2, TVek_R3& F);
// Angle 0..90 degrees between the planes spanned by a1, b1 and by a2, b2.
Extended WinkelEbeneEbene(TVek_R3 a1, TVek_R3 b1, TVek_R3 a2, TVek_R3 b2);
// Signed angle -90..90 degrees of direction d to the plane spanned by rv1, rv2
// (positive towards rv1 × rv2).
Extended WinkelGeradeEbene(TVek_R3 d, TVek_R3 rv1, TVek_R3 rv2);
Extended WinkelGeradeEbeneBetrag(TVek_R3 d, TVek_R3 rv1, TVek_R3 rv2);   // 0..90
// 1 when the line P + t·d is parallel to the plane and not in it, else 2.
void LageAchseEbene(TVek_R3 P, TVek_R3 d, TVek_R3 S, TVek_R3 rv1, TVek_R3 rv2, Byte& Lage);
// Where the report builders let LageAchseEbene write.
inline Byte LageCodeAchseEbene = 0;
// X := P + d·n/|n|, n = u × v turned towards the plane (n·A >= 0) and d the
// distance of P from the plane (A; u, v). With P = origin, X is the foot of
// the perpendicular from the origin. When u and v span no plane, X := P.
void LotpunktUeberNormale(TVek_R3 A, TVek_R3 u, TVek_R3 v, TVek_R3 P, TVek_R3& X);
// Parameter form S + r·u + s·v of the plane a·x + b·y + c·z + d = 0: three
// points on it, taken on the axis of the first coefficient that does not
// vanish. False, and S, u, v untouched, when a, b and c all vanish.
bool EbeneAusKoordinatenform(Extended a, Extended b, Extended c, Extended d, TVek_R3& S, TVek_R3& u,
                             TVek_R3& v);

// The largest magnitude the program itself gives a number of an object.
// Typed numbers stay below 10001; what computes numbers into the objects
// from the objects themselves can go further, round after round: a plane's
// coordinate or normal form divides by a normal component down to 1e-9 and
// its fields keep what the last plane gave them; the vector-sum window
// shows the scene's vectors again on every opening and multiplies them by a
// coefficient up to 10000. Each such step is refused beyond this bound,
// long before the arithmetic of the reports and the picture (products of
// up to four coordinates) could leave the range of long double or double.
inline constexpr Extended SzenenZahlGrenze = 1e100L;
// What an object file may hold: that bound with room for the turns,
// which move a number within it by a small factor only (sqrt(3) about the
// axes; about a line, twice the line's distance from the origin more).
// Whatever the program writes, it loads again; beyond lie only foreign or
// damaged files.
inline constexpr Extended DateiZahlGrenze = 1e110L;
static_assert(DateiZahlGrenze > 1e9L * SzenenZahlGrenze);
inline bool InSzenenGrenze(Extended v) { return std::fabs(v) <= SzenenZahlGrenze; }   // false for NaN
inline bool InSzenenGrenze(const TVek_R3& v) {
    return InSzenenGrenze(v.x) && InSzenenGrenze(v.y) && InSzenenGrenze(v.z);
}

// ---- Spheres ---------------------------------------------------------------

// Distance of P from the sphere's surface; Lage -1 inside, 0 on it, 1 outside.
Extended LagePunktKugel(TVek_R3 M, TVek_R3 P, Extended r, int& Lage);
Extended KugelVolumen(Extended r);
Extended KugelOberflaeche(Extended r);
// Measures of a cone of height h and base radius r.
Extended KegelVolumen(Extended h, Extended r);
Extended KegelMantellinie(Extended h, Extended r);
Extended KegelMantelflaeche(Extended h, Extended r);
Extended KegelOberflaeche(Extended h, Extended r);
// Degrees; 0 for a cone without slant height (r = h = 0).
Extended KegelOeffnungswinkel(Extended h, Extended r);
// Solutions of a·t² + b·t + c = 0: n of them in x[0], x[1] (x[1] only
// meaningful when n = 2; n = 0 when a vanishes).
void LoeseQuadratischeGleichung(Extended a, Extended b, Extended c, Byte& n,
                                TFeld<Extended, 0, 1>& x);
// Intersection points of A + t·u with the sphere (M, r); true when n > 0.
// S1 is written when n >= 1, S2 when n = 2.
bool SchnittGeradeKugel(TVek_R3 M, TVek_R3 A, TVek_R3 u, Extended r, Byte& n,
                        TVek_R3& S1, TVek_R3& S2);
// Radius of the circle in which the plane cuts the sphere; exactly 0 for a
// plane within 1e-9 of touching it.
Extended SchnittkreisRadius(TVek_R3 M, TVek_R3 S, TVek_R3 rv1, TVek_R3 rv2, Extended r);
// Coefficients of x² + y² + z² - a·x - b·y - c·z + d = 0.
void GeradeKugelKoeffizienten(TVek_R3 M, Extended r, Extended& a, Extended& b, Extended& c,
                              Extended& d);
// Radical plane A·x + B·y + C·z + D = 0 of two spheres given by their
// coefficients (sphere 1 minus sphere 2).
void VektorDifferenzen(Extended a1, Extended b1, Extended c1, Extended d1, Extended a2,
                       Extended b2, Extended c2, Extended d2, Extended& A, Extended& B,
                       Extended& C, Extended& D);

// ---- Parallelograms and parallelepipeds ------------------------------------

Extended SpatHoehe(TVek_R3 a, TVek_R3 b);            // height over the side a
Extended ParallelogrammInhalt(TVek_R3 a, TVek_R3 b);
Extended SpatOberflaeche(TVek_R3 a, TVek_R3 b, TVek_R3 c);

// ---- Report columns ----------------------------------------------------------

// Blanks in front of s until it has n characters, never beyond 10.
void AuffuellenLinks(Byte n, std::string& s);
// The greatest of the three lengths, each counted as at most 10.
int MaxLaenge3(const std::string& a, const std::string& b, const std::string& c);
// A number text (at most 8 characters) shaped into sign slot, four-digit
// integer part and the rest, cut to 8: "3,5" -> " 0003,5", "-12,25" ->
// "-0012,25". Text that is no number comes back as it is (cut to 8).
void ZahlVierstellig(std::string s, std::string& R);
