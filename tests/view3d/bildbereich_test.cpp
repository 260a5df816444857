// The part of the picture the scene's frame takes: it holds the origin and
// the axes, lies inside PaintBox1 and follows the zoom.

#include <gtest/gtest.h>

#include "control/Programm.h"
#include "forms/Hauptfenster.h"
#include "scene/Ansicht.h"
#include "scene/Objekte.h"
#include "view3d/Bildbereich.h"
#include "view3d/Zeichnen.h"

namespace {

class Bildbereich : public ::testing::Test {
protected:
    void SetUp() override { ProgrammStart(); }
    static bool Enthaelt(const Rechteck& r, const TVek_R2& p) {
        return p.x >= r.Left && p.x <= r.Right() && p.y >= r.Top && p.y <= r.Bottom();
    }
};

TEST_F(Bildbereich, UmfasstAchsenUndBleibtImBild) {
    const TControl& B = Form_Edits_01.PaintBox1;
    const Rechteck r = GezeichneterBereich();
    ASSERT_FALSE(r.Leer());
    EXPECT_GE(r.Left, 0);
    EXPECT_GE(r.Top, 0);
    EXPECT_LE(r.Right(), B.Width);
    EXPECT_LE(r.Bottom(), B.Height);
    for (int i = 1; i <= 6; ++i) EXPECT_TRUE(Enthaelt(r, BildpunktPixel(AchsenKreuz.Achsenpunkte[i]))) << i;
    // The frame does not fill the whole start picture: there is room beside it.
    EXPECT_LT(static_cast<long long>(r.Width) * r.Height, static_cast<long long>(B.Width) * B.Height);

    // Zoomed far in, the frame is cut to the picture.
    MassstabX *= 20;
    MassstabY *= 20;
    MassstabZ *= 20;
    EXPECT_EQ(GezeichneterBereich(), (Rechteck{0, 0, B.Width, B.Height}));
    // No picture yet: nothing.
    Form_Edits_01.PaintBox1.Width = 0;
    EXPECT_TRUE(GezeichneterBereich().Leer());
}

}  // namespace
