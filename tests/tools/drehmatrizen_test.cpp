// The rotation-matrix window follows the rotations of the scene: the shown
// matrices turn the scene's points as the rotation did, the list holds every
// rotation, and its columns and matrices go into the memories.

#include <cmath>
#include <string>

#include "Werkzeugtest.h"
#include "control/Drehsteuerung.h"
#include "forms/DrehMatrizen.h"
#include "forms/Hauptfenster.h"
#include "geometry/Eingabe.h"
#include "scene/DrehZustand.h"

namespace {

class DrehMatrizen : public Werkzeugtest {
protected:
    TForm_Edits_01& F = Form_Edits_01;
    TForm_Dreh_Matrizen& D = Form_Dreh_Matrizen;
    void SetUp() override {
        Werkzeugtest::SetUp();
        F.DrehMatrizenEinAusMenue.Click();
        Klick(F.AlleDrehEin);
    }
    // The matrix as its cells show it.
    TMatrix33 Gezeigt(TEdit& (TForm_Dreh_Matrizen::*Zelle)(int, int)) {
        TMatrix33 M;
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) EXPECT_TRUE(ZelleLesen((D.*Zelle)(i, j).Text(), M(i, j)));
        return M;
    }
    static void Klick(TSpeedButton& b) {
        b.Down = !b.Down;
        b.Click();
    }
};

TEST_F(DrehMatrizen, FolgtDenDrehungen) {
    F.Edit_Drehwinkel.SetText("30");
    const V P0 = Punkt[1].Ort;
    const struct {
        TSpeedButton* Knopf;
        const char *Makt22, *Makt13, *Text;
    } schritte[] = {{&F.But_GesamtDrehenXplus, "0,866025", "0,000000", "um die x-Achse mit 30,0000 Grad"},
                    {&F.But_GesamtDrehenYplus, "1,000000", "0,500000", "um die y-Achse mit 30,0000 Grad"}};
    for (const auto& s : schritte) {
        SCOPED_TRACE(s.Text);
        const V vorher = Punkt[1].Ort;
        Klick(*s.Knopf);
        EXPECT_EQ(D.Makt_22.Text(), s.Makt22);
        EXPECT_EQ(D.Makt_13.Text(), s.Makt13);
        EXPECT_EQ(D.Label3.Caption, std::string("\n") + s.Text);
        // The shown matrices turn P1 as the scene turned it (to the six
        // decimals shown).
        V w;
        MatrixMalVektor(Gezeigt(&TForm_Dreh_Matrizen::Makt), vorher, w);
        ErwarteNah(w, Punkt[1].Ort, 1e-5);
        MatrixMalVektor(Gezeigt(&TForm_Dreh_Matrizen::Mges), P0, w);
        ErwarteNah(w, Punkt[1].Ort, 1e-5);
    }
    EXPECT_EQ(D.Label4.Caption,
              "\n1. Drehung: um die x-Achse mit 30,000 Grad\n2. Drehung: um die y-Achse mit 30,000 Grad");
    // A turn about the rotation axis clears both matrices and the texts.
    F.But_GesamtDrehenUmAchse.Click();
    EXPECT_EQ(Gezeigt(&TForm_Dreh_Matrizen::Mges), TMatrix33{});
    EXPECT_EQ(D.Makt_11.Text(), "0,000000");
    EXPECT_EQ(D.Label3.Caption, "\n");
    EXPECT_EQ(D.Label4.Caption, "");
}

TEST_F(DrehMatrizen, ZwanzigDrehungenInDerListe) {
    for (int n = 1; n <= 20; ++n) Klick(n % 2 ? F.But_GesamtDrehenZmin : F.But_GesamtDrehenZplus);
    const std::string& L = D.Label4.Caption;
    int Zeilen = 0;
    for (char c : L) Zeilen += c == '\n';
    EXPECT_EQ(Zeilen, 20);
    EXPECT_NE(L.find("\n20. Drehung: um die z-Achse mit 1,000 Grad"), std::string::npos);
    EXPECT_NE(L.find("\n19. Drehung: um die z-Achse mit -1,000 Grad"), std::string::npos);
}

TEST_F(DrehMatrizen, SpalteInDenSpeicher) {
    // In the mode with axes, after a turn: the right click copies the matrix
    // shown, and the turn stays recorded.
    F.But_drehenMit_OhneAchsen.Click();
    ASSERT_TRUE(AchsenMitDrehen);
    F.Edit_Drehwinkel.SetText("90");
    Klick(F.But_GesamtDrehenXplus);
    ASSERT_TRUE(D.ZelleRechtsklick(D.Mges_12));
    EXPECT_EQ(DrehAnzahl, 1);
    EXPECT_EQ(MatrixSpeicher[0], MGes);
    EXPECT_NE(MGes, TMatrix33{});
    EXPECT_EQ(VektorSpeicher[0], (TSpeicherVektor{"0,000000", "0,000000", "1,000000"}));
    D.PopupMenu_InSpeicher.InMatrixSpeicherClick(3);
    EXPECT_EQ(MatrixSpeicher[3], MGes);
    // The cells take no typing.
    EXPECT_TRUE(D.Makt_11.ReadOnly && D.Mges_33.ReadOnly);
    EXPECT_FALSE(D.ZelleRechtsklick(Form_Edits_01.Edit_Drehwinkel));
    // Closing the window switches the main window's item back.
    D.FormClose();
    EXPECT_FALSE(D.Visible);
    EXPECT_EQ(F.DrehMatrizenEinAusMenue.Caption, "Dreh-Matrizen einblenden");
}

}  // namespace
