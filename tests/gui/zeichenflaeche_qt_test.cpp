#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <set>

#include "QtTestAnwendung.h"
#include "gui/QtZeichenflaeche.h"

namespace {

constexpr TColor Weiss = 0x00FFFFFF, Rot = 0x000000FF, Gruen = 0x0000FF00, Blau = 0x00FF0000,
                 Gelb = 0x0000FFFF, Grau = 0x00C0C0C0, Schwarz = 0;

QRgb Rgb(TColor c) { return FarbeQt(c).rgb(); }

class QtZeichenflaecheTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestAnwendung();
        z.Brush = {Weiss, bsSolid};
        z.FillRect(0, 0, z.Width(), z.Height());
    }
    QRgb Pixel(int x, int y) { return z.Bild().pixel(x, y); }
    bool Ist(int x, int y, TColor c) { return Pixel(x, y) == Rgb(c); }

    QtZeichenflaeche z{240, 140};
};

}  // namespace

TEST_F(QtZeichenflaecheTest, LinienOhneKantenglaettung) {
    z.Pen = {Rot, 1, psSolid};
    z.MoveTo(10, 10);
    z.LineTo(100, 10);
    // Exactly red from the start to the pixel before the end point.
    for (int x = 10; x < 100; ++x) EXPECT_TRUE(Ist(x, 10, Rot)) << x;
    EXPECT_TRUE(Ist(100, 10, Weiss));
    EXPECT_TRUE(Ist(50, 9, Weiss));
    EXPECT_TRUE(Ist(50, 11, Weiss));
    EXPECT_EQ(z.PenPos, (TPoint{100, 10}));

    // A diagonal leaves only pure red pixels, one per column.
    z.MoveTo(10, 20);
    z.LineTo(60, 45);
    for (int x = 10; x < 60; ++x) {
        int rote = 0;
        for (int y = 15; y < 50; ++y) {
            const QRgb p = Pixel(x, y);
            EXPECT_TRUE(p == Rgb(Rot) || p == Rgb(Weiss)) << x << "," << y;
            rote += p == Rgb(Rot);
        }
        EXPECT_EQ(rote, 1) << x;
    }

    // Width 3 paints three rows; a dotted pen of width 1 leaves gaps, one of
    // width 3 paints solid.
    z.Pen = {Gruen, 3, psSolid};
    z.MoveTo(120, 40);
    z.LineTo(220, 40);
    EXPECT_TRUE(Ist(170, 39, Gruen) && Ist(170, 40, Gruen) && Ist(170, 41, Gruen));
    EXPECT_TRUE(Ist(170, 38, Weiss) && Ist(170, 42, Weiss));
    z.Pen = {Blau, 1, psDot};
    z.MoveTo(120, 60);
    z.LineTo(220, 60);
    int blau = 0;
    for (int x = 120; x < 220; ++x) blau += Ist(x, 60, Blau);
    EXPECT_GT(blau, 20);
    EXPECT_LT(blau, 80);
    z.Pen.Width = 3;
    z.MoveTo(120, 70);
    z.LineTo(220, 70);
    for (int x = 125; x < 215; ++x) EXPECT_TRUE(Ist(x, 70, Blau)) << x;

    // A clear pen paints nothing.
    z.Pen = {Schwarz, 1, psClear};
    z.MoveTo(10, 100);
    z.LineTo(100, 100);
    EXPECT_TRUE(Ist(50, 100, Weiss));
}

TEST_F(QtZeichenflaecheTest, FlaechenUndText) {
    z.Brush = {Gelb, bsSolid};
    z.FillRect(120, 10, 150, 30);
    EXPECT_TRUE(Ist(120, 10, Gelb));
    EXPECT_TRUE(Ist(149, 29, Gelb));
    EXPECT_TRUE(Ist(150, 20, Weiss));
    EXPECT_TRUE(Ist(130, 30, Weiss));

    // Filled polygon without outline, as the grid walls are drawn.
    z.Pen = {Schwarz, 1, psClear};
    z.Brush = {Blau, bsSolid};
    z.Polygon({{160, 10}, {230, 10}, {230, 50}, {160, 50}});
    EXPECT_TRUE(Ist(195, 30, Blau));
    EXPECT_TRUE(Ist(161, 11, Blau));
    EXPECT_TRUE(Ist(159, 30, Weiss));

    // A point mark: a filled circle with an outline, inside its corners.
    z.Pen = {Rot, 1, psSolid};
    z.Brush = {Gruen, bsSolid};
    z.Ellipse(20, 20, 41, 41);
    EXPECT_TRUE(Ist(30, 30, Gruen));
    EXPECT_TRUE(Ist(20, 30, Rot));
    EXPECT_TRUE(Ist(40, 30, Rot));
    EXPECT_TRUE(Ist(41, 30, Weiss));
    EXPECT_TRUE(Ist(21, 21, Weiss));

    // Text with its cell filled by the brush, upper-left corner at (x, y).
    z.Font.Height = -14;
    z.Font.Color = Schwarz;
    z.Brush = {Grau, bsSolid};
    const std::string text = "E1: x = 12,50";
    const int b = z.TextWidth(text), h = z.TextHeight(text);
    EXPECT_GT(b, 60);
    EXPECT_GE(h, 14);
    EXPECT_LE(h, 20);
    z.TextOut(10, 80, text);
    EXPECT_EQ(z.PenPos, (TPoint{10 + b, 80}));
    int schwarz = 0, grau = 0, fremd = 0;
    for (int y = 70; y < 110; ++y)
        for (int x = 0; x < 120 && x < z.Width(); ++x) {
            const bool innen = x >= 10 && x < 10 + b && y >= 80 && y < 80 + h;
            const QRgb p = Pixel(x, y);
            if (p == Rgb(Schwarz)) (innen ? schwarz : fremd)++;
            else if (p == Rgb(Grau)) (innen ? grau : fremd)++;
            else if (p != Rgb(Weiss)) fremd++;  // no blended text pixels
        }
    EXPECT_GT(schwarz, 30);
    EXPECT_GT(grau, b * h / 2);
    EXPECT_EQ(fremd, 0);
    EXPECT_TRUE(Ist(10, 80, Grau));
    EXPECT_TRUE(Ist(9, 80, Weiss));

    // With a clear brush the text cell keeps what was there.
    z.Brush.Style = bsClear;
    z.TextOut(10, 110, "0");
    EXPECT_TRUE(Ist(10, 110, Weiss));

    // A few pens next to the fills, and the picture for a look (also 4x).
    z.Pen = {Rot, 1, psSolid};
    z.MoveTo(130, 70);
    z.LineTo(230, 130);
    z.Pen = {Blau, 1, psDot};
    z.MoveTo(130, 90);
    z.LineTo(230, 90);
    z.Pen = {Gruen, 3, psDot};
    z.MoveTo(130, 110);
    z.LineTo(230, 110);
    const QImage& bild = z.Bild();
    EXPECT_TRUE(bild.save(QDir::current().filePath(QStringLiteral("zeichenflaeche_test.png"))));
    EXPECT_TRUE(bild.scaled(bild.size() * 4).save(QDir::current().filePath(QStringLiteral("zeichenflaeche_test_4x.png"))));
}

TEST_F(QtZeichenflaecheTest, FerneStreckeUndGroesse) {
    // A segment to 1e30 is clipped first and drawn like its visible part.
    z.Pen = {Rot, 1, psSolid};
    z.StreckeR2({20, 20}, {1e30L, 20});
    for (int x = 20; x < z.Width(); ++x) ASSERT_TRUE(Ist(x, 20, Rot)) << x;
    z.StreckeR2({20, 30}, {std::numeric_limits<Extended>::quiet_NaN(), 30});
    EXPECT_TRUE(Ist(25, 30, Weiss));

    // Enlarging keeps the picture; the new part is white.
    z.GroesseSetzen(300, 150);
    EXPECT_EQ(z.Width(), 300);
    EXPECT_EQ(z.Height(), 150);
    EXPECT_TRUE(Ist(100, 20, Rot));
    EXPECT_TRUE(Ist(260, 20, Weiss));
    EXPECT_EQ(z.Bild().format(), QImage::Format_RGB32);

    // An empty picture takes drawing calls without painting.
    z.GroesseSetzen(0, 0);
    z.MoveTo(0, 0);
    z.LineTo(10, 10);
    z.TextOut(1, 1, "x");
    EXPECT_TRUE(z.Bild().isNull());
}

TEST_F(QtZeichenflaecheTest, SchrifthoeheWieDieKlassenbibliothek) {
    // Negative: character height; positive: whole cell, so smaller letters.
    z.Font.Height = -20;
    const int zelleNegativ = z.TextHeight("x");
    const int breiteNegativ = z.TextWidth("Ebene");
    z.Font.Height = 20;
    EXPECT_LE(z.TextHeight("x"), 20);
    EXPECT_LT(z.TextWidth("Ebene"), breiteNegativ);
    EXPECT_GT(zelleNegativ, 20);
    EXPECT_EQ(z.SchriftQt().family(), QStringLiteral("DejaVu Sans"));
}

// Lines drawn back and forth between more pens than the canvas keeps made:
// each row shows its own pen's colour and width, whichever pens gave way.
TEST_F(QtZeichenflaecheTest, VieleStifteImWechsel) {
    constexpr int Stifte = 21;
    const auto farbe = [](int k) { return static_cast<TColor>(0x00102030 + 0x000B0705 * k); };
    for (int runde = 0; runde < 3; ++runde)
        for (int k = 0; k < Stifte; ++k) {
            // Every other round in the opposite order, so old pens come back.
            const int s = runde % 2 ? Stifte - 1 - k : k;
            z.Pen = {farbe(s), s % 3 == 0 ? 3 : 1, psSolid};
            z.MoveTo(20 + 60 * runde, 5 + 6 * s);
            z.LineTo(70 + 60 * runde, 5 + 6 * s);
        }
    for (int runde = 0; runde < 3; ++runde)
        for (int s = 0; s < Stifte; ++s) {
            const int y = 5 + 6 * s, x = 40 + 60 * runde;
            EXPECT_TRUE(Ist(x, y, farbe(s))) << runde << ", " << s;
            EXPECT_EQ(Ist(x, y + 1, farbe(s)), s % 3 == 0) << runde << ", " << s;
        }
}
