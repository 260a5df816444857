#include "view3d/Tiefenpaare.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

#include "geometry/Geometrie.h"
#include "scene/Ansicht.h"
#include "scene/Objekte.h"
#include "view3d/Projektion.h"
#include "view3d/Bereichsbahnen.h"
#include "view3d/Vierfach.h"
#include "view3d/Zeichnen.h"
#include "view3d/Zeugnisbahnen.h"

#if defined(__SSE2__)
#include <immintrin.h>
#endif

namespace tiefe {

namespace {

// The margins around an end's picture of what the recovery is bounded for
// (see Tiefendaten::Zeugnisse).
constexpr double EndeSpielraum[2] = {1e-11, 1e-13};

// The bounded data of every entry, made when first asked for: a pass that
// asks at all asks for nearly every entry's, and one sweep through the
// entries in order costs far less than one entry at a time.
[[gnu::noinline]] void AlleSchrankenMachen(Tiefendaten& z) {
    for (int k = 1; k <= z.n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        z.Schranken[u] = SchrankenMachen(z.Exakt[u]);
        if (!z.zentral) StrahlFestMachen(z.Sicht, z.Schranken[u], z.Fest[u]);
    }
    z.SchrankenDa = true;
}

const GenauSchranken& SchrankenVon(Tiefendaten& z, int k) {
    if (!z.SchrankenDa) AlleSchrankenMachen(z);
    return z.Schranken[static_cast<std::size_t>(k)];
}

// The picture point of end ende, bounded with the margin of Stufe.
inline void EndPunkt(const Tiefendaten& z, std::size_t ende, int Stufe, Schranke& Sx, Schranke& Sy) {
    const TVek_R2& p = z.EndBild[ende];
    Sx = Aus(p.x);
    Sy = Aus(p.y);
    Sx.e += EndeSpielraum[Stufe];
    Sy.e += EndeSpielraum[Stufe];
}

// Makes the bounded depth of the end's recovery (see Tiefendaten::Zeugnisse)
// for end e (0: A, 1: B) of entry k, and its state. Out of line: most
// requests find it made.
[[gnu::noinline]] void ZeugnisMachen(Tiefendaten& z, int k, int e, int Stufe) {
    const std::size_t ende = 2 * static_cast<std::size_t>(k) + static_cast<std::size_t>(e);
    signed char& Zustand = z.ZeugnisZustand[Stufe][ende];
    Zustand = 0;
    Schranke Sx, Sy;
    EndPunkt(z, ende, Stufe, Sx, Sy);
    Vek3 A, u;
    StrahlSchranken(z.Sicht, z.zentral, Sx, Sy, A, u);
    const auto uk = static_cast<std::size_t>(k);
    const int rNull = StrahlNullvektor(z.Sicht, u);
    const GenauSchranken& b = SchrankenVon(z, k);
    Vek3 Q;
    if (PunktSchnellFuer(z.Sicht, z.zentral, A, u, rNull, b, &z.Fest[uk], Q) ||
        PunktSchranken(A, u, rNull, b, z.Sicht.Tol, Q)) {
        z.Zeugnisse[Stufe][ende] = PunktTiefe(z.Sicht, z.zentral, Q);
        Zustand = 1;
    }
}

void ZeugnisMachen(Tiefendaten& z, std::size_t ende, int Stufe) {
    ZeugnisMachen(z, static_cast<int>(ende / 2), static_cast<int>(ende % 2), Stufe);
}

// The fine Zeugnisse of the ends in the lanes of Zeugnisbahnen.h, four at a
// time; the scalar routine for the ends whose segment leaves the lanes'
// path at once, for the lanes handed back and for the last few.
void ZeugnisseInBahnen(Tiefendaten& z, const std::vector<char>& geteilt, std::size_t enden) {
    if (!z.SchrankenDa) AlleSchrankenMachen(z);
    Zeugnisbahn bahn[4];
    std::size_t welche[4];
    Schranke Z[4];
    int zahl = 0;
    for (std::size_t e = 2; e < enden; ++e) {
        if (!geteilt[e] || z.ZeugnisZustand[1][e] >= 0) continue;
        const GenauSchranken& b = z.Schranken[e / 2];
        if (b.vNull || !b.kTeiler) {
            ZeugnisMachen(z, e, 1);
            continue;
        }
        EndPunkt(z, e, 1, bahn[zahl].Sx, bahn[zahl].Sy);
        bahn[zahl].b = &b;
        welche[zahl] = e;
        if (++zahl < 4) continue;
        zahl = 0;
        const int fertig = ZeugnisseVier(z.Sicht, bahn, Z);
        for (int l = 0; l < 4; ++l) {
            if (fertig >> l & 1) {
                z.Zeugnisse[1][welche[l]] = Z[l];
                z.ZeugnisZustand[1][welche[l]] = 1;
            } else {
                ZeugnisMachen(z, welche[l], 1);
            }
        }
    }
    for (int l = 0; l < zahl; ++l) ZeugnisMachen(z, welche[l], 1);
}

}  // namespace

// The fine Zeugnisse of every end another entry shares, made when the
// first Zeugnis is asked for: nearly all of them are asked for in a pass
// that asks at all, and one sweep through the ends in order costs less than
// one at a time.
[[gnu::noinline]] void AlleZeugnisseMachen(Tiefendaten& z, int Breite) {
    z.ZeugnisseDa = true;
    const std::size_t enden = 2 * static_cast<std::size_t>(z.n) + 2;
    std::vector<char>& geteilt = z.EndGeteilt;
    std::fill(geteilt.begin(), geteilt.begin() + static_cast<std::ptrdiff_t>(enden), char{0});
    for (std::size_t e = 2; e < enden; ++e) {
        const auto nummer = static_cast<std::size_t>(z.EndNummer[e]);
        if (nummer != e) geteilt[e] = geteilt[nummer] = 1;
    }
    if (Breite != 1 && ZeugnisbahnenFuer(z.Sicht, z.zentral)) {
        ZeugnisseInBahnen(z, geteilt, enden);
        return;
    }
    for (std::size_t e = 2; e < enden; ++e)
        if (geteilt[e] && z.ZeugnisZustand[1][e] < 0) ZeugnisMachen(z, e, 1);
}

namespace {

// That bounded depth; nullptr when it is not sure.
inline const Schranke* Zeugnis(Tiefendaten& z, int k, int e, int Stufe) {
    const std::size_t ende = 2 * static_cast<std::size_t>(k) + static_cast<std::size_t>(e);
    if (!z.ZeugnisseDa) AlleZeugnisseMachen(z);
    if (z.ZeugnisZustand[Stufe][ende] < 0) ZeugnisMachen(z, k, e, Stufe);
    return z.ZeugnisZustand[Stufe][ende] == 1 ? &z.Zeugnisse[Stufe][ende] : nullptr;
}

// Segments with a common end whose pictures cross at a clear angle (most
// pairs of a mesh or a fan): the crossing point the comparison computes lies
// so close to the common end's picture that, if the pictures cross within
// both at all, the recovered space points lie within the bounds of both
// ends' Zeugnisse. When those bounds make the comparison of the space
// points true, the pair compares true either way.
inline bool GemeinsamesEndeWahr(Tiefendaten& z, int i, int j) {
    if (!z.MitSchranken) return false;
    const std::size_t a = 2 * static_cast<std::size_t>(i), b = 2 * static_cast<std::size_t>(j);
    int ei = -1, ej = -1;
    for (int p = 0; p < 2 && ei < 0; ++p)
        for (int q = 0; q < 2; ++q)
            if (z.EndNummer[a + static_cast<std::size_t>(p)] == z.EndNummer[b + static_cast<std::size_t>(q)]) {
                ei = p;
                ej = q;
                break;
            }
    if (ei < 0) return false;
    const Schnelltest& si = z.Schnell[static_cast<std::size_t>(i)];
    const Schnelltest& sj = z.Schnell[static_cast<std::size_t>(j)];
    // The comparison takes the branch of crossing pictures.
    const int kreuzend = KreuzendeBilder(si, sj);
    if (kreuzend == 0) return false;
    if (kreuzend < 0) {
        const Genau& I = z.Exakt[static_cast<std::size_t>(i)];
        const Genau& J = z.Exakt[static_cast<std::size_t>(j)];
        if (!(std::fabs(I.u.x * J.u.y - I.u.y * J.u.x) >= Toleranz)) return false;
    }
    // The crossing point S lies within U·K·(22.3 / sin θ + 4.4) of the common
    // end's picture, U = 2^-64, K the largest coordinate of the pictures'
    // ends: from the rounding of the crossing and of the pictures'
    // directions; here with a factor of about 6 in reserve. sinus is a lower
    // bound of sin θ: the reciprocals of the lengths may be an ulp too
    // large each, and the factor 1 - 2·10^-14 takes more than that off.
    // abstand = 1e-17·K / sinus + 1e-18·K <= Spielraum is tested multiplied
    // by sinus, with 10^-12 of it in reserve for the roundings.
    const double sinus = std::fabs(si.ux * sj.uy - si.uy * sj.ux) * si.LaengeKehr * sj.LaengeKehr * (1 - 2e-14) - 1e-15;
    if (!(sinus > 0)) return false;
    const double K = std::max(si.K, sj.K);
    const auto innerhalb = [&](double Spielraum) {
        return 1e-17 * K * (1 + 1e-12) <= (Spielraum - 1e-18 * K * (1 + 1e-12)) * sinus;
    };
    if (!innerhalb(EndeSpielraum[0])) return false;
    const int Stufe = innerhalb(EndeSpielraum[1]) ? 1 : 0;
    const Schranke* Zi = Zeugnis(z, i, ei, Stufe);
    if (!Zi) return false;
    const Schranke* Zj = Zeugnis(z, j, ej, Stufe);
    if (!Zj) return false;
    return PunktTiefenVergleichen(z.Sicht, z.zentral, *Zi, *Zj) == 1;
}

void BereichMachen(Tiefendaten& z, int k) {
    const auto u = static_cast<std::size_t>(k);
    const GenauSchranken& b = SchrankenVon(z, k);
    const double K = z.Schnell[u].K;
    z.Bereiche[u].Zustand = (z.zentral ? TiefenbereichZentral(z.Sicht, b, K, z.Bereiche[u])
                                       : TiefenbereichParallel(z.Sicht, b, z.Fest[u], K, z.Bereiche[u], &z.Geraden[u]))
                                ? 1
                                : 0;
}

// The depth range of entry k, made when first asked for; nullptr when
// there is none. The first request makes every entry's, four at a time
// where the processor allows: far cheaper than one at a time, though it
// makes a third more than the pass asks for.
const Tiefenbereich* Bereich(Tiefendaten& z, int k) {
    const auto u = static_cast<std::size_t>(k);
    if (!z.BereicheDa) AlleBereicheMachen(z);
    if (z.Bereiche[u].Zustand < 0) BereichMachen(z, k);
    return z.Bereiche[u].Zustand == 1 ? &z.Bereiche[u] : nullptr;
}

// Crossing pictures whose depth ranges lie so far apart that every
// crossing point within both pictures gives the same result: 1 true, 0
// false, -1 neither (or no ranges). A crossing off a picture gives true,
// so 1 decides the pair; 0 only once the crossing is known to lie within
// both. When both λ lie within their tolerance, the crossing point lies
// within 43 U·K = 2.4e-18·K
// (U = 2^-64, K the largest coordinate of the pictures' ends) of both
// pictures' lines: on I's line up to the rounding of E1 + r·u, and across
// J's line by r's rounding times sin θ, which cancels the 1 / sin θ that
// rounding carries. A point that far off a line lies within q times as
// much of the line's point with the same λ, q the factor in the ranges'
// margin w = 1e-16·K·q: within w for pairs whose K is at most 10 times
// the segment's own, with 4 times the distance in reserve. Such a crossing
// lies in both ranges' regions: I and J are set to them then.
int BereicheVergleichen(Tiefendaten& z, int i, int j, const Tiefenbereich*& I, const Tiefenbereich*& J) {
    I = J = nullptr;
    const Schnelltest& si = z.Schnell[static_cast<std::size_t>(i)];
    const Schnelltest& sj = z.Schnell[static_cast<std::size_t>(j)];
    if (KreuzendeBilder(si, sj) != 1) return -1;
    const Tiefenbereich* Ib = Bereich(z, i);
    if (!Ib) return -1;
    const Tiefenbereich* Jb = Bereich(z, j);
    if (!Jb) return -1;
    const double K = std::max(si.K, sj.K);
    if (!(K <= Ib->Kgrenze && K <= Jb->Kgrenze)) return -1;
    I = Ib;
    J = Jb;
    return TiefenbereicheVergleichen(z.Sicht, z.zentral, *I, *J);
}

// The pairs the quick tests leave, once the shared-end test has not
// decided them: through the bounded crossing and the extended comparison.
// Out of line, so the quick tests that decide most pairs stay small.
[[gnu::noinline]] bool VergleichWeiter(Tiefendaten& z, int i, int j) {
    const auto ui = static_cast<std::size_t>(i), uj = static_cast<std::size_t>(j);
    if (z.MitSchranken) {
        const GenauSchranken& IB = SchrankenVon(z, i);
        const GenauSchranken& JB = SchrankenVon(z, j);
        const Tiefenbereich *IT, *JT;
        const int bereich = BereicheVergleichen(z, i, j, IT, JT);
        if (bereich == 1) return true;
        const int sicher = KreuzungSchranken(z.Sicht, z.zentral, IB, JB, &z.Fest[ui], &z.Fest[uj], bereich, IT, JT,
                                             &z.Geraden[ui], &z.Geraden[uj]);
        if (sicher >= 0) return sicher == 1;
    }
    return VergleichGenau(z.Exakt[ui], z.Exakt[uj], i, j, z.zentral, z.Grenze);
}

// A picture of no length: LageZweierGeraden2D multiplies its direction
// (0, 0) into the first determinant, which is 0 (or NaN), and into the
// second as well when it is St[i]'s: one line. As VergleichGenau goes on
// from there. In central projection both ways compare the distance sums.
[[gnu::noinline]] bool VergleichPunkt(Tiefendaten& z, int i, int j) {
    const Schnelltest& a = z.Schnell[static_cast<std::size_t>(i)];
    const Schnelltest& b = z.Schnell[static_cast<std::size_t>(j)];
    if (z.zentral) {
        const int sicher = SummenVergleich(a, b);
        if (sicher >= 0) return sicher == 1;
    }
    const Genau& I = z.Exakt[static_cast<std::size_t>(i)];
    const Genau& J = z.Exakt[static_cast<std::size_t>(j)];
    if (!a.Punkt) {
        const TVek_R2 d{J.E1.x - I.E1.x, J.E1.y - I.E1.y};
        if (std::fabs(I.u.x * d.y - I.u.y * d.x) >= Toleranz) return !z.zentral || I.T.Summe > J.T.Summe - Toleranz;
    }
    if (z.zentral) return I.T.Summe >= J.T.Summe - Toleranz;
    return EineBildgeradeParallel(St[i], St[j]);
}

}  // namespace

namespace {

#ifdef __SSE2__
// SchnellWahr(a, S[x]) for two x at a time, in the two lanes of SSE2: the
// same operations on the same doubles (packed IEEE arithmetic rounds as the
// scalar does, the comparisons are ordered ones, false for NaN), so the
// same decisions. b.Punkt is not asked: a picture of no length has the
// direction (0, 0), so D is 0 (or NaN) and the pair never counts as
// crossing. Runs over pairs of xs from the start, appends the x not
// decided true to offen[n..]; returns how far it got.
int SchnellWahrPaarweise(const Schnelltest& a, const Schnelltest* S, const int* xs, int zahl, int* offen, int& n) {
    const __m128d betrag = _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFF));
    const __m128d vorzeichen = _mm_castsi128_pd(_mm_set1_epi64x(static_cast<long long>(0x8000000000000000ull)));
    const __m128d null = _mm_setzero_pd(), eins = _mm_set1_pd(1), unendlich = _mm_set1_pd(inf);
    const __m128d aux = _mm_set1_pd(a.ux), auy = _mm_set1_pd(a.uy), an = _mm_set1_pd(1e-4 * a.n);
    const __m128d axmin = _mm_set1_pd(a.xmin), axmax = _mm_set1_pd(a.xmax);
    const __m128d aymin = _mm_set1_pd(a.ymin), aymax = _mm_set1_pd(a.ymax);
    const __m128d ax1 = _mm_set1_pd(a.x1), ay1 = _mm_set1_pd(a.y1), aK = _mm_set1_pd(a.K);
    const __m128d aL = _mm_set1_pd(a.LambdaKehr);
    const __m128d aLda = _mm_cmplt_pd(aL, unendlich);
    const __m128d zwei9 = _mm_set1_pd(2e-9), zehn10 = _mm_set1_pd(1e-10), sechs = _mm_set1_pd(1e-6);
    const __m128d reserve = _mm_set1_pd(1 + 1e-9);
    int k = 0;
    for (; k + 2 <= zahl; k += 2) {
        const int x0 = xs[k], x1 = xs[k + 1];
        const Schnelltest& p = S[x0];
        const Schnelltest& q = S[x1];
        const auto laden = [](double u, double v) { return _mm_set_pd(v, u); };
        const __m128d bux = laden(p.ux, q.ux), buy = laden(p.uy, q.uy);
        const __m128d D = _mm_sub_pd(_mm_mul_pd(aux, buy), _mm_mul_pd(auy, bux));
        const __m128d dd = _mm_and_pd(D, betrag);
        const __m128d kreuzend =
            _mm_and_pd(_mm_cmpge_pd(dd, zwei9), _mm_cmpge_pd(dd, _mm_mul_pd(an, laden(p.n, q.n))));
        const __m128d getrennt =
            _mm_or_pd(_mm_or_pd(_mm_cmplt_pd(axmax, laden(p.xmin, q.xmin)), _mm_cmplt_pd(laden(p.xmax, q.xmax), axmin)),
                      _mm_or_pd(_mm_cmplt_pd(aymax, laden(p.ymin, q.ymin)), _mm_cmplt_pd(laden(p.ymax, q.ymax), aymin)));
        const __m128d cx = _mm_sub_pd(laden(p.x1, q.x1), ax1), cy = _mm_sub_pd(laden(p.y1, q.y1), ay1);
        const __m128d positiv = _mm_cmpgt_pd(D, null);
        const __m128d Vz = _mm_or_pd(_mm_and_pd(positiv, eins), _mm_andnot_pd(positiv, _mm_xor_pd(eins, vorzeichen)));
        const __m128d ni = _mm_mul_pd(_mm_sub_pd(_mm_mul_pd(cx, buy), _mm_mul_pd(cy, bux)), Vz);
        const __m128d nj = _mm_mul_pd(_mm_sub_pd(_mm_mul_pd(cx, auy), _mm_mul_pd(cy, aux)), Vz);
        const __m128d bK = laden(p.K, q.K), bL = laden(p.LambdaKehr, q.LambdaKehr);
        const __m128d weit = _mm_mul_pd(
            zehn10, _mm_add_pd(_mm_add_pd(_mm_add_pd(aK, bK), _mm_and_pd(cx, betrag)), _mm_and_pd(cy, betrag)));
        const __m128d mi = _mm_mul_pd(_mm_mul_pd(_mm_add_pd(sechs, _mm_mul_pd(weit, aL)), reserve), dd);
        const __m128d mj = _mm_mul_pd(_mm_mul_pd(_mm_add_pd(sechs, _mm_mul_pd(weit, bL)), reserve), dd);
        const __m128d abseits = _mm_and_pd(
            _mm_and_pd(aLda, _mm_cmplt_pd(bL, unendlich)),
            _mm_or_pd(_mm_or_pd(_mm_cmplt_pd(ni, _mm_xor_pd(mi, vorzeichen)), _mm_cmpgt_pd(ni, _mm_add_pd(dd, mi))),
                      _mm_or_pd(_mm_cmplt_pd(nj, _mm_xor_pd(mj, vorzeichen)), _mm_cmpgt_pd(nj, _mm_add_pd(dd, mj)))));
        const int wahr = _mm_movemask_pd(_mm_and_pd(kreuzend, _mm_or_pd(getrennt, abseits)));
        offen[n] = x0;
        n += ~wahr & 1;
        offen[n] = x1;
        n += ~wahr >> 1 & 1;
    }
    return k;
}
#endif

#ifdef RG_VIERFACH
// The same four at a time, in AVX2 (no fused multiply-add: every product
// and sum is rounded on its own as in the scalar code). b.Punkt as above.
// Two neighbouring fields of four entries, the first of them at byte f of
// each, as lanes: (p0, p1, p2, p3) of each field, from two-field loads.
[[gnu::target("avx2")]] inline void ZweiFelder(const char* p0, const char* p1, const char* p2, const char* p3,
                                              std::size_t f, __m256d& erstes, __m256d& zweites) {
    const __m256d g = _mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_loadu_pd(reinterpret_cast<const double*>(p0 + f))),
                                           _mm_loadu_pd(reinterpret_cast<const double*>(p2 + f)), 1);
    const __m256d u = _mm256_insertf128_pd(_mm256_castpd128_pd256(_mm_loadu_pd(reinterpret_cast<const double*>(p1 + f))),
                                           _mm_loadu_pd(reinterpret_cast<const double*>(p3 + f)), 1);
    erstes = _mm256_unpacklo_pd(g, u);
    zweites = _mm256_unpackhi_pd(g, u);
}

// The fields ZweiFelder reads side by side must lie so in Schnelltest.
static_assert(offsetof(Schnelltest, xmax) == offsetof(Schnelltest, xmin) + 8 &&
              offsetof(Schnelltest, ymax) == offsetof(Schnelltest, ymin) + 8 &&
              offsetof(Schnelltest, uy) == offsetof(Schnelltest, ux) + 8 &&
              offsetof(Schnelltest, x1) == offsetof(Schnelltest, n) + 8 &&
              offsetof(Schnelltest, K) == offsetof(Schnelltest, y1) + 8 &&
              offsetof(Schnelltest, LambdaKehr) + 16 <= sizeof(Schnelltest));

[[gnu::target("avx2")]] int SchnellWahrVierfach(const Schnelltest& a, const Schnelltest* S, const int* xs, int zahl,
                                                 int* offen, int& n) {
    const __m256d betrag = _mm256_castsi256_pd(_mm256_set1_epi64x(0x7FFFFFFFFFFFFFFF));
    const __m256d vorzeichen = _mm256_castsi256_pd(_mm256_set1_epi64x(static_cast<long long>(0x8000000000000000ull)));
    const __m256d null = _mm256_setzero_pd(), eins = _mm256_set1_pd(1), unendlich = _mm256_set1_pd(inf);
    const __m256d aux = _mm256_set1_pd(a.ux), auy = _mm256_set1_pd(a.uy), an = _mm256_set1_pd(1e-4 * a.n);
    const __m256d axmin = _mm256_set1_pd(a.xmin), axmax = _mm256_set1_pd(a.xmax);
    const __m256d aymin = _mm256_set1_pd(a.ymin), aymax = _mm256_set1_pd(a.ymax);
    const __m256d ax1 = _mm256_set1_pd(a.x1), ay1 = _mm256_set1_pd(a.y1), aK = _mm256_set1_pd(a.K);
    const __m256d aL = _mm256_set1_pd(a.LambdaKehr);
    const __m256d aLda = _mm256_cmp_pd(aL, unendlich, _CMP_LT_OQ);
    const __m256d zwei9 = _mm256_set1_pd(2e-9), zehn10 = _mm256_set1_pd(1e-10), sechs = _mm256_set1_pd(1e-6);
    const __m256d reserve = _mm256_set1_pd(1 + 1e-9);
    int k = 0;
    for (; k + 4 <= zahl; k += 4) {
        const Schnelltest& p0 = S[xs[k]];
        const Schnelltest& p1 = S[xs[k + 1]];
        const Schnelltest& p2 = S[xs[k + 2]];
        const Schnelltest& p3 = S[xs[k + 3]];
        // Fields that lie side by side come two at a time: fewer shuffles
        // than one lane at a time, the same doubles.
        const char *c0 = reinterpret_cast<const char*>(&p0), *c1 = reinterpret_cast<const char*>(&p1);
        const char *c2 = reinterpret_cast<const char*>(&p2), *c3 = reinterpret_cast<const char*>(&p3);
        __m256d bxmin, bxmax, bymin, bymax, bux, buy, bn, bx1, by1, bK;
        ZweiFelder(c0, c1, c2, c3, offsetof(Schnelltest, xmin), bxmin, bxmax);
        ZweiFelder(c0, c1, c2, c3, offsetof(Schnelltest, ymin), bymin, bymax);
        ZweiFelder(c0, c1, c2, c3, offsetof(Schnelltest, ux), bux, buy);
        ZweiFelder(c0, c1, c2, c3, offsetof(Schnelltest, n), bn, bx1);
        ZweiFelder(c0, c1, c2, c3, offsetof(Schnelltest, y1), by1, bK);
        const __m256d D = _mm256_sub_pd(_mm256_mul_pd(aux, buy), _mm256_mul_pd(auy, bux));
        const __m256d dd = _mm256_and_pd(D, betrag);
        const __m256d kreuzend = _mm256_and_pd(_mm256_cmp_pd(dd, zwei9, _CMP_GE_OQ),
                                               _mm256_cmp_pd(dd, _mm256_mul_pd(an, bn), _CMP_GE_OQ));
        const __m256d getrennt =
            _mm256_or_pd(_mm256_or_pd(_mm256_cmp_pd(axmax, bxmin, _CMP_LT_OQ), _mm256_cmp_pd(bxmax, axmin, _CMP_LT_OQ)),
                         _mm256_or_pd(_mm256_cmp_pd(aymax, bymin, _CMP_LT_OQ), _mm256_cmp_pd(bymax, aymin, _CMP_LT_OQ)));
        const __m256d cx = _mm256_sub_pd(bx1, ax1), cy = _mm256_sub_pd(by1, ay1);
        const __m256d positiv = _mm256_cmp_pd(D, null, _CMP_GT_OQ);
        const __m256d Vz = _mm256_blendv_pd(_mm256_xor_pd(eins, vorzeichen), eins, positiv);
        const __m256d ni = _mm256_mul_pd(_mm256_sub_pd(_mm256_mul_pd(cx, buy), _mm256_mul_pd(cy, bux)), Vz);
        const __m256d nj = _mm256_mul_pd(_mm256_sub_pd(_mm256_mul_pd(cx, auy), _mm256_mul_pd(cy, aux)), Vz);
        __m256d bL, danach;
        ZweiFelder(c0, c1, c2, c3, offsetof(Schnelltest, LambdaKehr), bL, danach);
        const __m256d weit = _mm256_mul_pd(
            zehn10, _mm256_add_pd(_mm256_add_pd(_mm256_add_pd(aK, bK), _mm256_and_pd(cx, betrag)),
                                  _mm256_and_pd(cy, betrag)));
        const __m256d mi = _mm256_mul_pd(_mm256_mul_pd(_mm256_add_pd(sechs, _mm256_mul_pd(weit, aL)), reserve), dd);
        const __m256d mj = _mm256_mul_pd(_mm256_mul_pd(_mm256_add_pd(sechs, _mm256_mul_pd(weit, bL)), reserve), dd);
        const __m256d abseits = _mm256_and_pd(
            _mm256_and_pd(aLda, _mm256_cmp_pd(bL, unendlich, _CMP_LT_OQ)),
            _mm256_or_pd(_mm256_or_pd(_mm256_cmp_pd(ni, _mm256_xor_pd(mi, vorzeichen), _CMP_LT_OQ),
                                      _mm256_cmp_pd(ni, _mm256_add_pd(dd, mi), _CMP_GT_OQ)),
                         _mm256_or_pd(_mm256_cmp_pd(nj, _mm256_xor_pd(mj, vorzeichen), _CMP_LT_OQ),
                                      _mm256_cmp_pd(nj, _mm256_add_pd(dd, mj), _CMP_GT_OQ))));
        const int wahr = _mm256_movemask_pd(_mm256_and_pd(kreuzend, _mm256_or_pd(getrennt, abseits)));
        for (int l = 0; l < 4; ++l) {
            offen[n] = xs[k + l];
            n += ~wahr >> l & 1;
        }
    }
    return k;
}
#endif

// The comparison of a pair the quick tests have not decided.
bool VergleichRest(Tiefendaten& z, int i, int j) {
    const Schnelltest& a = z.Schnell[static_cast<std::size_t>(i)];
    const Schnelltest& b = z.Schnell[static_cast<std::size_t>(j)];
    if (a.Punkt || b.Punkt) return VergleichPunkt(z, i, j);
    const double dd = std::fabs(a.ux * b.uy - a.uy * b.ux);
    // The shared-end test inline, since it decides most of the crossing
    // pictures and the rest of the way is long.
    if (dd >= 2e-9 && dd >= 1e-4 * a.n * b.n) return GemeinsamesEndeWahr(z, i, j) || VergleichWeiter(z, i, j);
    if (const int parallel = ParalleleBilder(a, b); parallel >= 0) {
        const bool getrennt = parallel == 1;
        if (z.zentral) {
            const int sicher = SummenVergleich(a, b);
            if (sicher >= 0) return sicher == 1;
            const Extended Si = z.Exakt[static_cast<std::size_t>(i)].T.Summe;
            const Extended Sj = z.Exakt[static_cast<std::size_t>(j)].T.Summe;
            return getrennt ? Si > Sj - Toleranz : Si >= Sj - Toleranz;
        }
        return getrennt || EineBildgeradeParallel(St[i], St[j]);
    }
    return GemeinsamesEndeWahr(z, i, j) || VergleichWeiter(z, i, j);
}

}  // namespace

#ifdef RG_VIERFACH
bool VierfachDa() {
    static const bool da = __builtin_cpu_supports("avx2");
    return da;
}
#endif

int SchnellAussieben(const Schnelltest& a, const Schnelltest* S, const int* xs, int zahl, int* offen, int Breite) {
    int n = 0, k = 0;
    if (!a.Punkt) {
#ifdef RG_VIERFACH
        if (Breite == 0 || Breite == 4) Breite = VierfachDa() ? 4 : 2;
        if (Breite == 4) k = SchnellWahrVierfach(a, S, xs, zahl, offen, n);
#endif
#ifdef __SSE2__
        if (Breite != 1) k += SchnellWahrPaarweise(a, S, xs + k, zahl - k, offen, n);
#endif
    }
    for (; k < zahl; ++k) {
        const int x = xs[k];
        offen[n] = x;
        n += !SchnellWahr(a, S[x]);
    }
    return n;
}

bool VierBahnen() {
#ifdef RG_VIERFACH
    return VierfachDa();
#else
    return false;
#endif
}

[[gnu::noinline]] void AlleBereicheMachen(Tiefendaten& z, int Breite) {
    z.BereicheDa = true;
    int k = 1;
    bool vier = false;
#ifdef RG_VIERFACH
    vier = Breite != 1 && VierfachDa();
#endif
    // Without the lanes a sweep saves nothing: each is made when asked for.
    if (Breite == 0 && !vier) return;
#ifdef RG_VIERFACH
    if (vier) {
        if (!z.SchrankenDa) AlleSchrankenMachen(z);
        for (; k + 3 <= z.n; k += 4) {
            const GenauSchranken* b[4];
            const StrahlFest* f[4];
            double K[4];
            Tiefenbereich* T[4];
            Tiefengerade* G[4];
            for (int l = 0; l < 4; ++l) {
                const auto u = static_cast<std::size_t>(k + l);
                b[l] = &z.Schranken[u];
                f[l] = &z.Fest[u];
                K[l] = z.Schnell[u].K;
                T[l] = &z.Bereiche[u];
                G[l] = &z.Geraden[u];
            }
            if (z.zentral) TiefenbereicheZentralVier(z.Sicht, b, K, T);
            else TiefenbereicheParallelVier(z.Sicht, b, f, K, T, G);
        }
    }
#endif
    for (; k <= z.n; ++k) BereichMachen(z, k);
}

bool Vergleich(Tiefendaten& z, int i, int j) {
    return SchnellWahr(z.Schnell[static_cast<std::size_t>(i)], z.Schnell[static_cast<std::size_t>(j)]) ||
           VergleichRest(z, i, j);
}

void VergleicheMit(Tiefendaten& z, int i, const int* xs, int zahl, int* hilfe, std::vector<int>& falsch) {
    const Schnelltest* S = z.Schnell.data();
    const Schnelltest a = S[i];
    int offen = 0;
    if (a.Punkt && z.zentral) {
        // Both ways round a picture of no length, the distance sums decide
        // first (VergleichPunkt): where they are sure, without a branch;
        // where not, the full comparison.
        const std::size_t vorher = falsch.size();
        falsch.resize(vorher + static_cast<std::size_t>(zahl));
        int* f = falsch.data() + vorher;
        int nf = 0;
        for (int k = 0; k < zahl; ++k) {
            const int x = xs[k];
            const int sicher = SummenVergleich(a, S[x]);
            f[nf] = x;
            nf += sicher == 0;
            hilfe[offen] = x;
            offen += sicher < 0;
        }
        falsch.resize(vorher + static_cast<std::size_t>(nf));
    } else if (a.Punkt) {
        // In parallel projection VergleichPunkt takes a picture of no
        // length in front straight to EineBildgeradeParallel, whose
        // coordinate and way round are the view's: here chosen once.
        const Bildgeradenseite seite = Bildgeradenseite::Seite();
        const TStr& Si = St[i];
        for (int k = 0; k < zahl; ++k) {
            if (k + 8 < zahl) __builtin_prefetch(&St[xs[k + 8]]);
            if (!seite.Wahr(Si, St[xs[k]])) falsch.push_back(xs[k]);
        }
    } else {
        offen = SchnellAussieben(a, S, xs, zahl, hilfe);
    }
    for (int k = 0; k < offen; ++k)
        if (!VergleichRest(z, i, hilfe[k])) falsch.push_back(hilfe[k]);
}

namespace {

// The view's constants of Sehstrahl as bounded doubles; false when a
// division by them would not be sure.
bool SichtVorbereiten(SichtSchranken& s, bool zentral) {
    s.StrahlNull = -1;
    if (ProjEbene < 1 || ProjEbene > 3) return false;
    s.ox = Aus(AchsenKreuz.UrsprungX + VerschiebungX);
    s.oy = Aus(AchsenKreuz.UrsprungY + VerschiebungY);
    s.versatz = zentral && AugpunktMitte && !AugpunktDurchgang;
    s.Vx = Aus(UrsprungVersatz.x);
    s.Vy = Aus(UrsprungVersatz.y);
    const TVek_R3& E = (zentral ? ProjEbeneZentral : ProjEbeneParallel).Stuetzvektor;
    s.fest = Aus(ProjEbene == 1 ? E.y : ProjEbene == 2 ? E.x : E.z);
    s.s1 = Aus(ProjEbene == 1 ? MassstabX : MassstabY);
    s.s2 = Aus(ProjEbene == 3 ? MassstabX * SkFz : MassstabZ * SkFz);
    s.Tol = Aus(Toleranz);
    s.Eins = Aus(1.000000001L);
    s.Grenze = Aus(-Toleranz * Betrag(ProjRichtung));
    s.Aug = Aus(Augpunkt);
    s.P = Aus(ProjRichtung);
    if (!Teiler(s.s1) || !Teiler(s.s2)) return false;
    s.r1 = Schranke{1, 0} / s.s1;
    s.r2 = Schranke{1, 0} / s.s2;
    // The rays' directions: in parallel projection all the same; in central
    // projection their coordinate along the dropped axis is the plane's
    // distance from the eye point, for every ray.
    if (!zentral) {
        s.StrahlNull = Nullvektor(s.P, s.Tol);
    } else {
        const Schranke& a = ProjEbene == 1 ? s.Aug.y : ProjEbene == 2 ? s.Aug.x : s.Aug.z;
        s.StrahlNull = Kleiner(Abs(s.fest - a), s.Tol) == 0 ? 0 : -1;
    }
    return true;
}

// The ten bytes of an x87 extended value: its 64-bit significand, then sign
// and exponent (the rest of its storage is padding).
static_assert(std::numeric_limits<Extended>::digits == 64 && sizeof(Extended) >= 10);
constexpr std::size_t ErweitertBytes = 10;
std::uint64_t Signifikand(const Extended& v) {
    std::uint64_t m;
    std::memcpy(&m, &v, sizeof m);
    return m;
}
std::uint64_t Exponent(const Extended& v) {
    std::uint16_t e;
    std::memcpy(&e, reinterpret_cast<const unsigned char*>(&v) + 8, sizeof e);
    return e;
}
bool GleicheBits(const TVek_R3& P, const TVek_R3& Q) {
    return std::memcmp(&P.x, &Q.x, ErweitertBytes) == 0 && std::memcmp(&P.y, &Q.y, ErweitertBytes) == 0 &&
           std::memcmp(&P.z, &Q.z, ErweitertBytes) == 0;
}

// Numbers the ends of St[1..n] by their space points: ends whose points have
// the same bits (so the same results in every computation) get the same
// number, the first such end's, through a hash table over those bits; a
// point with a coordinate not finite keeps its own. Each end gets its
// picture point, and the first end of each number its depth-frame point
// (EndTiefe, read through the number).
void EndenVorbereiten(Tiefendaten& z, int n) {
    std::size_t groesse = 16;
    while (groesse < 2 * static_cast<std::size_t>(n)) groesse *= 2;
    z.Tabelle.assign(groesse, -1);
    const auto punkt = [](int ende) -> const TVek_R3& { return ende % 2 ? St[ende / 2].B : St[ende / 2].A; };
    const EndenProjektion projektion(z.zentral);
    int* tabelle = z.Tabelle.data();
    for (int ende = 2; ende < 2 * n + 2; ++ende) {
        const auto e = static_cast<std::size_t>(ende);
        const TVek_R3& P = punkt(ende);
        const std::uint64_t ex = Exponent(P.x), ey = Exponent(P.y), ez = Exponent(P.z);
        int nummer = ende;
        // Exponent 0x7FFF: infinite or not a number.
        if ((ex & 0x7FFF) != 0x7FFF && (ey & 0x7FFF) != 0x7FFF && (ez & 0x7FFF) != 0x7FFF) {
            std::uint64_t h = (Signifikand(P.x) ^ ex) * 0x9E3779B97F4A7C15ull;
            h = (h ^ (h >> 29) ^ Signifikand(P.y) ^ (ey << 48)) * 0xBF58476D1CE4E5B9ull;
            h = (h ^ (h >> 31) ^ Signifikand(P.z) ^ (ez << 32)) * 0x94D049BB133111EBull;
            std::size_t platz = static_cast<std::size_t>(h ^ (h >> 32)) & (groesse - 1);
            while (true) {
                const int da = tabelle[platz];
                if (da < 0) {
                    tabelle[platz] = ende;
                    break;
                }
                if (GleicheBits(punkt(da), P)) {
                    nummer = da;
                    break;
                }
                platz = (platz + 1) & (groesse - 1);
            }
        }
        z.EndNummer[e] = nummer;
        if (nummer != ende) {
            z.EndBild[e] = z.EndBild[static_cast<std::size_t>(nummer)];
            continue;
        }
        projektion(P, z.EndBild[e], z.EndTiefe[e]);
    }
}

}  // namespace

Tiefendaten::Tiefendaten() {
    constexpr std::size_t N = StreckenHoechstzahl + 2;
    Exakt.resize(N);
    Schranken.resize(N);
    Fest.resize(N);
    EndBild.resize(2 * N);
    EndTiefe.resize(2 * N);
    EndNummer.resize(2 * N);
    EndGeteilt.resize(2 * N);
    Zeugnisse[0].resize(2 * N);
    Zeugnisse[1].resize(2 * N);
    ZeugnisZustand[0].resize(2 * N);
    ZeugnisZustand[1].resize(2 * N);
    Bereiche.resize(N);
    Geraden.resize(N);
    Schnell.resize(N);
    PixelA.resize(N);
    PixelB.resize(N);
}

void TiefendatenVorbereiten(Tiefendaten& z, int n) {
    z.n = n;
    z.zentral = Zentralprojektion;
    z.Grenze = -Toleranz * Betrag(ProjRichtung);
    z.MitSchranken = SichtVorbereiten(z.Sicht, z.zentral);
    EndenVorbereiten(z, n);
    // The pictures as BildAusBildpunkten prepares them, and the ends'
    // picture points as the drawing projects them (BildpunktPixel): BildY
    // is the canvas's height less y, the height taken once.
    const bool ersteEbene = ProjEbene == 1;
    const Extended hoehe = BildY(0.0L);
    const bool zentral = z.zentral;
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        const TVek_R2& A = z.EndBild[2 * u];
        const TVek_R2& B = z.EndBild[2 * u + 1];
        const bool tauschen = ersteEbene ? B.x < A.x - Toleranz : B.y < A.y - Toleranz;
        const TVek_R2& E1 = tauschen ? B : A;
        const TVek_R2& E2 = tauschen ? A : B;
        z.PixelA[u] = {A.x, hoehe - A.y};
        z.PixelB[u] = {B.x, hoehe - B.y};
        Genau& e = z.Exakt[u];
        e.E1 = E1;
        VektorAB2D(E1, E2, e.u);
        // TiefenstreckeAusEnden, written in place.
        const Tiefenende& TA = z.EndTiefe[static_cast<std::size_t>(z.EndNummer[2 * u])];
        const Tiefenende& TB = z.EndTiefe[static_cast<std::size_t>(z.EndNummer[2 * u + 1])];
        e.T.A = TA.P;
        e.T.B = TB.P;
        const Extended summe = zentral ? TA.Abstand + TB.Abstand : 0;
        e.T.Summe = summe;
        VektorAB(e.T.A, e.T.B, e.v);
        e.vNull = IstNullvektor(e.v);
        e.vKoord = e.v.x != 0 ? 0 : e.v.y != 0 ? 1 : 2;
        e.LambdaArt = std::fabs(e.u.x) > Toleranz ? 0 : e.u.y == 0 ? 2 : 1;
        SchnelltestBerechnen(E1, E2, e.u, static_cast<double>(summe), z.Schnell[u]);
    }
    z.ZeugnisseDa = false;
    for (auto& Zustand : z.ZeugnisZustand)
        std::fill(Zustand.begin(), Zustand.begin() + 2 * (static_cast<std::ptrdiff_t>(n) + 1), -1);
    z.SchrankenDa = false;
    for (int k = 0; k <= n; ++k) z.Bereiche[static_cast<std::size_t>(k)].Zustand = -1;
    z.BereicheDa = false;
    z.Nachbarn.Aufbauen(z.Schnell, z.Exakt, n, z.zentral);
}

}  // namespace tiefe
