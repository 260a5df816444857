// The visibility switches of the main window: a button shows or hides its
// object in the picture, and the hidden-line estimate follows.

#include <gtest/gtest.h>

#include "mainwindow/Hauptfenster.h"
#include "mainwindow/Objektmenue.h"
#include "mainwindow/Programm.h"
#include "mainwindow/VerdeckteLinienSchalter.h"
#include "platform/ProtokollZeichenflaeche.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

namespace {

class Sichtbarkeit : public ::testing::Test {
protected:
    SkriptHost host;
    HostEinsetzen eingesetzt{host};
    ProtokollZeichenflaeche bild{824, 740};
    ZeichenbitmapEinsetzen bildEin{bild};
    int Bilder = 0;
    TForm_Edits_01& F = Form_Edits_01;

    void SetUp() override {
        ProgrammStart();
        BildUebertragen = [this] { ++Bilder; };
        bild.Leeren();
        host.Vergessen();
    }
    void TearDown() override { BildUebertragen = nullptr; }

    // The user presses the switch of object Nr: it toggles, then clicks.
    void Druecken(int Nr) {
        TSpeedButton& b = F.But_sichtb(Nr);
        b.Down = !b.Down;
        b.Click();
    }
};

TEST_F(Sichtbarkeit, KnopfZeigtUndVerbirgtSeinObjekt) {
    const TColor Farbe = 0x00123456;  // no other object's colour
    Kugel[1].Farbe = Farbe;
    ASSERT_EQ(Kugel[1].sichtbar, 0);
    const int Aufwand = VerdeckteLinienAufwand;

    Druecken(22);  // K1
    EXPECT_TRUE(F.But_sichtb_K1.Down);
    EXPECT_EQ(Kugel[1].sichtbar, 1);
    EXPECT_GT(VerdeckteLinienAufwand, Aufwand);
    EXPECT_EQ(Bilder, 1);
    EXPECT_GT(bild.StreckenMitFarbe(Farbe), 0);

    bild.Leeren();
    Druecken(22);
    EXPECT_EQ(Kugel[1].sichtbar, 0);
    EXPECT_EQ(VerdeckteLinienAufwand, Aufwand);
    EXPECT_EQ(Bilder, 2);
    EXPECT_EQ(bild.StreckenMitFarbe(Farbe), 0);

    // g is shown at start; its button hides it.
    Druecken(1);
    EXPECT_EQ(Gerade_g.sichtbar, 0);
    Druecken(30);
    EXPECT_EQ(Fadenkreuz.sichtbar, 1);
}

TEST_F(Sichtbarkeit, OhneNeuzeichnenNurDerSchalter) {
    NeuZeichnenAus = 1;
    Druecken(26);  // Ke1
    EXPECT_EQ(Kegel[1].sichtbar, 1);
    EXPECT_EQ(Bilder, 0);
    NeuZeichnenAus = 0;
    // Every switch acts on its own object only.
    for (int Nr = 1; Nr <= ObjektAnzahl; ++Nr) {
        const Byte vorher = ObjektSichtbar(Nr);
        Druecken(Nr);
        EXPECT_EQ(ObjektSichtbar(Nr), vorher ? 0 : 1) << Nr;
        EXPECT_EQ(F.But_sichtb(Nr).Down, ObjektSichtbar(Nr) == 1) << Nr;
    }
    EXPECT_EQ(Bilder, ObjektAnzahl);
}

TEST(Objektmenue, JederDialogOeffnetSeinFenster) {
    SkriptHost host;
    HostEinsetzen eingesetzt{host};
    ProgrammStart();
    ASSERT_EQ(ObjektDialogAnzahl, 13u);
    EXPECT_STREQ(ObjektDialoge[8].Titel, "Kegel/Kreise");
    for (std::size_t n = 0; n < ObjektDialogAnzahl; ++n) {
        host.Fenster.clear();
        ObjektDialogOeffnen(n);
        bool gezeigt = false;
        for (const auto& f : host.Fenster)
            if (f.zeigen && f.name == ObjektDialoge[n].Fenster) gezeigt = true;
        EXPECT_TRUE(gezeigt) << ObjektDialoge[n].Titel;
    }
}

}  // namespace
