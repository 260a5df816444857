#include "forms/DrehenUmGerade.h"

#include "scene/Stilindex.h"
#include "forms/Geraden_t.h"
#include "forms/Gitter.h"
#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "scene/Ansicht.h"

namespace {

bool ZweiPunkte() { return Form_DrehenUmGerade.RadioGroup_Form.ItemIndex == 1; }

void KopfSchreiben(TStringGrid& G, bool Punkte) {
    G.Cells(0, 0) = Punkte ? "Punkt A" : "Stütz-V.";
    G.Cells(1, 0) = Punkte ? "Punkt B" : "Richt.-V.";
}

// Column Spalte of the grid as the axis holds it now.
TVek_R3 SpalteAusAchse(int Spalte, bool Punkte) {
    if (Spalte == 0) return Drehachse.Stuetzvektor;
    if (!Punkte) return Drehachse.Richtungsvektor;
    return Summe(Drehachse.Stuetzvektor, Drehachse.Richtungsvektor);
}

void GitterAusAchse(TStringGrid& G, bool Punkte) {
    KopfSchreiben(G, Punkte);
    for (int c = 0; c <= 1; ++c) {
        const TVek_R3 v = SpalteAusAchse(c, Punkte);
        SpalteSetzen(G, c, 1, KoordText(v.x), KoordText(v.y), KoordText(v.z));
    }
}

// Support point and direction from the grid, in either form.
bool AchseLesen(const TStringGrid& G, bool Punkte, TVek_R3& A, TVek_R3& u) {
    TVek_R3 zweite;
    if (!SpalteLesen(G, 0, 1, A) || !SpalteLesen(G, 1, 1, zweite)) return false;
    if (Punkte)
        VektorAB(A, zweite, u);
    else
        u = zweite;
    return true;
}

}  // namespace

TObjektGitter TForm_DrehenUmGerade::ObjektGitter(TStringGrid& G) {
    if (&G != &StringGrid1) return {};
    TObjektGitter O;
    O.Gitter = &G;
    O.Gedaechtnis = &Gedaechtnis;
    O.Ablehnung = [&G]() -> std::string {
        TVek_R3 A, u;
        AchseLesen(G, ZweiPunkte(), A, u);
        if (!IstNullvektor(u)) return "";
        return ZweiPunkte() ? GleichePunkteMeldung : NullRichtungMeldung;
    };
    O.Anwenden = [&G] {
        TVek_R3 A, u;
        if (!AchseLesen(G, ZweiPunkte(), A, u)) return;
        Drehachse.Stuetzvektor = A;
        Drehachse.Richtungsvektor = u;
        AktLinienNr = 43;
        GeradeBerechnen(Drehachse);
    };
    O.ObjektWert = [](int Spalte, int Zeile) {
        const TVek_R3 v = SpalteAusAchse(Spalte, ZweiPunkte());
        return Zeile == 1 ? v.x : Zeile == 2 ? v.y : v.z;
    };
    return O;
}

void TForm_DrehenUmGerade::FormCreate() {
    Drehachse.Stuetzvektor = {0, 0, 0};
    Drehachse.Richtungsvektor = {0, 0, 1};
    Drehachse.Farbe = 0x00800080;  // purple
    Drehachse.Stiftbreite = 1;
    Drehachse.Linienstil = 0;
    Drehachse.sichtbar = 0;
    RadioGroup_Form.ItemIndex = 0;
    GitterAusAchse(StringGrid1, false);
    RadioGroup_Form.OnClick = [this] { RadioGroup_FormClick(); };
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
    CheckBox_Zeigen.OnClick = [this] { CheckBox_ZeigenClick(); };
    BitBtn_Ok.OnClick = [this] { BitBtn_OkClick(); };
}

void TForm_DrehenUmGerade::FormActivate() {
    Gedaechtnis.Vergessen();
    GitterAusAchse(StringGrid1, ZweiPunkte());
    if (Drehachse.Stiftbreite >= 1 && Drehachse.Stiftbreite <= 4)
        GroupStift.ItemIndex = Drehachse.Stiftbreite - 1;
    GroupStil.ItemIndex = LinienstilZuIndex(Drehachse.Linienstil);
    CheckBox_Zeigen.Checked = Drehachse.sichtbar == 1;
    if (StringGrid1.Visible) StringGrid1.SetFocus();
}

void TForm_DrehenUmGerade::RadioGroup_FormClick() {
    // The other form of the same axis; what was typed but not applied goes.
    StringGrid1.Bearbeitung = false;
    Gedaechtnis.Vergessen();
    GitterAusAchse(StringGrid1, ZweiPunkte());
}

void TForm_DrehenUmGerade::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Drehachse.Stiftbreite = GroupStift.ItemIndex + 1;
    NachAttributNeuZeichnen();
}

void TForm_DrehenUmGerade::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Drehachse.Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}

void TForm_DrehenUmGerade::CheckBox_ZeigenClick() {
    Drehachse.sichtbar = CheckBox_Zeigen.Checked ? 1 : 0;
    NachAttributNeuZeichnen();
}

void TForm_DrehenUmGerade::BitBtn_OkClick() {
    if (FormCloseQuery()) Host().FensterVerbergen("Form_DrehenUmGerade");
}

bool TForm_DrehenUmGerade::FormCloseQuery() {
    // Every cell left, so none stays unfinished or refused.
    for (int c = 0; c <= 1; ++c)
        for (int r = 1; r <= 3; ++r) ZelleVerlassen(StringGrid1, c, r);
    return true;
}
