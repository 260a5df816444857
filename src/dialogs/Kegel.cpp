#include "dialogs/Kegel.h"

#include "dialogs/DialogRoutinen.h"
#include "dialogs/Gitter.h"
#include "scene/Objekte.h"

TForm_Kegel::TForm_Kegel() {
    Caption = "Kegel und Kreise";
    for (int i = 1; i <= 4; ++i) GitterAnlegen(Gitter(i), 2, 4, 0, 1, {"Mittelp.", "Normale"});
    ComboBox1.Items = {"3", "4", "5", "6", "10", "12", "15", "20", "30", "60"};
    ComboBox1.ItemIndex = 5;
    ComboBox1.Text = "12";
    for (int k = 1; k <= 12; ++k) ComboBox2.Items.push_back(std::to_string(k));
    ComboBox2.ItemIndex = 0;
    ComboBox2.Text = "1";
    CheckBox_SpeichenEin.Caption = "Kreis-Speichen ein";
    GroupStilAnlegen(GroupStil);
}

TStringGrid& TForm_Kegel::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 4);
    TStringGrid* g[] = {&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4};
    return *g[Nr - 1];
}

void TForm_Kegel::FormCreate() {
    // Three cones and one circle (Ke3, height 0), apart from each other and
    // from the spheres.
    struct { const char* M[3]; const char* n[3]; Extended r, h; } start[4] = {
        {{"0", "0", "-7"}, {"0", "0", "1"}, 2.0L, 4.0L},
        {{"7", "1", "0"}, {"-1", "0", "0"}, 1.5L, 3.0L},
        {{"0", "-6", "0"}, {"0", "1", "0"}, 2.0L, 0.0L},
        {{"-6", "0", "0"}, {"1", "1", "1"}, 1.0L, 3.0L},
    };
    for (int i = 1; i <= 4; ++i) {
        const auto& s = start[i - 1];
        SpalteSetzen(Gitter(i), 0, 1, s.M[0], s.M[1], s.M[2]);
        SpalteSetzen(Gitter(i), 1, 1, s.n[0], s.n[1], s.n[2]);
        Kegel[i].Radius = s.r;
        Kegel[i].Hoehe = s.h;
        Kegel[i].Speichen = 12;
        Kegel[i].Randstaerke = 1;
        Kegel[i].SpeichenZeigen = 0;
    }
    Edit_Radius.SetTextStill("2");
    Edit_Hoehe.SetTextStill("4");
    GroupStil.OnClick = [this] { GroupStilClick(); };
    CheckBox_SpeichenEin.OnClick = [this] { CheckBox_SpeichenEinClick(); };
}

void TForm_Kegel::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Kegel[AktKegel].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}

void TForm_Kegel::CheckBox_SpeichenEinClick() {
    Kegel[AktKegel].SpeichenZeigen = CheckBox_SpeichenEin.Checked ? 1 : 0;
    NachAttributNeuZeichnen();
}
