// The value entries of the calculator's object menus, family by family:
// what each delivers in a known scene, the messages of values that do not
// exist, the twins in the partner's menu, and that no entry is inert or
// changes a drawn object.

#include <functional>

#include "Rechnertest.h"
#include "scene/Objekte.h"
#include "tools/Objektwerte.h"

namespace {

class Objektwerte : public Rechnertest {
protected:
    void Alle(std::initializer_list<Fall> faelle) {
        for (const Fall& f : faelle) Pruefen(f.Knopf, f.Pfad, f.e);
    }
    static void KugelSetzen(int i, TVek_R3 M, long double r) {
        Kugel[i].Mittelpunkt = M;
        Kugel[i].Radius = r;
    }
    static void GeradeSetzen(int n, TVek_R3 A, TVek_R3 u) {
        Gerade[n].Stuetzvektor = A;
        Gerade[n].Richtungsvektor = u;
    }
    static void EbeneSetzen(int e, TVek_R3 S, TVek_R3 u, TVek_R3 w) {
        Ebene[e].Stuetzvektor = S;
        Ebene[e].Richtungsvektor1 = u;
        Ebene[e].Richtungsvektor2 = w;
    }
};

// g: (-4,-4,-2) + s(2,2,1) through the origin; h: (6,-2,1) + s(-2,2,0)
// parallel to E1 (x + y + z = 4) and to the x,y-plane; E2: -x + y + 4z + 4 = 0.
TEST_F(Objektwerte, GeradenUndEbenen) {
    Vektor[4].Vektor = {2, 3, 6};
    Alle({
        {"g", {"Spurpunkt x,y-Ebene"}, Vek(0, 0, 0)},
        {"g", {"Abstand vom Ursprung  (L)"}, Lg(0)},
        {"g", {"Fußpunkt des Lotes zum Ursprungspunkt"}, Vek(0, 0, 0)},
        {"g", {"g-Ebene", "g-E1", "Durchstoßpunkt mit E1"}, Vek(1.6L, 1.6L, 0.8L)},
        {"E1", {"E1-Geraden", "E1-g", "Durchstoßpunkt mit g"}, Vek(1.6L, 1.6L, 0.8L)},
        {"h", {"Spurpunkt x,y-Ebene"}, Msg("Der Spurpunkt von h mit der x,y-Ebene existiert nicht!")},
        {"h", {"Spurpunkt x,z-Ebene"}, Vek(4, 0, 1)},
        {"h", {"Fußpunkt des Lotes zum Ursprungspunkt"}, Vek(2, 2, 1)},
        {"h", {"h-Ebene", "h-E1", "Durchstoßpunkt mit E1"}, Msg("Der Durchstoßpunkt von h mit E1 existiert nicht!")},
        {"t", {"Spurpunkt y,z-Ebene"}, Vek(0, 0, 5)},
        {"E1", {"akt. Normalenvektor"}, Vek(16, 16, 16)},
        {"E1", {"Durchstoßpunkt x-Achse"}, Vek(4, 0, 0)},
        {"E1", {"Abstand zum Ursprungspunkt  (L)"}, Lg(2.3094010767585030580L)},  // 4 / sqrt(3)
        {"E2", {"Abstand vom Ursprungspunkt  (L)"}, Lg(0.9428090415820633659L)},  // 4 / sqrt(18)
        // What the other objects hold; only the first parallelepiped has all corners.
        {"SP1", {"G (a + AB + AD + AE)"}, Vek(6, 6, -3)},  // A (2,2,-6) + (4,0,0) + (0,4,0) + (0,0,3)
        {"V4", {"Länge des Vektors"}, Lg(7)},  // (2, 3, 6)
        {"Ke3", {"Höhe  (L)"}, Lg(0)},
    });
    EXPECT_EQ(R.PopupMenu[7].Items.size(), 4u);
    // A plane parallel to the x- and y-axis, 5 above the origin.
    EbeneSetzen(1, {0, 0, 5}, {1, 0, 0}, {0, 1, 0});
    Alle({
        {"E1", {"Abstand zur x-Achse  (L)"}, Lg(5)},
        {"E1", {"Abstand zur z-Achse  (L)"}, Lg(0)},
        {"E1", {"Durchstoßpunkt x-Achse"}, Msg("Der Durchstoßpunkt der x-Achse mit E1 existiert nicht!")},
        {"E1", {"Durchstoßpunkt z-Achse"}, Vek(0, 0, 5)},
    });
}

// P2 = (3, 4, 12) in every entry of its menu, which does nothing for P2 to
// P4 where the entries have no twin of their own: they act for their point.
TEST_F(Objektwerte, PunkteMitAchsenGeradenEbenenKugeln) {
    Punkt[2].Ort = {3, 4, 12};
    KugelSetzen(1, {0, 0, 0}, 1);
    const long double hP2 = 11.202678251204039646L;  // sqrt(125.5): foot (1.5, 2.5, 1) on h
    Alle({
        {"P2", {"Abstand vom Ursprung  (L)"}, Lg(13)},
        {"P2", {"Abstand von der x-Achse  (L)"}, Lg(12.649110640673517328L)},  // sqrt(4^2 + 12^2)
        {"P2", {"Fußpunkt des Lotes auf die x-Achse"}, Vek(3, 0, 0)},
        {"P2", {"P2-Geraden", "P2-h", "Abstand zu h  (L)"}, Lg(hP2)},
        {"P2", {"P2-Geraden", "P2-h", "Fußpunkt des Lotes auf h"}, Vek(1.5L, 2.5L, 1)},
        {"h", {"h-Punkte", "h-P2", "Abstand P2-h (L)"}, Lg(hP2)},
        {"P2", {"P2-Ebenen", "P2-E1", "Abstand zu E1  (L)"}, Lg(8.6602540378443864676L)},  // 15 / sqrt(3)
        {"P2", {"P2-Ebenen", "P2-E1", "Fußpunkt des Lotes auf E1"}, Vek(-2, -1, 7)},
        {"E1", {"E1-Punkte", "E1-P2", "Abstand von P2 zu E1  (L)"}, Lg(8.6602540378443864676L)},
        {"P2", {"P2-Kugeln", "P2-K1", "Abstand zum Mittelpunkt  (L)"}, Lg(13)},
        {"K1", {"K1 - Punkte", "K1-P2", "Abstand von P2 zum Mittelpunkt von K1  (L)"}, Lg(13)},
    });
    // A plane whose direction vectors span a normal shorter than 1e-9: the
    // foot along the normalised normal, no failed intersection.
    EbeneSetzen(2, {0, 0, 2}, {1e-5L, 0, 0}, {0, 1e-5L, 0});
    Alle({
        {"P2", {"P2-Ebenen", "P2-E2", "Abstand zu E2  (L)"}, Lg(10)},
        {"P2", {"P2-Ebenen", "P2-E2", "Fußpunkt des Lotes auf E2"}, Vek(3, 4, 2)},
    });
}

TEST_F(Objektwerte, GeradeSchneidetKugel) {
    KugelSetzen(1, {0, 0, 0}, 2);
    const std::string kein = "g hat keinen gemeinsamen Punkt mit K1";
    const struct {
        TVek_R3 A, u;
        Erwartet erster, zweiter;
    } faelle[] = {
        {{-5, 0, 0}, {1, 0, 0}, Vek(-2, 0, 0), Vek(2, 0, 0)},
        {{-5, 0, 0}, {-1, 0, 0}, Vek(2, 0, 0), Vek(-2, 0, 0)},
        // From a support point on the sphere, that point comes first.
        {{2, 0, 0}, {1, 0, 0}, Vek(2, 0, 0), Vek(-2, 0, 0)},
        {{-5, 2, 0}, {1, 0, 0}, Vek(0, 2, 0), Msg("g hat nur einen Berührpunkt mit K1")},
        {{-5, 3, 0}, {1, 0, 0}, Msg(kein), Msg(kein)},
        {{-5, 0, 0}, {1e-5L, 0, 0}, Msg(kein), Msg(kein)},
    };
    for (const auto& f : faelle) {
        GeradeSetzen(1, f.A, f.u);
        Pruefen("g", {"g-Kugel", "g-K1", "1. Schnittpunkt g-K1"}, f.erster);
        Pruefen("g", {"g-Kugel", "g-K1", "2. Schnittpunkt g-K1"}, f.zweiter);
        Pruefen("K1", {"K1-Geraden", "K1-g", "1. Schnittpunkt K1-g"}, f.erster);
        Pruefen("K1", {"K1-Geraden", "K1-g", "2. Schnittpunkt K1-g"}, f.zweiter);
    }
    // The sphere menus keep their own wording.
    GeradeSetzen(3, {-5, 0, 0}, {1, 0, 0});
    KugelSetzen(4, {0, 0, 0}, 2);
    Pruefen("K4", {"K4 - Geraden", "K4-t", "2. Schnittpunkt K-t"}, Vek(2, 0, 0));
}

// E1: the plane z = 5. K1 has its centre in it, K2 touches it from below,
// K3 lies apart.
TEST_F(Objektwerte, KugelUndEbene) {
    EbeneSetzen(1, {0, 0, 5}, {1, 0, 0}, {0, 1, 0});
    KugelSetzen(1, {0, 0, 5}, 2);
    KugelSetzen(2, {1, 1, 2}, 3 + 5e-10L);
    KugelSetzen(3, {0, 0, 0}, 1);
    const auto kreis = [](int i) { return "Ein Schnittkreis zwischen K" + std::to_string(i) + " und E1 existiert nicht."; };
    const auto beruehr = [](int i) { return "Ein Berührpunkt zwischen K" + std::to_string(i) + " und E1 existiert nicht."; };
    Alle({
        {"E1", {"E1-Kugeln", "E1-K1", "Mittelpunkt des Schnittkreises"}, Vek(0, 0, 5)},
        {"E1", {"E1-Kugeln", "E1-K1", "Radius des Schnittkreises  (L)"}, Lg(2)},
        {"E1", {"E1-Kugeln", "E1-K1", "Normalenvektor des Schnittkreises"}, Vek(0, 0, 1)},
        {"E1", {"E1-Kugeln", "E1-K1", "Berührpunkt"}, Msg(beruehr(1))},
        {"E1", {"E1-Kugeln", "E1-K2", "Berührpunkt"}, Vek(1, 1, 5)},
        {"E1", {"E1-Kugeln", "E1-K3", "Abstand zwischen dem MP der Kugel und der Ebene  (L)"}, Lg(5)},
        {"E1", {"E1-Kugeln", "E1-K3", "Mittelpunkt des Schnittkreises"}, Msg(kreis(3))},
    });
    EbeneSetzen(2, {0, 0, 5}, {0, 1, 0}, {1, 0, 0});
    Pruefen("E2", {"E2-Kugeln", "E2 - K1", "Normalenvektor des Schnittkreises"}, Vek(0, 0, -1));
}

// K1 (0,0,0) r 5, K2 (6,0,0) r 5, K3 (10,0,0) r 5, K4 (2,0,0) r 3: K1 and K2
// cut each other, K1 and K3 touch from outside, K4 touches K1 from inside.
TEST_F(Objektwerte, ZweiKugeln) {
    KugelSetzen(1, {0, 0, 0}, 5);
    KugelSetzen(2, {6, 0, 0}, 5);
    KugelSetzen(3, {10, 0, 0}, 5);
    KugelSetzen(4, {2, 0, 0}, 3);
    Alle({
        {"K1", {"K1-Kugeln", "K1-K2", "Mittelpunkt des Schnittkreises"}, Vek(3, 0, 0)},
        {"K1", {"K1-Kugeln", "K1-K2", "Radius des Schnittkreises  (L)"}, Lg(4)},
        {"K1", {"K1-Kugeln", "K1-K2", "Normalenvektor des Schnittkreises"}, Vek(-1, 0, 0)},
        {"K1", {"K1-Kugeln", "K1-K3", "Berührpunkt"}, Vek(5, 0, 0)},
        {"K1", {"K1-Kugeln", "K1-K4", "Berührpunkt"}, Vek(5, 0, 0)},
        {"K1", {"K1-Kugeln", "K1-K4", "Radius des Schnittkreises  (L)"}, Msg("K1 und K4 haben keinen Schnittkreis.")},
        {"K2", {"K2- Kugeln", "K2-K3", "Radius des Schnittkreises  (L)"}, Lg(4.5825756949558400066L)},  // sqrt(5^2 - 2^2)
        {"K2", {"K2- Kugeln", "K2-K4", "Mittelpunkt des Schnittkreises"}, Vek(2, 0, 0)},
        {"K2", {"K2- Kugeln", "K2-K4", "Radius des Schnittkreises  (L)"}, Lg(3)},
        {"K3", {"K3 - Kugeln", "K3-K4", "Berührpunkt"}, Vek(5, 0, 0)},
    });
    Pruefen("K1", {"K1-Kugeln", "K1-K2", "Radius des Schnittkreises  (L)"}, Lg(4));
    EXPECT_EQ(Ebene_E3.KoordA, 12);
    EXPECT_EQ(Ebene_E3.KoordD, -36);
    // The smaller sphere first, inside the larger: the far side of its centre.
    KugelSetzen(2, {6, 0, 0}, 1);
    Pruefen("K2", {"K2- Kugeln", "K2-K3", "Berührpunkt"}, Vek(5, 0, 0));
    // Equal spheres have neither.
    KugelSetzen(3, {6, 0, 0}, 1);
    Pruefen("K2", {"K2- Kugeln", "K2-K3", "Berührpunkt"}, Msg("K2 und K3 haben keinen Berührpunkt."));
    Pruefen("K2", {"K2- Kugeln", "K2-K3", "Mittelpunkt des Schnittkreises"}, Msg("K2 und K3 haben keinen Schnittkreis."));
}

TEST_F(Objektwerte, Polarkreis) {
    KugelSetzen(1, {0, 0, 0}, 3);
    Punkt[1].Ort = {5, 0, 0};
    Punkt[2].Ort = {3, 0, 0};
    Punkt[3].Ort = {0, 5, 0};
    Punkt[4].Ort = {0, 0, 0};
    const std::string aussen = "Der Punkt liegt nicht außerhalb der Kugel!";
    Alle({
        {"P1", {"P1-Kugeln", "P1-K1", "Mittelpunkt des Polarkreises"}, Vek(1.8L, 0, 0)},
        {"P1", {"P1-Kugeln", "P1-K1", "Radius des Polarkreises"}, Lg(2.4L)},
        {"P1", {"P1-Kugeln", "P1-K1", "Ein Normalenvektor der Polarebene"}, Vek(-1, 0, 0)},
        {"K1", {"K1 - Punkte", "K1-P1", "Radius des Polarkreises"}, Lg(2.4L)},
        {"P3", {"P3-Kugeln", "P3-K1", "Mittelpunkt des Polarkreises"}, Vek(0, 1.8L, 0)},
        {"K1", {"K1 - Punkte", "K1-P4", "Mittelpunkt des Polarkreises"}, Msg(aussen)},
    });
    Pruefen("P1", {"P1-Kugeln", "P1-K1", "Radius des Polarkreises"}, Lg(2.4L));
    EXPECT_EQ(Ebene_E3.KoordA, 5);
    EXPECT_EQ(Ebene_E3.KoordD, -9);
}

TEST_F(Objektwerte, MenueGerueste) {
    // K4 has no menu of sphere pairs: each pair is offered once.
    EXPECT_EQ(R.PopupMenu[25].Items[2].Caption, "K4 - Geraden");
    // The spheres' plane entry holds two disabled entries and only points to the plane menus.
    TMenuItem* ebenen = Eintrag("K2", {"K2 - Ebenen"});
    ASSERT_NE(ebenen, nullptr);
    EXPECT_FALSE(ebenen->Items.at(1).Enabled);
    ebenen->Click();
    EXPECT_EQ(host.LetzteMeldung(), KugelEbenenHinweis);
}

// Every entry of every menu in the start scene, and again with every sphere
// at one place: each one delivers or says why not, no drawn object changes,
// only the circle entries of two spheres and the polar entries write E3,
// and no register ever shows a number that is not finite.
TEST_F(Objektwerte, JederEintragLiefertUndAendertNurE3) {
    const auto Szene = [] {
        return std::make_tuple(Gerade, Ebene_E1, Ebene_E2, Spat, Vektor, Strecke, Punkt, Kugel, Kegel);
    };
    for (int Lauf = 0; Lauf < 2; ++Lauf) {
        if (Lauf == 1)
            for (int i = 1; i <= 4; ++i) KugelSetzen(i, {1, 1, 1}, 2);
        const auto vorher = Szene();
        std::function<void(TMenuItem&, const std::string&)> Besuchen = [&](TMenuItem& m, const std::string& wo) {
            if (!m.Items.empty()) {
                for (TMenuItem& k : m.Items) Besuchen(k, wo + " / " + k.Caption);
                return;
            }
            if (!m.Enabled) return;
            ASSERT_TRUE(static_cast<bool>(m.OnClick)) << wo;
            Markieren();
            Ebene_E3 = TEbene{};
            m.Click();
            const bool geliefert = !(ErgebnisVektor == Marke) || R.Edit_Laenge.Text() != "777";
            EXPECT_NE(geliefert, host.Meldungen.size() == 1) << wo;
            for (const std::string& t : {R.Ergx.Caption, R.Ergy.Caption, R.Ergz.Caption, R.Edit_Laenge.Text()})
                EXPECT_EQ(t.find_first_of("NI"), std::string::npos) << wo << ": " << t;
            const bool E3 = !(Ebene_E3 == TEbene{});
            const bool darf = wo.find("Polar") != std::string::npos ||
                              (wo.find("Kugeln / K") != std::string::npos && wo.find("Schnittkreises") != std::string::npos);
            EXPECT_TRUE(!E3 || darf) << wo;
        };
        for (int i = 1; i <= RechenObjektAnzahl; ++i)
            for (TMenuItem& m : R.PopupMenu[i].Items)
                Besuchen(m, std::string(RechenObjekte[i - 1].Name) + " / " + m.Caption);
        EXPECT_TRUE(Szene() == vorher);
    }
}

}  // namespace
