#include "forms/ObjekteDaten.h"

#include <cmath>

#include "forms/Eingabeprotokoll.h"
#include "forms/Geraden_t.h"
#include "forms/Gitter.h"
#include "forms/Schalter.h"
#include "geometry/Eingabe.h"
#include "geometry/Geometrie.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"
#include "tools/ObjekteDatenMenues.h"
#include "tools/Objektwerte.h"
#include "tools/Werkzeugfelder.h"

namespace {

constexpr const char* Fenstername = "Form_ObjekteDaten";

inline constexpr const char* OrthogonalMeldung = "Zum Nullvektor sind alle Vektoren orthogonal!";

// Vectors and points as the calculator writes them; a memory slot keeps at
// most 18 characters.
std::string VektorText(Extended v) { return ZahlFest(v, 15, 10); }
std::string SpeicherText(Extended v) { return ZahlFestInBreite(v, 15, 10, 18); }

// ---- The arithmetic of the registers -------------------------------------------------------

TWert Senkrecht(TVek_R3 v) {
    if (IstNullvektor(v)) return KeinWert(OrthogonalMeldung);
    TVek_R3 R;
    SenkrechterVektor(v, R);
    return Vektorwert(R);
}

TWert Kreuz(TVek_R3 a, TVek_R3 b) {
    if (IstNullvektor(a) || IstNullvektor(b)) return KeinWert(OrthogonalMeldung);
    TVek_R3 c;
    Vektorprodukt(a, b, c);
    return Vektorwert(c);
}

// v brought to the length in the register "Länge" (its edit keeps them in step).
TWert AufLaenge(TVek_R3 v) {
    if (std::fabs(Laenge) < Toleranz) return KeinWert("Die Längenmaßzahl darf nicht 0 sein!");
    if (IstNullvektor(v)) return KeinWert("Den Nullvektor kann man nicht auf diese Länge bringen!");
    TVek_R3 R;
    VektorAufLaenge(v, R, Laenge);
    return Vektorwert(R);
}

TWert Quotient(Extended a, Extended b) {
    if (std::fabs(b) < Toleranz) return KeinWert("Division durch 0");
    return Laengenwert(a / b);
}

const TVek_R3& V1() { return RechenVektor1; }
const TVek_R3& V2() { return RechenVektor2; }
const TVek_R3& V3() { return RechenVektor3; }
const TVek_R3& Erg() { return ErgebnisVektor; }

using F = TForm_ObjekteDaten;
const struct {
    TButton F::*Knopf;
    const char* Caption;
    TWert (*Wert)();
} Rechnungen[] = {
    {&F::V1NachSpeicher, "V1", [] { return Vektorwert(V1()); }},
    {&F::V2NachSpeicher, "V2", [] { return Vektorwert(V2()); }},
    {&F::V3NachSpeicher, "V3", [] { return Vektorwert(V3()); }},
    {&F::But_ErgInSpeicher, "Ergebnis ", [] { return Vektorwert(Erg()); }},
    {&F::But_V1MinV2, "V1 - V2", [] { return Vektorwert(Differenz(V1(), V2())); }},
    {&F::But_V2MinV1, "V2 - V1", [] { return Vektorwert(Differenz(V2(), V1())); }},
    {&F::But_V1MinV3, "V1- V3", [] { return Vektorwert(Differenz(V1(), V3())); }},
    {&F::But_V3MinV1, "V3 - V1", [] { return Vektorwert(Differenz(V3(), V1())); }},
    {&F::But_V2MinV3, "V2 - V3", [] { return Vektorwert(Differenz(V2(), V3())); }},
    {&F::But_V3MinV2, "V3 - V2", [] { return Vektorwert(Differenz(V3(), V2())); }},
    {&F::But_V1PlusV2, "V1 + V2", [] { return Vektorwert(Summe(V1(), V2())); }},
    {&F::But_V1PlusV3, "V1 + V3", [] { return Vektorwert(Summe(V1(), V3())); }},
    {&F::But_V2PlusV3, "V2 + V3", [] { return Vektorwert(Summe(V2(), V3())); }},
    {&F::Button2, "V1+V2+V3", [] { return Vektorwert(Summe(V1(), Summe(V2(), V3()))); }},
    {&F::But_OrthV1, "Vektor, der zu V1 orthogonal ist", [] { return Senkrecht(V1()); }},
    {&F::But_OrthV2, "Vektor, der zu V2 orthogonal ist", [] { return Senkrecht(V2()); }},
    {&F::But_OrthV3, "Vektor, der zu V3 orthogonal ist", [] { return Senkrecht(V3()); }},
    {&F::But_OrthErg, "Vektor, der zum Ergebnis orthogonal ist", [] { return Senkrecht(Erg()); }},
    {&F::But_OrthV1V2, "Vekt., der zu V1 und zu V2 orthogonal ist", [] { return Kreuz(V1(), V2()); }},
    {&F::But_OrthV1V3, "Vekt., der zu V1 und zu V3 orthogonal ist", [] { return Kreuz(V1(), V3()); }},
    {&F::But_OrthV2V3, "Vekt., der zu V2 und zu V3 orthogonal ist", [] { return Kreuz(V2(), V3()); }},
    {&F::But_V1xLaenge, "V1 * Länge", [] { return Vektorwert(Vielfaches(V1(), Laenge)); }},
    {&F::But_V2xLaenge, "V2 * Länge", [] { return Vektorwert(Vielfaches(V2(), Laenge)); }},
    {&F::But_V3xLaenge, "V3 * Länge", [] { return Vektorwert(Vielfaches(V3(), Laenge)); }},
    {&F::ErgxLaenge, "Ergebnis * Länge", [] { return Vektorwert(Vielfaches(Erg(), Laenge)); }},
    {&F::But_LaengeV1AufLaenge, "V1 (auf die Länge 'Länge' gebracht)", [] { return AufLaenge(V1()); }},
    {&F::But_V2AufLaenge, "V2 (auf die Länge 'Länge' gebracht)", [] { return AufLaenge(V2()); }},
    {&F::But_V3AufLaenge, "V3 (auf die Länge 'Länge' gebracht)", [] { return AufLaenge(V3()); }},
    {&F::But_ErgAufLaenge, "Ergebnis (auf die Länge 'Länge' gebracht)", [] { return AufLaenge(Erg()); }},
    {&F::But_LaengeV1, "Länge V1", [] { return Laengenwert(Betrag(V1())); }},
    {&F::But_LaengeV2, "Länge V2", [] { return Laengenwert(Betrag(V2())); }},
    {&F::But_LaengeErg, "Länge Ergebnis", [] { return Laengenwert(Betrag(Erg())); }},
    {&F::But_L1PlusL2, "Länge 1 + Länge 2", [] { return Laengenwert(Laenge1 + Laenge2); }},
    {&F::But_L1MinL2, "Länge 1 - Länge 2", [] { return Laengenwert(Laenge1 - Laenge2); }},
    {&F::But_L2MinL1, "Länge 2 - Länge 1", [] { return Laengenwert(Laenge2 - Laenge1); }},
    {&F::But_L1MalL2, "Länge 1 * Länge 2", [] { return Laengenwert(Laenge1 * Laenge2); }},
    {&F::But_L1DivL2, "Länge 1 : Länge 2", [] { return Quotient(Laenge1, Laenge2); }},
    {&F::But_L2DurchL1, "Länge 2 : Länge 1", [] { return Quotient(Laenge2, Laenge1); }},
};

void ErgebnisZeigen() {
    TForm_ObjekteDaten& F = Form_ObjekteDaten;
    F.Ergx.Caption = VektorText(ErgebnisVektor.x);
    F.Ergy.Caption = VektorText(ErgebnisVektor.y);
    F.Ergz.Caption = VektorText(ErgebnisVektor.z);
}

// An edit of a register gets a text: its change handler reads it, and the
// register holds what the text says.
void RegisterSchreiben(int i, const std::string& Text) {
    TForm_ObjekteDaten& F = Form_ObjekteDaten;
    F.RegisterFeld(i).SetText(Text);
    F.RegisterChange(i);
}

void Schliessen() {
    Form_ObjekteDaten.Visible = false;
    Host().FensterVerbergen(Fenstername);
}

// The result into the transfer slot, fitted to its 18 characters without
// changing its value beyond the last digit kept, then pasted.
void ErgebnisEinfuegen(const std::function<void(const TSpeicherVektor&)>& Einfuegen) {
    VektorSpeicher[0] = {ZahlAllgemeinInBreite(ErgebnisVektor.x, 18), ZahlAllgemeinInBreite(ErgebnisVektor.y, 18),
                         ZahlAllgemeinInBreite(ErgebnisVektor.z, 18)};
    if (Einfuegen) Einfuegen(VektorSpeicher[0]);
}

}  // namespace

// ---- The window -------------------------------------------------------------------------------

void TForm_ObjekteDaten::FormCreate() {
    // The menus and buttons act through the calculator's routines.
    for (int i = 1; i <= RechenObjektAnzahl; ++i) PopupMenu[i] = ObjektMenue(RechenObjekte[i - 1]);
    for (const auto& r : Rechnungen) {
        (this->*r.Knopf).Caption = r.Caption;
        (this->*r.Knopf).OnClick = [w = r.Wert] { Liefern(w()); };
    }
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    RadioGroup2.OnClick = [this] { RadioGroup2Click(); };
    RadioGroup1Click();
    RadioGroup2Click();
    for (int i = 1; i <= 12; ++i) {
        RegisterFeld(i).OnChange = [this, i] { RegisterChange(i); };
        RegisterChange(i);
    }
    BitBtn1.OnClick = [this] { BitBtn1Click(); };
    BitBtn2.OnClick = [this] { BitBtn2Click(); };
    Button1.OnClick = [this] { Button1Click(); };
}

void TForm_ObjekteDaten::FormActivate() {
    ErgebnisUebernommen = false;
    BitBtn1.Caption = ObjekteDatenVomHauptfenster ? "Ok" : "Ergebnis übernehmen";
}

void TForm_ObjekteDaten::BitBtn1Click() {
    ErgebnisUebernommen = true;
    ObjekteDatenVomHauptfenster = false;
    const auto r = std::move(Rueckgabe);
    Rueckgabe = nullptr;
    Schliessen();
    if (r) ErgebnisEinfuegen(r);
}

void TForm_ObjekteDaten::BitBtn2Click() {
    ErgebnisUebernommen = false;
    ObjekteDatenVomHauptfenster = false;
    Rueckgabe = nullptr;
    Schliessen();
}

void TForm_ObjekteDaten::FormClose() {
    ObjekteDatenVomHauptfenster = false;
    Rueckgabe = nullptr;
    Visible = false;
}

void TForm_ObjekteDaten::RadioGroup1Click() { VektorZiel = static_cast<Byte>(RadioGroup1.ItemIndex + 1); }
void TForm_ObjekteDaten::RadioGroup2Click() { LaengenZiel = static_cast<Byte>(RadioGroup2.ItemIndex + 1); }

std::optional<char> TForm_ObjekteDaten::RegisterTaste(int i, char Taste) {
    if (i == 1) return TasteFiltern(Taste);
    return Taste;
}

void TForm_ObjekteDaten::RegisterChange(int i) {
    Extended v;
    if (ZahlLesen(RegisterFeld(i).Text(), v)) RegisterWert(i) = v;
}

void TForm_ObjekteDaten::RegisterExit(int i) {
    TEdit& E = RegisterFeld(i);
    // Vektor 3 has no range check; the others refuse numbers from 10000 on.
    const bool Unfertig = i >= 7 && i <= 9 ? !IstGleitkommazahl(E.Text())
                                           : EditGleitkommaPruefen(E, 10000) == PruefErgebnis::Unfertig;
    // What the edit shows is what the register computes with.
    if (Unfertig) RegisterSchreiben(i, ZahlAllgemein(RegisterWert(i)));
}

void TForm_ObjekteDaten::Button1Click() {
    TVek_R3 F, D;
    LotPunktGerade(Punkt[1].Ort, Gerade_g.Stuetzvektor, Gerade_g.Richtungsvektor, F, D);
    // P1 on g: no perpendicular, and h would have no direction.
    if (IstNullvektor(D)) {
        MeldungZeigen(NullRichtungMeldung, MeldungsArt::Warnung);
        return;
    }
    // From a loaded scene's far-out P1 and g, the foot and the direction
    // may reach several times their numbers: h stays within the bound the
    // program's other steps keep, so the scene saves as a file it loads.
    if (!InSzenenGrenze(F) || !InSzenenGrenze(D)) {
        MeldungZeigen(NichtEndlichMeldung);
        return;
    }
    Gerade_h.Stuetzvektor = F;
    Gerade_h.Richtungsvektor = D;
    SpalteSchreiben(Form_Geraden_t.StringGrid2, 0, 1, F);
    SpalteSchreiben(Form_Geraden_t.StringGrid2, 1, 1, D);
    GeradenAnimaNeuBerechnenH();
    NachObjektAenderung();
}

// ---- Delivery ----------------------------------------------------------------------------------

void VektorAusgeben(TVek_R3 v) {
    TVek_R3 Neu = v;
    if (VektorZiel == 9) Neu = Summe(ErgebnisVektor, v);
    if (VektorZiel == 10) Neu = Differenz(ErgebnisVektor, v);
    if (!IstEndlich(Neu)) {
        MeldungZeigen(NichtEndlichMeldung);
        return;
    }
    switch (VektorZiel) {
        case 1:
        case 2:
        case 3:
        case 4:
            VektorSpeicher[VektorZiel] = {SpeicherText(v.x), SpeicherText(v.y), SpeicherText(v.z)};
            return;
        case 5:
        case 6:
        case 7: {
            const int Erstes = 3 * (VektorZiel - 5) + 1;
            RegisterSchreiben(Erstes, VektorText(v.x));
            RegisterSchreiben(Erstes + 1, VektorText(v.y));
            RegisterSchreiben(Erstes + 2, VektorText(v.z));
            return;
        }
        case 8:
        case 9:
        case 10:
            ErgebnisVektor = Neu;
            ErgebnisZeigen();
            return;
        default:
            return;
    }
}

void LaengeAusgeben(Extended l) {
    if (!std::isfinite(l)) {
        MeldungZeigen(NichtEndlichMeldung);
        return;
    }
    if (LaengenZiel >= 1 && LaengenZiel <= 3) RegisterSchreiben(9 + LaengenZiel, ZahlAllgemein(l));
}

void Liefern(const TWert& w) {
    switch (w.art) {
        case TWert::Art::Vektor: VektorAusgeben(w.v); return;
        case TWert::Art::Laenge: LaengeAusgeben(w.l); return;
        case TWert::Art::Keiner: break;
    }
    MeldungZeigen(w.Meldung);
}

// ---- Opening -----------------------------------------------------------------------------------

void ObjekteDatenNullen() {
    RechenVektor1 = RechenVektor2 = RechenVektor3 = ErgebnisVektor = TVek_R3{};
    Laenge1 = Laenge2 = 0;
    Laenge = 1;
    VektorZiel = 8;
    LaengenZiel = 3;
    ErgebnisUebernommen = false;
    ObjekteDatenVomHauptfenster = false;
}

void ObjekteDatenZeigen() {
    TForm_ObjekteDaten& F = Form_ObjekteDaten;
    ObjekteDatenVomHauptfenster = true;
    F.FormActivate();
    F.Visible = true;
    Host().FensterZeigen(Fenstername, false);
}

void ObjekteDatenEinfuegen(std::function<void(const TSpeicherVektor&)> Einfuegen) {
    if (KoordGesperrt) {
        MeldungZeigen(DatenfensterGesperrtMeldung);
        return;
    }
    TForm_ObjekteDaten& F = Form_ObjekteDaten;
    if (F.Visible) {
        // Open without blocking: a modal showing cannot be had, so the window
        // comes to the front and its "Ok" hands the result to this caller.
        F.Rueckgabe = std::move(Einfuegen);
        Host().FensterZeigen(Fenstername, false);
        return;
    }
    F.Rueckgabe = nullptr;
    F.FormActivate();
    F.Visible = true;
    Host().FensterZeigen(Fenstername, true);
    // A host that returns with the window still open has closed it.
    if (F.Visible) F.FormClose();
    if (ErgebnisUebernommen) ErgebnisEinfuegen(Einfuegen);
}
