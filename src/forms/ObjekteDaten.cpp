#include "forms/ObjekteDaten.h"

TForm_ObjekteDaten::TForm_ObjekteDaten() {
    Caption = " Rechnen mit Objektdaten";
    for (int i = 1; i <= RechenObjektAnzahl; ++i) ObjektKnopf[i].Caption = RechenObjekte[i - 1].Name;
    RadioGroup1.Caption = "gewählten Vektor bzw. Punkt kopieren in  Vektorspeicher ...";
    RadioGroup1.Items = {"Speicher 1", "Speicher 2", "Speicher 3", "Speicher 4", "Vektor 1",
                         "Vektor 2",   "Vektor 3",   "Ergebnis",   "Ergebn (Ergebn+Wahl)", "Ergebn (Ergebn-Wahl)"};
    RadioGroup1.ItemIndex = 7;
    RadioGroup2.Caption = "Längen, Abstände in ...";
    RadioGroup2.Items = {"Länge 1", "Länge 2", "Länge"};
    RadioGroup2.ItemIndex = 2;
    for (int i = 1; i <= 12; ++i) RegisterFeld(i).SetTextStill(i == 12 ? "1" : "0");
    for (TPanel* P : {&Ergx, &Ergy, &Ergz}) P->Caption = "0";
    BitBtn1.Caption = "Ergebnis übernehmen";
    BitBtn2.Caption = "Abbrechen";
    Button1.Caption = "Button1";
    Button1.Visible = false;
}

TEdit& TForm_ObjekteDaten::RegisterFeld(int i) {
    TEdit* const Felder[12] = {&V1x, &V1y, &V1z, &V2x, &V2y, &V2z, &V3x, &V3y, &V3z,
                               &Edit_Laenge1, &Edit_Laenge2, &Edit_Laenge};
    assert(i >= 1 && i <= 12);
    return *Felder[i - 1];
}

Extended& TForm_ObjekteDaten::RegisterWert(int i) {
    assert(i >= 1 && i <= 12);
    if (i >= 10) return i == 10 ? Laenge1 : i == 11 ? Laenge2 : Laenge;
    TVek_R3& v = i <= 3 ? RechenVektor1 : i <= 6 ? RechenVektor2 : RechenVektor3;
    const int k = (i - 1) % 3;
    return k == 0 ? v.x : k == 1 ? v.y : v.z;
}
