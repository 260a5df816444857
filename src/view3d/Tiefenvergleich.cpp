#include "view3d/Tiefenvergleich.h"

#include <algorithm>

#include "geometry/Geometrie.h"
#include "scene/Ansicht.h"
#include "scene/Objekte.h"

namespace tiefe {

void SchnelltestBerechnen(const TVek_R2& E1, const TVek_R2& E2, const TVek_R2& u, double Summe, Schnelltest& t) {
    const double x1 = static_cast<double>(E1.x), y1 = static_cast<double>(E1.y);
    const double x2 = static_cast<double>(E2.x), y2 = static_cast<double>(E2.y);
    const double ux = static_cast<double>(u.x), uy = static_cast<double>(u.y);
    t = Schnelltest{-inf, inf, -inf, inf, ux, uy, std::fabs(ux) + std::fabs(uy), x1, y1, inf,
                    u.x == 0 && u.y == 0, std::sqrt(ux * ux + uy * uy), Summe};
    t.LaengeKehr = 1 / t.Laenge;
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2) ||
        !std::isfinite(t.n)) {
        t.n = inf;  // never passes the quick test
        return;
    }
    // The crossing point is computed on the first segment's line and tested
    // by λ from one coordinate each (x unless the picture is upright): the
    // other coordinate may stray by the rounding of that λ times the slope.
    const double K = std::max({std::fabs(x1), std::fabs(y1), std::fabs(x2), std::fabs(y2)}) + 1.0;
    const double delta = 1e-12 * K;
    const double ax = std::fabs(ux), ay = std::fabs(uy);
    t.K = K;
    double mx, my;
    if (ax > 2e-9) {
        mx = 1e-8 * ax + delta;
        my = 1e-8 * ay + 5 * delta * (1 + ay / ax);
    } else if (ax < 0.5e-9) {
        my = 1e-8 * ay + delta;
        mx = ay > 0 ? 1e-8 * ax + 5 * delta * (1 + ax / ay) : inf;
    } else {
        return;  // which coordinate λ comes from is not certain here
    }
    // λ's coordinate a (ax, or ay for an upright picture; none when ay is 0)
    // turns the rounding of the crossing into an error of λ of about U·K / a:
    // the margin of the quick λ test scales with max(1 / n, 1 / (4a)), which
    // for λ from a coordinate of at least n / 4 is 1 / n.
    const double a = ax > 2e-9 ? ax : ay;
    if (a > 0) t.LambdaKehr = std::max(1 / t.n, 0.25 / a);
    t.xmin = std::min(x1, x2) - mx;
    t.xmax = std::max(x1, x2) + mx;
    t.ymin = std::min(y1, y2) - my;
    t.ymax = std::max(y1, y2) + my;
}

Extended Lambda(const Genau& g, const TVek_R2& S) {
    switch (g.LambdaArt) {
        case 0: return (S.x - g.E1.x) / g.u.x;
        case 1: return (S.y - g.E1.y) / g.u.y;
        default: return -1;
    }
}

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

}  // namespace tiefe
