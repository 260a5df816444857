#pragma once
// Fixture of the picture tests: the real start scene drawn onto a recording
// canvas, with a scripted host; every call of the picture transfer counted.

#include <gtest/gtest.h>

#include <memory>

#include "geometry/Vektor.h"
#include "mainwindow/Programm.h"
#include "mainwindow/Schalter.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "view3d/Ansicht.h"
#include "view3d/VerdeckteLinien.h"
#include "view3d/Zeichnen.h"

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
        AchsenWuerfelZeigen = FluchtstreckenZeigen = ParamDarstellungZeigen = false;
    }

    // Pixel of a space point as the drawing rounds it.
    static TPoint Pixel(const TVek_R3& P) {
        const TVek_R2 p = BildpunktPixel(P);
        return {PixelRunden(p.x), PixelRunden(p.y)};
    }

    // Index of the first entry of the given kind from `ab` on (-1: none).
    int Erster(Art art, std::size_t ab = 0) const {
        for (std::size_t i = ab; i < bild.Eintraege.size(); ++i)
            if (bild.Eintraege[i].art == art) return static_cast<int>(i);
        return -1;
    }

private:
    std::unique_ptr<HostEinsetzen> hostEin_;
    std::unique_ptr<ZeichenbitmapEinsetzen> bildEin_;
};
