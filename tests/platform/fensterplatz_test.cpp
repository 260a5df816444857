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

// How much of a window at r the windows in oben cover: of its title bar
// and of its fields.
long long TitelVerdeckt(const Rechteck& r, int titel, const std::vector<Rechteck>& oben) {
    long long d = 0;
    for (const Rechteck& o : oben) d += Ueberdeckung({r.Left, r.Top, r.Width, titel}, o);
    return d;
}
long long FelderVerdeckt(const Rechteck& r, const std::vector<Rechteck>& felder, const std::vector<Rechteck>& oben) {
    long long d = 0;
    for (const Rechteck& t : felder)
        for (const Rechteck& o : oben) d += Ueberdeckung({r.Left + t.Left, r.Top + t.Top, t.Width, t.Height}, o);
    return d;
}

TEST(Fensterplatz, GewoehnlichNichtUnterDenFensternObenAuf) {
    // The big screen with the report at the left and four tool windows
    // over the middle and the foot: the vector product, which wants the
    // middle of the main window, opens in the one gap they leave.
    Fensterlage lage;
    lage.Oben = {{0, 85, 389, 600}, {240, 100, 1040, 380}, {236, 240, 580, 520}, {0, 780, 370, 214},
                 {370, 760, 600, 234}};
    const std::vector<Rechteck> felder{{20, 60, 300, 90}};
    EXPECT_EQ(GewoehnlicherFensterPlatz(Gross, 440, 280, 360, 360, 30, felder, lage), (Rechteck{816, 480, 440, 280}));

    // Clear of them all, it moves off the undo buttons as well where there
    // is room; where there is none, the windows on top come first.
    lage = {};
    lage.Freihalten = {{1180, 950, 60, 30}};
    EXPECT_EQ(GewoehnlicherFensterPlatz(Gross, 400, 300, 1000, 700, 30, {}, lage), (Rechteck{880, 650, 400, 300}));
    lage.Oben = {{0, 0, 1280, 650}};
    Rechteck r = GewoehnlicherFensterPlatz(Gross, 400, 340, 1000, 700, 30, {}, lage);
    EXPECT_EQ(Ueberdeckung(r, lage.Oben[0]) + Ueberdeckung(r, lage.Freihalten[0]), 0);
    r = GewoehnlicherFensterPlatz(Gross, 1280, 344, 0, 700, 30, {}, lage);
    EXPECT_EQ(r, (Rechteck{0, 650, 1280, 344}));
}

TEST(Fensterplatz, OhneRaumBleibenTitelUndFelderSichtbar) {
    // The small screen with a report at the left and a tool window beside
    // it: the calculator cannot miss both, but its title bar and fields
    // stay out from under them, and the least of it goes under.
    Fensterlage lage;
    lage.Oben = {{0, 85, 389, 427}, {389, 273, 372, 222}};
    const std::vector<Rechteck> felder{{10, 40, 380, 60}};
    Rechteck r = GewoehnlicherFensterPlatz(Klein, 400, 300, 100, 100, 26, felder, lage);
    EXPECT_EQ(r, (Rechteck{400, 0, 400, 300}));
    EXPECT_EQ(TitelVerdeckt(r, 26, lage.Oben) + FelderVerdeckt(r, felder, lage.Oben), 0);

    // Where hiding the least of it would hide its title bar, the title bar
    // stays in sight.
    lage.Oben = {{0, 0, 800, 200}, {0, 470, 800, 100}};
    r = GewoehnlicherFensterPlatz(Klein, 400, 300, 0, 0, 26, felder, lage);
    EXPECT_EQ(TitelVerdeckt(r, 26, lage.Oben) + FelderVerdeckt(r, felder, lage.Oben), 0);
    EXPECT_EQ(r.Top, 200);

    // A window too wide to stand beside the report: its title bar stays in
    // sight, so that it can be moved, and as many of its fields as can be.
    lage.Oben = {{0, 103, 387, 448}};
    const std::vector<Rechteck> spalten{{21, 50, 104, 74}, {153, 50, 104, 74}, {285, 50, 104, 74}};
    r = GewoehnlicherFensterPlatz(Klein, 735, 325, 33, 150, 20, spalten, lage);
    EXPECT_EQ(TitelVerdeckt(r, 20, lage.Oben), 0);
    EXPECT_EQ(r, (Rechteck{65, 0, 735, 325}));

    // Larger than the screen: cut to it.
    EXPECT_EQ(GewoehnlicherFensterPlatz(Klein, 900, 700, 50, 50, 26, felder, {}), Klein);
}

}  // namespace
