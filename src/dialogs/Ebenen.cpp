#include "dialogs/Ebenen.h"

#include <cmath>

#include "dialogs/DialogRoutinen.h"
#include "dialogs/EbenKoord.h"
#include "dialogs/Gitter.h"
#include "geometry/Geometrie.h"
#include "mainwindow/Schalter.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "scene/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Ansicht.h"

TForm_Ebenen::TForm_Ebenen() {
    Caption = "Ebenen";
    for (int i = 1; i <= 2; ++i)
        GitterAnlegen(Gitter(i), 3, 4, 0, 1, {"Stütz-V.", "1. Richt.-V.", "2. Richt.-V."});
    RadioGroup_Objekt.Caption = "Ebene";
    RadioGroup_Objekt.Items = {"E1", "E2"};
    RadioGroup_Objekt.ItemIndex = 0;
    GroupStiftAnlegen(GroupStift, "Stiftbreite für Ränder");
    GroupStift.ItemIndex = 1;  // E1 starts with width 2
    GroupStilAnlegen(GroupStil);
    But_Koordinatenform.Caption = "Koordinaten- u. Normalenform";
}

TStringGrid& TForm_Ebenen::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 2);
    return Nr == 1 ? StringGrid1 : StringGrid2;
}

TObjektGitter TForm_Ebenen::ObjektGitter(TStringGrid& G) {
    for (int Nr = 1; Nr <= 2; ++Nr) {
        if (&G != &Gitter(Nr)) continue;
        TObjektGitter O;
        O.Gitter = &G;
        O.Gedaechtnis = &Gedaechtnis[Nr];
        O.Ablehnung = [&G]() -> std::string {
            TVek_R3 u, v;
            SpalteLesen(G, 1, 1, u);
            SpalteLesen(G, 2, 1, v);
            return RichtungenAbhaengig(u, v) ? AbhaengigeRichtungenMeldung : "";
        };
        O.Anwenden = [Nr] {
            EbeneAusDialog(Nr);
            EbeneNeuBerechnen(Nr);
        };
        O.ObjektText = [Nr](int Spalte, int Zeile) {
            const TEbene& E = Ebene[Nr];
            const TVek_R3& v = Spalte == 0   ? E.Stuetzvektor
                               : Spalte == 1 ? E.Richtungsvektor1
                                             : E.Richtungsvektor2;
            return KoordText(Zeile == 1 ? v.x : Zeile == 2 ? v.y : v.z);
        };
        return O;
    }
    return {};
}

void TForm_Ebenen::FormCreate() {
    // E1: x - 2y + 2z = 4. E2: x - y + 4z + 4 = 0. They meet in the line
    // through (0, -4, -2) with direction (-6, -2, 1). Both face the start
    // eye point well, so neither is seen edge-on.
    SpalteSetzen(StringGrid1, 0, 1, "4", "0", "0");
    SpalteSetzen(StringGrid1, 1, 1, "4", "2", "0");
    SpalteSetzen(StringGrid1, 2, 1, "-4", "0", "2");
    SpalteSetzen(StringGrid2, 0, 1, "0", "0", "-1");
    SpalteSetzen(StringGrid2, 1, 1, "4", "4", "0");
    SpalteSetzen(StringGrid2, 2, 1, "4", "0", "-1");
    FarbeE1 = 0x00808000;  // teal
    FarbeE2 = 0x000080FF;  // orange
    WuerfelFaktor = 1.0L;
    RadioGroup_Objekt.OnClick = [this] { RadioGroup_ObjektClick(); };
    GroupStift.OnClick = [this] { GroupStiftClick(); };
    GroupStil.OnClick = [this] { GroupStilClick(); };
    But_Koordinatenform.OnClick = [this] { But_KoordinatenformClick(); };
    GitterAnzeigen({&StringGrid1, &StringGrid2}, AktEbene, KoordZeigenEbenen);
}

void TForm_Ebenen::FormActivate() { ObjektWaehlen(AktEbene); }

void TForm_Ebenen::ObjektWaehlen(int Nr) {
    if (Nr < 1 || Nr > 2) return;
    AktEbene = static_cast<Byte>(Nr);
    RadioGroup_Objekt.ItemIndex = Nr - 1;
    GitterAnzeigen({&StringGrid1, &StringGrid2}, Nr, KoordZeigenEbenen);
    const TEbene& E = Ebene[Nr];
    if (E.Stiftbreite >= 1 && E.Stiftbreite <= 4) GroupStift.ItemIndex = E.Stiftbreite - 1;
    GroupStil.ItemIndex = LinienstilZuIndex(E.Linienstil);
    // The coordinate-form dialog always shows the current plane.
    Form_EbenKoord.WerteAnzeigen();
}

void TForm_Ebenen::RadioGroup_ObjektClick() { ObjektWaehlen(RadioGroup_Objekt.ItemIndex + 1); }

void TForm_Ebenen::GroupStiftClick() {
    if (GroupStift.ItemIndex < 0) return;
    Ebene[AktEbene].Stiftbreite = static_cast<Byte>(GroupStift.ItemIndex + 1);
    NachAttributNeuZeichnen();
}

void TForm_Ebenen::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Ebene[AktEbene].Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}

void TForm_Ebenen::But_KoordinatenformClick() {
    Form_EbenKoord.FormActivate();
    Host().FensterZeigen("Form_EbenKoord", false);
}

bool RichtungenAbhaengig(TVek_R3 u, TVek_R3 v) {
    TVek_R3 n;
    Vektorprodukt(u, v, n);
    const bool flach =
        std::fabs(n.x) < Toleranz && std::fabs(n.y) < Toleranz && std::fabs(n.z) < Toleranz;
    return flach || LinearAbhaengig2(u, v);
}

bool RichtungenPruefen(TVek_R3 u, TVek_R3 v) {
    if (RichtungenAbhaengig(u, v)) {
        MeldungZeigen(AbhaengigeRichtungenMeldung, MeldungsArt::Warnung);
        return false;
    }
    return true;
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
