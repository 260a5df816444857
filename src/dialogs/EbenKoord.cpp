#include "forms/EbenKoord.h"

#include <cmath>

#include "forms/DialogRoutinen.h"
#include "forms/Ebenen.h"
#include "geometry/Eingabe.h"
#include "geometry/Geometrie.h"
#include "forms/Schalter.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "reports/Datenfenster.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Drehen.h"

namespace {

Extended FeldWert(const TEdit& E) {
    Extended v = 0;
    ZelleLesen(E.Text(), v);
    return v;
}

// Refuses a null normal, and a plane whose parameter form would leave the
// numbers the program keeps in its objects.
std::string FormAblehnung(TVek_R3 n, Extended d) {
    if (IstNullvektor(n)) return NullNormaleMeldung;
    TVek_R3 S, u, v;
    if (!std::isfinite(d) || !EbeneAusKoordinatenform(n.x, n.y, n.z, d, S, u, v) || !InSzenenGrenze(S) ||
        !InSzenenGrenze(u) || !InSzenenGrenze(v))
        return EbeneZuWeitMeldung;
    return "";
}

// Everything that follows the new parameter form of the plane AktEbene,
// with its coordinate and normal form kept as the fields set them.
void EbeneAusKoordinatenform() {
    const Byte k = AktEbene;
    EbenKoordQuelle = true;
    EbeneNeuBerechnen(k);
    EbenKoordQuelle = false;
    EbenenDatenInDialog();
}

}  // namespace

void TForm_EbenKoord::FormCreate() {
    // The fields are filled from the plane whenever it is recomputed.
    EbenKoordQuelle = false;
    ErgebnisseVerbinden(ErgebnisseEbenen);
}

void TForm_EbenKoord::FormActivate() {
    for (TEdit* E : {&Edit_a, &Edit_b, &Edit_c, &Edit_d, &Edit_nx, &Edit_ny, &Edit_nz, &Edit_ax,
                     &Edit_ay, &Edit_az})
        E->Visible = KoordZeigenEbenen;
    WerteAnzeigen();
    // The first key replaces a, as it would in a grid's selected cell.
    if (KoordZeigenEbenen) {
        Edit_a.SetFocus();
        Edit_a.SelectAll();
    }
}

void TForm_EbenKoord::WerteAnzeigen() {
    Label_Ebene.Caption = AktEbene == 2 ? "E2" : "E1";
    EbeneKoordWerteAnzeigen2();
    EbeneKoordWerteAnzeigen();
}

bool TForm_EbenKoord::FormCloseQuery() {
    const TObjektFelder K = Koordinatenform(), N = Normalenform();
    for (TEdit* E : K.Felder) ::FeldVerlassen(K, *E);
    for (TEdit* E : N.Felder) ::FeldVerlassen(N, *E);
    EbenenDatenInDialog();
    return true;
}

TObjektFelder TForm_EbenKoord::Koordinatenform() {
    TObjektFelder O;
    O.Felder = {&Edit_a, &Edit_b, &Edit_c, &Edit_d};
    O.Gedaechtnis = &GedaechtnisKoord;
    O.Ablehnung = [this] {
        return FormAblehnung({FeldWert(Edit_a), FeldWert(Edit_b), FeldWert(Edit_c)}, FeldWert(Edit_d));
    };
    O.Anwenden = [this] {
        TEbene& E = Ebene[AktEbene];
        E.KoordA = FeldWert(Edit_a);
        E.KoordB = FeldWert(Edit_b);
        E.KoordC = FeldWert(Edit_c);
        E.KoordD = FeldWert(Edit_d);
        E.Normalenvektor = {E.KoordA, E.KoordB, E.KoordC};
        EbeneKoordZuParam(AktEbene);
        E.NormalenformPunkt = E.Stuetzvektor;
        EbeneAusKoordinatenform();
        EbeneKoordWerteAnzeigen();  // the normal form of the new plane
    };
    O.ObjektText = [](int k) {
        const TEbene& E = Ebene[AktEbene];
        return KoordText(k == 0 ? E.KoordA : k == 1 ? E.KoordB : k == 2 ? E.KoordC : E.KoordD);
    };
    return O;
}

TObjektFelder TForm_EbenKoord::Normalenform() {
    TObjektFelder O;
    O.Felder = {&Edit_nx, &Edit_ny, &Edit_nz, &Edit_ax, &Edit_ay, &Edit_az};
    O.Gedaechtnis = &GedaechtnisNormale;
    O.Ablehnung = [this] {
        const TVek_R3 n{FeldWert(Edit_nx), FeldWert(Edit_ny), FeldWert(Edit_nz)};
        return FormAblehnung(n, -Skalarprodukt(n, {FeldWert(Edit_ax), FeldWert(Edit_ay), FeldWert(Edit_az)}));
    };
    O.Anwenden = [this] {
        TEbene& E = Ebene[AktEbene];
        const TVek_R3 n{FeldWert(Edit_nx), FeldWert(Edit_ny), FeldWert(Edit_nz)};
        const TVek_R3 A{FeldWert(Edit_ax), FeldWert(Edit_ay), FeldWert(Edit_az)};
        E.Normalenvektor = n;
        E.NormalenformPunkt = A;
        E.KoordA = n.x;
        E.KoordB = n.y;
        E.KoordC = n.z;
        E.KoordD = -Skalarprodukt(n, A);
        EbeneKoordZuParam(AktEbene);
        EbeneAusKoordinatenform();
        EbeneKoordWerteAnzeigen2();  // the coordinate form of the new plane
    };
    O.ObjektText = [](int k) {
        const TEbene& E = Ebene[AktEbene];
        const TVek_R3& v = k < 3 ? E.Normalenvektor : E.NormalenformPunkt;
        const int i = k % 3;
        return KoordText(i == 0 ? v.x : i == 1 ? v.y : v.z);
    };
    return O;
}

TObjektFelder TForm_EbenKoord::FormMit(const TEdit& Feld) {
    TObjektFelder K = Koordinatenform();
    for (const TEdit* E : K.Felder)
        if (E == &Feld) return K;
    return Normalenform();
}

std::optional<char> TForm_EbenKoord::TasteGedrueckt(TEdit& Feld, char Taste) {
    return FeldTasteGedrueckt(FormMit(Feld), Feld, Taste);
}

void TForm_EbenKoord::FeldGetippt(TEdit& Feld, const std::string& Text) {
    ::FeldGetippt(FormMit(Feld), Feld, Text);
}

void TForm_EbenKoord::FeldVerlassen(TEdit& Feld) { ::FeldVerlassen(FormMit(Feld), Feld); }
