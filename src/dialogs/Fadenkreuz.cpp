#include "forms/Fadenkreuz.h"

#include <cmath>

#include "scene/Stilindex.h"
#include "forms/Gitter.h"
#include "geometry/Eingabe.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Objekte.h"

namespace {
ZellStand SchrittPruefen(const std::string& Text) { return BetragTextPruefen(Text, 10); }
}  // namespace

TObjektGitter TForm_Fadenkreuz::ObjektGitter(TStringGrid& G) {
    if (&G != &StringGrid1) return {};
    TObjektGitter O;
    O.Gitter = &G;
    O.Gedaechtnis = &Gedaechtnis;
    O.Anwenden = [] { FadenkreuzAusDialog(); };
    O.ObjektWert = [](int, int Zeile) {
        const TVek_R3& M = Fadenkreuz.Mittelpunkt;
        return Zeile == 1 ? M.x : Zeile == 2 ? M.y : M.z;
    };
    return O;
}

void TForm_Fadenkreuz::FormCreate() {
    SpalteSetzen(StringGrid1, 0, 1, "2", "2", "2");
    FadenkreuzSchrittweite = 0.1L;
    Edit1.SetTextStill("0,1");
    GroupStil.OnClick = [this] { GroupStilClick(); };
    Edit1.OnChange = [this] { Edit1Change(); };
    for (int c = 1; c <= 6; ++c) VerschiebeKnopf(c).OnClick = [this, c] { But_VerschiebenClick(c); };
}

void TForm_Fadenkreuz::FormActivate() {
    // One grid and no lock: always shown.
    StringGrid1.Visible = true;
    StringGrid1.SetFocus();
    GroupStil.ItemIndex = LinienstilZuIndex(Fadenkreuz.Linienstil);
}

void TForm_Fadenkreuz::GroupStilClick() {
    if (GroupStil.ItemIndex < 0) return;
    Fadenkreuz.Linienstil = IndexZuLinienstil(static_cast<Byte>(GroupStil.ItemIndex));
    NachAttributNeuZeichnen();
}

void TForm_Fadenkreuz::But_VerschiebenClick(int Code) {
    if (Code < 1 || Code > 6) return;
    // The click ends an edit of a cell, and changes a coordinate as a key
    // would.
    OffeneZelleVerlassen(StringGrid1);
    if (!KoordAenderungErlaubt()) return;
    const int Zeile = (Code + 1) / 2;  // 1 x, 2 y, 3 z
    // From the centre as the scene holds it: the cells show three decimals.
    TVek_R3 M = Fadenkreuz.Mittelpunkt;
    Extended& v = Zeile == 1 ? M.x : Zeile == 2 ? M.y : M.z;
    const Extended Alt = v;
    v = Code % 2 == 1 ? Alt - FadenkreuzSchrittweite : Alt + FadenkreuzSchrittweite;
    // A step never carries the centre out of the typing range; a centre the
    // program put beyond it (a turned scene) may always step back.
    if (ZellTextPruefen(KoordText(v)) != ZellStand::Gueltig && std::fabs(v) > std::fabs(Alt)) {
        MeldungZeigen(BereichsMeldung, MeldungsArt::Warnung);
        return;
    }
    ObjektAnwenden(nullptr, [this, M] {
        // Every digit goes in: the coordinates not stepped stay as they are.
        const GespeicherteZellwerte genau;
        SpalteSchreiben(StringGrid1, 0, 1, M);
        FadenkreuzAusDialog();
    });
}

std::optional<char> TForm_Fadenkreuz::Edit1KeyPress(char Taste) { return TasteFiltern(Taste); }

void TForm_Fadenkreuz::Edit1Change() {
    if (SchrittPruefen(Edit1.Text()) == ZellStand::Gueltig)
        ZelleLesen(Edit1.Text(), FadenkreuzSchrittweite);
}

void TForm_Fadenkreuz::Edit1Exit() {
    // Still the text the program wrote: the step it stands for stays, every
    // digit of it.
    if (Edit1.Wert()) return;
    switch (SchrittPruefen(Edit1.Text())) {
        case ZellStand::Gueltig:
            ZelleLesen(Edit1.Text(), FadenkreuzSchrittweite);
            return;
        case ZellStand::Abgelehnt:
            MeldungZeigen(Betrag10Meldung, MeldungsArt::Information);
            Edit1.SetFocus();
            break;
        case ZellStand::Unfertig:
            break;
    }
    Edit1.SetTextStill(KoordText(FadenkreuzSchrittweite), FadenkreuzSchrittweite);
}
