// The main window's answer to the places its front hands over: what is
// recomputed, sized and drawn, and what is left alone.

#include "Hauptfenstertest.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "scene/Ansicht.h"
#include "view3d/Schriftgroessen.h"

namespace {

class Layout : public Hauptfenstertest {
protected:
    ProtokollZeichenflaeche bild{824, 740};
    ZeichenbitmapEinsetzen bildEin{bild};

    // A client area laid out as the front does it: the top panels across,
    // the side panels below them, the picture between.
    static TForm_Edits_01::TLayout Orte(int breite, int hoehe, int links = 170, int rechts = 200) {
        TForm_Edits_01::TLayout L;
        L.ClientWidth = breite;
        L.ClientHeight = hoehe;
        L.Panel_oben = {0, 0, breite, 34};
        L.Panel_oben_a = {0, 34, breite, 30};
        L.Panel_links = {0, 64, links, hoehe - 64};
        L.Panel_rechts = {breite - rechts, 64, rechts, hoehe - 64};
        L.PaintBox1 = {links, 64, breite - links - rechts, hoehe - 64};
        return L;
    }
};

TEST_F(Layout, NeueClientflaecheRechnetZeichnetEinmal) {
    Zentralprojektion = false;
    F.LayoutGeaendert(Orte(1024, 740));  // the start places
    bilder = 0;
    // The same places again: nothing to do, nothing drawn.
    EXPECT_FALSE(F.LayoutGeaendert(Orte(1024, 740)));
    EXPECT_EQ(bilder, 0);

    // The small screen: side, origin, canvas, fonts and scale follow, one picture.
    const Extended altBasis = MassstabBasis;
    const Extended altLinks = GleichungHLinks;
    EXPECT_TRUE(F.LayoutGeaendert(Orte(796, 540)));
    EXPECT_EQ(F.ClientWidth, 796);
    EXPECT_EQ(BildSeite, 426);  // 796 - 170 - 200 is narrower than 540
    EXPECT_EQ(AchsenKreuz.UrsprungX, 213.0L);
    EXPECT_EQ(bild.Width(), 426);
    EXPECT_EQ(bild.Height(), 476);
    EXPECT_EQ(F.PaintBox1.Left, 170);
    EXPECT_EQ(F.Panel_rechts.Left, 596);
    EXPECT_LT(MassstabBasis, altBasis);
    EXPECT_LT(GleichungHLinks, altLinks);
    EXPECT_EQ(bilder, 1);
}

TEST_F(Layout, NurDasBildVerschobenOderVerborgenesPanel) {
    F.LayoutGeaendert(Orte(1024, 740));
    bilder = 0;
    const int seite = BildSeite;
    const Extended basis = MassstabBasis;

    // The client area stays, the picture narrows (a wider right panel): the
    // canvas follows and the picture is drawn anew, the side and scale stay.
    EXPECT_TRUE(F.LayoutGeaendert(Orte(1024, 740, 170, 260)));
    EXPECT_EQ(bild.Width(), 594);
    EXPECT_EQ(BildSeite, seite);
    EXPECT_EQ(MassstabBasis, basis);
    EXPECT_EQ(bilder, 1);

    // A hidden panel keeps the place it had; the picture takes its room.
    F.Panel_links.Visible = false;
    TForm_Edits_01::TLayout L = Orte(1024, 740, 170, 260);
    L.Panel_links = {0, 0, 0, 0};
    L.PaintBox1 = {0, 64, 764, 676};
    EXPECT_TRUE(F.LayoutGeaendert(L));
    EXPECT_EQ(F.Panel_links.Width, 170);
    EXPECT_EQ(bild.Width(), 764);

    // A canvas sized elsewhere is sized back to the picture even when no place changed.
    bild.GroesseSetzen(10, 10);
    EXPECT_TRUE(F.LayoutGeaendert(L));
    EXPECT_EQ(bild.Width(), 764);
    EXPECT_EQ(bild.Height(), 676);
}

TEST_F(Layout, VorDerErstenAktivierungWirdNichtGezeichnet) {
    ErsteAktivierung = true;
    bilder = 0;
    const Extended basis = MassstabBasis;
    EXPECT_TRUE(F.LayoutGeaendert(Orte(800, 570)));
    EXPECT_EQ(bild.Width(), 430);
    EXPECT_EQ(MassstabBasis, basis);  // the first activation sets the scale
    EXPECT_EQ(bilder, 0);
    ErsteAktivierung = false;
}

}  // namespace
