#pragma once
// What the main window's projection handlers share: their messages, the
// test of the eye point against the central picture plane, and the one
// coordinate of a point by its number.

#include <cmath>
#include <string>

#include "geometry/Geometrie.h"
#include "geometry/Vektor.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"
#include "scene/Ansicht.h"

inline constexpr const char* FluchtpunktMeldung =
    "Der Fluchtpunkt darf nicht in der\nProjektionsebene liegen!";
inline constexpr const char* RichtungsMeldung =
    "Die Projektionsrichtung kann nicht durch den\nNullvektor dargestellt werden\n"
    "oder parallel zur Projektionsebene\nverlaufen!";
inline constexpr const char* FaktorMeldung = "Geben Sie bitte nur Zahlen z mit\n0 < z <= 3     ein!";

// The central projection divides by the eye point's distance from its
// picture plane: no state may leave it there.
inline bool AugpunktInProjektionsebene() {
    TVek_R3 F;
    const Extended a = AbstandPunktEbene(Augpunkt, ProjEbeneZentral.Stuetzvektor,
                                         ProjEbeneZentral.Richtungsvektor1,
                                         ProjEbeneZentral.Richtungsvektor2, F);
    return std::fabs(a) < Toleranz;
}

// k 1..3: x, y, z of P.
inline Extended& Koordinate(TVek_R3& P, int k) { return k == 1 ? P.x : k == 2 ? P.y : P.z; }
inline Extended Koordinate(const TVek_R3& P, int k) { return k == 1 ? P.x : k == 2 ? P.y : P.z; }

// The coordinate of the dropped axis of picture plane Ebene (1 x,z: y;
// 2 y,z: x; 3 x,y: z), 0 for any other plane.
inline int WeggelasseneAchse(Byte Ebene) { return Ebene == 1 ? 2 : Ebene == 2 ? 1 : Ebene == 3 ? 3 : 0; }

// The picture-plane shift is stored in the projection's mirrored frame;
// Panel_VerschProjEb shows where the plane lies on the scene's axis, so its
// hint's sign ("(-): ... vor der x,z-Ebene") holds. 0 - k: never "-0".
inline std::string VerschiebungText(Extended k) { return ZahlAllgemein(0 - k); }
