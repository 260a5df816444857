#include "forms/Ebenen.h"

#include "forms/EbenKoord.h"
#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "reports/Datenfenster.h"
#include "view3d/ObjektGeometrie.h"
#include "view3d/Abgeleitet.h"
#include "scene/Ansicht.h"

void TForm_Ebenen::FormCreate() {
    // E1: x - 2y + 2z = 4. E2: x - y + 4z + 4 = 0. They meet in the line
    // through (0, -4, -2) with direction (-6, -2, 1). Both face the start
    // eye point well, so neither is seen edge-on.
    SpaltenSetzen(StringGrid1, {{"4", "0", "0"}, {"4", "2", "0"}, {"-4", "0", "2"}});
    SpaltenSetzen(StringGrid2, {{"0", "0", "-1"}, {"4", "4", "0"}, {"4", "0", "-1"}});
    FarbeE1 = 0x00808000;  // teal
    FarbeE2 = 0x000080FF;  // orange
    WuerfelFaktor = 1.0L;
    But_Koordinatenform.OnClick = [this] { But_KoordinatenformClick(); };
    ErgebnisseVerbinden(ErgebnisseEbenen);
    ErgebnisseVerbinden(ErgebnisseGeradenEbenen);
    Verbinden();
}

void TForm_Ebenen::Einlesen(int Nr) {
    EbeneAusDialog(Nr);
    EbeneNeuBerechnen(Nr);
}

TAblehnung TForm_Ebenen::Ablehnung(TStringGrid& G) {
    return [&G]() -> std::string {
        TVek_R3 u, v;
        SpalteLesen(G, 1, 1, u);
        SpalteLesen(G, 2, 1, v);
        return RichtungenAbhaengig(u, v) ? AbhaengigeRichtungenMeldung : "";
    };
}

void TForm_Ebenen::WeiteresZeigen(const TEbene&) { Form_EbenKoord.WerteAnzeigen(); }

void TForm_Ebenen::But_KoordinatenformClick() {
    Form_EbenKoord.FormActivate();
    Host().FensterZeigen("Form_EbenKoord", false);
}

bool RichtungenAbhaengig(TVek_R3 u, TVek_R3 v) {
    TVek_R3 n;
    Vektorprodukt(u, v, n);
    return IstNullvektor(n) || LinearAbhaengig2(u, v);
}

void EbeneAusDialog(int Nr) {
    if (Nr == 1)
        EbeneE1AusDialog();
    else
        EbeneE2AusDialog();
}

void EbeneNeuBerechnen(int Nr) {
    // Both planes: the connecting vector E1->E2 and the right-angle marks
    // belong to each of them.
    AktLinienNr = 3;
    EbeneBerechnen(Ebene[1]);
    AktLinienNr = 4;
    EbeneBerechnen(Ebene[2]);
    for (int i = 3 * Nr - 2; i <= 3 * Nr; ++i) {
        AktLinienNr = 11 + i;
        SpurgeradenBerechnen(static_cast<Byte>(i));
        if (Spurgeraden[i].gueltig == 1) GeradeBerechnen(Spurgeraden[i]);
    }
    AktLinienNr = 5;
    SchnittgeradeE1E2Berechnen();
    GeradeBerechnen(Gerade_sg);
    // g, h, t projected onto this plane: entries Nr, Nr + 2, Nr + 4.
    for (int i = Nr; i <= 6; i += 2) {
        AktLinienNr = 5 + i;
        ProjektionsgeradenBerechnen(static_cast<Byte>(i));
        if (Projektionsgeraden[i].gueltig == 1) GeradeBerechnen(Projektionsgeraden[i]);
    }
}
