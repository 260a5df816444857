// Where a window opens: inside the free area with its frame, beside what is
// open when there is room, over as little as can be when there is none, and
// off what should stay visible when it can be.

#include <gtest/gtest.h>

#include <vector>

#include "platform/Fensterplatz.h"

namespace {

const Rechteck Klein{0, 0, 800, 570};  // 800 x 600 less a panel at the bottom
const Rechteck Gross{0, 0, 1280, 994};

bool Innen(const Rechteck& r, const Rechteck& frei) {
    return r.Left >= frei.Left && r.Top >= frei.Top && r.Right() <= frei.Right() && r.Bottom() <= frei.Bottom();
}

TEST(Fensterplatz, BleibtMitRahmenImFreienBereich) {
    // Wishes off every edge, an area that does not start at the origin.
    for (const Rechteck& frei : {Klein, Rechteck{60, 30, 740, 570}}) {
        for (const auto& [x, y] : {std::pair{-500, -500}, {5000, 5000}, {frei.Right() - 5, frei.Top}}) {
            const Rechteck r = FensterPlatz(frei, 400, 300, x, y, {});
            EXPECT_TRUE(Innen(r, frei) && r.Width == 400 && r.Height == 300) << x << "," << y;
        }
        EXPECT_EQ(FensterPlatz(frei, 2000, 1500, 10, 10, {}), frei);  // cut to the area
    }
    EXPECT_EQ(FensterPlatz(Gross, 300, 200, 100, 120, {}), (Rechteck{100, 120, 300, 200}));
}

TEST(Fensterplatz, NebenDemOffenenSonstMoeglichstWenigDarueber) {
    // A report at the left edge: the window that wants the middle goes right
    // beside it, level with its wish.
    const Rechteck bericht{0, 80, 400, 430};
    Rechteck r = FensterPlatz(Gross, 600, 400, 300, 300, {bericht});
    EXPECT_EQ(r, (Rechteck{400, 300, 600, 400}));

    // A report at the left and a dialog at the right leave no room for a
    // wide window: it covers the least of them it can, no title bar.
    const Rechteck links{0, 222, 385, 445}, dialog{956, 222, 200, 325};
    r = FensterPlatz(Gross, 1031, 384, 24, 246, {links, dialog});
    EXPECT_TRUE(Innen(r, Gross));
    for (const Rechteck& o : {links, dialog}) EXPECT_EQ(Ueberdeckung(r, {o.Left, o.Top, o.Width, TitelHoehe}), 0);
    EXPECT_LE(Ueberdeckung(r, links) + Ueberdeckung(r, dialog), 385LL * 57);  // the report's foot at most
}

TEST(Fensterplatz, OhneRaumKaskadiert) {
    // Windows too tall to miss the title bar of one that fills the screen:
    // one step right and down of the last, never exactly on one, inside.
    std::vector<Rechteck> offen{{0, 0, 800, 570}};
    for (int i = 0; i < 8; ++i) {
        const Rechteck r = FensterPlatz(Klein, 600, 545, 100, 100, offen);
        EXPECT_TRUE(Innen(r, Klein)) << i;
        for (const Rechteck& o : offen) EXPECT_FALSE(o.Left == r.Left && o.Top == r.Top) << i;
        if (i == 0) {
            EXPECT_EQ(r, (Rechteck{KaskadenSchritt, KaskadenSchritt, 600, 545}));
        }
        offen.push_back(r);
    }
}

TEST(Fensterplatz, SchontWasSichtbarBleibenSoll) {
    // The drawn picture in the middle: a wide, low window goes above or below it.
    const Rechteck bild{150, 100, 450, 400};
    EXPECT_EQ(Ueberdeckung(FensterPlatz(Klein, 780, 90, 0, 300, {}, {bild}), bild), 0);
    // A menu strip at the top of a full screen: a window goes below it.
    const Rechteck leiste{0, 0, 800, 60};
    for (const int breite : {600, 790})
        EXPECT_EQ(Ueberdeckung(FensterPlatz(Klein, breite, 350, 0, 0, {{0, 0, 800, 570}}, {leiste}), leiste), 0)
            << breite;
}

}  // namespace
