// The preset colour sets of the menu (F2 to F6): set 1 is the start
// colours, each set reaches the objects, the colour variables the objects
// are rebuilt from, and the colour panels.

#include "Hauptfenstertest.h"
#include "control/Farbsets.h"
#include "scene/Datensatz.h"
#include "view3d/Szene.h"

namespace {

using Farbvorgaben = Hauptfenstertest;

TEST_F(Farbvorgaben, SatzEinsSindDieStartfarbenJederSatzWirdAngewandt) {
    FarbsetSichern();
    FarbsetSichern2();
    EXPECT_EQ(Farbsets[0], Farbsets[1]);
    EXPECT_EQ(Farbsets2[0], Farbsets2[1]);
    for (int n = 1; n <= 5; ++n) {
        const auto& f = Farbsets[n].Farben;
        // Nothing is drawn in the background colour; the top byte stays 0.
        for (int k = 1; k <= 30; ++k) {
            EXPECT_EQ(f[k] >> 24, 0u);
            if (k != 8 && k != 10) {
                EXPECT_NE(f[k], f[8]) << n << " " << k;
            }
        }
        for (int m = 1; m < n; ++m) EXPECT_NE(Farbsets[n], Farbsets[m]);
    }

    F.Farbset4.Click();
    const auto& f = Farbsets[4].Farben;
    EXPECT_EQ(FarbeHintergrund, 0x00000000u);       // high contrast on black
    EXPECT_EQ(Spat[3].Farbe, f[13]);
    EXPECT_EQ(Fadenkreuz.Farbe, Farbsets2[4].FadenkreuzFarbe);
    EXPECT_EQ(F.Pan_Farbe_P2.Color, f[24]);
    EXPECT_EQ(F.Pan_Farbe_Ke3.Color, Farbsets2[4].KegelFarbe[3]);
    EXPECT_FALSE(F.FarbSet1.Checked);
    EXPECT_TRUE(F.Farbset4.Checked);
    // A recompute keeps the set: lines, planes, sg and axes are rebuilt
    // from the colour variables.
    SzeneNeuBerechnen();
    EXPECT_EQ(Gerade[1].Farbe, f[1]);
    EXPECT_EQ(Ebene[2].Farbe, f[5]);
    EXPECT_EQ(Gerade_sg.Farbe, f[6]);
    EXPECT_EQ(AchsenKreuz.Farbe, f[9]);

    F.FarbSet1.Click();
    FarbsetSichern();
    EXPECT_EQ(Farbsets[0], Farbsets[1]);
    EXPECT_TRUE(F.FarbSet1.Checked);
    EXPECT_FALSE(F.Farbset4.Checked);
}

}  // namespace
