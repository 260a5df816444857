// The projection of the hidden-line pass's ends, made for many points of one
// view at once, against the projection and the depth frame made point by
// point: the pass and the plain comparison must see the same bits.

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "geometry/Geometrie.h"
#include "scene/Ansicht.h"
#include "view3d/Bildtest.h"
#include "view3d/Projektion.h"
#include "view3d/Tiefenordnung.h"

namespace {

// The same value, sign of zero included; NaN as NaN.
bool Gleich(Extended a, Extended b) {
    if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
    return a == b && std::signbit(a) == std::signbit(b);
}

class EndenProjektionTest : public Bildtest {
protected:
    std::mt19937 z{17};
    Extended Zahl(Extended lo, Extended hi) {
        const Extended x = lo + (hi - lo) * std::uniform_real_distribution<double>(0, 1)(z);
        return Los(30) ? std::round(x * 4) / 4 : x;
    }
    bool Los(int vonHundert) { return std::uniform_int_distribution<int>(1, 100)(z) <= vonHundert; }
    TVek_R3 Punkt(Extended r) { return {Zahl(-r, r), Zahl(-r, r), Zahl(-r, r)}; }

    void Sicht() {
        ProjEbene = static_cast<Byte>(std::uniform_int_distribution<int>(Los(3) ? 0 : 1, 3)(z));
        Zentralprojektion = Los(50);
        ErsteAktivierung = Los(15);
        AugpunktMitte = Los(50);
        AugpunktDurchgang = Los(10);
        for (TEbene* E : {&ProjEbeneZentral, &ProjEbeneParallel}) {
            // Mostly the plane of the axes, sometimes any plane.
            const bool schief = Los(20);
            E->Stuetzvektor = schief ? Punkt(5) : TVek_R3{};
            E->Richtungsvektor1 = schief ? Punkt(2) : ProjEbene == 2 ? TVek_R3{0, 1, 0} : TVek_R3{1, 0, 0};
            E->Richtungsvektor2 = schief ? Punkt(2) : ProjEbene == 3 ? TVek_R3{0, 1, 0} : TVek_R3{0, 0, 1};
        }
        Augpunkt = Punkt(40);
        // Sometimes along the picture plane, where the cut is refused.
        ProjRichtung = Los(15) ? ProjEbeneParallel.Richtungsvektor1 : Punkt(1);
        MassstabX = Zahl(4, 60);
        MassstabY = Los(70) ? MassstabX : Zahl(4, 60);
        MassstabZ = Los(70) ? MassstabX : Zahl(4, 60);
        SkFy = Los(60) ? 1 : Zahl(0.5L, 2);
        SkFz = Los(60) ? 1 : Zahl(0.5L, 2);
        AchsenKreuz.UrsprungX = Zahl(0, 500);
        AchsenKreuz.UrsprungY = Zahl(0, 500);
        VerschiebungX = Zahl(-150, 150);
        VerschiebungY = Zahl(-150, 150);
        UrsprungVersatz = {Zahl(-30, 30), Zahl(-30, 30)};
    }
};

TEST_F(EndenProjektionTest, WieBildpunktUndTiefenendeEinzeln) {
    // Random views: both projections, all planes (and none), before the
    // first activation, the origin held or not, planes not through the
    // origin, projection directions along the plane; points anywhere, at the
    // eye point, with signed zeros, far out, not finite.
    for (int sicht = 0; sicht < 400; ++sicht) {
        Sicht();
        const EndenProjektion projektion(Zentralprojektion);
        for (int k = 0; k < 60; ++k) {
            TVek_R3 P = Punkt(k % 10 == 0 ? 1e6L : 12);
            if (k % 7 == 1) P = ZentralRahmen(Augpunkt);
            if (k % 11 == 2) P = {-0.0L, 0.0L, -0.0L};
            if (k % 13 == 3) P.x = k % 2 ? std::numeric_limits<Extended>::infinity() : 1e4000L;
            if (k % 17 == 4) P.z = std::numeric_limits<Extended>::quiet_NaN();
            TVek_R2 B1{-1, -1}, B2{-1, -1};
            Tiefenende T1, T2;
            ProjiziereBildpunkt(P, B1, MassstabX, MassstabY, MassstabZ);
            T1 = TiefenendeBerechnen(P, Zentralprojektion);
            projektion(P, B2, T2);
            const std::string wo = std::to_string(sicht) + ", " + std::to_string(k);
            ASSERT_TRUE(Gleich(B1.x, B2.x) && Gleich(B1.y, B2.y)) << wo;
            ASSERT_TRUE(Gleich(T1.P.x, T2.P.x) && Gleich(T1.P.y, T2.P.y) && Gleich(T1.P.z, T2.P.z)) << wo;
            ASSERT_TRUE(Gleich(T1.Abstand, T2.Abstand)) << wo;
        }
    }
}

}  // namespace
