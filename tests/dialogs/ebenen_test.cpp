// The planes dialog and the coordinate and normal form of a plane: refusals,
// what a plane edit recomputes, and that every form gives the same plane.

#include "Tippen.h"
#include "forms/EbenKoord.h"
#include "geometry/Eingabe.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "platform/Zahltext.h"
#include "view3d/ObjektGeometrie.h"

namespace {

// The support point and the tips of both directions of E lie in the plane
// spanned by F.
bool GleicheEbene(const TEbene& F, V S, V u, V v) {
    const V n = kreuz(F.Richtungsvektor1, F.Richtungsvektor2);
    for (V P : {S, plus(S, u), plus(S, v)})
        if (std::fabs(punkt(n, minus(P, F.Stuetzvektor))) >= 1e-9L * betrag(n) * (1 + betrag(P))) return false;
    return true;
}

Extended Wert(const std::string& t) {
    Extended v = -12345;
    ZelleLesen(t, v);
    return v;
}

class Ebenen : public Dialogtest {
protected:
    TForm_Ebenen& D = Form_Ebenen;
    TForm_EbenKoord& K = Form_EbenKoord;
};

TEST_F(Ebenen, AbhaengigeRichtungenWerdenAbgelehnt) {
    TStringGrid& G = D.StringGrid1;  // u = (-4, 4, 0), v = (-4, 0, 4)
    Eingeben(D, G, 2, 2, "4");       // v = (-4, 4, 4)
    EXPECT_TRUE(host.Meldungen.empty());
    const TEbene vorher = Ebene_E1;
    const int undo = UndoAnzahl;
    Tippen(D, G, 2, 3, "0");  // v = u
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, AbhaengigeRichtungenMeldung);
    EXPECT_EQ(Ebene_E1, vorher);
    EXPECT_EQ(UndoAnzahl, undo);
    D.ZelleVerlassen(G, 2, 3);
    EXPECT_EQ(G.Cells(2, 3), "4");

    // A multiple of the other direction, too.
    host.Vergessen();
    Eingeben(D, G, 2, 3, "0");
    Eingeben(D, G, 2, 1, "-8");
    Tippen(D, G, 2, 2, "8");  // v = 2u
    EXPECT_EQ(host.Meldungen.size(), 1u);
    EXPECT_FALSE(RichtungenAbhaengig(Ebene_E1.Richtungsvektor1, Ebene_E1.Richtungsvektor2));
}

TEST_F(Ebenen, EbenenaenderungBerechnetSchnittgeradeUndSpurgeradenNeu) {
    ASSERT_TRUE(SchnittgeradeVorhanden);
    // E2 through the origin with the directions of E1: parallel and apart.
    TStringGrid& G = D.StringGrid2;
    const char* neu[3][3] = {{"0", "0", "0"}, {"-4", "4", "0"}, {"-4", "0", "4"}};
    for (int c = 0; c < 3; ++c)
        for (int r = 1; r <= 3; ++r) Eingeben(D, G, c, r, neu[c][r - 1]);
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_FALSE(SchnittgeradeVorhanden);
    EXPECT_EQ(LageTextE1E2, "echt parallel");
    EXPECT_EQ(Form_Edits_01.Label_E1E2.Caption, "echt parallel");
    EXPECT_EQ(Form_Edits_01.Label_sg_Stuetz_x.Caption, "-");
    // E2: x + y + z = 0 meets the x,y-plane in the line through the origin
    // along (1, -1, 0).
    ASSERT_EQ(Spurgeraden[4].gueltig, 1);
    EXPECT_NEAR(static_cast<double>(Spurgeraden[4].Stuetzvektor.x), 0.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(std::fabs(Spurgeraden[4].Richtungsvektor.x)), std::sqrt(0.5), 1e-12);

    // Through E1's support point: identical.
    Eingeben(D, G, 0, 1, "4");
    EXPECT_EQ(LageTextE1E2, "identisch");
}

TEST_F(Ebenen, KoordinatenformGibtDieselbeEbeneWieDieParameterform) {
    K.FormActivate();
    // E1 from its grid: x + y + z = 4, shown as 16x + 16y + 16z - 64 = 0.
    EXPECT_EQ(K.Edit_a.Text(), "16,000");
    EXPECT_EQ(K.Edit_d.Text(), "-64,000");
    const TEbene alt = Ebene_E1;

    // On the way the normal (a, b, c) passes the null vector: refused, and
    // the field's text back on leaving.
    FeldEingeben(K, K.Edit_a, "0");
    FeldEingeben(K, K.Edit_b, "0");
    const TEbene vorher = Ebene_E1;
    FeldTippen(K, K.Edit_c, "0");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, "Der Nullvektor ist nicht als Normalenvektor geeignet!");
    EXPECT_EQ(Ebene_E1, vorher);
    K.FeldVerlassen(K.Edit_c);
    EXPECT_EQ(K.Edit_c.Text(), "16,000");
    host.Vergessen();

    // The same plane typed with other coefficients.
    FeldEingeben(K, K.Edit_a, "2");
    FeldEingeben(K, K.Edit_b, "2");
    FeldEingeben(K, K.Edit_c, "2");
    FeldEingeben(K, K.Edit_d, "-8");
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_FALSE(EbenKoordQuelle);
    // The old parameter form lies in the new plane, and the other way round.
    EXPECT_TRUE(GleicheEbene(Ebene_E1, alt.Stuetzvektor, alt.Richtungsvektor1, alt.Richtungsvektor2));
    EXPECT_TRUE(GleicheEbene(alt, Ebene_E1.Stuetzvektor, Ebene_E1.Richtungsvektor1, Ebene_E1.Richtungsvektor2));
    // The form stays as typed; the normal form follows.
    EXPECT_EQ(K.Edit_a.Text(), "2");
    EXPECT_EQ(Ebene_E1.KoordD, -8.0L);
    EXPECT_EQ(Wert(K.Edit_nx.Text()), 2.0L);
    EXPECT_NEAR(static_cast<double>(Wert(K.Edit_ax.Text()) + Wert(K.Edit_ay.Text()) + Wert(K.Edit_az.Text())),
                4.0, 1e-12);
    // The planes dialog holds the new parameter form, which reads back to
    // the same plane.
    TEbene gelesen;
    ASSERT_TRUE(SpalteLesen(D.StringGrid1, 0, 1, gelesen.Stuetzvektor));
    ASSERT_TRUE(SpalteLesen(D.StringGrid1, 1, 1, gelesen.Richtungsvektor1));
    ASSERT_TRUE(SpalteLesen(D.StringGrid1, 2, 1, gelesen.Richtungsvektor2));
    EXPECT_TRUE(GleicheEbene(alt, gelesen.Stuetzvektor, gelesen.Richtungsvektor1, gelesen.Richtungsvektor2));
    EXPECT_TRUE(SchnittgeradeVorhanden);
}

TEST_F(Ebenen, NormalenformSetztDieEbeneUndDieKoordinatenform) {
    AktEbene = 2;
    K.FormActivate();
    EXPECT_EQ(K.Label_Ebene.Caption, "E2");
    // z = 3: normal (0, 0, 2) through (1, 1, 3). On the way the normal
    // passes the null vector and is refused.
    FeldEingeben(K, K.Edit_nx, "0");
    FeldEingeben(K, K.Edit_ny, "0");
    const std::string nz = K.Edit_nz.Text();
    FeldEingeben(K, K.Edit_nz, "0");
    EXPECT_EQ(host.LetzteMeldung(), NullNormaleMeldung);
    EXPECT_EQ(K.Edit_nz.Text(), nz);
    host.Vergessen();
    const std::pair<TEdit*, const char*> felder[] = {
        {&K.Edit_nz, "2"}, {&K.Edit_ax, "1"}, {&K.Edit_ay, "1"}, {&K.Edit_az, "3"}};
    for (const auto& [F, t] : felder) FeldEingeben(K, *F, t);
    EXPECT_TRUE(host.Meldungen.empty()) << host.LetzteMeldung();
    EXPECT_EQ(Ebene_E2.Stuetzvektor.z, 3.0L);
    EXPECT_EQ(Ebene_E2.Richtungsvektor1.z, 0.0L);
    EXPECT_EQ(Ebene_E2.Richtungsvektor2.z, 0.0L);
    EXPECT_EQ(K.Edit_c.Text(), "2,000");
    EXPECT_EQ(K.Edit_d.Text(), "-6,000");
    EXPECT_EQ(D.StringGrid2.Cells(0, 3), "3,000");
    EXPECT_EQ(Spurgeraden[4].gueltig, 0);  // parallel to the x,y-plane
}

TEST_F(Ebenen, AnzeigeUndSchliessen) {
    D.FormActivate();
    EXPECT_TRUE(D.StringGrid1.Visible);
    EXPECT_FALSE(D.StringGrid2.Visible);
    Waehle(D.RadioGroup_Objekt, 1);
    EXPECT_EQ(AktEbene, 2);
    EXPECT_TRUE(D.StringGrid2.Visible);
    EXPECT_EQ(K.Label_Ebene.Caption, "E2");
    EXPECT_EQ(K.Edit_a.Text(), KoordText(Ebene_E2.KoordA));

    D.But_Koordinatenform.Click();
    ASSERT_FALSE(host.Fenster.empty());
    EXPECT_EQ(host.Fenster.back().name, "Form_EbenKoord");
    EXPECT_FALSE(host.Fenster.back().modal);

    // An unfinished field goes back when the window closes.
    FeldTippen(K, K.Edit_d, "-");
    EXPECT_TRUE(K.FormCloseQuery());
    EXPECT_EQ(K.Edit_d.Text(), KoordText(Ebene_E2.KoordD));

    KoordZeigenEbenen = false;
    D.FormActivate();
    K.FormActivate();
    EXPECT_FALSE(D.StringGrid1.Visible || D.StringGrid2.Visible);
    EXPECT_FALSE(K.Edit_a.Visible || K.Edit_nx.Visible || K.Edit_az.Visible);
}

}  // namespace
