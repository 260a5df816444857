// The rotation-axis dialog: parameter form and two points, its refusals (the
// axis always keeps a direction), its attributes, and the modal show from
// the main window.

#include <cmath>

#include <gtest/gtest.h>

#include "Tippen.h"
#include "dialogs/DrehenUmGerade.h"
#include "dialogs/Geraden_t.h"
#include "mainwindow/Hauptfenster.h"
#include "mainwindow/Programm.h"
#include "platform/SkriptHost.h"
#include "scene/Objekte.h"
#include "view3d/DrehZustand.h"
#include "view3d/Drehsteuerung.h"
#include "view3d/Zeichnen.h"

namespace {

class Drehachsendialog : public ::testing::Test {
protected:
    SkriptHost host;
    HostEinsetzen eingesetzt{host};
    TForm_DrehenUmGerade& D = Form_DrehenUmGerade;
    TStringGrid& G = Form_DrehenUmGerade.StringGrid1;

    void SetUp() override {
        ProgrammStart();
        host.Vergessen();
    }
    void Formwahl(int i) {
        D.RadioGroup_Form.ItemIndex = i;
        D.RadioGroup_Form.Click();
    }
};

TEST_F(Drehachsendialog, StartetAlsZAchseMitRichtung) {
    EXPECT_EQ(D.Caption, "Einstellen der Drehachse");
    EXPECT_EQ(Drehachse.Stuetzvektor, (TVek_R3{0, 0, 0}));
    EXPECT_EQ(Drehachse.Richtungsvektor, (TVek_R3{0, 0, 1}));
    EXPECT_EQ(Drehachse.VektorEnde, (TVek_R3{0, 0, 1}));  // recomputed at the start
    EXPECT_EQ(G.Cells(1, 3), "1,000");
    EXPECT_EQ(Drehachse.sichtbar, 0);
}

TEST_F(Drehachsendialog, ParameterformSetztDieAchse) {
    Eingeben(D, G, 0, 1, "1");
    Eingeben(D, G, 0, 2, "2.5");
    Eingeben(D, G, 1, 2, "3");
    EXPECT_TRUE(host.Meldungen.empty());
    EXPECT_EQ(Drehachse.Stuetzvektor, (TVek_R3{1, 2.5L, 0}));
    EXPECT_EQ(Drehachse.Richtungsvektor, (TVek_R3{0, 3, 1}));
    EXPECT_EQ(Drehachse.VektorAnfang, (TVek_R3{1, 2.5L, 0}));
    EXPECT_EQ(Drehachse.VektorEnde, (TVek_R3{1, 5.5L, 1}));

    // A null direction is refused; left, the cell gets its text back.
    Eingeben(D, G, 1, 2, "0");
    EXPECT_TRUE(host.Meldungen.empty());
    Tippen(D, G, 1, 3, "0");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, NullRichtungMeldung);
    D.ZelleVerlassen(G, 1, 3);
    EXPECT_EQ(G.Cells(1, 3), "1,000");
    EXPECT_EQ(Drehachse.Richtungsvektor, (TVek_R3{0, 0, 1}));
}

TEST_F(Drehachsendialog, ZweiPunkteUndIhreAblehnung) {
    Eingeben(D, G, 0, 1, "1");  // support (1, 0, 0), direction (0, 0, 1)
    Formwahl(1);
    EXPECT_EQ(G.Cells(0, 0), "Punkt A");
    EXPECT_EQ(G.Cells(1, 0), "Punkt B");
    EXPECT_EQ(G.Cells(0, 1), "1,000");
    EXPECT_EQ(G.Cells(1, 1), "1,000");  // B = A + u
    EXPECT_EQ(G.Cells(1, 3), "1,000");

    // B := (3, 0, 4): direction B - A.
    Eingeben(D, G, 1, 1, "3");
    Eingeben(D, G, 1, 3, "4");
    EXPECT_EQ(Drehachse.Stuetzvektor, (TVek_R3{1, 0, 0}));
    EXPECT_EQ(Drehachse.Richtungsvektor, (TVek_R3{2, 0, 4}));

    // B onto A: refused with the points' message, the axis stays.
    Eingeben(D, G, 1, 3, "0");
    Tippen(D, G, 1, 1, "1");
    ASSERT_EQ(host.Meldungen.size(), 1u);
    EXPECT_EQ(host.Meldungen[0].text, GleichePunkteMeldung);
    EXPECT_EQ(Drehachse.Richtungsvektor, (TVek_R3{2, 0, 0}));
    // OK leaves the cell: B gets its last valid text back.
    D.BitBtn_OkClick();
    EXPECT_EQ(G.Cells(1, 1), "3");
    EXPECT_EQ(host.Fenster.back().name, "Form_DrehenUmGerade");
    EXPECT_FALSE(host.Fenster.back().zeigen);

    // Back to the parameter form: the same axis.
    Formwahl(0);
    EXPECT_EQ(G.Cells(0, 0), "Stütz-V.");
    EXPECT_EQ(G.Cells(1, 1), "2,000");
    EXPECT_EQ(G.Cells(1, 3), "0,000");
}

TEST_F(Drehachsendialog, AttributeUndSichtbarkeit) {
    int Bilder = 0;
    BildUebertragen = [&] { ++Bilder; };
    D.GroupStift.ItemIndex = 2;
    D.GroupStift.Click();
    D.GroupStil.ItemIndex = 1;
    D.GroupStil.Click();
    D.CheckBox_Zeigen.Checked = true;
    D.CheckBox_Zeigen.Click();
    BildUebertragen = nullptr;
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
    EXPECT_EQ(Drehachse.Stuetzvektor, (TVek_R3{1, 0, 0}));

    // P1 turned about it by 90 degrees keeps its distance to the axis and
    // its height.
    DrehObjektFlags[18] = true;
    Drehwinkel = 90;
    const TVek_R3 P = Punkt[1].Ort;
    GesamtDrehenUmGerade();
    const TVek_R3 Q = Punkt[1].Ort;
    EXPECT_NEAR(static_cast<double>(Q.z), static_cast<double>(P.z), 1e-12);
    const auto abstand = [](TVek_R3 X) { return std::hypot(double(X.x) - 1, double(X.y)); };
    EXPECT_NEAR(abstand(Q), abstand(P), 1e-12);
    EXPECT_GT(std::fabs(double(Q.x - P.x)) + std::fabs(double(Q.y - P.y)), 1.0);
}

}  // namespace
