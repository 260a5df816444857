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
    if (EditBereichPruefen(Feld(i)) != BereichsPruefung::Gueltig) return;
    if (VektorproduktBerechnen()) return;
    // Another edit holds no number, so nothing was computed: the edit being
    // changed says so, rather than leaving results that are not its own.
    MeldungZeigen(Bereich10000Meldung);
    Feld(i).SetFocus();
}

bool TForm_VektProd::VektorproduktBerechnen() {
    TVek_R3 v[3];
    if (!Lesen(*this, v)) return false;
    // Every number that converts counts, refused by the change check or
    // not; only results beyond the number range are not shown.
    TVek_R3 q;
    Vektorprodukt(v[0], v[1], q);
    const Extended w = WinkelVektoren(v[0], v[1], 0);
    // Height and area from the acute angle, so both are never negative.
    const Extended Sinus = std::sin(WinkelVektoren(v[0], v[1], 1) * GradZuBogen);
    const Extended h = Sinus * Betrag(v[1]), F = std::fabs(Sinus) * Betrag(v[0]) * Betrag(v[1]);
    const Extended s = Skalarprodukt(q, v[2]);
    TLabel* const Labels[] = {&Label_vpx,   &Label_vpy,    &Label_vpz,    &Label_Winkel,
                              &Label_Hoehe, &Label_Inhalt, &Label_SPProd, &Label_SpatVol};
    // The angle routines read an overflowing cross or dot product as the
    // angle 0, so those must be finite as well.
    for (Extended e : {q.x, q.y, q.z, w, h, F, s, Betrag(q), Skalarprodukt(v[0], v[1])})
        if (!std::isfinite(e)) {
            for (TLabel* L : Labels) L->Caption.clear();
            MeldungZeigen(NichtEndlichMeldung);
            return true;
        }
    a = v[0];
    b = v[1];
    c = v[2];
    p = q;
    Winkel = w;
    Label_vpx.Caption = Text7(p.x);
    Label_vpy.Caption = Text7(p.y);
    Label_vpz.Caption = Text7(p.z);
    Label_Winkel.Caption = Text7(Winkel) + " °";
    Label_Hoehe.Caption = MitEinheit(h, " LE");
    Label_Inhalt.Caption = MitEinheit(F, " FE");
    Label_SPProd.Caption = Text7(s);
    Label_SpatVol.Caption = MitEinheit(std::fabs(s), " VE");
    return true;
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
    const int k = (i - 1) / 3 + 1;
    Z.Lesen = [this, k] { return TSpeicherVektor{Feld(3 * k - 2).Text(), Feld(3 * k - 1).Text(), Feld(3 * k).Text()}; };
    // A paste writes the texts as typed ones: each edit's change check
    // answers for its own number.
    Z.Einfuegen = [this, k](const TSpeicherVektor& T) {
        if (TVek_R3 w; !SpeicherWerte(T, w)) return;
        Feld(3 * k - 2).SetText(T.x);
        Feld(3 * k - 1).SetText(T.y);
        Feld(3 * k).SetText(T.z);
    };
    Z.MatrixEinfuegen = [this](int m) {
        Matrix = MatrixSpeicher[m];
        for (int s = 1; s <= 3; ++s)
            for (int r = 1; r <= 3; ++r) Feld(3 * (s - 1) + r).SetTextMitWert(Text14(Matrix(r, s)), Matrix(r, s));
    };
    // The column's texts reach the transfer slot even when the matrix below
    // cannot be read.
    PopupMenu_InSpeicher.Oeffnen(std::move(Z));
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
