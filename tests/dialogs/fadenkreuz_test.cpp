// The crosshair dialog: its grid, the move buttons that shift the centre by
// the step through the whole apply chain, and the step field.

#include "Tippen.h"
#include "forms/Fadenkreuz.h"
#include "scene/Ansicht.h"

namespace {

class FadenkreuzDialog : public Dialogtest {
protected:
    TForm_Fadenkreuz& D = Form_Fadenkreuz;
    TStringGrid& G = Form_Fadenkreuz.StringGrid1;  // centre (2, 2, 2)

    // The user types into the step field and leaves it.
    void SchrittEingeben(const std::string& Text) {
        Tasten(Text, "", [this](char k) { return D.Edit1KeyPress(k); },
               [this](const std::string& t) {
                   D.Edit1.SetText(t);
                   return D.Edit1.Text();
               },
               [] { return false; });
        D.Edit1Exit();
    }
};

TEST_F(FadenkreuzDialog, VerschiebeknoepfeLaufenDurchDieKette) {
    const int undo = UndoAnzahl;
    D.But_Xplus.Click();
    EXPECT_EQ(G.Cells(0, 1), "2,100");
    EXPECT_EQ(Fadenkreuz.Mittelpunkt.x, 2.1L);
    EXPECT_EQ(Fadenkreuz.ArmAnfang[3].x, -static_cast<Extended>(AchseXMax));
    EXPECT_EQ(Fadenkreuz.ArmAnfang[3].y, 2.0L);
    EXPECT_EQ(Fadenkreuz.ArmEnde[1].x, 2.1L);  // the z arm moved along
    EXPECT_EQ(UndoAnzahl, undo + 1);
    EXPECT_EQ(Bilder, 1);

    D.But_Zmin.Click();
    D.But_Zmin.Click();
    EXPECT_EQ(G.Cells(0, 3), "1,800");
    EXPECT_EQ(Fadenkreuz.Mittelpunkt, (V{2.1L, 2, 1.8L}));
    EXPECT_EQ(UndoAnzahl, undo + 3);

    // A cell left open with "-" ends first (its text back), then moves.
    Tippen(D, G, 0, 2, "-");
    D.But_Yplus.Click();
    EXPECT_FALSE(G.Bearbeitung);
    EXPECT_EQ(G.Cells(0, 2), "2,100");
    EXPECT_EQ(Fadenkreuz.Mittelpunkt.y, 2.1L);
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(FadenkreuzDialog, VerschiebungBleibtImBereichDerZellen) {
    Eingeben(D, G, 0, 1, "10000,95");
    const int undo = UndoAnzahl;
    D.But_Xplus.Click();  // 10001,05 no cell would take
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, BereichsMeldung);
    EXPECT_EQ(G.Cells(0, 1), "10000,95");
    EXPECT_EQ(Fadenkreuz.Mittelpunkt.x, 10000.95L);
    EXPECT_EQ(UndoAnzahl, undo);
    D.But_Xmin.Click();
    EXPECT_EQ(G.Cells(0, 1), "10000,850");
    EXPECT_EQ(Fadenkreuz.Mittelpunkt.x, 10000.95L - 0.1L);
}

TEST_F(FadenkreuzDialog, Schrittweite) {
    SchrittEingeben("2.5");
    EXPECT_EQ(D.Edit1.Text(), "2,5");
    EXPECT_EQ(FadenkreuzSchrittweite, 2.5L);
    D.But_Ymin.Click();
    EXPECT_EQ(Fadenkreuz.Mittelpunkt.y, -0.5L);

    // 10 is too large: the message, and the step as it was last valid.
    SchrittEingeben("1x0");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Gib bitte nur Zahlen z mit\nz < 10   ein!");
    EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Information);
    EXPECT_EQ(FadenkreuzSchrittweite, 1.0L);
    EXPECT_EQ(D.Edit1.Text(), "1,000");
    EXPECT_GT(D.Edit1.FokusAnforderungen, 0);

    // Unfinished: the step's text back, silently.
    host.Vergessen();
    SchrittEingeben("-");
    EXPECT_EQ(D.Edit1.Text(), "1,000");
    EXPECT_TRUE(host.Meldungen.empty());
    SchrittEingeben("9,99");
    EXPECT_EQ(FadenkreuzSchrittweite, 9.99L);
}

}  // namespace
