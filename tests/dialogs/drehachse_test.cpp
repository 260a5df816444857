// The rotation-axis dialog: parameter form and two points, its refusals (the
// axis always keeps a direction), its attributes, and the modal show from
// the main window.

#include "Tippen.h"
#include "forms/DrehenUmGerade.h"
#include "forms/Hauptfenster.h"
#include "scene/DrehZustand.h"
#include "control/Drehsteuerung.h"

namespace {

class Drehachsendialog : public Dialogtest {
protected:
    TForm_DrehenUmGerade& D = Form_DrehenUmGerade;
    TStringGrid& G = Form_DrehenUmGerade.StringGrid1;
};

TEST_F(Drehachsendialog, ParameterformSetztDieAchse) {
    // The z-axis at the start, its drawn piece already computed.
    EXPECT_EQ(D.Caption, "Einstellen der Drehachse");
    EXPECT_EQ(Drehachse.VektorEnde, (V{0, 0, 1}));
    EXPECT_EQ(Drehachse.sichtbar, 0);

    Eingeben(D, G, 0, 1, "1");
    Eingeben(D, G, 0, 2, "2.5");
    Eingeben(D, G, 1, 2, "3");
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(Drehachse.Stuetzvektor, (V{1, 2.5L, 0}));
    EXPECT_EQ(Drehachse.Richtungsvektor, (V{0, 3, 1}));
    EXPECT_EQ(Drehachse.VektorAnfang, (V{1, 2.5L, 0}));
    EXPECT_EQ(Drehachse.VektorEnde, (V{1, 5.5L, 1}));

    // A null direction is refused; left, the cell gets its text back.
    Eingeben(D, G, 1, 2, "0");
    EXPECT_TRUE(host.Meldungen.empty());
    Tippen(D, G, 1, 3, "0");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, NullRichtungMeldung);
    D.ZelleVerlassen(G, 1, 3);
    EXPECT_EQ(G.Cells(1, 3), "1,000");
    EXPECT_EQ(Drehachse.Richtungsvektor, (V{0, 0, 1}));
}

TEST_F(Drehachsendialog, ZweiPunkteUndIhreAblehnung) {
    Eingeben(D, G, 0, 1, "1");  // support (1, 0, 0), direction (0, 0, 1)
    Waehle(D.RadioGroup_Form, 1);
    EXPECT_EQ(G.Cells(0, 0), "Punkt A");
    EXPECT_EQ(G.Cells(1, 0), "Punkt B");
    EXPECT_EQ(G.Cells(0, 1), "1,000");
    EXPECT_EQ(G.Cells(1, 1), "1,000");  // B = A + u
    EXPECT_EQ(G.Cells(1, 3), "1,000");

    // B := (3, 0, 4): direction B - A.
    Eingeben(D, G, 1, 1, "3");
    Eingeben(D, G, 1, 3, "4");
    EXPECT_EQ(Drehachse.Stuetzvektor, (V{1, 0, 0}));
    EXPECT_EQ(Drehachse.Richtungsvektor, (V{2, 0, 4}));

    // B onto A: refused with the points' message, the axis stays.
    Eingeben(D, G, 1, 3, "0");
    Tippen(D, G, 1, 1, "1");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, GleichePunkteMeldung);
    EXPECT_EQ(Drehachse.Richtungsvektor, (V{2, 0, 0}));
    // OK leaves the cell: B gets its last valid text back.
    D.BitBtn_OkClick();
    EXPECT_EQ(G.Cells(1, 1), "3");
    EXPECT_EQ(host.Fenster.back().name, "Form_DrehenUmGerade");
    EXPECT_FALSE(host.Fenster.back().zeigen);

    // Back to the parameter form: the same axis.
    Waehle(D.RadioGroup_Form, 0);
    EXPECT_EQ(G.Cells(0, 0), "Stütz-V.");
    EXPECT_EQ(G.Cells(1, 1), "2,000");
    EXPECT_EQ(G.Cells(1, 3), "0,000");
}

TEST_F(Drehachsendialog, AttributeUndSichtbarkeit) {
    Waehle(D.GroupStift, 2);
    Waehle(D.GroupStil, 1);
    Haken(D.CheckBox_Zeigen, true);
    EXPECT_EQ(Drehachse.Stiftbreite, 3);
    EXPECT_EQ(Drehachse.Linienstil, 2);
    EXPECT_EQ(Drehachse.sichtbar, 1);
    EXPECT_EQ(Bilder, 3);
    D.FormActivate();
    EXPECT_EQ(D.GroupStift.ItemIndex, 2);
    EXPECT_TRUE(D.CheckBox_Zeigen.Checked);
}

TEST_F(Drehachsendialog, ModalVomHauptfensterUndDrehungUmDieNeueAchse) {
    host.BeiModal = [this](const std::string& name) {
        ASSERT_EQ(name, "Form_DrehenUmGerade");
        Eingeben(D, G, 0, 1, "1");  // the line x = 1, y = 0 along z
        D.BitBtn_OkClick();
    };
    Form_Edits_01.BitBtn_EinstDrhAchseClick();
    ASSERT_FALSE(host.Fenster.empty());
    EXPECT_TRUE(host.Fenster.front().modal);
    EXPECT_EQ(Drehachse.Stuetzvektor, (V{1, 0, 0}));

    // P1 turned about it by 90 degrees keeps its distance to the axis and
    // its height.
    DrehObjektFlags[18] = true;
    Drehwinkel = 90;
    const V P = Punkt[1].Ort;
    GesamtDrehenUmGerade();
    const V Q = Punkt[1].Ort;
    EXPECT_NEAR(static_cast<double>(Q.z), static_cast<double>(P.z), 1e-12);
    const auto abstand = [](V X) { return std::hypot(double(X.x) - 1, double(X.y)); };
    EXPECT_NEAR(abstand(Q), abstand(P), 1e-12);
    EXPECT_GT(std::fabs(double(Q.x - P.x)) + std::fabs(double(Q.y - P.y)), 1.0);
}

}  // namespace
