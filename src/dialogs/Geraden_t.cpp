#include "forms/Geraden_t.h"

#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "reports/Datenfenster.h"
#include "view3d/ObjektGeometrie.h"
#include "view3d/Abgeleitet.h"
#include "scene/Ansicht.h"

void TForm_Geraden_t::FormCreate() {
    // g and h meet in (4, 0, 1); t is parallel to h and skew to g; g pierces
    // E1 and E2 inside the axes cube and has three distinct trace points.
    SpaltenSetzen(StringGrid1, {{"-5", "-3", "-2"}, {"3", "1", "1"}});
    SpaltenSetzen(StringGrid2, {{"6", "-2", "1"}, {"-2", "2", "0"}});
    SpaltenSetzen(StringGrid3, {{"0", "0", "5"}, {"-2", "2", "0"}});
    FarbeG = 0x00FF0000;  // blue
    FarbeH = 0x00008000;  // green
    FarbeT = 0x00004080;  // brown
    ErgebnisseVerbinden(ErgebnisseGeraden);
    ErgebnisseVerbinden(ErgebnisseGeradenEbenen);
    Verbinden();
}

void TForm_Geraden_t::Einlesen(int Nr) {
    GeradeAusDialog(Nr);
    GeradeNeuBerechnen(Nr);
}

TAblehnung TForm_Geraden_t::Ablehnung(TStringGrid& G) {
    return [&G]() -> std::string {
        TVek_R3 u;
        SpalteLesen(G, 1, 1, u);
        return IstNullvektor(u) ? NullRichtungMeldung : "";
    };
}

bool NullRichtungPruefen(TVek_R3 u) {
    if (IstNullvektor(u)) {
        MeldungZeigen(NullRichtungMeldung, MeldungsArt::Warnung);
        return false;
    }
    return true;
}

void GeradeAusDialog(int Nr) {
    if (Nr == 1)
        GeradeGAusDialog();
    else if (Nr == 2)
        GeradeHAusDialog();
    else
        GeradeTAusDialog();
}

void GeradeNeuBerechnen(int Nr) {
    // AktLinienNr as the whole recomputation sets it for g, h and t.
    AktLinienNr = Nr == 3 ? 33 : Nr;
    GeradeBerechnen(Gerade[Nr]);  // ends with GeradenLage
    // The other two lines' copies of the difference vectors follow it.
    for (int k = 1; k <= 3; ++k)
        if (k != Nr) VerbindungsvektorenBerechnen(Gerade[k]);
    // Piercing points and positions in E1 and E2.
    AktLinienNr = 3;
    EbeneBerechnen(Ebene[1]);
    AktLinienNr = 4;
    EbeneBerechnen(Ebene[2]);
    // Its projections onto E1 and E2.
    for (int i = 2 * Nr - 1; i <= 2 * Nr; ++i) {
        AktLinienNr = 5 + i;
        ProjektionsgeradenBerechnen(static_cast<Byte>(i));
        if (Projektionsgeraden[i].gueltig == 1) GeradeBerechnen(Projektionsgeraden[i]);
    }
}

void GeradenAnimaNeuBerechnenH() { GeradeNeuBerechnen(2); }
