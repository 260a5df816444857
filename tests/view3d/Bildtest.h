#pragma once
// Helpers of the view3d tests: point comparisons, and the fixture of the
// picture tests (the real start scene drawn onto a recording canvas, with a
// scripted host; every call of the picture transfer counted).

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "forms/EbEinstell.h"
#include "forms/EbenKoord.h"
#include "forms/Ebenen.h"
#include "geometry/Vektor.h"
#include "control/Programm.h"
#include "forms/Schalter.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "scene/Ansicht.h"
#include "view3d/VerdeckteLinien.h"
#include "view3d/Zeichnen.h"

// |a - b| summed over the coordinates at most eps.
inline ::testing::AssertionResult Nahe(const TVek_R3& a, const TVek_R3& b, long double eps = 1e-12L) {
    if (std::fabs(a.x - b.x) + std::fabs(a.y - b.y) + std::fabs(a.z - b.z) <= eps)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << static_cast<double>(a.x) << ", " << static_cast<double>(a.y)
                                         << ", " << static_cast<double>(a.z) << ") vs (" << static_cast<double>(b.x)
                                         << ", " << static_cast<double>(b.y) << ", " << static_cast<double>(b.z) << ")";
}
inline ::testing::AssertionResult NahePunkt(const TVek_R3& P, Extended x, Extended y, Extended z,
                                            long double eps = 1e-12L) {
    return Nahe(P, {x, y, z}, eps);
}
// ErwartePunkt(P, x, y, z[, eps]): the failure names the caller's line.
#define ErwartePunkt(P, ...) EXPECT_TRUE(NahePunkt((P), __VA_ARGS__))

inline bool Endlich(const TVek_R3& P) { return std::isfinite(P.x) && std::isfinite(P.y) && std::isfinite(P.z); }

// Lines and planes computed alone: an empty scene, axes of half-length 8.
class Linienrechnung : public ::testing::Test {
protected:
    void SetUp() override {
        AnsichtNullen();
        SzeneObjekteNullen();
        AchseXMax = AchseYMax = AchseZMax = 8;
        Pfeillaenge = 8.0L / 50;
        Form_EbEinstell.ScrollBar1.SetPositionStill(10);
        AktEbene = 1;
        EbenKoordQuelle = false;
    }
    static void SetzeGerade(int i, TVek_R3 A, TVek_R3 u) {
        Gerade[i].Stuetzvektor = A;
        Gerade[i].Richtungsvektor = u;
        GeradeBerechnen(Gerade[i]);
    }
    static void SetzeEbene(int i, TVek_R3 S, TVek_R3 u, TVek_R3 v) {
        Ebene[i].Stuetzvektor = S;
        Ebene[i].Richtungsvektor1 = u;
        Ebene[i].Richtungsvektor2 = v;
    }
};

class Bildtest : public ::testing::Test {
protected:
    using Art = ProtokollZeichenflaeche::Art;

    SkriptHost host;
    ProtokollZeichenflaeche bild{824, 740};
    int uebertragungen = 0;

    void SetUp() override {
        hostEin_ = std::make_unique<HostEinsetzen>(host);
        bildEin_ = std::make_unique<ZeichenbitmapEinsetzen>(bild);
        ProgrammStart();
        BildUebertragen = [this] { ++uebertragungen; };
        bild.Leeren();
        host.Vergessen();
    }
    void TearDown() override {
        BildUebertragen = nullptr;
        VerdeckteLinienNullen();
        bildEin_.reset();
        hostEin_.reset();
    }

    // No object visible and every frame switch off.
    static void AllesAus() {
        for (int i = 1; i <= ObjektAnzahl; ++i) ObjektSichtbar(i) = 0;
        Drehachse.sichtbar = 0;
        GitterZeigen = AchsenZeigen = AchseneinteilungZeigen = AchsenwerteZeigen = false;
        AchsenWuerfelZeigen = FluchtstreckenZeigen = ParamDarstellungZeigen = SchnittgeradeZeigen = false;
    }

    // Pixel of a space point as the drawing rounds it.
    static TPoint Pixel(const TVek_R3& P) {
        const TVek_R2 p = BildpunktPixel(P);
        return {PixelRunden(p.x), PixelRunden(p.y)};
    }

    // Index of the first (-1: none) and of the last entry of the given kind.
    int Erster(Art art) const {
        for (std::size_t i = 0; i < bild.Eintraege.size(); ++i)
            if (bild.Eintraege[i].art == art) return static_cast<int>(i);
        return -1;
    }
    int Letzter(Art art) const {
        for (std::size_t i = bild.Eintraege.size(); i-- > 0;)
            if (bild.Eintraege[i].art == art) return static_cast<int>(i);
        return -1;
    }

private:
    std::unique_ptr<HostEinsetzen> hostEin_;
    std::unique_ptr<ZeichenbitmapEinsetzen> bildEin_;
};
