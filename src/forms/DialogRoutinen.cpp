#include "forms/DialogRoutinen.h"

#include <algorithm>
#include <cmath>

#include "geometry/Geometrie.h"
#include "scene/Objekte.h"

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

Byte IndexZuLinienstil(Byte Index) { return Index == 1 ? 2 : 0; }
Byte LinienstilZuIndex(Byte Stil) { return Stil == 2 ? 1 : 0; }
Byte IndexZuErzFlag(Byte Index) { return Index == 0 ? 1 : 0; }
Byte ErzFlagZuIndex(Byte Flag) { return Flag == 1 ? 0 : 1; }

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

void VektorAufLaenge(TVek_R3 v, TVek_R3& R, Extended L) {
    const Extended b = Betrag(v);
    if (b >= Toleranz)
        SMultiplikation(v, L / b, R);
    else
        R = v;
}

bool EbeneKoordZuParam(Byte k) {
    TEbene& E = Ebene[k];
    const TVek_R3 n{E.KoordA, E.KoordB, E.KoordC};
    const Extended d = E.KoordD;
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
    E.Stuetzvektor = Q3;
    VektorAB(Q3, Q2, E.Richtungsvektor1);
    VektorAB(Q3, Q1, E.Richtungsvektor2);
    return true;
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
