#include "view3d/VerdeckteLinien.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "scene/Objekte.h"
#include "scene/Ansicht.h"
#include "view3d/Projektion.h"
#include "view3d/Tiefenordnung.h"
#include "view3d/Zeichnen.h"

// The plain comparison, step by step as the program words it, on the
// geometry routines; the pass's own comparison (Tiefenordnung.cpp) must
// decide every pair as this one does.

namespace {

// Where the ray meets the line through A and B; the origin when it does not.
TVek_R3 PunktAufStrecke(const Strahl& r, const TVek_R3& A, const TVek_R3& B) {
    TVek_R3 u;
    VektorAB(A, B, u);
    TVek_R3 Q{};
    if (LageZweierGeraden(r.A, r.u, A, u) == 1 && !SchnittpunktZweierGeraden(r.A, r.u, A, u, Q)) Q = TVek_R3{};
    return Q;
}

// ---- The comparison -------------------------------------------------------------

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

struct PassKlammer {
    PassKlammer() { Host().LangerPassBeginnt(); }
    ~PassKlammer() { Host().LangerPassEndet(); }
    PassKlammer(const PassKlammer&) = delete;
    PassKlammer& operator=(const PassKlammer&) = delete;
};

}  // namespace

Tiefenende TiefenendeBerechnen(const TVek_R3& P, bool zentral) {
    Tiefenende e;
    if (zentral) {
        e.P = ZentralRahmen(P);
        // Measured from the mirrored end: the eye point is a point of the
        // mirrored frame, and a stored end measured against it would stand
        // for the eye's mirror image behind the scene.
        e.Abstand = AbstandPunktPunkt(e.P, Augpunkt);
    } else {
        e.P = ParallelRahmen(P, MassstabX, MassstabY, MassstabZ);
    }
    return e;
}

Tiefenstrecke TiefenstreckeAusEnden(const Tiefenende& A, const Tiefenende& B, bool zentral) {
    Tiefenstrecke t;
    t.A = A.P;
    t.B = B.P;
    if (zentral) t.Summe = A.Abstand + B.Abstand;
    return t;
}

Tiefenstrecke TiefenstreckeBerechnen(const TStr& s, bool zentral) {
    return TiefenstreckeAusEnden(TiefenendeBerechnen(s.A, zentral), TiefenendeBerechnen(s.B, zentral), zentral);
}

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

bool BildVorbereiten(const TStr& s, TGer_R2& G) {
    TVek_R2 A, B;
    ProjiziereBildpunkt(s.A, A, MassstabX, MassstabY, MassstabZ);
    ProjiziereBildpunkt(s.B, B, MassstabX, MassstabY, MassstabZ);
    return BildAusBildpunkten(A, B, G);
}

bool BildAusBildpunkten(const TVek_R2& A, const TVek_R2& B, TGer_R2& G) {
    G = TGer_R2{};
    G.Endpunkt1 = A;
    G.Endpunkt2 = B;
    const bool tauschen = ProjEbene == 1 ? G.Endpunkt2.x < G.Endpunkt1.x - Toleranz
                                         : G.Endpunkt2.y < G.Endpunkt1.y - Toleranz;
    if (tauschen) std::swap(G.Endpunkt1, G.Endpunkt2);
    G.Stuetzpunkt = G.Endpunkt1;
    VektorAB2D(G.Endpunkt1, G.Endpunkt2, G.Richtung);
    return tauschen;
}

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

void ProjiziereBildpunkt(TVek_R3 P, TVek_R2& B, Extended sx, Extended sy, Extended sz) {
    BildpunktBerechnen(P, B, sx, sy, sz);
}

Extended ParameterAufGerade2D(TVek_R2 A, TVek_R2 u, TVek_R2 P) {
    if (std::fabs(u.x) > Toleranz) return (P.x - A.x) / u.x;
    if (u.y == 0) return -1;  // no extent to measure along: on no segment
    return (P.y - A.y) / u.y;
}

namespace {

// The points of St[i] and St[j] on the viewing ray through S, in the depth
// frame of the projection: the one routine behind both entry points.
void Raumpunkte(TVek_R2 S, int i, int j, bool zentral, TVek_R3& Qi, TVek_R3& Qj) {
    const Strahl r = Sehstrahl(S, zentral);
    const Tiefenstrecke ti = TiefenstreckeBerechnen(St[i], zentral);
    const Tiefenstrecke tj = TiefenstreckeBerechnen(St[j], zentral);
    Qi = PunktAufStrecke(r, ti.A, ti.B);
    Qj = PunktAufStrecke(r, tj.A, tj.B);
}

}  // namespace

void RaumpunktParallelBerechnen(TVek_R2 S, int i, int j, TVek_R3& Qi, TVek_R3& Qj) {
    Raumpunkte(S, i, j, false, Qi, Qj);
}

void RaumpunktZentralBerechnen(TVek_R2 S, int i, int j, TVek_R3& Qi, TVek_R3& Qj) {
    Raumpunkte(S, i, j, true, Qi, Qj);
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
        StreckeDirektZeichnen(St[1].A, St[1].B, St[1].Farbe, St[1].Linienstil, St[1].Stiftbreite);
        return;
    }
    TiefenordnungZeichnen(n);
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
