#include "forms/LaLua.h"

#include <cmath>
#include <utility>

#include "control/Drehsteuerung.h"
#include "forms/Speicher.h"
#include "geometry/Eingabe.h"
#include "geometry/Geometrie.h"
#include "platform/Zeichenflaeche.h"
#include "tools/Werkzeugfelder.h"

namespace {

Extended& Komponente(TVek_R3& v, int k) { return k == 1 ? v.x : k == 2 ? v.y : v.z; }

// ---- The verdict pictures ------------------------------------------------------------

constexpr TColor Abhaengig = 0x003030C8;    // red
constexpr TColor Unabhaengig = 0x0040A030;  // green
constexpr TColor Rand = 0x00303030;
constexpr TColor Weiss = 0x00FFFFFF;

// An arrow from (x0, y0) to its tip (x1, y1) with a filled head.
void Pfeil(Zeichenflaeche& C, int x0, int y0, int x1, int y1) {
    C.Pen = {Weiss, 1, psSolid};
    C.MoveTo(x0, y0);
    C.LineTo(x1, y1);
    const double dx = x1 - x0, dy = y1 - y0, l = std::hypot(dx, dy);
    const double ux = dx / l, uy = dy / l;
    // The head's back corners, 4 pixels behind the tip and 2.5 to each side.
    const auto Ecke = [&](double seite) {
        return TPoint{static_cast<int>(std::lround(x1 - 4 * ux + seite * uy)),
                      static_cast<int>(std::lround(y1 - 4 * uy - seite * ux))};
    };
    C.Brush = {Weiss, bsSolid};
    C.Polygon({{x1, y1}, Ecke(2.5), Ecke(-2.5)});
}

}  // namespace

void VerdiktBildZeichnen(Zeichenflaeche& C, const std::string& Name, int x, int y) {
    const bool Paar = Name == BildLa2 || Name == BildLua2;
    const bool abh = Name == BildLa2 || Name == BildLa3;
    if (!Paar && !abh && Name != BildLua3) return;
    const TPen Stift = C.Pen;
    const TBrush Pinsel = C.Brush;
    C.Pen = {Rand, 1, psSolid};
    C.Brush = {abh ? Abhaengig : Unabhaengig, bsSolid};
    C.Rectangle(x, y, x + BildGroesse, y + BildGroesse);
    if (Name == BildLa2) {  // two arrows along one line
        Pfeil(C, x + 2, y + 11, x + 8, y + 5);
        Pfeil(C, x + 7, y + 14, x + 14, y + 7);
    } else if (Name == BildLua2) {  // two arrows apart from one foot
        Pfeil(C, x + 2, y + 13, x + 14, y + 13);
        Pfeil(C, x + 2, y + 13, x + 8, y + 2);
    } else if (Name == BildLa3) {  // three arrows in one plane
        Pfeil(C, x + 2, y + 12, x + 14, y + 12);
        Pfeil(C, x + 2, y + 12, x + 13, y + 5);
        Pfeil(C, x + 2, y + 12, x + 7, y + 2);
    } else {  // three arrows into space
        Pfeil(C, x + 5, y + 10, x + 14, y + 10);
        Pfeil(C, x + 5, y + 10, x + 5, y + 1);
        Pfeil(C, x + 5, y + 10, x + 1, y + 14);
    }
    C.Pen = Stift;
    C.Brush = Pinsel;
}

void TForm_LaLua::FormCreate() {
    for (int i = 1; i <= 9; ++i) Feld(i).OnChange = [this, i] { EditChange(i); };
}

void TForm_LaLua::FormActivate() {
    // A cell that holds no number keeps its last value.
    for (int i = 1; i <= 9; ++i) {
        Extended w;
        if (FeldWert(Feld(i), w)) Komponente(Vektor((i - 1) / 3 + 1), (i - 1) % 3 + 1) = w;
    }
    LinAbhPruefen();
}

bool TForm_LaLua::FormCloseQuery() {
    if (LetztesFeld == 0) return true;
    TEdit& E = Feld(LetztesFeld);
    EditBetragPruefen(E);
    return IstGleitkommazahl(E.Text());
}

void TForm_LaLua::EditChange(int i) {
    Extended w;
    if (FeldWert(Feld(i), w)) Komponente(Vektor((i - 1) / 3 + 1), (i - 1) % 3 + 1) = w;
    LinAbhPruefen();
}

void TForm_LaLua::EditEnter(int i) { LetztesFeld = i; }

void TForm_LaLua::EditExit(int i) { EditBetragPruefen(Feld(i)); }

bool TForm_LaLua::EditRechtsklick(int i) {
    if (i < 1 || i > 9) return false;
    DrehungFuerEingabeAufheben();
    const int k = (i - 1) / 3 + 1;
    for (int s = 1; s <= 3; ++s) {
        MatrixSpeicher[0](1, s) = Vektor(s).x;
        MatrixSpeicher[0](2, s) = Vektor(s).y;
        MatrixSpeicher[0](3, s) = Vektor(s).z;
    }
    TSpaltenZiel Z;
    Z.Lesen = [this, k] {
        return TSpeicherVektor{Feld(3 * k - 2).Text(), Feld(3 * k - 1).Text(), Feld(3 * k).Text()};
    };
    Z.Einfuegen = [this, k](const TSpeicherVektor& T) {
        TVek_R3 w;
        if (!SpeicherWerte(T, w)) return;
        Feld(3 * k - 2).SetText(T.x);
        Feld(3 * k - 1).SetText(T.y);
        Feld(3 * k).SetText(T.z);
    };
    Z.MatrixEinfuegen = [this](int m) {
        for (int s = 1; s <= 3; ++s)
            for (int r = 1; r <= 3; ++r)
                Feld(3 * (s - 1) + r).SetTextMitWert(Text14(MatrixSpeicher[m](r, s)), MatrixSpeicher[m](r, s));
    };
    PopupMenu_InSpeicher.Oeffnen(std::move(Z));
    return true;
}

void TForm_LaLua::BerechnEinfuegenClick() { PopupMenu_InSpeicher.BerechnEinfuegenClick(); }

void TForm_LaLua::LinAbhPruefen() {
    const struct {
        TLabel& L;
        TImage& B;
        const TVek_R3 &a, &b;
        const char* Namen;
    } Paare[] = {{Label4, Image1, v1, v2, "v1 und v2"}, {Label5, Image2, v1, v3, "v1 und v3"},
                 {Label6, Image3, v2, v3, "v2 und v3"}};
    for (const auto& p : Paare) {
        const bool abh = LinearAbhaengig2(p.a, p.b);
        p.L.Caption = std::string(p.Namen) + (abh ? " sind linear abhängig" : " sind linear unabhängig");
        p.B.Bild = abh ? BildLa2 : BildLua2;
    }
    const bool abh = LinearAbhaengig3(v1, v2, v3);
    Label7.Caption = abh ? "v1, v2, v3 sind linear abhängig" : "v1, v2, v3 sind linear unabhängig";
    Image4.Bild = abh ? BildLa3 : BildLua3;
}

void TForm_LaLua::FormPaint(Zeichenflaeche& C) {
    for (auto [L, B] : {std::pair{&Label4, &Image1}, {&Label5, &Image2}, {&Label6, &Image3}, {&Label7, &Image4}}) {
        B->Left = L->Left + L->Width + 20;
        B->Top = L->Top;
        B->Width = B->Height = B->Bild.empty() ? 0 : BildGroesse;
        VerdiktBildZeichnen(C, B->Bild, B->Left, B->Top);
    }
}
