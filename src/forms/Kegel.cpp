#include "forms/Kegel.h"

TForm_Kegel::TForm_Kegel()
    : TObjektartDialog("Kegel und Kreise", "Kegel/Kreis", {"Ke1", "Ke2", "Ke3", "Ke4"},
                       {2, 4, 0, 1, {"Mittelp.", "Normale"}}) {
    ComboBox1.Items = {"3", "4", "5", "6", "10", "12", "15", "20", "30", "60"};
    ComboBox1.ItemIndex = 5;
    ComboBox1.Text = "12";
    for (int k = 1; k <= 12; ++k) ComboBox2.Items.push_back(std::to_string(k));
    ComboBox2.ItemIndex = 0;
    ComboBox2.Text = "1";
    CheckBox_SpeichenEin.Caption = "Kreis-Speichen ein";
}
