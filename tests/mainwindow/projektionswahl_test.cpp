// Projection switch, plane buttons, factor edits and the plane-shift reset
// of the main window.

#include <cmath>

#include "Hauptfenstertest.h"
#include "geometry/Geometrie.h"
#include "geometry/Nahe.h"
#include "geometry/Vektor.h"
#include "scene/Ansicht.h"
#include "view3d/Projektion.h"

namespace {

const char* const FaktorMeldung = "Geben Sie bitte nur Zahlen z mit\n0 < z <= 3     ein!";
const char* const FluchtpunktMeldung = "Der Fluchtpunkt darf nicht in der\nProjektionsebene liegen!";

class Projektionswahl : public Hauptfenstertest {
protected:
    // A click of the user on a plane button: down first, then its action.
    void EbeneKlicken(TSpeedButton& b) {
        for (TSpeedButton* k : {&F.But_xz, &F.But_yz, &F.But_xy}) k->Down = k == &b;
        b.Click();
    }

    // The angle (degrees, 0..360) at which the picture shows the receding
    // axis, measured from the projection of the origin and of its unit point.
    static long double GezeichneterWinkel() {
        TVek_R3 e{};
        if (ProjEbene == 1) e.y = 1;
        if (ProjEbene == 2) e.x = 1;
        if (ProjEbene == 3) e.z = 1;
        TVek_R2 O, E;
        BildpunktBerechnen(TVek_R3{}, O, MassstabX, MassstabY, MassstabZ);
        BildpunktBerechnen(e, E, MassstabX, MassstabY, MassstabZ);
        long double w = std::atan2(E.y - O.y, E.x - O.x) * BogenZuGrad;
        return w < 0 ? w + 360 : w;
    }
};

TEST_F(Projektionswahl, UmschaltenAufParallelUndZurueck) {
    // The start: central projection with only its controls shown.
    ASSERT_TRUE(Zentralprojektion);
    EXPECT_TRUE(F.Edit_FPx.Visible && F.ButFPzMin.Visible && F.ProjEbMin.Visible);
    EXPECT_FALSE(F.Edit_Projx.Visible || F.ButProjRichtyPl.Visible || F.Panel_Gradxy.Visible);
    F.Edit_SkalF_2.SetText("2");
    ASSERT_EQ(SkFz, 2.0L);
    bilder = 0;
    F.ZPEinAusClick();
    EXPECT_FALSE(Zentralprojektion || F.CheckBox_ZP.Checked || SchraegbildVorgabe);
    EXPECT_EQ(F.ZPEinAus.Caption, "Zentralprojektion ein");
    // The oblique direction of the x,z-plane, and both factors back to 1.
    ErwarteNahe(ProjRichtung, {0.8L, 1, 0.5L});
    EXPECT_EQ(F.Edit_Projx.Text(), "0,8");
    EXPECT_EQ(F.ButVorg1.Caption, "0,8");
    EXPECT_EQ(F.Edit_SkalF_2.Text(), "1");
    EXPECT_EQ(SkFz, 1.0L);
    EXPECT_TRUE(F.Edit_Projx.Visible && F.ButProjRichtzMin.Visible && F.Panel_Gradxy.Visible);
    EXPECT_FALSE(F.Edit_FPx.Visible || F.ProjEbStart.Visible || F.SpeedButton1.Visible);
    EXPECT_GE(bilder, 1);
    // The picture origin moved to the centre of the free width:
    // (1024 - 200 - 170) / 2 between the side panels.
    EXPECT_EQ(AchsenKreuz.UrsprungX, 327);

    // The projected lines now run along the parallel direction: each end of
    // g's drawn vector and its picture on E1 differ by a multiple of it.
    const TGerade& P = Projektionsgeraden[1];
    ASSERT_EQ(P.gueltig, 1);
    for (const TVek_R3& Q : {Gerade[1].VektorAnfang, Gerade[1].VektorEnde}) {
        TVek_R3 w;
        VektorAB(P.Stuetzvektor, Q, w);
        // Q lies in the plane through the projected line along the direction.
        const Extended d = Determinante3(w, P.Richtungsvektor, ProjRichtung);
        EXPECT_LT(std::fabs(d), 1e-9L * Betrag(w) * Betrag(P.Richtungsvektor) * Betrag(ProjRichtung));
    }

    F.ZPEinAusClick();
    EXPECT_TRUE(Zentralprojektion && F.CheckBox_ZP.Checked);
    ErwarteNahe(Augpunkt, {40, 80, 30});
}

TEST_F(Projektionswahl, EbenenknoepfeGeradeAnsicht) {
    // Central projection: the straight views put the eye on the dropped axis.
    EbeneKlicken(F.But_xy);
    EXPECT_EQ(ProjEbene, 3);
    EXPECT_EQ(VorgabeEbene, 3);
    ErwarteNahe(Augpunkt, {0, 0, -80});
    ErwarteNahe(ProjEbeneZentral.Richtungsvektor1, {1, 0, 0});
    ErwarteNahe(ProjEbeneZentral.Richtungsvektor2, {0, 1, 0});
    EXPECT_EQ(F.Edit_FPz.Text(), "-80");
    EXPECT_EQ(F.ButVorg1.Caption, "-30");
    EXPECT_EQ(F.Label15.Caption, "SkFz:");
    EXPECT_EQ(F.Panel_VerschProjEb.Hint,
              "Abstand der Projekt.-Ebene von der x,y-Ebene; (+): Die Proj.-Eb. liegt vor der x,y-Ebene");
    EXPECT_TRUE(GitterWaende[1] && GitterWaende[4] && GitterWaende[6]);
    EXPECT_FALSE(GitterWaende[2] || GitterWaende[3] || GitterWaende[5]);

    // Parallel projection: the direction along the dropped axis; a shifted
    // support point of the parallel plane stays.
    F.ZentralprojektionEinAus();        // oblique on x,y
    ErwarteNahe(ProjRichtung, {-0.5L, 0.8L, -1});
    ProjEbeneParallel.Stuetzvektor = {0, 2, 0};
    F.Label_ProjArt.Caption = "Kav. 1";
    F.Edit_SkalF_1.SetText("0,5");
    bilder = 0;
    bool stummBeimSchreiben = false;
    F.Edit_Projy.OnChange = [&] { stummBeimSchreiben = RichtungsMeldungAus; };
    EbeneKlicken(F.But_yz);
    F.Edit_Projy.OnChange = nullptr;
    EXPECT_TRUE(stummBeimSchreiben);
    EXPECT_EQ(ProjEbene, 2);
    ErwarteNahe(ProjRichtung, {-1, 0, 0});
    ErwarteNahe(ProjEbeneParallel.Richtungsvektor1, {0, 1, 0});
    ErwarteNahe(ProjEbeneParallel.Richtungsvektor2, {0, 0, 1});
    ErwarteNahe(ProjEbeneParallel.Stuetzvektor, {0, 2, 0});
    EXPECT_EQ(F.Edit_Projx.Text(), "-1");
    EXPECT_EQ(F.ButVorg2.Caption, "0,8");
    EXPECT_FALSE(RichtungsMeldungAus);  // silent only while the button rewrites the edits
    EXPECT_EQ(F.Label_ProjArt.Caption, "");
    EXPECT_EQ(F.Edit_SkalF_1.Text(), "1");
    EXPECT_EQ(SkFy, 1.0L);
    EXPECT_EQ(F.Panel_Gradxy.Caption, "0,00");  // the receding axis shrinks to a point
    EXPECT_GE(bilder, 1);
    EXPECT_TRUE(host.Meldungen.empty());
}

TEST_F(Projektionswahl, SchraegbildWinkelWieGezeichnet) {
    F.ZentralprojektionEinAus();
    ASSERT_FALSE(Zentralprojektion);
    // Worked out by hand: the unit point of the receding axis, in the
    // mirrored frame, goes along the oblique direction into the picture
    // plane. x,z: (0, -1, 0) along (0,8; 1; 0,5) to (0,8; 0; 0,5), drawn
    // (0,8 | 0,5) at atan(5/8) = 32,0054 degrees. y,z: (-1, 0, 0) along
    // (-1; 0,8; 0,5) to (0; -0,8; -0,5), drawn (-0,8 | -0,5), 180 degrees
    // further. x,y: (0, 0, -1) along (-0,5; 0,8; -1) to (0,5; -0,8; 0),
    // drawn (y | -x) = (-0,8 | -0,5) as well.
    constexpr long double Spitz = 32.0053832080835L;
    struct { TSpeedButton* b; const char* text; const char* winkel; long double grad; } faelle[] = {
        {&F.But_xz, "Grad x,y:", "32,01", Spitz},
        {&F.But_yz, "Grad y,x:", "212,01", 180 + Spitz},
        {&F.But_xy, "Grad y,z:", "212,01", 180 + Spitz},
    };
    for (auto& f : faelle) {
        SCOPED_TRACE(f.text);
        for (TSpeedButton* k : {&F.But_xz, &F.But_yz, &F.But_xy}) k->Down = k == f.b;
        // The switch there and back re-applies the plane with its oblique presets.
        F.ZentralprojektionEinAus();
        F.ZentralprojektionEinAus();
        ASSERT_FALSE(Zentralprojektion);
        EXPECT_EQ(F.Label_Grad_xy.Caption, f.text);
        EXPECT_EQ(F.Panel_Gradxy.Caption, f.winkel);
        EXPECT_NEAR(static_cast<double>(GezeichneterWinkel()), static_cast<double>(f.grad), 1e-9);
    }
    // A direction with a negative dropped component folds to the other side.
    EbeneKlicken(F.But_xz);             // straight view first: (0, 1, 0)
    ProjRichtung = {0.8L, -1, 0.5L};
    F.ProjWinkelAnzeigen();
    EXPECT_NEAR(static_cast<double>(GezeichneterWinkel()), static_cast<double>(180 + Spitz), 1e-9);
    EXPECT_EQ(F.Panel_Gradxy.Caption, "212,01");
}

TEST_F(Projektionswahl, Faktoren) {
    F.Label_ProjArt.Caption = "Kav. 2";
    F.ScrollBar2.SetPositionStill(150);
    F.Panel_ZoomFaktAnz.Caption = "1,5";
    F.Edit_SkalF_1.SetText("2,5");
    EXPECT_EQ(SkFy, 2.5L);
    EXPECT_EQ(F.Label_ProjArt.Caption, "");
    EXPECT_EQ(F.ScrollBar2.Position(), 100);  // the zoom returns to 100 %
    EXPECT_EQ(F.Panel_ZoomFaktAnz.Caption, "1");  // through the bar's own change action
    F.Edit_SkalF_1.SetText("3");
    EXPECT_EQ(SkFy, 3.0L);
    EXPECT_TRUE(host.Meldungen.empty());

    // Unfinished or no number: nothing happens, no message.
    for (const char* t : {"", "-", "abc", "1,2,3"}) {
        F.Label_ProjArt.Caption = "x";
        F.Edit_SkalF_1.SetText(t);
        EXPECT_EQ(SkFy, 3.0L) << t;
        EXPECT_EQ(F.Label_ProjArt.Caption, "") << t;
    }
    EXPECT_TRUE(host.Meldungen.empty());

    // Out of range: message, the old factor back in the edit, focus.
    F.Edit_SkalF_1.SetText("3");
    for (const char* t : {"0", "3,5", "-1", "3,0000001"}) {
        host.Vergessen();
        const int fokus = F.Edit_SkalF_1.FokusAnforderungen;
        F.Edit_SkalF_1.SetText(t);
        ASSERT_EQ(host.Meldungen.size(), 1u) << t;
        EXPECT_EQ(host.Meldungen[0].text, FaktorMeldung);
        EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Information);
        EXPECT_EQ(SkFy, 3.0L) << t;
        EXPECT_EQ(F.Edit_SkalF_1.Text(), "3") << t;
        EXPECT_EQ(F.Edit_SkalF_1.FokusAnforderungen, fokus + 1);
    }
    // The second factor is the vertical one.
    F.Edit_SkalF_2.SetText("0,25");
    EXPECT_EQ(SkFz, 0.25L);
    EXPECT_EQ(SkFy, 3.0L);
}

TEST_F(Projektionswahl, ProjektionsebeneZurueck) {
    ProjEbeneZentral.Stuetzvektor = {0, 30, 0};
    F.Panel_VerschProjEb.Caption = "-30";
    bilder = 0;
    F.ProjEbStart.Click();
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.y, 0);
    EXPECT_EQ(F.Panel_VerschProjEb.Caption, "0");
    EXPECT_EQ(bilder, 1);

    // The eye point would lie in the plane: warning, the shift stays.
    ProjEbeneZentral.Stuetzvektor = {0, 30, 0};
    Augpunkt = {40, 0, 30};
    F.ProjEbStart.Click();
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, FluchtpunktMeldung);
    EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Warnung);
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.y, 30);
    // The plane lies in the mirrored frame: the panel shows the scene's y.
    EXPECT_EQ(F.Panel_VerschProjEb.Caption, "-30");

    // The y,z-plane shifts along x; without redraw while it is suppressed.
    ProjEbene = 2;
    Augpunkt = {-80, 40, 30};
    ProjEbeneZentral.Stuetzvektor = {-7, 0, 0};
    ProjEbNeuZeichnenAus = true;
    bilder = 0;
    F.ProjEbStartClick();
    ProjEbNeuZeichnenAus = false;
    EXPECT_EQ(ProjEbeneZentral.Stuetzvektor.x, 0);
    EXPECT_EQ(bilder, 0);
}

}  // namespace
