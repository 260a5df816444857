#include "tools/Objektwerte.h"

#include <cmath>

#include "forms/DialogRoutinen.h"
#include "geometry/Einheitsvektoren.h"
#include "geometry/Geometrie.h"
#include "scene/Objekte.h"

namespace {

const TVek_R3 Ursprung{};

TVek_R3 Achse(int a) { return a == 1 ? EinhVekX : a == 2 ? EinhVekY : EinhVekZ; }
const char* AchsenName(int a) { return a == 1 ? "x" : a == 2 ? "y" : "z"; }

// A value that exists only when the scene's flag says so.
TWert WennVorhanden(Byte vorhanden, TVek_R3 v, std::string Meldung) {
    return vorhanden == 1 ? Vektorwert(v) : KeinWert(std::move(Meldung));
}

// The perpendicular from P onto the plane e: its foot F, the distance.
Extended LotAufEbene(TVek_R3 P, const TEbene& E, TVek_R3& F) {
    return AbstandPunktEbene(P, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, F);
}

// Distance of P from the line through S along R, and the foot of the
// perpendicular from P onto it.
TWert GeradenAbstand(TVek_R3 P, TVek_R3 S, TVek_R3 R) {
    TVek_R3 F;
    return Laengenwert(AbstandPunktGerade(P, S, R, F));
}
TWert GeradenLot(TVek_R3 P, TVek_R3 S, TVek_R3 R) {
    TVek_R3 F;
    AbstandPunktGerade(P, S, R, F);
    return Vektorwert(F);
}

// The same for the plane e.
TWert EbenenAbstand(TVek_R3 P, int e) {
    TVek_R3 F;
    return Laengenwert(LotAufEbene(P, Ebene[e], F));
}
TWert EbenenLot(TVek_R3 P, int e) {
    TVek_R3 F;
    LotAufEbene(P, Ebene[e], F);
    return Vektorwert(F);
}

// What a circle value delivers: the centre or normal as a vector, the radius as a length.
TWert Kreiswert(TKreiswert w, TVek_R3 Mitte, Extended r, TVek_R3 Normale) {
    switch (w) {
        case TKreiswert::Mittelpunkt: return Vektorwert(Mitte);
        case TKreiswert::Radius: return Laengenwert(r);
        case TKreiswert::Normale: break;
    }
    return Vektorwert(Normale);
}

// E3 from its coordinate form: parameter form and normal u × w.
void E3AusKoordinaten(Extended A, Extended B, Extended C, Extended D, TVek_R3& Normale) {
    TEbene& E = Ebene_E3;
    E.KoordA = A;
    E.KoordB = B;
    E.KoordC = C;
    E.KoordD = D;
    EbeneKoordZuParam(3);
    Vektorprodukt(E.Richtungsvektor1, E.Richtungsvektor2, Normale);
}

}  // namespace

std::string Objektname(const char* Art, int Nr) { return Art + std::to_string(Nr); }

// ---- Lines --------------------------------------------------------------------------------

TWert GeradenStuetzvektor(int n) { return Vektorwert(Gerade[n].Stuetzvektor); }
TWert GeradenRichtungsvektor(int n) { return Vektorwert(Gerade[n].Richtungsvektor); }

TWert Spurpunkt(int n, int Ebene) {
    const TGerade& L = Gerade[n];
    const std::string Text = "Der Spurpunkt von " + Geradenname(n) + " mit der " +
                             (Ebene == 1 ? "x,y" : Ebene == 2 ? "x,z" : "y,z") + "-Ebene existiert nicht!";
    if (Ebene == 1) return WennVorhanden(L.SpurpunktXYvorhanden, L.SpurpunktXY, Text);
    if (Ebene == 2) return WennVorhanden(L.SpurpunktXZvorhanden, L.SpurpunktXZ, Text);
    return WennVorhanden(L.SpurpunktYZvorhanden, L.SpurpunktYZ, Text);
}

TWert GeradeAbstandUrsprung(int n) {
    return GeradenAbstand(Ursprung, Gerade[n].Stuetzvektor, Gerade[n].Richtungsvektor);
}
TWert GeradeLotUrsprung(int n) { return GeradenLot(Ursprung, Gerade[n].Stuetzvektor, Gerade[n].Richtungsvektor); }

TWert Durchstosspunkt(int n, int e) {
    const TEbene& E = Ebene[e];
    const std::string Text =
        "Der Durchstoßpunkt von " + Geradenname(n) + " mit " + Objektname("E", e) + " existiert nicht!";
    if (n == 1) return WennVorhanden(E.DurchstosspunktGvorhanden, E.DurchstosspunktG, Text);
    if (n == 2) return WennVorhanden(E.DurchstosspunktHvorhanden, E.DurchstosspunktH, Text);
    return WennVorhanden(E.DurchstosspunktTvorhanden, E.DurchstosspunktT, Text);
}

// ---- Planes -------------------------------------------------------------------------------

TWert EbenenStuetzvektor(int e) { return Vektorwert(Ebene[e].Stuetzvektor); }
TWert EbenenRichtungsvektor(int e, int k) {
    return Vektorwert(k == 1 ? Ebene[e].Richtungsvektor1 : Ebene[e].Richtungsvektor2);
}
TWert EbenenNormalenvektor(int e) { return Vektorwert(Ebene[e].Normalenvektor); }

TWert AchseDurchstoss(int e, int a) {
    const TEbene& E = Ebene[e];
    bool ok = false;
    TVek_R3 X;
    SchnittpunktGeradeEbene(Ursprung, Achse(a), E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, ok, X);
    if (!ok)
        return KeinWert(std::string("Der Durchstoßpunkt der ") + AchsenName(a) + "-Achse mit " + Objektname("E", e) +
                        " existiert nicht!");
    return Vektorwert(X);
}

TWert AchseAbstand(int e, int a) {
    const TEbene& E = Ebene[e];
    Byte Lage = 0;
    LageAchseEbene(Ursprung, Achse(a), E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, Lage);
    // An axis that pierces the plane or lies in it has the distance 0.
    if (Lage != 1) return Laengenwert(0);
    return EbenenAbstand(Ursprung, e);
}

TWert EbeneAbstandUrsprung(int e) { return EbenenAbstand(Ursprung, e); }
TWert EbeneLotUrsprung(int e) { return EbenenLot(Ursprung, e); }

// ---- Points -------------------------------------------------------------------------------

TWert PunktOrt(int k) { return Vektorwert(Punkt[k].Ort); }
TWert PunktAbstandUrsprung(int k) { return Laengenwert(AbstandPunktPunkt(Ursprung, Punkt[k].Ort)); }

TWert PunktAchseAbstand(int k, int a) { return GeradenAbstand(Punkt[k].Ort, Ursprung, Achse(a)); }
TWert PunktAchseLot(int k, int a) { return GeradenLot(Punkt[k].Ort, Ursprung, Achse(a)); }
TWert PunktGeradeAbstand(int k, int n) {
    return GeradenAbstand(Punkt[k].Ort, Gerade[n].Stuetzvektor, Gerade[n].Richtungsvektor);
}
TWert PunktGeradeLot(int k, int n) {
    return GeradenLot(Punkt[k].Ort, Gerade[n].Stuetzvektor, Gerade[n].Richtungsvektor);
}
TWert PunktEbeneAbstand(int k, int e) { return EbenenAbstand(Punkt[k].Ort, e); }
TWert PunktEbeneLot(int k, int e) { return EbenenLot(Punkt[k].Ort, e); }

TWert PunktKugelAbstand(int k, int i) { return Laengenwert(AbstandPunktPunkt(Punkt[k].Ort, Kugel[i].Mittelpunkt)); }

// ---- What the other objects hold ------------------------------------------------------------

TWert SpatEcke(int s, int Ecke) { return Vektorwert(Spat[s].Ecke[Ecke]); }
TWert SpatKante(int s, int Kante) {
    const TSpat& S = Spat[s];
    return Vektorwert(Kante == 1 ? S.AB : Kante == 2 ? S.AD : S.AE);
}
TWert VektorAnfang(int v) { return Vektorwert(Vektor[v].Anfangspunkt); }
TWert VektorKomponenten(int v) { return Vektorwert(Vektor[v].Vektor); }
TWert VektorLaenge(int v) { return Laengenwert(Betrag(Vektor[v].Vektor)); }
TWert StreckenEnde(int s, int Ende) { return Vektorwert(Ende == 1 ? Strecke[s].A : Strecke[s].B); }
TWert KugelMittelpunkt(int i) { return Vektorwert(Kugel[i].Mittelpunkt); }
TWert KugelRadius(int i) { return Laengenwert(Kugel[i].Radius); }

TWert Kegelwert(int k, TKegelwert w) {
    const TKegel& K = Kegel[k];
    switch (w) {
        case TKegelwert::Mittelpunkt: return Vektorwert(K.Mittelpunkt);
        case TKegelwert::Radius: return Laengenwert(K.Radius);
        case TKegelwert::Hoehe: return Laengenwert(K.Hoehe);
        case TKegelwert::Mantellinie: return Laengenwert(K.Mantellinie);
        case TKegelwert::Normale: break;
    }
    return Vektorwert(K.Normalenvektor);
}

// ---- Line and sphere -------------------------------------------------------------------------

TWert GeradeKugelSchnittpunkt(int n, int i, int Welcher) {
    const TGerade& L = Gerade[n];
    const TKugel& K = Kugel[i];
    Byte Anzahl = 0;
    TVek_R3 S1, S2;
    const std::string Paar = Geradenname(n) + " hat ";
    if (!SchnittGeradeKugel(K.Mittelpunkt, L.Stuetzvektor, L.Richtungsvektor, K.Radius, Anzahl, S1, S2))
        return KeinWert(Paar + "keinen gemeinsamen Punkt mit " + Objektname("K", i));
    if (Welcher == 1) return Vektorwert(S1);
    if (Anzahl < 2) return KeinWert(Paar + "nur einen Berührpunkt mit " + Objektname("K", i));
    return Vektorwert(S2);
}

// ---- Sphere and plane --------------------------------------------------------------------------

TWert KugelEbeneAbstand(int i, int e) { return EbenenAbstand(Kugel[i].Mittelpunkt, e); }

TWert KugelEbeneBeruehrpunkt(int i, int e) {
    TVek_R3 F;
    const Extended d = LotAufEbene(Kugel[i].Mittelpunkt, Ebene[e], F);
    if (std::fabs(d - Kugel[i].Radius) < Toleranz) return Vektorwert(F);
    return KeinWert("Ein Berührpunkt zwischen " + Objektname("K", i) + " und " + Objektname("E", e) + " existiert nicht.");
}

TWert KugelEbeneKreis(int i, int e, TKreiswert w) {
    const TKugel& K = Kugel[i];
    const TEbene& E = Ebene[e];
    TVek_R3 F;
    const Extended d = LotAufEbene(K.Mittelpunkt, E, F);
    // A touching plane gives a point, no circle.
    if (std::fabs(d - K.Radius) < Toleranz || d > K.Radius + Toleranz)
        return KeinWert("Ein Schnittkreis zwischen " + Objektname("K", i) + " und " + Objektname("E", e) + " existiert nicht.");
    TVek_R3 n;
    Vektorprodukt(E.Richtungsvektor1, E.Richtungsvektor2, n);
    const Extended r = SchnittkreisRadius(K.Mittelpunkt, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, K.Radius);
    return Kreiswert(w, F, r, n);
}

// ---- Two spheres ---------------------------------------------------------------------------------

void SchnittkreisZweierKugeln(int i, int j, Extended& r, TVek_R3& Mitte, TVek_R3& Normale) {
    const TKugel& Ki = Kugel[i];
    const TKugel& Kj = Kugel[j];
    Extended ai, bi, ci, di, aj, bj, cj, dj, A, B, C, D;
    GeradeKugelKoeffizienten(Ki.Mittelpunkt, Ki.Radius, ai, bi, ci, di);
    GeradeKugelKoeffizienten(Kj.Mittelpunkt, Kj.Radius, aj, bj, cj, dj);
    VektorDifferenzen(ai, bi, ci, di, aj, bj, cj, dj, A, B, C, D);
    E3AusKoordinaten(A, B, C, D, Normale);
    const TEbene& E = Ebene_E3;
    AbstandPunktEbene(Ki.Mittelpunkt, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, Mitte);
    r = SchnittkreisRadius(Ki.Mittelpunkt, E.Stuetzvektor, E.Richtungsvektor1, E.Richtungsvektor2, Ki.Radius);
}

TWert KugelKugelKreis(int i, int j, TKreiswert w) {
    const TKugel& Ki = Kugel[i];
    const TKugel& Kj = Kugel[j];
    const Extended Abstand = AbstandPunktPunkt(Ki.Mittelpunkt, Kj.Mittelpunkt);
    // Apart or touching from outside; inside, touching from inside or concentric.
    if (Abstand >= Ki.Radius + Kj.Radius - Toleranz || Abstand <= std::fabs(Ki.Radius - Kj.Radius) + Toleranz)
        return KeinWert(Objektname("K", i) + " und " + Objektname("K", j) + " haben keinen Schnittkreis.");
    Extended r = 0;
    TVek_R3 Mitte, Normale;
    SchnittkreisZweierKugeln(i, j, r, Mitte, Normale);
    return Kreiswert(w, Mitte, r, Normale);
}

TWert KugelKugelBeruehrpunkt(int i, int j) {
    const TKugel& Ki = Kugel[i];
    const TKugel& Kj = Kugel[j];
    const Extended Abstand = AbstandPunktPunkt(Ki.Mittelpunkt, Kj.Mittelpunkt);
    const Extended Differenz = std::fabs(Ki.Radius - Kj.Radius);
    TVek_R3 T;
    if (std::fabs(Abstand - (Ki.Radius + Kj.Radius)) < Toleranz) {
        PunktImAbstand(Ki.Mittelpunkt, Kj.Mittelpunkt, Ki.Radius, T);
        return Vektorwert(T);
    }
    // Touching from inside: the point lies on the line of the centres, on
    // the side of the smaller sphere's centre seen from the larger one's.
    if (Differenz >= Toleranz && std::fabs(Abstand - Differenz) < Toleranz) {
        PunktImAbstand(Ki.Mittelpunkt, Kj.Mittelpunkt, Ki.Radius > Kj.Radius ? Ki.Radius : -Ki.Radius, T);
        return Vektorwert(T);
    }
    return KeinWert(Objektname("K", i) + " und " + Objektname("K", j) + " haben keinen Berührpunkt.");
}

// ---- Polar plane -------------------------------------------------------------------------------------

void PolarebeneBerechnen(TVek_R3 P, TVek_R3 M, Extended r, Extended& Radius, TVek_R3& S, TVek_R3& u,
                         TVek_R3& w, TVek_R3& Mitte) {
    TVek_R3 MP, Normale;
    VektorAB(M, P, MP);
    E3AusKoordinaten(MP.x, MP.y, MP.z, -Skalarprodukt(MP, M) - r * r, Normale);
    const TEbene& E = Ebene_E3;
    S = E.Stuetzvektor;
    u = E.Richtungsvektor1;
    w = E.Richtungsvektor2;
    AbstandPunktEbene(M, S, u, w, Mitte);
    Radius = SchnittkreisRadius(M, S, u, w, r);
}

TWert Polarkreis(int k, int i, TKreiswert w) {
    const TVek_R3 P = Punkt[k].Ort;
    const TKugel& K = Kugel[i];
    if (AbstandPunktPunkt(K.Mittelpunkt, P) - K.Radius <= Toleranz)
        return KeinWert("Der Punkt liegt nicht außerhalb der Kugel!");
    Extended r = 0;
    TVek_R3 S, u, v, Mitte, Normale;
    PolarebeneBerechnen(P, K.Mittelpunkt, K.Radius, r, S, u, v, Mitte);
    Vektorprodukt(u, v, Normale);
    return Kreiswert(w, Mitte, r, Normale);
}
