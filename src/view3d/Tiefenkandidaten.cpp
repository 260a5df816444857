#include "view3d/Tiefenkandidaten.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tiefe {

namespace {

// Sorts the pairs (key, entry) v[0..n) as std::sort would: into n
// compartments by the key's distance from the least key, scaled to n (a
// rounded difference, product and truncation all keep the order, so the
// compartments are in the keys' order), each then sorted in itself. The
// compartments keep the order the pairs come in, so runs of equal keys in
// ascending order of the entries need no move. hilf holds n pairs.
void PaareSortieren(std::pair<double, int>* v, std::size_t n, std::pair<double, int>* hilf,
                    std::vector<int>& faecher) {
    if (n < 32) {
        std::sort(v, v + n);
        return;
    }
    double lo = v[0].first, hi = v[0].first;
    for (std::size_t i = 1; i < n; ++i) {
        lo = std::min(lo, v[i].first);
        hi = std::max(hi, v[i].first);
    }
    const int F = static_cast<int>(n);
    const double skala = F / (hi - lo);
    if (!(skala < inf)) {  // all keys alike (or their range beyond the doubles)
        std::sort(v, v + n);
        return;
    }
    const auto fach = [lo, skala, F](double w) { return std::min(static_cast<int>((w - lo) * skala), F - 1); };
    faecher.assign(n + 1, 0);
    for (std::size_t i = 0; i < n; ++i) ++faecher[static_cast<std::size_t>(fach(v[i].first)) + 1];
    for (std::size_t f = 1; f <= n; ++f) faecher[f] += faecher[f - 1];
    for (std::size_t i = 0; i < n; ++i) hilf[faecher[static_cast<std::size_t>(fach(v[i].first))]++] = v[i];
    // Now compartment f ends at faecher[f] and begins where f - 1 ends.
    int anfang = 0;
    for (std::size_t f = 0; f < n; ++f) {
        const int ende = faecher[f];
        std::pair<double, int>* const a = hilf + anfang;
        std::pair<double, int>* const e = hilf + ende;
        if (ende - anfang > 24) {
            // Often pictures parallel in the picture, in order already.
            if (!std::is_sorted(a, e)) std::sort(a, e);
        } else {
            for (std::pair<double, int>* i = a + 1; i < e; ++i) {
                const std::pair<double, int> x = *i;
                std::pair<double, int>* j = i;
                for (; j > a && x < *(j - 1); --j) *j = *(j - 1);
                *j = x;
            }
        }
        anfang = ende;
    }
    std::copy(hilf, hilf + n, v);
}

}  // namespace

// The measure of a direction's angle modulo pi the pictures are ordered
// by: pi/2 times the diamond angle of the direction turned into the upper
// half-plane, uy / (|ux| + uy) up to pi/2 and 2 less that beyond. It rises
// with the angle θ at the rate 1 / (|cos θ| + sin θ)^2 times pi/2, between
// pi/4 and pi/2, and comes round after pi as the angle does: angles f apart
// lie at most pi/2 · f apart in it, and angles whose measures lie m apart
// at most 4/pi · m. Its rounding is below 2e-15, far within the margins of
// the windows. Not negative, nor -0: sorted by its bits.
double Winkelmass(double ux, double uy) {
    if (uy < 0 || (uy == 0 && ux < 0)) {
        ux = -ux;
        uy = -uy;
    }
    const double s = uy / (std::fabs(ux) + uy);
    double w = (ux >= 0 ? s : 2 - s) * (std::numbers::pi / 2);
    if (w >= std::numbers::pi) w -= std::numbers::pi;
    if (w == 0) w = 0;
    return w;
}

bool Nachbarsuche::ZellenDerStrecke(double p0x, double p0y, double p1x, double p1y, double r) {
    // Room for the most cells taken, and two more: each column's first two
    // rows are written whether it has them or not (the next column's
    // overwrite what is not), so that the common pictures of one or two
    // rows per column take no branch whose way is hard to foretell.
    if (Zellen_.size() < ZellenZahl_ + HoechstZellen + 2) Zellen_.resize(2 * Zellen_.size() + HoechstZellen + 2);
    int* const ziel = Zellen_.data() + ZellenZahl_;
    const double xmin = std::min(p0x, p1x) - r, xmax = std::max(p0x, p1x) + r;
    const double ymin = std::min(p0y, p1y) - r, ymax = std::max(p0y, p1y) + r;
    const int c0 = Spalte(xmin), c1 = Spalte(xmax);
    const double dx = p1x - p0x, dy = p1y - p0y, kehr = 1 / dx;
    // In one column, or upright: every column takes the whole extent in y.
    const bool ganz = c0 == c1 || dx == 0;
    std::size_t zahl = 0;
    for (int c = c0; c <= c1; ++c) {
        // The part of the segment over this column (widened by r), as an
        // interval of y. The first and last columns take everything beyond
        // them as well: a segment reaching out of the grid is registered in
        // its border cells, where Spalte and Zeile put points out there.
        const double xa = (c == c0 ? xmin : X0_ + c * Wx_) - r;
        const double xb = (c == c1 ? xmax : X0_ + (c + 1) * Wx_) + r;
        double ta = (xa - p0x) * kehr, tb = (xb - p0x) * kehr;
        if (ta > tb) std::swap(ta, tb);
        ta = std::clamp(ta, 0.0, 1.0);
        tb = std::clamp(tb, 0.0, 1.0);
        const double ya = p0y + ta * dy, yb = p0y + tb * dy;
        const double ylo = ganz ? ymin : std::max(ymin, std::min(ya, yb) - r);
        const double yhi = ganz ? ymax : std::min(ymax, std::max(ya, yb) + r);
        const int z0 = Zeile(ylo), z1 = Zeile(yhi);
        if (zahl + static_cast<std::size_t>(z1 - z0 + 1) > HoechstZellen) return false;
        int* const spalte = ziel + zahl;
        spalte[0] = z0 * Gx_ + c;
        spalte[1] = (z0 + 1) * Gx_ + c;
        for (int z = z0 + 2; z <= z1; ++z) spalte[z - z0] = z * Gx_ + c;
        zahl += static_cast<std::size_t>(z1 - z0 + 1);
    }
    ZellenZahl_ += zahl;
    return true;
}

void Nachbarsuche::Aufbauen(const std::vector<Schnelltest>& t, const std::vector<Genau>& g, int n, bool zentral) {
    T_ = &t;
    Parallelprojektion_ = !zentral;
    const auto N = static_cast<std::size_t>(n) + 2;
    Art_.assign(N, Wild);
    Winkel_.resize(N);
    Fenster_.resize(N);
    Rang_.resize(N);
    Marke_.assign(N, 0);
    Lauf_ = 0;
    Gross_.clear();
    Wilde_.clear();
    Sortierung_.clear();
    ZellenZahl_ = 0;
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
    Kx_ = 1 / Wx_;
    Ky_ = 1 / Wy_;

    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        EigeneAnfang_[u] = static_cast<int>(ZellenZahl_);
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
        const double w = Winkelmass(q.ux, q.uy);
        Winkel_[u] = w;
        // Parallel or one line in the picture: |u_a × u_x| < 1e-9, so the
        // angle is below about pi/2 · 1e-9 / (|u_a| |u_x|); in the measure
        // of the angles at most pi/2 times that.
        Fenster_[u] = std::max(KleinsterWinkel, 2e-9 / (q.Laenge * Lmin)) * (1.01 * std::numbers::pi / 2);
        Sortierung_.push_back({w, k});
    }
    EigeneAnfang_[static_cast<std::size_t>(n) + 1] = static_cast<int>(ZellenZahl_);

    ZellAnfang_.assign(static_cast<std::size_t>(Gx_ * Gy_) + 1, 0);
    for (std::size_t i = 0; i < ZellenZahl_; ++i) ++ZellAnfang_[static_cast<std::size_t>(Zellen_[i]) + 1];
    for (std::size_t c = 1; c < ZellAnfang_.size(); ++c) ZellAnfang_[c] += ZellAnfang_[c - 1];
    Inhalt_.resize(ZellenZahl_);
    Ort_.resize(ZellenZahl_);
    Eintrag_.resize(ZellenZahl_);
    Frei_.assign(ZellAnfang_.begin(), ZellAnfang_.end() - 1);
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        for (int i = EigeneAnfang_[u]; i < EigeneAnfang_[u + 1]; ++i) {
            const int p = Frei_[static_cast<std::size_t>(Zellen_[static_cast<std::size_t>(i)])]++;
            Inhalt_[static_cast<std::size_t>(p)] = k;
            Ort_[static_cast<std::size_t>(i)] = p;
            Eintrag_[static_cast<std::size_t>(p)] = i;
        }
    }
    ZellEnde_.assign(ZellAnfang_.begin() + 1, ZellAnfang_.end());

    // Sorted as pairs (angle, entry): no look-up per comparison.
    Hilfe_.resize(Sortierung_.size());
    PaareSortieren(Sortierung_.data(), Sortierung_.size(), Hilfe_.data(), Frei_);
    for (std::size_t r = 0; r < Sortierung_.size(); ++r)
        Rang_[static_cast<std::size_t>(Sortierung_[r].second)] = static_cast<int>(r);
    if (Parallelprojektion_) {
        Stelle_.resize(N);
        GruppeVon_.resize(N);
        GruppeBis_.resize(N);
        Breite_.resize(N);
        LinienOrdnen(Kmax);
    }
}

void Nachbarsuche::LinienOrdnen(double Kmax) {
    // Groups: runs of the angles' order without a gap wider than any window,
    // round the end as well. A picture in a's window lies in a's group: the
    // gaps between their angles are no wider than their distance.
    const std::size_t W = Sortierung_.size();
    Linie_.resize(W);
    Abstand_.resize(W);
    LinienPaare_.resize(W);
    if (W == 0) return;
    constexpr double pi = std::numbers::pi;
    double Fmax = 0;
    for (const auto& [w, k] : Sortierung_) Fmax = std::max(Fmax, Fenster_[static_cast<std::size_t>(k)]);
    const double Luecke = Fmax + 2e-12;
    // Places r < 2W round the end, without dividing.
    const auto eintrag = [this, W](std::size_t r) -> const std::pair<double, int>& {
        return Sortierung_[r >= W ? r - W : r];
    };
    const auto winkel = [&eintrag](std::size_t r) { return eintrag(r).first; };
    // Start at a group's beginning; when the largest angles' group goes on
    // round the end into the smallest's, at the beginning of that one.
    std::size_t start = 0;
    if ((winkel(0) - winkel(W - 1)) + pi <= Luecke)
        for (std::size_t r = W - 1; r >= 1; --r)
            if (winkel(r) - winkel(r - 1) > Luecke) {
                start = r;
                break;
            }
    const std::vector<Schnelltest>& t = *T_;
    std::size_t i = 0;
    while (i < W) {
        const std::size_t anfang = i;
        // The offsets across the direction of the group's first angle. For
        // a picture on a's line (|u_a × (P_x - P_a)| within 1e-9 and its
        // rounding), the offset across a's own direction is below
        // 1.0000001e-9 / |u_a| + 5e-15 K; across the group's direction it
        // differs by at most |P_x - P_a| <= 2.83 K times the angle between
        // the two directions, which is at most 4/pi times the group's
        // spread S in the measure of the angles (plus the rounding of the
        // measures, of the normal and of the offsets).
        const double bezug = winkel(start + i);
        const Schnelltest& q0 = t[static_cast<std::size_t>(eintrag(start + i).second)];
        const double nx = -q0.uy * q0.LaengeKehr, ny = q0.ux * q0.LaengeKehr;
        double S = 0;
        while (true) {
            const double w = winkel(start + i);
            double d = std::fabs(w - bezug);
            d = std::min(d, pi - d);
            S = std::max(S, d);
            const int k = eintrag(start + i).second;
            const Schnelltest& q = t[static_cast<std::size_t>(k)];
            LinienPaare_[i] = {nx * q.x1 + ny * q.y1, k};
            if (++i == W) break;
            double luecke = winkel(start + i) - w;
            if (luecke < 0) luecke += pi;
            if (luecke > Luecke) break;
        }
        PaareSortieren(LinienPaare_.data() + anfang, i - anfang, Hilfe_.data(), Frei_);
        const double rand = (3 * (S * (4 / pi) + 1e-14) + 1e-13) * Kmax;
        for (std::size_t p = anfang; p < i; ++p) {
            const auto [o, k] = LinienPaare_[p];
            const auto u = static_cast<std::size_t>(k);
            Linie_[p] = k;
            Abstand_[p] = o;
            Stelle_[u] = static_cast<int>(p);
            GruppeVon_[u] = static_cast<int>(anfang);
            GruppeBis_[u] = static_cast<int>(i);
            Breite_[u] = 1.1e-9 / t[u].Laenge + rand;
        }
    }
}

}  // namespace tiefe
