#include "view3d/Projektion.h"

#include <cmath>

#include "geometry/Geometrie.h"
#include "forms/Hauptfenster.h"
#include "scene/Objekte.h"
#include "scene/Ansicht.h"

namespace {

// P := where the line through P and Q meets the plane E; P stays when the
// line is (nearly) parallel to it. The tolerance of the cut keeps the
// quotient finite, so a nearly parallel line gives a far but finite point.
void AufEbeneSchneiden(TVek_R3& P, TVek_R3 Q, const TEbene& E) {
    bool ok = false;
    TVek_R3 X;
    SchnittpunktGeradeEbene(P, Q, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, ok, X);
    if (ok) P = X;
}

// The picture table shared by both projections.
void BildAusEbene(const TVek_R3& Q, TVek_R2& B) {
    const Extended ox = AchsenKreuz.UrsprungX + VerschiebungX;
    const Extended oy = AchsenKreuz.UrsprungY + VerschiebungY;
    switch (ProjEbene) {
        case 1:
            B.x = ox + Q.x;
            B.y = oy + Q.z;
            break;
        case 2:
            B.x = ox + Q.y;
            B.y = oy + Q.z;
            break;
        case 3:
            B.x = ox + Q.y;
            B.y = oy - Q.x;
            break;
        default:
            break;
    }
}

bool EbeneGueltig() { return ProjEbene >= 1 && ProjEbene <= 3; }

void ProjektionParallel(TVek_R3 P, TVek_R2& B, Extended sx, Extended sy, Extended sz) {
    if (!EbeneGueltig()) return;
    TVek_R3 Q = ParallelRahmen(P, sx, sy, sz);
    if (!ErsteAktivierung) {
        TVek_R3 Q2;
        VektSumme(Q, ProjRichtung, Q2);
        AufEbeneSchneiden(Q, Q2, ProjEbeneParallel);
    }
    BildAusEbene(Q, B);
}

void ProjektionZentral(TVek_R3 P, TVek_R2& B, Extended sx, Extended sy, Extended sz) {
    if (!EbeneGueltig()) return;
    TVek_R3 Q = ZentralRahmen(P);
    if (!ErsteAktivierung) AufEbeneSchneiden(Q, Augpunkt, ProjEbeneZentral);
    switch (ProjEbene) {
        case 1:
            Q.x = sx * Q.x;
            Q.z = sz * SkFz * Q.z;
            break;
        case 2:
            Q.y = sy * Q.y;
            Q.z = sz * SkFz * Q.z;
            break;
        case 3:
            Q.y = sy * Q.y;
            Q.x = sx * SkFz * Q.x;
            break;
    }
    BildAusEbene(Q, B);
    if (!AugpunktDurchgang && AugpunktMitte) {
        B.x -= UrsprungVersatz.x;
        B.y -= UrsprungVersatz.y;
    }
}

void UrsprungProjizieren(TVek_R2& B) {
    AugpunktDurchgang = true;
    BildpunktBerechnen(TVek_R3{}, B, MassstabX, MassstabY, MassstabZ);
    AugpunktDurchgang = false;
}

}  // namespace

TVek_R3 ParallelRahmen(TVek_R3 P, Extended sx, Extended sy, Extended sz) {
    switch (ProjEbene) {
        case 1: return {sx * P.x, -(sy * SkFy * P.y), sz * SkFz * P.z};
        case 2: return {-(sx * SkFy * P.x), sy * P.y, sz * SkFz * P.z};
        case 3: return {sx * SkFz * P.x, sy * P.y, -(sz * SkFy * P.z)};
        default: return P;
    }
}

TVek_R3 ZentralRahmen(TVek_R3 P) {
    switch (ProjEbene) {
        case 1: P.y = -P.y; break;
        case 2: P.x = -P.x; break;
        case 3: P.z = -P.z; break;
        default: break;
    }
    return P;
}

void BildpunktBerechnen(TVek_R3 P, TVek_R2& B, Extended sx, Extended sy, Extended sz) {
    if (Zentralprojektion)
        ProjektionZentral(P, B, sx, sy, sz);
    else
        ProjektionParallel(P, B, sx, sy, sz);
}

void MassstabSetzen() {
    // A half-length below 1 would divide by zero; the axes are at least 1 long.
    AchseXMax = AchsenHalbLaenge >= 1 ? AchsenHalbLaenge : 1;
    MassstabBasis = (static_cast<Extended>(BildSeite) / 2.0L) / (2.0L * AchseXMax);
    MassstabX = MassstabY = MassstabZ = MassstabBasis;
    Form_Edits_01.ScrollBar2.SetPosition(100);
    AchseYMax = AchseXMax;
    AchseZMax = AchseXMax;
    Pfeillaenge = static_cast<Extended>(AchseXMax) / 50.0L;
}

Extended BildY(const TFormZustand& Control, Extended y) {
    return static_cast<Extended>(Control.ClientHeight) - y;
}

Extended BildY(Extended y) { return BildY(Form_Edits_01, y); }

void UrsprungBildBerechnen() { UrsprungProjizieren(UrsprungBild); }

void UrsprungVersatzBerechnen() {
    if (ErsteAktivierung || !Zentralprojektion) return;
    UrsprungProjizieren(UrsprungBildZentral);
    VektorAB2D(UrsprungBild, UrsprungBildZentral, UrsprungVersatz);
}

void AchsenLaengeAnpassen(bool Neu, Extended Wert) {
    const Extended b = std::fabs(Wert);
    if (Neu || b > GroessteKoordinate) GroessteKoordinate = b;
    MassstabSetzen();
}
