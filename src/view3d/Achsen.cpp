#include "view3d/Achsen.h"

#include "forms/Schalter.h"
#include "scene/Ansicht.h"

void AKreuzBerechnen(TAKreuz& K) {
    const Extended X = AchseXMax, Y = AchseYMax, Z = AchseZMax;
    const Extended L = Pfeillaenge;
    const TVek_R3 p[27] = {
        // axes
        {-X, 0, 0}, {X, 0, 0}, {0, -Y, 0}, {0, Y, 0}, {0, 0, -Z}, {0, 0, Z},
        // arrow heads: barb, tip, barb; x and z in the x,z-plane, y in the y,z-plane
        {X - 2 * L, 0, -2 * L}, {X, 0, 0}, {X - 2 * L, 0, 2 * L},
        {0, Y - 2 * L, -2 * L}, {0, Y, 0}, {0, Y - 2 * L, 2 * L},
        {-2 * L, 0, Z - 2 * L}, {0, 0, Z}, {2 * L, 0, Z - 2 * L},
        // letter x: two crossing strokes 16-17, 18-19
        {X + 2 * L, 0, 2 * L}, {X + 5 * L, 0, -2 * L}, {X + 5 * L, 0, 2 * L}, {X + 2 * L, 0, -2 * L},
        // letter y: 20-21 short stroke, 22-23 long stroke
        {0, Y + 2 * L, 2 * L}, {0, Y + 3.5L * L, 0}, {0, Y + 5 * L, 2 * L}, {0, Y + 2 * L, -2 * L},
        // letter z: top 24-25, diagonal 25-26, bottom 26-27
        {-2 * L, 0, Z + 5 * L}, {2 * L, 0, Z + 5 * L}, {-2 * L, 0, Z + 2 * L}, {2 * L, 0, Z + 2 * L},
    };
    for (int i = 1; i <= 27; ++i) K.Achsenpunkte[i] = p[i - 1];
    K.Farbe = FarbeAchsen;
    K.Linienstil = 0;
}

void AchseneinteilungenBerechnen(TAchseneinteilungen& E) {
    const Extended sx = 2.0L * AchseXMax / 8.0L;
    const Extended sy = 2.0L * AchseYMax / 8.0L;
    const Extended sz = 2.0L * AchseZMax / 8.0L;
    const Extended L = Pfeillaenge;
    for (int i = 1; i <= 8; ++i) {
        const Extended m = i <= 4 ? -i : i - 4;
        E.XStrichAnfang[i] = {m * sx, 0, L};
        E.XStrichEnde[i] = {m * sx, 0, -L};
        E.YStrichAnfang[i] = {0, m * sy, -L};
        E.YStrichEnde[i] = {0, m * sy, L};
        E.ZStrichAnfang[i] = {-L, 0, m * sz};
        E.ZStrichEnde[i] = {L, 0, m * sz};
    }
}
