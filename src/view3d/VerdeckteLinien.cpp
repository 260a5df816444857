#include "view3d/VerdeckteLinien.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "scene/Objekte.h"
#include "scene/Ansicht.h"
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
        t.A = ParallelRahmen(s.A, MassstabX, MassstabY, MassstabZ);
        t.B = ParallelRahmen(s.B, MassstabX, MassstabY, MassstabZ);
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
    double x1, y1;     // Stuetzpunkt
    double K;          // largest coordinate, plus 1
    bool Hauptachse;   // λ comes surely from a coordinate of at least n / 4
};

Schnelltest SchnelltestBerechnen(const TGer_R2& G) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double x1 = static_cast<double>(G.Endpunkt1.x), y1 = static_cast<double>(G.Endpunkt1.y);
    const double x2 = static_cast<double>(G.Endpunkt2.x), y2 = static_cast<double>(G.Endpunkt2.y);
    const double ux = static_cast<double>(G.Richtung.x), uy = static_cast<double>(G.Richtung.y);
    Schnelltest t{-inf, inf, -inf, inf, ux, uy, std::fabs(ux) + std::fabs(uy), x1, y1, inf, false};
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

// The entries whose comparison with a given one the quick test below may
// leave open: those whose box meets its box (found through a grid of cells
// over the picture), those whose picture is nearly parallel to its (found
// in the order of the pictures' angles) and the few the quick test never
// settles. Every other pair compares true.
class Nachbarsuche {
public:
    void Aufbauen(const std::vector<Schnelltest>& t, int n);
    // Calls f(x) once for every candidate x of a; false when a has too many
    // for the search to pay (the caller then takes every entry).
    template <typename F>
    bool FuerKandidaten(int a, F&& f);

private:
    static constexpr int G = 16;               // cells per side
    static constexpr int HoechstZellen = 32;   // more: compared with all
    static constexpr double Winkelfenster = 3e-4;
    static constexpr double KleinsteLaenge = 4e-3;

    enum Art : char { InZellen, Gross, Wild };
    int Zelle(double v, double v0, double w) const {
        const double k = std::floor((v - v0) / w);
        return k < 0 ? 0 : k >= G ? G - 1 : static_cast<int>(k);
    }
    bool Besuchen(int x) {
        if (Marke_[static_cast<std::size_t>(x)] == Lauf_) return false;
        Marke_[static_cast<std::size_t>(x)] = Lauf_;
        return true;
    }

    std::vector<char> Art_;
    std::vector<int> Zx0_, Zx1_, Zy0_, Zy1_;
    std::vector<int> ZellAnfang_, ZellFrei_, ZellInhalt_, Grosse_, Wilde_;
    std::vector<double> Winkel_;
    std::vector<int> NachWinkel_, Rang_;
    std::vector<unsigned> Marke_;
    unsigned Lauf_ = 0;
};

void Nachbarsuche::Aufbauen(const std::vector<Schnelltest>& t, int n) {
    const auto N = static_cast<std::size_t>(n) + 1;
    Art_.assign(N, Wild);
    Zx0_.resize(N);
    Zx1_.resize(N);
    Zy0_.resize(N);
    Zy1_.resize(N);
    Winkel_.resize(N);
    Rang_.resize(N);
    if (Marke_.size() < N) Marke_.assign(N, 0);
    Grosse_.clear();
    Wilde_.clear();
    NachWinkel_.clear();

    double x0 = std::numeric_limits<double>::infinity(), y0 = x0, x1 = -x0, y1 = -x0;
    for (int k = 1; k <= n; ++k) {
        const Schnelltest& q = t[static_cast<std::size_t>(k)];
        const bool endlich = std::isfinite(q.xmin) && std::isfinite(q.xmax) && std::isfinite(q.ymin) &&
                             std::isfinite(q.ymax) && std::isfinite(q.n);
        if (!endlich || q.n < KleinsteLaenge) {
            Wilde_.push_back(k);
            continue;
        }
        Art_[static_cast<std::size_t>(k)] = InZellen;
        x0 = std::min(x0, q.xmin);
        x1 = std::max(x1, q.xmax);
        y0 = std::min(y0, q.ymin);
        y1 = std::max(y1, q.ymax);
        double w = std::atan2(q.uy, q.ux);
        if (w < 0) w += std::numbers::pi;
        if (w >= std::numbers::pi) w -= std::numbers::pi;
        Winkel_[static_cast<std::size_t>(k)] = w;
        NachWinkel_.push_back(k);
    }
    double wx = (x1 - x0) / G, wy = (y1 - y0) / G;
    if (!(wx > 0) || !std::isfinite(wx)) wx = 1;
    if (!(wy > 0) || !std::isfinite(wy)) wy = 1;

    ZellAnfang_.assign(G * G + 1, 0);
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        if (Art_[u] == Wild) continue;
        const Schnelltest& q = t[u];
        Zx0_[u] = Zelle(q.xmin, x0, wx);
        Zx1_[u] = Zelle(q.xmax, x0, wx);
        Zy0_[u] = Zelle(q.ymin, y0, wy);
        Zy1_[u] = Zelle(q.ymax, y0, wy);
        if ((Zx1_[u] - Zx0_[u] + 1) * (Zy1_[u] - Zy0_[u] + 1) > HoechstZellen) {
            Art_[u] = Gross;
            Grosse_.push_back(k);
            continue;
        }
        for (int cy = Zy0_[u]; cy <= Zy1_[u]; ++cy)
            for (int cx = Zx0_[u]; cx <= Zx1_[u]; ++cx) ++ZellAnfang_[static_cast<std::size_t>(cy * G + cx + 1)];
    }
    for (std::size_t c = 1; c < ZellAnfang_.size(); ++c) ZellAnfang_[c] += ZellAnfang_[c - 1];
    ZellInhalt_.resize(static_cast<std::size_t>(ZellAnfang_.back()));
    ZellFrei_.assign(ZellAnfang_.begin(), ZellAnfang_.end() - 1);
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        if (Art_[u] != InZellen) continue;
        for (int cy = Zy0_[u]; cy <= Zy1_[u]; ++cy)
            for (int cx = Zx0_[u]; cx <= Zx1_[u]; ++cx)
                ZellInhalt_[static_cast<std::size_t>(ZellFrei_[static_cast<std::size_t>(cy * G + cx)]++)] = k;
    }

    std::sort(NachWinkel_.begin(), NachWinkel_.end(), [this](int p, int q) {
        const double wp = Winkel_[static_cast<std::size_t>(p)], wq = Winkel_[static_cast<std::size_t>(q)];
        return wp < wq || (wp == wq && p < q);
    });
    for (std::size_t r = 0; r < NachWinkel_.size(); ++r) Rang_[static_cast<std::size_t>(NachWinkel_[r])] = static_cast<int>(r);
}

template <typename F>
bool Nachbarsuche::FuerKandidaten(int a, F&& f) {
    const auto ua = static_cast<std::size_t>(a);
    if (Art_[ua] != InZellen) return false;
    if (++Lauf_ == 0) {
        std::fill(Marke_.begin(), Marke_.end(), 0u);
        Lauf_ = 1;
    }
    Besuchen(a);
    for (int cy = Zy0_[ua]; cy <= Zy1_[ua]; ++cy)
        for (int cx = Zx0_[ua]; cx <= Zx1_[ua]; ++cx) {
            const auto c = static_cast<std::size_t>(cy * G + cx);
            for (int i = ZellAnfang_[c]; i < ZellAnfang_[c + 1]; ++i) {
                const int x = ZellInhalt_[static_cast<std::size_t>(i)];
                if (Besuchen(x)) f(x);
            }
        }
    for (int x : Grosse_)
        if (Besuchen(x)) f(x);
    for (int x : Wilde_)
        if (Besuchen(x)) f(x);
    // Angles are taken modulo pi: the neighbours on both sides, round the end.
    const int W = static_cast<int>(NachWinkel_.size());
    const double wa = Winkel_[ua];
    const int r = Rang_[ua];
    for (int s = 1; s < W; ++s) {
        const int x = NachWinkel_[static_cast<std::size_t>((r + s) % W)];
        double d = Winkel_[static_cast<std::size_t>(x)] - wa;
        if (d < 0) d += std::numbers::pi;
        if (d >= Winkelfenster) break;
        if (Besuchen(x)) f(x);
    }
    for (int s = 1; s < W; ++s) {
        const int x = NachWinkel_[static_cast<std::size_t>((r - s + W) % W)];
        double d = wa - Winkel_[static_cast<std::size_t>(x)];
        if (d < 0) d += std::numbers::pi;
        if (d >= Winkelfenster) break;
        if (Besuchen(x)) f(x);
    }
    return true;
}

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

// Everything the pass needs of each entry, computed once per pass; index 1..n.
struct Zwischenspeicher {
    std::vector<TGer_R2> Bild;
    std::vector<Tiefenstrecke> Tiefe;
    std::vector<Schnelltest> Schnell;
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
    // The same as bits: row a, bit x.
    std::vector<std::uint64_t> VorherBits;
    Nachbarsuche Nachbarn;
    Ringsuche Ring;
};

constexpr std::size_t BitZeile = (StreckenHoechstzahl + 2 + 63) / 64;

Zwischenspeicher& Speicher() {
    static Zwischenspeicher z;
    if (z.Folge.empty()) {
        constexpr std::size_t N = StreckenHoechstzahl + 2;
        z.Bild.resize(N);
        z.Tiefe.resize(N);
        z.Schnell.resize(N);
        z.Folge.resize(N);
        z.Platz.resize(N);
        z.Gezeichnet.resize(N);
        z.Anfang.resize(N);
        z.Anzahl.resize(N);
        z.Vorher.reserve(1 << 16);
        z.VorherBits.resize(N * BitZeile);
    }
    return z;
}

// The comparison of St[i] and St[j] from the prepared data. Pictures that
// surely cross as lines (clearly not parallel) need no more when their
// boxes cannot meet, or when the crossing lies clearly off one of them;
// the margins cover how far the exact comparison's crossing point and its
// λ may stray by rounding.
bool VergleichGespeichert(const Zwischenspeicher& z, int i, int j) {
    const Schnelltest& a = z.Schnell[static_cast<std::size_t>(i)];
    const Schnelltest& b = z.Schnell[static_cast<std::size_t>(j)];
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
    }
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
    z.Vorher.clear();
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        BildVorbereiten(St[k], z.Bild[u]);
        z.Tiefe[u] = TiefenstreckeBerechnen(St[k], zentral);
        z.Schnell[u] = SchnelltestBerechnen(z.Bild[u]);
        z.Folge[u] = k;
        z.Platz[u] = k;
        z.Gezeichnet[u] = 0;
        z.Anfang[u] = -1;
        z.Anzahl[u] = 0;
    }
    z.Nachbarn.Aufbauen(z.Schnell, n);

    // The entries are moved by their numbers only; St keeps its order. The
    // comparisons do not change during the pass, so the scan of the list
    // for the first entry that must come before the front one finds the
    // nearest of that entry's predecessors, each comparison made once.
    // Reihe[Versatz + k] is the entry at place k: drawing the front entry
    // moves Versatz on and no other entry.
    int Versatz = 0;
    int* Reihe = z.Folge.data();
    int m = n;
    int Tausch = 0;
    z.Ring.Neu(n);
    do {
        const int a = Reihe[Versatz + 1];
        const auto ua = static_cast<std::size_t>(a);
        std::uint64_t* bits = z.VorherBits.data() + ua * BitZeile;
        if (z.Anfang[ua] < 0) {
            std::fill(bits, bits + BitZeile, std::uint64_t{0});
            z.Anfang[ua] = static_cast<int>(z.Vorher.size());
            const auto vergleichen = [&](int x) {
                if (z.Gezeichnet[static_cast<std::size_t>(x)] || VergleichGespeichert(z, a, x)) return;
                z.Vorher.push_back(x);
                bits[static_cast<unsigned>(x) >> 6] |= std::uint64_t{1} << (x & 63);
            };
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
            // Many: walk the list from the front to the first of them.
            for (int k = 2; k <= m; ++k) {
                const auto x = static_cast<unsigned>(Reihe[Versatz + k]);
                if (bits[x >> 6] >> (x & 63) & 1) {
                    j = k;
                    break;
                }
            }
        }
        const bool alleWahr = j > m;
        if (!alleWahr) ++Tausch;
        if (alleWahr || Tausch > m) {
            // More exchanges than entries left: a ring of segments that
            // cover each other; the first is drawn anyway.
            if (Host().EscapeGedrueckt()) return;
            Zeichnen(St[a]);
            z.Gezeichnet[ua] = 1;
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
    Zeichnen(St[Reihe[Versatz + 1]]);
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
