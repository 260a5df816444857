#include "view3d/Bereichsbahnen.h"

#include "view3d/Schrankenbahnen.h"

#ifdef RG_VIERFACH

#include <algorithm>
#include <cmath>

#include "scene/Ansicht.h"

namespace tiefe {

namespace {

#define RG_BAHN [[gnu::target("avx2"), gnu::always_inline]] inline

// The pair p's two coordinates of x (pairs (0, 1), (1, 2), (0, 2)), with
// p as masks: eins where p == 1, null where p == 0.
RG_BAHN Vierfach Erste(Maske eins, const Vierfach x[3]) { return Wahl(eins, x[1], x[0]); }
RG_BAHN Vierfach Zweite(Maske null, const Vierfach x[3]) { return Wahl(null, x[1], x[2]); }

// Lane l's range into T from the lanes' results aus[0..4] (lo, hi, Kgrenze,
// rund, w) when the lane got through, else Zustand 0; whether it did.
bool Eintragen(Tiefenbereich& T, bool gelungen, const double aus[][4], int l) {
    if (!gelungen) {
        T.Zustand = 0;
        return false;
    }
    T.lo = aus[0][l];
    T.hi = aus[1][l];
    T.Kgrenze = aus[2][l];
    T.rund = aus[3][l];
    T.w = aus[4][l];
    T.Zustand = 1;
    return true;
}

// BereichsRand in each lane, from the pictures' directions and λ's
// coordinate (art): the margin w and Kgrenze; lanes it refuses leave ok.
RG_BAHN void BereichsRand4(Vierfach uxv, Vierfach uyv, Vierfach art, const double K[4], Maske& ok, Vierfach& w,
                           Vierfach& Kgrenze) {
    const Vierfach Kv = Laden(K);
    const Vierfach ax = Betrag(uxv), ay = Betrag(uyv);
    const Vierfach a = Wahl(art == Vier(0), ax, ay);
    const Vierfach q = Vier(1) + (ax + ay) / a * Vier(1 + 1e-12);
    ok = ok & (q <= Vier(1e6)) & Endlich(Kv);
    w = Vier(1e-16) * Kv * q;
    Kgrenze = Vier(10) * Kv;
}

// One end of the picture line as TiefenbereichZentral's loop makes it.
struct Ecke4 {
    Vierfach U[3], eu, mu, w[3], ew, k, det, eDet;
};

#define RG_VIER4(feld) Vier(b[0]->feld, b[1]->feld, b[2]->feld, b[3]->feld)

}  // namespace

// TiefenbereichZentral (Tiefenschranken.cpp) step by step, the same
// operations in the same order; where it returns false, the lane's mask
// "ok" drops.
[[gnu::target("avx2")]] void TiefenbereicheZentralVier(const SichtSchranken& s, const GenauSchranken* const b[4],
                                                       const double K[4], Tiefenbereich* const T[4]) {
    if (s.StrahlNull != 0) {
        for (int l = 0; l < 4; ++l) T[l]->Zustand = 0;
        return;
    }
    const Vierfach eins = Vier(1), null = Vier(0);
    const auto ja = [](bool x) { return x ? 1.0 : 0.0; };
    Maske ok = !(Vier(ja(b[0]->vNull), ja(b[1]->vNull), ja(b[2]->vNull), ja(b[3]->vNull)) == eins);
    const Vierfach art = Vier(b[0]->LambdaArt, b[1]->LambdaArt, b[2]->LambdaArt, b[3]->LambdaArt);
    ok = ok & !(art == Vier(2)) & (Vier(ja(b[0]->kTeiler), ja(b[1]->kTeiler), ja(b[2]->kTeiler), ja(b[3]->kTeiler)) == eins);
    const Vierfach uxv = RG_VIER4(ux.v), uyv = RG_VIER4(uy.v);
    Vierfach w, Kgrenze;
    BereichsRand4(uxv, uyv, art, K, ok, w, Kgrenze);

    constexpr double eta = 1.0000001e-9;
    const double lambda[2] = {-eta, 1 + eta};
    const Vierfach V[3] = {RG_VIER4(v.x.v), RG_VIER4(v.y.v), RG_VIER4(v.z.v)};
    const Vierfach ev = Max3(RG_VIER4(v.x.e), RG_VIER4(v.y.e), RG_VIER4(v.z.e)), mv = Gross3(V[0], V[1], V[2]);
    const Vierfach A[3] = {RG_VIER4(A.x.v), RG_VIER4(A.y.v), RG_VIER4(A.z.v)};
    const Vierfach eA = Max3(RG_VIER4(A.x.e), RG_VIER4(A.y.e), RG_VIER4(A.z.e));
    const Vierfach D3[3] = {A[0] - Vier(s.Aug.x.v), A[1] - Vier(s.Aug.y.v), A[2] - Vier(s.Aug.z.v)};
    const Vierfach md = Gross3(D3[0], D3[1], D3[2]);
    const Vierfach ed = eA + Vier(std::max({s.Aug.x.e, s.Aug.y.e, s.Aug.z.e})) + Vier(Rundung) * md + Vier(Winzig);
    const Vierfach kKehr = RG_VIER4(kKehr), kNenner = RG_VIER4(kNenner);
    const Vierfach vKoord = Vier(b[0]->vKoord, b[1]->vKoord, b[2]->vKoord, b[3]->vKoord);
    const Maske k0 = vKoord == null, k1 = vKoord == eins;
    const Schranke4 Ex{RG_VIER4(E1x.v), RG_VIER4(E1x.e)}, Ey{RG_VIER4(E1y.v), RG_VIER4(E1y.e)};
    const Schranke4 Ux{uxv, RG_VIER4(ux.e)}, Uy{uyv, RG_VIER4(uy.e)};
    Ecke4 W[2];
    for (int e = 0; e < 2; ++e) {
        const Schranke4 l{Vier(lambda[e]), null};
        Schranke4 Sx = Ex + l * Ux, Sy = Ey + l * Uy;
        Sx.e = Sx.e + w;
        Sy.e = Sy.e + w;
        Schranke4 rA[3], u[3];
        Strahl4(s, true, Sx, Sy, rA, u);
        Ecke4& E = W[e];
        for (int c = 0; c < 3; ++c) E.U[c] = u[c].v;
        E.eu = Max3(u[0].e, u[1].e, u[2].e);
        E.mu = Gross3(E.U[0], E.U[1], E.U[2]);
        E.k = Wahl(k0, E.U[0], Wahl(k1, E.U[1], E.U[2])) * kKehr;
        const Vierfach ak = Betrag(E.k);
        const Vierfach ek = (E.eu + ak * Vier(1 + 1e-15) * ev) * kNenner * Vier(1 + 1e-15) +
                            Vier(2) * ak * Vier(Rundung) + Vier(Winzig);
        for (int c = 0; c < 3; ++c) E.w[c] = E.U[c] - E.k * V[c];
        E.ew = E.eu + ak * ev + ek * (mv + ev) + Vier(Rundung) * (ak * mv + Gross3(E.w[0], E.w[1], E.w[2])) +
               Vier(2 * Winzig);
        E.k = ak + ek;
        // EbenWert.
        const Vierfach mdd = md + ed, mvv = mv + ev;
        E.eDet = (Vier(6) * (E.eu * mvv * mdd + E.mu * ev * mdd + E.mu * mv * ed) +
                  Vier(4e-15) * (E.mu + E.eu) * mvv * mdd) *
                     Vier(Zuschlag) +
                 Vier(1e-90);
        const Vierfach* Uc = E.U;
        E.det = Uc[0] * V[1] * D3[2] + V[0] * D3[1] * Uc[2] + D3[0] * Uc[1] * V[2] -
                (Uc[2] * V[1] * D3[0] + V[2] * D3[1] * Uc[0] + D3[2] * Uc[1] * V[0]);
    }
    const double mAugS = std::max({std::fabs(s.Aug.x.v), std::fabs(s.Aug.y.v), std::fabs(s.Aug.z.v)}) +
                         std::max({s.Aug.x.e, s.Aug.y.e, s.Aug.z.e});
    const Vierfach mAug = Vier(mAugS);
    const Vierfach mU = Maximum(W[0].mu + W[0].eu, W[1].mu + W[1].eu);
    const Vierfach mvv = mv + ev, mdd = md + ed, kGross = Maximum(W[0].k, W[1].k);
    const Vierfach fU = Vier(1e-18) * (mU + mAug);
    const Vierfach Rdet = Vier(6) * mvv * mdd * fU + Vier(1e-17) * mU * mvv * mdd + Vier(1e-300);
    const Vierfach RD = Vier(2) * mvv * fU + Vier(1e-18) * mU * mvv + Vier(1e-300);
    const Vierfach Rw = fU * (eins + mvv * kNenner) + Vier(1e-18) * (kGross * mvv + mU) + Vier(1e-300);
    const Vierfach RN = Vier(2) * mdd * fU + Vier(1e-18) * mU * mdd + Vier(1e-300);
    const Vierfach TolUnten = Vier(0.9999999e-9), TolOben = Vier(1.0000001e-9);
    // Not along the ray.
    Maske quer = null < null;
    for (int c = 0; c < 3; ++c)
        quer = quer | ((W[0].w[c] * W[1].w[c] > null) &
                       (Minimum(Betrag(W[0].w[c]) - W[0].ew, Betrag(W[1].w[c]) - W[1].ew) - Vier(2) * Rw > TolOben));
    ok = ok & quer;
    // In the plane of the line.
    const Vierfach detGross = Maximum(Betrag(W[0].det) + W[0].eDet, Betrag(W[1].det) + W[1].eDet);
    ok = ok & ((detGross + Vier(2) * Rdet) * Vier(Zuschlag) < TolUnten);
    // The pair: every choice made, the lane's blended.
    constexpr int Paare[3][2] = {{0, 1}, {1, 2}, {0, 2}};
    Vierfach D[2][3], eD[2][3], Dmin[3];
    Maske klein[3], gut[3];
    for (int p = 0; p < 3; ++p) {
        for (int e = 0; e < 2; ++e) D[e][p] = PaarDet4(W[e].U[Paare[p][0]], W[e].U[Paare[p][1]], V[Paare[p][0]], V[Paare[p][1]], W[e].eu, ev, eD[e][p]);
        const Vierfach gross = Maximum(Betrag(D[0][p]) + eD[0][p], Betrag(D[1][p]) + eD[1][p]);
        klein[p] = (gross + Vier(2) * RD) * Vier(Zuschlag) < TolUnten;
        Dmin[p] = Minimum(Betrag(D[0][p]) - eD[0][p], Betrag(D[1][p]) - eD[1][p]) - Vier(2) * RD;
        gut[p] = (D[0][p] * D[1][p] > null) & (Dmin[p] * Vier(1 - 1e-12) > TolOben) &
                 (Betrag(D[0][p]) > Vier(2) * eD[0][p]) & (Betrag(D[1][p]) > Vier(2) * eD[1][p]);
    }
    const Maske p0 = !klein[0], p1 = klein[0] & !klein[1], p2 = klein[0] & klein[1] & !klein[2];
    ok = ok & ((p0 & gut[0]) | (p1 & gut[1]) | (p2 & gut[2]));
    const Vierfach Dm = Wahl(p0, Dmin[0], Wahl(p1, Dmin[1], Dmin[2]));
    Vierfach t[2], et[2];
    for (int e = 0; e < 2; ++e) {
        const Vierfach De = Wahl(p0, D[e][0], Wahl(p1, D[e][1], D[e][2]));
        const Vierfach eDe = Wahl(p0, eD[e][0], Wahl(p1, eD[e][1], eD[e][2]));
        t[e] = TAusPaar4(De, eDe, Erste(p1, W[e].U), Zweite(p0, W[e].U), W[e].eu, Erste(p1, D3), Zweite(p0, D3), ed,
                         et[e]);
    }
    const Vierfach tGross = Maximum(Betrag(t[0]) + et[0], Betrag(t[1]) + et[1]);
    const Vierfach TR =
        ((RN + Vier(2) * tGross * RD) / (Dm * Vier(1 - 1e-12)) + Vier(1e-18) * tGross) * Vier(Zuschlag) + Vier(1e-300);
    Vierfach lo = Minimum(t[0] - et[0], t[1] - et[1]) - Vier(2) * TR;
    Vierfach hi = Maximum(t[0] + et[0], t[1] + et[1]) + Vier(2) * TR;
    const Vierfach rand = Vier(1e-15) * (Betrag(lo) + Betrag(hi)) + Vier(1e-300);
    lo = lo - rand;
    hi = hi + rand;
    ok = ok & Endlich(lo) & Endlich(hi);
    // The distance at both ends of [lo, hi].
    Vierfach L[2], eL[2];
    for (int e = 0; e < 2; ++e) {
        const Vierfach tt = e == 0 ? lo : hi;
        const Vierfach y[3] = {D3[0] - tt * V[0], D3[1] - tt * V[1], D3[2] - tt * V[2]};
        L[e] = Wurzel(y[0] * y[0] + y[1] * y[1] + y[2] * y[2]);
        const Vierfach at = Betrag(tt);
        eL[e] = (Vier(3) * (ed + at * ev) + Vier(2e-15) * (at * mv + md) + Vier(3e-16) * L[e]) * Vier(Zuschlag) +
                Vier(1e-300);
    }
    const Vierfach num = D3[0] * V[0] + D3[1] * V[1] + D3[2] * V[2];
    const Vierfach den = V[0] * V[0] + V[1] * V[1] + V[2] * V[2];
    const Vierfach enm =
        (Vier(3) * (ed * mv + ev * md + ed * ev) + Vier(1.2e-15) * md * mv) * Vier(Zuschlag) + Vier(1e-300);
    const Vierfach eden =
        (Vier(3) * (Vier(2) * ev * mv + ev * ev) + Vier(1.2e-15) * mv * mv) * Vier(Zuschlag) + Vier(1e-300);
    ok = ok & (den > Vier(2) * eden);
    const Vierfach tn = num / den;
    const Vierfach etn =
        (enm + Betrag(tn) * eden) / (den - eden) * Vier(1 + 1e-15) + Vier(4e-16) * Betrag(tn) + Vier(1e-300);
    const Vierfach x[3] = {D3[1] * V[2] - D3[2] * V[1], D3[2] * V[0] - D3[0] * V[2], D3[0] * V[1] - D3[1] * V[0]};
    const Vierfach ex = (Vier(6) * (ed * mv + ev * md + ed * ev) + Vier(2e-15) * md * mv) * Vier(Zuschlag) + Vier(1e-300);
    const Vierfach Lx = Wurzel(x[0] * x[0] + x[1] * x[1] + x[2] * x[2]);
    const Vierfach mitte = (Lx * Vier(1 - 1e-15) - ex) / Wurzel(den + eden) * Vier(1 - 1e-15);
    const Vierfach unten =
        Wahl(tn + etn < lo, L[0] - eL[0], Wahl(tn - etn > hi, L[1] - eL[1], mitte));
    const Vierfach oben = Maximum(L[0] + eL[0], L[1] + eL[1]);
    const Vierfach Tlo = unten - Vier(1e-15) * Betrag(unten);
    const Vierfach Thi = oben + Vier(1e-15) * Betrag(oben);
    const Vierfach rund =
        Vier(3e-17) * (Gross3(A[0], A[1], A[2]) + eA + Maximum(Betrag(lo), Betrag(hi)) * mvv + mAug) + Vier(1e-300);
    ok = ok & Endlich(Tlo) & Endlich(Thi) & Endlich(rund);
    const Vierfach paar = Wahl(p0, null, Wahl(p1, eins, Vier(2)));
    alignas(32) double aus[7][4];
    Speichern(aus[0], Tlo);
    Speichern(aus[1], Thi);
    Speichern(aus[2], Kgrenze);
    Speichern(aus[3], rund);
    Speichern(aus[4], w);
    Speichern(aus[5], paar);
    const int gelungen = Bits(ok);
    for (int l = 0; l < 4; ++l)
        if (Eintragen(*T[l], gelungen >> l & 1, aus, l)) T[l]->Paar = static_cast<signed char>(aus[5][l]);
}

// TiefenbereichParallel (Tiefenschranken.cpp) likewise, StartWerteParallel
// and EbenKreuz within.
[[gnu::target("avx2")]] void TiefenbereicheParallelVier(const SichtSchranken& s, const GenauSchranken* const b[4],
                                                        const StrahlFest* const f[4], const double K[4],
                                                        Tiefenbereich* const T[4], Tiefengerade* const G[4]) {
    if (s.StrahlNull != 0) {
        for (int l = 0; l < 4; ++l) T[l]->Zustand = 0;
        return;
    }
    const Vierfach eins = Vier(1), null = Vier(0);
    const auto ja = [](bool x) { return x ? 1.0 : 0.0; };
#define RG_FEST4(feld) Vier(f[0]->feld, f[1]->feld, f[2]->feld, f[3]->feld)
    const Vierfach paar = Vier(f[0]->Paar, f[1]->Paar, f[2]->Paar, f[3]->Paar);
    const Vierfach art = Vier(b[0]->LambdaArt, b[1]->LambdaArt, b[2]->LambdaArt, b[3]->LambdaArt);
    Maske ok = (!(Vier(ja(f[0]->vNull), ja(f[1]->vNull), ja(f[2]->vNull), ja(f[3]->vNull)) == eins)) &
               (RG_FEST4(Vorab) == null) & (paar >= null) & (paar <= Vier(2)) & !(art == Vier(2));
    const Vierfach uxv = RG_VIER4(ux.v), uyv = RG_VIER4(uy.v);
    Vierfach w, Kgrenze;
    BereichsRand4(uxv, uyv, art, K, ok, w, Kgrenze);

    const Maske p0 = paar == null, p1 = paar == eins;
    const Vierfach FA[3] = {RG_FEST4(A[0]), RG_FEST4(A[1]), RG_FEST4(A[2])};
    const Vierfach FV[3] = {RG_FEST4(V[0]), RG_FEST4(V[1]), RG_FEST4(V[2])};
    const Vierfach FU[3] = {RG_FEST4(U[0]), RG_FEST4(U[1]), RG_FEST4(U[2])};
    const Vierfach FN[3] = {RG_FEST4(N[0]), RG_FEST4(N[1]), RG_FEST4(N[2])};
    const Vierfach feA = RG_FEST4(eA), feu = RG_FEST4(eu), fev = RG_FEST4(ev), fmu = RG_FEST4(mu), fmv = RG_FEST4(mv);
    const Vierfach feN = RG_FEST4(eN), fN1 = RG_FEST4(N1), fq = RG_FEST4(q), fkehr = RG_FEST4(kehr), feD = RG_FEST4(eD);
    const Schranke4 Ex{RG_VIER4(E1x.v), RG_VIER4(E1x.e)}, Ey{RG_VIER4(E1y.v), RG_VIER4(E1y.e)};
    const Schranke4 Ux{uxv, RG_VIER4(ux.e)}, Uy{uyv, RG_VIER4(uy.e)};
    const Schranke4 Enden[2][2] = {{Ex, Ey}, {Ex + Ux, Ey + Uy}};
    Vierfach det[2], eDet[2], t[2], et[2], mdW[2];
    for (int e = 0; e < 2; ++e) {
        Schranke4 Sx = Enden[e][0], Sy = Enden[e][1];
        Sx.e = Sx.e + w;
        Sy.e = Sy.e + w;
        Schranke4 X[3], u[3];
        Strahl4(s, false, Sx, Sy, X, u);
        // StartWerteParallel.
        const Vierfach D3[3] = {FA[0] - X[0].v, FA[1] - X[1].v, FA[2] - X[2].v};
        const Vierfach md = Gross3(D3[0], D3[1], D3[2]);
        const Vierfach ed = feA + Max3(X[0].e, X[1].e, X[2].e) + Vier(Rundung) * md + Vier(Winzig);
        eDet[e] = (ed * fN1 + feN * Vier(3) * (md + ed) + Vier(3.4e-16) * md * fN1 +
                   Vier(1.2e-17) * (fmu + feu) * (fmv + fev) * (md + ed)) *
                      Vier(Zuschlag) +
                  Vier(1e-90);
        det[e] = D3[0] * FN[0] + D3[1] * FN[1] + D3[2] * FN[2];
        t[e] = TAusPaar4(fq, fkehr, feD, Erste(p1, FU), Zweite(p0, FU), feu, Erste(p1, D3), Zweite(p0, D3), ed, et[e]);
        mdW[e] = md + ed;
    }
    constexpr double eta = 1.0000001e-9;
    const Vierfach mA = Gross3(FA[0], FA[1], FA[2]) + feA;
    const Vierfach mu = fmu + feu, mv = fmv + fev;
    const Vierfach md = Maximum(mdW[0], mdW[1]);
    const Vierfach R = Vier(1e-16) * mu * mv * (Vier(2) * md + mA) + Vier(1e-300);
    const Vierfach detMax = Maximum(Betrag(det[0]) + eDet[0], Betrag(det[1]) + eDet[1]);
    ok = ok & ((Vier(1 + 2 * eta) * (detMax + R) + R) * Vier(Zuschlag) < Vier(0.9999999e-9));
    const Vierfach tGross = Maximum(Betrag(t[0]) + et[0], Betrag(t[1]) + et[1]);
    const Vierfach TR = Vier(1e-16) * (mu * (Vier(2) * md + mA) * fkehr + tGross) + Vier(1e-300);
    Vierfach lo = Minimum(t[0] - et[0], t[1] - et[1]) - TR;
    Vierfach hi = Maximum(t[0] + et[0], t[1] + et[1]) + TR;
    const Vierfach weit = Vier(eta) * (hi - lo) * Vier(Zuschlag) + TR + Vier(1e-15) * (Betrag(lo) + Betrag(hi)) +
                          Vier(1e-300);
    lo = lo - weit;
    hi = hi + weit;
    ok = ok & Endlich(lo) & Endlich(hi);
    Vierfach AP = null, vP = null, PL = null, sA = null, sV = null, lA = null, lV = null;
    for (int c = 0; c < 3; ++c) {
        AP = AP + FA[c] * FU[c];
        vP = vP + FV[c] * FU[c];
        PL = PL + Betrag(FU[c]);
        sA = sA + Betrag(FA[c] * FU[c]);
        sV = sV + Betrag(FV[c] * FU[c]);
        lA = lA + Betrag(FA[c]);
        lV = lV + Betrag(FV[c]);
    }
    const Vierfach eAP =
        (feu * lA + feA * PL + Vier(3) * feA * feu + Vier(4e-16) * sA) * Vier(Zuschlag) + Vier(1e-300);
    const Vierfach evP =
        (feu * lV + fev * PL + Vier(3) * fev * feu + Vier(4e-16) * sV) * Vier(Zuschlag) + Vier(1e-300);
    const Vierfach tMax = Maximum(Betrag(lo), Betrag(hi));
    const Vierfach h1 = AP - lo * vP, h2 = AP - hi * vP;
    const Vierfach eh =
        (eAP + tMax * evP + Vier(4e-16) * (Betrag(AP) + tMax * Betrag(vP))) * Vier(Zuschlag) + Vier(1e-300);
    Vierfach Tlo = Minimum(h1, h2) - eh;
    Vierfach Thi = Maximum(h1, h2) + eh;
    Tlo = Tlo - Vier(1e-15) * Betrag(Tlo);
    Thi = Thi + Vier(1e-15) * Betrag(Thi);
    const Vierfach P3 = PL + Vier(3) * feu;
    const Vierfach rund = Vier(1e-17) * (mA + tMax * mv) * P3 + Vier(1e-300);
    ok = ok & Endlich(Tlo) & Endlich(Thi) & Endlich(rund);
    alignas(32) double aus[16][4];
    const Vierfach werte[16] = {Tlo,  Thi,  Kgrenze, rund, w,  t[0], et[0], t[1], et[1], TR, AP, vP, eAP, evP,
                                Vier(1e-17) * mA * P3, Vier(1e-17) * mv * P3};
    for (int k = 0; k < 16; ++k) Speichern(aus[k], werte[k]);
    const int gelungen = Bits(ok);
    for (int l = 0; l < 4; ++l) {
        if (!Eintragen(*T[l], gelungen >> l & 1, aus, l)) continue;
        T[l]->Paar = f[l]->Paar;
        *G[l] = {aus[5][l],  aus[6][l],  aus[7][l],  aus[8][l],  aus[9][l], aus[10][l],
                 aus[11][l], aus[12][l], aus[13][l], aus[14][l], aus[15][l]};
    }
#undef RG_FEST4
}

#undef RG_VIER4
#undef RG_BAHN

}  // namespace tiefe

#endif
