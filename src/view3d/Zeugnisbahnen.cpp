#include "view3d/Zeugnisbahnen.h"

#include <algorithm>
#include <cstddef>

#include "scene/Ansicht.h"
#include "view3d/Schrankenbahnen.h"
#include "view3d/Vierfach.h"

namespace tiefe {

#ifdef RG_VIERFACH

namespace {

#define RG_BAHN [[gnu::target("avx2"), gnu::always_inline]] inline

// UnterTol of Tiefenschranken.cpp: the lanes where it answers 1 (eins) and
// where it answers 0 (null).
struct Antwort4 {
    Maske eins, null;
};
RG_BAHN Antwort4 UnterTol4(Vierfach x, Vierfach e, const Schranke& Tol) {
    const Vierfach a = Betrag(x);
    const Vierfach r = (e + Vier(Tol.e)) * Vier(Zuschlag) + Vier(2.3e-16) * (a + Vier(Tol.v)) + Vier(1e-90);
    const Maske eins = Vier(Tol.v) - a > r;
    return {eins, (!eins) & (a - Vier(Tol.v) > r)};
}

// Four rows of four doubles, each at p[k] + f, as four lanes of columns.
RG_BAHN void Spalten(const char* const* p, std::size_t f, Vierfach* c) {
    const __m256d r0 = _mm256_loadu_pd(reinterpret_cast<const double*>(p[0] + f));
    const __m256d r1 = _mm256_loadu_pd(reinterpret_cast<const double*>(p[1] + f));
    const __m256d r2 = _mm256_loadu_pd(reinterpret_cast<const double*>(p[2] + f));
    const __m256d r3 = _mm256_loadu_pd(reinterpret_cast<const double*>(p[3] + f));
    const __m256d t0 = _mm256_unpacklo_pd(r0, r1), t1 = _mm256_unpackhi_pd(r0, r1);
    const __m256d t2 = _mm256_unpacklo_pd(r2, r3), t3 = _mm256_unpackhi_pd(r2, r3);
    c[0].v = _mm256_permute2f128_pd(t0, t2, 0x20);
    c[1].v = _mm256_permute2f128_pd(t1, t3, 0x20);
    c[2].v = _mm256_permute2f128_pd(t0, t2, 0x31);
    c[3].v = _mm256_permute2f128_pd(t1, t3, 0x31);
}

// Spalten reads A and v of GenauSchranken as twelve doubles in a row, and
// Sx, Sy of Zeugnisbahn as four.
static_assert(sizeof(Schranke) == 16 && sizeof(Vek3) == 48);
static_assert(offsetof(GenauSchranken, v) == offsetof(GenauSchranken, A) + sizeof(Vek3));
static_assert(offsetof(Zeugnisbahn, Sy) == offsetof(Zeugnisbahn, Sx) + sizeof(Schranke));

[[gnu::target("avx2")]] int ZeugnisseVierAvx2(const SichtSchranken& s, const Zeugnisbahn* e, Schranke* Z) {
    // The lanes' inputs.
    Vierfach S[4], G[12];
    {
        const char* p[4];
        for (int k = 0; k < 4; ++k) p[k] = reinterpret_cast<const char*>(&e[k]);
        Spalten(p, offsetof(Zeugnisbahn, Sx), S);
        for (int k = 0; k < 4; ++k) p[k] = reinterpret_cast<const char*>(e[k].b);
        for (int r = 0; r < 3; ++r) Spalten(p, offsetof(GenauSchranken, A) + 32 * static_cast<std::size_t>(r), G + 4 * r);
    }
    const Vierfach A[3] = {G[0], G[2], G[4]}, eAk[3] = {G[1], G[3], G[5]};
    const Vierfach V[3] = {G[6], G[8], G[10]}, eVk[3] = {G[7], G[9], G[11]};
    const Vierfach kKehr = Vier(e[0].b->kKehr, e[1].b->kKehr, e[2].b->kKehr, e[3].b->kKehr);
    const Vierfach kNenner = Vier(e[0].b->kNenner, e[1].b->kNenner, e[2].b->kNenner, e[3].b->kNenner);
    const Vierfach vKoord = Vier(e[0].b->vKoord, e[1].b->vKoord, e[2].b->vKoord, e[3].b->vKoord);

    // StrahlSchranken, central.
    Schranke4 Auge[3], u[3];
    Strahl4(s, true, Schranke4{S[0], S[1]}, Schranke4{S[2], S[3]}, Auge, u);

    // PunktSchnell from the eye point along u, rNull 0.
    const Vierfach U[3] = {u[0].v, u[1].v, u[2].v};
    const Vierfach eu = Max3(u[0].e, u[1].e, u[2].e);
    const Vierfach ev = Max3(eVk[0], eVk[1], eVk[2]);
    const Vierfach mu = Gross3(U[0], U[1], U[2]), mv = Gross3(V[0], V[1], V[2]);
    const Vierfach c = Vier(1 + 1e-15), R = Vier(Rundung);
    // Laengs: k = u / v in the coordinate vKoord.
    const Vierfach Uk = Wahl(vKoord == Vier(0), U[0], Wahl(vKoord == Vier(1), U[1], U[2]));
    const Vierfach k = Uk * kKehr;
    const Vierfach ak = Betrag(k);
    const Vierfach ek = (eu + ak * c * ev) * kNenner * c + Vier(2) * ak * R + Vier(Winzig);
    const Vierfach w[3] = {U[0] - k * V[0], U[1] - k * V[1], U[2] - k * V[2]};
    const Vierfach ew = eu + ak * ev + ek * (mv + ev) + R * (ak * mv + Gross3(w[0], w[1], w[2])) + Vier(2 * Winzig);
    // The common path: the ray surely not along the segment...
    Maske weiter = UnterTol4(w[0], ew, s.Tol).null | UnterTol4(w[1], ew, s.Tol).null | UnterTol4(w[2], ew, s.Tol).null;

    // ... surely in one plane with it (EbenDoppelt, the plain doubles)...
    const Vierfach eA = Max3(eAk[0], eAk[1], eAk[2]);
    const Vierfach D3[3] = {A[0] - Vier(s.Aug.x.v), A[1] - Vier(s.Aug.y.v), A[2] - Vier(s.Aug.z.v)};
    const Vierfach md = Gross3(D3[0], D3[1], D3[2]);
    const Vierfach ed = eA + Vier(std::max({s.Aug.x.e, s.Aug.y.e, s.Aug.z.e})) + R * md + Vier(Winzig);
    {
        const Vierfach B =
            (Vier(6) * (eu * (mv + ev) * (md + ed) + mu * ev * (md + ed) + mu * mv * ed) +
             Vier(4e-15) * (mu + eu) * (mv + ev) * (md + ed)) *
                Vier(Zuschlag) +
            Vier(1e-90);
        const Vierfach dv = U[0] * V[1] * D3[2] + V[0] * D3[1] * U[2] + D3[0] * U[1] * V[2] -
                            (U[2] * V[1] * D3[0] + V[2] * D3[1] * U[0] + D3[2] * U[1] * V[0]);
        weiter = weiter & (Betrag(dv) + B < Vier(0.9999999e-9));
    }

    // ... and a pair of coordinates surely chosen (PaarWaehlen); the later
    // pairs only for lanes whose earlier ones are below Toleranz (seldom).
    const Maske keine = Vier(0) < Vier(0);
    Vierfach eD0, eD1 = Vier(0), eD2 = Vier(0), D1 = Vier(0), D2 = Vier(0);
    const Vierfach D0 = PaarDet4(U[0], U[1], V[0], V[1], eu, ev, eD0);
    const Antwort4 k0 = UnterTol4(D0, eD0, s.Tol);
    const Maske p0 = k0.null & (Betrag(D0) > Vier(2) * eD0);
    Maske p1 = keine, p2 = keine;
    if (Bits(k0.eins)) {
        D1 = PaarDet4(U[1], U[2], V[1], V[2], eu, ev, eD1);
        const Antwort4 k1 = UnterTol4(D1, eD1, s.Tol);
        p1 = k0.eins & k1.null & (Betrag(D1) > Vier(2) * eD1);
        if (Bits(k0.eins & k1.eins)) {
            D2 = PaarDet4(U[0], U[2], V[0], V[2], eu, ev, eD2);
            const Antwort4 k2 = UnterTol4(D2, eD2, s.Tol);
            p2 = k0.eins & k1.eins & k2.null & (Betrag(D2) > Vier(2) * eD2);
        }
    }
    weiter = weiter & (p0 | p1 | p2);
    const int fertig = Bits(weiter);
    if (!fertig) return 0;

    // PunktAusPaar for the chosen pair.
    const Vierfach D = Wahl(p0, D0, Wahl(p1, D1, D2)), eD = Wahl(p0, eD0, Wahl(p1, eD1, eD2));
    const Vierfach a1 = Wahl(p1, U[1], U[0]), a2 = Wahl(p0, U[1], U[2]);
    const Vierfach d1 = Wahl(p1, D3[1], D3[0]), d2 = Wahl(p0, D3[1], D3[2]);
    Vierfach et;
    const Vierfach t = TAusPaar4(D, eD, a1, a2, eu, d1, d2, ed, et);
    const Vierfach at = Betrag(t);
    const Vierfach Q[3] = {A[0] - t * V[0], A[1] - t * V[1], A[2] - t * V[2]};
    const Vierfach eQ = eA + at * ev + et * (mv + ev) + R * (at * mv + Gross3(Q[0], Q[1], Q[2])) + Vier(2 * Winzig);

    // AbstandVomAuge.
    const Vierfach dx = Vier(s.Aug.x.v) - Q[0], dy = Vier(s.Aug.y.v) - Q[1], dz = Vier(s.Aug.z.v) - Q[2];
    const Vierfach ex = Vier(s.Aug.x.e) + eQ + Betrag(dx) * R;
    const Vierfach ey = Vier(s.Aug.y.e) + eQ + Betrag(dy) * R;
    const Vierfach ez = Vier(s.Aug.z.e) + eQ + Betrag(dz) * R;
    const Vierfach d = Wurzel(dx * dx + dy * dy + dz * dz);
    const Vierfach ed2 = (ex + ey + ez + Vier(4e-16) * d) * Vier(Zuschlag) + Vier(Winzig);
    alignas(32) double dv[4], de[4];
    Speichern(dv, d);
    Speichern(de, ed2);
    for (int l = 0; l < 4; ++l) Z[l] = {dv[l], de[l]};
    return fertig;
}

#undef RG_BAHN

}  // namespace

bool ZeugnisbahnenFuer(const SichtSchranken& s, bool zentral) {
    return zentral && s.StrahlNull == 0 && VierfachDa();
}

int ZeugnisseVier(const SichtSchranken& s, const Zeugnisbahn* e, Schranke* Z) { return ZeugnisseVierAvx2(s, e, Z); }

#else

bool ZeugnisbahnenFuer(const SichtSchranken&, bool) { return false; }
int ZeugnisseVier(const SichtSchranken&, const Zeugnisbahn*, Schranke*) { return 0; }

#endif

}  // namespace tiefe
