#include "platform/Zeichenflaeche.h"

#include <cmath>
#if defined(__x86_64__)
#include <emmintrin.h>
#endif

#include "platform/ProtokollZeichenflaeche.h"

int StiftBreiteWirksam(const TPen& p) {
    return p.Width < 1 ? 1 : p.Width;
}

TPenStyle StiftStilWirksam(const TPen& p) {
    if (p.Style == psClear || p.Style == psSolid) return p.Style;
    return StiftBreiteWirksam(p) > 1 ? psSolid : p.Style;
}

int PixelRunden(Extended v) {
    if (std::isnan(v)) return -PixelGrenze;
    if (v >= PixelGrenze) return PixelGrenze;
    if (v <= -PixelGrenze) return -PixelGrenze;
    // The rounding mode the program runs in (to nearest, ties to even) is
    // the rounding asked for; llrint uses it without switching the FPU's
    // mode back and forth, as floor and a cast would for every pixel.
    return static_cast<int>(std::llrint(v));
}

namespace {

Extended Koord(const TVek_R2& v, int k) { return k == 0 ? v.x : v.y; }
void KoordSetzen(TVek_R2& v, int k, Extended w) { (k == 0 ? v.x : v.y) = w; }

bool Endlich(const TVek_R2& v) { return std::isfinite(v.x) && std::isfinite(v.y); }

// The point where the segment p-q meets the line "coordinate k = w" (p and q
// on different sides of it). Computed from the end nearer to that line, so a
// far end at 1e30 does not cost the near end its precision; differences are
// halved first so that no intermediate value overflows.
TVek_R2 Schnitt(const TVek_R2& p, const TVek_R2& q, int k, Extended w) {
    const int o = 1 - k;
    const Extended pk = Koord(p, k), qk = Koord(q, k);
    const Extended dk = qk * 0.5L - pk * 0.5L;
    const Extended dO = Koord(q, o) * 0.5L - Koord(p, o) * 0.5L;
    const bool vonP = std::fabs(w * 0.5L - pk * 0.5L) <= std::fabs(w * 0.5L - qk * 0.5L);
    const TVek_R2& basis = vonP ? p : q;
    const Extended h = (w * 0.5L - Koord(basis, k) * 0.5L) * (dO / dk);
    Extended anderer = Koord(basis, o) + h + h;
    if (!std::isfinite(anderer)) {
        // Only for a nearly parallel, astronomically long segment: fall back
        // to the parameter form, which stays finite.
        const Extended t = (w * 0.5L - pk * 0.5L) / dk;
        anderer = (Koord(p, o) + t * dO) + t * dO;
    }
    TVek_R2 s;
    KoordSetzen(s, k, w);
    KoordSetzen(s, o, anderer);
    return s;
}

}  // namespace

bool StreckeKappen(TVek_R2& a, TVek_R2& b, Extended xmin, Extended ymin, Extended xmax, Extended ymax) {
    if (!Endlich(a) || !Endlich(b)) return false;
    if (!std::isfinite(xmin) || !std::isfinite(ymin) || !std::isfinite(xmax) || !std::isfinite(ymax))
        return false;
    if (!(xmin <= xmax && ymin <= ymax)) return false;
    // Nearly every segment of a picture lies inside: the pass below would
    // keep it whole too, only after eight divisions.
    if (a.x >= xmin && a.x <= xmax && a.y >= ymin && a.y <= ymax && b.x >= xmin && b.x <= xmax &&
        b.y >= ymin && b.y <= ymax)
        return true;

    // Liang-Barsky on halved values, which cannot overflow. Each crossing is
    // kept as its parameter t from a and as 1 - t from b, each computed
    // directly: near b, t alone cannot tell crossings apart when a is far.
    const Extended dx = b.x * 0.5L - a.x * 0.5L;
    const Extended dy = b.y * 0.5L - a.y * 0.5L;
    const Extended p[4] = {-dx, dx, -dy, dy};
    const Extended qa[4] = {a.x * 0.5L - xmin * 0.5L, xmax * 0.5L - a.x * 0.5L, a.y * 0.5L - ymin * 0.5L,
                            ymax * 0.5L - a.y * 0.5L};
    const Extended qb[4] = {b.x * 0.5L - xmin * 0.5L, xmax * 0.5L - b.x * 0.5L, b.y * 0.5L - ymin * 0.5L,
                            ymax * 0.5L - b.y * 0.5L};
    const Extended grenze[4] = {xmin, xmax, ymin, ymax};
    struct Param {
        Extended t, s;  // s = 1 - t
    };
    auto spaeter = [](const Param& u, const Param& v) {
        if (u.t <= 0.5L && v.t <= 0.5L) return u.t > v.t;
        if (u.t > 0.5L && v.t > 0.5L) return u.s < v.s;
        return u.t > v.t;
    };
    Param t0{0, 1}, t1{1, 0};
    int k0 = -1, k1 = -1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (qa[i] < 0) return false;  // parallel to this edge and outside it
            continue;
        }
        const Param r{qa[i] / p[i], qb[i] / -p[i]};
        if (p[i] < 0) {
            if (spaeter(r, t1)) return false;
            if (spaeter(r, t0)) { t0 = r; k0 = i; }
        } else {
            if (spaeter(t0, r)) return false;
            if (spaeter(t1, r)) { t1 = r; k1 = i; }
        }
    }
    const TVek_R2 A = a, B = b;
    auto aufRand = [&](int i) {
        TVek_R2 s = Schnitt(A, B, i / 2, grenze[i]);
        // Rounding must not push the other coordinate off the box.
        if (i < 2) s.y = std::fmin(std::fmax(s.y, ymin), ymax);
        else s.x = std::fmin(std::fmax(s.x, xmin), xmax);
        return s;
    };
    if (k0 >= 0) a = aufRand(k0);
    if (k1 >= 0) b = aufRand(k1);
    return true;
}

std::vector<TVek_R2> PolygonKappen(const std::vector<TVek_R2>& ecken, Extended xmin, Extended ymin,
                                   Extended xmax, Extended ymax) {
    for (const TVek_R2& e : ecken)
        if (!Endlich(e)) return {};
    if (!std::isfinite(xmin) || !std::isfinite(ymin) || !std::isfinite(xmax) || !std::isfinite(ymax))
        return {};
    if (!(xmin <= xmax && ymin <= ymax)) return {};

    std::vector<TVek_R2> ein = ecken, aus;
    const Extended grenze[4] = {xmin, xmax, ymin, ymax};
    for (int i = 0; i < 4 && !ein.empty(); ++i) {
        const int k = i / 2;
        const bool unten = (i % 2) == 0;  // keep coordinate >= bound (else <=)
        auto innen = [&](const TVek_R2& v) { return unten ? Koord(v, k) >= grenze[i] : Koord(v, k) <= grenze[i]; };
        aus.clear();
        for (std::size_t j = 0; j < ein.size(); ++j) {
            const TVek_R2& p = ein[j];
            const TVek_R2& q = ein[(j + 1) % ein.size()];
            const bool pi = innen(p), qi = innen(q);
            if (pi) aus.push_back(p);
            if (pi != qi) aus.push_back(Schnitt(p, q, k, grenze[i]));
        }
        ein.swap(aus);
    }
    return ein;
}

void Zeichenflaeche::ZustandZuruecksetzen() {
    Pen = TPen{};
    Brush = TBrush{};
    Font = TFont{};
    PenPos = TPoint{};
}

void Zeichenflaeche::MoveTo(int x, int y) {
    PenPos = {x, y};
    StiftBewegt(x, y);
}

void Zeichenflaeche::LineTo(int x, int y) {
    LinieMalen(PenPos, {x, y});
    PenPos = {x, y};
}

void Zeichenflaeche::Polyline(const std::vector<TPoint>& punkte) { LinienzugMalen(punkte); }

void Zeichenflaeche::Polygon(const std::vector<TPoint>& punkte) { PolygonMalen(punkte); }

void Zeichenflaeche::Ellipse(int x1, int y1, int x2, int y2) { EllipseMalen(x1, y1, x2, y2); }

void Zeichenflaeche::Rectangle(int x1, int y1, int x2, int y2) { RechteckMalen(x1, y1, x2, y2); }

void Zeichenflaeche::FillRect(int x1, int y1, int x2, int y2) { RechteckFuellen(x1, y1, x2, y2); }

void Zeichenflaeche::TextOut(int x, int y, const std::string& text) {
    TextMalen(x, y, text);
    PenPos = {x + TextWidth(text), y};
}

namespace {

// PixelRunden of v from its nearest double d, true when that is certain:
// unless d lies exactly halfway between two integers, no integer + 0.5 lies
// between v and d (those halves are doubles themselves), so both round alike.
bool RundenUeberDouble(double d, int& n) {
#if defined(__x86_64__)
    // The SSE conversion rounds as llrint does (to nearest, ties to even)
    // without a call into the math library.
    const long long k = _mm_cvtsd_si64(_mm_set_sd(d));
#else
    const long long k = std::llrint(d);
#endif
    if (std::fabs(d - static_cast<double>(k)) == 0.5) return false;
    n = static_cast<int>(k);
    return true;
}

}  // namespace

void Zeichenflaeche::StreckeR2(TVek_R2 a, TVek_R2 b) {
    const int r = KappRand;
    // Nearly every segment lies well inside: accepted and rounded in double.
    // Strictly inside in double means strictly inside in extended precision
    // (the bounds are whole numbers), and NaN fails every comparison.
    const double lo = -r, hx = Width() + r, hy = Height() + r;
    const double ax = static_cast<double>(a.x), ay = static_cast<double>(a.y);
    const double bx = static_cast<double>(b.x), by = static_cast<double>(b.y);
    int p[4];
    if (ax > lo && ax < hx && ay > lo && ay < hy && bx > lo && bx < hx && by > lo && by < hy &&
        RundenUeberDouble(ax, p[0]) && RundenUeberDouble(ay, p[1]) && RundenUeberDouble(bx, p[2]) &&
        RundenUeberDouble(by, p[3])) {
        MoveTo(p[0], p[1]);
        LineTo(p[2], p[3]);
        return;
    }
    // A segment that leaves the canvas is clipped in extended precision.
    if (!StreckeKappen(a, b, -r, -r, Width() + static_cast<Extended>(r), Height() + static_cast<Extended>(r))) return;
    MoveTo(PixelRunden(a.x), PixelRunden(a.y));
    LineTo(PixelRunden(b.x), PixelRunden(b.y));
}

void Zeichenflaeche::PolygonR2(const std::vector<TVek_R2>& ecken) {
    const Extended r = KappRand;
    const std::vector<TVek_R2> k = PolygonKappen(ecken, -r, -r, Width() + r, Height() + r);
    if (k.size() < 3) return;
    std::vector<TPoint> punkte;
    punkte.reserve(k.size());
    for (const TVek_R2& e : k) punkte.push_back({PixelRunden(e.x), PixelRunden(e.y)});
    Polygon(punkte);
}

namespace {

ProtokollZeichenflaeche& stilleFlaeche() {
    static ProtokollZeichenflaeche f = [] {
        ProtokollZeichenflaeche s;
        s.Aufzeichnen = false;
        return s;
    }();
    return f;
}

Zeichenflaeche* aktuelleFlaeche = nullptr;

}  // namespace

Zeichenflaeche& Zeichenbitmap() {
    return aktuelleFlaeche ? *aktuelleFlaeche : stilleFlaeche();
}

Zeichenflaeche* ZeichenbitmapSetzen(Zeichenflaeche* z) {
    Zeichenflaeche* vorher = aktuelleFlaeche;
    aktuelleFlaeche = z;
    return vorher;
}
