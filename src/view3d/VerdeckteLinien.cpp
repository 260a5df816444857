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

EndenProjektion::EndenProjektion(bool zentral)
    : zentral_(zentral),
      gueltig_(ProjEbene >= 1 && ProjEbene <= 3),
      schneiden_(!ErsteAktivierung),
      versatz_(zentral && !AugpunktDurchgang && AugpunktMitte),
      Ebene_(ProjEbene),
      sx_(MassstabX),
      sy_(MassstabY),
      k1_(0),
      k2_(0),
      R_(ProjRichtung),
      Aug_(Augpunkt),
      ox_(AchsenKreuz.UrsprungX + VerschiebungX),
      oy_(AchsenKreuz.UrsprungY + VerschiebungY),
      V_(UrsprungVersatz) {
    const TEbene& E = zentral ? ProjEbeneZentral : ProjEbeneParallel;
    Vektorprodukt(E.Richtungsvektor1, E.Richtungsvektor2, n_);
    S_ = E.Stuetzvektor;
    // The products ParallelRahmen and ProjektionZentral take first.
    const Extended sx = MassstabX, sy = MassstabY, sz = MassstabZ;
    if (!zentral) {
        k1_ = Ebene_ == 1 ? sy * SkFy : Ebene_ == 2 ? sx * SkFy : sx * SkFz;
        k2_ = Ebene_ == 3 ? sz * SkFy : sz * SkFz;
    } else {
        k2_ = Ebene_ == 3 ? sx * SkFz : sz * SkFz;
    }
}

void EndenProjektion::operator()(const TVek_R3& P, TVek_R2& B, Tiefenende& T) const {
    if (!gueltig_) {
        ProjiziereBildpunkt(P, B, MassstabX, MassstabY, MassstabZ);
        T = TiefenendeBerechnen(P, zentral_);
        return;
    }
    // The depth frame: ZentralRahmen or ParallelRahmen.
    TVek_R3 Q = P;
    if (zentral_) {
        switch (Ebene_) {
            case 1: Q.y = -Q.y; break;
            case 2: Q.x = -Q.x; break;
            default: Q.z = -Q.z; break;
        }
    } else {
        switch (Ebene_) {
            case 1: Q = {sx_ * P.x, -(k1_ * P.y), k2_ * P.z}; break;
            case 2: Q = {-(k1_ * P.x), sy_ * P.y, k2_ * P.z}; break;
            default: Q = {k1_ * P.x, sy_ * P.y, -(k2_ * P.z)}; break;
        }
    }
    T.P = Q;
    // The line from Q through the eye point, or along the projection
    // direction, cut with the picture plane (SchnittpunktGeradeEbene); in
    // central projection Q's distance from the eye point along the way.
    TVek_R3 d;
    if (zentral_) {
        d = {Aug_.x - Q.x, Aug_.y - Q.y, Aug_.z - Q.z};
        T.Abstand = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    } else {
        T.Abstand = 0;
        const TVek_R3 Q2{Q.x + R_.x, Q.y + R_.y, Q.z + R_.z};
        d = {Q2.x - Q.x, Q2.y - Q.y, Q2.z - Q.z};
    }
    if (schneiden_) {
        const Extended nenner = d.x * n_.x + d.y * n_.y + d.z * n_.z;
        if (!(std::fabs(nenner) < Toleranz)) {
            const TVek_R3 SP{S_.x - Q.x, S_.y - Q.y, S_.z - Q.z};
            const Extended t = (SP.x * n_.x + SP.y * n_.y + SP.z * n_.z) / nenner;
            Q = {Q.x + t * d.x, Q.y + t * d.y, Q.z + t * d.z};
        }
    }
    if (zentral_) {
        switch (Ebene_) {
            case 1:
                Q.x = sx_ * Q.x;
                Q.z = k2_ * Q.z;
                break;
            case 2:
                Q.y = sy_ * Q.y;
                Q.z = k2_ * Q.z;
                break;
            default:
                Q.y = sy_ * Q.y;
                Q.x = k2_ * Q.x;
                break;
        }
    }
    // BildAusEbene.
    switch (Ebene_) {
        case 1: B = {ox_ + Q.x, oy_ + Q.z}; break;
        case 2: B = {ox_ + Q.y, oy_ + Q.z}; break;
        default: B = {ox_ + Q.y, oy_ - Q.x}; break;
    }
    if (versatz_) {
        B.x -= V_.x;
        B.y -= V_.y;
    }
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

Bildgeradenseite Bildgeradenseite::Seite() {
    const TVek_R3& d = ProjRichtung;
    switch (ProjEbene) {
        case 1: return {1, d.y > Toleranz};
        case 2: return {0, !(d.x < -Toleranz)};
        case 3: return {2, !(d.z < -Toleranz)};
        default: return {-1, false};
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
