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

TVek_R3 Minus(const TVek_R3& a, const TVek_R3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
TVek_R3 Kreuz(const TVek_R3& a, const TVek_R3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
bool Parallel(const TVek_R3& a, const TVek_R3& b) {
    return Betrag(Kreuz(a, b)) < Eps * (1 + Betrag(a) * Betrag(b)) && Betrag(a) > Eps && Betrag(b) > Eps;
}
// Distance of P from the plane n.x + d = 0.
long double EbenenAbstand(const TVek_R3& P, const TVek_R3& n, long double d) {
    return std::fabs(Skalarprodukt(P, n) + d) / Betrag(n);
}

const TVek_R3 N1{1, -2, 2}, N2{1, -1, 4};
constexpr long double D1 = -4, D2 = 4;

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

TEST_F(Startszene, LageDerGeraden) {
    EXPECT_EQ(LageGH, 1);
    ErwartePunkt(SchnittpunktGH, 4, 0, 1, Eps);
    EXPECT_EQ(LageGT, 0);
    EXPECT_EQ(LageTextGT, "windschief");
    EXPECT_EQ(LageHT, 0);
    EXPECT_EQ(LageTextHT, "h ist echt parallel zu t");
}

TEST_F(Startszene, SchnittgeradeDerEbenen) {
    ASSERT_TRUE(SchnittgeradeVorhanden);
    EXPECT_EQ(LageTextE1E2, "schneiden sich:");
    EXPECT_TRUE(Parallel(Gerade_sg.Richtungsvektor, TVek_R3{-6, -2, 1}));
    EXPECT_LT(EbenenAbstand(Gerade_sg.Stuetzvektor, N1, D1), 1e-9L);
    EXPECT_LT(EbenenAbstand(Gerade_sg.Stuetzvektor, N2, D2), 1e-9L);
    // Its drawn piece lies on both planes as well.
    EXPECT_LT(EbenenAbstand(Gerade_sg.ZeichenAnfang, N1, D1), 1e-9L);
    EXPECT_LT(EbenenAbstand(Gerade_sg.ZeichenEnde, N2, D2), 1e-9L);
}

TEST_F(Startszene, ProjizierteGeradenFolgenDerZentralprojektion) {
    // g, h, t projected from the eye point onto E1 and E2: the picture of
    // each end of the line's drawn direction vector lies on the projected
    // line, which lies in the plane.
    const TGerade* linien[3] = {&Gerade[1], &Gerade[2], &Gerade[3]};
    const TVek_R3 normalen[2] = {N1, N2};
    const long double d[2] = {D1, D2};
    const TVek_R3 C{40, 80, 30};
    for (int i = 1; i <= 6; ++i) {
        const TGerade& P = Projektionsgeraden[i];
        const TGerade& L = *linien[(i - 1) / 2];
        const TVek_R3& n = normalen[(i - 1) % 2];
        SCOPED_TRACE(i);
        ASSERT_EQ(P.gueltig, 1);
        EXPECT_LT(EbenenAbstand(P.Stuetzvektor, n, d[(i - 1) % 2]), 1e-9L);
        EXPECT_LT(std::fabs(Skalarprodukt(P.Richtungsvektor, n)), 1e-9L * Betrag(P.Richtungsvektor));
        for (const TVek_R3& Q : {L.VektorAnfang, L.VektorEnde}) {
            // C + k (Q - C) in the plane.
            const TVek_R3 w = Minus(Q, C);
            const long double k = -(Skalarprodukt(C, n) + d[(i - 1) % 2]) / Skalarprodukt(w, n);
            const TVek_R3 F{C.x + k * w.x, C.y + k * w.y, C.z + k * w.z};
            EXPECT_LT(Betrag(Kreuz(Minus(F, P.Stuetzvektor), P.Richtungsvektor)) / Betrag(P.Richtungsvektor), 1e-9L);
        }
    }
}

TEST_F(Startszene, SpurgeradenUndSpurpunkte) {
    const TVek_R3 richtungen[6] = {{2, 1, 0}, {2, 0, -1}, {0, 1, 1},   // E1 in xy, xz, yz
                                   {1, 1, 0}, {4, 0, -1}, {0, 4, 1}};  // E2 likewise
    for (int i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        const TGerade& S = Spurgeraden[i];
        ASSERT_EQ(S.gueltig, 1);
        EXPECT_TRUE(Parallel(S.Richtungsvektor, richtungen[i - 1]));
        const TVek_R3& n = i <= 3 ? N1 : N2;
        EXPECT_LT(EbenenAbstand(S.Stuetzvektor, n, i <= 3 ? D1 : D2), 1e-9L);
        // It lies in its coordinate plane.
        const long double c[3] = {S.Stuetzvektor.z, S.Stuetzvektor.y, S.Stuetzvektor.x};
        EXPECT_NEAR(static_cast<double>(c[(i - 1) % 3]), 0.0, 1e-9);
    }
}

TEST_F(Startszene, SchnittangabenImHauptfenster) {
    const TForm_Edits_01& F = Form_Edits_01;
    EXPECT_EQ(F.Label_gh.Caption, "S(4,000 | 0,000 | 1,000)");
    EXPECT_EQ(F.Label_gt.Caption, "windschief");
    EXPECT_EQ(F.Label_ht.Caption, "h ist echt parallel zu t");
    EXPECT_EQ(F.Label_gE1.Caption, "D(2,000 | -0,667 | 0,333)");
    EXPECT_EQ(F.Label_hE1.Caption, "D(3,333 | 0,667 | 1,000)");
    EXPECT_EQ(F.Label_gE2.Caption, "D(-2,000 | -2,000 | -1,000)");
    EXPECT_EQ(F.Label_tE2.Caption, "D(-12,000 | 12,000 | 5,000)");
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
