#include "forms/VektProd.h"

#include <cmath>
#include <string>

#include "control/Drehsteuerung.h"
#include "forms/Speicher.h"
#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "platform/Zeichenflaeche.h"
#include "tools/Werkzeugfelder.h"

namespace {

// The nine edits as a, b, c; false when one holds no number.
bool Lesen(TForm_VektProd& F, TVek_R3 (&v)[3]) {
    for (int k = 0; k < 3; ++k)
        if (!FeldWert(F.Feld(3 * k + 1), v[k].x) || !FeldWert(F.Feld(3 * k + 2), v[k].y) ||
            !FeldWert(F.Feld(3 * k + 3), v[k].z))
            return false;
    return true;
}

// Only numbers that passed the change check enter the pass: one that the
// check refused keeps its text but would make the results overflow.
bool GeprueftLesen(TForm_VektProd& F, TVek_R3 (&v)[3]) {
    if (!Lesen(F, v)) return false;
    for (const TVek_R3& w : v)
        for (Extended e : {w.x, w.y, w.z})
            if (!ImAenderungsBereich(e)) return false;
    return true;
}

std::string MitEinheit(Extended v, const char* Einheit) {
    return std::fabs(v) >= Toleranz ? Text7(v) + Einheit : "ex. nicht";
}

}  // namespace

void ZeichneLinkeKlammer(Zeichenflaeche& C, const TControl& T, const TControl& B) {
    C.Pen = {0, 1, psSolid};
    const int x = T.Left, oben = T.Top - 3, unten = B.Top + B.Height + 3;
    C.MoveTo(x + 5, oben);
    C.LineTo(x - 5, oben);
    C.LineTo(x - 5, unten);
    C.LineTo(x + 5, unten);
}

void ZeichneRechteKlammer(Zeichenflaeche& C, const TControl& T, const TControl& B) {
    C.Pen = {0, 1, psSolid};
    const int x = T.Left + T.Width, oben = T.Top - 3, unten = B.Top + B.Height + 3;
    C.MoveTo(x - 5, oben);
    C.LineTo(x + 5, oben);
    C.LineTo(x + 5, unten);
    C.LineTo(x - 5, unten);
}

void ZeichneVektorpfeil(Zeichenflaeche& C, const TControl& L) {
    C.Pen = {0, 1, psSolid};
    const int rechts = L.Left + L.Width, y = L.Top - 3;
    C.MoveTo(L.Left, y);
    C.LineTo(rechts, y);
    C.MoveTo(rechts - 3, y - 3);
    C.LineTo(rechts, y);
    C.LineTo(rechts - 3, y + 3);
}

void TForm_VektProd::FormCreate() {
    for (int i = 1; i <= 9; ++i) Feld(i).OnChange = [this, i] { EditChange(i); };
}

void TForm_VektProd::FormActivate() { VektorproduktBerechnen(); }

void TForm_VektProd::EditChange(int i) {
    if (EditBereichPruefen(Feld(i)) == BereichsPruefung::Gueltig) VektorproduktBerechnen();
}

void TForm_VektProd::VektorproduktBerechnen() {
    TVek_R3 v[3];
    if (!GeprueftLesen(*this, v)) return;
    a = v[0];
    b = v[1];
    c = v[2];
    Vektorprodukt(a, b, p);
    Label_vpx.Caption = Text7(p.x);
    Label_vpy.Caption = Text7(p.y);
    Label_vpz.Caption = Text7(p.z);
    Winkel = WinkelVektoren(a, b, 0);
    Label_Winkel.Caption = Text7(Winkel) + " °";
    // Height and area from the acute angle, so both are never negative.
    const Extended Sinus = std::sin(WinkelVektoren(a, b, 1) * GradZuBogen);
    Label_Hoehe.Caption = MitEinheit(Sinus * Betrag(b), " LE");
    Label_Inhalt.Caption = MitEinheit(std::fabs(Sinus) * Betrag(a) * Betrag(b), " FE");
    const Extended s = Skalarprodukt(p, c);
    Label_SPProd.Caption = Text7(s);
    Label_SpatVol.Caption = MitEinheit(std::fabs(s), " VE");
}

bool TForm_VektProd::Rechtsklick(int i) {
    TSpaltenZiel Z;
    if (i == 10) {
        // The product: its shown texts can be copied, nothing pasted.
        Z.Lesen = [this] { return TSpeicherVektor{Label_vpx.Caption, Label_vpy.Caption, Label_vpz.Caption}; };
        Z.Rechner = true;
        PopupMenu_InSpeicher.Oeffnen(std::move(Z));
        return true;
    }
    if (i < 1 || i > 9) return false;
    DrehungFuerEingabeAufheben();
    TVek_R3 v[3];
    if (!Lesen(*this, v)) {
        for (int n = 1; n <= 9; ++n)
            if (Extended w; !FeldWert(Feld(n), w)) {
                MeldungZeigen(KeineZahlMeldung(Feld(n).Text()));
                break;
            }
        return false;
    }
    for (int s = 1; s <= 3; ++s) {
        MatrixSpeicher[0](1, s) = v[s - 1].x;
        MatrixSpeicher[0](2, s) = v[s - 1].y;
        MatrixSpeicher[0](3, s) = v[s - 1].z;
    }
    const int k = (i - 1) / 3 + 1;
    Z.Lesen = [this, k] { return TSpeicherVektor{Feld(3 * k - 2).Text(), Feld(3 * k - 1).Text(), Feld(3 * k).Text()}; };
    Z.Einfuegen = [this, k](const TSpeicherVektor& T) {
        if (!PasteImBereich(T)) return;
        Feld(3 * k - 2).SetText(T.x);
        Feld(3 * k - 1).SetText(T.y);
        Feld(3 * k).SetText(T.z);
    };
    Z.MatrixEinfuegen = [this](int m) {
        if (!PasteImBereich(MatrixSpeicher[m])) return;
        Matrix = MatrixSpeicher[m];
        for (int s = 1; s <= 3; ++s)
            for (int r = 1; r <= 3; ++r) Feld(3 * (s - 1) + r).SetTextMitWert(Text14(Matrix(r, s)), Matrix(r, s));
    };
    PopupMenu_InSpeicher.Oeffnen(std::move(Z));
    return true;
}

void TForm_VektProd::BerechnEinfuegenClick() { PopupMenu_InSpeicher.BerechnEinfuegenClick(); }

void TForm_VektProd::FormPaint(Zeichenflaeche& C) {
    const std::pair<const TControl*, const TControl*> Spalten[] = {
        {&Edit_ax, &Edit_az}, {&Edit_bx, &Edit_bz}, {&Label_vpx, &Label_vpz}};
    for (const auto& [T, B] : Spalten) {
        ZeichneLinkeKlammer(C, *T, *B);
        ZeichneRechteKlammer(C, *T, *B);
    }
    for (const TLabel* L : {&Label_a, &Label_b, &Label_c, &Label_aPrv, &Label_bPrv, &Label_aSPProd, &Label_bSPProd,
                            &Label_cSPProd})
        ZeichneVektorpfeil(C, *L);
}
