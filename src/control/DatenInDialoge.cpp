#include "control/DatenInDialoge.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "scene/Stilindex.h"
#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Gitter.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "forms/Hauptfenster.h"
#include "geometry/Eingabe.h"
#include "platform/Zahltext.h"
#include "scene/Datensatz.h"
#include "scene/DrehZustand.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "view3d/ObjektGeometrie.h"
#include "view3d/Szene.h"
#include "view3d/Zeichnen.h"

// The grid a record's vector is shown in.
TStringGrid& DialogGitter(const TZellenOrt& z) {
    switch (z.Gitter) {
        case TGitterArt::Geraden: return Form_Geraden_t.Gitter(z.Nr);
        case TGitterArt::Ebenen: return Form_Ebenen.Gitter(z.Nr);
        case TGitterArt::Spate: return Form_Spate.Gitter(z.Nr);
        case TGitterArt::Vektoren: return Form_Vektoren.Gitter(z.Nr);
        case TGitterArt::Strecken: return Form_Strecken.Gitter(z.Nr);
        case TGitterArt::Punkte: return Form_Punkte.Gitter(z.Nr);
        case TGitterArt::Kugeln: return Form_Kugeln.Gitter(z.Nr);
        case TGitterArt::Kegel: return Form_Kegel.Gitter(z.Nr);
        case TGitterArt::Fadenkreuz: return Form_Fadenkreuz.StringGrid1;
    }
    return Form_Fadenkreuz.StringGrid1;
}

namespace {

// x, y, z of v into column Spalte, rows ErsteZeile..+2, every cell.
void VektorInSpalte(TStringGrid& G, int Spalte, int ErsteZeile, const TVek_R3& v) {
    SpalteSchreiben(G, Spalte, ErsteZeile, v, BearbeiteteZelle::Ueberschreiben);
}

// The vectors into their cells, the numbers into the scene; of record 2
// only the cone part or only the rest.
template <class D>
void FelderSchreiben(const D& d, const std::vector<TVektorfeld<D>>& vektoren, const std::vector<TZahlfeld<D>>& zahlen,
                     bool Kegelteil) {
    for (const auto& f : vektoren)
        if (f.Kegelteil == Kegelteil) VektorInSpalte(DialogGitter(f.Zelle), f.Zelle.Spalte, f.Zelle.Zeile, f.Wert(d));
    for (const auto& f : zahlen)
        if (f.Kegelteil == Kegelteil) f.InSzene(f.Nr, f.Wert(d));
}

// The edit fields show the radius (and height) of the object the dialog
// shows; without this an edit there would bring back the old value.
void KugelEditAuffrischen() {
    if (AktKugel < 1 || AktKugel > 4) return;
    Form_Kugeln.Edit_Radius.SetTextStill(KoordText(Kugel[AktKugel].Radius));
}
void KegelEditsAuffrischen() {
    if (AktKegel < 1 || AktKegel > 4) return;
    Form_Kegel.Edit_Radius.SetTextStill(KoordText(Kegel[AktKegel].Radius));
    Form_Kegel.Edit_Hoehe.SetTextStill(KoordText(Kegel[AktKegel].Hoehe));
}

// Record 1 into the cells; the sphere radii go straight into the spheres.
void Datensatz1Schreiben(const TObjektDatensatz& d) {
    FelderSchreiben(d, Vektorfelder1(), Zahlfelder1(), false);
    KugelEditAuffrischen();
}

// The cone part: cone centres, normals, radii and heights, and the
// crosshair centre. Spokes, rim thickness and attributes stay.
void KegelteilSchreiben(const TObjektDatensatz2& d) {
    FelderSchreiben(d, Vektorfelder2(), Zahlfelder2(), true);
    KegelEditsAuffrischen();
}

void NeuBerechnenUndZeichnen() {
    SzeneNeuBerechnen();
    SzeneZeichnen();
}

// Sets a radio group to item Nr and runs its click action, which writes the
// choice back into the dialog's current object. An item the group does not
// have leaves the group as it was; the object keeps its stored value.
void GruppeWaehlen(TRadioGroup& R, long Nr) {
    if (Nr < 0 || Nr >= static_cast<long>(R.Items.size())) return;
    R.ItemIndex = static_cast<int>(Nr);
    R.Click();
}

// The pen width and pen style groups of a dialog from the object it shows.
template <class Dialog, class Objekt>
void StiftUndStilWaehlen(Dialog& D, const Objekt& o) {
    GruppeWaehlen(D.GroupStift, o.Stiftbreite - 1);
    GruppeWaehlen(D.GroupStil, LinienstilZuIndex(o.Linienstil));
}

void KlickenMitHaken(TCheckBox& C, bool an) {
    C.Checked = an;
    C.Click();
}

// Presses the button of a density within its group; a density no button
// shows presses nothing.
void KugelDichteKnoepfe(Byte Breiten, Byte Laengen) {
    TForm_Kugeln& K = Form_Kugeln;
    int b = 0, l = 0;
    switch (Breiten) {
        case 24: b = 1; break;
        case 12: b = 2; break;
        case 8: b = 3; break;
        case 6: b = 4; break;
        case 4: b = 5; break;
        default: break;
    }
    switch (Laengen) {
        case 24: l = 6; break;
        case 12: l = 7; break;
        case 8: l = 8; break;
        case 4: l = 9; break;
        default: break;
    }
    if (b) for (int k = 1; k <= 5; ++k) K.Knopf(k).Down = (k == b);
    if (l) for (int k = 6; k <= 9; ++k) K.Knopf(k).Down = (k == l);
}

// The attribute controls of every dialog from the object it shows now.
void DialogSteuerungenSetzen() {
    if (AktGerade >= 1 && AktGerade <= 3) StiftUndStilWaehlen(Form_Geraden_t, Gerade[AktGerade]);
    if (AktEbene >= 1 && AktEbene <= 2) StiftUndStilWaehlen(Form_Ebenen, Ebene[AktEbene]);
    if (AktSpat >= 1 && AktSpat <= 4) {
        const Byte Erz = ErzFlagZuIndex(Spat[AktSpat].ErzeugendeZeigen);
        StiftUndStilWaehlen(Form_Spate, Spat[AktSpat]);
        GruppeWaehlen(Form_Spate.GroupErz, Erz);
    }
    if (AktVektor >= 1 && AktVektor <= 4) StiftUndStilWaehlen(Form_Vektoren, Vektor[AktVektor]);
    if (AktStrecke >= 1 && AktStrecke <= 4) StiftUndStilWaehlen(Form_Strecken, Strecke[AktStrecke]);
    if (AktPunkt >= 1 && AktPunkt <= 4) {
        const TPunkt& p = Punkt[AktPunkt];
        const bool Kreuz = p.mitFadenkreuz == 1;
        GruppeWaehlen(Form_Punkte.GroupStift, p.Stiftbreite - 1);
        KlickenMitHaken(Form_Punkte.CheckBox1, Kreuz);
    }
    if (AktKugel >= 1 && AktKugel <= 4) {
        const TKugel& k = Kugel[AktKugel];
        GruppeWaehlen(Form_Kugeln.GroupStil, LinienstilZuIndex(k.Linienstil));
        KugelEditAuffrischen();
        KugelDichteKnoepfe(k.Breitenkreise, k.Laengenkreise);
    }
    if (AktKegel >= 1 && AktKegel <= 4) {
        const TKegel& k = Kegel[AktKegel];
        TForm_Kegel& D = Form_Kegel;
        GruppeWaehlen(D.GroupStil, LinienstilZuIndex(k.Linienstil));
        KegelEditsAuffrischen();
        KlickenMitHaken(D.CheckBox_SpeichenEin, k.SpeichenZeigen == 1);
        const std::string Speichen = std::to_string(k.Speichen);
        for (std::size_t n = 0; n < D.ComboBox1.Items.size(); ++n)
            if (D.ComboBox1.Items[n] == Speichen) {
                D.ComboBox1.ItemIndex = static_cast<int>(n);
                D.ComboBox1.Text = Speichen;
            }
        if (k.Randstaerke >= 1 && k.Randstaerke <= static_cast<int>(D.ComboBox2.Items.size())) {
            D.ComboBox2.ItemIndex = k.Randstaerke - 1;
            D.ComboBox2.Text = D.ComboBox2.Items[static_cast<std::size_t>(k.Randstaerke - 1)];
        }
    }
    Form_Fadenkreuz.Edit1.SetTextStill(KoordText(FadenkreuzSchrittweite), FadenkreuzSchrittweite);
}

}  // namespace

void DateiDatensatzInDialoge(int N) {
    if (N < 0 || N > 2) return;
    Datensatz1Schreiben(Objektdatensaetze[N]);
}

void DateiDatensatz2InDialoge(int N) {
    if (N < 0 || N > 2) return;
    const TObjektDatensatz2& d = Objektdatensaetze2[N];

    KegelteilSchreiben(d);
    // Spokes, rims, pen widths, densities, styles, visibility and the
    // crosshair's step.
    FelderSchreiben(d, Vektorfelder2(), Zahlfelder2(), false);
    // The crosshair's style goes through its dialog.
    GruppeWaehlen(Form_Fadenkreuz.GroupStil, LinienstilZuIndex(Fadenkreuz.Linienstil));
    // Each visibility switch follows its object.
    for (int Nr = 1; Nr <= ObjektAnzahl; ++Nr) Form_Edits_01.But_sichtb(Nr).Down = ObjektSichtbar(Nr) == 1;

    DialogSteuerungenSetzen();

    Form_Edits_01.SichtbarkeitAktualisieren();
    if (!Form_Edits_01.AlleDrehAus.Down) Form_Edits_01.AlleDrehKnoepfeSetzen(false);
    NeuBerechnenUndZeichnen();
}

void DateiDatensaetzeInDialoge(int N, bool Satz2) {
    const GespeicherteZellwerte genau;
    DateiDatensatzInDialoge(N);
    if (Satz2) {
        DateiDatensatz2InDialoge(N);   // rebuilds and redraws
    } else {
        // Record 1 alone: the scene follows the cells just written.
        NeuBerechnenUndZeichnen();
    }
}

namespace {

// f(field) for every vector a record's restore writes into a grid: all of
// record 1, the cone part of record 2.
template <class F>
void GitterfelderDurchgehen(F&& f) {
    for (const auto& v : Vektorfelder1()) f(v);
    for (const auto& v : Vektorfelder2())
        if (v.Kegelteil) f(v);
}

// The object grids a record's restore writes.
std::vector<TStringGrid*> ObjektGitterliste() {
    std::vector<TStringGrid*> Gitterliste;
    GitterfelderDurchgehen([&](const auto& v) {
        TStringGrid* G = &DialogGitter(v.Zelle);
        if (std::find(Gitterliste.begin(), Gitterliste.end(), G) == Gitterliste.end()) Gitterliste.push_back(G);
    });
    return Gitterliste;
}

// Every text a record's restore writes, in a fixed order: the cells of the
// object grids, then the radius and height fields. Offen tells a cell or
// field another edit holds open.
template <class F>
void ObjektTexteDurchgehen(F&& f) {
    for (TStringGrid* G : ObjektGitterliste())
        for (int c = G->FixedCols; c < G->ColCount(); ++c)
            for (int r = G->FixedRows; r < G->RowCount(); ++r)
                f(G->Cells(c, r), G->Bearbeitung && G->Col == c && G->Row == r);
    const std::pair<TEdit*, const TZellenGedaechtnis*> Felder[] = {
        {&Form_Kugeln.Edit_Radius, &Form_Kugeln.GedaechtnisRadius},
        {&Form_Kegel.Edit_Radius, &Form_Kegel.GedaechtnisRadius},
        {&Form_Kegel.Edit_Hoehe, &Form_Kegel.GedaechtnisHoehe}};
    for (auto [E, M] : Felder) {
        std::string t = E->Text();
        f(t, M->InBearbeitung(0, 0));
        if (t != E->Text()) E->SetTextStill(t);
    }
}

// A kept scene (record 1 and the cone part) into the dialogs, and the scene
// rebuilt from them exactly as kept: the cells are read as the values noted
// behind their texts. Draws nothing.
void GeometrieGenauSchreiben(const TObjektDatensatz& d, const TObjektDatensatz2& Kegel) {
    const GespeicherteZellwerte genau;
    Datensatz1Schreiben(d);
    KegelteilSchreiben(Kegel);
    SzeneNeuBerechnen();
}

}  // namespace

std::shared_ptr<const TEingabeStand> EingabeStandNehmen() {
    auto S = std::make_shared<TEingabeStand>();
    S->Daten = DatensatzAusObjekten();
    KegelteilAusObjekten(S->Kegel);
    S->UndoDaten = UndoDaten;
    S->UndoKegelDaten = UndoKegelDaten;
    S->UndoDrehstrecken = UndoDrehstrecken;
    S->UndoAnzahl = UndoAnzahl;
    S->UndoIndex = UndoIndex;
    S->UndoModus = UndoModus;
    S->UndoAenderungen = UndoAenderungen;
    ObjektTexteDurchgehen([&](std::string& t, bool Offen) {
        S->Texte.push_back(Offen ? std::nullopt : std::optional<std::string>(t));
    });
    return S;
}

TSzenenAbdruck SzenenAbdruckNehmen() {
    TSzenenAbdruck A;
    A.Satz1 = InBytes(DatensatzAusObjekten());
    TObjektDatensatz2 Kegel{};
    KegelteilAusObjekten(Kegel);
    A.Kegelteil = InBytes(Kegel);
    A.UndoAenderungen = UndoAenderungen;
    A.UndoAnzahl = UndoAnzahl;
    A.UndoIndex = UndoIndex;
    A.UndoModus = UndoModus;
    A.DrehAnzahl = DrehAnzahl;
    A.AchsenDrehschritte = AchsenDrehschritte;
    A.Drehungen = DrehListe;
    return A;
}

void EingabeStandZurueck(const TEingabeStand& S) {
    UndoDaten = S.UndoDaten;
    UndoKegelDaten = S.UndoKegelDaten;
    UndoDrehstrecken = S.UndoDrehstrecken;
    UndoAnzahl = S.UndoAnzahl;
    UndoIndex = S.UndoIndex;
    UndoModus = S.UndoModus;
    // The table is the one counted then again: an edit open elsewhere whose
    // last step came before S sees no change of it.
    UndoAenderungen = S.UndoAenderungen;
    // A cell or field another edit holds open, or held open then, keeps
    // what it holds: that edit's texts are its own, and so is its note of
    // the program's writes.
    std::vector<std::string> Jetzt;
    ObjektTexteDurchgehen([&](std::string& t, bool) { Jetzt.push_back(t); });
    std::vector<std::pair<TStringGrid*, long>> Geschrieben;
    for (TStringGrid* G : ObjektGitterliste()) Geschrieben.emplace_back(G, G->Ueberschrieben);
    GeometrieGenauSchreiben(S.Daten, S.Kegel);
    for (auto [G, n] : Geschrieben) G->Ueberschrieben = n;
    std::size_t k = 0;
    ObjektTexteDurchgehen([&](std::string& t, bool Offen) {
        if (k < S.Texte.size()) t = Offen || !S.Texte[k] ? Jetzt[k] : *S.Texte[k];
        ++k;
    });
}

void SzenenwerteNotieren() {
    GitterfelderDurchgehen([](const auto& f) {
        const TVek_R3& v = f.InSzene(f.Nr);
        const TStringGrid& G = DialogGitter(f.Zelle);
        ZellwertNotieren(G, f.Zelle.Spalte, f.Zelle.Zeile, v.x);
        ZellwertNotieren(G, f.Zelle.Spalte, f.Zelle.Zeile + 1, v.y);
        ZellwertNotieren(G, f.Zelle.Spalte, f.Zelle.Zeile + 2, v.z);
    });
}

namespace {

// A field shows v when its noted value or its text does.
bool FeldZeigt(const TEdit& E, Extended v) {
    Extended w = 0;
    return (ZelleLesen(E, w) && GleicherWert(w, v)) || ZeigtWert(E.Text(), v);
}

void FeldNachSzene(TEdit& E, const TZellenGedaechtnis& M, Extended v) {
    if (!M.InBearbeitung(0, 0) && !FeldZeigt(E, v)) E.SetTextStill(KoordText(v));
}

}  // namespace

void FelderNachSzene() {
    if (AktKugel >= 1 && AktKugel <= 4)
        FeldNachSzene(Form_Kugeln.Edit_Radius, Form_Kugeln.GedaechtnisRadius, Kugel[AktKugel].Radius);
    if (AktKegel >= 1 && AktKegel <= 4) {
        FeldNachSzene(Form_Kegel.Edit_Radius, Form_Kegel.GedaechtnisRadius, Kegel[AktKegel].Radius);
        FeldNachSzene(Form_Kegel.Edit_Hoehe, Form_Kegel.GedaechtnisHoehe, Kegel[AktKegel].Hoehe);
    }
}

void UndoDatensatzInDialoge(int N) {
    if (N < 0 || N > 60) return;
    GeometrieGenauSchreiben(UndoDaten[N], UndoKegelDaten[N]);
    SzeneZeichnen();
}

void SpeicherDatensatzInDialoge() {
    GeometrieGenauSchreiben(ObjektSpeicher, ObjektSpeicherKegel);
    SzeneZeichnen();
}
