#include "forms/Matrizen.h"

#include <cmath>
#include <string>

#include "control/Drehsteuerung.h"
#include "forms/Speicher.h"
#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "tools/Werkzeugfelder.h"

namespace {

constexpr const char* KeineInverseMeldung = "Diese Matrix hat keine Inverse, da ihre Determinate gleich 0 ist!";
constexpr const char* ErgebnisFestMeldung = "Die Ergebnismatrix kann nicht geändert werden!";
constexpr const char* HilfeText =
    "Nach einem Click mit der rechten Maustaste in eine Zelle einer\n"
    "Matrixspalte kann diese Spalte oder auch die gesamte Matrix in einen\n"
    "besonders eingerichteten Zwischenspeicher gebracht werden.\n"
    "Dieser Speicherinhalt kann dann wieder an geeigneter Stelle des Programms\n"
    "einen Vektor (z. B. den Richtungsvektor einer Geraden) oder eine ganze Matrix ersetzen.\n"
    "Dazu ist lediglich wieder mit der rechten Maustaste der zu ersetzende Vektor bzw.\n"
    "die zu ersetzende Matrix anzuklicken.";

using F = TForm_Matrizen;

std::string Name(int m) { return m == F::Erg ? "MErg" : "M" + std::to_string(m); }

Extended& Komponente(TVek_R3& v, int k) { return k == 1 ? v.x : k == 2 ? v.y : v.z; }

// Where a cell lies: element (i, j) of matrix m, or component i of vector v.
struct TOrt {
    int m = 0, v = 0, i = 0, j = 0;
};

TOrt Ort(F& W, const TEdit& E) {
    for (int m = 1; m <= F::Erg; ++m)
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                if (&W.Zelle(m, i, j) == &E) return {m, 0, i, j};
    for (int v = 1; v <= F::VErgNr; ++v)
        for (int k = 1; k <= 3; ++k)
            if (&W.VZelle(v, k) == &E) return {0, v, k, 0};
    return {};
}

// Writing an input cell takes its value over; the exact value stays behind
// the six decimals shown, so a result taken over loses nothing.
void MatrixZeigen(F& W, int m) {
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            const Extended e = W.Matrix(m)(i, j);
            W.Zelle(m, i, j).SetTextMitWert(Text14(e), e);
        }
}

void VektorZeigen(F& W, int v) {
    for (int k = 1; k <= 3; ++k) {
        const Extended e = Komponente(W.Vektor(v), k);
        W.VZelle(v, k).SetTextMitWert(Text14(e), e);
    }
}

// A result that is not finite is refused and MErg stays as it was.
bool ErgebnisSetzen(F& W, const TMatrix33& R) {
    if (!IstEndlich(R)) {
        MeldungZeigen(NichtEndlichMeldung);
        return false;
    }
    W.MErg = R;
    MatrixZeigen(W, F::Erg);
    return true;
}

}  // namespace

void TForm_Matrizen::FormCreate() {
    for (int m = 1; m <= 3; ++m)
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) {
                TEdit& E = Zelle(m, i, j);
                E.OnChange = [this, &E] { ZelleChange(E); };
            }
    for (int v = 1; v <= 2; ++v)
        for (int k = 1; k <= 3; ++k) {
            TEdit& E = VZelle(v, k);
            E.OnChange = [this, &E] { ZelleChange(E); };
        }
    for (int a = 1; a <= 3; ++a)
        for (int b = 1; b <= 3; ++b) But_Produkt[3 * (a - 1) + b].OnClick = [this, a, b] { ProduktClick(a, b); };
    for (int m = 1; m <= 3; ++m) {
        But_MalMErg[m].OnClick = [this, m] { ProduktClick(m, Erg); };
        But_AlsM[m].OnClick = [this, m] { AlsMatrixClick(m); };
    }
    for (int m = 1; m <= Erg; ++m) {
        But_Inverse[m].OnClick = [this, m] { InverseClick(m); };
        But_Transp[m].OnClick = [this, m] { TranspClick(m); };
        But_Det[m].OnClick = [this, m] { DetClick(m); };
        for (int v = 1; v <= 2; ++v) But_MalVektor[4 * (v - 1) + m].OnClick = [this, m, v] { MalVektorClick(m, v); };
    }
    for (int v = 1; v <= 2; ++v) But_AlsV[v].OnClick = [this, v] { AlsVektorClick(v); };
    But_Hilfe.OnClick = [this] { HilfeClick(); };
}

void TForm_Matrizen::FormActivate() {
    // A cell that holds no number keeps its last value.
    for (int m = 1; m <= 3; ++m)
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j) ZelleChange(Zelle(m, i, j));
    for (int v = 1; v <= 2; ++v)
        for (int k = 1; k <= 3; ++k) ZelleChange(VZelle(v, k));
}

void TForm_Matrizen::ZelleChange(TEdit& E) {
    const TOrt o = Ort(*this, E);
    Extended w;
    if (IstErgebnisZelle(E) || !FeldWert(E, w)) return;
    if (o.m) Matrix(o.m)(o.i, o.j) = w;
    if (o.v) Komponente(Vektor(o.v), o.i) = w;
}

void TForm_Matrizen::ZelleExit(TEdit& E) {
    // A result cell cannot be corrected, so it never keeps the focus.
    if (!IstErgebnisZelle(E)) EditBetragPruefen(E);
}

void TForm_Matrizen::ErgebnisZelleClick() { MeldungZeigen(ErgebnisFestMeldung); }

bool TForm_Matrizen::ZelleRechtsklick(TEdit& E) {
    const TOrt o = Ort(*this, E);
    if (!o.m && !o.v) return false;
    DrehungFuerEingabeAufheben();
    TSpaltenZiel Z;
    if (o.m) {
        const int m = o.m, j = o.j;
        MatrixSpeicher[0] = Matrix(m);
        Z.Lesen = [this, m, j] {
            return TSpeicherVektor{Zelle(m, 1, j).Text(), Zelle(m, 2, j).Text(), Zelle(m, 3, j).Text()};
        };
        Z.Einfuegen = [this, m, j](const TSpeicherVektor& T) {
            TVek_R3 w;
            if (!SpeicherWerte(T, w)) return;
            for (int i = 1; i <= 3; ++i) Matrix(m)(i, j) = Komponente(w, i);
            MatrixZeigen(*this, m);
        };
        Z.MatrixEinfuegen = [this, m](int k) {
            Matrix(m) = MatrixSpeicher[k];
            MatrixZeigen(*this, m);
        };
    } else {
        const int v = o.v;
        Z.Lesen = [this, v] { return TSpeicherVektor{VZelle(v, 1).Text(), VZelle(v, 2).Text(), VZelle(v, 3).Text()}; };
        // VErg is copied only: a paste there would have nowhere to go.
        if (v != VErgNr)
            Z.Einfuegen = [this, v](const TSpeicherVektor& T) {
                TVek_R3 w;
                if (!SpeicherWerte(T, w)) return;
                for (int k = 1; k <= 3; ++k) VZelle(v, k).SetTextMitWert(Text14(Komponente(w, k)), Komponente(w, k));
            };
    }
    PopupMenu_InSpeicher.Oeffnen(std::move(Z));
    return true;
}

void TForm_Matrizen::ProduktClick(int a, int b) {
    TMatrix33 R;
    MatrixProdukt(Matrix(a), Matrix(b), R);
    if (ErgebnisSetzen(*this, R)) Label_Ergebnismatrix.Caption = "MErg = " + Name(a) + " x " + Name(b) + ":";
}

void TForm_Matrizen::InverseClick(int m) {
    const Extended d = Determinante(Matrix(m));
    if (!std::isfinite(d)) {
        MeldungZeigen(NichtEndlichMeldung);
        return;
    }
    if (std::fabs(d) <= Toleranz) {
        MeldungZeigen(KeineInverseMeldung);
        return;
    }
    TMatrix33 R;
    InverseMatrix(Matrix(m), R);
    if (ErgebnisSetzen(*this, R)) Label_Ergebnismatrix.Caption = "MErg = Inverse(" + Name(m) + "):";
}

void TForm_Matrizen::TranspClick(int m) {
    TMatrix33 R;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) R(i, j) = Matrix(m)(j, i);
    if (ErgebnisSetzen(*this, R)) Label_Ergebnismatrix.Caption = "MErg = Transponierte(" + Name(m) + "):";
}

void TForm_Matrizen::DetClick(int m) {
    const Extended d = Determinante(Matrix(m));
    if (!std::isfinite(d)) {
        MeldungZeigen(NichtEndlichMeldung);
        return;
    }
    Panel1.Caption = "Det(" + Name(m) + ") = " + Text12(d);
}

void TForm_Matrizen::MalVektorClick(int m, int v) {
    TVek_R3 w;
    MatrixMalVektor(Matrix(m), Vektor(v), w);
    if (!IstEndlich(w)) {
        MeldungZeigen(NichtEndlichMeldung);
        return;
    }
    VErg = w;
    VektorZeigen(*this, VErgNr);
    Label_Ergebnisvektor.Caption = "VErg = " + Name(m) + " x V" + std::to_string(v) + ":";
}

void TForm_Matrizen::AlsMatrixClick(int m) {
    Matrix(m) = MErg;
    MatrixZeigen(*this, m);
}

void TForm_Matrizen::AlsVektorClick(int v) {
    Vektor(v) = VErg;
    VektorZeigen(*this, v);
}

void TForm_Matrizen::HilfeClick() { MeldungZeigen(HilfeText); }

void TForm_Matrizen::BerechnEinfuegenClick() { PopupMenu_InSpeicher.BerechnEinfuegenClick(); }
