#include "control/Vorgabe.h"

#include <initializer_list>

#include "forms/Ebenen.h"
#include "forms/Fadenkreuz.h"
#include "forms/Geraden_t.h"
#include "forms/Kegel.h"
#include "forms/Kugeln.h"
#include "forms/Punkte.h"
#include "forms/Spate.h"
#include "forms/Strecken.h"
#include "forms/Vektoren.h"
#include "platform/Oberflaeche.h"
#include "control/DatenInDialoge.h"
#include "control/Drehsteuerung.h"
#include "scene/Datensatz.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Objekte.h"
#include "scene/Speicherzustand.h"
#include "scene/DrehZustand.h"

namespace {

// The vector a start column denotes. The dialogs' creation writes numbers
// there; a cell that were none would leave the zero vector.
TVek_R3 Spalte(const TStringGrid& G, int Spalte, int ErsteZeile) {
    TVek_R3 v;
    SpalteLesen(G, Spalte, ErsteZeile, v);
    return v;
}

// Columns 0, 1, ... from row 1 on into the vectors given, in this order.
void Spalten(const TStringGrid& G, std::initializer_list<TVek_R3*> Ziele) {
    int s = 0;
    for (TVek_R3* z : Ziele) *z = Spalte(G, s++, 1);
}

}  // namespace

void VorgabeDatensatzAusDialogen() {
    TObjektDatensatz d;
    const TForm_Geraden_t& G = Form_Geraden_t;
    Spalten(G.StringGrid1, {&d.gStuetz, &d.gRichtung});
    Spalten(G.StringGrid2, {&d.hStuetz, &d.hRichtung});
    Spalten(G.StringGrid3, {&d.tStuetz, &d.tRichtung});
    const TForm_Ebenen& E = Form_Ebenen;
    Spalten(E.StringGrid1, {&d.E1Stuetz, &d.E1Richtung1, &d.E1Richtung2});
    Spalten(E.StringGrid2, {&d.E2Stuetz, &d.E2Richtung1, &d.E2Richtung2});
    for (int i = 1; i <= 4; ++i) {
        const TStringGrid& S = Form_Spate.Gitter(i);
        d.Spat[i] = {Spalte(S, 0, 1), Spalte(S, 1, 1), Spalte(S, 2, 1), Spalte(S, 3, 1)};
    }
    for (int i = 1; i <= 4; ++i)
        d.Vektor[i] = {Spalte(Form_Vektoren.Gitter(i), 0, 1), Spalte(Form_Vektoren.Gitter(i), 1, 1)};
    for (int i = 1; i <= 4; ++i)
        d.Strecke[i] = {Spalte(Form_Strecken.Gitter(i), 0, 1), Spalte(Form_Strecken.Gitter(i), 1, 1)};
    for (int i = 1; i <= 4; ++i) d.Punkt[i] = Spalte(Form_Punkte.Gitter(i), 1, 0);
    for (int i = 1; i <= 4; ++i) d.KugelMitte[i] = Spalte(Form_Kugeln.Gitter(i), 1, 1);
    // The radius has no cell: the sphere object holds it.
    for (int i = 1; i <= 4; ++i) d.KugelRadius[i] = Kugel[i].Radius;
    Objektdatensaetze[1] = d;
}

void VorgabeDatensatzAusDialogen2() {
    // Attributes, cone radii, spokes, rim thickness, heights and the step
    // width as the file record takes them; the positions from the cells.
    TObjektDatensatz2 d = Datensatz2AusObjekten();
    d.FadenkreuzMitte = Spalte(Form_Fadenkreuz.StringGrid1, 0, 1);
    for (int i = 1; i <= 4; ++i) {
        d.Kegel[i].Mitte = Spalte(Form_Kegel.Gitter(i), 0, 1);
        d.Kegel[i].Normale = Spalte(Form_Kegel.Gitter(i), 1, 1);
    }
    Objektdatensaetze2[1] = d;
}

void UrzustandHerstellen() {
    NeuZeichnenAus = 1;
    bool laden = Urzustand;
    if (!laden && FrageJa(UrzustandFrage)) {
        // The load below rebuilds the whole scene from the preset, which
        // brings the drawing back to its initial state.
        DatenWerdenGeladen = true;
        laden = true;
    }
    if (laden) OhneDrehungLaden([] { DateiDatensaetzeInDialoge(1, ObjektdatenSatz2 > 0); });
    NeuZeichnenAus = 0;
}
