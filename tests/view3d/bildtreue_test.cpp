// The picture of fixed scenes must not change when the drawing path is made
// faster: every recorded canvas call (kind, points, pen, brush, font, text)
// of the start scene and of the scene with every object and frame extra on,
// in both kinds of projection, folded into one fingerprint each. A changed
// fingerprint means a changed picture; renew the numbers only for a change
// of the picture that is meant.
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

#include "forms/Schalter.h"
#include "view3d/Bildtest.h"
#include "view3d/Objektzeichnen.h"
#include "view3d/Schriftgroessen.h"

namespace {

class Fingerabdruck {
public:
    void Dazu(const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i) wert_ = (wert_ ^ b[i]) * 0x100000001B3ull;
    }
    void Zahl(long long v) { Dazu(&v, sizeof v); }
    std::uint64_t Wert() const { return wert_; }

private:
    std::uint64_t wert_ = 0xCBF29CE484222325ull;
};

std::uint64_t Abdruck(const ProtokollZeichenflaeche& bild) {
    Fingerabdruck f;
    for (const auto& e : bild.Eintraege) {
        f.Zahl(static_cast<int>(e.art));
        f.Zahl(static_cast<long long>(e.punkte.size()));
        for (const TPoint& p : e.punkte) {
            f.Zahl(p.X);
            f.Zahl(p.Y);
        }
        f.Zahl(e.pen.Color);
        f.Zahl(e.pen.Width);
        f.Zahl(e.pen.Style);
        f.Zahl(e.brush.Color);
        f.Zahl(e.brush.Style);
        f.Zahl(e.font.Height);
        f.Zahl(e.font.Color);
        f.Dazu(e.font.Name.data(), e.font.Name.size());
        f.Dazu(e.text.data(), e.text.size());
    }
    return f.Wert();
}

class Bildtreue : public Bildtest {
protected:
    // The redraw of the scene on a canvas of the benchmarks' size.
    std::uint64_t Zeichnen(bool alles, bool umschalten) {
        bild.GroesseSetzen(1024, 740);
        ProgrammStart();
        // The equations' layout follows the window, which the start leaves
        // as an earlier test may have set it.
        SchriftGroessenSetzen();
        if (alles) {
            for (int nr = 1; nr <= ObjektAnzahl; ++nr) ObjektSichtbar(nr) = 1;
            GitterZeigen = AchseneinteilungZeigen = AchsenwerteZeigen = ParamDarstellungZeigen = true;
        }
        if (umschalten) Zentralprojektion = !Zentralprojektion;
        bild.Leeren();
        SzeneZeichnen();
        anzahl = bild.Eintraege.size();
        return Abdruck(bild);
    }
    std::size_t anzahl = 0;
};

TEST_F(Bildtreue, FesteSzenenUnveraendert) {
    struct Fall {
        bool alles, umschalten;
        std::uint64_t abdruck;
    };
    // Start scene and all objects, each in its own and in the other projection.
    const Fall faelle[] = {{false, false, 3856848694100270593ull},
                           {false, true, 11756231333371381855ull},
                           {true, false, 10358016094489384020ull},
                           {true, true, 14107655919380492624ull}};
    for (const Fall& f : faelle) {
        EXPECT_EQ(Zeichnen(f.alles, f.umschalten), f.abdruck) << f.alles << f.umschalten << " " << anzahl;
    }
}

// The same for the segments the solids queue while hidden lines are on:
// every sphere, cone and parallelepiped of the all-objects scene, in queue
// order with their ends (all ten bytes of each coordinate), colour, style
// and width.
TEST_F(Bildtreue, KoerperReihenUnveraendert) {
    Zeichnen(true, false);
    Fingerabdruck f;
    int gesamt = 0;
    // Each solid alone: all four spheres together would pass the queue's limit.
    const auto reihe = [&](const std::function<void()>& zeichnen) {
        VerdeckteLinien = true;
        StreckenAnzahl = 0;
        zeichnen();
        ASSERT_TRUE(VerdeckteLinien);
        for (int i = 1; i <= StreckenAnzahl; ++i) {
            for (const TVek_R3* p : {&St[i].A, &St[i].B})
                for (const Extended* k : {&p->x, &p->y, &p->z}) f.Dazu(k, 10);
            f.Zahl(St[i].Farbe);
            f.Zahl(St[i].Linienstil);
            f.Zahl(St[i].Stiftbreite);
        }
        gesamt += StreckenAnzahl;
        VerdeckteLinien = false;
        StreckenAnzahl = 0;
    };
    for (TSpat& S : Spat) reihe([&S] { SpatZeichnen(S); });
    for (TKugel& K : Kugel) reihe([&K] { KugelZeichnen(K); });
    for (TKegel& K : Kegel) reihe([&K] { KegelZeichnen(K); });
    EXPECT_EQ(f.Wert(), 2395332716201213488ull) << gesamt;
}

}  // namespace
