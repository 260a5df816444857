#include "forms/Spate.h"

#include "geometry/Geometrie.h"
#include "reports/Datenfenster.h"
#include "view3d/ObjektGeometrie.h"

void TForm_Spate::FormCreate() {
    ErgebnisseVerbinden(ErgebnisseSpate);
    // Corner A, then the edges AB, AD, AE.
    SpaltenSetzen(StringGrid1, {{"2", "2", "-6"}, {"4", "0", "0"}, {"0", "4", "0"}, {"0", "0", "3"}});
    SpaltenSetzen(StringGrid2, {{"-6", "2", "2"}, {"3", "0", "0"}, {"1", "3", "0"}, {"0", "1", "3"}});
    SpaltenSetzen(StringGrid3,
                  {{"-7", "-7", "-7"}, {"3", "0", "0"}, {"0", "3", "0"}, {"0", "0", "3"}});
    SpaltenSetzen(StringGrid4, {{"2", "-6", "2"}, {"4", "0", "0"}, {"0", "3", "0"}, {"1", "1", "4"}});
    GroupErz.OnClick = [this] { GroupErzClick(); };
    Verbinden();
}

TVek_R3 TForm_Spate::Spaltenvektor(const TSpat& S, int Spalte) const {
    return Spalte == 0 ? S.Ecke[1] : Spalte == 1 ? S.AB : Spalte == 2 ? S.AD : S.AE;
}

void TForm_Spate::Einlesen(int Nr) { SpatBerechnen(Nr); }

TAblehnung TForm_Spate::Ablehnung(TStringGrid& G) {
    return [&G]() -> std::string {
        TVek_R3 AB, AD, AE;
        SpalteLesen(G, 1, 1, AB);
        SpalteLesen(G, 2, 1, AD);
        SpalteLesen(G, 3, 1, AE);
        return LinearAbhaengig3(AB, AD, AE) ? AbhaengigeKantenMeldung : "";
    };
}

void TForm_Spate::WeiteresZeigen(const TSpat& S) {
    GroupErz.ItemIndex = ErzFlagZuIndex(S.ErzeugendeZeigen);
}

void TForm_Spate::GroupErzClick() {
    if (GroupErz.ItemIndex < 0) return;
    Spat[AktSpat].ErzeugendeZeigen = IndexZuErzFlag(static_cast<Byte>(GroupErz.ItemIndex));
    NachAttributNeuZeichnen();
}
