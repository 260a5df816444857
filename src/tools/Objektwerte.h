#pragma once
// The values the object-data calculator picks from the live scene: what the
// objects hold (support and direction vectors, corners, centres, radii,
// trace and piercing points) and what follows from two of them (distances,
// feet of perpendiculars, intersection and touching points, section
// circles, polar circles). Each is read or computed at the moment it is
// asked for. A value that does not exist comes back as the message that
// says so. Only the sphere-sphere circles and the polar values write the
// scratch plane E3; nothing writes a drawn object.

#include <string>

#include "geometry/Vektor.h"

// One picked value: a vector or point, a length, or none with its message.
struct TWert {
    enum class Art : Byte { Vektor, Laenge, Keiner };
    Art art = Art::Keiner;
    TVek_R3 v;
    Extended l = 0;
    std::string Meldung;
};
inline TWert Vektorwert(TVek_R3 v) { return {TWert::Art::Vektor, v, 0, {}}; }
inline TWert Laengenwert(Extended l) { return {TWert::Art::Laenge, {}, l, {}}; }
inline TWert KeinWert(std::string Meldung) { return {TWert::Art::Keiner, {}, 0, std::move(Meldung)}; }

// Names in captions and messages ("E1", "P3", "K2"); the lines are named by
// Geradenname.
std::string Objektname(const char* Art, int Nr);

// ---- Lines g, h, t (n = 1..3) ----------------------------------------------------------
TWert GeradenStuetzvektor(int n);
TWert GeradenRichtungsvektor(int n);
// Trace point with the x,y- (Ebene 1), x,z- (2) or y,z-plane (3).
TWert Spurpunkt(int n, int Ebene);
TWert GeradeAbstandUrsprung(int n);
TWert GeradeLotUrsprung(int n);
// Piercing point of line n with plane e (1, 2), as the scene keeps it.
TWert Durchstosspunkt(int n, int e);

// ---- Planes E1, E2 (e = 1, 2) ----------------------------------------------------------
TWert EbenenStuetzvektor(int e);
TWert EbenenRichtungsvektor(int e, int k);  // k = 1, 2
TWert EbenenNormalenvektor(int e);          // the normal the plane holds now
// Piercing point of the x- (Achse 1), y- (2) or z-axis (3), and the
// distance of that axis from the plane.
TWert AchseDurchstoss(int e, int Achse);
TWert AchseAbstand(int e, int Achse);
TWert EbeneAbstandUrsprung(int e);
TWert EbeneLotUrsprung(int e);

// ---- Points P1..P4 (k = 1..4) ------------------------------------------------------------
TWert PunktOrt(int k);
TWert PunktAbstandUrsprung(int k);
TWert PunktAchseAbstand(int k, int Achse);
TWert PunktAchseLot(int k, int Achse);
TWert PunktGeradeAbstand(int k, int n);
TWert PunktGeradeLot(int k, int n);
TWert PunktEbeneAbstand(int k, int e);
TWert PunktEbeneLot(int k, int e);
TWert PunktKugelAbstand(int k, int i);  // from the centre of Ki

// ---- What the other objects hold -----------------------------------------------------------
TWert SpatEcke(int s, int Ecke);    // Ecke 1..8 = A..H
TWert SpatKante(int s, int Kante);  // 1 AB, 2 AD, 3 AE
TWert VektorAnfang(int v);
TWert VektorKomponenten(int v);
TWert VektorLaenge(int v);
TWert StreckenEnde(int s, int Ende);  // 1 A, 2 B
TWert KugelMittelpunkt(int i);
TWert KugelRadius(int i);
enum class TKegelwert { Mittelpunkt, Radius, Hoehe, Mantellinie, Normale };
TWert Kegelwert(int k, TKegelwert w);

// ---- Line and sphere -----------------------------------------------------------------------
// The first (Welcher 1) or second (2) intersection point of line n with Ki.
TWert GeradeKugelSchnittpunkt(int n, int i, int Welcher);

// ---- Circles: of a sphere and a plane, of two spheres, the polar circle ----------------------
enum class TKreiswert { Mittelpunkt, Radius, Normale };
TWert KugelEbeneAbstand(int i, int e);  // of the centre
TWert KugelEbeneBeruehrpunkt(int i, int e);
TWert KugelEbeneKreis(int i, int e, TKreiswert w);
TWert KugelKugelKreis(int i, int j, TKreiswert w);  // writes E3 (the radical plane)
TWert KugelKugelBeruehrpunkt(int i, int j);          // also when touching from inside
TWert Polarkreis(int k, int i, TKreiswert w);       // of Pk and Ki; writes E3

// The section circle of the spheres i and j through their radical plane,
// which goes into E3. Only for spheres that cut each other in a circle.
void SchnittkreisZweierKugeln(int i, int j, Extended& r, TVek_R3& Mitte, TVek_R3& Normale);
// The polar plane of P with respect to the sphere (M, r) into E3, its
// parameter form, and centre and radius of the polar circle. Only for P
// outside the sphere.
void PolarebeneBerechnen(TVek_R3 P, TVek_R3 M, Extended r, Extended& Radius, TVek_R3& S, TVek_R3& u,
                         TVek_R3& w, TVek_R3& Mitte);

// The message of the sphere menus' plane entry.
inline constexpr const char* KugelEbenenHinweis = "s. unter 'E1 - Kugeln' bzw. 'E2 - Kugeln'!";

// Shows the message of a value that does not exist, or delivers the value:
// a vector or point through VektorAusgeben, a length through LaengeAusgeben.
void Liefern(const TWert& w);
