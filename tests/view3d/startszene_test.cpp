// The program's start scene, checked against values computed by hand from
// the dialogs' start cells:
//   g: (-5,-3,-2) + s(3,1,1)   h: (6,-2,1) + s(-2,2,0)   t: (0,0,5) + s(-2,2,0)
//   E1: x - 2y + 2z = 4        E2: x - y + 4z + 4 = 0
#include "geometry/Geometrie.h"
#include "forms/Hauptfenster.h"
#include "view3d/Bildtest.h"
#include "scene/DrehZustand.h"
#include "view3d/Szene.h"

namespace {

constexpr long double Eps = 1e-9L;

// Signed distance-like value of P from E1 (e = 1) or E2 (e = 2): 0 in the plane.
long double InEbene(const TVek_R3& P, int e) {
    return e == 1 ? P.x - 2 * P.y + 2 * P.z - 4 : P.x - P.y + 4 * P.z + 4;
}

class Startszene : public ::testing::Test {
protected:
    void SetUp() override { ProgrammStart(); }
};

TEST_F(Startszene, ObjekteSindIhreZellen) {
    struct { const TVek_R3& v; TVek_R3 soll; } faelle[] = {
        {Gerade[1].Stuetzvektor, {-5, -3, -2}}, {Gerade[1].Richtungsvektor, {3, 1, 1}},
        {Gerade[2].Stuetzvektor, {6, -2, 1}},   {Gerade[2].Richtungsvektor, {-2, 2, 0}},
        {Gerade[3].Stuetzvektor, {0, 0, 5}},    {Gerade[3].Richtungsvektor, {-2, 2, 0}},
        {Ebene[1].Stuetzvektor, {4, 0, 0}},     {Ebene[1].Richtungsvektor1, {4, 2, 0}},
        {Ebene[1].Richtungsvektor2, {-4, 0, 2}}, {Ebene[2].Stuetzvektor, {0, 0, -1}},
        {Ebene[2].Richtungsvektor1, {4, 4, 0}}, {Ebene[2].Richtungsvektor2, {4, 0, -1}},
        {Punkt[1].Ort, {4, 4, 0}},              {Punkt[2].Ort, {-4, 4, 4}},
        {Punkt[3].Ort, {-4, -4, -4}},           {Vektor[1].Anfangspunkt, {0, 0, 0}},
        {Vektor[1].Vektor, {-3, -3, 0}},        {Vektor[1].Endpunkt, {-3, -3, 0}},
        {Strecke[1].A, {-8, -8, -8}},           {Strecke[1].B, {-8, -4, -4}},
    };
    for (const auto& f : faelle) ErwartePunkt(f.v, f.soll.x, f.soll.y, f.soll.z, Eps);
    // Every parallelepiped's corner G is A + AB + AD + AE.
    for (int i = 1; i <= 4; ++i) {
        const TSpat& S = Spat[i];
        ErwartePunkt(S.Ecke[7], S.Ecke[1].x + S.AB.x + S.AD.x + S.AE.x, S.Ecke[1].y + S.AB.y + S.AD.y + S.AE.y,
                     S.Ecke[1].z + S.AB.z + S.AD.z + S.AE.z, Eps);
    }
    // Only g and E2 are visible in the first picture.
    EXPECT_EQ(Gerade[1].sichtbar, 1);
    EXPECT_EQ(Gerade[2].sichtbar, 0);
    EXPECT_EQ(Ebene[1].sichtbar, 0);
    EXPECT_EQ(Ebene[2].sichtbar, 1);
}

TEST_F(Startszene, AbgeleiteteLinienAusDenFertigenObjekten) {
    // How each derived line is computed is checked in abgeleitet_test; here
    // that the scene computes them all, from its final lines and planes.
    for (const TVek_R3& P : {Gerade_sg.ZeichenAnfang, Gerade_sg.ZeichenEnde})
        EXPECT_TRUE(std::fabs(InEbene(P, 1)) < Eps && std::fabs(InEbene(P, 2)) < Eps);
    const TVek_R3 C{40, 80, 30};
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        const TGerade& S = Spurgeraden[i];
        ASSERT_EQ(S.gueltig, 1);
        EXPECT_LT(std::fabs(InEbene(S.Stuetzvektor, i <= 3 ? 1 : 2)), Eps);
        // g, h, t projected from the eye point onto E1 and E2: the picture
        // C + k (Q - C) of each end Q of the line's drawn vector lies on it.
        const TGerade& P = Projektionsgeraden[i];
        const TGerade& L = Gerade[(i + 1) / 2];
        const int e = 2 - i % 2;
        ASSERT_EQ(P.gueltig, 1);
        for (const TVek_R3& Q : {L.VektorAnfang, L.VektorEnde}) {
            const TVek_R3 w{Q.x - C.x, Q.y - C.y, Q.z - C.z};
            const long double k = -InEbene(C, e) / (InEbene(Q, e) - InEbene(C, e));
            TVek_R3 F{C.x + k * w.x - P.Stuetzvektor.x, C.y + k * w.y - P.Stuetzvektor.y,
                      C.z + k * w.z - P.Stuetzvektor.z}, n;
            Vektorprodukt(F, P.Richtungsvektor, n);
            EXPECT_LT(Betrag(n) / Betrag(P.Richtungsvektor), Eps);
        }
    }
}

TEST_F(Startszene, SchnittangabenImHauptfenster) {
    // Points hold no-break spaces, so that no line break falls inside one.
    const TForm_Edits_01& F = Form_Edits_01;
    EXPECT_EQ(F.Label_gh.Caption, "S(4,000\u00A0|\u00A00,000\u00A0|\u00A01,000)");
    EXPECT_EQ(F.Label_gt.Caption, "windschief");
    EXPECT_EQ(F.Label_ht.Caption, "h ist echt parallel zu t");
    EXPECT_EQ(F.Label_gE1.Caption, "D(2,000\u00A0|\u00A0-0,667\u00A0|\u00A00,333)");
    EXPECT_EQ(F.Label_hE1.Caption, "D(3,333\u00A0|\u00A00,667\u00A0|\u00A01,000)");
    EXPECT_EQ(F.Label_gE2.Caption, "D(-2,000\u00A0|\u00A0-2,000\u00A0|\u00A0-1,000)");
    EXPECT_EQ(F.Label_tE2.Caption, "D(-12,000\u00A0|\u00A012,000\u00A0|\u00A05,000)");
    EXPECT_EQ(F.Label_E1E2.Caption, "schneiden sich:");
    EXPECT_NE(F.Label_sg_Richt_x.Caption, "-");
}

TEST_F(Startszene, ErsteAktivierungSetztDieProjektion) {
    EXPECT_FALSE(ErsteAktivierung);
    EXPECT_TRUE(Zentralprojektion);
    EXPECT_EQ(ProjEbene, 1);
    ErwartePunkt(Augpunkt, 40, 80, 30, Eps);
    ErwartePunkt(ProjRichtung, 0.8L, 1, 0.5L, Eps);
    EXPECT_EQ(Form_Edits_01.Edit_FPx.Text(), "40");
    EXPECT_EQ(Form_Edits_01.Edit_FPy.Text(), "80");
    EXPECT_EQ(Form_Edits_01.Edit_FPz.Text(), "30");
    EXPECT_EQ(Form_Edits_01.ZPEinAus.Caption, "Zentralprojektion aus");
    EXPECT_EQ(AchseXMax, 8);
    EXPECT_GT(MassstabX, 0);
}

TEST_F(Startszene, NeuberechnungSetztVerschiebungZurueckUndLaesstDrehungen) {
    VerschiebungX = 17;
    VerschiebungY = -3;
    const long double massstab = MassstabX;
    MassstabX = MassstabY = MassstabZ = massstab * 3;
    DrehAnzahl = 2;
    DrehListe[1] = {1, -5};
    AchsenMitDrehen = false;
    Urzustand = false;
    SzeneNeuBerechnen();
    EXPECT_EQ(VerschiebungX, 0);
    EXPECT_EQ(VerschiebungY, 0);
    EXPECT_EQ(MassstabX, massstab);
    EXPECT_TRUE(Urzustand);
    EXPECT_EQ(DrehAnzahl, 2);
    EXPECT_EQ(DrehListe[1].Achse, 1);
}

}  // namespace
