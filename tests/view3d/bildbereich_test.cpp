// The part of the picture the scene's frame takes: it holds the axes, lies
// inside PaintBox1 and is cut to it when zoomed in.

#include <gtest/gtest.h>

#include "control/Programm.h"
#include "forms/Hauptfenster.h"
#include "scene/Ansicht.h"
#include "scene/Objekte.h"
#include "view3d/Bildbereich.h"
#include "view3d/Zeichnen.h"

TEST(Bildbereich, UmfasstAchsenUndBleibtImBild) {
    ProgrammStart();
    const TControl& B = Form_Edits_01.PaintBox1;
    const Rechteck r = GezeichneterBereich();
    ASSERT_FALSE(r.Leer());
    EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right() <= B.Width && r.Bottom() <= B.Height);
    EXPECT_LT(static_cast<long long>(r.Width) * r.Height, static_cast<long long>(B.Width) * B.Height);
    for (int i = 1; i <= 6; ++i) {
        const TVek_R2 p = BildpunktPixel(AchsenKreuz.Achsenpunkte[i]);
        EXPECT_TRUE(p.x >= r.Left && p.x <= r.Right() && p.y >= r.Top && p.y <= r.Bottom()) << i;
    }
    MassstabX *= 20;
    MassstabY *= 20;
    MassstabZ *= 20;
    EXPECT_EQ(GezeichneterBereich(), (Rechteck{0, 0, B.Width, B.Height}));
    Form_Edits_01.PaintBox1.Width = 0;
    EXPECT_TRUE(GezeichneterBereich().Leer());
}
