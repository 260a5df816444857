#include "forms/Speichermenue.h"

#include "forms/ObjekteDaten.h"
#include "geometry/Eingabe.h"
#include "platform/Zahltext.h"

namespace {

// A text of a column as a memory slot holds it: a number too long for 18
// characters is written shorter, anything else cut.
std::string SlotText(const std::string& s) {
    Extended v;
    if (s.size() > 18 && ZelleLesen(s, v)) return ZahlAllgemeinInBreite(v, 18);
    return KurzText(s, 18);
}

}  // namespace

void TSpeicherMenue::Oeffnen(TSpaltenZiel Z) {
    if (!Z.Lesen) return;
    const TSpeicherVektor t = Z.Lesen();
    VektorSpeicher[0] = {SlotText(t.x), SlotText(t.y), SlotText(t.z)};
    ziel_ = std::move(Z);
    const bool Einfuegen = static_cast<bool>(ziel_.Einfuegen);
    const bool Matrix = static_cast<bool>(ziel_.MatrixEinfuegen);
    Punkt(SpalteEinfuegen).Visible = Einfuegen;
    Punkt(MatrixKopieren).Visible = Matrix || ziel_.MatrixKopieren;
    Punkt(MatrixEinfuegen).Visible = Matrix;
    Menue.Items[2].Visible = Matrix || ziel_.MatrixKopieren;
    Menue.Items[5].Visible = Punkt(BerechnEinfuegen).Visible = Einfuegen || ziel_.Rechner;
    // The items act on this popup; it is wired on each opening, so a window
    // state that was copied into place never calls a stale one.
    for (int k = 1; k <= 4; ++k) {
        Punkt(SpalteKopieren).Items[static_cast<std::size_t>(k - 1)].OnClick = [this, k] { InSpeicherClick(k); };
        Punkt(SpalteEinfuegen).Items[static_cast<std::size_t>(k - 1)].OnClick = [this, k] { AusSpeicherClick(k); };
    }
    for (int k = 1; k <= 3; ++k) {
        Punkt(MatrixKopieren).Items[static_cast<std::size_t>(k - 1)].OnClick = [this, k] { InMatrixSpeicherClick(k); };
        Punkt(MatrixEinfuegen).Items[static_cast<std::size_t>(k - 1)].OnClick = [this, k] { AusMatrixSpeicherClick(k); };
    }
    Punkt(BerechnEinfuegen).OnClick = [this] { BerechnEinfuegenClick(); };
}

void TSpeicherMenue::InSpeicherClick(int k) {
    if (k >= 1 && k <= 4) VektorSpeicher[k] = VektorSpeicher[0];
}

void TSpeicherMenue::AusSpeicherClick(int k) {
    if (k >= 0 && k <= 4 && ziel_.Einfuegen) ziel_.Einfuegen(VektorSpeicher[k]);
}

void TSpeicherMenue::InMatrixSpeicherClick(int k) {
    if (k >= 1 && k <= 3) MatrixSpeicher[k] = MatrixSpeicher[0];
}

void TSpeicherMenue::AusMatrixSpeicherClick(int k) {
    if (k >= 1 && k <= 3 && ziel_.MatrixEinfuegen) ziel_.MatrixEinfuegen(k);
}

void TSpeicherMenue::BerechnEinfuegenClick() {
    if (ziel_.Einfuegen)
        ObjekteDatenEinfuegen(ziel_.Einfuegen);
    else if (ziel_.Rechner)
        ObjekteDatenEinfuegen([](const TSpeicherVektor&) {});
}
