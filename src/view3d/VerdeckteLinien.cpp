#include "view3d/VerdeckteLinien.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "scene/Objekte.h"
#include "view3d/Ansicht.h"
#include "view3d/Projektion.h"
#include "view3d/Zeichnen.h"

namespace {

// ---- Frames of the depth test -------------------------------------------------

// A segment's end points in the frame its depth is measured in, and (central
// projection) the sum of their distances from the eye point in that frame.
struct Tiefenstrecke {
    TVek_R3 A, B;
    Extended Summe = 0;
};

// Mirrored and scaled as the parallel projection does before its fold.
TVek_R3 ParallelRahmen(const TVek_R3& P) {
    const Extended sx = MassstabX, sy = MassstabY, sz = MassstabZ;
    switch (ProjEbene) {
        case 1: return {sx * P.x, -(sy * SkFy * P.y), sz * SkFz * P.z};
        case 2: return {-(sx * SkFy * P.x), sy * P.y, sz * SkFz * P.z};
        case 3: return {sx * SkFz * P.x, sy * P.y, -(sz * SkFy * P.z)};
        default: return P;
    }
}

// Mirrored as the central projection does; the eye point lives in this frame.
TVek_R3 ZentralRahmen(TVek_R3 P) {
    switch (ProjEbene) {
        case 1: P.y = -P.y; break;
        case 2: P.x = -P.x; break;
        case 3: P.z = -P.z; break;
        default: break;
    }
    return P;
}

Tiefenstrecke TiefenstreckeBerechnen(const TStr& s, bool zentral) {
    Tiefenstrecke t;
    if (zentral) {
        t.A = ZentralRahmen(s.A);
        t.B = ZentralRahmen(s.B);
        // Measured from the mirrored ends: the eye point is a point of the
        // mirrored frame, and a stored end measured against it would stand
        // for the eye's mirror image behind the scene.
        t.Summe = AbstandPunktPunkt(t.A, Augpunkt) + AbstandPunktPunkt(t.B, Augpunkt);
    } else {
        t.A = ParallelRahmen(s.A);
        t.B = ParallelRahmen(s.B);
    }
    return t;
}

// ---- Back from the picture ------------------------------------------------------

struct Strahl {
    TVek_R3 A, u;
};

// The viewing ray of the picture point S, in the frame of the depth test.
Strahl Sehstrahl(const TVek_R2& S, bool zentral) {
    Extended bx = S.x - (AchsenKreuz.UrsprungX + VerschiebungX);
    Extended by = S.y - (AchsenKreuz.UrsprungY + VerschiebungY);
    if (zentral && AugpunktMitte && !AugpunktDurchgang) {
        bx += UrsprungVersatz.x;
        by += UrsprungVersatz.y;
    }
    const TEbene& E = zentral ? ProjEbeneZentral : ProjEbeneParallel;
    TVek_R3 X;
    switch (ProjEbene) {
        case 1: X = {bx, E.Stuetzvektor.y, by}; break;
        case 2: X = {E.Stuetzvektor.x, bx, by}; break;
        case 3: X = {-by, bx, E.Stuetzvektor.z}; break;
        default: break;
    }
    if (!zentral) return {X, ProjRichtung};
    switch (ProjEbene) {
        case 1:
            X.x /= MassstabX;
            X.z /= MassstabZ * SkFz;
            break;
        case 2:
            X.y /= MassstabY;
            X.z /= MassstabZ * SkFz;
            break;
        case 3:
            X.y /= MassstabY;
            X.x /= MassstabX * SkFz;
            break;
        default: break;
    }
    TVek_R3 u;
    VektorAB(Augpunkt, X, u);
    return {Augpunkt, u};
}

// Where the ray meets the line through A and B; the origin when it does not.
TVek_R3 PunktAufStrecke(const Strahl& r, const TVek_R3& A, const TVek_R3& B) {
    TVek_R3 u;
    VektorAB(A, B, u);
    TVek_R3 Q{};
    if (LageZweierGeraden(r.A, r.u, A, u) == 1 && !SchnittpunktZweierGeraden(r.A, r.u, A, u, Q)) Q = TVek_R3{};
    return Q;
}

// ---- The comparison -------------------------------------------------------------

void BildVorbereiten(const TStr& s, TGer_R2& G) {
    G = TGer_R2{};
    ProjiziereBildpunkt(s.A, G.Endpunkt1, MassstabX, MassstabY, MassstabZ);
    ProjiziereBildpunkt(s.B, G.Endpunkt2, MassstabX, MassstabY, MassstabZ);
    const bool tauschen = ProjEbene == 1 ? G.Endpunkt2.x < G.Endpunkt1.x - Toleranz
                                         : G.Endpunkt2.y < G.Endpunkt1.y - Toleranz;
    if (tauschen) std::swap(G.Endpunkt1, G.Endpunkt2);
    G.Stuetzpunkt = G.Endpunkt1;
    VektorAB2D(G.Endpunkt1, G.Endpunkt2, G.Richtung);
}

bool AufStrecke(Extended Lambda) { return Lambda > -Toleranz && Lambda < 1.000000001L; }

// One picture line in parallel projection: by the stored ends along the
// dropped axis, on the side the projection direction comes from.
bool EineBildgeradeParallel(const TStr& Si, const TStr& Sj) {
    const TVek_R3 &Ai = Si.A, &Bi = Si.B, &Aj = Sj.A, &Bj = Sj.B;
    const TVek_R3& d = ProjRichtung;
    switch (ProjEbene) {
        case 1:
            if (d.y > Toleranz) return Ai.y > Aj.y + Toleranz || Bi.y > Bj.y + Toleranz;
            return Ai.y < Aj.y - Toleranz || Bi.y < Bj.y - Toleranz;
        case 2:
            if (d.x < -Toleranz) return Ai.x < Aj.x - Toleranz || Bi.x < Bj.x - Toleranz;
            return Ai.x > Aj.x + Toleranz || Bi.x > Bj.x + Toleranz;
        case 3:
            if (d.z < -Toleranz) return Ai.z < Aj.z - Toleranz || Bi.z < Bj.z - Toleranz;
            return Ai.z > Aj.z + Toleranz || Bi.z > Bj.z + Toleranz;
        default: return false;
    }
}

// Steps after the projection of the four ends: Gi, Gj the prepared pictures,
// Ti, Tj the ends in the depth frame, Si, Sj the stored segments.
bool Vergleichen(const TGer_R2& Gi, const TGer_R2& Gj, const Tiefenstrecke& Ti, const Tiefenstrecke& Tj,
                 const TStr& Si, const TStr& Sj) {
    const bool zentral = Zentralprojektion;
    const int Lage = LageZweierGeraden2D(Gi.Stuetzpunkt, Gi.Richtung, Gj.Stuetzpunkt, Gj.Richtung);
    if (Lage == 1) {
        TVek_R2 S;
        SchnittpunktZweierGeraden2D(Gi.Stuetzpunkt, Gi.Richtung, Gj.Stuetzpunkt, Gj.Richtung, S);
        if (!AufStrecke(ParameterAufGerade2D(Gi.Stuetzpunkt, Gi.Richtung, S)) ||
            !AufStrecke(ParameterAufGerade2D(Gj.Stuetzpunkt, Gj.Richtung, S)))
            return true;
        const Strahl r = Sehstrahl(S, zentral);
        const TVek_R3 Qi = PunktAufStrecke(r, Ti.A, Ti.B);
        const TVek_R3 Qj = PunktAufStrecke(r, Tj.A, Tj.B);
        if (zentral) return AbstandPunktPunkt(Qi, Augpunkt) > AbstandPunktPunkt(Qj, Augpunkt) - Toleranz;
        // The viewer looks from the side the projection direction points to;
        // the farther point lies against it. A point at a finite distance
        // along the direction would judge points far apart wrongly.
        TVek_R3 d;
        VektorAB(Qi, Qj, d);
        return Skalarprodukt(d, ProjRichtung) > -Toleranz * Betrag(ProjRichtung);
    }
    if (Lage == 2) {
        if (!zentral) return true;
        return Ti.Summe > Tj.Summe - Toleranz;
    }
    if (zentral) return Ti.Summe >= Tj.Summe - Toleranz;
    return EineBildgeradeParallel(Si, Sj);
}

// ---- The pass ---------------------------------------------------------------------

// A picture's bounding box widened far enough that a crossing the exact
// comparison would find, rounding included, lies inside both boxes; and
// its direction, all in double.
struct Schnelltest {
    double xmin, xmax, ymin, ymax;
    double ux, uy, n;  // n = |ux| + |uy|
};

Schnelltest SchnelltestBerechnen(const TGer_R2& G) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double x1 = static_cast<double>(G.Endpunkt1.x), y1 = static_cast<double>(G.Endpunkt1.y);
    const double x2 = static_cast<double>(G.Endpunkt2.x), y2 = static_cast<double>(G.Endpunkt2.y);
    const double ux = static_cast<double>(G.Richtung.x), uy = static_cast<double>(G.Richtung.y);
    Schnelltest t{-inf, inf, -inf, inf, ux, uy, std::fabs(ux) + std::fabs(uy)};
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

// Everything the pass needs of each entry, computed once per pass; index 1..n.
struct Zwischenspeicher {
    std::vector<TGer_R2> Bild;
    std::vector<Tiefenstrecke> Tiefe;
    std::vector<Schnelltest> Schnell;
    std::vector<int> Folge;  // Folge[1..m]: the entries still to draw, in order
};

Zwischenspeicher& Speicher() {
    static Zwischenspeicher z;
    if (z.Folge.empty()) {
        constexpr std::size_t N = StreckenHoechstzahl + 1;
        z.Bild.resize(N);
        z.Tiefe.resize(N);
        z.Schnell.resize(N);
        z.Folge.resize(N);
    }
    return z;
}

// The comparison of St[i] and St[j] from the prepared data. Pairs whose
// pictures surely cross as lines but whose boxes cannot meet need no more:
// their crossing lies off at least one of them.
bool VergleichGespeichert(const Zwischenspeicher& z, int i, int j) {
    const Schnelltest& a = z.Schnell[static_cast<std::size_t>(i)];
    const Schnelltest& b = z.Schnell[static_cast<std::size_t>(j)];
    const double dd = std::fabs(a.ux * b.uy - a.uy * b.ux);
    if (dd >= 2e-9 && dd >= 1e-4 * a.n * b.n &&
        (a.xmax < b.xmin || b.xmax < a.xmin || a.ymax < b.ymin || b.ymax < a.ymin))
        return true;
    GerR2[1] = z.Bild[static_cast<std::size_t>(i)];
    GerR2[2] = z.Bild[static_cast<std::size_t>(j)];
    return Vergleichen(GerR2[1], GerR2[2], z.Tiefe[static_cast<std::size_t>(i)],
                       z.Tiefe[static_cast<std::size_t>(j)], St[i], St[j]);
}

void Zeichnen(const TStr& s) { StreckeDirektZeichnen(s.A, s.B, s.Farbe, s.Linienstil, s.Stiftbreite); }

struct PassKlammer {
    PassKlammer() { Host().LangerPassBeginnt(); }
    ~PassKlammer() { Host().LangerPassEndet(); }
    PassKlammer(const PassKlammer&) = delete;
    PassKlammer& operator=(const PassKlammer&) = delete;
};

}  // namespace

void ProjiziereBildpunkt(TVek_R3 P, TVek_R2& B, Extended sx, Extended sy, Extended sz) {
    BildpunktBerechnen(P, B, sx, sy, sz);
}

Extended ParameterAufGerade2D(TVek_R2 A, TVek_R2 u, TVek_R2 P) {
    if (std::fabs(u.x) > Toleranz) return (P.x - A.x) / u.x;
    if (u.y == 0) return -1;  // no extent to measure along: on no segment
    return (P.y - A.y) / u.y;
}

void RaumpunktParallelBerechnen(TVek_R2 S, int i, int j, TVek_R3& Qi, TVek_R3& Qj) {
    const Strahl r = Sehstrahl(S, false);
    const Tiefenstrecke ti = TiefenstreckeBerechnen(St[i], false);
    const Tiefenstrecke tj = TiefenstreckeBerechnen(St[j], false);
    Qi = PunktAufStrecke(r, ti.A, ti.B);
    Qj = PunktAufStrecke(r, tj.A, tj.B);
}

void RaumpunktZentralBerechnen(TVek_R2 S, int i, int j, TVek_R3& Qi, TVek_R3& Qj) {
    const Strahl r = Sehstrahl(S, true);
    const Tiefenstrecke ti = TiefenstreckeBerechnen(St[i], true);
    const Tiefenstrecke tj = TiefenstreckeBerechnen(St[j], true);
    Qi = PunktAufStrecke(r, ti.A, ti.B);
    Qj = PunktAufStrecke(r, tj.A, tj.B);
}

bool StreckenTiefenvergleich(int i, int j) {
    BildVorbereiten(St[i], GerR2[1]);
    BildVorbereiten(St[j], GerR2[2]);
    const Tiefenstrecke ti = TiefenstreckeBerechnen(St[i], Zentralprojektion);
    const Tiefenstrecke tj = TiefenstreckeBerechnen(St[j], Zentralprojektion);
    return Vergleichen(GerR2[1], GerR2[2], ti, tj, St[i], St[j]);
}

void ZeichneStreckenNachTiefe(int n) {
    n = std::min(n, StreckenHoechstzahl);
    if (n <= 0) return;
    if (n == 1) {
        Zeichnen(St[1]);
        return;
    }

    Zwischenspeicher& z = Speicher();
    const bool zentral = Zentralprojektion;
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        BildVorbereiten(St[k], z.Bild[u]);
        z.Tiefe[u] = TiefenstreckeBerechnen(St[k], zentral);
        z.Schnell[u] = SchnelltestBerechnen(z.Bild[u]);
        z.Folge[u] = k;
    }

    // The entries are moved by their numbers only; St keeps its order.
    int* Folge = z.Folge.data();
    int m = n;
    int Tausch = 0;
    do {
        int j = 2;
        while (j <= m && VergleichGespeichert(z, Folge[1], Folge[j])) ++j;
        const bool alleWahr = j > m;
        if (!alleWahr) ++Tausch;
        if (alleWahr || Tausch > m) {
            // More exchanges than entries left: a ring of segments that
            // cover each other; the first is drawn anyway.
            if (Host().EscapeGedrueckt()) return;
            Zeichnen(St[Folge[1]]);
            std::memmove(Folge + 1, Folge + 2, static_cast<std::size_t>(m - 1) * sizeof(int));
            --m;
            Tausch = 1;
        } else {
            TauschStrecke = Folge[1];
            Folge[1] = Folge[j];
            Folge[j] = TauschStrecke;
        }
    } while (m > 1);
    Zeichnen(St[Folge[1]]);
}

void VerdeckteLinienZeichnen() {
    PassKlammer klammer;
    ZeichneStreckenNachTiefe(StreckenAnzahl);
}

void VerdeckteLinienNullen() {
    StreckenAnzahl = 0;
    for (TStr& s : St) s = TStr{};
    for (TGer_R2& g : GerR2) g = TGer_R2{};
    TauschStrecke = 0;
}
