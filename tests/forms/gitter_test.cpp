// Coordinates into and out of the object grids: the one text rule, the cell
// the user is typing in, and the exact values kept behind cells while a
// stored scene is rebuilt.

#include <gtest/gtest.h>

#include "forms/Gitter.h"
#include "geometry/Eingabe.h"

namespace {

Extended Gelesen(const char* text) {
    Extended v = 0;
    EXPECT_TRUE(ZelleLesen(text, v)) << text;
    return v;
}

TEST(ZellText, DreiDezimalenNurWennSieDenWertTragen) {
    EXPECT_EQ(ZellText(0.5L), "0,500");
    EXPECT_EQ(ZellText(-12), "-12,000");
    // Typed with more decimals: three would make 0,0001 a null coordinate.
    EXPECT_EQ(ZellText(Gelesen("0,0001")), "0,0001");
    EXPECT_EQ(ZellText(Gelesen("-123,45678")), "-123,45678");
    // Only a computation gives these: no text of the cell holds them.
    EXPECT_EQ(ZellText(1.0L / 3), "0,333");
    EXPECT_EQ(ZellText(-2.0L / 3), "-0,667");
    // A negative zero is a zero, not "-0".
    EXPECT_EQ(ZellText(-0.0L), "0,000");
}

TEST(SpalteSchreiben, LaesstDieZelleInBearbeitungNurAufWunsch) {
    TStringGrid G;
    G.Groesse(2, 4);
    G.Col = 1;
    G.Row = 2;
    G.Bearbeitung = true;
    G.Cells(1, 2) = "7,";
    SpalteSchreiben(G, 1, 1, {1, 2, Gelesen("0,0001")});
    EXPECT_EQ(G.Cells(1, 1), "1,000");
    EXPECT_EQ(G.Cells(1, 2), "7,");
    EXPECT_EQ(G.Cells(1, 3), "0,0001");
    SpalteSchreiben(G, 1, 1, {1, 2, 3}, BearbeiteteZelle::Ueberschreiben);
    EXPECT_EQ(G.Cells(1, 2), "2,000");
}

TEST(SpalteSchreiben, GemerkteWerteGeltenNurBeimWiederaufbau) {
    TStringGrid G;
    G.Groesse(2, 4);
    const TVek_R3 genau{1.0L / 3, -2.0L / 3, 1.0L / 7};
    TVek_R3 v;
    {
        const GespeicherteZellwerte merken;
        SpalteSchreiben(G, 0, 1, genau);
        ASSERT_TRUE(SpalteLesen(G, 0, 1, v));
        EXPECT_EQ(v, genau);
        // A cell typed over reads as its text.
        G.Cells(0, 2) = "5";
        ASSERT_TRUE(SpalteLesen(G, 0, 1, v));
        EXPECT_EQ(v, (TVek_R3{genau.x, 5, genau.z}));

        // The cell being typed in keeps the typing, but the rebuild reads
        // what was written for it, and so does the edit when it ends.
        G.Col = 1;
        G.Row = 1;
        G.Bearbeitung = true;
        G.Cells(1, 1) = "4";
        SpalteSchreiben(G, 1, 1, genau);
        EXPECT_EQ(G.Cells(1, 1), "4");
        EXPECT_EQ(G.Geschrieben, genau.x);
        ASSERT_TRUE(SpalteLesen(G, 1, 1, v));
        EXPECT_EQ(v, genau);
    }
    // Once the rebuild is over, every cell reads as its text.
    ASSERT_TRUE(SpalteLesen(G, 0, 1, v));
    EXPECT_EQ(v, (TVek_R3{Gelesen("0,333"), 5, Gelesen("0,143")}));
    // A cell that holds no number fails the column and leaves v alone.
    G.Cells(0, 3) = "x";
    const TVek_R3 vorher = v;
    EXPECT_FALSE(SpalteLesen(G, 0, 1, v));
    EXPECT_EQ(v, vorher);
}

}  // namespace
