#include "control/DatenInDialoge.h"

#include <cmath>
#include <initializer_list>
#include <string>

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
#include "scene/Objekte.h"
#include "view3d/ObjektGeometrie.h"
#include "view3d/Szene.h"
#include "view3d/Zeichnen.h"

namespace {

// x, y, z of v into column Spalte, rows ErsteZeile..+2, every cell.
void VektorInSpalte(TStringGrid& G, int Spalte, int ErsteZeile, const TVek_R3& v) {
    SpalteSchreiben(G, Spalte, ErsteZeile, v, BearbeiteteZelle::Ueberschreiben);
}

// The vectors given into columns 0, 1, ... from row 1 on, in this order.
void InSpalten(TStringGrid& G, std::initializer_list<const TVek_R3*> Quellen) {
    int s = 0;
    for (const TVek_R3* q : Quellen) VektorInSpalte(G, s++, 1, *q);
}

// The nearest whole number of a stored value. Records that did not come
// from this program may hold anything: NaN counts as 0 and the value is
// kept within a range every target can hold, so no conversion overflows.
long Ganz(Extended v) {
    if (std::isnan(v)) return 0;
    if (v > 1e6L) return 1000000;
    if (v < -1e6L) return -1000000;
    return std::lround(v);
}
Byte GanzByte(Extended v) {
    const long n = Ganz(v);
    return static_cast<Byte>(n < 0 ? 0 : n > 255 ? 255 : n);
}
int GanzInt(Extended v) { return static_cast<int>(Ganz(v)); }
// Style and flag indexes are 0 or 1; anything else reads as the second item
// for flags (off) and gives a solid pen for styles, as the conversions do.
Byte Index(Extended v) { return GanzByte(v); }

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

// Record 1 into the cells, every reader in the same order; the sphere radii
// go straight into the spheres.
void Datensatz1Schreiben(const TObjektDatensatz& d) {
    TForm_Geraden_t& G = Form_Geraden_t;
    InSpalten(G.StringGrid1, {&d.gStuetz, &d.gRichtung});
    InSpalten(G.StringGrid2, {&d.hStuetz, &d.hRichtung});
    InSpalten(G.StringGrid3, {&d.tStuetz, &d.tRichtung});

    TForm_Ebenen& E = Form_Ebenen;
    InSpalten(E.StringGrid1, {&d.E1Stuetz, &d.E1Richtung1, &d.E1Richtung2});
    InSpalten(E.StringGrid2, {&d.E2Stuetz, &d.E2Richtung1, &d.E2Richtung2});

    for (int i = 1; i <= 4; ++i) {
        TStringGrid& S = Form_Spate.Gitter(i);
        VektorInSpalte(S, 0, 1, d.Spat[i].A);
        VektorInSpalte(S, 1, 1, d.Spat[i].AB);
        VektorInSpalte(S, 2, 1, d.Spat[i].AD);
        VektorInSpalte(S, 3, 1, d.Spat[i].AE);
    }
    for (int i = 1; i <= 4; ++i) {
        VektorInSpalte(Form_Vektoren.Gitter(i), 0, 1, d.Vektor[i].Anfang);
        VektorInSpalte(Form_Vektoren.Gitter(i), 1, 1, d.Vektor[i].Vektor);
    }
    for (int i = 1; i <= 4; ++i) {
        VektorInSpalte(Form_Strecken.Gitter(i), 0, 1, d.Strecke[i].A);
        VektorInSpalte(Form_Strecken.Gitter(i), 1, 1, d.Strecke[i].B);
    }
    // The points' grids hold x, y, z in rows 0..2.
    for (int i = 1; i <= 4; ++i) VektorInSpalte(Form_Punkte.Gitter(i), 1, 0, d.Punkt[i]);
    for (int i = 1; i <= 4; ++i) {
        VektorInSpalte(Form_Kugeln.Gitter(i), 1, 1, d.KugelMitte[i]);
        Kugel[i].Radius = d.KugelRadius[i];
    }
    KugelEditAuffrischen();
}

// The cone part: cone centres, normals, radii and heights, then the
// crosshair centre. Spokes, rim thickness and attributes stay.
void KegelteilSchreiben(const TObjektDatensatz2& d) {
    for (int i = 1; i <= 4; ++i) {
        VektorInSpalte(Form_Kegel.Gitter(i), 0, 1, d.Kegel[i].Mitte);
        VektorInSpalte(Form_Kegel.Gitter(i), 1, 1, d.Kegel[i].Normale);
        Kegel[i].Radius = d.Kegel[i].Radius;
        Kegel[i].Hoehe = d.KegelHoehe[i];
    }
    VektorInSpalte(Form_Fadenkreuz.StringGrid1, 0, 1, d.FadenkreuzMitte);
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
    Form_Fadenkreuz.Edit1.SetTextStill(KoordText(FadenkreuzSchrittweite));
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
    for (int i = 1; i <= 4; ++i) {
        Kegel[i].Speichen = GanzInt(d.Kegel[i].Speichen);
        Kegel[i].Randstaerke = GanzInt(d.Kegel[i].Randdicke);
    }

    // Pen widths, densities, styles.
    for (int i = 1; i <= 2; ++i) Ebene[i].Stiftbreite = GanzByte(d.EbeneStiftbreite[i]);
    for (int i = 1; i <= 3; ++i) Gerade[i].Stiftbreite = GanzInt(d.GeradeStiftbreite[i]);
    for (int i = 1; i <= 4; ++i) {
        Spat[i].Stiftbreite = GanzInt(d.SpatStiftbreite[i]);
        Vektor[i].Stiftbreite = GanzInt(d.VektorStiftbreite[i]);
        Strecke[i].Stiftbreite = GanzInt(d.StreckeStiftbreite[i]);
        Punkt[i].Stiftbreite = GanzInt(d.PunktStiftbreite[i]);
    }
    for (int i = 1; i <= 4; ++i) {
        Kugel[i].Breitenkreise = GanzByte(d.KugelBreitenkreise[i]);
        Kugel[i].Laengenkreise = GanzByte(d.KugelLaengenkreise[i]);
    }
    for (int i = 1; i <= 3; ++i) Gerade[i].Linienstil = IndexZuLinienstil(Index(d.GeradeStil[i]));
    for (int i = 1; i <= 2; ++i) Ebene[i].Linienstil = IndexZuLinienstil(Index(d.EbeneStil[i]));
    for (int i = 1; i <= 4; ++i) {
        Spat[i].Linienstil = IndexZuLinienstil(Index(d.SpatStil[i]));
        Vektor[i].Linienstil = IndexZuLinienstil(Index(d.VektorStil[i]));
        Strecke[i].Linienstil = IndexZuLinienstil(Index(d.StreckeStil[i]));
        Kugel[i].Linienstil = IndexZuLinienstil(Index(d.KugelStil[i]));
        Kegel[i].Linienstil = IndexZuLinienstil(Index(d.KegelStil[i]));
    }
    // The crosshair's style goes through its dialog; an index other than
    // 0 or 1 gives the solid pen.
    GruppeWaehlen(Form_Fadenkreuz.GroupStil, Index(d.FadenkreuzStil) == 1 ? 1 : 0);

    // Visibility in the order of the object numbers, each switch following
    // its own object at once.
    const Extended* Sichtbar[ObjektAnzahl] = {
        &d.GeradeSichtbar[1], &d.GeradeSichtbar[2], &d.GeradeSichtbar[3],
        &d.EbeneSichtbar[1],  &d.EbeneSichtbar[2],
        &d.SpatSichtbar[1],   &d.SpatSichtbar[2],   &d.SpatSichtbar[3],   &d.SpatSichtbar[4],
        &d.VektorSichtbar[1], &d.VektorSichtbar[2], &d.VektorSichtbar[3], &d.VektorSichtbar[4],
        &d.StreckeSichtbar[1], &d.StreckeSichtbar[2], &d.StreckeSichtbar[3], &d.StreckeSichtbar[4],
        &d.PunktSichtbar[1],  &d.PunktSichtbar[2],  &d.PunktSichtbar[3],  &d.PunktSichtbar[4],
        &d.KugelSichtbar[1],  &d.KugelSichtbar[2],  &d.KugelSichtbar[3],  &d.KugelSichtbar[4],
        &d.KegelSichtbar[1],  &d.KegelSichtbar[2],  &d.KegelSichtbar[3],  &d.KegelSichtbar[4],
        &d.FadenkreuzSichtbar,
    };
    for (int Nr = 1; Nr <= ObjektAnzahl; ++Nr) {
        ObjektSichtbar(Nr) = IndexZuErzFlag(Index(*Sichtbar[Nr - 1]));
        Form_Edits_01.But_sichtb(Nr).Down = ObjektSichtbar(Nr) == 1;
    }
    for (int i = 1; i <= 4; ++i) Spat[i].ErzeugendeZeigen = IndexZuErzFlag(Index(d.SpatErzeugende[i]));
    for (int i = 1; i <= 4; ++i) Punkt[i].mitFadenkreuz = IndexZuErzFlag(Index(d.PunktFadenkreuz[i]));
    FadenkreuzSchrittweite = d.FadenkreuzSchrittweite;

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

void UndoDatensatzInDialoge(int N) {
    if (N < 0 || N > 60) return;
    const GespeicherteZellwerte genau;
    Datensatz1Schreiben(UndoDaten[N]);
    KegelteilSchreiben(UndoKegelDaten[N]);
    NeuBerechnenUndZeichnen();
}

void SpeicherDatensatzInDialoge() {
    const GespeicherteZellwerte genau;
    Datensatz1Schreiben(ObjektSpeicher);
    KegelteilSchreiben(ObjektSpeicherKegel);
    NeuBerechnenUndZeichnen();
}
