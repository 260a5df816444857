#include "geometry/Geometrie.h"

#include <algorithm>
#include <cmath>

#include "platform/Zahltext.h"

namespace {

constexpr Extended VierPi = 12.566370614359172954L;

// An angle that could not be computed (NaN or infinite input) is 0.
Extended Endlich(Extended v) {
    return std::isfinite(v) ? v : 0;
}

// Degrees of the angle whose sine is proportional to s and whose cosine is
// proportional to c (c >= 0 or s >= 0), s and c being a cross and a dot
// product. atan2 stays accurate near 0 and 90, where arcsin and arccos of a
// quotient lose half the digits (89,99999998 for perpendicular input). A
// product no larger than its own rounding error counts as zero, so
// perpendicular and parallel input give exactly 90, 0 or 180.
Extended GradAusSinusKosinus(Extended s, Extended c) {
    if (!std::isfinite(s) || !std::isfinite(c)) return 0;
    constexpr Extended Rundung = 1e-17L;  // about a hundred units of the last place
    const Extended r = std::hypot(s, c);
    if (std::fabs(s) <= Rundung * r) return c < 0 ? 180 : 0;
    if (std::fabs(c) <= Rundung * r) return s > 0 ? 90 : -90;
    return Endlich(std::atan2(s, c) * BogenZuGrad);
}

// |a × b|.
Extended Kreuzbetrag(TVek_R3 a, TVek_R3 b) {
    TVek_R3 c;
    Vektorprodukt(a, b, c);
    return Betrag(c);
}

}  // namespace

// ---- Vector algebra --------------------------------------------------------

void Normiere(TVek_R3 v, TVek_R3& R) {
    const Extended l = Betrag(v);
    if (l == 0) {
        R = v;
        return;
    }
    SMultiplikation(v, 1 / l, R);
}

bool VektorenGleich(TVek_R3 a, TVek_R3 b) {
    return std::fabs(a.x - b.x) < Toleranz && std::fabs(a.y - b.y) < Toleranz &&
           std::fabs(a.z - b.z) < Toleranz;
}

void SenkrechterVektor(TVek_R3 v, TVek_R3& R) {
    // The search below never ends for the null vector.
    if (!IstEndlich(v) || IstNullvektor(v)) {
        R = TVek_R3{};
        return;
    }
    // One or two rounds suffice for any vector of the program's range; the
    // bound only guards against a hang.
    for (int k = 1; k <= 1000; ++k) {
        const TVek_R3 w{v.x - k, v.x - k + 1, v.z};
        TVek_R3 c;
        Vektorprodukt(v, w, c);
        if (std::fabs(c.x) >= Toleranz || std::fabs(c.y) >= Toleranz || std::fabs(c.z) >= Toleranz) {
            R = c;
            return;
        }
    }
    R = TVek_R3{};
}

void PunktImAbstand(TVek_R3 A, TVek_R3 B, Extended d, TVek_R3& R) {
    if (VektorenGleich(A, B)) {
        R = A;
        return;
    }
    TVek_R3 AB, s;
    VektorAB(A, B, AB);
    SMultiplikation(AB, d / Betrag(AB), s);
    VektSumme(A, s, R);
}

Extended WinkelVektoren(TVek_R3 a, TVek_R3 b, Byte spitz) {
    const Extended nenner = Betrag(a) * Betrag(b);
    if (!(nenner >= Toleranz)) return 0;  // also NaN
    const Extended ab = Skalarprodukt(a, b);
    if (spitz == 1) return GradAusSinusKosinus(Kreuzbetrag(a, b), std::fabs(ab));
    if (std::fabs(ab / nenner + 1) < Toleranz) return 180;
    return GradAusSinusKosinus(Kreuzbetrag(a, b), ab);
}

void VektorAufLaenge(TVek_R3 v, TVek_R3& R, Extended L) {
    const Extended b = Betrag(v);
    if (b >= Toleranz)
        SMultiplikation(v, L / b, R);
    else
        R = v;
}

// ---- 3x3 systems -----------------------------------------------------------

void SpalteErsetzen(TMatrix33 M, TVek_R3 b, int k, TMatrix33& R) {
    if (k >= 1 && k <= 3) {
        M(1, k) = b.x;
        M(2, k) = b.y;
        M(3, k) = b.z;
    }
    R = M;
}

bool CramerLoesen(TMatrix33 A, TVek_R3 b, TVek_R3& x) {
    const Extended D = DeterminanteMatrix33(A);
    if (D == 0) return false;
    Extended e[3];
    for (int k = 1; k <= 3; ++k) {
        TMatrix33 Ak;
        SpalteErsetzen(A, b, k, Ak);
        e[k - 1] = DeterminanteMatrix33(Ak) / D;
    }
    x = {e[0], e[1], e[2]};
    return true;
}

bool LoeseEbenenSystem(TVek_R3 u, TVek_R3 w, TVek_R3 P, TVek_R3 Q, TVek_R3& x, TVek_R3& N) {
    TVek_R3 uw, n;
    Vektorprodukt(u, w, uw);
    Normiere(uw, n);
    TMatrix33 A;
    A(1, 1) = u.x; A(1, 2) = u.y; A(1, 3) = u.z;
    A(2, 1) = w.x; A(2, 2) = w.y; A(2, 3) = w.z;
    A(3, 1) = n.x; A(3, 2) = n.y; A(3, 3) = n.z;
    const TVek_R3 b{Skalarprodukt(u, P), Skalarprodukt(w, Q), 0};
    TVek_R3 e;
    const bool ok = CramerLoesen(A, b, e);
    if (ok) x = e;
    N = n;
    return ok;
}

// ---- Lines -----------------------------------------------------------------

namespace {

// Parameter of the foot point on A + k·u; 0 for a null direction, whose
// "line" is the point A.
Extended LotParameter(TVek_R3 P, TVek_R3 A, TVek_R3 u) {
    const Extended uu = Skalarprodukt(u, u);
    if (uu == 0) return 0;
    TVek_R3 AP;
    VektorAB(A, P, AP);
    return Skalarprodukt(AP, u) * (1 / uu);
}

}  // namespace

void LotfusspunktPunktGerade(TVek_R3 P, TVek_R3 A, TVek_R3 u, TVek_R3& F) {
    TVek_R3 ku;
    SMultiplikation(u, LotParameter(P, A, u), ku);
    VektSumme(A, ku, F);
}

void LotPunktGerade(TVek_R3 P, TVek_R3 A, TVek_R3 u, TVek_R3& F, TVek_R3& D) {
    TVek_R3 f, d;
    LotfusspunktPunktGerade(P, A, u, f);
    VektorAB(P, f, d);
    F = f;
    D = d;
}

Extended AbstandPunktGerade(TVek_R3 P, TVek_R3 A, TVek_R3 u, TVek_R3& F) {
    const Extended k = LotParameter(P, A, u);
    TVek_R3 ku, f, PA, d;
    SMultiplikation(u, k, ku);
    VektSumme(A, ku, f);
    VektorAB(P, A, PA);
    VektSumme(PA, ku, d);
    F = f;
    return Betrag(d);
}

Extended& AchsKoordinate(TVek_R3& v, int i) { return i == 0 ? v.x : i == 1 ? v.y : v.z; }

Extended AchsKoordinate(const TVek_R3& v, int i) { return i == 0 ? v.x : i == 1 ? v.y : v.z; }

void Spurpunkt(TVek_R3 A, TVek_R3 u, Byte k, TVek_R3& T) {
    if (k < 1 || k > 3) return;
    const int i = AchseQuerZu(k);
    AchsKoordinate(T, i) = 0;
    if (!SpurpunktExistiert(u, k)) return;
    const Extended f = -AchsKoordinate(A, i) / AchsKoordinate(u, i);
    for (int j = 0; j < 3; ++j)
        if (j != i) AchsKoordinate(T, j) = AchsKoordinate(A, j) + f * AchsKoordinate(u, j);
}

bool LotFusspunkteWindschief(TVek_R3 A, TVek_R3 B, TVek_R3 u, TVek_R3 w, TVek_R3& F1,
                             TVek_R3& F2) {
    // Normal equations of F2 - F1 perpendicular to u and w, solved directly
    // rather than by dividing by u·w, which vanishes for perpendicular lines.
    TVek_R3 AB;
    VektorAB(A, B, AB);
    const Extended uu = Skalarprodukt(u, u), uw = Skalarprodukt(u, w), ww = Skalarprodukt(w, w);
    const Extended e = Skalarprodukt(AB, u), f = Skalarprodukt(AB, w);
    const Extended D = uu * ww - uw * uw;
    if (D == 0 || LinearAbhaengig2(u, w)) return false;
    const Extended s = (e * ww - uw * f) / D;
    const Extended t = (uw * e - uu * f) / D;
    TVek_R3 su, tw;
    SMultiplikation(u, s, su);
    SMultiplikation(w, t, tw);
    VektSumme(A, su, F1);
    VektSumme(B, tw, F2);
    return true;
}

// ---- Planes ----------------------------------------------------------------

Extended AbstandPunktEbene(TVek_R3 P, TVek_R3 S, TVek_R3 rv1, TVek_R3 rv2, TVek_R3& F) {
    TVek_R3 n, N, PN, X;
    Vektorprodukt(rv1, rv2, n);
    Normiere(n, N);
    VektSumme(P, N, PN);
    bool ok;
    SchnittpunktGeradeEbene(P, PN, S, rv1, rv2, ok, X);
    if (!ok) {
        // The tolerance test refused a plane whose normal is tiny (or null):
        // project along the unit normal directly instead of leaving the foot
        // point unset. A null normal gives P itself.
        TVek_R3 SP, s;
        VektorAB(P, S, SP);
        SMultiplikation(N, Skalarprodukt(SP, N), s);
        VektSumme(P, s, X);
    }
    F = X;
    return AbstandPunktPunkt(P, X);
}

Extended WinkelEbeneEbene(TVek_R3 a1, TVek_R3 b1, TVek_R3 a2, TVek_R3 b2) {
    TVek_R3 N1, N2;
    Vektorprodukt(a1, b1, N1);
    Vektorprodukt(a2, b2, N2);
    if (Betrag(N1) * Betrag(N2) == 0) return 0;
    return GradAusSinusKosinus(Kreuzbetrag(N1, N2), std::fabs(Skalarprodukt(N1, N2)));
}

Extended WinkelGeradeEbene(TVek_R3 d, TVek_R3 rv1, TVek_R3 rv2) {
    TVek_R3 n;
    Vektorprodukt(rv1, rv2, n);
    if (Betrag(d) * Betrag(n) == 0) return 0;
    return GradAusSinusKosinus(Skalarprodukt(d, n), Kreuzbetrag(d, n));
}

Extended WinkelGeradeEbeneBetrag(TVek_R3 d, TVek_R3 rv1, TVek_R3 rv2) {
    TVek_R3 n;
    Vektorprodukt(rv1, rv2, n);
    if (Betrag(d) * Betrag(n) == 0) return 0;  // also a null d: angle 0
    return GradAusSinusKosinus(std::fabs(Skalarprodukt(d, n)), Kreuzbetrag(d, n));
}

void LageAchseEbene(TVek_R3 P, TVek_R3 d, TVek_R3 S, TVek_R3 rv1, TVek_R3 rv2, Byte& Lage) {
    TVek_R3 PS;
    VektorAB(P, S, PS);
    Lage = (LinearAbhaengig3(d, rv1, rv2) && !LinearAbhaengig3(PS, rv1, rv2)) ? 1 : 2;
}

void LotpunktUeberNormale(TVek_R3 A, TVek_R3 u, TVek_R3 v, TVek_R3 P, TVek_R3& X) {
    TVek_R3 n;
    Vektorprodukt(u, v, n);
    const Extended laenge = Betrag(n);
    if (!(laenge >= Toleranz)) {  // no plane: nothing to drop onto
        X = P;
        return;
    }
    if (Skalarprodukt(n, A) < 0) Gegenvektor(n, n);
    TVek_R3 F;
    const Extended d = AbstandPunktEbene(P, A, u, v, F);
    TVek_R3 schritt;
    SMultiplikation(n, d / laenge, schritt);
    VektSumme(P, schritt, X);
}

bool EbeneAusKoordinatenform(Extended a, Extended b, Extended c, Extended d, TVek_R3& S, TVek_R3& u,
                             TVek_R3& v) {
    const TVek_R3 n{a, b, c};
    // Solved for the first coordinate i the normal carries; j and l are the
    // other two in their order. Q1 has 1 at j, Q2 has 1 at l, Q3 lies on
    // axis i.
    int i = 0;
    while (i < 3 && !AchseTraegt(n, i)) ++i;
    if (i == 3) return false;
    const int j = i == 0 ? 1 : 0, l = i == 2 ? 1 : 2;
    const Extended ni = AchsKoordinate(n, i);
    TVek_R3 Q1, Q2, Q3;
    // Q2 with 2 in place of its coordinate 1, should the first choice fail.
    TVek_R3 Q2Ersatz;
    AchsKoordinate(Q1, i) = (-d - AchsKoordinate(n, j)) / ni;
    AchsKoordinate(Q1, j) = 1;
    AchsKoordinate(Q2, i) = (-d - AchsKoordinate(n, l)) / ni;
    AchsKoordinate(Q2, l) = 1;
    AchsKoordinate(Q2Ersatz, i) = (-d - 2 * AchsKoordinate(n, l)) / ni;
    AchsKoordinate(Q2Ersatz, l) = 2;
    AchsKoordinate(Q3, i) = -d / ni;
    TVek_R3 r21, r31;
    VektorAB(Q1, Q2, r21);
    VektorAB(Q1, Q3, r31);
    if (LinearAbhaengig2(r21, r31)) Q2 = Q2Ersatz;
    S = Q3;
    VektorAB(Q3, Q2, u);
    VektorAB(Q3, Q1, v);
    return true;
}

// ---- Spheres ---------------------------------------------------------------

Extended LagePunktKugel(TVek_R3 M, TVek_R3 P, Extended r, int& Lage) {
    const Extended e = AbstandPunktPunkt(M, P) - r;
    Lage = e < -Toleranz ? -1 : (e > Toleranz ? 1 : 0);
    return std::fabs(e);
}

Extended KugelVolumen(Extended r) {
    return VierPi * r * r * r / 3;
}

Extended KugelOberflaeche(Extended r) {
    return VierPi * r * r;
}

void LoeseQuadratischeGleichung(Extended a, Extended b, Extended c, Byte& n,
                                TFeld<Extended, 0, 1>& x) {
    if (std::fabs(a) < Toleranz) {
        n = 0;
        return;
    }
    if (std::fabs(c) < Toleranz) {
        x[0] = 0;
        x[1] = -b / a;
        n = std::fabs(x[0] - x[1]) < Toleranz ? 1 : 2;
        return;
    }
    if (std::fabs(b) < Toleranz) {
        const Extended q = -c / a;
        if (std::fabs(q) < Toleranz) {
            x[0] = 0;
            x[1] = 0;
            n = 1;
        } else if (q < -Toleranz) {
            n = 0;
        } else {
            x[0] = -std::sqrt(q);
            x[1] = std::sqrt(q);
            n = 2;
        }
        return;
    }
    const Extended p = b / a, q = c / a;
    const Extended D = (p / 2) * (p / 2) - q;
    if (std::fabs(D) < Toleranz) {
        x[0] = -p / 2;
        n = 1;
    } else if (D < -Toleranz) {
        n = 0;
    } else {
        x[0] = -p / 2 - std::sqrt(D);
        x[1] = -p / 2 + std::sqrt(D);
        n = 2;
    }
}

bool SchnittGeradeKugel(TVek_R3 M, TVek_R3 A, TVek_R3 u, Extended r, Byte& n,
                        TVek_R3& S1, TVek_R3& S2) {
    const Extended a = Skalarprodukt(u, u);
    const Extended b = 2 * (Skalarprodukt(A, u) - Skalarprodukt(M, u));
    const Extended c = (Skalarprodukt(A, A) + Skalarprodukt(M, M)) - 2 * Skalarprodukt(A, M) - r * r;
    Byte anzahl = 0;
    TFeld<Extended, 0, 1> x;
    LoeseQuadratischeGleichung(a, b, c, anzahl, x);
    TVek_R3 s;
    if (anzahl >= 1) {
        SMultiplikation(u, x[0], s);
        VektSumme(A, s, S1);
    }
    if (anzahl == 2) {
        SMultiplikation(u, x[1], s);
        VektSumme(A, s, S2);
    }
    n = anzahl;
    return anzahl > 0;
}

Extended SchnittkreisRadius(TVek_R3 M, TVek_R3 S, TVek_R3 rv1, TVek_R3 rv2, Extended r) {
    TVek_R3 F;
    const Extended d = AbstandPunktEbene(M, S, rv1, rv2, F);
    // A touching plane: the root would magnify the rounding of d into a
    // radius of some 1e-9.
    if (std::fabs(r - d) < Toleranz) return 0;
    return std::sqrt(std::fabs(r * r - d * d));
}

void GeradeKugelKoeffizienten(TVek_R3 M, Extended r, Extended& a, Extended& b, Extended& c,
                              Extended& d) {
    a = 2 * M.x;
    b = 2 * M.y;
    c = 2 * M.z;
    d = M.x * M.x + M.y * M.y + M.z * M.z - r * r;
}

void VektorDifferenzen(Extended a1, Extended b1, Extended c1, Extended d1, Extended a2,
                       Extended b2, Extended c2, Extended d2, Extended& A, Extended& B,
                       Extended& C, Extended& D) {
    A = a2 - a1;
    B = b2 - b1;
    C = c2 - c1;
    D = d1 - d2;
}

Extended KegelVolumen(Extended h, Extended r) { return Pi * r * r * h / 3.0L; }
Extended KegelMantellinie(Extended h, Extended r) { return std::sqrt(r * r + h * h); }
Extended KegelMantelflaeche(Extended h, Extended r) { return Pi * r * KegelMantellinie(h, r); }
Extended KegelOberflaeche(Extended h, Extended r) {
    return Pi * r * (KegelMantellinie(h, r) + r);
}
Extended KegelOeffnungswinkel(Extended h, Extended r) {
    const Extended s = KegelMantellinie(h, r);
    if (!(s > 0)) return 0;
    // r/s may leave [-1, 1] by a rounding step when h is tiny.
    const Extended q = std::clamp(r / s, -1.0L, 1.0L);
    return 2.0L * std::asin(q) * BogenZuGrad;
}

// ---- Parallelograms and parallelepipeds ------------------------------------

Extended SpatHoehe(TVek_R3 a, TVek_R3 b) {
    const Extended phi = WinkelVektoren(a, b, 1);
    if (std::fabs(phi - 90) < Toleranz) return Betrag(b);
    return Betrag(b) * std::sin(phi * GradZuBogen);
}

Extended ParallelogrammInhalt(TVek_R3 a, TVek_R3 b) {
    return Betrag(a) * SpatHoehe(a, b);
}

Extended SpatOberflaeche(TVek_R3 a, TVek_R3 b, TVek_R3 c) {
    return 2 * ((ParallelogrammInhalt(a, b) + ParallelogrammInhalt(a, c)) + ParallelogrammInhalt(b, c));
}

// ---- Report columns ----------------------------------------------------------

void AuffuellenLinks(Byte n, std::string& s) {
    const std::size_t breite = std::min<std::size_t>(n, 10);
    if (s.size() < breite) s.insert(0, breite - s.size(), ' ');
}

int MaxLaenge3(const std::string& a, const std::string& b, const std::string& c) {
    const auto l = [](const std::string& s) { return static_cast<int>(std::min<std::size_t>(s.size(), 10)); };
    return std::max({l(a), l(b), l(c)});
}

void ZahlVierstellig(std::string s, std::string& R) {
    s = KurzText(s, 8);
    Extended v;
    if (!ZahlLesen(s, v)) {
        R = s;
        return;
    }
    const bool negativ = v < 0;
    if (negativ) {
        const auto p = s.find('-');
        if (p != std::string::npos) s.erase(p, 1);
        v = -v;
    }
    const Extended m = std::trunc(v);
    const char* vorsatz = m < 10 ? " 000" : m < 100 ? " 00" : m < 1000 ? " 0" : m < 10000 ? " " : "";
    std::string t = KurzText(vorsatz + s, 8);
    if (negativ) {
        if (*vorsatz != '\0')
            t[0] = '-';
        else
            t.insert(0, 1, '-');
    }
    R = KurzText(t, 8);
}
