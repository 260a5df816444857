// The main window's answer to the places its front hands over: what is
// recomputed, sized and drawn, and what is left alone.

#include "Hauptfenstertest.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "scene/Ansicht.h"

namespace {

class Layout : public Hauptfenstertest {
protected:
    ProtokollZeichenflaeche bild{824, 740};
    ZeichenbitmapEinsetzen bildEin{bild};

    // The top panels across, the side panels below them, the picture between.
    static TForm_Edits_01::TLayout Orte(int breite, int hoehe, int rechts = 200) {
        const int links = 170;
        return {breite, hoehe, {0, 0, breite, 34}, {0, 34, breite, 30}, {0, 64, links, hoehe - 64},
                {breite - rechts, 64, rechts, hoehe - 64}, {links, 64, breite - links - rechts, hoehe - 64}};
    }
};

TEST_F(Layout, NurWasSichGeaendertHatWirdGerechnetUndGezeichnet) {
    F.LayoutGeaendert(Orte(1024, 740));
    bilder = 0;
    EXPECT_FALSE(F.LayoutGeaendert(Orte(1024, 740)));  // the same places: nothing
    EXPECT_EQ(bilder, 0);

    // A smaller client area: side, canvas and scale follow, one picture.
    const Extended basis = MassstabBasis;
    EXPECT_TRUE(F.LayoutGeaendert(Orte(796, 540)));
    EXPECT_EQ(BildSeite, 426);  // 796 - 170 - 200 is narrower than 540
    EXPECT_TRUE(bild.Width() == 426 && bild.Height() == 476);
    EXPECT_LT(MassstabBasis, basis);
    EXPECT_EQ(bilder, 1);

    // Only the picture narrows: canvas and picture follow, side and scale stay.
    const Extended basis2 = MassstabBasis;
    EXPECT_TRUE(F.LayoutGeaendert(Orte(796, 540, 260)));
    EXPECT_EQ(bild.Width(), 366);
    EXPECT_EQ(BildSeite, 426);
    EXPECT_EQ(MassstabBasis, basis2);
    EXPECT_EQ(bilder, 2);

    // A hidden panel keeps its place; a canvas sized elsewhere is sized back.
    F.Panel_links.Visible = false;
    TForm_Edits_01::TLayout L = Orte(796, 540, 260);
    L.Panel_links = {};
    bild.GroesseSetzen(10, 10);
    EXPECT_TRUE(F.LayoutGeaendert(L));
    EXPECT_EQ(F.Panel_links.Width, 170);
    EXPECT_EQ(bild.Width(), 366);

    // Before the first activation nothing is drawn and the scale waits for it.
    ErsteAktivierung = true;
    EXPECT_TRUE(F.LayoutGeaendert(Orte(1024, 740)));
    EXPECT_EQ(MassstabBasis, basis2);
    EXPECT_EQ(bilder, 3);
    ErsteAktivierung = false;
}

}  // namespace
