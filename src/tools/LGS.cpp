#include "forms/LGS.h"

#include <cmath>
#include <string>

#include "control/Drehsteuerung.h"
#include "forms/Speicher.h"
#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "tools/Werkzeugfelder.h"

namespace {

bool NichtNull(Extended v) { return std::fabs(v) > Toleranz; }

Extended Det2(Extended a, Extended b, Extended c, Extended d) { return a * d - b * c; }

// The rank of the 3 x n matrix M (n = 3 or 4) by its minors, each judged
// with the one tolerance.
int Rang(const Extended (&M)[3][4], int n) {
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c) {
                TMatrix33 T;
                for (int r = 0; r < 3; ++r) {
                    T.m[r][0] = M[r][a];
                    T.m[r][1] = M[r][b];
                    T.m[r][2] = M[r][c];
                }
                if (NichtNull(DeterminanteMatrix33(T))) return 3;
            }
    for (int r = 0; r < 3; ++r)
        for (int s = r + 1; s < 3; ++s)
            for (int a = 0; a < n; ++a)
                for (int b = a + 1; b < n; ++b)
                    if (NichtNull(Det2(M[r][a], M[r][b], M[s][a], M[s][b]))) return 2;
    for (const auto& Zeile : M)
        for (int a = 0; a < n; ++a)
            if (NichtNull(Zeile[a])) return 1;
    return 0;
}

}  // namespace

void TForm_LGS::FormCreate() {
    Caption += " (nach der Cramer'schen Regel)";
    for (int i = 1; i <= 12; ++i) Feld(i).OnChange = [this, i] { EditChange(i); };
}

void TForm_LGS::FormActivate() {
    // A cell that holds no number keeps its last value: no conversion
    // failure stops the pass.
    for (int i = 1; i <= 12; ++i) FeldWert(Feld(i), Wert(i));
    LGSLoesen();
}

void TForm_LGS::EditChange(int i) {
    FeldWert(Feld(i), Wert(i));
    LGSLoesen();
}

void TForm_LGS::EditExit(int i) { EditBetragPruefen(Feld(i)); }

bool TForm_LGS::EditRechtsklick(int i) {
    if (i < 1 || i > 12) return false;
    DrehungFuerEingabeAufheben();
    const int s = (i - 1) / 3 + 1;
    TSpaltenZiel Z;
    Z.Lesen = [this, s] {
        return TSpeicherVektor{Feld(3 * s - 2).Text(), Feld(3 * s - 1).Text(), Feld(3 * s).Text()};
    };
    Z.Einfuegen = [this, s](const TSpeicherVektor& T) {
        TVek_R3 w;
        if (!SpeicherWerte(T, w)) return;
        Feld(3 * s - 2).SetTextMitWert(Text14(w.x), w.x);
        Feld(3 * s - 1).SetTextMitWert(Text14(w.y), w.y);
        Feld(3 * s).SetTextMitWert(Text14(w.z), w.z);
    };
    if (s <= 3) {
        MatrixSpeicher[0] = A;
        Z.MatrixEinfuegen = [this](int k) {
            A = MatrixSpeicher[k];
            // Each edit reads back as the value pasted, whatever its text
            // can show.
            for (int j = 1; j <= 3; ++j)
                for (int r = 1; r <= 3; ++r)
                    Feld(3 * (j - 1) + r).SetTextMitWert(ZahlAllgemeinInBreite(A(r, j), 20), A(r, j));
        };
    }
    PopupMenu_InSpeicher.Oeffnen(std::move(Z));
    return true;
}

void TForm_LGS::BerechnEinfuegenClick() { PopupMenu_InSpeicher.BerechnEinfuegenClick(); }

void TForm_LGS::LGSLoesen() {
    D = DeterminanteMatrix33(A);
    TMatrix33 R[3];
    for (int k = 1; k <= 3; ++k) SpalteErsetzen(A, b, k, R[k - 1]);
    const Extended Dk[3] = {DeterminanteMatrix33(R[0]), DeterminanteMatrix33(R[1]), DeterminanteMatrix33(R[2])};
    const bool eindeutig = std::fabs(D) > Toleranz;
    bool endlich = std::isfinite(D);
    for (Extended d : Dk) endlich = endlich && std::isfinite(d) && (!eindeutig || std::isfinite(d / D));
    if (!endlich) {
        // Pasted numbers so large that the determinants overflow: nothing
        // shown belongs to them.
        for (TLabel* L : {&Label13, &Label14, &Label15, &Label16, &Label17, &Label18, &Label19}) L->Caption.clear();
        MeldungZeigen(NichtEndlichMeldung);
        return;
    }
    Label13.Caption = "D = " + Text14(D);
    D1 = Dk[0];
    D2 = Dk[1];
    D3 = Dk[2];
    TLabel* const Lk[3] = {&Label14, &Label15, &Label16};
    for (int k = 1; k <= 3; ++k) Lk[k - 1]->Caption = "D" + std::to_string(k) + " = " + Text14(Dk[k - 1]);
    if (eindeutig) {
        const std::string x1 = Text14(D1 / D), x2 = Text14(D2 / D), x3 = Text14(D3 / D);
        Label17.Caption = "Das Gleichungssystem hat eine eindeutig bestimmte Lösung.";
        Label18.Caption = "Es ist x1 = D1/ D = " + x1 + ",   x2 = D2/ D = " + x2 + ",   x3 = D3/ D = " + x3 + "   .";
        Label19.Caption = "Also ist L = {(" + x1 + "/    " + x2 + "/    " + x3 + ")}";
        return;
    }
    // Singular: vanishing D1..D3 alone do not make the system solvable
    // (x1+x2+x3 = 1, = 2, = 3 has none); the ranks of A and of A with b do.
    Extended Ab[3][4];
    for (int r = 1; r <= 3; ++r) {
        for (int s = 1; s <= 3; ++s) Ab[r - 1][s - 1] = A(r, s);
        Ab[r - 1][3] = r == 1 ? b.x : r == 2 ? b.y : b.z;
    }
    Label17.Caption = Rang(Ab, 3) == Rang(Ab, 4) ? "Das Gleichungssystem hat unendlich viele Lösungen."
                                                  : "Das Gleichungssystem ist unlösbar:  L = { }   .";
    Label18.Caption.clear();
    Label19.Caption.clear();
}
