#include "view3d/Tiefenpaare.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "geometry/Geometrie.h"
#include "scene/Ansicht.h"
#include "scene/Objekte.h"
#include "view3d/Projektion.h"
#include "view3d/Zeichnen.h"

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

// Makes the bounded depth of the end's recovery (see Tiefendaten::Zeugnisse)
// for end e (0: A, 1: B) of entry k, and its state. Out of line: most
// requests find it made.
[[gnu::noinline]] void ZeugnisMachen(Tiefendaten& z, int k, int e, int Stufe) {
    const std::size_t ende = 2 * static_cast<std::size_t>(k) + static_cast<std::size_t>(e);
    signed char& Zustand = z.ZeugnisZustand[Stufe][ende];
    Zustand = 0;
    const TVek_R2& p = z.EndBild[ende];
    Schranke Sx = Aus(p.x), Sy = Aus(p.y);
    Sx.e += EndeSpielraum[Stufe];
    Sy.e += EndeSpielraum[Stufe];
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

// That bounded depth; nullptr when it is not sure.
inline const Schranke* Zeugnis(Tiefendaten& z, int k, int e, int Stufe) {
    const std::size_t ende = 2 * static_cast<std::size_t>(k) + static_cast<std::size_t>(e);
    if (z.ZeugnisZustand[Stufe][ende] < 0) ZeugnisMachen(z, k, e, Stufe);
    return z.ZeugnisZustand[Stufe][ende] == 1 ? &z.Zeugnisse[Stufe][ende] : nullptr;
}

// Segments with a common end whose pictures cross at a clear angle (most
// pairs of a mesh or a fan): the crossing point the comparison computes lies
// so close to the common end's picture that, if the pictures cross within
// both at all, the recovered space points lie within the bounds of both
// ends' Zeugnisse. When those bounds make the comparison of the space
// points true, the pair compares true either way.
bool GemeinsamesEndeWahr(Tiefendaten& z, int i, int j) {
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

// The depth range of entry k, made when first asked for; nullptr when
// there is none.
const Tiefenbereich* Bereich(Tiefendaten& z, int k) {
    const auto u = static_cast<std::size_t>(k);
    signed char& Zustand = z.Bereiche[u].Zustand;
    if (Zustand < 0) {
        const GenauSchranken& b = SchrankenVon(z, k);
        const double K = z.Schnell[u].K;
        Zustand = (z.zentral ? TiefenbereichZentral(z.Sicht, b, K, z.Bereiche[u])
                             : TiefenbereichParallel(z.Sicht, b, z.Fest[u], K, z.Bereiche[u], &z.Geraden[u]))
                      ? 1
                      : 0;
    }
    return Zustand == 1 ? &z.Bereiche[u] : nullptr;
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

// The pairs the quick tests leave: through the shared-end test, the
// bounded crossing and the extended comparison. Out of line, so the quick
// tests that decide most pairs stay small.
[[gnu::noinline]] bool VergleichWeiter(Tiefendaten& z, int i, int j) {
    if (GemeinsamesEndeWahr(z, i, j)) return true;
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

// The comparison of St[i] and St[j] from the prepared data. Pictures that
// surely cross as lines (clearly not parallel) need no more when their
// boxes cannot meet, or when the crossing lies clearly off one of them;
// the margins cover how far the exact comparison's crossing point and its
// λ may stray by rounding.
bool Vergleich(Tiefendaten& z, int i, int j) {
    const Schnelltest& a = z.Schnell[static_cast<std::size_t>(i)];
    const Schnelltest& b = z.Schnell[static_cast<std::size_t>(j)];
    if (a.Punkt || b.Punkt) return VergleichPunkt(z, i, j);
    const double D = a.ux * b.uy - a.uy * b.ux;
    const double dd = std::fabs(D);
    if (dd >= 2e-9 && dd >= 1e-4 * a.n * b.n) {
        if (a.xmax < b.xmin || b.xmax < a.xmin || a.ymax < b.ymin || b.ymax < a.ymin) return true;
        if (a.LambdaKehr < inf && b.LambdaKehr < inf) {
            // The parameters ti, tj of the crossing as ni / dd, nj / dd:
            // compared without dividing, the margins widened by far more
            // than the products' roundings, so only pairs whose quotients
            // lie clearly off are decided here.
            const double cx = b.x1 - a.x1, cy = b.y1 - a.y1;
            const double Vz = D > 0 ? 1 : -1;
            const double ni = (cx * b.uy - cy * b.ux) * Vz;
            const double nj = (cx * a.uy - cy * a.ux) * Vz;
            const double weit = 1e-10 * (a.K + b.K + std::fabs(cx) + std::fabs(cy));
            const double mi = (1e-6 + weit * a.LambdaKehr) * (1 + 1e-9) * dd;
            const double mj = (1e-6 + weit * b.LambdaKehr) * (1 + 1e-9) * dd;
            if (ni < -mi || ni > dd + mi || nj < -mj || nj > dd + mj) return true;
        }
    } else if (const int parallel = ParalleleBilder(a, b); parallel >= 0) {
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
    return VergleichWeiter(z, i, j);
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

// Numbers the ends of St[1..n] by their space points: equal points, equal
// numbers (through a hash table over the points' doubles).
void EndenNummerieren(Tiefendaten& z, int n) {
    std::size_t groesse = 16;
    while (groesse < 4 * static_cast<std::size_t>(n)) groesse *= 2;
    z.Tabelle.assign(groesse, -1);
    const auto punkt = [](int ende) -> const TVek_R3& { return ende % 2 ? St[ende / 2].B : St[ende / 2].A; };
    const auto bits = [](Extended v) {
        const double d = static_cast<double>(v);
        std::uint64_t b;
        std::memcpy(&b, &d, sizeof b);
        return b;
    };
    for (int ende = 2; ende < 2 * n + 2; ++ende) {
        const TVek_R3& P = punkt(ende);
        std::uint64_t h = bits(P.x) * 0x9E3779B97F4A7C15ull;
        h = (h ^ (h >> 29) ^ bits(P.y)) * 0xBF58476D1CE4E5B9ull;
        h = (h ^ (h >> 31) ^ bits(P.z)) * 0x94D049BB133111EBull;
        std::size_t platz = static_cast<std::size_t>(h ^ (h >> 32)) & (groesse - 1);
        while (true) {
            const int da = z.Tabelle[platz];
            if (da < 0) {
                z.Tabelle[platz] = ende;
                z.EndNummer[static_cast<std::size_t>(ende)] = ende;
                break;
            }
            if (punkt(da) == P) {
                z.EndNummer[static_cast<std::size_t>(ende)] = da;
                break;
            }
            platz = (platz + 1) & (groesse - 1);
        }
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
    // Each end's picture point and depth-frame point, made once per space
    // point: an end equal to an earlier one (the same bits, signs of zero
    // included, so the same results) takes that one's.
    EndenNummerieren(z, n);
    const auto gleicheBits = [](const TVek_R3& P, const TVek_R3& Q) {
        return P == Q && std::signbit(P.x) == std::signbit(Q.x) && std::signbit(P.y) == std::signbit(Q.y) &&
               std::signbit(P.z) == std::signbit(Q.z);
    };
    for (int ende = 2; ende < 2 * n + 2; ++ende) {
        const auto e = static_cast<std::size_t>(ende);
        const TVek_R3& P = ende % 2 ? St[ende / 2].B : St[ende / 2].A;
        const auto da = static_cast<std::size_t>(z.EndNummer[e]);
        if (da != e && gleicheBits(P, da % 2 ? St[da / 2].B : St[da / 2].A)) {
            z.EndBild[e] = z.EndBild[da];
            z.EndTiefe[e] = z.EndTiefe[da];
            continue;
        }
        ProjiziereBildpunkt(P, z.EndBild[e], MassstabX, MassstabY, MassstabZ);
        z.EndTiefe[e] = TiefenendeBerechnen(P, z.zentral);
    }
    for (int k = 1; k <= n; ++k) {
        const auto u = static_cast<std::size_t>(k);
        TGer_R2 G;
        const bool getauscht = BildAusBildpunkten(z.EndBild[2 * u], z.EndBild[2 * u + 1], G);
        // The ends' picture points as the drawing projects them (BildpunktPixel).
        const TVek_R2& PA = getauscht ? G.Endpunkt2 : G.Endpunkt1;
        const TVek_R2& PB = getauscht ? G.Endpunkt1 : G.Endpunkt2;
        z.PixelA[u] = {PA.x, BildY(PA.y)};
        z.PixelB[u] = {PB.x, BildY(PB.y)};
        Genau& e = z.Exakt[u];
        e.E1 = G.Stuetzpunkt;
        e.u = G.Richtung;
        e.T = TiefenstreckeAusEnden(z.EndTiefe[2 * u], z.EndTiefe[2 * u + 1], z.zentral);
        VektorAB(e.T.A, e.T.B, e.v);
        e.vNull = IstNullvektor(e.v);
        e.vKoord = e.v.x != 0 ? 0 : e.v.y != 0 ? 1 : 2;
        e.LambdaArt = std::fabs(e.u.x) > Toleranz ? 0 : e.u.y == 0 ? 2 : 1;
        z.Schnell[u] = SchnelltestBerechnen(G);
        z.Schnell[u].Summe = static_cast<double>(e.T.Summe);
    }
    for (auto& Zustand : z.ZeugnisZustand)
        std::fill(Zustand.begin(), Zustand.begin() + 2 * (static_cast<std::ptrdiff_t>(n) + 1), -1);
    z.SchrankenDa = false;
    for (int k = 0; k <= n; ++k) z.Bereiche[static_cast<std::size_t>(k)].Zustand = -1;
    z.Nachbarn.Aufbauen(z.Schnell, z.Exakt, n, z.zentral);
}

}  // namespace tiefe
