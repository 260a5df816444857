// Where a window opens: inside the free area with its frame, beside what is
// open when there is room, cascaded when there is none, and off what should
// stay visible when it can be.

#include <gtest/gtest.h>

#include <vector>

#include "platform/Fensterplatz.h"

namespace {

const Rechteck Klein{0, 0, 800, 570};   // 800 x 600 less a panel at the bottom
const Rechteck Gross{0, 0, 1280, 994};

bool Innen(const Rechteck& r, const Rechteck& frei) {
    return r.Left >= frei.Left && r.Top >= frei.Top && r.Right() <= frei.Right() && r.Bottom() <= frei.Bottom();
}

TEST(Fensterplatz, BleibtMitRahmenImFreienBereich) {
    // A wish off every edge, a window larger than the area, an area that does
    // not start at the origin (a panel at the top or left).
    const Rechteck versetzt{60, 30, 740, 570};
    for (const Rechteck& frei : {Klein, Gross, versetzt}) {
        for (const auto& [x, y] : {std::pair{-500, -500}, {5000, 5000}, {-10, 4000}, {frei.Right() - 5, frei.Top}}) {
            const Rechteck r = FensterPlatz(frei, 400, 300, x, y, {});
            EXPECT_TRUE(Innen(r, frei)) << x << "," << y;
            EXPECT_EQ(r.Width, 400);
            EXPECT_EQ(r.Height, 300);
        }
        const Rechteck r = FensterPlatz(frei, 2000, 1500, 10, 10, {});
        EXPECT_EQ(r, frei);
    }
    // A free wish inside the area is kept as it is.
    EXPECT_EQ(FensterPlatz(Gross, 300, 200, 100, 120, {}), (Rechteck{100, 120, 300, 200}));
}

TEST(Fensterplatz, NebenDemOffenenStattDarueber) {
    // A report at the left edge; the tool window wants the middle, which
    // would cover the report's right part.
    const Rechteck bericht{0, 80, 400, 430};
    Rechteck r = FensterPlatz(Gross, 600, 400, 300, 300, {bericht});
    EXPECT_EQ(Ueberdeckung(r, bericht), 0);
    EXPECT_TRUE(Innen(r, Gross));
    EXPECT_EQ(r.Left, bericht.Right());  // right beside it, level with the wish
    EXPECT_EQ(r.Top, 300);

    // Two open windows: the third keeps clear of both.
    const Rechteck werkzeug = r;
    r = FensterPlatz(Gross, 500, 300, 300, 300, {bericht, werkzeug});
    EXPECT_EQ(Ueberdeckung(r, bericht), 0);
    EXPECT_EQ(Ueberdeckung(r, werkzeug), 0);
    EXPECT_TRUE(Innen(r, Gross));

    // A report at the left and a dialog at the right leave no room for a
    // wide window: it covers the least of them it can, no title bar.
    const Rechteck dialog{956, 222, 200, 325};
    const Rechteck links{0, 222, 385, 445};
    r = FensterPlatz(Gross, 1031, 384, 24, 246, {links, dialog});
    EXPECT_TRUE(Innen(r, Gross));
    for (const Rechteck& o : {links, dialog}) EXPECT_EQ(Ueberdeckung(r, {o.Left, o.Top, o.Width, TitelHoehe}), 0);
    EXPECT_LE(Ueberdeckung(r, links) + Ueberdeckung(r, dialog), 385LL * 57);  // the report's foot at most
}

TEST(Fensterplatz, OhneRaumKaskadiert) {
    // A window that fills the small screen: a smaller one goes below its
    // title bar, over as little of it as can be.
    const Rechteck voll{0, 0, 800, 570};
    Rechteck r = FensterPlatz(Klein, 600, 400, 100, 10, {voll});
    EXPECT_TRUE(Innen(r, Klein));
    EXPECT_GE(r.Top, TitelHoehe);
    // Windows too tall to miss its title bar: one step right and down of
    // the last, never exactly on one, always inside.
    std::vector<Rechteck> offen{voll};
    for (int i = 0; i < 8; ++i) {
        r = FensterPlatz(Klein, 600, 545, 100, 100, offen);
        EXPECT_TRUE(Innen(r, Klein)) << i;
        for (const Rechteck& o : offen) EXPECT_FALSE(o.Left == r.Left && o.Top == r.Top) << i;
        if (i == 0) EXPECT_EQ(r, (Rechteck{KaskadenSchritt, KaskadenSchritt, 600, 545}));
        offen.push_back(r);
    }
    // A strip to spare at the top (a menu bar): the cascade steps below it.
    const Rechteck leiste{0, 0, 800, 60};
    for (const int breite : {600, 790}) {
        r = FensterPlatz(Klein, breite, 350, 0, 0, {{0, 0, 800, 570}}, {leiste});
        EXPECT_EQ(Ueberdeckung(r, leiste), 0) << breite;
        EXPECT_TRUE(Innen(r, Klein)) << breite;
    }
}

TEST(Fensterplatz, SchontDasBildWoEsGeht) {
    // The drawn part of the picture in the middle of the small screen: a wide,
    // low window goes to the top or the bottom edge rather than over it.
    const Rechteck bild{150, 100, 450, 400};
    const Rechteck r = FensterPlatz(Klein, 780, 90, 0, 300, {}, {bild});
    EXPECT_TRUE(Innen(r, Klein));
    EXPECT_EQ(Ueberdeckung(r, bild), 0);
    // With open windows the picture counts only among the places that keep them clear.
    const Rechteck dialog{500, 0, 300, 570};
    const Rechteck s = FensterPlatz(Klein, 300, 200, 0, 200, {dialog}, {bild});
    EXPECT_EQ(Ueberdeckung(s, dialog), 0);
    EXPECT_LT(Ueberdeckung(s, bild), 300LL * 200);
}

}  // namespace
