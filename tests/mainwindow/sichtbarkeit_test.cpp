// The visibility switches of the main window: a button shows or hides its
// object in the picture, and the hidden-line estimate follows.

#include <iterator>

#include "Hauptfenstertest.h"
#include "mainwindow/Objektmenue.h"
#include "mainwindow/VerdeckteLinienSchalter.h"
#include "platform/ProtokollZeichenflaeche.h"

namespace {

class Sichtbarkeit : public Hauptfenstertest {
protected:
    ProtokollZeichenflaeche bild{824, 740};
    ZeichenbitmapEinsetzen bildEin{bild};
};

TEST_F(Sichtbarkeit, KnopfZeigtUndVerbirgtSeinObjekt) {
    const TColor Farbe = 0x00123456;  // no other object's colour
    Kugel[1].Farbe = Farbe;
    ASSERT_EQ(Kugel[1].sichtbar, 0);
    const int Aufwand = VerdeckteLinienAufwand;
    bild.Leeren();

    Klick(F.But_sichtb(22));  // K1
    EXPECT_TRUE(F.But_sichtb_K1.Down);
    EXPECT_EQ(Kugel[1].sichtbar, 1);
    EXPECT_GT(VerdeckteLinienAufwand, Aufwand);
    EXPECT_EQ(bilder, 1);
    EXPECT_GT(bild.StreckenMitFarbe(Farbe), 0);

    bild.Leeren();
    Klick(F.But_sichtb(22));
    EXPECT_EQ(Kugel[1].sichtbar, 0);
    EXPECT_EQ(VerdeckteLinienAufwand, Aufwand);
    EXPECT_EQ(bilder, 2);
    EXPECT_EQ(bild.StreckenMitFarbe(Farbe), 0);
}

TEST_F(Sichtbarkeit, JederSchalterNurFuerSeinObjektOhneNeuzeichnenNurDerSchalter) {
    NeuZeichnenAus = 1;
    Klick(F.But_sichtb(26));  // Ke1
    EXPECT_EQ(Kegel[1].sichtbar, 1);
    EXPECT_EQ(bilder, 0);
    NeuZeichnenAus = 0;
    for (int Nr = 1; Nr <= ObjektAnzahl; ++Nr) {
        const Byte vorher = ObjektSichtbar(Nr);
        Klick(F.But_sichtb(Nr));
        EXPECT_EQ(ObjektSichtbar(Nr), vorher ? 0 : 1) << Nr;
        EXPECT_EQ(F.But_sichtb(Nr).Down, ObjektSichtbar(Nr) == 1) << Nr;
    }
    EXPECT_EQ(bilder, ObjektAnzahl);
}

TEST_F(Sichtbarkeit, JederObjektdialogOeffnetSeinFenster) {
    // Menu text and window written out here: checked against the table the
    // menu is built from, a wrong window there would check itself.
    const struct { const char* Titel; const char* Fenster; } Soll[] = {
        {"Geraden g, h, t", "Form_Geraden_t"},
        {"Ebenen E1, E2 (Parameterform)", "Form_Ebenen"},
        {"Ebene in Koordinaten-/Normalenform", "Form_EbenKoord"},
        {"Spate", "Form_Spate"},
        {"Vektoren", "Form_Vektoren"},
        {"Strecken", "Form_Strecken"},
        {"Punkte", "Form_Punkte"},
        {"Kugeln", "Form_Kugeln"},
        {"Kegel/Kreise", "Form_Kegel"},
        {"Fadenkreuz", "Form_Fadenkreuz"},
        {"Drehachse einstellen", "Form_DrehenUmGerade"},
        {"Animation Geraden", "Form_Einst_GeradenAnima"},
        {"Animation Ebenen", "Form_Einst_EbenenAnima"},
    };
    ASSERT_EQ(ObjektDialogAnzahl, std::size(Soll));
    for (std::size_t n = 0; n < ObjektDialogAnzahl; ++n) {
        SCOPED_TRACE(Soll[n].Titel);
        EXPECT_STREQ(ObjektDialoge[n].Titel, Soll[n].Titel);
        host.Fenster.clear();
        ObjektDialogOeffnen(n);
        // Its own window shows, and no other entry's.
        for (const auto& s : Soll) {
            bool gezeigt = false;
            for (const auto& f : host.Fenster) gezeigt |= f.zeigen && f.name == s.Fenster;
            EXPECT_EQ(gezeigt, &s == &Soll[n]) << s.Fenster;
        }
    }
}

}  // namespace
