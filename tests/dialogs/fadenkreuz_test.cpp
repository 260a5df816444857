// The crosshair dialog: its grid, the move buttons that shift the centre by
// the step through the whole apply chain, and the step field.

#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "Tippen.h"
#include "control/Dateien.h"
#include "control/Drehsteuerung.h"
#include "forms/Fadenkreuz.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"

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

// Numbers the user left alone keep every digit: a step loaded from a file
// through a click into its field and out, a turned centre through the
// steps along another axis; eight steps of 0,0625 make 0,5 exactly.
TEST_F(FadenkreuzDialog, UnberuehrteZahlenBleibenGanz) {
    std::string pfad = (std::filesystem::temp_directory_path() / "rg_fadenkreuz_XXXXXX").string();
    const int fd = ::mkstemp(pfad.data());
    ASSERT_GE(fd, 0);
    ::close(fd);
    SchrittEingeben("0,0625");
    ObjektdatenPfad = pfad;
    ASSERT_TRUE(ObjektdatenSchreiben());
    SchrittEingeben("1");
    ASSERT_TRUE(ObjektdatenLaden(pfad));
    std::filesystem::remove(pfad);
    EXPECT_EQ(D.Edit1.Text(), "0,063");
    D.Edit1Exit();
    EXPECT_EQ(FadenkreuzSchrittweite, 0.0625L);

    for (bool& f : DrehObjektFlags) f = true;
    Drehwinkel = 30;
    GesamtDrehenPlus(1);
    const TVek_R3 M = Fadenkreuz.Mittelpunkt;
    ASSERT_NE(std::round(M.y * 1000) / 1000, M.y);
    for (int n = 0; n < 8; ++n) D.But_Xplus.Click();
    EXPECT_EQ(Fadenkreuz.Mittelpunkt, (TVek_R3{M.x + 0.5L, M.y, M.z}));
}

}  // namespace
