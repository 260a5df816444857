// The lines dialog: the line shown, its grid and attributes, the display rule
// of locked coordinates, and what an edit of g, h or t recomputes.

#include "Tippen.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"

namespace {

class Geraden : public Dialogtest {
protected:
    TForm_Geraden_t& D = Form_Geraden_t;
};

TEST_F(Geraden, NurDasGitterDerAktuellenGeradenIstSichtbar) {
    D.FormActivate();
    EXPECT_TRUE(D.StringGrid1.Visible);
    EXPECT_FALSE(D.StringGrid2.Visible || D.StringGrid3.Visible);

    // Choosing t shows its grid and its attributes.
    Gerade_t.Stiftbreite = 3;
    Gerade_t.Linienstil = 2;
    Waehle(D.RadioGroup_Objekt, 2);
    EXPECT_EQ(AktGerade, 3);
    EXPECT_FALSE(D.StringGrid1.Visible);
    EXPECT_TRUE(D.StringGrid3.Visible);
    EXPECT_EQ(D.GroupStift.ItemIndex, 2);
    EXPECT_EQ(D.GroupStil.ItemIndex, 1);

    // Locked coordinates: no grid at all, and the texts stay.
    KoordZeigenGeraden = false;
    D.FormActivate();
    EXPECT_FALSE(D.StringGrid1.Visible || D.StringGrid2.Visible || D.StringGrid3.Visible);
    EXPECT_EQ(D.StringGrid3.Cells(0, 3), "5");
}

TEST_F(Geraden, JedeGeradeHatIhrGitterUndIhreFolgen) {
    // h moved along z: g and h no longer meet; g and t stay skew.
    const TGerade g = Gerade_g;
    const V tProj = Projektionsgeraden[5].VektorAnfang;
    Eingeben(D, D.StringGrid2, 0, 3, "4");
    EXPECT_EQ(Gerade_h.Stuetzvektor.z, 4.0L);
    EXPECT_EQ(LageGH, 0);
    EXPECT_EQ(LageTextGH, "windschief");
    EXPECT_EQ(Gerade_g.Stuetzvektor.x, g.Stuetzvektor.x);
    EXPECT_EQ(Projektionsgeraden[5].VektorAnfang.x, tProj.x);  // t untouched

    // h parallel to t through t's support point: identical.
    Eingeben(D, D.StringGrid2, 0, 1, "0");
    Eingeben(D, D.StringGrid2, 0, 2, "0");
    Eingeben(D, D.StringGrid2, 0, 3, "5");
    EXPECT_EQ(LageTextHT, "identisch");
    EXPECT_EQ(Form_Edits_01.Label_ht.Caption, "identisch");

    // h's direction along z (z first: (0, 0, 0) would be refused on the
    // way): it pierces E1 (x + y + z = 4) at (0, 0, 4).
    Eingeben(D, D.StringGrid2, 1, 3, "1");
    Eingeben(D, D.StringGrid2, 1, 1, "0");
    Eingeben(D, D.StringGrid2, 1, 2, "0");
    EXPECT_TRUE(host.Meldungen.empty());
    ASSERT_EQ(Ebene_E1.DurchstosspunktHvorhanden, 1);
    EXPECT_NEAR(static_cast<double>(Ebene_E1.DurchstosspunktH.z), 4.0, 1e-12);
    // Its trace point in the x,y-plane is the origin; none in the others.
    EXPECT_EQ(Gerade_h.SpurpunktXYvorhanden, 1);
    EXPECT_EQ(Gerade_h.SpurpunktXZvorhanden, 0);
    EXPECT_EQ(Gerade_h.SpurpunktYZvorhanden, 0);

    // g through (4, 0, 0) along (-1, 1, 0) lies in E1.
    const char* g_neu[2][3] = {{"4", "0", "0"}, {"-1", "1", "0"}};
    for (int r : {1, 2, 3}) Eingeben(D, D.StringGrid1, 0, r, g_neu[0][r - 1]);
    for (int r : {3, 1, 2}) Eingeben(D, D.StringGrid1, 1, r, g_neu[1][r - 1]);
    EXPECT_EQ(Ebene_E1.DurchstosspunktGvorhanden, 0);
    EXPECT_EQ(Ebene_E1.LagetextG, "g liegt in E1");
    EXPECT_EQ(Form_Edits_01.Label_gE1.Caption, "g liegt in E1");
}

TEST_F(Geraden, DifferenzvektorenAllerDreiGeradenFolgenJederAenderung) {
    // Each line keeps its own copy of g->h, g->t, h->t (ends 1..6, tips 8,
    // 11, 14): after an edit of any one line all three copies follow it.
    for (const auto& [G, z] : {std::pair{&D.StringGrid1, "7"}, {&D.StringGrid2, "-3"}, {&D.StringGrid3, "2,5"}}) {
        Eingeben(D, *G, 0, 3, z);
        const V g = Gerade_g.Stuetzvektor, h = Gerade_h.Stuetzvektor, t = Gerade_t.Stuetzvektor;
        for (const TGerade& L : Gerade) {
            const TPunkte<15>& v = L.Verbindungsvektoren;
            EXPECT_TRUE(v[1] == g && v[2] == h && v[3] == g && v[4] == t && v[5] == h && v[6] == t);
            EXPECT_TRUE(v[8] == h && v[11] == t && v[14] == t);
        }
    }
}

TEST_F(Geraden, NullRichtungPruefenMeldetNurDenNullvektor) {
    EXPECT_TRUE(NullRichtungPruefen({0, 0, 2e-9L}));
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_FALSE(NullRichtungPruefen({0, -5e-10L, 0}));
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, NullRichtungMeldung);
    EXPECT_EQ(host.Meldungen[0].art, MeldungsArt::Warnung);
}

}  // namespace
