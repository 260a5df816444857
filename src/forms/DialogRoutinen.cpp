#include "forms/DialogRoutinen.h"

#include "geometry/Geometrie.h"
#include "scene/Objekte.h"

bool EbeneKoordZuParam(Byte k) {
    TEbene& E = Ebene[k];
    return EbeneAusKoordinatenform(E.KoordA, E.KoordB, E.KoordC, E.KoordD, E.Stuetzvektor, E.Richtungsvektor1,
                                   E.Richtungsvektor2);
}
